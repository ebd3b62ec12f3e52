// Mermaid's flowchart grammar (flow.jison of Mermaid 11) read by descent over its own tokens, with
// the flowchart database's effects at the points where its grammar has them.
#include <algorithm>

#include "Mermaid.h"
#include "MermaidChars.h"
#include "MermaidChart.h"
#include "MermaidLexer.h"

namespace graph {
namespace {

using mermaid::Chart;
using mermaid::Lexer;
using mermaid::Link;
using mermaid::SyntaxError;
using mermaid::TextKind;
using mermaid::Tok;
using mermaid::Token;
using mermaid::WrittenText;

bool IsIdToken(Tok t) {
  switch (t) {
    case Tok::Num: case Tok::NodeString: case Tok::Down: case Tok::Minus: case Tok::Default: case Tok::Comma:
    case Tok::Colon: case Tok::Amp: case Tok::Brkt: case Tok::Mult: case Tok::UnicodeText: return true;
    default: return false;
  }
}

bool IsTextToken(Tok t) { return t == Tok::Text || t == Tok::TagStart || t == Tok::TagEnd || t == Tok::UnicodeText; }

// The subgraph title's tokens (textNoTags), keywords and opening links included.
bool IsTitleToken(Tok t) {
  switch (t) {
    case Tok::Num: case Tok::NodeString: case Tok::Space: case Tok::Minus: case Tok::Amp: case Tok::UnicodeText:
    case Tok::Colon: case Tok::Mult: case Tok::Brkt: case Tok::Style: case Tok::LinkStyle: case Tok::ClassDef:
    case Tok::Class: case Tok::Click: case Tok::Graph: case Tok::Dir: case Tok::Subgraph: case Tok::End:
    case Tok::Down: case Tok::Up: case Tok::StartLink: return true;
    default: return false;
  }
}

bool IsSeparator(Tok t) { return t == Tok::Newline || t == Tok::Semi || t == Tok::Eof; }

// Splits style items at commas outside parentheses; "\," is a comma of the value.
std::vector<std::string> StyleItems(std::string_view s) {
  std::vector<std::string> items(1);
  int depth = 0;
  for (size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (c == '\\' && i + 1 < s.size() && s[i + 1] == ',') {
      items.back() += ',';
      ++i;
    } else if (c == ',' && depth == 0) {
      items.emplace_back();
    } else {
      depth += c == '(' ? 1 : c == ')' ? -1 : 0;
      items.back() += c;
    }
  }
  return items;
}

std::string Shown(const Token& t) {
  switch (t.type) {
    case Tok::Eof: case Tok::Newline: case Tok::Space: case Tok::Link: case Tok::StartLink: return mermaid::TokenName(t.type);
    default: return "'" + Excerpt(t.text.substr(0, t.text.find_last_not_of(" \t\n") + 1), 40) + "'";
  }
}

// Where a token starts to show: links take the blanks before them.
size_t Where(const Token& t) {
  const size_t lead = mermaid::SkipSpaces(t.text, 0);
  return t.start + (lead < t.text.size() ? lead : 0);
}

// The tokens looked ahead at: rarely more than two, taken in order, so a plain array that is
// emptied whenever all are taken serves where a deque would cost more than the lexing.
class Ahead {
 public:
  size_t size() const { return tokens_.size() - first_; }
  bool empty() const { return size() == 0; }
  const Token& operator[](size_t k) const { return tokens_[first_ + k]; }
  void push(Token t) { tokens_.push_back(t); }
  Token pop() {
    const Token t = tokens_[first_++];
    if (first_ == tokens_.size()) {
      tokens_.clear();
      first_ = 0;
    }
    return t;
  }

 private:
  std::vector<Token> tokens_;
  size_t first_ = 0;
};

class Reader {
 public:
  explicit Reader(const mermaid::Source& source) : source_(source), lexer_(source.text()), chart_(source) {}

  Graph read() {
    header();
    document(false, 0);
    return chart_.finish();
  }
  std::vector<Message> takeWarnings() { return chart_.takeWarnings(); }

 private:
  const Token& peek(size_t k = 0) {
    while (ahead_.size() <= k) ahead_.push(lexer_.next());
    return ahead_[k];
  }
  Token take() {
    peek();
    return ahead_.pop();
  }
  bool is(Tok type, size_t k = 0) { return peek(k).type == type; }
  [[noreturn]] void fail(size_t at, MessageCode code, std::vector<std::string> words = {}) {
    throw SyntaxError(at, {code, std::move(words)});
  }
  // The code's pattern names what was expected; its %1 is what was found.
  Token expect(Tok type, MessageCode what) {
    if (!is(type)) fail(Where(peek()), what, {Shown(peek())});
    return take();
  }
  // A quoted text that runs to the end has no closing quote.
  Token quoted() {
    const Token t = take();
    if (t.end >= source_.text().size()) fail(t.start - (t.type == Tok::MdStr ? 2 : 1), MessageCode::QuoteNotClosed);
    return t;
  }
  // The raw rest of a style statement; the lexer stands just after what was taken.
  std::string_view restOfStatement() { return ahead_.empty() ? lexer_.restOfStatement() : std::string_view(); }
  bool rawStartsWith(std::string_view word) {
    const std::string_view rest = source_.text().substr(lexer_.offset());
    return ahead_.empty() && rest.starts_with(word) && mermaid::WordBoundary(rest, word.size());
  }

  void header() {
    while (is(Tok::Space) || is(Tok::Newline)) take();
    if (!is(Tok::Graph)) {
      const Token& t = peek();
      if (t.type == Tok::Eof) fail(t.start, MessageCode::NoFlowchart);
      std::string_view line = source_.text().substr(t.start);
      line = line.substr(0, std::min(line.find('\n'), line.size()));
      fail(t.start, MessageCode::ExpectedFlowchart, {Excerpt(line, 40)});
    }
    take();
    if (is(Tok::NoDir)) {
      take();
      return;
    }
    const Token dir = expect(Tok::Dir, MessageCode::ExpectedDirection);
    chart_.setDirection(dir.text, dir.start);
    while (is(Tok::Space)) take();
    if (!is(Tok::Semi) && !is(Tok::Newline)) fail(peek().start, MessageCode::ExpectedLineEndAfterDirection, {Shown(peek())});
    take();
  }

  void document(bool inSubgraph, size_t subgraphAt) {
    for (;;) {
      const Token& t = peek();
      switch (t.type) {
        case Tok::Eof:
          // What the subgraph holds is kept: it ends with the text.
          if (inSubgraph)
            chart_.warn(subgraphAt, {MessageCode::SubgraphNotClosed,
                                     {chart_.openSubgraphName(), std::to_string(source_.lineOf(subgraphAt))}});
          return;
        case Tok::Newline:
        case Tok::Semi:
        case Tok::Space: take(); continue;
        case Tok::End:
          if (!inSubgraph) fail(t.start, MessageCode::EndWithoutSubgraph);
          take();
          return;
        default: statement(inSubgraph);
      }
    }
  }

  void separator() {
    if (!IsSeparator(peek().type))
      fail(Where(peek()), MessageCode::ExpectedSeparator, {Shown(peek())});
    if (!is(Tok::Eof)) take();
  }

  void statement(bool inSubgraph) {
    const Token t = peek();
    switch (t.type) {
      case Tok::Style: return styleStatement();
      case Tok::LinkStyle: return linkStyleStatement();
      case Tok::ClassDef: return classDefStatement();
      case Tok::Class: return classStatement();
      case Tok::Click: return clickStatement();
      case Tok::Subgraph: return subgraphStatement();
      case Tok::Direction:
        take();
        if (inSubgraph)
          chart_.setDirection(t.text, t.start);
        else
          chart_.warn(t.start, {MessageCode::DirectionSkipped});
        return;
      case Tok::AccTitle:
      case Tok::AccDescr:
        take();
        if (is(Tok::AccTitleValue) || is(Tok::AccDescrValue)) take();
        chart_.warn(t.start, {t.type == Tok::AccTitle ? MessageCode::AccTitleSkipped : MessageCode::AccDescrSkipped});
        return;
      case Tok::AccDescrMultilineValue:
        take();
        chart_.warn(t.start, {MessageCode::AccDescrSkipped});
        return;
      default: break;
    }
    if (!IsIdToken(t.type)) fail(Where(t), MessageCode::ExpectedNode, {Shown(t)});
    vertexStatement();
    separator();
  }

  // The id's tokens follow each other without a gap: the id is that stretch of the source.
  std::string_view idString(MessageCode what) {
    if (!IsIdToken(peek().type)) fail(Where(peek()), what, {Shown(peek())});
    const size_t start = peek().start;
    size_t end = start;
    while (IsIdToken(peek().type)) end = take().end;
    return source_.text().substr(start, end - start);
  }

  // Pieces of a text: one stretch of the source while they follow each other, else joined.
  struct Pieces {
    explicit Pieces(Reader& r) : reader(r) {}
    Reader& reader;
    size_t start = 0, end = 0;
    std::string joined;
    bool apart = false, any = false;
    void add(const Token& t) {
      if (!any) {
        start = t.start;
        end = t.end;
        joined = t.text;
        any = true;
        return;
      }
      if (!apart && t.start != end) apart = true;
      end = t.end;
      joined += t.text;
    }
    // Tokens are stretches of the source (a quoted text's without its quotes).
    std::string_view view() {
      if (!any) return {};
      if (!apart) return reader.source_.text().substr(start, end - start);
      return reader.chart_.keep(std::move(joined));
    }
  };

  void vertexStatement() {
    const size_t at = peek().start;
    std::vector<std::string_view> from = node(MessageCode::ExpectedNode);
    for (;;) {
      while (is(Tok::Space)) take();
      if (!is(Tok::Link) && !is(Tok::StartLink) && !is(Tok::LinkId)) return;
      const Link l = link();
      std::vector<std::string_view> to = node(MessageCode::ExpectedNodeAfterLink);
      chart_.addLink(from, to, l, at);
      from = std::move(to);
    }
  }

  // Nodes joined by '&', each with its shape, class and data.
  std::vector<std::string_view> node(MessageCode what) {
    std::vector<std::string_view> ids{styledVertex(what)};
    for (;;) {
      if (is(Tok::ShapeData)) {
        const size_t at = peek().start;
        chart_.addVertex(ids.back(), at, std::nullopt, {}, {}, shapeData(), at);
      }
      size_t k = 0;
      while (is(Tok::Space, k)) ++k;
      if (k == 0 || !is(Tok::Amp, k)) return ids;
      if (!is(Tok::Space, k + 1)) fail(Where(peek(k + 1)), MessageCode::ExpectedNodeAfterAmpersand, {Shown(peek(k + 1))});
      for (size_t i = 0; i <= k; ++i) take();
      while (is(Tok::Space)) take();
      ids.push_back(styledVertex(MessageCode::ExpectedNodeAfterAmpersand));
    }
  }

  std::string shapeData() {
    std::string data;
    while (is(Tok::ShapeData)) {
      const Token t = take();
      if (!t.quoted) {
        data += t.text;
        continue;
      }
      // Line breaks in a quoted value, with the blanks after them, are <br/> tags.
      for (size_t i = 0; i < t.text.size(); ++i) {
        if (t.text[i] != '\n') {
          data += t.text[i];
          continue;
        }
        data += "<br/>";
        while (i + 1 < t.text.size() && mermaid::SpaceAt(t.text, i + 1)) i += mermaid::SpaceAt(t.text, i + 1);
      }
    }
    return data;
  }

  std::string_view styledVertex(MessageCode what) {
    const std::string_view id = vertex(what);
    if (is(Tok::StyleSeparator)) {
      take();
      // "end", which Mermaid refuses as a class name, is what earlier versions of ours wrote.
      if (is(Tok::End) && ahead_.size() == 1) {
        const Token end = take();
        chart_.setClass(id, "end");
        lexer_.rewind(end.start + 3);  // the blanks it took are read again
      } else {
        chart_.setClass(id, idString(MessageCode::ExpectedClassAfterColons));
      }
    }
    return id;
  }

  // A shape's text up to its closing token: a quoted one, or pieces of text, or a quoted one with
  // pieces after it (as the grammar has it).
  WrittenText text(const Token& opener, Tok close) {
    WrittenText written;
    Pieces pieces(*this);
    const Token& t = peek();
    if (t.type == Tok::Str || t.type == Tok::MdStr) {
      written.kind = t.type == Tok::Str ? TextKind::String : TextKind::Markdown;
      const Token q = quoted();
      pieces.add(q);
    } else if (!IsTextToken(t.type)) {
      if (t.type == Tok::Eof) fail(opener.start, MessageCode::NotClosed, {std::string(opener.text)});
      fail(Where(t), MessageCode::ExpectedTextOf, {std::string(opener.text), Shown(t)});
    }
    while (IsTextToken(peek().type)) pieces.add(take());
    written.text = pieces.view();
    if (!is(close)) {
      if (is(Tok::Eof)) fail(opener.start, MessageCode::NotClosed, {std::string(opener.text)});
      fail(Where(peek()), MessageCode::ExpectedEndOf, {std::string(opener.text), Shown(peek())});
    }
    take();
    return written;
  }

  std::string_view vertex(MessageCode what) {
    const size_t at = peek().start;
    const std::string_view id = idString(what);
    struct Form {
      Tok open, close;
      const char* type;
    };
    static constexpr Form kForms[] = {
        {Tok::SQS, Tok::SQE, "square"},
        {Tok::DoubleCircleStart, Tok::DoubleCircleEnd, "doublecircle"},
        {Tok::EllipseStart, Tok::EllipseEnd, "ellipse"},
        {Tok::StadiumStart, Tok::StadiumEnd, "stadium"},
        {Tok::SubroutineStart, Tok::SubroutineEnd, "subroutine"},
        {Tok::CylinderStart, Tok::CylinderEnd, "cylinder"},
        {Tok::TagEnd, Tok::SQE, "odd"},
    };
    const Tok open = peek().type;
    for (const Form& f : kForms)
      if (open == f.open) {
        const Token opener = take();
        chart_.addVertex(id, at, text(opener, f.close), f.type);
        return id;
      }
    if (open == Tok::PS || open == Tok::DiamondStart) {
      // Doubled: "((circle))" and "{{hexagon}}".
      const Tok close = open == Tok::PS ? Tok::PE : Tok::DiamondStop;
      const Token opener = take();
      if (is(open)) {
        const Token inner = take();
        const WrittenText t = text(inner, close);
        if (!is(close)) fail(is(Tok::Eof) ? opener.start : peek().start, MessageCode::NotClosed, {std::string(opener.text)});
        take();
        chart_.addVertex(id, at, t, open == Tok::PS ? "circle" : "hexagon");
      } else {
        chart_.addVertex(id, at, text(opener, close), open == Tok::PS ? "round" : "diamond");
      }
      return id;
    }
    if (open == Tok::TrapStart || open == Tok::InvTrapStart) {
      const Token opener = take();
      WrittenText t;
      Pieces pieces(*this);
      if (is(Tok::Str) || is(Tok::MdStr)) {
        t.kind = is(Tok::Str) ? TextKind::String : TextKind::Markdown;
        const Token q = quoted();
        pieces.add(q);
      }
      while (IsTextToken(peek().type)) pieces.add(take());
      t.text = pieces.view();
      if (!is(Tok::TrapEnd) && !is(Tok::InvTrapEnd))
        fail(is(Tok::Eof) ? opener.start : peek().start, MessageCode::NotClosed, {std::string(opener.text)});
      const bool slash = take().type == Tok::InvTrapEnd;
      const char* type = open == Tok::TrapStart ? (slash ? "lean_right" : "trapezoid") : (slash ? "inv_trapezoid" : "lean_left");
      chart_.addVertex(id, at, t, type);
      return id;
    }
    if (open == Tok::VertexWithPropsStart) {
      const Token opener = take();
      const Token field = expect(Tok::NodeString, MessageCode::ExpectedPropertyName);
      expect(Tok::Colon, MessageCode::ExpectedPropertyColon);
      const Token value = expect(Tok::NodeString, MessageCode::ExpectedPropertyValue);
      const Token bar = expect(Tok::Pipe, MessageCode::ExpectedPropertyBar);
      chart_.addVertex(id, at, text(bar, Tok::SQE), "rect");
      if (field.text == "borders") chart_.setBorders(id, value.text);
      (void)opener;
      return id;
    }
    chart_.addVertex(id, at);
    return id;
  }

  Link link() {
    Link l;
    if (is(Tok::LinkId)) {
      const Token t = take();
      l.id = t.text.substr(0, t.text.size() - 1);
    }
    if (is(Tok::Link)) {
      const Token t = take();
      l.kind = mermaid::LinkKindOf(t.text);
      if (is(Tok::Pipe)) {
        const Token bar = take();
        l.text = text(bar, Tok::Pipe);
        if (is(Tok::Space)) take();
      }
      return l;
    }
    const Token start = expect(Tok::StartLink, MessageCode::ExpectedLink);
    WrittenText t;
    Pieces pieces(*this);
    if (is(Tok::Str) || is(Tok::MdStr)) {
      t.kind = is(Tok::Str) ? TextKind::String : TextKind::Markdown;
      const Token q = quoted();
      pieces.add(q);
    }
    while (is(Tok::EdgeText) || is(Tok::UnicodeText)) pieces.add(take());
    t.text = pieces.view();
    if (!is(Tok::Link)) {
      const MessageCode ends = start.text.find('=') != std::string_view::npos   ? MessageCode::LinkTextNotFollowedThick
                               : start.text.find('.') != std::string_view::npos ? MessageCode::LinkTextNotFollowedDotted
                                                                                : MessageCode::LinkTextNotFollowedPlain;
      fail(start.start + mermaid::SkipSpaces(start.text, 0), ends);
    }
    l.kind = mermaid::LinkKindOf(take().text, start.text);
    l.text = std::move(t);
    return l;
  }

  std::vector<std::string> styles(MessageCode missing) {
    const std::string_view raw = restOfStatement();
    if (raw.empty() && ahead_.empty()) fail(lexer_.offset(), missing);
    return StyleItems(raw);
  }

  void styleStatement() {
    const Token t = take();
    expect(Tok::Space, MessageCode::ExpectedStyleNode);
    const size_t at = peek().start;
    const std::string_view id = idString(MessageCode::ExpectedStyleNode);
    expect(Tok::Space, MessageCode::ExpectedNodeStyles);
    chart_.addVertex(id, at, std::nullopt, {}, styles(MessageCode::MissingNodeStyles));
    (void)t;
    separator();
  }

  void classDefStatement() {
    const Token t = take();
    expect(Tok::Space, MessageCode::ExpectedClassDefName);
    const std::string_view names = idString(MessageCode::ExpectedClassDefName);
    expect(Tok::Space, MessageCode::ExpectedClassStyles);
    chart_.addClass(names, styles(MessageCode::MissingClassStyles), t.start);
    separator();
  }

  void classStatement() {
    take();
    expect(Tok::Space, MessageCode::ExpectedClassNode);
    const std::string_view ids = idString(MessageCode::ExpectedClassNode);
    expect(Tok::Space, MessageCode::ExpectedClassName);
    chart_.setClass(ids, idString(MessageCode::ExpectedClassName));
    separator();
  }

  void linkStyleStatement() {
    const Token t = take();
    expect(Tok::Space, MessageCode::ExpectedLinkNumber);
    std::optional<std::vector<size_t>> numbers;
    if (is(Tok::Default)) {
      take();
    } else {
      numbers.emplace();
      for (;;) {
        const Token n = expect(Tok::Num, MessageCode::ExpectedLinkNumberOrDefault);
        numbers->push_back(n.text.size() > 9 ? SIZE_MAX : std::stoul(std::string(n.text)));
        if (!is(Tok::Comma)) break;
        take();
      }
    }
    expect(Tok::Space, MessageCode::ExpectedLinkStyles);
    if (rawStartsWith("interpolate")) {
      take();
      expect(Tok::Space, MessageCode::ExpectedCurve);
      while (IsIdToken(peek().type) || is(Tok::Dir)) take();
      chart_.warn(t.start, {MessageCode::InterpolateNotDrawn});
      if (!is(Tok::Space)) return separator();
      take();
    }
    chart_.linkStyle(std::move(numbers), styles(MessageCode::MissingLinkStyles), t.start);
    separator();
  }

  void clickStatement() {
    const Token t = take();
    while (!IsSeparator(peek().type)) take();
    chart_.warn(t.start, {MessageCode::ClickSkipped});
    separator();
  }

  void subgraphStatement() {
    const Token t = take();
    std::string id, title;
    TextKind kind = TextKind::Plain;
    if (is(Tok::Space)) {
      take();
      bool quoted = false;
      if (is(Tok::Str) || is(Tok::MdStr)) {
        quoted = true;
        kind = is(Tok::Str) ? TextKind::String : TextKind::Markdown;
        title = std::string(take().text);
        id = title;
      }
      while (IsTitleToken(peek().type)) title += take().text;
      if (!quoted) id = title;
      if (is(Tok::SQS)) {
        const Token opener = take();
        const WrittenText written = text(opener, Tok::SQE);
        title = written.text;
        kind = written.kind;
      } else if (title.find_first_of(" \t") != std::string::npos && id == title) {
        id.clear();  // a title with blanks is no id
      }
    }
    const auto trim = [](std::string s) {
      const size_t a = s.find_first_not_of(" \t"), b = s.find_last_not_of(" \t");
      return a == std::string::npos ? std::string() : s.substr(a, b - a + 1);
    };
    id = trim(id);
    title = trim(title);
    separator();
    chart_.openSubgraph(id, ShowText(title, kind).text, t.start);
    document(true, t.start);
    chart_.closeSubgraph();
  }

  const mermaid::Source& source_;
  Lexer lexer_;
  Chart chart_;
  Ahead ahead_;
};

}  // namespace

ParseResult ReadMermaid(std::string_view text) {
  ParseResult result;
  const mermaid::Source source(text);
  const auto failed = [&](const SyntaxError& e) {
    result.error = Message::Of(source.lineOf(e.offset), source.columnOf(e.offset), e.said);
    return result;
  };
  if (source.error()) return failed(*source.error());
  Reader reader(source);
  try {
    Graph graph = reader.read();
    if (graph.nodes.empty())
      throw SyntaxError(source.text().size() - 1, {MessageCode::NoNodeToDraw});
    result.warnings = reader.takeWarnings();
    for (const mermaid::Source::Blanked& b : source.blanked()) result.warnings.push_back(Message::Of(b.line, 0, {b.what}));
    std::stable_sort(result.warnings.begin(), result.warnings.end(),
                     [](const Message& a, const Message& b) { return a.line < b.line; });
    result.graph = std::move(graph);
  } catch (const SyntaxError& e) {
    return failed(e);
  }
  return result;
}

}  // namespace graph
