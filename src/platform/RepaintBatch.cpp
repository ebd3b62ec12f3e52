#include "RepaintBatch.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include "Canvas.h"

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

namespace {
// Far more than the pictures of every figure a screen can show at once.
constexpr qint64 kKeptBudget = 64 * 1024 * 1024;

struct Kept {
  QByteArray key;
  QSize size;
  QImage picture;  // null until the same key has been painted twice
};
QHash<const QWidget*, Kept>& KeptPictures() {
  static QHash<const QWidget*, Kept> kept;
  return kept;
}
qint64 g_keptBytes = 0;

void Release(Kept& k) {
  g_keptBytes -= k.picture.sizeInBytes();
  k.picture = QImage();
}
}  // namespace

bool PaintKept(QWidget* control, QPainter& painter, const QByteArray& key,
               const std::function<void(QPainter&)>& draw) {
  const QSize size = control->size();
  if (size.isEmpty() || !Canvas::DrawsPixels(painter)) return false;
  Kept& k = KeptPictures()[control];
  if (k.key != key || k.size != size) {
    // Changed, or painted for the first time: drawn directly; a second paint like it keeps it.
    Release(k);
    k.key = key;
    k.size = size;
    return false;
  }
  if (k.picture.isNull()) {
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    if (g_keptBytes + picture.sizeInBytes() > kKeptBudget) return false;
    // Text is measured at the resolution of the surface painted on.
    if (const QPaintDevice* device = painter.device()) {
      picture.setDotsPerMeterX(qRound(device->logicalDpiX() / 0.0254));
      picture.setDotsPerMeterY(qRound(device->logicalDpiY() / 0.0254));
    }
    QPainter onPicture(&picture);
    draw(onPicture);
    onPicture.end();
    k.picture = std::move(picture);
    g_keptBytes += k.picture.sizeInBytes();
  }
  painter.drawImage(0, 0, k.picture);
  return true;
}

void ForgetKept(const QWidget* control) {
  auto it = KeptPictures().find(control);
  if (it == KeptPictures().end()) return;
  Release(*it);
  KeptPictures().erase(it);
}

qint64 KeptBytes() { return g_keptBytes; }

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
