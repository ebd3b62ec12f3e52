#pragma once
#include <QString>
#include <string>

#include "ChartText.h"
#include "LayoutQuality.h"

// A chart file drawn as File > Import draws it and measured, beside the crossings of Graphviz's
// own curves for the same graph with the same node sizes: for the quality test and its benchmark.
namespace chartquality {

struct Measured {
  quality::LayoutQuality quality;
  int dotCrossings = 0;
  // Loops back into a full decision: links into a decision with three other links, from a step
  // the decision leads to. Routed square, each must cross the decision's way in or out once
  // where Graphviz's curve slips in beside the vertex.
  int loopsIntoFullDecisions = 0;
  std::string error;
};

Measured MeasureFile(const QString& path, flowchart::TextFormat format);

}  // namespace chartquality
