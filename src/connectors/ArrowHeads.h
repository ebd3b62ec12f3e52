#pragma once
#include <QRect>

#include "Figure.h"
#include "ShapeGeometry.h"

// Arrow heads of connectors: the rates new heads get, the head an arrow figure draws (through the
// figure's own head arithmetic, in canvas pixels), whether that head shows whole, and the box
// thickness a straight arrow needs for its head.
namespace connectors {

struct ArrowRates {
  int thicknessRate = 5;   // the head's width is thicknessRate x line width
  int headLengthRate = 1;  // its length is headLengthRate x its width
  bool operator==(const ArrowRates&) const = default;
};

// Rates for a new head: about 10 x 10 pixels at line width 2, 3 line widths wide and long at
// greater widths (at least 10 pixels), so it grows with the line. A shaft shorter than twice that
// head gets one at most half the shaft long, though never under one line width.
ArrowRates HeadRates(int lineWidth, int shaftLength);

inline geom::ArrowStyle StyleOf(ArrowRates rates, int lineWidth) {
  return {rates.thicknessRate, rates.headLengthRate, lineWidth};
}

// The head an arrow figure draws on its course's end (atEnd) or start, exactly as the figure
// computes it in its own pixels, moved to canvas pixels.
geom::ArrowHead HeadOf(const Figure& arrow, const geom::ArrowStyle& style, bool atEnd);

// The head shows whole: its tip and both corners lie within the figure's box (which clips what
// the figure draws), the corners also half a line width in from its edges.
bool HeadInside(const geom::ArrowHead& head, const QRect& box, int lineWidth);

// The thickness across a straight arrow's box that holds its head with the pen around it: at
// least the drawing thickness (30).
int ArrowCross(const geom::ArrowStyle& style);

// The style whose head shows whole for the arrow (HeadInside at every end that has a head): the
// given one when its head does; otherwise a head no longer than the given one, of the widest
// shape (the given length rate or a greater one: a diagonal at a shallow angle has room only for
// a slim head) that still shows at least half the given length, or failing that the longest that
// shows. At an angle where only a needle fits, the shortest needle (thickness rate 1) that does,
// though longer than the given head. Where no head fits (a shaft shorter than a head one line
// width long) the smallest head: rates 1 and 1.
geom::ArrowStyle FitHead(const Figure& arrow, const geom::ArrowStyle& style);

}  // namespace connectors
