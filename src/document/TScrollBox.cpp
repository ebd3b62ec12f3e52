#include "TScrollBox.h"

#include <QChildEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "DragScroller.h"
#include "QtConvert.h"

TCanvasSurface::TCanvasSurface(QWidget* parent) : QWidget(parent) {
  setProperty("canvasColor", QColor(Qt::white));
  // Takes the focus when the canvas is pressed, which ends any selection.
  setFocusPolicy(Qt::ClickFocus);
}

void TCanvasSurface::EnsureContains(const QRect& rect) {
  int w = std::max(width(), rect.x() + rect.width());
  int h = std::max(height(), rect.y() + rect.height());
  if (w != width() || h != height()) resize(w, h);
}

void TCanvasSurface::Refit() {
  QSize size(0, 0);
  if (auto* area = qobject_cast<QScrollArea*>(parentWidget() ? parentWidget()->parentWidget() : nullptr))
    size = area->viewport()->size();
  for (QObject* o : children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (!w || w->isHidden() || FillsSurface(w)) continue;
    size = size.expandedTo(QSize(w->x() + w->width(), w->y() + w->height()));
  }
  resize(size);
}

bool TCanvasSurface::FillsSurface(const QObject* child) const {
  for (const QPointer<QWidget>& f : fillers_)
    if (f == child) return true;
  return false;
}

void TCanvasSurface::childEvent(QChildEvent* event) {
  if (event->added()) {
    if (auto* w = qobject_cast<QWidget*>(event->child())) {
      w->installEventFilter(this);
      if (w->property("fillsParent").toBool()) {
        fillers_.emplace_back(w);
        w->setGeometry(rect());
      } else {
        Insert(w, w->geometry());
        EnsureContains(w->geometry());
      }
    }
  } else if (event->removed()) {
    // The child may be half destroyed: only its address is used.
    Remove(event->child());
  }
  QWidget::childEvent(event);
}

bool TCanvasSurface::eventFilter(QObject* watched, QEvent* event) {
  if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && watched->parent() == this) {
    auto* w = static_cast<QWidget*>(watched);
    if (!FillsSurface(w)) {
      Update(w, w->geometry());
      EnsureContains(w->geometry());
    }
  }
  return false;
}

void TCanvasSurface::resizeEvent(QResizeEvent* event) {
  for (const QPointer<QWidget>& f : fillers_)
    if (f) f->setGeometry(rect());
  QWidget::resizeEvent(event);
}

void TCanvasSurface::SetColor(const QColor& color) {
  // A property rather than a palette: a palette would be inherited by every child, and each
  // inheritance asks that child for a repaint of its own.
  setProperty("canvasColor", color);
  update();
}

void TCanvasSurface::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.fillRect(event->rect(), property("canvasColor").value<QColor>());
}

TScrollBox::TScrollBox(QWidget* parent)
    : QScrollArea(parent), surface_(new TCanvasSurface), scroller_(new DragScroller(this)) {
  setWidgetResizable(false);
  setFrameShape(QFrame::StyledPanel);
  setFocusPolicy(Qt::NoFocus);
  setWidget(surface_);
  SetColor(clInfoBk);
}

void TScrollBox::SetColor(TColor color) {
  color_ = color;
  surface_->SetColor(ToQColor(color));
}

void TScrollBox::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  surface_->resize(surface_->size().expandedTo(viewport()->size()));
}
