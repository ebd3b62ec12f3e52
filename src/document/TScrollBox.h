#pragma once
#include <QPointer>
#include <QScrollArea>
#include <vector>

#include "ChildIndex.h"

#include "Graphics.h"

// The scrolled drawing surface of a document: the widget whose children are the canvas image,
// the figures and the selection frames, in stacking order. It shows the canvas at a zoom (at
// 100 % its coordinates are canvas coordinates). It fills the visible area and grows to enclose
// every child, and it indexes its children's canvas bounds for the frames' corner-neighbour
// notification and for finding figures in an area.
class TCanvasSurface : public QWidget, public ChildIndex {
  Q_OBJECT
 public:
  explicit TCanvasSurface(QWidget* parent = nullptr);
  // Grows (never shrinks) so that the rectangle, in canvas pixels, lies inside.
  void EnsureContains(const QRect& rect);
  // Smallest size that holds every child and fills the viewport.
  void Refit();
  // The zoom the canvas is shown at (1 = 100 %); every child control follows a change, and the
  // canvas keeps its size in canvas pixels.
  double Zoom() const { return zoom_; }
  void SetZoom(double zoom);
  // The canvas's size in canvas pixels: what it has grown to, never less than what is shown.
  QSize CanvasSize() const { return extent_; }
  // After the visible area changed size: the surface fills it.
  void FillViewport();
  // The colour the surface shows where nothing covers it (property "canvasColor").
  void SetColor(const QColor& color);

 signals:
  void ZoomChanged(double zoom);

 protected:
  void childEvent(QChildEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Children that fill the surface (the canvas image) follow its size and are not indexed.
  bool FillsSurface(const QObject* child) const;
  void ShowExtent();
  std::vector<QPointer<QWidget>> fillers_;
  double zoom_ = 1.0;
  QSize extent_{0, 0};
  bool showingExtent_ = false;  // a resize that shows the extent does not change it
};

// The document's scroll box: a scroll area over its surface, in the box's colour.
class TScrollBox : public QScrollArea {
  Q_OBJECT
 public:
  explicit TScrollBox(QWidget* parent = nullptr);
  TCanvasSurface* Surface() const { return surface_; }
  // Scrolls while a drag reaches an edge of the visible canvas.
  class DragScroller* Scroller() const { return scroller_; }
  void SetColor(TColor color);
  TColor Color() const { return color_; }
  // The visible area's size were the canvas shown at 100 %.
  QSize ViewportAtActualSize() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  TCanvasSurface* surface_;
  class DragScroller* scroller_;
  TColor color_ = clInfoBk;
};
