#include "MermaidSource.h"

#include <algorithm>

#include "MermaidChars.h"

namespace graph::mermaid {
namespace {

using Shifts = std::vector<std::pair<size_t, size_t>>;

size_t Shifted(const Shifts& shifts, size_t offset) {
  const auto it = std::upper_bound(shifts.begin(), shifts.end(), offset,
                                   [](size_t o, const std::pair<size_t, size_t>& s) { return o < s.first; });
  return it == shifts.begin() ? offset : offset + std::prev(it)->second;
}

// Everything but the line breaks becomes a blank.
void Blank(std::string& text, size_t from, size_t to) {
  for (size_t i = from; i < to && i < text.size(); ++i)
    if (text[i] != '\n') text[i] = ' ';
}

size_t LineEnd(std::string_view text, size_t i) {
  const size_t end = text.find('\n', i);
  return end == std::string_view::npos ? text.size() : end;
}

bool BlankLine(std::string_view line) { return SkipSpaces(line, 0) == line.size(); }

}  // namespace

Source::Source(std::string_view written) : written_(written) {
  lineStarts_.push_back(0);
  for (size_t i = 0; i < written.size(); ++i)
    if (written[i] == '\n') lineStarts_.push_back(i + 1);

  // Line ends: "\r\n" and a lone '\r' become '\n'.
  std::vector<std::pair<size_t, MessageCode>> blanked;  // at offsets of the normalised text
  std::string text;
  text.reserve(written.size() + 1);
  Shifts crShifts;
  for (size_t i = 0; i < written.size(); ++i) {
    if (written[i] != '\r') {
      const size_t next = std::min(written.find('\r', i), written.size());
      text.append(written.substr(i, next - i));
      i = next - 1;
    } else if (i + 1 < written.size() && written[i + 1] == '\n') {
      crShifts.emplace_back(text.size(), crShifts.empty() ? 1 : crShifts.back().second + 1);
    } else {
      text += '\n';
    }
  }

  // Front matter: a line of three dashes first (after blank lines), closed by another.
  size_t start = 0;
  while (start < text.size() && BlankLine(std::string_view(text).substr(start, LineEnd(text, start) - start)))
    start = LineEnd(text, start) + 1;
  if (start < text.size() && std::string_view(text).substr(start).starts_with("---") &&
      BlankLine(std::string_view(text).substr(start + 3, LineEnd(text, start) - start - 3))) {
    size_t line = LineEnd(text, start) + 1;
    for (;;) {
      if (line >= text.size()) {
        // Nothing before it was dropped: its offset is the same in text_.
        error_ = SyntaxError(start, {MessageCode::FrontMatterNotClosed});
        break;
      }
      const size_t end = LineEnd(text, line);
      if (std::string_view(text).substr(line, end - line).starts_with("---")) {
        Blank(text, start, end);
        blanked.emplace_back(start, MessageCode::FrontMatterSkipped);
        break;
      }
      line = end + 1;
    }
  }

  // Directives: %%{ ... }%%, over lines if need be.
  for (size_t at = text.find("%%{"); at != std::string::npos; at = text.find("%%{", at)) {
    const size_t close = text.find("}%%", at + 3);
    const size_t end = close == std::string::npos ? text.size() : close + 3;
    Blank(text, at, end);
    blanked.emplace_back(at, MessageCode::DirectiveSkipped);
    at = end;
  }

  // Comment lines: "%%" first on a line. A bare "%%" is one too.
  for (size_t line = 0; line < text.size(); line = LineEnd(text, line) + 1) {
    const size_t first = SkipSpaces(std::string_view(text).substr(0, LineEnd(text, line)), line);
    if (std::string_view(text).substr(first).starts_with("%%")) Blank(text, line, LineEnd(text, line));
  }

  // "}" and blanks up to the last line break among them: the blanks go (in place).
  Shifts braceShifts;
  size_t w = 0;
  for (size_t r = 0; r < text.size();) {
    if (text[r] != '}') {
      const size_t next = std::min(text.find('}', r), text.size());
      if (w != r) std::copy(text.begin() + static_cast<long>(r), text.begin() + static_cast<long>(next), text.begin() + static_cast<long>(w));
      w += next - r;
      r = next;
      continue;
    }
    text[w++] = text[r++];
    size_t end = r, lastBreak = std::string::npos;
    while (size_t n = SpaceAt(text, end)) {
      if (text[end] == '\n') lastBreak = end;
      end += n;
    }
    if (lastBreak == std::string::npos || lastBreak == r) continue;
    braceShifts.emplace_back(w, (braceShifts.empty() ? 0 : braceShifts.back().second) + (lastBreak - r));
    r = lastBreak;
  }
  text.resize(w);
  text += '\n';
  text_ = std::move(text);

  // Offsets of text_ go back to the written text through the brace drops, then the line ends.
  braceShifts_ = std::move(braceShifts);
  crShifts_ = std::move(crShifts);
  for (auto& [offset, what] : blanked) blanked_.push_back({writtenLine(Shifted(crShifts_, offset)), what});
}

size_t Source::writtenOffset(size_t offset) const {
  return std::min(Shifted(crShifts_, Shifted(braceShifts_, offset)), written_.size());
}

int Source::writtenLine(size_t written) const {
  return static_cast<int>(std::upper_bound(lineStarts_.begin(), lineStarts_.end(), written) - lineStarts_.begin());
}

int Source::lineOf(size_t offset) const { return writtenLine(writtenOffset(offset)); }

int Source::columnOf(size_t offset) const {
  const size_t w = writtenOffset(offset);
  size_t start = lineStarts_[static_cast<size_t>(lineOf(offset) - 1)];
  int column = 1;
  for (size_t i = start; i < w; ++i)
    if ((static_cast<unsigned char>(written_[i]) & 0xC0) != 0x80 && written_[i] != '\r') ++column;
  return column;
}

}  // namespace graph::mermaid
