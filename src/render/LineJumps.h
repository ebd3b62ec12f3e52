#pragma once
#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <span>
#include <vector>

// Line jumps: where a horizontal and a vertical run of two different lines or arrows cross, the
// run drawn later (higher in the stacking order) hops over the other with a small semicircle.
// Pure geometry in canvas pixels; whoever draws maps it with its own zoom.
namespace render {

constexpr int kJumpRadius = 5;

// One straight run of a line or arrow. `figure` is the caller's number for it; a greater
// `stacking` lies above. Runs that are neither horizontal nor vertical never hop nor are hopped.
struct JumpRun {
  QPoint from, to;
  int figure = 0;
  int stacking = 0;
};

// A hop at `at` of the run `over` (the higher) across the run `under`; `horizontal`: the hopping
// run is horizontal (its arc rises above it), otherwise vertical (its arc bulges to the left).
struct Hop {
  QPoint at;
  bool horizontal = true;
  int over = 0, under = 0;  // the runs' `figure` numbers
  bool operator==(const Hop&) const = default;
};

// Every hop among the runs, ordered by the hopping run's stacking, then along it (left to right,
// top to bottom). A crossing counts only where it lies more than `radius` pixels from every end
// of both runs: a run ending on another (a joint, a T) or one whose arc would pass its own end
// makes no hop. Runs of one figure never hop over each other.
std::vector<Hop> FindHops(std::span<const JumpRun> runs, int radius = kJumpRadius);

// What drawing a hop takes: `erase` is the hopping run's straight piece under the arc, the width
// of its pen (the crossed run's pixels there with it), painted over in the background; `arc` is
// the semicircle of `radius` about the crossing from one end of that piece to the other, drawn in
// the hopping run's pen.
struct HopShape {
  QRect erase;
  QPainterPath arc;
};
HopShape ShapeOfHop(const Hop& hop, int penWidth, int radius = kJumpRadius);

}  // namespace render
