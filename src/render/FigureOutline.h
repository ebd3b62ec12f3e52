#pragma once
#include <QPoint>
#include <optional>

#include "FigureValue.h"
#include "Regions.h"

namespace render {

// The clickable outline of the figure in its own box's coordinates ((0, 0) its top-left corner),
// as a region can be built from it at any zoom; none for the kinds that are clickable over their
// whole box (labels, rectangles).
std::optional<regions::Outline> FigureOutline(const figures::Figure& figure);

// Whether a press at the canvas point reaches the figure at 100 %: inside its box and its outline
// (a region that fails to build counts as none, as the platform treats it), or, for a line or an
// arrow, within the canvas's reach of its course.
bool FigureHit(const figures::Figure& figure, QPoint canvasPoint);

}  // namespace render
