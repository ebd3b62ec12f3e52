// Charts nobody here wrote, drawn and read back: every flowchart example of Mermaid's
// documentation (tests/data/mermaid) and every directed graph Debian's graphviz installs. Each is
// drawn without a failure and its figures read back with as many shapes and connectors as the
// source holds: the hand-made counts of the examples' README, and Graphviz's own gc for DOT.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "ChartDrawing.h"
#include "ChartSupport.h"
#include "ChartText.h"
#include "CustomKDTool.h"
#include "FigureGraph.h"
#include "GraphvizExamples.h"

namespace {

struct Counts {
  size_t nodes, links;  // the links the diagram can hold: invisible ones left out
};

// From tests/data/mermaid/README.md: nodes, and links less those left out.
const std::map<std::string, Counts> kMermaid{
    {"01-node.mmd", {1, 0}},        {"02-node-with-text.mmd", {1, 0}},  {"03-unicode.mmd", {1, 0}},
    {"04-markdown.mmd", {2, 1}},    {"05-direction.mmd", {2, 1}},       {"06-stadium.mmd", {1, 0}},
    {"07-subroutine.mmd", {1, 0}},  {"08-cylinder.mmd", {1, 0}},        {"09-circle.mmd", {1, 0}},
    {"10-asymmetric.mmd", {1, 0}},  {"11-rhombus.mmd", {1, 0}},         {"12-hexagon.mmd", {1, 0}},
    {"13-trapezoid.mmd", {1, 0}},   {"14-double-circle.mmd", {1, 0}},   {"15-text-on-link.mmd", {2, 1}},
    {"16-text-on-link-bars.mmd", {2, 1}}, {"17-dotted-link.mmd", {2, 1}}, {"18-thick-link-with-text.mmd", {2, 1}},
    {"19-invisible-link.mmd", {2, 0}}, {"20-chaining.mmd", {3, 2}},     {"21-chaining-ampersand.mmd", {4, 4}},
    {"22-ampersand-both-sides.mmd", {4, 4}}, {"23-circle-edge.mmd", {2, 1}}, {"24-multi-directional.mmd", {4, 3}},
    {"25-minimum-length.mmd", {5, 5}}, {"26-minimum-length-text.mmd", {5, 5}}, {"27-quoted-text.mmd", {1, 0}},
    {"28-entity-codes.mmd", {2, 1}}, {"29-subgraphs.mmd", {6, 4}},      {"30-links-to-subgraphs.mmd", {6, 7}},
    {"31-direction-in-subgraphs.mmd", {6, 5}}, {"32-markdown-strings.mmd", {4, 2}}, {"33-interaction.mmd", {4, 3}},
    {"34-comments.mmd", {3, 2}},    {"35-styling-a-node.mmd", {2, 1}},  {"36-class-shorthand.mmd", {2, 1}},
    {"37-classes-on-links.mmd", {3, 2}}, {"38-css-classes.mmd", {3, 2}}, {"39-fontawesome.mmd", {4, 3}},
    {"40-spaces-without-semicolon.mmd", {5, 4}},
};

graph::Graph DrawnAndRead(const graph::Graph& g, flowchart::ConnectorForm form) {
  flowchart::ChartOptions options;
  options.form = form;
  const flowchart::DrawnChart drawn = flowchart::DrawChart(g, options);
  EXPECT_TRUE(drawn.ok()) << drawn.error;
  // As the editor and kdltool have it: the figures made, then described again.
  std::vector<std::unique_ptr<TCustomKDTool>> figures;
  std::vector<const TCustomKDTool*> bottomFirst;
  for (const flowchart::FigurePlan& plan : drawn.figures) {
    figures.push_back(flowchart::MakeFigure(plan, options.font));
    bottomFirst.push_back(figures.back().get());
  }
  return flowchart::GraphOfItems(flowchart::ItemsOfFigures(bottomFirst));
}

TEST(ForeignCharts, MermaidsExamplesDrawWithTheirCounts) {
  const QString folder = QStringLiteral(KEDRIN_TEST_DATA "/mermaid");
  const QStringList files = QDir(folder).entryList({QStringLiteral("*.mmd")}, QDir::Files, QDir::Name);
  ASSERT_EQ(static_cast<size_t>(files.size()), kMermaid.size());
  for (const QString& name : files) {
    SCOPED_TRACE(name.toStdString());
    const flowchart::ChartFile chart = flowchart::ReadChartFile(folder + "/" + name, flowchart::TextFormat::Mermaid);
    const Counts expected = kMermaid.at(name.toStdString());
    for (flowchart::ConnectorForm form : {flowchart::ConnectorForm::Elbow, flowchart::ConnectorForm::Straight}) {
      const graph::Graph back = DrawnAndRead(chart.graph, form);
      EXPECT_EQ(back.nodes.size(), expected.nodes);
      EXPECT_EQ(back.edges.size(), expected.links);
    }
  }
}

TEST(ForeignCharts, GraphvizsDirectedGraphsDrawWithGcsCounts) {
  const QString folder = graphvizexamples::Folder();
  const QStringList files = graphvizexamples::Files(folder);
  if (files.isEmpty()) GTEST_SKIP() << "no Graphviz examples in " << folder.toStdString() << " (package graphviz-doc)";
  const QString gc = graphvizexamples::Gc();
  if (gc.isEmpty()) GTEST_SKIP() << "Graphviz's gc is not installed (package graphviz)";
  size_t drawn = 0;
  for (const QString& name : files) {
    SCOPED_TRACE(name.toStdString());
    const QByteArray text = graphvizexamples::Contents(folder + "/" + name);
    ASSERT_FALSE(text.isEmpty());
    const std::optional<std::pair<size_t, size_t>> expected = graphvizexamples::GcCounts(gc, text);
    ASSERT_TRUE(expected.has_value());
    const graph::ParseResult read = flowchart::ParseChart(text.toStdString(), flowchart::TextFormat::Dot);
    ASSERT_TRUE(read.ok()) << graph::Describe(*read.error);
    const graph::Graph back = DrawnAndRead(*read.graph, flowchart::ConnectorForm::Elbow);
    EXPECT_EQ(back.nodes.size(), expected->first);
    EXPECT_EQ(back.edges.size(), expected->second);
    ++drawn;
  }
  EXPECT_EQ(drawn, static_cast<size_t>(files.size()));
}

}  // namespace
