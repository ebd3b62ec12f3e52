// Comparing two versions of a 10,000-figure diagram: 3,050 boxes in rows of 50, each with its
// text and an arrow down to the box below, every third arrow labelled; the newer version has
// every 20th box moved, every 30th retexted, every 50th removed and 60 boxes added.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "ConnectorGeometry.h"
#include "DiagramDiff.h"

namespace {

using figures::Figure;
using figures::FigureKind;

constexpr int kColumns = 50, kRows = 61;

std::vector<Figure> Version(bool newer) {
  std::vector<Figure> out;
  const auto add = [&](Figure f) {
    f.id = out.size() + 1;
    out.push_back(std::move(f));
  };
  const auto box = [&](int r, int c) {
    const int i = r * kColumns + c;
    const int shift = newer && i % 20 == 0 ? 30 : 0;
    return QRect(c * 200 + shift, r * 160, 120, 60);
  };
  const auto removed = [&](int r, int c) { return newer && (r * kColumns + c) % 50 == 7; };
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kColumns; ++c) {
      if (removed(r, c)) continue;
      const int i = r * kColumns + c;
      add(figures::NewFigure(FigureKind::Process, box(r, c)));
      Figure t = figures::NewFigure(FigureKind::Label, box(r, c).adjusted(10, 10, -10, -10));
      t.style.caption = "Step " + std::to_string(i) + (newer && i % 30 == 0 ? " (new)" : "");
      t.style.fillStyle = bsClear;
      add(t);
    }
  for (int r = 0; r + 1 < kRows; ++r)
    for (int c = 0; c < kColumns; ++c) {
      if (removed(r, c) || removed(r + 1, c)) continue;
      const QRect a = box(r, c), b = box(r + 1, c);
      connectors::Figure laid;
      laid.kind = connectors::FigureKind::Arrow;
      laid = connectors::Rebuild(laid, QPoint(a.center().x(), a.bottom() + 1), QPoint(b.center().x(), b.top()));
      Figure arrow = figures::NewFigure(FigureKind::Arrow, laid.box);
      arrow.direction = laid.direction;
      arrow.arrow.position = laid.heads;
      add(arrow);
      if ((r * kColumns + c) % 3 == 0) {
        const QPoint mid = (QPoint(a.center().x(), a.bottom()) + QPoint(b.center().x(), b.top())) / 2;
        Figure label = figures::NewFigure(FigureKind::Label, QRect(mid.x() + 6, mid.y() - 8, 30, 16));
        label.style.caption = "yes";
        label.style.fillStyle = bsClear;
        add(label);
      }
    }
  if (newer)
    for (int c = 0; c < 60; ++c) {
      add(figures::NewFigure(FigureKind::Diamond, QRect(c * 200, kRows * 160, 120, 80)));
    }
  return out;
}

void BM_DiagramDiff10000(benchmark::State& state) {
  const std::vector<Figure> a = Version(false), b = Version(true);
  if (a.size() < 10000) state.SkipWithError("too few figures");
  size_t changes = 0;
  for (auto _ : state) {
    const diagramdiff::Comparison c = diagramdiff::Compare(a, b);
    changes = c.differences.size();
    benchmark::DoNotOptimize(c.differences.data());
  }
  state.counters["figures"] = static_cast<double>(a.size());
  state.counters["changes"] = static_cast<double>(changes);
}
BENCHMARK(BM_DiagramDiff10000)->Unit(benchmark::kMillisecond);

}  // namespace
