#include "TKDArrow.h"

#include <algorithm>
#include <vector>

#include "Regions.h"

TKDArrow::TKDArrow(QWidget* owner) : TCustomKDTool(owner) { SetLineWidth(2); }

void TKDArrow::SetArrowThicknessRate(uint16_t value) {
  if (value == 0) return;
  thicknessRate_ = value;
  CreateHandle();
  Changed();
}

void TKDArrow::SetArrowHeadLengthRate(uint16_t value) {
  if (value == 0 || value == headLengthRate_) return;
  headLengthRate_ = value;
  CreateHandle();
  Changed();
}

void TKDArrow::SetArrowPosition(TArrowPosition value) {
  if (value == position_) return;
  position_ = value;
  CreateHandle();
  Changed();
}

void TKDArrow::SetArrowDirection(TArrowDirection value) {
  if (value == direction_) return;
  direction_ = value;
  CreateHandle();
  Changed();
}

geom::ArrowStyle TKDArrow::Style() const { return {thicknessRate_, headLengthRate_, LineWidth()}; }

geom::ArrowHead TKDArrow::CalcArrowHead(QPoint s, QPoint e, QPoint t, bool back, int x0, int y0) const {
  head_ = geom::CalcArrowHead(s, e, t, back, direction_, x0, y0, Width(), Height(), Style());
  return head_;
}

void TKDArrow::DrawArrow(Canvas& c, QPoint s, QPoint e, QPoint t, bool back, int x, int y) const {
  const QPoint offset(x, y);
  geom::ArrowHead head = CalcArrowHead(s + offset, e + offset, t + offset, back, x, y);
  geom::Segment shaft = geom::ArrowShaftLine(s + offset, e + offset, x, y, Width(), Height());
  c.MoveTo(shaft.from.x(), shaft.from.y());
  c.LineTo(shaft.to.x(), shaft.to.y());
  const QPoint tri[3] = {head.tip, head.corner1, head.corner2};
  c.Polygon(tri, 3);
}

void TKDArrow::DrawHeads(Canvas& c, int x, int y) const {
  const geom::ShaftPoints p = geom::ArrowShaft(direction_, 0, 0, Width(), Height());
  if (position_ == apLeft || position_ == apBoth) DrawArrow(c, p.start, p.end, p.startTip, false, x, y);
  if (position_ == apRight || position_ == apBoth) DrawArrow(c, p.start, p.end, p.endTip, true, x, y);
}

void TKDArrow::DrawTo(Canvas& c, int x, int y) const {
  TCustomKDTool::DrawTo(c, x, y);
  DrawHeads(c, x, y);
}

QMargins TKDArrow::ReachMargins() const {
  const std::array<QPoint, 11> points = geom::ArrowOutline(direction_, position_, Width(), Height(), Style());
  int64_t left = 0, top = 0, right = Width(), bottom = Height();
  for (const QPoint& p : points) {
    left = std::min<int64_t>(left, p.x());
    top = std::min<int64_t>(top, p.y());
    right = std::max<int64_t>(right, p.x());
    bottom = std::max<int64_t>(bottom, p.y());
  }
  auto cap = [](int64_t v) { return static_cast<int>(std::min<int64_t>(v, kMaxReach)); };
  return TCustomKDTool::ReachMargins() +
         QMargins(cap(-left), cap(-top), cap(right - Width()), cap(bottom - Height()));
}

void TKDArrow::ApplyOutline() {
  outline_ = geom::ArrowOutline(direction_, position_, Width(), Height(), Style());
  SetOutline(regions::Outline::Polygon(std::vector<QPoint>(outline_.begin(), outline_.end()),
                                       QRect(0, 0, Width(), Height())));
}

namespace {
TKDArrow& A(Persistent& p) { return static_cast<TKDArrow&>(p); }
const TKDArrow& A(const Persistent& p) { return static_cast<const TKDArrow&>(p); }

std::vector<PropertyInfo> MakeArrowProperties() {
  std::span<const PropertyInfo> base = TCustomKDTool::BaseProperties();
  std::vector<PropertyInfo> all(base.begin(), base.end());
  all.push_back({.name = "ArrowThicknessRate", .kind = PropKind::Integer,
                 .stored = StoredRule::IfNotDefault, .defaultValue = 3, .width = IntWidth::UInt16,
                 .getOrdinal = [](const Persistent& p) -> int64_t { return A(p).ArrowThicknessRate(); },
                 .setOrdinal = [](Persistent& p, int64_t v) {
                   A(p).SetArrowThicknessRate(static_cast<uint16_t>(v));
                 }});
  all.push_back({.name = "ArrowHeadLengthRate", .kind = PropKind::Integer,
                 .stored = StoredRule::IfNotDefault, .defaultValue = 2, .width = IntWidth::UInt16,
                 .getOrdinal = [](const Persistent& p) -> int64_t { return A(p).ArrowHeadLengthRate(); },
                 .setOrdinal = [](Persistent& p, int64_t v) {
                   A(p).SetArrowHeadLengthRate(static_cast<uint16_t>(v));
                 }});
  all.push_back({.name = "ArrowPosition", .kind = PropKind::Enumeration, .stored = StoredRule::Always,
                 .names = &ArrowPositionNames,
                 .getOrdinal = [](const Persistent& p) -> int64_t { return A(p).ArrowPosition(); },
                 .setOrdinal = [](Persistent& p, int64_t v) {
                   A(p).SetArrowPosition(static_cast<TArrowPosition>(v));
                 }});
  all.push_back({.name = "ArrowDirection", .kind = PropKind::Enumeration,
                 .stored = StoredRule::IfNotDefault, .defaultValue = adTopToBottom,
                 .names = &ArrowDirectionNames,
                 .getOrdinal = [](const Persistent& p) -> int64_t { return A(p).ArrowDirection(); },
                 .setOrdinal = [](Persistent& p, int64_t v) {
                   A(p).SetArrowDirection(static_cast<TArrowDirection>(v));
                 }});
  return all;
}
}  // namespace

std::span<const PropertyInfo> TKDArrow::Properties() const {
  static const std::vector<PropertyInfo> properties = MakeArrowProperties();
  return properties;
}

double TKDArrow::CourseDistance(QPointF p) const {
  return geom::DistanceToCourse(direction_, Width(), Height(), p - QPointF(Left(), Top()));
}
