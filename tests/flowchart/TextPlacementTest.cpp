// Where texts go: a connector's label beside the middle of its middle segment, a shape's text in
// the middle of the shape and always wholly on it, so that the meaning module reads both back.
#include <gtest/gtest.h>

#include "ConnectorLabel.h"
#include "ItemGrid.h"
#include "ShapeText.h"
#include "TextPlacement.h"

namespace {

using flowchart::PlaceConnectorLabel;
using flowchart::PlaceShapeText;
using flowchart::TextArea;
using semantics::ItemKind;

struct LabelCase {
  const char* name;
  QPoint a, b;
  QRect expected;
};
void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.name; }

class ConnectorLabelPlace : public testing::TestWithParam<LabelCase> {};

// A 30 x 14 label; middles (150, 50), (100, 100), (50, 30); 4 pixels off the segment.
INSTANTIATE_TEST_SUITE_P(Runs, ConnectorLabelPlace,
                         testing::Values(LabelCase{"AboveAHorizontalRun", {100, 50}, {200, 50}, {135, 32, 30, 14}},
                                         LabelCase{"RightOfAVerticalRun", {100, 50}, {100, 150}, {104, 93, 30, 14}},
                                         LabelCase{"AboveRightOfADiagonal", {0, 0}, {100, 60}, {54, 12, 30, 14}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(ConnectorLabelPlace, BesideTheMiddleWithinTheLabelReach) {
  const LabelCase& c = GetParam();
  const QRect box = PlaceConnectorLabel(c.a, c.b, QSize(30, 14));
  EXPECT_EQ(box, c.expected);
  EXPECT_LE(semantics::DistanceToBox(QPointF(c.a + c.b) / 2, box), semantics::kLabelReach);
}

struct AreaCase {
  ItemKind kind;
  QRect box, area;
};

// By hand: a box less 12 (process) or 6 (rectangle) pixels a side and 3 above and below; the
// diamond's middle half; 7/10 of an ellipse; the square in a 50 x 50 mark's circle of radius 23
// (23 x 1.41 = 32), or within the end mark's inner ring (20 x 1.41 = 28).
class TextAreaOf : public testing::TestWithParam<AreaCase> {};
INSTANTIATE_TEST_SUITE_P(Shapes, TextAreaOf,
                         testing::Values(AreaCase{ItemKind::Process, {0, 0, 120, 60}, {12, 3, 96, 54}},
                                         AreaCase{ItemKind::Rectangle, {0, 0, 120, 60}, {6, 3, 108, 54}},
                                         AreaCase{ItemKind::Decision, {0, 0, 140, 80}, {35, 20, 70, 40}},
                                         AreaCase{ItemKind::Ellipse, {0, 0, 120, 70}, {18, 10, 84, 49}},
                                         AreaCase{ItemKind::Start, {0, 0, 50, 50}, {9, 9, 32, 32}},
                                         AreaCase{ItemKind::End, {0, 0, 50, 50}, {11, 11, 28, 28}}));

TEST_P(TextAreaOf, HoldsTheMiddleOfTheShape) { EXPECT_EQ(TextArea(GetParam().kind, GetParam().box), GetParam().area); }

// Short and long texts on every shape: the label is as wide as the text area, centred on it,
// and lies wholly on the shape, so that the shape reads it as its text.
TEST(ShapeTextPlace, CentredInTheAreaAndWhollyOnTheShape) {
  const TFontDesc font;
  const std::string texts[] = {"Go", "Check the order against the stock list", std::string(40, 'x') + "\nand\nmore\nlines\nstill"};
  for (ItemKind kind : {ItemKind::Process, ItemKind::Rectangle, ItemKind::Decision, ItemKind::Ellipse, ItemKind::Start,
                        ItemKind::End}) {
    for (const std::string& text : texts) {
      SCOPED_TRACE(static_cast<int>(kind));
      SCOPED_TRACE(text);
      semantics::Item shape, label;
      shape.id = 1;
      shape.kind = kind;
      shape.box = QRect(200, 100, 120, 60);
      label.id = 2;
      label.kind = ItemKind::Label;
      label.stacking = 1;
      label.box = PlaceShapeText(kind, shape.box, text, font);
      const QRect area = TextArea(kind, shape.box);
      EXPECT_EQ(label.box.left(), area.left());
      EXPECT_EQ(label.box.width(), area.width());
      EXPECT_TRUE(shape.box.contains(label.box)) << label.box.x() << "," << label.box.y() << " "
                                                  << label.box.width() << "x" << label.box.height();
      if (label.box.height() < area.height()) {
        EXPECT_EQ(label.box.top() - area.top(), (area.height() - label.box.height()) / 2);
      }
      const std::vector<semantics::Item> items{shape, label};
      const semantics::ItemGrid grid(items);
      EXPECT_EQ(semantics::ShapeText(items[0], grid.AsQuery()), &items[1]);
    }
  }
}

// Lines are as many as the text breaks into at the width: two paragraphs, the first broken once.
TEST(TextExtent, LinesOfTheTextAtTheWidth) {
  const TFontDesc font;
  const QSize one = flowchart::TextExtent("word", font, 500);
  ASSERT_GT(one.height(), 0);
  EXPECT_EQ(flowchart::TextExtent("word\nword", font, 500).height(), 2 * one.height());
  const int wordWidth = one.width();
  EXPECT_EQ(flowchart::TextExtent("word word\nword", font, wordWidth + 2).height(), 3 * one.height());
  EXPECT_LE(flowchart::TextExtent("word word\nword", font, wordWidth + 2).width(), wordWidth + 2);
}

}  // namespace
