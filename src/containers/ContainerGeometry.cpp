#include "ContainerGeometry.h"

#include <algorithm>

#include "Outline.h"

namespace containers {

QRect Around(const QRect& units) { return units.adjusted(-kMargin, -(kMargin + kTitleRoom), kMargin, kMargin); }

QRect EmptyAt(QPoint centre) {
  return {centre.x() - kEmptySize.width() / 2, centre.y() - kEmptySize.height() / 2, kEmptySize.width(),
          kEmptySize.height()};
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
