// SVG and PDF export of the 10,000-figure grid workload (bench/support/GridDiagram): figures as
// paths, captions as text, into memory. Budget: under 1 s each.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <memory>
#include <vector>

#include "ExportPicture.h"
#include "GridDiagram.h"

namespace {

const exporting::PicturePlan& Plan() {
  // Widgets must not outlive the application: the figures are kept to the end, never destroyed.
  static auto& owned = *new std::vector<std::unique_ptr<TCustomKDTool>>(MakeGridDiagram(10000));
  static const std::vector<const TCustomKDTool*> raw = RawFigures(owned);
  static const exporting::PicturePlan plan = exporting::PlanExport(raw, {}, exporting::ExportOptions{});
  return plan;
}

template <bool (*Write)(const exporting::PicturePlan&, QIODevice&, const QString&)>
void Vector(benchmark::State& state) {
  const exporting::PicturePlan& plan = Plan();
  qint64 bytes = 0;
  for (auto _ : state) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!Write(plan, buffer, QStringLiteral("grid"))) state.SkipWithError("not written");
    bytes = out.size();
  }
  // Ten thousand figures take more than a few bytes each.
  if (bytes < 10000 * 20) state.SkipWithError("too little output for the figures");
  state.counters["bytes"] = static_cast<double>(bytes);
  state.SetItemsProcessed(state.iterations() * 10000);
}

void BM_ExportSvg10k(benchmark::State& state) { Vector<exporting::WriteSvg>(state); }
void BM_ExportPdf10k(benchmark::State& state) { Vector<exporting::WritePdf>(state); }
BENCHMARK(BM_ExportSvg10k)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ExportPdf10k)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
