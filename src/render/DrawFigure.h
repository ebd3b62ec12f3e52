#pragma once
#include <QPoint>

#include "Canvas.h"
#include "FigureValue.h"

namespace render {

// Draws the figure onto the canvas with its box's top-left corner at `offset` (the figure's own
// place on the canvas, or where a picture puts it). The canvas is left with the figure's pen,
// brush and font. The pixels are those every picture, printout and screen has always shown of
// such a figure, smooth or not as the canvas draws.
void DrawFigure(Canvas& canvas, const figures::Figure& figure, QPoint offset);

}  // namespace render
