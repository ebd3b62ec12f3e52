#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "Graph.h"

// The ids a text format writes for a graph's nodes.
namespace graph {

// Each node's own id where the format reads it back as written (`readsBack`) and no node before it
// has it; else one made from the node's text: its letters and digits, words joined by '_', at
// most 32 characters ("Is it ok?" gives Is_it_ok), "n" for a text without any, and "_2", "_3", ...
// after it where that is taken or not read back. The same graph always gives the same ids.
std::vector<std::string> WrittenIds(const Graph& graph, const std::function<bool(std::string_view)>& readsBack);

}  // namespace graph
