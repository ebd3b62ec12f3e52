#include <gtest/gtest.h>

#include <random>

#include "ConnectorGeometry.h"
#include "Printers.h"

using namespace connectors;

namespace {

struct EndsCase {
  TArrowDirection direction;
  QRect box;
  QPoint start, end;
};
void PrintTo(const EndsCase& c, std::ostream* os) { *os << "direction " << int(c.direction); }

class EndsOfTest : public testing::TestWithParam<EndsCase> {};

TEST_P(EndsOfTest, EndsLieOnTheCourse) {
  const EndsCase& c = GetParam();
  EXPECT_EQ(EndsOf(c.box, c.direction), (Ends{c.start, c.end}));
}

INSTANTIATE_TEST_SUITE_P(
    AllDirections, EndsOfTest,
    testing::Values(EndsCase{adTopToTop, {10, 20, 60, 30}, {10, 35}, {70, 35}},
                    EndsCase{adBottomToBottom, {10, 20, 60, 30}, {10, 35}, {70, 35}},
                    EndsCase{adLeftToLeft, {10, 20, 60, 30}, {40, 20}, {40, 50}},
                    EndsCase{adRightToRight, {10, 20, 60, 30}, {40, 20}, {40, 50}},
                    EndsCase{adTopToBottom, {10, 20, 60, 30}, {10, 20}, {70, 50}},
                    EndsCase{adBottomToTop, {10, 20, 60, 30}, {10, 50}, {70, 20}},
                    // Odd sizes: the middle is rounded down, as the figures draw it.
                    EndsCase{adTopToTop, {-61, -31, 61, 31}, {-61, -16}, {0, -16}},
                    EndsCase{adLeftToLeft, {-61, -31, 61, 31}, {-31, -31}, {-31, 0}}));

Figure Arrow(QRect box, TArrowDirection d, TArrowPosition heads) {
  return Figure{nullptr, FigureKind::Arrow, box, d, heads, 0};
}
Figure Line(QRect box, TArrowDirection d) { return Figure{nullptr, FigureKind::Line, box, d, apRight, 0}; }

// An arrow from A = (100, 100) to its head at B = (200, 100); B's figure moves so that B ends up
// in each of the eight directions from A.
struct MoveCase {
  const char* name;
  QPoint b;
  QRect box;
  TArrowDirection direction;
  TArrowPosition heads;
};
void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

class ArrowEndMoveTest : public testing::TestWithParam<MoveCase> {};

TEST_P(ArrowEndMoveTest, CourseBoxAndHeadFollowTheEnd) {
  const MoveCase& c = GetParam();
  const Figure before = Arrow({100, 85, 100, 30}, adTopToTop, apRight);
  const Figure after = Rebuild(before, {100, 100}, c.b);
  EXPECT_EQ(after.box, c.box);
  EXPECT_EQ(after.direction, c.direction);
  EXPECT_EQ(after.heads, c.heads);
  // The head still sits on B.
  const Ends e = EndsOf(after);
  EXPECT_EQ(HeadAtEnd(after.heads) ? e.end : e.start, c.b);
}

INSTANTIATE_TEST_SUITE_P(
    EightDirections, ArrowEndMoveTest,
    testing::Values(MoveCase{"East", {220, 100}, {100, 85, 120, 30}, adTopToTop, apRight},
                    MoveCase{"West", {40, 100}, {40, 85, 60, 30}, adTopToTop, apLeft},
                    MoveCase{"North", {100, 20}, {85, 20, 30, 80}, adLeftToLeft, apLeft},
                    MoveCase{"South", {100, 180}, {85, 100, 30, 80}, adLeftToLeft, apRight},
                    MoveCase{"NorthEast", {160, 40}, {100, 40, 60, 60}, adBottomToTop, apRight},
                    MoveCase{"NorthWest", {40, 40}, {40, 40, 60, 60}, adTopToBottom, apLeft},
                    MoveCase{"SouthEast", {160, 160}, {100, 100, 60, 60}, adTopToBottom, apRight},
                    MoveCase{"SouthWest", {40, 160}, {40, 100, 60, 60}, adBottomToTop, apLeft}),
    [](const testing::TestParamInfo<MoveCase>& info) { return std::string(info.param.name); });

TEST(Rebuild, LinesTakeTheirOwnThicknessAcrossANewStraightCourse) {
  // A falling line turned vertical: 4 wide, centred on the points.
  const Figure after = Rebuild(Line({0, 0, 50, 50}, adTopToBottom), {100, 20}, {100, 100});
  EXPECT_EQ(after.box, QRect(98, 20, 4, 80));
  EXPECT_EQ(after.direction, adLeftToLeft);
}

TEST(Rebuild, AStraightCourseKeepsItsThicknessAndDirectionValue) {
  // An odd height of 31: the middle is 15 below the top.
  const Figure after = Rebuild(Arrow({0, 35, 100, 31}, adBottomToBottom, apBoth), {0, 50}, {150, 50});
  EXPECT_EQ(after.box, QRect(0, 35, 150, 31));
  EXPECT_EQ(after.direction, adBottomToBottom);
  const Figure vertical = Rebuild(Line({48, 0, 6, 100}, adRightToRight), {51, 10}, {51, 100});
  EXPECT_EQ(vertical.box, QRect(48, 10, 6, 90));
  EXPECT_EQ(vertical.direction, adRightToRight);
}

TEST(Rebuild, BothHeadsStayBothWhenTheEndsSwap) {
  const Figure after = Rebuild(Arrow({0, 0, 100, 60}, adTopToBottom, apBoth), {0, 0}, {-50, 30});
  EXPECT_EQ(after.box, QRect(-50, 0, 50, 30));
  EXPECT_EQ(after.direction, adBottomToTop);
  EXPECT_EQ(after.heads, apBoth);
}

TEST(Rebuild, EndsOnOnePointGiveAZeroLengthStraightCourse) {
  const Figure arrow = Rebuild(Arrow({0, 0, 100, 60}, adTopToBottom, apRight), {50, 60}, {50, 60});
  EXPECT_EQ(arrow.box, QRect(50, 45, 0, 30));
  EXPECT_EQ(arrow.direction, adTopToTop);
  const Figure line = Rebuild(Line({48, 0, 4, 100}, adLeftToLeft), {50, 60}, {50, 60});
  EXPECT_EQ(line.box, QRect(48, 60, 4, 0));
  EXPECT_EQ(line.direction, adLeftToLeft);
}

// Many random moves of either end, or both: the rebuilt figure's ends are exactly the points
// asked for, and an arrow's head stays on the end that carried it.
TEST(Rebuild, RandomMovesNeverDrift) {
  std::mt19937 random(1234);
  std::uniform_int_distribution<int> coord(-3000, 3000), step(-40, 40), pick(0, 9);
  const TArrowDirection directions[] = {adTopToTop,      adTopToBottom, adBottomToTop,
                                        adBottomToBottom, adLeftToLeft, adRightToRight};
  for (int connector = 0; connector < 200; ++connector) {
    const bool arrow = connector % 2 == 0;
    Figure f{nullptr, arrow ? FigureKind::Arrow : FigureKind::Line,
             QRect(coord(random), coord(random), 1 + pick(random) * 20, 1 + pick(random) * 13),
             directions[connector % 6], static_cast<TArrowPosition>(connector % 3), 0};
    Ends ends = EndsOf(f);
    for (int move = 0; move < 200; ++move) {
      // Small steps often make the two ends share an x or a y, or meet.
      const int which = pick(random) % 3;
      const QPoint d(step(random) / 8, step(random) / 8);
      Ends asked = ends;
      if (which != 1) asked.start += d;
      if (which != 0) asked.end += d;
      const Figure g = Rebuild(f, asked.start, asked.end);
      const Ends got = EndsOf(g);
      const bool swapped = got != asked;
      if (swapped) {
        ASSERT_EQ(got, (Ends{asked.end, asked.start})) << "connector " << connector << " move " << move;
      }
      if (arrow && asked.start != asked.end) {
        ASSERT_EQ(HeadAtStart(g.heads), swapped ? HeadAtEnd(f.heads) : HeadAtStart(f.heads));
        ASSERT_EQ(HeadAtEnd(g.heads), swapped ? HeadAtStart(f.heads) : HeadAtEnd(f.heads));
      }
      f = g;
      ends = got;
    }
  }
}

}  // namespace
