#include "RecordDump.h"

#include <cfloat>
#include <cinttypes>
#include <cstdio>
#include <cstring>

#include "Errors.h"
#include "Reader.h"
#include "StreamError.h"

namespace {

// Deeper nesting than any real record is skipped, not printed, so hostile data cannot exhaust
// the stack.
constexpr int kMaxDepth = 16;
// Longer byte values are shown by their length and first bytes only.
constexpr uint32_t kShownBytes = 16;

uint64_t ReadUnsigned(TReader& r, int bytes) {
  uint64_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= uint64_t{r.ReadByte()} << (8 * i);
  return v;
}

// Names and identifiers are bytes from the file too: shown with their control characters escaped.
std::string Name(const std::string& s) { return errors::Printable(s); }

std::string Number(const char* format, double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, format, v);
  return buf;
}

std::string FormatValue(TReader& r, int depth);

std::string FormatEntries(TReader& r, int depth) {
  std::string out;
  while (!r.EndOfList()) {
    if (!out.empty()) out += "; ";
    out += Name(r.ReadShortString());
    out += " = ";
    out += FormatValue(r, depth + 1);
  }
  r.ReadByte();
  return out;
}

std::string FormatValue(TReader& r, int depth) {
  if (depth >= kMaxDepth) {
    r.SkipValue();
    return "(...)";
  }
  const ValueTag tag = r.ReadTag();
  switch (tag) {
    case ValueTag::TagNull: return "Null";
    case ValueTag::TagNil: return "nil";
    case ValueTag::TagFalse: return "False";
    case ValueTag::TagTrue: return "True";
    case ValueTag::TagInt8:
    case ValueTag::TagInt16:
    case ValueTag::TagInt32: return std::to_string(r.ReadIntegerPayload(tag));
    case ValueTag::TagInt64: return std::to_string(static_cast<int64_t>(ReadUnsigned(r, 8)));
    case ValueTag::TagCurrency: {
      const auto v = static_cast<int64_t>(ReadUnsigned(r, 8));
      char buf[48];
      std::snprintf(buf, sizeof buf, "%s%" PRIu64 ".%04" PRIu64, v < 0 ? "-" : "",
                    (v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v)) / 10000,
                    (v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v)) % 10000);
      return buf;
    }
    case ValueTag::TagSingle: {
      const auto bits = static_cast<uint32_t>(ReadUnsigned(r, 4));
      float f;
      std::memcpy(&f, &bits, sizeof f);
      return Number("%.9g", f);
    }
    case ValueTag::TagDate: {
      const uint64_t bits = ReadUnsigned(r, 8);
      double d;
      std::memcpy(&d, &bits, sizeof d);
      return Number("%.17g", d);
    }
    case ValueTag::TagExtended: {
      uint8_t raw[10];
      for (uint8_t& b : raw) b = r.ReadByte();
#if LDBL_MANT_DIG == 64
      long double x = 0;
      std::memcpy(&x, raw, sizeof raw);
      char buf[64];
      std::snprintf(buf, sizeof buf, "%.19Lg", x);
      return buf;
#else
      std::string hex = "$";
      for (int i = 9; i >= 0; --i) hex += "0123456789ABCDEF"[raw[i] >> 4], hex += "0123456789ABCDEF"[raw[i] & 15];
      return hex;
#endif
    }
    case ValueTag::TagString:
    case ValueTag::TagLString:
    case ValueTag::TagWString:
    case ValueTag::TagUtf8String: return errors::Quoted(r.ReadTextPayload(tag));  // '...' with #n for controls
    case ValueTag::TagIdent: return Name(r.ReadShortString());
    case ValueTag::TagBytes: {
      const auto n = static_cast<uint32_t>(ReadUnsigned(r, 4));
      std::string out = "{";
      for (uint32_t i = 0; i < n; ++i) {
        const uint8_t b = r.ReadByte();
        if (i < kShownBytes) {
          out += "0123456789ABCDEF"[b >> 4];
          out += "0123456789ABCDEF"[b & 15];
        }
      }
      if (n > kShownBytes) out += "... " + std::to_string(n) + " bytes";
      return out + "}";
    }
    case ValueTag::TagSet: {
      std::string out = "[";
      for (std::string name = r.ReadShortString(); !name.empty(); name = r.ReadShortString()) {
        if (out.size() > 1) out += ", ";
        out += Name(name);
      }
      return out + "]";
    }
    case ValueTag::TagList: {
      std::string out = "(";
      while (!r.EndOfList()) {
        if (out.size() > 1) out += ", ";
        out += FormatValue(r, depth + 1);
      }
      r.ReadByte();
      return out + ")";
    }
    case ValueTag::TagCollection: {
      std::string out = "<";
      while (!r.EndOfList()) {
        if (out.size() > 1) out += ", ";
        const auto next = static_cast<ValueTag>(r.PeekByte());
        if (next == ValueTag::TagInt8 || next == ValueTag::TagInt16 || next == ValueTag::TagInt32)
          out += "[" + std::to_string(r.ReadInteger()) + "] ";
        if (r.ReadTag() != ValueTag::TagList) throw EStreamError(streammsg::kInvalidStreamFormat);
        out += "item(" + FormatEntries(r, depth) + ")";
      }
      r.ReadByte();
      return out + ">";
    }
  }
  throw EStreamError(streammsg::kInvalidPropertyValue);
}

}  // namespace

int DumpRecords(ByteStream& stream, const std::function<void(const std::string& line)>& take) {
  int record = 0;
  while (stream.Position() < stream.Size()) {
    ++record;
    TReader r(stream, 4096);
    char signature[4];
    for (char& c : signature) c = static_cast<char>(r.ReadByte());
    if (std::memcmp(signature, "TPF0", 4) != 0) throw EStreamError(streammsg::kInvalidStreamFormat);
    if (r.PeekByte() >= 0xF0 && (r.ReadByte() & 2)) r.ReadInteger();
    const std::string className = r.ReadShortString();
    const std::string objectName = r.ReadShortString();
    const std::string prefix = "#" + std::to_string(record) + " " + Name(className) +
                               (objectName.empty() ? "" : " " + Name(objectName)) + " ";
    while (!r.EndOfList()) {
      std::string line = prefix + Name(r.ReadShortString()) + " = ";
      line += FormatValue(r, 0);
      take(line);
    }
    r.ReadByte();
    // Figure records contain no further objects.
    if (!r.EndOfList()) throw EStreamError(streammsg::kInvalidStreamFormat);
    r.ReadByte();
  }
  return record;
}
