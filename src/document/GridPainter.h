#pragma once
#include <QRect>

class QPainter;

// The grid as dots on a canvas shown at a zoom, when View > Show Grid is on: drawn beneath the
// figures by the canvas itself, so pictures, exports and printouts (which draw the figures only)
// never show it. Dots closer than a few screen pixels are thinned to every second, third...
// grid line, so that every dot drawn still lies on the grid.
// area: the widget pixels to paint.
void PaintCanvasGrid(QPainter& painter, const QRect& area, double zoom);
