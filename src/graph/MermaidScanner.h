#pragma once
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Graph.h"

// The character-level half of the Mermaid reader: a cursor over the text that reads node ids,
// node shapes with their texts and links, and knows where it is (line and column) for messages.
namespace graph::mermaid {

// A syntax error at a byte offset of the text.
struct SyntaxError : std::runtime_error {
  SyntaxError(size_t offset, const std::string& what) : std::runtime_error(what), offset(offset) {}
  size_t offset;
};

// The written form of a node's shape; Other* are Mermaid shapes the diagram has no figure for.
enum class ShapeForm { None, Box, Rounded, Stadium, Subroutine, Circle, DoubleCircle, Diamond, OtherShape };

struct ShapeToken {
  ShapeForm form = ShapeForm::None;
  std::string text;        // decoded
  std::string otherName;   // for OtherShape: what Mermaid calls it
};

struct LinkToken {
  LineStyle style = LineStyle::Solid;
  bool head = false;        // an end mark at the target ('>', 'o' or 'x')
  bool otherHead = false;   // the end mark is a circle or a cross
  bool startHead = false;   // '<', 'o' or 'x' at the source too
  bool invisible = false;   // '~~~'
  bool hasLabel = false;
  std::string label;        // decoded
};

class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  size_t offset() const { return pos_; }
  void seek(size_t offset) { pos_ = offset; }
  bool atEnd() const { return pos_ >= text_.size(); }
  char peek(size_t ahead = 0) const { return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0'; }
  bool startsWith(std::string_view s) const { return text_.substr(pos_).starts_with(s); }
  std::string_view text() const { return text_; }

  // 1-based line and column (in characters) of a byte offset.
  int lineOf(size_t offset) const;
  int columnOf(size_t offset) const;

  // Spaces and tabs.
  void skipBlanks();
  // The end of a statement: the end of the text, a line break, ';' or a comment.
  bool atStatementEnd() const;
  void skipToLineEnd();
  // The rest of the line, without its line break.
  std::string_view restOfLine();

  // A word of letters (keywords), not consumed.
  std::string_view peekWord() const;
  // A node id; empty when none starts here.
  std::string readId();
  // A class name after ':::' or in class and classDef statements.
  std::string readClassName();
  // A shape with its text, when one opens here.
  ShapeToken readShape();
  // A link, when one starts here (after blanks); false when none does.
  bool readLink(LinkToken& link);

 private:
  std::string readShapeText(size_t openAt, std::string_view close, const char* opener);
  void readLinkLabel(LinkToken& link, size_t at, char body, char closeLead);
  void readPipeLabel(LinkToken& link);

  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace graph::mermaid
