#include "SharedSizes.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <unordered_map>
#include <unordered_set>

#include "DiagramGraph.h"
#include "ItemGrid.h"

namespace flowchart {

namespace {

using semantics::ItemKind;

// Start and end marks are one kind here: both are circles of one diameter.
ItemKind GroupOf(ItemKind k) { return k == ItemKind::End ? ItemKind::Start : k; }

bool SharesBothSides(ItemKind k) { return k == ItemKind::Decision || k == ItemKind::Ellipse; }

// What a diagram means, without the sizes: which shape holds which text, which connector joins
// which shapes with which label, which container holds which shapes.
auto Meaning(const graph::Graph& g) {
  std::vector<std::tuple<uint64_t, std::string>> nodes;
  for (const graph::Node& n : g.nodes) nodes.emplace_back(n.figure, n.text);
  std::vector<std::tuple<int, int, std::string, std::vector<uint64_t>>> edges;
  for (const graph::Edge& e : g.edges) edges.emplace_back(e.from, e.to, e.label, e.figures);
  std::vector<std::tuple<uint64_t, std::vector<int>>> clusters;
  for (const graph::Cluster& c : g.clusters) clusters.emplace_back(c.figure, c.nodes);
  return std::make_tuple(nodes, edges, clusters);
}

graph::Graph GraphOf(std::span<const semantics::Item> items) {
  const semantics::ItemGrid grid(items);
  return semantics::FindGraph(items, grid.AsQuery());
}

}  // namespace

std::vector<QSize> SharedSizes(std::span<const ItemKind> kinds, std::span<const QSize> sizes) {
  std::map<ItemKind, QSize> largest;
  const size_t n = std::min(kinds.size(), sizes.size());
  for (size_t i = 0; i < n; ++i) {
    QSize& l = largest[GroupOf(kinds[i])];
    const QSize s = sizes[i];
    if (GroupOf(kinds[i]) == ItemKind::Start) {
      const int d = std::min(s.width(), s.height());
      l = l.expandedTo({d, d});
    } else {
      l = l.expandedTo(s);
    }
  }
  std::vector<QSize> out;
  for (size_t i = 0; i < n; ++i) {
    const ItemKind k = GroupOf(kinds[i]);
    const QSize l = largest[k];
    if (k == ItemKind::Start || SharesBothSides(k)) out.push_back(l);
    else out.emplace_back(sizes[i].width(), l.height());
  }
  return out;
}

std::vector<FigureMove> GrowToSharedSizes(std::span<const semantics::Item> items, std::span<const uint64_t> shapes) {
  const std::unordered_set<uint64_t> chosen(shapes.begin(), shapes.end());
  std::vector<const semantics::Item*> sized;
  std::vector<ItemKind> kinds;
  std::vector<QSize> sizes;
  for (const semantics::Item& i : items)
    if (semantics::IsShape(i.kind) && chosen.count(i.id)) {
      sized.push_back(&i);
      kinds.push_back(i.kind);
      sizes.push_back(i.box.normalized().size());
    }
  const std::vector<QSize> shared = SharedSizes(kinds, sizes);
  std::vector<FigureMove> out;
  for (size_t k = 0; k < sized.size(); ++k) {
    const QRect box = sized[k]->box.normalized();
    // Never smaller across either side, so that what lay on or in the shape still does.
    QSize to = shared[k];
    if (kinds[k] != ItemKind::Start && kinds[k] != ItemKind::End) to = to.expandedTo(box.size());
    if (to == box.size()) continue;
    const QPoint corner(box.x() - (to.width() - box.width()) / 2, box.y() - (to.height() - box.height()) / 2);
    out.push_back({sized[k]->id, QRect(corner, to)});
  }
  return out;
}

LayoutPlan PlanLayoutSharingSizes(std::span<const semantics::Item> items, const LayoutRequest& request) {
  const graph::Graph g = GraphOf(items);
  // The shapes PlanLayout lays out: the selected ones when there are two or more, otherwise all.
  const std::unordered_set<uint64_t> selected(request.selected.begin(), request.selected.end());
  std::vector<uint64_t> chosen, all;
  for (const graph::Node& n : g.nodes) {
    all.push_back(n.figure);
    if (selected.count(n.figure)) chosen.push_back(n.figure);
  }
  if (chosen.size() < 2) chosen = all;
  const std::vector<FigureMove> grown = GrowToSharedSizes(items, chosen);
  if (grown.empty()) return PlanLayout(items, request);
  std::vector<semantics::Item> bigger(items.begin(), items.end());
  std::unordered_map<uint64_t, QRect> grownBox;
  for (const FigureMove& m : grown) grownBox.emplace(m.id, m.box);
  for (semantics::Item& i : bigger)
    if (const auto it = grownBox.find(i.id); it != grownBox.end()) i.box = it->second;
  if (Meaning(GraphOf(bigger)) != Meaning(g)) return PlanLayout(items, request);
  LayoutPlan plan = PlanLayout(bigger, request);
  if (!plan.ok()) return plan;
  // A grown shape the layout leaves where it is still takes its new size.
  std::unordered_map<uint64_t, QRect> to;
  for (const FigureMove& m : plan.moves) to.emplace(m.id, m.box);
  for (const FigureMove& m : grown) to.emplace(m.id, m.box);
  plan.moves.clear();
  for (const semantics::Item& i : items)
    if (const auto it = to.find(i.id); it != to.end() && it->second != i.box) plan.moves.push_back({i.id, it->second});
  return plan;
}

}  // namespace flowchart
