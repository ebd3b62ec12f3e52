#include "Spines.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <map>

#include "ObstacleIndex.h"

namespace flowchart {

namespace {

bool Across(graph::Direction d) { return d == graph::Direction::TopToBottom || d == graph::Direction::BottomToTop; }

// Twice the centre across the direction: halves stay exact.
int Centre2(const QRect& r, graph::Direction d) {
  return Across(d) ? 2 * r.x() + r.width() : 2 * r.y() + r.height();
}

// Twice the centre along the direction.
int Along2(const QRect& r, graph::Direction d) {
  return Across(d) ? 2 * r.y() + r.height() : 2 * r.x() + r.width();
}

// Heads whose centres lie this close along the flow (twice the pixels) are of one rank.
constexpr int kSameRank2 = 20;

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

bool Forward(const graph::Graph& g, const FlowOrder& order, size_t k) {
  const graph::Edge& e = g.edges[k];
  const int n = static_cast<int>(g.nodes.size());
  return !order.back[k] && e.from != e.to && e.from >= 0 && e.to >= 0 && e.from < n && e.to < n;
}

}  // namespace

std::string ContinuingLabel(const graph::Graph& g, const FlowOrder& order) {
  std::vector<int> labelled(g.nodes.size(), 0);
  for (size_t k = 0; k < g.edges.size(); ++k)
    if (Forward(g, order, k) && !g.edges[k].label.empty()) ++labelled[static_cast<size_t>(g.edges[k].from)];
  std::string first;
  for (int k : order.edges) {
    const graph::Edge& e = g.edges[static_cast<size_t>(k)];
    if (!Forward(g, order, static_cast<size_t>(k)) || e.label.empty()) continue;
    if (g.nodes[static_cast<size_t>(e.from)].shape != graph::Shape::Decision || labelled[static_cast<size_t>(e.from)] < 2)
      continue;
    const std::string label = Lower(e.label);
    if (label == "yes" || label == "true") return label;
    if (first.empty()) first = label;
  }
  return first;
}

std::vector<int> ChainNext(const graph::Graph& g, const FlowOrder& order, const std::vector<QRect>& boxes,
                           graph::Direction direction, const std::string& continuing) {
  const size_t n = g.nodes.size();
  std::vector<int> next(n, -1);
  auto offset = [&](int a, int b) {
    return std::abs(Centre2(boxes[static_cast<size_t>(a)], direction) - Centre2(boxes[static_cast<size_t>(b)], direction));
  };
  // Whether b's box spans a's centre line along the direction.
  auto inLine = [&](int a, int b) {
    const QRect& r = boxes[static_cast<size_t>(b)];
    const int c2 = Centre2(boxes[static_cast<size_t>(a)], direction);
    return Across(direction) ? 2 * r.x() <= c2 && c2 <= 2 * (r.x() + r.width()) : 2 * r.y() <= c2 && c2 <= 2 * (r.y() + r.height());
  };
  auto ahead = [&](int a, int b) {
    return std::abs(Along2(boxes[static_cast<size_t>(a)], direction) - Along2(boxes[static_cast<size_t>(b)], direction));
  };
  std::vector<bool> byLabel(n, false);
  for (int k : order.edges) {
    if (!Forward(g, order, static_cast<size_t>(k))) continue;
    const graph::Edge& e = g.edges[static_cast<size_t>(k)];
    const size_t u = static_cast<size_t>(e.from);
    const bool continues = !continuing.empty() && Lower(e.label) == continuing;
    if (next[u] < 0) {
      next[u] = e.to;
      byLabel[u] = continues;
      continue;
    }
    if (next[u] == e.to || byLabel[u]) continue;
    // A head in line goes on before one that is not; of two in line, the nearer (the further is
    // reached round it, a skip); else the one most in line.
    const bool lined = inLine(e.from, e.to), bestLined = inLine(e.from, next[u]);
    const int nearer = ahead(e.from, next[u]) - ahead(e.from, e.to);
    const bool better = lined != bestLined               ? lined
                        : lined && std::abs(nearer) > kSameRank2 ? nearer > 0
                                                                 : offset(e.from, e.to) < offset(e.from, next[u]);
    if (continues || better) {
      next[u] = e.to;
      byLabel[u] = continues;
    }
  }
  // Each head keeps one of its tails: one that a chain leads into before one that starts there
  // (the flow goes on), then the one most in line. Whether a chain leads into a tail is taken
  // from a first choice by line alone.
  std::vector<int> in(n, -1);
  std::vector<bool> led(n, false);
  for (int pass = 0; pass < 2; ++pass) {
    std::fill(in.begin(), in.end(), -1);
    for (int u : order.nodes) {
      const int v = next[static_cast<size_t>(u)];
      if (v < 0) continue;
      int& best = in[static_cast<size_t>(v)];
      const bool uLed = led[static_cast<size_t>(u)], bestLed = best >= 0 && led[static_cast<size_t>(best)];
      if (best < 0 || (uLed && !bestLed) || (uLed == bestLed && offset(u, v) < offset(best, v))) best = u;
    }
    for (size_t v = 0; v < n; ++v) led[v] = in[v] >= 0;
  }
  for (size_t u = 0; u < n; ++u)
    if (next[u] >= 0 && in[static_cast<size_t>(next[u])] != static_cast<int>(u)) next[u] = -1;
  return next;
}

void AlignSpines(const graph::Graph& g, const FlowOrder& order, std::vector<QRect>& boxes, graph::Direction direction,
                 int clearance, const std::string& continuing) {
  const size_t n = g.nodes.size();
  if (boxes.size() != n) return;
  const std::vector<int> next = ChainNext(g, order, boxes, direction, continuing);
  std::vector<bool> hasPrev(n, false);
  for (size_t u = 0; u < n; ++u)
    if (next[u] >= 0) hasPrev[static_cast<size_t>(next[u])] = true;
  routing::ObstacleIndex index;
  for (const QRect& r : boxes) index.Add({r, -1, false});
  std::vector<int> near;
  const bool across = Across(direction);
  // Nodes of chains already lined up: never pushed aside again.
  std::vector<bool> fixed(n, false);
  std::vector<int> ahead;
  std::vector<bool> pushed(n, false);
  auto sweep = [&](const QRect& from, const QRect& to) {
    return (from | to).adjusted(-clearance, -clearance, clearance, clearance);
  };
  // Whether the box swept meets a node other than `node` and those pushed along with it.
  auto meets = [&](const QRect& swept, size_t node) {
    near.clear();
    index.Query(swept, near);
    for (int other : near)
      if (static_cast<size_t>(other) != node && !pushed[static_cast<size_t>(other)] && index[other].box.intersects(swept))
        return true;
    return false;
  };
  auto moveTo = [&](size_t node, int axis2) {
    QRect to = boxes[node];
    const int shift2 = axis2 - Centre2(to, direction);
    if (shift2 == 0 || shift2 % 2 != 0) return shift2 == 0;
    const QPoint d = across ? QPoint(shift2 / 2, 0) : QPoint(0, shift2 / 2);
    to.translate(d);
    if (!meets(sweep(boxes[node], to), node)) {
      boxes[node] = to;
      index.Move(static_cast<int>(node), to);
      return true;
    }
    // Room made: the nodes of its rank beyond it on the side it moves to go along as far, unless
    // one of them is on a chain lined up already or meets another node on the way.
    const QRect& b = boxes[node];
    const QRect all = index.Extent();
    QRect beyond;
    if (across)
      beyond = d.x() > 0 ? QRect(QPoint(b.center().x(), b.top()), QPoint(all.right() + 1, b.bottom()))
                         : QRect(QPoint(all.left() - 1, b.top()), QPoint(b.center().x(), b.bottom()));
    else
      beyond = d.y() > 0 ? QRect(QPoint(b.left(), b.center().y()), QPoint(b.right(), all.bottom() + 1))
                         : QRect(QPoint(b.left(), all.top() - 1), QPoint(b.right(), b.center().y()));
    ahead.clear();
    index.Query(beyond, ahead);
    std::vector<size_t> group;
    for (int other : ahead) {
      const size_t m = static_cast<size_t>(other);
      if (m == node || !boxes[m].intersects(beyond)) continue;
      const int lead = Centre2(boxes[m], direction) - Centre2(b, direction);
      if ((shift2 > 0 ? lead : -lead) <= 0) continue;
      if (fixed[m]) return false;
      group.push_back(m);
    }
    for (size_t m : group) pushed[m] = true;
    bool clear = !meets(sweep(b, to), node);
    for (size_t m : group) clear = clear && !meets(sweep(boxes[m], boxes[m].translated(d)), m);
    for (size_t m : group) pushed[m] = false;
    if (!clear) return false;
    for (size_t m : group) {
      boxes[m].translate(d);
      index.Move(static_cast<int>(m), boxes[m]);
    }
    boxes[node] = to;
    index.Move(static_cast<int>(node), to);
    return true;
  };
  for (int head : order.nodes) {
    if (hasPrev[static_cast<size_t>(head)] || next[static_cast<size_t>(head)] < 0) continue;
    std::vector<size_t> chain;
    for (int v = head; v >= 0; v = next[static_cast<size_t>(v)]) {
      chain.push_back(static_cast<size_t>(v));
      if (chain.size() > n) break;
    }
    // The axis most of the chain shares already, else the first node's.
    std::map<int, int> count;
    for (size_t v : chain) ++count[Centre2(boxes[v], direction)];
    int axis = Centre2(boxes[chain.front()], direction), most = 1;
    for (const auto& [a, c] : count)
      if (c > most) axis = a, most = c;
    // A node of odd size across cannot be centred on an axis between pixels: it takes the axis a
    // half pixel off.
    for (size_t v : chain)
      if (!moveTo(v, axis)) moveTo(v, axis + 1);
    for (size_t v : chain) fixed[v] = true;
  }
}

}  // namespace flowchart

namespace flowchart {

void MirrorBranches(const graph::Graph& g, const FlowOrder& order, std::vector<QRect>& boxes, graph::Direction direction,
                    int clearance, const std::string& continuing) {
  const size_t n = g.nodes.size();
  if (continuing.empty() || boxes.size() != n) return;
  const std::vector<int> next = ChainNext(g, order, boxes, direction, continuing);
  std::vector<bool> chained(n, false);
  for (size_t u = 0; u < n; ++u)
    if (next[u] >= 0) chained[u] = chained[static_cast<size_t>(next[u])] = true;
  routing::ObstacleIndex index;
  for (const QRect& r : boxes) index.Add({r, -1, false});
  const bool across = Across(direction);
  int side = 0;  // the sign of the first branch's lean
  std::vector<int> near;
  for (int k : order.edges) {
    const graph::Edge& e = g.edges[static_cast<size_t>(k)];
    if (!Forward(g, order, static_cast<size_t>(k)) || e.label.empty() || Lower(e.label) == continuing) continue;
    if (g.nodes[static_cast<size_t>(e.from)].shape != graph::Shape::Decision) continue;
    const size_t d = static_cast<size_t>(e.from), t = static_cast<size_t>(e.to);
    const int lean = Centre2(boxes[t], direction) - Centre2(boxes[d], direction);
    if (lean == 0) continue;
    if (side == 0) {
      side = lean > 0 ? 1 : -1;
      continue;
    }
    if ((lean > 0 ? 1 : -1) == side || chained[t]) continue;
    // Across the decision's axis, where that place is free.
    const int shift = -lean;  // twice the move: the centre goes to the other side by as far
    if (shift % 2 != 0) continue;
    const QRect to = boxes[t].translated(across ? QPoint(shift, 0) : QPoint(0, shift));
    const QRect room = to.adjusted(-clearance, -clearance, clearance, clearance);
    near.clear();
    index.Query(room, near);
    bool free = true;
    for (int other : near)
      if (static_cast<size_t>(other) != t && index[other].box.intersects(room)) free = false;
    if (!free) continue;
    boxes[t] = to;
    index.Move(static_cast<int>(t), to);
  }
}

}  // namespace flowchart
