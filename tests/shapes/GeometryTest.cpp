#include <gtest/gtest.h>

#include "ShapeGeometry.h"

using namespace geom;

namespace {

TEST(MarkGeometry, CircleCentredWithTwoPixelMarginToTheNearerEdges) {
  struct Case { int w, h, r; Box circle, outline; };
  const Case cases[] = {
      {100, 40, 18, {32, 2, 68, 38}, {31, 1, 70, 40}},
      {40, 100, 18, {2, 32, 38, 68}, {1, 31, 40, 70}},
      {50, 50, 23, {2, 2, 48, 48}, {1, 1, 50, 50}},
      {3, 3, -1, {2, 2, 0, 0}, {1, 1, 2, 2}},  // negative radius: formulas unchanged
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MarkRadius(c.w, c.h), c.r) << c.w << "x" << c.h;
    EXPECT_EQ(MarkCircle(c.w, c.h), c.circle) << c.w << "x" << c.h;
    EXPECT_EQ(MarkOutline(c.w, c.h), c.outline) << c.w << "x" << c.h;
  }
  EXPECT_EQ(EndInnerCircle(50, 50), (Box{5, 5, 45, 45}));
}

TEST(ProcessGeometry, CornerEllipseIsHalfTheBox) {
  EXPECT_EQ(ProcessShape(120, 60), (RoundBox{{0, 0, 120, 60}, 60, 30}));
  EXPECT_EQ(ProcessOutline(120, 60), (RoundBox{{0, 0, 121, 61}, 58, 28}));
}

TEST(EllipseGeometry, OutlineReachesOnePixelOutAndTwoBeyond) {
  EXPECT_EQ(EllipseOutline(50, 50), (Box{-1, -1, 52, 52}));
}

TEST(DiamondGeometry, VerticesAndTheirOutlineOnePixelOutward) {
  auto d = DiamondPoints(81, 41);
  std::array<QPoint, 5> expected = {QPoint(40, 0), QPoint(81, 20), QPoint(40, 41), QPoint(0, 20), QPoint(40, 0)};
  EXPECT_EQ(d, expected);
  auto o = DiamondOutline(81, 41);
  std::array<QPoint, 5> outline = {QPoint(40, -1), QPoint(82, 20), QPoint(40, 42), QPoint(-1, 20), QPoint(40, -1)};
  EXPECT_EQ(o, outline);
}

struct LineCase {
  TArrowDirection o;
  int w, h;
  Segment segment;
  std::array<QPoint, 4> band;
};

class LineCourses : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineCourses, SegmentAndBand) {
  const LineCase& c = GetParam();
  EXPECT_EQ(LineSegment(c.o, c.w, c.h), c.segment);
  EXPECT_EQ(LineBand(c.o, c.w, c.h), c.band);
}

INSTANTIATE_TEST_SUITE_P(
    FourCourses, LineCourses,
    ::testing::Values(
        LineCase{adTopToBottom, 60, 20, {{0, 0}, {60, 20}}, {QPoint(1, -1), QPoint(61, 19), QPoint(59, 21), QPoint(-1, 1)}},
        LineCase{adBottomToTop, 60, 20, {{0, 20}, {60, 0}}, {QPoint(-1, 19), QPoint(59, -1), QPoint(61, 1), QPoint(1, 21)}},
        LineCase{adTopToTop, 60, 4, {{0, 2}, {60, 2}}, {QPoint(0, 1), QPoint(60, 1), QPoint(60, 3), QPoint(0, 3)}},
        LineCase{adBottomToBottom, 60, 4, {{0, 2}, {60, 2}}, {QPoint(0, 1), QPoint(60, 1), QPoint(60, 3), QPoint(0, 3)}},
        LineCase{adRightToRight, 4, 60, {{2, 0}, {2, 60}}, {QPoint(1, 0), QPoint(1, 60), QPoint(3, 60), QPoint(3, 0)}},
        LineCase{adLeftToLeft, 4, 60, {{2, 0}, {2, 60}}, {QPoint(1, 0), QPoint(1, 60), QPoint(3, 60), QPoint(3, 0)}}));

TEST(ArrowGeometry, NewArrowEndHead) {
  ArrowStyle style{10, 2, 2};
  ShaftPoints p = ArrowShaft(adTopToBottom, 0, 0, 100, 60);
  ArrowHead h = CalcArrowHead(p.start, p.end, p.endTip, true, adTopToBottom, 0, 0, 100, 60, style);
  EXPECT_EQ(h.tip, QPoint(100, 60));
  EXPECT_EQ(h.corner1, QPoint(71, 31));
  EXPECT_EQ(h.corner2, QPoint(61, 48));
  EXPECT_EQ(h.base, QPoint(66, 40));
}

struct OutlineCase {
  const char* name;
  TArrowDirection direction;
  TArrowPosition position;
  int w, h;
  ArrowStyle style;
  std::array<QPoint, 11> outline;
};

class ArrowOutlines : public ::testing::TestWithParam<OutlineCase> {};

TEST_P(ArrowOutlines, ElevenPoints) {
  const OutlineCase& c = GetParam();
  EXPECT_EQ(ArrowOutline(c.direction, c.position, c.w, c.h, c.style), c.outline);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, ArrowOutlines,
    ::testing::Values(
        OutlineCase{"FallingNewArrow", adTopToBottom, apRight, 100, 60, {10, 2, 2},
                    {QPoint(0, 1), QPoint(0, 0), QPoint(1, -1), QPoint(1, 0), QPoint(66, 39), QPoint(71, 30),
                     QPoint(100, 60), QPoint(60, 49), QPoint(65, 41), QPoint(0, 1), QPoint(1, 1)}},
        OutlineCase{"HorizontalBoth", adTopToTop, apBoth, 100, 30, {3, 2, 2},
                    {QPoint(13, 19), QPoint(-1, 15), QPoint(13, 11), QPoint(13, 14), QPoint(87, 14),
                     QPoint(87, 11), QPoint(101, 15), QPoint(87, 19), QPoint(87, 16), QPoint(13, 16),
                     QPoint(13, 19)}},
        OutlineCase{"HorizontalBothFromBottom", adBottomToBottom, apBoth, 100, 30, {3, 2, 2},
                    {QPoint(13, 19), QPoint(-1, 15), QPoint(13, 11), QPoint(13, 14), QPoint(87, 14),
                     QPoint(87, 11), QPoint(101, 15), QPoint(87, 19), QPoint(87, 16), QPoint(13, 16),
                     QPoint(13, 19)}},
        // Rising, dragged up to the right: the head at the end (100, 0). Tw 20, Lh 40, R = 41.23,
        // shaft angle atan(-0.6); corners (61, 12) and (71, 29), base (66, 20).
        OutlineCase{"RisingDraggedUpRight", adBottomToTop, apRight, 100, 60, {10, 2, 2},
                    {QPoint(0, 61), QPoint(0, 60), QPoint(0, 59), QPoint(1, 60), QPoint(66, 21),
                     QPoint(60, 11), QPoint(100, 0), QPoint(71, 30), QPoint(65, 19), QPoint(0, 59),
                     QPoint(1, 61)}},
        // Rising, dragged down to the left: the head at the start (0, 60); corners (39, 48) and
        // (29, 31), base (34, 40); the headless end collapses onto (100, 0).
        OutlineCase{"RisingDraggedDownLeft", adBottomToTop, apLeft, 100, 60, {10, 2, 2},
                    {QPoint(39, 49), QPoint(0, 60), QPoint(29, 30), QPoint(35, 40), QPoint(100, 1),
                     QPoint(99, -1), QPoint(100, 0), QPoint(100, 1), QPoint(99, -1), QPoint(34, 39),
                     QPoint(40, 49)}},
        OutlineCase{"VerticalStart", adLeftToLeft, apLeft, 30, 100, {3, 2, 2},
                    {QPoint(11, 13), QPoint(15, -1), QPoint(19, 13), QPoint(16, 13), QPoint(16, 99),
                     QPoint(16, 99), QPoint(15, 101), QPoint(14, 99), QPoint(14, 99), QPoint(14, 13),
                     QPoint(11, 13)}},
        OutlineCase{"VerticalStartFromRight", adRightToRight, apLeft, 30, 100, {3, 2, 2},
                    {QPoint(11, 13), QPoint(15, -1), QPoint(19, 13), QPoint(16, 13), QPoint(16, 99),
                     QPoint(16, 99), QPoint(15, 101), QPoint(14, 99), QPoint(14, 99), QPoint(14, 13),
                     QPoint(11, 13)}}),
    [](const ::testing::TestParamInfo<OutlineCase>& i) { return std::string(i.param.name); });

TEST(ArrowGeometry, HorizontalHeadsOfTheBothExample) {
  ArrowStyle style{3, 2, 2};
  ShaftPoints p = ArrowShaft(adTopToTop, 0, 0, 100, 30);
  ArrowHead a = CalcArrowHead(p.start, p.end, p.startTip, false, adTopToTop, 0, 0, 100, 30, style);
  EXPECT_EQ(a.tip, QPoint(0, 15));
  EXPECT_EQ(a.corner1, QPoint(12, 18));
  EXPECT_EQ(a.corner2, QPoint(12, 12));
  EXPECT_EQ(a.base, QPoint(12, 15));
  ArrowHead b = CalcArrowHead(p.start, p.end, p.endTip, true, adTopToTop, 0, 0, 100, 30, style);
  EXPECT_EQ(b.tip, QPoint(100, 15));
  EXPECT_EQ(b.corner1, QPoint(88, 12));
  EXPECT_EQ(b.corner2, QPoint(88, 18));
  EXPECT_EQ(b.base, QPoint(88, 15));
}

TEST(ArrowGeometry, HeadsSitOnTheShiftedShaft) {
  ArrowStyle style{3, 2, 2};
  ShaftPoints p = ArrowShaft(adTopToTop, 200, 100, 100, 30);
  ArrowHead a = CalcArrowHead(p.start, p.end, p.startTip, false, adTopToTop, 200, 100, 100, 30, style);
  EXPECT_EQ(a.tip, QPoint(200, 115));
  EXPECT_EQ(a.corner1, QPoint(212, 118));
  EXPECT_EQ(a.corner2, QPoint(212, 112));
  Segment shaft = ArrowShaftLine(p.start, p.end, 200, 100, 100, 30);
  EXPECT_EQ(shaft, (Segment{{200, 115}, {300, 115}}));
}

TEST(ArrowGeometry, ZeroWidthBoxCountsAsVertical) {
  ArrowStyle style{3, 2, 2};
  for (TArrowDirection d : {adTopToTop, adTopToBottom, adBottomToTop, adLeftToLeft}) {
    ShaftPoints p = ArrowShaft(d, 0, 0, 0, 80);
    ArrowHead a = CalcArrowHead(p.start, p.end, p.startTip, false, d, 0, 0, 0, 80, style);
    EXPECT_GT(a.corner1.y(), a.tip.y()) << d;
    EXPECT_GT(a.corner2.y(), a.tip.y()) << d;
  }
}

TEST(ArrowGeometry, DegenerateHeadsNeitherFailNorLeaveTheTip) {
  // Line width 0: no head width; the head collapses onto its tip.
  ShaftPoints p = ArrowShaft(adTopToBottom, 0, 0, 100, 60);
  ArrowHead a = CalcArrowHead(p.start, p.end, p.endTip, true, adTopToBottom, 0, 0, 100, 60, {10, 2, 0});
  EXPECT_EQ(a.corner1, a.tip);
  EXPECT_EQ(a.corner2, a.tip);
  EXPECT_EQ(a.base, a.tip);
  // A tiny head on a diagonal rounds both corners onto one point: the base is that point.
  ShaftPoints q = ArrowShaft(adTopToBottom, 0, 0, 5, 9);
  ArrowHead b = CalcArrowHead(q.start, q.end, q.endTip, true, adTopToBottom, 0, 0, 5, 9, {1, 2, 1});
  EXPECT_EQ(b.corner1, QPoint(4, 7));
  EXPECT_EQ(b.corner2, QPoint(4, 7));
  EXPECT_EQ(b.base, b.corner1);
}

TEST(ArrowGeometry, HostileRatesAndBoxesStayFinite) {
  for (auto [w, h] : {std::pair{32768, 1}, std::pair{1, 32768}, std::pair{32768, 32767}}) {
    auto o = ArrowOutline(adTopToBottom, apBoth, w, h, {65535, 65535, 2147483647});
    for (const QPoint& q : o) {
      EXPECT_LE(std::abs(q.x()), 1 << 29);
      EXPECT_LE(std::abs(q.y()), 1 << 29);
    }
  }
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
  EXPECT_EQ(Nearest(2.5), 2);
  EXPECT_EQ(Nearest(3.5), 4);
  EXPECT_EQ(Nearest(-2.5), -2);
  EXPECT_EQ(Nearest(-0.4), 0);
  EXPECT_EQ(Nearest(std::nan("")), 0);
}

}  // namespace
