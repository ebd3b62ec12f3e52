#include "LayoutQuality.h"

#include <QPoint>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <unordered_set>

#include "Connector.h"
#include "ConnectorGeometry.h"
#include "ConnectorLabel.h"
#include "Containers.h"
#include "ItemGrid.h"
#include "Outline.h"
#include "ShapeText.h"
#include "SidePoints.h"

namespace quality {

using semantics::Item;
using semantics::ItemKind;

namespace {

struct Run {
  QPoint a, b;
  int connector;
};

int64_t Cross(QPoint o, QPoint a, QPoint b) {
  return int64_t{a.x() - o.x()} * (b.y() - o.y()) - int64_t{a.y() - o.y()} * (b.x() - o.x());
}
int Sign(int64_t v) { return (v > 0) - (v < 0); }

bool ProperlyCross(const Run& p, const Run& q) { return connectors::RunsCross(p.a, p.b, q.a, q.b); }

double Length(QPoint a, QPoint b) { return std::hypot(double(b.x() - a.x()), double(b.y() - a.y())); }

// The connector's runs from its start: each segment from the end nearer the last point to the
// other, collinear segments running on the same way joined into one run.
std::vector<std::pair<QPoint, QPoint>> RunsOf(const semantics::Connector& c) {
  std::vector<std::pair<QPoint, QPoint>> runs;
  QPoint at = c.start;
  for (const Item* s : c.segments) {
    const connectors::Ends e = connectors::EndsOf(s->box, s->direction);
    const bool forward = Length(at, e.start) <= Length(at, e.end);
    const QPoint in = forward ? e.start : e.end, out = forward ? e.end : e.start;
    at = out;
    if (in == out) continue;
    if (!runs.empty()) {
      const QPoint d1 = runs.back().second - runs.back().first, d2 = out - in;
      const int64_t cross = int64_t{d1.x()} * d2.y() - int64_t{d1.y()} * d2.x();
      const int64_t dot = int64_t{d1.x()} * d2.x() + int64_t{d1.y()} * d2.y();
      if (cross == 0 && dot > 0) {
        runs.back().second = out;
        continue;
      }
    }
    runs.emplace_back(in, out);
  }
  return runs;
}

QRect BoundsOf(QPoint a, QPoint b) {
  return QRect(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::abs(b.x() - a.x()), std::abs(b.y() - a.y()));
}

// Whether the run reaches farther than a pixel inside the shape's outline, looked at every pixel
// along it.
bool Through(QPoint a, QPoint b, const Item& shape) {
  const connectors::FigureKind kind = semantics::FigureKindOf(shape.kind);
  const double len = Length(a, b);
  const int steps = std::max(1, static_cast<int>(std::ceil(len)));
  for (int k = 0; k <= steps; ++k) {
    const QPointF p = QPointF(a) + (QPointF(b) - QPointF(a)) * (double(k) / steps);
    if (connectors::Contains(kind, shape.box, p) && connectors::DistanceToOutline(kind, shape.box, p) > 1) return true;
  }
  return false;
}

// The run meets the open inside of the box.
bool MeetsInside(QPoint a, QPoint b, const QRect& box) {
  const double l = box.x(), t = box.y(), r = l + box.width(), bo = t + box.height();
  // Clip the run to the box's open inside (Liang-Barsky); a run along an edge stays out.
  double t0 = 0, t1 = 1;
  const double dx = b.x() - a.x(), dy = b.y() - a.y();
  const double p[4] = {-dx, dx, -dy, dy}, q[4] = {a.x() - l, r - a.x(), a.y() - t, bo - a.y()};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] <= 0) return false;
      continue;
    }
    const double u = q[i] / p[i];
    if (p[i] < 0) t0 = std::max(t0, u);
    else t1 = std::min(t1, u);
  }
  return t0 < t1;
}

double PointToRun(QPointF p, QPoint a, QPoint b) {
  const QPointF d = QPointF(b) - QPointF(a);
  const double len2 = d.x() * d.x() + d.y() * d.y();
  double u = len2 > 0 ? QPointF::dotProduct(p - QPointF(a), d) / len2 : 0;
  u = std::clamp(u, 0.0, 1.0);
  const QPointF n = QPointF(a) + d * u;
  return std::hypot(p.x() - n.x(), p.y() - n.y());
}

// Distance between a run and a box, 0 where they meet.
double RunToBox(QPoint a, QPoint b, const QRect& box) {
  const double l = box.x(), t = box.y(), r = l + box.width(), bo = t + box.height();
  auto inside = [&](QPoint p) { return p.x() >= l && p.x() <= r && p.y() >= t && p.y() <= bo; };
  if (inside(a) || inside(b)) return 0;
  const QPoint corners[4] = {{int(l), int(t)}, {int(r), int(t)}, {int(r), int(bo)}, {int(l), int(bo)}};
  for (int i = 0; i < 4; ++i) {
    const Run edge{corners[i], corners[(i + 1) % 4], 0};
    if (Sign(Cross(a, b, edge.a)) * Sign(Cross(a, b, edge.b)) <= 0 &&
        Sign(Cross(edge.a, edge.b, a)) * Sign(Cross(edge.a, edge.b, b)) <= 0)
      return 0;
  }
  auto toBox = [&](QPoint p) {
    const double dx = std::max({l - p.x(), 0.0, p.x() - r}), dy = std::max({t - p.y(), 0.0, p.y() - bo});
    return std::hypot(dx, dy);
  };
  double d = std::min(toBox(a), toBox(b));
  for (const QPoint& c : corners) d = std::min(d, PointToRun(c, a, b));
  return d;
}

// A container of the shape: a rectangle that holds its box wholly.
bool Holds(const Item& container, const Item* shape) {
  return shape && container.kind == ItemKind::Rectangle && connectors::BoxInside(shape->box, container.box) &&
         container.box != shape->box;
}

}  // namespace

LayoutQuality MeasureLayout(std::span<const Item> items) {
  LayoutQuality q;
  const semantics::ItemGrid grid(items);
  const semantics::ItemQuery query = grid.AsQuery();

  // Connectors, each once, and their runs.
  std::vector<semantics::Connector> found;
  std::vector<Run> runs;
  std::unordered_set<uint64_t> seen, inConnector;
  for (const Item& f : items) {
    if (!semantics::IsSegment(f.kind) || seen.count(f.id)) continue;
    std::optional<semantics::Connector> c = semantics::ConnectorOf(f, query);
    if (!c) {
      seen.insert(f.id);
      continue;
    }
    for (const Item* s : c->segments) {
      seen.insert(s->id);
      inConnector.insert(s->id);
    }
    const std::vector<std::pair<QPoint, QPoint>> own = RunsOf(*c);
    const int bends = std::max(0, static_cast<int>(own.size()) - 1);
    q.bends += bends;
    q.maxBends = std::max(q.maxBends, bends);
    for (size_t i = 1; i + 1 < own.size(); ++i)
      if (Length(own[i].first, own[i].second) < kShortJog) ++q.shortJogs;
    for (const auto& [a, b] : own) {
      if (a.x() != b.x() && a.y() != b.y()) ++q.slantedRuns;
      runs.push_back({a, b, static_cast<int>(found.size())});
    }
    found.push_back(std::move(*c));
  }
  q.connectors = static_cast<int>(found.size());

  // Crossings: runs in order of their left ends, each against those that start before it ends.
  std::vector<const Run*> byLeft;
  for (const Run& r : runs) byLeft.push_back(&r);
  std::sort(byLeft.begin(), byLeft.end(),
            [](const Run* x, const Run* y) { return std::min(x->a.x(), x->b.x()) < std::min(y->a.x(), y->b.x()); });
  for (size_t i = 0; i < byLeft.size(); ++i) {
    const int right = std::max(byLeft[i]->a.x(), byLeft[i]->b.x());
    for (size_t j = i + 1; j < byLeft.size() && std::min(byLeft[j]->a.x(), byLeft[j]->b.x()) <= right; ++j)
      if (byLeft[i]->connector != byLeft[j]->connector && ProperlyCross(*byLeft[i], *byLeft[j])) ++q.crossings;
  }

  // Texts: each shape's, and the labels that are nobody's text.
  std::unordered_set<uint64_t> texts;
  for (const Item& f : items)
    if (semantics::IsShape(f.kind))
      if (const Item* t = semantics::ShapeText(f, query)) texts.insert(t->id);

  // Runs through shapes and texts.
  std::vector<const Item*> near;
  for (const Run& r : runs) {
    const semantics::Connector& c = found[static_cast<size_t>(r.connector)];
    near.clear();
    query(BoundsOf(r.a, r.b), near);
    bool shape = false, text = false;
    for (const Item* f : near) {
      if (texts.count(f->id)) text = text || MeetsInside(r.a, r.b, f->box);
      if (!semantics::IsShape(f->kind) || f == c.startShape || f == c.endShape) continue;
      if (Holds(*f, c.startShape) || Holds(*f, c.endShape)) continue;
      shape = shape || Through(r.a, r.b, *f);
    }
    q.throughShapes += shape;
    q.throughTexts += text;
  }

  // Labels on lines or on one another.
  const int pad = static_cast<int>(std::ceil(kLabelClearance)) + 1;
  for (const Item& f : items) {
    if (f.kind != ItemKind::Label || texts.count(f.id)) continue;
    near.clear();
    query(f.box.adjusted(-pad, -pad, pad, pad), near);
    bool onLine = false, overlapping = false;
    for (const Item* g : near) {
      if (g->kind == ItemKind::Label && g->id != f.id && f.box.intersects(g->box)) overlapping = true;
      if (!inConnector.count(g->id)) continue;
      // Measured on the segment's own course: the runs are made of the courses.
      const connectors::Ends e = connectors::EndsOf(g->box, g->direction);
      if (RunToBox(e.start, e.end, f.box) < kLabelClearance) onLine = true;
    }
    q.labelsNearLines += onLine;
    q.labelsOverlapping += overlapping;
  }
  // Labels away from the start of their branch.
  for (const semantics::Connector& c : found) {
    const Item* label = semantics::ConnectorLabel(c, query);
    const std::vector<std::pair<QPoint, QPoint>> own = RunsOf(c);
    if (label && !own.empty() && RunToBox(own.front().first, own.front().second, label->box) > kLabelFromStart)
      ++q.labelsFarFromStart;
  }

  // Sizes per kind: marks by their circle, the others by their height; containers are drawn
  // around what they hold and have no size of their kind.
  std::unordered_set<uint64_t> frames;
  for (const semantics::Container& c : semantics::FindContainers(items, query)) frames.insert(c.frame->id);
  std::map<ItemKind, Spread> heights;
  for (const Item& f : items) {
    if (!semantics::IsShape(f.kind) || frames.count(f.id)) continue;
    const bool mark = f.kind == ItemKind::Start || f.kind == ItemKind::End;
    int size = std::abs(f.box.height());
    if (mark) {
      const auto [lo, hi] = connectors::OutlineExtent(connectors::FigureKind::Circle, f.box, false);
      size = hi - lo;
    }
    Spread& s = mark ? q.marks : heights[f.kind];
    if (!mark) s.kind = f.kind;
    s.min = s.count == 0 ? size : std::min(s.min, size);
    s.max = s.count == 0 ? size : std::max(s.max, size);
    ++s.count;
  }
  for (const auto& [kind, s] : heights) q.heights.push_back(s);
  return q;
}

namespace {

const char* KindName(ItemKind k) {
  switch (k) {
    case ItemKind::Start: return "Start";
    case ItemKind::End: return "End";
    case ItemKind::Process: return "Process";
    case ItemKind::Decision: return "Decision";
    case ItemKind::Ellipse: return "Ellipse";
    case ItemKind::Rectangle: return "Rectangle";
    default: break;
  }
  return "Other";
}

std::string SpreadText(const Spread& s) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%d-%d (%.2f)", s.min, s.max, s.Ratio());
  return buf;
}

}  // namespace

std::string ToText(const LayoutQuality& q) {
  std::string s = "connectors " + std::to_string(q.connectors) + ", bends " + std::to_string(q.bends) + " (most " +
                  std::to_string(q.maxBends) + "), slanted runs " + std::to_string(q.slantedRuns) + ", jogs under " +
                  std::to_string(kShortJog) + " px " +
                  std::to_string(q.shortJogs) + ", crossings " + std::to_string(q.crossings) + ", through shapes " +
                  std::to_string(q.throughShapes) + ", through texts " + std::to_string(q.throughTexts) +
                  ", labels near lines " + std::to_string(q.labelsNearLines) + ", overlapping labels " +
                  std::to_string(q.labelsOverlapping) + ", labels off their start " + std::to_string(q.labelsFarFromStart);
  if (!q.heights.empty()) {
    s += "; heights";
    for (size_t i = 0; i < q.heights.size(); ++i)
      s += std::string(i ? ", " : " ") + KindName(q.heights[i].kind) + " " + SpreadText(q.heights[i]);
  }
  if (q.marks.count > 0) s += "; marks " + SpreadText(q.marks);
  return s;
}

}  // namespace quality
