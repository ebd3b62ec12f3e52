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

std::string Q(std::string_view s) { return "'" + Excerpt(s) + "'"; }

// The graph's name, as \G shows it: none for an anonymous graph (Graphviz's own is "%1" and kin).
std::string GraphName(Agraph_t* g) {
  const std::string name = agnameof(g);
  return name.starts_with('%') ? std::string() : name;
}

class Reader {
 public:
  Reader(Agraph_t* g, std::string_view source) : g_(g), source_(source) {
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
    std::unordered_map<Agnode_t*, int> clusterOf;  // the innermost cluster holding a node
    for (Agraph_t* sub : InTextOrder(g_)) readClusters(sub, -1, graph, clusterOf);
    for (Agnode_t* n = agfstnode(g_); n; n = agnxtnode(g_, n)) {
      if (const auto c = clusterOf.find(n); c != clusterOf.end())
        graph.clusters[static_cast<size_t>(c->second)].nodes.push_back(static_cast<int>(graph.nodes.size()));
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
    const std::vector<int> clusterOfNode = ClusterOfNodes(graph);
    for (Agedge_t* e : edges) {
      graph.edges.push_back(edge(e, index));
      if (!clusterNames_.empty()) clusterEnds(e, graph, clusterOfNode, graph.edges.back());
    }

    std::vector<int> incoming(graph.nodes.size(), 0), outgoing(graph.nodes.size(), 0);
    for (const Edge& e : graph.edges) {
      if (e.fromCluster < 0) ++outgoing[e.from];
      if (e.toCluster < 0) ++incoming[e.to];
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
    for (const auto& [shape, first] : otherShapes_)
      warnings_.push_back(Message::Of(0, 0, {MessageCode::DotShapeDrawnAsProcess, {Q(shape), first}}));
    return graph;
  }

  std::vector<Message> takeWarnings() { return std::move(warnings_); }

 private:
  std::string text(const std::string& raw) const {
    if (latin1_ || !dot::IsUtf8(raw)) return dot::Latin1ToUtf8(raw);
    return raw;
  }

  std::string label(void* object, const std::string& fallback, const dot::LabelNames& names, bool record,
                    TextStyle* font, const std::string& who) {
    char* raw = agget(object, const_cast<char*>("label"));
    if (raw && aghtmlstr(raw)) return text(dot::HtmlText(raw, font));
    std::string written = raw ? raw : fallback;
    if (record) {
      bool ports = false;
      written = dot::RecordFields(written, &ports);
      if (ports) warnings_.push_back(Message::Of(0, 0, {MessageCode::RecordPortsIgnored, {Q(who)}}));
    }
    return text(dot::ShowLabel(written, names));
  }

  // A text or id longer than the diagram takes is cut, with a warning naming its line.
  void cut(std::string& s, Said what) {
    if (s.size() <= kMaxTextCharacters) return;
    const std::string head = s.substr(0, 40);
    if (!CutText(s)) return;
    int line = 0;
    if (++cuts_ <= 5) {
      const size_t at = source_.find(head);
      if (at != std::string_view::npos) line = 1 + static_cast<int>(std::count(source_.begin(), source_.begin() + static_cast<long>(at), '\n'));
    }
    warnings_.push_back(Message::Of(line, 0, std::move(what)));
  }

  // A name beginning with '%' is one Graphviz numbers itself, from a count kept over every read
  // of the process: numbered again here, in the order of this graph, so that a text always reads
  // the same.
  std::string nameOf(Agnode_t* n) {
    std::string name = agnameof(n);
    if (!name.starts_with('%')) return name;
    return anonymous_.try_emplace(n, "%" + std::to_string(anonymous_.size() + 1)).first->second;
  }

  Node node(Agnode_t* n, bool& rounded) {
    Node node;
    node.id = text(nameOf(n));
    const std::string shown = node.id;
    cut(node.id, {MessageCode::IdCut, {Q(shown)}});
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
      otherShapes_.try_emplace(shape, Excerpt(node.id));
    }
    const std::string name = nameOf(n);
    const std::string graphName = GraphName(g_);
    node.text = label(n, "\\N", dot::LabelNames{name, graphName, {}, {}}, record, &node.font, shown);
    cut(node.text, {MessageCode::TextCut, {Q(shown)}});
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
    edge.bothHeads = edge.directed && dir == "both";
    const std::string tail = nameOf(agtail(e)), head = nameOf(aghead(e));
    const std::string name = tail + (agisdirected(g_) ? "->" : "--") + head;
    const std::string graphName = GraphName(g_);
    edge.label = label(e, "", dot::LabelNames{name, graphName, tail, head}, false, &edge.labelFont, name);
    cut(edge.label, {MessageCode::EdgeTextCut, {Q(text(name))}});
    // An edge's key names it; anonymous edges have none.
    if (const char* key = agnameof(e); key && *key && key[0] != '%') edge.id = text(key);
    const std::vector<std::string> style = StyleItems(Attr(e, "style"));
    if (Has(style, "dashed") || Has(style, "dotted"))
      edge.style = LineStyle::Dashed;
    else if (Has(style, "bold"))
      edge.style = LineStyle::Thick;
    edge.colour = DotColour(Attr(e, "color"));
    if (const std::string pen = Attr(e, "penwidth"); !pen.empty())
      edge.width = static_cast<int>(std::nearbyint(std::max(0.0, std::min(1000.0, std::atof(pen.c_str())))));
    NormaliseWidth(edge);
    return edge;
  }

  // Subgraphs named cluster... are clusters, titled by their labels; other subgraphs only group
  // what they hold. A node belongs to the innermost cluster that holds it.
  // cgraph keeps subgraphs by name: in the order the text gives them instead.
  static std::vector<Agraph_t*> InTextOrder(Agraph_t* g) {
    std::vector<Agraph_t*> subs;
    for (Agraph_t* sub = agfstsubg(g); sub; sub = agnxtsubg(sub)) subs.push_back(sub);
    std::sort(subs.begin(), subs.end(), [](Agraph_t* a, Agraph_t* b) { return AGSEQ(a) < AGSEQ(b); });
    return subs;
  }

  void readClusters(Agraph_t* sub, int parent, Graph& graph, std::unordered_map<Agnode_t*, int>& clusterOf) {
    const std::string name = agnameof(sub);
    int here = parent;
    if (name.starts_with("cluster")) {
      here = static_cast<int>(graph.clusters.size());
      Cluster cluster;
      cluster.id = text(name.starts_with("cluster_") ? name.substr(8) : name);
      cluster.parent = parent;
      const std::string graphName = GraphName(g_);
      TextStyle font;
      cluster.title = label(sub, "", dot::LabelNames{name, graphName, {}, {}}, false, &font, name);
      cut(cluster.title, {MessageCode::ClusterTitleCut, {Q(text(name))}});
      clusterNames_[name] = here;
      graph.clusters.push_back(std::move(cluster));
      for (Agnode_t* n = agfstnode(sub); n; n = agnxtnode(sub, n)) clusterOf[n] = here;
    }
    for (Agraph_t* inner : InTextOrder(sub)) readClusters(inner, here, graph, clusterOf);
  }

  // lhead and ltail name the cluster an edge runs to or from as a whole (Graphviz's compound
  // edges); one that does not hold the edge's node is no end of it.
  void clusterEnds(Agedge_t* e, const Graph& graph, const std::vector<int>& of, Edge& edge) {
    const auto named = [&](const char* attr, int node) {
      const auto found = clusterNames_.find(Attr(e, attr));
      if (found == clusterNames_.end()) return -1;
      return ClusterWithin(graph, of[static_cast<size_t>(node)], found->second) ? found->second : -1;
    };
    const bool back = Lower(Attr(e, "dir")) == "back";
    const int head = named("lhead", back ? edge.from : edge.to), tail = named("ltail", back ? edge.to : edge.from);
    (back ? edge.fromCluster : edge.toCluster) = head;
    (back ? edge.toCluster : edge.fromCluster) = tail;
  }

  Agraph_t* g_;
  std::string_view source_;
  std::unordered_map<Agnode_t*, std::string> anonymous_;
  int cuts_ = 0;
  bool latin1_ = false;
  std::map<std::string, std::string> otherShapes_;  // shape -> the first node drawn with it
  std::map<std::string, int> clusterNames_;         // a cluster's name -> its place
  std::vector<Message> warnings_;
};

// Graphviz's parser reading from memory, one graph after another of the same text.
struct MemoryText {
  std::string_view text;
  size_t at = 0;
};

int ReadMemory(void* channel, char* buffer, int size) {
  auto* m = static_cast<MemoryText*>(channel);
  const size_t n = std::min(static_cast<size_t>(std::max(size, 0)), m->text.size() - m->at);
  std::copy_n(m->text.data() + m->at, n, buffer);
  m->at += n;
  return static_cast<int>(n);
}

Message GraphvizMessage(const std::string& message) {
  // Graphviz quotes what it read ("near 'xxxx'"): never more than a few hundred characters of it.
  return Message::Of(graphviz::LineOfMessage(message), 0, {MessageCode::Plain, {Excerpt(message, 300)}});
}

}  // namespace

ParseResult ReadDot(std::string_view text) {
  graphviz::Session session;
  graphviz::ResetParser();
  // As Graphviz's own programs do (gvContext): a node's label defaults to its name, so that a
  // node without one reads as named even where another node declares a label.
  agattr(nullptr, AGNODE, const_cast<char*>("label"), const_cast<char*>("\\N"));
  MemoryText memory{text};
  Agiodisc_t io{ReadMemory, AgIoDisc.putstr, AgIoDisc.flush};
  Agdisc_t disc{&AgMemDisc, &AgIdDisc, &io};
  std::unique_ptr<Agraph_t, int (*)(Agraph_t*)> owner(agread(&memory, &disc), agclose);
  // Every error counts, whatever came back: a graph cut short by one ("memory exhausted" deep in
  // subgraphs) is no graph.
  const std::vector<std::string> errors = session.errors();
  ParseResult result;
  for (const std::string& warning : session.warnings()) result.warnings.push_back(GraphvizMessage(warning));
  size_t graphs = owner ? 1 : 0;
  if (owner && errors.empty()) {
    // The graphs after the first: counted, then gone with the parser's state.
    const size_t before = session.errors().size();
    for (int k = 0; k < 1000; ++k) {
      std::unique_ptr<Agraph_t, int (*)(Agraph_t*)> more(agread(&memory, &disc), agclose);
      if (!more) break;
      ++graphs;
    }
    if (session.errors().size() > before)
      result.warnings.push_back(Message::Of(0, 0, {MessageCode::NotAllDot, {Excerpt(session.errors()[before], 200)}}));
  }
  graphviz::ResetParser();
  if (!errors.empty() || !owner) {
    result.warnings.clear();
    result.error = errors.empty() ? Message::Of(0, 0, {MessageCode::NoDotGraph}) : GraphvizMessage(errors.front());
    return result;
  }
  if (graphs > 1)
    result.warnings.push_back(Message::Of(0, 0, {MessageCode::SeveralGraphs, {std::to_string(graphs)}}));
  Reader reader(owner.get(), text);
  Graph graph = reader.read();
  for (Message& warning : reader.takeWarnings()) result.warnings.push_back(std::move(warning));
  if (graph.nodes.empty()) {
    result.warnings.clear();
    const std::string name = agnameof(owner.get());
    result.error = name.starts_with('%') ? Message::Of(0, 0, {MessageCode::UnnamedGraphHoldsNoNode})
                                         : Message::Of(0, 0, {MessageCode::GraphHoldsNoNode, {Q(dot::IsUtf8(name) ? name : dot::Latin1ToUtf8(name))}});
    return result;
  }
  result.graph = std::move(graph);
  return result;
}

}  // namespace graph
