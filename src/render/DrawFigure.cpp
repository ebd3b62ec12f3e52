#include "DrawFigure.h"

#include <QString>
#include <vector>

#include "ShapeGeometry.h"

namespace render {

namespace {
using figures::Figure;
using figures::FigureKind;

void SetCanvasState(Canvas& c, const figures::FigureStyle& s) {
  c.Pen.Color = s.lineColor;
  c.Pen.Width = s.lineWidth;
  c.Pen.Style = s.lineStyle;
  c.Pen.Mode = pmCopy;
  c.Brush.Color = s.fillColor;
  c.Brush.Style = s.fillStyle;
  c.Font = s.font;
}

void DrawMark(Canvas& c, int w, int h, QPoint o, bool inner) {
  const geom::Box b = geom::MarkCircle(w, h);
  c.Ellipse(b.left + o.x(), b.top + o.y(), b.right + o.x(), b.bottom + o.y());
  if (inner) {
    const geom::Box i = geom::EndInnerCircle(w, h);
    c.Ellipse(i.left + o.x(), i.top + o.y(), i.right + o.x(), i.bottom + o.y());
  }
}

// One head and the shaft it sits on; with heads at both ends the shaft is drawn twice, alike.
void DrawArrow(Canvas& c, const Figure& f, int w, int h, QPoint s, QPoint e, QPoint t, bool back, QPoint o) {
  const geom::ArrowStyle style{f.arrow.thicknessRate, f.arrow.headLengthRate, f.style.lineWidth};
  const geom::ArrowHead head = geom::CalcArrowHead(s + o, e + o, t + o, back, f.direction, o.x(), o.y(), w, h, style);
  const geom::Segment shaft = geom::ArrowShaftLine(s + o, e + o, o.x(), o.y(), w, h);
  c.MoveTo(shaft.from.x(), shaft.from.y());
  c.LineTo(shaft.to.x(), shaft.to.y());
  const QPoint tri[3] = {head.tip, head.corner1, head.corner2};
  c.Polygon(tri, 3);
}
}  // namespace

void DrawFigure(Canvas& c, const Figure& f, QPoint o) {
  SetCanvasState(c, f.style);
  const QRect box = figures::LimitedBox(f.box);
  const int w = box.width(), h = box.height();
  switch (f.kind) {
    case FigureKind::Label:
      c.DrawText(QString::fromStdString(f.style.caption), o.x(), o.y(), o.x() + w, o.y() + h,
                 DT_CENTER | DT_WORDBREAK);
      return;
    case FigureKind::Begin:
    case FigureKind::End:
      DrawMark(c, w, h, o, f.kind == FigureKind::End);
      return;
    case FigureKind::Process: {
      const geom::RoundBox r = geom::ProcessShape(w, h);
      c.RoundRect(r.box.left + o.x(), r.box.top + o.y(), r.box.right + o.x(), r.box.bottom + o.y(), r.cornerWidth,
                  r.cornerHeight);
      return;
    }
    case FigureKind::Ellipse:
      c.Ellipse(o.x(), o.y(), o.x() + w, o.y() + h);
      return;
    case FigureKind::Rectangle:
      c.Rectangle(o.x(), o.y(), o.x() + w, o.y() + h);
      return;
    case FigureKind::Diamond: {
      std::vector<QPoint> pts;
      for (QPoint p : geom::DiamondPoints(w, h)) pts.push_back(p + o);
      c.Polygon(pts);
      return;
    }
    case FigureKind::Line: {
      const geom::Segment s = geom::LineSegment(f.direction, w, h);
      c.MoveTo(s.from.x() + o.x(), s.from.y() + o.y());
      c.LineTo(s.to.x() + o.x(), s.to.y() + o.y());
      return;
    }
    case FigureKind::Arrow: {
      const geom::ShaftPoints p = geom::ArrowShaft(f.direction, 0, 0, w, h);
      const TArrowPosition at = f.arrow.position;
      if (at == apLeft || at == apBoth) DrawArrow(c, f, w, h, p.start, p.end, p.startTip, false, o);
      if (at == apRight || at == apBoth) DrawArrow(c, f, w, h, p.start, p.end, p.endTip, true, o);
      return;
    }
  }
}

}  // namespace render
