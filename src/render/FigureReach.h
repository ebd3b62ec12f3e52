#pragma once
#include <QRect>

#include "FigureValue.h"

namespace render {

// The area of the canvas the figure's drawing may reach: its box, the pen's width around it, an
// arrow's heads where the shaft runs close to the box's edges, the lines of a label's text that
// run below it. What a repaint of the figure must cover, and no more than 4096 pixels beyond the
// box on any side for the pen or the heads (hostile records).
QRect FigureReach(const figures::Figure& figure);

}  // namespace render
