// What a chart read from text keeps through the diagram: every example of Mermaid's flowchart
// documentation (tests/data/mermaid-docs) read, drawn as figures, saved and opened as a .kdl file,
// read back as a graph and written as Mermaid again reads as the same graph with the same ids;
// shapes drawn here get ids made from their texts, the same from one save to the next.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <memory>

#include "ByteStream.h"
#include "ChartDrawing.h"
#include "CustomKDTool.h"
#include "DiagramFile.h"
#include "FigureGraph.h"
#include "GraphSummary.h"
#include "Mermaid.h"
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
