// Auto Layout worked out on a diagram's items: shapes move as Graphviz places them, keeping their
// sizes and the chart's top-left corner, their texts with them; connectors among them are drawn
// anew with their labels beside them; what is no part of the graph stays; a selection of two or
// more shapes lays out only those.
#include <gtest/gtest.h>

#include <algorithm>

#include "ChartSupport.h"
#include "ConnectorPlanner.h"
#include "Containers.h"
#include "FigureGraph.h"
#include "LayoutPlan.h"
#include "PlanSupport.h"

namespace {

using charttest::Applied;
using charttest::BoxOf;
using charttest::Plan;
using flowchart::FigurePlan;
using flowchart::LayoutPlan;
using flowchart::LayoutRequest;
using semantics::ItemKind;

// Three boxes in a row, each with its text, arrows from the first to the second ("yes") and the
// second to the third, a title and a loose line. Ids are places + 1:
// 1 A, 2 its text, 3 B, 4 its text, 5 C, 6 its text, 7 arrow A-B, 8 "yes", 9 arrow B-C, 10 title,
// 11 loose line.
std::vector<FigurePlan> Row() {
  std::vector<FigurePlan> p = {
      Plan(ItemKind::Process, {100, 100, 120, 60}), Plan(ItemKind::Label, {112, 122, 96, 16}, "A"),
      Plan(ItemKind::Process, {300, 100, 120, 60}), Plan(ItemKind::Label, {312, 122, 96, 16}, "B"),
      Plan(ItemKind::Decision, {500, 90, 140, 80}), Plan(ItemKind::Label, {535, 122, 70, 16}, "C"),
  };
  auto arrow = flowchart::RouteSegments({{220, 130}, {300, 130}}, {}, true);
  p.push_back(arrow[0]);
  p.push_back(Plan(ItemKind::Label, {245, 112, 30, 14}, "yes"));
  p.push_back(flowchart::RouteSegments({{420, 130}, {500, 130}}, {}, true)[0]);
  p.push_back(Plan(ItemKind::Label, {100, 10, 300, 30}, "Title"));
  p.push_back(flowchart::RouteSegments({{700, 300}, {800, 300}}, {}, false)[0]);
  return p;
}

// A pool of three lanes drawn by hand (600 x 120 each, touching, titled), with four steps
// scattered in them against the flow: S1 (lane 0) -> S2 (lane 1) -> S3 (lane 2) -> S4 (lane 0).
// Ids: lanes 1, 3, 5 with titles 2, 4, 6; steps 7, 9, 11, 13 with texts after each; arrows 15-17.
std::vector<FigurePlan> Pool() {
  std::vector<FigurePlan> p;
  for (int l = 0; l < 3; ++l) {
    p.push_back(Plan(ItemKind::Rectangle, {50, 50 + 120 * l, 600, 120}));
    p.push_back(Plan(ItemKind::Label, {58, 54 + 120 * l, 80, 16}, "Lane " + std::to_string(l)));
  }
  const QRect steps[] = {{400, 80, 100, 40}, {100, 200, 100, 40}, {300, 320, 100, 40}, {80, 110, 100, 40}};
  for (int k = 0; k < 4; ++k) {
    p.push_back(Plan(ItemKind::Process, steps[k]));
    p.push_back(Plan(ItemKind::Label, steps[k].adjusted(10, 12, -10, -12), "S" + std::to_string(k + 1)));
  }
  p.push_back(flowchart::RouteSegments({{400, 100}, {200, 220}}, {}, true)[0]);
  p.push_back(flowchart::RouteSegments({{150, 240}, {300, 340}}, {}, true)[0]);
  p.push_back(flowchart::RouteSegments({{350, 320}, {130, 150}}, {}, true)[0]);
  return p;
}

TEST(PlanLayout, LanesKeepTheirOrderAndStepsWhileStepsFollowTheFlow) {
  const std::vector<semantics::Item> items = charttest::ItemsOf(Pool());
  ASSERT_EQ(charttest::Shape(flowchart::GraphOfItems(items)).substr(charttest::Shape(flowchart::GraphOfItems(items)).find('|')),
            "| 0->1, 1->2, 2->3 || Lane 0: 0 3; Lane 1: 1; Lane 2: 2");
  const LayoutPlan plan = flowchart::PlanLayout(items, LayoutRequest{});
  ASSERT_TRUE(plan.ok()) << plan.error;
  const std::vector<semantics::Item> after = Applied(items, plan);
  const QRect lane[] = {BoxOf(after, 1), BoxOf(after, 3), BoxOf(after, 5)};
  for (int l = 0; l < 3; ++l) {
    EXPECT_EQ(lane[l].left(), 50) << l;  // the pool keeps its corner, its lanes one length
    EXPECT_EQ(lane[l].width(), lane[0].width()) << l;
    EXPECT_TRUE(lane[l].contains(BoxOf(after, 2 + 2 * l))) << "the title stays in lane " << l;
  }
  EXPECT_EQ(lane[0].top(), 50);
  EXPECT_EQ(lane[1].top(), lane[0].top() + lane[0].height());  // in order, touching
  EXPECT_EQ(lane[2].top(), lane[1].top() + lane[1].height());
  const int laneOf[] = {0, 1, 2, 0};
  for (int k = 0; k < 4; ++k) EXPECT_TRUE(lane[laneOf[k]].contains(BoxOf(after, 7 + 2 * k))) << "S" << k + 1;
  // Ranks run left to right along the flow, one per step here.
  for (int k = 0; k < 3; ++k) EXPECT_LT(BoxOf(after, 7 + 2 * k).right(), BoxOf(after, 9 + 2 * k).left()) << "S" << k + 1;
  // The same chart, the same lanes, read back (now running left to right).
  EXPECT_EQ(charttest::Shape(flowchart::GraphOfItems(after)),
            "LR; process:S1, process:S2, process:S3, process:S4 | 0->1, 1->2, 2->3 || Lane 0: 0 3; Lane 1: 1; Lane 2: 2");
}

// A container (id 1, title 2) around X (3) and Y (5), with Z (7) outside, arrows X->Y->Z and Z->X:
// laid out, the container is drawn around X and Y alone, its title inside its top edge.
TEST(PlanLayout, ContainersAreDrawnAroundTheirMembers) {
  std::vector<FigurePlan> p = {Plan(ItemKind::Rectangle, {0, 0, 500, 400}), Plan(ItemKind::Label, {8, 4, 80, 16}, "Box")};
  const QRect steps[] = {{300, 300, 100, 40}, {40, 60, 100, 40}, {600, 50, 100, 40}};
  for (int k = 0; k < 3; ++k) {
    p.push_back(Plan(ItemKind::Process, steps[k]));
    p.push_back(Plan(ItemKind::Label, steps[k].adjusted(10, 12, -10, -12), std::string(1, static_cast<char>('X' + k))));
  }
  p.push_back(flowchart::RouteSegments({{300, 320}, {140, 80}}, {}, true)[0]);
  p.push_back(flowchart::RouteSegments({{140, 70}, {600, 70}}, {}, true)[0]);
  p.push_back(flowchart::RouteSegments({{650, 90}, {400, 310}}, {}, true)[0]);
  const std::vector<semantics::Item> items = charttest::ItemsOf(p);
  const std::string before = charttest::Shape(flowchart::GraphOfItems(items));
  ASSERT_EQ(before.substr(before.find('|')), "| 0->1, 1->2, 2->0 || Box: 0 1");
  const LayoutPlan plan = flowchart::PlanLayout(items, LayoutRequest{});
  ASSERT_TRUE(plan.ok()) << plan.error;
  const std::vector<semantics::Item> after = Applied(items, plan);
  const QRect box = BoxOf(after, 1), title = BoxOf(after, 2);
  EXPECT_TRUE(box.contains(BoxOf(after, 3)));
  EXPECT_TRUE(box.contains(BoxOf(after, 5)));
  EXPECT_FALSE(box.intersects(BoxOf(after, 7)));
  EXPECT_TRUE(box.contains(title));
  EXPECT_LE(title.top() - box.top(), semantics::kTitleBand);
  EXPECT_LT(title.bottom(), std::min(BoxOf(after, 3).top(), BoxOf(after, 5).top()));
  const std::string laid = charttest::Shape(flowchart::GraphOfItems(after));
  EXPECT_EQ(laid.substr(laid.find('|')), "| 0->1, 1->2, 2->0 || Box: 0 1");
}

TEST(PlanLayout, TopToBottomStacksTheChainAndKeepsTheGraph) {
  const std::vector<semantics::Item> items = charttest::ItemsOf(Row());
  LayoutRequest request;
  request.direction = graph::Direction::TopToBottom;
  const LayoutPlan plan = flowchart::PlanLayout(items, request);
  ASSERT_TRUE(plan.ok()) << plan.error;
  EXPECT_EQ(plan.nodes, 3u);
  EXPECT_EQ(plan.edges, 2u);
  EXPECT_EQ(plan.removed, (std::vector<uint64_t>{7, 9}));
  const std::vector<semantics::Item> after = Applied(items, plan);
  const QRect a = BoxOf(after, 1), b = BoxOf(after, 3), c = BoxOf(after, 5);
  // Sizes kept; ranks one below the other, centred on one column; the chart's corner where the
  // shapes' bounding box began (100, 90).
  EXPECT_EQ(a.size(), QSize(120, 60));
  EXPECT_EQ(c.size(), QSize(140, 80));
  EXPECT_LT(a.bottom(), b.top());
  EXPECT_LT(b.bottom(), c.top());
  EXPECT_EQ(a.center().x(), b.center().x());
  EXPECT_EQ(std::min({a.left(), b.left(), c.left()}), 100);
  EXPECT_EQ(a.top(), 90);
  // Each text moved with its shape.
  EXPECT_EQ(BoxOf(after, 2).topLeft() - a.topLeft(), QPoint(12, 22));
  EXPECT_EQ(BoxOf(after, 6).topLeft() - c.topLeft(), QPoint(35, 32));
  // Title and loose line stay.
  EXPECT_EQ(BoxOf(after, 10), items[9].box);
  EXPECT_EQ(BoxOf(after, 11), items[10].box);
  // The same graph, now running down.
  const graph::Graph before = flowchart::GraphOfItems(items), now = flowchart::GraphOfItems(after);
  EXPECT_EQ(charttest::Shape(before), "LR; process:A, process:B, decision:C | 0->1 |yes|, 1->2");
  EXPECT_EQ(charttest::Shape(now), "TB; process:A, process:B, decision:C | 0->1 |yes|, 1->2");
}

TEST(PlanLayout, TheSelectedShapesAloneAndTheirConnectorsToTheRestDrawnAnew) {
  const std::vector<semantics::Item> items = charttest::ItemsOf(Row());
  LayoutRequest request;
  request.direction = graph::Direction::TopToBottom;
  request.selected = {3, 5, 9};  // B, C and the arrow between them
  const LayoutPlan plan = flowchart::PlanLayout(items, request);
  ASSERT_TRUE(plan.ok()) << plan.error;
  EXPECT_EQ(plan.nodes, 2u);
  EXPECT_EQ(plan.edges, 2u);  // B-C laid out, A-B only drawn anew
  const std::vector<semantics::Item> after = Applied(items, plan);
  EXPECT_EQ(BoxOf(after, 1), items[0].box);
  EXPECT_EQ(BoxOf(after, 2), items[1].box);
  EXPECT_LT(BoxOf(after, 3).bottom(), BoxOf(after, 5).top());
  EXPECT_EQ(charttest::Shape(flowchart::GraphOfItems(after)).substr(3),
            " process:A, process:B, decision:C | 0->1 |yes|, 1->2");
}

TEST(PlanLayout, OneSelectedShapeLaysOutTheWholeDiagram) {
  const std::vector<semantics::Item> items = charttest::ItemsOf(Row());
  LayoutRequest request;
  request.selected = {1};
  EXPECT_EQ(flowchart::PlanLayout(items, request).nodes, 3u);
}

TEST(PlanLayout, TheConnectorsKeepTheirPen) {
  std::vector<FigurePlan> row = Row();
  row[6].pen = psDash;
  row[6].lineWidth = 4;
  LayoutRequest request;
  request.form = flowchart::ConnectorForm::Straight;
  const LayoutPlan plan = flowchart::PlanLayout(charttest::ItemsOf(row), request);
  ASSERT_EQ(plan.added.size(), 2u);
  EXPECT_EQ(plan.added[0].pen, psDash);
  EXPECT_EQ(plan.added[0].lineWidth, 4);
  EXPECT_EQ(plan.added[1].pen, psSolid);
  // A pen the caller knows better (the figures' colour) wins.
  request.penOf = [](const std::vector<uint64_t>& segments) {
    return flowchart::ConnectorPen{segments == std::vector<uint64_t>{9} ? clRed : clBlue, psDot, 1};
  };
  const LayoutPlan coloured = flowchart::PlanLayout(charttest::ItemsOf(row), request);
  EXPECT_EQ(coloured.added[0].lineColor, clBlue);
  EXPECT_EQ(coloured.added[1].lineColor, clRed);
}

TEST(PlanLayout, NoShapesNothingToLayOut) {
  std::vector<FigurePlan> loose = {Plan(ItemKind::Label, {0, 0, 50, 20}, "x")};
  const LayoutPlan plan = flowchart::PlanLayout(charttest::ItemsOf(loose), {});
  EXPECT_FALSE(plan.ok());
  EXPECT_TRUE(plan.moves.empty());
  EXPECT_TRUE(plan.added.empty());
}

TEST(PlanLayout, AShapeTooLargeForTheLayoutIsTheReasonAndNothingChanges) {
  std::vector<FigurePlan> row = Row();
  row[0].box.setWidth(150000);
  const LayoutPlan plan = flowchart::PlanLayout(charttest::ItemsOf(row), {});
  EXPECT_FALSE(plan.ok());
  EXPECT_NE(plan.error.find("150000"), std::string::npos) << plan.error;
  EXPECT_TRUE(plan.moves.empty() && plan.removed.empty() && plan.added.empty());
}

}  // namespace
