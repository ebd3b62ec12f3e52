#include <graphviz/cgraph.h>
#include <graphviz/color.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <memory>
#include <unordered_map>

#include "Dot.h"
#include "DotText.h"
#include "GraphvizSession.h"

// Graphviz's own colour names and forms (X11 names, "#rrggbb", "H,S,V", "/scheme/name"): libgvc
// exports the function its renderers use, though no installed header declares it.
extern "C" int colorxlate(char* str, gvcolor_t* color, color_type_t target_type);

namespace graph {
namespace {

// An attribute's value, "" where the graph never declares it.
std::string Attr(void* object, const char* name) {
  const char* value = agget(object, const_cast<char*>(name));
  return value ? value : "";
}

std::string Lower(std::string_view s) {
  std::string out;
  for (char c : s) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

// "filled,dashed" or "setlinewidth(2), bold" as lower-case items.
std::vector<std::string> StyleItems(const std::string& style) {
  std::vector<std::string> items;
  std::string item;
  int depth = 0;
  for (char c : style + ",") {
    if (c == '(') ++depth;
    if (c == ')') --depth;
    if (c == ',' && depth <= 0) {
      const size_t a = item.find_first_not_of(" \t"), b = item.find_last_not_of(" \t");
      if (a != std::string::npos) items.push_back(Lower(item.substr(a, b - a + 1)));
      item.clear();
    } else {
      item += c;
    }
  }
  return items;
}

bool Has(const std::vector<std::string>& items, std::string_view item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

// The first colour of a colour list ("red:blue", "red;0.3:blue"); none for transparent.
std::optional<Rgb> DotColour(const std::string& value) {
  std::string first = value.substr(0, value.find_first_of(":;"));
  if (first.empty()) return std::nullopt;
  gvcolor_t colour{};
  if (colorxlate(first.data(), &colour, RGBA_BYTE) != COLOR_OK || colour.u.rgba[3] == 0) return std::nullopt;
  return (static_cast<Rgb>(colour.u.rgba[0]) << 16) | (static_cast<Rgb>(colour.u.rgba[1]) << 8) |
         static_cast<Rgb>(colour.u.rgba[2]);
}

// Inches to canvas pixels at 72 per inch; 0 when unset or not a size.
int Pixels(const std::string& inches) {
  if (inches.empty()) return 0;
  char* end = nullptr;
  const double value = std::strtod(inches.c_str(), &end);
  if (end == inches.c_str() || !(value > 0 && value < 10000)) return 0;
  return static_cast<int>(std::nearbyint(value * 72.0));
}

class Reader {
 public:
  explicit Reader(Agraph_t* g) : g_(g) {
    latin1_ = Lower(Attr(g, "charset")) == "latin1" || Lower(Attr(g, "charset")) == "latin-1" ||
              Lower(Attr(g, "charset")) == "iso-8859-1" || Lower(Attr(g, "charset")) == "l1";
  }

  Graph read() {
    Graph graph;
    const std::string rankdir = Lower(Attr(g_, "rankdir"));
    graph.direction = rankdir == "lr"   ? Direction::LeftToRight
                      : rankdir == "rl" ? Direction::RightToLeft
                      : rankdir == "bt" ? Direction::BottomToTop
                                        : Direction::TopToBottom;
    std::unordered_map<Agnode_t*, int> index;
    std::vector<bool> rounded;
    std::vector<std::vector<std::string>> classes;
    for (Agnode_t* n = agfstnode(g_); n; n = agnxtnode(g_, n)) {
      index[n] = static_cast<int>(graph.nodes.size());
      bool isRounded = false;
      graph.nodes.push_back(node(n, isRounded));
      rounded.push_back(isRounded);
      classes.push_back(StyleItems(Attr(n, "class")));
    }
    // In the order the text gives them, not grouped by their tails.
    std::vector<Agedge_t*> edges;
    for (Agnode_t* n = agfstnode(g_); n; n = agnxtnode(g_, n))
      for (Agedge_t* e = agfstout(g_, n); e; e = agnxtout(g_, e)) edges.push_back(e);
    std::sort(edges.begin(), edges.end(), [](Agedge_t* a, Agedge_t* b) { return AGSEQ(a) < AGSEQ(b); });
    for (Agedge_t* e : edges) graph.edges.push_back(edge(e, index));

    std::vector<int> incoming(graph.nodes.size(), 0), outgoing(graph.nodes.size(), 0);
    for (const Edge& e : graph.edges) {
      ++outgoing[e.from];
      ++incoming[e.to];
    }
    for (size_t i = 0; i < graph.nodes.size(); ++i) {
      if (!rounded[i]) continue;
      // As in Mermaid: the links say which mark a rounded box is, class=start or end where they do not.
      Shape& shape = graph.nodes[i].shape;
      if (Has(classes[i], "start"))
        shape = Shape::Start;
      else if (Has(classes[i], "end"))
        shape = Shape::End;
      else
        shape = incoming[i] == 0 ? Shape::Start : outgoing[i] == 0 ? Shape::End : Shape::Process;
    }
    for (Agraph_t* sub = agfstsubg(g_); sub; sub = agnxtsubg(sub)) noteClusters(sub);
    for (const auto& [shape, first] : otherShapes_)
      warnings_.push_back(Message{0, 0, "nodes of shape '" + shape + "' (the first is '" + first +
                                            "') are drawn as process boxes"});
    return graph;
  }

  std::vector<Message> takeWarnings() { return std::move(warnings_); }

 private:
  std::string text(const std::string& raw) const {
    if (latin1_ || !dot::IsUtf8(raw)) return dot::Latin1ToUtf8(raw);
    return raw;
  }

  std::string label(void* object, const std::string& fallback, const dot::LabelNames& names, bool record) {
    char* raw = agget(object, const_cast<char*>("label"));
    if (raw && aghtmlstr(raw)) return text(dot::HtmlText(raw));
    std::string written = raw ? raw : fallback;
    if (record) written = dot::RecordFields(written);
    return text(dot::UnescapeLabel(written, names));
  }

  Node node(Agnode_t* n, bool& rounded) {
    Node node;
    node.id = text(agnameof(n));
    const std::string shape = Lower(Attr(n, "shape"));
    const std::vector<std::string> style = StyleItems(Attr(n, "style"));
    const bool record = shape == "record" || shape == "mrecord";
    if (shape == "box") {
      node.shape = Shape::Process;
      rounded = Has(style, "rounded");
    } else if (shape == "rect" || shape == "rectangle" || shape == "square") {
      node.shape = Shape::Rectangle;
    } else if (shape.empty() || shape == "ellipse" || shape == "oval" || shape == "circle" || shape == "doublecircle") {
      node.shape = Shape::Ellipse;  // Graphviz's default shape is the ellipse
    } else if (shape == "diamond") {
      node.shape = Shape::Decision;
    } else {
      node.shape = Shape::Process;
      otherShapes_.try_emplace(shape, node.id);
    }
    const std::string name = agnameof(n);
    const std::string graphName = agnameof(g_);
    node.text = label(n, "\\N", dot::LabelNames{name, graphName, {}, {}}, record);
    const std::optional<Rgb> colour = DotColour(Attr(n, "color"));
    node.stroke = colour;
    if (Has(style, "filled") || Has(style, "radial") || Has(style, "striped")) {
      node.fill = DotColour(Attr(n, "fillcolor"));
      if (!node.fill) node.fill = colour;
      if (!node.fill) node.fill = 0xD3D3D3;  // Graphviz fills with lightgrey when no colour is given
    }
    node.dashed = Has(style, "dashed") || Has(style, "dotted");
    if (Has(style, "bold")) node.strokeWidth = 2;
    for (const std::string& item : style)
      if (item.starts_with("setlinewidth(")) node.strokeWidth = std::max(0, std::atoi(item.c_str() + 13));
    if (const std::string pen = Attr(n, "penwidth"); !pen.empty())
      node.strokeWidth = static_cast<int>(std::nearbyint(std::max(0.0, std::min(1000.0, std::atof(pen.c_str())))));
    node.width = Pixels(Attr(n, "width"));
    node.height = Pixels(Attr(n, "height"));
    return node;
  }

  Edge edge(Agedge_t* e, const std::unordered_map<Agnode_t*, int>& index) {
    Edge edge;
    edge.from = index.at(agtail(e));
    edge.to = index.at(aghead(e));
    const std::string dir = Lower(Attr(e, "dir"));
    edge.directed = agisdirected(g_) ? dir != "none" : (dir == "forward" || dir == "back" || dir == "both");
    if (dir == "back") std::swap(edge.from, edge.to);
    const std::string tail = agnameof(agtail(e)), head = agnameof(aghead(e));
    const std::string name = tail + (agisdirected(g_) ? "->" : "--") + head;
    const std::string graphName = agnameof(g_);
    edge.label = label(e, "", dot::LabelNames{name, graphName, tail, head}, false);
    const std::vector<std::string> style = StyleItems(Attr(e, "style"));
    if (Has(style, "dashed") || Has(style, "dotted"))
      edge.style = LineStyle::Dashed;
    else if (Has(style, "bold"))
      edge.style = LineStyle::Thick;
    edge.colour = DotColour(Attr(e, "color"));
    return edge;
  }

  void noteClusters(Agraph_t* sub) {
    const std::string name = agnameof(sub);
    if (name.starts_with("cluster"))
      warnings_.push_back(Message{0, 0, "the cluster '" + text(name) + "' is skipped: its nodes and edges are kept"});
    for (Agraph_t* inner = agfstsubg(sub); inner; inner = agnxtsubg(inner)) noteClusters(inner);
  }

  Agraph_t* g_;
  bool latin1_ = false;
  std::map<std::string, std::string> otherShapes_;  // shape -> the first node drawn with it
  std::vector<Message> warnings_;
};

}  // namespace

ParseResult ReadDot(std::string_view text) {
  graphviz::Session session;
  // As Graphviz's own programs do (gvContext): a node's label defaults to its name, so that a
  // node without one reads as named even where another node declares a label.
  agattr(nullptr, AGNODE, const_cast<char*>("label"), const_cast<char*>("\\N"));
  const std::string source(text);  // Graphviz reads a NUL-terminated copy
  Agraph_t* g = agmemread(source.c_str());
  ParseResult result;
  for (const std::string& warning : session.warnings())
    result.warnings.push_back(Message{graphviz::LineOfMessage(warning), 0, warning});
  if (!g) {
    const std::vector<std::string> errors = session.errors();
    const std::string reason = errors.empty() ? "the text holds no DOT graph" : errors.front();
    result.error = Message{graphviz::LineOfMessage(reason), 0, reason};
    return result;
  }
  std::unique_ptr<Agraph_t, int (*)(Agraph_t*)> owner(g, agclose);
  Reader reader(g);
  result.graph = reader.read();
  for (Message& warning : reader.takeWarnings()) result.warnings.push_back(std::move(warning));
  return result;
}

}  // namespace graph
