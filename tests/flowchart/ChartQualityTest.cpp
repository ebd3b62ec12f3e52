// The quality of charts nobody here wrote, drawn as File > Import draws them: every example of
// Mermaid's flowchart documentation (tests/data/mermaid-docs) and a dozen typical DOT charts
// (tests/data/dot-charts), measured with MeasureLayout. No route carries a jog under 15 px, goes
// through a shape or a text, or has a label on a line; no chart crosses more than Graphviz's own
// curves of the same graph, but for one crossing per loop back into a decision whose three other
// vertices are taken (its only way in crosses the decision's way in or out). The totals are
// printed for the report.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <cstdio>

#include "ChartQuality.h"
#include "CurveCrossings.h"

namespace {

struct Totals {
  quality::LayoutQuality q;
  int dotCrossings = 0, charts = 0, loops = 0;
  int unevenKinds = 0;     // kinds of shape (marks as one) whose sizes differ within a chart
  double widestRatio = 1;  // the largest of their largest over smallest
  void Add(const quality::LayoutQuality& one, int dot, int loopsIn) {
    loops += loopsIn;
    std::vector<quality::Spread> spreads = one.heights;
    spreads.push_back(one.marks);
    for (const quality::Spread& s : spreads)
      if (s.count > 1 && s.max != s.min) ++unevenKinds, widestRatio = std::max(widestRatio, s.Ratio());
    q.labelsFarFromStart += one.labelsFarFromStart;
    q.connectors += one.connectors, q.shortJogs += one.shortJogs, q.bends += one.bends, q.slantedRuns += one.slantedRuns;
    q.maxBends = std::max(q.maxBends, one.maxBends), q.crossings += one.crossings;
    q.throughShapes += one.throughShapes, q.throughTexts += one.throughTexts;
    q.labelsNearLines += one.labelsNearLines, q.labelsOverlapping += one.labelsOverlapping;
    dotCrossings += dot, ++charts;
  }
};

void Measure(const QString& folder, const QString& pattern, flowchart::TextFormat format, Totals& totals) {
  const QStringList files = QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
  ASSERT_FALSE(files.isEmpty()) << folder.toStdString();
  for (const QString& name : files) {
    SCOPED_TRACE(name.toStdString());
    const chartquality::Measured m = chartquality::MeasureFile(folder + "/" + name, format);
    ASSERT_TRUE(m.error.empty()) << m.error;
    EXPECT_EQ(m.quality.shortJogs, 0) << quality::ToText(m.quality);
    EXPECT_EQ(m.quality.throughShapes, 0) << quality::ToText(m.quality);
    EXPECT_EQ(m.quality.throughTexts, 0) << quality::ToText(m.quality);
    EXPECT_EQ(m.quality.labelsNearLines, 0) << quality::ToText(m.quality);
    EXPECT_LE(m.quality.crossings, m.dotCrossings + m.loopsIntoFullDecisions) << quality::ToText(m.quality);
    totals.Add(m.quality, m.dotCrossings, m.loopsIntoFullDecisions);
  }
}

TEST(ChartQuality, ImportedExamplesMeetTheLayoutRules) {
  Totals mermaid, dot;
  Measure(QStringLiteral(KEDRIN_TEST_DATA "/mermaid-docs"), QStringLiteral("*.mmd"), flowchart::TextFormat::Mermaid, mermaid);
  Measure(QStringLiteral(KEDRIN_TEST_DATA "/dot-charts"), QStringLiteral("*.gv"), flowchart::TextFormat::Dot, dot);
  // Every connector of an elbow chart is routed: a slanted run is one drawn straight instead (the
  // DOT charts' undirected lines are straight lines by design).
  EXPECT_EQ(mermaid.q.slantedRuns, 0);
  for (const auto& [what, t] : {std::pair{"Mermaid docs", &mermaid}, std::pair{"DOT charts", &dot}})
    std::printf("%s (%d charts): %s; Graphviz's own crossings %d; loops back into full decisions %d; kinds of uneven size %d (widest %.2f)\n",
                what, t->charts, quality::ToText(t->q).c_str(), t->dotCrossings, t->loops, t->unevenKinds, t->widestRatio);
}

}  // namespace
