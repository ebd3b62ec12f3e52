// Smart guides among many figures: building the index of edges and centres once when a drag
// starts, and finding the guides on every mouse move of the drag.
#include <benchmark/benchmark.h>

#include <QRect>
#include <random>
#include <vector>

#include "GuideIndex.h"

namespace {

using namespace arrange;

// n figures in rows of 100 with slightly uneven places and sizes, as hand-made diagrams have.
std::vector<QRect> Diagram(int n) {
  std::mt19937 random(42);
  std::uniform_int_distribution<int> jitter(-6, 6);
  std::vector<QRect> boxes;
  boxes.reserve(n);
  for (int i = 0; i < n; ++i)
    boxes.emplace_back((i % 100) * 150 + jitter(random), (i / 100) * 80 + jitter(random),
                       100 + jitter(random), 50 + jitter(random));
  return boxes;
}

void BM_GuideIndexBuild(benchmark::State& state) {
  const std::vector<QRect> boxes = Diagram(static_cast<int>(state.range(0)));
  size_t values = 0;
  for (auto _ : state) {
    GuideIndex index(boxes);
    values = index.ValueCount();
    benchmark::DoNotOptimize(values);
  }
  if (values == 0) state.SkipWithError("empty index");
  state.counters["values"] = static_cast<double>(values);
}

void BM_GuideSnap(benchmark::State& state) {
  const std::vector<QRect> boxes = Diagram(static_cast<int>(state.range(0)));
  const GuideIndex index(boxes);
  // A 100 x 50 figure dragged across the whole diagram, one mouse move at a time; 5 screen pixels
  // at 100 %.
  const int width = 100 * 150, height = static_cast<int>(state.range(0)) / 100 * 80;
  int x = 0, y = 0;
  int64_t snapped = 0, lines = 0, moves = 0;
  for (auto _ : state) {
    x = (x + 7) % width;
    y = (y + 3) % height;
    const GuideSnap s = index.Snap(QRect(x, y, 100, 50), 5.0);
    snapped += s.delta != QPoint(0, 0);
    lines += static_cast<int64_t>(s.lines.size());
    ++moves;
  }
  if (lines == 0) state.SkipWithError("no guide was ever found");
  state.counters["snapped_share"] = static_cast<double>(snapped) / static_cast<double>(moves);
  state.counters["lines_per_move"] = static_cast<double>(lines) / static_cast<double>(moves);
}

}  // namespace

BENCHMARK(BM_GuideIndexBuild)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GuideSnap)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
