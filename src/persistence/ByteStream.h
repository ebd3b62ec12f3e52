#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A seekable byte stream of known size, the only thing the record writer and reader need.
class ByteStream {
 public:
  virtual ~ByteStream() = default;
  // Reads up to count bytes; returns how many were read (fewer only at the end of the data).
  virtual size_t Read(void* buffer, size_t count) = 0;
  // Writes all count bytes or throws EStreamError.
  virtual void Write(const void* buffer, size_t count) = 0;
  virtual int64_t Position() const = 0;
  virtual void Seek(int64_t position) = 0;
  virtual int64_t Size() const = 0;
};

// Growable in-memory stream: the clipboard's record, tests and benchmarks.
class MemoryStream final : public ByteStream {
 public:
  MemoryStream() = default;
  explicit MemoryStream(std::vector<uint8_t> data) : data_(std::move(data)) {}
  MemoryStream(const void* data, size_t size);

  size_t Read(void* buffer, size_t count) override;
  void Write(const void* buffer, size_t count) override;
  int64_t Position() const override { return static_cast<int64_t>(pos_); }
  void Seek(int64_t position) override;
  int64_t Size() const override { return static_cast<int64_t>(data_.size()); }

  const std::vector<uint8_t>& Data() const { return data_; }
  std::vector<uint8_t> TakeData() { pos_ = 0; return std::move(data_); }

 private:
  std::vector<uint8_t> data_;
  size_t pos_ = 0;
};
