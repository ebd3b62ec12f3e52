#include "IdentTable.h"

#include <iterator>
#include <mutex>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace {
// Names are looked up case-insensitively for every property entry of every record; an index of
// each table's lower-case names keeps that from being a walk over 49 colour names.
std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return out;
}

template <typename Key>
const std::unordered_map<std::string, int32_t>& IndexOf(const Key* table,
                                                        std::unordered_map<std::string, int32_t> (*build)(const Key*)) {
  static std::mutex mutex;
  static std::vector<std::pair<const Key*, std::unordered_map<std::string, int32_t>>> indices;
  std::lock_guard<std::mutex> lock(mutex);
  for (auto& [t, index] : indices)
    if (t == table) return index;
  indices.emplace_back(table, build(table));
  return indices.back().second;
}

std::unordered_map<std::string, int32_t> BuildIdents(const IdentTable* t) {
  std::unordered_map<std::string, int32_t> index;
  for (int i = 0; i < t->count; ++i) index.emplace(Lower(t->entries[i].name), t->entries[i].value);  // first name wins
  return index;
}

std::unordered_map<std::string, int32_t> BuildNames(const EnumNames* t) {
  std::unordered_map<std::string, int32_t> index;
  for (int i = 0; i < t->count; ++i) index.emplace(Lower(t->names[i]), i);
  return index;
}
}  // namespace

bool SameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = static_cast<unsigned char>(a[i]);
    unsigned char y = static_cast<unsigned char>(b[i]);
    if (x == y) continue;
    if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
    if (x != y) return false;
  }
  return true;
}

bool SameText(const char* a, std::string_view b) {
  for (char c : b) {
    unsigned char x = static_cast<unsigned char>(*a);
    unsigned char y = static_cast<unsigned char>(c);
    if (x == 0) return false;
    if (x != y) {
      if (x >= 'A' && x <= 'Z') x = static_cast<unsigned char>(x + 32);
      if (y >= 'A' && y <= 'Z') y = static_cast<unsigned char>(y + 32);
      if (x != y) return false;
    }
    ++a;
  }
  return *a == 0;
}

const char* IdentTable::NameOf(int32_t value) const {
  for (int i = 0; i < count; ++i)
    if (entries[i].value == value) return entries[i].name;
  return nullptr;
}

std::optional<int32_t> IdentTable::ValueOf(std::string_view name) const {
  const auto& index = ::IndexOf<IdentTable>(this, &BuildIdents);
  auto it = index.find(Lower(name));
  if (it == index.end()) return std::nullopt;
  return it->second;
}

std::optional<int> EnumNames::IndexOf(std::string_view name) const {
  const auto& index = ::IndexOf<EnumNames>(this, &BuildNames);
  auto it = index.find(Lower(name));
  if (it == index.end()) return std::nullopt;
  return it->second;
}

namespace {
constexpr int32_t Sys(uint32_t v) { return static_cast<int32_t>(v); }

const IdentEntry kColors[] = {
    {"clBlack", 0x000000},
    {"clMaroon", 0x000080},
    {"clGreen", 0x008000},
    {"clOlive", 0x008080},
    {"clNavy", 0x800000},
    {"clPurple", 0x800080},
    {"clTeal", 0x808000},
    {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},
    {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},
    {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},
    {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},
    {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0},
    {"clSkyBlue", 0xF0CAA6},
    {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", Sys(0x8000000A)},
    {"clActiveCaption", Sys(0x80000002)},
    {"clAppWorkSpace", Sys(0x8000000C)},
    {"clBackground", Sys(0x80000001)},
    {"clBtnFace", Sys(0x8000000F)},
    {"clBtnHighlight", Sys(0x80000014)},
    {"clBtnShadow", Sys(0x80000010)},
    {"clBtnText", Sys(0x80000012)},
    {"clCaptionText", Sys(0x80000009)},
    {"clDefault", 0x20000000},
    {"clGradientActiveCaption", Sys(0x8000001B)},
    {"clGradientInactiveCaption", Sys(0x8000001C)},
    {"clGrayText", Sys(0x80000011)},
    {"clHighlight", Sys(0x8000000D)},
    {"clHighlightText", Sys(0x8000000E)},
    {"clInactiveBorder", Sys(0x8000000B)},
    {"clInactiveCaption", Sys(0x80000003)},
    {"clInactiveCaptionText", Sys(0x80000013)},
    {"clInfoBk", Sys(0x80000018)},
    {"clInfoText", Sys(0x80000017)},
    {"clMenu", Sys(0x80000004)},
    {"clMenuText", Sys(0x80000007)},
    {"clNone", 0x1FFFFFFF},
    {"clScrollBar", Sys(0x80000000)},
    {"cl3DDkShadow", Sys(0x80000015)},
    {"cl3DLight", Sys(0x80000016)},
    {"clWindow", Sys(0x80000005)},
    {"clWindowFrame", Sys(0x80000006)},
    {"clWindowText", Sys(0x80000008)},
};

const IdentEntry kCharsets[] = {
    {"ANSI_CHARSET", 0},          {"DEFAULT_CHARSET", 1},    {"SYMBOL_CHARSET", 2},
    {"MAC_CHARSET", 77},          {"SHIFTJIS_CHARSET", 128}, {"HANGEUL_CHARSET", 129},
    {"JOHAB_CHARSET", 130},       {"GB2312_CHARSET", 134},   {"CHINESEBIG5_CHARSET", 136},
    {"GREEK_CHARSET", 161},       {"TURKISH_CHARSET", 162},  {"HEBREW_CHARSET", 177},
    {"ARABIC_CHARSET", 178},      {"BALTIC_CHARSET", 186},   {"RUSSIAN_CHARSET", 204},
    {"THAI_CHARSET", 222},        {"EASTEUROPE_CHARSET", 238}, {"OEM_CHARSET", 255},
};

const IdentEntry kCursors[] = {
    {"crDefault", 0},      {"crArrow", -2},     {"crCross", -3},     {"crIBeam", -4},
    {"crSizeNESW", -6},    {"crSizeNS", -7},    {"crSizeNWSE", -8},  {"crSizeWE", -9},
    {"crUpArrow", -10},    {"crHourGlass", -11}, {"crDrag", -12},    {"crNoDrop", -13},
    {"crHSplit", -14},     {"crVSplit", -15},   {"crMultiDrag", -16}, {"crSQLWait", -17},
    {"crNo", -18},         {"crAppStart", -19}, {"crHelp", -20},     {"crHandPoint", -21},
    {"crSizeAll", -22},    {"crSize", -22},
};

const char* const kBoolean[] = {"False", "True"};
const char* const kPenStyles[] = {"psSolid", "psDash",  "psDot",        "psDashDot",
                                  "psDashDotDot", "psClear", "psInsideFrame"};
const char* const kBrushStyles[] = {"bsSolid",     "bsClear",     "bsHorizontal", "bsVertical",
                                    "bsFDiagonal", "bsBDiagonal", "bsCross",      "bsDiagCross"};
const char* const kArrowPositions[] = {"apLeft", "apRight", "apBoth"};
const char* const kArrowDirections[] = {"adTopToTop",       "adTopToBottom", "adBottomToTop",
                                        "adBottomToBottom", "adLeftToLeft",  "adRightToRight"};
const char* const kHelpTypes[] = {"htKeyword", "htContext"};
const char* const kFontPitches[] = {"fpDefault", "fpVariable", "fpFixed"};
const char* const kFontStyles[] = {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};

template <typename T, size_t N>
constexpr int Count(const T (&)[N]) { return static_cast<int>(N); }
}  // namespace

const IdentTable ColorIdentTable{kColors, Count(kColors)};
const IdentTable CharsetIdentTable{kCharsets, Count(kCharsets)};
const IdentTable CursorIdentTable{kCursors, Count(kCursors)};

const EnumNames BooleanNames{kBoolean, Count(kBoolean)};
const EnumNames PenStyleNames{kPenStyles, Count(kPenStyles)};
const EnumNames BrushStyleNames{kBrushStyles, Count(kBrushStyles)};
const EnumNames ArrowPositionNames{kArrowPositions, Count(kArrowPositions)};
const EnumNames ArrowDirectionNames{kArrowDirections, Count(kArrowDirections)};
const EnumNames HelpTypeNames{kHelpTypes, Count(kHelpTypes)};
const EnumNames FontPitchNames{kFontPitches, Count(kFontPitches)};
const EnumNames FontStyleNames{kFontStyles, Count(kFontStyles)};
