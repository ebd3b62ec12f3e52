#pragma once
#include <string>
#include <vector>

#include "FigurePlan.h"
#include "Graph.h"
#include "GraphSummary.h"
#include "Item.h"

// Drawings as the meaning module reads them, and graphs in one line without the text formats'
// ids: "TB; start:Go, process:Step | 0->1 |yes|, 1--0 dashed, 1->[0] || Lane: 0 1".
namespace charttest {

inline std::vector<semantics::Item> ItemsOf(const std::vector<flowchart::FigurePlan>& plans) {
  std::vector<semantics::Item> items;
  for (size_t i = 0; i < plans.size(); ++i) items.push_back(flowchart::ItemOf(plans[i], i + 1, static_cast<int>(i)));
  return items;
}

inline std::string Shape(const graph::Graph& g) {
  static const char* dirs[] = {"TB", "BT", "LR", "RL"};
  std::string out = std::string(dirs[static_cast<int>(g.direction)]) + ";";
  for (size_t i = 0; i < g.nodes.size(); ++i) {
    const graph::Node& n = g.nodes[i];
    out += (i ? ", " : " ") + std::string(graphtest::ShapeName(n.shape)) + ":" + graphtest::Shown(n.text);
    if (n.fill) out += " fill=" + graphtest::Hex(*n.fill);
  }
  out += " |";
  for (size_t k = 0; k < g.edges.size(); ++k) {
    const graph::Edge& e = g.edges[k];
    const auto end = [](int node, int cluster) {
      return cluster >= 0 ? "[" + std::to_string(cluster) + "]" : std::to_string(node);
    };
    out += (k ? ", " : " ") + end(e.from, e.fromCluster) + (e.directed ? "->" : "--") + end(e.to, e.toCluster);
    if (!e.label.empty()) out += " |" + graphtest::Shown(e.label) + "|";
    if (e.style == graph::LineStyle::Dashed) out += " dashed";
    if (e.style == graph::LineStyle::Thick) out += " thick";
  }
  // Clusters: "|| Title: 0 1; Inner in 0: 2".
  for (size_t c = 0; c < g.clusters.size(); ++c) {
    out += (c ? "; " : " || ") + graphtest::Shown(g.clusters[c].title);
    if (g.clusters[c].parent >= 0) out += " in " + std::to_string(g.clusters[c].parent);
    out += ":";
    for (int n : g.clusters[c].nodes) out += " " + std::to_string(n);
  }
  return out;
}

}  // namespace charttest
