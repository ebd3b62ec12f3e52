// The history of a large document: undoing and redoing a drag of half its figures (the cost per
// figure must stay flat from 1,000 to 10,000), bringing back 10,000 deleted figures, and the
// memory a thousand steps of moves and restyles keep.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <QUndoStack>
#include <memory>
#include <random>

#include "BenchSupport.h"
#include "Diagram.h"
#include "KDTools.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

namespace {

QuietMainWindow& Main() {
  static QuietMainWindow main;
  return main;
}

// A shown document of n figures of every class on a 100-column grid, opened (no history yet).
std::unique_ptr<TwinKedrinFile> GridDocument(int n) {
  auto doc = std::make_unique<TwinKedrinFile>(&Main());
  doc->SetTitle(QStringLiteral("Noname.kdl"));
  doc->resize(696, 480);
  doc->show();
  {
    for (int i = 0; i < n; ++i) {
      TCustomKDTool* f = MakeFigure(i).release();
      f->ApplyBounds((i % 100) * 70, (i / 100) * 50, 60, 40);
      doc->FigureSet().Adopt(f);
    }
  }
  doc->SetModified(false);
  QCoreApplication::processEvents();
  return doc;
}

void Close(std::unique_ptr<TwinKedrinFile> doc) {
  QCoreApplication::sendPostedEvents();
  doc.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TSizerList* Group(TwinKedrinFile& doc) {
  for (TCustomControl* c : doc.Surface()->Overlay().Ordered())
    if (auto* g = dynamic_cast<TSizerList*>(c); g && !g->Releasing()) return g;
  return nullptr;
}

// Selects the first half of the figures and drags them 5 pixels right: one step.
std::vector<TCustomKDTool*> DragHalf(TwinKedrinFile& doc) {
  std::vector<TCustomKDTool*> figures = doc.Figures();
  figures.resize(figures.size() / 2);
  doc.SelectGroup(figures);
  TSizerList* group = Group(doc);
  doc.EditStarted(TEditKind::Move, figures);
  group->SetBoundsRect(group->BoundsRect().translated(5, 0));
  doc.EditEnded();
  QCoreApplication::processEvents();
  return figures;
}

void BM_UndoGroupDrag(benchmark::State& state) {
  auto doc = GridDocument(static_cast<int>(state.range(0)));
  std::vector<TCustomKDTool*> moved = DragHalf(*doc);
  const int x0 = moved.back()->x() - 5;
  for (auto _ : state) {
    doc->Undo();
    QCoreApplication::processEvents();  // the repaint the user sees
    state.PauseTiming();
    if (moved.back()->x() != x0 || !doc->UndoStack()->canRedo()) state.SkipWithError("the drag was not undone");
    doc->Redo();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["members"] = static_cast<double>(moved.size());
  Close(std::move(doc));
}

void BM_RedoGroupDrag(benchmark::State& state) {
  auto doc = GridDocument(static_cast<int>(state.range(0)));
  std::vector<TCustomKDTool*> moved = DragHalf(*doc);
  const int x1 = moved.back()->x();
  for (auto _ : state) {
    state.PauseTiming();
    doc->Undo();
    QCoreApplication::processEvents();
    state.ResumeTiming();
    doc->Redo();
    QCoreApplication::processEvents();
    if (moved.back()->x() != x1) state.SkipWithError("the drag was not redone");
  }
  state.counters["members"] = static_cast<double>(moved.size());
  Close(std::move(doc));
}

void BM_UndoDeleteAll(benchmark::State& state) {
  const int n = 10000;
  auto doc = GridDocument(n);
  doc->SelectGroup(doc->Figures());
  doc->CutSelection();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  if (!doc->Figures().empty()) state.SkipWithError("the figures were not deleted");
  for (auto _ : state) {
    doc->Undo();
    QCoreApplication::processEvents();  // back, shown and stacked
    state.PauseTiming();
    const std::vector<TCustomKDTool*> back = doc->Figures();
    if (back.size() != static_cast<size_t>(n) || !back.back()->isVisible() || back[1]->x() != 70)
      state.SkipWithError("the figures did not all come back in their places");
    doc->Redo();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
  state.counters["figures"] = n;
  Close(std::move(doc));
}

// Bytes the allocator hands out at the moment.
double AllocatedBytes() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return static_cast<double>(mallinfo2().uordblks);
}

void BM_HistoryMemory(benchmark::State& state) {
  auto doc = GridDocument(10000);
  std::mt19937 rng(7);
  for (auto _ : state) {
    const double before = AllocatedBytes();
    // A thousand steps: moves and restyles of single figures and of groups of up to 50.
    for (int step = 0; step < 1000; ++step) {
      std::vector<TCustomKDTool*> all = doc->Figures();
      const size_t first = std::uniform_int_distribution<size_t>(0, all.size() - 60)(rng);
      const size_t count = step % 3 == 0 ? 1 : std::uniform_int_distribution<size_t>(2, 50)(rng);
      std::vector<TCustomKDTool*> some(all.begin() + static_cast<ptrdiff_t>(first),
                                       all.begin() + static_cast<ptrdiff_t>(first + count));
      doc->FigureSet().Select(some);
      if (step % 2 == 0) {
        doc->EditStarted(TEditKind::Move, some);
        for (TCustomKDTool* f : some) f->ApplyBounds(f->x() + 3, f->y(), f->width(), f->height());
        doc->EditEnded();
      } else {
        // Always a change: the width flips between 3 and 4, the pen style goes round.
        doc->CurPenStyle = static_cast<TPenStyle>((some.front()->LineStyle() + 1) % 5);
        doc->CurLineWidth = some.front()->LineWidth() == 3 ? 4 : 3;
        doc->ApplyStyleToSelection(count == 1 ? TStyleItem::All : TStyleItem::LineWidth);
      }
    }
    doc->FigureSet().Select({});
    const double after = AllocatedBytes();
    state.counters["history_MB"] = (after - before) / 1e6;
    state.counters["steps"] = doc->UndoStack()->count();
    if (doc->UndoStack()->count() < 900) state.SkipWithError("the steps were not recorded");
  }
  Close(std::move(doc));
}

}  // namespace

BENCHMARK(BM_UndoGroupDrag)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RedoGroupDrag)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_UndoDeleteAll)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_HistoryMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
