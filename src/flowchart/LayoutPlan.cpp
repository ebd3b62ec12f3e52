#include "LayoutPlan.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "ChartDrawing.h"
#include "ChartRoutes.h"
#include "ClusterDirections.h"
#include "Containers.h"
#include "FlowLayout.h"
#include "PoolLayout.h"
#include "DiagramGraph.h"
#include "ItemGrid.h"
#include "Layout.h"
#include "ReadBack.h"
#include "ShapeText.h"

namespace flowchart {

namespace {

// Room beside and below a container's title.
constexpr int kTitleRoom = 8;

ConnectorPen PenOfItems(const std::vector<const semantics::Item*>& segments) {
  ConnectorPen pen;
  const semantics::Item* styled = segments.empty() ? nullptr : segments.back();
  for (const semantics::Item* s : segments)
    if (s->kind == semantics::ItemKind::Arrow) styled = s;
  if (styled) {
    pen.style = styled->pen;
    pen.width = styled->penWidth;
  }
  return pen;
}

// The plan once the chosen shapes have their boxes: the shapes and their texts moved, the
// connectors drawn anew among them and to the rest, read back.
struct Chosen {
  std::span<const semantics::Item> items;
  const LayoutRequest& request;
  const semantics::ItemQuery& query;
  const graph::Graph& g;
  const graph::Graph& sub;
  const std::vector<int>& chosen;
  const std::vector<size_t>& redrawn;
  const std::unordered_map<uint64_t, size_t>& place;
  const std::vector<SideHint>& hints;  // per redrawn connector
  const std::vector<uint64_t>& titles;  // per cluster of g: its title label's id, 0 for none
};

// The figure an edge's end is drawn to: its cluster's container, or its node's shape.
uint64_t EndFigure(const graph::Graph& g, int node, int cluster) {
  if (cluster >= 0 && static_cast<size_t>(cluster) < g.clusters.size()) return g.clusters[static_cast<size_t>(cluster)].figure;
  return g.nodes[static_cast<size_t>(node)].figure;
}

LayoutPlan Arrange(const Chosen& c, const std::vector<QRect>& boxes, const std::vector<QRect>& clusterBoxes,
                   std::vector<uint64_t>& chart) {
  const std::span<const semantics::Item> items = c.items;
  const LayoutRequest& request = c.request;
  const semantics::ItemQuery& query = c.query;
  const graph::Graph& g = c.g;
  const graph::Graph& sub = c.sub;
  const std::vector<int>& chosen = c.chosen;
  const std::vector<size_t>& redrawn = c.redrawn;
  const std::unordered_map<uint64_t, size_t>& place = c.place;
  LayoutPlan plan;
  plan.nodes = sub.nodes.size();
  plan.edges = redrawn.size();

  // The diagram as it will be: shapes and their texts moved, the old segments gone.
  std::vector<semantics::Item> after(items.begin(), items.end());
  std::unordered_map<uint64_t, QRect> moved;
  auto move = [&](uint64_t id, const QRect& box) {
    semantics::Item& item = after[place.at(id)];
    if (item.box == box) return;
    item.box = box;
    moved[id] = box;
  };
  for (size_t j = 0; j < chosen.size(); ++j) {
    const semantics::Item& shape = items[place.at(sub.nodes[j].figure)];
    const QRect to = boxes[j];
    const QPoint delta = to.topLeft() - shape.box.topLeft();
    if (const semantics::Item* text = semantics::ShapeText(shape, query)) {
      move(text->id, text->box.translated(delta));
      chart.push_back(text->id);
    }
    move(shape.id, QRect(to.topLeft(), shape.box.size()));
    chart.push_back(shape.id);
  }
  // Containers drawn around their members, their titles inside their top edges.
  for (size_t k = 0; k < clusterBoxes.size() && k < g.clusters.size(); ++k) {
    if (clusterBoxes[k].isEmpty()) continue;
    const semantics::Item& frame = items[place.at(g.clusters[k].figure)];
    const QPoint delta = clusterBoxes[k].topLeft() - frame.box.topLeft();
    if (const uint64_t title = c.titles[k]) {
      move(title, items[place.at(title)].box.translated(delta));
      chart.push_back(title);
    }
    move(frame.id, clusterBoxes[k]);
    chart.push_back(frame.id);
  }
  std::unordered_set<uint64_t> gone;
  for (size_t k : redrawn)
    for (uint64_t id : g.edges[k].figures)
      if (semantics::IsSegment(items[place.at(id)].kind)) gone.insert(id);
  std::vector<semantics::Item> kept;
  kept.reserve(after.size());
  int top = 0;
  uint64_t nextId = 1;
  for (const semantics::Item& i : after) {
    top = std::max(top, i.stacking + 1);
    nextId = std::max(nextId, i.id + 1);
    if (gone.count(i.id)) plan.removed.push_back(i.id);
    else kept.push_back(i);
  }
  std::unordered_map<uint64_t, size_t> keptPlace;
  for (size_t i = 0; i < kept.size(); ++i) keptPlace.emplace(kept[i].id, i);

  ConnectorPlanner planner(request.direction, request.form, ShapeQuery(kept));
  std::vector<ConnectorRequest> requests;
  std::vector<uint64_t> labelIds;
  for (size_t k : redrawn) {
    const graph::Edge& e = g.edges[k];
    ConnectorRequest r;
    r.from = RoutingFigure(kept[keptPlace.at(EndFigure(g, e.from, e.fromCluster))]);
    r.to = RoutingFigure(kept[keptPlace.at(EndFigure(g, e.to, e.toCluster))]);
    r.directed = e.directed;
    std::vector<uint64_t> segmentIds;
    std::vector<const semantics::Item*> segments;
    uint64_t label = 0;
    for (uint64_t id : e.figures) {
      const semantics::Item& item = items[place.at(id)];
      if (semantics::IsSegment(item.kind)) {
        segmentIds.push_back(id);
        segments.push_back(&item);
      } else {
        label = id;
      }
    }
    r.pen = request.penOf ? request.penOf(segmentIds) : PenOfItems(segments);
    if (label) {
      r.label = e.label;
      r.labelSize = items[place.at(label)].box.size();
    }
    labelIds.push_back(label);
    if (label) chart.push_back(label);
    requests.push_back(std::move(r));
  }
  std::vector<PlannedConnector> planned = request.form == ConnectorForm::Elbow
                                              ? RouteChartConnectors(kept, requests, c.hints)
                                              : planner.PlanAll(requests);

  // Read back; a connector that says something else is drawn otherwise.
  std::vector<semantics::Item> check;
  for (int round = 0; round < 2; ++round) {
    check = kept;
    std::vector<ExpectedEdge> expected;
    uint64_t id = nextId;
    int stacking = top;
    for (size_t n = 0; n < planned.size(); ++n) {
      const graph::Edge& e = g.edges[redrawn[n]];
      ExpectedEdge x;
      x.from = EndFigure(g, e.from, e.fromCluster);
      x.to = EndFigure(g, e.to, e.toCluster);
      x.directed = e.directed;
      x.label = labelIds[n] ? e.label : std::string();
      for (const FigurePlan& s : planned[n].segments) {
        x.segments.push_back(id);
        check.push_back(ItemOf(s, id++, stacking++));
      }
      if (labelIds[n] && planned[n].label) check[keptPlace.at(labelIds[n])].box = planned[n].label->box;
      expected.push_back(std::move(x));
    }
    const std::vector<size_t> wrong = EdgesNotReadBack(check, expected);
    if (wrong.empty() || round == 1) break;
    for (size_t n : wrong) planned[n] = planner.Otherwise(requests[n]);
  }
  for (size_t n = 0; n < planned.size(); ++n) {
    for (const FigurePlan& s : planned[n].segments) plan.added.push_back(s);
    if (labelIds[n] && planned[n].label) {
      const QRect& box = planned[n].label->box;
      if (box != items[place.at(labelIds[n])].box) moved[labelIds[n]] = box;
      else moved.erase(labelIds[n]);
    }
  }
  // In the diagram's order, so that the same diagram always gives the same plan.
  for (const semantics::Item& i : items)
    if (const auto it = moved.find(i.id); it != moved.end()) plan.moves.push_back({i.id, it->second});
  return plan;
}

// Everything the laid-out chart draws: its shapes, their texts, its connectors and their labels.
QRect DrawnBox(const LayoutPlan& plan, std::span<const semantics::Item> items, const std::unordered_map<uint64_t, size_t>& place,
               const std::vector<uint64_t>& chart) {
  std::unordered_map<uint64_t, QRect> to;
  for (const FigureMove& m : plan.moves) to.emplace(m.id, m.box);
  QRect box;
  for (uint64_t id : chart) {
    const auto it = to.find(id);
    box |= it != to.end() ? it->second : items[place.at(id)].box;
  }
  for (const FigurePlan& f : plan.added) box |= f.box;
  return box;
}

// A pool as the lane layout sees it: each lane's cluster and title room.
PoolChart PoolChartOf(const graph::Graph& g, std::span<const semantics::Item> items,
                      const std::unordered_map<uint64_t, size_t>& place, const semantics::Pool& pool,
                      const std::vector<uint64_t>& titles) {
  PoolChart chart;
  chart.rows = pool.rows;
  std::unordered_map<uint64_t, int> clusterOfFrame;
  for (size_t k = 0; k < g.clusters.size(); ++k) clusterOfFrame.emplace(g.clusters[k].figure, static_cast<int>(k));
  for (const semantics::Item* frame : pool.lanes) {
    const int k = clusterOfFrame.at(frame->id);
    chart.lanes.push_back(k);
    const uint64_t title = titles[static_cast<size_t>(k)];
    chart.headers.push_back(title ? items[place.at(title)].box.bottom() - frame->box.top() + 1 : 0);
    chart.titleWidths.push_back(title ? items[place.at(title)].box.right() - frame->box.left() + 1 + kTitleRoom : 0);
  }
  if (!pool.lanes.empty()) chart.origin = pool.lanes.front()->box.topLeft();
  return chart;
}

}  // namespace

LayoutPlan PlanLayout(std::span<const semantics::Item> items, const LayoutRequest& request) {
  LayoutPlan plan;
  const semantics::ItemGrid grid(items);
  const semantics::ItemQuery query = grid.AsQuery();
  const graph::Graph g = semantics::FindGraph(items, query);
  std::unordered_map<uint64_t, size_t> place;
  place.reserve(items.size());
  for (size_t i = 0; i < items.size(); ++i) place.emplace(items[i].id, i);

  // The shapes laid out: the selected ones when there are two or more, otherwise all of them.
  const std::unordered_set<uint64_t> selected(request.selected.begin(), request.selected.end());
  std::vector<int> chosen;
  for (size_t i = 0; i < g.nodes.size(); ++i)
    if (selected.count(g.nodes[i].figure)) chosen.push_back(static_cast<int>(i));
  if (chosen.size() < 2) {
    chosen.clear();
    for (size_t i = 0; i < g.nodes.size(); ++i) chosen.push_back(static_cast<int>(i));
  }
  if (chosen.empty()) {
    plan.error = "the diagram has no shapes to lay out";
    return plan;
  }
  std::vector<int> subIndex(g.nodes.size(), -1);
  graph::Graph sub;
  sub.direction = request.direction;
  QRect bounds;
  for (int i : chosen) {
    subIndex[static_cast<size_t>(i)] = static_cast<int>(sub.nodes.size());
    sub.nodes.push_back(g.nodes[static_cast<size_t>(i)]);
    bounds |= items[place.at(g.nodes[static_cast<size_t>(i)].figure)].box;
  }
  // Connectors among the chosen shapes are laid out with them; those to a shape that stays are
  // only drawn anew.
  std::vector<size_t> redrawn;
  std::vector<int> subEdge;  // per redrawn connector: its edge in the laid-out graph, -1 for none
  for (size_t k = 0; k < g.edges.size(); ++k) {
    const graph::Edge& e = g.edges[k];
    const int a = subIndex[static_cast<size_t>(e.from)], b = subIndex[static_cast<size_t>(e.to)];
    if (a >= 0 && b >= 0) {
      graph::Edge laid = e;
      laid.from = a;
      laid.to = b;
      sub.edges.push_back(std::move(laid));
    }
    if (a >= 0 || b >= 0) {
      redrawn.push_back(k);
      subEdge.push_back(a >= 0 && b >= 0 ? static_cast<int>(sub.edges.size()) - 1 : -1);
    }
  }
  // Containers are laid out with the whole diagram only: each keeps its members (Graphviz's
  // clusters), and the lanes of a pool keep their order and their steps.
  const bool whole = chosen.size() == g.nodes.size();
  std::vector<uint64_t> titles(g.clusters.size(), 0);
  for (size_t k = 0; k < g.clusters.size(); ++k) {
    const semantics::Item* title = semantics::TitleOf(items[place.at(g.clusters[k].figure)], query);
    titles[k] = title ? title->id : 0;
  }
  std::vector<semantics::Pool> pools;
  if (whole && !g.clusters.empty()) {
    sub.clusters = g.clusters;
    for (size_t k = 0; k < g.clusters.size(); ++k) {
      const semantics::Item& frame = items[place.at(g.clusters[k].figure)];
      if (!titles[k]) continue;
      const QRect title = items[place.at(titles[k])].box;
      sub.clusters[k].titleWidth = title.right() - frame.box.left() + kTitleRoom;
      sub.clusters[k].titleHeight = title.bottom() - frame.box.top() + kTitleRoom / 2;
    }
    pools = semantics::FindPools(semantics::FindContainers(items, query));
  }
  std::vector<QRect> boxes, clusterBoxes(g.clusters.size());
  graph::LayoutResult layout;
  std::vector<SideHint> hints(subEdge.size());
  if (!pools.empty()) {
    std::vector<PoolChart> charts;
    for (const semantics::Pool& pool : pools) charts.push_back(PoolChartOf(sub, items, place, pool, titles));
    const PoolsPlacement placed = PlacePools(sub, charts, request.direction);
    if (!placed.ok()) {
      plan.error = placed.error;
      return plan;
    }
    layout.warnings = placed.warnings;
    boxes = placed.nodes;
    clusterBoxes = placed.clusters;
  } else {
    graph::LayoutOptions options;
    options.origin = bounds.topLeft();
    FlowLayout laid = LayOutByFlow(sub, request.direction, options);
    plan.warnings = laid.layout.warnings;
    if (!laid.layout.ok()) {
      plan.error = laid.layout.error;
      return plan;
    }
    if (std::string failed = KeepClusters(sub, laid.layout.nodes, laid.layout.clusters); !failed.empty()) {
      plan.error = std::move(failed);
      return plan;
    }
    layout = laid.layout;
    std::vector<SideHint> subHints = ChainSides(sub, laid, request.direction);
    TurnChainSides(sub, subHints);
    for (size_t k = 0; k < subEdge.size(); ++k)
      if (subEdge[k] >= 0) hints[k] = subHints[static_cast<size_t>(subEdge[k])];
    boxes = layout.nodes;
    for (size_t k = 0; k < layout.clusters.size() && k < clusterBoxes.size(); ++k) clusterBoxes[k] = layout.clusters[k];
  }
  const Chosen context{items, request, query, g, sub, chosen, redrawn, place, hints, titles};
  std::vector<uint64_t> chart;
  plan = Arrange(context, boxes, clusterBoxes, chart);
  // A loop above its shape or a label beyond the chart may reach past the canvas's top or left:
  // the chart moves as a whole so that all it draws starts at the margin there.
  const QRect drawn = DrawnBox(plan, items, place, chart);
  const QPoint shift(drawn.left() < 0 ? kLayoutMargin - drawn.left() : 0, drawn.top() < 0 ? kLayoutMargin - drawn.top() : 0);
  if (!shift.isNull()) {
    for (QRect& box : boxes) box.translate(shift);
    for (QRect& box : clusterBoxes)
      if (!box.isEmpty()) box.translate(shift);
    chart.clear();
    plan = Arrange(context, boxes, clusterBoxes, chart);
  }
  plan.warnings = layout.warnings;
  return plan;
}

}  // namespace flowchart
