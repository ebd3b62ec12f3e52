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

}  // namespace semantics
