#pragma once
#include <cstdint>

// One-byte type tags of the typed property stream. The numbering is part of the file format.
enum class ValueTag : uint8_t {
  TagNull = 0,
  TagList = 1,
  TagInt8 = 2,
  TagInt16 = 3,
  TagInt32 = 4,
  TagExtended = 5,
  TagString = 6,
  TagIdent = 7,
  TagFalse = 8,
  TagTrue = 9,
  TagBytes = 10,
  TagSet = 11,
  TagLString = 12,
  TagNil = 13,
  TagCollection = 14,
  TagSingle = 15,
  TagCurrency = 16,
  TagDate = 17,
  TagWString = 18,
  TagInt64 = 19,
  TagUtf8String = 20,
};

constexpr uint8_t kLastValueTag = 20;
