// The quick-connect buttons beside a selected shape at any zoom, where the copy goes, and the
// connector that joins them.
#include <gtest/gtest.h>

#include "ElbowRoute.h"
#include "Printers.h"
#include "QuickConnect.h"
#include "RouteFigures.h"
#include "ZoomMapping.h"

using namespace connectors;

namespace {

const QRect kBox(100, 50, 80, 40);

struct ButtonsCase {
  const char* name;
  double zoom;
  std::array<QRect, 4> buttons;  // top, right, bottom, left
};
void PrintTo(const ButtonsCase& c, std::ostream* os) { *os << c.name; }

class QuickButtonsTest : public testing::TestWithParam<ButtonsCase> {};

TEST_P(QuickButtonsTest, ScreenSizedOutsideTheFrame) {
  const ButtonsCase& c = GetParam();
  const std::array<QRect, 4> b = QuickButtons(kBox, c.zoom);
  const QRect frame = zoommap::ToWidget(kBox.adjusted(-2, -2, 2, 2), c.zoom, 2);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(b[i], c.buttons[i]) << "side " << i;
    // The handles lie within the frame: a button never covers one.
    EXPECT_FALSE(b[i].intersects(frame)) << "side " << i;
  }
}

// The frame is the box grown by 2, scaled, with a 2-pixel screen margin: at 100 % (98, 48) to
// (182, 92), middles (140, 70); 13-pixel buttons 4 pixels out.
INSTANTIATE_TEST_SUITE_P(
    Zooms, QuickButtonsTest,
    testing::Values(
        ButtonsCase{"Actual", 1.0, {{{134, 31, 13, 13}, {186, 64, 13, 13}, {134, 96, 13, 13}, {81, 64, 13, 13}}}},
        // 250 %: the box scales to (250, 125)-(450, 225), the frame (248, 123)-(452, 227).
        ButtonsCase{"Zoom250", 2.5, {{{344, 106, 13, 13}, {456, 169, 13, 13}, {344, 231, 13, 13}, {231, 169, 13, 13}}}},
        // 50 %: (50, 25)-(90, 45), the frame (48, 23)-(92, 47).
        ButtonsCase{"Zoom50", 0.5, {{{64, 6, 13, 13}, {96, 29, 13, 13}, {64, 51, 13, 13}, {31, 29, 13, 13}}}}),
    [](const testing::TestParamInfo<ButtonsCase>& info) { return std::string(info.param.name); });

TEST(QuickButtons, AnOddFrameCentresAsTheSideHandlesDo) {
  // 80 x 41: the frame (98, 48) 84 x 45, its side handles' middle row 48 + 45 / 2 = 70.
  const std::array<QRect, 4> b = QuickButtons({100, 50, 80, 41}, 1.0);
  EXPECT_EQ(b[1], QRect(186, 64, 13, 13));
  EXPECT_EQ(b[3], QRect(81, 64, 13, 13));
}

TEST(QuickButtons, HitTest) {
  const std::array<QRect, 4> b = QuickButtons(kBox, 1.0);
  EXPECT_EQ(QuickButtonAt(b, {190, 70}), Side::Right);
  EXPECT_EQ(QuickButtonAt(b, {134, 31}), Side::Top);
  EXPECT_EQ(QuickButtonAt(b, {93, 76}), Side::Left);
  EXPECT_EQ(QuickButtonAt(b, {146, 108}), Side::Bottom);
  EXPECT_EQ(QuickButtonAt(b, {140, 70}), std::nullopt);  // the shape itself
  EXPECT_EQ(QuickButtonAt(b, {199, 64}), std::nullopt);  // just past the right button
}

TEST(QuickPlace, OneGapAwayInEachDirection) {
  EXPECT_EQ(QuickGap(0), 40);
  EXPECT_EQ(QuickGap(25), 100);
  EXPECT_EQ(QuickPlace(kBox, Side::Right, 40), QRect(220, 50, 80, 40));
  EXPECT_EQ(QuickPlace(kBox, Side::Left, 40), QRect(-20, 50, 80, 40));
  EXPECT_EQ(QuickPlace(kBox, Side::Top, 40), QRect(100, -30, 80, 40));
  EXPECT_EQ(QuickPlace(kBox, Side::Bottom, 100), QRect(100, 190, 80, 40));
}

TEST(QuickPlace, TheCopyIsJoinedStraightAcrossTheGap) {
  const Figure shape{reinterpret_cast<FigureId>(1), FigureKind::RoundedBox, kBox};
  for (Side d : kSides) {
    const Figure copy{reinterpret_cast<FigureId>(2), FigureKind::RoundedBox, QuickPlace(kBox, d, QuickGap(0))};
    const ElbowRoute r = RouteElbow(shape, copy, {}, {d, Opposite(d)});
    EXPECT_EQ(r.from, d);
    EXPECT_EQ(r.to, Opposite(d));
    EXPECT_EQ(r.Bends(), 0);
  }
  // To the right: (180, 70) to (220, 70), one arrow 40 long with a 10 x 10 head.
  const Figure right{reinterpret_cast<FigureId>(2), FigureKind::RoundedBox, QuickPlace(kBox, Side::Right, 40)};
  const ElbowRoute r = RouteElbow(shape, right, {}, {Side::Right, Side::Left});
  EXPECT_EQ(r.points, (std::vector<QPoint>{{180, 70}, {220, 70}}));
  const std::vector<Figure> figs = SegmentsOf(r.points, 2);
  ASSERT_EQ(figs.size(), 1u);
  EXPECT_EQ(figs[0].box, QRect(180, 55, 40, 30));
  EXPECT_EQ(figs[0].heads, apRight);
}

// A copy that would start left of or above the canvas makes the chart move over: by as much as
// brings the copy to 20 pixels from the edge, along that axis only.
TEST(QuickRoom, TheChartMovesForACopyPastTheEdge) {
  const struct {
    QRect copy;
    QPoint room;
  } cases[] = {
      {{-140, 200, 120, 60}, {160, 0}}, {{300, -80, 120, 60}, {0, 100}}, {{-1, -1, 50, 50}, {21, 21}},
      {{0, 0, 50, 50}, {0, 0}},         {{300, 100, 120, 60}, {0, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(QuickRoom(c.copy), c.room) << c.copy.x() << ", " << c.copy.y();
}

}  // namespace
