#include "TextCodes.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace graph {
namespace {

struct Named {
  std::string_view name;
  uint32_t codePoint;
};
// HTML's entities that flowcharts use.
constexpr std::array<Named, 40> kEntities{{
    {"quot", '"'},     {"amp", '&'},      {"lt", '<'},       {"gt", '>'},       {"apos", '\''},
    {"nbsp", 0xA0},    {"copy", 0xA9},    {"reg", 0xAE},     {"trade", 0x2122}, {"hellip", 0x2026},
    {"mdash", 0x2014}, {"ndash", 0x2013}, {"laquo", 0xAB},   {"raquo", 0xBB},   {"hearts", 0x2665},
    {"deg", 0xB0},     {"euro", 0x20AC},  {"pound", 0xA3},   {"yen", 0xA5},     {"cent", 0xA2},
    {"sect", 0xA7},    {"para", 0xB6},    {"middot", 0xB7},  {"times", 0xD7},   {"divide", 0xF7},
    {"plusmn", 0xB1},  {"larr", 0x2190},  {"rarr", 0x2192},  {"uarr", 0x2191},  {"darr", 0x2193},
    {"harr", 0x2194},  {"lsquo", 0x2018}, {"rsquo", 0x2019}, {"ldquo", 0x201C}, {"rdquo", 0x201D},
    {"bull", 0x2022},  {"check", 0x2713}, {"star", 0x2606},  {"micro", 0xB5},   {"num", '#'},
}};

}  // namespace

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::optional<uint32_t> NamedEntity(std::string_view name) {
  const auto it = std::find_if(kEntities.begin(), kEntities.end(), [&](const Named& e) { return e.name == name; });
  if (it == kEntities.end()) return std::nullopt;
  return it->codePoint;
}

std::optional<uint32_t> NumericEntity(std::string_view code, bool hexAllowed) {
  const bool hex = hexAllowed && !code.empty() && (code[0] == 'x' || code[0] == 'X');
  if (hex) code.remove_prefix(1);
  if (code.empty() || code.size() > 7) return std::nullopt;
  uint32_t cp = 0;
  for (char c : code) {
    const auto u = static_cast<unsigned char>(c);
    if (hex ? !std::isxdigit(u) : !std::isdigit(u)) return std::nullopt;
    cp = cp * (hex ? 16 : 10) + static_cast<uint32_t>(std::isdigit(u) ? c - '0' : std::tolower(u) - 'a' + 10);
  }
  if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
  return cp;
}

std::string DecodeEntities(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '&') {
      const size_t semi = s.find(';', i + 1);
      if (semi != std::string_view::npos && semi - i <= 12 && semi > i + 1) {
        const std::string_view code = s.substr(i + 1, semi - i - 1);
        const std::optional<uint32_t> cp = code[0] == '#' ? NumericEntity(code.substr(1), true) : NamedEntity(code);
        if (cp) {
          AppendUtf8(out, *cp);
          i = semi;
          continue;
        }
      }
    }
    out += s[i];
  }
  return out;
}

}  // namespace graph
