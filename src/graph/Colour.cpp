#include "Colour.h"

#include <QColor>
#include <QString>
#include <cctype>
#include <cstdio>
#include <algorithm>

namespace graph {
namespace {

std::string Lower(std::string_view s) {
  std::string out;
  for (char c : s)
    if (c != ' ' && c != '\t') out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

Rgb FromQColor(const QColor& c) {
  return (static_cast<Rgb>(c.red()) << 16) | (static_cast<Rgb>(c.green()) << 8) | static_cast<Rgb>(c.blue());
}

}  // namespace

std::optional<Rgb> ParseCssColour(std::string_view text) {
  const std::string s = Lower(text);
  if (s.empty()) return std::nullopt;
  if (s.starts_with("rgb(") || s.starts_with("rgba(")) {
    int r = -1, g = -1, b = -1;
    const char* format = s.starts_with("rgb(") ? "rgb(%d,%d,%d" : "rgba(%d,%d,%d";
    if (std::sscanf(s.c_str(), format, &r, &g, &b) != 3) return std::nullopt;
    if (r < 0 || r > 255 || g < 0 || g > 255 || b < 0 || b > 255) return std::nullopt;
    return (static_cast<Rgb>(r) << 16) | (static_cast<Rgb>(g) << 8) | static_cast<Rgb>(b);
  }
  if (s.front() == '#') {
    std::string hex = s.substr(1);
    if (!std::all_of(hex.begin(), hex.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); }))
      return std::nullopt;
    if (hex.size() == 3 || hex.size() == 4) {
      std::string wide;
      for (size_t i = 0; i < 3; ++i) wide += std::string(2, hex[i]);
      hex = wide;
    } else if (hex.size() == 8) {
      hex.resize(6);
    } else if (hex.size() != 6) {
      return std::nullopt;
    }
    return static_cast<Rgb>(std::stoul(hex, nullptr, 16));
  }
  // CSS names are SVG's, which QColor knows.
  const QColor named = QColor::fromString(QString::fromStdString(s));
  if (!named.isValid()) return std::nullopt;
  return FromQColor(named);
}

std::string HexColour(Rgb colour) {
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%06x", static_cast<unsigned>(colour & 0xFFFFFF));
  return buffer;
}

}  // namespace graph
