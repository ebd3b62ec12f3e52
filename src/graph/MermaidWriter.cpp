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

}  // namespace

std::string WriteMermaid(const Graph& graph) {
  const std::vector<std::string> ids = WrittenIds(graph, mermaid::IsPlainId);
  const int count = static_cast<int>(graph.nodes.size());
  std::vector<Edge> edges;
  for (const Edge& edge : graph.edges)
    if (edge.from >= 0 && edge.from < count && edge.to >= 0 && edge.to < count) edges.push_back(edge);
  std::vector<int> incoming(count, 0), outgoing(count, 0);
  for (const Edge& edge : edges) {
    ++outgoing[edge.from];
    ++incoming[edge.to];
  }

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
  // Link ids where Mermaid reads them back and no link before has them.
  std::set<std::string> linkIds(ids.begin(), ids.end());
  for (const Edge& edge : edges) {
    out += "    " + ids[edge.from] + " ";
    if (mermaid::IsPlainId(edge.id) && linkIds.insert(edge.id).second) out += edge.id + "@";
    out += LinkToken(edge);
    if (!edge.label.empty()) out += "|" + mermaid::EncodeText(edge.label) + "|";
    out += " " + ids[edge.to] + "\n";
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
