#include <gtest/gtest.h>

#include "GridSnap.h"
#include "Printers.h"

using namespace arrange;

namespace {

struct ValueCase {
  int v, grid, expected;
};
void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.v << " on " << c.grid; }

class SnapValueTest : public testing::TestWithParam<ValueCase> {};

TEST_P(SnapValueTest, NearestLineHalvesUp) {
  EXPECT_EQ(SnapValue(GetParam().v, GetParam().grid), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    PositiveAndNegative, SnapValueTest,
    testing::Values(ValueCase{0, 10, 0}, ValueCase{4, 10, 0}, ValueCase{5, 10, 10}, ValueCase{14, 10, 10},
                    ValueCase{15, 10, 20}, ValueCase{-4, 10, 0}, ValueCase{-5, 10, 0}, ValueCase{-6, 10, -10},
                    ValueCase{-15, 10, -10}, ValueCase{-16, 10, -20}, ValueCase{12, 25, 0},
                    ValueCase{13, 25, 25}, ValueCase{-12, 25, 0}, ValueCase{-13, 25, -25},
                    ValueCase{-1001, 100, -1000}, ValueCase{-1051, 100, -1100}));

TEST(GridSnap, ZoomedPointerPositionsSnapFromTheExactCanvasPosition) {
  struct {
    QPoint widget;
    double zoom;
    QPoint expected;
  } cases[] = {
      {{37, -13}, 2.5, {10, -10}},  // (14.8, -5.2)
      {{12, 12}, 0.5, {20, 20}},    // (24, 24)
      {{13, 13}, 0.5, {30, 30}},    // (26, 26)
      {{73, 73}, 5.0, {10, 10}},    // (14.6, 14.6): rounding to 15 first would give 20
      {{-73, 0}, 5.0, {-10, 0}},    // (-14.6, 0)
  };
  for (const auto& c : cases) {
    const QPointF canvas(c.widget.x() / c.zoom, c.widget.y() / c.zoom);
    EXPECT_EQ(SnapPoint(canvas, 10), c.expected) << c.widget.x() << ", " << c.widget.y() << " at " << c.zoom;
  }
}

TEST(GridSnap, DotsAreThinnedToFourScreenPixelsApart) {
  EXPECT_EQ(GridDotSpacing(10, 2.0), 10);
  EXPECT_EQ(GridDotSpacing(10, 0.5), 10);   // 5 screen pixels
  EXPECT_EQ(GridDotSpacing(10, 0.4), 10);   // exactly 4
  EXPECT_EQ(GridDotSpacing(10, 0.25), 20);  // 2.5: every second dot
  EXPECT_EQ(GridDotSpacing(10, 0.1), 40);   // 1: every fourth
  EXPECT_EQ(GridDotSpacing(5, 0.5), 10);
  EXPECT_EQ(GridDotSpacing(100, 0.01), 400);
  EXPECT_EQ(GridLineAtOrAfter(13, 10), 20);
  EXPECT_EQ(GridLineAtOrAfter(20, 10), 20);
  EXPECT_EQ(GridLineAtOrAfter(-13, 10), -10);
  EXPECT_EQ(GridLineAtOrAfter(-20, 20), -20);
}

TEST(GridSnap, AMovePutsTheTopLeftCornerOnTheGrid) {
  EXPECT_EQ(SnapMoveDelta({13, 27, 50, 30}, {21, -9}, 10), QPoint(17, -7));    // to (30, 20)
  EXPECT_EQ(SnapMoveDelta({-13, -27, 50, 30}, {-4, 0}, 10), QPoint(-7, -3));   // to (-20, -30)
  EXPECT_EQ(SnapMoveDelta({0, 0, 50, 30}, {0, 0}, 10), QPoint(0, 0));
}

TEST(GridSnap, ANewFigurePutsBothCornersOnTheGrid) {
  EXPECT_EQ(SnapNewBox({23, 48}, {-7, 12}, 10), QRect(-10, 10, 30, 40));
  EXPECT_EQ(SnapNewBox({3, 3}, {4, 4}, 10), QRect(0, 0, 0, 0));
}

struct ResizeCase {
  const char* name;
  Handle handle;
  QRect proposed, expected;
};
void PrintTo(const ResizeCase& c, std::ostream* os) { *os << c.name; }

class SnapResizeTest : public testing::TestWithParam<ResizeCase> {};

TEST_P(SnapResizeTest, TheDraggedEdgesGoOnTheGrid) {
  EXPECT_EQ(SnapResize(GetParam().proposed, GetParam().handle, 10, 4), GetParam().expected);
}

// (13, 27)-(63, 57): the left edge goes to 10, the top to 30, the right to 60, the bottom to 60.
INSTANTIATE_TEST_SUITE_P(
    EightHandles, SnapResizeTest,
    testing::Values(ResizeCase{"TopLeft", Handle::TopLeft, {13, 27, 50, 30}, {10, 30, 53, 27}},
                    ResizeCase{"Top", Handle::Top, {13, 27, 50, 30}, {13, 30, 50, 27}},
                    ResizeCase{"TopRight", Handle::TopRight, {13, 27, 50, 30}, {13, 30, 47, 27}},
                    ResizeCase{"Right", Handle::Right, {13, 27, 50, 30}, {13, 27, 47, 30}},
                    ResizeCase{"BottomRight", Handle::BottomRight, {13, 27, 50, 30}, {13, 27, 47, 33}},
                    ResizeCase{"Bottom", Handle::Bottom, {13, 27, 50, 30}, {13, 27, 50, 33}},
                    ResizeCase{"BottomLeft", Handle::BottomLeft, {13, 27, 50, 30}, {10, 27, 53, 33}},
                    ResizeCase{"Left", Handle::Left, {13, 27, 50, 30}, {10, 27, 53, 30}},
                    ResizeCase{"NegativeTopLeft", Handle::TopLeft, {-17, -36, 50, 30}, {-20, -40, 53, 34}},
                    // The nearest line would leave 3 (or less) pixels: the next one away.
                    ResizeCase{"RightTooNarrow", Handle::Right, {13, 27, 1, 30}, {13, 27, 7, 30}},
                    ResizeCase{"LeftTooNarrow", Handle::Left, {56, 27, 7, 30}, {50, 27, 13, 30}},
                    ResizeCase{"BottomTooLow", Handle::Bottom, {0, 8, 10, 3}, {0, 8, 10, 12}}),
    [](const testing::TestParamInfo<ResizeCase>& info) { return std::string(info.param.name); });

TEST(GridSnap, HandlesOfTheSizingHitCodes) {
  EXPECT_EQ(HandleOfHitCode(13), Handle::TopLeft);
  EXPECT_EQ(HandleOfHitCode(12), Handle::Top);
  EXPECT_EQ(HandleOfHitCode(14), Handle::TopRight);
  EXPECT_EQ(HandleOfHitCode(11), Handle::Right);
  EXPECT_EQ(HandleOfHitCode(17), Handle::BottomRight);
  EXPECT_EQ(HandleOfHitCode(15), Handle::Bottom);
  EXPECT_EQ(HandleOfHitCode(16), Handle::BottomLeft);
  EXPECT_EQ(HandleOfHitCode(10), Handle::Left);
  EXPECT_EQ(HandleOfHitCode(2), std::nullopt);
}

}  // namespace
