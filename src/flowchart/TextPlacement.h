#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <string>

#include "FontDesc.h"
#include "Item.h"

// Where the texts of a flowchart go: a shape's text is a label laid inside the shape, a
// connector's label lies beside the middle of its middle segment. Every text an import, a paste
// or Auto Layout places goes through these two functions.
namespace flowchart {

// The size of the text as a label draws it in a box of the given width: broken at line breaks and
// at words, each line the font's height; the width is that of the widest line.
QSize TextExtent(const std::string& text, const TFontDesc& font, int width);

// The part of a shape's box that holds its text: a box less its margins, the rectangle within a
// diamond's, an ellipse's or a mark's circle's middle.
QRect TextArea(semantics::ItemKind shape, const QRect& box);

// The label's box for a shape's text: as wide as the text area, as tall as the text, centred in
// the area and never beyond the shape's box (so the label is the shape's text).
QRect PlaceShapeText(semantics::ItemKind shape, const QRect& box, const std::string& text, const TFontDesc& font);

// A label box of the given size beside the middle of the segment from a to b: above a horizontal
// segment, right of a vertical one, above and right of a diagonal one, a few pixels off it.
QRect PlaceConnectorLabel(QPoint a, QPoint b, QSize size);

// The size of a connector's label box for the text.
QSize ConnectorLabelSize(const std::string& text, const TFontDesc& font);

}  // namespace flowchart
