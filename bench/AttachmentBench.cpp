// Glued connectors on a large diagram: finding what follows a drag of a large group through the
// canvas's child index, and one drag step of those followers. A diagram of n closed figures in
// rows of 100 (all five outlines in turn), n / 2 lines and arrows each joining a figure to its
// right-hand neighbour, and a label on every tenth figure; the moving group is every other figure
// (a checkerboard), so every connector has exactly one end on a moving figure.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHash>
#include <QMainWindow>
#include <memory>

#include "AttachmentFinder.h"
#include "BenchSupport.h"
#include "ConnectorFollowing.h"
#include "Diagram.h"
#include "ConnectorGeometry.h"
#include "Follow.h"
#include "KDTools.h"
#include "TScrollBox.h"

namespace {

using namespace connectors;

constexpr int kColumns = 100;
constexpr int kPitchX = 120, kPitchY = 100, kWidth = 80, kHeight = 50;

struct Scene {
  // The diagram outlives the window that shows it.
  Diagram diagram;
  std::unique_ptr<QMainWindow> window;
  TCanvasSurface* surface = nullptr;
  std::vector<TCustomKDTool*> closed;
  std::vector<TCustomKDTool*> moving;
  int connectors = 0, movingLabels = 0;
};

bool IsMoving(int i) { return (i % kColumns + i / kColumns) % 2 == 0; }

std::unique_ptr<Scene> MakeScene(int n) {
  auto s = std::make_unique<Scene>();
  s->window = std::make_unique<QMainWindow>();
  auto* box = new TScrollBox;
  s->window->setCentralWidget(box);
  s->window->resize(700, 480);
  s->surface = box->Surface();
  s->surface->SetContent(&s->diagram);
  s->surface->hide();
  auto place = [&](TCustomKDTool* f, int l, int t, int w, int h) {
    f->ApplyBounds(l, t, w, h);
    f->SetParentControl(s->surface);
  };
  for (int i = 0; i < n; ++i) {
    TCustomKDTool* f;
    switch (i % 5) {
      case 0: f = new TKDBegin; break;
      case 1: f = new TKDProcess; break;
      case 2: f = new TKDEllipse; break;
      case 3: f = new TKDRectangle; break;
      default: f = new TKDDiamond; break;
    }
    place(f, (i % kColumns) * kPitchX, (i / kColumns) * kPitchY, kWidth, kHeight);
    s->closed.push_back(f);
    if (IsMoving(i)) s->moving.push_back(f);
  }
  // From each even column's figure to its right-hand neighbour, along the middle row of pixels:
  // a mark's circle (radius 23 in 80 x 50) reaches 17 pixels less far than the box.
  for (int i = 0; i + 1 < n; i += 2) {
    const int l = (i % kColumns) * kPitchX, y = (i / kColumns) * kPitchY + kHeight / 2;
    const int from = l + (i % 5 == 0 ? 63 : kWidth), to = l + kPitchX + ((i + 1) % 5 == 0 ? 17 : 0);
    if (i % 4 == 0) {
      auto* a = new TKDArrow;
      place(a, from, y - 15, to - from, 30);
      a->SetArrowDirection(adTopToTop);
    } else {
      auto* line = new TKDLine;
      place(line, from, y - 2, to - from, 4);
      line->SetOrientation(adTopToTop);
    }
    ++s->connectors;
  }
  for (int i = 0; i < n; i += 10) {
    place(new TKDLabel, (i % kColumns) * kPitchX + 20, (i / kColumns) * kPitchY + 15, 40, 20);
    if (IsMoving(i)) ++s->movingLabels;
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

// What the document does when a drag starts: stacking from one walk over the children, then
// one index query per moving figure.
struct DragStart {
  const TControlLayer* layer = nullptr;
  Attachments found;
};

Figure Describe(const TCustomKDTool* f, const DragStart& drag) { return DescribeFigure(*f, drag.layer->StackIndex(f)); }

void FindFollowers(Scene& s, DragStart& drag) {
  drag.layer = &s.surface->Content();
  std::vector<Figure> moving;
  moving.reserve(s.moving.size());
  for (const TCustomKDTool* f : s.moving) moving.push_back(Describe(f, drag));
  std::vector<TCustomControl*> hits;
  const FigureQuery query = [&](const QRect& area, std::vector<Figure>& out) {
    hits.clear();
    drag.layer->Query(area, hits);
    for (TCustomControl* c : hits)
      if (auto* f = dynamic_cast<const TCustomKDTool*>(c)) out.push_back(Describe(f, drag));
  };
  drag.found = FindAttachments(moving, query);
}

bool Complete(benchmark::State& state, const Scene& s, const Attachments& found) {
  if (static_cast<int>(found.connectors.size()) != s.connectors ||
      static_cast<int>(found.labels.size()) != s.movingLabels) {
    state.SkipWithError("not every connector and label on a moving figure was found");
    return false;
  }
  return true;
}

void BM_FindAttachments(benchmark::State& state) {
  auto scene = MakeScene(static_cast<int>(state.range(0)));
  DragStart drag;
  for (auto _ : state) {
    FindFollowers(*scene, drag);
    benchmark::DoNotOptimize(drag.found.connectors.data());
  }
  if (Complete(state, *scene, drag.found)) {
    state.counters["moving"] = static_cast<double>(scene->moving.size());
    state.counters["connectors"] = static_cast<double>(drag.found.connectors.size());
    state.counters["labels"] = static_cast<double>(drag.found.labels.size());
  }
  Teardown(std::move(scene));
}

// The finder alone: the same diagram described once into plain records and queried through a
// simple grid of them, so that the cost of reading widgets and of the canvas's index is left out.
void BM_FindAttachmentsRecords(benchmark::State& state) {
  auto scene = MakeScene(static_cast<int>(state.range(0)));
  DragStart drag;
  FindFollowers(*scene, drag);
  constexpr int kCell = 128;
  QHash<qint64, std::vector<Figure>> grid;
  std::vector<Figure> moving;
  for (TCustomControl* c : scene->surface->Content().Controls()) {
    auto* f = dynamic_cast<const TCustomKDTool*>(c);
    if (!f) continue;
    const Figure d = Describe(f, drag);
    const QRect& b = d.box;
    for (int cy = b.top() / kCell; cy <= (b.bottom()) / kCell; ++cy)
      for (int cx = b.left() / kCell; cx <= (b.right()) / kCell; ++cx) grid[(qint64{cx} << 32) | cy].push_back(d);
  }
  for (const TCustomKDTool* f : scene->moving) moving.push_back(Describe(f, drag));
  const FigureQuery query = [&](const QRect& area, std::vector<Figure>& out) {
    for (int cy = area.top() / kCell; cy <= area.bottom() / kCell; ++cy)
      for (int cx = area.left() / kCell; cx <= area.right() / kCell; ++cx) {
        auto it = grid.constFind((qint64{cx} << 32) | cy);
        if (it == grid.cend()) continue;
        for (const Figure& f : *it)
          if (f.box.intersects(area)) out.push_back(f);
      }
  };
  Attachments found;
  for (auto _ : state) {
    found = FindAttachments(moving, query);
    benchmark::DoNotOptimize(found.connectors.data());
  }
  Complete(state, *scene, found);
  Teardown(std::move(scene));
}

void BM_FollowDragStep(benchmark::State& state) {
  auto scene = MakeScene(static_cast<int>(state.range(0)));
  DragStart drag;
  FindFollowers(*scene, drag);
  if (!Complete(state, *scene, drag.found)) {
    Teardown(std::move(scene));
    return;
  }
  // The group wanders about its start as a drag does; each step is computed from the start.
  int step = 0;
  QPoint delta;
  Followers followers;
  for (auto _ : state) {
    ++step;
    delta = QPoint(step % 37 - 18, step % 23 - 11);
    followers = FollowMove(drag.found, delta);
    benchmark::DoNotOptimize(followers.connectors.data());
  }
  // The last step rebuilt the last connector through its moved end.
  const ConnectorLink& link = drag.found.connectors.back();
  const Ends before = EndsOf(link.connector), after = EndsOf(followers.connectors.back());
  const QPoint moved = link.start ? before.start + delta : before.end + delta;
  if (after.start != moved && after.end != moved) state.SkipWithError("the followers did not follow");
  const double count = static_cast<double>(followers.connectors.size() + followers.labels.size());
  state.counters["followers"] = count;
  state.counters["per_follower"] =
      benchmark::Counter(count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  Teardown(std::move(scene));
}

// What the document itself does when the group's drag starts: the followers found through the
// canvas's index by ConnectorFollowing.
void BM_WiredFind(benchmark::State& state) {
  auto scene = MakeScene(static_cast<int>(state.range(0)));
  std::unique_ptr<ConnectorFollowing> following;
  for (auto _ : state) {
    following = ConnectorFollowing::Find(scene->diagram, scene->moving);
    benchmark::DoNotOptimize(following.get());
  }
  const size_t expected = static_cast<size_t>(scene->connectors + scene->movingLabels);
  if (!following || following->Followers().size() != expected) state.SkipWithError("not every follower was found");
  Teardown(std::move(scene));
}

// One step of the document's drag: the group's figures put at the step's place, then every
// follower widget rebuilt and placed by ConnectorFollowing::Step.
void BM_WiredFollowStep(benchmark::State& state) {
  auto scene = MakeScene(static_cast<int>(state.range(0)));
  std::unique_ptr<ConnectorFollowing> following = ConnectorFollowing::Find(scene->diagram, scene->moving);
  if (!following) {
    state.SkipWithError("nothing follows");
    Teardown(std::move(scene));
    return;
  }
  std::vector<QRect> start;
  for (const TCustomKDTool* f : scene->moving) start.push_back(f->BoundsRect());
  const TCustomKDTool* first = following->Followers().front();
  const Ends before = EndsOf(DescribeFigure(*first, 0));
  int step = 0;
  QPoint delta;
  for (auto _ : state) {
    delta = DragDelta(++step);
    PlaceMoved(scene->moving, start, delta);
    following->Step();
    QCoreApplication::processEvents();  // the repaint the user sees
  }
  // The first follower joins a moving figure to a staying one: one of its ends went along. A
  // connector between two shapes is laid anew, so its end may slide along the side or take
  // another side: it is enough that an end left its place.
  const Ends after = EndsOf(DescribeFigure(*first, 0));
  if (after.start == before.start && after.end == before.end)
    state.SkipWithError("the followers did not follow");
  state.counters["followers"] = static_cast<double>(following->Followers().size());
  Teardown(std::move(scene));
}

}  // namespace

BENCHMARK(BM_WiredFind)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WiredFollowStep)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindAttachments)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindAttachmentsRecords)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FollowDragStep)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
