#include <gtest/gtest.h>

#include "DragScroller.h"

namespace {

struct StepCase {
  QPoint pointer;
  QPoint step;
};

TEST(DragScrollStep, NothingInsideTheEdgeBandAndFasterFurtherPastIt) {
  const QRect visible(100, 50, 400, 300);  // x 100..499, y 50..349
  const StepCase cases[] = {
      {{300, 200}, {0, 0}},     // well inside
      {{108, 58}, {0, 0}},      // just inside the band's inner border
      {{107, 200}, {-2, 0}},    // one pixel into the left band
      {{100, 200}, {-6, 0}},    // on the left edge: 8 pixels in
      {{60, 200}, {-26, 0}},    // 40 pixels past the left edge
      {{491, 200}, {0, 0}},     // just outside the right band
      {{492, 200}, {2, 0}},     // one pixel into the right band
      {{499, 200}, {6, 0}},     // the last visible column
      {{300, 342}, {0, 2}},     // one pixel into the bottom band
      {{300, 600}, {0, 80}},    // far below: the speed has its cap
      {{40, 20}, {-36, -21}},   // past a corner: both ways at once
  };
  for (const StepCase& c : cases)
    EXPECT_EQ(DragScroller::Step(visible, c.pointer), c.step) << c.pointer.x() << "," << c.pointer.y();
}

}  // namespace
