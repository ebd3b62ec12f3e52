#include <gtest/gtest.h>

#include <algorithm>

#include "Graph.h"
#include "Layout.h"

using graph::Direction;
using graph::Graph;
using graph::Shape;

namespace {

graph::Node N(Shape shape, int w, int h) {
  graph::Node n;
  n.shape = shape;
  n.width = w;
  n.height = h;
  return n;
}

graph::Edge E(int from, int to, std::string label = {}, bool directed = true) {
  graph::Edge e;
  e.from = from;
  e.to = to;
  e.label = std::move(label);
  e.directed = directed;
  return e;
}

// A decision tree with a join and a few odd sizes: 0 -> 1 -> {2, 3}, 2 -> 4, 3 -> 4, 4 -> 5, 1 -> 6.
Graph Tree() {
  Graph g;
  g.nodes = {N(Shape::Start, 0, 0),    N(Shape::Decision, 141, 81), N(Shape::Process, 0, 0), N(Shape::Process, 75, 33),
             N(Shape::Ellipse, 90, 90), N(Shape::End, 121, 0),      N(Shape::Rectangle, 61, 301)};
  g.edges = {E(0, 1), E(1, 2, "yes"), E(1, 3, "no"), E(2, 4), E(3, 4), E(4, 5), E(1, 6)};
  return g;
}

bool Overlap(const QRect& a, const QRect& b) { return a.intersects(b); }

class LayoutDirectionTest : public testing::TestWithParam<Direction> {};

TEST_P(LayoutDirectionTest, BoxesNeverOverlap) {
  Graph g = Tree();
  // Parallel edges, a back edge and a self-loop as well.
  g.edges.push_back(E(2, 4));
  g.edges.push_back(E(5, 1));
  g.edges.push_back(E(3, 3));
  const graph::LayoutResult r = graph::Layout(g, GetParam());
  ASSERT_TRUE(r.ok()) << r.error;
  ASSERT_EQ(r.nodes.size(), g.nodes.size());
  for (size_t i = 0; i < r.nodes.size(); ++i)
    for (size_t k = i + 1; k < r.nodes.size(); ++k)
      EXPECT_FALSE(Overlap(r.nodes[i], r.nodes[k])) << i << " and " << k;
}

// TB: a parent's box lies wholly above its child's; BT below; LR left of it; RL right of it.
TEST_P(LayoutDirectionTest, RanksFollowTheEdges) {
  const Graph g = Tree();
  const Direction d = GetParam();
  const graph::LayoutResult r = graph::Layout(g, d);
  ASSERT_TRUE(r.ok()) << r.error;
  for (const graph::Edge& e : g.edges) {
    const QRect& p = r.nodes[e.from];
    const QRect& c = r.nodes[e.to];
    switch (d) {
      case Direction::TopToBottom: EXPECT_LT(p.bottom(), c.top()) << e.from << "->" << e.to; break;
      case Direction::BottomToTop: EXPECT_GT(p.top(), c.bottom()) << e.from << "->" << e.to; break;
      case Direction::LeftToRight: EXPECT_LT(p.right(), c.left()) << e.from << "->" << e.to; break;
      case Direction::RightToLeft: EXPECT_GT(p.left(), c.right()) << e.from << "->" << e.to; break;
    }
  }
}

// Sizes as given, in every direction (Graphviz turns its axes for LR and RL).
TEST_P(LayoutDirectionTest, NodesKeepTheirSizes) {
  const graph::LayoutResult r = graph::Layout(Tree(), GetParam());
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(r.nodes[1].size(), QSize(141, 81));
  EXPECT_EQ(r.nodes[3].size(), QSize(75, 33));
  EXPECT_EQ(r.nodes[4].size(), QSize(90, 90));
  EXPECT_EQ(r.nodes[6].size(), QSize(61, 301));
  // A side of 0 takes the shape's default, the other side stays.
  EXPECT_EQ(r.nodes[0].size(), graph::DefaultNodeSize(Shape::Start));
  EXPECT_EQ(r.nodes[2].size(), graph::DefaultNodeSize(Shape::Process));
  EXPECT_EQ(r.nodes[5].size(), QSize(121, graph::DefaultNodeSize(Shape::End).height()));
}

TEST_P(LayoutDirectionTest, EverythingLiesFromTheOrigin) {
  graph::LayoutOptions options;
  options.origin = QPoint(40, -25);
  const graph::LayoutResult r = graph::Layout(Tree(), GetParam(), options);
  ASSERT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(r.bounds.topLeft(), QPoint(40, -25));
  for (const QRect& box : r.nodes) EXPECT_TRUE(r.bounds.contains(box)) << box.x() << "," << box.y();
  for (const graph::Route& route : r.edges)
    for (const QPoint& p : route.points) EXPECT_TRUE(r.bounds.contains(p)) << p.x() << "," << p.y();
}

// The tree with a titled cluster around the decision and its branches, and one inside it around
// a branch.
Graph Clustered() {
  Graph g = Tree();
  graph::Cluster outer;
  outer.nodes = {1, 2};
  outer.titleWidth = 300;
  outer.titleHeight = 24;
  graph::Cluster inner;
  inner.parent = 0;
  inner.nodes = {3};
  inner.titleWidth = 40;
  inner.titleHeight = 20;
  g.clusters = {outer, inner};
  return g;
}

TEST_P(LayoutDirectionTest, ClustersHoldTheirNodesAndTitlesAndNoOtherNode) {
  const Graph g = Clustered();
  const graph::LayoutResult r = graph::Layout(g, GetParam());
  ASSERT_TRUE(r.ok()) << r.error;
  ASSERT_EQ(r.clusters.size(), 2u);
  const std::vector<std::vector<int>> within{{1, 2, 3}, {3}};  // nested clusters' nodes count
  for (size_t c = 0; c < 2; ++c) {
    SCOPED_TRACE(c);
    const QRect box = r.clusters[c];
    int top = box.bottom();
    for (size_t n = 0; n < g.nodes.size(); ++n) {
      const bool member = std::count(within[c].begin(), within[c].end(), static_cast<int>(n)) > 0;
      EXPECT_EQ(box.contains(r.nodes[n]), member) << "node " << n;
      if (member) {
        top = std::min(top, r.nodes[n].top());
      } else {
        EXPECT_FALSE(box.intersects(r.nodes[n])) << "node " << n;
      }
    }
    EXPECT_GE(box.width(), g.clusters[c].titleWidth);
    EXPECT_GE(top - box.top(), g.clusters[c].titleHeight);
    EXPECT_TRUE(r.bounds.contains(box));
  }
  EXPECT_TRUE(r.clusters[0].contains(r.clusters[1]));
}

INSTANTIATE_TEST_SUITE_P(AllDirections, LayoutDirectionTest,
                         testing::Values(Direction::TopToBottom, Direction::BottomToTop, Direction::LeftToRight,
                                         Direction::RightToLeft));

// An edge's route runs from its tail's outline to its head's: cubic pieces, the head's arrow tip
// at the head, and a label position for a labelled edge.
TEST(LayoutTest, RoutesRunFromTailToHead) {
  Graph g = Tree();
  g.edges.push_back(E(5, 0));  // against the ranks
  g.edges.push_back(E(2, 3, "", false));
  const graph::LayoutResult r = graph::Layout(g, Direction::TopToBottom);
  ASSERT_TRUE(r.ok()) << r.error;
  ASSERT_EQ(r.edges.size(), g.edges.size());
  for (size_t k = 0; k < g.edges.size(); ++k) {
    const graph::Route& route = r.edges[k];
    const QRect tail = r.nodes[g.edges[k].from].adjusted(-3, -3, 3, 3);
    const QRect head = r.nodes[g.edges[k].to].adjusted(-3, -3, 3, 3);
    ASSERT_GE(route.points.size(), 4u) << k;
    EXPECT_EQ((route.points.size() - 1) % 3, 0u) << k;
    EXPECT_TRUE(tail.contains(route.points.front())) << k;
    if (g.edges[k].directed) {
      ASSERT_TRUE(route.headTip.has_value()) << k;
      EXPECT_TRUE(head.contains(*route.headTip)) << k;
    } else {
      EXPECT_FALSE(route.headTip.has_value()) << k;
      EXPECT_TRUE(head.contains(route.points.back())) << k;
    }
    EXPECT_EQ(route.label.has_value(), !g.edges[k].label.empty()) << k;
  }
}

TEST(LayoutTest, SameGraphSameLayoutEveryTime) {
  const Graph g = Tree();
  const graph::LayoutResult first = graph::Layout(g, Direction::LeftToRight);
  ASSERT_TRUE(first.ok());
  for (int i = 0; i < 20; ++i) {
    const graph::LayoutResult again = graph::Layout(g, Direction::LeftToRight);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.nodes, first.nodes);
    EXPECT_EQ(again.bounds, first.bounds);
    for (size_t k = 0; k < g.edges.size(); ++k) EXPECT_EQ(again.edges[k].points, first.edges[k].points);
  }
}

TEST(LayoutTest, SpacingIsKept) {
  Graph g;
  g.nodes = {N(Shape::Process, 100, 40), N(Shape::Process, 100, 40), N(Shape::Process, 100, 40)};
  g.edges = {E(0, 1), E(0, 2)};
  graph::LayoutOptions options;
  options.nodeSpacing = 50;
  options.rankSpacing = 80;
  const graph::LayoutResult r = graph::Layout(g, Direction::TopToBottom, options);
  ASSERT_TRUE(r.ok()) << r.error;
  // The two children share a rank, 50 apart; the rank below starts 80 under the parent.
  EXPECT_EQ(r.nodes[1].top(), r.nodes[2].top());
  EXPECT_GE(std::abs(r.nodes[1].center().x() - r.nodes[2].center().x()), 150);
  EXPECT_GE(r.nodes[1].top() - (r.nodes[0].bottom() + 1), 80);
}

TEST(LayoutTest, EmptyGraph) {
  const graph::LayoutResult r = graph::Layout(Graph{}, Direction::TopToBottom);
  EXPECT_TRUE(r.ok()) << r.error;
  EXPECT_TRUE(r.nodes.empty());
}

struct ErrorCase {
  const char* name;
  Graph graph;
  graph::LayoutOptions options;
  const char* expected;
};
void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }

class LayoutErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(LayoutErrorTest, ReachesTheCaller) {
  const ErrorCase& c = GetParam();
  const graph::LayoutResult r = graph::Layout(c.graph, Direction::TopToBottom, c.options);
  EXPECT_FALSE(r.ok());
  EXPECT_EQ(r.error.rfind(c.expected, 0), 0u) << r.error;
  EXPECT_TRUE(r.nodes.empty());
}

Graph TwoNodes(int edgeTo, int width = 10) {
  Graph g;
  g.nodes = {N(Shape::Process, width, 10), N(Shape::Process, 10, 10)};
  g.edges = {E(0, edgeTo)};
  return g;
}

graph::LayoutOptions Engine(const char* engine) {
  graph::LayoutOptions o;
  o.engine = engine;
  return o;
}

graph::LayoutOptions Spacing(int nodes) {
  graph::LayoutOptions o;
  o.nodeSpacing = nodes;
  return o;
}

INSTANTIATE_TEST_SUITE_P(
    Errors, LayoutErrorTest,
    testing::Values(
        ErrorCase{"EdgeToNoNode", TwoNodes(2), {}, "edge 1 joins nodes 0 and 2, but the graph has 2 nodes"},
        ErrorCase{"NegativeSize", TwoNodes(1, -5), {}, "node 1 ('') has the size -5 x 10, outside 0 to 100000"},
        ErrorCase{"NoSpacing", TwoNodes(1), Spacing(0), "the spacing of nodes and ranks must lie between 2 and"},
        ErrorCase{"ClusterInALaterOne", [] {
                    Graph g = TwoNodes(1);
                    g.clusters.resize(2);
                    g.clusters[0].parent = 1;
                    return g;
                  }(), {}, "cluster 1 lies in cluster 2, which does not come before it"},
        ErrorCase{"ClusterOfNoNode", [] {
                    Graph g = TwoNodes(1);
                    g.clusters.resize(1);
                    g.clusters[0].nodes = {0, 2};
                    return g;
                  }(), {}, "cluster 1 holds node 2, but the graph has 2 nodes"},
        // Graphviz's own reason, as it gives it.
        ErrorCase{"UnknownEngine", TwoNodes(1), Engine("nosuch"), "Layout type: \"nosuch\" not recognized. Use one of:"}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return std::string(info.param.name); });

// A failed layout leaves Graphviz ready for the next one.
TEST(LayoutErrorTest, NextLayoutStillWorks) {
  EXPECT_FALSE(graph::Layout(TwoNodes(1), Direction::TopToBottom, Engine("nosuch")).ok());
  const graph::LayoutResult r = graph::Layout(TwoNodes(1), Direction::TopToBottom);
  EXPECT_TRUE(r.ok()) << r.error;
  EXPECT_EQ(r.nodes.size(), 2u);
}

}  // namespace
