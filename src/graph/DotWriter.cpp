#include <cstdio>
#include <set>

#include "Colour.h"
#include "Dot.h"
#include "DotText.h"
#include "NodeIds.h"

namespace graph {
namespace {

// What DOT reads back as the same id in double quotes.
bool DotReadsBack(std::string_view id) { return id.find_first_of("\"\\\n\r") == std::string_view::npos; }

std::string Inches(int pixels) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.6g", pixels / 72.0);
  return buffer;
}

const char* RankDir(Direction d) {
  switch (d) {
    case Direction::TopToBottom: return "TB";
    case Direction::BottomToTop: return "BT";
    case Direction::LeftToRight: return "LR";
    case Direction::RightToLeft: return "RL";
  }
  return "TB";
}

std::string Join(const std::vector<std::string>& items, const char* separator) {
  std::string out;
  for (size_t k = 0; k < items.size(); ++k) out += (k ? separator : "") + items[k];
  return out;
}

// Each cluster's name: "cluster_" and its own id where that reads back and no cluster before has
// it, else "cluster_N".
std::vector<std::string> ClusterNames(const Graph& graph) {
  std::set<std::string> taken;
  std::vector<std::string> names;
  for (const Cluster& c : graph.clusters) {
    std::string name = !c.id.empty() && DotReadsBack(c.id) ? "cluster_" + c.id : std::string();
    for (int n = static_cast<int>(names.size()) + 1; name.empty() || taken.count(name); ++n) name = "cluster_" + std::to_string(n);
    taken.insert(name);
    names.push_back(std::move(name));
  }
  return names;
}

// The cluster's block: its title and its nodes (declared before), then the clusters within it.
void WriteCluster(const Graph& graph, int c, const std::vector<std::string>& ids, const std::vector<std::string>& names,
                  const std::string& indent, std::string& out) {
  const Cluster& cluster = graph.clusters[c];
  out += indent + "subgraph " + dot::QuoteId(names[c]) + " {\n";
  out += indent + "  label=" + dot::QuoteLabel(cluster.title) + ";\n";
  for (int n : cluster.nodes)
    if (n >= 0 && n < static_cast<int>(ids.size())) out += indent + "  " + dot::QuoteId(ids[n]) + ";\n";
  for (size_t inner = static_cast<size_t>(c) + 1; inner < graph.clusters.size(); ++inner)
    if (graph.clusters[inner].parent == c) WriteCluster(graph, static_cast<int>(inner), ids, names, indent + "  ", out);
  out += indent + "}\n";
}

}  // namespace

std::string WriteDot(const Graph& graph) {
  const std::vector<std::string> ids = WrittenIds(graph, DotReadsBack);
  const int count = static_cast<int>(graph.nodes.size());
  std::vector<Edge> edges;
  for (const Edge& edge : graph.edges)
    if (edge.from >= 0 && edge.from < count && edge.to >= 0 && edge.to < count) edges.push_back(edge);
  std::vector<int> incoming(count, 0), outgoing(count, 0);
  bool anyDirected = edges.empty();
  const std::vector<std::string> clusterNames = ClusterNames(graph);
  const auto inRange = [&](int c) { return c >= 0 && c < static_cast<int>(clusterNames.size()); };
  bool compound = false;
  for (const Edge& edge : edges) {
    compound = compound || inRange(edge.fromCluster) || inRange(edge.toCluster);
    if (edge.fromCluster < 0) ++outgoing[edge.from];
    if (edge.toCluster < 0) ++incoming[edge.to];
    anyDirected = anyDirected || edge.directed;
  }

  std::string out = anyDirected ? "digraph {\n" : "graph {\n";
  out += std::string("  rankdir=") + RankDir(graph.direction) + ";\n";
  if (compound) out += "  compound=true;\n";
  for (int i = 0; i < count; ++i) {
    const Node& node = graph.nodes[i];
    const bool html = node.font.bold || node.font.italic;
    std::vector<std::string> attrs{"label=" + (html ? dot::HtmlLabel(node.text, node.font) : dot::QuoteLabel(node.text))};
    std::vector<std::string> style;
    switch (node.shape) {
      case Shape::Process: attrs.push_back("shape=box"); break;
      case Shape::Rectangle: attrs.push_back("shape=rect"); break;
      case Shape::Decision: attrs.push_back("shape=diamond"); break;
      case Shape::Ellipse: attrs.push_back("shape=ellipse"); break;
      case Shape::Start:
      case Shape::End: {
        attrs.push_back("shape=box");
        style.push_back("rounded");
        // A reader takes a rounded box's mark from its edges; the class says it where they do not.
        const Shape fromEdges = incoming[i] == 0 ? Shape::Start : outgoing[i] == 0 ? Shape::End : Shape::Process;
        if (fromEdges != node.shape) attrs.push_back(node.shape == Shape::Start ? "class=start" : "class=end");
        break;
      }
    }
    if (node.fill) {
      style.push_back("filled");
      attrs.push_back("fillcolor=\"" + HexColour(*node.fill) + "\"");
    }
    if (node.dashed) style.push_back("dashed");
    if (!style.empty()) attrs.push_back("style=\"" + Join(style, ",") + "\"");
    if (node.stroke) attrs.push_back("color=\"" + HexColour(*node.stroke) + "\"");
    if (node.strokeWidth > 0) attrs.push_back("penwidth=" + std::to_string(node.strokeWidth));
    if (node.width > 0) attrs.push_back("width=" + Inches(node.width));
    if (node.height > 0) attrs.push_back("height=" + Inches(node.height));
    out += "  " + dot::QuoteId(ids[i]) + " [" + Join(attrs, ", ") + "];\n";
  }
  for (size_t c = 0; c < graph.clusters.size(); ++c)
    if (graph.clusters[c].parent < 0 || graph.clusters[c].parent >= static_cast<int>(c))
      WriteCluster(graph, static_cast<int>(c), ids, clusterNames, "  ", out);
  const char* op = anyDirected ? " -> " : " -- ";
  std::set<std::string> keys;
  for (const Edge& edge : edges) {
    std::vector<std::string> attrs;
    // An edge's key names it; two edges of one key between the same nodes would be one.
    if (!edge.id.empty() && DotReadsBack(edge.id) && keys.insert(edge.id).second) attrs.push_back("key=" + dot::QuoteId(edge.id));
    if (!edge.label.empty()) {
      const bool html = edge.labelFont.bold || edge.labelFont.italic;
      attrs.push_back("label=" + (html ? dot::HtmlLabel(edge.label, edge.labelFont) : dot::QuoteLabel(edge.label)));
    }
    if (edge.style == LineStyle::Dashed) attrs.push_back("style=dashed");
    if (edge.style == LineStyle::Thick) attrs.push_back("style=bold");
    if (edge.colour) attrs.push_back("color=\"" + HexColour(*edge.colour) + "\"");
    if (edge.width > 0) attrs.push_back("penwidth=" + std::to_string(edge.width));
    if (anyDirected && !edge.directed) attrs.push_back("dir=none");
    if (edge.directed && edge.bothHeads) attrs.push_back("dir=both");
    if (inRange(edge.fromCluster)) attrs.push_back("ltail=" + dot::QuoteId(clusterNames[edge.fromCluster]));
    if (inRange(edge.toCluster)) attrs.push_back("lhead=" + dot::QuoteId(clusterNames[edge.toCluster]));
    out += "  " + dot::QuoteId(ids[edge.from]) + op + dot::QuoteId(ids[edge.to]);
    if (!attrs.empty()) out += " [" + Join(attrs, ", ") + "]";
    out += ";\n";
  }
  return out + "}\n";
}

}  // namespace graph
