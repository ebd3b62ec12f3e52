// kdltool's flowchart commands run as a user runs them, without a display: import draws a text
// chart into a diagram the reader opens, export writes the diagram's graph back as text, render
// goes from text to picture in one command; failures are exit codes and messages naming the file
// and line.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <string>

#include "ToolRun.h"

namespace {

// A start, a decision with both answers, a dashed and a thick link, a filled box and an end.
constexpr const char* kChart =
    "flowchart TD\n"
    "  A([Go]) --> B{Ok?}\n"
    "  B -->|yes| C([Stop])\n"
    "  B -.->|no| D[Fix it]\n"
    "  D ==> B\n"
    "  style D fill:#ff9900\n";

class ChartTool : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QString Write(const char* name, const char* text) const {
    QFile f(Path(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    return Path(name);
  }
  std::string Read(const char* name) const {
    QFile f(Path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
  }
  QTemporaryDir dir_;
};

TEST_F(ChartTool, ImportedChartOpensAndExportsAsTheSameGraph) {
  const ToolRun import = KdlTool({"import", Write("chart.mmd", kChart), Path("chart.kdl")});
  ASSERT_EQ(import.status, 0) << import.err;
  EXPECT_EQ(import.err, "");
  const ToolRun check = KdlTool({"check", Path("chart.kdl")});
  EXPECT_EQ(check.status, 0) << check.err;

  ASSERT_EQ(KdlTool({"export", Path("chart.kdl"), Path("back.mmd")}).status, 0);
  EXPECT_EQ(Read("back.mmd"),
            "flowchart TD\n"
            "    A([Go])\n"
            "    B{Ok?}\n"
            "    C([Stop])\n"
            "    D[Fix it]\n"
            "    A --> B\n"
            "    B -->|yes| C\n"
            "    B -.->|no| D\n"
            "    D ==> B\n"
            "    style D fill:#ff9900\n");

  ASSERT_EQ(KdlTool({"export", Path("chart.kdl"), Path("back.gv")}).status, 0);
  const std::string dot = Read("back.gv");
  for (const char* line : {"\"B\" [label=\"Ok?\", shape=diamond", "\"A\" -> \"B\";", "\"B\" -> \"C\" [label=\"yes\"]",
                           "\"B\" -> \"D\" [label=\"no\", style=dashed]", "\"D\" -> \"B\" [style=bold]"})
    EXPECT_NE(dot.find(line), std::string::npos) << line << " in\n" << dot;
  // The DOT written imports again.
  EXPECT_EQ(KdlTool({"import", Path("back.gv"), Path("again.kdl")}).status, 0);
}

struct Picture {
  const char* name;
  QByteArray magic;
};

TEST_F(ChartTool, RenderDrawsThePictureInOneCommand) {
  Write("chart.mmd", kChart);
  for (const Picture& p : {Picture{"chart.png", "\x89PNG"}, Picture{"chart.svg", "<?xml"}, Picture{"chart.pdf", "%PDF"}}) {
    const ToolRun r = KdlTool({"render", Path("chart.mmd"), Path(p.name), "--smooth"});
    ASSERT_EQ(r.status, 0) << p.name << ": " << r.err;
    EXPECT_EQ(QByteArray::fromStdString(Read(p.name)).left(p.magic.size()), p.magic) << p.name;
  }
  // The filled box is drawn in its colour.
  const QImage png = QImage(Path("chart.png")).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(png.isNull());
  int orange = 0;
  for (int y = 0; y < png.height(); ++y)
    for (int x = 0; x < png.width(); ++x) orange += png.pixel(x, y) == qRgb(0xff, 0x99, 0x00);
  EXPECT_GT(orange, 1000);
}

struct Failure {
  const char* name;
  const char* command;
  const char* chartName;  // written with `chart` in the test's folder, unless `chart` is null
  const char* outName;
  const char* chart;
  int status;
  std::string err;  // the start of the message; CHART stands for the chart file's path
};

TEST_F(ChartTool, FailuresAreExitCodesAndMessagesNamingTheFileAndLine) {
  const Failure cases[] = {
      {"syntax error", "import", "chart.mmd", "out.kdl", "flowchart LR\nA -->", 1,
       "Cannot import CHART: line 2, column 6: expected a node after the link, found the end of the text\n"},
      {"render of a syntax error", "render", "chart.mmd", "out.png", "flowchart LR\nA -->", 1,
       "Cannot import CHART: line 2, column 6: expected a node after the link, found the end of the text\n"},
      {"DOT syntax error", "import", "chart.gv", "out.kdl", "digraph {\n a -> \n}\n", 1, "Cannot import CHART: line 3"},
      {"no such file", "import", "missing.mmd", "out.kdl", nullptr, 1, "Cannot"},
      {"import into a picture", "import", "chart.mmd", "out.png", "flowchart LR\nA --> B\n", 2,
       "kdltool: import writes diagrams: OUT must end in .kdl"},
      {"render into text", "render", "chart.mmd", "out.mmd", "flowchart LR\nA --> B\n", 2,
       "kdltool: render draws pictures"},
      {"render into a diagram", "render", "chart.mmd", "out.kdl", "flowchart LR\nA --> B\n", 2,
       "kdltool: render draws pictures"},
      {"unknown chart name", "import", "chart.txt", "out.kdl", "flowchart LR\nA --> B\n", 1,
       "Cannot import CHART: the name must end in .mmd"},
  };
  for (const Failure& c : cases) {
    SCOPED_TRACE(c.name);
    const QString chart = c.chart ? Write(c.chartName, c.chart) : Path(c.chartName);
    const ToolRun r = KdlTool({QString::fromLatin1(c.command), chart, Path(c.outName)});
    EXPECT_EQ(r.status, c.status);
    std::string expected = c.err;
    if (const size_t at = expected.find("CHART"); at != std::string::npos) expected.replace(at, 5, chart.toStdString());
    EXPECT_EQ(r.err.substr(0, expected.size()), expected) << r.err;
    EXPECT_FALSE(QFile::exists(Path(c.outName)));
  }
}

TEST_F(ChartTool, WhatIsSkippedIsAWarningNamingTheLine) {
  const ToolRun r = KdlTool({"import",
                             Write("chart.mmd", "flowchart LR\n  A --> B\n  click A \"https://example.org\"\n"),
                             Path("chart.kdl")});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err.substr(0, r.err.find(':', r.err.find(':') + 1)), "warning: " + Path("chart.mmd").toStdString());
  EXPECT_NE(r.err.find(": line 3: "), std::string::npos) << r.err;
  EXPECT_TRUE(QFile::exists(Path("chart.kdl")));
}

}  // namespace
