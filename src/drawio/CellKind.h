#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "DrawioStyle.h"
#include "Graphics.h"
#include "Item.h"

// What a vertex's style makes of it here: which closed figure, a loose text, a container with a
// title, or a group that only places its children.
namespace drawio {

enum class CellRole : uint8_t {
  Shape,      // a closed figure (kind)
  Mark,       // a start or end mark: which one its connectors decide (Start unless only entered)
  Text,       // a loose text label
  Container,  // a rectangle with its title inside its top edge (a swimlane's or a container's)
  Group,      // nothing drawn; its children are placed within it
};

struct CellKind {
  CellRole role = CellRole::Shape;
  semantics::ItemKind kind = semantics::ItemKind::Rectangle;
  bool exact = true;  // false: the shape has no counterpart and is drawn as the nearest figure
};

CellKind KindOfStyle(const Style& style);

// A style colour ("#dae8fc", "#fff") as a colour value (red in the low byte); none for "none",
// "default" and anything unreadable.
std::optional<TColor> ColourOfStyle(std::string_view text);

}  // namespace drawio
