#include <array>

#include "MermaidChars.h"
#include "MermaidLexer.h"

// The rules that look along a whole run of characters or a line, each keeping its answer for the
// tokens that follow within that run, and the names tokens go by in messages.
// Only Qt's translation tools read the mark: the names in words go to the editor's translation.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace graph::mermaid {
namespace {

constexpr size_t npos = std::string_view::npos;

}  // namespace

const char* TokenName(Tok type) {
  switch (type) {
    case Tok::Eof: return QT_TRANSLATE_NOOP("ChartMessageWords", "the end of the text");
    case Tok::Newline: return QT_TRANSLATE_NOOP("ChartMessageWords", "a line break");
    case Tok::Space: return QT_TRANSLATE_NOOP("ChartMessageWords", "a blank");
    case Tok::Semi: return "';'";
    case Tok::Link:
    case Tok::StartLink: return QT_TRANSLATE_NOOP("ChartMessageWords", "a link");
    case Tok::LinkId: return QT_TRANSLATE_NOOP("ChartMessageWords", "a link's id");
    case Tok::End: return "'end'";
    case Tok::Graph: return QT_TRANSLATE_NOOP("ChartMessageWords", "'graph' or 'flowchart'");
    case Tok::Subgraph: return "'subgraph'";
    case Tok::Style: return "'style'";
    case Tok::Class: return "'class'";
    case Tok::ClassDef: return "'classDef'";
    case Tok::LinkStyle: return "'linkStyle'";
    case Tok::Amp: return "'&'";
    case Tok::Pipe: return "'|'";
    case Tok::StyleSeparator: return "':::'";
    case Tok::ShapeData: return "'@{'";
    case Tok::Str:
    case Tok::MdStr: return QT_TRANSLATE_NOOP("ChartMessageWords", "a quoted text");
    default: break;
  }
  return QT_TRANSLATE_NOOP("ChartMessageWords", "text");
}

// [^\s"]+@ with a character after the '@' that is neither '{' nor '"': the longest such match.
size_t Lexer::linkId() {
  if (!(pos_ >= runStart_ && pos_ < runEnd_)) {
    runStart_ = pos_;
    runAt_ = npos;
    size_t i = pos_;
    while (i < text_.size() && text_[i] != '"' && SpaceAt(text_, i) == 0) {
      if (text_[i] == '@' && i + 1 < text_.size() && text_[i + 1] != '{' && text_[i + 1] != '"') runAt_ = i;
      ++i;
    }
    runEnd_ = i;
  }
  return runAt_ != npos && runAt_ >= pos_ + 1 ? runAt_ + 1 : npos;
}

// .*direction\s+XX[^\n]* for XX = TB, BT, RL, LR, TD, in that order: the rest of the line.
size_t Lexer::direction(int* kind) {
  if (!(pos_ >= lineStart_ && pos_ <= lineEnd_)) {
    lineStart_ = pos_;
    lineEnd_ = text_.find('\n', pos_);
    if (lineEnd_ == npos) lineEnd_ = text_.size();
    static constexpr std::array<std::string_view, 5> kCodes{"TB", "BT", "RL", "LR", "TD"};
    for (size_t& at : directionAt_) at = npos;
    const std::string_view line = text_.substr(0, lineEnd_);  // searches stay within the line
    for (size_t o = line.find("direction", pos_); o != npos; o = line.find("direction", o + 1)) {
      const size_t s = SkipSpaces(text_, o + 9);
      if (s == o + 9) continue;
      for (size_t k = 0; k < kCodes.size(); ++k) {
        if (!text_.substr(s).starts_with(kCodes[k])) continue;
        directionAt_[k] = o;
        const size_t end = text_.find('\n', s + 2);
        directionEnd_[k] = end == npos ? text_.size() : end;
      }
    }
  }
  for (size_t k = 0; k < 5; ++k)
    if (directionAt_[k] != npos && directionAt_[k] >= pos_) {
      *kind = static_cast<int>(k);
      return directionEnd_[k];
    }
  return npos;
}

size_t Lexer::spacesFrom(size_t i) {
  if (i >= spaceFrom_ && i < spaceEnd_) return spaceEnd_;
  spaceFrom_ = i;
  spaceEnd_ = SkipSpaces(text_, i);
  return spaceEnd_;
}

std::string_view Lexer::restOfStatement() {
  const size_t start = pos_;
  while (pos_ < text_.size() && text_[pos_] != '\n' && text_[pos_] != ';') ++pos_;
  return text_.substr(start, pos_ - start);
}

}  // namespace graph::mermaid
