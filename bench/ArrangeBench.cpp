// The Arrange commands on 5,000 selected figures until repainted, and one mouse move of a drag
// snapping to smart guides among 10,000 figures with the guide lines shown.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "ArrangeSelection.h"
#include "BenchSupport.h"
#include "DragSnapping.h"
#include "Focus.h"
#include "GuideIndex.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

namespace {

// n boxes on a grid, each a few pixels off its grid place and of its size so that every command
// moves or resizes them.
TwinKedrinFile* MakeDocument(QuietMainWindow& main, int n) {
  focus::Install();
  RegisterFigureClasses();
  auto* doc = new TwinKedrinFile(&main);
  doc->resize(700, 480);
  doc->show();
  {
    for (int i = 0; i < n; ++i) {
      TCustomKDTool* f = (i % 2) ? static_cast<TCustomKDTool*>(new TKDProcess(doc)) : new TKDRectangle(doc);
      f->ApplyBounds((i % 100) * 70 + (i * 7) % 9, (i / 100) * 50 + (i * 3) % 9, 56 + (i * 5) % 9, 36 + (i * 2) % 9);
      f->SetParentControl(doc->Surface());
      doc->WireFigure(f);
    }
  }
  QCoreApplication::processEvents();
  return doc;
}

void BM_Arrange(benchmark::State& state) {
  QuietMainWindow main;
  TwinKedrinFile* doc = MakeDocument(main, static_cast<int>(state.range(0)));
  doc->SelectGroup(doc->Figures());
  QCoreApplication::processEvents();
  const auto command = static_cast<ArrangeCommand>(state.range(1));
  int64_t applied = 0;
  for (auto _ : state) {
    applied += ArrangeSelection(*doc, command) ? 1 : 0;
    QCoreApplication::processEvents();  // the repaint the user sees
    state.PauseTiming();
    doc->Undo();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  if (applied != static_cast<int64_t>(state.iterations())) state.SkipWithError("the command did not move the figures");
  state.counters["figures"] = static_cast<double>(state.range(0));
  delete doc;
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_GuidedDragStep(benchmark::State& state) {
  QuietMainWindow main;
  TwinKedrinFile* doc = MakeDocument(main, static_cast<int>(state.range(0)));
  std::vector<QRect> others;
  for (TCustomKDTool* f : doc->Figures()) others.push_back(f->BoundsRect());
  {
    FrameDragSnap snap(2, QRect(98, 98, 64, 44), QRect(100, 100, 60, 40), {0, 5.0}, arrange::GuideIndex(others),
                       doc->Surface());
    int x = 0, y = 0;
    int64_t lines = 0;
    for (auto _ : state) {
      x = (x + 7) % 600;
      y = (y + 3) % 400;
      benchmark::DoNotOptimize(snap.Snap(QRect(x, y, 64, 44)));
      lines += static_cast<int64_t>(snap.Lines().size());
      QCoreApplication::processEvents();  // the guide lines drawn
    }
    if (lines == 0) state.SkipWithError("no move met a guide");
  }
  delete doc;
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

BENCHMARK(BM_Arrange)
    ->Args({5000, static_cast<int>(ArrangeCommand::AlignLeft)})
    ->Args({5000, static_cast<int>(ArrangeCommand::DistributeHorizontally)})
    ->Args({5000, static_cast<int>(ArrangeCommand::MakeSameSize)})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GuidedDragStep)->Arg(10000)->Unit(benchmark::kMicrosecond);
