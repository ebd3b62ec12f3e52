// Fewer crossings where a connector's sides were free: small drawings whose crossings before and
// after are worked out by hand.
#include <gtest/gtest.h>

#include <ostream>

#include "Uncrossing.h"

using namespace routing;

namespace {

Shape Box(int x, int y, int w, int h) { return {FigureKind::Box, QRect(x, y, w, h), {}}; }

int AllCrossings(const std::vector<Route>& routes) {
  int n = 0;
  for (size_t l = 0; l < routes.size(); ++l)
    for (size_t m = l + 1; m < routes.size(); ++m) n += Crossings(routes[l].points, routes[m].points);
  return n;
}

struct UncrossCase {
  const char* name;
  std::vector<Shape> shapes;
  std::vector<Link> links;
  int before, after;
};
void PrintTo(const UncrossCase& c, std::ostream* os) { *os << c.name; }

class UncrossingTest : public testing::TestWithParam<UncrossCase> {};

TEST_P(UncrossingTest, CrossesNoMoreThanItMust) {
  const UncrossCase& c = GetParam();
  const ObstacleIndex index = IndexShapes(c.shapes);
  const std::vector<Route> first = RouteAll(c.shapes, c.links, index);
  EXPECT_EQ(AllCrossings(first), c.before);
  const std::vector<Route> routes = Uncross(c.shapes, c.links, index, {}, first);
  EXPECT_EQ(AllCrossings(routes), c.after);
  for (const Route& r : routes) EXPECT_TRUE(r.clear);
}

INSTANTIATE_TEST_SUITE_P(
    Drawings, UncrossingTest,
    testing::Values(
        // The link from the top box to the bottom one goes round the middle box on its left, as
        // cheap as on its right, and crosses the link from the middle box to the one on the
        // left (y 175); round the right it crosses nothing.
        UncrossCase{"RoundTheOtherSide",
                    {Box(200, 0, 100, 50), Box(200, 150, 100, 50), Box(200, 300, 100, 50), Box(20, 150, 80, 50)},
                    {{1, 3, {}, {}}, {0, 2, {}, {}}},
                    1,
                    0},
        // The same with a tall box 10 right of the middle one: round the right, past it (x 380),
        // is 140 longer than round the left, more than two bends' worth, so the crossing stays.
        UncrossCase{"TheOtherSideTooFar",
                    {Box(200, 0, 100, 50), Box(200, 150, 100, 50), Box(200, 300, 100, 50), Box(20, 150, 80, 50),
                     Box(310, 60, 60, 250)},
                    {{1, 3, {}, {}}, {0, 2, {}, {}}},
                    1,
                    1},
        // Level across a link straight down between boxes: every way crosses it.
        UncrossCase{"NoWayRound",
                    {Box(100, 0, 100, 50), Box(100, 200, 100, 50), Box(0, 100, 60, 40), Box(240, 100, 60, 40)},
                    {{0, 1, {}, {}}, {2, 3, {}, {}}},
                    1,
                    1},
        // The same with both sides asked for: the crossing stays.
        UncrossCase{"AskedSidesStay",
                    {Box(200, 0, 100, 50), Box(200, 150, 100, 50), Box(200, 300, 100, 50), Box(20, 150, 80, 50)},
                    {{1, 3, Side::Left, Side::Right}, {0, 2, Side::Left, Side::Left}},
                    1,
                    1}));

}  // namespace
