#pragma once
#include <QPoint>

#include "Control.h"

// One tool of the palette at work on a document's canvas: it turns a press on the empty canvas,
// the pointer's moves and the release into one step of the document's history (a figure drawn, a
// connector drawn, a selection made). Each document holds its own tools, so a gesture's state
// belongs to the tool and the document; a gesture goes to the tool that took its press until it
// ends. Points are canvas pixels.
class CanvasTool {
 public:
  virtual ~CanvasTool() = default;

  virtual void Press(TShiftState shift, QPoint point) = 0;
  virtual void Move(TShiftState shift, QPoint point) = 0;
  virtual void Release(TShiftState shift, QPoint point) = 0;
  // Puts the gesture back: nothing is drawn, selected or recorded.
  virtual void Cancel() = 0;
  // A key while the gesture lasts (Qt::Key); true when the tool took it.
  virtual bool Key(int key) = 0;
  // Between the press and the release or the cancel.
  virtual bool Active() const = 0;
};
