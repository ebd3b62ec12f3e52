#pragma once
#include <ostream>
#include <string>

#include "Graph.h"
#include "ParseResult.h"

// A graph in one line, for expectations written by hand:
//   "LR; A:start:Go, B:process:x fill=#ff0000 bold | A->B |yes| dashed id=e1, B--A width=3"
// and, where there are clusters, "|| s(Title) LR: A B; t(T) in s: C" with "[s]" for a link's end
// at a cluster.
namespace graphtest {

inline const char* ShapeName(graph::Shape s) {
  switch (s) {
    case graph::Shape::Process: return "process";
    case graph::Shape::Start: return "start";
    case graph::Shape::End: return "end";
    case graph::Shape::Decision: return "decision";
    case graph::Shape::Ellipse: return "ellipse";
    case graph::Shape::Rectangle: return "rectangle";
  }
  return "?";
}

inline std::string Hex(graph::Rgb c) {
  static const char* digits = "0123456789abcdef";
  std::string out = "#";
  for (int shift = 20; shift >= 0; shift -= 4) out += digits[(c >> shift) & 0xF];
  return out;
}

inline std::string Shown(const std::string& text) {
  std::string out;
  for (char c : text) out += c == '\n' ? std::string("\\n") : std::string(1, c);
  return out;
}

inline std::string Summary(const graph::Graph& g) {
  static const char* dirs[] = {"TB", "BT", "LR", "RL"};
  std::string out = std::string(dirs[static_cast<int>(g.direction)]) + ";";
  for (size_t i = 0; i < g.nodes.size(); ++i) {
    const graph::Node& n = g.nodes[i];
    out += (i ? ", " : " ") + n.id + ":" + ShapeName(n.shape) + ":" + Shown(n.text);
    if (n.fill) out += " fill=" + Hex(*n.fill);
    if (n.stroke) out += " stroke=" + Hex(*n.stroke);
    if (n.strokeWidth) out += " width=" + std::to_string(n.strokeWidth);
    if (n.dashed) out += " dashed";
    if (n.font.bold) out += " bold";
    if (n.font.italic) out += " italic";
  }
  out += " |";
  for (size_t k = 0; k < g.edges.size(); ++k) {
    const graph::Edge& e = g.edges[k];
    const auto end = [&](int node, int cluster) {
      return cluster >= 0 ? "[" + g.clusters[cluster].id + "]" : g.nodes[node].id;
    };
    out += (k ? ", " : " ") + end(e.from, e.fromCluster) + (!e.directed ? "--" : e.bothHeads ? "<->" : "->") +
           end(e.to, e.toCluster);
    if (!e.label.empty()) out += " |" + Shown(e.label) + "|";
    if (e.style == graph::LineStyle::Dashed) out += " dashed";
    if (e.style == graph::LineStyle::Thick) out += " thick";
    if (e.colour) out += " colour=" + Hex(*e.colour);
    if (e.width) out += " width=" + std::to_string(e.width);
    if (!e.id.empty()) out += " id=" + e.id;
    if (e.labelFont.bold) out += " bold";
    if (e.labelFont.italic) out += " italic";
  }
  for (size_t c = 0; c < g.clusters.size(); ++c) {
    const graph::Cluster& cl = g.clusters[c];
    out += (c ? "; " : " || ") + cl.id + "(" + Shown(cl.title) + ")";
    if (cl.direction) out += std::string(" ") + dirs[static_cast<int>(*cl.direction)];
    if (cl.parent >= 0) out += " in " + g.clusters[cl.parent].id;
    out += ":";
    for (int n : cl.nodes) out += " " + g.nodes[n].id;
  }
  return out;
}

// The graph's summary, or the error that stopped the reading.
inline std::string Outcome(const graph::ParseResult& r) {
  return r.graph ? Summary(*r.graph) : "error: " + graph::Describe(r.error.value_or(graph::Message{}));
}

}  // namespace graphtest
