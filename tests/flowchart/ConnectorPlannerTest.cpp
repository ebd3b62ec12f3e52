// Connectors drawn between laid-out shapes: the figures of a route, the sides routes leave and
// enter by (never two on one side of a shape), loops, and the fallbacks; every connector reads
// back as its edge.
#include <gtest/gtest.h>

#include "ChartDrawing.h"
#include "ChartSupport.h"
#include "Connector.h"
#include "ConnectorLabel.h"
#include "ConnectorPlanner.h"
#include "ItemGrid.h"
#include "ReadBack.h"
#include "SidePoints.h"

namespace {

using connectors::Side;
using flowchart::ConnectorForm;
using flowchart::ConnectorPlanner;
using flowchart::ConnectorRequest;
using flowchart::FigurePlan;
using flowchart::PlannedConnector;
using semantics::ItemKind;

TEST(RouteSegments, LinesAlongTheRunsAndAnArrowAlongTheLast) {
  const std::vector<FigurePlan> s = flowchart::RouteSegments({{0, 0}, {0, 50}, {100, 50}}, {clRed, psDash, 2}, true);
  ASSERT_EQ(s.size(), 2u);
  // A line 4 pixels across, centred on x = 0; an arrow 30 across (the head's 5 x 2 = 10 pixels,
  // the pen and 2 more, at least 30), centred on y = 50, its head at the right end.
  EXPECT_EQ(s[0].kind, ItemKind::Line);
  EXPECT_EQ(s[0].box, QRect(-2, 0, 4, 50));
  EXPECT_EQ(s[0].direction, adLeftToLeft);
  EXPECT_EQ(s[1].kind, ItemKind::Arrow);
  EXPECT_EQ(s[1].box, QRect(0, 35, 100, 30));
  EXPECT_EQ(s[1].direction, adTopToTop);
  EXPECT_EQ(s[1].heads, apRight);
  // HeadRates(2, 100): 10 / 2 = 5 wide, as long as wide.
  EXPECT_EQ(s[1].thicknessRate, 5);
  EXPECT_EQ(s[1].headLengthRate, 1);
  for (const FigurePlan& p : s) {
    EXPECT_EQ(p.lineColor, clRed);
    EXPECT_EQ(p.pen, psDash);
  }
}

TEST(RouteSegments, WithoutADirectionTheLastRunIsALine) {
  const std::vector<FigurePlan> s = flowchart::RouteSegments({{100, 0}, {0, 0}}, {}, false);
  ASSERT_EQ(s.size(), 1u);
  EXPECT_EQ(s[0].kind, ItemKind::Line);
  EXPECT_EQ(s[0].box, QRect(0, -2, 100, 4));
}

TEST(MiddleRun, TheMiddleOneOrTheLongerOfTheTwoMiddleOnes) {
  const auto three = flowchart::RouteSegments({{0, 0}, {0, 20}, {80, 20}, {80, 60}}, {}, true);
  EXPECT_EQ(flowchart::MiddleRun(three), std::make_pair(QPoint(0, 20), QPoint(80, 20)));
  const auto two = flowchart::RouteSegments({{0, 0}, {0, 20}, {80, 20}}, {}, true);
  EXPECT_EQ(flowchart::MiddleRun(two), std::make_pair(QPoint(0, 20), QPoint(80, 20)));
  const auto twoLongFirst = flowchart::RouteSegments({{0, 0}, {0, 90}, {30, 90}}, {}, true);
  EXPECT_EQ(flowchart::MiddleRun(twoLongFirst), std::make_pair(QPoint(0, 0), QPoint(0, 90)));
}

// Shapes on a canvas, connectors planned among them and read back as a diagram.
struct Chart {
  std::vector<FigurePlan> shapes;
  std::vector<std::pair<int, int>> edges;
  std::vector<PlannedConnector> planned;
  std::vector<semantics::Item> items;

  void Plan(graph::Direction direction, ConnectorForm form, bool directed = true) {
    std::vector<semantics::Item> placed = charttest::ItemsOf(shapes);
    ConnectorPlanner planner(direction, form, flowchart::ShapeQuery(placed));
    std::vector<ConnectorRequest> requests;
    for (auto [from, to] : edges) {
      ConnectorRequest r;
      r.from = flowchart::RoutingFigure(placed[static_cast<size_t>(from)]);
      r.to = flowchart::RoutingFigure(placed[static_cast<size_t>(to)]);
      r.directed = directed;
      requests.push_back(r);
    }
    planned = planner.PlanAll(requests);
    items = placed;
    for (const PlannedConnector& c : planned)
      for (const FigurePlan& s : c.segments) items.push_back(flowchart::ItemOf(s, items.size() + 1, static_cast<int>(items.size())));
  }
  // The connector of the k-th edge as the meaning module reads it.
  semantics::Connector Read(size_t k) const {
    size_t first = shapes.size();
    for (size_t i = 0; i < k; ++i) first += planned[i].segments.size();
    const semantics::ItemGrid grid(items);
    return semantics::ConnectorOf(items[first], grid.AsQuery()).value_or(semantics::Connector{});
  }
  std::vector<size_t> NotReadBack(bool directed = true) const {
    std::vector<flowchart::ExpectedEdge> expected;
    uint64_t id = shapes.size() + 1;
    for (size_t k = 0; k < edges.size(); ++k) {
      flowchart::ExpectedEdge x{static_cast<uint64_t>(edges[k].first) + 1, static_cast<uint64_t>(edges[k].second) + 1,
                                directed, {}, {}};
      for (size_t s = 0; s < planned[k].segments.size(); ++s) x.segments.push_back(id++);
      expected.push_back(x);
    }
    return flowchart::EdgesNotReadBack(items, expected);
  }
};

FigurePlan Box(QRect box, ItemKind kind = ItemKind::Rectangle) {
  FigurePlan p;
  p.kind = kind;
  p.box = box;
  return p;
}

QPoint SidePoint(const FigurePlan& shape, Side side) {
  return connectors::AttachPoint(semantics::FigureKindOf(shape.kind), shape.box, side).point;
}

// Top to bottom: A (centre x 150) leads to B below left (centre 50) and to C below right (centre
// 210), more nearly in line: C's route leaves A's bottom, B's A's left side, toward it.
TEST(PlanSides, TheConnectorMostInLineLeavesAlongTheDirectionTheOthersTowardWhereTheyGo) {
  Chart c;
  c.shapes = {Box({100, 0, 100, 50}), Box({0, 150, 100, 50}), Box({160, 150, 100, 50})};
  c.edges = {{0, 1}, {0, 2}};
  c.Plan(graph::Direction::TopToBottom, ConnectorForm::Elbow);
  const semantics::Connector toB = c.Read(0), toC = c.Read(1);
  EXPECT_EQ(toB.start, SidePoint(c.shapes[0], Side::Left));
  EXPECT_EQ(toB.end, SidePoint(c.shapes[1], Side::Top));
  EXPECT_EQ(toC.start, SidePoint(c.shapes[0], Side::Bottom));
  EXPECT_EQ(toC.end, SidePoint(c.shapes[2], Side::Top));
  EXPECT_TRUE(c.NotReadBack().empty());
}

// Left to right, a step back from D to A goes around: out of D's lower side, into A's lower side,
// the forward one from A's right to D's left.
TEST(PlanSides, AStepBackGoesAroundByOneSideAcross) {
  Chart c;
  c.shapes = {Box({0, 0, 100, 50}), Box({200, 0, 100, 50})};
  c.edges = {{0, 1}, {1, 0}};
  c.Plan(graph::Direction::LeftToRight, ConnectorForm::Elbow);
  const semantics::Connector forward = c.Read(0), back = c.Read(1);
  EXPECT_EQ(forward.start, SidePoint(c.shapes[0], Side::Right));
  EXPECT_EQ(forward.end, SidePoint(c.shapes[1], Side::Left));
  EXPECT_EQ(back.start, SidePoint(c.shapes[1], Side::Bottom));
  EXPECT_EQ(back.end, SidePoint(c.shapes[0], Side::Bottom));
  EXPECT_TRUE(c.NotReadBack().empty());
}

// Five children below one shape: the one right below by the bottom, the next ones out by the
// left and right sides, and then no side is left toward the outer two: they are straight, on the
// diagonal; all five read back.
TEST(PlanSides, WithNoSideLeftAConnectorIsStraight) {
  Chart c;
  c.shapes = {Box({400, 0, 100, 50})};
  for (int i = 0; i < 5; ++i) {
    c.shapes.push_back(Box({i * 200, 200, 100, 50}));
    c.edges.emplace_back(0, i + 1);
  }
  c.Plan(graph::Direction::TopToBottom, ConnectorForm::Elbow);
  std::vector<bool> diagonal;
  for (const PlannedConnector& p : c.planned)
    diagonal.push_back(p.segments.size() == 1 && (p.segments[0].direction == adTopToBottom ||
                                                  p.segments[0].direction == adBottomToTop));
  EXPECT_EQ(diagonal, (std::vector<bool>{true, false, false, false, true}));
  EXPECT_EQ(c.Read(1).start, SidePoint(c.shapes[0], Side::Left));
  EXPECT_EQ(c.Read(3).start, SidePoint(c.shapes[0], Side::Right));
  EXPECT_EQ(c.Read(2).start, SidePoint(c.shapes[0], Side::Bottom));  // the child right below
  EXPECT_TRUE(c.NotReadBack().empty());
}

TEST(PlanSides, WithoutADirectionAConnectorIsOneStraightLine) {
  Chart c;
  c.shapes = {Box({0, 0, 100, 50}), Box({0, 150, 100, 50})};
  c.edges = {{0, 1}};
  c.Plan(graph::Direction::TopToBottom, ConnectorForm::Elbow, false);
  ASSERT_EQ(c.planned[0].segments.size(), 1u);
  EXPECT_EQ(c.planned[0].segments[0].kind, ItemKind::Line);
  EXPECT_EQ(c.planned[0].segments[0].box, QRect(48, 50, 4, 100));
  EXPECT_TRUE(c.NotReadBack(false).empty());
}

// A loop out of the right side (100, 25), 40 pixels on, up to 40 above the top, back over the
// top's point (50, 0) and down into it.
TEST(PlanSides, ALoopGoesAroundTheCorner) {
  for (ConnectorForm form : {ConnectorForm::Elbow, ConnectorForm::Straight}) {
    Chart c;
    c.shapes = {Box({0, 0, 100, 50})};
    c.edges = {{0, 0}};
    c.Plan(graph::Direction::TopToBottom, form);
    ASSERT_EQ(c.planned[0].segments.size(), 4u);
    const semantics::Connector loop = c.Read(0);
    EXPECT_EQ(loop.start, QPoint(100, 25));
    EXPECT_EQ(loop.end, QPoint(50, 0));
    EXPECT_EQ(loop.segments[1]->box, QRect(138, -40, 4, 65));
    EXPECT_TRUE(c.NotReadBack().empty());
  }
}

TEST(PlanSides, StraightFormDrawsStraightArrowsBetweenFacingSides) {
  Chart c;
  c.shapes = {Box({100, 0, 100, 50}), Box({0, 150, 100, 50})};
  c.edges = {{0, 1}};
  c.Plan(graph::Direction::TopToBottom, ConnectorForm::Straight);
  ASSERT_EQ(c.planned[0].segments.size(), 1u);
  // No overlap either way: the facing side points, bottom (150, 50) and top (50, 150).
  const semantics::Connector s = c.Read(0);
  EXPECT_EQ(s.start, QPoint(150, 50));
  EXPECT_EQ(s.end, QPoint(50, 150));
  EXPECT_TRUE(c.NotReadBack().empty());
}

// A straight arrow's label goes beside its start, as a routed branch's does: from A's bottom
// (150, 50) down left to B's top (50, 150), up left of the run, its corner 5.7 pixels off it and
// slid along (28) until clear of A; and it reads back as that arrow's label.
TEST(PlanSides, StraightLabelBesideTheStart) {
  std::vector<semantics::Item> placed = charttest::ItemsOf({Box({100, 0, 100, 50}), Box({0, 150, 100, 50})});
  ConnectorPlanner planner(graph::Direction::TopToBottom, ConnectorForm::Straight, flowchart::ShapeQuery(placed));
  ConnectorRequest r;
  r.from = flowchart::RoutingFigure(placed[0]);
  r.to = flowchart::RoutingFigure(placed[1]);
  r.label = "yes";
  r.labelSize = {30, 14};
  const std::vector<PlannedConnector> planned = planner.PlanAll({r});
  ASSERT_EQ(planned.size(), 1u);
  ASSERT_EQ(planned[0].segments.size(), 1u);
  ASSERT_TRUE(planned[0].label);
  EXPECT_EQ(planned[0].label->box, QRect(96, 52, 30, 14));
  std::vector<semantics::Item> items = placed;
  items.push_back(flowchart::ItemOf(planned[0].segments[0], 3, 2));
  items.push_back(flowchart::ItemOf(*planned[0].label, 4, 3));
  const semantics::ItemGrid grid(items);
  const std::optional<semantics::Connector> c = semantics::ConnectorOf(items[2], grid.AsQuery());
  ASSERT_TRUE(c);
  const semantics::Item* label = semantics::ConnectorLabel(*c, grid.AsQuery());
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->id, 4u);
}

// Two straight connectors between the same shapes would lie on each other: the second one,
// drawn otherwise, is an elbow route by a free side.
TEST(PlanSides, OtherwiseGivesAStraightDuplicateAnElbowRoute) {
  Chart c;
  c.shapes = {Box({0, 0, 100, 50}), Box({0, 150, 100, 50})};
  std::vector<semantics::Item> placed = charttest::ItemsOf(c.shapes);
  ConnectorPlanner planner(graph::Direction::TopToBottom, ConnectorForm::Straight, flowchart::ShapeQuery(placed));
  ConnectorRequest r;
  r.from = flowchart::RoutingFigure(placed[0]);
  r.to = flowchart::RoutingFigure(placed[1]);
  const PlannedConnector other = planner.Otherwise(r);
  EXPECT_GT(other.segments.size(), 1u);
  EXPECT_EQ(ConnectorPlanner::Straight(r).segments.size(), 1u);
}


// Straight, A to B and B back to A would be one line with a head at each end: the way back goes
// around by the right sides, and both read back as drawn.
TEST(PlanSides, AStraightWayBackGoesAroundByAFreeSide) {
  Chart c;
  c.shapes = {Box({0, 0, 100, 50}), Box({0, 150, 100, 50})};
  c.edges = {{0, 1}, {1, 0}};
  c.Plan(graph::Direction::TopToBottom, ConnectorForm::Straight);
  ASSERT_EQ(c.planned.size(), 2u);
  EXPECT_EQ(c.planned[0].segments.size(), 1u);
  EXPECT_GT(c.planned[1].segments.size(), 1u);
  const semantics::Connector back = c.Read(1);
  EXPECT_EQ(back.start, SidePoint(c.shapes[1], Side::Right));
  EXPECT_EQ(back.end, SidePoint(c.shapes[0], Side::Right));
  EXPECT_TRUE(c.NotReadBack().empty());
}

}  // namespace
