// Steps in a pool of lanes: ranked by the flow of the whole chart, each in its own lane, the lanes
// in their order, touching and of one length. Expected boxes worked out by hand from the spacing
// (steps 36 apart across the flow, ranks 54 apart, 16 inside a lane's edges).
#include <gtest/gtest.h>

#include "LaneLayout.h"

namespace {

graph::Graph Chart() {
  // A in lane 0; B and C in lane 1 after A; D in lane 2 after both; D back to A closes a loop.
  graph::Graph g;
  g.nodes.resize(4);
  for (graph::Node& n : g.nodes) n.width = 100, n.height = 40;
  for (auto [from, to] : {std::pair{0, 1}, {0, 2}, {1, 3}, {2, 3}, {3, 0}}) {
    graph::Edge e;
    e.from = from;
    e.to = to;
    g.edges.push_back(e);
  }
  return g;
}

struct LaneCase {
  const char* name;
  bool rows;
  std::vector<QRect> lanes;
  std::vector<QRect> nodes;
  std::vector<int> titleWidths = {};
};
void PrintTo(const LaneCase& c, std::ostream* os) { *os << c.name; }

class LaneLayoutTest : public testing::TestWithParam<LaneCase> {};

TEST_P(LaneLayoutTest, PlacesEachStepInItsLaneByRank) {
  const LaneCase& c = GetParam();
  const flowchart::LanePlacement p = flowchart::PlaceInLanes(Chart(), {0, 1, 1, 2}, {20, 20, 20}, c.rows, {0, 0}, {}, c.titleWidths);
  EXPECT_EQ(p.lanes, c.lanes);
  EXPECT_EQ(p.nodes, c.nodes);
}

INSTANTIATE_TEST_SUITE_P(
    Pools, LaneLayoutTest,
    testing::Values(
        // Rows: ranks at x 16, 170, 324; steps below the 20-pixel titles (28 down); lane 1 holds two
        // steps of one rank, one 76 below the other, and is 160 deep.
        LaneCase{"Rows", true,
                 {QRect(0, 0, 440, 84), QRect(0, 84, 440, 160), QRect(0, 244, 440, 84)},
                 {QRect(16, 28, 100, 40), QRect(170, 112, 100, 40), QRect(170, 188, 100, 40), QRect(324, 272, 100, 40)}},
        // Columns: ranks at y 36, 130, 224 below the titles; lane 1 holds its two steps side by side.
        LaneCase{"Columns", false,
                 {QRect(0, 0, 132, 280), QRect(132, 0, 268, 280), QRect(400, 0, 132, 280)},
                 {QRect(16, 36, 100, 40), QRect(148, 130, 100, 40), QRect(284, 130, 100, 40), QRect(416, 224, 100, 40)}},
        // The first lane's title needs 200: that lane is 200 wide, the others move on by 68.
        LaneCase{"ColumnsAsWideAsTheirTitles", false,
                 {QRect(0, 0, 200, 280), QRect(200, 0, 268, 280), QRect(468, 0, 132, 280)},
                 {QRect(16, 36, 100, 40), QRect(216, 130, 100, 40), QRect(352, 130, 100, 40), QRect(484, 224, 100, 40)},
                 {200, 0, 0}}),
    [](const testing::TestParamInfo<LaneCase>& info) { return std::string(info.param.name); });

TEST(FlowRanks, OneAfterTheLatestStepLeadingThereLoopsBroken) {
  graph::Graph g = Chart();
  graph::Edge skip;  // A straight to D changes nothing: D already comes after B and C
  skip.from = 0;
  skip.to = 3;
  g.edges.push_back(skip);
  EXPECT_EQ(flowchart::FlowRanks(g), (std::vector<int>{0, 1, 1, 2}));
}

}  // namespace
