#include "PictureClipboard.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

#include "ExportPicture.h"

namespace exporting {

QMimeData* PictureMimeData(std::span<const TCustomKDTool* const> all, std::span<const TCustomKDTool* const> selected) {
  ExportOptions options;
  options.scope = selected.empty() ? Scope::WholeDiagram : Scope::Selection;
  const PicturePlan plan = PlanExport(all, selected, options);
  const QImage picture = RenderPlan(plan);
  QByteArray png = EncodePng(picture), svg;
  QBuffer buffer(&svg);
  buffer.open(QIODevice::WriteOnly);
  WriteSvg(plan, buffer, QStringLiteral("Diagram"));
  auto* data = new QMimeData;
  data->setImageData(picture);
  data->setData(QStringLiteral("image/png"), png);
  data->setData(QStringLiteral("image/svg+xml"), svg);
  return data;
}

void CopyAsPicture(std::span<const TCustomKDTool* const> all, std::span<const TCustomKDTool* const> selected) {
  QGuiApplication::clipboard()->setMimeData(PictureMimeData(all, selected));
}

}  // namespace exporting
