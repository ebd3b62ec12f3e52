#include "FlowOrder.h"

#include <algorithm>
#include <array>

#include "ReadingOrder.h"

namespace walk {

namespace {

bool Vertical(Side s) { return s == Side::Top || s == Side::Bottom; }

// The rank of a side for a flow going out through `ahead`: ahead, across in reading order, back.
int Rank(Side side, Side ahead) {
  if (side == ahead) return 0;
  if (side == Opposite(ahead)) return 3;
  // Across a vertical flow: left, then right; across a horizontal one: top, then bottom.
  return side == Side::Left || side == Side::Top ? 1 : 2;
}

// A point's place along a side, in reading order (left to right, top to bottom).
int Along(Side side, QPoint p) { return Vertical(side) ? p.x() : p.y(); }

QPointF Centre(const QRect& box) { return QRectF(box.normalized()).center(); }

double Distance2(const Shape& a, const Shape& b) {
  const QPointF d = Centre(a.box) - Centre(b.box);
  return d.x() * d.x() + d.y() * d.y();
}

// The end of the link at the shape: its start when the shape is where it comes from.
QPoint EndAt(const Link& l, int shape) { return l.from == shape ? l.fromPoint : l.toPoint; }

bool Beyond(const Shape& from, const Shape& to, Side side) {
  const QPointF a = Centre(from.box), b = Centre(to.box);
  switch (side) {
    case Side::Top: return b.y() < a.y();
    case Side::Bottom: return b.y() > a.y();
    case Side::Left: return b.x() < a.x();
    case Side::Right: return b.x() > a.x();
  }
  return false;
}

std::vector<int> ShapesInReadingOrder(const Chart& chart) {
  std::vector<QRect> boxes;
  boxes.reserve(chart.shapes.size());
  for (const Shape& s : chart.shapes) boxes.push_back(s.box);
  std::vector<int> order;
  order.reserve(boxes.size());
  for (size_t i : find::ReadingOrder(boxes)) order.push_back(static_cast<int>(i));
  return order;
}

}  // namespace

Side MainSide(const Chart& chart) {
  std::array<int, 4> count{};
  for (const Link& l : chart.links)
    if (l.from != l.to) ++count[static_cast<int>(SideOf(chart.shapes[size_t(l.from)].box, l.fromPoint))];
  Side best = Side::Bottom;
  for (Side s : {Side::Right, Side::Top, Side::Left})
    if (count[static_cast<int>(s)] > count[static_cast<int>(best)]) best = s;
  return best;
}

namespace {

// Branches among the given links out of the shape.
std::vector<int> BranchesAmong(const Chart& chart, int shape, Side ahead, const std::vector<int>& out) {
  struct Out {
    int link, rank, along;
  };
  std::vector<Out> outs;
  outs.reserve(out.size());
  const QRect& box = chart.shapes[size_t(shape)].box;
  for (int i : out) {
    const Link& l = chart.links[size_t(i)];
    const Side side = SideOf(box, l.fromPoint);
    outs.push_back({i, Rank(side, ahead), Along(side, l.fromPoint)});
  }
  std::stable_sort(outs.begin(), outs.end(), [](const Out& a, const Out& b) {
    return a.rank != b.rank ? a.rank < b.rank : a.along < b.along;
  });
  std::vector<int> links;
  links.reserve(outs.size());
  for (const Out& o : outs) links.push_back(o.link);
  return links;
}

}  // namespace

std::vector<int> Branches(const Chart& chart, int shape, Side ahead) {
  std::vector<int> out;
  for (size_t i = 0; i < chart.links.size(); ++i)
    if (chart.links[i].from == shape) out.push_back(static_cast<int>(i));
  return BranchesAmong(chart, shape, ahead, out);
}

std::vector<int> FlowOrder(const Chart& chart) {
  const size_t n = chart.shapes.size();
  const std::vector<int> reading = ShapesInReadingOrder(chart);
  std::vector<bool> entered(n, false);
  // Each shape's links out, found once: the walk looks at every shape.
  std::vector<std::vector<int>> out(n);
  for (size_t i = 0; i < chart.links.size(); ++i) {
    const Link& l = chart.links[i];
    out[size_t(l.from)].push_back(static_cast<int>(i));
    if (l.from != l.to) entered[size_t(l.to)] = true;
  }
  std::vector<int> roots;
  for (int s : reading)
    if (chart.shapes[size_t(s)].kind == semantics::ItemKind::Start) roots.push_back(s);
  for (int s : reading)
    if (chart.shapes[size_t(s)].kind != semantics::ItemKind::Start && !entered[size_t(s)]) roots.push_back(s);
  roots.insert(roots.end(), reading.begin(), reading.end());

  const Side main = MainSide(chart);
  std::vector<int> order;
  order.reserve(n);
  std::vector<bool> visited(n, false);
  // A shape with the side the walk goes on through: the way it came in.
  std::vector<std::pair<int, Side>> stack;
  for (int root : roots) {
    if (visited[size_t(root)]) continue;
    stack.push_back({root, main});
    while (!stack.empty()) {
      const auto [shape, ahead] = stack.back();
      stack.pop_back();
      if (visited[size_t(shape)]) continue;
      visited[size_t(shape)] = true;
      order.push_back(shape);
      const std::vector<int> branches = BranchesAmong(chart, shape, ahead, out[size_t(shape)]);
      // Pushed last to first, so that the first branch is walked first.
      for (auto it = branches.rbegin(); it != branches.rend(); ++it) {
        const Link& l = chart.links[size_t(*it)];
        if (!visited[size_t(l.to)])
          stack.push_back({l.to, Opposite(SideOf(chart.shapes[size_t(l.to)].box, l.toPoint))});
      }
    }
  }
  return order;
}

std::optional<int> StepInFlow(const std::vector<int>& order, std::optional<int> current, bool backward) {
  if (order.empty()) return std::nullopt;
  const auto it = current ? std::find(order.begin(), order.end(), *current) : order.end();
  if (it == order.end()) return backward ? order.back() : order.front();
  const size_t i = size_t(it - order.begin());
  return backward ? order[(i + order.size() - 1) % order.size()] : order[(i + 1) % order.size()];
}

std::optional<int> ShapeToward(const Chart& chart, int shape, Side side) {
  const Shape& here = chart.shapes[size_t(shape)];
  std::optional<int> best;
  double bestD = 0;
  auto consider = [&](int other) {
    const double d = Distance2(here, chart.shapes[size_t(other)]);
    if (!best || d < bestD) best = other, bestD = d;
  };
  for (const Link& l : chart.links) {
    if (l.from == l.to || (l.from != shape && l.to != shape)) continue;
    if (SideOf(here.box, EndAt(l, shape)) == side) consider(l.from == shape ? l.to : l.from);
  }
  if (best) return best;
  for (const Link& l : chart.links) {
    if (l.from == l.to || (l.from != shape && l.to != shape)) continue;
    const int other = l.from == shape ? l.to : l.from;
    if (Beyond(here, chart.shapes[size_t(other)], side)) consider(other);
  }
  return best;
}

std::vector<int> ConnectorsOf(const Chart& chart, int shape) {
  struct End {
    int link, side, along;
  };
  const QRect& box = chart.shapes[size_t(shape)].box;
  std::vector<End> ends;
  for (size_t i = 0; i < chart.links.size(); ++i) {
    const Link& l = chart.links[i];
    if (l.from != shape && l.to != shape) continue;
    const QPoint p = EndAt(l, shape);
    const Side side = SideOf(box, p);
    // Clockwise: along the top and down the right side forward, the bottom and the left back.
    const int along = side == Side::Top ? p.x() : side == Side::Right ? p.y() : side == Side::Bottom ? -p.x() : -p.y();
    ends.push_back({static_cast<int>(i), static_cast<int>(side), along});
  }
  std::stable_sort(ends.begin(), ends.end(), [](const End& a, const End& b) {
    return a.side != b.side ? a.side < b.side : a.along < b.along;
  });
  std::vector<int> links;
  for (const End& e : ends) links.push_back(e.link);
  return links;
}

std::optional<int> ConnectorToward(const Chart& chart, int shape, Side side) {
  for (int l : ConnectorsOf(chart, shape))
    if (SideOf(chart.shapes[size_t(shape)].box, EndAt(chart.links[size_t(l)], shape)) == side) return l;
  return std::nullopt;
}

}  // namespace walk
