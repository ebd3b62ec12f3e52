#pragma once
#include <QRect>
#include <QSize>
#include <vector>

// Window > Cascade: where each document window goes in the document area, bottom window first.
// Each window sits `step` pixels (a title bar) below and right of the one before. A window keeps
// its size within two limits, taken in each direction on its own: at least two thirds of the
// area, and no larger than leaves room in the area for the steps of all the windows, so that
// every title shows. When the steps alone would leave less than two thirds, they start again at
// the top left corner wherever a window would not fit whole. With no area to lay out in, sizes
// stay as they are and only the steps apply.
std::vector<QRect> CascadeRects(QSize area, const std::vector<QSize>& sizes, int step);
