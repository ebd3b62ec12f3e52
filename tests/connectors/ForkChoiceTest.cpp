// The way on at a point where more than two segment ends meet.
#include <gtest/gtest.h>

#include <vector>

#include "ForkChoice.h"

namespace {

using connectors::ChooseAtFork;
using connectors::ForkWay;

struct ForkCase {
  const char* name;
  QPoint arriving;  // where the arriving segment leads away from the point
  std::vector<ForkWay> ways;
  int chosen;
};
void PrintTo(const ForkCase& c, std::ostream* os) { *os << c.name; }

class Fork : public testing::TestWithParam<ForkCase> {};

TEST_P(Fork, ChoosesTheWayOn) { EXPECT_EQ(ChooseAtFork(GetParam().arriving, GetParam().ways), GetParam().chosen); }

// The arriving run leads left (-100, 0); ways right are straight on, up and down turn.
INSTANTIATE_TEST_SUITE_P(
    Table, Fork,
    testing::Values(ForkCase{"OnlyTheTurnMakesOne", {-100, 0}, {{{100, 0}, false}, {{0, 80}, true}}, 1},
                    ForkCase{"CrossingKeepsItsCourse", {-100, 0}, {{{0, -60}, true}, {{100, 0}, true}, {{0, 80}, false}}, 1},
                    ForkCase{"TwoTurnsAmbiguous", {-100, 0}, {{{0, -60}, true}, {{0, 80}, true}, {{100, 0}, false}}, -1},
                    ForkCase{"NoneMakesOne", {-100, 0}, {{{100, 0}, false}, {{0, 80}, false}}, -1},
                    ForkCase{"BackTheSameWayIsNoStraight", {-100, 0}, {{{-50, 0}, true}, {{0, 80}, true}}, -1},
                    // 8 across 100 along is within 6 degrees; 12 is not.
                    ForkCase{"SlightlyAskewStraight", {-100, 0}, {{{100, 8}, true}, {{0, 80}, true}}, 0},
                    ForkCase{"TooAskewForStraight", {-100, 0}, {{{100, 12}, true}, {{0, 80}, true}}, -1}),
    [](const testing::TestParamInfo<ForkCase>& info) { return std::string(info.param.name); });

}  // namespace
