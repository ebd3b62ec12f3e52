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
        // right edge, moves 424 - 116 = 308 on.
        DirectionCase{"LeftToRight", graph::Direction::LeftToRight,
                      {{20, 40, 100, 50}, {174, 40, 100, 50}, {328, 40, 100, 50}, {508, 400, 100, 50}}, {12, 8, 424, 90}},
        DirectionCase{"AsTheChart", graph::Direction::TopToBottom,
                      {{20, 40, 100, 50}, {20, 144, 100, 50}, {20, 248, 100, 50}, {200, 400, 100, 50}}, {12, 8, 116, 298}},
        DirectionCase{"NoneGiven", std::nullopt,
                      {{20, 40, 100, 50}, {20, 144, 100, 50}, {20, 248, 100, 50}, {200, 400, 100, 50}}, {12, 8, 116, 298}}),
    [](const testing::TestParamInfo<DirectionCase>& i) { return std::string(i.param.name); });

}  // namespace
