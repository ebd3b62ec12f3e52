#include "ReadAheadStream.h"

#include <algorithm>
#include <cstring>

#include "StreamError.h"

ReadAheadStream::ReadAheadStream(ByteStream& source, size_t window)
    : source_(source),
      window_(new uint8_t[std::max<size_t>(window, 1)]),
      capacity_(std::max<size_t>(window, 1)),
      start_(source.Position()),
      pos_(source.Position()) {}

void ReadAheadStream::Refill() {
  source_.Seek(pos_);
  start_ = pos_;
  filled_ = source_.Read(window_.get(), capacity_);
}

size_t ReadAheadStream::Read(void* buffer, size_t count) {
  uint8_t* out = static_cast<uint8_t*>(buffer);
  size_t done = 0;
  while (done < count) {
    if (pos_ < start_ || pos_ >= start_ + static_cast<int64_t>(filled_)) {
      Refill();
      if (filled_ == 0) break;  // the end of the data
    }
    const size_t at = static_cast<size_t>(pos_ - start_);
    const size_t n = std::min(count - done, filled_ - at);
    std::memcpy(out + done, window_.get() + at, n);
    done += n;
    pos_ += static_cast<int64_t>(n);
  }
  return done;
}

void ReadAheadStream::Write(const void*, size_t) { throw EStreamError("Stream write error"); }
