#pragma once
#include <QPoint>
#include <QRect>
#include <vector>

#include "RouteTypes.h"

// Where on a side of a shape routes may leave or enter it, and how several ends share a side.
// One end takes the side point connectors use (AttachPoint: a box's side midpoint, the mark's
// and the ellipse's extreme points, a diamond's vertex); several spread along the part of the
// side a route meets square or nearly so. A diamond is entered only at its vertices: anywhere
// else its slanted sides meet a level or upright route at a slant.
namespace routing {

// The stretch of the side along its own axis (x for Top and Bottom, y for Left and Right) where
// ports may lie, both ends included: a box's whole side, the straight part of a process box's
// side, the middle half of an ellipse's or a mark's side, a diamond's vertex alone.
struct SideSpan {
  int lo = 0, hi = 0;
};
SideSpan PortSpan(FigureKind kind, const QRect& box, Side side);

// The port on the side at `along` (kept within PortSpan): on the outline as the figure draws
// it, to the nearest pixel.
Port PortAt(FigureKind kind, const QRect& box, Side side, int along);

// n ports spread evenly along the span, in increasing order along the side's axis; one is the
// side point.
std::vector<Port> SpreadPorts(FigureKind kind, const QRect& box, Side side, int n);

// Places along a side for ends in the given order: each as near its wanted place as the order and
// the spacing allow, those that aim (to line up with a port across from them) far before the
// others, all within [lo, hi] (the spacing shrinks where they do not fit). A weighted isotonic
// fit of the places less k times the spacing.
std::vector<int> PlaceAlong(const std::vector<int>& wanted, const std::vector<bool>& aims, int spacing, int lo, int hi);

// Where a port lies along its side's axis.
inline int Along(const Port& p) { return connectors::IsHorizontal(p.side) ? p.point.y() : p.point.x(); }

}  // namespace routing
