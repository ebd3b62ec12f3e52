#include "ArrowHeads.h"

#include <algorithm>
#include <cstdlib>

#include "ConnectorGeometry.h"

namespace connectors {

ArrowRates HeadRates(int lineWidth, int shaftLength) {
  if (lineWidth <= 0) return {};  // no pen: the head collapses onto its tip whatever the rates
  ArrowRates rates{std::max(3, (10 + lineWidth - 1) / lineWidth), 1};
  const int64_t length = int64_t{rates.thicknessRate} * lineWidth * rates.headLengthRate;
  const int64_t shaft = std::abs(int64_t{shaftLength});
  if (shaft < 2 * length) rates.thicknessRate = static_cast<int>(std::max<int64_t>(1, shaft / (2 * lineWidth)));
  return rates;
}

geom::ArrowHead HeadOf(const Figure& arrow, const geom::ArrowStyle& style, bool atEnd) {
  const int w = arrow.box.width(), h = arrow.box.height();
  // In the figure's own pixels, as it paints, so that rounding is exactly the drawn one.
  const geom::ShaftPoints p = geom::ArrowShaft(arrow.direction, 0, 0, w, h);
  geom::ArrowHead head = geom::CalcArrowHead(p.start, p.end, atEnd ? p.endTip : p.startTip, atEnd,
                                             arrow.direction, 0, 0, w, h, style);
  const QPoint o = arrow.box.topLeft();
  for (QPoint* q : {&head.tip, &head.corner1, &head.corner2, &head.base, &head.shaftStart, &head.shaftEnd}) *q += o;
  return head;
}

bool HeadInside(const geom::ArrowHead& head, const QRect& box, int lineWidth) {
  const int l = box.x(), t = box.y(), r = box.x() + box.width(), b = box.y() + box.height();
  auto within = [&](QPoint p, int inset) {
    return p.x() >= l + inset && p.x() <= r - inset && p.y() >= t + inset && p.y() <= b - inset;
  };
  const int inset = std::max(0, lineWidth) / 2;
  return within(head.tip, 0) && within(head.corner1, inset) && within(head.corner2, inset);
}

int ArrowCross(const geom::ArrowStyle& style) {
  const int64_t width = int64_t{style.thicknessRate} * std::max(0, style.lineWidth);
  const int64_t need = width + std::max(0, style.lineWidth) + 2;
  return static_cast<int>(std::clamp<int64_t>(need + (need & 1), kArrowCross, 1 << 20));
}

namespace {

bool Fits(const Figure& arrow, const geom::ArrowStyle& style) {
  if (HeadAtStart(arrow.heads) && !HeadInside(HeadOf(arrow, style, false), arrow.box, style.lineWidth)) return false;
  if (HeadAtEnd(arrow.heads) && !HeadInside(HeadOf(arrow, style, true), arrow.box, style.lineWidth)) return false;
  return true;
}

}  // namespace

geom::ArrowStyle FitHead(const Figure& arrow, const geom::ArrowStyle& style) {
  if (style.lineWidth <= 0 || Fits(arrow, style)) return style;
  const int64_t lw = style.lineWidth;
  const int64_t length = std::max<int64_t>(lw, int64_t{style.thicknessRate} * lw * std::max(1, style.headLengthRate));
  // No head wider or longer than the box shows whole.
  const int64_t roomy = int64_t{std::max(arrow.box.width(), arrow.box.height())} / lw + 1;
  // Where nothing fits (a shaft shorter than a line width's head), the least that can be drawn.
  geom::ArrowStyle best{1, 1, style.lineWidth};
  int64_t bestLength = 0;
  // Beyond a length rate of 64 (under a degree at the tip) a head is a needle either way.
  for (int lengthRate = std::max(1, style.headLengthRate); lengthRate <= 64; ++lengthRate) {
    const int64_t asLong = length / (lengthRate * lw);
    if (!Fits(arrow, {1, lengthRate, style.lineWidth})) continue;
    // Even the narrowest head of this shape is longer than the given one: only a needle fits
    // at this angle, the shortest that does.
    if (asLong < 1) {
      if (bestLength > 0) break;
      return {1, lengthRate, style.lineWidth};
    }
    int64_t lo = 1, hi = std::min({asLong, int64_t{std::max(1, style.thicknessRate)}, roomy});
    // The widest that fits: a smaller head of the same shape lies within a larger one.
    while (lo < hi) {
      const int64_t mid = (lo + hi + 1) / 2;
      if (Fits(arrow, {static_cast<int>(mid), lengthRate, style.lineWidth})) lo = mid;
      else hi = mid - 1;
    }
    const geom::ArrowStyle fitted{static_cast<int>(lo), lengthRate, style.lineWidth};
    // The widest shape whose head keeps half its length; failing that the longest head.
    const int64_t got = lo * lengthRate * lw;
    if (2 * got >= length) return fitted;
    if (got > bestLength) {
      bestLength = got;
      best = fitted;
    }
  }
  return best;
}

}  // namespace connectors
