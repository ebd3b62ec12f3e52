#include <gtest/gtest.h>

#include <random>

#include "ItemGrid.h"

namespace {

using semantics::Item;
using semantics::ItemGrid;

// The brute-force answer: boxes and area with their edges, in either direction.
bool Meets(const QRect& a, const QRect& b) {
  auto span = [](int p, int len) { return std::make_pair(std::min(p, p + len), std::max(p, p + len)); };
  const auto [ax0, ax1] = span(a.x(), a.width());
  const auto [ay0, ay1] = span(a.y(), a.height());
  const auto [bx0, bx1] = span(b.x(), b.width());
  const auto [by0, by1] = span(b.y(), b.height());
  return ax0 <= bx1 && bx0 <= ax1 && ay0 <= by1 && by0 <= ay1;
}

TEST(ItemGrid, AnswersAsACheckOfEveryItemWould) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> pos(-500, 2500), size(-40, 200);
  std::vector<Item> items(600);
  for (size_t i = 0; i < items.size(); ++i) {
    items[i].id = i + 1;
    items[i].box = QRect(pos(rng), pos(rng), size(rng), size(rng));
  }
  items[10].box = QRect(-3000, -3000, 9000, 9000);  // far more cells than one item should list
  items[11].box = QRect(300, 300, 0, 0);            // a zero-length line's box
  const ItemGrid grid(items, 32);
  std::vector<QRect> areas = {QRect(300, 300, 0, 0), QRect(-100000, -100000, 200000, 200000)};
  for (int k = 0; k < 300; ++k) areas.emplace_back(pos(rng), pos(rng), size(rng) / 4, size(rng) / 4);
  for (const QRect& area : areas) {
    std::vector<const Item*> expected, got;
    for (const Item& it : items)
      if (Meets(it.box, area)) expected.push_back(&it);
    grid.Query(area, got);
    ASSERT_EQ(got, expected) << area.x() << "," << area.y() << " " << area.width() << "x" << area.height();
  }
}

TEST(ItemGrid, AnEndOnTheRightEdgeMeetsTheBox) {
  std::vector<Item> items(1);
  items[0].box = QRect(0, 0, 64, 4);  // a line's box; its end (64, 2) is on the right edge
  const ItemGrid grid(items);
  std::vector<const Item*> got;
  grid.AsQuery()(QRect(64, 2, 0, 0), got);
  EXPECT_EQ(got.size(), 1u);
  got.clear();
  grid.AsQuery()(QRect(65, 2, 0, 0), got);
  EXPECT_TRUE(got.empty());
}

}  // namespace
