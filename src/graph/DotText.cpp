#include "DotText.h"

#include <cctype>
#include <cstdint>
#include <vector>

#include "TextCodes.h"

namespace graph::dot {
namespace {

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

std::string Lower(std::string_view s) {
  std::string out;
  for (char c : s) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// The tag's name in lower case ("br", "/tr"), and whether it closes itself ("<br/>").
std::string TagName(std::string_view tag) {
  std::string name;
  for (char t : tag) {
    if (std::isalpha(static_cast<unsigned char>(t)) || (t == '/' && name.empty())) name += static_cast<char>(std::tolower(static_cast<unsigned char>(t)));
    else if (!name.empty() && name != "/") break;
  }
  return name;
}

}  // namespace

std::string ShowLabel(std::string_view raw, const LabelNames& names) {
  // \N and its kin first: an escape in a name is one too, as Graphviz has it.
  std::string named;
  for (size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\\' && i + 1 < raw.size()) {
      const char c = raw[i + 1];
      const std::string_view* name = c == 'N' || c == 'E' ? &names.object : c == 'G' ? &names.graph
                                     : c == 'T' ? &names.tail : c == 'H' ? &names.head : nullptr;
      if (name) {
        named += *name;
        ++i;
        continue;
      }
      if (c == 'L') {  // the object's label position: nothing to show
        ++i;
        continue;
      }
      named += raw[i];
      named += raw[++i];
      continue;
    }
    named += raw[i];
  }
  const std::string decoded = DecodeEntities(named);
  std::string out;
  for (size_t i = 0; i < decoded.size(); ++i) {
    if (decoded[i] != '\\' || i + 1 == decoded.size()) {
      out += decoded[i];
      continue;
    }
    const char c = decoded[++i];
    if (c == 'n' || c == 'l' || c == 'r') {
      if (i + 1 < decoded.size()) out += '\n';  // a last line break ends the last line, no new one
    } else {
      out += c;
    }
  }
  return out;
}

std::string RecordFields(std::string_view raw, bool* ports) {
  std::vector<std::string> fields(1);
  bool inPort = false;
  *ports = false;
  for (size_t i = 0; i < raw.size(); ++i) {
    const char c = raw[i];
    if (c == '\\' && i + 1 < raw.size()) {
      const char e = raw[++i];
      // The record's own escapes are its characters; the label's stay for ShowLabel.
      if (std::string_view("{}|<> ").find(e) != std::string_view::npos) {
        if (!inPort) fields.back() += e == '\\' ? std::string("\\\\") : std::string(1, e);
      } else if (!inPort) {
        fields.back() += '\\';
        fields.back() += e;
      }
    } else if (inPort) {
      inPort = c != '>';
    } else if (c == '<') {
      inPort = true;
      *ports = true;
    } else if (c == '|') {
      fields.emplace_back();
    } else if (c != '{' && c != '}') {
      fields.back() += c;
    }
  }
  // Fields are trimmed, as Graphviz draws them.
  std::string out;
  for (size_t k = 0; k < fields.size(); ++k) {
    if (k > 0) out += "\\n";
    out += TrimBlanks(fields[k]);
  }
  return out;
}

std::string HtmlText(std::string_view html, TextStyle* font) {
  // A label wholly inside <b>...</b> or <i>...</i> (nested either way) is set so.
  std::string_view inner = TrimBlanks(html);
  *font = {};
  for (bool again = true; again;) {
    again = false;
    struct Wrap {
      std::string_view o, c;
      bool bold;
    };
    for (const Wrap& w : {Wrap{"<b>", "</b>", true}, Wrap{"<i>", "</i>", false}}) {
      const std::string_view o = w.o, c = w.c;
      const bool bold = w.bold;
      if (inner.size() > o.size() + c.size() && Lower(inner.substr(0, o.size())) == o &&
          Lower(inner.substr(inner.size() - c.size())) == c &&
          Lower(inner.substr(o.size(), inner.size() - o.size() - c.size())).find(c) == std::string::npos) {
        (bold ? font->bold : font->italic) = true;
        inner = TrimBlanks(inner.substr(o.size(), inner.size() - o.size() - c.size()));
        again = true;
      }
    }
  }
  std::string out;
  bool blank = false, cell = false, row = false;
  for (size_t i = 0; i < inner.size(); ++i) {
    const char c = inner[i];
    if (c == '<') {
      const size_t close = inner.find('>', i);
      if (close == std::string_view::npos) break;
      const std::string tag = TagName(inner.substr(i + 1, close - i - 1));
      if (tag == "br") {
        out += '\n';
        blank = false;
      } else if (tag == "/tr" || tag == "hr") {
        row = true;  // the next row's text starts a line
        cell = false;
      } else if (tag == "td") {
        if (cell) blank = true;
        cell = true;
      }
      i = close;
      continue;
    }
    if (c == '\n' || c == '\r' || c == '\t' || c == ' ') {
      blank = !out.empty() && out.back() != '\n';  // white space in HTML-like labels is one blank
      continue;
    }
    if (row && !out.empty() && out.back() != '\n') out += '\n';
    else if (blank && !out.empty() && out.back() != '\n') out += ' ';
    blank = row = false;
    if (c == '&') {
      const size_t semi = inner.find(';', i);
      const std::string decoded = semi == std::string_view::npos ? std::string() : DecodeEntities(inner.substr(i, semi - i + 1));
      if (!decoded.empty() && decoded.size() < semi - i + 1) {
        out += decoded;
        i = semi;
        continue;
      }
    }
    out += c;
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
    } else if (c == '&') {
      out += "&amp;";  // Graphviz reads entities in every label
    } else {
      out += c;
    }
  }
  // Graphviz ends the last line at a final line break; a second one keeps the empty line.
  if (text.ends_with('\n')) out += "\\n";
  return out + "\"";
}

std::string HtmlLabel(std::string_view text, const TextStyle& font) {
  std::string out = "<";
  if (font.bold) out += "<B>";
  if (font.italic) out += "<I>";
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      case '\n': out += "<BR/>"; break;
      case ' ': out += "&#32;"; break;  // blanks are kept as written, not joined
      default: out += c;
    }
  }
  if (font.italic) out += "</I>";
  if (font.bold) out += "</B>";
  return out + ">";
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
