#pragma once
#include <QPointF>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <span>
#include <vector>

#include "Connector.h"
#include "Item.h"

// Where a connector's label goes, and how it follows the connector.
namespace semantics {

// Between a connector and a label set beside it: well within reach of the label point (see
// kLabelReach), clear of the arrow's pen and head.
constexpr int kLabelGap = 6;

// The box of a new label of that size for the connector: beside its middle segment, centred on
// the label point along the segment: to the right of a segment that runs more up and down than
// across, above any other.
QRect ConnectorLabelBox(const Connector& connector, QSize size);

// A connector's label that follows its connector while the shapes the connector hangs on move:
// the label, the connector's segments in route order, the point it follows as the move started,
// and whether the label lay where ConnectorLabelBox puts it then. A label nearest the middle
// segment follows the label point; one nearest another segment (a branch's label beside its
// start) follows the point that lies as far along that segment, counted from the route's nearer
// end, so that it stays beside the start or the end of its connector.
struct LabelFollower {
  uint64_t label;
  std::vector<uint64_t> segments;
  QPointF point;
  bool placed = false;
  int segment = -1;      // counted from the nearer end; -1: the middle one, by its label point
  bool fromEnd = false;  // counted from the route's end
  double along = 0;      // from that end's vertex of the segment
};

// The labels of the connectors attached to any of the moving shapes, each once; connectors and
// labels that move themselves are left out, as are the moving figures that are no shapes.
std::vector<LabelFollower> LabelsFollowing(std::span<const Item* const> moving, const ItemQuery& query);

// The label's box (`start` when the move started) for the connector as it runs now: a label that
// lay where ConnectorLabelBox put it goes where ConnectorLabelBox puts it now (beside the middle,
// whichever way the connector turned); any other moves as the label point moved, to the nearest
// pixel.
QRect FollowConnectorLabel(const QRect& start, const LabelFollower& follower, const Connector& now);

}  // namespace semantics
