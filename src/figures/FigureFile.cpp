#include "FigureFile.h"

#include <algorithm>
#include <cstring>

#include "ByteStream.h"
#include "FigureRecord.h"
#include "Reader.h"
#include "StreamError.h"
#include "Writer.h"

namespace figures {

namespace {
// The caller's bytes as a stream, read in place.
class SpanStream final : public ByteStream {
 public:
  explicit SpanStream(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  size_t Read(void* buffer, size_t count) override {
    const size_t n = std::min(count, bytes_.size() - pos_);
    std::memcpy(buffer, bytes_.data() + pos_, n);
    pos_ += n;
    return n;
  }
  void Write(const void*, size_t) override { throw EStreamError("Stream write error"); }
  int64_t Position() const override { return static_cast<int64_t>(pos_); }
  void Seek(int64_t position) override { pos_ = static_cast<size_t>(std::clamp<int64_t>(position, 0, Size())); }
  int64_t Size() const override { return static_cast<int64_t>(bytes_.size()); }

 private:
  std::span<const uint8_t> bytes_;
  size_t pos_ = 0;
};
}  // namespace

FigureFileRead ReadFigures(ByteStream& stream) {
  FigureFileRead read;
  // Records are 300 bytes and more: one allocation for the values of a whole file, at most a
  // little more than the file's own size.
  read.figures.reserve(static_cast<size_t>(std::max<int64_t>(stream.Size() - stream.Position(), 0) / 256));
  try {
    while (stream.Position() < stream.Size()) {
      // Records are a few hundred bytes: a larger read-ahead only copies what the next reader
      // reads again. Any size reads the same.
      TReader reader(stream, 512);
      read.figures.push_back(ReadFigure(reader));
    }
  } catch (const EStreamError& e) {
    read.error = e.what();
  }
  return read;
}

FigureFileRead ReadFigures(std::span<const uint8_t> bytes) {
  SpanStream stream(bytes);
  return ReadFigures(stream);
}

void WriteFigures(ByteStream& stream, std::span<const Figure> figures) {
  TWriter writer(stream);
  for (const Figure& f : figures) WriteFigure(writer, f);
  writer.FlushBuffer();
}

std::vector<uint8_t> WriteFigures(std::span<const Figure> figures) {
  MemoryStream stream;
  WriteFigures(stream, figures);
  return stream.TakeData();
}

}  // namespace figures
