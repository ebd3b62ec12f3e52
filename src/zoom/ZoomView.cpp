#include "ZoomView.h"

#include <QScrollBar>
#include <QStyle>
#include <cmath>

#include "CustomKDTool.h"
#include "TScrollBox.h"
#include "ZoomMapping.h"

namespace zoomview {

int PercentOf(const TScrollBox& box) {
  return static_cast<int>(std::lround(box.Surface()->Zoom() * 100));
}

QPointF CanvasPointAt(const TScrollBox& box, QPoint viewportPoint) {
  const TCanvasSurface* surface = box.Surface();
  const QPointF onSurface = QPointF(viewportPoint - surface->pos());
  return onSurface / surface->Zoom();
}

void ScrollCanvasPointTo(TScrollBox& box, QPointF canvasPoint, QPoint viewportPoint) {
  const double zoom = box.Surface()->Zoom();
  // The scroll bars' value is the surface's offset in the visible area.
  const QPointF wanted = canvasPoint * zoom - QPointF(viewportPoint);
  box.horizontalScrollBar()->setValue(static_cast<int>(std::lround(wanted.x())));
  box.verticalScrollBar()->setValue(static_cast<int>(std::lround(wanted.y())));
}

void ZoomAbout(TScrollBox& box, int percent, QPoint viewportPoint) {
  percent = zoommap::ClampPercent(percent);
  if (percent == PercentOf(box)) return;
  const QPointF fixed = CanvasPointAt(box, viewportPoint);
  box.Surface()->SetZoom(percent / 100.0);
  ScrollCanvasPointTo(box, fixed, viewportPoint);
}

void ZoomKeepingCentre(TScrollBox& box, int percent) {
  ZoomAbout(box, percent, box.viewport()->rect().center());
}

QRect DiagramBounds(const TScrollBox& box) {
  // The figures are the controls of the canvas's content layer, not child objects of the widget.
  QRect bounds;
  for (TCustomControl* control : box.Surface()->Content().Controls())
    if (dynamic_cast<const TCustomKDTool*>(control)) bounds |= control->BoundsRect();
  return bounds;
}

QRect VisibleCanvas(const TScrollBox& box) {
  const double zoom = box.Surface()->Zoom();
  const QPoint topLeft = zoommap::ToCanvas(QPointF(-box.Surface()->pos()), zoom);
  const QSize view = box.viewport()->size();
  return QRect(topLeft, QSize(static_cast<int>(std::ceil(view.width() / zoom)),
                              static_cast<int>(std::ceil(view.height() / zoom))));
}

void FitDiagram(TScrollBox& box, bool widthOnly) {
  const QRect diagram = DiagramBounds(box);
  if (diagram.isEmpty()) {
    ZoomKeepingCentre(box, 100);
    return;
  }
  // A little room around the figures, and room for the scroll bars the canvas may still need.
  constexpr int kMargin = 8;
  const int bar = box.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &box);
  const QSize view = box.maximumViewportSize() - QSize(bar + 2 * kMargin, bar + 2 * kMargin);
  const int percent = zoommap::FitPercent(diagram.size(), view.expandedTo(QSize(1, 1)), !widthOnly);
  box.Surface()->SetZoom(percent / 100.0);
  ScrollCanvasPointTo(box, QPointF(diagram.topLeft()), QPoint(kMargin, kMargin));
}

}  // namespace zoomview
