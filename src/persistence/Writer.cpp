#include "Writer.h"

#include <cstring>

#include "TextCodec.h"

TWriter::TWriter(ByteStream& stream) : stream_(stream) {}

TWriter::~TWriter() {
  try {
    FlushBuffer();
  } catch (...) {
    // A destructor cannot report; callers that care flush explicitly first.
  }
}

void TWriter::FlushBuffer() {
  if (used_ == 0) return;
  size_t n = used_;
  used_ = 0;
  stream_.Write(buffer_, n);
}

void TWriter::WriteByte(uint8_t b) {
  if (used_ == sizeof buffer_) FlushBuffer();
  buffer_[used_++] = b;
}

void TWriter::WriteBytes(const void* data, size_t count) {
  const uint8_t* p = static_cast<const uint8_t*>(data);
  while (count > 0) {
    if (used_ == sizeof buffer_) FlushBuffer();
    size_t n = std::min(count, sizeof buffer_ - used_);
    std::memcpy(buffer_ + used_, p, n);
    used_ += n;
    p += n;
    count -= n;
  }
}

template <typename T>
void TWriter::WriteLE(T value) {
  uint8_t bytes[sizeof(T)];
  auto u = static_cast<std::make_unsigned_t<T>>(value);
  for (size_t i = 0; i < sizeof(T); ++i) bytes[i] = static_cast<uint8_t>(u >> (8 * i));
  WriteBytes(bytes, sizeof bytes);
}

void TWriter::WriteShortString(std::string_view s) {
  size_t n = std::min<size_t>(s.size(), 255);
  WriteByte(static_cast<uint8_t>(n));
  WriteBytes(s.data(), n);
}

void TWriter::WriteInteger(int64_t value) {
  if (value >= -128 && value <= 127) {
    WriteTag(ValueTag::TagInt8);
    WriteLE<int8_t>(static_cast<int8_t>(value));
  } else if (value >= -32768 && value <= 32767) {
    WriteTag(ValueTag::TagInt16);
    WriteLE<int16_t>(static_cast<int16_t>(value));
  } else {
    WriteTag(ValueTag::TagInt32);
    WriteLE<int32_t>(static_cast<int32_t>(value));
  }
}

void TWriter::WriteIdent(std::string_view name) {
  if (SameText(name, "False")) WriteTag(ValueTag::TagFalse);
  else if (SameText(name, "True")) WriteTag(ValueTag::TagTrue);
  else if (SameText(name, "Null")) WriteTag(ValueTag::TagNull);
  else if (SameText(name, "nil")) WriteTag(ValueTag::TagNil);
  else {
    WriteTag(ValueTag::TagIdent);
    WriteShortString(name);
  }
}

void TWriter::WriteText(std::string_view utf8) {
  size_t units = textcodec::Utf16Length(utf8);
  if (utf8.size() < 2 * units) {
    if (textcodec::IsAscii(utf8)) {
      if (utf8.size() <= 255) {
        WriteTag(ValueTag::TagString);
        WriteByte(static_cast<uint8_t>(utf8.size()));
      } else {
        WriteTag(ValueTag::TagLString);
        WriteLE<uint32_t>(static_cast<uint32_t>(utf8.size()));
      }
    } else {
      WriteTag(ValueTag::TagUtf8String);
      WriteLE<uint32_t>(static_cast<uint32_t>(utf8.size()));
    }
    WriteBytes(utf8.data(), utf8.size());
    return;
  }
  std::u16string w = textcodec::Utf8ToUtf16(utf8);
  WriteTag(ValueTag::TagWString);
  WriteLE<uint32_t>(static_cast<uint32_t>(w.size()));
  for (char16_t u : w) WriteLE<uint16_t>(static_cast<uint16_t>(u));
}

void TWriter::WriteShape(const Persistent& object) {
  WriteBytes("TPF0", 4);
  WriteShortString(object.ClassName());
  WriteShortString(object.ObjectName());
  WriteProperties(object, std::string());
  WriteByte(0);  // end of properties
  WriteByte(0);  // end of contained objects
}

void TWriter::WriteProperties(const Persistent& object, const std::string& prefix) {
  for (const PropertyInfo& p : object.Properties()) WriteProperty(object, p, prefix);
}

void TWriter::WriteProperty(const Persistent& object, const PropertyInfo& p,
                            const std::string& prefix) {
  if (p.stored == StoredRule::Never || p.kind == PropKind::Event) return;
  if (prefix.empty())
    for (const char* name : leftOut_)
      if (std::strcmp(name, p.name) == 0) return;
  auto writeName = [&] {
    size_t n = std::min<size_t>(prefix.size() + std::strlen(p.name), 255);
    WriteByte(static_cast<uint8_t>(n));
    size_t head = std::min(prefix.size(), n);
    WriteBytes(prefix.data(), head);
    WriteBytes(p.name, n - head);
  };
  switch (p.kind) {
    case PropKind::Object: {
      const Persistent* inner = p.object(object);
      if (inner) WriteProperties(*inner, prefix + p.name + ".");
      return;
    }
    case PropKind::Text: {
      std::string text = p.getText(object);
      if (text.empty()) return;
      writeName();
      WriteText(text);
      return;
    }
    default:
      break;
  }
  int64_t value = p.getOrdinal(object);
  if (p.stored == StoredRule::IfNotDefault && value == p.defaultValue) return;
  writeName();
  switch (p.kind) {
    case PropKind::Integer: {
      const char* name = p.idents ? p.idents->NameOf(static_cast<int32_t>(value)) : nullptr;
      if (name) WriteIdent(name);
      else WriteInteger(value);
      break;
    }
    case PropKind::Enumeration:
    case PropKind::Boolean:
      if (value >= 0 && value < p.names->count) WriteIdent(p.names->names[value]);
      else WriteInteger(value);  // never produced by the setters; keeps the record readable
      break;
    case PropKind::Set:
      WriteTag(ValueTag::TagSet);
      for (int bit = 0; bit < p.names->count; ++bit)
        if (value & (int64_t{1} << bit)) WriteShortString(p.names->names[bit]);
      WriteByte(0);
      break;
    default:
      break;
  }
}

int64_t CutToWidth(int64_t value, IntWidth width) {
  switch (width) {
    case IntWidth::Int32: return static_cast<int32_t>(value);
    case IntWidth::Int16: return static_cast<int16_t>(value);
    case IntWidth::UInt16: return static_cast<uint16_t>(value);
    case IntWidth::UInt8: return static_cast<uint8_t>(value);
  }
  return value;
}
