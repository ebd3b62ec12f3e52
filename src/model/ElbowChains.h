#pragma once
#include <QPoint>
#include <optional>
#include <vector>

#include "Figure.h"
#include "SidePoints.h"

// Elbow connectors as a diagram holds them: nothing but lines and one arrow whose ends meet.
// Found from geometry alone, so that charts written before there was a connector tool count too.
namespace connectors {

struct ElbowChain {
  std::vector<Figure> segments;  // source to target; all but the last are lines, the last the arrow
  Figure source, target;         // the closed shapes the first segment leaves and the arrow enters
};

// The closed shape an end at p lies on, near or in, of those the query finds around it: on or
// near an outline before deep inside one, then the topmost; `self` is never its own shape.
std::optional<Figure> OwnerNear(QPoint p, const FigureQuery& query, FigureId self = nullptr);

// The side of the shape whose point (AttachPoint) lies nearest p; the first in order on a tie.
Side NearestSide(const Figure& shape, QPoint p);

// The elbow connector `first` is a segment of, its end at `attached` lying on a closed shape, as
// the meaning module finds connectors (semantics::ConnectorOf: joints within kJointReach pixels,
// none on a shape's outline, no branch): lines with one arrow, at least two and at most kMaxChain
// segments, from one closed shape into another, given source first. Runs drawn by hand slightly
// askew or apart count: routed anew they come out square and joined exactly.
constexpr int kMaxChain = 8;
std::optional<ElbowChain> TraceChain(const Figure& first, QPoint attached, const FigureQuery& query);

}  // namespace connectors
