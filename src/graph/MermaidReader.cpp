#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <unordered_map>

#include "Colour.h"
#include "Mermaid.h"
#include "MermaidScanner.h"

namespace graph {
namespace {

using mermaid::LinkToken;
using mermaid::Scanner;
using mermaid::ShapeForm;
using mermaid::ShapeToken;
using mermaid::SyntaxError;

// What style, classDef and linkStyle statements set; unset fields leave the node as it is.
struct StyleProps {
  std::optional<Rgb> fill, stroke;
  std::optional<int> strokeWidth;
  std::optional<bool> dashed;
  void applyTo(Node& node) const {
    if (fill) node.fill = fill;
    if (stroke) node.stroke = stroke;
    if (strokeWidth) node.strokeWidth = *strokeWidth;
    if (dashed) node.dashed = *dashed;
  }
};

struct PendingNode {
  std::string id;
  ShapeForm form = ShapeForm::None;
  std::string text;
  std::vector<std::string> classes;
};

struct PendingEdge {
  int from = 0, to = 0;
  LinkToken link;
  int line = 0;
  std::optional<Rgb> colour;
};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

// Splits at commas outside parentheses: "fill:rgb(1,2,3),stroke:#333".
std::vector<std::string_view> SplitList(std::string_view s) {
  std::vector<std::string_view> parts;
  int depth = 0;
  size_t start = 0;
  for (size_t i = 0; i <= s.size(); ++i) {
    if (i == s.size() || (s[i] == ',' && depth == 0)) {
      if (!Trim(s.substr(start, i - start)).empty()) parts.push_back(Trim(s.substr(start, i - start)));
      start = i + 1;
    } else if (s[i] == '(') {
      ++depth;
    } else if (s[i] == ')') {
      --depth;
    }
  }
  return parts;
}

class Reader {
 public:
  explicit Reader(std::string_view text) : scan_(text) {}

  ParseResult read() {
    ParseResult result;
    try {
      header();
      while (!scan_.atEnd()) statement();
      if (!subgraphs_.empty())
        throw SyntaxError(subgraphs_.back(), "the subgraph is not closed with 'end'");
      result.graph = finish();
    } catch (const SyntaxError& e) {
      result.error = Message{scan_.lineOf(e.offset), scan_.columnOf(e.offset), e.what()};
      warnings_.clear();
    }
    result.warnings = std::move(warnings_);
    return result;
  }

 private:
  void warn(size_t offset, std::string text) {
    warnings_.push_back(Message{scan_.lineOf(offset), 0, std::move(text)});
  }

  // Blank lines and comment lines.
  void skipEmptyLines() {
    for (;;) {
      scan_.skipBlanks();
      if (scan_.startsWith("%%")) scan_.skipToLineEnd();
      if (scan_.peek() == '\n') {
        scan_.seek(scan_.offset() + 1);
        continue;
      }
      return;
    }
  }

  void header() {
    skipEmptyLines();
    if (scan_.startsWith("---")) {
      // Front matter (title, config) runs to the next line of three dashes.
      const size_t start = scan_.offset();
      scan_.skipToLineEnd();
      for (;;) {
        if (scan_.atEnd()) throw SyntaxError(start, "the front matter is not closed with '---'");
        scan_.seek(scan_.offset() + 1);
        if (Trim(scan_.restOfLine()) == "---") break;
      }
      warn(start, "the front matter (title and configuration) is skipped");
      skipEmptyLines();
    }
    const size_t at = scan_.offset();
    const std::string_view word = scan_.peekWord();
    if (word != "flowchart" && word != "graph") {
      if (scan_.atEnd()) throw SyntaxError(at, "the text holds no flowchart: expected 'flowchart' or 'graph'");
      std::string_view line = scan_.text().substr(at);
      line = Trim(line.substr(0, std::min<size_t>(line.find('\n'), 40)));
      throw SyntaxError(at, "expected 'flowchart' or 'graph', found '" + std::string(line) + "'");
    }
    scan_.seek(at + word.size());
    if (scan_.startsWith("-elk")) scan_.seek(scan_.offset() + 4);
    scan_.skipBlanks();
    if (!scan_.atStatementEnd()) {
      const size_t dirAt = scan_.offset();
      const std::string dir = scan_.readClassName();
      static const std::map<std::string, Direction> kDirections{
          {"TB", Direction::TopToBottom}, {"TD", Direction::TopToBottom}, {"BT", Direction::BottomToTop},
          {"LR", Direction::LeftToRight}, {"RL", Direction::RightToLeft}};
      const auto found = kDirections.find(dir);
      if (found == kDirections.end())
        throw SyntaxError(dirAt, "unknown direction '" + (dir.empty() ? std::string(1, scan_.peek()) : dir) +
                                     "' (TB, TD, BT, LR or RL)");
      direction_ = found->second;
      endStatement();
    }
  }

  void endStatement() {
    scan_.skipBlanks();
    if (scan_.startsWith("%%")) scan_.skipToLineEnd();
    if (scan_.atEnd()) return;
    if (scan_.peek() == '\n' || scan_.peek() == ';') {
      scan_.seek(scan_.offset() + 1);
      return;
    }
    throw SyntaxError(scan_.offset(), std::string("unexpected '") + scan_.peek() + "'");
  }

  // The rest of a statement up to ';' or the line's end, consumed.
  std::string_view restOfStatement() {
    const size_t start = scan_.offset();
    while (!scan_.atEnd() && scan_.peek() != '\n' && scan_.peek() != ';') scan_.seek(scan_.offset() + 1);
    return Trim(scan_.text().substr(start, scan_.offset() - start));
  }

  void statement() {
    scan_.skipBlanks();
    if (scan_.atStatementEnd()) {
      endStatement();
      return;
    }
    const size_t at = scan_.offset();
    const std::string_view word = scan_.peekWord();
    const char after = scan_.peek(word.size());
    const bool keyword = after == ' ' || after == '\t' || after == '\n' || after == ';' || after == '\r' || after == '\0';
    if (keyword) {
      scan_.seek(at + word.size());
      if (word == "style") return styleStatement(at);
      if (word == "classDef") return classDefStatement(at);
      if (word == "class") return classStatement(at);
      if (word == "linkStyle") return linkStyleStatement(at);
      if (word == "subgraph") return subgraphStatement(at);
      if (word == "end") return endOfSubgraph(at);
      if (word == "direction" || word == "click" || word == "accTitle" || word == "accDescr") {
        restOfStatement();
        warn(at, "'" + std::string(word) + "' is skipped");
        return endStatement();
      }
      scan_.seek(at);
    }
    chainStatement();
  }

  StyleProps readStyle(std::string_view props, size_t at) {
    StyleProps style;
    for (std::string_view item : SplitList(props)) {
      const size_t colon = item.find(':');
      if (colon == std::string_view::npos) {
        warn(at, "the style '" + std::string(item) + "' is not a property: value pair");
        continue;
      }
      const std::string_view key = Trim(item.substr(0, colon));
      const std::string_view value = Trim(item.substr(colon + 1));
      if (key == "fill" || key == "stroke") {
        const std::optional<Rgb> colour = ParseCssColour(value);
        if (!colour) {
          warn(at, "the colour '" + std::string(value) + "' is not understood");
          continue;
        }
        (key == "fill" ? style.fill : style.stroke) = colour;
      } else if (key == "stroke-width") {
        char* end = nullptr;
        const std::string number(value);
        const double width = std::strtod(number.c_str(), &end);
        if (end == number.c_str() || !(width >= 0 && width < 1000) || (*end && std::string_view(end) != "px")) {
          warn(at, "the stroke width '" + number + "' is not understood");
          continue;
        }
        style.strokeWidth = static_cast<int>(std::nearbyint(width));
      } else if (key == "stroke-dasharray") {
        style.dashed = value != "0" && value != "none" && !value.empty();
      }
      // Text colours, fonts and the like have no place in the diagram's figures.
    }
    return style;
  }

  void styleStatement(size_t at) {
    scan_.skipBlanks();
    const std::string id = scan_.readId();
    if (id.empty()) throw SyntaxError(scan_.offset(), "expected a node id after 'style'");
    nodeStyles_.emplace_back(id, readStyle(restOfStatement(), at));
    styleLines_.push_back(at);
    endStatement();
  }

  std::vector<std::string> readNameList(const char* what) {
    std::vector<std::string> names;
    do {
      scan_.skipBlanks();
      std::string name = scan_.readClassName();
      if (name.empty()) throw SyntaxError(scan_.offset(), std::string("expected ") + what);
      names.push_back(std::move(name));
      scan_.skipBlanks();
    } while (scan_.peek() == ',' && (scan_.seek(scan_.offset() + 1), true));
    return names;
  }

  void classDefStatement(size_t at) {
    const std::vector<std::string> names = readNameList("a class name after 'classDef'");
    const StyleProps style = readStyle(restOfStatement(), at);
    for (const std::string& name : names) classDefs_[name] = style;
    endStatement();
  }

  void classStatement(size_t) {
    const std::vector<std::string> ids = readNameList("a node id after 'class'");
    scan_.skipBlanks();
    const std::string name = scan_.readClassName();
    if (name.empty()) throw SyntaxError(scan_.offset(), "expected a class name after the node ids");
    for (const std::string& id : ids) classAssignments_.emplace_back(id, name);
    endStatement();
  }

  void linkStyleStatement(size_t at) {
    scan_.skipBlanks();
    std::vector<int> indices;
    bool all = false;
    if (scan_.peekWord() == "default") {
      scan_.seek(scan_.offset() + 7);
      all = true;
    } else {
      for (const std::string& number : readNameList("a link number after 'linkStyle'")) {
        if (!std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
            number.size() > 6)
          throw SyntaxError(at, "'" + number + "' is not a link number");
        indices.push_back(std::stoi(number));
      }
    }
    const std::string_view props = restOfStatement();
    std::optional<Rgb> colour;
    for (std::string_view item : SplitList(props))
      if (Trim(item.substr(0, item.find(':'))) == "stroke" && item.find(':') != std::string_view::npos) {
        colour = ParseCssColour(Trim(item.substr(item.find(':') + 1)));
        if (!colour) warn(at, "the colour in '" + std::string(item) + "' is not understood");
      }
    if (colour) linkStyles_.push_back(LinkStyle{all, std::move(indices), *colour, at});
    endStatement();
  }

  void subgraphStatement(size_t at) {
    scan_.skipBlanks();
    // "subgraph id", "subgraph id [title]" or "subgraph "title"": links may name the id.
    std::string id;
    if (scan_.peek() == '"') {
      const std::string_view rest = restOfStatement();
      id = std::string(rest.substr(1, rest.find('"', 1) == std::string_view::npos ? 0 : rest.find('"', 1) - 1));
    } else {
      id = scan_.readId();
      restOfStatement();
    }
    if (!id.empty()) subgraphIds_.insert(id);
    subgraphs_.push_back(at);
    warn(at, "the subgraph '" + id + "' is skipped: its nodes and links are kept without it");
    endStatement();
  }

  void endOfSubgraph(size_t at) {
    if (subgraphs_.empty()) throw SyntaxError(at, "'end' without a subgraph");
    subgraphs_.pop_back();
    endStatement();
  }

  // One node of a chain: id, shape and classes.
  int vertex() {
    const size_t at = scan_.offset();
    std::string id = scan_.readId();
    if (id.empty()) return -1;
    const int index = nodeIndex(id);
    PendingNode& node = nodes_[index];
    if (scan_.startsWith("@{")) {
      const size_t close = scan_.text().find('}', at);
      if (close == std::string_view::npos) throw SyntaxError(scan_.offset(), "'@{' is not closed");
      scan_.seek(close + 1);
      warn(at, "the node data of '" + id + "' ('@{...}') is skipped");
    }
    ShapeToken shape = scan_.readShape();
    if (shape.form != ShapeForm::None) {
      if (shape.form == ShapeForm::OtherShape || shape.form == ShapeForm::DoubleCircle)
        warn(at, "'" + id + "' is a " + shape.otherName + ", drawn as a " +
                     (shape.form == ShapeForm::DoubleCircle ? "circle" : "process box"));
      node.form = shape.form;
      node.text = std::move(shape.text);
    }
    if (scan_.startsWith(":::")) {
      scan_.seek(scan_.offset() + 3);
      const std::string name = scan_.readClassName();
      if (name.empty()) throw SyntaxError(scan_.offset(), "expected a class name after ':::'");
      node.classes.push_back(name);
    }
    return index;
  }

  std::vector<int> vertexGroup(const char* after) {
    std::vector<int> group;
    for (;;) {
      scan_.skipBlanks();
      const int index = vertex();
      if (index < 0) throw SyntaxError(scan_.offset(), std::string("expected a node ") + after);
      group.push_back(index);
      scan_.skipBlanks();
      if (scan_.peek() != '&') return group;
      scan_.seek(scan_.offset() + 1);
      after = "after '&'";
    }
  }

  void chainStatement() {
    const size_t at = scan_.offset();
    std::vector<int> from = vertexGroup("id");
    for (;;) {
      scan_.skipBlanks();
      if (scan_.atStatementEnd()) break;
      LinkToken link;
      if (!scan_.readLink(link))
        throw SyntaxError(scan_.offset(), std::string("expected a link, '&' or the end of the statement, found '") +
                                              scan_.peek() + "'");
      std::vector<int> to = vertexGroup("after the link");
      if (link.otherHead || link.startHead)
        warn(at, link.startHead ? "a link with marks at both ends is drawn with one arrow head, at its target"
                                : "circle and cross ends of links are drawn as arrow heads");
      if (link.invisible) warn(at, "an invisible link ('~~~') is skipped");
      for (int a : from)
        for (int b : to) edges_.push_back(PendingEdge{a, b, link, scan_.lineOf(at), std::nullopt});
      from = std::move(to);
    }
    endStatement();
  }

  int nodeIndex(const std::string& id) {
    const auto [it, added] = index_.try_emplace(id, static_cast<int>(nodes_.size()));
    if (added) nodes_.push_back(PendingNode{id, ShapeForm::None, id, {}});
    return it->second;
  }

  Graph finish();

  struct LinkStyle {
    bool all;
    std::vector<int> indices;
    Rgb colour;
    size_t at;
  };

  Scanner scan_;
  Direction direction_ = Direction::TopToBottom;
  std::vector<PendingNode> nodes_;
  std::unordered_map<std::string, int> index_;
  std::vector<PendingEdge> edges_;
  std::map<std::string, StyleProps> classDefs_;
  std::vector<std::pair<std::string, std::string>> classAssignments_;
  std::vector<std::pair<std::string, StyleProps>> nodeStyles_;
  std::vector<size_t> styleLines_;
  std::vector<LinkStyle> linkStyles_;
  std::set<std::string> subgraphIds_;
  std::vector<size_t> subgraphs_;  // the open subgraphs' statements
  std::vector<Message> warnings_;
};

Graph Reader::finish() {
  // linkStyle counts every link as written, the invisible ones and those to subgraphs included.
  for (const LinkStyle& style : linkStyles_) {
    if (style.all) {
      for (PendingEdge& edge : edges_) edge.colour = style.colour;
      continue;
    }
    for (int i : style.indices) {
      if (i < static_cast<int>(edges_.size()))
        edges_[i].colour = style.colour;
      else
        warn(style.at, "linkStyle names link " + std::to_string(i) + ", but there are only " +
                           std::to_string(edges_.size()));
    }
  }
  for (const auto& [id, name] : classAssignments_) {
    const auto it = index_.find(id);
    if (it != index_.end()) nodes_[it->second].classes.push_back(name);
  }
  // A subgraph's id used in a link names the subgraph, not a node: those links are left out.
  std::vector<bool> dropped(nodes_.size(), false);
  for (size_t i = 0; i < nodes_.size(); ++i)
    dropped[i] = nodes_[i].form == ShapeForm::None && subgraphIds_.count(nodes_[i].id) > 0;
  std::set<int> warnedLines;
  Graph graph;
  graph.direction = direction_;
  std::vector<int> newIndex(nodes_.size(), -1);
  for (size_t i = 0; i < nodes_.size(); ++i) {
    if (dropped[i]) continue;
    newIndex[i] = static_cast<int>(graph.nodes.size());
    Node node;
    node.id = nodes_[i].id;
    node.text = nodes_[i].text;
    graph.nodes.push_back(std::move(node));
  }
  for (const PendingEdge& pending : edges_) {
    if (pending.link.invisible) continue;
    if (dropped[pending.from] || dropped[pending.to]) {
      if (warnedLines.insert(pending.line).second)
        warnings_.push_back(Message{pending.line, 0, "links to and from subgraphs are skipped"});
      continue;
    }
    Edge edge;
    edge.from = newIndex[pending.from];
    edge.to = newIndex[pending.to];
    edge.label = pending.link.label;
    edge.style = pending.link.style;
    edge.directed = pending.link.head;
    edge.colour = pending.colour;
    graph.edges.push_back(std::move(edge));
  }
  std::vector<int> incoming(graph.nodes.size(), 0), outgoing(graph.nodes.size(), 0);
  for (const Edge& edge : graph.edges) {
    ++outgoing[edge.from];
    ++incoming[edge.to];
  }
  for (size_t i = 0; i < nodes_.size(); ++i) {
    if (newIndex[i] < 0) continue;
    const PendingNode& pending = nodes_[i];
    Node& node = graph.nodes[newIndex[i]];
    const auto hasClass = [&](std::string_view name) {
      return std::find(pending.classes.begin(), pending.classes.end(), name) != pending.classes.end();
    };
    switch (pending.form) {
      case ShapeForm::None:
      case ShapeForm::Box:
      case ShapeForm::OtherShape: node.shape = Shape::Process; break;
      case ShapeForm::Subroutine: node.shape = Shape::Rectangle; break;
      case ShapeForm::Diamond: node.shape = Shape::Decision; break;
      case ShapeForm::Circle:
      case ShapeForm::DoubleCircle: node.shape = Shape::Ellipse; break;
      case ShapeForm::Rounded:
      case ShapeForm::Stadium: {
        // The classes "start" and "end" say which mark a rounded node is where its links do not.
        const int in = incoming[newIndex[i]], out = outgoing[newIndex[i]];
        if (hasClass("start"))
          node.shape = Shape::Start;
        else if (hasClass("end"))
          node.shape = Shape::End;
        else
          node.shape = in == 0 ? Shape::Start : out == 0 ? Shape::End : Shape::Process;
        break;
      }
    }
    if (pending.classes.empty()) {
      if (const auto def = classDefs_.find("default"); def != classDefs_.end()) def->second.applyTo(node);
    }
    for (const std::string& name : pending.classes)
      if (const auto def = classDefs_.find(name); def != classDefs_.end()) def->second.applyTo(node);
  }
  for (size_t k = 0; k < nodeStyles_.size(); ++k) {
    const auto it = index_.find(nodeStyles_[k].first);
    if (it == index_.end() || newIndex[it->second] < 0) {
      warn(styleLines_[k], "style names '" + nodeStyles_[k].first + "', which is no node");
      continue;
    }
    nodeStyles_[k].second.applyTo(graph.nodes[newIndex[it->second]]);
  }
  return graph;
}

}  // namespace

ParseResult ReadMermaid(std::string_view text) { return Reader(text).read(); }

}  // namespace graph
