#include "GridPainter.h"

#include <QPainter>
#include <QPolygon>

#include "GridOptions.h"
#include "GridSnap.h"
#include "ZoomMapping.h"

void PaintCanvasGrid(QPainter& painter, const QRect& area, double zoom) {
  const GridOptions& options = GridOptions::Instance();
  if (!options.ShowGrid() || area.isEmpty() || !(zoom > 0)) return;
  const int spacing = arrange::GridDotSpacing(options.GridSize(), zoom);
  // The canvas pixels under the area, one more each way for the rounding of the mapping.
  const QPoint first = zoommap::ToCanvas(QPointF(area.topLeft()), zoom) - QPoint(1, 1);
  const QPoint last = zoommap::ToCanvas(QPointF(area.bottomRight()), zoom) + QPoint(1, 1);
  QPolygon dots;
  for (int y = arrange::GridLineAtOrAfter(first.y(), spacing); y <= last.y(); y += spacing) {
    const int wy = zoommap::ToWidget(y, zoom);
    for (int x = arrange::GridLineAtOrAfter(first.x(), spacing); x <= last.x(); x += spacing)
      dots << QPoint(zoommap::ToWidget(x, zoom), wy);
  }
  painter.save();
  painter.setPen(QPen(QColor(150, 150, 150), 1));
  painter.drawPoints(dots);
  painter.restore();
}
