#pragma once
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <array>

// The one mapping between canvas pixels (what figures, frames, messages and files use) and the
// widget pixels Qt draws and delivers the mouse in, at a document's zoom. At 100 % it is the
// identity, exactly.
namespace zoommap {

constexpr int kMinPercent = 10;
constexpr int kMaxPercent = 800;
// The steps of Zoom In and Zoom Out.
constexpr std::array<int, 14> kSteps = {10, 25, 33, 50, 67, 75, 100, 125, 150, 200, 300, 400, 600, 800};

int ClampPercent(int percent);
// The next step above (or below) the zoom; the limit stays where it is.
int StepIn(int percent);
int StepOut(int percent);

// Where a canvas coordinate lies in widget pixels: its scaled place, rounded down.
int ToWidget(int canvas, double zoom);
// A canvas box as a widget rectangle. A margin (frames: 2) keeps its screen size: the box less
// the margin is scaled, the margin is added back unscaled.
QRect ToWidget(const QRect& canvas, double zoom, int margin = 0);
// The canvas pixel under a point given in widget pixels.
QPoint ToCanvas(QPointF widget, double zoom);

// The largest zoom at which content fits the view, in percent, within the limits; for the width
// only, with fitHeight false.
int FitPercent(QSize content, QSize view, bool fitHeight = true);

}  // namespace zoommap
