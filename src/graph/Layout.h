#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "Graph.h"

// Automatic layout: Graphviz's hierarchical layout (dot), in this process or, where a LayoutScope
// says so, in another (the layout program, which a crash or a runaway layout cannot take along).
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

// Why a layout ended without a result although the graph itself was fine.
enum class LayoutStop : uint8_t {
  None,         // laid out, or Graphviz's own reason in `error`
  Refused,      // larger than the limits allow: not tried
  Crashed,      // the layout program died
  OutOfMemory,  // past the memory limit
  TooDeep,      // past the stack limit
  TooLong,      // past the time limit
  Cancelled,    // the user stopped it
  Unavailable,  // the layout program could not be run or gave no readable answer
};

struct LayoutResult {
  std::vector<QRect> nodes;  // one box per node, in the graph's order, sizes as given
  std::vector<Route> edges;  // one route per edge, in the graph's order
  std::vector<QRect> clusters;  // one box per cluster, in the graph's order: its nodes and title
  QRect bounds;              // everything laid out, from the origin
  std::vector<std::string> warnings;
  std::string error;  // empty on success; otherwise Graphviz's own reason, or what is wrong
  LayoutStop stop = LayoutStop::None;
  bool ok() const { return error.empty(); }
};

// Lays the graph out with ranks along `direction`: TopToBottom puts an edge's tail above its
// head (as far as cycles allow). Nodes keep their sizes; boxes never overlap. The same graph
// always gets the same layout. The work is bounded by the graph's size: past a few hundred nodes
// and edges Graphviz makes fewer passes and draws edges as straight lines. Runs through the
// engine of the thread's innermost LayoutScope, in this process where there is none.
LayoutResult Layout(const Graph& graph, Direction direction, const LayoutOptions& options = {});

// Layout in this process, whatever the scope: what the layout program runs. Only the node's
// shape and size, the edge's ends, direction and label, and the clusters' nesting, nodes and
// title room take part: a cluster's nodes lie together in its box, which no other node enters,
// with its title's room inside its top edge.
LayoutResult LayoutInProcess(const Graph& graph, Direction direction, const LayoutOptions& options = {});

// What is wrong with the graph or the options for any layout ("node 3 ('a') has the size ..."),
// empty when nothing is.
std::string InvalidForLayout(const Graph& graph, const LayoutOptions& options);

// Where the layouts of one thread go while the scope lives: the editor and kdltool send them to
// the layout program. Scopes nest; the innermost one counts, and one without an engine lays out
// in this process.
using LayoutEngine = std::function<LayoutResult(const Graph&, Direction, const LayoutOptions&)>;
class LayoutScope {
 public:
  explicit LayoutScope(LayoutEngine engine);
  ~LayoutScope();
  LayoutScope(const LayoutScope&) = delete;
  LayoutScope& operator=(const LayoutScope&) = delete;
  // The engine of this thread's innermost scope; null where there is none or it has none.
  static const LayoutEngine* Current();

 private:
  LayoutEngine engine_;
  LayoutScope* outer_;
};

}  // namespace graph
