#pragma once
#include <QPointF>
#include <optional>
#include <span>
#include <vector>

#include "ConnectorPlanner.h"
#include "Graph.h"
#include "Item.h"
#include "SidePoints.h"

// The elbow connectors of a laid-out chart, routed together around every shape and shape text
// of the diagram by the orthogonal router (RouteAll: sides, spread ends, loops beside a corner,
// corridors apart, jogs straightened), each with its label beside the start of its route
// (PlaceBranchLabel), or where no place there is clear, beside its middle run (PlaceLabelClear).
namespace flowchart {

// A side a connector is asked to leave or enter by (a chain's link runs along the direction).
struct SideHint {
  std::optional<connectors::Side> from, to;
};

// One planned connector per request, in order. `items` is the diagram as it will be: its shapes
// (the requests' ends among them, by id) and their texts are the obstacles; containers are none: a
// request to or from one is routed to its border like any other. One without a direction is drawn
// straight (lines alone make no connector). `offContainers`: routes also keep a corridor's gap off
// containers' outlines where they run along them (they still cross them freely), so that no bend
// beside an outline seems to end on it.
std::vector<PlannedConnector> RouteChartConnectors(std::span<const semantics::Item> items,
                                                   const std::vector<ConnectorRequest>& requests,
                                                   const std::vector<SideHint>& hints, bool offContainers = false);

// The label's box beside the middle run of the segments: of the places 6 or 10 pixels off the run
// on either side and slid along it, within the reach at which the meaning module still reads it
// as this connector's label, the first clear by 5 pixels of every run in `runs`, of every box in
// `blocked` and of the other labels; beside the middle (PlaceConnectorLabel) when none is.
QRect PlaceLabelClear(const std::vector<FigurePlan>& segments, QSize size, const std::vector<std::pair<QPoint, QPoint>>& runs,
                      const std::vector<QRect>& blocked);

// The label's box beside the start of its route, where a reader looks for a branch's "yes" or
// "no": 6 or 10 pixels off the first run and 4 pixels or more along it from the shape, above a
// level run and right of an upright one (so that a chart's branches read alike at every
// decision; a slanted run's label lies above it, its nearest corner that far off), else on the
// other side, slid further along where needed; clear by 5 pixels of every
// run, of every box in `blocked` and of the other labels, beyond the label's reach of the middles
// of the other connectors (`middles`: every connector's label point) and nearer its own route than
// any other run (so that it reads back as this connector's). Empty when no such place exists.
QRect PlaceBranchLabel(const std::vector<FigurePlan>& segments, QSize size, const std::vector<std::pair<QPoint, QPoint>>& runs,
                       const std::vector<QPointF>& middles, const std::vector<QRect>& blocked);

// The side a chart's flow leaves a shape by, and enters one by.
connectors::Side ForwardSide(graph::Direction d);

}  // namespace flowchart
