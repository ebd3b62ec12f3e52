#include "ComponentClipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringList>
#include <QTimer>

namespace componentclipboard {

const char* const kMimeType = "application/x-kedrin-figure";
unsigned short ClipboardFormatKD = 0;

namespace {
struct Pending {
  QByteArray record;
  std::function<QImage()> picture;
};
std::optional<Pending> g_pending;
bool g_flushScheduled = false;
}  // namespace

void Flush() {
  g_flushScheduled = false;
  if (!g_pending) return;
  Pending pending = std::move(*g_pending);
  g_pending.reset();
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(kMimeType), pending.record);
  if (pending.picture) {
    QImage image = pending.picture();
    if (!image.isNull()) {
      QByteArray png;
      QBuffer buffer(&png);
      buffer.open(QIODevice::WriteOnly);
      image.save(&buffer, "PNG");
      data->setData(QStringLiteral("image/png"), png);
    }
  }
  QGuiApplication::clipboard()->setMimeData(data);
}

void Discard() { g_pending.reset(); }

void Put(const QByteArray& record, std::function<QImage()> picture) {
  g_pending = Pending{record, std::move(picture)};
  if (!g_flushScheduled) {
    g_flushScheduled = true;
    QTimer::singleShot(0, [] { Flush(); });
  }
}

std::optional<QByteArray> Get() {
  if (g_pending) return g_pending->record;
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasFormat(QString::fromLatin1(kMimeType))) return std::nullopt;
  return data->data(QString::fromLatin1(kMimeType));
}

unsigned short RegisterClipboardFormat(const char* name) {
  // Formats registered by name get numbers from 0xC000 up, one per distinct name.
  static QStringList names;
  QString n = QString::fromLatin1(name);
  qsizetype i = names.indexOf(n);
  if (i < 0) {
    names << n;
    i = names.size() - 1;
  }
  return static_cast<unsigned short>(0xC000 + i);
}

}  // namespace componentclipboard
