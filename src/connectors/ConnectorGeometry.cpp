#include "ConnectorGeometry.h"

namespace connectors {

Course CourseOf(TArrowDirection d) {
  switch (d) {
    case adTopToTop:
    case adBottomToBottom: return Course::Horizontal;
    case adLeftToLeft:
    case adRightToRight: return Course::Vertical;
    case adBottomToTop: return Course::Rising;
    case adTopToBottom:
    default: return Course::Falling;
  }
}

namespace {
TArrowDirection DirectionOf(Course c) {
  switch (c) {
    case Course::Horizontal: return adTopToTop;
    case Course::Vertical: return adLeftToLeft;
    case Course::Rising: return adBottomToTop;
    case Course::Falling: break;
  }
  return adTopToBottom;
}
}  // namespace

Ends EndsOf(const QRect& box, TArrowDirection d) {
  const int l = box.x(), t = box.y(), w = box.width(), h = box.height();
  switch (CourseOf(d)) {
    case Course::Horizontal: return {{l, t + h / 2}, {l + w, t + h / 2}};
    case Course::Vertical: return {{l + w / 2, t}, {l + w / 2, t + h}};
    case Course::Rising: return {{l, t + h}, {l + w, t}};
    case Course::Falling: break;
  }
  return {{l, t}, {l + w, t + h}};
}

Figure Rebuild(const Figure& connector, QPoint start, QPoint end) {
  Figure out = connector;
  const Course before = CourseOf(connector.direction);
  const int cross = connector.kind == FigureKind::Arrow ? kArrowCross : kLineCross;
  const bool swapped = end.x() < start.x() || (end.x() == start.x() && end.y() < start.y());
  const QPoint s = swapped ? end : start, e = swapped ? start : end;
  const int dx = e.x() - s.x(), dy = e.y() - s.y();  // dx >= 0

  Course course;
  if (dx != 0 && dy != 0) course = dy > 0 ? Course::Falling : Course::Rising;
  else if (dx == 0 && dy != 0) course = Course::Vertical;
  else if (dx != 0) course = Course::Horizontal;
  else course = before == Course::Vertical ? Course::Vertical : Course::Horizontal;

  switch (course) {
    case Course::Horizontal: {
      const int h = before == Course::Horizontal ? connector.box.height() : cross;
      out.box = QRect(s.x(), s.y() - h / 2, dx, h);
      break;
    }
    case Course::Vertical: {
      const int w = before == Course::Vertical ? connector.box.width() : cross;
      out.box = QRect(s.x() - w / 2, s.y(), w, dy);
      break;
    }
    case Course::Falling: out.box = QRect(s.x(), s.y(), dx, dy); break;
    case Course::Rising: out.box = QRect(s.x(), e.y(), dx, -dy); break;
  }
  out.direction = course == before ? connector.direction : DirectionOf(course);
  if (swapped && connector.kind == FigureKind::Arrow) {
    if (connector.heads == apLeft) out.heads = apRight;
    else if (connector.heads == apRight) out.heads = apLeft;
  }
  return out;
}

bool RunsCross(QPoint a, QPoint b, QPoint c, QPoint d) {
  const auto cross = [](QPoint o, QPoint p, QPoint q) {
    return int64_t{p.x() - o.x()} * (q.y() - o.y()) - int64_t{p.y() - o.y()} * (q.x() - o.x());
  };
  const auto sign = [](int64_t v) { return (v > 0) - (v < 0); };
  return sign(cross(a, b, c)) * sign(cross(a, b, d)) < 0 && sign(cross(c, d, a)) * sign(cross(c, d, b)) < 0;
}

}  // namespace connectors
