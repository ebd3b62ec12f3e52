// The orthogonal router among many shapes: the connectors of one dragged shape routed again at
// each drag step of a large diagram (the shape's obstacle moved in the index, the six connectors
// routed as one pass, their obstacles found through the index, never a walk of all shapes), and a
// whole chart of 100 shapes and 150 connectors routed at once.
#include <benchmark/benchmark.h>

#include <QRect>
#include <random>
#include <vector>

#include "BenchSupport.h"
#include "RoutingPass.h"

namespace {

using namespace routing;

constexpr int kColumns = 100, kPitchX = 200, kPitchY = 120;

// n shapes of the five outlines in turn, in rows of 100, slightly uneven, each with its text.
std::vector<Shape> Diagram(int n) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> jitter(-6, 6);
  const FigureKind kinds[] = {FigureKind::Circle, FigureKind::RoundedBox, FigureKind::Ellipse, FigureKind::Box,
                              FigureKind::Diamond};
  std::vector<Shape> shapes;
  shapes.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    Shape s;
    s.kind = kinds[i % 5];
    s.box = QRect((i % kColumns) * kPitchX + jitter(random), (i / kColumns) * kPitchY + jitter(random),
                  100 + jitter(random), 50 + jitter(random));
    s.text = s.box.adjusted(25, 15, -25, -15);
    shapes.push_back(s);
  }
  return shapes;
}

int64_t Bends(const std::vector<Route>& routes) {
  int64_t bends = 0;
  for (const Route& r : routes) bends += r.Bends();
  return bends;
}

// A shape in the middle of the diagram dragged about, with connectors to its six neighbours
// (left, right, above, below and the two below it diagonally); each step moves it in the index
// and routes the six again.
void BM_RerouteDragStep(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::vector<Shape> shapes = Diagram(n);
  ObstacleIndex index = IndexShapes(shapes);
  const int rows = n / kColumns;
  const int dragged = (rows / 2) * kColumns + kColumns / 2;
  std::vector<Link> links;
  for (int other : {dragged - 1, dragged + 1, dragged - kColumns, dragged + kColumns, dragged + kColumns - 1,
                    dragged + kColumns + 1})
    links.push_back({dragged, other, {}, {}});
  // The dragged shape's two obstacles, its box and its text, are the first two of its owner.
  std::vector<int> own;
  std::vector<int> near;
  index.Query(shapes[static_cast<size_t>(dragged)].box, near);
  for (int id : near)
    if (index[id].owner == dragged) own.push_back(id);
  const QRect box = shapes[static_cast<size_t>(dragged)].box, text = shapes[static_cast<size_t>(dragged)].text;
  int step = 0;
  int64_t routes = 0, clear = 0, bends = 0;
  for (auto _ : state) {
    const QPoint delta = DragDelta(step++);
    Shape& s = shapes[static_cast<size_t>(dragged)];
    s.box = box.translated(delta);
    s.text = text.translated(delta);
    for (int id : own) index.Move(id, index[id].text ? s.text : s.box);
    const std::vector<Route> r = RouteAll(shapes, links, index);
    benchmark::DoNotOptimize(r.data());
    routes += static_cast<int64_t>(r.size());
    for (const Route& route : r) clear += route.clear;
    bends += Bends(r);
  }
  if (clear != routes) state.SkipWithError("a route went through a shape");
  state.counters["figures"] = n;
  state.counters["clear_share"] = double(clear) / double(routes);
  state.counters["bends"] = double(bends) / double(routes);
}

// A chart of 100 shapes in ten rows and 150 connectors: each shape to its right-hand neighbour,
// and the first 60 to the shape below (every third to the one below and right).
void BM_RouteChart(benchmark::State& state) {
  std::vector<Shape> shapes;
  const FigureKind kinds[] = {FigureKind::RoundedBox, FigureKind::Diamond, FigureKind::Box, FigureKind::Ellipse};
  for (int i = 0; i < 100; ++i) {
    Shape s;
    s.kind = kinds[i % 4];
    s.box = QRect(20 + (i % 10) * 180, 20 + (i / 10) * 120, 110, 60);
    s.text = s.box.adjusted(20, 20, -20, -20);
    shapes.push_back(s);
  }
  std::vector<Link> links;
  for (int i = 0; i < 100; ++i)
    if (i % 10 < 9) links.push_back({i, i + 1, {}, {}});
  for (int i = 0; i < 60; ++i) links.push_back({i, i + 10 + (i % 3 == 0 && i % 10 < 9 ? 1 : 0), {}, {}});
  int64_t routes = 0, clear = 0, bends = 0;
  for (auto _ : state) {
    const std::vector<Route> r = RouteAll(shapes, links);
    benchmark::DoNotOptimize(r.data());
    routes += static_cast<int64_t>(r.size());
    for (const Route& route : r) clear += route.clear;
    bends += Bends(r);
  }
  if (clear != routes) state.SkipWithError("a route went through a shape");
  state.counters["connectors"] = double(links.size());
  state.counters["clear_share"] = double(clear) / double(routes);
  state.counters["bends"] = double(bends) / double(routes);
}

}  // namespace

BENCHMARK(BM_RerouteDragStep)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RouteChart)->Unit(benchmark::kMillisecond);
