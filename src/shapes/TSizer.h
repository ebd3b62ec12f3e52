#pragma once
#include "FrameControl.h"
#include "ShapeTypes.h"

class QObject;
class TCustomKDTool;

// The selection frame of one figure: a transparent control lying over the figure, 2 pixels larger
// on every side, with eight grab handles. Through it the user moves the figure (dragging the body
// or the arrow keys), resizes it (dragging a handle), deletes it (Delete) and opens its context
// menu (right button). Every change of the frame is carried over to the figure at once: the
// figure's bounds are always the frame's deflated by 2.
//
// A single-selection frame draws green handles and ends, deselecting its figure, when it loses
// the focus. A member of a multi-selection frame draws silver handles, ignores focus loss and is
// driven by its group.
class TSizer : public TFrameControl {
 public:
  // Marks the target selected, lays the frame over it as the topmost frame of the target's canvas
  // and, for a single selection, takes the keyboard focus. A frame made for a group starts as a
  // member and leaves the focus where it is. The canvas owns the frame.
  TSizer(QObject* owner, TCustomKDTool* target, int modualWidth, int modualHeight,
         TSelectStatus status = ssSingleSelect);
  ~TSizer() override;

  TCustomKDTool* Target() const { return target_; }
  // The figure went first.
  void ForgetTarget() { target_ = nullptr; }
  TSelectStatus SelectStatus() const { return selectStatus_; }
  void SetSelectStatus(TSelectStatus value);

  int ModualWidth;
  int ModualHeight;

  // Lays the frame over its figure again after the figure was moved or sized by other means
  // (an undo), without notifying anyone.
  void FitToTarget();
  // Tells every figure that contains a corner of the frame (or the points just beyond its right
  // and bottom edges) that its neighbourhood changed.
  void NotifyCornerNeighbours();

  int64_t WndProc(uint32_t msg, uint64_t wParam, int64_t lParam) override;
  std::vector<TCustomKDTool*> EditTargets() const override;
  void Release() override;
  void PaintControl(QPainter& painter) override;
  // A drawing tool draws from a selected figure as from any other (the Connector tool joins it):
  // a left press on a single frame's body is offered to the figure's document first.
  void mousePressEvent(QMouseEvent* event) override;

 protected:
  void CreateHandle() override;
  void MoveNotify(int x, int y) override;
  void SizeNotify(int w, int h) override;
  void KeyNotify(int key, int64_t keyData) override;

 private:
  // The figure and its frame forget each other.
  void Unlink();

  TCustomKDTool* target_;
  TSelectStatus selectStatus_ = ssSingleSelect;
  bool inMove_ = false;  // a move or size notification nested in our own bounds change
};

// The step an arrow key moves a frame by: a plain arrow's step as the program's snapping (a grid)
// makes it; a Ctrl+arrow's single pixel as it is.
QPoint NudgeStep(TCustomControl* frame, QPoint arrowStep);

// Sends WM_COMPCHANGE (3) to every figure on the canvas whose bounds contain one of the four
// corner points of bounds.
void NotifyCornerNeighboursOf(QWidget* canvas, const QRect& bounds);
