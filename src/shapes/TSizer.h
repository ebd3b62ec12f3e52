#pragma once
#include <QPointer>

#include "FrameControl.h"
#include "ShapeTypes.h"

class TCustomKDTool;

// The selection frame of one figure: a transparent sibling lying over the figure, 2 pixels larger
// on every side, with eight grab handles. Through it the user moves the figure (dragging the body
// or the arrow keys), resizes it (dragging a handle), deletes it (Delete) and opens its context
// menu (right button). Every change of the frame is carried over to the figure at once: the
// figure's bounds are always the frame's deflated by 2.
//
// A single-selection frame draws green handles and ends, deselecting its figure, when it loses
// the focus. A member of a multi-selection frame draws silver handles, ignores focus loss and is
// driven by its group.
class TSizer : public TFrameControl {
  Q_OBJECT
 public:
  // Marks the target selected, lays the frame over it as the topmost child of the target's
  // parent and, for a single selection, takes the keyboard focus. A frame made for a group
  // starts as a member and leaves the focus where it is.
  TSizer(QObject* owner, TCustomKDTool* target, int modualWidth, int modualHeight,
         TSelectStatus status = ssSingleSelect);

  TCustomKDTool* Target() const { return target_; }
  TSelectStatus SelectStatus() const { return selectStatus_; }
  void SetSelectStatus(TSelectStatus value);

  int ModualWidth;
  int ModualHeight;
  // The member's place within its multi-selection frame.
  int OffsetX = 0;
  int OffsetY = 0;

  void ApplyFrameRegion();
  // Lays the frame over its figure again after the figure was moved or sized by other means
  // (an undo), without notifying anyone.
  void FitToTarget();
  // Tells every sibling that contains a corner of the frame (or the points just beyond its
  // right and bottom edges) that its neighbourhood changed.
  void NotifyCornerNeighbours();

  int64_t WndProc(uint32_t msg, uint64_t wParam, int64_t lParam) override;
  std::vector<TCustomKDTool*> EditTargets() const override;

 protected:
  void CreateHandle() override;
  void paintEvent(QPaintEvent* event) override;
  void MoveNotify(int x, int y) override;
  void SizeNotify(int w, int h) override;
  void KeyNotify(int key, int64_t keyData) override;

 private:

  bool inMove_ = false;  // a move or size notification nested in our own bounds change
  QPointer<QObject> owner_;
  QPointer<TCustomKDTool> target_;
  TSelectStatus selectStatus_ = ssSingleSelect;
};

// The step an arrow key moves a frame by: a plain arrow's step as the program's snapping (a grid)
// makes it; a Ctrl+arrow's single pixel as it is.
QPoint NudgeStep(TCustomControl* frame, QPoint arrowStep);

// Sends WM_COMPCHANGE (3) to every child of parent whose bounds contain one of the four corner
// points of bounds (other than children that fill the parent).
void NotifyCornerNeighboursOf(QWidget* parent, const QRect& bounds);
