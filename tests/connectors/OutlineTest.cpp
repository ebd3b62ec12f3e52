#include <gtest/gtest.h>

#include "DrawSnap.h"
#include "Outline.h"
#include "Printers.h"

using namespace connectors;

namespace {

// An end at a point: attached to the figure (inside, on, or within 4 pixels of its outline) or not.
struct AttachCase {
  const char* name;
  FigureKind kind;
  QRect box;
  QPointF p;
  bool attached;
};
void PrintTo(const AttachCase& c, std::ostream* os) { *os << c.name; }

class AttachTest : public testing::TestWithParam<AttachCase> {};

TEST_P(AttachTest, WithinFourPixelsOfTheOutline) {
  const AttachCase& c = GetParam();
  EXPECT_EQ(IsAttached(c.kind, c.box, c.p), c.attached);
}

constexpr FigureKind kBox = FigureKind::Box, kRound = FigureKind::RoundedBox, kEllipse = FigureKind::Ellipse,
                     kCircle = FigureKind::Circle, kDiamond = FigureKind::Diamond;

INSTANTIATE_TEST_SUITE_P(
    EveryOutline, AttachTest,
    testing::Values(
        // Box (100, 100)-(180, 140).
        AttachCase{"BoxAbove4", kBox, {100, 100, 80, 40}, {140, 96}, true},
        AttachCase{"BoxAbove5", kBox, {100, 100, 80, 40}, {140, 95}, false},
        AttachCase{"BoxRight4", kBox, {100, 100, 80, 40}, {184, 120}, true},
        AttachCase{"BoxRight5", kBox, {100, 100, 80, 40}, {185, 120}, false},
        AttachCase{"BoxInside", kBox, {100, 100, 80, 40}, {140, 120}, true},
        AttachCase{"BoxCornerDiagonal2_8", kBox, {100, 100, 80, 40}, {182, 142}, true},
        AttachCase{"BoxCornerDiagonal4_2", kBox, {100, 100, 80, 40}, {183, 143}, false},
        AttachCase{"BoxNegative", kBox, {-300, -200, 80, 40}, {-304, -180}, true},
        AttachCase{"BoxNegativeBeyond", kBox, {-300, -200, 80, 40}, {-305, -180}, false},
        // Process box 120 x 60: corner ellipses 30 x 15 around (30, 15), (90, 15), (90, 45), (30, 45).
        AttachCase{"RoundTop4", kRound, {0, 0, 120, 60}, {60, -4}, true},
        AttachCase{"RoundTop5", kRound, {0, 0, 120, 60}, {60, -5}, false},
        AttachCase{"RoundLeft4", kRound, {0, 0, 120, 60}, {-4, 30}, true},
        // The box's corner is cut away: about 8.4 pixels from the arc.
        AttachCase{"RoundBoxCorner", kRound, {0, 0, 120, 60}, {0, 0}, false},
        // Outside the arc ((6-30)/30)² + ((3-15)/15)² = 1.28, about 2.6 pixels from it.
        AttachCase{"RoundNearArc", kRound, {0, 0, 120, 60}, {6, 3}, true},
        // 4 pixels out along the arc's normal at its 45-degree point (8.787, 4.393).
        AttachCase{"RoundArcNormal3_9", kRound, {0, 0, 120, 60}, {7.04, 0.91}, true},
        AttachCase{"RoundArcNormal4_9", kRound, {0, 0, 120, 60}, {6.60, 0.01}, false},
        // Ellipse of the box (0, 0, 100, 50): centre (50, 25), semi-axes 50 and 25.
        AttachCase{"EllipseTop4", kEllipse, {0, 0, 100, 50}, {50, -4}, true},
        AttachCase{"EllipseTop5", kEllipse, {0, 0, 100, 50}, {50, -5}, false},
        AttachCase{"EllipseRight4", kEllipse, {0, 0, 100, 50}, {104, 25}, true},
        AttachCase{"EllipseRight5", kEllipse, {0, 0, 100, 50}, {105, 25}, false},
        AttachCase{"EllipseBoxCorner", kEllipse, {0, 0, 100, 50}, {0, 0}, false},
        AttachCase{"EllipseCentre", kEllipse, {0, 0, 100, 50}, {50, 25}, true},
        // Start mark in 100 x 40: circle of radius 18 around (50, 20).
        AttachCase{"CircleTop4", kCircle, {0, 0, 100, 40}, {50, -2}, true},
        AttachCase{"CircleTop5", kCircle, {0, 0, 100, 40}, {50, -3}, false},
        AttachCase{"CircleRight4", kCircle, {0, 0, 100, 40}, {72, 20}, true},
        AttachCase{"CircleRight5", kCircle, {0, 0, 100, 40}, {73, 20}, false},
        AttachCase{"CircleInBoxOutsideCircle", kCircle, {0, 0, 100, 40}, {10, 20}, false},
        AttachCase{"CircleCentre", kCircle, {0, 0, 100, 40}, {50, 20}, true},
        // Diamond (40, 0), (80, 20), (40, 40), (0, 20); its top-left side is x + 2y = 40.
        AttachCase{"DiamondTop4", kDiamond, {0, 0, 80, 40}, {40, -4}, true},
        AttachCase{"DiamondTop5", kDiamond, {0, 0, 80, 40}, {40, -5}, false},
        AttachCase{"DiamondSide3_1", kDiamond, {0, 0, 80, 40}, {19, 7}, true},
        AttachCase{"DiamondSide4_5", kDiamond, {0, 0, 80, 40}, {18, 6}, false},
        AttachCase{"DiamondBoxCorner", kDiamond, {0, 0, 80, 40}, {0, 0}, false},
        AttachCase{"DiamondCentre", kDiamond, {0, 0, 80, 40}, {40, 20}, true}),
    [](const testing::TestParamInfo<AttachCase>& info) { return std::string(info.param.name); });

TEST(Outline, DistancesFromInsideAndOutside) {
  // On the major axis inside, 40 from the centre: beyond (a² - b²) / a = 37.5, so the vertex.
  EXPECT_NEAR(DistanceToOutline(kEllipse, {0, 0, 100, 50}, {10, 25}), 10.0, 1e-9);
  // 30 from the centre: the nearest point is off the axis, at (10, 10): √325.
  EXPECT_NEAR(DistanceToOutline(kEllipse, {0, 0, 100, 50}, {20, 25}), 18.0277564, 1e-6);
  EXPECT_NEAR(DistanceToOutline(kDiamond, {0, 0, 80, 40}, {18, 6}), 4.4721360, 1e-6);
  EXPECT_NEAR(DistanceToOutline(kCircle, {0, 0, 100, 40}, {50, 20}), 18.0, 1e-9);
  EXPECT_NEAR(DistanceToOutline(kBox, {100, 100, 80, 40}, {170, 120}), 10.0, 1e-9);
  EXPECT_NEAR(DistanceToOutline(kRound, {0, 0, 120, 60}, {7.0, 0.82}), 4.0, 0.01);
}

TEST(Outline, BoxSnapPointsAreMidpointsThenCorners) {
  const std::array<QPoint, 8> box = {QPoint(50, 20), QPoint(91, 40), QPoint(50, 61), QPoint(10, 40),
                                     QPoint(10, 20), QPoint(91, 20), QPoint(91, 61), QPoint(10, 61)};
  EXPECT_EQ(BoxSnapPoints(kBox, {10, 20, 81, 41}), box);
  // The rounded box's corners: its arcs' 45-degree points (30 - 21.2, 15 - 10.6) and so on.
  const std::array<QPoint, 8> round = {QPoint(60, 0), QPoint(120, 30), QPoint(60, 60), QPoint(0, 30),
                                       QPoint(9, 4),  QPoint(111, 4),  QPoint(111, 56), QPoint(9, 56)};
  EXPECT_EQ(BoxSnapPoints(kRound, {0, 0, 120, 60}), round);
}

TEST(Outline, LabelContainmentIncludesTheEdges) {
  const QRect figure(100, 100, 80, 40);
  EXPECT_TRUE(BoxInside({100, 100, 80, 40}, figure));
  EXPECT_TRUE(BoxInside({120, 110, 40, 20}, figure));
  EXPECT_FALSE(BoxInside({99, 110, 40, 20}, figure));
  EXPECT_FALSE(BoxInside({141, 110, 40, 20}, figure));
  EXPECT_FALSE(BoxInside({120, 99, 40, 20}, figure));
  EXPECT_FALSE(BoxInside({120, 121, 40, 20}, figure));
}

Figure Closed(FigureKind kind, QRect box, int stacking, intptr_t id) {
  return Figure{reinterpret_cast<FigureId>(id), kind, box, adTopToBottom, apRight, stacking};
}

struct SnapCase {
  const char* name;
  QPoint pointer;
  QPoint snapped;
  intptr_t figure;  // 0: none in reach
};
void PrintTo(const SnapCase& c, std::ostream* os) { *os << c.name; }

class DrawSnapTest : public testing::TestWithParam<SnapCase> {};

TEST_P(DrawSnapTest, EndGoesOntoTheOutlineInReach) {
  const std::vector<Figure> figures = {
      Closed(kBox, {100, 100, 80, 40}, 0, 1),
      Closed(kEllipse, {300, 0, 100, 50}, 1, 2),
      Closed(kCircle, {500, 0, 100, 40}, 2, 3),
      Closed(kDiamond, {700, 0, 80, 40}, 3, 4),
      // Two boxes 6 apart; the right one on top.
      Closed(kBox, {0, 300, 50, 50}, 4, 5),
      Closed(kBox, {56, 300, 50, 50}, 5, 6),
      // Never targets.
      Figure{reinterpret_cast<FigureId>(7), FigureKind::Label, {900, 0, 50, 50}, adTopToBottom, apRight, 6},
      Figure{reinterpret_cast<FigureId>(8), FigureKind::Arrow, {1000, 0, 50, 50}, adTopToBottom, apRight, 7},
  };
  const SnapCase& c = GetParam();
  const OutlineSnap s = SnapToOutline(c.pointer, figures);
  EXPECT_EQ(s.point, c.snapped);
  EXPECT_EQ(s.figure, reinterpret_cast<FigureId>(c.figure));
}

INSTANTIATE_TEST_SUITE_P(
    Figures, DrawSnapTest,
    testing::Values(SnapCase{"BoxNearCorner", {103, 95}, {100, 100}, 1},
                    SnapCase{"BoxInsideEightFromTop", {135, 108}, {140, 100}, 1},
                    SnapCase{"BoxInsideNineFromTop", {135, 109}, {135, 109}, 0},
                    SnapCase{"BoxRightMidpoint", {187, 125}, {180, 120}, 1},
                    SnapCase{"BoxOutsideNine", {140, 91}, {140, 91}, 0},
                    SnapCase{"EllipseTop", {350, -7}, {350, 0}, 2},
                    SnapCase{"EllipseRight", {407, 25}, {400, 25}, 2},
                    SnapCase{"CircleRight", {575, 20}, {568, 20}, 3},
                    SnapCase{"CircleLeftOutside", {526, 20}, {532, 20}, 3},
                    SnapCase{"DiamondSide", {719, 7}, {720, 10}, 4},
                    SnapCase{"NearerOutlineWins", {52, 325}, {50, 325}, 5},
                    SnapCase{"TieGoesToTheTopmost", {53, 325}, {56, 325}, 6},
                    SnapCase{"LabelIsNoTarget", {952, 25}, {952, 25}, 0},
                    SnapCase{"ArrowIsNoTarget", {1052, 25}, {1052, 25}, 0}),
    [](const testing::TestParamInfo<SnapCase>& info) { return std::string(info.param.name); });

TEST(DrawSnap, TheQueryIsAskedAroundThePointerOnly) {
  const std::vector<Figure> figures = {Closed(kBox, {100, 100, 80, 40}, 0, 1)};
  std::vector<QRect> areas;
  const FigureQuery query = [&](const QRect& area, std::vector<Figure>& out) {
    areas.push_back(area);
    for (const Figure& f : figures)
      if (f.box.intersects(area)) out.push_back(f);
  };
  EXPECT_EQ(SnapToOutline(QPoint(188, 120), query), (OutlineSnap{{180, 120}, figures[0].id}));
  EXPECT_EQ(SnapToOutline(QPoint(189, 120), query), (OutlineSnap{{189, 120}, nullptr}));
  ASSERT_EQ(areas.size(), 2u);
  EXPECT_TRUE(areas[0].contains(QPoint(180, 120)));
  EXPECT_LE(areas[0].width(), 21);
}

// Where a connector drawn with the Connector tool starts or ends: the shape under the point,
// wherever on it, or one whose outline is in reach.
struct EndShapeCase {
  const char* name;
  QPoint p;
  intptr_t except;  // 0: none
  intptr_t shape;   // 0: none
};
void PrintTo(const EndShapeCase& c, std::ostream* os) { *os << c.name; }

class ShapeForEndTest : public testing::TestWithParam<EndShapeCase> {};

TEST_P(ShapeForEndTest, TheShapeUnderOrNearThePoint) {
  const std::vector<Figure> figures = {
      Closed(kBox, {100, 200, 120, 60}, 0, 1),
      // A's text: no target of its own.
      Figure{reinterpret_cast<FigureId>(2), FigureKind::Label, {130, 215, 60, 30}, adTopToBottom, apRight, 1},
      Closed(kEllipse, {400, 200, 120, 60}, 2, 3),
      // A container, and a box inside it, above it.
      Closed(kBox, {600, 100, 300, 300}, 3, 4),
      Closed(kBox, {650, 150, 100, 60}, 4, 5),
  };
  const FigureQuery query = [&](const QRect& area, std::vector<Figure>& out) {
    for (const Figure& f : figures)
      if (f.box.intersects(area)) out.push_back(f);
  };
  const EndShapeCase& c = GetParam();
  EXPECT_EQ(ShapeForEnd(c.p, query, reinterpret_cast<FigureId>(c.except)), reinterpret_cast<FigureId>(c.shape));
}

INSTANTIATE_TEST_SUITE_P(
    Figures, ShapeForEndTest,
    testing::Values(EndShapeCase{"DeepInsideOnItsText", {160, 230}, 0, 1},
                    EndShapeCase{"DeepInsideBesideItsText", {110, 250}, 0, 1},
                    EndShapeCase{"OutsideWithinReach", {95, 230}, 0, 1},
                    EndShapeCase{"OutsideBeyondReach", {91, 230}, 0, 0},
                    EndShapeCase{"EmptyCanvas", {300, 230}, 0, 0},
                    // The ellipse's box corner lies 14 pixels off its outline.
                    EndShapeCase{"InTheBoxOutsideTheEllipse", {402, 202}, 0, 0},
                    EndShapeCase{"InsideTheEllipse", {460, 230}, 0, 3},
                    EndShapeCase{"BoxInsideAContainer", {700, 180}, 0, 5},
                    EndShapeCase{"ContainerAroundIt", {620, 300}, 0, 4},
                    EndShapeCase{"NeverTheOneLeft", {160, 230}, 1, 0},
                    EndShapeCase{"TheContainerWhenTheBoxIsLeft", {700, 180}, 5, 4}),
    [](const testing::TestParamInfo<EndShapeCase>& info) { return std::string(info.param.name); });

}  // namespace
