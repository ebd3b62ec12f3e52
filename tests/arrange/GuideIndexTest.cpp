#include <gtest/gtest.h>

#include "GuideIndex.h"
#include "Printers.h"

using namespace arrange;

namespace {

using Axis = GuideLine::Axis;

// A: x 100, 140, 180 and y 100, 120, 140. B: x 300, 330, 360 and y 200, 230, 260.
const std::vector<QRect> kOthers = {{100, 100, 80, 40}, {300, 200, 60, 60}};

TEST(GuideIndex, TheNearestEdgeWithinToleranceSnapsAndShowsItsLine) {
  const GuideIndex index(kOthers);
  // Left 97 is 3 from A's left; nothing near on y.
  const GuideSnap s = index.Snap({97, 300, 50, 20}, 5);
  EXPECT_EQ(s.delta, QPoint(3, 0));
  EXPECT_EQ(s.lines, (std::vector<GuideLine>{{Axis::Vertical, 100, 100, 320}}));
}

TEST(GuideIndex, EveryAlignmentOfTheSnappedPlaceIsShown) {
  const GuideIndex index(kOthers);
  // x: all three of B's; y: the middle meets A's exactly (top 99 would be 1 from A's top, but the
  // middle is nearer, 0).
  const GuideSnap s = index.Snap({300, 99, 60, 42}, 5);
  EXPECT_EQ(s.delta, QPoint(0, 0));
  EXPECT_EQ(s.lines, (std::vector<GuideLine>{{Axis::Vertical, 300, 99, 260},
                                             {Axis::Vertical, 330, 99, 260},
                                             {Axis::Vertical, 360, 99, 260},
                                             {Axis::Horizontal, 120, 100, 360}}));
}

TEST(GuideIndex, BeyondToleranceNothingSnaps) {
  const GuideIndex index(kOthers);
  const GuideSnap s = index.Snap({94, 300, 50, 20}, 5);  // 6 from 100; right 144 is 4 from 140
  EXPECT_EQ(s.delta, QPoint(-4, 0));
  const GuideSnap none = index.Snap({94, 300, 52, 20}, 5);  // 6, 20 and 6 away
  EXPECT_EQ(none.delta, QPoint(0, 0));
  EXPECT_TRUE(none.lines.empty());
}

TEST(GuideIndex, ToleranceInCanvasPixelsAtAZoom) {
  const GuideIndex index(kOthers);
  // 5 screen pixels at 200 %: 2.5 canvas pixels.
  EXPECT_EQ(index.Snap({97, 300, 50, 20}, 2.5).delta, QPoint(0, 0));
  EXPECT_EQ(index.Snap({98, 300, 50, 20}, 2.5).delta, QPoint(2, 0));
}

TEST(GuideIndex, TiesGoToTheFirstValueThenToTheSmallerTarget) {
  // Thin figures with one x each: 100 and 184; 96 and 104.
  const GuideIndex index({{100, 500, 0, 10}, {184, 600, 0, 10}});
  // Left 102 is 2 from 100, right 182 is 2 from 184: the left wins.
  const GuideSnap s = index.Snap({102, 0, 80, 10}, 5);
  EXPECT_EQ(s.delta, QPoint(-2, 0));
  EXPECT_EQ(s.lines, (std::vector<GuideLine>{{Axis::Vertical, 100, 0, 510}}));
  const GuideIndex pair({{96, 500, 0, 10}, {104, 600, 0, 10}});
  EXPECT_EQ(pair.Snap({100, 0, 50, 10}, 5).delta, QPoint(-4, 0));
}

TEST(GuideIndex, FiguresSharingAnEdgeGiveOneLineOverAllOfThem) {
  const GuideIndex index({{50, 0, 20, 10}, {50, 100, 40, 10}, {-70, -40, 20, 20}});
  const GuideSnap s = index.Snap({52, 40, 10, 10}, 5);
  EXPECT_EQ(s.delta, QPoint(-2, 0));
  // The right edge 60 also meets the first figure's centre.
  EXPECT_EQ(s.lines, (std::vector<GuideLine>{{Axis::Vertical, 50, 0, 110}, {Axis::Vertical, 60, 0, 50}}));
  // Negative coordinates: the centre -61 goes to the third's -60, the middle -32 to its -30.
  const GuideSnap n = index.Snap({-66, -37, 10, 10}, 5);
  EXPECT_EQ(n.delta, QPoint(1, 2));
  EXPECT_EQ(n.lines, (std::vector<GuideLine>{{Axis::Vertical, -60, -40, -20}, {Axis::Horizontal, -30, -70, -50}}));
}

}  // namespace
