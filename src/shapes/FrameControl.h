#pragma once
#include <QPoint>
#include <functional>

#include "Control.h"
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

  // How far an arrow key moves a frame: its steps without modifiers, one pixel with Ctrl alone,
  // not at all with any other combination or key.
  static QPoint ArrowStep(int key, int64_t keyData, int modualWidth, int modualHeight);

  // The hit test, and the move, size and key notifications, handed to the frame's own handlers.
  int64_t WndProc(uint32_t msg, uint64_t wParam, int64_t lParam) override;

 protected:
  TFrameControl();

  virtual void MoveNotify(int x, int y) = 0;
  virtual void SizeNotify(int w, int h) = 0;
  virtual void KeyNotify(int key, int64_t keyData) = 0;

  // The interactive move of the body; onEnd runs when the button is released.
  void StartMove(std::function<void()> onEnd);
  void PaintHandles(TColor penColor, TColor brushColor);

  void NonClientPress(int hitCode, Qt::MouseButton button) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  handles::Rects handleRects_{};
  MoveSizeTracker tracker_;
};
