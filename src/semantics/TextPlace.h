#pragma once
#include <optional>

#include "Connector.h"
#include "Item.h"

namespace semantics {

// Whose text a figure's text editing is about, and the label that holds that text now.
struct TextPlace {
  enum class Kind {
    None,       // the figure takes no text (a line of no connector)
    Shape,      // a shape's text: the shape, or its text label
    Connector,  // a connector's label: a segment of the connector, or its label
    Label,      // a label that is nobody's text
  };
  Kind kind = Kind::None;
  const Item* shape = nullptr;
  std::optional<Connector> connector;
  const Item* label = nullptr;  // none: the text is still to be made
};

TextPlace TextPlaceOf(const Item& figure, const ItemQuery& query);

}  // namespace semantics
