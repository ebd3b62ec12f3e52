#pragma once
#include <QRect>
#include <vector>

// The Arrange commands as arithmetic on the selected figures' boxes (Left, Top, Width, Height):
// boxes in, the same boxes changed out, in the same order. Figures are never resized by align or
// distribute, nor moved by the same-size commands (they keep their top-left corner).
namespace arrange {

enum class Alignment { Left, Centre, Right, Top, Middle, Bottom };

// Aligns to the group's bounding box: its left edge, its right edge (Left + Width), or its centre.
// Centres are whole pixels, Left + Width / 2 rounded down like the figures' own side midpoints, so
// an odd-sized figure's drawn centre lies half a pixel left of (above) an even one's.
std::vector<QRect> Align(const std::vector<QRect>& boxes, Alignment alignment);

enum class Direction { Horizontal, Vertical };

// Equal gaps between neighbours. Neighbours are ordered by Left (Top); equal positions keep the
// selection's order. The first and the last of that order stay; the others keep their size and
// are placed one after the other from the first so that the gaps between neighbours are equal.
// When the free space does not divide evenly the first gaps (from the left or top) are one pixel
// wider, so the last figure keeps its place exactly. Figures that overlap give negative gaps,
// spread the same way. Fewer than three figures stay as they are.
std::vector<QRect> Distribute(const std::vector<QRect>& boxes, Direction direction);

enum class Dimension { Width, Height, Size };

// Every box as wide (high, or both) as the largest.
std::vector<QRect> MakeSameSize(const std::vector<QRect>& boxes, Dimension dimension);

}  // namespace arrange
