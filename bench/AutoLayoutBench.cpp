// Flowcharts on the editor's own diagrams: finding the graph of a 10,000-figure diagram as the
// document describes it; Arrange > Auto Layout of generated charts of 100 and 1,000 shapes (one
// and a half connectors per shape, every tenth labelled) until the document is repainted, as the
// editor runs it (planned on a thread of its own, laid out in the layout program); what the layout
// program costs a 100-shape Auto Layout against Graphviz in this process; pastes of hostile charts
// until drawn or refused; and `kdltool render` of a 50-node Mermaid chart to PNG as a whole process.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QUndoStack>
#include <chrono>
#include <cstdint>
#include <string>

#include "BenchSupport.h"
#include "ChartWork.h"
#include "Diagram.h"
#include "DiagramChanges.h"
#include "DocumentCharts.h"
#include "FigureGraph.h"
#include "Focus.h"
#include "Graph.h"
#include "TwinKedrinFile.h"

namespace {

// A chart in ranks of ten: every node above the last rank leads to one of the next rank, the
// other edges from random nodes two or three ranks on. Deterministic.
graph::Graph Chart(int nodes) {
  graph::Graph g;
  uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 16) & 0x7FFF; };
  for (int i = 0; i < nodes; ++i) {
    graph::Node n;
    n.id = "n" + std::to_string(i);
    n.text = "Step " + std::to_string(i);
    n.shape = i % 7 == 3 ? graph::Shape::Decision : graph::Shape::Process;
    g.nodes.push_back(n);
  }
  const int ranks = (nodes + 9) / 10;
  auto add = [&](int from, int rank) {
    graph::Edge e;
    e.from = from;
    e.to = std::min(nodes - 1, std::min(rank, ranks - 1) * 10 + static_cast<int>(next() % 10));
    if (g.edges.size() % 10 == 0) e.label = "yes";
    g.edges.push_back(e);
  };
  const int above = std::max(1, nodes - 10);
  for (int i = 0; i < above; ++i) add(i, i / 10 + 1);
  while (static_cast<int>(g.edges.size()) < nodes * 3 / 2) {
    const int from = static_cast<int>(next() % static_cast<uint32_t>(above));
    add(from, from / 10 + 2 + static_cast<int>(next() % 2));
  }
  return g;
}

TwinKedrinFile* ChartDocument(QuietMainWindow& main, const graph::Graph& chart) {
  focus::Install();
  RegisterFigureClasses();
  auto* doc = new TwinKedrinFile(&main);
  doc->resize(700, 480);
  doc->show();
  flowchart::FillDocument(*doc, flowchart::DrawForImport(chart, flowchart::ConnectorForm::Elbow));
  QCoreApplication::processEvents();
  return doc;
}

void Close(TwinKedrinFile* doc) {
  delete doc;
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// What Auto Layout and Export find first: the figures described, indexed and read as a graph.
void BM_DiagramGraph(benchmark::State& state) {
  QuietMainWindow main;
  // Each shape with its text, an arrow on, one in four labelled: 10,000 figures of 3,000 shapes.
  graph::Graph g = Chart(static_cast<int>(state.range(0)) * 3 / 10);
  g.edges.resize(g.nodes.size() - 1);
  for (size_t k = 0; k < g.edges.size(); ++k) g.edges[k].label = k % 4 == 0 ? "yes" : "";
  TwinKedrinFile* doc = ChartDocument(main, g);
  size_t edges = 0;
  for (auto _ : state) {
    const graph::Graph found = flowchart::GraphOfItems(flowchart::ItemsOfDiagram(doc->FigureSet()));
    edges = found.edges.size();
  }
  state.counters["figures"] = static_cast<double>(doc->FigureSet().FigureCount());
  state.counters["edges"] = static_cast<double>(edges);
  if (edges != g.edges.size()) state.SkipWithError("the graph was not found whole");
  Close(doc);
}
BENCHMARK(BM_DiagramGraph)->Arg(10000)->Unit(benchmark::kMillisecond);

bool LayOut(TwinKedrinFile* doc, flowchart::ChartWork& work, bool across) {
  const std::optional<flowchart::Outcome> done = flowchart::AutoLayout(
      *doc, across ? graph::Direction::LeftToRight : graph::Direction::TopToBottom, flowchart::ConnectorForm::Elbow, work);
  QCoreApplication::processEvents();  // the repaint the user sees
  return done && !done->figures.empty();
}

void BM_AutoLayout(benchmark::State& state) {
  QuietMainWindow main;
  const graph::Graph g = Chart(static_cast<int>(state.range(0)));
  TwinKedrinFile* doc = ChartDocument(main, g);
  flowchart::WorkWithProgress work(doc, layoutproc::Limits{});
  bool laid = true;
  for (auto _ : state) {
    // The other direction each time, so that every shape moves.
    laid = LayOut(doc, work, state.iterations() % 2 == 0) && laid;
  }
  state.counters["nodes"] = static_cast<double>(g.nodes.size());
  state.counters["edges"] = static_cast<double>(g.edges.size());
  if (!laid) state.SkipWithError("nothing was laid out");
  Close(doc);
}
BENCHMARK(BM_AutoLayout)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(4);

// The same Auto Layout through the editor's way and with Graphviz in this process, in turns so
// that both see the same machine: the mean difference is what the layout program, its thread
// and its pipes add.
void BM_LayoutProcessOverhead(benchmark::State& state) {
  QuietMainWindow main;
  const graph::Graph g = Chart(static_cast<int>(state.range(0)));
  TwinKedrinFile* doc = ChartDocument(main, g);
  flowchart::WorkWithProgress child(doc, layoutproc::Limits{});
  flowchart::WorkHere here;
  using Clock = std::chrono::steady_clock;
  double childMs = 0, hereMs = 0;
  // Fonts, Graphviz's plugins and the first layout program ready, as in an editor in use.
  bool laid = LayOut(doc, here, false) && LayOut(doc, child, true);
  const auto settle = [] {
    const auto ready = std::chrono::steady_clock::now() + std::chrono::milliseconds(1000);
    while (std::chrono::steady_clock::now() < ready) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  };
  settle();
  for (auto _ : state) {
    const bool across = state.iterations() % 2 == 0;
    const Clock::time_point start = Clock::now();
    laid = LayOut(doc, child, across) && laid;
    const Clock::time_point middle = Clock::now();
    laid = LayOut(doc, here, !across) && laid;
    const Clock::time_point end = Clock::now();
    childMs += std::chrono::duration<double, std::milli>(middle - start).count();
    hereMs += std::chrono::duration<double, std::milli>(end - middle).count();
    // A user's next Auto Layout comes seconds later, when the spare program the last one left
    // has warmed up; here it would still be warming up and take the processor from both runs.
    state.PauseTiming();
    settle();
    state.ResumeTiming();
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["child_ms"] = childMs / n;
  state.counters["in_process_ms"] = hereMs / n;
  state.counters["overhead_ms"] = (childMs - hereMs) / n;
  if (!laid) state.SkipWithError("nothing was laid out");
  Close(doc);
}
BENCHMARK(BM_LayoutProcessOverhead)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(10);

// Hostile charts pasted as the editor pastes them, until the chart is drawn or refused: 300
// shapes with 900 random links (Graphviz alone ran past two minutes on such a chart), and a chain
// of 200,000 steps (3.4 MB, which overflowed Graphviz's stack in the editor). Each paste is undone
// before the next.
std::string RandomLinks(int nodes, int links) {
  std::string text = "flowchart TD\n";
  uint32_t seed = 7;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u, (seed >> 8) % 0xFFFFFFu; };
  for (int k = 0; k < links; ++k)
    text += "  N" + std::to_string(next() % static_cast<uint32_t>(nodes)) + " --> N" +
            std::to_string(next() % static_cast<uint32_t>(nodes)) + "\n";
  return text;
}

std::string Chain(int steps) {
  std::string text = "flowchart TD\n";
  for (int i = 0; i < steps; ++i) text += "s" + std::to_string(i) + "-->s" + std::to_string(i + 1) + "\n";
  return text;
}

void PasteHostile(benchmark::State& state, const std::string& text, bool refused) {
  QuietMainWindow main;
  focus::Install();
  RegisterFigureClasses();
  auto* doc = new TwinKedrinFile(&main);
  doc->resize(700, 480);
  doc->show();
  flowchart::WorkWithProgress work(doc, layoutproc::Limits{});
  const QString chart = QString::fromStdString(text);
  std::string outcome;
  for (auto _ : state) {
    try {
      flowchart::PasteChart(*doc, chart, QPoint(20, 20), flowchart::ConnectorForm::Elbow, work);
      QCoreApplication::processEvents();
      outcome = "drawn";
    } catch (const std::exception& e) {
      outcome = e.what();
    }
    state.PauseTiming();
    if (doc->UndoStack()->canUndo()) doc->Undo();
    state.ResumeTiming();
  }
  state.counters["bytes"] = static_cast<double>(text.size());
  if (refused != (outcome != "drawn")) state.SkipWithError(("unexpected outcome: " + outcome).c_str());
  Close(doc);
}

void BM_PasteDenseChart(benchmark::State& state) { PasteHostile(state, RandomLinks(300, 900), false); }
BENCHMARK(BM_PasteDenseChart)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void BM_PasteLongChain(benchmark::State& state) { PasteHostile(state, Chain(200000), true); }
BENCHMARK(BM_PasteLongChain)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// A 50-node chart as people write them: shapes, chains, labels, styles and classes.
std::string MermaidChart() {
  std::string text = "flowchart TD\n    %% generated\n";
  for (int i = 0; i < 50; ++i) {
    const std::string id = "N" + std::to_string(i);
    const char* open[] = {"[", "(", "{", "((", "[[", "(["};
    const char* close[] = {"]", ")", "}", "))", "]]", "])"};
    text += "    " + id + open[i % 6] + "\"Step " + std::to_string(i) + " (of 50)\"" + close[i % 6];
    if (i > 0) text += " --> N" + std::to_string(i - 1 - (i * 7) % std::min(i, 5));
    text += "\n";
    if (i % 5 == 0 && i + 2 < 50)
      text += "    " + id + " -->|yes| N" + std::to_string(i + 2) + " -. no .-> N" + std::to_string(i + 1) + "\n";
  }
  text += "    classDef hot fill:#f96,stroke:#333,stroke-width:2px\n    class N1,N2,N3 hot\n    style N4 fill:#bbf\n";
  return text;
}

void BM_RenderProcess(benchmark::State& state) {
  QTemporaryDir dir;
  const QString chart = dir.filePath(QStringLiteral("chart.mmd")), picture = dir.filePath(QStringLiteral("chart.png"));
  QFile file(chart);
  if (!file.open(QIODevice::WriteOnly) || file.write(QByteArray::fromStdString(MermaidChart())) < 0) {
    state.SkipWithError("cannot write the chart");
    return;
  }
  file.close();
  for (auto _ : state) {
    QProcess kdltool;
    kdltool.start(QStringLiteral(KDLTOOL_BIN), {QStringLiteral("render"), chart, picture});
    if (!kdltool.waitForFinished(30000) || kdltool.exitStatus() != QProcess::NormalExit || kdltool.exitCode() != 0) {
      state.SkipWithError(("kdltool render failed: " + kdltool.readAllStandardError().toStdString()).c_str());
      return;
    }
  }
  state.counters["bytes"] = static_cast<double>(QFile(picture).size());
}
BENCHMARK(BM_RenderProcess)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
