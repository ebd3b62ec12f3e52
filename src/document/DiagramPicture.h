#pragma once
#include <QImage>
#include <QSize>
#include <span>

class QPainter;
class TCustomKDTool;

// The picture a diagram is exported and printed as: a copy of the canvas picture, or a white
// picture of the canvas's size while the canvas has none yet, with every figure drawn on top in
// figure order at its canvas position through its DrawTo. Figures beyond the picture are cut off.
// Fails with "Not enough memory for a picture of W x H pixels" when the picture cannot be made.
QImage BuildDiagramPicture(const QImage* canvasPicture, QSize canvasSize,
                           std::span<const TCustomKDTool* const> figures);

// Draws the figures in order, each at its Left and Top, through the painter's transformation.
void DrawFigures(QPainter& painter, std::span<const TCustomKDTool* const> figures);
