// Head rates for new arrows, the head an arrow figure draws, and heads made to show whole.
#include <gtest/gtest.h>

#include <cmath>

#include "ArrowHeads.h"
#include "ConnectorGeometry.h"
#include "Printers.h"

using namespace connectors;

namespace {

struct RatesCase {
  int lineWidth, shaft;
  ArrowRates rates;
};
void PrintTo(const RatesCase& c, std::ostream* os) { *os << "width " << c.lineWidth << ", shaft " << c.shaft; }

class HeadRatesTest : public testing::TestWithParam<RatesCase> {};

TEST_P(HeadRatesTest, Table) { EXPECT_EQ(HeadRates(GetParam().lineWidth, GetParam().shaft), GetParam().rates); }

// Head width = thickness rate x width, length = that x the length rate.
INSTANTIATE_TEST_SUITE_P(
    Widths, HeadRatesTest,
    testing::Values(RatesCase{2, 100, {5, 1}},   // 10 x 10
                    RatesCase{1, 100, {10, 1}},  // 10 x 10
                    RatesCase{3, 100, {4, 1}},   // 12 x 12
                    RatesCase{4, 100, {3, 1}},   // 12 x 12
                    RatesCase{6, 100, {3, 1}},   // 18 x 18
                    RatesCase{10, 100, {3, 1}},  // 30 x 30
                    RatesCase{2, 20, {5, 1}},    // exactly twice the head
                    RatesCase{2, 19, {4, 1}},    // 8 long, at most 9.5
                    RatesCase{2, -19, {4, 1}},   // a length either way
                    RatesCase{2, 7, {1, 1}},     // 2 long, at most 3.5
                    RatesCase{2, 3, {1, 1}},     // never under one line width
                    RatesCase{2, 0, {1, 1}},
                    RatesCase{0, 50, {5, 1}}));  // no pen, no head to size

TEST(HeadRates, HeadsGrowWithTheLineWidth) {
  int before = 0;
  for (int w = 1; w <= 20; ++w) {
    const ArrowRates r = HeadRates(w, 1000);
    const int width = r.thicknessRate * w;
    EXPECT_GE(width, before) << "width " << w;
    EXPECT_GE(width, 10) << "width " << w;
    before = width;
  }
}

Figure Arrow(QRect box, TArrowDirection d, TArrowPosition heads) { return {nullptr, FigureKind::Arrow, box, d, heads, 0}; }

TEST(HeadOf, AHorizontalHeadInCanvasPixels) {
  // 50 x 30 at (150, 160), a 10 x 10 head at the right end: the tip on the middle row.
  const geom::ArrowHead h = HeadOf(Arrow({150, 160, 50, 30}, adTopToTop, apRight), {5, 1, 2}, true);
  EXPECT_EQ(h.tip, QPoint(200, 175));
  EXPECT_EQ(h.corner1, QPoint(190, 170));
  EXPECT_EQ(h.corner2, QPoint(190, 180));
  EXPECT_EQ(h.base, QPoint(190, 175));
  const geom::ArrowHead left = HeadOf(Arrow({150, 160, 50, 30}, adTopToTop, apLeft), {5, 1, 2}, false);
  EXPECT_EQ(left.tip, QPoint(150, 175));
  EXPECT_EQ(left.base, QPoint(160, 175));
}

// What the support-ticket sample showed: an arrow's end dragged off its course makes a diagonal
// whose box is exactly the span of its ends, and the head at the box's corner leaves the box.
TEST(HeadInside, TheSampleHeadsThatShowedHalfOrUpright) {
  const geom::ArrowStyle sample{10, 1, 2};  // 20 wide, 20 long
  // Nudged 9 pixels down: 199 x 9; the head's corners lie 10 pixels either side of the shaft.
  const Figure nudged = Arrow({187, 428, 199, 9}, adTopToBottom, apRight);
  const geom::ArrowHead h = HeadOf(nudged, sample, true);
  EXPECT_EQ(h.tip, QPoint(386, 437));
  EXPECT_EQ(h.corner1, QPoint(366, 426));  // 2 above the box
  EXPECT_EQ(h.corner2, QPoint(366, 446));  // 9 below it
  EXPECT_FALSE(HeadInside(h, nudged.box, 2));
  // Moved 60 right: 60 x 30 falling; the shaft's 26.6 degrees equal the head's half angle, so
  // one edge of the head lies on the box's bottom edge and the head reads as pointing up.
  const Figure moved = Arrow({467, 360, 60, 30}, adTopToBottom, apRight);
  const geom::ArrowHead m = HeadOf(moved, sample, true);
  EXPECT_EQ(m.tip, QPoint(527, 390));
  EXPECT_EQ(m.corner1, QPoint(514, 372));
  EXPECT_EQ(m.corner2, QPoint(505, 390));
  EXPECT_FALSE(HeadInside(m, moved.box, 2));
  // On its course, 30 thick, the same head fits.
  const Figure straight = Arrow({452, 360, 30, 30}, adLeftToLeft, apRight);
  EXPECT_TRUE(HeadInside(HeadOf(straight, sample, true), straight.box, 2));
}

TEST(ArrowCross, ThickEnoughForTheHeadAndItsPen) {
  EXPECT_EQ(ArrowCross({5, 1, 2}), 30);    // 10 + 2 + 2 = 14, at least 30
  EXPECT_EQ(ArrowCross({3, 1, 10}), 42);   // 30 + 10 + 2
  EXPECT_EQ(ArrowCross({4, 1, 9}), 48);   // 36 + 9 + 2 = 47, made even so the middle is exact
}

// The head as drawn: tip on the end, its axis (tip to base) along the shaft towards the tip.
void ExpectAlongShaft(const geom::ArrowHead& h, QPoint from, QPoint tip) {
  EXPECT_EQ(h.tip, tip);
  const double sx = tip.x() - from.x(), sy = tip.y() - from.y(), ax = h.tip.x() - h.base.x(), ay = h.tip.y() - h.base.y();
  const double len = std::hypot(sx, sy);
  ASSERT_GT(len, 0);
  EXPECT_LE(std::abs(sx * ay - sy * ax) / len, 1.5) << "off the shaft";
  EXPECT_GT(sx * ax + sy * ay, 0) << "pointing back";
}

TEST(FitHead, AHeadThatFitsStays) {
  const Figure a = Arrow({0, 0, 100, 60}, adTopToBottom, apRight);
  const geom::ArrowStyle s{5, 1, 2};
  EXPECT_TRUE(HeadInside(HeadOf(a, s, true), a.box, 2));
  const geom::ArrowStyle fitted = FitHead(a, s);
  EXPECT_EQ(fitted.thicknessRate, 5);
  EXPECT_EQ(fitted.headLengthRate, 1);
}

struct FitCase {
  const char* name;
  QRect box;
  TArrowDirection direction;
  TArrowPosition heads;
  geom::ArrowStyle style;
  bool slimmer;  // the angle, not only the size, is what keeps the head out
};
void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

class FitHeadTest : public testing::TestWithParam<FitCase> {};

TEST_P(FitHeadTest, TheFittedHeadShowsWholeAlongItsShaft) {
  const FitCase& c = GetParam();
  const Figure a = Arrow(c.box, c.direction, c.heads);
  EXPECT_FALSE(HeadInside(HeadOf(a, c.style, HeadAtEnd(c.heads)), a.box, c.style.lineWidth));
  const geom::ArrowStyle f = FitHead(a, c.style);
  const Ends e = EndsOf(a);
  for (bool atEnd : {false, true}) {
    if (atEnd ? !HeadAtEnd(c.heads) : !HeadAtStart(c.heads)) continue;
    const geom::ArrowHead h = HeadOf(a, f, atEnd);
    EXPECT_TRUE(HeadInside(h, a.box, f.lineWidth));
    ExpectAlongShaft(h, atEnd ? e.start : e.end, atEnd ? e.end : e.start);
  }
  EXPECT_EQ(f.lineWidth, c.style.lineWidth);
  // No longer than the head it replaces, unless only a needle fits; at least half as long; slimmer
  // where the angle or the thickness asks.
  const int length = f.thicknessRate * f.headLengthRate * f.lineWidth;
  const int given = c.style.thicknessRate * c.style.headLengthRate * c.style.lineWidth;
  EXPECT_TRUE(length <= given || f.thicknessRate == 1) << length << " long";
  EXPECT_GE(2 * length, given);
  EXPECT_EQ(f.headLengthRate > c.style.headLengthRate, c.slimmer);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, FitHeadTest,
    testing::Values(
        // The nudged sample arrow: 2.6 degrees, room only for a needle.
        FitCase{"Nudged", {187, 428, 199, 9}, adTopToBottom, apRight, {10, 1, 2}, true},
        // Rising, head at the lower left start: 8.5 degrees.
        FitCase{"ShallowRising", {547, 773, 400, 60}, adBottomToTop, apLeft, {5, 1, 2}, true},
        // Steep: 82 degrees from the horizontal.
        FitCase{"Steep", {0, 0, 20, 140}, adTopToBottom, apRight, {5, 1, 2}, true},
        // 45 degrees but only 12 x 12: the same shape, smaller.
        FitCase{"Short", {0, 0, 12, 12}, adTopToBottom, apBoth, {10, 1, 2}, false},
        // A straight arrow thinner than its head: a 10 x 10 head in a 6-pixel box. The same shape
        // would be 4 x 4 (under half the length), so 4 x 8.
        FitCase{"ThinStraight", {0, 0, 80, 6}, adTopToTop, apRight, {5, 1, 2}, true}),
    [](const testing::TestParamInfo<FitCase>& info) { return std::string(info.param.name); });

}  // namespace
