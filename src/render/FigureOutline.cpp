#include "FigureOutline.h"

#include <vector>

#include "ControlCanvas.h"
#include "ShapeGeometry.h"

namespace render {

std::optional<regions::Outline> FigureOutline(const figures::Figure& f) {
  using figures::FigureKind;
  const QRect box = figures::LimitedBox(f.box);
  const int w = box.width(), h = box.height();
  switch (f.kind) {
    case FigureKind::Label:
    case FigureKind::Rectangle:
      return std::nullopt;
    case FigureKind::Begin:
    case FigureKind::End: {
      const geom::Box b = geom::MarkOutline(w, h);
      return regions::Outline::Ellipse(b.left, b.top, b.right, b.bottom);
    }
    case FigureKind::Process: {
      const geom::RoundBox r = geom::ProcessOutline(w, h);
      return regions::Outline::RoundRect(r.box.left, r.box.top, r.box.right, r.box.bottom, r.cornerWidth,
                                         r.cornerHeight);
    }
    case FigureKind::Ellipse: {
      const geom::Box b = geom::EllipseOutline(w, h);
      return regions::Outline::Ellipse(b.left, b.top, b.right, b.bottom);
    }
    case FigureKind::Diamond: {
      const auto pts = geom::DiamondOutline(w, h);
      return regions::Outline::Polygon(std::vector<QPoint>(pts.begin(), pts.end()));
    }
    case FigureKind::Line: {
      const auto band = geom::LineBand(f.direction, w, h);
      return regions::Outline::Polygon(std::vector<QPoint>(band.begin(), band.end()));
    }
    case FigureKind::Arrow: {
      const geom::ArrowStyle style{f.arrow.thicknessRate, f.arrow.headLengthRate, f.style.lineWidth};
      const auto pts = geom::ArrowOutline(f.direction, f.arrow.position, w, h, style);
      // Heads from hostile rates reach far beyond the box: clipped near it when built.
      return regions::Outline::Polygon(std::vector<QPoint>(pts.begin(), pts.end()), QRect(0, 0, w, h));
    }
  }
  return std::nullopt;
}

bool FigureHit(const figures::Figure& f, QPoint p) {
  const QRect box = figures::LimitedBox(f.box);
  if (box.contains(p)) {
    const std::optional<regions::Outline> outline = FigureOutline(f);
    if (!outline) return true;
    const QRegion region = regions::Build(*outline);
    if (region.isEmpty() || region.contains(p - box.topLeft())) return true;
  }
  // A thin line is hard to hit on its pixels: lines and arrows also take presses near their course.
  // An empty box is in no spatial index, so nothing finds it there.
  if (f.kind != figures::FigureKind::Line && f.kind != figures::FigureKind::Arrow) return false;
  if (box.isEmpty()) return false;
  const QPointF own = QPointF(p) - QPointF(box.topLeft());
  return geom::DistanceToCourse(f.direction, box.width(), box.height(), own) <= TControlCanvas::kCourseReach;
}

}  // namespace render
