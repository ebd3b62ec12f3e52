#pragma once
#include <QRect>
#include <cstddef>
#include <span>
#include <vector>

// The order a reader takes boxes on a page: rows from the top down, each row from left to right.
namespace find {

// The indices of the boxes in reading order. The highest box not yet placed (of two at the same
// top, the one further left) opens a row; the row takes every box not yet placed whose vertical
// middle lies within the opening box's height (so texts of one line and of two lines on boxes
// side by side are one row); a row is read by the boxes' left edges. Boxes at the same place keep
// their order in the input (pass them bottom first). Boxes of negative width or height span both
// ways from their corner.
std::vector<size_t> ReadingOrder(std::span<const QRect> boxes);

}  // namespace find
