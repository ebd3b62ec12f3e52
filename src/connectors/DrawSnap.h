#pragma once
#include <QPoint>
#include <vector>

#include "Figure.h"

namespace connectors {

// How near a closed figure's outline the press or release of a line or arrow being drawn must be
// to land on it.
constexpr int kSnapReach = 8;

struct OutlineSnap {
  QPoint point;                 // where the end goes: on the outline, or the pointer itself
  FigureId figure = nullptr;    // the figure in reach, whose outline is highlighted; none: no snap
  bool operator==(const OutlineSnap&) const = default;
};

// The end of a line or arrow being drawn at p. When p lies within reach of a closed figure's
// outline (from inside or outside) the end goes onto it: for boxes and rounded boxes the nearest
// of BoxSnapPoints (the first in their order on a tie), for ellipses, circles and diamonds the
// nearest outline point rounded to the pixel. Of several figures in reach the one whose outline
// is nearest wins, then the topmost.
OutlineSnap SnapToOutline(QPoint p, const std::vector<Figure>& candidates, double reach = kSnapReach);
// The same over the spatial query (one query around p).
OutlineSnap SnapToOutline(QPoint p, const FigureQuery& query, double reach = kSnapReach);

// The closed figure a connector drawn from or to p joins: the one whose outline is within reach
// (as SnapToOutline chooses), else the topmost whose outline holds p, so that a press anywhere on
// a shape, its text included, joins it. Never `except`; none over the empty canvas.
FigureId ShapeForEnd(QPoint p, const FigureQuery& query, FigureId except = nullptr, double reach = kSnapReach);

}  // namespace connectors
