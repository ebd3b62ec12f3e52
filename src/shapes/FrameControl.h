#pragma once
#include <QPoint>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

#include "Control.h"
#include "EditListener.h"
#include "Graphics.h"
#include "HandleLayout.h"
#include "MoveSizeTracker.h"

// What the single and the multi-selection frame share: eight grab handles with their hit test
// and sizing cursors, the interactive move of the body and the sizing from a handle (Escape puts
// the frame back), the arrow-key step rule and the painting of the handles.
class TFrameControl : public TCustomControl {
 public:
  // The handles as laid out for the frame's current size on screen.
  handles::Rects HandleRects() const { return handles::LayoutHandles(width(), height()); }
  bool Tracking() const { return drag_ && drag_->tracker.Active(); }
  LayerKind Kind() const override { return LayerKind::Overlay; }

  // How far an arrow key moves a frame: its steps without modifiers, one pixel with Ctrl alone,
  // not at all with any other combination or key.
  static QPoint ArrowStep(int key, int64_t keyData, int modualWidth, int modualHeight);

  // The hit test, and the move, size and key notifications, handed to the frame's own handlers.
  int64_t WndProc(uint32_t msg, uint64_t wParam, int64_t lParam) override;

  // The figures a change made through this frame acts on.
  virtual std::vector<TCustomKDTool*> EditTargets() const = 0;

 protected:
  TFrameControl();
  ~TFrameControl() override;

  virtual void MoveNotify(int x, int y) = 0;
  virtual void SizeNotify(int w, int h) = 0;
  virtual void KeyNotify(int key, int64_t keyData) = 0;

  // The interactive move of the body; onEnd runs when the button is released.
  void StartMove(std::function<void()> onEnd);
  // Starts tracking and tells the document; it learns of the end before onEnd runs.
  void StartTracking(int hitCode, TEditKind kind, std::function<void()> onEnd);

  // Paints the eight handles in the colours, over what lies beneath (the frame is transparent).
  void PaintHandles(QPainter& painter, TColor penColor, TColor brushColor) const;
  // The same for a frame of that rectangle (the painter's pixels), as a group draws its members'.
  static void PaintHandlesOf(QPainter& painter, const QRect& frame, TColor penColor, TColor brushColor);

 public:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 protected:
  void NonClientPress(int hitCode, Qt::MouseButton button) override;

 private:
  void EndTrackedEdit();

  // Only while the frame is dragged: thousands of group members never are.
  struct Drag {
    MoveSizeTracker tracker;
    bool scrolling = false;  // this frame's drag runs the canvas's scrolling
    // The document told of the drag in progress, until it is told of its end.
    TEditListener* listener = nullptr;
    QPointer<QWidget> listenerWidget;
  };
  std::unique_ptr<Drag> drag_;
};
