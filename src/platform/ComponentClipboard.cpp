#include "ComponentClipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QStringList>

namespace componentclipboard {

const char* const kMimeType = "application/x-kedrin-figure";
unsigned short ClipboardFormatKD = 0;

void Put(const QByteArray& record, const QImage& picture) {
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(kMimeType), record);
  if (!picture.isNull()) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    data->setData(QStringLiteral("image/png"), png);
  }
  QGuiApplication::clipboard()->setMimeData(data);
}

std::optional<QByteArray> Get() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data || !data->hasFormat(QString::fromLatin1(kMimeType))) return std::nullopt;
  return data->data(QString::fromLatin1(kMimeType));
}

unsigned short RegisterClipboardFormat(const char* name) {
  // Formats registered by name get numbers from 0xC000 up, one per distinct name.
  static QStringList names;
  QString n = QString::fromLatin1(name);
  int i = names.indexOf(n);
  if (i < 0) {
    names << n;
    i = static_cast<int>(names.size()) - 1;
  }
  return static_cast<unsigned short>(0xC000 + i);
}

}  // namespace componentclipboard
