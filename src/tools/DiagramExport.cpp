#include "DiagramExport.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "CustomKDTool.h"
#include "DiagramPicture.h"
#include "Errors.h"
#include "FileNames.h"
#include "PictureFiles.h"

namespace diagramexport {

namespace {

// The editor's canvas at its initial size.
constexpr int kCanvasWidth = 684;
constexpr int kCanvasHeight = 449;
// Beyond these a picture would not fit in memory or in a JPEG.
constexpr int kMaxSide = 65500;
constexpr int64_t kMaxPixels = int64_t{1} << 27;

[[noreturn]] void Fail(const QString& message) { throw EKedrinError(message); }

QSize PictureSize(std::span<const TCustomKDTool* const> figures, const Options& o) {
  if (!(o.scale > 0.0) || o.scale > 64.0) Fail(QStringLiteral("The scale must be above 0 and at most 64"));
  if (o.width < 0 || o.height < 0) Fail(QStringLiteral("The width and height must be positive"));
  const QSize extent = Extent(figures);
  const double w = o.width ? o.width : std::ceil(extent.width() * o.scale);
  const double h = o.height ? o.height : std::ceil(extent.height() * o.scale);
  if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide || w * h > static_cast<double>(kMaxPixels))
    Fail(QStringLiteral("A picture of %1 x %2 pixels is too large; choose a smaller --scale, --width or --height")
             .arg(w, 0, 'f', 0)
             .arg(h, 0, 'f', 0));
  return QSize(static_cast<int>(w), static_cast<int>(h));
}

void Draw(QPainter& painter, QSize size, std::span<const TCustomKDTool* const> figures, double scale) {
  painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
  painter.scale(scale, scale);
  DrawFigures(painter, figures);
}

QImage Raster(std::span<const TCustomKDTool* const> figures, QSize size, const Options& o) {
  // The editor's own picture whenever the tool is asked for exactly what the editor makes.
  if (o.scale == 1.0) return BuildDiagramPicture(nullptr, size, figures);
  QImage picture(size, QImage::Format_RGB32);
  QPainter painter(&picture);
  Draw(painter, size, figures, o.scale);
  return picture;
}

void Commit(QSaveFile& file, bool written, const QString& fileName) {
  if (!written || !file.commit()) Fail(QStringLiteral("Cannot create file %1").arg(fileName));
}

}  // namespace

QSize Extent(std::span<const TCustomKDTool* const> figures) {
  int64_t right = kCanvasWidth, bottom = kCanvasHeight;
  for (const TCustomKDTool* f : figures) {
    right = std::max<int64_t>(right, int64_t{f->Left()} + f->Width());
    bottom = std::max<int64_t>(bottom, int64_t{f->Top()} + f->Height());
  }
  return QSize(static_cast<int>(std::min<int64_t>(right, INT32_MAX)), static_cast<int>(std::min<int64_t>(bottom, INT32_MAX)));
}

void Export(std::span<const TCustomKDTool* const> figures, const QString& fileName, const Options& options) {
  const QString ext = filenames::Extension(fileName).toLower();
  if (ext != QLatin1String(".bmp") && ext != QLatin1String(".jpg") && ext != QLatin1String(".png") &&
      ext != QLatin1String(".svg") && ext != QLatin1String(".pdf"))
    Fail(QStringLiteral("Cannot export to %1: the name must end in .bmp, .jpg, .png, .svg or .pdf").arg(fileName));
  const QSize size = PictureSize(figures, options);

  if (ext == QLatin1String(".bmp")) return picturefiles::WriteBmp(Raster(figures, size, options), fileName);
  if (ext == QLatin1String(".jpg")) return picturefiles::WriteJpeg(Raster(figures, size, options), fileName);

  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly)) Fail(QStringLiteral("Cannot create file %1").arg(fileName));
  if (ext == QLatin1String(".png")) {
    QImageWriter writer(&file, "png");
    return Commit(file, writer.write(Raster(figures, size, options)), fileName);
  }
  if (ext == QLatin1String(".svg")) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(size);
    svg.setResolution(96);  // one CSS pixel per picture pixel
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setTitle(QFileInfo(fileName).completeBaseName());
    QPainter painter;
    if (!painter.begin(&svg)) Fail(QStringLiteral("Cannot create file %1").arg(fileName));
    Draw(painter, size, figures, options.scale);
    return Commit(file, painter.end(), fileName);
  }
  // One PDF point per picture pixel, the page exactly the picture.
  QPdfWriter pdf(&file);
  pdf.setResolution(72);
  pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point, QString(), QPageSize::ExactMatch));
  pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  pdf.setTitle(QFileInfo(fileName).completeBaseName());
  QPainter painter;
  if (!painter.begin(&pdf)) Fail(QStringLiteral("Cannot create file %1").arg(fileName));
  Draw(painter, size, figures, options.scale);
  Commit(file, painter.end(), fileName);
}

}  // namespace diagramexport
