// Elbow routes between two shapes: the sides chosen for each placement, the shapes of the routes
// for each side pair, the way around other shapes, and the rules every route keeps.
#include <gtest/gtest.h>

#include <random>

#include "ElbowRoute.h"
#include "Printers.h"

using namespace connectors;

namespace {

FigureId Id(intptr_t n) { return reinterpret_cast<FigureId>(n); }
Figure Shape(intptr_t id, QRect box, FigureKind kind = FigureKind::Box) { return {Id(id), kind, box}; }

// Strictly inside the box: a route may run along an edge but not through.
bool Crosses(QPoint a, QPoint b, const QRect& r) {
  return std::min(a.x(), b.x()) < r.x() + r.width() && std::max(a.x(), b.x()) > r.x() &&
         std::min(a.y(), b.y()) < r.y() + r.height() && std::max(a.y(), b.y()) > r.y();
}

int Sign(int v) { return (v > 0) - (v < 0); }

// The rules of every route: from side point to side point, orthogonal runs, out of the first side
// and into the last one perpendicular to them, at most three bends, and (where own is true) no run
// through its own shapes but the first and last leaving and entering them.
void ExpectRules(const ElbowRoute& r, const Figure& from, const Figure& to, bool own = true) {
  ASSERT_GE(r.points.size(), 2u);
  EXPECT_LE(r.Bends(), 3);
  EXPECT_EQ(r.points.front(), AttachPoint(from.kind, from.box, r.from).point);
  EXPECT_EQ(r.points.back(), AttachPoint(to.kind, to.box, r.to).point);
  const size_t n = r.points.size();
  for (size_t i = 0; i + 1 < n; ++i) {
    const QPoint d = r.points[i + 1] - r.points[i];
    EXPECT_TRUE((d.x() == 0) != (d.y() == 0)) << "run " << i << " is not horizontal or vertical";
    if (!own) continue;
    if (i > 0) {
      EXPECT_FALSE(Crosses(r.points[i], r.points[i + 1], from.box)) << "run " << i;
    }
    if (i + 2 < n) {
      EXPECT_FALSE(Crosses(r.points[i], r.points[i + 1], to.box)) << "run " << i;
    }
  }
  const QPoint first = r.points[1] - r.points[0], last = r.points[n - 1] - r.points[n - 2];
  EXPECT_EQ(QPoint(Sign(first.x()), Sign(first.y())), Outward(r.from));
  EXPECT_EQ(QPoint(Sign(last.x()), Sign(last.y())), -Outward(r.to));
}

const QRect kA(0, 0, 100, 50);  // side points (50, 0), (100, 25), (50, 50), (0, 25)

struct PlaceCase {
  const char* name;
  QRect target;
  Side from, to;
  std::vector<QPoint> points;
};
void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }

class PlacementTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(PlacementTest, SidesAndRouteFollowThePlacement) {
  const PlaceCase& c = GetParam();
  const Figure from = Shape(1, kA), to = Shape(2, c.target);
  const ElbowRoute r = RouteElbow(from, to, {});
  EXPECT_EQ(r.from, c.from);
  EXPECT_EQ(r.to, c.to);
  EXPECT_EQ(r.points, c.points);
  EXPECT_TRUE(r.clear);
  ExpectRules(r, from, to);
}

// A bend costs 40 pixels of length. On a tie the side facing the target across the larger gap
// leads (up and down when the gaps are equal).
INSTANTIATE_TEST_SUITE_P(
    EightWaysAndOverlapping, PlacementTest,
    testing::Values(
        PlaceCase{"Right", {200, 0, 100, 50}, Side::Right, Side::Left, {{100, 25}, {200, 25}}},
        PlaceCase{"Left", {-200, 0, 100, 50}, Side::Left, Side::Right, {{0, 25}, {-100, 25}}},
        PlaceCase{"Below", {0, 150, 100, 50}, Side::Bottom, Side::Top, {{50, 50}, {50, 150}}},
        PlaceCase{"Above", {0, -150, 100, 50}, Side::Top, Side::Bottom, {{50, 0}, {50, -100}}},
        // Equal gaps of 100: one bend either way, 125 + 150 long; down first.
        PlaceCase{"BelowRight", {200, 150, 100, 50}, Side::Bottom, Side::Left, {{50, 50}, {50, 175}, {200, 175}}},
        PlaceCase{"BelowLeft", {-200, 150, 100, 50}, Side::Bottom, Side::Right, {{50, 50}, {50, 175}, {-100, 175}}},
        PlaceCase{"AboveRight", {200, -150, 100, 50}, Side::Top, Side::Left, {{50, 0}, {50, -125}, {200, -125}}},
        PlaceCase{"AboveLeft", {-200, -150, 100, 50}, Side::Top, Side::Right, {{50, 0}, {50, -125}, {-100, -125}}},
        // 200 across, 50 down: out of the right side first.
        PlaceCase{"FarRightBelow", {300, 100, 100, 50}, Side::Right, Side::Top, {{100, 25}, {350, 25}, {350, 100}}},
        // Beside, 20 lower: two bends in the middle of the gap (200) beat three (315).
        PlaceCase{"RightLower", {200, 20, 100, 50}, Side::Right, Side::Left,
                  {{100, 25}, {150, 25}, {150, 45}, {200, 45}}},
        // Overlapping corners: out of the bottom, under both, up into the other's bottom (230),
        // as short as over the top but the bottom faces the other box.
        PlaceCase{"Overlapping", {80, 30, 100, 50}, Side::Bottom, Side::Bottom,
                  {{50, 50}, {50, 100}, {130, 100}, {130, 80}}}),
    [](const testing::TestParamInfo<PlaceCase>& info) { return std::string(info.param.name); });

struct PairCase {
  Side wantFrom, wantTo;
  Side from, to;  // as routed: the wanted pair unless it has no route with at most three bends
  int bends;
};
void PrintTo(const PairCase& c, std::ostream* os) { *os << int(c.wantFrom) << " to " << int(c.wantTo); }

class SidePairTest : public testing::TestWithParam<PairCase> {};

TEST_P(SidePairTest, EachPairOfSidesBelowRight) {
  const PairCase& c = GetParam();
  const Figure from = Shape(1, kA), to = Shape(2, {200, 150, 100, 50});
  const ElbowRoute r = RouteElbow(from, to, {}, {c.wantFrom, c.wantTo});
  EXPECT_EQ(r.from, c.from);
  EXPECT_EQ(r.to, c.to);
  EXPECT_EQ(r.Bends(), c.bends);
  ExpectRules(r, from, to);
}

// Facing ways (right to left, bottom to top) take two bends, perpendicular sides one or three,
// sides facing the same way two (around). Top to bottom and left to right would need four.
INSTANTIATE_TEST_SUITE_P(
    Sixteen, SidePairTest,
    testing::Values(PairCase{Side::Top, Side::Top, Side::Top, Side::Top, 2},
                    PairCase{Side::Top, Side::Right, Side::Top, Side::Right, 3},
                    PairCase{Side::Top, Side::Bottom, Side::Bottom, Side::Left, 1},
                    PairCase{Side::Top, Side::Left, Side::Top, Side::Left, 3},
                    PairCase{Side::Right, Side::Top, Side::Right, Side::Top, 1},
                    PairCase{Side::Right, Side::Right, Side::Right, Side::Right, 2},
                    PairCase{Side::Right, Side::Bottom, Side::Right, Side::Bottom, 3},
                    PairCase{Side::Right, Side::Left, Side::Right, Side::Left, 2},
                    PairCase{Side::Bottom, Side::Top, Side::Bottom, Side::Top, 2},
                    PairCase{Side::Bottom, Side::Right, Side::Bottom, Side::Right, 3},
                    PairCase{Side::Bottom, Side::Bottom, Side::Bottom, Side::Bottom, 2},
                    PairCase{Side::Bottom, Side::Left, Side::Bottom, Side::Left, 1},
                    PairCase{Side::Left, Side::Top, Side::Left, Side::Top, 3},
                    PairCase{Side::Left, Side::Right, Side::Bottom, Side::Left, 1},
                    PairCase{Side::Left, Side::Bottom, Side::Left, Side::Bottom, 3},
                    PairCase{Side::Left, Side::Left, Side::Left, Side::Left, 2}));

TEST(SidePairs, TheRoutesOfSomePairs) {
  const Figure from = Shape(1, kA), to = Shape(2, {200, 150, 100, 50});
  // Through the middle of the gaps: x 150, y 100.
  EXPECT_EQ(RouteElbow(from, to, {}, {Side::Right, Side::Left}).points,
            (std::vector<QPoint>{{100, 25}, {150, 25}, {150, 175}, {200, 175}}));
  EXPECT_EQ(RouteElbow(from, to, {}, {Side::Bottom, Side::Top}).points,
            (std::vector<QPoint>{{50, 50}, {50, 100}, {250, 100}, {250, 150}}));
  // Around, a stub of 20 beyond the farther side.
  EXPECT_EQ(RouteElbow(from, to, {}, {Side::Right, Side::Right}).points,
            (std::vector<QPoint>{{100, 25}, {320, 25}, {320, 175}, {300, 175}}));
  // Only the source's side wanted: the best route from it.
  EXPECT_EQ(RouteElbow(from, to, {}, {Side::Right, std::nullopt}).points,
            (std::vector<QPoint>{{100, 25}, {250, 25}, {250, 150}}));
}

TEST(ElbowKinds, FromADiamondVertexToAnEllipse) {
  // Diamond vertices (50, 0), (100, 30), (50, 60), (0, 30); the ellipse's extremes (250, 100),
  // (300, 125), (250, 150), (200, 125). Down and across (65 + 150) beats across and down (150 + 70).
  const Figure from = Shape(1, {0, 0, 100, 60}, FigureKind::Diamond);
  const Figure to = Shape(2, {200, 100, 100, 50}, FigureKind::Ellipse);
  const ElbowRoute r = RouteElbow(from, to, {});
  EXPECT_EQ(r.points, (std::vector<QPoint>{{50, 60}, {50, 125}, {200, 125}}));
  ExpectRules(r, from, to);
}

// The figures a query hands out, counting the queries.
struct Scene {
  std::vector<Figure> figures;
  int queries = 0;
  FigureQuery Query() {
    return [this](const QRect& area, std::vector<Figure>& out) {
      ++queries;
      for (const Figure& f : figures)
        if (f.box.intersects(area)) out.push_back(f);
    };
  }
};

TEST(Obstacles, AroundAThirdShape) {
  const Figure from = Shape(1, kA), to = Shape(2, {200, 0, 100, 50});
  // A bar between them from y -30 to 80; with 10 pixels to spare the route passes below at 90.
  Scene s{{from, to, Shape(3, {140, -30, 20, 110})}};
  const ElbowRoute r = RouteElbow(from, to, s.Query());
  EXPECT_EQ(r.from, Side::Bottom);
  EXPECT_EQ(r.to, Side::Bottom);
  EXPECT_EQ(r.points, (std::vector<QPoint>{{50, 50}, {50, 90}, {250, 90}, {250, 50}}));
  EXPECT_TRUE(r.clear);
  EXPECT_EQ(s.queries, 1);
  ExpectRules(r, from, to);
}

TEST(Obstacles, ARouteMayRunExactlyTheClearanceAway) {
  const Figure from = Shape(1, kA), to = Shape(2, {0, 200, 100, 50});
  // A bar between them, x -20 to 120: round its right end 10 pixels out (340 long with its bends,
  // as round the left end, but the right side comes before the left).
  Scene s{{Shape(3, {-20, 80, 140, 60})}};
  const ElbowRoute r = RouteElbow(from, to, s.Query());
  EXPECT_EQ(r.points, (std::vector<QPoint>{{100, 25}, {130, 25}, {130, 225}, {100, 225}}));
  EXPECT_TRUE(r.clear);
}

TEST(Obstacles, ALongWallIsPassedOnTheSecondLook) {
  const Figure from = Shape(1, kA), to = Shape(2, {200, 0, 100, 50});
  // From y -200 to 200: no way round within 60 pixels of the boxes; under it at 210.
  Scene s{{Shape(3, {140, -200, 20, 400})}};
  const ElbowRoute r = RouteElbow(from, to, s.Query());
  EXPECT_EQ(r.points, (std::vector<QPoint>{{50, 50}, {50, 210}, {250, 210}, {250, 50}}));
  EXPECT_TRUE(r.clear);
  EXPECT_EQ(s.queries, 2);
}

TEST(Obstacles, AShapeBeyondTheFirstLookIsSeenBeforeARouteRunsThere) {
  const Figure from = Shape(1, kA), to = Shape(2, {200, 0, 100, 50});
  // The wall again, and under it, out of the first look's reach (rows up to 110), a shape from row
  // 200 to 240 across the whole width: the way under is shut, so over the top at -210.
  Scene s{{Shape(3, {140, -200, 20, 400}), Shape(4, {0, 200, 300, 40})}};
  const ElbowRoute r = RouteElbow(from, to, s.Query());
  EXPECT_EQ(r.points, (std::vector<QPoint>{{50, 0}, {50, -210}, {250, -210}, {250, 0}}));
  EXPECT_TRUE(r.clear);
}

TEST(Obstacles, PreferredSidesAreWorthASecondLook) {
  const Figure from = Shape(1, kA), to = Shape(2, {200, 0, 100, 50});
  // A block above the gap, rows -45 to -5: straight across is clear; over the top only at -55,
  // beyond the first look's reach (up to -50).
  Scene s{{Shape(3, {120, -45, 60, 40})}};
  EXPECT_EQ(RouteElbow(from, to, s.Query()).points, (std::vector<QPoint>{{100, 25}, {200, 25}}));
  EXPECT_EQ(s.queries, 1);
  s.queries = 0;
  const ElbowRoute r = RouteElbow(from, to, s.Query(), {Side::Top, Side::Top});
  EXPECT_EQ(r.points, (std::vector<QPoint>{{50, 0}, {50, -55}, {250, -55}, {250, 0}}));
  EXPECT_TRUE(r.clear);
  EXPECT_EQ(s.queries, 2);
}

TEST(Obstacles, AWalledInTargetGetsTheRouteThatIgnoresThem) {
  const Figure from = Shape(1, kA), to = Shape(2, {200, 0, 100, 50});
  // Walls 5 pixels from each side of the target: no side can be entered 10 pixels clear.
  Scene s{{Shape(3, {185, -20, 10, 90}), Shape(4, {305, -20, 10, 90}), Shape(5, {185, -20, 130, 10}),
           Shape(6, {185, 60, 130, 10})}};
  const ElbowRoute r = RouteElbow(from, to, s.Query());
  EXPECT_EQ(r.points, (std::vector<QPoint>{{100, 25}, {200, 25}}));
  EXPECT_FALSE(r.clear);
  EXPECT_EQ(s.queries, 2);
}

TEST(Obstacles, AContainerOfBothAndOtherKindsAreNoObstacles) {
  const Figure from = Shape(1, kA), to = Shape(2, {200, 0, 100, 50});
  Figure label = Shape(4, {120, 10, 60, 30}, FigureKind::Label);
  Figure arrow = Shape(5, {100, 10, 100, 30}, FigureKind::Arrow);
  Scene s{{Shape(3, {-50, -50, 400, 150}), from, to, label, arrow}};
  const ElbowRoute r = RouteElbow(from, to, s.Query());
  EXPECT_EQ(r.points, (std::vector<QPoint>{{100, 25}, {200, 25}}));
  EXPECT_TRUE(r.clear);
}

TEST(Obstacles, OneBoxInsideTheOtherCannotBeLeftCleanly) {
  // Every route from the inner box crosses the outer one; the route still keeps the other rules.
  const Figure from = Shape(1, {0, 0, 300, 200}), to = Shape(2, {50, 50, 100, 50});
  const ElbowRoute r = RouteElbow(from, to, {});
  EXPECT_FALSE(r.clear);
  EXPECT_FALSE(r.ownClear);
  ExpectRules(r, from, to, false);
}

// Seeded sweeps: any two shapes of any kinds, apart or overlapping, with a third in between.
TEST(ElbowSweep, EveryRouteKeepsTheRules) {
  std::mt19937 rng(20240611);
  std::uniform_int_distribution<int> pos(-300, 300), size(10, 150), kind(0, 4);
  const FigureKind kinds[] = {FigureKind::Box, FigureKind::RoundedBox, FigureKind::Ellipse, FigureKind::Circle,
                              FigureKind::Diamond};
  int clear = 0;
  for (int i = 0; i < 600; ++i) {
    const Figure from = Shape(1, {pos(rng), pos(rng), size(rng), size(rng)}, kinds[kind(rng)]);
    const Figure to = Shape(2, {pos(rng), pos(rng), size(rng), size(rng)}, kinds[kind(rng)]);
    const QRect third(pos(rng), pos(rng), size(rng), size(rng));
    Scene s{{Shape(3, third)}};
    const ElbowRoute r = RouteElbow(from, to, s.Query());
    // Apart, a route clear of both always exists.
    EXPECT_TRUE(r.ownClear || from.box.intersects(to.box));
    SCOPED_TRACE(testing::Message() << "case " << i << " from " << testing::PrintToString(from) << " to "
                                    << testing::PrintToString(to) << " route " << testing::PrintToString(r.points));
    ExpectRules(r, from, to, r.ownClear);
    EXPECT_LE(s.queries, 2);
    if (r.clear) {
      ++clear;
      if (third.intersects(from.box) || third.intersects(to.box)) continue;
      for (size_t k = 0; k + 1 < r.points.size(); ++k) {
        EXPECT_FALSE(Crosses(r.points[k], r.points[k + 1], third));
      }
    }
  }
  EXPECT_GT(clear, 400);
}

}  // namespace
