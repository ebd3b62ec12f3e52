// Arrange > Auto Layout of a cross-functional chart: 100 steps in a pool of 5 lanes drawn by hand
// (each step in the lane of its number modulo 5, each leading to the next and every other one to
// the sixth after it), until the document is repainted, as the editor runs it (planned on a
// thread of its own, laid out in the layout program).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "BenchSupport.h"
#include "ChartWork.h"
#include "ConnectorPlanner.h"
#include "DocumentCharts.h"
#include "FigurePlan.h"
#include "Focus.h"
#include "TwinKedrinFile.h"

namespace {

constexpr int kLanes = 5;
constexpr int kLaneDepth = 120;

flowchart::FigurePlan Plan(semantics::ItemKind kind, QRect box, std::string caption = {}) {
  flowchart::FigurePlan p;
  p.kind = kind;
  p.box = box;
  p.caption = std::move(caption);
  if (kind == semantics::ItemKind::Label) p.brush = bsClear, p.lineWidth = 1;
  return p;
}

flowchart::DrawnChart Pool(int steps) {
  flowchart::DrawnChart chart;
  const int columns = (steps + kLanes - 1) / kLanes;
  for (int l = 0; l < kLanes; ++l) {
    chart.figures.push_back(Plan(semantics::ItemKind::Rectangle, QRect(20, 20 + l * kLaneDepth, 160 * columns + 40, kLaneDepth)));
    chart.figures.push_back(Plan(semantics::ItemKind::Label, QRect(28, 24 + l * kLaneDepth, 80, 16), "Lane " + std::to_string(l)));
  }
  std::vector<QRect> boxes;
  for (int i = 0; i < steps; ++i) {
    const QRect box(60 + (i / kLanes) * 160, 60 + (i % kLanes) * kLaneDepth, 100, 40);
    boxes.push_back(box);
    chart.figures.push_back(Plan(semantics::ItemKind::Process, box));
    chart.figures.push_back(Plan(semantics::ItemKind::Label, box.adjusted(10, 12, -10, -12), "Step " + std::to_string(i)));
  }
  const auto arrow = [&](int from, int to) {
    const QRect a = boxes[static_cast<size_t>(from)], b = boxes[static_cast<size_t>(to)];
    const bool down = a.left() == b.left();
    const QPoint p = down ? QPoint(a.center().x(), a.bottom() + 1) : QPoint(a.right() + 1, a.center().y());
    const QPoint q = down ? QPoint(b.center().x(), b.top()) : QPoint(b.left(), b.center().y());
    chart.figures.push_back(flowchart::RouteSegments({p, q}, {}, true).front());
  };
  for (int i = 0; i + 1 < steps; ++i) arrow(i, i + 1);
  for (int i = 0; i + 6 < steps; i += 2) arrow(i, i + 6);
  return chart;
}

void BM_LaneAutoLayout(benchmark::State& state) {
  QuietMainWindow main;
  focus::Install();
  RegisterFigureClasses();
  auto* doc = new TwinKedrinFile(&main);
  doc->resize(700, 480);
  doc->show();
  flowchart::FillDocument(*doc, Pool(static_cast<int>(state.range(0))));
  QCoreApplication::processEvents();
  flowchart::WorkWithProgress work(doc, layoutproc::Limits{});
  bool laid = true;
  for (auto _ : state) {
    const std::optional<flowchart::Outcome> done =
        flowchart::AutoLayout(*doc, graph::Direction::LeftToRight, flowchart::ConnectorForm::Elbow, work);
    QCoreApplication::processEvents();  // the repaint the user sees
    laid = laid && done && !done->figures.empty();
  }
  if (!laid) state.SkipWithError("nothing was laid out");
  delete doc;
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(BM_LaneAutoLayout)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(4);

}  // namespace
