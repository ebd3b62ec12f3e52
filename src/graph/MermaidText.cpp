#include "MermaidText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>

#include "MermaidChars.h"
#include "TextCodes.h"

namespace graph::mermaid {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
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

// Replaces "#quot;" and "#9829;" (Mermaid's own codes) and "&amp;", "&#9829;" and "&#x2665;" (HTML's)
// by their characters.
std::string DecodeCodes(std::string_view s) {
  std::string out;
  out.reserve(s.size());
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '#') {
      const size_t semi = s.find(';', i + 1);
      if (semi != std::string_view::npos && semi - i <= 12 && semi > i + 1) {
        const std::string_view code = s.substr(i + 1, semi - i - 1);
        std::optional<uint32_t> cp = NumericEntity(code, false);
        if (!cp) cp = NamedEntity(code);
        if (cp) {
          AppendUtf8(out, *cp);
          i = semi;
          continue;
        }
      }
    }
    // HTML's own codes, one at a time so that a character just made is never read again.
    if (s[i] == '&') {
      const size_t semi = s.find(';', i + 1);
      if (semi != std::string_view::npos && semi - i <= 12) {
        const std::string decoded = DecodeEntities(s.substr(i, semi - i + 1));
        if (decoded.size() < semi - i + 1) {
          out += decoded;
          i = semi;
          continue;
        }
      }
    }
    out += s[i];
  }
  return out;
}

// Font Awesome icons, as Mermaid finds them: fa:fa-car, fab:fa-github, fak:fa-custom.
size_t IconAt(std::string_view s, size_t i) {
  if (!s.substr(i).starts_with("fa")) return 0;
  if (i > 0 && IsWordChar(s[i - 1])) return 0;
  size_t j = i + 2;
  if (j < s.size() && std::string_view("bklrs").find(s[j]) != std::string_view::npos) ++j;
  if (!s.substr(j).starts_with(":fa-")) return 0;
  size_t k = j + 4;
  while (k < s.size() && (IsWordChar(s[k]) || s[k] == '-')) ++k;
  return k > j + 4 ? k - i : 0;
}

// Icons out of a line, with one blank of those around each.
std::string DropIcons(std::string_view line, std::vector<std::string>& icons) {
  std::string out;
  for (size_t i = 0; i < line.size(); ++i) {
    if (const size_t length = IconAt(line, i)) {
      icons.emplace_back(line.substr(i, length));
      i += length - 1;
      if (i + 1 < line.size() && line[i + 1] == ' ' && (out.empty() || out.back() == ' ')) ++i;
      continue;
    }
    out += line[i];
  }
  return out;
}

// Lines of a written text: at <br> tags and line breaks (and a written "\n" outside markdown);
// other tags dropped.
std::vector<std::string> Lines(std::string_view written, bool escapedBreaks) {
  std::vector<std::string> lines(1);
  for (size_t i = 0; i < written.size(); ++i) {
    const char c = written[i];
    if (c == '\n' || (escapedBreaks && c == '\\' && i + 1 < written.size() && written[i + 1] == 'n')) {
      if (c == '\\') ++i;
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
  return lines;
}

// Whether s is wholly wrapped in the marker, with none of its characters inside.
bool WrappedIn(std::string_view s, std::string_view marker) {
  if (s.size() <= 2 * marker.size() || !s.starts_with(marker) || !s.ends_with(marker)) return false;
  const std::string_view inner = s.substr(marker.size(), s.size() - 2 * marker.size());
  return inner.find(marker[0]) == std::string_view::npos && !IsBlank(inner.front()) && !IsBlank(inner.back());
}

// Emphasis markers of markdown dropped: **x**, __x__, *x*, _x_ (the underscores only at word edges).
std::string DropMarkers(std::string_view s, bool& dropped) {
  std::string out(s);
  for (std::string_view marker : {"**", "__", "*", "_"}) {
    std::string next;
    size_t i = 0;
    while (i < out.size()) {
      const size_t open = out.find(marker, i);
      if (open == std::string::npos) break;
      const size_t close = out.find(marker, open + marker.size() + 1);
      const bool edge = marker[0] != '_' || ((open == 0 || !IsWordChar(out[open - 1])) &&
                                             (close == std::string::npos || close + marker.size() >= out.size() ||
                                              !IsWordChar(out[close + marker.size()])));
      if (close == std::string::npos || !edge || IsBlank(out[open + marker.size()]) || IsBlank(out[close - 1])) {
        next += out.substr(i, open + marker.size() - i);
        i = open + marker.size();
        continue;
      }
      next += out.substr(i, open - i);
      next += out.substr(open + marker.size(), close - open - marker.size());
      i = close + marker.size();
      dropped = true;
    }
    next += out.substr(std::min(i, out.size()));
    out = std::move(next);
  }
  return out;
}

}  // namespace

ShownText ShowText(std::string_view written, TextKind kind) {
  ShownText shown;
  // Most texts are plain words: nothing to break, drop, decode or mark.
  const bool special = std::any_of(written.begin(), written.end(), [&](char c) {
    return c == '<' || c == '\n' || c == '\\' || c == '#' || c == '&' || c == ':' ||
           (kind == TextKind::Markdown && (c == '*' || c == '_'));
  });
  if (!special) {
    shown.text = Trim(written);
    return shown;
  }
  std::vector<std::string> lines = Lines(written, kind != TextKind::Markdown);
  std::vector<std::string> kept;
  for (const std::string& line : lines) {
    const std::string_view trimmed = Trim(line);
    // Markdown joins its empty lines into one break.
    if (kind == TextKind::Markdown && trimmed.empty()) continue;
    kept.emplace_back(trimmed);
  }
  if (kind == TextKind::Markdown && kept.empty()) kept.emplace_back();
  std::string text;
  for (size_t i = 0; i < kept.size(); ++i) text += (i ? "\n" : "") + kept[i];
  if (kind == TextKind::Markdown) {
    if (WrappedIn(text, "***")) {
      shown.font = {true, true};
      text = text.substr(3, text.size() - 6);
    } else if (WrappedIn(text, "**") || WrappedIn(text, "__")) {
      shown.font.bold = true;
      text = text.substr(2, text.size() - 4);
    } else if (WrappedIn(text, "*") || WrappedIn(text, "_")) {
      shown.font.italic = true;
      text = text.substr(1, text.size() - 2);
    } else {
      text = DropMarkers(text, shown.markersDropped);
    }
  }
  // Entity codes last, so that an encoded '<' or blank stays what it is.
  std::string out;
  size_t start = 0;
  for (size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\n') continue;
    const std::string line = DropIcons(text.substr(start, i - start), shown.icons);
    out += (start ? "\n" : "") + DecodeCodes(Trim(line));
    start = i + 1;
  }
  shown.text = std::move(out);
  return shown;
}

std::string EncodeText(std::string_view text) {
  const bool trap = text.find("direction") != std::string_view::npos;
  const bool plain = !trap && !text.empty() && !IsBlank(text.front()) && !IsBlank(text.back()) &&
                     std::all_of(text.begin(), text.end(), [](char c) {
                       return std::isalnum(static_cast<unsigned char>(c)) || c == ' ' || c == '_' || c == '.' ||
                              c == ',' || c == '!' || c == '?' || c == '\'';
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
        // A word that Mermaid reads otherwise: the direction statement, an icon.
        const bool icon = c == ':' && ((k >= 2 && IconAt(line, k - 2)) || (k >= 3 && IconAt(line, k - 3)));
        if ((c == 'd' && line.substr(k).starts_with("direction")) || icon) {
          out += "#" + std::to_string(static_cast<unsigned char>(c)) + ";";
          continue;
        }
        switch (c) {
          case '"': out += "#quot;"; break;
          case '#': out += "#35;"; break;
          case '&': out += "#38;"; break;
          case '<': out += "#lt;"; break;
          case '>': out += "#gt;"; break;
          case '|': out += "#124;"; break;
          case '`': out += "#96;"; break;
          case '\\': out += "#92;"; break;
          case '%': out += "#37;"; break;  // "%%{" starts a directive anywhere
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
  // Words that Mermaid's lexer takes for something else where a token starts.
  static constexpr std::array<std::string_view, 19> kKeywords{
      "end", "graph", "flowchart", "subgraph", "style", "classDef", "class", "linkStyle", "click", "call",
      "href", "accTitle", "accDescr", "interpolate", "_self", "_blank", "_parent", "_top", "flowchart-elk"};
  if (id.empty() || id.find("direction") != std::string_view::npos) return false;
  // Letters, digits and '_' in words joined by single '.' or '-'.
  for (size_t i = 0; i < id.size(); ++i) {
    const char c = id[i];
    if (c == '.' || c == '-') {
      if (i == 0 || i + 1 == id.size() || id[i + 1] == '.' || id[i + 1] == '-') return false;
    } else if (static_cast<unsigned char>(c) >= 0x80) {
      size_t length = 0;
      if (!IsIdLetter(CodePointAt(id, i, &length))) return false;
      i += length - 1;
    } else if (!IsWordChar(c)) {
      return false;
    }
  }
  // A token starts at the id's start, after its leading digits (a number is a token of its own)
  // and after each letter beyond ASCII: no keyword may open one.
  size_t digits = 0;
  while (digits < id.size() && id[digits] >= '0' && id[digits] <= '9') ++digits;
  for (std::string_view word : kKeywords)
    if (digits > 0 && id.substr(digits).starts_with(word) && WordBoundary(id, digits + word.size())) return false;
  for (size_t start = 0; start < id.size();) {
    for (std::string_view word : kKeywords)
      if (id.substr(start).starts_with(word) && WordBoundary(id, start + word.size())) return false;
    size_t next = start;
    while (next < id.size() && static_cast<unsigned char>(id[next]) < 0x80) ++next;
    size_t length = 0;
    if (next < id.size()) CodePointAt(id, next, &length);
    start = next + length;
    if (length == 0) break;
  }
  return true;
}

}  // namespace graph::mermaid
