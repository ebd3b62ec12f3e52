// The direction a drawn chart is read in, where links end on containers: each such end counts
// where its arrow meets the container, not where the container's first step happens to stand.
#include <gtest/gtest.h>

#include "ChartSupport.h"
#include "ConnectorPlanner.h"
#include "FigureGraph.h"
#include "PlanSupport.h"

namespace {

using semantics::ItemKind;

struct DirectionCase {
  const char* name;
  // Ids 1 A, 2 the container, 3 its title, 4 and 5 its steps, 6 B; then the arrows A to the
  // container, the container to B, and 4 to 5.
  QRect a, container, first, second, b;
  std::vector<std::pair<QPoint, QPoint>> arrows;
  std::string shape;
};
void PrintTo(const DirectionCase& c, std::ostream* os) { *os << c.name; }
class ReadDirection : public testing::TestWithParam<DirectionCase> {};

TEST_P(ReadDirection, CountsALinkToAContainerWhereItMeetsIt) {
  const DirectionCase& c = GetParam();
  std::vector<flowchart::FigurePlan> p = {charttest::Plan(ItemKind::Process, c.a), charttest::Plan(ItemKind::Rectangle, c.container),
                                          charttest::Plan(ItemKind::Label, {c.container.x() + 8, c.container.y() + 4, 40, 16}, "S"),
                                          charttest::Plan(ItemKind::Process, c.first), charttest::Plan(ItemKind::Process, c.second),
                                          charttest::Plan(ItemKind::Process, c.b)};
  for (const auto& [from, to] : c.arrows) p.push_back(flowchart::RouteSegments({from, to}, {}, true)[0]);
  EXPECT_EQ(charttest::Shape(flowchart::GraphOfItems(charttest::ItemsOf(p))), c.shape);
}

INSTANTIATE_TEST_SUITE_P(
    Charts, ReadDirection,
    testing::Values(
        // Straight down from A into the container's top and out of its bottom into B, its steps in
        // a row to the right of A and left of B: by the steps it would read as 3 to 2 across.
        DirectionCase{"DownThroughARow", {20, 0, 100, 40}, {0, 100, 400, 100}, {140, 140, 100, 40}, {280, 140, 100, 40},
                      {390, 300, 100, 40}, {{{70, 40}, {70, 100}}, {{395, 200}, {395, 300}}, {{240, 160}, {280, 160}}},
                      "TB; process:, process:, process:, process: | 0->[0], [0]->3, 1->2 || S: 1 2"},
        // Across from A into the container's left side and out of its right into B, its steps in a
        // column above A and B: by the steps down and across would be 2 all, and down comes first.
        DirectionCase{"AcrossThroughAColumn", {0, 140, 100, 40}, {200, 0, 200, 300}, {250, 40, 100, 40}, {250, 200, 100, 40},
                      {500, 140, 100, 40}, {{{100, 160}, {200, 160}}, {{400, 160}, {500, 160}}, {{300, 80}, {300, 200}}},
                      "LR; process:, process:, process:, process: | 0->[0], [0]->3, 1->2 || S: 1 2"}),
    [](const testing::TestParamInfo<DirectionCase>& i) { return std::string(i.param.name); });

}  // namespace
