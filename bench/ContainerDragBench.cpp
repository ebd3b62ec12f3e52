// Dragging a container with View > Keep Connectors and Labels Attached on: one step of a drag of
// a container holding 200 process boxes (20 columns, 10 rows) and 300 straight arrows between
// them, with 20 arrows from members on its right edge to boxes outside that follow; the step with
// the repaint the user sees, and the same step without it (the moves alone).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "BenchSupport.h"
#include "ConnectorOptions.h"
#include "Diagram.h"
#include "KDTools.h"
#include "TSizer.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"

namespace {

constexpr int kColumns = 20, kRows = 10, kPitchX = 120, kPitchY = 100, kWidth = 80, kHeight = 50;
constexpr int kConnectors = 300;

QuietMainWindow& Main() {
  static QuietMainWindow main;
  return main;
}

struct Scene {
  std::unique_ptr<TwinKedrinFile> doc;
  TCustomKDTool* container = nullptr;
  std::vector<TCustomKDTool*> members;
  int connectors = 0;
};

template <class T>
T* Place(TwinKedrinFile& doc, const QRect& r) {
  auto* f = new T;
  f->ApplyBounds(r.x(), r.y(), r.width(), r.height());
  doc.FigureSet().Adopt(f);
  return f;
}

QRect BoxAt(int col, int row) { return {40 + col * kPitchX, 60 + row * kPitchY, kWidth, kHeight}; }

std::unique_ptr<Scene> MakeScene() {
  auto s = std::make_unique<Scene>();
  s->doc = std::make_unique<TwinKedrinFile>(&Main());
  s->doc->SetTitle(QStringLiteral("Noname.kdl"));
  s->doc->resize(1000, 700);
  s->doc->show();
  TwinKedrinFile& d = *s->doc;
  s->container = Place<TKDRectangle>(d, {0, 0, kColumns * kPitchX + 40, kRows * kPitchY + 60});
  auto* title = Place<TKDLabel>(d, {6, 4, 80, 20});
  title->SetCaption("Container");
  for (int row = 0; row < kRows; ++row)
    for (int col = 0; col < kColumns; ++col) s->members.push_back(Place<TKDProcess>(d, BoxAt(col, row)));
  // Arrows right along the rows, then down the columns, until there are 300.
  for (int row = 0; row < kRows && s->connectors < kConnectors; ++row)
    for (int col = 0; col + 1 < kColumns && s->connectors < kConnectors; ++col) {
      const QRect b = BoxAt(col, row);
      auto* a = Place<TKDArrow>(d, {b.right() + 1, b.y() + kHeight / 2 - 15, kPitchX - kWidth, 30});
      a->SetArrowDirection(adTopToTop);
      ++s->connectors;
    }
  for (int col = 0; col < kColumns && s->connectors < kConnectors; ++col)
    for (int row = 0; row + 1 < kRows && s->connectors < kConnectors; ++row) {
      const QRect b = BoxAt(col, row);
      auto* a = Place<TKDArrow>(d, {b.x() + kWidth / 2 - 15, b.bottom() + 1, 30, kPitchY - kHeight});
      a->SetArrowDirection(adLeftToLeft);
      ++s->connectors;
    }
  // Outside, right of the container: a box per row, joined to the last member of the row.
  const int outside = kColumns * kPitchX + 200;
  for (int row = 0; row < kRows * 2 && row < 20; ++row) {
    const int r = row % kRows;
    const QRect last = BoxAt(kColumns - 1, r);
    Place<TKDProcess>(d, {outside, last.y() + (row / kRows) * 25, kWidth, kHeight / 2});
    auto* a = Place<TKDArrow>(d, {last.right() + 1, last.y() + (row / kRows) * 12, outside - last.right() - 1, 30});
    a->SetArrowDirection(adTopToTop);
  }
  d.SetModified(false);
  QCoreApplication::processEvents();
  return s;
}

TSizer* FrameOf(TwinKedrinFile& doc) {
  for (TCustomControl* c : doc.Surface()->Overlay().Ordered())
    if (auto* f = dynamic_cast<TSizer*>(c); f && !f->Releasing()) return f;
  return nullptr;
}

void Drag(benchmark::State& state, bool paint) {
  ConnectorOptions::Instance().SetKeepAttached(true);
  auto s = MakeScene();
  TwinKedrinFile& d = *s->doc;
  d.FigureSet().Select({s->container});
  TSizer* frame = FrameOf(d);
  if (!frame) {
    state.SkipWithError("no frame");
    return;
  }
  const QRect start = frame->BoundsRect();
  const QRect member = s->members.back()->BoundsRect();
  d.EditStarted(TEditKind::Move, {s->container});
  int step = 0;
  QPoint delta;
  for (auto _ : state) {
    delta = DragDelta(++step);
    frame->SetBoundsRect(start.translated(delta));
    d.FollowStep();  // what the move tracker does after each step
    if (paint) QCoreApplication::processEvents();  // the repaint the user sees
  }
  if (s->members.back()->BoundsRect() != member.translated(delta)) state.SkipWithError("the members did not follow");
  d.EditEnded();
  state.counters["figures"] = static_cast<double>(d.FigureSet().FigureCount());
  QCoreApplication::sendPostedEvents();
  s->doc.reset();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  ConnectorOptions::Instance().SetKeepAttached(false);
}

void BM_ContainerDragStep(benchmark::State& state) { Drag(state, true); }
void BM_ContainerDragStepUnpainted(benchmark::State& state) { Drag(state, false); }

}  // namespace

BENCHMARK(BM_ContainerDragStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ContainerDragStepUnpainted)->Unit(benchmark::kMillisecond);
