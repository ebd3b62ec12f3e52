#pragma once
#include <QPointF>
#include <compare>
#include <optional>

#include "Connector.h"
#include "Item.h"

// Labels of connectors: "yes" and "no" beside a decision's arrows.
namespace semantics {

// How far a connector's label may lie from the middle of its middle segment, or failing that from
// its nearest segment: the distance from that point or segment to the label's box. Labels set
// beside an arrow lie 4 to 12 pixels off it, beside its middle or beside the start of a branch;
// the text of a box at either end of a short arrow is at least 29 pixels from its middle, and a
// shape's text is never a connector's label.
constexpr double kLabelReach = 20;

// The segment a label belongs beside: the middle one of an odd count, of an even count the
// longer of the two middle ones (the first of two equal ones).
const Item& MiddleSegment(const Connector& connector);
// The middle of the middle segment.
QPointF LabelPoint(const Connector& connector);
// Distance from p to the box (edges included); 0 inside it.
double DistanceToBox(QPointF p, const QRect& box);
// Distance from the segment from a to b to the box; 0 where they meet.
double SegmentToBox(QPointF a, QPointF b, const QRect& box);
// Distance from the connector's nearest segment to the box.
double DistanceToConnector(const Connector& connector, const QRect& box);

// How near a label's box lies to a connector, for telling whose label it is: within reach of the
// label point first (tier 0, by that distance), else within reach of any segment (tier 1, by the
// nearest), so that a label beside a middle stays that connector's while one beside the start
// of a branch, near no middle, is its branch's. The lesser is nearer; none beyond reach.
struct LabelNearness {
  int tier = 0;
  double d = 0;
  auto operator<=>(const LabelNearness&) const = default;
};
std::optional<LabelNearness> NearnessOf(const Connector& connector, const QRect& box);

// The connector's label: of the labels within reach of it (NearnessOf) that are no shape's text
// and have no other connector nearer (or as near with its middle segment above), the nearest, then
// the topmost. None when there is none.
const Item* ConnectorLabel(const Connector& connector, const ItemQuery& query);

// The connector whose label the label is (ConnectorLabel gives this label for it), or none.
std::optional<Connector> ConnectorOfLabel(const Item& label, const ItemQuery& query);

// Whether a connector that near a label, with that middle segment, is nearer to it than the best
// so far (none yet: bestMiddle null). Of two as near, the one whose middle segment lies above.
inline bool NearerConnector(LabelNearness d, const Item& middle, LabelNearness bestD, const Item* bestMiddle) {
  return !bestMiddle || d < bestD || (d == bestD && middle.stacking > bestMiddle->stacking);
}

}  // namespace semantics
