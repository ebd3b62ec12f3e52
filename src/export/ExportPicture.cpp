#include "ExportPicture.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <unordered_set>

#include "CustomKDTool.h"
#include "ChartText.h"
#include "DiagramPicture.h"
#include "DrawioFile.h"
#include "Errors.h"
#include "FigureGraph.h"
#include "FigureValues.h"
#include "PictureFiles.h"
#include "Parallel.h"
#include "PictureColours.h"
#include "PngEncoder.h"
#include "SvgFonts.h"
#include "WholeFile.h"

namespace exporting {

namespace {

[[noreturn]] void Fail(const QString& message) { throw EKedrinError(message); }

void DrawPlan(QPainter& painter, const PicturePlan& plan) {
  if (!plan.transparent) painter.fillRect(QRect(QPoint(0, 0), plan.size), Qt::white);
  // Set before the figures' canvas is made on the painter: the canvas draws smoothly then.
  if (plan.smooth) painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
  painter.scale(plan.scale, plan.scale);
  painter.translate(-plan.origin);  // hatches anchored at the canvas corner, as in pixels
  DrawFigures(painter, plan.figures);
}

}  // namespace

QRect FiguresBox(std::span<const TCustomKDTool* const> figures) {
  QRect box;
  for (const TCustomKDTool* f : figures) box |= QRect(f->Left(), f->Top(), std::max(1, f->Width()), std::max(1, f->Height()));
  return box;
}

QRect ExportArea(std::span<const TCustomKDTool* const> all, std::span<const TCustomKDTool* const> selected,
                 Scope scope) {
  if (scope == Scope::Selection) return FiguresBox(selected);
  // Cropped to the figures: no blank canvas beside a small chart.
  const QRect box = FiguresBox(all);
  return box.isEmpty() ? QRect(QPoint(0, 0), kDefaultCanvas) : box;
}

PicturePlan PlanExport(std::span<const TCustomKDTool* const> all, std::span<const TCustomKDTool* const> selected,
                       const ExportOptions& options) {
  if (options.scalePercent < kMinScalePercent || options.scalePercent > kMaxScalePercent)
    Fail(QCoreApplication::translate("ExportPicture", "The scale must be from %1 % to %2 %").arg(kMinScalePercent).arg(kMaxScalePercent));
  if (options.margin < 0) Fail(QCoreApplication::translate("ExportPicture", "The margin must be 0 or more"));
  const QRect area = ExportArea(all, selected, options.scope);
  if (area.isEmpty()) Fail(QCoreApplication::translate("ExportPicture", "There is no selected figure to export"));
  PicturePlan plan;
  // The margin widens the area on every side; the figures keep their places within it.
  plan.origin = area.topLeft() - QPoint(options.margin, options.margin);
  plan.transparent = options.transparent && options.format == Format::Png;
  plan.smooth = options.smooth && CanBeSmooth(options.format);
  const double margins = 2.0 * options.margin, scale = options.scalePercent / 100.0;
  const double w = (area.width() + margins) * scale, h = (area.height() + margins) * scale;
  // Too large a picture is drawn smaller rather than not at all, as Graphviz does.
  plan.fitted = FitFactor(std::ceil(w), std::ceil(h), options.maxPixels);
  plan.scale = scale * plan.fitted;
  plan.size = QSize(static_cast<int>(std::ceil(w * plan.fitted)), static_cast<int>(std::ceil(h * plan.fitted)));
  if (options.scope == Scope::WholeDiagram) {
    plan.figures.assign(all.begin(), all.end());
  } else {
    const std::unordered_set<const TCustomKDTool*> chosen(selected.begin(), selected.end());
    for (const TCustomKDTool* f : all)
      if (chosen.count(f)) plan.figures.push_back(f);
  }
  return plan;
}

PictureRequest RequestOf(const PicturePlan& plan) {
  PictureRequest request;
  request.size = plan.size;
  request.origin = plan.origin;
  request.scale = plan.scale;
  request.background = plan.transparent ? QColor(Qt::transparent) : QColor(Qt::white);
  request.smooth = plan.smooth;
  return request;
}

QImage RenderPlan(const PicturePlan& plan) { return RenderPicture(RequestOf(plan), plan.figures); }

bool WritePng(const PicturePlan& plan, QIODevice& device, PngLayout* layout) {
  const PictureRequest request = RequestOf(plan);
  // Bands of about 2 MB, so that each is still in the cache when it is encoded, and enough of
  // them to keep every core busy.
  const int width = std::max(1, plan.size.width()), height = std::max(1, plan.size.height());
  const int rows = std::clamp(std::min((2 << 20) / (4 * width), height / (Cores() * 4)), 8, 1024);
  const PictureBands bands(request, plan.figures, rows);
  // Smoothed edges blend colours: no palette can be known beforehand.
  return EncodePng(bands, plan.smooth ? std::vector<QRgb>() : PossibleColours(plan.figures, request.background), device,
                   layout);
}

bool WriteSvg(const PicturePlan& plan, QIODevice& device, const QString& title) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(plan.size);
  svg.setResolution(96);  // one CSS pixel per picture pixel
  svg.setViewBox(QRect(QPoint(0, 0), plan.size));
  svg.setTitle(title);
  QPainter painter;
  if (!painter.begin(&svg)) return false;
  DrawPlan(painter, plan);
  if (!painter.end()) return false;
  // The generator names one family; a viewer without it should still take a font of its kind.
  bytes = svgfonts::WithGenericFamilies(bytes, [](const QString& family) { return QFontDatabase::isFixedPitch(family); });
  return device.write(bytes) == bytes.size();
}

bool WritePdf(const PicturePlan& plan, QIODevice& device, const QString& title) {
  // One point per picture pixel, the page exactly the picture.
  QPdfWriter pdf(&device);
  pdf.setResolution(72);
  pdf.setPageSize(QPageSize(QSizeF(plan.size), QPageSize::Point, QString(), QPageSize::ExactMatch));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  pdf.setTitle(title);
  pdf.setCreator(QStringLiteral("Kedrin Tools Demo"));
  QPainter painter;
  if (!painter.begin(&pdf)) return false;
  DrawPlan(painter, plan);
  return painter.end();
}

void WriteExport(const PicturePlan& plan, Format format, const QString& fileName) {
  if (format == Format::Drawio) return drawiofiles::WriteDrawioFile(fileName, drawiofiles::ValuesOf(plan.figures));
  if (format == Format::Mermaid || format == Format::Dot)
    return flowchart::WriteChartFile(fileName, flowchart::GraphOfFigures(plan.figures),
                                     format == Format::Mermaid ? flowchart::TextFormat::Mermaid : flowchart::TextFormat::Dot);
  if (format == Format::Bmp) return picturefiles::WriteBmp(RenderPlan(plan), fileName);
  if (format == Format::Jpeg) return picturefiles::WriteJpeg(RenderPlan(plan), fileName);
  const QString title = QFileInfo(fileName).completeBaseName();
  wholefile::Write(fileName, [&](QIODevice& file) {
    if (format == Format::Png) return WritePng(plan, file);
    if (format == Format::Svg) return WriteSvg(plan, file, title);
    return WritePdf(plan, file, title);
  });
}

}  // namespace exporting
