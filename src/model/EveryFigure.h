#pragma once
#include <vector>

#include "Diagram.h"

// Whether the figures are all the diagram holds: a selection, an edit's targets and what they take
// along name each figure once. With every figure moving, nothing stays behind to be carried,
// followed or routed again.
inline bool IsEveryFigure(const Diagram& diagram, const std::vector<TCustomKDTool*>& figures) {
  return figures.size() >= diagram.FigureCount();
}
