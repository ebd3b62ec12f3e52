#pragma once
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <cstdint>
#include <span>

class QPainter;
class TCustomKDTool;

// Beyond these a picture would not fit in memory or in a JPEG.
constexpr int kMaxPictureSide = 65500;
constexpr int64_t kMaxPicturePixels = int64_t{1} << 27;

// "A picture of W x H pixels is too large" when either side is below 1 or above
// kMaxPictureSide, or the picture has more than kMaxPicturePixels pixels; empty when it fits.
QString PictureSizeProblem(double width, double height);

// The size that holds every figure whole: `base`, grown to the right and bottom edge of the
// farthest figure. Figures reaching left of or above the corner do not move it.
QSize PictureExtent(QSize base, std::span<const TCustomKDTool* const> figures);

// What a picture of figures shows.
struct PictureRequest {
  QSize size;                   // in picture pixels
  QPoint origin;                // the canvas point at the picture's top-left corner
  double scale = 1.0;           // picture pixels per canvas pixel
  QColor background = Qt::white;  // may be transparent: the picture then has an alpha channel
  const QImage* underlay = nullptr;  // laid under the figures at the canvas corner
};

// Draws the figures in order onto a new picture, in horizontal bands on every core; the pixels
// are exactly those of drawing them in one pass. The picture is Format_RGB32, or
// Format_ARGB32_Premultiplied with a background that is not opaque. Fails with "Not enough
// memory for a picture of W x H pixels" when the picture cannot be made.
QImage RenderPicture(const PictureRequest& request, std::span<const TCustomKDTool* const> figures);

// The picture a diagram is exported and printed as: a copy of the canvas picture, or a white
// picture of the canvas's size while the canvas has none yet, grown to hold every figure whole
// (the growth within the size limits above), with every figure drawn on top in figure order at
// its canvas position through its DrawTo.
QImage BuildDiagramPicture(const QImage* canvasPicture, QSize canvasSize,
                           std::span<const TCustomKDTool* const> figures);

// Draws the figures in order, each at its Left and Top, through the painter's transformation.
void DrawFigures(QPainter& painter, std::span<const TCustomKDTool* const> figures);
// The same, each shifted by `offset` canvas pixels.
void DrawFigures(QPainter& painter, std::span<const TCustomKDTool* const> figures, QPoint offset);
