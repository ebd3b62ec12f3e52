#include "ReadingOrder.h"

#include <algorithm>
#include <cstdint>

namespace find {

namespace {

struct Extent {
  int64_t left, top, bottom;
};

Extent ExtentOf(const QRect& box) {
  const int64_t x0 = box.x(), x1 = x0 + int64_t(box.width());
  const int64_t y0 = box.y(), y1 = y0 + int64_t(box.height());
  return {std::min(x0, x1), std::min(y0, y1), std::max(y0, y1)};
}

}  // namespace

std::vector<size_t> ReadingOrder(std::span<const QRect> boxes) {
  std::vector<Extent> e;
  e.reserve(boxes.size());
  for (const QRect& b : boxes) e.push_back(ExtentOf(b));
  std::vector<size_t> byTop(boxes.size());
  for (size_t i = 0; i < byTop.size(); ++i) byTop[i] = i;
  std::stable_sort(byTop.begin(), byTop.end(), [&](size_t a, size_t b) {
    return e[a].top != e[b].top ? e[a].top < e[b].top : e[a].left < e[b].left;
  });

  std::vector<size_t> order, row;
  order.reserve(boxes.size());
  std::vector<bool> placed(boxes.size(), false);
  size_t first = 0;  // the first box by top not yet placed
  while (first < byTop.size()) {
    const Extent& head = e[byTop[first]];
    row.clear();
    // Boxes below the opening box's bottom cannot have their middle within it.
    for (size_t k = first; k < byTop.size() && e[byTop[k]].top <= head.bottom; ++k) {
      const size_t i = byTop[k];
      if (placed[i] || e[i].top + e[i].bottom > 2 * head.bottom) continue;
      placed[i] = true;
      row.push_back(i);
    }
    std::stable_sort(row.begin(), row.end(), [&](size_t a, size_t b) { return e[a].left < e[b].left; });
    // Ties at one left: by top, then input order, as byTop had them.
    order.insert(order.end(), row.begin(), row.end());
    while (first < byTop.size() && placed[byTop[first]]) ++first;
  }
  return order;
}

}  // namespace find
