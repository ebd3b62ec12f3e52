#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

#include "Control.h"
#include "ControlIndex.h"

namespace {

struct Indexed : testing::Test {
  ControlIndex index;
  std::vector<std::unique_ptr<TCustomControl>> widgets;

  TCustomControl* Add(const QRect& bounds) {
    widgets.push_back(std::make_unique<TCustomControl>());
    widgets.back()->SetBoundsRect(bounds);
    index.Insert(widgets.back().get());
    return widgets.back().get();
  }
  void Move(TCustomControl* c, const QRect& bounds) {
    c->SetBoundsRect(bounds);
    index.Update(c);
  }
  // In the order the controls were made: the index itself keeps none.
  std::vector<TCustomControl*> Meeting(const QRect& area) const {
    std::vector<TCustomControl*> out;
    index.Intersecting(area, out);
    std::sort(out.begin(), out.end(), [this](TCustomControl* a, TCustomControl* b) { return Made(a) < Made(b); });
    return out;
  }
  size_t Made(const TCustomControl* c) const {
    for (size_t i = 0; i < widgets.size(); ++i)
      if (widgets[i].get() == c) return i;
    return widgets.size();
  }
};

using V = std::vector<TCustomControl*>;

TEST_F(Indexed, RectangleQueryFindsEachControlOnce) {
  TCustomControl* small = Add({0, 0, 10, 10});
  TCustomControl* wide = Add({100, 0, 200, 50});         // four 64-pixel cells across
  TCustomControl* negative = Add({-70, -70, 10, 10});
  TCustomControl* large = Add({0, 0, 5000, 5000});       // too many cells: checked on every query
  Add({20, 20, 0, 0});                            // no area

  EXPECT_EQ(Meeting({5, 5, 1, 1}), (V{small, large}));
  // Edges are exclusive on the right and bottom of both.
  EXPECT_EQ(Meeting({10, 0, 90, 10}), (V{large}));
  EXPECT_EQ(Meeting({99, 0, 2, 1}), (V{wide, large}));
  EXPECT_EQ(Meeting({0, 0, 400, 60}), (V{small, wide, large}));
  EXPECT_EQ(Meeting({-65, -65, 1, 1}), (V{negative}));
  EXPECT_EQ(Meeting({-61, -61, 1, 1}), (V{negative}));
  EXPECT_EQ(Meeting({-60, -60, 1, 1}), (V{}));
  // Larger than everything indexed: the occupied cells are walked instead.
  EXPECT_EQ(Meeting({-1000000, -1000000, 2000000, 2000000}), (V{small, wide, negative, large}));
  EXPECT_EQ(Meeting({5, 5, 0, 10}), (V{}));
}

TEST_F(Indexed, RectangleQueryFollowsUpdatesAndRemovals) {
  TCustomControl* a = Add({0, 0, 10, 10});
  TCustomControl* b = Add({100, 0, 200, 50});
  Move(b, {-200, 0, 10, 10});
  EXPECT_EQ(Meeting({99, 0, 2, 1}), (V{}));
  EXPECT_EQ(Meeting({-200, 0, 1, 1}), (V{b}));
  index.Remove(a);
  EXPECT_EQ(Meeting({0, 0, 10, 10}), (V{}));
  // A move within the cells it is filed under is found at its new place.
  Move(b, {-190, 5, 10, 10});
  EXPECT_EQ(Meeting({-200, 0, 9, 4}), (V{}));
  EXPECT_EQ(Meeting({-181, 14, 1, 1}), (V{b}));
  // Point queries are unchanged.
  std::vector<TCustomControl*> at;
  index.Containing({-181, 14}, at);
  EXPECT_EQ(at, (V{b}));
}

// Random children and areas of every size against a walk over all of them.
TEST_F(Indexed, RectangleQueryAgreesWithAWalk) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> pos(-2000, 2000), size(0, 300), big(0, 4);
  std::vector<QRect> bounds;
  for (int i = 0; i < 400; ++i) {
    const int scale = big(random) == 0 ? 10 : 1;
    bounds.emplace_back(pos(random), pos(random), size(random) * scale, size(random) * scale);
    Add(bounds.back());
  }
  for (int q = 0; q < 300; ++q) {
    const int scale = q % 30 == 0 ? 40 : 1;
    const QRect area(pos(random), pos(random), 1 + size(random) * scale, 1 + size(random) * scale);
    V expected;
    for (size_t i = 0; i < bounds.size(); ++i) {
      const QRect& b = bounds[i];
      if (b.width() > 0 && b.height() > 0 && b.left() < area.left() + area.width() &&
          area.left() < b.left() + b.width() && b.top() < area.top() + area.height() &&
          area.top() < b.top() + b.height())
        expected.push_back(widgets[i].get());
    }
    ASSERT_EQ(Meeting(area), expected) << "query " << q;
  }
}

}  // namespace
