// Routing many connectors at once: small drawings with every route worked out by hand, and the
// rules every route keeps (level and upright runs, no repeated point, out of every shape and text
// but its own ends, ends on the shapes' sides).
#include <gtest/gtest.h>

#include <ostream>
#include <array>
#include <random>
#include <string>

#include "RoutingPass.h"

using namespace routing;

namespace {

using Points = std::vector<QPoint>;

Shape Box(int x, int y, int w, int h) { return {FigureKind::Box, QRect(x, y, w, h), {}}; }

Link Between(int from, int to, std::optional<Side> fromSide = {}, std::optional<Side> toSide = {}) {
  return {from, to, fromSide, toSide};
}

struct PassCase {
  const char* name;
  std::vector<Shape> shapes;
  std::vector<Link> links;
  std::vector<Points> routes;
};
void PrintTo(const PassCase& c, std::ostream* os) { *os << c.name; }

std::string Show(const Points& p) {
  std::string s;
  for (const QPoint& q : p) s += "(" + std::to_string(q.x()) + "," + std::to_string(q.y()) + ")";
  return s;
}

bool Crosses(QPoint a, QPoint b, const QRect& r) {
  return std::min(a.x(), b.x()) < r.x() + r.width() && std::max(a.x(), b.x()) > r.x() &&
         std::min(a.y(), b.y()) < r.y() + r.height() && std::max(a.y(), b.y()) > r.y();
}

void ExpectRules(const Route& r, const Link& link, const std::vector<Shape>& shapes) {
  ASSERT_GE(r.points.size(), 2u);
  const Points& p = r.points;
  for (size_t i = 0; i + 1 < p.size(); ++i) {
    const QPoint d = p[i + 1] - p[i];
    EXPECT_TRUE((d.x() == 0) != (d.y() == 0)) << "run " << i << " of " << Show(p);
    for (size_t j = i + 1; j < p.size(); ++j) EXPECT_NE(p[i], p[j]) << Show(p);
    for (size_t s = 0; s < shapes.size(); ++s) {
      const bool own = (i == 0 && int(s) == link.from) || (i + 2 == p.size() && int(s) == link.to);
      if (!own) {
        EXPECT_FALSE(Crosses(p[i], p[i + 1], shapes[s].box)) << "run " << i << " through shape " << s;
      }
      if (!shapes[s].text.isEmpty()) {
        EXPECT_FALSE(Crosses(p[i], p[i + 1], shapes[s].text)) << "run " << i << " through text " << s;
      }
    }
  }
  EXPECT_TRUE(r.clear) << Show(p);
}

// The port lies on the side of its shape's box it names (a mark's and an ellipse's outline lie
// inside their box: on the side's line or within the box by up to a third of it).
void ExpectOnSide(QPoint p, Side side, const Shape& s) {
  const QRect b = s.box;
  const int l = b.x(), t = b.y(), r = l + b.width(), bo = t + b.height();
  const bool across = connectors::IsHorizontal(side) ? p.y() >= t && p.y() <= bo : p.x() >= l && p.x() <= r;
  EXPECT_TRUE(across) << Show({p});
  const int depth = side == Side::Left ? p.x() - l : side == Side::Right ? r - p.x() : side == Side::Top ? p.y() - t : bo - p.y();
  EXPECT_GE(depth, 0) << Show({p});
  EXPECT_LE(depth, (connectors::IsHorizontal(side) ? b.width() : b.height()) / 3) << Show({p});
}

class RoutingPassTest : public testing::TestWithParam<PassCase> {};

TEST_P(RoutingPassTest, RoutesAsWorkedOut) {
  const PassCase& c = GetParam();
  const std::vector<Route> routes = RouteAll(c.shapes, c.links);
  ASSERT_EQ(routes.size(), c.routes.size());
  for (size_t i = 0; i < routes.size(); ++i) {
    SCOPED_TRACE("route " + std::to_string(i));
    EXPECT_EQ(Show(routes[i].points), Show(c.routes[i]));
    ExpectRules(routes[i], c.links[i], c.shapes);
  }
}

// Clearance 10, a bend as dear as 60 pixels, runs within a box's clearance three times their
// length, routes at least 8 apart along a corridor, no run between bends under 15.
INSTANTIATE_TEST_SUITE_P(
    SmallDrawings, RoutingPassTest,
    testing::Values(
        // Side midpoints face each other across clear canvas.
        PassCase{"StraightAcross", {Box(0, 0, 100, 60), Box(300, 0, 100, 60)}, {Between(0, 1)},
                 {{{100, 30}, {300, 30}}}},
        // The box between them blocks y 90..190: over its clearance (y 80, 20 up from the tops)
        // with two bends beats under it (y 200, 40 down) and every way from the facing sides
        // (four bends).
        PassCase{"AroundOneObstacle",
                 {Box(0, 100, 100, 60), Box(400, 100, 100, 60), Box(200, 90, 100, 100)},
                 {Between(0, 1)},
                 {{{50, 100}, {50, 80}, {450, 80}, {450, 100}}}},
        // The text of the small box hangs below it over the straight way (y 130): under the
        // clearance of both ends (y 170, two bends, 420 long) beats round the text between the
        // facing sides (four bends) and over the box (y 30).
        PassCase{"AroundAText",
                 {Box(0, 100, 100, 60), Box(400, 100, 100, 60), {FigureKind::Box, QRect(200, 40, 60, 40), QRect(190, 70, 80, 70)}},
                 {Between(0, 1)},
                 {{{50, 160}, {50, 170}, {450, 170}, {450, 160}}}},
        // Three routes down, across and down share the row along the targets' clearance (y 190);
        // laid 8 apart below it in nesting order, the one that turns down last on top.
        PassCase{"CorridorOfThree",
                 {Box(0, 0, 40, 40), Box(50, 0, 40, 40), Box(100, 0, 40, 40), Box(300, 200, 40, 40),
                  Box(350, 200, 40, 40), Box(400, 200, 40, 40)},
                 {Between(0, 3, Side::Bottom, Side::Top), Between(1, 4, Side::Bottom, Side::Top),
                  Between(2, 5, Side::Bottom, Side::Top)},
                 {{{20, 40}, {20, 190}, {320, 190}, {320, 200}},
                  {{70, 40}, {70, 182}, {370, 182}, {370, 200}},
                  {{120, 40}, {120, 174}, {420, 174}, {420, 200}}}},
        // Six ends on the left side (y 100..220) at sevenths of it, in the order of their sources;
        // the upright runs along the target's clearance (x 290) that overlap move apart by 8.
        PassCase{"SixIntoOneSide",
                 {Box(0, 20, 40, 30), Box(0, 70, 40, 30), Box(0, 120, 40, 30), Box(0, 170, 40, 30),
                  Box(0, 220, 40, 30), Box(0, 270, 40, 30), Box(300, 100, 80, 120)},
                 {Between(0, 6, Side::Right, Side::Left), Between(1, 6, Side::Right, Side::Left),
                  Between(2, 6, Side::Right, Side::Left), Between(3, 6, Side::Right, Side::Left),
                  Between(4, 6, Side::Right, Side::Left), Between(5, 6, Side::Right, Side::Left)},
                 {{{40, 35}, {290, 35}, {290, 117}, {300, 117}},
                  {{40, 85}, {282, 85}, {282, 134}, {300, 134}},
                  {{40, 135}, {290, 135}, {290, 151}, {300, 151}},
                  {{40, 185}, {290, 185}, {290, 169}, {300, 169}},
                  {{40, 235}, {282, 235}, {282, 186}, {300, 186}},
                  {{40, 285}, {290, 285}, {290, 203}, {300, 203}}}},
        // Two links between one pair: thirds of each side, the second link offset to the left of
        // its way (up), so the two run apart and nest.
        PassCase{"TwoLinksOnePair", {Box(0, 0, 100, 60), Box(300, 0, 100, 60)}, {Between(0, 1), Between(0, 1)},
                 {{{100, 40}, {300, 40}}, {{100, 20}, {300, 20}}}},
        // A loop at the canvas's top edge cannot go over the top right corner: it goes round the
        // bottom right one, out of the bottom and into the right side, 20 off the box. The other
        // shape has room above.
        PassCase{"SelfLoops", {Box(0, 0, 100, 60), Box(200, 200, 100, 60)}, {Between(0, 0), Between(1, 1)},
                 {{{50, 60}, {50, 80}, {120, 80}, {120, 30}, {100, 30}},
                  {{300, 230}, {320, 230}, {320, 180}, {250, 180}, {250, 200}}}},
        // Into a diamond at its vertices. The first link enters the top one: one bend, 270 long,
        // beats its left one (one bend, 280). The second would take the top one too (one bend,
        // 170) but that is taken: of the free ones, the right one from below (one bend, 180).
        PassCase{"IntoDiamondVertices",
                 {Box(0, 0, 100, 60), {FigureKind::Diamond, QRect(250, 100, 100, 80), {}}, Box(400, 0, 100, 60)},
                 {Between(0, 1), Between(2, 1)},
                 {{{100, 30}, {300, 30}, {300, 100}}, {{450, 60}, {450, 140}, {350, 140}}}},
        // Side midpoints 5 apart: the 5-pixel jog goes, the first port moving down its side.
        PassCase{"JogOfFiveRemoved", {Box(0, 0, 100, 60), Box(300, 5, 100, 60)},
                 {Between(0, 1, Side::Right, Side::Left)},
                 {{{100, 35}, {300, 35}}}},
        // Five links between one pair and a loop: six ends spread on the left box's right side
        // (sevenths: 9 17 26 34 43, the loop's 51 nearest its corner), five on the other's left
        // side (sixths: 10 20 30 40 50). Each route first jogs 1 to 7 pixels; the ports on the
        // right move onto the left ones' lines, each once its neighbour has made room.
        PassCase{"JogsStraightenedBetweenCrowdedSides", {Box(20, 0, 120, 60), Box(400, 0, 120, 60)},
                 {Between(0, 1), Between(0, 1), Between(0, 1), Between(0, 1), Between(0, 1), Between(0, 0)},
                 {{{140, 43}, {400, 43}}, {{140, 34}, {400, 34}}, {{140, 26}, {400, 26}}, {{140, 17}, {400, 17}},
                  {{140, 9}, {400, 9}}, {{80, 60}, {80, 80}, {160, 80}, {160, 51}, {140, 51}}}},
        // Two ends on a process box's right side (straight part y 35..65: 45 and 55), the first
        // across from a diamond's vertex at 50: it takes the vertex's line and the second moves
        // to 58 to stay 8 off, where moving one port alone would leave a 5-pixel jog.
        PassCase{"LinedUpWithADiamondVertex",
                 {{FigureKind::RoundedBox, QRect(20, 20, 110, 60), {}}, {FigureKind::Diamond, QRect(200, 25, 80, 50), {}},
                  Box(200, 100, 80, 40)},
                 {Between(0, 1), Between(0, 2, Side::Right, Side::Left)},
                 {{{130, 50}, {200, 50}}, {{130, 58}, {190, 58}, {190, 120}, {200, 120}}}}));

}  // namespace

namespace {

class RandomChartTest : public testing::TestWithParam<unsigned> {};

// Shapes of every kind on a jittered grid, never touching, with links between near ones, pairs
// linked twice and loops: every route keeps the rules and leaves and enters its named sides.
TEST_P(RandomChartTest, EveryRouteKeepsTheRules) {
  std::mt19937 random(GetParam());
  std::uniform_int_distribution<int> jitter(-15, 15), size(30, 90), pick(0, 24), kind(0, 4);
  const FigureKind kinds[] = {FigureKind::Circle, FigureKind::RoundedBox, FigureKind::Ellipse, FigureKind::Box,
                              FigureKind::Diamond};
  std::vector<Shape> shapes;
  for (int i = 0; i < 25; ++i) {
    const int w = size(random), h = std::min(size(random), 70);
    const QRect box(20 + (i % 5) * 160 + jitter(random) + 15, 20 + (i / 5) * 130 + jitter(random) + 15, w, h);
    // A text within the outline of every kind: a square a third of the smaller side, centred.
    const int t = std::min(w, h) / 3;
    shapes.push_back({kinds[kind(random)], box, QRect(box.center().x() - t / 2, box.center().y() - t / 2, t, t)});
  }
  std::vector<Link> links;
  for (int k = 0; k < 40; ++k) {
    const int a = pick(random), step = std::array{0, 1, 5, 6, 4, 1}[static_cast<size_t>(k % 6)];
    if (a + step < 25) links.push_back(Between(a, a + step));
  }
  const std::vector<Route> routes = RouteAll(shapes, links);
  ASSERT_EQ(routes.size(), links.size());
  for (size_t i = 0; i < routes.size(); ++i) {
    SCOPED_TRACE("route " + std::to_string(i) + " " + Show(routes[i].points));
    ExpectRules(routes[i], links[i], shapes);
    ExpectOnSide(routes[i].points.front(), routes[i].from, shapes[static_cast<size_t>(links[i].from)]);
    ExpectOnSide(routes[i].points.back(), routes[i].to, shapes[static_cast<size_t>(links[i].to)]);
    for (const QPoint& p : routes[i].points) {
      EXPECT_GE(p.x(), 0);
      EXPECT_GE(p.y(), 0);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomChartTest, testing::Range(1u, 21u));

}  // namespace

// A diamond's vertices other connectors hold are left out: from the box below, the way straight
// up into the bottom vertex is cheapest, and with that vertex not allowed the route ends on
// another one.
TEST(RoutingPass, EndsOnlyOnTheSidesAllowed) {
  const std::vector<Shape> shapes{{FigureKind::Diamond, QRect(300, 100, 100, 80), {}}, Box(300, 300, 100, 50)};
  const struct {
    std::vector<Side> allowed;
    std::vector<Side> want;
  } rows[] = {{{}, {Side::Bottom}}, {{Side::Left, Side::Top, Side::Right}, {Side::Left, Side::Right}}};
  for (const auto& row : rows) {
    Link link = Between(1, 0);
    link.toSides = row.allowed;
    const std::vector<Route> routes = RouteAll(shapes, std::vector<Link>{link});
    ASSERT_EQ(routes.size(), 1u);
    EXPECT_NE(std::find(row.want.begin(), row.want.end(), routes[0].to), row.want.end()) << Show(routes[0].points);
    ExpectRules(routes[0], link, shapes);
  }
}
