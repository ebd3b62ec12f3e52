#pragma once
#include <QPoint>
#include <QPointer>
#include <vector>
#include <functional>

#include "Control.h"
#include "EditListener.h"
#include "Graphics.h"
#include "HandleLayout.h"
#include "MoveSizeTracker.h"

// What the single and the multi-selection frame share: eight grab handles with their hit test
// and sizing cursors, the interactive move of the body and the sizing from a handle (Escape puts
// the frame back), the arrow-key step rule and the painting of the handles.
class TFrameControl : public TCustomControl {
  Q_OBJECT
 public:
  const handles::Rects& HandleRects() const { return handleRects_; }
  bool Tracking() const { return tracker_.Active(); }
  // Lays the handles out for the frame's current size.
  void LayoutHandles() { handleRects_ = handles::LayoutHandles(width(), height()); }
  void ZoomChanged() override { LayoutHandles(); }

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
  void PaintHandles(TColor penColor, TColor brushColor);

  void NonClientPress(int hitCode, Qt::MouseButton button) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Tab and Shift+Tab are keys like any other for a frame: the focus stays with the selection.
  bool focusNextPrevChild(bool) override { return false; }

 private:
  void EndTrackedEdit();

  handles::Rects handleRects_{};
  MoveSizeTracker tracker_;
  // The document told of the drag in progress, until it is told of its end.
  bool scrolling_ = false;  // this frame's drag runs the canvas's scrolling
  TEditListener* trackListener_ = nullptr;
  QPointer<QWidget> trackListenerWidget_;
};
