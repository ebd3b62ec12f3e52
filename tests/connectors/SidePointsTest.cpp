// The points where connectors leave and enter each closed outline, and where rows and columns
// cross the outlines.
#include <gtest/gtest.h>

#include "Outline.h"
#include "Printers.h"
#include "SidePoints.h"

using namespace connectors;

namespace {

struct SideCase {
  const char* name;
  FigureKind kind;
  QRect box;
  std::array<QPoint, 4> points;  // top, right, bottom, left
};
void PrintTo(const SideCase& c, std::ostream* os) { *os << c.name; }

class AttachPointTest : public testing::TestWithParam<SideCase> {};

TEST_P(AttachPointTest, EachSideHasItsPointOnTheOutlineFacingOut) {
  const SideCase& c = GetParam();
  const QPoint out[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
  for (int i = 0; i < 4; ++i) {
    const SidePoint p = AttachPoint(c.kind, c.box, kSides[i]);
    EXPECT_EQ(p.point, c.points[i]) << "side " << i;
    EXPECT_EQ(p.outward, out[i]) << "side " << i;
    // On the outline as drawn (odd sizes: within half a pixel of the exact extreme).
    EXPECT_LE(DistanceToOutline(c.kind, c.box, p.point), 0.5) << "side " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, AttachPointTest,
    testing::Values(
        SideCase{"Box", FigureKind::Box, {10, 20, 60, 30}, {{{40, 20}, {70, 35}, {40, 50}, {10, 35}}}},
        // The rounded corners (radii 15 and 7.5) end before the side middles.
        SideCase{"RoundedBox", FigureKind::RoundedBox, {10, 20, 60, 30}, {{{40, 20}, {70, 35}, {40, 50}, {10, 35}}}},
        // Odd sizes: the middles round down as the courses do.
        SideCase{"Ellipse", FigureKind::Ellipse, {10, 20, 61, 31}, {{{40, 20}, {71, 35}, {40, 51}, {10, 35}}}},
        // The diamond's vertices (30, 0), (61, 15), (30, 31), (0, 15) of its box.
        SideCase{"Diamond", FigureKind::Diamond, {10, 20, 61, 31}, {{{40, 20}, {71, 35}, {40, 51}, {10, 35}}}},
        // 60 x 40: centre (40, 40), radius 40 / 2 - 2 = 18, two pixels inside the box's top and bottom.
        SideCase{"Circle", FigureKind::Circle, {10, 20, 60, 40}, {{{40, 22}, {58, 40}, {40, 58}, {22, 40}}}}),
    [](const testing::TestParamInfo<SideCase>& info) { return std::string(info.param.name); });

TEST(Sides, OppositesAndAxes) {
  EXPECT_EQ(Opposite(Side::Top), Side::Bottom);
  EXPECT_EQ(Opposite(Side::Bottom), Side::Top);
  EXPECT_EQ(Opposite(Side::Left), Side::Right);
  EXPECT_EQ(Opposite(Side::Right), Side::Left);
  EXPECT_TRUE(IsHorizontal(Side::Left));
  EXPECT_FALSE(IsHorizontal(Side::Top));
}

struct SpanCase {
  const char* name;
  FigureKind kind;
  QRect box;
  bool row;
  int at;
  double lo, hi;
};
void PrintTo(const SpanCase& c, std::ostream* os) { *os << c.name; }

class OutlineSpanTest : public testing::TestWithParam<SpanCase> {};

TEST_P(OutlineSpanTest, CrossingsOfARowOrColumn) {
  const SpanCase& c = GetParam();
  const auto [lo, hi] = OutlineSpanAt(c.kind, c.box, c.row, c.at);
  EXPECT_NEAR(lo, c.lo, 1e-9);
  EXPECT_NEAR(hi, c.hi, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, OutlineSpanTest,
    testing::Values(
        SpanCase{"BoxRow", FigureKind::Box, {10, 20, 60, 30}, true, 21, 10, 70},
        // Vertices (50, 0), (100, 25), (50, 50), (0, 25): 10 of 25 rows down, 0.4 of the half width.
        SpanCase{"DiamondUpperRow", FigureKind::Diamond, {0, 0, 100, 50}, true, 10, 30, 70},
        SpanCase{"DiamondLowerRow", FigureKind::Diamond, {0, 0, 100, 50}, true, 45, 40, 60},
        // Column 75 of the diamond: halfway out, so the half height is 12.5 about row 25.
        SpanCase{"DiamondColumn", FigureKind::Diamond, {0, 0, 100, 50}, false, 75, 12.5, 37.5},
        // Semi-axes 50 and 25: 20 rows above the middle, sqrt(1 - 0.64) = 0.6 of 50.
        SpanCase{"EllipseRow", FigureKind::Ellipse, {0, 0, 100, 50}, true, 5, 20, 80},
        SpanCase{"EllipseMiddleColumn", FigureKind::Ellipse, {0, 0, 100, 50}, false, 50, 0, 50},
        // Corner radii 25 across and 15 down; 12 rows into the corner: 25 * (1 - 0.6) = 10 in.
        SpanCase{"RoundedCornerRow", FigureKind::RoundedBox, {0, 0, 100, 60}, true, 3, 10, 90},
        SpanCase{"RoundedStraightRow", FigureKind::RoundedBox, {0, 0, 100, 60}, true, 15, 0, 100},
        // 54 x 54 mark: centre (27, 27), radius 25; 15 rows up, sqrt(625 - 225) = 20 either side.
        SpanCase{"CircleRow", FigureKind::Circle, {0, 0, 54, 54}, true, 12, 7, 47}),
    [](const testing::TestParamInfo<SpanCase>& info) { return std::string(info.param.name); });

TEST(OutlineExtent, TheMarkIsSmallerThanItsBox) {
  EXPECT_EQ(OutlineExtent(FigureKind::Circle, {10, 20, 60, 40}, true), std::make_pair(22, 58));
  EXPECT_EQ(OutlineExtent(FigureKind::Circle, {10, 20, 60, 40}, false), std::make_pair(22, 58));
  EXPECT_EQ(OutlineExtent(FigureKind::Diamond, {10, 20, 60, 40}, false), std::make_pair(10, 70));
}

// The side a connector drawn from or to a point of a shape takes: the nearest side whose outer
// quarter holds the point, none in the middle.
struct TowardsCase {
  const char* name;
  FigureKind kind;
  QPoint p;
  std::optional<Side> side;
};
void PrintTo(const TowardsCase& c, std::ostream* os) { *os << c.name; }

class SideTowardsTest : public testing::TestWithParam<TowardsCase> {};

TEST_P(SideTowardsTest, NearestSideOfTheOuterQuarters) {
  const TowardsCase& c = GetParam();
  // Box (100, 200) 120 x 60: quarters 30 across and 15 down; the mark's circle in (0, 0) 100 x 40
  // has radius 18 about (50, 20): quarters of 36 are 9.
  const QRect box = c.kind == FigureKind::Circle ? QRect(0, 0, 100, 40) : QRect(100, 200, 120, 60);
  EXPECT_EQ(SideTowards(c.kind, box, c.p), c.side);
}

INSTANTIATE_TEST_SUITE_P(
    Points, SideTowardsTest,
    testing::Values(TowardsCase{"Middle", FigureKind::Box, {160, 230}, std::nullopt},
                    TowardsCase{"NearTop", FigureKind::Box, {160, 205}, Side::Top},
                    TowardsCase{"NearRight", FigureKind::Box, {215, 230}, Side::Right},
                    TowardsCase{"NearBottom", FigureKind::Box, {160, 258}, Side::Bottom},
                    TowardsCase{"NearLeft", FigureKind::Box, {104, 240}, Side::Left},
                    TowardsCase{"RightQuarterEdge", FigureKind::Box, {190, 230}, Side::Right},
                    TowardsCase{"JustOutOfTheRightQuarter", FigureKind::Box, {189, 230}, std::nullopt},
                    TowardsCase{"TopQuarterEdge", FigureKind::Box, {160, 215}, Side::Top},
                    TowardsCase{"JustOutOfTheTopQuarter", FigureKind::Box, {160, 216}, std::nullopt},
                    TowardsCase{"OutsideRight", FigureKind::Box, {222, 231}, Side::Right},
                    TowardsCase{"CornerTieGoesToTop", FigureKind::Box, {105, 205}, Side::Top},
                    TowardsCase{"FartherBeyondWins", FigureKind::Box, {225, 197}, Side::Right},
                    TowardsCase{"AcrossAWideQuarter", FigureKind::Box, {200, 225}, Side::Right},
                    TowardsCase{"CircleNearItsRight", FigureKind::Circle, {66, 20}, Side::Right},
                    TowardsCase{"CircleMiddle", FigureKind::Circle, {55, 24}, std::nullopt}),
    [](const testing::TestParamInfo<TowardsCase>& info) { return std::string(info.param.name); });

}  // namespace
