#include "WindowPlacement.h"

namespace placement {

bool RestoredFrameUsable(const QRect& frame, const QList<QRect>& screens) {
  if (frame.width() < kSmallestWindow.width() || frame.height() < kSmallestWindow.height()) return false;
  for (const QRect& screen : screens) {
    const QRect seen = screen.intersected(frame);
    // The title bar is the top of the frame: it must be on this screen, not above it.
    if (seen.width() >= kSmallestVisible && seen.height() >= kSmallestVisible && seen.top() == frame.top())
      return true;
  }
  return false;
}

}  // namespace placement
