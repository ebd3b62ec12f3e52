// Shapes of one kind share their size in a laid-out chart: process boxes a height, decisions and
// ellipses one size, start and end marks one diameter; long texts break at words instead of
// stretching their shape. For the sizes worked out alone, for a chart drawn from text, and for
// Auto Layout of a drawing, whose shapes grow about their centres.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <unordered_map>

#include "ChartDrawing.h"
#include "ChartSupport.h"
#include "ConnectorPlanner.h"
#include "PlanSupport.h"
#include "QtConvert.h"
#include "SharedSizes.h"

namespace {

using semantics::ItemKind;

struct SizeCase {
  const char* name;
  std::vector<ItemKind> kinds;
  std::vector<QSize> sizes, expected;
};
void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }
class SharedSizeTest : public testing::TestWithParam<SizeCase> {};

const ItemKind P = ItemKind::Process, D = ItemKind::Decision, S = ItemKind::Start, E = ItemKind::End;

INSTANTIATE_TEST_SUITE_P(
    Kinds, SharedSizeTest,
    testing::Values(
        SizeCase{"ProcessBoxesShareTheTallest", {P, P, P}, {{100, 40}, {140, 56}, {180, 88}}, {{100, 88}, {140, 88}, {180, 88}}},
        SizeCase{"DecisionsShareBothSides", {D, D}, {{80, 60}, {120, 50}}, {{120, 60}, {120, 60}}},
        // A mark's circle is as wide as its box's short side: 40 and 50, so both 50 across.
        SizeCase{"MarksShareTheWidestCircle", {S, E}, {{40, 40}, {90, 50}}, {{50, 50}, {50, 50}}},
        SizeCase{"KindsApart", {P, D, ItemKind::Ellipse}, {{100, 40}, {80, 60}, {90, 50}},
                 {{100, 40}, {80, 60}, {90, 50}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(SharedSizeTest, LargestOfTheKind) {
  EXPECT_EQ(flowchart::SharedSizes(GetParam().kinds, GetParam().sizes), GetParam().expected);
}

// Drawn from text: three steps with a short, a medium and a long text, two start marks with texts
// of different length. The long text is nine words "mmmmm": at most three fit the 180 pixels a
// text may take before it breaks (checked against the font's widths), so it reads in three lines.
TEST(SharedSizes, ChartFromTextSharesHeightsAndBreaksLongTexts) {
  const TFontDesc font;
  const QFontMetrics metrics(ToQFont(font));
  const int word = metrics.horizontalAdvance(QStringLiteral("mmmmm")), space = metrics.horizontalAdvance(QChar(' '));
  ASSERT_LE(3 * word + 2 * space, 180 - 4);
  ASSERT_GT(4 * word + 3 * space, 180 + 30);
  const std::string longText = "mmmmm mmmmm mmmmm mmmmm mmmmm mmmmm mmmmm mmmmm mmmmm";
  graph::Graph g;
  for (auto [shape, text] : std::vector<std::pair<graph::Shape, std::string>>{{graph::Shape::Start, "Go"},
                                                                                {graph::Shape::Start, "Begin the week"},
                                                                                {graph::Shape::Process, "Pay"},
                                                                                {graph::Shape::Process, "Check the invoice"},
                                                                                {graph::Shape::Process, longText}}) {
    graph::Node n;
    n.shape = shape;
    n.text = text;
    g.nodes.push_back(n);
  }
  for (auto [a, b] : std::vector<std::pair<int, int>>{{0, 2}, {1, 2}, {2, 3}, {3, 4}}) {
    graph::Edge e;
    e.from = a, e.to = b;
    g.edges.push_back(e);
  }
  const flowchart::DrawnChart chart = flowchart::DrawChart(g, {});
  ASSERT_TRUE(chart.ok()) << chart.error;
  std::vector<QRect> marks, steps;
  QRect longLabel;
  for (size_t i = 0; i < chart.figures.size(); ++i) {
    const flowchart::FigurePlan& f = chart.figures[i];
    if (f.kind == S) marks.push_back(f.box);
    if (f.kind == P) steps.push_back(f.box);
    if (f.kind == ItemKind::Label && f.caption == longText) longLabel = f.box;
  }
  ASSERT_EQ(marks.size(), 2u);
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(marks[0].size(), marks[1].size());
  EXPECT_EQ(marks[0].width(), marks[0].height());
  EXPECT_EQ(steps[0].height(), steps[2].height());
  EXPECT_EQ(steps[1].height(), steps[2].height());
  EXPECT_EQ(longLabel.height(), 3 * metrics.height());
  EXPECT_LT(steps[2].width(), 4 * word + 3 * space);  // broken, not stretched
}

using charttest::Plan;

struct GrowCase {
  const char* name;
  std::vector<flowchart::FigurePlan> extra;  // beside the chart below
  std::vector<QSize> expected;               // the three shapes' sizes after Auto Layout
};
void PrintTo(const GrowCase& c, std::ostream* os) { *os << c.name; }
class GrowTest : public testing::TestWithParam<GrowCase> {};

// Auto Layout of a box 40 high, one 60 high and a decision 100 x 60, chained by arrows: the boxes
// take the taller height about their centres, widths kept. A loose note 4 pixels under the first
// box would be inside it grown (and so its text): then nothing grows.
INSTANTIATE_TEST_SUITE_P(
    AutoLayout, GrowTest,
    testing::Values(GrowCase{"BoxesTakeTheTallerHeight", {}, {{120, 60}, {100, 60}, {100, 60}}},
                    GrowCase{"KeptWhereAGrownBoxWouldTakeInANote",
                             {Plan(ItemKind::Label, {100, 143, 30, 5}, "note")},
                             {{120, 40}, {100, 60}, {100, 60}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(GrowTest, ShapesGrowToTheirKindsSize) {
  std::vector<flowchart::FigurePlan> plans = {
      Plan(P, {100, 100, 120, 40}), Plan(ItemKind::Label, {112, 112, 96, 16}, "A"),
      Plan(P, {100, 200, 100, 60}), Plan(ItemKind::Label, {112, 222, 76, 16}, "B"),
      Plan(D, {100, 320, 100, 60}), Plan(ItemKind::Label, {125, 342, 50, 16}, "C?"),
  };
  plans.push_back(flowchart::RouteSegments({{160, 140}, {160, 200}}, {}, true)[0]);
  plans.push_back(flowchart::RouteSegments({{150, 260}, {150, 320}}, {}, true)[0]);
  for (const auto& p : GetParam().extra) plans.push_back(p);
  const std::vector<semantics::Item> items = charttest::ItemsOf(plans);
  const flowchart::LayoutPlan plan = flowchart::PlanLayoutSharingSizes(items, {});
  ASSERT_TRUE(plan.ok()) << plan.error;
  std::unordered_map<uint64_t, QRect> to;
  for (const flowchart::FigureMove& m : plan.moves) to[m.id] = m.box;
  std::vector<QSize> got;
  for (uint64_t id : {1u, 3u, 5u}) got.push_back((to.count(id) ? to[id] : items[id - 1].box).size());
  EXPECT_EQ(got, GetParam().expected);
  // Each text lies in its shape still.
  for (uint64_t id : {1u, 3u, 5u}) {
    const QRect shape = to.count(id) ? to[id] : items[id - 1].box;
    const QRect text = to.count(id + 1) ? to[id + 1] : items[id].box;
    EXPECT_TRUE(shape.contains(text)) << id;
  }
}

}  // namespace
