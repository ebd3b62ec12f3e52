#include "TKDLine.h"

#include "Regions.h"
#include "ShapeGeometry.h"

void TKDLine::SetOrientation(TArrowDirection value) {
  if (value == orientation_) return;
  orientation_ = value;
  CreateHandle();
  Changed();
}

int32_t TKDLine::CourseTag(TArrowDirection orientation) {
  return orientation == adTopToBottom ? 0 : static_cast<int32_t>(orientation) + 1;
}

int32_t TKDLine::Tag() const {
  return orientation_ == adTopToBottom ? TCustomKDTool::Tag() : CourseTag(orientation_);
}

void TKDLine::SetTag(int32_t v) {
  if (v >= 1 && v <= adRightToRight + 1) {
    TCustomKDTool::SetTag(0);
    SetOrientation(static_cast<TArrowDirection>(v - 1));
  } else {
    // Some other writer's own use of the Tag: kept as it is, the line falls.
    TCustomKDTool::SetTag(v);
  }
}

void TKDLine::ApplyOutline() {
  band_ = geom::LineBand(orientation_, Width(), Height());
  SetOutline(regions::Outline::Polygon(std::vector<QPoint>(band_.begin(), band_.end())));
}

void TKDLine::DrawTo(Canvas& c, int x, int y) const {
  TCustomKDTool::DrawTo(c, x, y);
  geom::Segment s = geom::LineSegment(orientation_, Width(), Height());
  c.MoveTo(s.from.x() + x, s.from.y() + y);
  c.LineTo(s.to.x() + x, s.to.y() + y);
}

double TKDLine::CourseDistance(QPointF p) const {
  return geom::DistanceToCourse(orientation_, Width(), Height(), p - QPointF(Left(), Top()));
}
