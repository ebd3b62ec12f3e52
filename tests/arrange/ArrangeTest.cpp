#include <gtest/gtest.h>

#include "Arrange.h"
#include "Printers.h"

using namespace arrange;

namespace {

// Union x 10..131, y 10..91.
const std::vector<QRect> kBoxes = {{10, 10, 50, 30}, {100, 45, 31, 20}, {40, 80, 20, 11}};

struct AlignCase {
  const char* name;
  Alignment alignment;
  std::vector<QRect> expected;
};
void PrintTo(const AlignCase& c, std::ostream* os) { *os << c.name; }

class AlignTest : public testing::TestWithParam<AlignCase> {};

TEST_P(AlignTest, ToTheGroupsBoundingBox) { EXPECT_EQ(Align(kBoxes, GetParam().alignment), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    SixWays, AlignTest,
    testing::Values(
        AlignCase{"Left", Alignment::Left, {{10, 10, 50, 30}, {10, 45, 31, 20}, {10, 80, 20, 11}}},
        AlignCase{"Right", Alignment::Right, {{81, 10, 50, 30}, {100, 45, 31, 20}, {111, 80, 20, 11}}},
        // Centre 10 + 121 / 2 = 70; the 31 wide box's centre is 55 + 15.
        AlignCase{"Centre", Alignment::Centre, {{45, 10, 50, 30}, {55, 45, 31, 20}, {60, 80, 20, 11}}},
        AlignCase{"Top", Alignment::Top, {{10, 10, 50, 30}, {100, 10, 31, 20}, {40, 10, 20, 11}}},
        AlignCase{"Bottom", Alignment::Bottom, {{10, 61, 50, 30}, {100, 71, 31, 20}, {40, 80, 20, 11}}},
        // Middle 10 + 81 / 2 = 50; the 11 high box's middle is 45 + 5.
        AlignCase{"Middle", Alignment::Middle, {{10, 35, 50, 30}, {100, 40, 31, 20}, {40, 45, 20, 11}}}),
    [](const testing::TestParamInfo<AlignCase>& info) { return std::string(info.param.name); });

TEST(Align, OddSpanAtNegativePositionsCentresRoundedDown) {
  // Union -31..0: centre -31 + 31 / 2 = -16.
  EXPECT_EQ(Align({{-31, 0, 11, 5}, {-10, 0, 10, 5}}, Alignment::Centre),
            (std::vector<QRect>{{-21, 0, 11, 5}, {-21, 0, 10, 5}}));
}

TEST(Distribute, EqualGapsWithTheRemainderOnTheFirstGaps) {
  // Ordered 0, 17, 33, 50; sizes 45; the last ends at 70: 25 free pixels, gaps 9, 8, 8.
  const std::vector<QRect> in = {{0, 0, 10, 5}, {17, 9, 10, 5}, {50, 3, 20, 5}, {33, 7, 5, 5}};
  EXPECT_EQ(Distribute(in, Direction::Horizontal),
            (std::vector<QRect>{{0, 0, 10, 5}, {19, 9, 10, 5}, {50, 3, 20, 5}, {37, 7, 5, 5}}));
}

TEST(Distribute, EqualPositionsKeepTheSelectionOrder) {
  // Tops 0, 40, 40, 100: 110 - 50 = 60 free, gaps of 20.
  const std::vector<QRect> in = {{0, 0, 5, 10}, {9, 40, 5, 10}, {3, 40, 5, 20}, {7, 100, 5, 10}};
  EXPECT_EQ(Distribute(in, Direction::Vertical),
            (std::vector<QRect>{{0, 0, 5, 10}, {9, 30, 5, 10}, {3, 60, 5, 20}, {7, 100, 5, 10}}));
}

TEST(Distribute, OverlapsGiveNegativeGapsRoundedDown) {
  // 71 - 150 = -79 over two gaps: -39 and -40, the first one pixel wider.
  const std::vector<QRect> in = {{0, 0, 50, 5}, {5, 0, 50, 5}, {21, 0, 50, 5}};
  EXPECT_EQ(Distribute(in, Direction::Horizontal),
            (std::vector<QRect>{{0, 0, 50, 5}, {11, 0, 50, 5}, {21, 0, 50, 5}}));
}

TEST(Distribute, FewerThanThreeStay) {
  const std::vector<QRect> two = {{0, 0, 10, 10}, {50, 50, 10, 10}};
  EXPECT_EQ(Distribute(two, Direction::Horizontal), two);
}

TEST(MakeSameSize, AsTheLargest) {
  EXPECT_EQ(MakeSameSize(kBoxes, Dimension::Width),
            (std::vector<QRect>{{10, 10, 50, 30}, {100, 45, 50, 20}, {40, 80, 50, 11}}));
  EXPECT_EQ(MakeSameSize(kBoxes, Dimension::Height),
            (std::vector<QRect>{{10, 10, 50, 30}, {100, 45, 31, 30}, {40, 80, 20, 30}}));
  EXPECT_EQ(MakeSameSize(kBoxes, Dimension::Size),
            (std::vector<QRect>{{10, 10, 50, 30}, {100, 45, 50, 30}, {40, 80, 50, 30}}));
}

}  // namespace
