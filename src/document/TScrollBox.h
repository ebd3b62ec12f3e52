#pragma once
#include <QPointer>
#include <functional>
#include <QScrollArea>
#include <vector>

#include "ControlCanvas.h"
#include "CustomKDTool.h"
#include "Graphics.h"

class GuideOverlay;
class OutlineHighlight;

// The scrolled drawing surface of a document: the one widget that shows the canvas image, the
// diagram's figures and the selection frames (its layers), at a zoom (at 100 % its coordinates are
// canvas coordinates). It fills the visible area and grows to enclose every figure.
class TCanvasSurface : public TControlCanvas, public TFigurePressSink {
  Q_OBJECT
 public:
  explicit TCanvasSurface(QWidget* parent = nullptr);

  // Where presses on the figures go first (the document's tools); none: the figures take them.
  void SetFigurePressSink(TFigurePressSink* sink) { pressSink_ = sink; }
  bool FigurePressed(TCustomKDTool& figure, int x, int y, bool onFrame) override {
    return pressSink_ && pressSink_->FigurePressed(figure, x, y, onFrame);
  }
  // What is drawn over everything on the canvas and lets every press through, each made on first
  // use: the trace of the outline a drawn end joins, and the smart guides of a drag.
  OutlineHighlight* Highlight();
  GuideOverlay* Guides();
  // Grows (never shrinks) so that the rectangle, in canvas pixels, lies inside.
  void EnsureContains(const QRect& rect);
  // Smallest size that holds every child and fills the viewport.
  void Refit();
  // The zoom the canvas is shown at (1 = 100 %); every child control follows a change, and the
  // canvas keeps its size in canvas pixels.
  void SetZoom(double zoom);
  // The canvas's size in canvas pixels: what it has grown to, never less than what is shown.
  QSize CanvasSize() const { return extent_; }
  // After the visible area changed size: the surface fills it.
  void FillViewport();
  // The colour the surface shows where nothing covers it (property "canvasColor").
  void SetColor(const QColor& color);

  // What Escape does while no control holds the focus (a drag on the empty canvas puts one here
  // for as long as it lasts); it answers whether it took the key.
  std::function<bool()> OnEscape;

  void ControlJoined(TCustomControl* control) override;
  void ControlMoved(TCustomControl* control, const QRect& before) override;
  void ControlsMoved(const TControlLayer& layer, const QRect& united) override;

 signals:
  void ZoomChanged(double zoom);

 protected:
  void childEvent(QChildEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void PaintBackground(QPainter& painter, const QRect& exposed) override;

 private:
  // Child widgets that cover the surface (the guide lines' overlay) follow its size.
  bool FillsSurface(const QObject* child) const;
  void ShowExtent();
  std::vector<QPointer<QWidget>> fillers_;
  TFigurePressSink* pressSink_ = nullptr;
  OutlineHighlight* highlight_ = nullptr;
  GuideOverlay* guides_ = nullptr;
  QSize extent_{0, 0};
  bool showingExtent_ = false;  // a resize that shows the extent does not change it
};

// The scroll position that shows [from, to) in a view of `view` pixels scrolled to `now`, moving as
// little as it takes; an extent longer than the view shows its start.
int RevealScroll(int now, int view, int from, int to);

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
  // Scrolls as little as it takes to show the canvas area (canvas pixels); an area larger than
  // the view shows its top-left corner.
  void Reveal(const QRect& canvasArea);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  TCanvasSurface* surface_;
  class DragScroller* scroller_;
  TColor color_ = clInfoBk;
};
