#include "DiagramFile.h"

#include <QCryptographicHash>
#include <QFile>

#include "CustomKDTool.h"
#include "DeviceStream.h"
#include "Errors.h"
#include "ReadAheadStream.h"
#include "Reader.h"
#include "RegularFile.h"
#include "WholeFile.h"
#include "Writer.h"

namespace diagramfile {

namespace {

// Hashes the bytes of the stream underneath once each, in order, as the read-ahead reads them
// (windows may overlap where a record's reader went back); a jump forward leaves the digest
// unknown.
class DigestStream final : public ByteStream {
 public:
  explicit DigestStream(ByteStream& source) : source_(source), hash_(QCryptographicHash::Sha1) {}

  size_t Read(void* buffer, size_t count) override {
    const int64_t from = source_.Position();
    const size_t n = source_.Read(buffer, count);
    const int64_t to = from + static_cast<int64_t>(n);
    if (from > hashed_) gap_ = true;
    if (!gap_ && to > hashed_) {
      hash_.addData(QByteArrayView(static_cast<const char*>(buffer) + (hashed_ - from), to - hashed_));
      hashed_ = to;
    }
    return n;
  }
  void Write(const void* buffer, size_t count) override { source_.Write(buffer, count); }
  int64_t Position() const override { return source_.Position(); }
  void Seek(int64_t position) override { source_.Seek(position); }
  int64_t Size() const override { return source_.Size(); }

  // The digest of the whole stream, when every byte of it went through in order.
  QByteArray Digest() const { return !gap_ && hashed_ == Size() ? hash_.result() : QByteArray(); }

 private:
  ByteStream& source_;
  QCryptographicHash hash_;
  int64_t hashed_ = 0;
  bool gap_ = false;
};

}  // namespace

FileStamp Write(const QString& fileName, std::span<const Persistent* const> records) {
  return wholefile::Write(
      fileName,
      [&](QIODevice& file) {
        DeviceStream stream(file);
        TWriter writer(stream);
        for (const Persistent* record : records) writer.WriteShape(*record);
        writer.FlushBuffer();
        return true;
      },
      {.digest = true});
}

int ReadRecords(ByteStream& stream, const FigureSink& onFigure, const RecordDone& afterRecord) {
  RegisterFigureClasses();
  int count = 0;
  // One read-ahead buffer for every record; a record is a few hundred bytes, so reading far
  // ahead of it would only copy what the next reader reads again.
  std::vector<uint8_t> buffer(1024);
  while (stream.Position() < stream.Size()) {
    std::unique_ptr<Persistent> object;
    try {
      TReader reader(stream, buffer);
      object = reader.ReadShape();
    } catch (...) {
      // The reader has been released, leaving the position after what it consumed.
      if (afterRecord) afterRecord(stream.Position(), stream.Size());
      throw;
    }
    if (auto* figure = dynamic_cast<TCustomKDTool*>(object.get())) {
      object.release();
      ++count;
      onFigure(std::unique_ptr<TCustomKDTool>(figure));
    }
    if (afterRecord) afterRecord(stream.Position(), stream.Size());
  }
  return count;
}

int Read(const QString& fileName, const FigureSink& onFigure, const RecordDone& afterRecord, FileStamp* stamp) {
  // Unbuffered: the read-ahead window is the only buffer. Each record's reader reads ahead and
  // seeks back, which on the file itself costs two system calls per record.
  QFile file;
  regularfile::Open(file, fileName, QIODevice::ReadOnly | QIODevice::Unbuffered);
  const FileStamp before = stamp ? FileStamp::Of(fileName) : FileStamp();
  DeviceStream device(file);
  DigestStream digest(device);
  ReadAheadStream stream(digest);
  const int count = ReadRecords(stream, onFigure, afterRecord);
  if (stamp) {
    *stamp = before;
    // Changed while it was read: what was read is no known state of the file.
    if (FileStamp::Of(fileName).SameMetadata(before)) stamp->digest = digest.Digest();
  }
  return count;
}

}  // namespace diagramfile
