// Arrows drawn with connectors kept attached get a head in proportion to the line: 10 x 10 pixels
// at line width 2, at most half a short shaft; rates typed in the boxes win; with the option off
// a new arrow keeps the class's head (rates 10 and 2), whatever the boxes say. Labels likewise
// take the caption box's text only with the option on.
#include <QLineEdit>

#include "ConnectWireFixture.h"

namespace {

struct HeadCase {
  const char* name;
  bool keepAttached;
  int lineWidth;
  int typedThickness, typedLength;  // the rate boxes; 0: left empty
  QPoint from, to;
  int thickness, length;  // the rates the arrow gets
};
void PrintTo(const HeadCase& c, std::ostream* os) { *os << c.name; }

class NewArrowHead : public ConnectWireFixture, public testing::WithParamInterface<HeadCase> {};

// Head width = line width x thickness rate, length = width x length rate.
const HeadCase kHeads[] = {
    // 2 x 5 = 10 wide, 10 long.
    {"LongHorizontal", true, 2, 0, 0, {100, 300}, {300, 300}, 5, 1},
    {"LongDiagonal", true, 2, 0, 0, {100, 100}, {260, 220}, 5, 1},
    // Width 1: ten line widths make 10 pixels.
    {"ThinLine", true, 1, 0, 0, {100, 300}, {300, 300}, 10, 1},
    // Width 6: three line widths, 18 x 18.
    {"WideLine", true, 6, 0, 0, {100, 300}, {300, 300}, 3, 1},
    // A 15-pixel drag still draws a 30-pixel arrow: 10 x 10 is no more than half of it.
    {"ShortDrag", true, 2, 0, 0, {100, 300}, {115, 300}, 5, 1},
    // Width 6 on those 30 pixels: 18 would be over half, so 30 / (2 x 6) = 2 -> 12 x 12.
    {"ShortDragWideLine", true, 6, 0, 0, {100, 300}, {115, 300}, 2, 1},
    {"TypedRatesWin", true, 2, 7, 3, {100, 300}, {300, 300}, 7, 3},
    {"TypedThicknessOnly", true, 2, 8, 0, {100, 300}, {300, 300}, 8, 1},
    {"OffKeepsClassHead", false, 2, 0, 0, {100, 300}, {300, 300}, 10, 2},
    {"OffShortKeepsClassHead", false, 2, 0, 0, {100, 300}, {115, 300}, 10, 2},
    {"OffIgnoresTypedRates", false, 2, 7, 3, {100, 300}, {300, 300}, 10, 2},
};

TEST_P(NewArrowHead, GetsRates) {
  const HeadCase& c = GetParam();
  ConnectorOptions::Instance().SetKeepAttached(c.keepAttached);
  doc->CurLineWidth = c.lineWidth;
  doc->CurArrowThicknessRate = c.typedThickness;
  doc->CurArrowHeadLengthRate = c.typedLength;
  UseTool("btnArrow");
  Drag(c.from, c.to);
  auto* arrow = LastFigure<TKDArrow>();
  ASSERT_NE(arrow, nullptr);
  EXPECT_EQ(arrow->ArrowThicknessRate(), c.thickness);
  EXPECT_EQ(arrow->ArrowHeadLengthRate(), c.length);
  // The rates are part of the one drawing step.
  EXPECT_EQ(doc->History().Stack().count(), 1);
  EXPECT_EQ(doc->History().Stack().text(0), QStringLiteral("Draw Arrow"));
}

INSTANTIATE_TEST_SUITE_P(Draw, NewArrowHead, testing::ValuesIn(kHeads),
                         [](const auto& info) { return std::string(info.param.name); });

struct CaptionCase {
  const char* name;
  bool keepAttached;
  const char* typed;  // the caption box
  const char* caption;
};
void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.name; }
class NewLabelCaption : public ConnectWireFixture, public testing::WithParamInterface<CaptionCase> {};

TEST_P(NewLabelCaption, FromTheBoxOnlyWithTheSwitchOn) {
  const CaptionCase& c = GetParam();
  ConnectorOptions::Instance().SetKeepAttached(c.keepAttached);
  main->edtLabel->setText(QString::fromUtf8(c.typed));
  UseTool("btnLabel");
  Drag({200, 100}, {300, 140});
  auto* label = LastFigure<TKDLabel>();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Caption(), c.caption);
}

INSTANTIATE_TEST_SUITE_P(Draw, NewLabelCaption,
                         testing::Values(CaptionCase{"OffKeepsItsOwn", false, "Start", "KDLabel"},
                                         CaptionCase{"OnTakesTheBox", true, "Start", "Start"},
                                         CaptionCase{"OnEmptyBoxKeepsItsOwn", true, "", "KDLabel"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
