#include "TextArea.h"

#include <algorithm>
#include <cmath>

namespace semantics {

namespace {

// Round half to even, as everything else the platform works out in floating point.
int Nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

// The box less (dx, dy) on each side, at least one pixel each way about its centre.
QRect Inset(const QRect& box, int dx, int dy) {
  int w = box.width() - 2 * dx, h = box.height() - 2 * dy;
  int x = box.x() + dx, y = box.y() + dy;
  if (w < 1) {
    x = box.x() + box.width() / 2;
    w = 1;
  }
  if (h < 1) {
    y = box.y() + box.height() / 2;
    h = 1;
  }
  return QRect(x, y, w, h);
}

// How far in from the box's sides the inscribed box of its ellipse lies: (1 - 1/sqrt 2) / 2 of
// the width and of the height.
constexpr double kEllipseInset = (1.0 - 0.70710678118654752) / 2.0;
// The 45-degree point of a corner arc of radius r lies r (1 - 1/sqrt 2) in from both sides.
constexpr double kArcInset = 1.0 - 0.70710678118654752;

}  // namespace

QRect InnerTextBox(ItemKind kind, const QRect& box) {
  const int w = box.width(), h = box.height();
  switch (kind) {
    case ItemKind::Process:
      return Inset(box, Nearest(w / 4 * kArcInset) + kBoxTextMargin, Nearest(h / 4 * kArcInset) + kBoxTextMargin);
    case ItemKind::Ellipse:
      return Inset(box, Nearest(w * kEllipseInset) + kInscribedTextMargin,
                   Nearest(h * kEllipseInset) + kInscribedTextMargin);
    case ItemKind::Start:
    case ItemKind::End: {
      // The mark's circle: centred, its radius 2 short of half the smaller side; the end mark's
      // inner ring lies 3 further in.
      const int r = std::min(w / 2, h / 2) - 2 - (kind == ItemKind::End ? 3 : 0);
      const int half = std::max(Nearest(r / 1.4142135623730951) - kInscribedTextMargin, 0);
      const int cx = box.x() + w / 2, cy = box.y() + h / 2;
      return QRect(cx - half, cy - half, std::max(2 * half, 1), std::max(2 * half, 1));
    }
    case ItemKind::Decision:
      return Inset(box, w / 4 + kInscribedTextMargin, h / 4 + kInscribedTextMargin);
    case ItemKind::Rectangle:
    case ItemKind::Label:
    case ItemKind::Line:
    case ItemKind::Arrow:
      break;
  }
  return Inset(box, kBoxTextMargin, kBoxTextMargin);
}

QRect ShapeTextBox(ItemKind kind, const QRect& box, int textHeight) {
  const QRect inner = InnerTextBox(kind, box);
  const int h = std::max(textHeight, 1);
  int top = inner.y() + (inner.height() - h) / 2;
  top = std::max(top, box.y());
  const int bottom = std::min(top + h, box.y() + box.height());
  return QRect(inner.x(), top, inner.width(), std::max(bottom - top, 1));
}

namespace {
// The box with its smaller side `grow` pixels longer on each side of its centre.
QRect Grown(const QRect& box, int grow) {
  const int side = std::min(box.width(), box.height()) + 2 * grow;
  const int dw = std::max(side - box.width() + 1, 0) / 2, dh = std::max(side - box.height() + 1, 0) / 2;
  return box.adjusted(-dw, -dh, dw, dh);
}
}  // namespace

QRect MarkBoxForText(ItemKind kind, const QRect& box, const std::function<bool(const QRect& inner)>& fits,
                     int maxSide) {
  if (kind != ItemKind::Start && kind != ItemKind::End) return box;
  auto holds = [&](int grow) { return fits(InnerTextBox(kind, Grown(box, grow))); };
  if (holds(0)) return box;
  const int most = std::max((maxSide - std::min(box.width(), box.height())) / 2, 0);
  // A longer text never fits a smaller circle: double the growth until it fits, then halve
  // the step back to the least that does.
  int low = 0, high = 1;
  while (high < most && !holds(high)) {
    low = high;
    high = std::min(2 * high, most);
  }
  if (high >= most) high = most;
  while (high - low > 1) {
    const int middle = low + (high - low) / 2;
    if (holds(middle)) high = middle;
    else low = middle;
  }
  // Grown near the canvas's corner, it grows away from the edge rather than beyond it.
  QRect grown = Grown(box, high);
  const int left = std::min(box.left(), 0), top = std::min(box.top(), 0);
  grown.translate(std::max(left - grown.left(), 0), std::max(top - grown.top(), 0));
  return grown;
}

}  // namespace semantics
