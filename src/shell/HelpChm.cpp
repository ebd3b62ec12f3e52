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

namespace {

quint64 Quad(const QByteArray& data, qsizetype at) {
  quint64 v = 0;
  for (int i = 7; i >= 0; --i) v = (v << 8) | static_cast<quint8>(data[at + i]);
  return v;
}

quint32 Long(const QByteArray& data, qsizetype at) {
  return static_cast<quint32>(Word(data, at)) | (static_cast<quint32>(Word(data, at + 2)) << 16);
}

// Sums that a hostile header could make wrap are refused instead.
bool Add(quint64 a, quint64 b, quint64& sum) {
  if (a > std::numeric_limits<quint64>::max() - b) return false;
  sum = a + b;
  return true;
}

constexpr int kHeaderV2 = 0x58;
constexpr int kHeaderV3 = 0x60;
const char* const kCompressedContent = "::DataSpace/Storage/MSCompressed/Content";

}  // namespace

std::optional<ChmLayout> ParseChmHeader(const QByteArray& header) {
  // "ITSF", version, header length, ..., then the header section and the directory as 64-bit
  // offset and length pairs at 0x38; version 3 adds the content offset at 0x58, version 2 has
  // the content straight after the directory.
  if (header.size() < kHeaderV2 || !header.startsWith("ITSF")) return std::nullopt;
  const quint32 version = Long(header, 4);
  ChmLayout layout;
  if (!Add(Quad(header, 0x48), Quad(header, 0x50), layout.directoryEnd)) return std::nullopt;
  if (version >= 3) {
    if (header.size() < kHeaderV3) return std::nullopt;
    layout.contentStart = Quad(header, 0x58);
  } else {
    layout.contentStart = layout.directoryEnd;
  }
  return layout;
}

ChmArchive::ChmArchive(const ChmApi& api, const QString& path) : api_(api), path_(path) {
  if (api_.Complete()) file_ = api_.open(QFile::encodeName(path).constData());
  if (!file_) return;
  QFile raw(path);
  if (raw.open(QIODevice::ReadOnly)) {
    fileSize_ = static_cast<quint64>(raw.size());
    layout_ = ParseChmHeader(raw.read(kHeaderV3));
  }
  ChmUnitInfo info{};
  if (layout_ && api_.resolve(file_, kCompressedContent, &info) == kChmResolveSuccess && info.space == 0)
    compressed_ = std::make_pair(info.start, info.length);
}

bool ChmArchive::InFile(quint64 offset, quint64 length) const {
  if (!layout_) return true;  // nothing to check against: the library's count decides
  quint64 start = 0, end = 0;
  return Add(layout_->contentStart, offset, start) && Add(start, length, end) && end <= fileSize_;
}

ChmArchive::~ChmArchive() {
  if (file_) api_.close(file_);
}

ChmObject ChmArchive::Fetch(const QString& objectPath) const {
  if (!file_) return {};
  // A directory cut short loses entries: what it does not find may well be there.
  const bool directoryWhole = !layout_ || layout_->directoryEnd <= fileSize_;
  const ChmObject lost{directoryWhole ? ChmRead::Missing : ChmRead::Damaged, {}};
  QByteArray name = objectPath.toUtf8();
  if (name.size() > 512) return {};
  ChmUnitInfo info{};
  if (api_.resolve(file_, name.constData(), &info) != kChmResolveSuccess) return lost;
  // Folders resolve too; they hold nothing to show.
  if (name.endsWith('/')) return {};
  if (!directoryWhole) return {ChmRead::Damaged, {}};
  if (info.length > static_cast<quint64>(std::numeric_limits<int>::max())) return {ChmRead::Damaged, {}};
  // Compressed objects need the compressed data of their blocks; all of it being there is the
  // check that stays true to the format without decoding it.
  const bool stored = info.space == 0 ? InFile(info.start, info.length)
                                      : !compressed_ || InFile(compressed_->first, compressed_->second);
  if (!stored) return {ChmRead::Damaged, {}};
  QByteArray data(static_cast<qsizetype>(info.length), Qt::Uninitialized);
  qint64 got = api_.retrieve(file_, &info, reinterpret_cast<unsigned char*>(data.data()), 0,
                             static_cast<qint64>(info.length));
  if (got != static_cast<qint64>(info.length)) return {ChmRead::Damaged, {}};
  return {ChmRead::Whole, data};
}

std::optional<QByteArray> ChmArchive::Read(const QString& objectPath) const {
  ChmObject object = Fetch(objectPath);
  if (object.status != ChmRead::Whole) return std::nullopt;
  return object.data;
}

ChmSystemInfo ChmArchive::System() const {
  std::optional<QByteArray> data = Read(QStringLiteral("/#SYSTEM"));
  return data ? ParseChmSystem(*data) : ChmSystemInfo{};
}

}  // namespace help
