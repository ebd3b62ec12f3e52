#pragma once
#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

#include "Regions.h"

#include "Messages.h"

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };
// Shift state bits of mouse events.
enum TShiftStateBit : uint8_t { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };
using TShiftState = uint8_t;

class TCustomControl;
using TNotifyEvent = std::function<void(TCustomControl* sender)>;
using TMouseEvent =
    std::function<void(TCustomControl* sender, TMouseButton button, TShiftState shift, int x, int y)>;

// A windowed control: a QWidget whose behaviour is written as message handlers. Messages come
// from SendMessage and from Qt, which delivers moves, sizes, key presses and mouse presses here
// as the corresponding messages, so a notification the toolkit delivers and one that another
// control sends run the same code.
class TCustomControl : public QWidget {
  Q_OBJECT
 public:
  explicit TCustomControl(QWidget* parent = nullptr);
  ~TCustomControl() override;

  // The message handler. Derived classes handle their messages and pass the rest on to the
  // base class, which ends in DefaultHandler.
  virtual int64_t WndProc(uint32_t msg, uint64_t wParam, int64_t lParam);

  // The control's window exists once it has been parented and shown (or created on demand).
  bool HandleAllocated() const { return handleAllocated_; }
  // Creates the window if it does not exist yet; derived classes extend it (outlines).
  virtual void CreateHandle();
  // Parent := parent: the control becomes the topmost child and, parented, its window exists.
  void SetParentControl(QWidget* parent);

  // The bounds in canvas pixels: what the messages, the records and every figure's geometry use.
  // The widget's own geometry is derived from them and the zoom of the canvas the control is on
  // (at 100 % the two are the same).
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

  // The zoom of the canvas the control is on, set by the canvas: the widget is laid out again
  // and its outline rebuilt at the new scale, and nobody is told of a move or a size.
  double Zoom() const { return zoom_; }
  void SetZoom(double zoom);
  // After the zoom changed, for what the control lays out by its widget size.
  virtual void ZoomChanged() {}
  // The canvas pixel under a global point, in the coordinates of the control's parent.
  QPoint CanvasPointOfGlobal(QPoint global) const;
  // The clickable outline in canvas pixels of the control's own box, kept so that it is built
  // again at every zoom; none: the whole box.
  void SetOutline(std::optional<regions::Outline> outline);
  // After the widget was moved or sized by other means than the bounds (Qt's own calls), the
  // bounds follow it.
  void SyncBounds();

  // Repaints the control soon (gathered with the repaints of its siblings).
  void Invalidate();
  // Repaints the control now.
  void Repaint() { repaint(); }

  // A press of the right or middle button on this control leaves the keyboard focus where it is,
  // instead of giving it to the nearest ancestor that takes focus on a click (figures: a right
  // press opens the context menu for the selection, which must survive it).
  bool OtherButtonsKeepFocus() const { return otherButtonsKeepFocus_; }
  void SetOtherButtonsKeepFocus(bool value) { otherButtonsKeepFocus_ = value; }

  // Self-destruction from inside a handler: the control leaves its parent at once, so it is gone
  // from drawing, saving and selection when the sender continues; the object is freed later.
  virtual void Release();
  bool Releasing() const { return releasing_; }

  TMouseEvent OnMouseDown;

  // The global position of the mouse event being handled, for handlers that start tracking.
  static QPoint CurrentMouseGlobalPos();

 protected:
  // The toolkit's behaviour for messages a class does not handle itself.
  virtual int64_t DefaultHandler(uint32_t msg, uint64_t wParam, int64_t lParam);
  // A press on a non-client part (a hit-test code other than HTCLIENT).
  virtual void NonClientPress(int hitCode, Qt::MouseButton button);

  bool event(QEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

  // Hit-testing each press and move (for controls with sizing handles).
  void SetNonClientHitTest(bool on);
  void UpdateCursorForHit(int hitCode);

  // Pixels around the control that keep their screen size at every zoom (a frame's border).
  void SetScreenMargin(int margin) { screenMargin_ = margin; }
  // A point in the widget's pixels in the control's own canvas pixels.
  QPoint ToCanvasLocal(QPointF widgetPoint) const;

 private:
  void LayOut();
  void ApplyMask();

  QRect bounds_;
  double zoom_ = 1.0;
  int screenMargin_ = 0;
  std::optional<regions::Outline> outline_;
  bool layingOut_ = false;  // widget geometry follows the bounds: no notification of its own
  bool handleAllocated_ = false;
  bool releasing_ = false;
  bool hitTesting_ = false;
  bool otherButtonsKeepFocus_ = false;
};

// Calls the target's handler at once and returns its result; 0 for widgets that are not
// controls or are being released.
// The zoom a canvas shows its children at (its "canvasZoom" property; 1 when it has none).
double CanvasZoomOf(const QWidget* canvas);

int64_t SendMessage(QWidget* target, uint32_t msg, uint64_t wParam = 0, int64_t lParam = 0);

// The sizing cursor that Windows shows for a hit-test code.
Qt::CursorShape CursorForHitCode(int hitCode);
