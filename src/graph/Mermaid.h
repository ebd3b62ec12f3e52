#pragma once
#include <string>
#include <string_view>

#include "Graph.h"
#include "ParseResult.h"

// Mermaid flowcharts ("flowchart TD" / "graph LR") as graphs, and graphs as Mermaid text.
namespace graph {

// Reads a flowchart: nodes with the shapes [box], (rounded), ([stadium]), {decision}, ((circle))
// and [[subroutine]]; links -->, ---, -.->, ==> with chains, '&' and labels; %% comments; style,
// classDef, class, ':::' and linkStyle. A rounded node becomes a start mark when nothing leads
// into it, an end mark when nothing leads out of it, a process box otherwise. Constructs the
// diagram cannot hold (subgraphs, click, other shapes) are left out with one warning naming their
// line; a syntax error names its line and column and gives no graph.
ParseResult ReadMermaid(std::string_view text);

// The graph as a flowchart that ReadMermaid reads back to the same nodes (ids may be generated),
// edges, texts, labels, shapes and styles.
std::string WriteMermaid(const Graph& graph);

}  // namespace graph
