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

void Check(const Options& o) {
  if (!(o.scale > 0.0) || o.scale > 64.0) Fail(QStringLiteral("The scale must be above 0 and at most 64"));
  if (o.width < 0 || o.height < 0) Fail(QStringLiteral("The width and height must be positive"));
  if (o.margin < 0) Fail(QStringLiteral("The margin must be 0 or more"));
}

}  // namespace

QRect Area(std::span<const TCustomKDTool* const> figures, bool crop) {
  if (!crop) return QRect(QPoint(0, 0), PictureExtent(exporting::kDefaultCanvas, figures));
  const QRect box = exporting::FiguresBox(figures);
  return box.isEmpty() ? QRect(QPoint(0, 0), exporting::kDefaultCanvas) : box;
}

Written Export(std::span<const TCustomKDTool* const> figures, const QString& fileName, const Options& options) {
  const std::optional<exporting::Format> format = exporting::FormatOfName(fileName);
  if (!format)
    Fail(QStringLiteral("Cannot export to %1: the name must end in .bmp, .jpg, .png, .svg, .pdf, .mmd or .gv")
             .arg(fileName));
  exporting::PicturePlan plan;
  plan.figures.assign(figures.begin(), figures.end());
  if (exporting::IsText(*format)) {
    exporting::WriteExport(plan, *format, fileName);
    return {};
  }
  Check(options);
  const QRect area = Area(figures, options.crop);
  const double margins = 2.0 * options.margin;
  const double w = options.width ? options.width : std::ceil((area.width() + margins) * options.scale);
  const double h = options.height ? options.height : std::ceil((area.height() + margins) * options.scale);
  // Too large a picture is drawn smaller as a whole, as Graphviz does, rather than not at all.
  const double f = FitFactor(w, h);
  if (f <= 0.0) Fail(PictureSizeProblem(w, h));
  Written written{QSizeF(w, h), QSize(static_cast<int>(std::ceil(w * f)), static_cast<int>(std::ceil(h * f))), f};
  plan.size = written.size;
  plan.origin = area.topLeft() - QPoint(options.margin, options.margin);
  plan.scale = options.scale * f;
  plan.fitted = f;
  plan.smooth = options.smooth && exporting::CanBeSmooth(*format);
  exporting::WriteExport(plan, *format, fileName);
  return written;
}

}  // namespace diagramexport
