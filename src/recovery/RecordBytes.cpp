#include "RecordBytes.h"

#include <algorithm>
#include <exception>

#include <QFile>

#include "ByteStream.h"
#include "CustomKDTool.h"
#include "DeviceStream.h"
#include "DiagramFile.h"
#include "RegularFile.h"
#include "Writer.h"

namespace recordbytes {

namespace {

// Appends straight into the array the writer fills, so the records are never copied again.
class AppendStream final : public ByteStream {
 public:
  explicit AppendStream(QByteArray& bytes) : bytes_(bytes) {}
  size_t Read(void*, size_t) override { return 0; }
  void Write(const void* buffer, size_t count) override {
    bytes_.append(static_cast<const char*>(buffer), static_cast<qsizetype>(count));
  }
  int64_t Position() const override { return bytes_.size(); }
  void Seek(int64_t) override {}
  int64_t Size() const override { return bytes_.size(); }

 private:
  QByteArray& bytes_;
};

}  // namespace

QByteArray Serialise(std::span<const Persistent* const> records, qsizetype sizeHint) {
  QByteArray bytes;
  // Room for all of it up front: grown step by step, a copy of thousands of figures is moved
  // again at every step once the heap is broken up by the figure widgets, which costs more than
  // writing it (three times over for 10,000 figures in a document window). Room never touched
  // costs nothing.
  bytes.reserve(std::max(sizeHint, static_cast<qsizetype>(records.size()) * kRoomPerRecord));
  AppendStream stream(bytes);
  TWriter writer(stream);
  for (const Persistent* record : records) writer.WriteShape(*record);
  writer.FlushBuffer();
  return bytes;
}

Check Read(const QByteArray& bytes) {
  Check check;
  MemoryStream stream(bytes.constData(), static_cast<size_t>(bytes.size()));
  try {
    diagramfile::ReadRecords(stream, [&](std::unique_ptr<TCustomKDTool>) { ++check.figures; });
  } catch (const std::exception& e) {
    check.error = QString::fromUtf8(e.what());
  }
  return check;
}

Check ReadFile(const QString& path) {
  Check check;
  try {
    QFile file;
    // Unbuffered: each record's reader reads ahead on its own.
    regularfile::Open(file, path, QIODevice::ReadOnly | QIODevice::Unbuffered, regularfile::Links::Refuse);
    DeviceStream stream(file);
    diagramfile::ReadRecords(stream, [&](std::unique_ptr<TCustomKDTool>) { ++check.figures; });
  } catch (const std::bad_alloc&) {
    check.error = QStringLiteral("Out of memory");
  } catch (const std::exception& e) {
    check.error = QString::fromUtf8(e.what());
  }
  return check;
}

}  // namespace recordbytes
