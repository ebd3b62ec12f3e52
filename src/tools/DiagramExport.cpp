#include "DiagramExport.h"

#include <cmath>
#include <optional>

#include "DiagramPicture.h"
#include "Errors.h"
#include "ExportFormat.h"
#include "ExportPicture.h"

namespace diagramexport {

namespace {

[[noreturn]] void Fail(const QString& message) { throw EKedrinError(message); }

QSize PictureSize(std::span<const TCustomKDTool* const> figures, const Options& o) {
  if (!(o.scale > 0.0) || o.scale > 64.0) Fail(QStringLiteral("The scale must be above 0 and at most 64"));
  if (o.width < 0 || o.height < 0) Fail(QStringLiteral("The width and height must be positive"));
  if (o.margin < 0) Fail(QStringLiteral("The margin must be 0 or more"));
  const QSize extent = Extent(figures);
  const double margins = 2.0 * o.margin;
  const double w = o.width ? o.width : std::ceil((extent.width() + margins) * o.scale);
  const double h = o.height ? o.height : std::ceil((extent.height() + margins) * o.scale);
  const QString problem = PictureSizeProblem(w, h);
  if (!problem.isEmpty()) Fail(problem + QStringLiteral("; choose a smaller --scale, --width or --height"));
  return QSize(static_cast<int>(w), static_cast<int>(h));
}

}  // namespace

QSize Extent(std::span<const TCustomKDTool* const> figures) { return PictureExtent(exporting::kDefaultCanvas, figures); }

void Export(std::span<const TCustomKDTool* const> figures, const QString& fileName, const Options& options) {
  const std::optional<exporting::Format> format = exporting::FormatOfName(fileName);
  if (!format)
    Fail(QStringLiteral("Cannot export to %1: the name must end in .bmp, .jpg, .png, .svg, .pdf, .mmd or .gv")
             .arg(fileName));
  exporting::PicturePlan plan;
  if (exporting::IsText(*format)) {
    plan.figures.assign(figures.begin(), figures.end());
    return exporting::WriteExport(plan, *format, fileName);
  }
  plan.size = PictureSize(figures, options);
  plan.origin = QPoint(-options.margin, -options.margin);
  plan.scale = options.scale;
  plan.figures.assign(figures.begin(), figures.end());
  plan.smooth = options.smooth && exporting::CanBeSmooth(*format);
  exporting::WriteExport(plan, *format, fileName);
}

}  // namespace diagramexport
