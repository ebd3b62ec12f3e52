// Rubber-band selection through the document's own mouse handling: press and release on empty
// canvas around every figure of a large diagram, then deselection by a press on the canvas.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>
#include <memory>

#include "BenchSupport.h"
#include "Focus.h"
#include "KDTools.h"
#include "MainWindowLink.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

namespace {


void Settle() {
  for (int i = 0; i < 3; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }
}

void BM_RubberBandSelectAllFigures(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  QuietMainWindow link(TTool::Select);
  auto window = std::make_unique<QMainWindow>();
  auto* doc = new TwinKedrinFile(&link);
  link.SetCurrentDocument(doc);
  window->setCentralWidget(doc);
  window->resize(900, 700);
  QWidget* surface = doc->Surface();
  surface->hide();
  for (int i = 0; i < n; ++i) {
    TCustomKDTool* f = (i % 3 == 0) ? static_cast<TCustomKDTool*>(new TKDEllipse(doc))
                                    : static_cast<TCustomKDTool*>(new TKDProcess(doc));
    f->ApplyBounds(20 + (i % 100) * 70, 20 + (i / 100) * 50, 60, 40);
    f->SetParentControl(surface);
    doc->WireFigure(f);
  }
  surface->show();
  window->show();
  Settle();
  QRect all;
  for (const TCustomKDTool* f : doc->Figures()) all = all.united(f->BoundsRect());
  for (auto _ : state) {
    doc->imgKedrinMouseDown(mbLeft, 0, 5, 5);
    doc->imgKedrinMouseMove(0, all.right() + 5, all.bottom() + 5);
    doc->imgKedrinMouseUp(mbLeft, 0, all.right() + 5, all.bottom() + 5);
    Settle();  // the repaint the user sees
    state.PauseTiming();
    size_t selected = 0;
    for (TCustomKDTool* f : doc->Figures()) selected += f->HaveFocused();
    if (selected != static_cast<size_t>(n)) {
      state.SkipWithError("not every figure was selected");
      break;
    }
    doc->imgKedrinMouseDown(mbLeft, 0, 5, 5);  // deselects
    doc->imgKedrinMouseUp(mbLeft, 0, 5, 5);
    Settle();
    state.ResumeTiming();
  }
  state.counters["figures"] = n;
  Settle();
  window.reset();
  Settle();
}

}  // namespace

BENCHMARK(BM_RubberBandSelectAllFigures)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(5);
