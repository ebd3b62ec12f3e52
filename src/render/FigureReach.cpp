#include "FigureReach.h"

#include <QMargins>
#include <QString>
#include <algorithm>

#include "CaptionReach.h"
#include "ShapeGeometry.h"

namespace render {

namespace {
constexpr int kMaxReach = 4096;

QMargins ArrowHeadsReach(const figures::Figure& f, int w, int h) {
  const geom::ArrowStyle style{f.arrow.thicknessRate, f.arrow.headLengthRate, f.style.lineWidth};
  int64_t left = 0, top = 0, right = w, bottom = h;
  for (const QPoint& p : geom::ArrowOutline(f.direction, f.arrow.position, w, h, style)) {
    left = std::min<int64_t>(left, p.x());
    top = std::min<int64_t>(top, p.y());
    right = std::max<int64_t>(right, p.x());
    bottom = std::max<int64_t>(bottom, p.y());
  }
  auto cap = [](int64_t v) { return static_cast<int>(std::min<int64_t>(v, kMaxReach)); };
  return QMargins(cap(-left), cap(-top), cap(right - w), cap(bottom - h));
}
}  // namespace

QRect FigureReach(const figures::Figure& f) {
  const QRect box = figures::LimitedBox(f.box);
  // A wide pen is laid on the outline's middle; one pixel more for the platform's rounding.
  const int pen = std::clamp(f.style.lineWidth, 0, kMaxReach) + 2;
  QMargins margins(pen, pen, pen, pen);
  if (f.kind == figures::FigureKind::Label)
    margins += CaptionReach(QString::fromStdString(f.style.caption), f.style.font, box.width(), box.height());
  else if (f.kind == figures::FigureKind::Arrow)
    margins += ArrowHeadsReach(f, box.width(), box.height());
  return box.marginsAdded(margins);
}

}  // namespace render
