#pragma once
#include <QPoint>
#include <QRect>
#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "Figure.h"

// Where connectors leave and enter the closed figures: one point on each side's outline, as the
// figure draws it, with the direction pointing away from the figure there.
namespace connectors {

enum class Side : uint8_t { Top, Right, Bottom, Left };
constexpr std::array<Side, 4> kSides = {Side::Top, Side::Right, Side::Bottom, Side::Left};

Side Opposite(Side side);
// The unit step out of the side: Top (0, -1), Right (1, 0), Bottom (0, 1), Left (-1, 0).
QPoint Outward(Side side);
inline bool IsHorizontal(Side side) { return side == Side::Left || side == Side::Right; }

struct SidePoint {
  QPoint point;
  QPoint outward;
  bool operator==(const SidePoint&) const = default;
};

// The side's point: a box's or rounded box's side midpoints (Left + Width / 2 rounded down, as the
// courses use), an ellipse's extreme points, the mark's circle's extreme points (2 pixels inside
// the box), a diamond's vertices. Labels and anything else are boxes.
SidePoint AttachPoint(FigureKind kind, const QRect& box, Side side);

// The side a connector drawn from or to p (on the shape, inside it or just outside) should leave
// or enter by: of the sides whose outer quarter of the outline's extent holds p, the one p lies
// nearest to (or farthest beyond), the first in order on a tie. None for a press in the shape's
// middle, where no side is nearer in a way the user meant: the route then takes the best sides.
std::optional<Side> SideTowards(FigureKind kind, const QRect& box, QPoint p);

// The outline's extent along one axis: [top, bottom] (vertical) or [left, right] of what the figure
// draws; the mark's circle is smaller than its box.
std::pair<int, int> OutlineExtent(FigureKind kind, const QRect& box, bool vertical);

// Where a row (horizontal, at y = at) or a column (x = at) crosses the outline: the two crossings,
// lower first, in canvas pixels (not rounded). The row or column must lie within OutlineExtent.
std::pair<double, double> OutlineSpanAt(FigureKind kind, const QRect& box, bool row, int at);

}  // namespace connectors
