#include "ByteStream.h"

#include <algorithm>
#include <cstring>

MemoryStream::MemoryStream(const void* data, size_t size)
    : data_(static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + size) {}

size_t MemoryStream::Read(void* buffer, size_t count) {
  size_t n = pos_ < data_.size() ? std::min(count, data_.size() - pos_) : 0;
  if (n) std::memcpy(buffer, data_.data() + pos_, n);
  pos_ += n;
  return n;
}

void MemoryStream::Write(const void* buffer, size_t count) {
  if (pos_ + count > data_.size()) data_.resize(pos_ + count);
  if (count) std::memcpy(data_.data() + pos_, buffer, count);
  pos_ += count;
}

void MemoryStream::Seek(int64_t position) { pos_ = position < 0 ? 0 : static_cast<size_t>(position); }
