#include "MermaidLexer.h"

#include <array>

#include "MermaidChars.h"

namespace graph::mermaid {
namespace {

constexpr size_t npos = std::string_view::npos;

bool OneOf(char c, std::string_view set) {
  for (char s : set)
    if (c == s) return true;
  return false;
}

// The characters of the grammar's NODE_STRING, as a table: it is asked for every character of an id.
struct NodeStringTable {
  bool of[256] = {};
  constexpr NodeStringTable() {
    for (int c = 'a'; c <= 'z'; ++c) of[c] = of[c - 'a' + 'A'] = true;
    for (int c = '0'; c <= '9'; ++c) of[c] = true;
    for (char c : std::string_view("!\"#$%&'*+.`?\\_/")) of[static_cast<unsigned char>(c)] = true;
  }
};
constexpr NodeStringTable kNodeString;

bool NodeStringChar(char c) { return kNodeString.of[static_cast<unsigned char>(c)]; }

bool AsciiSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

size_t Lexer::nodeString() const {
  size_t i = pos_;
  const size_t n = text_.size();
  while (i < n) {
    const char c = text_[i];
    if (NodeStringChar(c) || (c == '-' && i + 1 < n && !OneOf(text_[i + 1], ">-.")) ||
        (c == '=' && !(i + 1 < n && text_[i + 1] == '=')))
      ++i;
    else
      break;
  }
  return i > pos_ ? i : npos;
}

bool Lexer::keyword(std::string_view word) const {
  return text_.substr(pos_).starts_with(word) && WordBoundary(text_, pos_ + word.size());
}

Token Lexer::next() {
  const size_t n = text_.size();
  for (;;) {
    Token t;
    t.start = pos_;
    if (pos_ >= n) {
      t.start = t.end = n;
      return t;
    }
    const std::string_view rest = text_.substr(pos_);
    const char c = text_[pos_];
    auto at = [&](std::string_view s) { return rest.starts_with(s); };
    // A rule's match: a token, or (type Eof) only a change of state.
    bool matched = false, silent = false;
    auto token = [&](Tok type, size_t end) {
      t.type = type;
      t.end = end;
      t.text = text_.substr(t.start, end - t.start);
      pos_ = end;
      matched = true;
    };
    auto quiet = [&](size_t end) {
      pos_ = end;
      matched = silent = true;
    };
    auto pushing = [&](State s, Tok type, size_t length) {
      push(s);
      token(type, pos_ + length);
    };

    // Rules that every state has, by their place among the others.
    auto quotes = [&] {  // "` and "
      if (at("\"`")) {
        push(State::MdString);
        quiet(pos_ + 2);
      } else if (c == '"') {
        push(State::String);
        quiet(pos_ + 1);
      }
    };
    auto invisibleLink = [&] {  // \s*~~~+\s*
      const size_t j = spacesFrom(pos_);
      size_t k = j;
      while (k < n && text_[k] == '~') ++k;
      if (k - j >= 3) token(Tok::Link, SkipSpaces(text_, k));
    };
    auto openers = [&](bool textState, bool initial) {  // (- ([ [[ [| > [( ((( [/ [\ and the text closers between them
      if (at("(-")) return pushing(State::EllipseText, Tok::EllipseStart, 2);
      if (textState && at("])")) return pop(), token(Tok::StadiumEnd, pos_ + 2);
      if (at("([")) return pushing(State::Text, Tok::StadiumStart, 2);
      if (textState && at("]]")) return pop(), token(Tok::SubroutineEnd, pos_ + 2);
      if (at("[[")) return pushing(State::Text, Tok::SubroutineStart, 2);
      if (initial && at("[|")) return token(Tok::VertexWithPropsStart, pos_ + 2);
      if (initial && c == '>') return pushing(State::Text, Tok::TagEnd, 1);
      if (textState && at(")]")) return pop(), token(Tok::CylinderEnd, pos_ + 2);
      if (at("[(")) return pushing(State::Text, Tok::CylinderStart, 2);
      if (textState && at(")))")) return pop(), token(Tok::DoubleCircleEnd, pos_ + 3);
      if (at("(((")) return pushing(State::Text, Tok::DoubleCircleStart, 3);
    };
    auto trapOpeners = [&] {
      if (at("[/")) return pushing(State::TrapText, Tok::TrapStart, 2);
      if (at("[\\")) return pushing(State::TrapText, Tok::InvTrapStart, 2);
    };
    auto brackets = [&](bool textState) {  // | ( [ { and their text closers
      if (textState && c == '|') return pop(), token(Tok::Pipe, pos_ + 1);
      if (c == '|') return pushing(State::Text, Tok::Pipe, 1);
      if (textState && c == ')') return pop(), token(Tok::PE, pos_ + 1);
      if (c == '(') return pushing(State::Text, Tok::PS, 1);
      if (textState && c == ']') return pop(), token(Tok::SQE, pos_ + 1);
      if (c == '[') return pushing(State::Text, Tok::SQS, 1);
      if (textState && c == '}') return pop(), token(Tok::DiamondStop, pos_ + 1);
      if (c == '{') return pushing(State::Text, Tok::DiamondStart, 1);
    };
    // -- ... -->, == ... ==>, -. ... .->: the closing link and the opening one.
    auto linkStart = [&](size_t* markEnd) {  // \s*[xo<]? : where the link's body starts
      const size_t j = spacesFrom(pos_);
      *markEnd = j < n && OneOf(text_[j], "xo<") ? j + 1 : j;
      return j;
    };
    auto closingLink = [&](char body) {  // \s*[xo<]?--+[-xo>]\s* (and ==)
      size_t m = 0;
      linkStart(&m);
      size_t d = m;
      while (d < n && text_[d] == body) ++d;
      const size_t count = d - m;
      size_t end = npos;
      if (count >= 2 && d < n && OneOf(text_[d], "xo>"))
        end = d + 1;
      else if (count >= 3)
        end = d;
      if (end != npos) {
        pop();
        token(Tok::Link, SkipSpaces(text_, end));
      }
    };
    auto openingLink = [&](std::string_view body, State s) {  // \s*[xo<]?--\s* (and ==, -.)
      size_t m = 0;
      linkStart(&m);
      if (text_.substr(m).starts_with(body)) {
        push(s);
        token(Tok::StartLink, SkipSpaces(text_, m + 2));
      }
    };
    auto closingDotted = [&] {  // \s*[xo<]?-?\.+-[xo>]?\s*
      size_t m = 0;
      linkStart(&m);
      size_t p = m < n && text_[m] == '-' ? m + 1 : m;
      size_t q = p;
      while (q < n && text_[q] == '.') ++q;
      if (q == p || q >= n || text_[q] != '-') return;
      ++q;
      if (q < n && OneOf(text_[q], "xo>")) ++q;
      pop();
      token(Tok::Link, SkipSpaces(text_, q));
    };
    auto oneCharacter = [&](Tok type) {
      size_t length = 0;
      CodePointAt(text_, pos_, &length);
      token(type, pos_ + length);
    };

    switch (state()) {
      case State::Initial: {
        // "%%" after a blank runs to the line's end: a comment after a statement, which Mermaid
        // itself takes only on lines of their own.
        if (at("%%") && (pos_ == 0 || SpaceAt(text_, pos_ - 1))) {
          const size_t end = text_.find('\n', pos_);
          quiet(end == npos ? n : end);
          break;
        }
        // Rules are tried in the grammar's order; one that cannot match at this character is passed.
        const bool blankFirst = AsciiSpace(c) || (static_cast<unsigned char>(c) >= 0x80 && SpaceAt(text_, pos_));
        if (c == 'a' && (at("accTitle") || at("accDescr"))) {
          const size_t j = SkipSpaces(text_, pos_ + 8);
          if (j < n && text_[j] == ':') {
            push(at("accTitle") ? State::AccTitle : State::AccDescr);
            token(at("accTitle") ? Tok::AccTitle : Tok::AccDescr, SkipSpaces(text_, j + 1));
            break;
          }
          if (at("accDescr") && j < n && text_[j] == '{') {
            push(State::AccDescrMultiline);
            quiet(SkipSpaces(text_, j + 1));
            break;
          }
        }
        if (c == '@' && at("@{")) {
          push(State::ShapeData);
          token(Tok::ShapeData, pos_ + 2);
          t.text = {};
          break;
        }
        if (c == 'c' && at("call") && SpaceAt(text_, pos_ + 4)) {
          push(State::CallbackName);
          quiet(SkipSpaces(text_, pos_ + 4));
          break;
        }
        if (c == '"') quotes();
        if (matched) break;
        static constexpr std::array<std::pair<std::string_view, Tok>, 6> kKeywords{
            {{"style", Tok::Style}, {"default", Tok::Default}, {"linkStyle", Tok::LinkStyle},
             {"interpolate", Tok::Interpolate}, {"classDef", Tok::ClassDef}, {"class", Tok::Class}}};
        if (OneOf(c, "sdlic"))
          for (const auto& [word, type] : kKeywords)
            if (!matched && keyword(word)) token(type, pos_ + word.size());
        if (matched) break;
        if (c == 'h' && at("href") && SpaceAt(text_, pos_ + 4)) {
          token(Tok::Href, pos_ + 4 + SpaceAt(text_, pos_ + 4));
          break;
        }
        if (c == 'c' && at("click") && SpaceAt(text_, pos_ + 5)) {
          push(State::Click);
          quiet(SkipSpaces(text_, pos_ + 5));
          break;
        }
        for (std::string_view word : {std::string_view("flowchart-elk"), std::string_view("graph"), std::string_view("flowchart")})
          if ((c == 'f' || c == 'g') && !matched && keyword(word)) {
            if (firstGraph_) push(State::Dir);
            firstGraph_ = false;
            token(Tok::Graph, pos_ + word.size());
          }
        if (matched) break;
        if (c == 's' && keyword("subgraph")) {
          token(Tok::Subgraph, pos_ + 8);
          break;
        }
        if (c == 'e' && keyword("end")) {
          token(Tok::End, SkipSpaces(text_, pos_ + 3));
          break;
        }
        if (c == '_')
          for (std::string_view word : {"_self", "_blank", "_parent", "_top"})
            if (!matched && keyword(word)) token(Tok::LinkTarget, pos_ + word.size());
        if (matched) break;
        int kind = 0;
        if (const size_t end = direction(&kind); end != npos) {
          token(Tok::Direction, end);
          t.quoted = false;
          t.text = std::array<std::string_view, 5>{"TB", "BT", "RL", "LR", "TD"}[static_cast<size_t>(kind)];
          break;
        }
        if (const size_t end = c == '"' || blankFirst ? npos : linkId(); end != npos) {
          token(Tok::LinkId, end);
          break;
        }
        if (c >= '0' && c <= '9') {
          size_t end = pos_;
          while (end < n && text_[end] >= '0' && text_[end] <= '9') ++end;
          token(Tok::Num, end);
          break;
        }
        if (!OneOf(c, "#:&;,*")) {
        } else if (c == '#') token(Tok::Brkt, pos_ + 1);
        else if (at(":::")) token(Tok::StyleSeparator, pos_ + 3);
        else if (c == ':') token(Tok::Colon, pos_ + 1);
        else if (c == '&') token(Tok::Amp, pos_ + 1);
        else if (c == ';') token(Tok::Semi, pos_ + 1);
        else if (c == ',') token(Tok::Comma, pos_ + 1);
        else if (c == '*') token(Tok::Mult, pos_ + 1);
        if (matched) break;
        if (blankFirst || OneOf(c, "xo<-=.~")) {
          closingLink('-');
          if (!matched) openingLink("--", State::EdgeText);
          if (!matched) closingLink('=');
          if (!matched) openingLink("==", State::ThickEdgeText);
          if (!matched) closingDotted();
          if (!matched) openingLink("-.", State::DottedEdgeText);
          if (!matched) invisibleLink();
        }
        if (!matched && OneOf(c, "([>")) openers(false, true);
        if (!matched && c == '[') trapOpeners();
        if (matched) break;
        if (c == '<') token(Tok::TagStart, pos_ + 1);
        else if (c == '^') token(Tok::Up, pos_ + 1);
        else if (c == '\\' && at("\\|")) token(Tok::Sep, pos_ + 2);
        else if (c == 'v' && keyword("v")) token(Tok::Down, pos_ + 1);
        else if (const size_t end = nodeString(); end != npos) token(Tok::NodeString, end);
        else if (c == '-') token(Tok::Minus, pos_ + 1);
        if (matched) break;
        if (static_cast<unsigned char>(c) >= 0x80) {
          size_t length = 0;
          if (IsIdLetter(CodePointAt(text_, pos_, &length))) {
            token(Tok::UnicodeText, pos_ + length);
            break;
          }
        }
        if (OneOf(c, "|([{")) brackets(false);
        if (matched) break;
        if (at("\\\"")) {
          token(Tok::Quote, pos_ + 2);
        } else if (c == '\n') {
          size_t end = pos_;
          while (end < n && text_[end] == '\n') ++end;
          token(Tok::Newline, end);
        } else if (const size_t length = SpaceAt(text_, pos_)) {
          token(Tok::Space, pos_ + length);
        }
        break;
      }
      case State::Text:
        if (c == '"') quotes();
        if (!matched && (c == '~' || AsciiSpace(c) || (static_cast<unsigned char>(c) >= 0x80 && SpaceAt(text_, pos_)))) invisibleLink();
        if (!matched && OneOf(c, "([)]")) openers(true, false);
        if (!matched && c == '[') trapOpeners();
        if (!matched && OneOf(c, "|()[]{}")) brackets(true);
        if (!matched) {
          size_t end = pos_;
          while (end < n && !OneOf(text_[end], "[](){}|\"")) ++end;
          if (end > pos_) token(Tok::Text, end);
        }
        break;
      case State::String:
        if (at("\"`")) {
          push(State::MdString);
          quiet(pos_ + 2);
        } else if (c != '"') {
          const size_t end = text_.find('"', pos_);
          token(Tok::Str, end == npos ? n : end);
        } else {
          pop();
          quiet(pos_ + 1);
        }
        break;
      case State::MdString:
        if (c != '`' && c != '"') {
          size_t end = pos_;
          while (end < n && text_[end] != '`' && text_[end] != '"') ++end;
          token(Tok::MdStr, end);
        } else if (at("`\"")) {
          pop();
          quiet(pos_ + 2);
        } else {
          quotes();
          if (!matched) invisibleLink();
          if (!matched) openers(false, false);
          if (!matched) trapOpeners();
          if (!matched) brackets(false);
        }
        break;
      case State::EdgeText:
      case State::ThickEdgeText:
      case State::DottedEdgeText: {
        const State s = state();
        const char body = s == State::EdgeText ? '-' : s == State::ThickEdgeText ? '=' : '.';
        quotes();
        if (matched) break;
        if (s == State::DottedEdgeText)
          closingDotted();
        else
          closingLink(body);
        if (matched) break;
        // One character, but the body's when the link's end follows it.
        const char after = body == '.' ? '-' : body;
        if (c != body || !(pos_ + 1 < n && text_[pos_ + 1] == after)) {
          oneCharacter(Tok::EdgeText);
          break;
        }
        invisibleLink();
        if (!matched) openers(false, false);
        if (!matched) trapOpeners();
        if (!matched) brackets(false);
        break;
      }
      case State::EllipseText:
        quotes();
        if (!matched) invisibleLink();
        if (matched) break;
        if (OneOf(c, "-/)") && pos_ + 1 < n && text_[pos_ + 1] == ')') {
          pop();
          token(Tok::EllipseEnd, pos_ + 2);
        } else if (!OneOf(c, "()[]{}")) {
          oneCharacter(Tok::Text);
        } else {
          openers(false, false);
          if (!matched) trapOpeners();
          if (!matched) brackets(false);
        }
        break;
      case State::TrapText:
        quotes();
        if (!matched) invisibleLink();
        if (!matched) openers(false, false);
        if (matched) break;
        if (OneOf(c, "\\(?=]") && pos_ + 1 < n && text_[pos_ + 1] == ']') {
          pop();
          token(Tok::TrapEnd, pos_ + 2);
        } else if (at("/]")) {
          pop();
          token(Tok::InvTrapEnd, pos_ + 2);
        } else if (c == '/' || c == '\\') {
          token(Tok::Text, pos_ + 1);
        } else if (!OneOf(c, "[](){}")) {
          size_t end = pos_;
          while (end < n && !OneOf(text_[end], "\\[](){}/")) ++end;
          token(Tok::Text, end);
        } else {
          trapOpeners();
          if (!matched) brackets(false);
        }
        break;
      case State::ShapeData:
        if (c == '"') {
          push(State::ShapeDataStr);
          token(Tok::ShapeData, pos_ + 1);
        } else if (c == '}') {
          pop();
          quiet(pos_ + 1);
        } else if (c != '^') {
          size_t end = pos_;
          while (end < n && !OneOf(text_[end], "}^\"")) ++end;
          token(Tok::ShapeData, end);
        } else {
          invisibleLink();
          if (!matched) openers(false, false);
          if (!matched) trapOpeners();
          if (!matched) brackets(false);
        }
        break;
      case State::ShapeDataStr:
        if (c == '"') {
          pop();
          token(Tok::ShapeData, pos_ + 1);
        } else {
          const size_t end = text_.find('"', pos_);
          token(Tok::ShapeData, end == npos ? n : end);
          t.quoted = true;
        }
        break;
      case State::AccTitle:
      case State::AccDescr: {
        const size_t end = text_.find('\n', pos_);
        const Tok type = state() == State::AccTitle ? Tok::AccTitleValue : Tok::AccDescrValue;
        pop();
        token(type, end == npos ? n : end);
        break;
      }
      case State::AccDescrMultiline:
        if (c == '}') {
          pop();
          quiet(pos_ + 1);
        } else {
          const size_t end = text_.find('}', pos_);
          token(Tok::AccDescrMultilineValue, end == npos ? n : end);
        }
        break;
      case State::CallbackName:
        if (c == '(') {
          const size_t j = SkipSpaces(text_, pos_ + 1);
          pop();
          if (j < n && text_[j] == ')') {
            quiet(j + 1);
          } else {
            push(State::CallbackArgs);
            quiet(pos_ + 1);
          }
        } else {
          const size_t end = text_.find('(', pos_);
          token(Tok::CallbackName, end == npos ? n : end);
        }
        break;
      case State::CallbackArgs:
        if (c == ')') {
          pop();
          quiet(pos_ + 1);
        } else {
          const size_t end = text_.find(')', pos_);
          token(Tok::CallbackArgs, end == npos ? n : end);
        }
        break;
      case State::Click:
        if (const size_t length = SpaceAt(text_, pos_)) {
          pop();
          quiet(pos_ + length);
        } else {
          size_t end = pos_;
          while (end < n && SpaceAt(text_, end) == 0) ++end;
          token(Tok::Click, end);
        }
        break;
      case State::Dir: {
        size_t end = SkipSpaces(text_, pos_);
        const size_t lastBreak = text_.substr(pos_, end - pos_).rfind('\n');
        if (lastBreak != npos) {
          pop();
          token(Tok::NoDir, pos_ + lastBreak + 1);
          break;
        }
        for (std::string_view code : {"LR", "RL", "TB", "BT", "TD", "BR", "<", ">", "^", "v"}) {
          const bool word = code != "<" && code != ">" && code != "^";
          if (text_.substr(end).starts_with(code) && (!word || WordBoundary(text_, end + code.size()))) {
            pop();
            token(Tok::Dir, end + code.size());
            break;
          }
        }
        if (matched) break;
        quotes();
        if (!matched) invisibleLink();
        if (!matched) openers(false, false);
        if (!matched) trapOpeners();
        if (!matched) brackets(false);
        break;
      }
    }
    if (!matched) {
      size_t length = 0;
      CodePointAt(text_, pos_, &length);
      const std::string found(text_.substr(pos_, length));
      if (state() == State::Dir) {
        const size_t j = SkipSpaces(text_, pos_);
        size_t k = j;
        while (k < n && k - j < 40 && SpaceAt(text_, k) == 0 && text_[k] != ';') ++k;
        throw SyntaxError(j, {MessageCode::UnknownDirection, {std::string(text_.substr(j, k - j))}});
      }
      throw SyntaxError(pos_, {MessageCode::Unexpected, {found}});
    }
    if (!silent) return t;
  }
}

}  // namespace graph::mermaid
