#pragma once
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <optional>

// Snapping to a square grid of canvas pixels with lines at every multiple of the grid size.
// A value goes to the nearest line, a value halfway between two to the greater one; negative
// coordinates snap exactly like positive ones (floor, never truncation toward zero).
namespace arrange {

constexpr int kMinGrid = 5;
constexpr int kMaxGrid = 100;
constexpr int kDefaultGrid = 10;

int SnapValue(int v, int grid);
// A pointer position at some zoom, mapped to canvas pixels but not yet rounded to one: snapping
// the exact position avoids rounding twice.
int SnapValue(double v, int grid);
QPoint SnapPoint(QPoint p, int grid);
QPoint SnapPoint(QPointF canvasPos, int grid);

// Drawing the grid: the spacing in canvas pixels between the dots drawn at a zoom, a multiple of
// the grid size so that every drawn dot is on the grid, thinned until dots are at least
// minScreenSpacing screen pixels apart.
int GridDotSpacing(int grid, double zoom, int minScreenSpacing = 4);
// The first grid line at or after v (for the first dot of a visible area).
int GridLineAtOrAfter(int v, int spacing);

// A move from `start` by the dragged delta: the delta that puts the moved rectangle's top-left
// corner on the grid (for a group, pass its bounding rectangle).
QPoint SnapMoveDelta(const QRect& start, QPoint delta, int grid);

// A new figure dragged from press to release: both corners on the grid, normalised.
QRect SnapNewBox(QPoint press, QPoint release, int grid);

// The eight grab handles, clockwise from the top left.
enum class Handle { TopLeft, Top, TopRight, Right, BottomRight, Bottom, BottomLeft, Left };
// The handle of a sizing hit-test code (10 left to 17 bottom right); none for any other code.
std::optional<Handle> HandleOfHitCode(int hitCode);

// A resize by a handle to the proposed bounds: the edges the handle drags go onto the grid, the
// others stay. An edge that would come nearer than minimumSize to the opposite edge goes to the
// next grid line away from it instead.
QRect SnapResize(const QRect& proposed, Handle handle, int grid, int minimumSize = 1);

}  // namespace arrange
