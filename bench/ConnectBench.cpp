// Connectors in the editor on large diagrams. A diagram of n boxes in rows of 100 (pitch 120 x
// 100, boxes 80 x 50): routing one elbow connector between two boxes in the middle through the
// diagram's spatial index, and one drag step of a 250-box group whose every box has two straight
// arrows to staying neighbours (500 connectors, each laid anew between its two boxes), or two
// elbow connectors (drawn as the Connector tool draws them) to the boxes below left and right;
// and a quick-connect click on a document of n boxes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>
#include <memory>

#include "ConnectorFollowing.h"
#include "ConnectorGeometry.h"
#include "Diagram.h"
#include "ElbowRoute.h"
#include "BenchSupport.h"
#include "DocumentHistory.h"
#include "KDTools.h"
#include "QuickConnectButtons.h"
#include "TwinKedrinFile.h"
#include "RouteFigures.h"
#include "TScrollBox.h"

namespace {

using namespace connectors;

constexpr int kColumns = 100, kPitchX = 120, kPitchY = 100, kWidth = 80, kHeight = 50;
constexpr int kGroup = 250;

struct Scene {
  Diagram diagram;  // outlives the window that shows it
  std::unique_ptr<QMainWindow> window;
  TCanvasSurface* surface = nullptr;
  std::vector<TCustomKDTool*> boxes, moving;
  TKDArrow* firstRight = nullptr;  // from the first moving box to its right neighbour
  int connectors = 0, segments = 0;
};

QRect BoxAt(int i) { return {(i % kColumns) * kPitchX, (i / kColumns) * kPitchY, kWidth, kHeight}; }

// Boxes on even rows and even columns move, the first kGroup of them when `group`; each gets an
// arrow from its right side to its right neighbour and one from its bottom to the box below.
enum class Links { None, Straight, Elbow };

std::unique_ptr<Scene> MakeScene(int n, Links links) {
  const bool group = links != Links::None;
  auto s = std::make_unique<Scene>();
  s->window = std::make_unique<QMainWindow>();
  auto* box = new TScrollBox;
  s->window->setCentralWidget(box);
  s->window->resize(700, 480);
  s->surface = box->Surface();
  s->surface->SetContent(&s->diagram);
  s->surface->hide();
  auto place = [&](TCustomKDTool* f, const QRect& r) {
    f->ApplyBounds(r.x(), r.y(), r.width(), r.height());
    f->SetParentControl(s->surface);
  };
  for (int i = 0; i < n; ++i) {
    auto* f = new TKDRectangle;
    place(f, BoxAt(i));
    s->boxes.push_back(f);
  }
  for (int i = 0; group && i < n && static_cast<int>(s->moving.size()) < kGroup; ++i) {
    const int col = i % kColumns, row = i / kColumns;
    if (col % 2 || row % 2 || col + 1 >= kColumns || i + kColumns >= n) continue;
    if (links == Links::Elbow && col == 0) continue;
    s->moving.push_back(s->boxes[static_cast<size_t>(i)]);
    const QRect b = BoxAt(i);
    if (links == Links::Elbow) {
      const FigureQuery query = QueryOf(s->diagram);
      const Figure from = DescribeFigure(*s->boxes[static_cast<size_t>(i)], i);
      for (int j : {i + kColumns - 1, i + kColumns + 1}) {
        const Figure to = DescribeFigure(*s->boxes[static_cast<size_t>(j)], j);
        for (const Figure& run : SegmentsOf(RouteElbow(from, to, query).points, 2)) {
          TCustomKDTool* f = run.kind == FigureKind::Arrow ? static_cast<TCustomKDTool*>(new TKDArrow) : new TKDLine;
          place(f, run.box);
          if (auto* arrow = qobject_cast<TKDArrow*>(f)) {
            arrow->SetArrowDirection(run.direction);
            arrow->SetArrowPosition(run.heads);
          } else {
            static_cast<TKDLine*>(f)->SetOrientation(run.direction);
          }
          ++s->segments;
        }
        ++s->connectors;
      }
      continue;
    }
    auto* right = new TKDArrow;
    place(right, QRect(b.x() + kWidth, b.y() + kHeight / 2 - 15, kPitchX - kWidth, 30));
    right->SetArrowDirection(adTopToTop);
    if (!s->firstRight) s->firstRight = right;
    auto* down = new TKDArrow;
    place(down, QRect(b.x() + kWidth / 2 - 15, b.y() + kHeight, 30, kPitchY - kHeight));
    down->SetArrowDirection(adLeftToLeft);
    s->connectors += 2;
  }
  s->surface->show();
  s->window->show();
  QCoreApplication::processEvents();
  return s;
}

void Teardown(std::unique_ptr<Scene> s) {
  QCoreApplication::sendPostedEvents();
  s->surface->SetContent(nullptr);
  s.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// From a box in the middle to one two rows down and three columns on, around the boxes between.
void BM_RouteConnector(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  auto scene = MakeScene(n, Links::None);
  const int from = n / 2 + kColumns / 2, to = from + 2 * kColumns + 3;
  const Figure a = DescribeFigure(*scene->boxes[static_cast<size_t>(from)], from);
  const Figure b = DescribeFigure(*scene->boxes[static_cast<size_t>(to)], to);
  const FigureQuery query = QueryOf(scene->diagram);
  ElbowRoute route;
  for (auto _ : state) {
    route = RouteElbow(a, b, query);
    benchmark::DoNotOptimize(route.points.data());
  }
  if (route.points.size() < 2 || !route.clear) state.SkipWithError("no clear route");
  state.counters["bends"] = route.Bends();
  Teardown(std::move(scene));
}

// One step of the group's drag: the boxes put at the step's place, every follower laid anew and
// the repaint done.
void BM_DragStepStraight(benchmark::State& state) {
  auto scene = MakeScene(static_cast<int>(state.range(0)), Links::Straight);
  std::unique_ptr<ConnectorFollowing> following = ConnectorFollowing::Find(scene->diagram, scene->moving);
  if (!following || static_cast<int>(following->Followers().size()) != scene->connectors) {
    state.SkipWithError("not every connector follows");
    Teardown(std::move(scene));
    return;
  }
  std::vector<QRect> start;
  for (const TCustomKDTool* f : scene->moving) start.push_back(f->BoundsRect());
  int step = 0;
  QPoint delta;
  for (auto _ : state) {
    delta = DragDelta(++step);
    PlaceMoved(scene->moving, start, delta);
    following->Step();
    QCoreApplication::processEvents();
  }
  // The first box's arrow to the right leaves its right side, on the rows both boxes share.
  const QRect first = start.front().translated(delta);
  const Ends e = EndsOf(DescribeFigure(*scene->firstRight, 0));
  const int row = (std::max(first.top(), start.front().top()) + std::min(first.bottom() + 1, start.front().bottom() + 1)) / 2;
  if (e.start != QPoint(first.right() + 1, row)) state.SkipWithError("the connectors were not laid between their boxes");
  state.counters["connectors"] = static_cast<double>(scene->connectors);
  Teardown(std::move(scene));
}

// The same drag with elbow connectors: every one routed anew between its boxes at each step.
void BM_DragStepElbow(benchmark::State& state) {
  auto scene = MakeScene(static_cast<int>(state.range(0)), Links::Elbow);
  std::unique_ptr<ConnectorFollowing> following = ConnectorFollowing::Find(scene->diagram, scene->moving);
  if (!following || static_cast<int>(following->Followers().size()) != scene->segments) {
    state.SkipWithError("not every elbow connector follows");
    Teardown(std::move(scene));
    return;
  }
  std::vector<QRect> start;
  for (const TCustomKDTool* f : scene->moving) start.push_back(f->BoundsRect());
  std::vector<QRect> before;
  for (const TCustomKDTool* f : following->Followers()) before.push_back(f->BoundsRect());
  int step = 0;
  for (auto _ : state) {
    const QPoint delta = DragDelta(++step);
    PlaceMoved(scene->moving, start, delta);
    following->Step();
    QCoreApplication::processEvents();
  }
  size_t moved = 0;
  for (size_t i = 0; i < before.size(); ++i) moved += following->Followers()[i]->BoundsRect() != before[i];
  if (moved == 0) state.SkipWithError("no connector was routed anew");
  state.counters["connectors"] = static_cast<double>(scene->connectors);
  state.counters["segments"] = static_cast<double>(scene->segments);
  Teardown(std::move(scene));
}

QuietMainWindow& Main() {
  static QuietMainWindow main;
  return main;
}

// A click on a quick-connect arrow until the canvas has painted it: the copy of a box at the end
// of a middle row (scrolled into view) and its connector, on a shown document of n boxes; undone
// outside the timing.
void BM_QuickConnect(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  auto doc = std::make_unique<TwinKedrinFile>(&Main());
  doc->SetTitle(QStringLiteral("Noname.kdl"));
  doc->resize(696, 480);
  doc->show();
  for (int i = 0; i < n; ++i) {
    auto* f = new TKDRectangle;
    const QRect b = BoxAt(i);
    f->ApplyBounds(b.x(), b.y(), b.width(), b.height());
    doc->FigureSet().Adopt(f);
  }
  doc->SetModified(false);
  QCoreApplication::processEvents();
  TCustomKDTool* shape = doc->Figures()[static_cast<size_t>((n / kColumns / 2) * kColumns + kColumns - 1)];
  // In view with room on its right, where the copy goes: the user sees it painted.
  doc->scbKedrin->Reveal(shape->BoundsRect().adjusted(0, 0, 2 * kPitchX, 0));
  QCoreApplication::processEvents();
  size_t added = 0;
  for (auto _ : state) {
    const size_t before = doc->Figures().size();
    QuickConnect(*doc, *shape, Side::Right);
    QCoreApplication::processEvents();
    added = doc->Figures().size() - before;
    state.PauseTiming();
    doc->History().Undo();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  if (added != 2) state.SkipWithError("no copy with one arrow");
  QCoreApplication::sendPostedEvents();
  doc.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

BENCHMARK(BM_RouteConnector)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DragStepStraight)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DragStepElbow)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuickConnect)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
