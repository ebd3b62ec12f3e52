#include "TScrollBox.h"

#include <QChildEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include "QtConvert.h"

TCanvasSurface::TCanvasSurface(QWidget* parent) : QWidget(parent) {
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
    if (!w || w->isHidden() || w->property("fillsParent").toBool()) continue;
    size = size.expandedTo(QSize(w->x() + w->width(), w->y() + w->height()));
  }
  resize(size);
}

void TCanvasSurface::childEvent(QChildEvent* event) {
  if (event->added()) {
    if (auto* w = qobject_cast<QWidget*>(event->child())) {
      w->installEventFilter(this);
      if (!w->property("fillsParent").toBool()) {
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
    if (!w->property("fillsParent").toBool()) {
      Update(w, w->geometry());
      EnsureContains(w->geometry());
    }
  }
  return false;
}

void TCanvasSurface::resizeEvent(QResizeEvent* event) {
  // Children that fill the surface (the canvas image) follow it.
  for (QObject* o : children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (w && w->property("fillsParent").toBool()) w->setGeometry(rect());
  }
  QWidget::resizeEvent(event);
}

void TCanvasSurface::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  p.fillRect(event->rect(), palette().color(QPalette::Window));
}

TScrollBox::TScrollBox(QWidget* parent) : QScrollArea(parent), surface_(new TCanvasSurface) {
  setWidgetResizable(false);
  setFrameShape(QFrame::StyledPanel);
  setFocusPolicy(Qt::NoFocus);
  setWidget(surface_);
  SetColor(clInfoBk);
}

void TScrollBox::SetColor(TColor color) {
  color_ = color;
  QPalette pal = surface_->palette();
  pal.setColor(QPalette::Window, ToQColor(color));
  surface_->setPalette(pal);
  QPalette vp = viewport()->palette();
  vp.setColor(QPalette::Window, ToQColor(color));
  viewport()->setPalette(vp);
  surface_->update();
}

void TScrollBox::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  surface_->resize(surface_->size().expandedTo(viewport()->size()));
}
