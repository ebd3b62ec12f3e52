#include "TImage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

#include "ZoomMapping.h"

namespace {
TShiftState ShiftOf(const QMouseEvent& e) {
  TShiftState s = 0;
  if (e.modifiers() & Qt::ShiftModifier) s |= ssShift;
  if (e.modifiers() & Qt::ControlModifier) s |= ssCtrl;
  if (e.modifiers() & Qt::AltModifier) s |= ssAlt;
  if (e.buttons() & Qt::LeftButton) s |= ssLeft;
  if (e.buttons() & Qt::RightButton) s |= ssRight;
  if (e.buttons() & Qt::MiddleButton) s |= ssMiddle;
  return s;
}

TMouseButton ButtonOf(const QMouseEvent& e) {
  switch (e.button()) {
    case Qt::RightButton: return mbRight;
    case Qt::MiddleButton: return mbMiddle;
    default: return mbLeft;
  }
}
}  // namespace

TImage::TImage(QWidget* canvas) {
  if (canvas) SetParentControl(canvas);
}

QSize TImage::NewPictureSize() const {
  QSize s = PictureSizeSource ? PictureSizeSource() : size();
  return s.expandedTo(QSize(1, 1));
}

QImage& TImage::Picture() {
  if (!picture_) {
    picture_.emplace(NewPictureSize(), QImage::Format_RGB32);
    picture_->fill(Qt::white);
  }
  return *picture_;
}

void TImage::DrawOnPicture(const std::function<void(Canvas&)>& draw, const QRect& changed) {
  QImage& picture = Picture();
  {
    QPainter painter(&picture);
    Canvas canvas(&painter);
    canvas.Pen = PicturePen;
    canvas.Brush = PictureBrush;
    draw(canvas);
    PicturePen = canvas.Pen;
    PictureBrush = canvas.Brush;
  }
  InvalidateReach(changed.adjusted(-1, -1, 1, 1));
}

QPoint TImage::GlobalOfCanvasPoint(QPoint canvas) const {
  const double zoom = Zoom();
  return mapToGlobal(QPoint(zoommap::ToWidget(canvas.x(), zoom), zoommap::ToWidget(canvas.y(), zoom)));
}

void TImage::PaintControl(QPainter& painter) {
  if (!picture_) return;
  const double zoom = Zoom();
  // The picture is kept in canvas pixels and shown at the zoom.
  const QRect shown = painter.clipBoundingRect().toAlignedRect();
  QRect area = zoom == 1.0 ? shown
                           : QRect(zoommap::ToCanvas(QPointF(shown.topLeft()), zoom),
                                   zoommap::ToCanvas(QPointF(shown.bottomRight()), zoom));
  area = area.intersected(picture_->rect());
  if (area.isEmpty()) return;
  // White is transparent: only what was drawn on the picture shows over the box colour.
  QImage part = picture_->copy(area).convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < part.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
    for (int x = 0; x < part.width(); ++x)
      if ((line[x] & 0x00FFFFFF) == 0x00FFFFFF) line[x] = 0;
  }
  if (zoom != 1.0) painter.scale(zoom, zoom);
  painter.drawImage(area.topLeft(), part);
}

void TImage::mousePressEvent(QMouseEvent* event) {
  const QPoint p = zoommap::ToCanvas(event->position(), Zoom());
  if (OnMouseDown) OnMouseDown(nullptr, ButtonOf(*event), ShiftOf(*event), p.x(), p.y());
}

void TImage::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = zoommap::ToCanvas(event->position(), Zoom());
  if (OnMouseMove) OnMouseMove(ShiftOf(*event), p.x(), p.y());
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint p = zoommap::ToCanvas(event->position(), Zoom());
  if (OnMouseUp) OnMouseUp(nullptr, ButtonOf(*event), ShiftOf(*event), p.x(), p.y());
}
