#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A flowchart as a graph: what automatic layout, Mermaid and DOT see of a diagram. Nodes are
// shapes with their text, edges the connectors between them. No geometry but the node sizes a
// layout needs; no widgets, no figures.
namespace graph {

// The closed figure a node is drawn as.
enum class Shape : uint8_t {
  Process,    // process box (Mermaid [text], DOT box)
  Start,      // start mark (Mermaid ([text]) or (text) without incoming edges)
  End,        // end mark (Mermaid ([text]) or (text) without outgoing edges)
  Decision,   // diamond (Mermaid {text}, DOT diamond)
  Ellipse,    // ellipse (Mermaid ((text)), DOT ellipse, circle)
  Rectangle,  // plain rectangle (Mermaid [[text]], DOT rect)
};

enum class LineStyle : uint8_t { Solid, Dashed, Thick };

enum class Direction : uint8_t { TopToBottom, BottomToTop, LeftToRight, RightToLeft };

// 0xRRGGBB.
using Rgb = uint32_t;

// How a text is set beyond the diagram's font.
struct TextStyle {
  bool bold = false;
  bool italic = false;
  bool operator==(const TextStyle&) const = default;
};

struct Node {
  std::string id;    // the identifier in a text format; may be empty for a node found in a diagram
  std::string text;  // lines separated by '\n'
  TextStyle font;
  Shape shape = Shape::Process;
  std::optional<Rgb> fill;
  std::optional<Rgb> stroke;
  int strokeWidth = 0;  // 0: the default width
  bool dashed = false;  // the outline is dashed
  int width = 0;        // canvas pixels; 0: the importer's default size for the shape
  int height = 0;
  uint64_t figure = 0;  // the diagram's figure the node stands for (0: none yet)
  bool operator==(const Node&) const = default;
};

struct Edge {
  int from = 0;  // node indices
  int to = 0;
  std::string id;  // the link's id in a text format; empty for none
  std::string label;
  TextStyle labelFont;
  LineStyle style = LineStyle::Solid;
  bool directed = true;    // a head at `to`
  bool bothHeads = false;  // a head at `from` too (directed edges only)
  std::optional<Rgb> colour;
  int width = 0;  // canvas pixels; 0: the style's own width
  std::vector<uint64_t> figures;  // the connector's figures in the diagram (segments, label)
  // A link to or from a cluster as a whole: `from` (`to`) is then a node within it, so that what
  // sees only nodes (layout, ranking) still sees the link; -1 for a link of the node itself.
  int fromCluster = -1;
  int toCluster = -1;
  bool operator==(const Edge&) const = default;
};

// Nodes drawn together in a titled box (a Mermaid subgraph, a DOT cluster, a container).
struct Cluster {
  std::string id;      // the identifier in a text format; may be empty
  std::string title;   // lines separated by '\n'
  int parent = -1;     // the cluster this one lies in, -1 for none
  std::vector<int> nodes;  // its own nodes, not those of the clusters within it
  std::optional<Direction> direction;  // the flow within it, where the text gives one
  uint64_t figure = 0;  // the container's rectangle in the diagram (0: none yet)
  // The room its title takes inside its top edge, canvas pixels, for a layout (0: none).
  int titleWidth = 0;
  int titleHeight = 0;
  bool operator==(const Cluster&) const = default;
};

struct Graph {
  Direction direction = Direction::TopToBottom;
  std::vector<Node> nodes;
  std::vector<Edge> edges;
  std::vector<Cluster> clusters;  // parents before the clusters within them
  bool operator==(const Graph&) const = default;
};

// Per node, the innermost cluster holding it (-1 for none).
std::vector<int> ClusterOfNodes(const Graph& graph);
// A node within the cluster or a cluster nested in it (the first one found), -1 for none: what a
// link to the cluster is drawn to where only nodes are seen.
int NodeWithin(const Graph& graph, int cluster);
// Whether cluster `inner` is `outer` or lies within it.
bool ClusterWithin(const Graph& graph, int inner, int outer);

// The pen widths of connectors: solid and dashed 2, thick 4. A width of 4 or more is thick, a
// thick link is never thinner than 4, and a link's own width is 0 where it is its style's.
inline constexpr int kThickWidth = 4;
void NormaliseWidth(Edge& edge);

}  // namespace graph
