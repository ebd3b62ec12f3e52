#pragma once
#include <QList>
#include <QRect>
#include <QSize>

// Whether the main window's place from the last run is worth restoring. Settings written by
// another version, edited by hand or left from a screen that is gone can hold a window too small
// to work in, or one whose title bar is out of reach.
namespace placement {

// Room for the menus, the three tool bars, the status bar and a document's title and canvas.
constexpr QSize kSmallestWindow(480, 360);
// How much of the window, its top edge included, must lie on one screen to be found and moved.
constexpr int kSmallestVisible = 100;

// True when the frame is at least kSmallestWindow and some available screen area holds its top
// edge with at least kSmallestVisible pixels of the window in each direction.
bool RestoredFrameUsable(const QRect& frame, const QList<QRect>& screens);

}  // namespace placement
