#include "DragScroller.h"

#include <QAbstractScrollArea>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace {
// Pixels per step for a pointer d pixels into the edge band or past it.
int Speed(int d) { return std::clamp(2 + d / 2, 2, 80); }
}  // namespace

DragScroller::DragScroller(QAbstractScrollArea* area) : QObject(area), area_(area) {
  setObjectName(QStringLiteral("dragScroller"));
  timer_.setInterval(kIntervalMs);
  connect(&timer_, &QTimer::timeout, this, &DragScroller::Tick);
}

DragScroller* DragScroller::Of(const QWidget* w) {
  for (; w; w = w->parentWidget())
    if (auto* area = qobject_cast<const QAbstractScrollArea*>(w))
      if (auto* scroller = area->findChild<DragScroller*>(QString(), Qt::FindDirectChildrenOnly)) return scroller;
  return nullptr;
}

QPoint DragScroller::Step(const QRect& visible, QPoint p) {
  auto axis = [](int v, int low, int high) {
    if (v < low + kEdge) return -Speed(low + kEdge - v);
    if (v >= high - kEdge) return Speed(v - (high - kEdge) + 1);
    return 0;
  };
  return {axis(p.x(), visible.left(), visible.left() + visible.width()),
          axis(p.y(), visible.top(), visible.top() + visible.height())};
}

void DragScroller::Begin(std::function<void(QPoint)> moved, QPoint globalPointer, bool grow) {
  moved_ = std::move(moved);
  grow_ = grow;
  pointer_ = globalPointer;
  timer_.start();
}

void DragScroller::Pointer(QPoint globalPointer) { pointer_ = globalPointer; }

void DragScroller::End() {
  timer_.stop();
  moved_ = nullptr;
}

void DragScroller::Tick() {
  if (!area_ || !moved_) return End();
  QWidget* viewport = area_->viewport();
  const QRect visible(viewport->mapToGlobal(QPoint(0, 0)), viewport->size());
  const QPoint step = Step(visible, pointer_);
  if (step.isNull()) return;
  QScrollBar* h = area_->horizontalScrollBar();
  QScrollBar* v = area_->verticalScrollBar();
  // Out of room to the right or below: the contents grow, as the canvas does for a figure
  // placed there.
  if (auto* scroll = qobject_cast<QScrollArea*>(area_.data()); grow_ && scroll && scroll->widget()) {
    QWidget* contents = scroll->widget();
    QSize size = contents->size();
    if (step.x() > 0 && h->value() + step.x() > h->maximum()) size.rwidth() += step.x();
    if (step.y() > 0 && v->value() + step.y() > v->maximum()) size.rheight() += step.y();
    if (size != contents->size()) contents->resize(size);
  }
  const int hBefore = h->value(), vBefore = v->value();
  h->setValue(hBefore + step.x());
  v->setValue(vBefore + step.y());
  if (h->value() != hBefore || v->value() != vBefore) moved_(pointer_);
}
