// The layout quality of charts nobody here wrote (Mermaid's flowchart documentation and a dozen
// typical DOT charts, tests/data), drawn as File > Import draws them: the time to read, lay out
// and route them all, and the totals of the quality measure as counters (jogs under 15 px, runs
// through shapes and texts, labels on lines, crossings beside those of Graphviz's own curves).
#include <benchmark/benchmark.h>

#include <QDir>

#include "ChartQuality.h"

namespace {

void BM_ChartQuality(benchmark::State& state) {
  struct File {
    QString path;
    flowchart::TextFormat format;
  };
  std::vector<File> files;
  for (const auto& [folder, pattern, format] :
       {std::tuple{QStringLiteral(KEDRIN_TEST_DATA "/mermaid-docs"), QStringLiteral("*.mmd"), flowchart::TextFormat::Mermaid},
        std::tuple{QStringLiteral(KEDRIN_TEST_DATA "/dot-charts"), QStringLiteral("*.gv"), flowchart::TextFormat::Dot}})
    for (const QString& name : QDir(folder).entryList({pattern}, QDir::Files, QDir::Name)) files.push_back({folder + "/" + name, format});
  quality::LayoutQuality total;
  int dot = 0, loops = 0, failed = 0;
  for (auto _ : state) {
    total = {};
    dot = loops = failed = 0;
    for (const File& f : files) {
      const chartquality::Measured m = chartquality::MeasureFile(f.path, f.format);
      failed += !m.error.empty();
      total.connectors += m.quality.connectors, total.bends += m.quality.bends, total.shortJogs += m.quality.shortJogs;
      total.slantedRuns += m.quality.slantedRuns;
      total.crossings += m.quality.crossings, total.throughShapes += m.quality.throughShapes;
      total.throughTexts += m.quality.throughTexts, total.labelsNearLines += m.quality.labelsNearLines;
      total.labelsOverlapping += m.quality.labelsOverlapping;
      dot += m.dotCrossings;
      loops += m.loopsIntoFullDecisions;
    }
  }
  state.counters["charts"] = static_cast<double>(files.size());
  state.counters["connectors"] = total.connectors;
  state.counters["bends"] = total.bends;
  state.counters["jogs"] = total.shortJogs;
  state.counters["slanted_runs"] = total.slantedRuns;
  state.counters["through_shapes"] = total.throughShapes;
  state.counters["through_texts"] = total.throughTexts;
  state.counters["labels_on_lines"] = total.labelsNearLines;
  state.counters["labels_overlapping"] = total.labelsOverlapping;
  state.counters["crossings"] = total.crossings;
  state.counters["graphviz_crossings"] = dot;
  // Beyond Graphviz's own, less the one crossing each loop back into a full decision must make.
  state.counters["crossings_beyond_graphviz"] = total.crossings - dot - loops;
  if (files.empty() || failed) state.SkipWithError("an example chart could not be drawn");
}
BENCHMARK(BM_ChartQuality)->Unit(benchmark::kMillisecond);

}  // namespace
