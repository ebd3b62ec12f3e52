#include "FigureGraph.h"

#include <array>
#include <unordered_map>

#include "CustomKDTool.h"
#include "DiagramGraph.h"
#include "DiagramItems.h"
#include "ItemGrid.h"

namespace flowchart {

std::vector<semantics::Item> ItemsOfFigures(std::span<const TCustomKDTool* const> figures) {
  std::vector<semantics::Item> items;
  items.reserve(figures.size());
  for (size_t i = 0; i < figures.size(); ++i) {
    items.push_back(DescribeItem(*figures[i], static_cast<int>(i)));
    items.back().id = i + 1;
  }
  return items;
}

graph::Graph GraphOfItems(std::span<const semantics::Item> items) {
  const semantics::ItemGrid grid(items);
  graph::Graph g = semantics::FindGraph(items, grid.AsQuery());
  // White is what every new shape is filled with: no colour of its own.
  for (graph::Node& n : g.nodes)
    if (n.fill == graph::Rgb{0xFFFFFF}) n.fill.reset();
  std::unordered_map<uint64_t, QRect> box;
  for (const semantics::Item& i : items)
    if (semantics::IsShape(i.kind)) box.emplace(i.id, i.box);
  // Votes for TopToBottom, BottomToTop, LeftToRight, RightToLeft: where each head lies beyond its
  // tail's box (a child below and to the right votes for both).
  std::array<int, 4> votes{};
  for (const graph::Edge& e : g.edges) {
    if (!e.directed) continue;
    const QRect t = box[g.nodes[static_cast<size_t>(e.from)].figure], h = box[g.nodes[static_cast<size_t>(e.to)].figure];
    votes[0] += h.top() > t.bottom();
    votes[1] += h.bottom() < t.top();
    votes[2] += h.left() > t.right();
    votes[3] += h.right() < t.left();
  }
  size_t best = 0;
  for (size_t k = 1; k < votes.size(); ++k)
    if (votes[k] > votes[best]) best = k;
  constexpr graph::Direction kDirections[] = {graph::Direction::TopToBottom, graph::Direction::BottomToTop,
                                              graph::Direction::LeftToRight, graph::Direction::RightToLeft};
  g.direction = kDirections[best];
  return g;
}

}  // namespace flowchart
