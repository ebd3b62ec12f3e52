#include "HelpChm.h"

#include <QFile>
#include <limits>

#include "LibraryLoader.h"

namespace help {

ChmApi ResolveChmApi(void* library) {
  ChmApi api;
  api.open = reinterpret_cast<decltype(api.open)>(libloader::GetProcAddress(library, "chm_open"));
  api.close = reinterpret_cast<decltype(api.close)>(libloader::GetProcAddress(library, "chm_close"));
  api.resolve = reinterpret_cast<decltype(api.resolve)>(
      libloader::GetProcAddress(library, "chm_resolve_object"));
  api.retrieve = reinterpret_cast<decltype(api.retrieve)>(
      libloader::GetProcAddress(library, "chm_retrieve_object"));
  return api;
}

namespace {

quint16 Word(const QByteArray& data, qsizetype at) {
  return static_cast<quint16>(static_cast<quint8>(data[at]) | (static_cast<quint8>(data[at + 1]) << 8));
}

// Record texts are zero-terminated in the code page of the help file; ours are ASCII file names
// and an English title, so Latin-1 never misreads them.
QString RecordText(const QByteArray& record) {
  qsizetype end = record.indexOf('\0');
  return QString::fromLatin1(end < 0 ? record : record.left(end));
}

}  // namespace

ChmSystemInfo ParseChmSystem(const QByteArray& data) {
  ChmSystemInfo info;
  // A 32-bit version, then records of a 16-bit code, a 16-bit length and the data.
  qsizetype at = 4;
  while (at + 4 <= data.size()) {
    quint16 code = Word(data, at);
    quint16 length = Word(data, at + 2);
    at += 4;
    if (length > data.size() - at) break;
    QByteArray record = data.mid(at, length);
    at += length;
    switch (code) {
      case 0: info.contentsFile = RecordText(record); break;
      case 2: info.defaultTopic = RecordText(record); break;
      case 3: info.title = RecordText(record); break;
      default: break;
    }
  }
  return info;
}

ChmArchive::ChmArchive(const ChmApi& api, const QString& path) : api_(api), path_(path) {
  if (api_.Complete()) file_ = api_.open(QFile::encodeName(path).constData());
}

ChmArchive::~ChmArchive() {
  if (file_) api_.close(file_);
}

std::optional<QByteArray> ChmArchive::Read(const QString& objectPath) const {
  if (!file_) return std::nullopt;
  QByteArray name = objectPath.toUtf8();
  if (name.size() > 512) return std::nullopt;
  ChmUnitInfo info{};
  if (api_.resolve(file_, name.constData(), &info) != kChmResolveSuccess) return std::nullopt;
  // Folders resolve too; they hold nothing to show.
  if (name.endsWith('/')) return std::nullopt;
  if (info.length > static_cast<quint64>(std::numeric_limits<int>::max())) return std::nullopt;
  QByteArray data(static_cast<qsizetype>(info.length), Qt::Uninitialized);
  qint64 got = api_.retrieve(file_, &info, reinterpret_cast<unsigned char*>(data.data()), 0,
                             static_cast<qint64>(info.length));
  if (got < 0) return std::nullopt;
  data.truncate(static_cast<qsizetype>(got));
  return data;
}

ChmSystemInfo ChmArchive::System() const {
  std::optional<QByteArray> data = Read(QStringLiteral("/#SYSTEM"));
  return data ? ParseChmSystem(*data) : ChmSystemInfo{};
}

}  // namespace help
