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
