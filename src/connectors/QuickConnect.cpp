#include "QuickConnect.h"

#include "ZoomMapping.h"

namespace connectors {

namespace {
// The selection frame: the figure's box grown by two canvas pixels, a margin that keeps its
// screen size.
constexpr int kFrameGrowth = 2;
constexpr int kFrameMargin = 2;
}  // namespace

std::array<QRect, 4> QuickButtons(const QRect& box, double zoom) {
  const QRect frame = zoommap::ToWidget(box.adjusted(-kFrameGrowth, -kFrameGrowth, kFrameGrowth, kFrameGrowth),
                                        zoom, kFrameMargin);
  const int l = frame.x(), t = frame.y(), r = frame.x() + frame.width(), b = frame.y() + frame.height();
  // The side handles' middles, as the frame lays them out.
  const int mx = l + frame.width() / 2, my = t + frame.height() / 2;
  const int s = kQuickButtonSize, half = s / 2, g = kQuickButtonGap;
  return {QRect(mx - half, t - g - s, s, s), QRect(r + g, my - half, s, s), QRect(mx - half, b + g, s, s),
          QRect(l - g - s, my - half, s, s)};
}

std::optional<Side> QuickButtonAt(const std::array<QRect, 4>& buttons, QPoint p) {
  for (size_t i = 0; i < buttons.size(); ++i)
    if (buttons[i].contains(p)) return kSides[i];
  return std::nullopt;
}

int QuickGap(int gridStep) { return gridStep > 0 ? 4 * gridStep : kQuickGap; }

QRect QuickPlace(const QRect& box, Side direction, int gap) {
  switch (direction) {
    case Side::Top: return box.translated(0, -(box.height() + gap));
    case Side::Right: return box.translated(box.width() + gap, 0);
    case Side::Bottom: return box.translated(0, box.height() + gap);
    case Side::Left: break;
  }
  return box.translated(-(box.width() + gap), 0);
}

QPoint QuickRoom(const QRect& copy) {
  auto along = [](int start) { return start < 0 ? kQuickEdgeMargin - start : 0; };
  return {along(copy.x()), along(copy.y())};
}

}  // namespace connectors
