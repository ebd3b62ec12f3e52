#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "MermaidSource.h"

// The tokens of Mermaid's flowchart grammar, cut as its own lexer cuts them: its rules are tried
// in their order and the first that matches wins; brackets, quotes and link texts switch it into
// states of their own. Linear in the text: no rule looks further than its own match, but for the
// few that look along a whole run of characters or a line, whose answers are kept.
namespace graph::mermaid {

enum class Tok : uint8_t {
  Eof, AccTitle, AccTitleValue, AccDescr, AccDescrValue, AccDescrMultilineValue, ShapeData,
  CallbackName, CallbackArgs, MdStr, Str, Style, Default, LinkStyle, Interpolate, ClassDef, Class,
  Href, Click, Graph, Subgraph, End, LinkTarget, NoDir, Dir, Direction, LinkId, Num, Brkt,
  StyleSeparator, Colon, Amp, Semi, Comma, Mult, Link, StartLink, EdgeText, EllipseEnd, Text,
  EllipseStart, StadiumEnd, StadiumStart, SubroutineEnd, SubroutineStart, VertexWithPropsStart,
  TagEnd, CylinderEnd, CylinderStart, DoubleCircleEnd, DoubleCircleStart, TrapEnd, InvTrapEnd,
  TrapStart, InvTrapStart, TagStart, Up, Sep, Down, NodeString, Minus, UnicodeText, Pipe, PE, PS,
  SQE, SQS, DiamondStop, DiamondStart, Quote, Newline, Space,
};

// How a token is named in messages: "'-->'", "a line break", "the end of the text".
const char* TokenName(Tok type);

struct Token {
  Tok type = Tok::Eof;
  size_t start = 0, end = 0;  // offsets of the source text
  std::string_view text;
  bool quoted = false;        // a ShapeData piece inside double quotes
};

class Lexer {
 public:
  explicit Lexer(std::string_view text) : text_(text) {}

  // The next token; throws SyntaxError where no rule matches.
  Token next();

  // The text from here to the end of the statement (';' or the line's end), consumed: style
  // values, read whole whatever they hold. Only while no state is open but the first.
  std::string_view restOfStatement();

  size_t offset() const { return pos_; }
  // Back to an earlier offset where a token ended in the first state, which the lexer is in.
  void rewind(size_t offset) { pos_ = offset; }

 private:
  enum class State : uint8_t {
    Initial, AccTitle, AccDescr, AccDescrMultiline, ShapeData, ShapeDataStr, CallbackName,
    CallbackArgs, MdString, String, Click, Dir, EdgeText, ThickEdgeText, DottedEdgeText,
    EllipseText, Text, TrapText,
  };

  State state() const { return states_.empty() ? State::Initial : states_.back(); }
  void push(State s) { states_.push_back(s); }
  void pop() {
    if (!states_.empty()) states_.pop_back();
  }

  // Each returns the end of its match at pos_, or npos.
  size_t linkId();
  size_t spacesFrom(size_t i);  // SkipSpaces, kept for the run of blanks it crossed
  size_t direction(int* kind);
  size_t nodeString() const;
  bool keyword(std::string_view word) const;

  std::string_view text_;
  size_t pos_ = 0;
  std::vector<State> states_;
  bool firstGraph_ = true;
  // The run of characters without blanks or quotes last looked along for an edge id, and the last
  // '@' in it that may end one.
  size_t runStart_ = 1, runEnd_ = 0, runAt_ = 0;
  // The line last looked along for a direction statement, and where its last one of each kind starts.
  size_t lineStart_ = 1, lineEnd_ = 0;
  size_t directionAt_[5] = {}, directionEnd_[5] = {};
  size_t spaceFrom_ = 1, spaceEnd_ = 0;
};

}  // namespace graph::mermaid
