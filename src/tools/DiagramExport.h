#pragma once
#include <QSize>
#include <QString>
#include <span>

class TCustomKDTool;

// Pictures of a diagram made without a document window, through the editor's export pipeline. At
// scale 1 and the default size every raster format holds exactly the editor's picture of a
// canvas of that size; .svg and .pdf show the same drawing as paths and text.
namespace diagramexport {

struct Options {
  int width = 0;  // picture size in pixels (PDF: points); 0: the diagram's extent times the scale
  int height = 0;
  double scale = 1.0;  // picture pixels per canvas pixel
  int margin = 0;      // canvas pixels around the diagram on every side
  bool smooth = false;  // .png, .svg and .pdf drawn antialiased; the rest stays exact
};

// The default canvas (684 x 449), or larger where figures reach further right or down.
QSize Extent(std::span<const TCustomKDTool* const> figures);

// Writes the picture in the format its extension names (.bmp, .jpg, .png, .svg, .pdf, in any
// letter case), or the flowchart the figures draw as Mermaid (.mmd) or DOT (.gv) text. Throws EKedrinError for an unknown format, an unusable size or margin, or a file
// that cannot be written (an earlier file of the name then stays as it was).
void Export(std::span<const TCustomKDTool* const> figures, const QString& fileName, const Options& options);

}  // namespace diagramexport
