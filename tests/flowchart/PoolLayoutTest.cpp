// Charts with several pools, containers inside lanes and steps outside every pool. Expected boxes
// worked out by hand from the lane spacing (ranks 54 apart, 16 inside a lane's edges) and the 40
// pixels between siblings.
#include <gtest/gtest.h>

#include "PoolLayout.h"

namespace {

graph::Graph Steps(int count, std::initializer_list<std::pair<int, int>> links) {
  graph::Graph g;
  g.nodes.resize(static_cast<size_t>(count));
  for (graph::Node& n : g.nodes) n.width = 100, n.height = 50;
  for (auto [from, to] : links) {
    graph::Edge e;
    e.from = from;
    e.to = to;
    g.edges.push_back(e);
  }
  return g;
}
void AddCluster(graph::Graph& g, int parent, std::vector<int> nodes) {
  graph::Cluster c;
  c.parent = parent;
  c.nodes = std::move(nodes);
  g.clusters.push_back(c);
}

TEST(PoolLayout, PoolsFollowEachOtherAndTheRestGoesBelow) {
  // 0 -> 1 -> 2 -> 3 -> 4: 0 and 1 in the lanes of pool A, 2 and 3 in pool B's, 4 in none; ranks
  // 0 to 4 from the whole chart. Pool B lies lower now and comes second.
  graph::Graph g = Steps(5, {{0, 1}, {1, 2}, {2, 3}, {3, 4}});
  for (int n = 0; n < 4; ++n) AddCluster(g, -1, {n});
  const std::vector<flowchart::PoolChart> pools{{true, {2, 3}, {0, 0}, {}, {100, 500}}, {true, {0, 1}, {0, 0}, {}, {100, 100}}};
  const flowchart::PoolsPlacement p = flowchart::PlacePools(g, pools, graph::Direction::TopToBottom);
  ASSERT_TRUE(p.ok()) << p.error;
  // Each pool holds two of the ranks: at 16 and 16 + 100 + 54 = 170, 286 long; lanes 16 + 50 + 16
  // = 82 deep. Pool A from (100, 100) to y 263, pool B 40 below from y 304 to 467, step 4 40 below.
  EXPECT_EQ(p.clusters, (std::vector<QRect>{{100, 100, 286, 82}, {100, 182, 286, 82}, {100, 304, 286, 82}, {100, 386, 286, 82}}));
  EXPECT_EQ(p.nodes, (std::vector<QRect>{{116, 116, 100, 50}, {270, 198, 100, 50}, {116, 320, 100, 50}, {270, 402, 100, 50}, {100, 508, 100, 50}}));
}

TEST(PoolLayout, AContainerInALaneStaysInItWithItsMembers) {
  // Lanes 0 and 1 of one pool; container 2 inside lane 0 holds steps 0 -> 1; step 2 in lane 1
  // follows step 1.
  graph::Graph g = Steps(3, {{0, 1}, {1, 2}});
  AddCluster(g, -1, {});
  AddCluster(g, -1, {2});
  AddCluster(g, 0, {0, 1});
  const flowchart::PoolsPlacement p = flowchart::PlacePools(g, {{true, {0, 1}, {24, 24}, {}, {0, 0}}}, graph::Direction::TopToBottom);
  ASSERT_TRUE(p.ok()) << p.error;
  const QRect lane0 = p.clusters[0], lane1 = p.clusters[1], box = p.clusters[2];
  // The container is the lane's first rank, 16 in and below the 24-pixel title (24 + 8); step 2 one
  // rank later in lane 1, 54 beyond the container.
  EXPECT_EQ(box.topLeft(), QPoint(16, 32));
  EXPECT_EQ(lane0.bottom(), box.bottom() + 16);
  EXPECT_EQ(lane1.top(), lane0.bottom() + 1);
  EXPECT_EQ(p.nodes[2].topLeft(), QPoint(box.right() + 1 + 54, lane1.top() + 32));
  for (int n : {0, 1}) EXPECT_TRUE(box.contains(p.nodes[static_cast<size_t>(n)])) << n;
  EXPECT_LT(p.nodes[0].right(), p.nodes[1].left());  // left to right in a pool of rows
}

// A container (0) holding a pool of two lanes (1, 2) and a step of its own: 0 -> 1 -> 2, steps
// 0 and 1 in the lanes, 2 in the container only. The pool is laid out as rows from its own corner
// (ranks at 16 and 16 + 100 + 54 = 170, lanes 286 long and 16 + 50 + 16 = 82 deep), then placed in
// the container as one step that leads to step 2, which comes below it.
TEST(PoolLayout, APoolInAContainerStaysInItWhole) {
  for (const int title : {0, 30}) {
    graph::Graph g = Steps(3, {{0, 1}, {1, 2}});
    AddCluster(g, -1, {2});
    g.clusters.back().titleHeight = title;
    g.clusters.back().titleWidth = title * 4;
    AddCluster(g, 0, {0});
    AddCluster(g, 0, {1});
    // With a title, the second lane's is 400 wide: both lanes grow to hold it.
    const flowchart::PoolChart pool{true, {1, 2}, {0, 0}, {0, title ? 400 : 0}, {40, 80}};
    const flowchart::PoolsPlacement p = flowchart::PlacePools(g, {pool}, graph::Direction::TopToBottom);
    ASSERT_TRUE(p.ok()) << p.error;
    const QRect box = p.clusters[0], lane1 = p.clusters[1], lane2 = p.clusters[2];
    const QPoint o = lane1.topLeft();
    const int length = title ? 400 : 286;
    EXPECT_EQ(lane1, QRect(o, QSize(length, 82))) << title;
    EXPECT_EQ(lane2, QRect(o + QPoint(0, 82), QSize(length, 82))) << title;
    EXPECT_EQ(p.nodes[0], QRect(o + QPoint(16, 16), QSize(100, 50))) << title;
    EXPECT_EQ(p.nodes[1], QRect(o + QPoint(170, 98), QSize(100, 50))) << title;
    EXPECT_TRUE(box.contains(lane1 | lane2)) << title;
    EXPECT_TRUE(box.contains(p.nodes[2])) << title;
    EXPECT_GE(lane1.top() - box.top(), title) << title;  // the title's room above the pool
    EXPECT_GT(p.nodes[2].top(), lane2.bottom()) << title;
  }
}

}  // namespace
