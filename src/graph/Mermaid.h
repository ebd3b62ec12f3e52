#pragma once
#include <string>
#include <string_view>

#include "Graph.h"
#include "ParseResult.h"

// Mermaid flowcharts ("flowchart TD" / "graph LR") as graphs, and graphs as Mermaid text.
namespace graph {

// Reads a flowchart as Mermaid 11 reads it: every shape of its brackets and of `@{ shape: ... }`
// (drawn as the nearest figure: [box], (rounded), ([stadium]), {decision}, ((circle)) and
// [[subroutine]] are the diagram's own), links of every kind and length with their texts, ids and
// data, chains and '&', markdown strings, entity codes, comments, front matter, style, classDef,
// class, ':::' and linkStyle. A rounded node becomes a start mark when nothing leads into it, an
// end mark when nothing leads out of it, a process box otherwise. Subgraphs (nested, with their
// titles and directions) are clusters: a node belongs to the first subgraph it is named in, a link
// to a subgraph's id runs to its cluster, and a subgraph the text does not close with 'end' ends
// with the text (a warning). What the diagram cannot hold (click, icons, other shapes' outlines)
// is left out with a warning
// naming its line; a syntax error, or a text without a node, names its line and column and gives
// no graph. Linear in the text.
ParseResult ReadMermaid(std::string_view text);

// The graph as a flowchart that ReadMermaid reads back to the same nodes and their ids (generated
// from the texts where a node has none Mermaid reads back), edges, texts, labels, shapes, styles
// and clusters (subgraphs naming their nodes after all nodes are declared, "subgraph_N" where a
// cluster has no id Mermaid reads back).
std::string WriteMermaid(const Graph& graph);

}  // namespace graph
