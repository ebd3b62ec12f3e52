#include "FlowRanking.h"

#include <utility>

namespace flowchart {

FlowOrder OrderByFlow(const graph::Graph& g) {
  const size_t n = g.nodes.size();
  FlowOrder order;
  order.back.assign(g.edges.size(), false);
  std::vector<std::vector<int>> out(n);
  std::vector<int> incoming(n, 0);
  for (size_t k = 0; k < g.edges.size(); ++k) {
    const graph::Edge& e = g.edges[k];
    if (e.from < 0 || e.to < 0 || static_cast<size_t>(e.from) >= n || static_cast<size_t>(e.to) >= n) continue;
    out[static_cast<size_t>(e.from)].push_back(static_cast<int>(k));
    if (e.from != e.to) ++incoming[static_cast<size_t>(e.to)];
  }
  enum : uint8_t { Unseen, OnWay, Done };
  std::vector<uint8_t> state(n, Unseen);
  std::vector<bool> edgeTaken(g.edges.size(), false);
  // Iterative, as a chain of thousands of steps would exhaust the stack: each frame is a node and
  // the next of its links to follow.
  std::vector<std::pair<int, size_t>> way;
  auto walk = [&](int root) {
    if (state[static_cast<size_t>(root)] != Unseen) return;
    state[static_cast<size_t>(root)] = OnWay;
    order.nodes.push_back(root);
    way.emplace_back(root, 0);
    while (!way.empty()) {
      auto& [node, next] = way.back();
      const std::vector<int>& links = out[static_cast<size_t>(node)];
      if (next == links.size()) {
        state[static_cast<size_t>(node)] = Done;
        way.pop_back();
        continue;
      }
      const int k = links[next++];
      const int to = g.edges[static_cast<size_t>(k)].to;
      if (!edgeTaken[static_cast<size_t>(k)]) {
        edgeTaken[static_cast<size_t>(k)] = true;
        order.edges.push_back(k);
      }
      if (state[static_cast<size_t>(to)] == OnWay) {
        if (to != node) order.back[static_cast<size_t>(k)] = true;
      } else if (state[static_cast<size_t>(to)] == Unseen) {
        state[static_cast<size_t>(to)] = OnWay;
        order.nodes.push_back(to);
        way.emplace_back(to, 0);  // invalidates node and next: the loop reads them afresh
      }
    }
  };
  for (size_t i = 0; i < n; ++i)
    if (g.nodes[i].shape == graph::Shape::Start) walk(static_cast<int>(i));
  for (size_t i = 0; i < n; ++i)
    if (incoming[i] == 0) walk(static_cast<int>(i));
  for (size_t i = 0; i < n; ++i) walk(static_cast<int>(i));
  // Links the walk never followed name a node outside the graph: kept in place for the layout to
  // refuse them as it would.
  for (size_t k = 0; k < g.edges.size(); ++k)
    if (!edgeTaken[k]) order.edges.push_back(static_cast<int>(k));
  return order;
}

graph::Graph FlowRanked(const graph::Graph& g, const FlowOrder& order) {
  graph::Graph ranked;
  ranked.direction = g.direction;
  std::vector<int> place(g.nodes.size(), -1);
  for (size_t i = 0; i < order.nodes.size(); ++i) {
    place[static_cast<size_t>(order.nodes[i])] = static_cast<int>(i);
    ranked.nodes.push_back(g.nodes[static_cast<size_t>(order.nodes[i])]);
  }
  for (int k : order.edges) {
    graph::Edge e = g.edges[static_cast<size_t>(k)];
    const bool inside = e.from >= 0 && e.to >= 0 && static_cast<size_t>(e.from) < place.size() &&
                        static_cast<size_t>(e.to) < place.size();
    if (inside) {
      e.from = place[static_cast<size_t>(e.from)];
      e.to = place[static_cast<size_t>(e.to)];
      if (order.back[static_cast<size_t>(k)]) std::swap(e.from, e.to);
    }
    ranked.edges.push_back(std::move(e));
  }
  ranked.clusters = g.clusters;
  for (graph::Cluster& c : ranked.clusters)
    for (int& n : c.nodes)
      if (n >= 0 && static_cast<size_t>(n) < place.size()) n = place[static_cast<size_t>(n)];
  return ranked;
}

}  // namespace flowchart
