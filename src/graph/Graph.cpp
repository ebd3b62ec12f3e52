#include "Graph.h"

namespace graph {

void NormaliseWidth(Edge& edge) {
  if (edge.width <= 0) {
    edge.width = 0;
    return;
  }
  if (edge.style == LineStyle::Solid && edge.width >= kThickWidth) edge.style = LineStyle::Thick;
  if (edge.style == LineStyle::Thick && edge.width < kThickWidth) edge.width = 0;
  const int own = edge.style == LineStyle::Thick ? kThickWidth : 2;
  if (edge.width == own) edge.width = 0;
}

}  // namespace graph
