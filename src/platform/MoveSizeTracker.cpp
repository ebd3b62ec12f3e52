#include "MoveSizeTracker.h"

#include "Control.h"
#include "Messages.h"

namespace {
TrackSnapping* InstalledSnapping = nullptr;
MoveSizeTracker::StepObserver InstalledStepObserver = nullptr;
}  // namespace

void TrackSnapping::Install(TrackSnapping* snapping) { InstalledSnapping = snapping; }

TrackSnapping* TrackSnapping::Installed() { return InstalledSnapping; }

void MoveSizeTracker::SetStepObserver(StepObserver observer) { InstalledStepObserver = observer; }

QRect TrackedBounds(const QRect& start, int hitCode, QPoint delta, int minimumSize) {
  if (hitCode == HTCAPTION) return start.translated(delta);
  int left = start.left(), top = start.top();
  int right = start.left() + start.width(), bottom = start.top() + start.height();
  bool l = hitCode == HTLEFT || hitCode == HTTOPLEFT || hitCode == HTBOTTOMLEFT;
  bool r = hitCode == HTRIGHT || hitCode == HTTOPRIGHT || hitCode == HTBOTTOMRIGHT;
  bool t = hitCode == HTTOP || hitCode == HTTOPLEFT || hitCode == HTTOPRIGHT;
  bool b = hitCode == HTBOTTOM || hitCode == HTBOTTOMLEFT || hitCode == HTBOTTOMRIGHT;
  if (l) left = std::min(left + delta.x(), right - minimumSize);
  if (r) right = std::max(right + delta.x(), left + minimumSize);
  if (t) top = std::min(top + delta.y(), bottom - minimumSize);
  if (b) bottom = std::max(bottom + delta.y(), top + minimumSize);
  return QRect(left, top, right - left, bottom - top);
}

void MoveSizeTracker::Start(TCustomControl* control, int hitCode, QPoint globalPos, std::function<void()> onEnd) {
  control_ = control;
  hitCode_ = hitCode;
  // Measured on the canvas the control lies on: a canvas scrolled meanwhile, or shown at another
  // zoom, moves the pointer on it.
  startCanvas_ = control->CanvasPointOfGlobal(globalPos);
  startBounds_ = control->BoundsRect();
  onEnd_ = std::move(onEnd);
  snap_ = InstalledSnapping ? InstalledSnapping->BeginTrack(control, hitCode, startBounds_) : nullptr;
  // The press may have reached another control first; from now on the mouse is ours.
  control->grabMouse();
}

void MoveSizeTracker::MouseMove(QPoint globalPos) {
  if (!control_) return;
  QRect target =
      TrackedBounds(startBounds_, hitCode_, control_->CanvasPointOfGlobal(globalPos) - startCanvas_, kMinimumSize);
  if (snap_) target = snap_->Snap(target);
  QRect now = control_->BoundsRect();
  if (target == now) return;
  if (target.size() != now.size() && target.topLeft() != now.topLeft()) {
    // A left or top edge: the size is reported first, then the move, so each notification
    // carries its own change.
    control_->SetBoundsRect(QRect(now.topLeft(), target.size()));
    if (!control_) return;
  }
  control_->SetBoundsRect(target);
  if (control_ && InstalledStepObserver) InstalledStepObserver(control_);
}

void MoveSizeTracker::MouseRelease() { Finish(); }

void MoveSizeTracker::Cancel() {
  if (!control_) return;
  control_->SetBoundsRect(startBounds_);
  if (control_ && InstalledStepObserver) InstalledStepObserver(control_);
  Finish();
}

void MoveSizeTracker::Finish() {
  TControlPtr<TCustomControl> control = control_;
  control_ = nullptr;
  // Whatever the drag showed (guide lines) goes before the end is reported.
  snap_.reset();
  if (control) control->releaseMouse();
  std::function<void()> onEnd = std::move(onEnd_);
  onEnd_ = nullptr;
  if (control && onEnd) onEnd();
}
