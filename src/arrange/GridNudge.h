#pragma once
#include <QPoint>

namespace arrange {

// An arrow-key step with Snap to Grid on: on each axis the step moves along, the distance from
// the figure's corner to the next grid line in the step's direction. A corner on the grid moves
// by one grid size; one between lines goes to the nearer line that way.
QPoint GridNudge(QPoint corner, QPoint step, int grid);

}  // namespace arrange
