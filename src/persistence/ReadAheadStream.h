#pragma once
#include <memory>

#include "ByteStream.h"

// A read-only view of another stream that reads it a large window at a time. Reading a diagram
// makes a fresh record reader per record, each of which reads ahead and then seeks back to where
// its record ended: on a file that is two system calls per record, here a copy from memory.
// Positions, sizes and the bytes read are exactly those of the stream underneath; seeking only
// moves the position, and the stream underneath is touched again when a read leaves the window.
class ReadAheadStream final : public ByteStream {
 public:
  explicit ReadAheadStream(ByteStream& source, size_t window = size_t{256} << 10);

  size_t Read(void* buffer, size_t count) override;
  // Fails with "Stream write error": the view only reads.
  void Write(const void* buffer, size_t count) override;
  int64_t Position() const override { return pos_; }
  void Seek(int64_t position) override { pos_ = position < 0 ? 0 : position; }
  int64_t Size() const override { return source_.Size(); }

 private:
  // Fills the window from the stream underneath, starting at the current position.
  void Refill();

  ByteStream& source_;
  std::unique_ptr<uint8_t[]> window_;
  size_t capacity_;
  int64_t start_ = 0;  // the stream position of window_[0]
  size_t filled_ = 0;
  int64_t pos_;
};
