#pragma once
#include <string>
#include <string_view>

#include "Graph.h"
#include "ParseResult.h"

// Graphviz DOT text as graphs, read through Graphviz's own parser, and graphs as DOT text.
namespace graph {

// Reads the first graph of the text. Shapes: box (rounded: a start or end mark, as in Mermaid),
// rect, ellipse, circle, doublecircle and diamond; other shapes become process boxes with a
// warning. Labels (with \n, \N and HTML-like labels), color, fillcolor, penwidth, width and height,
// style dashed, filled and bold. Subgraphs named cluster... are clusters (nested, titled by their
// labels, their ids the names without "cluster_"), lhead and ltail end an edge at one. An
// undirected graph's edges are undirected. Graphviz's own error
// message, with the line it names, is the error.
ParseResult ReadDot(std::string_view text);

// The graph as DOT text that ReadDot reads back to the same nodes (ids may be generated), edges,
// texts, labels, shapes, styles, sizes and clusters (subgraph cluster_N { label=...; ... }, with
// compound edges to them).
std::string WriteDot(const Graph& graph);

}  // namespace graph
