#pragma once
#include <QPoint>
#include <QPointF>
#include <array>
#include <vector>

#include "ShapeTypes.h"

// The geometry of the figures as pure functions of the box size: what each figure draws and its
// clickable outline, in the figure's client coordinates. Boxes are (left, top, right, bottom)
// with the right and bottom edges outside the shape.
namespace geom {

struct Box {
  int left, top, right, bottom;
  bool operator==(const Box&) const = default;
};

// Start and end marks: a circle centred in the box with a 2-pixel margin to the nearer edges.
int MarkRadius(int w, int h);
Box MarkCircle(int w, int h);
Box MarkOutline(int w, int h);
Box EndInnerCircle(int w, int h);

struct RoundBox {
  Box box;
  int cornerWidth, cornerHeight;
  bool operator==(const RoundBox&) const = default;
};
RoundBox ProcessShape(int w, int h);
RoundBox ProcessOutline(int w, int h);

Box EllipseOutline(int w, int h);

std::array<QPoint, 5> DiamondPoints(int w, int h);
std::array<QPoint, 5> DiamondOutline(int w, int h);

// Lines: four courses over six direction values.
struct Segment {
  QPoint from, to;
  bool operator==(const Segment&) const = default;
};
Segment LineSegment(TArrowDirection orientation, int w, int h);
std::array<QPoint, 4> LineBand(TArrowDirection orientation, int w, int h);
// The distance from p to the segment from a to b (to a when they coincide).
double DistanceToSegment(QPointF p, QPoint a, QPoint b);
// The distance from p (the box's own coordinates) to the course a line or an arrow of that
// direction runs along in a w x h box.
double DistanceToCourse(TArrowDirection direction, int w, int h, QPointF p);

// Arrows.
struct ArrowStyle {
  int thicknessRate = 10;   // unsigned 16-bit in the figure
  int headLengthRate = 2;   // unsigned 16-bit in the figure
  int lineWidth = 2;
};

// The shaft's ends and the two head tips handed to the head computation for a direction,
// in a box at (x0, y0).
struct ShaftPoints {
  QPoint start, end, startTip, endTip;
};
ShaftPoints ArrowShaft(TArrowDirection direction, int x0, int y0, int w, int h);

struct ArrowHead {
  QPoint tip, corner1, corner2;
  QPoint base;                    // where the shaft meets the line through the corners
  QPoint shaftStart, shaftEnd;    // the shaft's ends as the computation used them
  bool operator==(const ArrowHead&) const = default;
};
// One head for the shaft from s to e with its tip at t; back: the head sits at the shaft's end.
// (x0, y0, w, h) is the box in the drawing coordinates.
ArrowHead CalcArrowHead(QPoint s, QPoint e, QPoint t, bool back, TArrowDirection direction,
                        int x0, int y0, int w, int h, const ArrowStyle& style);
// The shaft line as drawn for the points handed to the drawing step.
Segment ArrowShaftLine(QPoint s, QPoint e, int x0, int y0, int w, int h);
// The eleven vertices of the clickable outline: the heads joined by a band along the shaft.
std::array<QPoint, 11> ArrowOutline(TArrowDirection direction, TArrowPosition position, int w, int h,
                                    const ArrowStyle& style);

// Round half to even, as the platform rounds floating-point results.
int Nearest(double v);

}  // namespace geom
