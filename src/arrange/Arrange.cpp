#include "Arrange.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

namespace arrange {

namespace {

int64_t FloorDiv(int64_t n, int64_t d) {
  int64_t q = n / d;
  if ((n % d != 0) && ((n < 0) != (d < 0))) --q;
  return q;
}

// One axis of a box: position and size.
struct Span {
  int pos, size;
};
Span SpanOf(const QRect& r, bool horizontal) {
  return horizontal ? Span{r.x(), r.width()} : Span{r.y(), r.height()};
}
void SetPos(QRect& r, bool horizontal, int pos) {
  if (horizontal) r.moveLeft(pos);
  else r.moveTop(pos);
}

}  // namespace

std::vector<QRect> Align(const std::vector<QRect>& boxes, Alignment a) {
  std::vector<QRect> out = boxes;
  if (boxes.empty()) return out;
  const bool horizontal = a == Alignment::Left || a == Alignment::Centre || a == Alignment::Right;
  int64_t lo = SpanOf(boxes[0], horizontal).pos, hi = lo + SpanOf(boxes[0], horizontal).size;
  for (const QRect& r : boxes) {
    const Span s = SpanOf(r, horizontal);
    lo = std::min<int64_t>(lo, s.pos);
    hi = std::max<int64_t>(hi, int64_t{s.pos} + s.size);
  }
  const int64_t centre = lo + FloorDiv(hi - lo, 2);
  for (QRect& r : out) {
    const Span s = SpanOf(r, horizontal);
    int64_t pos;
    switch (a) {
      case Alignment::Left:
      case Alignment::Top: pos = lo; break;
      case Alignment::Right:
      case Alignment::Bottom: pos = hi - s.size; break;
      default: pos = centre - FloorDiv(s.size, 2); break;
    }
    SetPos(r, horizontal, static_cast<int>(pos));
  }
  return out;
}

std::vector<QRect> Distribute(const std::vector<QRect>& boxes, Direction direction) {
  std::vector<QRect> out = boxes;
  const size_t n = boxes.size();
  if (n < 3) return out;
  const bool horizontal = direction == Direction::Horizontal;
  std::vector<size_t> order(n);
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return SpanOf(boxes[a], horizontal).pos < SpanOf(boxes[b], horizontal).pos;
  });
  const Span first = SpanOf(boxes[order.front()], horizontal);
  const Span last = SpanOf(boxes[order.back()], horizontal);
  int64_t sizes = 0;
  for (const QRect& r : boxes) sizes += SpanOf(r, horizontal).size;
  const int64_t room = int64_t{last.pos} + last.size - first.pos - sizes;
  const int64_t gaps = static_cast<int64_t>(n) - 1;
  const int64_t gap = FloorDiv(room, gaps);
  int64_t wider = room - gap * gaps;  // 0 <= wider < gaps: the first gaps get a pixel more
  int64_t pos = first.pos;
  for (size_t i = 0; i < n; ++i) {
    QRect& r = out[order[i]];
    SetPos(r, horizontal, static_cast<int>(pos));
    pos += SpanOf(r, horizontal).size + gap;
    if (wider > 0) {
      ++pos;
      --wider;
    }
  }
  return out;
}

std::vector<QRect> MakeSameSize(const std::vector<QRect>& boxes, Dimension d) {
  std::vector<QRect> out = boxes;
  int w = 0, h = 0;
  for (const QRect& r : boxes) {
    w = std::max(w, r.width());
    h = std::max(h, r.height());
  }
  for (QRect& r : out) {
    if (d != Dimension::Height) r.setWidth(w);
    if (d != Dimension::Width) r.setHeight(h);
  }
  return out;
}

}  // namespace arrange
