#include "DrawioStyle.h"

#include <cstdlib>

namespace drawio {

namespace {

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\n' || s.front() == '\r'))
    s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\n' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

}  // namespace

Style ParseStyle(std::string_view text) {
  Style style;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(';', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view token = Trimmed(text.substr(start, end - start));
    start = end + 1;
    if (token.empty()) continue;
    const size_t eq = token.find('=');
    if (eq == std::string_view::npos) {
      style.names.emplace_back(token);
    } else {
      const std::string_view key = Trimmed(token.substr(0, eq));
      if (!key.empty()) style.values.emplace_back(std::string(key), std::string(Trimmed(token.substr(eq + 1))));
    }
  }
  return style;
}

std::optional<std::string_view> Style::Get(std::string_view key) const {
  for (auto it = values.rbegin(); it != values.rend(); ++it)
    if (it->first == key) return std::string_view(it->second);
  return std::nullopt;
}

bool Style::Flag(std::string_view key, bool fallback) const {
  const auto v = Get(key);
  if (!v) return fallback;
  if (*v == "1" || *v == "true") return true;
  if (*v == "0" || *v == "false") return false;
  return fallback;
}

double Style::Number(std::string_view key, double fallback) const {
  const auto v = Get(key);
  if (!v || v->empty()) return fallback;
  const std::string s(*v);
  char* end = nullptr;
  const double d = std::strtod(s.c_str(), &end);
  if (end == s.c_str() || d != d) return fallback;  // no number, or NaN
  return d;
}

bool Style::HasName(std::string_view name) const {
  for (const std::string& n : names)
    if (n == name) return true;
  return false;
}

std::string Style::ShapeName() const {
  if (const auto shape = Get("shape")) return std::string(*shape);
  return names.empty() ? std::string() : names.front();
}

}  // namespace drawio
