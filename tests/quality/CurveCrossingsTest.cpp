// Crossings of Graphviz-style curves, counted by hand for small pictures.
#include <gtest/gtest.h>

#include <ostream>

#include "CurveCrossings.h"

namespace {

struct CurveCase {
  const char* name;
  std::vector<std::vector<QPoint>> routes;
  int crossings;
};
void PrintTo(const CurveCase& c, std::ostream* os) { *os << c.name; }
class CurveCrossingsTest : public testing::TestWithParam<CurveCase> {};

INSTANTIATE_TEST_SUITE_P(
    Pictures, CurveCrossingsTest,
    testing::Values(CurveCase{"TwoLinesCross", {{{0, 0}, {10, 10}}, {{0, 10}, {10, 0}}}, 1},
                    CurveCase{"MeetingAtAnEndIsNoCrossing", {{{0, 0}, {10, 10}}, {{10, 10}, {20, 0}}}, 0},
                    // A hump from (0, 0) to (20, 0) rising to y = 15 crosses the line y = 5 twice.
                    CurveCase{"AHumpOverALine", {{{0, 0}, {0, 20}, {20, 20}, {20, 0}}, {{-5, 5}, {25, 5}}}, 2},
                    CurveCase{"ARouteNeverCrossesItself", {{{0, 0}, {20, 20}, {0, 20}, {20, 0}}}, 0},
                    CurveCase{"ApartBoxesNoCrossing", {{{0, 0}, {10, 0}}, {{0, 5}, {10, 5}}, {{0, 10}, {10, 10}}}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(CurveCrossingsTest, CountsProperCrossings) {
  EXPECT_EQ(quality::CurveCrossings(GetParam().routes), GetParam().crossings);
}

}  // namespace
