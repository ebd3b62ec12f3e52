#include <gtest/gtest.h>

#include "SemanticsTestSupport.h"
#include "TextArea.h"

namespace {

using semantics::InnerTextBox;
using semantics::ItemKind;
using semantics::ShapeTextBox;

struct InnerCase {
  const char* name;
  ItemKind kind;
  QRect box;
  QRect inner;
};
void PrintTo(const InnerCase& c, std::ostream* os) { *os << c.name; }

class InnerBoxes : public testing::TestWithParam<InnerCase> {};

TEST_P(InnerBoxes, OfEachClosedFigure) { EXPECT_EQ(InnerTextBox(GetParam().kind, GetParam().box), GetParam().inner); }

// Worked out by hand from the outlines:
// - rectangle 120 x 60: 4 in on every side;
// - process box 160 x 60: corner arcs of radii 40 and 15 reach their 45-degree points 40 (1 - 1/√2)
//   = 11.7 -> 12 and 15 (1 - 1/√2) = 4.4 -> 4 in, then 4 more;
// - ellipse 120 x 80: its inscribed box lies 120 (1 - 1/√2) / 2 = 17.6 -> 18 and 80 (1 - 1/√2) / 2
//   = 11.7 -> 12 in, then 2 more;
// - start mark 60 x 60: circle of radius 28 about (130, 130), inscribed square's half side
//   28 / √2 = 19.8 -> 20, less 2: 18;
// - end mark 60 x 60: inner circle of radius 25, 25 / √2 = 17.7 -> 18, less 2: 16;
// - diamond 160 x 100: its inscribed box is half its width and height, 40 and 25 in, then 2 more;
// - a box too small for its margins: a pixel at its middle.
INSTANTIATE_TEST_SUITE_P(
    Table, InnerBoxes,
    testing::Values(InnerCase{"Rectangle", ItemKind::Rectangle, {100, 100, 120, 60}, {104, 104, 112, 52}},
                    InnerCase{"Process", ItemKind::Process, {100, 100, 160, 60}, {116, 108, 128, 44}},
                    InnerCase{"Ellipse", ItemKind::Ellipse, {100, 100, 120, 80}, {120, 114, 80, 52}},
                    InnerCase{"Start", ItemKind::Start, {100, 100, 60, 60}, {112, 112, 36, 36}},
                    InnerCase{"End", ItemKind::End, {100, 100, 60, 60}, {114, 114, 32, 32}},
                    InnerCase{"StartInAWideBox", ItemKind::Start, {100, 100, 100, 60}, {132, 112, 36, 36}},
                    InnerCase{"Decision", ItemKind::Decision, {100, 100, 160, 100}, {142, 127, 76, 46}},
                    InnerCase{"TinyRectangle", ItemKind::Rectangle, {10, 10, 6, 5}, {13, 12, 1, 1}}),
    [](const testing::TestParamInfo<InnerCase>& i) { return std::string(i.param.name); });

struct TextBoxCase {
  const char* name;
  ItemKind kind;
  QRect box;
  int textHeight;
  QRect text;
};
void PrintTo(const TextBoxCase& c, std::ostream* os) { *os << c.name; }

class ShapeTextBoxes : public testing::TestWithParam<TextBoxCase> {};

TEST_P(ShapeTextBoxes, CentredAndInsideTheShape) {
  const TextBoxCase& c = GetParam();
  const QRect text = ShapeTextBox(c.kind, c.box, c.textHeight);
  EXPECT_EQ(text, c.text);
  // Still the shape's text: wholly inside its box.
  EXPECT_TRUE(c.box.contains(text)) << "outside the shape";
}

// One line of 13 in the rectangle's inner box (104, 104, 112 x 52): (52 - 13) / 2 = 19 below its top.
// Two lines (26) in the diamond's (142, 127, 76 x 46): 10 below. Three lines (39) in a rectangle 30
// high: taller than the shape, from the shape's top down to its bottom.
INSTANTIATE_TEST_SUITE_P(
    Table, ShapeTextBoxes,
    testing::Values(TextBoxCase{"OneLine", ItemKind::Rectangle, {100, 100, 120, 60}, 13, {104, 123, 112, 13}},
                    TextBoxCase{"TwoLinesInADiamond", ItemKind::Decision, {100, 100, 160, 100}, 26, {142, 137, 76, 26}},
                    TextBoxCase{"FillsTheInnerBox", ItemKind::Rectangle, {100, 100, 120, 60}, 52, {104, 104, 112, 52}},
                    TextBoxCase{"IntoTheMargins", ItemKind::Rectangle, {100, 100, 120, 60}, 56, {104, 102, 112, 56}},
                    TextBoxCase{"TallerThanTheShape", ItemKind::Rectangle, {100, 100, 120, 30}, 39, {104, 100, 112, 30}},
                    TextBoxCase{"NoLines", ItemKind::Ellipse, {100, 100, 120, 80}, 0, {120, 139, 80, 1}}),
    [](const testing::TestParamInfo<TextBoxCase>& i) { return std::string(i.param.name); });

}  // namespace
