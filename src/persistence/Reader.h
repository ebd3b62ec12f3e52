#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "ByteStream.h"
#include "Persistent.h"
#include "ValueTag.h"

// Reads figure records. The reader reads ahead up to 4096 bytes at a time; when it is finished
// (or destroyed) the stream is positioned on the first byte after what it consumed, so a file of
// records is read with one fresh reader per record. No length or count from the data is trusted:
// data that ends early fails with "Stream read error" before anything of that size is allocated.
class TReader {
 public:
  explicit TReader(ByteStream& stream, size_t bufferSize = 4096);
  // Reads ahead into the caller's buffer (at least 16 bytes), which one reader after another may
  // use: a file of many small records is read without a new buffer for each.
  TReader(ByteStream& stream, std::vector<uint8_t>& buffer);
  ~TReader();
  TReader(const TReader&) = delete;
  TReader& operator=(const TReader&) = delete;

  // Where a new object is placed while its properties are applied (the document's canvas).
  std::function<void(Persistent&)> Parent;
  // Makes the object of a record's class; none: the class is unknown. Unset, the class registry
  // makes it (a reader of plain values gives its own).
  std::function<std::unique_ptr<Persistent>(std::string_view className)> MakeObject;

  // Reads one record and returns the new object, which has no owner yet. Throws EStreamError.
  std::unique_ptr<Persistent> ReadShape();
  // Puts the stream on the first byte after the consumed data; the destructor does it too.
  void FixupPosition();

  // Value readers, public for tools that walk records without objects.
  uint8_t ReadByte();
  uint8_t PeekByte();
  std::string ReadShortString();
  ValueTag ReadTag() { return static_cast<ValueTag>(ReadByte()); }
  int32_t ReadInteger();  // TagInt8, TagInt16 or TagInt32
  void SkipValue();       // one value of any tag, nested lists and collections included
  bool EndOfList() { return PeekByte() == 0; }
  // Reads the payload of a text tag already consumed; UTF-8 result.
  std::string ReadTextPayload(ValueTag tag);
  // Payload of an integer tag already consumed.
  int32_t ReadIntegerPayload(ValueTag tag);
  // Names of a set after TagSet, up to and including the empty name, as a bit mask of the
  // given member names (unknown names ignored).
  int64_t ReadSetPayload(const EnumNames* names);
  // An enumeration value by name (TagIdent or one of the bare name tags); its index.
  int ReadEnumValue(const EnumNames& names);

 private:
  void ReadProperty(Persistent& root, const std::string& rootName);
  size_t& HintFor(const Persistent* object);
  void ReadValue(Persistent& object, const PropertyInfo& p);
  void ApplyStoredDefaults(Persistent& object);
  void ReadRaw(void* out, size_t count);
  void SkipRaw(uint64_t count);
  void Refill();
  uint64_t Available();
  template <typename T>
  T ReadLE();

  ByteStream& stream_;
  std::unique_ptr<uint8_t[]> owned_;
  uint8_t* buffer_;
  size_t capacity_;
  size_t pos_ = 0;   // next byte in buffer_
  size_t end_ = 0;   // bytes valid in buffer_
  int64_t origin_;   // stream position of buffer_[0]
  bool fixedUp_ = false;
  // Where the next property lookup starts, per object (the figure, its font).
  std::vector<std::pair<const Persistent*, size_t>> hints_;
};
