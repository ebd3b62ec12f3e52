#pragma once
#include <QPoint>
#include <array>

#include "ShapeGeometry.h"

// The eight 5 x 5 grab handles of a selection frame, numbered clockwise from the top left, and
// the hit test over them.
namespace handles {

using Rects = std::array<geom::Box, 8>;

// Hit-test codes of handles 1 to 8: top left, top, top right, right, bottom right, bottom,
// bottom left, left.
extern const std::array<int, 8> kHitCodes;

Rects LayoutHandles(int width, int height);
// The code of the highest-numbered handle containing p (handles overlap on small frames), or 0.
int HitTest(const Rects& rects, QPoint p);

}  // namespace handles
