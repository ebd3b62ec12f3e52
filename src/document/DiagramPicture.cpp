#include "DiagramPicture.h"

#include <QPainter>
#include <algorithm>

#include "Canvas.h"
#include "CustomKDTool.h"
#include "Errors.h"

void DrawFigures(QPainter& painter, std::span<const TCustomKDTool* const> figures) {
  Canvas canvas(&painter);
  for (const TCustomKDTool* figure : figures) figure->DrawTo(canvas, figure->Left(), figure->Top());
}

QImage BuildDiagramPicture(const QImage* canvasPicture, QSize canvasSize,
                           std::span<const TCustomKDTool* const> figures) {
  QImage picture;
  if (canvasPicture && !canvasPicture->isNull()) {
    picture = canvasPicture->copy();
  } else {
    // A canvas nobody has drawn on yet still exports its figures.
    picture = QImage(std::max(1, canvasSize.width()), std::max(1, canvasSize.height()),
                     QImage::Format_RGB32);
    picture.fill(Qt::white);
  }
  // A canvas stretched by figures far away can ask for more memory than there is.
  if (picture.isNull())
    throw EKedrinError(QStringLiteral("Not enough memory for a picture of %1 x %2 pixels")
                           .arg(canvasPicture && !canvasPicture->isNull() ? canvasPicture->width() : canvasSize.width())
                           .arg(canvasPicture && !canvasPicture->isNull() ? canvasPicture->height() : canvasSize.height()));
  QPainter painter(&picture);
  DrawFigures(painter, figures);
  return picture;
}
