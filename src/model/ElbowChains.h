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
// near an outline before deep inside one, then the topmost; `self` is never its own shape. Deep
// inside a container (a rectangle wholly enclosing another shape) is in none of it.
std::optional<Figure> OwnerNear(QPoint p, const FigureQuery& query, FigureId self = nullptr);

// The side of the shape whose point (AttachPoint) lies nearest p; the first in order on a tie.
Side NearestSide(const Figure& shape, QPoint p);

// The chain that begins with `first`, a line or arrow whose end at `attached` lies on a closed
// shape: followed from its other end through the one line or arrow starting there (within
// kJointReach pixels across and along: JointsMeet, the rule the meaning module joins segments by),
// and on, to an end on another closed shape. Runs drawn by
// hand slightly askew or apart count: routed anew they come out square and joined exactly. Where
// several segments start at one point, the chain goes on through the one ChooseAtFork picks
// (ForkChoice.h) of those that trace on to a chain. None
// when an end meets no segment and no shape, or no way on at a fork, when the chain runs over
// kMaxChain segments, when it ends on the shape it left, or when it is not lines with one arrow at
// one of its ends heading into its shape (the chain is then given from the other shape to it).
constexpr int kMaxChain = 8;

std::optional<ElbowChain> TraceChain(const Figure& first, QPoint attached, const FigureQuery& query);

}  // namespace connectors
