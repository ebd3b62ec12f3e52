// The style features' pure parts: the recent colours, what Paste Style gives to each kind of
// figure, and the values the properties panel shows for a selection.
#include <gtest/gtest.h>

#include "PropertyValues.h"
#include "StyleClipboard.h"
#include "SwatchColours.h"

namespace {

using namespace style;

struct RecentCase {
  const char* name;
  std::vector<TColor> used;
  std::vector<TColor> expected;  // newest first
};
void PrintTo(const RecentCase& c, std::ostream* os) { *os << c.name; }

class Recent : public testing::TestWithParam<RecentCase> {};

TEST_P(Recent, NewestFirstEachOnceAtMostThree) {
  RecentColours recent(3);
  for (TColor c : GetParam().used) recent.Use(c);
  EXPECT_EQ(recent.Colours(), GetParam().expected);
}

const RecentCase kRecent[] = {
    {"None", {}, {}},
    {"OneColour", {clRed}, {clRed}},
    {"NewestFirst", {clRed, clBlue}, {clBlue, clRed}},
    {"UsedAgainMovesToFront", {clRed, clBlue, clRed}, {clRed, clBlue}},
    {"OldestDropsOut", {clRed, clBlue, clLime, clYellow}, {clYellow, clLime, clBlue}},
    {"RepeatsNeverFill", {clRed, clRed, clRed, clRed}, {clRed}},
};
INSTANTIATE_TEST_SUITE_P(Colours, Recent, testing::ValuesIn(kRecent),
                         [](const testing::TestParamInfo<RecentCase>& i) { return std::string(i.param.name); });

TEST(RecentColours, AssignKeepsTheOrderGiven) {
  RecentColours recent(2);
  recent.Assign({clRed, clBlue, clLime});
  EXPECT_EQ(recent.Colours(), (std::vector<TColor>{clRed, clBlue}));
}

TEST(StandardColours, EachColourOnceWithAName) {
  std::vector<NamedColour> colours = StandardColours();
  ASSERT_GE(colours.size(), 12u);
  colours.insert(colours.end(), LightColours().begin(), LightColours().end());
  for (size_t i = 0; i < colours.size(); ++i) {
    EXPECT_NE(std::string(colours[i].name), "");
    for (size_t j = i + 1; j < colours.size(); ++j) {
      EXPECT_NE(colours[i].colour, colours[j].colour) << colours[j].name;
      EXPECT_NE(std::string(colours[i].name), colours[j].name);
    }
  }
}

TFigureStyle Arrow() {
  TFigureStyle s;
  s.lineColor = clRed;
  s.fillColor = clYellow;
  s.lineStyle = psDash;
  s.fillStyle = bsCross;
  s.lineWidth = 5;
  s.font.name = "Arrow Face";
  s.caption = "arrow caption";
  s.arrow = true;
  s.arrowPosition = apBoth;
  s.arrowDirection = adBottomToTop;
  s.thicknessRate = 7;
  s.headLengthRate = 4;
  return s;
}

TFigureStyle Box() {
  TFigureStyle s;
  s.lineColor = clBlack;
  s.fillColor = clWhite;
  s.lineWidth = 1;
  s.font.name = "Box Face";
  s.caption = "box caption";
  return s;
}

// An arrow's look never reaches a box, and no arrow's direction or caption changes.
TEST(PasteStyle, ArrowOntoBoxTakesPenBrushWidthAndFontOnly) {
  const TFigureStyle pasted = PasteOnto(Box(), CopyFrom(Arrow()), true);
  TFigureStyle expected = Box();
  expected.lineColor = clRed;
  expected.fillColor = clYellow;
  expected.lineStyle = psDash;
  expected.fillStyle = bsCross;
  expected.lineWidth = 5;
  expected.font.name = "Arrow Face";
  EXPECT_EQ(pasted, expected);
  EXPECT_FALSE(pasted.arrow);
}

TEST(PasteStyle, ArrowOntoArrowTakesHeadsAndRatesButKeepsItsDirection) {
  TFigureStyle target = Arrow();
  target.arrowPosition = apLeft;
  target.arrowDirection = adLeftToLeft;
  target.thicknessRate = 10;
  target.headLengthRate = 2;
  target.caption = "own";
  const TFigureStyle pasted = PasteOnto(target, CopyFrom(Arrow()), true);
  EXPECT_EQ(pasted.arrowPosition, apBoth);
  EXPECT_EQ(pasted.thicknessRate, 7);
  EXPECT_EQ(pasted.headLengthRate, 4);
  EXPECT_EQ(pasted.arrowDirection, adLeftToLeft);
  EXPECT_EQ(pasted.caption, "own");
}

TEST(PasteStyle, BoxOntoArrowKeepsTheArrowsLook) {
  const TFigureStyle pasted = PasteOnto(Arrow(), CopyFrom(Box()), true);
  EXPECT_EQ(pasted.lineColor, clBlack);
  EXPECT_EQ(pasted.lineWidth, 1);
  EXPECT_EQ(pasted.arrowPosition, apBoth);
  EXPECT_EQ(pasted.thicknessRate, 7);
  EXPECT_EQ(pasted.headLengthRate, 4);
}

TEST(PasteStyle, AShapesFontGoesToItsTextOnly) {
  TFontDesc textFont;
  textFont.name = "Text Face";
  textFont.height = -20;
  const CopiedStyle copied = CopyFrom(Box(), textFont);
  EXPECT_EQ(copied.font, textFont);
  // The shape itself keeps its own font; its text label takes the font and nothing else.
  EXPECT_EQ(PasteOnto(Arrow(), copied, false).font.name, "Arrow Face");
  TFigureStyle label = Arrow();
  label.arrow = false;
  TFigureStyle expected = label;
  expected.font = textFont;
  EXPECT_EQ(PasteFontOnto(label, copied), expected);
}

FigureProperties Figure(QRect box, TColor fill, bool arrow = false, TArrowPosition heads = apRight) {
  FigureProperties p;
  p.box = box;
  p.fill = fill;
  p.arrow = arrow;
  p.heads = heads;
  p.direction = adLeftToLeft;
  return p;
}

TEST(SharedValues, NothingSelectedShowsNothing) {
  const PanelValues v = SharedValues({});
  EXPECT_EQ(v.count, 0u);
  EXPECT_FALSE(v.x || v.fill || v.text || v.heads);
  EXPECT_FALSE(v.textApplies || v.arrows);
}

TEST(SharedValues, AGroupShowsWhatItsMembersShare) {
  // Same left edge, width and fill; different tops and heights.
  const PanelValues v = SharedValues({Figure({10, 20, 30, 40}, clRed), Figure({10, 50, 30, 60}, clRed)});
  EXPECT_EQ(v.count, 2u);
  EXPECT_EQ(v.x, 10);
  EXPECT_EQ(v.y, std::nullopt);
  EXPECT_EQ(v.width, 30);
  EXPECT_EQ(v.height, std::nullopt);
  EXPECT_EQ(v.fill, clRed);
  EXPECT_EQ(v.line, clBlack);
}

TEST(SharedValues, ALaterDifferenceEmptiesAField) {
  const PanelValues v = SharedValues(
      {Figure({0, 0, 5, 5}, clRed), Figure({0, 0, 5, 5}, clRed), Figure({0, 0, 5, 5}, clBlue)});
  EXPECT_EQ(v.fill, std::nullopt);
  EXPECT_EQ(v.x, 0);
}

TEST(SharedValues, ArrowFieldsAreSharedAmongTheArrowsOnly) {
  const PanelValues one = SharedValues({Figure({}, clRed), Figure({}, clRed, true, apBoth)});
  EXPECT_TRUE(one.arrows);
  EXPECT_EQ(one.heads, apBoth);
  EXPECT_EQ(one.direction, adLeftToLeft);
  const PanelValues two =
      SharedValues({Figure({}, clRed, true, apLeft), Figure({}, clRed), Figure({}, clRed, true, apBoth)});
  EXPECT_EQ(two.heads, std::nullopt);
  EXPECT_EQ(two.direction, adLeftToLeft);
}

TEST(SharedValues, TextIsSharedAmongFiguresThatHaveText) {
  FigureProperties a = Figure({}, clRed), b = Figure({}, clRed), line = Figure({}, clRed);
  a.hasText = b.hasText = true;
  a.text = b.text = "Approve?";
  line.text = "not shown";
  EXPECT_EQ(SharedValues({a, line, b}).text, "Approve?");
  b.text = "Reject";
  EXPECT_EQ(SharedValues({a, line, b}).text, std::nullopt);
  EXPECT_FALSE(SharedValues({line}).textApplies);
}

TEST(SharedValues, FontSizeInPoints) {
  FigureProperties a = Figure({}, clRed);
  a.font.height = -16;  // 16 pixels at 96 per inch: 12 points
  EXPECT_EQ(SharedValues({a}).fontSize, 12);
}

}  // namespace
