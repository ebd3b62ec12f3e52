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

StraightEnds StraightToTips(const Figure& from, const Figure& to) {
  const StraightEnds ends = StraightBetween(from, to);
  const bool row = ends.from.y() == ends.to.y(), column = ends.from.x() == ends.to.x();
  // A slanted run already joins the side points, which on a diamond are its tips.
  if (row == column) return ends;
  // The head's diamond first: that is where an arrow points.
  for (const bool head : {true, false}) {
    const Figure& diamond = head ? to : from;
    const Figure& other = head ? from : to;
    if (diamond.kind != FigureKind::Diamond) continue;
    // Whether the diamond lies after the other shape along the run.
    const bool after = row ? (ends.to.x() >= ends.from.x()) == head : (ends.to.y() >= ends.from.y()) == head;
    const Side side = row ? (after ? Side::Left : Side::Right) : (after ? Side::Top : Side::Bottom);
    const QPoint tip = AttachPoint(FigureKind::Diamond, diamond.box, side).point;
    const QPoint& end = head ? ends.to : ends.from;
    if (end == tip) return ends;
    const int at = row ? tip.y() : tip.x();
    const auto [o0, o1] = OutlineExtent(other.kind, other.box, row);
    if (o0 < at && at < o1) return Across(from, to, row, at, row ? ends.to.x() >= ends.from.x() : ends.to.y() >= ends.from.y());
    const QPoint side2 = AttachPoint(other.kind, other.box, Opposite(side)).point;
    return head ? StraightEnds{side2, tip} : StraightEnds{tip, side2};
  }
  return ends;
}

StraightConnector RebuildStraight(const Figure& connector, const Figure& tail, const Figure& head,
                                  const geom::ArrowStyle& style, StraightRule rule) {
  const StraightEnds ends = rule == StraightRule::Tips ? StraightToTips(tail, head) : StraightBetween(tail, head);
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
