#pragma once
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <span>

class TCustomKDTool;

// Pictures of a diagram made without a document window, through the editor's export pipeline. At
// scale 1 and the default size every raster format holds exactly the editor's picture of a
// canvas of that size; .svg and .pdf show the same drawing as paths and text.
namespace diagramexport {

// Canvas pixels of background around a cropped picture unless a margin is given: the Export
// dialog's own default.
constexpr int kCropMargin = 10;

struct Options {
  int width = 0;  // picture size in pixels (PDF: points); 0: the area's size times the scale
  int height = 0;
  double scale = 1.0;  // picture pixels per canvas pixel
  int margin = 0;      // canvas pixels around the area on every side
  bool smooth = false;  // .png, .svg and .pdf drawn antialiased; the rest stays exact
  bool crop = false;    // the figures' bounding box instead of the canvas from its corner
};

// The canvas area a picture shows, before the margin: from the canvas corner, the default canvas
// (684 x 449) or larger where figures reach further right or down; cropped, the figures' bounding
// box (the default canvas for a diagram without figures).
QRect Area(std::span<const TCustomKDTool* const> figures, bool crop);

// What was drawn: the picture asked for and the one written, which is smaller when the one asked
// for would pass the size limits and was scaled down by `factor` to fit.
struct Written {
  QSizeF asked;
  QSize size;
  double factor = 1.0;
};

// Writes the picture in the format its extension names (.bmp, .jpg, .png, .svg, .pdf, in any
// letter case), or the flowchart the figures draw as Mermaid (.mmd) or DOT (.gv) text. Throws
// EKedrinError for an unknown format, an unusable size or margin, or a file that cannot be written
// (an earlier file of the name then stays as it was).
Written Export(std::span<const TCustomKDTool* const> figures, const QString& fileName, const Options& options);

}  // namespace diagramexport
