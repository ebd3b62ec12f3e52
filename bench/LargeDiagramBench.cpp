// A document of 1,000 to 100,000 figures, as a user works with it: open until painted, Select All
// and its end (Escape), an arrow-key nudge and one drag step of the whole selection, a zoom change
// until painted, and a save. Each row also tells how much the resident memory grew ("rss_mb"). The
// cost per figure must stay flat from 1,000 to 100,000 figures.
#include <malloc.h>

#include <algorithm>
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <fstream>
#include <map>
#include <memory>

#include "BenchSupport.h"
#include "Diagram.h"
#include "DiagramFile.h"
#include "DocumentHistory.h"
#include "FigureTransfer.h"
#include "Focus.h"
#include "GridDiagram.h"
#include "KDTools.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

namespace {

// The resident set in megabytes, from the kernel.
double ResidentMb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return static_cast<double>(resident) * 4096.0 / (1024.0 * 1024.0);
}

QuietMainWindow& Main() {
  static QuietMainWindow main;
  return main;
}

QTemporaryDir& Folder() {
  static QTemporaryDir folder;
  return folder;
}

// The grid diagram of the export measurements (every class, captions, 150 x 80 cells), once per size.
QString DiagramOf(int n) {
  static std::map<int, QString> paths;
  auto it = paths.find(n);
  if (it != paths.end()) return it->second;
  const auto figures = MakeGridDiagram(n);
  std::vector<const Persistent*> records;
  for (const auto& f : figures) records.push_back(f.get());
  const QString path = Folder().filePath(QStringLiteral("grid-%1.kdl").arg(n));
  diagramfile::Write(path, records);
  return paths.emplace(n, path).first->second;
}

std::unique_ptr<TwinKedrinFile> ShownDocument() {
  focus::Install();
  RegisterFigureClasses();
  auto doc = std::make_unique<TwinKedrinFile>(&Main());
  doc->SetTitle(QStringLiteral("Noname.kdl"));
  doc->resize(1200, 800);
  doc->show();
  QCoreApplication::processEvents();
  return doc;
}

std::unique_ptr<TwinKedrinFile> OpenDocument(int n) {
  auto doc = ShownDocument();
  doc->LoadFromFile(DiagramOf(n));
  QCoreApplication::processEvents();
  return doc;
}

void Close(std::unique_ptr<TwinKedrinFile> doc) {
  QCoreApplication::sendPostedEvents();
  doc.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

// Every pending repaint is done, as the user sees it.
void Painted(TwinKedrinFile& doc) {
  QCoreApplication::processEvents();
  doc.Surface()->repaint();
}

void Key(TwinKedrinFile& doc, Qt::Key key) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
  QApplication::sendEvent(doc.Surface(), &press);
}

bool AllSelected(TwinKedrinFile& doc) { return doc.FigureSet().SelectedCount() == doc.FigureSet().FigureCount(); }

void BM_OpenLarge(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  state.counters["figures"] = n;
  DiagramOf(n);
  double grown = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = ShownDocument();
    // What earlier rounds freed goes back to the system first, so that each round shows its own growth.
    malloc_trim(0);
    const double before = ResidentMb();
    state.ResumeTiming();
    doc->LoadFromFile(DiagramOf(n));
    Painted(*doc);
    state.PauseTiming();
    grown = std::max(grown, ResidentMb() - before);
    if (static_cast<int>(doc->Figures().size()) != n) state.SkipWithError("figures missing");
    Close(std::move(doc));
    state.ResumeTiming();
  }
  state.counters["rss_mb"] = grown;
  state.SetItemsProcessed(state.iterations() * n);
}

void BM_SelectAllLarge(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  state.counters["figures"] = n;
  auto doc = OpenDocument(n);
  double grown = 0;
  for (auto _ : state) {
    state.PauseTiming();
    focus::SetFocus(doc->Surface());
    QCoreApplication::processEvents();
    // What earlier rounds freed goes back to the system first, so that each round shows its own growth.
    malloc_trim(0);
    const double before = ResidentMb();
    state.ResumeTiming();
    doc->SelectAll();
    Painted(*doc);
    state.PauseTiming();
    grown = std::max(grown, ResidentMb() - before);
    if (!AllSelected(*doc)) state.SkipWithError("not every figure selected");
    state.ResumeTiming();
  }
  state.counters["rss_mb"] = grown;
  state.SetItemsProcessed(state.iterations() * n);
  Close(std::move(doc));
}

void BM_DeselectLarge(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  state.counters["figures"] = n;
  auto doc = OpenDocument(n);
  for (auto _ : state) {
    state.PauseTiming();
    doc->SelectAll();
    Painted(*doc);
    state.ResumeTiming();
    Key(*doc, Qt::Key_Escape);
    Painted(*doc);
    state.PauseTiming();
    if (doc->FigureSet().SelectedCount() != 0) state.SkipWithError("the selection did not end");
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * n);
  Close(std::move(doc));
}

void BM_NudgeLarge(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  state.counters["figures"] = n;
  auto doc = OpenDocument(n);
  doc->SelectAll();
  Painted(*doc);
  TCustomKDTool* first = doc->Figures().front();
  const int start = first->Left();
  int nudges = 0;
  for (auto _ : state) {
    Key(*doc, (nudges % 2) ? Qt::Key_Left : Qt::Key_Right);
    Painted(*doc);
    ++nudges;
  }
  // An even number of nudges puts the group back where it was.
  if (nudges % 2 == 1 && first->Left() != start + 30) state.SkipWithError("the group did not move");
  state.SetItemsProcessed(state.iterations() * n);
  Close(std::move(doc));
}

// Undo of an arrow-key nudge of the whole selection, and its redo, each until painted.
void BM_UndoNudgeLarge(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  state.counters["figures"] = n;
  auto doc = OpenDocument(n);
  doc->SelectAll();
  Painted(*doc);
  Key(*doc, Qt::Key_Right);
  Painted(*doc);
  TCustomKDTool* first = doc->Figures().front();
  const int moved = first->Left();
  int undone = 0;
  for (auto _ : state) {
    if (undone % 2 == 0) doc->Undo();
    else doc->Redo();
    ++undone;
    Painted(*doc);
  }
  if (first->Left() != (undone % 2 ? moved - 30 : moved)) state.SkipWithError("the nudge was not undone");
  state.SetItemsProcessed(state.iterations() * n);
  Close(std::move(doc));
}

void BM_DragStepLarge(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  state.counters["figures"] = n;
  auto doc = OpenDocument(n);
  doc->SelectAll();
  Painted(*doc);
  TCanvasSurface* surface = doc->Surface();
  TCustomKDTool* first = doc->Figures().front();
  // Pressed on the first figure, which lies under the group's frame.
  const QPoint press = first->geometry().center();
  QTest::mousePress(surface, Qt::LeftButton, {}, press);
  int step = 0;
  for (auto _ : state) {
    ++step;
    QTest::mouseMove(surface, press + QPoint(step % 2 ? 5 : 0, 0));
    Painted(*doc);
  }
  const bool moved = step % 2 == 0 || first->geometry().center() == press + QPoint(5, 0);
  QTest::mouseRelease(surface, Qt::LeftButton, {}, press);
  if (!moved) state.SkipWithError("the group did not follow the pointer");
  state.SetItemsProcessed(state.iterations() * n);
  Close(std::move(doc));
}

void BM_ZoomLarge(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  state.counters["figures"] = n;
  const bool selected = state.range(1) != 0;
  auto doc = OpenDocument(n);
  if (selected) doc->SelectAll();
  Painted(*doc);
  int change = 0;
  for (auto _ : state) {
    doc->Surface()->SetZoom(++change % 2 ? 0.5 : 1.0);
    Painted(*doc);
  }
  state.SetItemsProcessed(state.iterations() * n);
  Close(std::move(doc));
}

void BM_SaveLarge(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  state.counters["figures"] = n;
  auto doc = OpenDocument(n);
  const QString target = Folder().filePath(QStringLiteral("saved-%1.kdl").arg(n));
  for (auto _ : state) {
    if (!doc->SaveToFile(target)) state.SkipWithError("not saved");
  }
  if (QFileInfo(target).size() != QFileInfo(DiagramOf(n)).size()) state.SkipWithError("saved file differs");
  state.SetItemsProcessed(state.iterations() * n);
  Close(std::move(doc));
}

// Pasting the records of n figures from the clipboard (another document's copy), and undoing it.
void BM_PasteLarge(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  state.counters["figures"] = n;
  const auto figures = MakeGridDiagram(n);
  const std::vector<TCustomKDTool*> raw = [&] {
    std::vector<TCustomKDTool*> r;
    for (const auto& f : figures) r.push_back(f.get());
    return r;
  }();
  const QByteArray records = figuretransfer::Records(raw);
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = ShownDocument();
    state.ResumeTiming();
    doc->PasteFigures(records);
    Painted(*doc);
    state.PauseTiming();
    if (static_cast<int>(doc->Figures().size()) != n) state.SkipWithError("figures missing");
    Close(std::move(doc));
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * n);
}

void BM_UndoPasteLarge(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  state.counters["figures"] = n;
  const auto figures = MakeGridDiagram(n);
  std::vector<TCustomKDTool*> raw;
  for (const auto& f : figures) raw.push_back(f.get());
  const QByteArray records = figuretransfer::Records(raw);
  auto doc = ShownDocument();
  doc->PasteFigures(records);
  Painted(*doc);
  int undone = 0;
  for (auto _ : state) {
    if (undone % 2 == 0) doc->Undo();
    else doc->Redo();
    ++undone;
    Painted(*doc);
  }
  if (undone % 2 == 1 && !doc->Figures().empty()) state.SkipWithError("the paste was not undone");
  state.SetItemsProcessed(state.iterations() * n);
  Close(std::move(doc));
}

// A burst of undos, as a held Ctrl+Z sends them: each of 200 steps moved one of n figures.
void BM_UndoBurstLarge(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  state.counters["figures"] = n;
  auto doc = OpenDocument(n);
  const std::vector<TCustomKDTool*> figures = doc->Figures();
  for (int i = 0; i < 200; ++i) {
    TCustomKDTool* f = figures[static_cast<size_t>(i * 37) % figures.size()];
    doc->History().Begin(TEditKind::Move, {f});
    f->ApplyBounds(f->Left() + 3, f->Top(), f->Width(), f->Height());
    doc->History().End();
  }
  for (auto _ : state) {
    for (int i = 0; i < 200; ++i) doc->Undo();
    Painted(*doc);
    state.PauseTiming();
    for (int i = 0; i < 200; ++i) doc->Redo();
    Painted(*doc);
    state.ResumeTiming();
  }
  if (doc->UndoStack()->index() != 200) state.SkipWithError("the steps were not all redone");
  state.SetItemsProcessed(state.iterations() * 200);
  Close(std::move(doc));
}

}  // namespace

BENCHMARK(BM_PasteLarge)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_UndoPasteLarge)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(4);
BENCHMARK(BM_UndoBurstLarge)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_OpenLarge)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_SelectAllLarge)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_DeselectLarge)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_NudgeLarge)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(6);
BENCHMARK(BM_DragStepLarge)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(6);
BENCHMARK(BM_UndoNudgeLarge)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(4);
BENCHMARK(BM_ZoomLarge)->ArgsProduct({{1000, 10000, 100000}, {0, 1}})->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(4);
BENCHMARK(BM_SaveLarge)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
