// Charts laid out by their flow: the walk that orders them and breaks their loops, the chains
// lined up on one axis, the sizes shared per kind and the labels kept off the lines; every
// expected order, box and place worked out by hand.
#include <gtest/gtest.h>

#include <ostream>
#include <set>

#include "ChartDrawing.h"
#include "ChartRoutes.h"
#include "ChartSupport.h"
#include "FigureGraph.h"
#include "FlowLayout.h"
#include "LayoutPlan.h"
#include "ConnectorGeometry.h"
#include "DocumentCharts.h"
#include "LayoutQuality.h"
#include "Mermaid.h"
#include "PlanSupport.h"
#include "RouteFigures.h"
#include "Spines.h"

namespace {

using graph::Shape;

graph::Graph Chart(std::vector<Shape> shapes, std::vector<std::pair<int, int>> edges, std::vector<std::string> labels = {}) {
  graph::Graph g;
  for (size_t i = 0; i < shapes.size(); ++i) {
    graph::Node n;
    n.id = "n" + std::to_string(i);
    n.shape = shapes[i];
    g.nodes.push_back(n);
  }
  for (size_t k = 0; k < edges.size(); ++k) {
    graph::Edge e;
    e.from = edges[k].first;
    e.to = edges[k].second;
    if (k < labels.size()) e.label = labels[k];
    g.edges.push_back(e);
  }
  return g;
}

struct OrderCase {
  const char* name;
  graph::Graph g;
  std::vector<int> nodes, edges;
  std::vector<bool> back;
};
void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.name; }

class FlowOrderTest : public testing::TestWithParam<OrderCase> {};

const Shape P = Shape::Process, S = Shape::Start;

INSTANTIATE_TEST_SUITE_P(
    Walks, FlowOrderTest,
    testing::Values(
        // Declared: the loop C -> B first, then B -> C, then the start A -> B.
        OrderCase{"LoopDeclaredFirst", Chart({P, P, S}, {{0, 1}, {1, 0}, {2, 1}}), {2, 1, 0}, {2, 1, 0}, {true, false, false}},
        OrderCase{"NoStartMarkNothingLeadsIn", Chart({P, P, P}, {{1, 2}, {2, 1}, {0, 1}}), {0, 1, 2}, {2, 0, 1}, {false, true, false}},
        OrderCase{"LoopWithNoWayIn", Chart({P, P}, {{0, 1}, {1, 0}}), {0, 1}, {0, 1}, {false, true}},
        OrderCase{"LoopOnOneShapeIsNoBackLink", Chart({S, P}, {{1, 1}, {0, 1}}), {0, 1}, {1, 0}, {false, false}},
        OrderCase{"BackIntoTheStartMark", Chart({P, S}, {{0, 1}, {1, 0}}), {1, 0}, {1, 0}, {true, false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(FlowOrderTest, WalksFromTheStart) {
  const OrderCase& c = GetParam();
  const flowchart::FlowOrder order = flowchart::OrderByFlow(c.g);
  EXPECT_EQ(order.nodes, c.nodes);
  EXPECT_EQ(order.edges, c.edges);
  EXPECT_EQ(order.back, c.back);
}

// Graphviz given the declared order would rank C above B beside A; by the flow it is A, B, C.
TEST(FlowLayout, RanksALoopDeclaredFirstByItsFlow) {
  const graph::ParseResult read = graph::ReadMermaid("flowchart TD\n C --> B\n B --> C\n A((Go)) --> B\n");
  ASSERT_TRUE(read.ok());
  const flowchart::DrawnChart drawn = flowchart::DrawChart(*read.graph, {});
  ASSERT_TRUE(drawn.ok()) << drawn.error;
  std::map<std::string, QRect> at;
  for (const flowchart::FigurePlan& f : drawn.figures)
    if (semantics::IsShape(f.kind)) at[f.index] = f.box;
  ASSERT_EQ(at.size(), 3u);
  EXPECT_LT(at["A"].bottom(), at["B"].top());
  EXPECT_LT(at["B"].bottom(), at["C"].top());
}

// A link from a subgraph ranks from its last step, one to it from its first: B comes below all
// of the column, not beside its first step, and A above it.
TEST(FlowLayout, RanksLinksOfASubgraphFromItsEnds) {
  const graph::ParseResult read =
      graph::ReadMermaid("flowchart TD\n A --> S\n subgraph S [Checks]\n s1 --> s2 --> s3\n end\n S --> B\n");
  ASSERT_TRUE(read.ok());
  const flowchart::DrawnChart drawn = flowchart::DrawChart(*read.graph, {});
  ASSERT_TRUE(drawn.ok()) << drawn.error;
  std::map<std::string, QRect> at;
  for (const flowchart::FigurePlan& f : drawn.figures)
    if (semantics::IsShape(f.kind)) at[f.index] = f.box;
  ASSERT_EQ(at.size(), 6u);
  EXPECT_LT(at["A"].bottom(), at["S"].top());
  EXPECT_LT(at["S"].bottom(), at["B"].top());
}

struct SpineCase {
  const char* name;
  graph::Graph g;
  std::vector<QRect> boxes, aligned;
  std::vector<int> next;  // each node's chain link before the move
};
void PrintTo(const SpineCase& c, std::ostream* os) { *os << c.name; }
class SpineTest : public testing::TestWithParam<SpineCase> {};

INSTANTIATE_TEST_SUITE_P(
    Chains, SpineTest,
    testing::Values(
        // Centres 160, 140, 160: the middle step joins the axis two of them share.
        SpineCase{"MiddleStepJoinsTheAxis", Chart({P, P, P}, {{0, 1}, {1, 2}}),
                  {{100, 0, 120, 60}, {90, 100, 100, 60}, {100, 200, 120, 60}},
                  {{100, 0, 120, 60}, {110, 100, 100, 60}, {100, 200, 120, 60}}, {1, 2, -1}},
        // A neighbour in its rank 225 px in, closer than the clearance (18) to where it would go:
        // it moves along by as much.
        SpineCase{"NeighbourMovesAlong", Chart({P, P, P, P}, {{0, 1}, {1, 2}}),
                  {{100, 0, 120, 60}, {90, 100, 100, 60}, {100, 200, 120, 60}, {225, 100, 50, 60}},
                  {{100, 0, 120, 60}, {110, 100, 100, 60}, {100, 200, 120, 60}, {245, 100, 50, 60}}, {1, 2, -1, -1}},
        // The same neighbour, with a node of the next rank reaching up within 8 px of its way
        // along: nothing moves.
        SpineCase{"BlockedBelowTheNeighbour", Chart({P, P, P, P, P}, {{0, 1}, {1, 2}}),
                  {{100, 0, 120, 60}, {90, 100, 100, 60}, {100, 200, 120, 60}, {225, 100, 50, 60}, {280, 170, 50, 60}},
                  {{100, 0, 120, 60}, {90, 100, 100, 60}, {100, 200, 120, 60}, {225, 100, 50, 60}, {280, 170, 50, 60}},
                  {1, 2, -1, -1, -1}},
        // A decision's "yes" continues its chain though "no" lies more in line: yes's step comes
        // under it (190 px left) and pushes no's step along.
        SpineCase{"YesContinuesAtTheDecision", Chart({Shape::Decision, P, P}, {{0, 1}, {0, 2}}, {"Yes", "No"}),
                  {{90, 0, 140, 80}, {300, 150, 100, 60}, {120, 150, 80, 60}},
                  {{90, 0, 140, 80}, {110, 150, 100, 60}, {-70, 150, 80, 60}}, {1, -1, -1}},
        // Two tails of one step: the one more in line (centre 150 against 400) is its chain,
        // though the other comes first in the flow.
        SpineCase{"MergeKeepsTheTailMoreInLine", Chart({P, P, P}, {{0, 2}, {1, 2}}),
                  {{350, 0, 100, 60}, {100, 0, 100, 60}, {120, 100, 100, 60}},
                  {{350, 0, 100, 60}, {100, 0, 100, 60}, {100, 100, 100, 60}}, {-1, 2, -1}},
        // Two tails of the last step, the one led into by the first step further out of line
        // (centre 400 against 150): the flow goes on through it, onto the first step's axis.
        SpineCase{"MergeKeepsTheTailTheFlowLeadsInto", Chart({P, P, P, P}, {{0, 1}, {1, 3}, {2, 3}}),
                  {{350, 0, 100, 60}, {350, 100, 100, 60}, {100, 100, 100, 60}, {120, 200, 100, 60}},
                  {{350, 0, 100, 60}, {350, 100, 100, 60}, {100, 100, 100, 60}, {350, 200, 100, 60}}, {1, 3, -1, -1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(SpineTest, LinesChainsUp) {
  const SpineCase& c = GetParam();
  const flowchart::FlowOrder order = flowchart::OrderByFlow(c.g);
  std::vector<QRect> boxes = c.boxes;
  const std::string continuing = flowchart::ContinuingLabel(c.g, order);
  EXPECT_EQ(flowchart::ChainNext(c.g, order, boxes, graph::Direction::TopToBottom, continuing), c.next);
  flowchart::AlignSpines(c.g, order, boxes, graph::Direction::TopToBottom, 18,
                         flowchart::ContinuingLabel(c.g, order));
  EXPECT_EQ(boxes, c.aligned);
}

TEST(FlowLayout, ShapesOfAKindShareAHeightAndMarksADiameter) {
  graph::Graph g = Chart({P, P, S, Shape::End, P}, {});
  const std::vector<QSize> sizes{{120, 60}, {150, 80}, {120, 50}, {70, 70}, {90, 40}};
  for (size_t i = 0; i < sizes.size(); ++i) g.nodes[i].width = sizes[i].width(), g.nodes[i].height = sizes[i].height();
  flowchart::ShareSizes(g, {true, true, true, true, false});  // the last one's size was given
  std::vector<QSize> got;
  for (const graph::Node& n : g.nodes) got.emplace_back(n.width, n.height);
  EXPECT_EQ(got, (std::vector<QSize>{{120, 80}, {150, 80}, {70, 70}, {70, 70}, {90, 40}}));
}

struct LabelCase {
  const char* name;
  std::vector<QPoint> route;  // the label's own connector
  std::vector<std::pair<QPoint, QPoint>> others;
  std::vector<QRect> blocked;
  QRect expected;
};
void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.name; }
class LabelPlaceTest : public testing::TestWithParam<LabelCase> {};

// A label 30 x 14 beside an upright run from (100, 0) to (100, 100): its middle is (100, 50).
INSTANTIATE_TEST_SUITE_P(
    Places, LabelPlaceTest,
    testing::Values(
        LabelCase{"RightOfItsRun", {{100, 0}, {100, 100}}, {}, {}, {106, 43, 30, 14}},
        // Another run 12 px right: the right side is on it; left, 6 px off.
        LabelCase{"LeftOfARunBeside", {{100, 0}, {100, 100}}, {{{112, 0}, {112, 100}}}, {}, {64, 43, 30, 14}},
        // Both sides taken at the middle (a label left, a run right): on the left, slid down
        // past the label and its 2 px of room (8 px is not enough, 16 is).
        LabelCase{"SlidPastALabel", {{100, 0}, {100, 100}}, {{{112, 0}, {112, 100}}}, {{60, 40, 30, 10}},
                  {64, 59, 30, 14}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(LabelPlaceTest, KeepsOffTheLines) {
  const LabelCase& c = GetParam();
  const std::vector<flowchart::FigurePlan> segments = flowchart::RouteSegments(c.route, {}, true);
  std::vector<std::pair<QPoint, QPoint>> runs = c.others;
  runs.emplace_back(c.route.front(), c.route.back());
  EXPECT_EQ(flowchart::PlaceLabelClear(segments, {30, 14}, runs, c.blocked), c.expected);
}
}  // namespace

namespace {

struct DrawnCase {
  const char* name;
  const char* text;
};
void PrintTo(const DrawnCase& c, std::ostream* os) { *os << c.name; }
class DrawnRulesTest : public testing::TestWithParam<DrawnCase> {};

INSTANTIATE_TEST_SUITE_P(
    Charts, DrawnRulesTest,
    testing::Values(DrawnCase{"ThreeLinksOnePair", "flowchart TD\n A -->|request| B\n A -->|retry| B\n B -->|reply| A\n B --> C\n"},
                    DrawnCase{"OppositeLinksWithLabels", "flowchart LR\n A -->|go| B\n B -->|back| A\n"},
                    DrawnCase{"NoDeclaredFirst", "flowchart TD\n A[Start step] --> B{One?}\n B -->|No| C[Left one]\n B -->|Yes| D[Go on]\n D --> E{Two?}\n E -->|Yes| F[Go on 2]\n E -->|No| G[Other]\n F --> H[End step]\n G --> H\n C --> H\n"},
                    DrawnCase{"ThreeNosToOneStop", "flowchart TD\n A[Begin] --> B{x?}\n B -->|Yes| C[c]\n B -->|No| Z[Stop]\n C --> D{y?}\n D -->|Yes| E[e]\n D -->|No| Z\n E --> F{z?}\n F -->|Yes| G[g]\n F -->|No| Z\n"},
                    DrawnCase{"LoopBesideItsShape", "flowchart TD\n A -->|again| A\n A --> B\n"},
                    DrawnCase{"ThreeDecisionsAndALoopBack",
                              "flowchart TD\n S([Start]) --> A[Receive]\n A --> B{Receipt?}\n B -->|Yes| C[Check date]\n"
                              " B -->|No| D[Ask]\n D --> A\n C --> E{In time?}\n E -->|Yes| F[Check item]\n"
                              " E -->|No| G[Credit]\n F --> H{Undamaged?}\n H -->|Yes| I[Refund]\n H -->|No| J[Reject]\n"
                              " I --> K[Notify]\n G --> K\n J --> K\n K --> X([End])\n"}),
    [](const auto& info) { return std::string(info.param.name); });

// Each chart drawn as File > Import draws it: every link its own route with its own label, no
// jog, no run through a shape or a text, no label on a line or on another, all of it from the
// margin, and at every decision "Yes" goes on down from the bottom vertex.
TEST_P(DrawnRulesTest, KeepsTheLayoutRules) {
  const graph::ParseResult read = graph::ReadMermaid(GetParam().text);
  ASSERT_TRUE(read.ok());
  const flowchart::DrawnChart drawn = flowchart::DrawForImport(*read.graph, flowchart::ConnectorForm::Elbow);
  ASSERT_TRUE(drawn.ok()) << drawn.error;
  EXPECT_TRUE(drawn.warnings.empty()) << drawn.warnings.front();
  const std::vector<semantics::Item> items = charttest::ItemsOf(drawn.figures);
  const quality::LayoutQuality q = quality::MeasureLayout(items);
  EXPECT_EQ(q.connectors, static_cast<int>(read.graph->edges.size()));
  EXPECT_EQ(q.shortJogs + q.throughShapes + q.throughTexts + q.labelsNearLines + q.labelsOverlapping, 0) << quality::ToText(q);
  const graph::Graph back = flowchart::GraphOfItems(items);
  EXPECT_EQ(charttest::Shape(back), charttest::Shape(*read.graph));
  EXPECT_EQ(flowchart::BoxOfPlans(drawn.figures).topLeft(), QPoint(20, 20));
  // "No" leaves every decision by one side: the sign of its first run across.
  std::set<int> noSides;
  for (const graph::Edge& e : back.edges) {
    if (e.label != "No") continue;
    const QRect d = items[static_cast<size_t>(back.nodes[static_cast<size_t>(e.from)].figure - 1)].box;
    for (uint64_t id : e.figures) {
      const semantics::Item& s = items[static_cast<size_t>(id - 1)];
      const connectors::Ends ends = connectors::EndsOf(s.box, s.direction);
      for (const QPoint& p : {ends.start, ends.end})
        if (std::abs(p.y() - (d.y() + d.height() / 2)) <= 2 && (std::abs(p.x() - d.x()) <= 2 || std::abs(p.x() - d.right() - 1) <= 2))
          noSides.insert(p.x() < d.center().x() ? -1 : 1);
    }
  }
  EXPECT_LE(noSides.size(), 1u) << "No leaves the decisions by both sides";
  for (const graph::Edge& e : back.edges) {
    if (e.label != "Yes") continue;
    const QRect d = items[static_cast<size_t>(back.nodes[static_cast<size_t>(e.from)].figure - 1)].box;
    const QPoint vertex(d.x() + d.width() / 2, d.y() + d.height());
    bool down = false;
    for (uint64_t id : e.figures) {
      const semantics::Item& s = items[static_cast<size_t>(id - 1)];
      const connectors::Ends ends = connectors::EndsOf(s.box, s.direction);
      for (const auto& [a, b] : {std::pair{ends.start, ends.end}, std::pair{ends.end, ends.start}})
        if ((a - vertex).manhattanLength() <= 2 && b.y() > a.y() + 15 && std::abs(b.x() - a.x()) <= 1) down = true;
    }
    EXPECT_TRUE(down) << "Yes out of the decision at " << vertex.x() << "," << vertex.y();
  }
}

}  // namespace

namespace {

// Drawn by hand in the wrong order: the loop's step C first (top left), then B, the start mark
// last (at the bottom); the loop's arrow C -> B drawn before B -> C, then the start's. Auto Layout
// ranks it by the flow: the start on top, then B, then C, and routes it by the rules.
TEST(FlowLayout, AutoLayoutRanksAChartDrawnOutOfOrderByItsFlow) {
  using semantics::ItemKind;
  std::vector<flowchart::FigurePlan> plans = {charttest::Plan(ItemKind::Process, {100, 100, 120, 60}),
                                              charttest::Plan(ItemKind::Process, {400, 100, 120, 60}),
                                              charttest::Plan(ItemKind::Start, {250, 400, 50, 50})};
  for (const auto& [a, b] : {std::pair{QPoint(220, 120), QPoint(400, 120)}, std::pair{QPoint(400, 140), QPoint(220, 140)},
                             std::pair{QPoint(275, 400), QPoint(460, 160)}})
    plans.push_back(flowchart::RouteSegments({a, b}, {}, true)[0]);
  const std::vector<semantics::Item> items = charttest::ItemsOf(plans);
  flowchart::LayoutRequest request;
  const flowchart::LayoutPlan plan = flowchart::PlanLayout(items, request);
  ASSERT_TRUE(plan.ok()) << plan.error;
  const std::vector<semantics::Item> after = charttest::Applied(items, plan);
  EXPECT_LT(charttest::BoxOf(after, 3).bottom(), charttest::BoxOf(after, 2).top());  // start, then B
  EXPECT_LT(charttest::BoxOf(after, 2).bottom(), charttest::BoxOf(after, 1).top());  // B, then C
  const quality::LayoutQuality q = quality::MeasureLayout(after);
  EXPECT_EQ(q.connectors, 3);
  EXPECT_EQ(q.shortJogs + q.throughShapes + q.crossings, 0) << quality::ToText(q);
}

}  // namespace
