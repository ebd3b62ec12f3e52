#pragma once
#include "Item.h"

// Text on shapes: only labels draw text, so a shape's text is a label laid over it.
namespace semantics {

// The shape a label lies on: the topmost closed figure below the label whose box holds the
// label's box wholly (edges included), or none. A label on a box that lies on a large container
// is on the box.
const Item* ShapeUnder(const Item& label, const ItemQuery& query);

// A shape's text: the topmost of the labels that lie on it (ShapeUnder), or none. Each label is
// the text of at most one shape, and a shape has at most one text.
const Item* ShapeText(const Item& shape, const ItemQuery& query);

// The shape whose text the label is, or none: a label under another label on the same shape is
// nobody's text.
const Item* ShapeOfText(const Item& label, const ItemQuery& query);

}  // namespace semantics
