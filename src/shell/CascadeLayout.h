#pragma once
#include <QRect>
#include <QSize>
#include <vector>

// Window > Cascade: where each document window goes in the document area, bottom window first.
// A window keeps its size when that is at least two thirds of the area (in each direction) and
// no larger than the area; otherwise it is brought within those limits. Each window sits `step`
// pixels (a title bar) below and right of the one before, and the steps start again at the top
// left corner when a window would not fit whole. With no area to lay out in, sizes stay as they
// are and only the steps apply.
std::vector<QRect> CascadeRects(QSize area, const std::vector<QSize>& sizes, int step);
