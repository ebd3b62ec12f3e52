// One drag step of a shape with 6 elbow connectors (three segments each) on a 10,000-figure
// diagram, on the model alone: every chain routed again around the shapes (ConnectorFollowing::
// Step). The shape swings about, so that routes change their course from step to step.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <cstdlib>
#include <memory>

#include "ConnectorFollowing.h"
#include "Diagram.h"
#include "KDTools.h"

namespace {

template <typename T>
T* Add(Diagram& d, const QRect& box) {
  auto f = std::make_unique<T>();
  f->ApplyBounds(box.x(), box.y(), box.width(), box.height());
  return static_cast<T*>(d.Add(std::move(f)));
}

void BM_ElbowFollowStep(benchmark::State& state) {
  RegisterFigureClasses();
  Diagram diagram;
  const int figures = static_cast<int>(state.range(0));
  // Far from the moving part: a grid of boxes that fills the diagram to its size.
  for (int i = 0; diagram.Figures().size() + 25 < static_cast<size_t>(figures); ++i)
    Add<TKDRectangle>(diagram, {3000 + (i % 100) * 150, (i / 100) * 100, 100, 50});
  // The hub at (1000, 1000) and six shapes to its right, each joined by a Z of two lines and an arrow.
  auto* hub = Add<TKDRectangle>(diagram, {1000, 1000, 100, 50});
  for (int k = 0; k < 6; ++k) {
    const int y = 700 + k * 120;
    Add<TKDRectangle>(diagram, {1400, y, 100, 50});
    const int from = 1000 + 10 + k * 6, mid = 1250 + k * 8;
    // Out of the hub's top or bottom, across, and into the shape's left side.
    const bool above = y + 25 < 1000;
    const int out = above ? 1000 : 1050;
    auto* down = Add<TKDLine>(diagram, {from - 2, std::min(out, y + 25), 4, std::abs(y + 25 - out)});
    down->SetOrientation(adLeftToLeft);
    auto* across = Add<TKDLine>(diagram, {from, y + 23, mid - from, 4});
    across->SetOrientation(adTopToTop);
    auto* in = Add<TKDArrow>(diagram, {mid, y + 10, 1400 - mid, 30});
    in->SetArrowDirection(adTopToTop);
    in->SetArrowPosition(apRight);
  }
  std::unique_ptr<ConnectorFollowing> following = ConnectorFollowing::Find(diagram, {hub});
  if (!following) {
    state.SkipWithError("nothing follows");
    return;
  }
  int step = 0;
  for (auto _ : state) {
    ++step;
    hub->ApplyBounds(1000 + (step % 7) * 9, 1000 + ((step * 5) % 11) * 7, 100, 50);
    following->Step();
    QCoreApplication::processEvents();
  }
  state.counters["followers"] = static_cast<double>(following->Followers().size());
  state.counters["figures"] = static_cast<double>(diagram.Figures().size());
}

}  // namespace

BENCHMARK(BM_ElbowFollowStep)->Arg(10000)->Unit(benchmark::kMillisecond);
