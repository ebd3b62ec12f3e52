#pragma once
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "Chart.h"

class Diagram;

// A diagram's chart as the keyboard and screen readers walk it, with the way back from a figure
// to the shape or connector it belongs to.
namespace a11y {

struct DiagramChart {
  walk::Chart chart;
  // The shape a figure is (or whose text it is), or the connector it is a segment or label of.
  std::optional<int> ShapeOf(uint64_t figure) const;
  std::optional<int> LinkOf(uint64_t figure) const;

  std::unordered_map<uint64_t, int> shapeOf;
  std::unordered_map<uint64_t, int> linkOf;
};

DiagramChart ChartOfDiagram(const Diagram& diagram);

}  // namespace a11y
