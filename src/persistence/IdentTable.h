#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

// Names for integer values that are written by name when they have one (colours, character sets,
// cursors). The first entry with a matching value gives the name; reading compares names without
// regard to letter case.
struct IdentEntry {
  const char* name;
  int32_t value;
};

struct IdentTable {
  const IdentEntry* entries;
  int count;

  const char* NameOf(int32_t value) const;
  std::optional<int32_t> ValueOf(std::string_view name) const;
};

// Names of an enumeration or of the members of a set, value 0 first.
struct EnumNames {
  const char* const* names;
  int count;

  std::optional<int> IndexOf(std::string_view name) const;
};

extern const IdentTable ColorIdentTable;
extern const IdentTable CharsetIdentTable;
extern const IdentTable CursorIdentTable;

extern const EnumNames BooleanNames;     // False, True
extern const EnumNames PenStyleNames;    // TPenStyle
extern const EnumNames BrushStyleNames;  // TBrushStyle
extern const EnumNames ArrowPositionNames;
extern const EnumNames ArrowDirectionNames;
extern const EnumNames HelpTypeNames;
extern const EnumNames FontPitchNames;
extern const EnumNames FontStyleNames;  // members of TFontStyles

// ASCII case-insensitive equality; identifiers and names in records are ASCII.
bool SameText(std::string_view a, std::string_view b);
// The same for a name from a table: stops at the first differing character without measuring
// the name first, which matters in the reader's lookups of every entry.
bool SameText(const char* a, std::string_view b);
