#pragma once
#include <QRect>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Figure.h"
#include "Graphics.h"
#include "ShapeTypes.h"

// What the diagram's meaning is found from: one plain description per figure, made by whoever
// holds the figures (the document, kdltool, an importer). Nothing here knows a widget.
namespace semantics {

// The nine figure classes. Start and end marks share an outline but not a meaning.
enum class ItemKind : uint8_t { Start, End, Process, Decision, Ellipse, Rectangle, Label, Line, Arrow };

struct Item {
  uint64_t id = 0;  // stable and unique within the diagram
  ItemKind kind = ItemKind::Rectangle;
  QRect box;                                  // Left, Top, Width, Height in canvas pixels
  TArrowDirection direction = adTopToBottom;  // a line's course, an arrow's direction
  TArrowPosition heads = apRight;             // arrows only
  int stacking = 0;                           // a greater value lies above
  std::string caption;                        // a label's text (UTF-8); other kinds never show one
  TPenStyle pen = psSolid;
  int penWidth = 1;
  TBrushStyle brush = bsSolid;
  TColor fill = clWhite;
};

connectors::FigureKind FigureKindOf(ItemKind kind);
inline bool IsShape(ItemKind k) { return k != ItemKind::Label && k != ItemKind::Line && k != ItemKind::Arrow; }
inline bool IsSegment(ItemKind k) { return k == ItemKind::Line || k == ItemKind::Arrow; }

// Appends every item whose box meets the area, boxes of zero width or height included. Extra
// items are harmless (every answer is checked against the geometry); missing ones are not found.
// The pointers must stay valid while the answers that hold them are used.
using ItemQuery = std::function<void(const QRect& area, std::vector<const Item*>& out)>;

}  // namespace semantics
