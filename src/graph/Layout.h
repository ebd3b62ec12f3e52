#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>
#include <string>
#include <vector>

#include "Graph.h"

// Automatic layout: Graphviz's hierarchical layout (dot), run in this process.
namespace graph {

// The size a node gets where its width or height is 0, in canvas pixels.
QSize DefaultNodeSize(Shape shape);

struct LayoutOptions {
  QPoint origin{0, 0};    // no box or route point lies above or left of it
  int nodeSpacing = 36;   // canvas pixels between neighbours of one rank (at least 2)
  int rankSpacing = 54;   // canvas pixels between ranks (at least 2)
  std::string engine = "dot";  // another Graphviz layout engine, for callers who want one
};

// An edge's course as Graphviz routes it, tail to head, in canvas pixels: the control points of
// its cubic Bézier pieces (1 + 3n points), the tips of its arrow heads where it has them, and
// the centre of its label where it has one.
struct Route {
  std::vector<QPoint> points;
  std::optional<QPoint> tailTip;
  std::optional<QPoint> headTip;
  std::optional<QPoint> label;
};

struct LayoutResult {
  std::vector<QRect> nodes;  // one box per node, in the graph's order, sizes as given
  std::vector<Route> edges;  // one route per edge, in the graph's order
  QRect bounds;              // everything laid out, from the origin
  std::vector<std::string> warnings;
  std::string error;  // empty on success; otherwise Graphviz's own reason, or what is wrong
  bool ok() const { return error.empty(); }
};

// Lays the graph out with ranks along `direction`: TopToBottom puts an edge's tail above its
// head (as far as cycles allow). Nodes keep their sizes; boxes never overlap. The same graph
// always gets the same layout.
LayoutResult Layout(const Graph& graph, Direction direction, const LayoutOptions& options = {});

}  // namespace graph
