#include "DotText.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <vector>

namespace graph::dot {
namespace {

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

// &amp; &lt; &gt; &quot; &apos; &nbsp; &#NN; &#xNN; — the entities of HTML-like labels.
size_t DecodeEntity(std::string_view s, std::string& out) {
  const size_t semi = s.find(';');
  if (semi == std::string_view::npos || semi > 10) return 0;
  const std::string_view name = s.substr(1, semi - 1);
  static constexpr std::array<std::pair<std::string_view, uint32_t>, 6> kNames{
      {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}, {"nbsp", 0xA0}}};
  for (const auto& [entity, cp] : kNames)
    if (name == entity) {
      AppendUtf8(out, cp);
      return semi + 1;
    }
  if (name.size() >= 2 && name[0] == '#') {
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const std::string digits(name.substr(hex ? 2 : 1));
    if (digits.empty() || digits.size() > 7) return 0;
    for (char c : digits)
      if (!(hex ? std::isxdigit(static_cast<unsigned char>(c)) : std::isdigit(static_cast<unsigned char>(c)))) return 0;
    const uint32_t cp = static_cast<uint32_t>(std::stoul(digits, nullptr, hex ? 16 : 10));
    if (cp == 0 || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    AppendUtf8(out, cp);
    return semi + 1;
  }
  return 0;
}

}  // namespace

std::string UnescapeLabel(std::string_view raw, const LabelNames& names) {
  std::string out;
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '\\' || i + 1 == raw.size()) {
      out += raw[i];
      continue;
    }
    const char c = raw[++i];
    switch (c) {
      case 'n':
      case 'l':
      case 'r':
        if (i + 1 < raw.size()) out += '\n';  // a last line break ends the last line, no new one
        break;
      case 'N': out += names.object; break;
      case 'G': out += names.graph; break;
      case 'E': out += names.object; break;
      case 'T': out += names.tail; break;
      case 'H': out += names.head; break;
      case 'L': break;  // the object's label position: nothing to show
      default: out += c;
    }
  }
  return out;
}

std::string RecordFields(std::string_view raw) {
  std::vector<std::string> fields(1);
  bool inPort = false;
  for (size_t i = 0; i < raw.size(); ++i) {
    const char c = raw[i];
    if (c == '\\' && i + 1 < raw.size()) {
      fields.back() += c;
      fields.back() += raw[++i];
    } else if (inPort) {
      inPort = c != '>';
    } else if (c == '<') {
      inPort = true;
    } else if (c == '|') {
      fields.emplace_back();
    } else if (c != '{' && c != '}') {
      fields.back() += c;
    }
  }
  // Fields are trimmed, as Graphviz draws them.
  std::string out;
  for (size_t k = 0; k < fields.size(); ++k) {
    std::string_view field = fields[k];
    while (!field.empty() && field.front() == ' ') field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ' && !(field.size() >= 2 && field[field.size() - 2] == '\\'))
      field.remove_suffix(1);
    if (k > 0) out += "\\n";
    out += field;
  }
  return out;
}

std::string HtmlText(std::string_view html) {
  std::string out;
  for (size_t i = 0; i < html.size(); ++i) {
    const char c = html[i];
    if (c == '<') {
      const size_t close = html.find('>', i);
      if (close == std::string_view::npos) break;
      std::string tag;
      for (char t : html.substr(i + 1, close - i - 1))
        if (std::isalpha(static_cast<unsigned char>(t))) tag += static_cast<char>(std::tolower(static_cast<unsigned char>(t)));
        else if (!tag.empty()) break;
      if (tag == "br") out += '\n';
      i = close;
    } else if (c == '&') {
      const size_t used = DecodeEntity(html.substr(i), out);
      if (used == 0) out += c;
      else i += used - 1;
    } else if (c == '\n' || c == '\r' || c == '\t') {
      out += ' ';  // white space in HTML-like labels is not a line break
    } else {
      out += c;
    }
  }
  return out;
}

std::string Latin1ToUtf8(std::string_view latin1) {
  std::string out;
  for (char c : latin1) AppendUtf8(out, static_cast<unsigned char>(c));
  return out;
}

bool IsUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    size_t extra = 0;
    if (b >= 0xF0 && b <= 0xF4) extra = 3;
    else if (b >= 0xE0) extra = b <= 0xEF ? 2 : 99;
    else if (b >= 0xC2) extra = 1;
    else if (b >= 0x80) return false;
    if (extra > 3 || i + extra >= text.size() + (extra == 0 ? 1 : 0)) return false;
    for (size_t k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += 1 + extra;
  }
  return true;
}

std::string QuoteLabel(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  // Graphviz ends the last line at a final line break; a second one keeps the empty line.
  if (text.ends_with('\n')) out += "\\n";
  return out + "\"";
}

std::string QuoteId(std::string_view id) {
  std::string out = "\"";
  for (char c : id) {
    if (c == '"') out += '\\';
    out += c;
  }
  return out + "\"";
}

}  // namespace graph::dot
