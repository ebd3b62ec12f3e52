// What a chart read from text keeps through the diagram: every example of Mermaid's flowchart
// documentation (tests/data/mermaid-docs) read, drawn as figures, saved and opened as a .kdl file,
// read back as a graph and written as Mermaid again reads as the same graph with the same ids;
// shapes drawn here get ids made from their texts, the same from one save to the next.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <memory>
#include <set>

#include "ByteStream.h"
#include "ChartDrawing.h"
#include "CustomKDTool.h"
#include "DiagramFile.h"
#include "Dot.h"
#include "FigureGraph.h"
#include "GraphSummary.h"
#include "GraphvizExamples.h"
#include "Mermaid.h"
#include "MermaidText.h"
#include "Writer.h"

namespace {

using Figures = std::vector<std::unique_ptr<TCustomKDTool>>;

// The figures through the record writer and reader, as Save and Open have them.
Figures SavedAndOpened(const Figures& figures) {
  MemoryStream written;
  {
    TWriter writer(written);
    for (const auto& f : figures) writer.WriteShape(*f);
  }
  MemoryStream stream(written.TakeData());
  Figures opened;
  diagramfile::ReadRecords(stream, [&](std::unique_ptr<TCustomKDTool> f) { opened.push_back(std::move(f)); });
  return opened;
}

graph::Graph GraphOf(const Figures& figures) {
  std::vector<const TCustomKDTool*> bottomFirst;
  for (const auto& f : figures) bottomFirst.push_back(f.get());
  return flowchart::GraphOfFigures(bottomFirst);
}

// What Mermaid carries: no sizes, no figures; a direction only where directed edges show one.
std::string Comparable(graph::Graph g) {
  const bool directed = std::any_of(g.edges.begin(), g.edges.end(), [](const graph::Edge& e) { return e.directed; });
  if (!directed) g.direction = graph::Direction::TopToBottom;
  for (graph::Node& n : g.nodes) n.width = n.height = 0, n.figure = 0;
  for (graph::Edge& e : g.edges) e.figures.clear();
  // A diagram draws no direction within a container.
  for (graph::Cluster& c : g.clusters) {
    c.direction.reset();
    if (!graph::mermaid::IsPlainId(c.id) || c.id.starts_with("subgraph_")) c.id = "?";  // written as one made up
  }
  return graphtest::Summary(g);
}

std::string ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

TEST(ChartIds, MermaidsExamplesKeepTheirGraphAndIdsThroughTheDiagram) {
  const QString folder = QStringLiteral(KEDRIN_TEST_DATA "/mermaid-docs");
  const QStringList files = QDir(folder).entryList({QStringLiteral("*.mmd")}, QDir::Files, QDir::Name);
  ASSERT_EQ(files.size(), 111);
  for (const QString& name : files) {
    SCOPED_TRACE(name.toStdString());
    const graph::ParseResult first = graph::ReadMermaid(ReadFile(folder + "/" + name));
    ASSERT_TRUE(first.ok()) << graph::Describe(*first.error);
    const flowchart::DrawnChart drawn = flowchart::DrawChart(*first.graph, {});
    ASSERT_TRUE(drawn.ok()) << drawn.error;
    Figures figures;
    for (const flowchart::FigurePlan& plan : drawn.figures) figures.push_back(flowchart::MakeFigure(plan, {}));
    const std::string written = graph::WriteMermaid(GraphOf(SavedAndOpened(figures)));
    const graph::ParseResult again = graph::ReadMermaid(written);
    ASSERT_TRUE(again.ok()) << graph::Describe(*again.error) << "\n" << written;
    EXPECT_TRUE(again.warnings.empty()) << written;
    EXPECT_EQ(Comparable(*again.graph), Comparable(*first.graph)) << written;
  }
}

// Each edge as its ends' ids and its label: what must come back, however it was drawn.
std::multiset<std::string> EdgesOf(const graph::Graph& g) {
  std::multiset<std::string> edges;
  for (const graph::Edge& e : g.edges) {
    std::string from = g.nodes[static_cast<size_t>(e.from)].id, to = g.nodes[static_cast<size_t>(e.to)].id;
    if ((!e.directed || e.bothHeads) && to < from) std::swap(from, to);  // either way round
    edges.insert(from + (!e.directed ? " -- " : e.bothHeads ? " <-> " : " -> ") + to + " |" + e.label + "|");
  }
  return edges;
}

// Graphviz's regression graphs drawn either way and written out as DOT: no edge lost or moved.
TEST(ChartIds, GraphvizsGraphsKeepEveryEdgeThroughTheDiagram) {
  const QString folder = graphvizexamples::Folder();
  const QStringList files = graphvizexamples::Files(folder);
  if (files.isEmpty()) GTEST_SKIP() << "no Graphviz examples in " << folder.toStdString() << " (package graphviz-doc)";
  for (const QString& name : files) {
    SCOPED_TRACE(name.toStdString());
    const graph::ParseResult read = graph::ReadDot(graphvizexamples::Contents(folder + "/" + name).toStdString());
    ASSERT_TRUE(read.ok()) << graph::Describe(*read.error);
    for (const flowchart::ConnectorForm form : {flowchart::ConnectorForm::Elbow, flowchart::ConnectorForm::Straight}) {
      flowchart::ChartOptions options;
      options.form = form;
      const flowchart::DrawnChart drawn = flowchart::DrawChart(*read.graph, options);
      ASSERT_TRUE(drawn.ok()) << drawn.error;
      Figures figures;
      for (const flowchart::FigurePlan& plan : drawn.figures) figures.push_back(flowchart::MakeFigure(plan, {}));
      const graph::ParseResult back = graph::ReadDot(graph::WriteDot(GraphOf(figures)));
      ASSERT_TRUE(back.ok()) << graph::Describe(*back.error);
      EXPECT_EQ(EdgesOf(*back.graph), EdgesOf(*read.graph)) << (form == flowchart::ConnectorForm::Elbow ? "elbow" : "straight")
                                                              << (drawn.warnings.empty() ? "" : drawn.warnings.front());
    }
  }
}

// Links between the same two nodes are connectors of their own, each with its label, both ways.
class ParallelLinks : public testing::TestWithParam<const char*> {};

TEST_P(ParallelLinks, EachIsItsOwnConnectorWithItsLabel) {
  const graph::ParseResult read = graph::ReadMermaid(GetParam());
  ASSERT_TRUE(read.ok()) << graph::Describe(*read.error);
  for (const flowchart::ConnectorForm form : {flowchart::ConnectorForm::Elbow, flowchart::ConnectorForm::Straight}) {
    flowchart::ChartOptions options;
    options.form = form;
    const flowchart::DrawnChart drawn = flowchart::DrawChart(*read.graph, options);
    ASSERT_TRUE(drawn.ok()) << drawn.error;
    EXPECT_TRUE(drawn.warnings.empty()) << drawn.warnings.front();
    Figures figures;
    for (const flowchart::FigurePlan& plan : drawn.figures) figures.push_back(flowchart::MakeFigure(plan, {}));
    const std::string written = graph::WriteMermaid(GraphOf(SavedAndOpened(figures)));
    const graph::ParseResult back = graph::ReadMermaid(written);
    ASSERT_TRUE(back.ok()) << written;
    EXPECT_EQ(EdgesOf(*back.graph), EdgesOf(*read.graph)) << written;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Charts, ParallelLinks,
    testing::Values("flowchart TD\nA -->|yes| B\nA -->|no| B", "flowchart LR\nA -->|go| B\nB -->|back| A",
                    "flowchart TD\nA{Ask} -->|one| B\nA -->|two| B\nA -->|three| B",
                    "flowchart TD\nA ---|a| B\nA ---|b| B", "flowchart TD\nA -->|x| B -->|y| A\nA -->|z| B",
                    "flowchart LR\nA <-->|both| B\nA -->|one| B\nB <-.-> C"));

// Shapes drawn in the editor have no id: one is made from the text, unique, the same after a save.
TEST(ChartIds, ShapesDrawnHereGetIdsFromTheirTexts) {
  graph::Graph g;
  for (const char* text : {"Check stock", "Check stock", "Is it ok?", "", "end", "\xE5\xBC\x80\xE5\xA7\x8B"}) {
    graph::Node n;
    n.text = text;
    g.nodes.push_back(n);
  }
  graph::Edge e;
  e.from = 0;
  e.to = 2;
  g.edges.push_back(e);
  flowchart::DrawnChart drawn = flowchart::DrawChart(g, {});
  ASSERT_TRUE(drawn.ok()) << drawn.error;
  Figures figures;
  for (const flowchart::FigurePlan& plan : drawn.figures) figures.push_back(flowchart::MakeFigure(plan, {}));
  const std::string before = graph::WriteMermaid(GraphOf(figures));
  const std::string after = graph::WriteMermaid(GraphOf(SavedAndOpened(figures)));
  EXPECT_EQ(after, before);
  const graph::ParseResult read = graph::ReadMermaid(before);
  ASSERT_TRUE(read.ok());
  std::vector<std::string> ids;
  for (const graph::Node& n : read.graph->nodes) ids.push_back(n.id);
  EXPECT_EQ(ids, (std::vector<std::string>{"Check_stock", "Check_stock_2", "Is_it_ok", "n", "end_2",
                                           "\xE5\xBC\x80\xE5\xA7\x8B"}));
}

}  // namespace
