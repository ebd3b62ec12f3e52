#pragma once
#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

#include "ControlHost.h"
#include "ControlList.h"
#include "ControlPtr.h"

class TCustomControl;

// The one widget of a canvas: windowless controls live in its three layers (the background
// beneath everything, the content — a diagram's figures — and the overlay of selection frames),
// and it paints those that meet what is exposed, in stacking order, and hands each press to the
// control under it: overlay controls first, then the content from the top down through each
// control's outline (a press beside an outline reaches what lies beneath), then the background.
// The control pressed has the mouse until the last button is released, unless a control grabs it.
// Keys go to the control that holds the focus of the canvas's form.
class TControlCanvas : public QWidget, public TControlHost {
  Q_OBJECT
 public:
  explicit TControlCanvas(QWidget* parent = nullptr);
  ~TControlCanvas() override;

  // The content layer: the canvas's own list unless another layer is given (a diagram); none
  // gives the own list back. The canvas neither owns nor frees a given layer.
  TControlLayer& Content() const { return *content_; }
  void SetContent(TControlLayer* layer);
  TControlList& Overlay() { return overlay_; }
  const TControlList& Overlay() const { return overlay_; }
  TControlList& Background() { return background_; }

  // The control a press at the widget point reaches; none when nothing is there.
  TCustomControl* ControlAt(QPoint widgetPoint) const;
  // The content control (figure) a press at the widget point reaches, looking through the
  // overlay: the topmost whose outline holds the point, else the thin control (a line, an arrow)
  // whose course lies nearest within kCourseReach screen pixels, the topmost on a tie. A shape
  // beneath a line's reach thus keeps the presses inside it.
  TCustomControl* ContentAt(QPoint widgetPoint) const;
  static constexpr int kCourseReach = 4;
  // Every control of the three layers, bottom first: the background, the content, the overlay.
  std::vector<TCustomControl*> Controls() const;

  // The zoom the canvas is shown at (1 = 100 %), also its "canvasZoom" property; every control
  // hears of a change.
  double Zoom() const { return zoom_; }
  void SetCanvasZoom(double zoom);

  // Whether figures are drawn smooth (antialiased) on every canvas; off unless turned on. A
  // change repaints every canvas. Frames, handles and the background stay exact either way.
  static bool SmoothDrawing();
  static void SetSmoothDrawing(bool on);

  // What is drawn over the figures and beneath the frames (the hops of line jumps), given the
  // painter in widget pixels and the exposed widget area; none draws nothing.
  using ContentDecoration = std::function<void(QPainter& painter, const QRect& exposed)>;
  void SetContentDecoration(ContentDecoration decoration);

  // Canvas pixels to the widget rectangle that shows them, a pixel wider for rounding.
  QRect WidgetAreaOf(const QRect& canvasArea) const;
  QRect CanvasAreaOf(const QRect& widgetArea) const;

  // TControlHost.
  QWidget* HostWidget() override { return this; }
  double HostZoom() const override { return zoom_; }
  TControlLayer* LayerFor(const TCustomControl& control) override;
  TControlLayer* ContentLayer() override { return content_; }
  void InvalidateCanvasArea(const QRect& canvasArea) override;
  void RepaintNow() override;
  void ControlJoined(TCustomControl* control) override;
  void ControlLeft(TCustomControl* control) override;
  void GrabMouse(TCustomControl* control) override;
  void ReleaseMouse(TCustomControl* control) override;
  TCustomControl* MouseGrabber() const override { return grabber_.data(); }
  void CursorChanged(TCustomControl* control) override;

 protected:
  // What lies beneath every control: the canvas's colour by default.
  virtual void PaintBackground(QPainter& painter, const QRect& exposed);

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // Tab and Shift+Tab are keys like any other for a control holding the focus.
  bool focusNextPrevChild(bool next) override;

 private:
  void PaintLayer(QPainter& painter, const TControlLayer& layer, const QRect& exposed, bool clipToBox,
                  bool smooth = false) const;
  void FlushDirty();
  // The background controls cover the whole canvas.
  void FitBackground();
  void ShowCursorOf(TCustomControl* control);
  TCustomControl* FocusedHere() const;

  TControlList background_;
  TControlList ownContent_;
  TControlLayer* content_;
  TControlList overlay_{false};
  double zoom_ = 1.0;
  TControlPtr<TCustomControl> grabber_;
  TControlPtr<TCustomControl> pressed_;
  TControlPtr<TCustomControl> hovered_;
  QRect dirty_;
  bool flushScheduled_ = false;
  ContentDecoration decoration_;
  QRect visible_;  // the part of the canvas in view, while visibleKnown_
  bool visibleKnown_ = false;
};
