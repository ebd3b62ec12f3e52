#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "Item.h"

// Whether a drawing says what was meant: the connectors planned for a chart's edges, read back
// through the meaning module as any diagram is.
namespace flowchart {

struct ExpectedEdge {
  uint64_t from = 0, to = 0;       // the shapes' ids (a container's for a cluster's end)
  bool directed = true;             // without a direction, either way round
  std::vector<uint64_t> segments;   // the connector's segments, in route order
  std::string label;
};

// The indices of the edges whose connectors do not read back as drawn: no edge of the diagram's
// graph is made of exactly those segments between those shapes with that label.
std::vector<size_t> EdgesNotReadBack(std::span<const semantics::Item> items, const std::vector<ExpectedEdge>& edges);

}  // namespace flowchart
