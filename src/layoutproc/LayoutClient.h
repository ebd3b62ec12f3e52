#pragma once
#include <QString>
#include <atomic>
#include <cstdint>
#include <string>

#include "Graph.h"
#include "Layout.h"

// The editor's and kdltool's side of the layout program: each layout in a child process of its
// own, with limits on its size, time, memory and stack, so that a crash, a runaway layout or a
// cancel costs that layout only.
namespace layoutproc {

struct Limits {
  int maxShapes = 20000;       // larger charts are refused before any work
  int maxConnectors = 10000;
  int seconds = 30;            // wall-clock time, and the processor time too
  int memoryMegabytes = 2048;  // the child's address space
  int stackMegabytes = 256;
  // Where a user changes the size limits, named in a refusal ("layout/maxShapes"); empty: not
  // named.
  std::string shapesSetting, connectorsSetting;
};

// Why the graph is too large for the limits ("the chart is too large for automatic layout: ..."),
// empty when it is not: what a layout is refused with before any work, and what a caller may
// ask before the work that comes before the layout (measuring every node's text, say).
std::string Refusal(const graph::Graph& graph, const Limits& limits);

// The program's file name, "kedrin-layout".
extern const char* const kProgramName;

// The layout program: beside the running program first (the build tree, or a copy unpacked
// anywhere), then where it is installed. Empty when it is in neither place.
QString FindProgram();
// Another program instead (tests); an empty name goes back to the search.
void SetProgram(const QString& path);

class ChildLayout {
 public:
  // `cancelled`, when given, is watched during the layout: once true, the child is killed and
  // the layout ends as Cancelled within a few tens of milliseconds. Any thread may run it.
  explicit ChildLayout(Limits limits = {}, const std::atomic<bool>* cancelled = nullptr);

  // Starts the program for the next layout under these limits to find ready, warmed up (the
  // editor, between layouts: a layout then costs the program's start no more). Not for kdltool,
  // which lays out once.
  static void PrepareSpare(const Limits& limits);

  // As graph::Layout. A refused, stopped or cancelled layout has the reason in `error`, a
  // sentence starting in lower case, and the kind in `stop`.
  graph::LayoutResult Run(const graph::Graph& graph, graph::Direction direction, const graph::LayoutOptions& options);

  // Run as a layout engine for graph::LayoutScope; this object must outlive the scope.
  graph::LayoutEngine Engine();

  // How the last layout ended beyond Graphviz's own reasons (None when laid out).
  graph::LayoutStop LastStop() const { return lastStop_; }

 private:
  graph::LayoutResult RunChild(const graph::Graph& graph, graph::Direction direction, const graph::LayoutOptions& options);

  Limits limits_;
  const std::atomic<bool>* cancelled_;
  graph::LayoutStop lastStop_ = graph::LayoutStop::None;
};

}  // namespace layoutproc
