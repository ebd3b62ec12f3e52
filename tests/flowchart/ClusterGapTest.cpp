// Sibling containers after Auto Layout stand apart, so that the container rule never reads two of
// them side by side as the lanes of a pool.
#include <gtest/gtest.h>

#include <algorithm>

#include "ChartSupport.h"
#include "Containers.h"
#include "ItemGrid.h"
#include "LayoutPlan.h"
#include "PlanSupport.h"

namespace {

using charttest::Plan;
using flowchart::FigurePlan;
using semantics::ItemKind;

// The gap between two boxes that do not overlap: the larger of the horizontal and vertical ones.
int Gap(const QRect& a, const QRect& b) {
  const int dx = std::max(b.left() - a.right(), a.left() - b.right()) - 1;
  const int dy = std::max(b.top() - a.bottom(), a.top() - b.bottom()) - 1;
  return std::max(dx, dy);
}

struct GapCase {
  const char* name;
  bool linked;        // the first container's second step leads to the second's first
  graph::Direction direction;
};
void PrintTo(const GapCase& c, std::ostream* os) { *os << c.name; }
class SiblingContainers : public testing::TestWithParam<GapCase> {};

// Two containers (ids 1 and 7, titled 2 and 8) of two linked steps each, drawn 10 apart.
TEST_P(SiblingContainers, StandAtLeastTwentyApartAndMakeNoPool) {
  std::vector<FigurePlan> p;
  for (int c = 0; c < 2; ++c) {
    const int x = 310 * c;
    p.push_back(Plan(ItemKind::Rectangle, {x, 0, 300, 300}));
    p.push_back(Plan(ItemKind::Label, {x + 6, 4, 60, 16}, c ? "Second" : "First"));
    p.push_back(Plan(ItemKind::Process, {x + 40, 60, 100, 40}));
    p.push_back(Plan(ItemKind::Process, {x + 40, 200, 100, 40}));
    p.push_back(flowchart::RouteSegments({{x + 90, 100}, {x + 90, 200}}, {}, true)[0]);
    p.push_back(Plan(ItemKind::Label, {x + 50, 72, 80, 16}, c ? "C" : "A"));
  }
  if (GetParam().linked) p.push_back(flowchart::RouteSegments({{140, 220}, {350, 80}}, {}, true)[0]);
  const std::vector<semantics::Item> items = charttest::ItemsOf(p);
  ASSERT_EQ(semantics::FindPools(semantics::FindContainers(items, semantics::ItemGrid(items).AsQuery())).size(), 0u);
  flowchart::LayoutRequest request;
  request.direction = GetParam().direction;
  const flowchart::LayoutPlan plan = flowchart::PlanLayout(items, request);
  ASSERT_TRUE(plan.ok()) << plan.error;
  const std::vector<semantics::Item> after = charttest::Applied(items, plan);
  const QRect first = charttest::BoxOf(after, 1), second = charttest::BoxOf(after, 7);
  EXPECT_GE(Gap(first, second), 20) << first.x() << "," << first.y() << " " << first.width() << "x" << first.height() << " / "
                                    << second.x() << "," << second.y() << " " << second.width() << "x" << second.height();
  EXPECT_TRUE(semantics::FindPools(semantics::FindContainers(after, semantics::ItemGrid(after).AsQuery())).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, SiblingContainers,
    testing::Values(GapCase{"ApartDown", false, graph::Direction::TopToBottom}, GapCase{"ApartAcross", false, graph::Direction::LeftToRight},
                    GapCase{"LinkedDown", true, graph::Direction::TopToBottom}, GapCase{"LinkedAcross", true, graph::Direction::LeftToRight}),
    [](const testing::TestParamInfo<GapCase>& i) { return std::string(i.param.name); });

}  // namespace
