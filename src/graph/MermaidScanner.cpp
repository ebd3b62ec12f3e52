#include "MermaidScanner.h"

#include <array>
#include <cctype>

#include "MermaidText.h"

namespace graph::mermaid {
namespace {

bool IsIdChar(char c) {
  const auto u = static_cast<unsigned char>(c);
  return std::isalnum(u) || c == '_' || u >= 0x80;
}

struct ShapeSyntax {
  std::string_view open;
  std::string_view close;
  std::string_view altClose;  // the slanted shapes close either way
  ShapeForm form;
  std::string_view name;
};

// Longest opener first: "(((" before "((" before "(".
constexpr std::array<ShapeSyntax, 12> kShapes{{
    {"(((", ")))", "", ShapeForm::DoubleCircle, "double circle"},
    {"((", "))", "", ShapeForm::Circle, ""},
    {"([", "])", "", ShapeForm::Stadium, ""},
    {"(", ")", "", ShapeForm::Rounded, ""},
    {"[[", "]]", "", ShapeForm::Subroutine, ""},
    {"[(", ")]", "", ShapeForm::OtherShape, "cylinder"},
    {"[/", "/]", "\\]", ShapeForm::OtherShape, "parallelogram"},
    {"[\\", "\\]", "/]", ShapeForm::OtherShape, "parallelogram"},
    {"[", "]", "", ShapeForm::Box, ""},
    {"{{", "}}", "", ShapeForm::OtherShape, "hexagon"},
    {"{", "}", "", ShapeForm::Diamond, ""},
    {">", "]", "", ShapeForm::OtherShape, "asymmetric shape"},
}};

}  // namespace

int Scanner::lineOf(size_t offset) const {
  int line = 1;
  for (size_t i = 0; i < offset && i < text_.size(); ++i)
    if (text_[i] == '\n') ++line;
  return line;
}

int Scanner::columnOf(size_t offset) const {
  if (offset > text_.size()) offset = text_.size();
  size_t start = offset;
  while (start > 0 && text_[start - 1] != '\n') --start;
  int column = 1;
  for (size_t i = start; i < offset; ++i)
    if ((static_cast<unsigned char>(text_[i]) & 0xC0) != 0x80) ++column;
  return column;
}

void Scanner::skipBlanks() {
  while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\r')) ++pos_;
}

bool Scanner::atStatementEnd() const {
  return atEnd() || peek() == '\n' || peek() == ';' || startsWith("%%");
}

void Scanner::skipToLineEnd() {
  while (!atEnd() && peek() != '\n') ++pos_;
}

std::string_view Scanner::restOfLine() {
  const size_t start = pos_;
  skipToLineEnd();
  return text_.substr(start, pos_ - start);
}

std::string_view Scanner::peekWord() const {
  size_t end = pos_;
  while (end < text_.size() && std::isalpha(static_cast<unsigned char>(text_[end]))) ++end;
  return text_.substr(pos_, end - pos_);
}

std::string Scanner::readId() {
  const size_t start = pos_;
  while (!atEnd()) {
    if (IsIdChar(peek())) {
      ++pos_;
    } else if (peek() == '-' && pos_ > start && IsIdChar(peek(1))) {
      ++pos_;  // dev-ops; "--" or "-." start a link instead
    } else {
      break;
    }
  }
  return std::string(text_.substr(start, pos_ - start));
}

std::string Scanner::readClassName() {
  const size_t start = pos_;
  while (!atEnd() && (IsIdChar(peek()) || peek() == '-')) ++pos_;
  return std::string(text_.substr(start, pos_ - start));
}

std::string Scanner::readShapeText(size_t openAt, std::string_view close, const char* opener) {
  skipBlanks();
  if (peek() == '"') {
    const size_t quote = pos_;
    const size_t end = text_.find('"', quote + 1);
    if (end == std::string_view::npos) throw SyntaxError(quote, "'\"' is not closed");
    std::string_view inner = text_.substr(quote + 1, end - quote - 1);
    if (inner.size() >= 2 && inner.front() == '`' && inner.back() == '`') inner = inner.substr(1, inner.size() - 2);
    pos_ = end + 1;
    skipBlanks();
    if (!startsWith(close))
      throw SyntaxError(pos_, std::string("expected '") + std::string(close) + "' to close '" + opener + "'");
    pos_ += close.size();
    return DecodeText(inner);
  }
  const size_t start = pos_;
  while (!atEnd() && peek() != '\n' && !startsWith(close)) ++pos_;
  if (!startsWith(close)) throw SyntaxError(openAt, std::string("'") + opener + "' is not closed on its line");
  const std::string_view inner = text_.substr(start, pos_ - start);
  pos_ += close.size();
  return DecodeText(inner);
}

ShapeToken Scanner::readShape() {
  ShapeToken token;
  for (const ShapeSyntax& syntax : kShapes) {
    if (!startsWith(syntax.open)) continue;
    const size_t openAt = pos_;
    pos_ += syntax.open.size();
    const std::string opener(syntax.open);
    if (syntax.altClose.empty()) {
      token.text = readShapeText(openAt, syntax.close, opener.c_str());
    } else {
      // Whichever of the two closes comes first on the line ends the text.
      const size_t lineEnd = std::min(text_.find('\n', pos_), text_.size());
      const size_t a = text_.find(syntax.close, pos_);
      const size_t b = text_.find(syntax.altClose, pos_);
      const size_t first = std::min(a, b);
      if (first == std::string_view::npos || first >= lineEnd)
        throw SyntaxError(openAt, "'" + opener + "' is not closed on its line");
      token.text = readShapeText(openAt, first == a ? syntax.close : syntax.altClose, opener.c_str());
    }
    token.form = syntax.form;
    token.otherName = std::string(syntax.name);
    return token;
  }
  return token;
}

void Scanner::readPipeLabel(LinkToken& link) {
  const size_t save = pos_;
  skipBlanks();
  if (peek() != '|') {
    pos_ = save;
    return;
  }
  const size_t bar = pos_++;
  std::string_view inner;
  if (peek() == '"') {
    const size_t end = text_.find('"', pos_ + 1);
    if (end == std::string_view::npos) throw SyntaxError(pos_, "'\"' is not closed");
    inner = text_.substr(pos_ + 1, end - pos_ - 1);
    pos_ = end + 1;
    skipBlanks();
    if (peek() != '|') throw SyntaxError(bar, "'|' is not closed");
    ++pos_;
  } else {
    const size_t start = pos_;
    while (!atEnd() && peek() != '\n' && peek() != '|') ++pos_;
    if (peek() != '|') throw SyntaxError(bar, "'|' is not closed on its line");
    inner = text_.substr(start, pos_ - start);
    ++pos_;
  }
  if (inner.size() >= 2 && inner.front() == '`' && inner.back() == '`') inner = inner.substr(1, inner.size() - 2);
  link.hasLabel = true;
  link.label = DecodeText(inner);
}

// "-- text -->", "== text ==>", "-. text .->": the text up to the link's second half.
void Scanner::readLinkLabel(LinkToken& link, size_t at, char body, char closeLead) {
  skipBlanks();
  const std::string_view end = body == '-' ? "--" : body == '=' ? "==" : ".-";
  const char* missing = body == '-' ? "'-->' or '---'" : body == '=' ? "'==>' or '==='" : "'.->' or '.-'";
  std::string_view inner;
  if (peek() == '"') {
    const size_t close = text_.find('"', pos_ + 1);
    if (close == std::string_view::npos) throw SyntaxError(pos_, "'\"' is not closed");
    inner = text_.substr(pos_ + 1, close - pos_ - 1);
    pos_ = close + 1;
    skipBlanks();
    if (!startsWith(end)) throw SyntaxError(at, std::string("the link's text is not followed by ") + missing);
  } else {
    const size_t start = pos_;
    while (!atEnd() && peek() != '\n' && !startsWith(end)) ++pos_;
    if (!startsWith(end)) throw SyntaxError(at, std::string("the link's text is not followed by ") + missing);
    inner = text_.substr(start, pos_ - start);
  }
  if (inner.size() >= 2 && inner.front() == '`' && inner.back() == '`') inner = inner.substr(1, inner.size() - 2);
  link.hasLabel = true;
  link.label = DecodeText(inner);
  // The second half: the body's characters, then an end mark or none.
  int count = 0;
  if (body == '.') {
    while (peek() == '.') ++pos_;
    ++pos_;  // the '-'
    count = 3;
  } else {
    while (peek() == closeLead) ++pos_, ++count;
  }
  if (peek() == '>' || peek() == 'o' || peek() == 'x') {
    link.head = true;
    link.otherHead = peek() != '>';
    ++pos_;
  } else if (count < 3) {
    throw SyntaxError(at, std::string("the link's text is not followed by ") + missing);
  }
}

bool Scanner::readLink(LinkToken& link) {
  const size_t start = pos_;
  link = LinkToken{};
  auto bodyAt = [&](size_t i) {
    const std::string_view two = text_.substr(i, 2);
    return two == "--" || two == "==" || two == "-.";
  };
  if ((peek() == '<' || peek() == 'o' || peek() == 'x') && bodyAt(pos_ + 1)) {
    link.startHead = true;
    ++pos_;
  }
  if (startsWith("~~~")) {
    while (peek() == '~') ++pos_;
    link.invisible = true;
    return true;
  }
  auto endMark = [&](int count, int least) {
    if (peek() == '>' || ((peek() == 'o' || peek() == 'x') && count >= 2)) {
      link.head = true;
      link.otherHead = peek() != '>';
      ++pos_;
      return true;
    }
    return count >= least;
  };
  if (startsWith("-.")) {
    link.style = LineStyle::Dashed;
    ++pos_;
    int dots = 0;
    while (peek() == '.') ++pos_, ++dots;
    if (peek() == '-') {
      ++pos_;
      endMark(2, 0);
    } else if (dots == 1) {
      readLinkLabel(link, start, '.', '.');
    } else {
      throw SyntaxError(start, "a dotted link ends in '-' ('-.-' or '-.->')");
    }
  } else if (startsWith("--") || startsWith("==")) {
    const char body = peek();
    link.style = body == '=' ? LineStyle::Thick : LineStyle::Solid;
    int count = 0;
    while (peek() == body) ++pos_, ++count;
    if (!endMark(count, 3)) readLinkLabel(link, start, body, body);
  } else {
    pos_ = start;
    return false;
  }
  if (link.startHead && !link.head) throw SyntaxError(start, "a link with a mark at its start needs one at its end");
  readPipeLabel(link);
  return true;
}

}  // namespace graph::mermaid
