#include "CascadeLayout.h"

#include <algorithm>

std::vector<QRect> CascadeRects(QSize area, const std::vector<QSize>& sizes, int step) {
  step = std::max(step, 0);
  const bool room = area.width() > 0 && area.height() > 0;
  const QSize least(area.width() * 2 / 3, area.height() * 2 / 3);
  const int steps = sizes.empty() ? 0 : static_cast<int>(std::min<size_t>(sizes.size() - 1, 1 << 16)) * step;
  const QSize most = (area - QSize(steps, steps)).expandedTo(least);
  std::vector<QRect> rects;
  rects.reserve(sizes.size());
  int slot = 0;
  for (const QSize& wanted : sizes) {
    const QSize size = room ? wanted.expandedTo(least).boundedTo(most) : wanted;
    QPoint at(slot * step, slot * step);
    if (room && (at.x() + size.width() > area.width() || at.y() + size.height() > area.height())) {
      slot = 0;
      at = QPoint(0, 0);
    }
    rects.emplace_back(at, size);
    ++slot;
  }
  return rects;
}
