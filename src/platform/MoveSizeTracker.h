#pragma once
#include <QPoint>
#include <QRect>
#include <functional>
#include <memory>

#include "ControlPtr.h"
#include "TrackSnapping.h"

class TCustomControl;

// Interactive move and sizing of a control without a nested loop, in canvas pixels at any zoom: a press starts it, every mouse
// move sets the control's bounds (which delivers its move or size notification at once), and the
// release ends it and then runs what happens when the move "returns".
class MoveSizeTracker {
 public:
  // hitCode HTCAPTION moves; a sizing code resizes from that edge or corner.
  void Start(TCustomControl* control, int hitCode, QPoint globalPos, std::function<void()> onEnd = {});
  bool Active() const { return !control_.isNull(); }
  int HitCode() const { return hitCode_; }
  void MouseMove(QPoint globalPos);
  void MouseRelease();
  // Escape: the control goes back to where it was and the tracking ends.
  void Cancel();

  static constexpr int kMinimumSize = 4;

  // Told after every step of any drag has put the control somewhere (Escape's return included),
  // so that what hangs on the dragged figures can follow. None by default.
  using StepObserver = void (*)(TCustomControl* control);
  static void SetStepObserver(StepObserver observer);

 private:
  void Finish();

  TControlPtr<TCustomControl> control_;
  int hitCode_ = 0;
  QPoint startCanvas_;
  QRect startBounds_;
  std::unique_ptr<TrackSnap> snap_;
  std::function<void()> onEnd_;
};

// The bounds a sizing or moving drag gives: startBounds changed by delta at the edges that the
// hit code names, never narrower or lower than minimumSize.
QRect TrackedBounds(const QRect& startBounds, int hitCode, QPoint delta, int minimumSize);
