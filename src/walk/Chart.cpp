#include "Chart.h"

#include <cmath>
#include <unordered_map>

#include "Connector.h"
#include "DiagramGraph.h"

namespace walk {

Side Opposite(Side side) { return static_cast<Side>((static_cast<int>(side) + 2) % 4); }

Side SideOf(const QRect& box, QPoint p) {
  const QRect b = box.normalized();
  const double cx = b.x() + b.width() / 2.0, cy = b.y() + b.height() / 2.0;
  const double dx = (p.x() - cx) / std::max(b.width() / 2.0, 1.0);
  const double dy = (p.y() - cy) / std::max(b.height() / 2.0, 1.0);
  if (std::abs(dx) > std::abs(dy)) return dx > 0 ? Side::Right : Side::Left;
  return dy >= 0 ? Side::Bottom : Side::Top;
}

Chart ChartOf(std::span<const semantics::Item> items, const semantics::ItemQuery& query) {
  std::unordered_map<uint64_t, const semantics::Item*> byId;
  for (const semantics::Item& i : items) byId.emplace(i.id, &i);
  const graph::Graph g = semantics::FindGraph(items, query);
  Chart chart;
  chart.shapes.reserve(g.nodes.size());
  for (const graph::Node& n : g.nodes) {
    const semantics::Item& item = *byId.at(n.figure);
    chart.shapes.push_back({n.figure, item.kind, item.box, QString::fromStdString(n.text)});
  }
  for (const graph::Edge& e : g.edges) {
    Link link{e.from, e.to, {}, {}, QString::fromStdString(e.label), e.figures};
    // Every edge has at least one segment, the first of its figures.
    const std::optional<semantics::Connector> c = semantics::ConnectorOf(*byId.at(e.figures.front()), query);
    if (c) {
      // The route runs to its head; its ends are matched to the edge's shapes all the same.
      const bool forward = !c->endShape || c->endShape->id == g.nodes[size_t(e.to)].figure;
      link.fromPoint = forward ? c->start : c->end;
      link.toPoint = forward ? c->end : c->start;
    }
    chart.links.push_back(std::move(link));
  }
  return chart;
}

}  // namespace walk
