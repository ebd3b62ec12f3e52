// Drawing and outlines of the seven closed figures: DrawTo draws the shape shifted by (x, y).
#include <QString>

#include "CaptionReach.h"
#include "Regions.h"
#include "ShapeGeometry.h"
#include "TKDBegin.h"
#include "TKDDiamond.h"
#include "TKDEllipse.h"
#include "TKDEnd.h"
#include "TKDLabel.h"
#include "TKDProcess.h"
#include "TKDRectangle.h"

namespace {
void DrawCaption(const TCustomKDTool& f, Canvas& c, int x, int y) {
  c.DrawText(QString::fromStdString(f.Caption()), x, y, x + f.Width(), y + f.Height(),
             DT_CENTER | DT_WORDBREAK);
}

void DrawMark(Canvas& c, int w, int h, int x, int y, bool inner) {
  geom::Box b = geom::MarkCircle(w, h);
  c.Ellipse(b.left + x, b.top + y, b.right + x, b.bottom + y);
  if (inner) {
    geom::Box i = geom::EndInnerCircle(w, h);
    c.Ellipse(i.left + x, i.top + y, i.right + x, i.bottom + y);
  }
}

void DrawProcess(Canvas& c, int w, int h, int x, int y) {
  geom::RoundBox r = geom::ProcessShape(w, h);
  c.RoundRect(r.box.left + x, r.box.top + y, r.box.right + x, r.box.bottom + y, r.cornerWidth,
              r.cornerHeight);
}

void DrawDiamond(Canvas& c, int w, int h, int x, int y) {
  std::vector<QPoint> pts;
  for (QPoint p : geom::DiamondPoints(w, h)) pts.push_back(p + QPoint(x, y));
  c.Polygon(pts);
}

void ApplyMarkOutline(TCustomKDTool* w) {
  geom::Box b = geom::MarkOutline(w->Width(), w->Height());
  w->SetOutline(regions::Outline::Ellipse(b.left, b.top, b.right, b.bottom));
}
}  // namespace

QMargins TKDLabel::ReachMargins() const {
  return TCustomKDTool::ReachMargins() + CaptionReach(QString::fromStdString(Caption()), Font(), Width(), Height());
}

void TKDLabel::DrawTo(Canvas& c, int x, int y) const {
  TCustomKDTool::DrawTo(c, x, y);
  DrawCaption(*this, c, x, y);
}

void TKDBegin::DrawTo(Canvas& c, int x, int y) const {
  TCustomKDTool::DrawTo(c, x, y);
  DrawMark(c, Width(), Height(), x, y, false);
}
void TKDBegin::ApplyOutline() { ApplyMarkOutline(this); }

void TKDEnd::DrawTo(Canvas& c, int x, int y) const {
  TCustomKDTool::DrawTo(c, x, y);
  DrawMark(c, Width(), Height(), x, y, true);
}
void TKDEnd::ApplyOutline() { ApplyMarkOutline(this); }

void TKDProcess::DrawTo(Canvas& c, int x, int y) const {
  TCustomKDTool::DrawTo(c, x, y);
  DrawProcess(c, Width(), Height(), x, y);
}
void TKDProcess::ApplyOutline() {
  geom::RoundBox r = geom::ProcessOutline(Width(), Height());
  SetOutline(regions::Outline::RoundRect(r.box.left, r.box.top, r.box.right, r.box.bottom, r.cornerWidth,
                                         r.cornerHeight));
}

void TKDEllipse::DrawTo(Canvas& c, int x, int y) const {
  TCustomKDTool::DrawTo(c, x, y);
  c.Ellipse(x, y, x + Width(), y + Height());
}
void TKDEllipse::ApplyOutline() {
  geom::Box b = geom::EllipseOutline(Width(), Height());
  SetOutline(regions::Outline::Ellipse(b.left, b.top, b.right, b.bottom));
}

void TKDRectangle::DrawTo(Canvas& c, int x, int y) const {
  TCustomKDTool::DrawTo(c, x, y);
  c.Rectangle(x, y, x + Width(), y + Height());
}

void TKDDiamond::DrawTo(Canvas& c, int x, int y) const {
  TCustomKDTool::DrawTo(c, x, y);
  DrawDiamond(c, Width(), Height(), x, y);
}
void TKDDiamond::ApplyOutline() {
  auto pts = geom::DiamondOutline(Width(), Height());
  SetOutline(regions::Outline::Polygon(std::vector<QPoint>(pts.begin(), pts.end())));
}
