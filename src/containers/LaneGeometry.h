#pragma once
#include <QPoint>
#include <QRect>
#include <cstddef>
#include <vector>

// The lanes of a pool as boxes (canvas pixels), in order across the pool: top to bottom for rows,
// left to right for columns. Lanes share the pool's length (its width for rows, its height for
// columns) and follow each other without gaps; every edit gives the new box of every lane. A lane's
// title keeps its place at the lane's top-left corner; what else the lane holds moves only as the
// lane moves across the pool (ContentShift), never as it grows.
namespace containers {

// A new lane's size: length along the pool, breadth across it.
constexpr int kLaneLength = 640;
constexpr int kLaneBreadth = 150;
// How many lanes a pool is made with, at least and at most.
constexpr int kMinLanes = 2;
constexpr int kMaxLanes = 12;

// A new pool of `count` lanes centred on the point.
std::vector<QRect> NewPool(QPoint centre, int count, bool rows);
// The lanes and one more after the last, as broad as the last.
std::vector<QRect> WithLaneAdded(const std::vector<QRect>& lanes, bool rows);
// The lanes without the one at `index`; those after it close the gap.
std::vector<QRect> WithLaneRemoved(const std::vector<QRect>& lanes, size_t index, bool rows);
// Each lane's box once the lane at `from` is taken to place `to` (Move Lane Up: to = from - 1);
// the answer is in the lanes' present order, each lane keeping its breadth.
std::vector<QRect> Reordered(const std::vector<QRect>& lanes, size_t from, size_t to, bool rows);
// Each lane's box once the lane at `index` is resized to `box`: every lane takes its length, the
// lanes after follow its far edge and those before its near edge.
std::vector<QRect> Resized(const std::vector<QRect>& lanes, size_t index, const QRect& box, bool rows);
// Each lane's box once the lane at `index` holds the shape's box with the margin around it (the
// lanes unchanged when it already holds it).
std::vector<QRect> Fitted(const std::vector<QRect>& lanes, size_t index, const QRect& shape, bool rows);
// How far what a lane holds moves when the lane's box changes from `before` to `after`: as far
// as the lane moved across the pool when it kept its breadth, not at all when it was resized.
QPoint ContentShift(const QRect& before, const QRect& after, bool rows);
// The lane a box belongs to: the one holding its centre; -1 for none.
int LaneAt(const std::vector<QRect>& lanes, const QRect& box);

}  // namespace containers
