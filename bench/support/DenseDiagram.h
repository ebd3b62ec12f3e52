#pragma once
#include <memory>
#include <vector>

#include "KDTools.h"

// Many small figures packed so that thousands are visible at once on a large window: the nine
// classes in turn, one per cell of cellWidth x cellHeight pixels, row by row in the given number
// of columns. Closed figures and labels fill their cell less a 6 x 6 gap; lines and arrows run
// across it. Black outlines on white fills.
std::vector<std::unique_ptr<TCustomKDTool>> MakeDenseFigures(int n, int columns, int cellWidth, int cellHeight);
