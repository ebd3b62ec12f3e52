#include "TKDLine.h"

#include "Regions.h"
#include "ShapeGeometry.h"

void TKDLine::SetOrientation(TArrowDirection value) {
  if (value == orientation_) return;
  orientation_ = value;
  CreateHandle();
  Invalidate();
}

void TKDLine::ApplyOutline() {
  band_ = geom::LineBand(orientation_, Width(), Height());
  SetWindowRgn(this, regions::CreatePolygonRgn(std::vector<QPoint>(band_.begin(), band_.end())));
}

void TKDLine::Paint(Canvas& c) {
  geom::Segment s = geom::LineSegment(orientation_, Width(), Height());
  c.MoveTo(s.from.x(), s.from.y());
  c.LineTo(s.to.x(), s.to.y());
}

void TKDLine::DrawTo(Canvas& c, int x, int y) const {
  TCustomKDTool::DrawTo(c, x, y);
  geom::Segment s = geom::LineSegment(orientation_, Width(), Height());
  c.MoveTo(s.from.x() + x, s.from.y() + y);
  c.LineTo(s.to.x() + x, s.to.y() + y);
}
