// A group drag on a real X server: one drag step of a group of thousands of figures that are all
// visible at once, measured until the X server holds the new picture. Runs on the xcb platform
// (bench.sh starts a virtual display for it); the cost per figure must stay flat from 1,000 to
// 3,000 visible figures.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <memory>

#include "BenchSupport.h"
#include "DenseDiagram.h"
#include "Diagram.h"
#include "TScrollBox.h"
#include "TSizerList.h"
#include "TwinKedrinFile.h"
#include "XcbProbe.h"

namespace {

constexpr int kCellWidth = 26;
constexpr int kCellHeight = 22;
constexpr int kStep = 4;  // pixels per drag step

QuietMainWindow& Main() {
  static QuietMainWindow main;
  return main;
}

// A document filling the screen with n small figures, all visible, and all of them selected.
struct Scene {
  std::unique_ptr<TwinKedrinFile> doc;
  TSizerList* group = nullptr;
  std::vector<TCustomKDTool*> figures;
  int columns = 0;
};

std::unique_ptr<Scene> MakeScene(int n) {
  auto scene = std::make_unique<Scene>();
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  scene->doc = std::make_unique<TwinKedrinFile>(&Main());
  scene->doc->SetTitle(QStringLiteral("Noname.kdl"));
  scene->doc->setGeometry(screen);
  scene->doc->show();
  // As many columns as the visible canvas holds, with room for the steps and the scroll bars.
  scene->columns = (screen.width() - 40) / kCellWidth;
  {
    for (auto& f : MakeDenseFigures(n, scene->columns, kCellWidth, kCellHeight)) {
      scene->figures.push_back(f.get());
      scene->doc->FigureSet().Adopt(f.release());
    }
  }
  scene->doc->SetModified(false);
  xcbprobe::WaitUntilExposed(scene->doc.get());
  // Every figure must be in view: the last one lies farthest from the origin.
  if (scene->figures.empty() ||
      !scene->doc->Surface()->visibleRegion().intersects(scene->figures.back()->geometry()))
    return scene;
  scene->doc->SelectGroup(scene->figures);
  for (TCustomControl* c : scene->doc->Surface()->Overlay().Ordered())
    if (auto* g = dynamic_cast<TSizerList*>(c); g && !g->Releasing()) scene->group = g;
  xcbprobe::Settle(scene->doc.get());
  return scene;
}

// Counts the paint events that widgets receive.
struct PaintCounter : QObject {
  PaintCounter() { qApp->installEventFilter(this); }
  ~PaintCounter() override { qApp->removeEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++count;
    return false;
  }
  long count = 0;
};

void Close(std::unique_ptr<Scene> scene) {
  QCoreApplication::sendPostedEvents();
  scene.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_XcbGroupDragStep(benchmark::State& state) {
  if (!xcbprobe::OnX11()) {
    state.SkipWithError("needs the xcb platform (QT_QPA_PLATFORM=xcb and an X server)");
    return;
  }
  const int n = static_cast<int>(state.range(0));
  auto scene = MakeScene(n);
  if (!scene->group) {
    state.SkipWithError("not every figure is in view, or no group was selected (the screen is too small?)");
    return;
  }
  // A pixel of the left edge of the first rectangle: drawn while the group is at rest, showing
  // the canvas once the group has moved a step to the right.
  TCustomKDTool* rectangle = scene->figures[4];
  const QPoint probe = scene->doc->Surface()->mapTo(scene->doc.get(), rectangle->pos() + QPoint(0, rectangle->height() / 4));
  const uint32_t atRest = xcbprobe::PixelOnServer(scene->doc.get(), probe);
  if (atRest != 0) {
    state.SkipWithError("the display does not show the rectangle's black outline where it lies");
    return;
  }
  int dx = kStep;
  PaintCounter paints;
  QElapsedTimer phase;
  double moveNs = 0, paintNs = 0, serverNs = 0;
  for (auto _ : state) {
    // One mouse move of the interactive move: the frame's bounds change by a few pixels.
    phase.start();
    scene->group->SetBoundsRect(scene->group->BoundsRect().translated(dx, 0));
    moveNs += phase.nsecsElapsed();
    phase.start();
    xcbprobe::Settle(scene->doc.get());
    paintNs += phase.nsecsElapsed();
    // The round trip to the server that reads the pixel also waits for every drawing request
    // sent before it.
    phase.start();
    const uint32_t seen = xcbprobe::PixelOnServer(scene->doc.get(), probe);
    serverNs += phase.nsecsElapsed();
    if ((seen == atRest) != (dx < 0)) {
      state.SkipWithError("the display does not show the step");
      break;
    }
    dx = -dx;
  }
  state.counters["figures"] = n;
  const double steps = static_cast<double>(state.iterations());
  state.counters["move_ms"] = moveNs / steps / 1e6;
  state.counters["paint_ms"] = paintNs / steps / 1e6;
  state.counters["server_ms"] = serverNs / steps / 1e6;
  state.counters["paints"] = paints.count / steps;
  Close(std::move(scene));
}

}  // namespace

BENCHMARK(BM_XcbGroupDragStep)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond)->UseRealTime();
