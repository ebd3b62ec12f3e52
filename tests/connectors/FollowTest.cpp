#include <gtest/gtest.h>

#include <map>

#include "ConnectorGeometry.h"
#include "Follow.h"
#include "Printers.h"

using namespace connectors;

namespace {

struct PointCase {
  const char* name;
  QRect from, to;
  QPoint p, expected;
};
void PrintTo(const PointCase& c, std::ostream* os) { *os << c.name; }

class FollowPointTest : public testing::TestWithParam<PointCase> {};

TEST_P(FollowPointTest, KeepsItsPlaceOnTheBox) {
  const PointCase& c = GetParam();
  EXPECT_EQ(FollowPoint(c.p, c.from, c.to), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    MovesAndResizes, FollowPointTest,
    testing::Values(
        PointCase{"Move", {100, 100, 80, 40}, {130, 90, 80, 40}, {180, 120}, {210, 110}},
        PointCase{"RightHandleDoubles", {100, 100, 80, 40}, {100, 100, 160, 40}, {180, 120}, {260, 120}},
        PointCase{"QuarterAlongTheTop", {100, 100, 80, 40}, {100, 100, 160, 40}, {120, 100}, {140, 100}},
        PointCase{"LeftHandle", {100, 100, 80, 40}, {60, 100, 120, 40}, {140, 100}, {120, 100}},
        PointCase{"LeftHandleRightEdgeStays", {100, 100, 80, 40}, {60, 100, 120, 40}, {180, 130}, {180, 130}},
        PointCase{"BottomRightCorner", {100, 100, 80, 40}, {100, 100, 40, 100}, {180, 140}, {140, 200}},
        // 40 * 81 / 80 = 40.5 goes down to 40, the new box's midpoint 81 / 2.
        PointCase{"HalfGoesDown", {100, 100, 80, 40}, {100, 100, 81, 40}, {140, 100}, {140, 100}},
        // 40 * 83 / 81 = 40.99 goes to 41, the midpoint 83 / 2.
        PointCase{"NearerPixel", {100, 100, 81, 40}, {100, 100, 83, 40}, {140, 100}, {141, 100}},
        // 4 pixels right of the box stays 4 pixels right of it.
        PointCase{"OutsideKeepsItsGap", {100, 100, 80, 40}, {100, 100, 160, 40}, {184, 120}, {264, 120}},
        PointCase{"OutsideAboveKeepsItsGap", {100, 100, 80, 40}, {100, 80, 80, 60}, {140, 97}, {140, 77}},
        PointCase{"NoWidthKeepsOffsetFromMiddle", {100, 100, 0, 40}, {90, 100, 20, 40}, {103, 120}, {103, 120}},
        PointCase{"Negative", {-100, -50, 40, 20}, {-120, -50, 80, 20}, {-90, -50}, {-100, -50}}),
    [](const testing::TestParamInfo<PointCase>& info) { return std::string(info.param.name); });

struct LabelCase {
  const char* name;
  QRect from, to, label, expected;
};
void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.name; }

class FollowLabelTest : public testing::TestWithParam<LabelCase> {};

TEST_P(FollowLabelTest, CentreKeepsItsPlace) {
  const LabelCase& c = GetParam();
  EXPECT_EQ(FollowLabel(c.label, c.from, c.to), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    MovesAndResizes, FollowLabelTest,
    testing::Values(
        LabelCase{"Move", {0, 0, 100, 50}, {30, -10, 100, 50}, {40, 20, 20, 10}, {70, 10, 20, 10}},
        LabelCase{"Doubled", {0, 0, 100, 50}, {0, 0, 200, 100}, {40, 20, 20, 10}, {90, 45, 20, 10}},
        // Centre 50 of 100 becomes 50.5 of 101: the label stays at 40 (centre 50, rounded down).
        LabelCase{"OnePixelWider", {0, 0, 100, 50}, {0, 0, 101, 50}, {40, 20, 20, 10}, {40, 20, 20, 10}},
        // Odd width 21: centre 50.5 becomes 101, so the left edge is 90.5, rounded down.
        LabelCase{"OddLabel", {0, 0, 100, 50}, {0, 0, 200, 50}, {40, 20, 21, 10}, {90, 20, 21, 10}},
        LabelCase{"TopLeftHandle", {100, 100, 100, 50}, {50, 75, 150, 75}, {110, 110, 20, 10},
                  {70, 92, 20, 10}}),
    [](const testing::TestParamInfo<LabelCase>& info) { return std::string(info.param.name); });

const FigureId kA = reinterpret_cast<FigureId>(1);
const FigureId kB = reinterpret_cast<FigureId>(2);

Attachments Scene() {
  Attachments a;
  // A horizontal arrow from A's right side (100, 100) to (200, 100), its start following A.
  a.connectors.push_back({Figure{reinterpret_cast<FigureId>(10), FigureKind::Arrow, {100, 85, 100, 30},
                                 adTopToTop, apRight, 5},
                          Anchor{kA, {20, 80, 80, 40}}, Anchor{}});
  // A line from A to B, both ends following.
  a.connectors.push_back({Figure{reinterpret_cast<FigureId>(11), FigureKind::Line, {100, 120, 200, 4},
                                 adBottomToBottom, apRight, 6},
                          Anchor{kA, {20, 80, 80, 40}}, Anchor{kB, {300, 100, 80, 40}}});
  a.labels.push_back({Figure{reinterpret_cast<FigureId>(12), FigureKind::Label, {40, 90, 40, 20}}, Anchor{kA, {20, 80, 80, 40}}});
  return a;
}

TEST(FollowMove, AttachedEndsRebuildTheirConnectorAndBothEndsMoveItWhole) {
  const Followers f = FollowMove(Scene(), {0, -50});
  ASSERT_EQ(f.connectors.size(), 2u);
  // Start (100, 50), end (200, 100): falling.
  EXPECT_EQ(f.connectors[0].box, QRect(100, 50, 100, 50));
  EXPECT_EQ(f.connectors[0].direction, adTopToBottom);
  EXPECT_EQ(f.connectors[0].heads, apRight);
  EXPECT_EQ(f.connectors[1].box, QRect(100, 70, 200, 4));
  EXPECT_EQ(f.connectors[1].direction, adBottomToBottom);
  ASSERT_EQ(f.labels.size(), 1u);
  EXPECT_EQ(f.labels[0].box, QRect(40, 40, 40, 20));
}

TEST(Follow, ResizeOfOneFigureMovesOnlyItsEnds) {
  // A grows to the left by 80: its right side stays, its middle moves; B stays.
  const std::map<FigureId, QRect> now = {{kA, QRect(-60, 80, 160, 40)}, {kB, QRect(300, 100, 80, 40)}};
  const Followers f = Follow(Scene(), [&](FigureId id) { return now.at(id); });
  ASSERT_EQ(f.connectors.size(), 2u);
  EXPECT_EQ(f.connectors[0].box, QRect(100, 85, 100, 30));
  EXPECT_EQ(f.connectors[1].box, QRect(100, 120, 200, 4));
  // The label's centre (60, 100) was at half A's width: now at 20.
  EXPECT_EQ(f.labels[0].box, QRect(0, 90, 40, 20));
}

TEST(Follow, GroupResizeRebuildsALineBetweenTwoResizedFigures) {
  // Both grow downwards by 40, anchored at their top-left corners: the ends keep their fractions.
  const std::map<FigureId, QRect> now = {{kA, QRect(20, 80, 80, 80)}, {kB, QRect(300, 100, 80, 80)}};
  const Followers f = Follow(Scene(), [&](FigureId id) { return now.at(id); });
  // Start (100, 122) at 42/40 of A's height: clamped to the bottom edge 120 plus 2 outside.
  // End (300, 122) at 22/40 of B's: 44 down, so 144.
  EXPECT_EQ(EndsOf(f.connectors[1]), (Ends{{100, 162}, {300, 144}}));
  EXPECT_EQ(f.connectors[1].direction, adBottomToTop);
}

}  // namespace
