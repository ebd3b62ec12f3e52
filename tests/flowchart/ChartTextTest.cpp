// Flowcharts as text files: which names and which texts are flowcharts, reading a file with the
// messages naming it (and the line and column of a syntax error), writing one whole.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ChartSupport.h"
#include "ChartText.h"
#include "Errors.h"
#include "Mermaid.h"

namespace {

using flowchart::SniffChart;
using flowchart::TextFormat;

struct SniffCase {
  const char* text;
  std::optional<TextFormat> format;
};

class Sniff : public testing::TestWithParam<SniffCase> {};
INSTANTIATE_TEST_SUITE_P(
    Texts, Sniff,
    testing::Values(SniffCase{"flowchart TD\nA-->B", TextFormat::Mermaid}, SniffCase{"graph LR;A-->B", TextFormat::Mermaid},
                    SniffCase{"  \n%% a note\n%% another\n  graph\nA", TextFormat::Mermaid},
                    SniffCase{"digraph { a -> b }", TextFormat::Dot}, SniffCase{"strict digraph g {}", TextFormat::Dot},
                    SniffCase{"graph g { a -- b }", TextFormat::Dot}, SniffCase{"graph {\n a -- b }", TextFormat::Dot},
                    SniffCase{"graphs are nice", std::nullopt}, SniffCase{"flowcharts", std::nullopt},
                    SniffCase{"Hello", std::nullopt}, SniffCase{"", std::nullopt}, SniffCase{"%% only a note", std::nullopt},
                    SniffCase{"sequenceDiagram\nA->>B: hi", std::nullopt}));

TEST_P(Sniff, FlowchartsByHowTheyStart) { EXPECT_EQ(SniffChart(GetParam().text), GetParam().format); }

TEST(TextFormatOfName, ByTheExtensionInAnyCase) {
  EXPECT_EQ(flowchart::TextFormatOfName("a/chart.mmd"), TextFormat::Mermaid);
  EXPECT_EQ(flowchart::TextFormatOfName("chart.MERMAID"), TextFormat::Mermaid);
  EXPECT_EQ(flowchart::TextFormatOfName("g.gv"), TextFormat::Dot);
  EXPECT_EQ(flowchart::TextFormatOfName("g.Dot"), TextFormat::Dot);
  EXPECT_EQ(flowchart::TextFormatOfName("g.txt"), std::nullopt);
  EXPECT_EQ(flowchart::TextFormatOfName("mmd"), std::nullopt);
}

class ChartFiles : public testing::Test {
 protected:
  QString Write(const char* name, const QByteArray& text) {
    const QString path = dir.filePath(QLatin1String(name));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    return path;
  }
  static std::string ErrorOf(const QString& path, TextFormat format) {
    try {
      flowchart::ReadChartFile(path, format);
    } catch (const EKedrinError& e) {
      return e.what();
    }
    return "no error";
  }
  QTemporaryDir dir;
};

TEST_F(ChartFiles, AnErrorNamesTheFileLineAndColumn) {
  const QString bad = Write("bad.mmd", "flowchart LR\n  A[unclosed --> B\n");
  EXPECT_EQ(ErrorOf(bad, TextFormat::Mermaid),
            "Cannot import " + QDir::toNativeSeparators(bad).toStdString() + ": line 2, column 4: '[' is not closed");
  const QString dot = Write("bad.gv", "digraph {\n a -> \n}\n");
  const std::string dotError = ErrorOf(dot, TextFormat::Dot);
  EXPECT_TRUE(dotError.starts_with("Cannot import " + dot.toStdString() + ": line 3")) << dotError;
  EXPECT_NE(ErrorOf(dir.filePath("none.mmd"), TextFormat::Mermaid).find("none.mmd"), std::string::npos);
  EXPECT_NE(ErrorOf(dir.path(), TextFormat::Mermaid).find("not a regular file"), std::string::npos);
}

TEST_F(ChartFiles, WarningsNameTheFileAndLine) {
  const QString path = Write("click.mmd", "flowchart TD\n A --> B\n click A callback\n C\n");
  const flowchart::ChartFile chart = flowchart::ReadChartFile(path, TextFormat::Mermaid);
  ASSERT_FALSE(chart.warnings.isEmpty());
  EXPECT_TRUE(chart.warnings.front().startsWith(QDir::toNativeSeparators(path) + ": line 3: ")) << chart.warnings.front().toStdString();
  EXPECT_EQ(chart.graph.nodes.size(), 3u);
}

// Written, read back: the same graph in both formats.
TEST_F(ChartFiles, WrittenTextReadsBackAsTheGraph) {
  const graph::ParseResult source = graph::ReadMermaid("flowchart LR\n A([Go]) -->|yes| B{Ok?}\n B -.-> C[Done]\n style C fill:#ff0000\n");
  ASSERT_TRUE(source.ok());
  for (TextFormat format : {TextFormat::Mermaid, TextFormat::Dot}) {
    const QString path = dir.filePath(format == TextFormat::Mermaid ? "out.mmd" : "out.gv");
    flowchart::WriteChartFile(path, *source.graph, format);
    EXPECT_EQ(charttest::Shape(flowchart::ReadChartFile(path, format).graph), charttest::Shape(*source.graph));
  }
}

}  // namespace
