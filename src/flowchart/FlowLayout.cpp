#include "FlowLayout.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>

#include "FigurePlan.h"
#include "SharedSizes.h"
#include "Spines.h"

namespace flowchart {

namespace {

// A link to (from) a cluster as a whole is ranked from a node within it that no link inside it
// leads into (on from), the first (last) of those in the flow, not the first node found: the
// step after a cluster then comes after all of it, not beside its first step.
graph::Graph TiedToClusters(const graph::Graph& g) {
  graph::Graph tied = g;
  if (g.clusters.empty()) return tied;
  const FlowOrder order = OrderByFlow(g);
  std::vector<size_t> place(g.nodes.size(), 0);
  for (size_t i = 0; i < order.nodes.size(); ++i) place[static_cast<size_t>(order.nodes[i])] = i;
  const std::vector<int> clusterOf = graph::ClusterOfNodes(g);
  const auto within = [&](int node, int cluster) {
    return node >= 0 && clusterOf[static_cast<size_t>(node)] >= 0 && graph::ClusterWithin(g, clusterOf[static_cast<size_t>(node)], cluster);
  };
  for (graph::Edge& e : tied.edges)
    for (const bool head : {false, true}) {
      const int cluster = head ? e.toCluster : e.fromCluster;
      if (cluster < 0) continue;
      int best = -1;
      for (int n = 0; n < static_cast<int>(g.nodes.size()); ++n) {
        if (!within(n, cluster)) continue;
        const bool inner = std::any_of(g.edges.begin(), g.edges.end(), [&](const graph::Edge& f) {
          return f.fromCluster < 0 && f.toCluster < 0 && f.from != f.to &&
                 (head ? f.to == n && within(f.from, cluster) : f.from == n && within(f.to, cluster));
        });
        const size_t at = place[static_cast<size_t>(n)];
        if (!inner && (best < 0 || (head ? at < place[static_cast<size_t>(best)] : at > place[static_cast<size_t>(best)]))) best = n;
      }
      if (best >= 0) (head ? e.to : e.from) = best;
    }
  return tied;
}

}  // namespace

FlowLayout LayOutByFlow(const graph::Graph& g, graph::Direction direction, const graph::LayoutOptions& options) {
  FlowLayout laid;
  const graph::Graph tied = TiedToClusters(g);
  laid.order = OrderByFlow(tied);
  const graph::Graph ranked = FlowRanked(tied, laid.order);
  graph::LayoutResult result = graph::Layout(ranked, direction, options);
  if (!result.ok() || result.nodes.size() != g.nodes.size()) {
    laid.layout = std::move(result);
    return laid;
  }
  std::vector<QRect> boxes(g.nodes.size());
  for (size_t i = 0; i < laid.order.nodes.size(); ++i) boxes[static_cast<size_t>(laid.order.nodes[i])] = result.nodes[i];
  const std::string continuing = ContinuingLabel(g, laid.order);
  laid.continuing = continuing;
  QRect before;
  for (const QRect& r : boxes) before |= r;
  // Straightening moves shapes across the flow, which would take them into or out of a cluster's
  // box: a chart with clusters keeps Graphviz's places.
  if (g.clusters.empty()) {
    AlignSpines(g, laid.order, boxes, direction, options.nodeSpacing / 2, continuing);
    MirrorBranches(g, laid.order, boxes, direction, options.nodeSpacing / 2, continuing);
  }
  // The chart keeps the corner Graphviz gave it.
  QRect after;
  for (const QRect& r : boxes) after |= r;
  for (QRect& r : boxes) r.translate(before.topLeft() - after.topLeft());
  result.bounds = after.translated(before.topLeft() - after.topLeft()) | before;
  laid.chainNext = ChainNext(g, laid.order, boxes, direction, continuing);
  result.nodes = std::move(boxes);
  result.edges.clear();  // Graphviz's curves went around the nodes where they were
  laid.layout = std::move(result);
  return laid;
}

std::vector<SideHint> ChainSides(const graph::Graph& g, const FlowLayout& laid, graph::Direction direction) {
  std::vector<SideHint> hints(g.edges.size());
  const connectors::Side forward = ForwardSide(direction);
  const bool vertical = !connectors::IsHorizontal(forward);
  const connectors::Side upper = vertical ? connectors::Side::Right : connectors::Side::Bottom;
  const connectors::Side lower = connectors::Opposite(upper);
  // Links back against the flow go around the outside of the chart, on the side their tail is
  // nearer: out of the tail by its side across that way, into the head by the same side (a
  // diamond's head takes whichever vertex is free).
  const std::vector<QRect>& boxes = laid.layout.nodes;
  double mean = 0;
  for (const QRect& r : boxes) mean += vertical ? r.center().x() : r.center().y();
  mean /= std::max<size_t>(1, boxes.size());
  // The side the branches off the flow take at decisions: the side the first one leans to.
  auto across = [&](size_t node) { return vertical ? boxes[node].center().x() : boxes[node].center().y(); };
  std::optional<connectors::Side> branchSide;
  auto isBranch = [&](size_t k) {
    const graph::Edge& e = g.edges[k];
    std::string label = e.label;
    for (char& ch : label) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return !laid.continuing.empty() && !e.label.empty() && label != laid.continuing && !laid.order.back[k] &&
           e.from != e.to && static_cast<size_t>(e.from) < boxes.size() && static_cast<size_t>(e.to) < boxes.size() &&
           g.nodes[static_cast<size_t>(e.from)].shape == graph::Shape::Decision;
  };
  for (int k : laid.order.edges)
    if (isBranch(static_cast<size_t>(k)) && !branchSide) {
      const graph::Edge& e = g.edges[static_cast<size_t>(k)];
      const int lean = across(static_cast<size_t>(e.to)) - across(static_cast<size_t>(e.from));
      if (lean != 0) branchSide = lean > 0 ? upper : lower;
    }
  std::vector<bool> taken(g.nodes.size(), false);
  std::map<std::pair<int, int>, int> between;  // links so far between each pair, either way
  for (size_t k = 0; k < g.edges.size(); ++k) {
    const graph::Edge& e = g.edges[k];
    const size_t n = laid.chainNext.size();
    if (e.from < 0 || e.to < 0 || static_cast<size_t>(e.from) >= n || static_cast<size_t>(e.to) >= n || e.from == e.to)
      continue;
    // The second and third link between one pair go around by the sides across, one each way,
    // so that each has room for its label.
    const int earlier = between[std::minmax(e.from, e.to)]++;
    if (earlier == 1) hints[k] = {upper, upper};
    if (earlier == 2) hints[k] = {lower, lower};
    // A diamond is entered and left at its vertices: the router gives the end a free one.
    auto decision = [&](int node) { return g.nodes[static_cast<size_t>(node)].shape == graph::Shape::Decision; };
    if (earlier == 1 || earlier == 2) {
      if (decision(e.from)) hints[k].from.reset();
      if (decision(e.to)) hints[k].to.reset();
    }
    if (earlier == 0 && laid.order.back[k] && static_cast<size_t>(e.from) < boxes.size()) {
      const QPoint c = boxes[static_cast<size_t>(e.from)].center();
      const connectors::Side out = (vertical ? c.x() : c.y()) > mean ? upper : lower;
      hints[k].from = out;
      if (g.nodes[static_cast<size_t>(e.to)].shape != graph::Shape::Decision) hints[k].to = out;
    }
    // Only where its head lies that way or in line: forced round the other way, a branch would
    // run back across the decision's other links.
    if (earlier == 0 && branchSide && isBranch(k)) {
      const int lean = across(static_cast<size_t>(e.to)) - across(static_cast<size_t>(e.from));
      if (lean == 0 || (lean > 0) == (*branchSide == upper)) hints[k].from = *branchSide;
    }
    if (earlier > 0 || laid.order.back[k]) continue;
    if (laid.chainNext[static_cast<size_t>(e.from)] != e.to || taken[static_cast<size_t>(e.from)]) continue;
    taken[static_cast<size_t>(e.from)] = true;
    hints[k] = {forward, connectors::Opposite(forward)};
  }
  // A link back into a decision goes around by the side of the vertex its other links leave
  // free (across the flow), out of its tail by that side too, so that it crosses no more of the
  // decision's links than it must.
  std::map<std::pair<int, connectors::Side>, int> asked;
  for (size_t k = 0; k < g.edges.size(); ++k) {
    const graph::Edge& e = g.edges[k];
    if (hints[k].from) ++asked[{e.from, *hints[k].from}];
    if (hints[k].to) ++asked[{e.to, *hints[k].to}];
  }
  for (size_t k = 0; k < g.edges.size(); ++k) {
    const graph::Edge& e = g.edges[k];
    if (!laid.order.back[k] || hints[k].to || e.to < 0 || static_cast<size_t>(e.to) >= g.nodes.size() ||
        g.nodes[static_cast<size_t>(e.to)].shape != graph::Shape::Decision)
      continue;
    const connectors::Side first = hints[k].from.value_or(upper);
    for (connectors::Side side : {first, connectors::Opposite(first)})
      if (!asked.count({e.to, side})) {
        hints[k] = {side, side};
        ++asked[{e.to, side}];
        break;
      }
  }
  return hints;
}

void ShareSizes(graph::Graph& g, const std::vector<bool>& computed) {
  std::vector<size_t> sized;
  std::vector<semantics::ItemKind> kinds;
  std::vector<QSize> sizes;
  for (size_t i = 0; i < g.nodes.size() && i < computed.size(); ++i)
    if (computed[i]) {
      sized.push_back(i);
      kinds.push_back(KindOfShape(g.nodes[i].shape));
      sizes.emplace_back(g.nodes[i].width, g.nodes[i].height);
    }
  const std::vector<QSize> shared = SharedSizes(kinds, sizes);
  for (size_t k = 0; k < sized.size(); ++k) {
    g.nodes[sized[k]].width = shared[k].width();
    g.nodes[sized[k]].height = shared[k].height();
  }
}

}  // namespace flowchart
