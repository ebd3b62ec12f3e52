#include "RepaintBatch.h"

#include <QHash>
#include <QTimer>
#include <QWidget>

namespace repaint {

namespace {
struct Pending {
  QPointer<QWidget> parent;
  QRect area;
};
QHash<const QWidget*, Pending>& Areas() {
  static QHash<const QWidget*, Pending> areas;
  return areas;
}
bool g_scheduled = false;
}  // namespace

void Flush() {
  g_scheduled = false;
  QHash<const QWidget*, Pending> areas;
  areas.swap(Areas());
  for (const Pending& p : areas)
    if (p.parent) p.parent->update(p.area);
}

void Invalidate(QWidget* control) { Invalidate(control, control->rect()); }

void Invalidate(QWidget* control, const QRect& localRect) {
  QWidget* parent = control->parentWidget();
  if (!parent || control->isWindow()) {
    control->update(localRect);
    return;
  }
  if (!control->isVisible()) return;
  Pending& p = Areas()[parent];
  p.parent = parent;
  p.area = p.area.united(localRect.translated(control->pos()));
  if (!g_scheduled) {
    g_scheduled = true;
    QTimer::singleShot(0, [] { Flush(); });
  }
}

}  // namespace repaint

BulkShow::BulkShow(QWidget* parent) {
  if (parent && parent->isVisible() && !QWidget::mouseGrabber()) {
    parent->grabMouse();
    grabbed_ = parent;
  }
}

BulkShow::~BulkShow() {
  if (grabbed_ && QWidget::mouseGrabber() == grabbed_) grabbed_->releaseMouse();
}
