#include "PictureClipboard.h"

#include <QCoreApplication>
#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMainWindow>
#include <QMimeData>
#include <QStatusBar>
#include <QWidget>
#include <memory>

#include "Errors.h"
#include "ExportPicture.h"

namespace exporting {

namespace {

QString Percent(double scale) { return QString::number(scale * 100, 'g', 3); }

// A word in the status bar of the window the user works in, for a while.
void TellStatusBar(const QString& text) {
  QWidget* from = QApplication::focusWidget();
  if (!from) from = QApplication::activeWindow();
  if (auto* window = from ? qobject_cast<QMainWindow*>(from->window()) : nullptr)
    window->statusBar()->showMessage(text, 10000);
}

}  // namespace

ClipboardPictures AddPictures(QMimeData& data, std::span<const TCustomKDTool* const> all,
                              std::span<const TCustomKDTool* const> selected) {
  ExportOptions options;
  options.scope = selected.empty() ? Scope::WholeDiagram : Scope::Selection;
  options.maxPixels = kClipboardPixels;
  ClipboardPictures result;
  try {
    const PicturePlan plan = PlanExport(all, selected, options);
    result.scale = plan.scale;
    if (plan.scale < kMinClipboardScale) {
      result.leftOut = QCoreApplication::translate("PictureClipboard", "it would have to be drawn at %1 %").arg(Percent(plan.scale));
      return result;
    }
    const QImage picture = RenderPlan(plan);
    QByteArray svg;
    QBuffer buffer(&svg);
    buffer.open(QIODevice::WriteOnly);
    if (!WriteSvg(plan, buffer, QStringLiteral("Diagram"))) throw EKedrinError(QCoreApplication::translate("PictureClipboard", "the SVG could not be made"));
    const QByteArray png = EncodePng(picture);
    data.setImageData(picture);
    data.setData(QStringLiteral("image/png"), png);
    data.setData(QStringLiteral("image/svg+xml"), svg);
  } catch (const std::bad_alloc&) {
    result.leftOut = QCoreApplication::translate("PictureClipboard", "there is not enough memory for it");
  } catch (const std::exception& e) {
    result.leftOut = QString::fromUtf8(e.what());
  }
  return result;
}

QMimeData* PictureMimeData(std::span<const TCustomKDTool* const> all, std::span<const TCustomKDTool* const> selected) {
  auto data = std::make_unique<QMimeData>();
  const ClipboardPictures pictures = AddPictures(*data, all, selected);
  if (!pictures.leftOut.isEmpty())
    TellStatusBar(QCoreApplication::translate("PictureClipboard", "Copied without a picture for other programs: %1").arg(pictures.leftOut));
  else if (pictures.scale < 1.0)
    TellStatusBar(QCoreApplication::translate("PictureClipboard", "Copied; the picture for other programs is at %1 %").arg(Percent(pictures.scale)));
  return data.release();
}

void CopyAsPicture(std::span<const TCustomKDTool* const> all, std::span<const TCustomKDTool* const> selected) {
  auto data = std::make_unique<QMimeData>();
  const ClipboardPictures pictures = AddPictures(*data, all, selected);
  if (!pictures.leftOut.isEmpty())
    throw EKedrinError(QCoreApplication::translate("PictureClipboard", "The picture cannot be copied: %1").arg(pictures.leftOut));
  if (pictures.scale < 1.0)
    TellStatusBar(QCoreApplication::translate("PictureClipboard", "The picture is copied at %1 %").arg(Percent(pictures.scale)));
  QGuiApplication::clipboard()->setMimeData(data.release());
}

}  // namespace exporting
