#include "RouteFigures.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "ConnectorGeometry.h"

namespace connectors {

Figure RunFigure(FigureKind kind, QPoint a, QPoint b, int cross) {
  Figure f;
  f.kind = kind;
  const int dx = b.x() - a.x(), dy = b.y() - a.y();
  if (dy == 0) {
    f.box = QRect(std::min(a.x(), b.x()), a.y() - cross / 2, std::abs(dx), cross);
    f.direction = adTopToTop;
  } else if (dx == 0) {
    f.box = QRect(a.x() - cross / 2, std::min(a.y(), b.y()), cross, std::abs(dy));
    f.direction = adLeftToLeft;
  } else {
    f.box = QRect(std::min(a.x(), b.x()), std::min(a.y(), b.y()), std::abs(dx), std::abs(dy));
    f.direction = (dx > 0) == (dy > 0) ? adTopToBottom : adBottomToTop;
  }
  // The course's end is its right end, the lower end of a vertical one.
  const bool bIsEnd = dx > 0 || (dx == 0 && dy > 0);
  f.heads = bIsEnd ? apRight : apLeft;
  return f;
}

std::vector<QPoint> Simplified(const std::vector<QPoint>& route) {
  std::vector<QPoint> out;
  out.reserve(route.size());
  for (QPoint p : route) {
    if (!out.empty() && out.back() == p) continue;
    if (out.size() >= 2) {
      const QPoint a = out[out.size() - 2], b = out.back();
      const QPoint d1 = b - a, d2 = p - b;
      // Same line, same way: b is no bend. (A run that turns back keeps its turning point.)
      const int64_t crossProduct = int64_t{d1.x()} * d2.y() - int64_t{d1.y()} * d2.x();
      const int64_t dot = int64_t{d1.x()} * d2.x() + int64_t{d1.y()} * d2.y();
      if (crossProduct == 0 && dot > 0) out.back() = p;
      else out.push_back(p);
      continue;
    }
    out.push_back(p);
  }
  return out;
}

std::vector<Figure> SegmentsOf(const std::vector<QPoint>& route, int lineWidth, ArrowRates rates) {
  const std::vector<QPoint> p = Simplified(route);
  std::vector<Figure> out;
  if (p.empty()) return out;
  const int lineCross = std::max(kLineCross, lineWidth + 2);
  const int arrowCross = ArrowCross(StyleOf(rates, lineWidth));
  if (p.size() == 1) {
    out.push_back(RunFigure(FigureKind::Arrow, p[0], p[0], arrowCross));
    return out;
  }
  out.reserve(p.size() - 1);
  for (size_t i = 0; i + 1 < p.size(); ++i) {
    const bool last = i + 2 == p.size();
    Figure f = RunFigure(last ? FigureKind::Arrow : FigureKind::Line, p[i], p[i + 1], last ? arrowCross : lineCross);
    if (!last) f.heads = apRight;  // lines have none; the field keeps its default
    out.push_back(f);
  }
  return out;
}

std::vector<Figure> SegmentsOf(const std::vector<QPoint>& route, int lineWidth) {
  const std::vector<QPoint> p = Simplified(route);
  int length = 0;
  if (p.size() >= 2) {
    const QPoint d = p.back() - p[p.size() - 2];
    length = static_cast<int>(std::hypot(double(d.x()), double(d.y())));
  }
  return SegmentsOf(p, lineWidth, HeadRates(lineWidth, length));
}

std::vector<Figure> SegmentsInto(const std::vector<QPoint>& route, size_t count, int lineWidth, ArrowRates rates) {
  std::vector<QPoint> p = Simplified(route);
  if (p.size() < 2 || p.size() - 1 > count) return {};
  const auto length = [&](size_t i) { return (p[i + 1] - p[i]).manhattanLength(); };
  while (p.size() - 1 < count) {
    size_t longest = 0;
    for (size_t i = 1; i + 1 < p.size(); ++i)
      if (length(i) > length(longest)) longest = i;
    if (length(longest) < 2) return {};
    const QPoint a = p[longest], d = p[longest + 1] - a;
    p.insert(p.begin() + static_cast<std::ptrdiff_t>(longest) + 1, a + QPoint(d.x() / 2, d.y() / 2));
  }
  const int lineCross = std::max(kLineCross, lineWidth + 2);
  const int arrowCross = ArrowCross(StyleOf(rates, lineWidth));
  std::vector<Figure> out;
  for (size_t i = 0; i + 1 < p.size(); ++i) {
    const bool last = i + 2 == p.size();
    Figure f = RunFigure(last ? FigureKind::Arrow : FigureKind::Line, p[i], p[i + 1], last ? arrowCross : lineCross);
    if (!last) f.heads = apRight;
    out.push_back(f);
  }
  return out;
}

}  // namespace connectors
