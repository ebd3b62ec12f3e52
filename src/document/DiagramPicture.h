#pragma once
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

#include "LineJumpDrawing.h"

class QPainter;
class TCustomKDTool;

// Beyond these a picture would not fit in memory or in a JPEG.
constexpr int kMaxPictureSide = 65500;
constexpr int64_t kMaxPicturePixels = int64_t{1} << 27;

// "A picture of W x H pixels is too large" when either side is below 1 or above
// kMaxPictureSide, or the picture has more than kMaxPicturePixels pixels; empty when it fits.
QString PictureSizeProblem(double width, double height);

// The factor, at most 1, by which a picture of width x height pixels is scaled down so that its
// sides, rounded up, stay within the limits above (or within maxPixels, when that is lower): 1
// when it fits as it is, 0 when no factor can make it fit (a side below 1).
double FitFactor(double width, double height, int64_t maxPixels = kMaxPicturePixels);

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
  bool smooth = false;               // antialiased drawing; exact pixels otherwise
  bool lineJumps = LineJumpsShown();  // hops where lines and arrows cross (LineJumpDrawing.h)
};

// A picture of figures cut into horizontal bands that can be drawn apart, on any thread, each
// band giving exactly the rows of drawing the whole picture in one pass: bands are cut only
// between rows no figure crosses (a stroke cut at a band's edge would restart its dashes there),
// so each figure is drawn whole into one band.
class PictureBands {
 public:
  // Bands of about targetRows rows (more where figures leave no row free).
  PictureBands(const PictureRequest& request, std::span<const TCustomKDTool* const> figures, int targetRows);

  QSize Size() const { return request_.size; }
  // Format_RGB32, or Format_ARGB32_Premultiplied for a background that is not opaque.
  QImage::Format Format() const;
  int Count() const { return static_cast<int>(starts_.size()); }
  int Top(int band) const { return starts_[static_cast<size_t>(band)]; }
  int Rows(int band) const;
  int MaxRows() const;
  // Draws the band into `into`: an image of Format(), the picture's width and Rows(band) rows.
  void Draw(int band, QImage& into) const;

 private:
  PictureRequest request_;
  std::vector<const TCustomKDTool*> figures_;
  std::vector<int> starts_;
  std::vector<std::vector<size_t>> members_;  // each band's figures, in drawing order
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

// Draws the figures in order, each at its Left and Top, through the painter's transformation;
// with line jumps shown, the hops over them on the background.
void DrawFigures(QPainter& painter, std::span<const TCustomKDTool* const> figures, const QColor& background = Qt::white);
