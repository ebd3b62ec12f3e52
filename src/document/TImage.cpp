#include "TImage.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

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

TImage::TImage(QWidget* parent) : QWidget(nullptr) {
  // Marked before it joins the parent, so that the parent knows it at once as the child that
  // fills it.
  setProperty("fillsParent", true);
  if (parent) {
    setParent(parent);
    show();
  }
  setAttribute(Qt::WA_OpaquePaintEvent, false);
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
  update(changed.adjusted(-1, -1, 1, 1));
}

void TImage::paintEvent(QPaintEvent* event) {
  if (!picture_) return;
  QRect area = event->rect().intersected(picture_->rect());
  if (area.isEmpty()) return;
  // White is transparent: only what was drawn on the picture shows over the box colour.
  QImage part = picture_->copy(area).convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < part.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(part.scanLine(y));
    for (int x = 0; x < part.width(); ++x)
      if ((line[x] & 0x00FFFFFF) == 0x00FFFFFF) line[x] = 0;
  }
  QPainter p(this);
  p.drawImage(area.topLeft(), part);
}

void TImage::mousePressEvent(QMouseEvent* event) {
  QPoint p = event->position().toPoint();
  if (OnMouseDown) OnMouseDown(nullptr, ButtonOf(*event), ShiftOf(*event), p.x(), p.y());
}

void TImage::mouseMoveEvent(QMouseEvent* event) {
  QPoint p = event->position().toPoint();
  if (OnMouseMove) OnMouseMove(ShiftOf(*event), p.x(), p.y());
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
  QPoint p = event->position().toPoint();
  if (OnMouseUp) OnMouseUp(nullptr, ButtonOf(*event), ShiftOf(*event), p.x(), p.y());
}
