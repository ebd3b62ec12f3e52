// The obstacle index: what a query finds, before and after a box moves, as during a drag.
#include <gtest/gtest.h>

#include <algorithm>

#include "ObstacleIndex.h"

using routing::ObstacleIndex;

namespace {

struct QueryCase {
  const char* name;
  QRect area;
  std::vector<int> before, after;  // obstacle numbers found, sorted
};
void PrintTo(const QueryCase& c, std::ostream* os) { *os << c.name; }

class ObstacleIndexTest : public testing::TestWithParam<QueryCase> {};

// Cells of 128: box 0 spans cells 0..1, box 1 lies in cell 3 and moves to cells -2..-1 (negative
// coordinates), box 2 of no width blocks nothing and is never found.
TEST_P(ObstacleIndexTest, FindsWhatMeetsTheArea) {
  const QueryCase& c = GetParam();
  ObstacleIndex index;
  index.Add({QRect(100, 100, 100, 50), 0, false});
  index.Add({QRect(400, 400, 50, 50), 1, false});
  index.Add({QRect(120, 120, 0, 30), 2, false});
  auto found = [&] {
    std::vector<int> ids;
    index.Query(c.area, ids);
    std::sort(ids.begin(), ids.end());
    return ids;
  };
  EXPECT_EQ(found(), c.before);
  index.Move(1, QRect(-200, -150, 60, 60));
  EXPECT_EQ(found(), c.after);
  EXPECT_EQ(index.Extent(), QRect(-200, -150, 650, 600));
}

INSTANTIATE_TEST_SUITE_P(
    Areas, ObstacleIndexTest,
    testing::Values(QueryCase{"TouchingAnEdge", QRect(200, 150, 10, 10), {0}, {0}},
                    QueryCase{"OneShortOfAnEdge", QRect(201, 151, 10, 10), {}, {}},
                    QueryCase{"WhereTheBoxWas", QRect(390, 390, 20, 20), {1}, {}},
                    QueryCase{"WhereTheBoxWent", QRect(-150, -100, 5, 5), {}, {1}},
                    QueryCase{"Everything", QRect(-500, -500, 1500, 1500), {0, 1}, {0, 1}}));

}  // namespace
