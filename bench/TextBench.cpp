// Texts on shapes on large diagrams: opening the editor over a shape, finding what a press on a
// text or an arrow types into, and deleting thousands of shapes with their texts and connectors.
// The diagram is a grid of cells, 50 to a row: a process box with its text, an arrow on to the
// next box of the row, and on every tenth arrow a "yes" beside its middle.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QSettings>
#include <QTemporaryDir>

#include "BenchSupport.h"
#include "ConnectorOptions.h"
#include "Diagram.h"
#include "DiagramItems.h"
#include "DocumentHistory.h"
#include "Focus.h"
#include "KDTools.h"
#include "LabelPlacement.h"
#include "TScrollBox.h"
#include "TextEditSession.h"
#include "TextPlace.h"
#include "TwinKedrinFile.h"

namespace {

constexpr int kColumns = 50, kPitchX = 200, kPitchY = 150;

QuietMainWindow& Main() {
  static QuietMainWindow main;
  return main;
}

// Figures act as units: View > Keep Connectors and Labels Attached, in settings of this run only.
void KeepAttached() {
  static QTemporaryDir settings;
  static const bool done = [] {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    ConnectorOptions::Instance().SetKeepAttached(true);
    return true;
  }();
  (void)done;
}

template <typename T>
T* Place(TwinKedrinFile& doc, QRect r) {
  auto* f = new T(&doc);
  f->ApplyBounds(r.x(), r.y(), r.width(), r.height());
  f->SetParentControl(doc.Surface());
  doc.WireFigure(f);
  return f;
}

struct Chart {
  std::unique_ptr<TwinKedrinFile> doc;
  std::vector<TCustomKDTool*> shapes, texts, arrows;
  std::vector<TCustomKDTool*> labelled;  // the arrows with a "yes"
};

// At least n figures, or as many cells as it takes for that many shapes.
Chart MakeChart(int n, size_t shapes = 0) {
  KeepAttached();
  focus::Install();
  RegisterFigureClasses();
  Chart c;
  c.doc = std::make_unique<TwinKedrinFile>(&Main());
  c.doc->resize(1200, 800);
  c.doc->show();
  QCoreApplication::processEvents();
  TwinKedrinFile& d = *c.doc;
  int figures = 0;
  for (int cell = 0; figures < n || c.shapes.size() < shapes; ++cell) {
    const int x = (cell % kColumns) * kPitchX, y = (cell / kColumns) * kPitchY;
    c.shapes.push_back(Place<TKDProcess>(d, {x, y, 120, 50}));
    TKDLabel* text = Place<TKDLabel>(d, {x + 10, y + 18, 100, 14});
    text->SetCaption("Step " + std::to_string(cell));
    c.texts.push_back(text);
    figures += 2;
    if (cell % kColumns == kColumns - 1) continue;
    auto* arrow = Place<TKDArrow>(d, {x + 120, y + 10, 80, 30});
    arrow->SetArrowDirection(adTopToTop);
    arrow->SetArrowPosition(apRight);
    c.arrows.push_back(arrow);
    ++figures;
    if (cell % 10 == 0) {
      Place<TKDLabel>(d, {x + 150, y + 6, 20, 13})->SetCaption("yes");
      c.labelled.push_back(arrow);
      ++figures;
    }
  }
  QCoreApplication::processEvents();
  return c;
}

void Close(Chart& c) {
  QCoreApplication::sendPostedEvents();
  c.doc.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
}

void Painted(TwinKedrinFile& doc) {
  QCoreApplication::processEvents();
  doc.Surface()->repaint();
}

// The editor opened over a shape in the middle of the diagram, and closed again.
void BM_OpenTextEditor(benchmark::State& state) {
  Chart c = MakeChart(static_cast<int>(state.range(0)));
  TCustomKDTool* shape = c.shapes[c.shapes.size() / 2];
  for (auto _ : state) {
    if (!c.doc->EditTextOf(shape)) state.SkipWithError("no editor");
    QCoreApplication::processEvents();
    state.PauseTiming();
    c.doc->TextEditing().Cancel();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  state.counters["figures"] = static_cast<double>(c.doc->Figures().size());
  Close(c);
}
BENCHMARK(BM_OpenTextEditor)->Arg(10000)->Unit(benchmark::kMillisecond);

// What a press finds: the shape a text label is the text of, and the label of the arrow pressed.
void BM_FindTextOnPress(benchmark::State& state) {
  Chart c = MakeChart(static_cast<int>(state.range(0)));
  TCustomKDTool* text = c.texts[c.texts.size() / 2];
  TCustomKDTool* arrow = c.labelled[c.labelled.size() / 2];
  size_t found = 0;
  for (auto _ : state) {
    DiagramItems items(c.doc->FigureSet());
    const semantics::ItemQuery query = items.Query();
    const semantics::TextPlace onText = semantics::TextPlaceOf(items.Of(text), query);
    const semantics::TextPlace onArrow = semantics::TextPlaceOf(items.Of(arrow), query);
    found = (onText.shape ? 1 : 0) + (onArrow.label ? 1 : 0);
    benchmark::DoNotOptimize(found);
  }
  if (found != 2) state.SkipWithError("the text's shape or the arrow's label not found");
  Close(c);
}
BENCHMARK(BM_FindTextOnPress)->Arg(10000)->Unit(benchmark::kMillisecond);

void DeleteKey(TwinKedrinFile& doc) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
  QApplication::sendEvent(doc.Surface(), &press);
}

// 5,000 shapes selected as a group, deleted with their texts and the arrows between them (with
// their labels), until the picture shows it; then brought back by Undo.
void BM_DeleteShapesWithTexts(benchmark::State& state) {
  Chart c = MakeChart(0, static_cast<size_t>(state.range(0)));
  const size_t all = c.doc->Figures().size();
  // Undo brings the figures back as new objects under their old ids.
  const std::vector<uint64_t> ids = c.doc->FigureSet().IdsOf(c.shapes);
  for (auto _ : state) {
    state.PauseTiming();
    c.doc->SelectGroup(c.doc->FigureSet().Find(ids));
    QCoreApplication::processEvents();
    state.ResumeTiming();
    DeleteKey(*c.doc);
    Painted(*c.doc);
    state.PauseTiming();
    if (!c.doc->Figures().empty()) state.SkipWithError("figures left");
    c.doc->Undo();
    QCoreApplication::processEvents();
    if (c.doc->Figures().size() != all) state.SkipWithError("not all back");
    state.ResumeTiming();
  }
  state.counters["figures"] = static_cast<double>(all);
  Close(c);
}
BENCHMARK(BM_DeleteShapesWithTexts)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_UndoDeleteShapesWithTexts(benchmark::State& state) {
  Chart c = MakeChart(0, static_cast<size_t>(state.range(0)));
  const size_t all = c.doc->Figures().size();
  const std::vector<uint64_t> ids = c.doc->FigureSet().IdsOf(c.shapes);
  for (auto _ : state) {
    state.PauseTiming();
    c.doc->SelectGroup(c.doc->FigureSet().Find(ids));
    QCoreApplication::processEvents();
    DeleteKey(*c.doc);
    QCoreApplication::processEvents();
    if (!c.doc->Figures().empty()) state.SkipWithError("figures left");
    state.ResumeTiming();
    c.doc->Undo();
    Painted(*c.doc);
    state.PauseTiming();
    if (c.doc->Figures().size() != all) state.SkipWithError("not all back");
    state.ResumeTiming();
  }
  state.counters["figures"] = static_cast<double>(all);
  Close(c);
}
BENCHMARK(BM_UndoDeleteShapesWithTexts)->Arg(5000)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
