// Line jumps worked out by hand at a radius of 5 pixels.
#include <gtest/gtest.h>

#include "LineJumps.h"

namespace {

using render::FindHops;
using render::Hop;
using render::JumpRun;

struct HopCase {
  const char* name;
  std::vector<JumpRun> runs;
  std::vector<Hop> hops;
};
void PrintTo(const HopCase& c, std::ostream* os) { *os << c.name; }

class Hops : public testing::TestWithParam<HopCase> {};

TEST_P(Hops, HigherRunHopsAtCrossings) { EXPECT_EQ(FindHops(GetParam().runs), GetParam().hops); }

// A horizontal run along y = 50 and a vertical one along x = 50 unless the case says otherwise.
INSTANTIATE_TEST_SUITE_P(
    Table, Hops,
    testing::Values(
        HopCase{"VerticalAbove", {{{0, 50}, {100, 50}, 1, 1}, {{50, 0}, {50, 100}, 2, 2}}, {{{50, 50}, false, 2, 1}}},
        HopCase{"HorizontalAbove", {{{0, 50}, {100, 50}, 1, 2}, {{50, 100}, {50, 0}, 2, 1}}, {{{50, 50}, true, 1, 2}}},
        HopCase{"JointIsNoCrossing", {{{0, 50}, {50, 50}, 1, 1}, {{50, 50}, {50, 100}, 2, 2}}, {}},
        HopCase{"RunEndingOnAnother", {{{0, 50}, {100, 50}, 1, 1}, {{50, 0}, {50, 50}, 2, 2}}, {}},
        // The arc would reach the hopping run's end 5 pixels away; 6 leave room.
        HopCase{"FivePixelsFromTheEnd", {{{45, 50}, {100, 50}, 1, 2}, {{50, 0}, {50, 100}, 2, 1}}, {}},
        HopCase{"SixPixelsFromTheEnd", {{{44, 50}, {100, 50}, 1, 2}, {{50, 0}, {50, 100}, 2, 1}},
                {{{50, 50}, true, 1, 2}}},
        HopCase{"OneFigure", {{{0, 50}, {100, 50}, 1, 1}, {{50, 0}, {50, 100}, 1, 1}}, {}},
        HopCase{"Parallel", {{{0, 50}, {100, 50}, 1, 1}, {{20, 50}, {80, 50}, 2, 2}}, {}},
        HopCase{"Diagonal", {{{0, 50}, {100, 50}, 1, 1}, {{0, 0}, {100, 100}, 2, 2}}, {}},
        HopCase{"TwoAlongOneRun",
                {{{150, 0}, {150, 100}, 7, 1}, {{60, 0}, {60, 100}, 8, 2}, {{0, 50}, {200, 50}, 9, 3}},
                {{{60, 50}, true, 9, 8}, {{150, 50}, true, 9, 7}}}),
    [](const testing::TestParamInfo<HopCase>& i) { return std::string(i.param.name); });

struct ShapeCase {
  const char* name;
  Hop hop;
  int penWidth;
  QRect erase;
  QPointF start, apex, end;
};
void PrintTo(const ShapeCase& c, std::ostream* os) { *os << c.name; }

class HopShapes : public testing::TestWithParam<ShapeCase> {};

TEST_P(HopShapes, StraightPieceErasedAndArcAboutTheCrossing) {
  const ShapeCase& k = GetParam();
  const render::HopShape s = render::ShapeOfHop(k.hop, k.penWidth);
  EXPECT_EQ(s.erase, k.erase);
  EXPECT_NEAR(QLineF(s.arc.pointAtPercent(0), k.start).length(), 0, 1e-6);
  EXPECT_NEAR(QLineF(s.arc.pointAtPercent(0.5), k.apex).length(), 0, 1e-6);
  EXPECT_NEAR(QLineF(s.arc.pointAtPercent(1), k.end).length(), 0, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HopShapes,
    testing::Values(ShapeCase{"Horizontal", {{50, 50}, true, 1, 2}, 1, QRect(QPoint(45, 49), QPoint(55, 51)), {45, 50}, {50, 45}, {55, 50}},
                    ShapeCase{"VerticalWide", {{50, 50}, false, 1, 2}, 3, QRect(QPoint(48, 45), QPoint(52, 55)), {50, 45}, {45, 50}, {50, 55}}),
    [](const testing::TestParamInfo<ShapeCase>& i) { return std::string(i.param.name); });

}  // namespace
