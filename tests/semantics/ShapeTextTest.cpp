#include <gtest/gtest.h>

#include "DiagramGraph.h"
#include "SemanticsTestSupport.h"
#include "ShapeText.h"

namespace {

using namespace semtest;
using semantics::ShapeOfText;
using semantics::ShapeText;

// Scenes of a box (100, 100, 100 x 60) and labels; the last item is the label asked about.
struct TextCase {
  const char* name;
  std::vector<Item> items;
  uint64_t shape;         // asked for its text
  uint64_t text;          // expected; 0: none
  uint64_t label;         // asked for its shape
  uint64_t shapeOfLabel;  // expected; 0: none
};
void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

const QRect kBox(100, 100, 100, 60);

Item Below(Item i, int stacking) {
  i.stacking = stacking;
  return i;
}

class ShapeTextRules : public testing::TestWithParam<TextCase> {};

TEST_P(ShapeTextRules, TextAndShape) {
  const Scene s(GetParam().items);
  EXPECT_EQ(IdOf(ShapeText(s[GetParam().shape], s.query)), GetParam().text);
  EXPECT_EQ(IdOf(ShapeOfText(s[GetParam().label], s.query)), GetParam().shapeOfLabel);
  // The whole graph finds the same text.
  const graph::Graph g = semantics::FindGraph(s.items, s.query);
  for (const graph::Node& n : g.nodes) {
    if (n.figure != GetParam().shape) continue;
    EXPECT_EQ(n.text, GetParam().text ? s[GetParam().text].caption : "");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShapeTextRules,
    testing::Values(
        TextCase{"WhollyInside", {Shape(ItemKind::Process, kBox), Text({110, 120, 80, 20}, "a")}, 1, 2, 2, 1},
        TextCase{"SameBoxAsTheShape", {Shape(ItemKind::Decision, kBox), Text(kBox, "a")}, 1, 2, 2, 1},
        TextCase{"OnePixelOutRight", {Shape(ItemKind::Rectangle, kBox), Text({110, 120, 91, 20}, "a")}, 1, 0, 2, 0},
        TextCase{"OnePixelOutTop", {Shape(ItemKind::Ellipse, kBox), Text({110, 99, 80, 20}, "a")}, 1, 0, 2, 0},
        TextCase{"TopmostOfTwoWins",
                 {Shape(ItemKind::Process, kBox), Text({110, 120, 80, 20}, "a"), Text({110, 130, 80, 20}, "b")},
                 1, 3, 3, 1},
        // The lower label is nobody's text.
        TextCase{"LowerOfTwoIsNoText",
                 {Shape(ItemKind::Process, kBox), Text({110, 120, 80, 20}, "a"), Text({110, 130, 80, 20}, "b")},
                 1, 3, 2, 0},
        TextCase{"LabelBelowTheShape", {Below(Text({110, 120, 80, 20}, "a"), 1), Below(Shape(ItemKind::Start, kBox), 2)},
                 2, 0, 1, 0},
        // A box on a container: the label on the box is the box's, the container has none.
        TextCase{"OnABoxOnAContainer",
                 {Shape(ItemKind::Rectangle, {0, 0, 400, 400}), Shape(ItemKind::Process, kBox),
                  Text({110, 120, 80, 20}, "a")},
                 1, 0, 3, 2},
        TextCase{"TheBoxOnTheContainerHasIt",
                 {Shape(ItemKind::Rectangle, {0, 0, 400, 400}), Shape(ItemKind::Process, kBox),
                  Text({110, 120, 80, 20}, "a")},
                 2, 3, 3, 2},
        // Sticking out of the box, the label is on the container.
        TextCase{"OutOfTheBoxOntoTheContainer",
                 {Shape(ItemKind::Rectangle, {0, 0, 400, 400}), Shape(ItemKind::Process, kBox),
                  Text({110, 120, 91, 20}, "a")},
                 1, 3, 3, 1},
        // A label under the box but on the container is the container's.
        TextCase{"UnderTheBoxOnTheContainer",
                 {Shape(ItemKind::Rectangle, {0, 0, 400, 400}), Text({110, 120, 80, 20}, "a"),
                  Shape(ItemKind::Process, kBox)},
                 1, 2, 2, 1},
        // A label above the container's own text but lying on a box: the container keeps its own.
        TextCase{"ContainerKeepsItsOwnUnderABoxLabel",
                 {Shape(ItemKind::Rectangle, {0, 0, 400, 400}), Text({10, 10, 80, 20}, "title"),
                  Shape(ItemKind::Process, kBox), Text({110, 120, 80, 20}, "a")},
                 1, 2, 2, 1}),
    [](const testing::TestParamInfo<TextCase>& info) { return std::string(info.param.name); });

TEST(ShapeTextRules, OnlyShapesHaveTextsAndOnlyLabelsAreTexts) {
  const Scene s({Shape(ItemKind::Process, kBox), Line({110, 130}, {190, 130}), Text({110, 120, 80, 20}, "a")});
  EXPECT_EQ(ShapeText(s[2], s.query), nullptr);
  EXPECT_EQ(ShapeOfText(s[2], s.query), nullptr);
  EXPECT_EQ(ShapeOfText(s[1], s.query), nullptr);
  EXPECT_EQ(IdOf(ShapeText(s[1], s.query)), 3u);
}

}  // namespace
