// Straight connectors between two shapes: level or upright while the shapes overlap on that axis,
// their ends sliding along the facing sides, otherwise diagonal; heads always along the shaft.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "ArrowHeads.h"
#include "ConnectorGeometry.h"
#include "Outline.h"
#include "Printers.h"
#include "StraightConnector.h"

using namespace connectors;

namespace {

FigureId Id(intptr_t n) { return reinterpret_cast<FigureId>(n); }
Figure Shape(QRect box, FigureKind kind = FigureKind::RoundedBox) { return {Id(1), kind, box}; }

// From the support-ticket sample: "Known issue?", "Investigate issue", "Fixed at L1?",
// "Close ticket" and "Send survey".
const Figure kKnown = Shape({397, 288, 140, 70}, FigureKind::Diamond);
const Figure kInvestigate = Shape({387, 388, 160, 50});
const Figure kFixed = Shape({397, 468, 140, 70}, FigureKind::Diamond);
const Figure kClose = Shape({387, 748, 160, 50});
const Figure kSurvey = Shape({647, 748, 160, 50});

Figure Moved(const Figure& f, int dx, int dy) {
  Figure out = f;
  out.box.translate(dx, dy);
  return out;
}

struct EndsCase {
  const char* name;
  Figure from, to;
  QPoint a, b;
};
void PrintTo(const EndsCase& c, std::ostream* os) { *os << c.name; }

class StraightBetweenTest : public testing::TestWithParam<EndsCase> {};

TEST_P(StraightBetweenTest, Ends) {
  const EndsCase& c = GetParam();
  EXPECT_EQ(StraightBetween(c.from, c.to), (StraightEnds{c.a, c.b}));
}

INSTANTIATE_TEST_SUITE_P(
    Placements, StraightBetweenTest,
    testing::Values(
        // Investigate moved 60 right: x 447..607 still meets the diamonds' 397..537; the middle
        // column 492 meets the upper diamond's lower right edge at 345.5 (rounded to even).
        EndsCase{"MovedRightFromAbove", kKnown, Moved(kInvestigate, 60, 0), {492, 346}, {492, 388}},
        EndsCase{"MovedRightToBelow", Moved(kInvestigate, 60, 0), kFixed, {492, 438}, {492, 480}},
        // Survey nudged down: rows 757..798 and 765..798 still shared; the middle rows.
        EndsCase{"Nudged9", kClose, Moved(kSurvey, 0, 9), {547, 777}, {647, 777}},
        EndsCase{"Nudged17", kClose, Moved(kSurvey, 0, 17), {547, 781}, {647, 781}},
        // 40 down: row 793 lies 7.5 rows into the corners (radii 40 and 12.5): 8 pixels in.
        EndsCase{"Nudged40", kClose, Moved(kSurvey, 0, 40), {539, 793}, {655, 793}},
        // No overlap: 100 across, 10 down, so the left and right side points.
        EndsCase{"Diagonal", kClose, Moved(kSurvey, 0, 60), {547, 773}, {647, 833}},
        // Farther apart up and down (150) than across (50): top to bottom.
        EndsCase{"DiagonalUp", Shape({0, 0, 100, 50}, FigureKind::Box), Shape({-150, -200, 100, 50}, FigureKind::Box),
                 {50, 0}, {-100, -150}},
        // Mark (radius 18 about (20, 20), rows 2..38) to an ellipse (rows 10..70): row 24, where
        // the circle ends at 20 + 17.55 and the ellipse starts at 140 - 33.84.
        EndsCase{"CircleToEllipse", Shape({0, 0, 40, 40}, FigureKind::Circle), Shape({100, 10, 80, 60}, FigureKind::Ellipse),
                 {38, 24}, {106, 24}},
        // Shapes that meet: the centres lie farther apart down (80) than across (50).
        EndsCase{"Meeting", Shape({0, 0, 100, 100}, FigureKind::Box), Shape({50, 80, 100, 100}, FigureKind::Box),
                 {75, 100}, {75, 80}}),
    [](const testing::TestParamInfo<EndsCase>& info) { return std::string(info.param.name); });

class StraightToTipsTest : public testing::TestWithParam<EndsCase> {};

TEST_P(StraightToTipsTest, Ends) {
  const EndsCase& c = GetParam();
  EXPECT_EQ(StraightToTips(c.from, c.to), (StraightEnds{c.a, c.b}));
}

const Figure kSideDiamond = Shape({200, 10, 100, 80}, FigureKind::Diamond);  // tips (200, 50), (300, 50)

INSTANTIATE_TEST_SUITE_P(
    Placements, StraightToTipsTest,
    testing::Values(
        // Investigate moved 60 right still spans the diamonds' tip column 467, 20 pixels into its
        // corner (radii 40 and 12.5): 12.5 * (1 - cos 30 degrees) = 1.7 rows in.
        EndsCase{"OutOfTheBottomTip", kKnown, Moved(kInvestigate, 60, 0), {467, 358}, {467, 390}},
        EndsCase{"IntoTheTopTip", Moved(kInvestigate, 60, 0), kFixed, {467, 436}, {467, 468}},
        EndsCase{"AlreadyAtTheTip", kKnown, kInvestigate, {467, 358}, {467, 388}},
        // Moved 120 right (x 507..667) it no longer reaches column 467: from its bottom middle.
        EndsCase{"TipOutOfReach", Moved(kInvestigate, 120, 0), kFixed, {587, 438}, {467, 468}},
        // Rows 10..60 shared, the overlap's middle 35; the tips' row 50 is within the box.
        EndsCase{"IntoTheLeftTip", Shape({0, 0, 100, 60}, FigureKind::Box), kSideDiamond, {100, 50}, {200, 50}},
        EndsCase{"OutOfTheRightTip", kSideDiamond, Shape({400, 0, 100, 60}, FigureKind::Box), {300, 50}, {400, 50}},
        // No diamond: as StraightBetween.
        EndsCase{"NoDiamond", kClose, Moved(kSurvey, 0, 9), {547, 777}, {647, 777}}),
    [](const testing::TestParamInfo<EndsCase>& info) { return std::string(info.param.name); });

Figure Connector(FigureKind kind, QRect box, TArrowDirection d, TArrowPosition heads) {
  return {Id(9), kind, box, d, heads, 5};
}

struct RebuildCase {
  const char* name;
  Figure connector, tail, head;
  geom::ArrowStyle style;
  QRect box;
  TArrowDirection direction;
  TArrowPosition heads;
};
void PrintTo(const RebuildCase& c, std::ostream* os) { *os << c.name; }

class RebuildStraightTest : public testing::TestWithParam<RebuildCase> {};

TEST_P(RebuildStraightTest, FigureAndHead) {
  const RebuildCase& c = GetParam();
  const StraightConnector s = RebuildStraight(c.connector, c.tail, c.head, c.style);
  EXPECT_EQ(s.figure.box, c.box);
  EXPECT_EQ(s.figure.direction, c.direction);
  EXPECT_EQ(s.figure.heads, c.heads);
  EXPECT_EQ(s.figure.id, c.connector.id);
  EXPECT_EQ(s.figure.stacking, c.connector.stacking);
  EXPECT_EQ(s.figure.kind, c.connector.kind);
  // These heads fit as they are.
  EXPECT_EQ(s.style.thicknessRate, c.style.thicknessRate);
  EXPECT_EQ(s.style.headLengthRate, c.style.headLengthRate);
}

const geom::ArrowStyle kSampleHead{10, 1, 2};
const Figure kArrow29 = Connector(FigureKind::Arrow, {452, 360, 30, 30}, adLeftToLeft, apRight);
const Figure kArrow34 = Connector(FigureKind::Arrow, {549, 758, 98, 30}, adTopToTop, apRight);

INSTANTIATE_TEST_SUITE_P(
    Sample, RebuildStraightTest,
    testing::Values(
        // Upright, still 30 thick, 346..388.
        RebuildCase{"MovedRight", kArrow29, kKnown, Moved(kInvestigate, 60, 0), kSampleHead,
                    {477, 346, 30, 42}, adLeftToLeft, apRight},
        RebuildCase{"Nudged9", kArrow34, kClose, Moved(kSurvey, 0, 9), kSampleHead, {547, 762, 100, 30}, adTopToTop, apRight},
        // Drawn the other way: the head on the left end.
        RebuildCase{"HeadOnTheLeft", Connector(FigureKind::Arrow, {549, 758, 98, 30}, adTopToTop, apLeft), kSurvey, kClose,
                    kSampleHead, {547, 758, 100, 30}, adTopToTop, apLeft},
        RebuildCase{"BothHeads", Connector(FigureKind::Arrow, {549, 758, 98, 30}, adTopToTop, apBoth), kSurvey, kClose,
                    kSampleHead, {547, 758, 100, 30}, adTopToTop, apBoth},
        // The direction value of a course that stays stays.
        RebuildCase{"BottomToBottomStays", Connector(FigureKind::Arrow, {549, 758, 98, 30}, adBottomToBottom, apRight),
                    kClose, kSurvey, kSampleHead, {547, 758, 100, 30}, adBottomToBottom, apRight},
        // A thicker course that stays keeps its thickness.
        RebuildCase{"ThickCourseStays", Connector(FigureKind::Arrow, {549, 753, 98, 40}, adTopToTop, apRight), kClose,
                    kSurvey, kSampleHead, {547, 753, 100, 40}, adTopToTop, apRight},
        // A 40-wide head at width 4 needs 40 + 4 + 2 = 46 across.
        RebuildCase{"WideHead", kArrow34, kClose, kSurvey, {10, 1, 4}, {547, 750, 100, 46}, adTopToTop, apRight},
        // A new diagonal spans the ends; the head at 31 degrees fits (corners (88, 41), (78, 58)).
        RebuildCase{"Diagonal", kArrow34, kClose, Moved(kSurvey, 0, 60), kSampleHead, {547, 773, 100, 60}, adTopToBottom,
                    apRight},
        // A line: 4 thick as drawn.
        RebuildCase{"Line", Connector(FigureKind::Line, {547, 771, 100, 4}, adTopToTop, apRight), kClose, Moved(kSurvey, 0, 9),
                    kSampleHead, {547, 775, 100, 4}, adTopToTop, apRight}),
    [](const testing::TestParamInfo<RebuildCase>& info) { return std::string(info.param.name); });

// The head as drawn points from the tail along the shaft (the middle of its corners lies behind
// the tip on the shaft), its tip on the head's shape; where there is room for it, it shows whole.
void ExpectHeadIntoTarget(const StraightConnector& s, const Figure& head, bool room = true) {
  const Ends e = EndsOf(s.figure);
  const bool atEnd = HeadAtEnd(s.figure.heads);
  const QPoint tip = atEnd ? e.end : e.start, tail = atEnd ? e.start : e.end;
  const geom::ArrowHead h = HeadOf(s.figure, s.style, atEnd);
  EXPECT_EQ(h.tip, tip);
  EXPECT_TRUE(IsAttached(head.kind, head.box, tip));
  if (room) {
    EXPECT_TRUE(HeadInside(h, s.figure.box, s.style.lineWidth));
  }
  const double sx = tip.x() - tail.x(), sy = tip.y() - tail.y();
  const double ax = h.tip.x() - (h.corner1.x() + h.corner2.x()) / 2.0, ay = h.tip.y() - (h.corner1.y() + h.corner2.y()) / 2.0;
  const double len = std::hypot(sx, sy);
  if (len == 0) return;
  EXPECT_LE(std::abs(sx * ay - sy * ax) / len, 1.5) << "the head leaves the shaft";
  EXPECT_GT(sx * ax + sy * ay, 0) << "the head points back";
}

TEST(RebuildStraight, AShallowDiagonalGetsASlimmerHeadThatShowsWhole) {
  // 400 across and 60 down: 8.5 degrees, well under the 26.6 either side of a head of rates 5 and 1.
  const Figure far = Moved(kSurvey, 300, 60);
  const StraightConnector s = RebuildStraight(kArrow34, kClose, far, {5, 1, 2});
  EXPECT_EQ(s.figure.box, QRect(547, 773, 400, 60));
  EXPECT_FALSE(HeadInside(HeadOf(s.figure, {5, 1, 2}, true), s.figure.box, 2));
  EXPECT_GT(s.style.headLengthRate, 1);
  ExpectHeadIntoTarget(s, far);
}

// Room for a head: a straight shaft at least four line widths long; a diagonal box at least four
// line widths across both ways and no more than ten times as long as wide.
bool Room(const Figure& f, int lineWidth) {
  const int w = f.box.width(), h = f.box.height();
  const Course c = CourseOf(f.direction);
  if (c == Course::Horizontal) return w >= 4 * lineWidth;
  if (c == Course::Vertical) return h >= 4 * lineWidth;
  return std::min(w, h) >= 4 * lineWidth && std::max(w, h) <= 10 * std::min(w, h);
}

TEST(RebuildStraightSweep, AfterAnyMoveEveryHeadPointsIntoItsTarget) {
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> pos(-500, 500), size(12, 200), kind(0, 4), width(1, 6), rate(1, 12), length(1, 3);
  const FigureKind kinds[] = {FigureKind::Box, FigureKind::RoundedBox, FigureKind::Ellipse, FigureKind::Circle,
                              FigureKind::Diamond};
  const TArrowPosition positions[] = {apLeft, apRight, apBoth};
  int roomy = 0;
  for (int i = 0; i < 1000; ++i) {
    const Figure tail{Id(1), kinds[kind(rng)], {pos(rng), pos(rng), size(rng), size(rng)}};
    const Figure head{Id(2), kinds[kind(rng)], {pos(rng), pos(rng), size(rng), size(rng)}};
    if (tail.box.intersects(head.box)) continue;
    const Figure connector = Connector(FigureKind::Arrow, {0, 0, 50, 30}, adTopToTop, positions[i % 3]);
    const int lw = width(rng);
    const StraightConnector s = RebuildStraight(connector, tail, head, {rate(rng), length(rng), lw});
    SCOPED_TRACE(testing::Message() << "case " << i << " tail " << testing::PrintToString(tail) << " head "
                                    << testing::PrintToString(head));
    const StraightEnds ends = StraightBetween(tail, head);
    EXPECT_TRUE(IsAttached(tail.kind, tail.box, ends.from));
    const bool room = Room(s.figure, lw);
    roomy += room;
    if (s.figure.heads == apBoth) {
      if (!room) continue;
      EXPECT_TRUE(HeadInside(HeadOf(s.figure, s.style, false), s.figure.box, lw));
      EXPECT_TRUE(HeadInside(HeadOf(s.figure, s.style, true), s.figure.box, lw));
      continue;
    }
    ExpectHeadIntoTarget(s, head, room);
    const Ends e = EndsOf(s.figure);
    EXPECT_EQ(HeadAtEnd(s.figure.heads) ? e.end : e.start, ends.to);
  }
  EXPECT_GT(roomy, 600);
}

}  // namespace
