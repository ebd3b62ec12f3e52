#pragma once
#include <QPoint>
#include <QRect>
#include <memory>

class TCustomControl;

// Snapping of one drag (to a grid, to other figures' edges), decided above the platform: the
// tracker only asks where the control goes instead of where the pointer put it.
class TrackSnap {
 public:
  virtual ~TrackSnap() = default;
  // The bounds the control takes instead of `proposed` on a mouse move of the drag.
  virtual QRect Snap(const QRect& proposed) = 0;
};

// What the program snaps with: a TrackSnap for every drag that starts, and the step of an arrow
// key. None is installed by default, and then nothing snaps.
class TrackSnapping {
 public:
  virtual ~TrackSnapping() = default;
  // None: this drag does not snap.
  virtual std::unique_ptr<TrackSnap> BeginTrack(TCustomControl* control, int hitCode, const QRect& startBounds) = 0;
  // How far a plain arrow key (no Ctrl) moves the control, given the step it would move by.
  virtual QPoint NudgeStep(TCustomControl* control, QPoint step) = 0;

  static void Install(TrackSnapping* snapping);
  static TrackSnapping* Installed();
};

