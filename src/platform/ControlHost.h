#pragma once
#include <QRect>

class QWidget;
class TControlLayer;
class TCustomControl;

// The canvas widget that shows windowless controls: it paints them, hit-tests presses through
// their outlines, hands them the mouse and the keys, and knows which of them has the mouse.
class TControlHost {
 public:
  virtual ~TControlHost() = default;

  virtual QWidget* HostWidget() = 0;
  // Canvas pixels to widget pixels.
  virtual double HostZoom() const = 0;
  // The layer a control joins when parented to this canvas: frames go over the figures.
  virtual TControlLayer* LayerFor(const TCustomControl& control) = 0;
  // The figures' layer.
  virtual TControlLayer* ContentLayer() = 0;

  // The control's area (in canvas pixels of its reach) needs painting; gathered and painted with
  // the next paint of the canvas.
  virtual void InvalidateCanvasArea(const QRect& canvasArea) = 0;
  // Paints what was gathered now.
  virtual void RepaintNow() = 0;
  // A control joined one of the canvas's layers, moved or changed size within it, or left it (it
  // no longer has the mouse or the pointer).
  virtual void ControlJoined(TCustomControl*) {}
  virtual void ControlMoved(TCustomControl*, const QRect& /*before*/) {}
  // Many controls of the layer moved or changed size at once; united: their bounds now.
  virtual void ControlsMoved(const TControlLayer& /*layer*/, const QRect& /*united*/) {}
  virtual void ControlLeft(TCustomControl* control) = 0;

  // The control gets every mouse event until it lets go.
  virtual void GrabMouse(TCustomControl* control) = 0;
  virtual void ReleaseMouse(TCustomControl* control) = 0;
  virtual TCustomControl* MouseGrabber() const = 0;
  // The control's cursor changed: shown at once if the pointer is over it.
  virtual void CursorChanged(TCustomControl* control) = 0;

  // The canvas a widget is (null for other widgets).
  static TControlHost* Of(QWidget* widget);
};
