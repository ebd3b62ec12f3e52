#include "MermaidData.h"

namespace graph::mermaid {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// A scalar: double quotes with YAML's escapes, single quotes with '' for ', or plain.
std::optional<std::string> Scalar(std::string_view s) {
  s = Trim(s);
  if (s.empty()) return std::string();
  if (s.front() == '"' || s.front() == '\'') {
    const char q = s.front();
    if (s.size() < 2 || s.back() != q) return std::nullopt;
    std::string out;
    for (size_t i = 1; i + 1 < s.size(); ++i) {
      const char c = s[i];
      if (q == '\'' && c == '\'' && s[i + 1] == '\'') {
        out += '\'';
        ++i;
      } else if (q == '"' && c == '\\' && i + 2 < s.size()) {
        const char e = s[++i];
        out += e == 'n' ? '\n' : e == 't' ? '\t' : e;
      } else {
        out += c;
      }
    }
    return out;
  }
  if (s.front() == '{' || s.front() == '[') return std::nullopt;  // nested collections
  return std::string(s);
}

// Splits at `separator` outside quotes and brackets.
std::vector<std::string_view> Split(std::string_view s, char separator) {
  std::vector<std::string_view> parts;
  char quote = 0;
  int depth = 0;
  size_t start = 0;
  for (size_t i = 0; i <= s.size(); ++i) {
    const char c = i < s.size() ? s[i] : separator;
    if (quote) {
      if (c == quote) quote = 0;
      if (i < s.size()) continue;
    }
    if (c == '"' || c == '\'') quote = c;
    else if (c == '[' || c == '{') ++depth;
    else if (c == ']' || c == '}') --depth;
    else if (c == separator && depth <= 0) {
      parts.push_back(s.substr(start, i - start));
      start = i + 1;
    }
  }
  return parts;
}

// "key: value": the first ':' outside quotes that a blank or the end follows.
bool Pair(std::string_view item, std::vector<DataItem>& out) {
  char quote = 0;
  size_t colon = std::string_view::npos;
  for (size_t i = 0; i < item.size(); ++i) {
    const char c = item[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == ':' && (i + 1 == item.size() || item[i + 1] == ' ' || item[i + 1] == '\t')) {
      colon = i;
      break;
    }
  }
  const std::optional<std::string> key = Scalar(colon == std::string_view::npos ? item : item.substr(0, colon));
  const std::optional<std::string> value =
      colon == std::string_view::npos ? std::optional<std::string>("") : Scalar(item.substr(colon + 1));
  if (!key || !value) return false;
  out.push_back({*key, *value});
  return true;
}

}  // namespace

std::optional<std::vector<DataItem>> ParseData(std::string_view data, std::string* why) {
  std::vector<DataItem> items;
  if (data.find('\n') == std::string_view::npos) {
    for (std::string_view item : Split(data, ',')) {
      if (Trim(item).empty()) continue;
      if (!Pair(item, items)) {
        *why = std::string(Trim(item).substr(0, 60));
        return std::nullopt;
      }
    }
    return items;
  }
  for (std::string_view line : Split(data, '\n')) {
    const std::string_view item = Trim(line);
    if (item.empty() || item.front() == '#') continue;
    if (!Pair(item, items)) {
      *why = std::string(item.substr(0, 60));
      return std::nullopt;
    }
  }
  return items;
}

}  // namespace graph::mermaid
