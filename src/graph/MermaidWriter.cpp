#include <set>

#include "Colour.h"
#include "Mermaid.h"
#include "MermaidText.h"
#include "NodeIds.h"

namespace graph {
namespace {

const char* DirectionName(Direction d) {
  switch (d) {
    case Direction::TopToBottom: return "TD";
    case Direction::BottomToTop: return "BT";
    case Direction::LeftToRight: return "LR";
    case Direction::RightToLeft: return "RL";
  }
  return "TD";
}

const char* LinkToken(const Edge& edge) {
  if (edge.directed && edge.bothHeads) return edge.style == LineStyle::Dashed ? "<-.->" : edge.style == LineStyle::Thick ? "<==>" : "<-->";
  switch (edge.style) {
    case LineStyle::Solid: return edge.directed ? "-->" : "---";
    case LineStyle::Dashed: return edge.directed ? "-.->" : "-.-";
    case LineStyle::Thick: return edge.directed ? "==>" : "===";
  }
  return "-->";
}

void FontStyles(const TextStyle& font, std::vector<std::string>& props) {
  if (font.bold) props.push_back("font-weight:bold");
  if (font.italic) props.push_back("font-style:italic");
}

// Each cluster's id: its own where Mermaid reads it back and no node or cluster before has it,
// else "subgraph_N".
std::vector<std::string> ClusterIds(const Graph& graph, const std::vector<std::string>& nodeIds) {
  std::set<std::string> taken(nodeIds.begin(), nodeIds.end());
  std::vector<std::string> ids;
  for (const Cluster& c : graph.clusters) {
    std::string id = c.id;
    for (int n = static_cast<int>(ids.size()) + 1; !mermaid::IsPlainId(id) || taken.count(id); ++n)
      id = "subgraph_" + std::to_string(n);
    taken.insert(id);
    ids.push_back(std::move(id));
  }
  return ids;
}

// The cluster's block: its nodes named (declared before, so that only membership is said here),
// then the clusters within it.
void WriteCluster(const Graph& graph, int c, const std::vector<std::string>& ids, const std::vector<std::string>& clusterIds,
                  const std::string& indent, std::string& out) {
  const Cluster& cluster = graph.clusters[c];
  out += indent + "subgraph " + clusterIds[c];
  if (!cluster.title.empty() && cluster.title != clusterIds[c]) out += "[" + mermaid::EncodeText(cluster.title) + "]";
  out += "\n";
  if (cluster.direction) out += indent + "    direction " + std::string(DirectionName(*cluster.direction)) + "\n";
  for (int n : cluster.nodes)
    if (n >= 0 && n < static_cast<int>(ids.size())) out += indent + "    " + ids[n] + "\n";
  for (size_t inner = static_cast<size_t>(c) + 1; inner < graph.clusters.size(); ++inner)
    if (graph.clusters[inner].parent == c) WriteCluster(graph, static_cast<int>(inner), ids, clusterIds, indent + "    ", out);
  out += indent + "end\n";
}

}  // namespace

std::string WriteMermaid(const Graph& graph) {
  const std::vector<std::string> ids = WrittenIds(graph, mermaid::IsPlainId);
  const int count = static_cast<int>(graph.nodes.size());
  std::vector<Edge> edges;
  for (const Edge& edge : graph.edges)
    if (edge.from >= 0 && edge.from < count && edge.to >= 0 && edge.to < count) edges.push_back(edge);
  std::vector<int> incoming(count, 0), outgoing(count, 0);
  for (const Edge& edge : edges) {
    if (edge.fromCluster < 0) ++outgoing[edge.from];
    if (edge.toCluster < 0) ++incoming[edge.to];
  }
  const std::vector<std::string> clusterIds = ClusterIds(graph, ids);
  const auto endId = [&](int node, int cluster) {
    return cluster >= 0 && cluster < static_cast<int>(clusterIds.size()) ? clusterIds[cluster] : ids[node];
  };

  std::string out = std::string("flowchart ") + DirectionName(graph.direction) + "\n";
  for (int i = 0; i < count; ++i) {
    const Node& node = graph.nodes[i];
    const std::string text = mermaid::EncodeText(node.text);
    out += "    " + ids[i];
    switch (node.shape) {
      case Shape::Process: out += "[" + text + "]"; break;
      case Shape::Rectangle: out += "[[" + text + "]]"; break;
      case Shape::Decision: out += "{" + text + "}"; break;
      case Shape::Ellipse: out += "((" + text + "))"; break;
      case Shape::Start:
      case Shape::End: {
        out += "([" + text + "])";
        // A reader takes a rounded node's mark from its links; the class says it where they do not.
        const Shape fromLinks = incoming[i] == 0 ? Shape::Start : outgoing[i] == 0 ? Shape::End : Shape::Process;
        if (fromLinks != node.shape) out += node.shape == Shape::Start ? ":::start" : ":::stop";
        break;
      }
    }
    out += "\n";
  }
  for (size_t c = 0; c < graph.clusters.size(); ++c)
    if (graph.clusters[c].parent < 0 || graph.clusters[c].parent >= static_cast<int>(c))
      WriteCluster(graph, static_cast<int>(c), ids, clusterIds, "    ", out);
  // Link ids where Mermaid reads them back and no link or subgraph before has them.
  std::set<std::string> linkIds(ids.begin(), ids.end());
  linkIds.insert(clusterIds.begin(), clusterIds.end());
  for (const Edge& edge : edges) {
    out += "    " + endId(edge.from, edge.fromCluster) + " ";
    if (mermaid::IsPlainId(edge.id) && linkIds.insert(edge.id).second) out += edge.id + "@";
    out += LinkToken(edge);
    if (!edge.label.empty()) out += "|" + mermaid::EncodeText(edge.label) + "|";
    out += " " + endId(edge.to, edge.toCluster) + "\n";
  }
  for (int i = 0; i < count; ++i) {
    const Node& node = graph.nodes[i];
    std::vector<std::string> props;
    if (node.fill) props.push_back("fill:" + HexColour(*node.fill));
    if (node.stroke) props.push_back("stroke:" + HexColour(*node.stroke));
    if (node.strokeWidth > 0) props.push_back("stroke-width:" + std::to_string(node.strokeWidth) + "px");
    if (node.dashed) props.push_back("stroke-dasharray:5 5");
    FontStyles(node.font, props);
    if (props.empty()) continue;
    out += "    style " + ids[i] + " ";
    for (size_t k = 0; k < props.size(); ++k) out += (k ? "," : "") + props[k];
    out += "\n";
  }
  for (size_t k = 0; k < edges.size(); ++k) {
    std::vector<std::string> props;
    if (edges[k].colour) props.push_back("stroke:" + HexColour(*edges[k].colour));
    if (edges[k].width > 0) props.push_back("stroke-width:" + std::to_string(edges[k].width) + "px");
    FontStyles(edges[k].labelFont, props);
    if (props.empty()) continue;
    out += "    linkStyle " + std::to_string(k) + " ";
    for (size_t p = 0; p < props.size(); ++p) out += (p ? "," : "") + props[p];
    out += "\n";
  }
  return out;
}

}  // namespace graph
