// Routes as line and arrow figures: exact joints through the figures' own ends, and the final
// arrow's head on the target end, along its shaft, inside its box.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "ConnectorGeometry.h"
#include "ElbowRoute.h"
#include "Printers.h"
#include "RouteFigures.h"

using namespace connectors;

namespace {

struct Expected {
  FigureKind kind;
  QRect box;
  TArrowDirection direction;
  TArrowPosition heads;  // arrows only
};

struct FiguresCase {
  const char* name;
  std::vector<QPoint> route;
  int lineWidth;
  std::vector<Expected> figures;
};
void PrintTo(const FiguresCase& c, std::ostream* os) { *os << c.name; }

// Every figure's ends (EndsOf) are the route's points in order, and the arrow's head (as the
// figure computes it) has its tip on the last point, points along its shaft and lies in its box.
void ExpectJointsAndHead(const std::vector<QPoint>& points, const std::vector<Figure>& figs, int lineWidth) {
  ASSERT_EQ(figs.size() + 1, points.size());
  for (size_t i = 0; i < figs.size(); ++i) {
    const Ends e = EndsOf(figs[i]);
    const bool last = i + 1 == figs.size();
    EXPECT_EQ(figs[i].kind, last ? FigureKind::Arrow : FigureKind::Line) << "figure " << i;
    EXPECT_TRUE((e == Ends{points[i], points[i + 1]}) || (e == Ends{points[i + 1], points[i]})) << "figure " << i;
    if (!last) continue;
    const bool atEnd = e.end == points[i + 1];
    EXPECT_EQ(figs[i].heads, atEnd ? apRight : apLeft);
    const QPoint d = points[i + 1] - points[i];
    const int length = static_cast<int>(std::hypot(double(d.x()), double(d.y())));
    const geom::ArrowStyle style = StyleOf(HeadRates(lineWidth, length), lineWidth);
    const geom::ArrowHead h = HeadOf(figs[i], style, atEnd);
    EXPECT_EQ(h.tip, points[i + 1]);
    const QPoint axis = h.tip - h.base;
    EXPECT_EQ(int64_t{axis.x()} * d.y() - int64_t{axis.y()} * d.x(), 0) << "the head leaves the shaft";
    EXPECT_GT(int64_t{axis.x()} * d.x() + int64_t{axis.y()} * d.y(), 0) << "the head points back";
    EXPECT_TRUE(HeadInside(h, figs[i].box, lineWidth));
  }
}

class SegmentsTest : public testing::TestWithParam<FiguresCase> {};

TEST_P(SegmentsTest, FiguresOfTheRoute) {
  const FiguresCase& c = GetParam();
  const std::vector<Figure> figs = SegmentsOf(c.route, c.lineWidth);
  ASSERT_EQ(figs.size(), c.figures.size());
  for (size_t i = 0; i < figs.size(); ++i) {
    EXPECT_EQ(figs[i].kind, c.figures[i].kind) << "figure " << i;
    EXPECT_EQ(figs[i].box, c.figures[i].box) << "figure " << i;
    EXPECT_EQ(figs[i].direction, c.figures[i].direction) << "figure " << i;
    if (figs[i].kind == FigureKind::Arrow) {
      EXPECT_EQ(figs[i].heads, c.figures[i].heads);
    }
  }
  ExpectJointsAndHead(Simplified(c.route), figs, c.lineWidth);
}

constexpr FigureKind L = FigureKind::Line, A = FigureKind::Arrow;

// Lines 4 thick centred on their run (Top = y - 2); arrows 30 thick (Top = y - 15) unless the head
// needs more: 3 x 10 = 30 wide at width 10, with the pen 42.
INSTANTIATE_TEST_SUITE_P(
    Routes, SegmentsTest,
    testing::Values(
        FiguresCase{"RightDownRight", {{100, 25}, {150, 25}, {150, 175}, {200, 175}}, 2,
                    {{L, {100, 23, 50, 4}, adTopToTop, apRight},
                     {L, {148, 25, 4, 150}, adLeftToLeft, apRight},
                     {A, {150, 160, 50, 30}, adTopToTop, apRight}}},
        FiguresCase{"AroundAndBackLeft", {{100, 25}, {320, 25}, {320, 175}, {300, 175}}, 2,
                    {{L, {100, 23, 220, 4}, adTopToTop, apRight},
                     {L, {318, 25, 4, 150}, adLeftToLeft, apRight},
                     {A, {300, 160, 20, 30}, adTopToTop, apLeft}}},
        FiguresCase{"UpAcrossUp", {{0, 200}, {0, 100}, {50, 100}, {50, 40}}, 2,
                    {{L, {-2, 100, 4, 100}, adLeftToLeft, apRight},
                     {L, {0, 98, 50, 4}, adTopToTop, apRight},
                     {A, {35, 40, 30, 60}, adLeftToLeft, apLeft}}},
        // Width 3: lines 5 thick, whose middle (Top + 5 / 2) is still the run.
        FiguresCase{"Width3", {{0, 0}, {0, 50}, {80, 50}}, 3,
                    {{L, {-2, 0, 5, 50}, adLeftToLeft, apRight}, {A, {0, 35, 80, 30}, adTopToTop, apRight}}},
        FiguresCase{"Width10", {{0, 0}, {100, 0}}, 10, {{A, {0, -21, 100, 42}, adTopToTop, apRight}}},
        // Repeated points and points within a straight stretch go.
        FiguresCase{"Simplified", {{0, 0}, {0, 0}, {10, 0}, {20, 0}, {20, 30}}, 2,
                    {{L, {0, -2, 20, 4}, adTopToTop, apRight}, {A, {5, 0, 30, 30}, adLeftToLeft, apRight}}},
        // A short last run: HeadRates(2, 12) gives a 6 x 6 head.
        FiguresCase{"ShortLastRun", {{0, 0}, {60, 0}, {60, 12}}, 2,
                    {{L, {0, -2, 60, 4}, adTopToTop, apRight}, {A, {45, 0, 30, 12}, adLeftToLeft, apRight}}},
        FiguresCase{"Falling", {{30, 40}, {0, 0}}, 2, {{A, {0, 0, 30, 40}, adTopToBottom, apLeft}}},
        FiguresCase{"Rising", {{0, 40}, {30, 0}}, 2, {{A, {0, 0, 30, 40}, adBottomToTop, apRight}}}),
    [](const testing::TestParamInfo<FiguresCase>& info) { return std::string(info.param.name); });

TEST(Segments, GivenRatesSizeTheArrow) {
  // 10 wide at width 4 needs 10 + 4 + 2 = 16, under the 30 of a drawn arrow.
  const std::vector<Figure> figs = SegmentsOf({{0, 0}, {0, 90}}, 4, ArrowRates{10, 2});
  ASSERT_EQ(figs.size(), 1u);
  EXPECT_EQ(figs[0].box, QRect(-23, 0, 46, 90));  // 40 + 4 + 2 = 46
}

TEST(Segments, DegenerateRoutes) {
  EXPECT_TRUE(SegmentsOf({}, 2).empty());
  const std::vector<Figure> one = SegmentsOf({{5, 5}, {5, 5}}, 2);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].kind, FigureKind::Arrow);
  EXPECT_EQ(EndsOf(one[0]), (Ends{{5, 5}, {5, 5}}));
}

TEST(Simplified, KeepsTurningPoints) {
  EXPECT_EQ(Simplified({{0, 0}, {10, 0}, {5, 0}}), (std::vector<QPoint>{{0, 0}, {10, 0}, {5, 0}}));
  EXPECT_EQ(Simplified({{0, 0}, {0, 10}, {0, 20}, {0, 20}, {5, 20}}), (std::vector<QPoint>{{0, 0}, {0, 20}, {5, 20}}));
}

// Routed and built: any placement, any kinds, any width.
TEST(SegmentsSweep, RoutedConnectorsJoinExactly) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> pos(-400, 400), size(10, 160), kind(0, 4), width(1, 8);
  const FigureKind kinds[] = {FigureKind::Box, FigureKind::RoundedBox, FigureKind::Ellipse, FigureKind::Circle,
                              FigureKind::Diamond};
  for (int i = 0; i < 400; ++i) {
    const Figure from{reinterpret_cast<FigureId>(1), kinds[kind(rng)], {pos(rng), pos(rng), size(rng), size(rng)}};
    const Figure to{reinterpret_cast<FigureId>(2), kinds[kind(rng)], {pos(rng), pos(rng), size(rng), size(rng)}};
    const ElbowRoute r = RouteElbow(from, to, {});
    const int w = width(rng);
    SCOPED_TRACE(testing::Message() << "case " << i);
    ExpectJointsAndHead(Simplified(r.points), SegmentsOf(r.points, w), w);
  }
}

}  // namespace

namespace {

// A route cut into as many figures as a chain has segments: (from, to) of each, kinds by place.
struct IntoCase {
  const char* name;
  std::vector<QPoint> route;
  size_t count;
  std::vector<std::pair<QPoint, QPoint>> runs;  // none: no figures
};
void PrintTo(const IntoCase& c, std::ostream* os) { *os << c.name; }

class SegmentsIntoTest : public testing::TestWithParam<IntoCase> {};

TEST_P(SegmentsIntoTest, LongestRunCutFirst) {
  const IntoCase& k = GetParam();
  const std::vector<connectors::Figure> figures = connectors::SegmentsInto(k.route, k.count, 2, {100, 100});
  ASSERT_EQ(figures.size(), k.runs.size());
  for (size_t i = 0; i < figures.size(); ++i) {
    const connectors::Ends e = connectors::EndsOf(figures[i]);
    const auto [a, b] = k.runs[i];
    EXPECT_TRUE((e.start == a && e.end == b) || (e.start == b && e.end == a)) << i;
    EXPECT_EQ(figures[i].kind, i + 1 == figures.size() ? connectors::FigureKind::Arrow : connectors::FigureKind::Line);
  }
  if (!figures.empty()) {
    const connectors::Figure& last = figures.back();
    const connectors::Ends e = connectors::EndsOf(last);
    EXPECT_EQ(connectors::HeadAtEnd(last.heads) ? e.end : e.start, k.route.back()) << "the head at the route's end";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SegmentsIntoTest,
    testing::Values(IntoCase{"StraightIntoThree", {{200, 125}, {400, 125}}, 3,
                             {{{200, 125}, {250, 125}}, {{250, 125}, {300, 125}}, {{300, 125}, {400, 125}}}},
                    IntoCase{"ElbowIntoThree", {{0, 0}, {100, 0}, {100, 40}}, 3,
                             {{{0, 0}, {50, 0}}, {{50, 0}, {100, 0}}, {{100, 0}, {100, 40}}}},
                    IntoCase{"AsManyAsRuns", {{0, 0}, {100, 0}, {100, 40}}, 2, {{{0, 0}, {100, 0}}, {{100, 0}, {100, 40}}}},
                    // Cut at the middle rounded towards the start: 41 up is 20 and 21.
                    IntoCase{"UpwardOdd", {{0, 41}, {0, 0}}, 2, {{{0, 41}, {0, 21}}, {{0, 21}, {0, 0}}}},
                    IntoCase{"MoreRunsThanFigures", {{0, 0}, {100, 0}, {100, 40}}, 1, {}},
                    IntoCase{"TooShortToCut", {{0, 0}, {1, 0}}, 2, {}}),
    [](const testing::TestParamInfo<IntoCase>& i) { return std::string(i.param.name); });

}  // namespace
