#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "IdentTable.h"

class Persistent;

// What kind of value a published property holds; decides the value forms written and accepted.
enum class PropKind : uint8_t { Integer, Enumeration, Boolean, Set, Text, Object, Event };

// Whether the writer emits an entry for the property.
enum class StoredRule : uint8_t {
  Always,        // ordinal without a declared default
  IfNotDefault,  // ordinal with a declared default
  IfNotEmpty,    // text
  Never,         // derived or not streamed (Name, Font.Size, events)
};

// How an integer is held by its property: the value read is cut to this width.
enum class IntWidth : uint8_t { Int32, Int16, UInt16, UInt8 };

// One published property: its name, its kind and how to reach its value. Tables of these are
// provided by the persistent classes in declaration order, which is the order of the record.
struct PropertyInfo {
  const char* name;
  PropKind kind;
  StoredRule stored;
  int64_t defaultValue = 0;            // for IfNotDefault ordinals
  const IdentTable* idents = nullptr;  // integers that are written by name when they have one
  const EnumNames* names = nullptr;    // enumeration, Boolean and set member names
  IntWidth width = IntWidth::Int32;

  int64_t (*getOrdinal)(const Persistent&) = nullptr;
  void (*setOrdinal)(Persistent&, int64_t) = nullptr;
  std::string (*getText)(const Persistent&) = nullptr;  // UTF-8
  void (*setText)(Persistent&, const std::string&) = nullptr;
  Persistent* (*object)(const Persistent&) = nullptr;   // contained object (Font)
  void (*clearEvent)(Persistent&) = nullptr;
};

// An object that can be written as and read from a property record.
class Persistent {
 public:
  virtual ~Persistent() = default;
  virtual std::span<const PropertyInfo> Properties() const = 0;
  virtual const char* ClassName() const = 0;
  // The object name of the record header; empty for every figure the program writes.
  virtual std::string ObjectName() const { return {}; }
  virtual void SetObjectName(const std::string&) {}
  // The two extra entries that control classes define besides their published properties.
  virtual bool DefinesControlExtras() const { return false; }
  virtual void SetIsControl(bool) {}
  virtual void SetDesignSize(int32_t, int32_t) {}
  // Called once every property of a record has been applied.
  virtual void Loaded() {}
};

int64_t CutToWidth(int64_t value, IntWidth width);
