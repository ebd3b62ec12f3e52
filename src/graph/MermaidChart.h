#pragma once
#include <cstddef>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Graph.h"
#include "IdTable.h"
#include "MermaidSource.h"
#include "MermaidText.h"
#include "ParseResult.h"

// What Mermaid keeps of a flowchart while its grammar reads it (its flowchart database): nodes by
// id in the order first named, links in the order written, classes and styles; and the graph that
// the diagram can draw of it.
namespace graph::mermaid {

// A text as written: a view of the source text, or of a text the chart keeps.
struct WrittenText {
  std::string_view text;
  TextKind kind = TextKind::Plain;
};

struct LinkKind {
  enum class Mark : uint8_t { None, Arrow, Circle, Cross };
  enum class Stroke : uint8_t { Normal, Thick, Dotted, Invisible, Invalid };
  Mark end = Mark::Arrow;
  bool bothEnds = false;  // the same mark at the start
  Stroke stroke = Stroke::Normal;
  bool startMarkIgnored = false;  // a mark at the start only, which Mermaid drops
};

// A link as written: its kind, its text, its id ("e1@-->").
struct Link {
  LinkKind kind;
  std::optional<WrittenText> text;
  std::string_view id;
};

// Mermaid's reading of a link's characters: "-->" and "--" for "-- text -->".
LinkKind LinkKindOf(std::string_view end, std::string_view start = {});

class Chart {
 public:
  // Style items ("fill:#f9f") with the offsets of their statements.
  using Styles = std::vector<std::pair<std::string, size_t>>;

  explicit Chart(const Source& source);

  // Texts that are no part of the source (pieces joined, data values) live as long as the chart;
  // every id and text the chart takes is a view of the source or of one of these.
  std::string_view keep(std::string text);

  // Mermaid's addVertex: the node of the id, made when new (unless the id names a link, which
  // then takes the data); the text, the shape's name and styles given replace or add to its own.
  // `data` is the text of `@{...}`; throws SyntaxError for data that is not understood.
  void addVertex(std::string_view id, size_t at, const std::optional<WrittenText>& text = {},
                 std::string_view type = {}, const std::vector<std::string>& styles = {},
                 const std::optional<std::string>& data = {}, size_t dataAt = 0);
  void setBorders(std::string_view id, std::string_view borders);
  void addLink(const std::vector<std::string_view>& from, const std::vector<std::string_view>& to, const Link& link, size_t at);
  // class statements and ':::': nodes, links and subgraphs of those ids.
  void setClass(std::string_view ids, std::string_view name);
  void addClass(std::string_view names, const std::vector<std::string>& styles, size_t at);
  // linkStyle: numbers, or none for default.
  void linkStyle(std::optional<std::vector<size_t>> numbers, const std::vector<std::string>& styles, size_t at);
  // subgraph ... end: nodes named between them (not yet in another subgraph) are its own.
  void openSubgraph(std::string_view id, std::string_view title, size_t at);
  void closeSubgraph();
  bool inSubgraph() const { return !open_.empty(); }
  // The subgraph's name as a message quotes it, and where it starts, for the innermost open one.
  std::string openSubgraphName() const;
  // The chart's direction, or the innermost open subgraph's.
  void setDirection(std::string_view dir, size_t at);

  void warn(size_t at, Said said);

  // The graph, with every warning about what it cannot hold; the warnings of the reading first.
  Graph finish();
  std::vector<Message> takeWarnings() { return std::move(warnings_); }

 private:
  // What few nodes and links have, apart, so that a chart of many stays small.
  struct Extras {
    std::vector<std::string> classes;
    Styles styles;  // a node's own (style); a link's of linkStyle
    bool ownStyles = false;
    std::string borders;
    std::string icon;
    bool image = false;
  };
  struct Vertex {
    std::string_view id;
    std::optional<WrittenText> text;  // none: the id
    std::string_view type;            // Mermaid's shape name; empty: a box
    size_t at = 0, typeAt = 0;
    std::unique_ptr<Extras> extras;
    int subgraph = -1;  // the subgraph it was first named in
  };
  struct Subgraph {
    std::string id, title;
    int parent = -1;
    std::optional<Direction> direction;
    size_t at = 0;
  };
  struct Edge {
    size_t from, to;           // vertices; npos for an id that names a link
    std::string_view missing;  // that id
    Link link;
    size_t at = 0;
    std::unique_ptr<Extras> extras;
  };
  static Extras& extrasOf(std::unique_ptr<Extras>& extras) {
    if (!extras) extras = std::make_unique<Extras>();
    return *extras;
  }

  void applyNodeStyles(Node& node, const Styles& styles);
  void applyEdgeStyles(graph::Edge& edge, const Styles& styles);

  const Source& source_;
  std::vector<Vertex> vertices_;
  // The id of a vertex by its number, for the table of ids.
  struct VertexId {
    const std::vector<Vertex>* vertices;
    std::string_view operator()(size_t k) const { return (*vertices)[k].id; }
  };
  IdTable<VertexId> vertexOf_;
  std::vector<Edge> edges_;
  std::unordered_map<std::string_view, size_t> edgeOf_;  // user-given link ids
  std::deque<std::string> kept_;
  std::map<std::string, Styles> classes_;
  Styles defaultLinkStyles_;
  std::vector<Subgraph> subgraphList_;
  std::map<std::string, int> subgraphs_;  // id -> the first subgraph of that id
  std::vector<int> open_;                 // the subgraphs being read, innermost last
  Direction direction_ = Direction::TopToBottom;
  std::vector<Message> warnings_;
};

}  // namespace graph::mermaid
