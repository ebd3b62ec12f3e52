#include "Reader.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "ShapeClassRegistry.h"
#include "StreamError.h"
#include "TextCodec.h"

namespace {
[[noreturn]] void Fail(const std::string& message) { throw EStreamError(message); }

bool IsIdentifierStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsValidIdent(const std::string& s) {
  if (s.empty() || !IsIdentifierStart(s[0])) return false;
  for (char c : s)
    if (!IsIdentifierStart(c) && !(c >= '0' && c <= '9')) return false;
  return true;
}

// Records list properties in declaration order, so the search starts where the last one was
// found and wraps around; a record from another writer in another order is still read. A
// contained object's entries (Font.Charset, Font.Color, ...) come one after another, so the
// search stays on the object's property until another is found.
const PropertyInfo* FindProperty(const Persistent& object, std::string_view name, size_t& hint) {
  std::span<const PropertyInfo> props = object.Properties();
  const size_t n = props.size();
  if (hint >= n) hint = 0;
  for (size_t k = 0; k < n; ++k) {
    size_t i = hint + k < n ? hint + k : hint + k - n;
    if (SameText(props[i].name, name)) {
      hint = props[i].kind == PropKind::Object ? i : i + 1;
      return &props[i];
    }
  }
  return nullptr;
}

// The name an enumeration value is read as, for the tags that stand for names.
const char* BareTagName(ValueTag tag) {
  switch (tag) {
    case ValueTag::TagFalse: return "False";
    case ValueTag::TagTrue: return "True";
    case ValueTag::TagNil: return "nil";
    case ValueTag::TagNull: return "Null";
    default: return nullptr;
  }
}
}  // namespace

TReader::TReader(ByteStream& stream, size_t bufferSize)
    : stream_(stream),
      owned_(new uint8_t[std::max<size_t>(bufferSize, 16)]),
      buffer_(owned_.get()),
      capacity_(std::max<size_t>(bufferSize, 16)),
      origin_(stream.Position()) {}

TReader::TReader(ByteStream& stream, std::vector<uint8_t>& buffer) : stream_(stream), origin_(stream.Position()) {
  if (buffer.size() < 16) buffer.resize(16);
  buffer_ = buffer.data();
  capacity_ = buffer.size();
}

TReader::~TReader() { FixupPosition(); }

void TReader::FixupPosition() {
  if (fixedUp_) return;
  fixedUp_ = true;
  stream_.Seek(origin_ + static_cast<int64_t>(pos_));
}

void TReader::Refill() {
  origin_ += static_cast<int64_t>(pos_);
  size_t keep = end_ - pos_;
  std::memmove(buffer_, buffer_ + pos_, keep);
  pos_ = 0;
  end_ = keep;
  end_ += stream_.Read(buffer_ + end_, capacity_ - end_);
}

uint64_t TReader::Available() {
  int64_t rest = stream_.Size() - stream_.Position();
  return (end_ - pos_) + static_cast<uint64_t>(std::max<int64_t>(rest, 0));
}

uint8_t TReader::ReadByte() {
  if (pos_ == end_) {
    Refill();
    if (pos_ == end_) Fail(streammsg::kStreamRead);
  }
  return buffer_[pos_++];
}

uint8_t TReader::PeekByte() {
  if (pos_ == end_) {
    Refill();
    if (pos_ == end_) Fail(streammsg::kStreamRead);
  }
  return buffer_[pos_];
}

void TReader::ReadRaw(void* out, size_t count) {
  if (count > Available()) Fail(streammsg::kStreamRead);
  uint8_t* dst = static_cast<uint8_t*>(out);
  while (count > 0) {
    if (pos_ == end_) {
      Refill();
      if (pos_ == end_) Fail(streammsg::kStreamRead);
    }
    size_t n = std::min(count, end_ - pos_);
    std::memcpy(dst, buffer_ + pos_, n);
    pos_ += n;
    dst += n;
    count -= n;
  }
}

void TReader::SkipRaw(uint64_t count) {
  if (count > Available()) Fail(streammsg::kStreamRead);
  uint64_t inBuffer = end_ - pos_;
  if (count <= inBuffer) {
    pos_ += static_cast<size_t>(count);
    return;
  }
  // Jump over the rest without reading it.
  int64_t target = origin_ + static_cast<int64_t>(pos_ + count);
  stream_.Seek(target);
  origin_ = target;
  pos_ = end_ = 0;
}

template <typename T>
T TReader::ReadLE() {
  uint8_t bytes[sizeof(T)];
  if (end_ - pos_ >= sizeof(T)) {
    std::memcpy(bytes, buffer_ + pos_, sizeof(T));
    pos_ += sizeof(T);
  } else {
    ReadRaw(bytes, sizeof(T));
  }
  std::make_unsigned_t<T> u = 0;
  for (size_t i = 0; i < sizeof(T); ++i) u |= static_cast<std::make_unsigned_t<T>>(bytes[i]) << (8 * i);
  return static_cast<T>(u);
}

std::string TReader::ReadShortString() {
  uint8_t n = ReadByte();
  std::string s(n, '\0');
  ReadRaw(s.data(), n);
  return s;
}

int32_t TReader::ReadIntegerPayload(ValueTag tag) {
  switch (tag) {
    case ValueTag::TagInt8: return ReadLE<int8_t>();
    case ValueTag::TagInt16: return ReadLE<int16_t>();
    case ValueTag::TagInt32: return ReadLE<int32_t>();
    default: Fail(streammsg::kInvalidPropertyValue);
  }
}

int32_t TReader::ReadInteger() { return ReadIntegerPayload(ReadTag()); }

std::string TReader::ReadTextPayload(ValueTag tag) {
  switch (tag) {
    case ValueTag::TagString: {
      uint8_t n = ReadByte();
      std::string s(n, '\0');
      ReadRaw(s.data(), n);
      return textcodec::AnsiToUtf8(s);
    }
    case ValueTag::TagLString:
    case ValueTag::TagUtf8String: {
      uint32_t n = ReadLE<uint32_t>();
      if (n > Available()) Fail(streammsg::kStreamRead);
      std::string s(n, '\0');
      ReadRaw(s.data(), n);
      if (tag == ValueTag::TagLString) return textcodec::AnsiToUtf8(s);
      return textcodec::IsValidUtf8(s) ? s : textcodec::AnsiToUtf8(s);
    }
    case ValueTag::TagWString: {
      uint32_t units = ReadLE<uint32_t>();
      if (uint64_t{units} * 2 > Available()) Fail(streammsg::kStreamRead);
      std::u16string w(units, u'\0');
      for (uint32_t i = 0; i < units; ++i) w[i] = static_cast<char16_t>(ReadLE<uint16_t>());
      return textcodec::Utf16ToUtf8(w);
    }
    default:
      Fail(streammsg::kInvalidPropertyValue);
  }
}

int64_t TReader::ReadSetPayload(const EnumNames* names) {
  int64_t bits = 0;
  for (;;) {
    std::string name = ReadShortString();
    if (name.empty()) break;
    if (names) {
      if (auto i = names->IndexOf(name)) bits |= int64_t{1} << *i;
    }
  }
  return bits;
}

void TReader::SkipValue() {
  // Lists and collections nest; an explicit stack keeps hostile nesting off the call stack.
  enum class Frame : uint8_t { ListItems, CollectionItems, ItemProperties };
  std::vector<Frame> stack;
  auto skipOne = [&](ValueTag tag) {
    switch (tag) {
      case ValueTag::TagNull:
      case ValueTag::TagFalse:
      case ValueTag::TagTrue:
      case ValueTag::TagNil:
        break;
      case ValueTag::TagList: stack.push_back(Frame::ListItems); break;
      case ValueTag::TagCollection: stack.push_back(Frame::CollectionItems); break;
      case ValueTag::TagInt8: SkipRaw(1); break;
      case ValueTag::TagInt16: SkipRaw(2); break;
      case ValueTag::TagInt32:
      case ValueTag::TagSingle: SkipRaw(4); break;
      case ValueTag::TagExtended: SkipRaw(10); break;
      case ValueTag::TagCurrency:
      case ValueTag::TagDate:
      case ValueTag::TagInt64: SkipRaw(8); break;
      case ValueTag::TagString:
      case ValueTag::TagIdent: SkipRaw(ReadByte()); break;
      case ValueTag::TagBytes:
      case ValueTag::TagLString:
      case ValueTag::TagUtf8String: SkipRaw(ReadLE<uint32_t>()); break;
      case ValueTag::TagWString: SkipRaw(uint64_t{ReadLE<uint32_t>()} * 2); break;
      case ValueTag::TagSet:
        while (uint8_t n = ReadByte()) SkipRaw(n);
        break;
      default:
        Fail(streammsg::kInvalidPropertyValue);
    }
  };
  skipOne(ReadTag());
  while (!stack.empty()) {
    switch (stack.back()) {
      case Frame::ListItems: {
        ValueTag tag = ReadTag();
        if (tag == ValueTag::TagNull) stack.pop_back();
        else skipOne(tag);
        break;
      }
      case Frame::CollectionItems: {
        if (EndOfList()) {
          ReadByte();
          stack.pop_back();
          break;
        }
        ValueTag next = static_cast<ValueTag>(PeekByte());
        if (next == ValueTag::TagInt8 || next == ValueTag::TagInt16 || next == ValueTag::TagInt32)
          ReadInteger();
        ReadByte();  // the list tag that opens the item
        stack.push_back(Frame::ItemProperties);
        break;
      }
      case Frame::ItemProperties: {
        if (EndOfList()) {
          ReadByte();
          stack.pop_back();
          break;
        }
        SkipRaw(ReadByte());  // property name
        skipOne(ReadTag());
        break;
      }
    }
  }
}

void TReader::ApplyStoredDefaults(Persistent& object) {
  for (const PropertyInfo& p : object.Properties()) {
    if (p.kind == PropKind::Object) {
      if (Persistent* inner = p.object(object)) ApplyStoredDefaults(*inner);
    } else if (p.stored == StoredRule::IfNotEmpty && p.setText) {
      p.setText(object, std::string());
    } else if (p.stored == StoredRule::IfNotDefault && p.setOrdinal) {
      p.setOrdinal(object, p.defaultValue);
    }
  }
}

int TReader::ReadEnumValue(const EnumNames& names) {
  ValueTag tag = ReadTag();
  std::string name;
  if (tag == ValueTag::TagIdent) name = ReadShortString();
  else if (const char* bare = BareTagName(tag)) name = bare;
  else Fail(streammsg::kInvalidPropertyValue);
  auto index = names.IndexOf(name);
  if (!index) Fail(streammsg::kInvalidPropertyValue);
  return *index;
}

void TReader::ReadValue(Persistent& object, const PropertyInfo& p) {
  switch (p.kind) {
    case PropKind::Integer: {
      ValueTag tag = ReadTag();
      int64_t value;
      if (tag == ValueTag::TagIdent && p.idents) {
        auto v = p.idents->ValueOf(ReadShortString());
        if (!v) Fail(streammsg::kInvalidPropertyValue);
        value = *v;
      } else {
        value = ReadIntegerPayload(tag);
      }
      p.setOrdinal(object, CutToWidth(value, p.width));
      return;
    }
    case PropKind::Enumeration:
    case PropKind::Boolean:
      p.setOrdinal(object, ReadEnumValue(*p.names));
      return;
    case PropKind::Set: {
      if (ReadTag() != ValueTag::TagSet) Fail(streammsg::kInvalidPropertyValue);
      p.setOrdinal(object, ReadSetPayload(p.names));
      return;
    }
    case PropKind::Text:
      p.setText(object, ReadTextPayload(ReadTag()));
      return;
    case PropKind::Event: {
      if (ReadTag() != ValueTag::TagNil) Fail(streammsg::kInvalidPropertyValue);
      if (p.clearEvent) p.clearEvent(object);
      return;
    }
    case PropKind::Object:
      Fail(streammsg::kInvalidPropertyValue);
  }
}

size_t& TReader::HintFor(const Persistent* object) {
  for (auto& [o, hint] : hints_)
    if (o == object) return hint;
  hints_.emplace_back(object, 0);
  return hints_.back().second;
}

void TReader::ReadProperty(Persistent& root, const std::string& rootName) {
  std::string path;
  try {
    path = ReadShortString();
    Persistent* current = &root;
    size_t start = 0;
    for (;;) {
      size_t dot = path.find('.', start);
      if (dot == std::string::npos) break;
      std::string_view part(path.data() + start, dot - start);
      const PropertyInfo* p = FindProperty(*current, part, HintFor(current));
      Persistent* inner = p && p->kind == PropKind::Object ? p->object(*current) : nullptr;
      if (!inner) {
        SkipValue();
        Fail(streammsg::kInvalidPropertyPath);
      }
      current = inner;
      start = dot + 1;
    }
    std::string_view last(path.data() + start, path.size() - start);
    if (const PropertyInfo* p = FindProperty(*current, last, HintFor(current))) {
      ReadValue(*current, *p);
    } else if (current->DefinesControlExtras() && SameText(last, "IsControl")) {
      current->SetIsControl(ReadEnumValue(BooleanNames) != 0);
    } else if (current->DefinesControlExtras() && SameText(last, "DesignSize")) {
      if (ReadTag() != ValueTag::TagList) Fail(streammsg::kInvalidPropertyValue);
      int32_t w = ReadInteger();
      int32_t h = ReadInteger();
      if (ReadByte() != 0) Fail(streammsg::kInvalidPropertyValue);
      current->SetDesignSize(w, h);
    } else {
      SkipValue();
      Fail(streammsg::PropertyDoesNotExist(std::string(last)));
    }
  } catch (const EStreamError& e) {
    throw EStreamError(streammsg::ErrorReading(rootName, path, e.what()));
  }
}

std::unique_ptr<Persistent> TReader::ReadShape() {
  // Fewer than four bytes left are a record cut short only when they begin the signature; any
  // other stray bytes (after the last record of a file, say) are simply not a record.
  char signature[4];
  const size_t present = static_cast<size_t>(std::min<uint64_t>(Available(), 4));
  ReadRaw(signature, present);
  if (std::memcmp(signature, "TPF0", present) != 0) Fail(streammsg::kInvalidStreamFormat);
  if (present < 4) Fail(streammsg::kStreamRead);
  if (PeekByte() >= 0xF0) {
    uint8_t flags = ReadByte();
    if (flags & 2) ReadInteger();
  }
  std::string className = ReadShortString();
  std::unique_ptr<Persistent> object;
  if (MakeObject) object = MakeObject(className);
  else if (const ShapeClassRegistry::Entry* entry = ShapeClassRegistry::Find(className)) object = entry->factory();
  if (!object) Fail(streammsg::ClassNotFound(className));

  ApplyStoredDefaults(*object);
  std::string name = ReadShortString();
  if (!name.empty() && !IsValidIdent(name)) Fail(streammsg::InvalidName(name));
  object->SetObjectName(name);
  if (Parent) Parent(*object);

  const std::string rootName = name.empty() ? std::string(object->ClassName()) : name;
  while (!EndOfList()) ReadProperty(*object, rootName);
  ReadByte();
  // Figure records hold no contained objects; anything else is not a figure record.
  if (!EndOfList()) Fail(streammsg::kInvalidStreamFormat);
  ReadByte();
  object->Loaded();
  return object;
}
