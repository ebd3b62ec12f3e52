#include <gtest/gtest.h>

#include "../semantics/SemanticsTestSupport.h"
#include "FlowOrder.h"
#include "WalkCharts.h"

namespace {

using walk::Side;
using walktest::L;
using walktest::S;
using semantics::ItemKind;

// Left to right: the start branches right (twice on) and down; with most connectors leaving
// right, right is the way ahead at the start.
walk::Chart LeftToRight() {
  walk::Chart c;
  c.shapes = {S(ItemKind::Start, {0, 100, 80, 40}, "Go"), S(ItemKind::Process, {200, 100, 80, 40}, "R1"),
              S(ItemKind::Process, {400, 100, 80, 40}, "R2"), S(ItemKind::Process, {0, 300, 80, 40}, "Down")};
  c.links = {L(0, 3, {40, 140}, {40, 300}), L(0, 1, {80, 120}, {200, 120}), L(1, 2, {280, 120}, {400, 120})};
  return c;
}

struct OrderCase {
  const char* name;
  walk::Chart chart;
  std::vector<int> order;
};

class FlowOrderTable : public testing::TestWithParam<OrderCase> {};

TEST_P(FlowOrderTable, TabOrder) { EXPECT_EQ(walk::FlowOrder(GetParam().chart), GetParam().order); }

INSTANTIATE_TEST_SUITE_P(
    Table, FlowOrderTable,
    testing::Values(
        // Begin before Note though Note reads first; "yes" (ahead) before "no" (across); the loop
        // back to Order ends there; the loop A, B no start reaches is walked after, from A.
        OrderCase{"BranchesAndLoops", walktest::BranchesAndLoops(), {0, 1, 2, 3, 5, 4, 6, 7, 8}},
        OrderCase{"AheadIsTheChartsDirection", LeftToRight(), {0, 1, 2, 3}},
        // Down, then right into a shape that branches right and down: ahead is right there.
        OrderCase{"AheadIsTheWayItCameIn",
                  {{S(ItemKind::Start, {0, 0, 80, 40}, "s"), S(ItemKind::Process, {0, 100, 80, 40}, "p1"),
                    S(ItemKind::Process, {200, 100, 80, 40}, "p2"), S(ItemKind::Process, {400, 100, 80, 40}, "p3"),
                    S(ItemKind::Process, {200, 300, 80, 40}, "p4")},
                   {L(0, 1, {40, 40}, {40, 100}), L(1, 2, {80, 120}, {200, 120}), L(2, 4, {240, 140}, {240, 300}),
                    L(2, 3, {280, 120}, {400, 120})}},
                  {0, 1, 2, 3, 4}},
        // Down into a shape that branches left, then down: ahead first.
        OrderCase{"AheadBeforeAcross",
                  {{S(ItemKind::Start, {200, 0, 80, 40}, "s"), S(ItemKind::Decision, {200, 100, 80, 40}, "d"),
                    S(ItemKind::Process, {0, 100, 80, 40}, "a"), S(ItemKind::Process, {200, 300, 80, 40}, "b")},
                   {L(0, 1, {240, 40}, {240, 100}), L(1, 2, {200, 120}, {80, 120}), L(1, 3, {240, 140}, {240, 300})}},
                  {0, 1, 3, 2}},
        OrderCase{"NoConnectorsReadingOrder",
                  {{S(ItemKind::Process, {200, 0, 80, 40}, "b"), S(ItemKind::Process, {0, 0, 80, 40}, "a"),
                    S(ItemKind::Process, {0, 100, 80, 40}, "c")},
                   {}},
                  {1, 0, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FlowOrder, StepsRoundTheEnds) {
  const std::vector<int> order = {4, 2, 7};
  const struct {
    std::optional<int> current;
    bool backward;
    std::optional<int> to;
  } steps[] = {{4, false, 2}, {7, false, 4}, {4, true, 7}, {2, true, 4}, {std::nullopt, false, 4},
               {std::nullopt, true, 7}, {9, false, 4}};
  for (const auto& s : steps)
    EXPECT_EQ(walk::StepInFlow(order, s.current, s.backward), s.to) << s.current.value_or(-1) << s.backward;
  EXPECT_EQ(walk::StepInFlow({}, 1, false), std::nullopt);
}

struct TowardCase {
  const char* name;
  int shape;
  Side side;
  std::optional<int> to;
};

class ShapeTowardTable : public testing::TestWithParam<TowardCase> {};

TEST_P(ShapeTowardTable, AltArrow) {
  EXPECT_EQ(walk::ShapeToward(walktest::BranchesAndLoops(), GetParam().shape, GetParam().side), GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(Table, ShapeTowardTable,
                         testing::Values(TowardCase{"DecisionRightIsNo", 2, Side::Right, 4},
                                         TowardCase{"DecisionDownIsYes", 2, Side::Bottom, 3},
                                         TowardCase{"DecisionUpIsWhereItCameFrom", 2, Side::Top, 1},
                                         TowardCase{"NothingLeft", 2, Side::Left, std::nullopt},
                                         TowardCase{"IntoTheRightSide", 1, Side::Right, 4},
                                         TowardCase{"LoopOutOfTheTop", 4, Side::Top, 1},
                                         // No connector on the right; Done lies right of its centre.
                                         TowardCase{"NearestJoinedThatWay", 3, Side::Right, 5},
                                         TowardCase{"JoinedNotAlignedThatWay", 3, Side::Left, std::nullopt},
                                         TowardCase{"AloneGoesNowhere", 6, Side::Right, std::nullopt}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConnectorsOf, ClockwiseFromTheTopLeft) {
  const walk::Chart c = walktest::BranchesAndLoops();
  EXPECT_EQ(walk::ConnectorsOf(c, 1), (std::vector<int>{0, 4, 1}));
  EXPECT_EQ(walk::ConnectorsOf(c, 2), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(walk::ConnectorToward(c, 1, Side::Right), 4);
  EXPECT_EQ(walk::ConnectorToward(c, 2, Side::Left), std::nullopt);
}

// From figures: the route's ends, the arrow's head deciding the way, the texts.
TEST(ChartOf, ShapesAndConnectorEnds) {
  using namespace semtest;
  const Scene scene({Shape(ItemKind::Start, {100, 0, 80, 40}), Text({110, 10, 60, 20}, "Begin"),
                     Shape(ItemKind::Process, {100, 100, 80, 40}), Arrow({140, 40}, {140, 100}),
                     Shape(ItemKind::Process, {300, 100, 80, 40}), Arrow({180, 120}, {300, 120}, apLeft)});
  const walk::Chart c = walk::ChartOf(scene.items, scene.query);
  ASSERT_EQ(c.shapes.size(), 3u);
  EXPECT_EQ(c.shapes[0].text, "Begin");
  EXPECT_EQ(c.shapes[2].figure, 5u);
  ASSERT_EQ(c.links.size(), 2u);
  EXPECT_EQ((std::pair{c.links[0].fromPoint, c.links[0].toPoint}), (std::pair{QPoint(140, 40), QPoint(140, 100)}));
  EXPECT_EQ((std::pair{c.links[1].from, c.links[1].to}), (std::pair{2, 1}));
  EXPECT_EQ((std::pair{c.links[1].fromPoint, c.links[1].toPoint}), (std::pair{QPoint(300, 120), QPoint(180, 120)}));
}

}  // namespace
