#pragma once
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

#include "DiagramPicture.h"
#include "ExportFormat.h"
#include "PngEncoder.h"

class QIODevice;
class TCustomKDTool;

// The export pipeline: which figures, which part of the canvas, at what size, and the writing
// of each format. It takes figures only, never a document, so exporting cannot touch a
// document's name, title or modified state.
namespace exporting {

constexpr int kMinScalePercent = 25;
constexpr int kMaxScalePercent = 400;
// The canvas a diagram is first shown on: the picture of an empty diagram, and kdltool's export
// picture (without --crop) is never smaller.
constexpr QSize kDefaultCanvas(684, 449);

enum class Scope { WholeDiagram, Selection };

struct ExportOptions {
  Format format = Format::Png;
  Scope scope = Scope::WholeDiagram;
  int scalePercent = 100;    // kMinScalePercent to kMaxScalePercent
  bool transparent = false;  // PNG only: no background behind the figures
  int margin = 0;            // canvas pixels of background around the area on every side
  bool smooth = false;       // PNG, SVG and PDF: antialiased lines, outlines and text
  int64_t maxPixels = kMaxPicturePixels;  // a larger picture is scaled down to fit
};

// What a picture shows: figures in stacking order, drawn with the canvas point `origin` at the
// picture's corner, `scale` picture pixels to a canvas pixel.
struct PicturePlan {
  std::vector<const TCustomKDTool*> figures;
  QPoint origin;
  QSize size;  // in picture pixels
  double scale = 1.0;
  bool transparent = false;
  bool smooth = false;  // drawn antialiased (PNG, SVG and PDF only)
  // Below 1 when the picture asked for would pass the size limits and was scaled down by this
  // factor to fit; `scale` and `size` are the scaled ones.
  double fitted = 1.0;
};

// The box that holds every figure whole (each at least 1 x 1); empty without figures.
QRect FiguresBox(std::span<const TCustomKDTool* const> figures);

// The canvas area an export covers: the bounding box of all figures (the default canvas for a
// diagram without any), or of the selected ones. Empty for a selection export with nothing
// selected.
QRect ExportArea(std::span<const TCustomKDTool* const> all, std::span<const TCustomKDTool* const> selected,
                 Scope scope);

// The plan for the options: the area's figures (all, or the selected ones in stacking order),
// the area grown by the margin on every side, its size scaled and rounded up; a picture that
// would pass the size limits is scaled down until it fits (`fitted`). Throws EKedrinError when
// nothing is selected for a selection export, for a scale out of range or a negative margin.
PicturePlan PlanExport(std::span<const TCustomKDTool* const> all, std::span<const TCustomKDTool* const> selected,
                       const ExportOptions& options);

// The picture's pixels: white, or transparent when the plan says so, under the figures.
QImage RenderPlan(const PicturePlan& plan);
// The same pixels as a PNG, drawn and encoded band by band on every core.
bool WritePng(const PicturePlan& plan, QIODevice& device, PngLayout* layout = nullptr);
// One-page PDF of the picture's size (a point per pixel) and an SVG of it: figures as paths,
// captions as text. False when the device refused the data.
bool WritePdf(const PicturePlan& plan, QIODevice& device, const QString& title);
bool WriteSvg(const PicturePlan& plan, QIODevice& device, const QString& title);

// Writes the file whole or not at all (an earlier file of the name stays as it was when writing
// fails). Throws wholefile::Write's errors ("Cannot create file NAME", "Cannot write file NAME:
// REASON"). Mermaid and DOT hold the graph of the plan's figures (their shapes with their texts
// and the connectors between them), not a picture.
void WriteExport(const PicturePlan& plan, Format format, const QString& fileName);

}  // namespace exporting
