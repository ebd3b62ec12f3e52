// Lines and arrows are pressed within 4 screen pixels of their course at every zoom, not only on
// their 2-pixel band; a shape beneath keeps the presses inside it.
#include "ConnectWireFixture.h"
#include "InPlaceEditor.h"
#include "TextEditSession.h"

namespace {

enum class Hit { None, Segment, Box };

struct ReachCase {
  const char* name;
  bool arrow;     // an arrow down the middle of its box, else a line
  int percent;    // the zoom
  int x;          // where the press lands, widget pixels of the canvas (row 140 of the canvas)
  Hit hit;
};
void PrintTo(const ReachCase& c, std::ostream* os) { *os << c.name; }

class CourseReach : public ConnectWireFixture, public testing::WithParamInterface<ReachCase> {};

// The segment runs down x = 280 (canvas) over rows 100 to 180, with its band on columns 279 and
// 280; a rectangle beneath it starts at x = 283. At 50 % a widget pixel x is canvas 2x + 0.5:
// the course lies at widget 140, 4 screen pixels are 8 canvas pixels, and the rectangle shows
// from widget 141 (283 x 0.5, rounded down). Pixel middles are compared: at 100 % the pixels.
const ReachCase kReach[] = {
    {"OnTheBand", false, 100, 280, Hit::Segment},
    {"FourLeft", false, 100, 276, Hit::Segment},
    {"FiveLeft", false, 100, 275, Hit::None},
    {"TwoRight", false, 100, 282, Hit::Segment},
    {"InTheBoxBeneath", false, 100, 283, Hit::Box},
    {"ArrowFourLeft", true, 100, 276, Hit::Segment},
    {"ArrowFiveLeft", true, 100, 275, Hit::None},
    {"HalfOnTheCourse", false, 50, 140, Hit::Segment},
    {"HalfTwoScreenPixelsLeft", false, 50, 138, Hit::Segment},
    {"HalfFourScreenPixelsLeft", false, 50, 136, Hit::Segment},  // canvas 272.5: 3.75 screen
    {"HalfFiveScreenPixelsLeft", false, 50, 135, Hit::None},     // canvas 270.5: 4.75 screen
    {"HalfInTheBoxBeneath", false, 50, 141, Hit::Box},
    // At 200 % canvas pixel 280 shows on widget pixels 560 and 561, its middle at 561.0.
    {"DoubleThreeAndAHalfLeft", false, 200, 557, Hit::Segment},
    {"DoubleFourAndAHalfLeft", false, 200, 556, Hit::None},
};

TEST_P(CourseReach, PressSelects) {
  const ReachCase& c = GetParam();
  ConnectorOptions::Instance().SetKeepAttached(false);
  auto* box = Add<TKDRectangle>(doc, QRect(283, 100, 100, 80));
  TCustomKDTool* segment = nullptr;
  if (c.arrow) {
    // A 30-pixel-wide arrow box puts its shaft at x = 280; its head lies far below row 140.
    auto* arrow = Add<TKDArrow>(doc, QRect(265, 100, 30, 200));
    arrow->SetArrowDirection(adLeftToLeft);
    segment = arrow;
  } else {
    auto* line = Add<TKDLine>(doc, QRect(278, 100, 4, 80));
    line->SetOrientation(adLeftToLeft);
    segment = line;
  }
  doc->Surface()->SetZoom(c.percent / 100.0);
  UseTool("btnSelect");
  testsupport::Flush();
  const QPoint at(c.x, 140 * c.percent / 100);
  QTest::mouseClick(main->windowHandle(), Qt::LeftButton, {}, doc->Surface()->mapTo(main, at));
  testsupport::Flush();
  EXPECT_EQ(segment->HaveFocused(), c.hit == Hit::Segment);
  EXPECT_EQ(box->HaveFocused(), c.hit == Hit::Box);
}

INSTANTIATE_TEST_SUITE_P(Presses, CourseReach, testing::ValuesIn(kReach),
                         [](const auto& info) { return std::string(info.param.name); });

// At 50 %, a double click two screen pixels beside a line opens its label's editor, and the text
// typed next labels the line.
TEST_F(ConnectWireFixture, DoubleClickBesideALineAtHalfSizeLabelsIt) {
  // The course runs along canvas row 300, widget row 150.
  auto* line = Add<TKDLine>(doc, QRect(100, 298, 200, 4));
  line->SetOrientation(adTopToTop);
  doc->Surface()->SetZoom(0.5);
  UseTool("btnSelect");
  testsupport::Flush();
  const size_t before = doc->Figures().size();
  QTest::mouseDClick(main->windowHandle(), Qt::LeftButton, {}, doc->Surface()->mapTo(main, QPoint(100, 152)));
  testsupport::Flush();
  ASSERT_TRUE(doc->TextEditing().IsOpen());
  QTest::keyClicks(doc->TextEditing().Editor(), QStringLiteral("yes"));
  QTest::keyClick(doc->TextEditing().Editor(), Qt::Key_Return);
  testsupport::Flush();
  ASSERT_EQ(doc->Figures().size(), before + 1);
  auto* label = LastFigure<TKDLabel>();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Caption(), "yes");
}

}  // namespace
