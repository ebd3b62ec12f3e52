#pragma once
#include <cstdint>
#include <string>
#include <vector>
#include <string_view>

#include "ByteStream.h"
#include "Persistent.h"
#include "ValueTag.h"

// Writes figures as property records. Bytes are collected in a 4096-byte buffer and passed to
// the stream when it fills and when the writer is flushed or destroyed.
class TWriter {
 public:
  explicit TWriter(ByteStream& stream);
  ~TWriter();
  TWriter(const TWriter&) = delete;
  TWriter& operator=(const TWriter&) = delete;

  // One complete record: signature, class name, object name, entries, two end markers.
  void WriteShape(const Persistent& object);
  // Properties of the object itself (not of its contained objects) that WriteShape leaves out:
  // a fingerprint of the rest of a record, say. Names must outlive the writer.
  void LeaveOut(std::vector<const char*> names) { leftOut_ = std::move(names); }
  void FlushBuffer();

  // The value encodings, public for tests and tools.
  void WriteInteger(int64_t value);
  void WriteIdent(std::string_view name);
  void WriteText(std::string_view utf8);
  void WriteShortString(std::string_view s);
  void WriteTag(ValueTag tag) { WriteByte(static_cast<uint8_t>(tag)); }

 private:
  std::vector<const char*> leftOut_;
  void WriteProperties(const Persistent& object, const std::string& prefix);
  void WriteProperty(const Persistent& object, const PropertyInfo& p, const std::string& prefix);
  void WriteByte(uint8_t b);
  void WriteBytes(const void* data, size_t count);
  template <typename T>
  void WriteLE(T value);

  ByteStream& stream_;
  uint8_t buffer_[4096];
  size_t used_ = 0;
};
