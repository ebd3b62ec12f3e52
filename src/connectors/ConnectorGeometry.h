#pragma once
#include <QPoint>
#include <QRect>
#include <cstdint>
#include <cstdlib>

#include "Figure.h"

// Lines and arrows as two end points: the ends of the course that the figure's box and direction
// give, and back from two end points to a box, a direction and the arrow heads.
namespace connectors {

// Six direction values give four courses across the box.
enum class Course : uint8_t { Horizontal, Vertical, Falling, Rising };
Course CourseOf(TArrowDirection direction);

// The ends of a course. The start is the left end, the top end of a vertical course: an arrow's
// apLeft head sits on it, apRight on the end.
struct Ends {
  QPoint start, end;
  bool operator==(const Ends&) const = default;
};
Ends EndsOf(const QRect& box, TArrowDirection direction);
inline Ends EndsOf(const Figure& connector) { return EndsOf(connector.box, connector.direction); }

inline bool HeadAtStart(TArrowPosition p) { return p == apLeft || p == apBoth; }
inline bool HeadAtEnd(TArrowPosition p) { return p == apRight || p == apBoth; }

// Two segment ends meet at a joint when they lie within this many pixels across and along: runs
// drawn by hand slightly apart still make one connector. The one rule for the meaning of a
// diagram, following and selection.
constexpr int kJointReach = 3;
inline bool JointsMeet(QPoint a, QPoint b) {
  return std::abs(a.x() - b.x()) <= kJointReach && std::abs(a.y() - b.y()) <= kJointReach;
}

// The thickness a new straight line or arrow gets across its course when drawn.
constexpr int kLineCross = 4;
constexpr int kArrowCross = 30;

// The connector with its ends moved: `start` is where the end that was its start goes, `end`
// where the other one goes. The course is chosen from the two points as a drawing drag chooses it
// (equal x: vertical, equal y: horizontal, otherwise the diagonal they lie on), and the rebuilt
// figure's ends are exactly the two points, so repeated moves never drift:
// - a diagonal's box is exactly the span of the two points;
// - a straight course keeps the box's thickness across it when it was already that course, and
//   otherwise takes the drawing thickness (4 for lines, 30 for arrows), placed so that the middle
//   of the box runs through the points; its length is exactly the distance between them;
// - two equal points give a zero-length straight course (vertical if it was vertical);
// - the direction value stays when the course stays (adBottomToBottom stays itself);
// - an arrow's heads stay on their ends: apLeft and apRight swap when the ends change order.
Figure Rebuild(const Figure& connector, QPoint start, QPoint end);

// Whether the runs a–b and c–d cross at one point inside both: not at an end, not along a common
// line.
bool RunsCross(QPoint a, QPoint b, QPoint c, QPoint d);

}  // namespace connectors
