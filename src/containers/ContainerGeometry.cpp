#include "ContainerGeometry.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "ItemGrid.h"
#include "Outline.h"

namespace containers {

QRect Around(const QRect& units) { return units.adjusted(-kMargin, -(kMargin + kTitleRoom), kMargin, kMargin); }

QRect EmptyAt(QPoint centre) {
  return {centre.x() - kEmptySize.width() / 2, centre.y() - kEmptySize.height() / 2, kEmptySize.width(),
          kEmptySize.height()};
}

QRect EmptyNear(QPoint centre, std::span<const semantics::Item> figures, int grid) {
  grid = std::max(1, grid);
  const auto snap = [grid](int v) { return static_cast<int>(std::lround(double(v) / grid)) * grid; };
  const QRect first = EmptyAt(centre);
  const QPoint base(std::max(0, snap(first.left())), std::max(0, snap(first.top())));
  QRect all;
  for (const semantics::Item& f : figures) all |= f.box;
  // Beyond the figures every place is free: a few hundred rings reach past them at most.
  const int reach = std::max({all.right() - base.x(), base.x() - all.left(), all.bottom() - base.y(), base.y() - all.top(), 0}) +
                    kEmptySize.width() + kEmptySize.height() + 2 * kMargin;
  const int step = grid * std::max(1, reach / (200 * grid) + 1);
  const semantics::ItemGrid index(figures);
  std::vector<const semantics::Item*> found;
  const auto freeAt = [&](QPoint corner) {
    if (corner.x() < 0 || corner.y() < 0) return false;
    found.clear();
    index.Query(QRect(corner, kEmptySize).adjusted(-kMargin, -kMargin, kMargin, kMargin), found);
    return found.empty();
  };
  std::optional<QPoint> best;
  int64_t bestDistance = 0;
  for (int ring = 0; ring * step <= reach + step; ++ring) {
    // Nothing on this ring or beyond lies nearer than what was found.
    if (best && int64_t{ring} * step * ring * step > bestDistance) break;
    // Below and right first where two places lie as near.
    for (int dy = ring; dy >= -ring; --dy)
      for (int dx = ring; dx >= -ring; --dx) {
        if (std::max(std::abs(dx), std::abs(dy)) != ring) continue;
        const QPoint corner = base + QPoint(dx, dy) * step;
        const int64_t d = int64_t{dx * step} * dx * step + int64_t{dy * step} * dy * step;
        if ((!best || d < bestDistance) && freeAt(corner)) {
          best = corner;
          bestDistance = d;
        }
      }
  }
  return QRect(best.value_or(QPoint(base.x(), std::max(base.y(), all.bottom() + 1 + kMargin))), kEmptySize);
}

QRect TitleBox(const QRect& container, QSize text) {
  const int room = std::max(1, container.width() - 2 * kTitleInset);
  // A title of several lines begins just inside the top edge, within the title band.
  return {container.left() + kTitleInset, container.top() + std::max(2, (kTitleRoom - text.height()) / 2 + 2),
          std::clamp(text.width(), 1, room), text.height()};
}

QRect ResizeLimit(const QRect& proposed, const QRect& members) {
  if (members.isEmpty()) return proposed;
  return proposed.united(members.adjusted(-kMargin, -kMargin, kMargin, kMargin));
}

const semantics::Item* DropInto(std::span<const semantics::Item> items, const semantics::Item& shape,
                                const std::unordered_set<uint64_t>& moving) {
  const semantics::Item* best = nullptr;
  auto area = [](const QRect& r) { return int64_t{r.width()} * r.height(); };
  for (const semantics::Item& r : items) {
    if (r.kind != semantics::ItemKind::Rectangle || r.id == shape.id || moving.count(r.id)) continue;
    if (r.box == shape.box || !connectors::BoxInside(shape.box, r.box)) continue;
    if (!best || area(r.box) < area(best->box) || (area(r.box) == area(best->box) && r.stacking > best->stacking))
      best = &r;
  }
  return best;
}

}  // namespace containers
