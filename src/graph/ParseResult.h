#pragma once
#include <optional>
#include <string>
#include <vector>

#include "Graph.h"

// What reading a flowchart text gives: the graph, or the error that stopped the reading, and the
// warnings about what was read but left out.
namespace graph {

struct Message {
  int line = 0;    // 1-based; 0: the text as a whole
  int column = 0;  // 1-based, in characters; 0: the line as a whole
  std::string text;
  bool operator==(const Message&) const = default;
};

struct ParseResult {
  std::optional<Graph> graph;  // none when the text could not be read
  std::vector<Message> warnings;
  std::optional<Message> error;
  bool ok() const { return graph.has_value(); }
};

// "line 3, column 7: reason", "line 3: reason" or "reason", for messages that name a file first.
std::string Describe(const Message& message);

}  // namespace graph
