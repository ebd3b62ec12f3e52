#pragma once
#include <QPointF>

#include "Connector.h"
#include "Item.h"

// Labels of connectors: "yes" and "no" beside a decision's arrows.
namespace semantics {

// How far a connector's label may lie from the middle of its middle segment: the distance from
// that point to the label's box. Labels set beside an arrow lie 4 to 12 pixels off it; the text
// of a box at either end of a short arrow is at least 29 pixels from its middle.
constexpr double kLabelReach = 20;

// The segment a label belongs beside: the middle one of an odd count, of an even count the
// longer of the two middle ones (the first of two equal ones).
const Item& MiddleSegment(const Connector& connector);
// The middle of the middle segment.
QPointF LabelPoint(const Connector& connector);
// Distance from p to the box (edges included); 0 inside it.
double DistanceToBox(QPointF p, const QRect& box);

// The connector's label: of the labels within reach of its label point that are no shape's text
// and have no other connector nearer (or as near with its middle segment above), the nearest,
// then the topmost. None when there is none.
const Item* ConnectorLabel(const Connector& connector, const ItemQuery& query);

// The connector whose label the label is (ConnectorLabel gives this label for it), or none.
std::optional<Connector> ConnectorOfLabel(const Item& label, const ItemQuery& query);

// Whether a connector at distance d from a label, with that middle segment, is nearer to it than
// the best so far (none yet: bestMiddle null). Of two as near, the one whose middle segment lies
// above.
inline bool NearerConnector(double d, const Item& middle, double bestD, const Item* bestMiddle) {
  return !bestMiddle || d < bestD || (d == bestD && middle.stacking > bestMiddle->stacking);
}

}  // namespace semantics
