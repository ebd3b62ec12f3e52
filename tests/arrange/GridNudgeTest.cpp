// Arrow keys with Snap to Grid on: the corner goes to the next grid line in the key's direction.
#include <gtest/gtest.h>

#include "GridNudge.h"
#include "Printers.h"

namespace {

using arrange::GridNudge;

struct Case {
  QPoint corner, step;
  int grid;
  QPoint expected;
};

class GridNudgeTest : public ::testing::TestWithParam<Case> {};

TEST_P(GridNudgeTest, StepsToTheNextLineThatWay) {
  const Case& c = GetParam();
  EXPECT_EQ(GridNudge(c.corner, c.step, c.grid), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GridNudgeTest,
    ::testing::Values(
        // On the grid: one grid size, whatever the frame's own step.
        Case{{100, 100}, {50, 0}, 10, {10, 0}}, Case{{100, 100}, {-50, 0}, 10, {-10, 0}},
        Case{{100, 100}, {0, 30}, 10, {0, 10}}, Case{{100, 100}, {0, -30}, 10, {0, -10}},
        // Between lines: to the nearer line that way, however near.
        Case{{103, 100}, {50, 0}, 10, {7, 0}}, Case{{103, 100}, {-50, 0}, 10, {-3, 0}},
        Case{{109, 101}, {0, 30}, 10, {0, 9}}, Case{{109, 101}, {0, -30}, 10, {0, -1}},
        // Negative coordinates take the lines below zero, never truncated toward it.
        Case{{-3, -20}, {-30, 0}, 10, {-7, 0}}, Case{{-3, -20}, {30, 0}, 10, {3, 0}},
        Case{{0, -20}, {0, -30}, 10, {0, -10}}, Case{{-25, 0}, {30, 0}, 25, {25, 0}},
        // Another grid size; a still axis stays still.
        Case{{37, 12}, {1, 0}, 25, {13, 0}}, Case{{37, 12}, {0, 0}, 25, {0, 0}}));

}  // namespace
