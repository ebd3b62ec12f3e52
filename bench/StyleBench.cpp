// The style features on large diagrams: a swatch click on a selection of 5,000 figures until
// repainted, the properties panel following a selection of 10,000, and with smooth drawing on,
// one drag step of a 5,000-figure group and a zoom change of 10,000 figures until repainted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>

#include "BenchSupport.h"
#include "ControlCanvas.h"
#include "Diagram.h"
#include "Focus.h"
#include "KDTools.h"
#include "PropertiesPanel.h"
#include "StyleEdits.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

namespace {

// n figures on a grid in a document shown at the editor's size.
TwinKedrinFile* MakeDocument(QuietMainWindow& main, int n) {
  focus::Install();
  RegisterFigureClasses();
  auto* doc = new TwinKedrinFile(&main);
  doc->resize(700, 480);
  doc->show();
  for (int i = 0; i < n; ++i) {
    TCustomKDTool* f = (i % 2) ? static_cast<TCustomKDTool*>(new TKDProcess(doc)) : new TKDDiamond(doc);
    f->ApplyBounds((i % 100) * 70, (i / 100) * 50, 60, 40);
    f->SetParentControl(doc->Surface());
    doc->WireFigure(f);
  }
  QCoreApplication::processEvents();
  return doc;
}

void Discard(TwinKedrinFile* doc) {
  delete doc;
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Red and blue in turn as the selection's fill, one undo step each.
void BM_SwatchClick(benchmark::State& state) {
  QuietMainWindow main;
  TwinKedrinFile* doc = MakeDocument(main, static_cast<int>(state.range(0)) * 2);
  std::vector<TCustomKDTool*> half = doc->Figures();
  half.resize(half.size() / 2);
  doc->SelectGroup(half);
  QCoreApplication::processEvents();
  TColor colour = clRed;
  for (auto _ : state) {
    style::ApplyFillColour(*doc, colour);
    QCoreApplication::processEvents();  // the repaint the user sees
    if (half.front()->FillColor() != colour || half.back()->FillColor() != colour)
      state.SkipWithError("the selection did not take the colour");
    colour = colour == clRed ? clBlue : clRed;
  }
  state.counters["selected"] = static_cast<double>(half.size());
  Discard(doc);
}

// Every figure selected, then the panel's share: a notice per figure and one refresh.
void BM_PropertiesFollowSelection(benchmark::State& state) {
  QuietMainWindow main;
  TwinKedrinFile* doc = MakeDocument(main, static_cast<int>(state.range(0)));
  PropertiesPanel panel;
  panel.show();
  panel.SetDocument(doc);
  doc->SelectGroup(doc->Figures());
  QCoreApplication::processEvents();
  const std::vector<TCustomKDTool*> selected = doc->FigureSet().Selected();
  for (auto _ : state) {
    for (TCustomKDTool* f : selected) panel.DiagramChanged({DiagramChange::Kind::Selection, f, {}});
    QCoreApplication::processEvents();  // the panel's refresh comes round once
    if (panel.Shown().count != selected.size()) state.SkipWithError("the panel does not show the selection");
  }
  state.counters["selected"] = static_cast<double>(selected.size());
  panel.SetDocument(nullptr);
  Discard(doc);
}

struct Scene {
  std::unique_ptr<QMainWindow> window;
  TScrollBox* box = nullptr;
  std::vector<TCustomKDTool*> figures;
};

// As the frame benchmarks lay their canvas out: n figures on a grid, shown in a window.
std::unique_ptr<Scene> MakeScene(int n) {
  auto scene = std::make_unique<Scene>();
  scene->window = std::make_unique<QMainWindow>();
  scene->box = new TScrollBox;
  scene->window->setCentralWidget(scene->box);
  scene->window->resize(700, 480);
  focus::MarkForm(scene->window.get());
  QWidget* surface = scene->box->Surface();
  surface->hide();
  for (int i = 0; i < n; ++i) {
    TCustomKDTool* f = (i % 2) ? static_cast<TCustomKDTool*>(new TKDProcess) : new TKDDiamond;
    f->ApplyBounds((i % 100) * 70, (i / 100) * 50, 60, 40);
    f->SetParentControl(surface);
    scene->figures.push_back(f);
  }
  surface->show();
  scene->window->show();
  QCoreApplication::processEvents();
  return scene;
}

void Teardown(std::unique_ptr<Scene> s) {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  s.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  TControlCanvas::SetSmoothDrawing(false);
}

void BM_SmoothGroupDragStep(benchmark::State& state) {
  TControlCanvas::SetSmoothDrawing(true);
  auto scene = MakeScene(static_cast<int>(state.range(0)));
  const size_t members = scene->figures.size() / 2;
  auto* group = new TSizerList(scene->window.get(), 30, 30);
  group->SetMembers(std::vector<TCustomKDTool*>(scene->figures.begin(), scene->figures.begin() + static_cast<ptrdiff_t>(members)));
  QCoreApplication::processEvents();
  int dx = 1;
  for (auto _ : state) {
    group->SetBoundsRect(group->BoundsRect().translated(dx, 0));
    QCoreApplication::processEvents();  // the repaint the user sees
    if (scene->figures.front()->Left() != (dx > 0 ? 1 : 0)) state.SkipWithError("the members did not move");
    dx = -dx;
  }
  state.counters["members"] = static_cast<double>(members);
  Teardown(std::move(scene));
}

// 100 % and the second argument (percent) in turn.
void BM_SmoothZoomChange(benchmark::State& state) {
  TControlCanvas::SetSmoothDrawing(true);
  auto scene = MakeScene(static_cast<int>(state.range(0)));
  TCanvasSurface* surface = scene->box->Surface();
  const double other = static_cast<double>(state.range(1)) / 100.0;
  const TCustomKDTool* last = scene->figures.back();
  for (auto _ : state) {
    const double zoom = surface->Zoom() == 1.0 ? other : 1.0;
    surface->SetZoom(zoom);
    QCoreApplication::processEvents();  // the repaint the user sees
    if (last->x() != static_cast<int>(last->Left() * zoom)) state.SkipWithError("the figures did not follow the zoom");
  }
  state.counters["figures"] = static_cast<double>(state.range(0));
  Teardown(std::move(scene));
}

}  // namespace

BENCHMARK(BM_SwatchClick)->Arg(5000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PropertiesFollowSelection)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SmoothGroupDragStep)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SmoothZoomChange)->Args({10000, 50})->Args({10000, 200})->Unit(benchmark::kMillisecond);
