#include "StraightConnector.h"

#include <algorithm>
#include <cstdlib>

#include "ArrowHeads.h"
#include "ConnectorGeometry.h"
#include "RouteFigures.h"
#include "SidePoints.h"

namespace connectors {

namespace {

int Mid(int a, int b) { return static_cast<int>((int64_t{a} + b) >> 1); }

// Along a row (or column) at `at`: from the first shape's side facing the second to the second's
// side facing the first.
StraightEnds Across(const Figure& from, const Figure& to, bool row, int at, bool forward) {
  const auto f = OutlineSpanAt(from.kind, from.box, row, at), t = OutlineSpanAt(to.kind, to.box, row, at);
  const int a = geom::Nearest(forward ? f.second : f.first), b = geom::Nearest(forward ? t.first : t.second);
  return row ? StraightEnds{{a, at}, {b, at}} : StraightEnds{{at, a}, {at, b}};
}

}  // namespace

StraightEnds StraightBetween(const Figure& from, const Figure& to) {
  const auto [fy0, fy1] = OutlineExtent(from.kind, from.box, true);
  const auto [ty0, ty1] = OutlineExtent(to.kind, to.box, true);
  const auto [fx0, fx1] = OutlineExtent(from.kind, from.box, false);
  const auto [tx0, tx1] = OutlineExtent(to.kind, to.box, false);
  const int oy0 = std::max(fy0, ty0), oy1 = std::min(fy1, ty1), ox0 = std::max(fx0, tx0), ox1 = std::min(fx1, tx1);
  const bool overlapY = oy0 < oy1, overlapX = ox0 < ox1;
  // Centres, doubled to stay whole.
  const int64_t dcx = (int64_t{tx0} + tx1) - (int64_t{fx0} + fx1), dcy = (int64_t{ty0} + ty1) - (int64_t{fy0} + fy1);
  if (overlapY && (!overlapX || std::abs(dcx) >= std::abs(dcy))) return Across(from, to, true, Mid(oy0, oy1), dcx >= 0);
  if (overlapX) return Across(from, to, false, Mid(ox0, ox1), dcy >= 0);
  const int gapX = std::max(tx0 - fx1, fx0 - tx1), gapY = std::max(ty0 - fy1, fy0 - ty1);
  Side side;
  if (gapX > gapY) side = dcx >= 0 ? Side::Right : Side::Left;
  else side = dcy >= 0 ? Side::Bottom : Side::Top;
  return {AttachPoint(from.kind, from.box, side).point, AttachPoint(to.kind, to.box, Opposite(side)).point};
}

StraightConnector RebuildStraight(const Figure& connector, const Figure& tail, const Figure& head,
                                  const geom::ArrowStyle& style) {
  const StraightEnds ends = StraightBetween(tail, head);
  const bool arrow = connector.kind == FigureKind::Arrow;
  const int drawn = arrow ? ArrowCross(style) : std::max(kLineCross, style.lineWidth + 2);
  Figure f = RunFigure(connector.kind, ends.from, ends.to, drawn);
  const Course before = CourseOf(connector.direction), now = CourseOf(f.direction);
  if (now == before) {
    // The thickness across a course that stays, where it holds the head.
    const int kept = now == Course::Horizontal ? connector.box.height() : connector.box.width();
    if ((now == Course::Horizontal || now == Course::Vertical) && kept > drawn)
      f = RunFigure(connector.kind, ends.from, ends.to, kept);
    f.direction = connector.direction;
  }
  f.id = connector.id;
  f.stacking = connector.stacking;
  if (!arrow) {
    f.heads = connector.heads;
    return {f, style};
  }
  if (connector.heads == apBoth) f.heads = apBoth;
  return {f, FitHead(f, style)};
}

}  // namespace connectors
