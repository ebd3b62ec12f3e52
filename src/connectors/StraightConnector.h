#pragma once
#include <QPoint>
#include <cstdint>

#include "Figure.h"
#include "ShapeGeometry.h"

// A straight line or arrow attached to two shapes, laid anew when either moves or changes size.
namespace connectors {

struct StraightEnds {
  QPoint from, to;  // on the first shape's outline and on the second's
  bool operator==(const StraightEnds&) const = default;
};

// Where a straight connector between two closed shapes runs:
// - while their outlines overlap vertically (by more than a point), horizontally along the middle
//   row of the overlap (rounded down), between the facing sides' outlines on that row;
// - otherwise, while they overlap horizontally, vertically along the middle column;
// - otherwise diagonally between the facing side points (AttachPoint): left and right sides when
//   the boxes lie farther apart across than up and down, else top and bottom.
// Overlapping both ways (the shapes meet), the axis with the greater distance between their
// centres wins. Points on curved outlines are rounded to the nearer pixel.
StraightEnds StraightBetween(const Figure& from, const Figure& to);

// As StraightBetween, but a level or upright run never meets a diamond on a slanted edge: it runs
// along the diamond's tip's row or column instead where the other shape's outline reaches it, and
// otherwise straight from the other shape's facing side point to the tip. Used where connectors
// follow their shapes, so that a head into a decision enters at a vertex after any move.
StraightEnds StraightToTips(const Figure& from, const Figure& to);

// Which of the two rules a rebuilt connector follows.
enum class StraightRule : uint8_t { Overlap, Tips };

struct StraightConnector {
  Figure figure;
  geom::ArrowStyle style;  // the arrow's head as it shows whole (FitHead); a line's as given
};

// The connector (a line or an arrow) laid between the shape at its tail and the shape its head
// enters: its ends are exactly StraightBetween(tail, head). An arrow with one head gets it on the
// end at `head`; one with two keeps both. A course that stays keeps its direction value and its
// thickness where that holds the head; a new straight course is as thick as a new one drawn
// (thicker for a head that needs it). A head that would not show whole in the rebuilt box (a
// diagonal too shallow or too short for it) is drawn with the style returned, the same head made
// smaller or slimmer, so that it always shows along its shaft.
StraightConnector RebuildStraight(const Figure& connector, const Figure& tail, const Figure& head,
                                  const geom::ArrowStyle& style, StraightRule rule = StraightRule::Overlap);

}  // namespace connectors
