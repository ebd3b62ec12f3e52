// Elbow routes among many figures: one route between two shapes of a large diagram, its obstacles
// found through a spatial query as the canvas's index finds them, never a walk of all figures.
// The diagram: n closed figures (the five outlines in turn) in rows of 100, slightly uneven.
#include <benchmark/benchmark.h>

#include <QRect>
#include <algorithm>
#include <random>
#include <unordered_map>
#include <vector>

#include "ElbowRoute.h"
#include "RouteFigures.h"

namespace {

using namespace connectors;

constexpr int kColumns = 100, kPitchX = 200, kPitchY = 120;

std::vector<Figure> Diagram(int n) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> jitter(-6, 6);
  const FigureKind kinds[] = {FigureKind::Circle, FigureKind::RoundedBox, FigureKind::Ellipse, FigureKind::Box,
                              FigureKind::Diamond};
  std::vector<Figure> figures;
  figures.reserve(n);
  for (int i = 0; i < n; ++i) {
    Figure f;
    f.id = reinterpret_cast<FigureId>(static_cast<intptr_t>(i + 1));
    f.kind = kinds[i % 5];
    f.box = QRect((i % kColumns) * kPitchX + jitter(random), (i / kColumns) * kPitchY + jitter(random),
                  100 + jitter(random), 50 + jitter(random));
    f.stacking = i;
    figures.push_back(f);
  }
  return figures;
}

// A uniform grid of buckets, as a canvas keeps its children's boxes.
class Buckets {
 public:
  explicit Buckets(const std::vector<Figure>& figures) : figures_(figures), stamp_(figures.size(), 0) {
    for (size_t i = 0; i < figures.size(); ++i) {
      const QRect& b = figures[i].box;
      for (int cy = Cell(b.top()); cy <= Cell(b.bottom()); ++cy)
        for (int cx = Cell(b.left()); cx <= Cell(b.right()); ++cx) cells_[Key(cx, cy)].push_back(i);
    }
  }
  void Query(const QRect& area, std::vector<Figure>& out) {
    ++round_;
    for (int cy = Cell(area.top()); cy <= Cell(area.bottom()); ++cy)
      for (int cx = Cell(area.left()); cx <= Cell(area.right()); ++cx) {
        const auto it = cells_.find(Key(cx, cy));
        if (it == cells_.end()) continue;
        for (size_t i : it->second) {
          if (stamp_[i] == round_ || !figures_[i].box.intersects(area)) continue;
          stamp_[i] = round_;
          out.push_back(figures_[i]);
        }
      }
  }

 private:
  static constexpr int kCell = 256;
  static int Cell(int v) { return v >= 0 ? v / kCell : -((-v + kCell - 1) / kCell); }
  static int64_t Key(int cx, int cy) { return (int64_t{cx} << 32) ^ static_cast<uint32_t>(cy); }

  const std::vector<Figure>& figures_;
  std::vector<uint32_t> stamp_;
  uint32_t round_ = 0;
  std::unordered_map<int64_t, std::vector<size_t>> cells_;
};

// Four thin bars 5 pixels around every figure `step` places on from a start: no route can enter
// it clear of them, so the router looks twice and then ignores the other shapes (the worst case).
void WallIn(std::vector<Figure>& figures, const std::vector<int>& starts, int step) {
  for (int i : starts) {
    const QRect b = figures[i + step].box.adjusted(-15, -15, 15, 15);
    const QRect bars[] = {{b.x(), b.y(), b.width(), 10}, {b.x(), b.y() + b.height() - 10, b.width(), 10},
                          {b.x(), b.y() + 10, 10, b.height() - 20}, {b.x() + b.width() - 10, b.y() + 10, 10, b.height() - 20}};
    for (const QRect& bar : bars) {
      Figure f;
      f.id = reinterpret_cast<FigureId>(static_cast<intptr_t>(figures.size() + 1));
      f.kind = FigureKind::Box;
      f.box = bar;
      figures.push_back(f);
    }
  }
}

// Routes from figures spread over the diagram to the one `step` places on (100 is a row down).
void Route(benchmark::State& state, int step, bool walledIn = false) {
  const int n = static_cast<int>(state.range(0));
  std::vector<Figure> figures = Diagram(n);
  std::vector<int> starts;
  for (int i = 0; i + step < n; i += 37)
    if (i % kColumns + step % kColumns < kColumns) starts.push_back(i);
  if (walledIn) WallIn(figures, starts, step);
  Buckets index(figures);
  int queries = 0;
  const FigureQuery query = [&](const QRect& area, std::vector<Figure>& out) {
    ++queries;
    index.Query(area, out);
  };
  size_t k = 0;
  int64_t routes = 0, clear = 0, bends = 0, figuresMade = 0;
  for (auto _ : state) {
    const int i = starts[k++ % starts.size()];
    const ElbowRoute r = RouteElbow(figures[i], figures[i + step], query);
    const std::vector<Figure> made = SegmentsOf(r.points, 2);
    benchmark::DoNotOptimize(made.data());
    ++routes;
    clear += r.clear;
    bends += r.Bends();
    figuresMade += static_cast<int64_t>(made.size());
  }
  if (walledIn ? clear != 0 : clear == 0) state.SkipWithError(walledIn ? "a walled-in figure was reached" : "no route went clear of the other shapes");
  state.counters["clear_share"] = static_cast<double>(clear) / static_cast<double>(routes);
  state.counters["bends"] = static_cast<double>(bends) / static_cast<double>(routes);
  state.counters["queries"] = static_cast<double>(queries) / static_cast<double>(routes);
  state.counters["figures"] = static_cast<double>(figuresMade) / static_cast<double>(routes);
}

// To the right-hand neighbour: straight across the gap.
void BM_RouteNeighbour(benchmark::State& state) { Route(state, 1); }
// To the figure below and to the right: one bend.
void BM_RouteDiagonal(benchmark::State& state) { Route(state, kColumns + 1); }
// Two along, with a figure between: around it.
void BM_RouteAround(benchmark::State& state) { Route(state, 2); }
// Three rows down and three along, through the rows of figures between.
void BM_RouteAcross(benchmark::State& state) { Route(state, 3 * kColumns + 3); }
// To the right-hand neighbour, walled in.
void BM_RouteWalledIn(benchmark::State& state) { Route(state, 1, true); }

}  // namespace

BENCHMARK(BM_RouteNeighbour)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RouteDiagonal)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RouteAround)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RouteAcross)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RouteWalledIn)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
