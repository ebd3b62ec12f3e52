// Group moves on a large canvas: an arrow-key nudge and one drag step of a selection of half the
// figures, and the rubber-band selection of every figure. The cost per figure must stay flat
// from 1,000 to 10,000 figures.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <memory>

#include "Focus.h"
#include "KDTools.h"
#include "Messages.h"
#include "TScrollBox.h"

namespace {

struct Scene {
  std::unique_ptr<QMainWindow> window;
  TScrollBox* box = nullptr;
  std::vector<TCustomKDTool*> figures;
};

// n figures on a grid, shown in a window of the editor's size.
std::unique_ptr<Scene> MakeScene(int n) {
  auto scene = std::make_unique<Scene>();
  scene->window = std::make_unique<QMainWindow>();
  scene->box = new TScrollBox;
  scene->window->setCentralWidget(scene->box);
  scene->window->resize(700, 480);
  focus::MarkForm(scene->window.get());
  QWidget* surface = scene->box->Surface();
  surface->hide();
  const int columns = 100;
  for (int i = 0; i < n; ++i) {
    TCustomKDTool* f = (i % 2) ? static_cast<TCustomKDTool*>(new TKDProcess) : new TKDRectangle;
    f->ApplyBounds((i % columns) * 70, (i / columns) * 50, 60, 40);
    f->SetParentControl(surface);
    scene->figures.push_back(f);
  }
  surface->show();
  scene->window->show();
  QCoreApplication::processEvents();
  return scene;
}

// As the document selects with the rubber band.
TSizerList* SelectFirst(Scene& s, size_t count) {
  std::vector<TCustomKDTool*> members(s.figures.begin(), s.figures.begin() + static_cast<ptrdiff_t>(std::min(count, s.figures.size())));
  auto* group = new TSizerList(s.window.get(), 30, 30);
  group->SetMembers(members);
  QCoreApplication::processEvents();
  return group;
}

// Whether the first and the last of the first count figures lie dx to the right of their grid
// places: the group's members have really moved.
bool MembersAt(const Scene& s, size_t count, int dx) {
  for (size_t i : {size_t{0}, count - 1})
    if (s.figures[i]->Left() != static_cast<int>(i % 100) * 70 + dx) return false;
  return true;
}

void Teardown(std::unique_ptr<Scene> s) {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  s.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_GroupNudge(benchmark::State& state) {
  auto scene = MakeScene(static_cast<int>(state.range(0)));
  const size_t members = static_cast<size_t>(state.range(0)) / 2;
  TSizerList* group = SelectFirst(*scene, members);
  int direction = VK_RIGHT;
  for (auto _ : state) {
    SendMessage(group, TKM_KEYNOTIFY, direction, 1);
    SendMessage(group, WM_KEYDOWN, direction, 1);
    QCoreApplication::processEvents();  // the repaint the user sees
    if (!MembersAt(*scene, members, direction == VK_RIGHT ? 30 : 0)) state.SkipWithError("the members did not move");
    direction = direction == VK_RIGHT ? VK_LEFT : VK_RIGHT;
  }
  state.counters["figures"] = static_cast<double>(state.range(0));
  state.counters["members"] = static_cast<double>(state.range(0) / 2);
  Teardown(std::move(scene));
}

// One mouse move of the interactive move of a group of half the figures: the frame's bounds
// change by a canvas pixel, at the canvas's zoom.
void GroupDragSteps(benchmark::State& state, double zoom) {
  auto scene = MakeScene(static_cast<int>(state.range(0)));
  if (zoom != 1.0) {
    scene->box->Surface()->SetZoom(zoom);
    QCoreApplication::processEvents();
  }
  const size_t members = static_cast<size_t>(state.range(0)) / 2;
  TSizerList* group = SelectFirst(*scene, members);
  int dx = 1;
  for (auto _ : state) {
    group->SetBoundsRect(group->BoundsRect().translated(dx, 0));
    QCoreApplication::processEvents();
    if (!MembersAt(*scene, members, dx > 0 ? 1 : 0)) state.SkipWithError("the members did not move");
    dx = -dx;
  }
  const TCustomKDTool* first = scene->figures.front();
  if (first->x() != static_cast<int>(first->Left() * zoom)) state.SkipWithError("the figures are not shown zoomed");
  state.counters["figures"] = static_cast<double>(state.range(0));
  state.counters["members"] = static_cast<double>(members);
  Teardown(std::move(scene));
}

void BM_GroupDragStep(benchmark::State& state) { GroupDragSteps(state, 1.0); }

// The same with the canvas zoomed (second argument, percent).
void BM_GroupDragStepZoomed(benchmark::State& state) {
  GroupDragSteps(state, static_cast<double>(state.range(1)) / 100.0);
}

// Changing the zoom of the whole canvas, until repainted: 100 % and the argument (percent) in
// turn.
void BM_ZoomChange(benchmark::State& state) {
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

void BM_RubberBandSelectAll(benchmark::State& state) {
  auto scene = MakeScene(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    TSizerList* group = SelectFirst(*scene, scene->figures.size());
    state.PauseTiming();
    if (group->MemberCount() != scene->figures.size() || !scene->figures.back()->HaveFocused())
      state.SkipWithError("not every figure was selected");
    group->Release();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    state.ResumeTiming();
  }
  state.counters["figures"] = static_cast<double>(state.range(0));
  Teardown(std::move(scene));
}

}  // namespace

BENCHMARK(BM_GroupNudge)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupDragStep)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GroupDragStepZoomed)->ArgsProduct({{1000, 10000}, {50, 200}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ZoomChange)->Args({10000, 50})->Args({10000, 200})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RubberBandSelectAll)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
