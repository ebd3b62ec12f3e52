// A subgraph's own direction on a chart laid out top to bottom: its steps laid again in its
// direction inside it, the rest of the chart making room. Expected boxes worked out by hand: a
// row of 100 x 50 steps 54 apart from the cluster's old margins (8 beside, 32 above for the title).
#include <gtest/gtest.h>

#include "ClusterDirections.h"

namespace {

struct DirectionCase {
  const char* name;
  std::optional<graph::Direction> direction;
  std::vector<QRect> nodes;  // a, b, c in the cluster, d after it outside
  QRect cluster;
};
void PrintTo(const DirectionCase& c, std::ostream* os) { *os << c.name; }
class ClusterDirections : public testing::TestWithParam<DirectionCase> {};

TEST_P(ClusterDirections, LayTheClustersStepsInItsOwnFlow) {
  graph::Graph g;
  g.direction = graph::Direction::TopToBottom;
  g.nodes.resize(4);
  for (graph::Node& n : g.nodes) n.width = 100, n.height = 50;
  for (auto [from, to] : {std::pair{0, 1}, {1, 2}, {2, 3}}) {
    graph::Edge e;
    e.from = from;
    e.to = to;
    g.edges.push_back(e);
  }
  g.edges.back().fromCluster = 0;  // the cluster, not its step c, leads to d
  graph::Cluster c;
  c.nodes = {0, 1, 2};
  c.direction = GetParam().direction;
  g.clusters.push_back(c);
  // As the whole chart's layout left it: a column inside the cluster, d below and to the right.
  std::vector<QRect> nodes{{20, 40, 100, 50}, {20, 144, 100, 50}, {20, 248, 100, 50}, {200, 400, 100, 50}};
  std::vector<QRect> clusters{{12, 8, 116, 298}};
  EXPECT_EQ(flowchart::FollowClusterDirections(g, nodes, clusters), "");
  EXPECT_EQ(nodes, GetParam().nodes);
  EXPECT_EQ(clusters.front(), GetParam().cluster);
}

INSTANTIATE_TEST_SUITE_P(
    Subgraphs, ClusterDirections,
    testing::Values(
        // A row at x 20, 174, 328: the cluster 8 + 408 + 8 wide, 32 + 50 + 8 high; d, beyond its old
        // right edge, moves 424 - 116 = 308 on, and up the 298 - 90 = 208 the cluster left free.
        DirectionCase{"LeftToRight", graph::Direction::LeftToRight,
                      {{20, 40, 100, 50}, {174, 40, 100, 50}, {328, 40, 100, 50}, {508, 192, 100, 50}}, {12, 8, 424, 90}},
        DirectionCase{"AsTheChart", graph::Direction::TopToBottom,
                      {{20, 40, 100, 50}, {20, 144, 100, 50}, {20, 248, 100, 50}, {200, 400, 100, 50}}, {12, 8, 116, 298}},
        DirectionCase{"NoneGiven", std::nullopt,
                      {{20, 40, 100, 50}, {20, 144, 100, 50}, {20, 248, 100, 50}, {200, 400, 100, 50}}, {12, 8, 116, 298}}),
    [](const testing::TestParamInfo<DirectionCase>& i) { return std::string(i.param.name); });

struct PlaceCase {
  const char* name;
  graph::Direction chart, cluster;
  // x, a, b, c, y, then any more; a, b and c in the cluster, x linked to it and it to y.
  std::vector<QRect> nodes, placed;
  QRect before, after;
};
void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }
class ClusterPlaces : public testing::TestWithParam<PlaceCase> {};

TEST_P(ClusterPlaces, StayInLineWithTheirLinksAndCloseUpBehind) {
  const PlaceCase& p = GetParam();
  graph::Graph g;
  g.direction = p.chart;
  g.nodes.resize(p.nodes.size());
  for (graph::Node& n : g.nodes) n.width = 100, n.height = 50;
  for (auto [from, to] : {std::pair{0, 1}, {1, 2}, {2, 3}, {3, 4}}) {
    graph::Edge e;
    e.from = from;
    e.to = to;
    g.edges.push_back(e);
  }
  g.edges.front().toCluster = g.edges.back().fromCluster = 0;
  graph::Cluster c;
  c.nodes = {1, 2, 3};
  c.direction = p.cluster;
  g.clusters.push_back(c);
  std::vector<QRect> nodes = p.nodes, clusters{p.before};
  EXPECT_EQ(flowchart::FollowClusterDirections(g, nodes, clusters), "");
  EXPECT_EQ(nodes, p.placed);
  EXPECT_EQ(clusters.front(), p.after);
}

INSTANTIATE_TEST_SUITE_P(
    Charts, ClusterPlaces,
    testing::Values(
        // Down the chart, a column turned into a row 308 wider: x, a column of steps and y move
        // 154 on, so that the row's middle (223) stays under x and over y; n, beside b, moves all
        // 308 on. Of the room the cluster no longer fills below it (198 to 405), n stands in 244 to
        // 293: y comes up by the 112 after n.
        PlaceCase{"DownTheChartARow", graph::Direction::TopToBottom, graph::Direction::LeftToRight,
                  {{20, 0, 100, 50}, {20, 140, 100, 50}, {20, 244, 100, 50}, {20, 348, 100, 50}, {20, 500, 100, 50}, {200, 244, 100, 50}},
                  {{174, 0, 100, 50}, {20, 140, 100, 50}, {174, 140, 100, 50}, {328, 140, 100, 50}, {174, 388, 100, 50}, {508, 244, 100, 50}},
                  {12, 108, 116, 298}, {12, 108, 424, 90}},
        // Across the chart, a row turned into a column 208 higher: x and y move 104 down, in line
        // with its middle step, and y comes back the 208 it no longer fills.
        PlaceCase{"AcrossTheChartAColumn", graph::Direction::LeftToRight, graph::Direction::TopToBottom,
                  {{0, 40, 100, 50}, {140, 40, 100, 50}, {244, 40, 100, 50}, {348, 40, 100, 50}, {560, 40, 100, 50}},
                  {{0, 144, 100, 50}, {140, 40, 100, 50}, {140, 144, 100, 50}, {140, 248, 100, 50}, {352, 144, 100, 50}},
                  {132, 8, 324, 90}, {132, 8, 116, 298}}),
    [](const testing::TestParamInfo<PlaceCase>& i) { return std::string(i.param.name); });

}  // namespace
