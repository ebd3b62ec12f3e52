#pragma once
#include <QPoint>
#include <QRect>
#include <QCursor>
#include <QRegion>
#include <Qt>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "ControlPtr.h"
#include "Messages.h"
#include "Regions.h"

class QKeyEvent;
class QMouseEvent;
class QPainter;
class QWidget;
class TControlHost;
class TControlLayer;

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };
// Shift state bits of mouse events.
enum TShiftStateBit : uint8_t { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
using TShiftState = uint8_t;

class TCustomControl;

// The cells of a spatial index a control is filed under (see ControlIndex): an inclusive range of
// cell coordinates; x1 < x0 for none.
struct TIndexCells {
  int16_t x0 = 1, y0 = 1, x1 = 0, y1 = 0;
  bool operator==(const TIndexCells&) const = default;
};

using TNotifyEvent = std::function<void(TCustomControl* sender)>;
using TMouseEvent =
    std::function<void(TCustomControl* sender, TMouseButton button, TShiftState shift, int x, int y)>;

// A windowless control: its behaviour is written as message handlers, it lives in a layer of a
// canvas (figures in the diagram, frames over them), and the canvas paints it, hit-tests presses
// through its outline and hands it the mouse, the keys and the focus as the corresponding
// messages, so a notification the canvas delivers and one that another control sends run the
// same code. It keeps the face of a window: bounds, stacking, visibility, focus, mouse grab and
// cursor, mapped through the canvas it is on.
class TCustomControl {
 public:
  TCustomControl();
  virtual ~TCustomControl();
  TCustomControl(const TCustomControl&) = delete;
  TCustomControl& operator=(const TCustomControl&) = delete;

  // The message handler. Derived classes handle their messages and pass the rest on to the
  // base class, which ends in DefaultHandler.
  virtual int64_t WndProc(uint32_t msg, uint64_t wParam, int64_t lParam);

  // The control's window exists once it has been parented (or created on demand).
  bool HandleAllocated() const { return flags_ & kHandle; }
  // Creates the window if it does not exist yet; derived classes extend it (outlines).
  virtual void CreateHandle();
  // Parent := parent: the control joins the canvas widget `parent` as the topmost control of its
  // layer (frames lie over figures) and its window exists; none takes it off its canvas. The
  // canvas's layer owns the control from then on.
  void SetParentControl(QWidget* parent);
  // The layer the control lives in (a canvas's, or a diagram's without a canvas), if any.
  TControlLayer* Layer() const { return layer_; }
  void SetLayer(TControlLayer* layer) { layer_ = layer; }
  // The canvas that shows the control's layer, if any.
  TControlHost* Host() const;
  // The layer of a canvas the control joins: frames lie over the figures whatever their order of
  // making, the canvas image beneath them.
  enum class LayerKind : uint8_t { Background, Content, Overlay };
  virtual LayerKind Kind() const { return LayerKind::Content; }

  // The bounds in canvas pixels: what the messages, the records and every figure's geometry use.
  // Where the control shows is derived from them and the zoom of its canvas (at 100 % the two
  // are the same).
  int Left() const { return bounds_.x(); }
  int Top() const { return bounds_.y(); }
  int Width() const { return bounds_.width(); }
  int Height() const { return bounds_.height(); }
  // Sets the bounds; derived classes rebuild what depends on the size after it.
  virtual void ApplyBounds(int left, int top, int width, int height);
  void SetLeft(int v) { ApplyBounds(v, Top(), Width(), Height()); }
  void SetTop(int v) { ApplyBounds(Left(), v, Width(), Height()); }
  void SetWidth(int v) { ApplyBounds(Left(), Top(), v, Height()); }
  void SetHeight(int v) { ApplyBounds(Left(), Top(), Width(), v); }
  QRect BoundsRect() const { return bounds_; }
  // Sets the canvas bounds as they are (no limits applied); the move and size notifications
  // follow as for any change of bounds.
  void SetBoundsRect(const QRect& bounds);
  // The bounds ApplyBounds would set: the place and size kept within the platform's limits.
  static QRect LimitedBounds(int64_t left, int64_t top, int64_t width, int64_t height);
  // For a layer that moves many controls at once (see TControlLayer::SetBoundsOfMany): sets the
  // bounds without telling anyone or asking for a repaint; the layer does both once for all.
  void SetBoundsQuietly(const QRect& bounds);

  // The zoom of the canvas the control is on (1 without one).
  double Zoom() const;
  // After the zoom changed, for what the control lays out by its shown size.
  virtual void ZoomChanged() {}
  // The canvas pixel under a global point, in the coordinates of the control's parent.
  QPoint CanvasPointOfGlobal(QPoint global) const;
  // The clickable outline in canvas pixels of the control's own box, kept so that it is built at
  // every zoom; none: the whole box.
  void SetOutline(std::optional<regions::Outline> outline);
  const regions::Outline* Outline() const { return outline_.get(); }
  // Whether a point of the control's shown area (its widget pixels) lies in its outline.
  bool OutlineContains(QPoint local) const;
  // The clickable region in the control's widget pixels at its canvas's zoom; empty when the
  // whole box is clickable (no outline, or one that failed to build).
  QRegion mask() const;
  // For thin controls (lines, arrows) a press beside the outline still reaches them: the distance
  // in canvas pixels from a canvas point (the coordinates of the parent) to the course the
  // control is drawn along. Infinity for controls that only their outline makes clickable.
  virtual double CourseDistance(QPointF canvasPoint) const;

  // Repaints the control soon (gathered with every other repaint of the canvas).
  void Invalidate();
  // What the control draws changed (its style, its text): its layer hears of it, and it is
  // repainted. Changes are counted, for what is worked out from the drawing.
  void Changed();
  uint32_t ChangeCount() const { return changes_; }
  // Repaints the control now.
  void Repaint();
  // Paints the control onto its canvas: the painter's origin is the control's shown corner, or,
  // for controls that paint in canvas pixels, the canvas's corner with the painter scaled to the
  // zoom.
  virtual void PaintControl(QPainter& painter);
  virtual bool PaintsInCanvasPixels() const { return false; }
  // The area the control's painting may reach, in canvas pixels; its bounds unless it draws
  // beyond them (thick pens, arrow heads, text running past the box).
  virtual QRect PaintReach() const { return bounds_; }

  // A press of the right or middle button on this control leaves the keyboard focus where it is,
  // instead of giving it to the canvas (figures: a right press opens the context menu for the
  // selection, which must survive it).
  bool OtherButtonsKeepFocus() const { return flags_ & kOtherButtonsKeepFocus; }
  void SetOtherButtonsKeepFocus(bool value) { SetFlag(kOtherButtonsKeepFocus, value); }
  // Whether a press takes the keyboard focus for the control (frames) or for its canvas.
  bool TakesFocusOnClick() const { return flags_ & kClickFocus; }
  void SetTakesFocusOnClick(bool value) { SetFlag(kClickFocus, value); }

  // Self-destruction from inside a handler: the control leaves its canvas at once, so it is gone
  // from drawing, saving and selection when the sender continues; the object is freed later.
  virtual void Release();
  bool Releasing() const { return flags_ & kReleasing; }

  // The global position of the mouse event being handled, for handlers that start tracking.
  static QPoint CurrentMouseGlobalPos();
  static void SetCurrentMouseGlobalPos(QPoint global);

  // The face of a window on its canvas, in the canvas widget's pixels.
  QWidget* parentWidget() const;
  QRect geometry() const;
  QPoint pos() const { return geometry().topLeft(); }
  int x() const { return geometry().x(); }
  int y() const { return geometry().y(); }
  int width() const { return geometry().width(); }
  int height() const { return geometry().height(); }
  QSize size() const { return geometry().size(); }
  QRect rect() const { return QRect(QPoint(0, 0), size()); }
  // Shown: on a canvas that is shown, and not hidden itself.
  bool isVisible() const;
  // Hidden itself (by hide()), whatever its canvas.
  bool isHidden() const { return flags_ & kHidden; }
  void hide();
  void show();
  // Stacking within the control's layer.
  void raise();
  void lower();
  void stackUnder(TCustomControl* above);
  bool hasFocus() const;
  QPoint mapToGlobal(QPoint local) const;
  QPoint mapFromGlobal(QPoint global) const;
  void grabMouse();
  void releaseMouse();
  // The cursor shown while the pointer is over the control; none: the canvas's.
  std::optional<Qt::CursorShape> Cursor() const;
  QCursor cursor() const { return QCursor(Cursor().value_or(Qt::ArrowCursor)); }
  void setCursor(Qt::CursorShape shape);
  void unsetCursor();

  // What the canvas hands the control (positions in the control's widget pixels).
  virtual void mousePressEvent(QMouseEvent* event);
  virtual void mouseMoveEvent(QMouseEvent* event);
  virtual void mouseReleaseEvent(QMouseEvent* event);
  virtual void mouseDoubleClickEvent(QMouseEvent*) {}
  virtual void keyPressEvent(QKeyEvent* event);
  // Whether the control wants every pointer move over it without a button (cursor by hit code).
  bool HoverTracking() const { return flags_ & kHitTesting; }

  // For weak pointers: made on first use, cleared when the control goes.
  TControlWatch* Watch() const;
  // The control's place in its layer's list, and the cells of its layer's index it is filed
  // under, kept by the layer.
  uint32_t LayerSlot() const { return layerSlot_; }
  void SetLayerSlot(uint32_t slot) { layerSlot_ = slot; }
  TIndexCells IndexCells() const { return indexCells_; }
  void SetIndexCells(TIndexCells cells) { indexCells_ = cells; }
  // A mark for walks that need to know which controls they met (see TControlMarks).
  uint32_t Mark() const { return mark_; }
  void SetMark(uint32_t mark) const { mark_ = mark; }

 protected:
  // The toolkit's behaviour for messages a class does not handle itself.
  virtual int64_t DefaultHandler(uint32_t msg, uint64_t wParam, int64_t lParam);
  // A button press on the control's client area (what OnMouseDown reports on figures).
  virtual void MouseDown(TMouseButton, TShiftState, int, int) {}
  // A press on a non-client part (a hit-test code other than HTCLIENT).
  virtual void NonClientPress(int hitCode, Qt::MouseButton button);

  // Hit-testing each press and move (for controls with sizing handles).
  void SetNonClientHitTest(bool on) { SetFlag(kHitTesting, on); }
  void UpdateCursorForHit(int hitCode);

  // Pixels around the control that keep their screen size at every zoom (a frame's border).
  void SetScreenMargin(int margin) { screenMargin_ = static_cast<int8_t>(margin); }
  int ScreenMargin() const { return screenMargin_; }
  // A point in the widget's pixels in the control's own canvas pixels.
  QPoint ToCanvasLocal(QPointF widgetPoint) const;
  // The canvas's area of the control changed (old and new reach).
  void InvalidateReach(const QRect& canvasReach);
  // The size was set quietly (SetBoundsQuietly): what depends on it is brought up to date.
  virtual void QuietlyResized() {}

 private:
  enum Flag : uint16_t {
    kHandle = 1,
    kReleasing = 2,
    kHitTesting = 4,
    kOtherButtonsKeepFocus = 8,
    kClickFocus = 16,
    kHidden = 32,
    kCursorSet = 64,
  };
  void SetFlag(Flag flag, bool on) { flags_ = on ? (flags_ | flag) : (flags_ & ~flag); }

  // Kept small: a selection of a hundred thousand figures has a frame for each.
  QRect bounds_;
  TControlLayer* layer_ = nullptr;
  std::unique_ptr<regions::Outline> outline_;
  mutable TControlWatch* watch_ = nullptr;
  uint32_t layerSlot_ = 0;
  uint32_t changes_ = 0;
  mutable uint32_t mark_ = 0;
  TIndexCells indexCells_;
  uint16_t flags_ = 0;
  int8_t screenMargin_ = 0;
  uint8_t cursor_ = 0;  // Qt::CursorShape while kCursorSet
};

// A set of controls for one walk, without a table: marking a control puts it in the set. Each set
// has a number of its own, so that the marks of earlier walks mean nothing. Sets do not nest.
class TControlMarks {
 public:
  TControlMarks() : number_(++last_) {}
  void Add(const TCustomControl* c) const { c->SetMark(number_); }
  bool Contains(const TCustomControl* c) const { return c->Mark() == number_; }

 private:
  static inline uint32_t last_ = 0;
  uint32_t number_;
};

// Calls the target's handler at once and returns its result; 0 for none or a control being
// released.
int64_t SendMessage(TCustomControl* target, uint32_t msg, uint64_t wParam = 0, int64_t lParam = 0);

// The zoom a canvas widget shows its controls at (its "canvasZoom" property; 1 when it has none).
double CanvasZoomOf(const QWidget* canvas);

// The sizing cursor that Windows shows for a hit-test code.
Qt::CursorShape CursorForHitCode(int hitCode);

// Controls released from inside handlers are freed here, once the event loop is back in charge
// (or when the application ends).
void DeleteLaterControl(TCustomControl* control);
void FlushReleasedControls();

template <typename T>
TControlPtr<T>::TControlPtr(T* control) : watch_(control ? control->Watch() : nullptr) {
  if (watch_) ++watch_->watchers;
}

// A weak pointer lets go of its watch (freed with the last one once the control is gone).
void DropControlWatch(TControlWatch* watch);

template <typename T>
void TControlPtr<T>::Drop() {
  if (watch_) DropControlWatch(watch_);
  watch_ = nullptr;
}
