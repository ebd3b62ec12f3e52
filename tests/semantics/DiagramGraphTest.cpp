#include <gtest/gtest.h>

#include "DiagramGraph.h"
#include "SemanticsTestSupport.h"

namespace {

using namespace semtest;
using semantics::FindGraph;

// Boxes A (0, 0, 100 x 50) and B (200, 0, 100 x 50) and what joins them.
std::vector<Item> TwoBoxes(std::vector<Item> more) {
  std::vector<Item> items = {Shape(ItemKind::Process, {0, 0, 100, 50}), Shape(ItemKind::Process, {200, 0, 100, 50})};
  items.insert(items.end(), more.begin(), more.end());
  return items;
}

Item Styled(Item i, TPenStyle pen, int width) {
  i.pen = pen;
  i.penWidth = width;
  return i;
}

struct StyleCase {
  TPenStyle pen;
  int width;
  graph::LineStyle style;
};

class EdgeStyle : public testing::TestWithParam<StyleCase> {};

TEST_P(EdgeStyle, FromThePen) {
  const Scene s(TwoBoxes({Styled(Arrow({100, 25}, {200, 25}), GetParam().pen, GetParam().width)}));
  const graph::Graph g = FindGraph(s.items, s.query);
  ASSERT_EQ(g.edges.size(), 1u);
  EXPECT_EQ(g.edges[0].style, GetParam().style);
}

using graph::LineStyle;
INSTANTIATE_TEST_SUITE_P(Table, EdgeStyle,
                         testing::Values(StyleCase{psSolid, 2, LineStyle::Solid}, StyleCase{psSolid, 3, LineStyle::Solid},
                                         StyleCase{psSolid, 4, LineStyle::Thick}, StyleCase{psInsideFrame, 9, LineStyle::Thick},
                                         StyleCase{psDash, 2, LineStyle::Dashed}, StyleCase{psDot, 1, LineStyle::Dashed},
                                         StyleCase{psDashDot, 2, LineStyle::Dashed},
                                         StyleCase{psDashDotDot, 2, LineStyle::Dashed},
                                         StyleCase{psDash, 6, LineStyle::Dashed}));

// An elbow route takes its arrow's pen.
TEST(EdgeStyle, RouteTakesTheArrowsPen) {
  const Scene s({Shape(ItemKind::Rectangle, {0, 0, 100, 50}), Shape(ItemKind::Rectangle, {150, 200, 100, 50}),
                 Styled(Line({100, 25}, {200, 25}), psSolid, 2), Styled(Arrow({200, 25}, {200, 200}), psDash, 2)});
  const graph::Graph g = FindGraph(s.items, s.query);
  ASSERT_EQ(g.edges.size(), 1u);
  EXPECT_EQ(g.edges[0].style, LineStyle::Dashed);
  EXPECT_EQ(g.edges[0].figures, (std::vector<uint64_t>{3, 4}));
}

struct FillCase {
  TBrushStyle brush;
  TColor colour;
  std::optional<graph::Rgb> fill;
};

class NodeFill : public testing::TestWithParam<FillCase> {};

TEST_P(NodeFill, FromASolidBrush) {
  Item box = Shape(ItemKind::Rectangle, {0, 0, 100, 50});
  box.brush = GetParam().brush;
  box.fill = GetParam().colour;
  const Scene s({box});
  const graph::Graph g = FindGraph(s.items, s.query);
  ASSERT_EQ(g.nodes.size(), 1u);
  EXPECT_EQ(g.nodes[0].fill, GetParam().fill);
}

INSTANTIATE_TEST_SUITE_P(Table, NodeFill,
                         testing::Values(FillCase{bsSolid, clRed, 0xFF0000}, FillCase{bsSolid, clBlue, 0x0000FF},
                                         FillCase{bsSolid, RGB(0x12, 0x34, 0x56), 0x123456},
                                         FillCase{bsSolid, clWindow, 0xFFFFFF}, FillCase{bsSolid, clNone, std::nullopt},
                                         FillCase{bsClear, clRed, std::nullopt},
                                         FillCase{bsCross, clRed, std::nullopt}));

// Nodes are the closed figures only, each with its class; an edge needs both ends on shapes.
TEST(Graph, NodesAreShapesAndEdgesJoinTwo) {
  const Scene s({Shape(ItemKind::Start, {0, 0, 60, 60}), Text({300, 0, 50, 20}, "free"),
                 Shape(ItemKind::Decision, {0, 100, 60, 40}), Arrow({30, 60}, {30, 100}), Arrow({60, 120}, {150, 120}),
                 Shape(ItemKind::Ellipse, {0, 200, 60, 40}), Shape(ItemKind::End, {0, 300, 60, 60}),
                 Shape(ItemKind::Rectangle, {100, 300, 60, 60}), Shape(ItemKind::Process, {200, 300, 60, 60})});
  const graph::Graph g = FindGraph(s.items, s.query);
  using graph::Shape;
  const std::vector<std::pair<uint64_t, Shape>> nodes = {{1, Shape::Start},   {3, Shape::Decision},
                                                         {6, Shape::Ellipse}, {7, Shape::End},
                                                         {8, Shape::Rectangle}, {9, Shape::Process}};
  ASSERT_EQ(g.nodes.size(), nodes.size());
  for (size_t i = 0; i < nodes.size(); ++i) {
    EXPECT_EQ(g.nodes[i].figure, nodes[i].first);
    EXPECT_EQ(g.nodes[i].shape, nodes[i].second);
    EXPECT_EQ(g.nodes[i].text, "");
  }
  EXPECT_EQ(g.nodes[1].width, 60);
  EXPECT_EQ(g.nodes[1].height, 40);
  // The arrow from the decision's right vertex ends on nothing.
  ASSERT_EQ(g.edges.size(), 1u);
  EXPECT_EQ(g.edges[0].from, 0);
  EXPECT_EQ(g.edges[0].to, 1);
  EXPECT_EQ(g.edges[0].figures, std::vector<uint64_t>{4});
}

}  // namespace

namespace {

// Containers as clusters: "A B | B->[Lane] || Lane: A" (nodes by their texts, a cluster's end in
// brackets, clusters with their parents and own nodes).
std::string Clustered(const graph::Graph& g) {
  std::string out;
  for (const graph::Node& n : g.nodes) out += (out.empty() ? "" : " ") + n.text;
  out += " |";
  const auto end = [&](int node, int cluster) { return cluster >= 0 ? "[" + g.clusters[cluster].title + "]" : g.nodes[node].text; };
  for (const graph::Edge& e : g.edges)
    out += " " + end(e.from, e.fromCluster) + "->" + end(e.to, e.toCluster) + (e.label.empty() ? "" : " |" + e.label + "|");
  for (size_t c = 0; c < g.clusters.size(); ++c) {
    out += (c ? "; " : " || ") + g.clusters[c].title;
    if (g.clusters[c].parent >= 0) out += " in " + g.clusters[g.clusters[c].parent].title;
    out += ":";
    for (int n : g.clusters[c].nodes) out += " " + g.nodes[n].text;
  }
  return out;
}

struct ClusterCase {
  const char* name;
  std::vector<Item> more;
  const char* expected;
  bool beneath = false;  // the items go beneath the shapes (after the container and its title)
};
void PrintTo(const ClusterCase& c, std::ostream* os) { *os << c.name; }

class ContainersAsClusters : public testing::TestWithParam<ClusterCase> {};

// A container (0, 0, 400 x 200) titled "Lane" holding A and C, with B outside it.
TEST_P(ContainersAsClusters, InTheGraph) {
  std::vector<Item> items = {Shape(ItemKind::Rectangle, {0, 0, 400, 200}), Text({8, 4, 100, 16}, "Lane"),
                             Shape(ItemKind::Process, {20, 40, 100, 50}),  Text({30, 57, 60, 16}, "A"),
                             Shape(ItemKind::Process, {250, 40, 100, 50}), Text({260, 57, 60, 16}, "C"),
                             Shape(ItemKind::Process, {500, 40, 100, 50}), Text({510, 57, 60, 16}, "B")};
  items.insert(GetParam().beneath ? items.begin() + 2 : items.end(), GetParam().more.begin(), GetParam().more.end());
  const Scene s(items);
  EXPECT_EQ(Clustered(FindGraph(s.items, s.query)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ContainersAsClusters,
    testing::Values(ClusterCase{"NoNodeButACluster", {}, "A C B | || Lane: A C"},
                    ClusterCase{"ArrowToTheContainer", {Arrow({400, 65}, {500, 65}, apLeft)}, "A C B | B->[Lane] || Lane: A C"},
                    ClusterCase{"ArrowFromTheContainer", {Arrow({400, 65}, {500, 65})}, "A C B | [Lane]->B || Lane: A C"},
                    ClusterCase{"ArrowToAMemberInside", {Arrow({350, 65}, {500, 65}, apLeft)}, "A C B | B->C || Lane: A C"},
                    // Below the title band, a label in the container is its connector's.
                    ClusterCase{"LabelInsideIsTheConnectors", {Arrow({120, 65}, {250, 65}), Text({160, 35, 40, 14}, "yes")},
                                "A C B | A->C |yes| || Lane: A C"},
                    ClusterCase{"Nested", {Shape(ItemKind::Rectangle, {10, 25, 130, 120}), Text({14, 27, 50, 12}, "Inner")},
                                "A C B | || Lane: C; Inner in Lane: A", true}),
    [](const testing::TestParamInfo<ClusterCase>& info) { return std::string(info.param.name); });

}  // namespace
