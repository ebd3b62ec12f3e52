#pragma once
#include <QPointF>
#include <QRect>
#include <array>

#include "Figure.h"

// The outlines of the closed figures as they are drawn, in canvas pixels: a box, the process
// box's rounded box (corner ellipse half the box wide and high), the ellipse of the box, the mark's
// circle and the diamond through the side midpoints. Only closed kinds (IsClosed) are outlines.
namespace connectors {

// How far outside its figure an end may lie and still belong to it.
constexpr int kAttachReach = 4;

// Unsigned distance from p to the outline, from inside as from outside.
double DistanceToOutline(FigureKind kind, const QRect& box, QPointF p);
// The point of the outline nearest to p.
QPointF NearestOnOutline(FigureKind kind, const QRect& box, QPointF p);
// Inside the outline or on it.
bool Contains(FigureKind kind, const QRect& box, QPointF p);
// An end at p belongs to the figure: inside it, on its outline, or within reach of it.
bool IsAttached(FigureKind kind, const QRect& box, QPointF p, double reach = kAttachReach);

// The places on a box or rounded box where a drawn end snaps: the side midpoints (top, right,
// bottom, left; a midpoint is Left + Width / 2 rounded down, as the courses use) and then the
// corners (top left, top right, bottom right, bottom left). A rounded box's own corners lie off
// its outline, so its corners are the middles of its corner arcs (each arc's point at 45 degrees
// of its corner ellipse), rounded to the nearest pixel.
std::array<QPoint, 8> BoxSnapPoints(FigureKind kind, const QRect& box);

// A label's box lies wholly inside the figure's box, edges included.
bool BoxInside(const QRect& inner, const QRect& outer);

}  // namespace connectors
