#pragma once
#include <array>
#include <optional>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "Figure.h"
#include "SidePoints.h"
#include "FigurePlan.h"
#include "FontDesc.h"
#include "Graph.h"

// The connectors of a laid-out flowchart: each edge drawn anew between its two shapes, as an elbow
// route (lines and one arrow) or a straight line or arrow, with its label beside its middle; a
// straight one's beside its start where there is room (PlanAll).
namespace flowchart {

enum class ConnectorForm : uint8_t { Elbow, Straight };

// The pen a connector is drawn with.
struct ConnectorPen {
  TColor colour = clBlack;
  TPenStyle style = psSolid;
  int width = 2;
  bool operator==(const ConnectorPen&) const = default;
};
// An edge's pen: dashed, 4 pixels wide for a thick one (what reads back as thick), its colour.
ConnectorPen PenOf(const graph::Edge& edge);

// One connector to draw: the two shapes as the routing sees them (ids unique among the shapes).
struct ConnectorRequest {
  connectors::Figure from, to;
  bool directed = true;
  ConnectorPen pen;
  std::string label;         // empty: none
  QSize labelSize;           // the label box's size (ConnectorLabelSize for a new one)
};

struct PlannedConnector {
  std::vector<FigurePlan> segments;  // in route order, from `from` to `to`; the head at `to`
  std::optional<FigurePlan> label;
};

// Plans the connectors of a chart together. An elbow route leaves its tail by one side and enters
// its head by one side, and no two routes share a side of a shape: a route that shared a side
// point's first run with another would make a branch there, which reads as neither connector.
// Of a shape's connectors along the layout's direction, the one most in line leaves by the side
// facing that way (enters by the side facing back), the others by the sides across toward where
// they go (come from); one running back against the direction goes around by a side across.
// Where no side is left, an edge has no direction (two or more lines without an arrow are no
// connector) or RouteElbow takes a side already taken, the connector is straight; a loop goes
// around a corner of its shape.
class ConnectorPlanner {
 public:
  ConnectorPlanner(graph::Direction direction, ConnectorForm form, connectors::FigureQuery obstacles);

  std::vector<PlannedConnector> PlanAll(const std::vector<ConnectorRequest>& requests);
  // Another drawing for a connector that did not read back as planned: straight when it was an
  // elbow route; an elbow route by two free sides across when it was straight (two straight
  // connectors between the same shapes lie on each other), or straight again.
  PlannedConnector Otherwise(const ConnectorRequest& request);
  // A straight line or arrow, whatever the form.
  static PlannedConnector Straight(const ConnectorRequest& request);

 private:
  struct Sides {
    std::optional<connectors::Side> from, to;
  };
  std::vector<Sides> ChooseSides(const std::vector<ConnectorRequest>& requests);
  std::optional<PlannedConnector> Elbow(const ConnectorRequest& request, const Sides& sides);
  PlannedConnector Loop(const ConnectorRequest& request) const;
  // The labels of the straight ones beside their starts, clear of every run, shape and label,
  // as routed charts have them (PlaceBranchLabel).
  void LabelStraightBesideStart(std::vector<PlannedConnector>& out, const std::vector<ConnectorRequest>& requests) const;

  graph::Direction direction_;
  ConnectorForm form_;
  connectors::FigureQuery obstacles_;
  std::unordered_map<connectors::FigureId, std::array<bool, 4>> usedSides_;
};

// The segment's two ends whose middle a label belongs beside, as the meaning module picks the
// middle segment of a route.
std::pair<QPoint, QPoint> MiddleRun(const std::vector<FigurePlan>& segments);

// The segments of a route: lines along all its runs but the last, an arrow along the last with the
// head new arrows get, in the pen; a single line or arrow for a straight route.
std::vector<FigurePlan> RouteSegments(const std::vector<QPoint>& route, const ConnectorPen& pen, bool directed);

}  // namespace flowchart
