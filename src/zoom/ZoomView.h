#pragma once
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

class TScrollBox;

// Changing what a document's scroll box shows: its zoom, keeping a chosen canvas point in place,
// and fitting the diagram in view. Zooms are given in percent.
namespace zoomview {

int PercentOf(const TScrollBox& box);

// The canvas point (not rounded) under a point of the visible area.
QPointF CanvasPointAt(const TScrollBox& box, QPoint viewportPoint);

// Sets the zoom so that the canvas point under viewportPoint stays under it (as far as the
// scroll bars can reach).
void ZoomAbout(TScrollBox& box, int percent, QPoint viewportPoint);
// About the centre of the visible area.
void ZoomKeepingCentre(TScrollBox& box, int percent);

// Scrolls so that the canvas point lies at viewportPoint (as far as the scroll bars reach).
void ScrollCanvasPointTo(TScrollBox& box, QPointF canvasPoint, QPoint viewportPoint);

// The canvas rectangle that holds every figure, or an empty one when there is none.
QRect DiagramBounds(const TScrollBox& box);
// The part of the canvas in view, in canvas pixels.
QRect VisibleCanvas(const TScrollBox& box);

// Zooms so that every figure is visible (or, with widthOnly, the figures' full width) and scrolls
// the figures' top-left corner into view.
void FitDiagram(TScrollBox& box, bool widthOnly);

}  // namespace zoomview
