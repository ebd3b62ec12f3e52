#pragma once
#include <QRect>
#include <functional>

#include "Item.h"

// Where a shape's text goes: the part of each closed figure that text may fill, and the box of a
// text of a given height laid in it.
namespace semantics {

// Between a box's outline (rectangle, process box) and its text; the inscribed boxes of the
// round figures and the diamond already stand clear of the outline but at their corners.
constexpr int kBoxTextMargin = 4;
constexpr int kInscribedTextMargin = 2;

// The box a closed figure's text is laid in, in canvas pixels:
// - rectangle: the box less the margin on every side;
// - process box: also clear of its rounded ends: in by the 45-degree point of the corner arcs
//   (a quarter of the width and of the height each), then the margin;
// - ellipse: its inscribed box (width and height over the square root of two), less the margin;
// - start and end marks: the box inscribed in the mark's circle (the end mark's inner circle);
// - decision diamond: its inscribed box, half its width and height about its centre, less the
//   margin.
// Never less than one pixel wide or high; centred in the figure when the figure is too small.
QRect InnerTextBox(ItemKind kind, const QRect& box);

// The box of a shape's text whose lines are textHeight high: as wide as the inner box, centred on
// it top to bottom, and never beyond the shape's own box (a text taller than the shape starts at
// its top and its last lines run below it, as a label's lines do), so that it stays the shape's
// text.
QRect ShapeTextBox(ItemKind kind, const QRect& box, int textHeight);

// A start or end mark's box grown about its centre until the box inscribed in its circle holds a
// text (fits tells whether a box does): the least growth that does, the box's smaller side
// widened two pixels at a time (so its centre stays on the same pixel) and the larger one only
// where the circle outgrows it, never beyond maxSide; near the canvas's top or left edge it grows
// away from the edge instead of past it. The box as it is when its text fits already or when the
// figure is no mark.
QRect MarkBoxForText(ItemKind kind, const QRect& box, const std::function<bool(const QRect& inner)>& fits,
                     int maxSide);

}  // namespace semantics
