#include "MermaidText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <vector>

namespace graph::mermaid {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// "<br>", "<br/>", "<br />" in any case.
bool IsBreakTag(std::string_view tag) {
  std::string_view inner = tag.substr(1, tag.size() - 2);
  if (!inner.empty() && inner.back() == '/') inner.remove_suffix(1);
  return EqualsNoCase(Trim(inner), "br");
}

// The length of an HTML tag starting at s[0] == '<', or 0 when it is a plain '<'.
size_t TagLength(std::string_view s) {
  if (s.size() < 3) return 0;
  const unsigned char first = static_cast<unsigned char>(s[1]);
  if (!std::isalpha(first) && first != '/') return 0;
  for (size_t i = 1; i < s.size(); ++i) {
    if (s[i] == '>') return i + 1;
    if (s[i] == '<' || s[i] == '\n') return 0;
  }
  return 0;
}

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

struct NamedEntity {
  std::string_view name;
  uint32_t codePoint;
};
constexpr std::array<NamedEntity, 6> kEntities{{
    {"quot", '"'}, {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"apos", '\''}, {"nbsp", 0xA0}}};

// Replaces "#quot;" and "#9829;" by their characters; anything else stays as written.
std::string DecodeEntities(std::string_view s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '#') {
      const size_t semi = s.find(';', i + 1);
      if (semi != std::string_view::npos && semi - i <= 12 && semi > i + 1) {
        const std::string_view code = s.substr(i + 1, semi - i - 1);
        if (std::all_of(code.begin(), code.end(), [](char c) { return c >= '0' && c <= '9'; })) {
          uint32_t cp = 0;
          for (char c : code) cp = cp * 10 + static_cast<uint32_t>(c - '0');
          if (cp > 0 && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF)) {
            AppendUtf8(out, cp);
            i = semi;
            continue;
          }
        }
        auto named = std::find_if(kEntities.begin(), kEntities.end(),
                                  [&](const NamedEntity& e) { return e.name == code; });
        if (named != kEntities.end()) {
          AppendUtf8(out, named->codePoint);
          i = semi;
          continue;
        }
      }
    }
    out += s[i];
  }
  return out;
}

}  // namespace

std::string DecodeText(std::string_view written) {
  // Lines end at <br> tags and at the line breaks inside a quoted string; each is trimmed before
  // entity codes are replaced, so an encoded space (#32;) survives.
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < written.size(); ++i) {
    const char c = written[i];
    if (c == '\n') {
      lines.emplace_back();
      continue;
    }
    if (c == '<') {
      const size_t length = TagLength(written.substr(i));
      if (length > 0) {
        if (IsBreakTag(written.substr(i, length))) lines.emplace_back();
        i += length - 1;
        continue;
      }
    }
    lines.back() += c;
  }
  std::string out;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) out += '\n';
    out += DecodeEntities(Trim(lines[i]));
  }
  return out;
}

std::string EncodeText(std::string_view text) {
  const bool plain = !text.empty() && !IsBlank(text.front()) && !IsBlank(text.back()) &&
                     std::all_of(text.begin(), text.end(), [](char c) {
                       return std::isalnum(static_cast<unsigned char>(c)) || c == ' ' || c == '_' ||
                              c == '.' || c == ',' || c == '!' || c == '?' || c == '\'';
                     });
  if (plain) return std::string(text);
  // Mermaid trims what stands between the quotes, so an empty text is written as one space.
  if (text.empty()) return "\" \"";
  std::string out = "\"";
  size_t lineStart = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == '\n') {
      const std::string_view line = text.substr(lineStart, i - lineStart);
      size_t lead = 0;
      while (lead < line.size() && IsBlank(line[lead])) ++lead;
      size_t trail = line.size();
      while (trail > lead && IsBlank(line[trail - 1])) --trail;
      for (size_t k = 0; k < line.size(); ++k) {
        const char c = line[k];
        if (k < lead || k >= trail) {
          out += "#" + std::to_string(static_cast<unsigned char>(c)) + ";";
          continue;
        }
        switch (c) {
          case '"': out += "#quot;"; break;
          case '#': out += "#35;"; break;
          case '<': out += "#lt;"; break;
          case '>': out += "#gt;"; break;
          case '|': out += "#124;"; break;
          case '`': out += "#96;"; break;
          default: out += c;
        }
      }
      if (i < text.size()) out += "<br>";
      lineStart = i + 1;
    }
  }
  out += '"';
  return out;
}

bool IsPlainId(std::string_view id) {
  static constexpr std::array<std::string_view, 17> kKeywords{
      "end", "graph", "flowchart", "subgraph", "style", "classDef", "class", "linkStyle", "click",
      "call", "href", "direction", "default", "callback", "accTitle", "accDescr", "interpolate"};
  if (id.empty() || std::isdigit(static_cast<unsigned char>(id.front()))) return false;
  if (!std::all_of(id.begin(), id.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
      }))
    return false;
  return std::find(kKeywords.begin(), kKeywords.end(), id) == kKeywords.end();
}

}  // namespace graph::mermaid
