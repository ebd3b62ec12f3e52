#pragma once
#include <QPoint>
#include <QRect>
#include <array>
#include <optional>

#include "SidePoints.h"

// One-drag next step: the four small arrow buttons beside a selected shape, and where the copy a
// button makes goes.
namespace connectors {

// Buttons are squares of this many screen pixels, this far outside the selection frame (whose
// handles lie inside its edges), centred on the frame's side middles, whatever the zoom.
constexpr int kQuickButtonSize = 13;
constexpr int kQuickButtonGap = 4;
// Canvas pixels between the shape and its copy, with the grid off; with it on, four grid steps.
constexpr int kQuickGap = 40;

// The buttons by side (Top, Right, Bottom, Left) in the canvas widget's pixels at the zoom, for a
// shape whose box (canvas pixels) is `box`: its frame lies as the selection frame's does.
std::array<QRect, 4> QuickButtons(const QRect& box, double zoom);

// The side whose button holds the point (canvas widget pixels), if any.
std::optional<Side> QuickButtonAt(const std::array<QRect, 4>& buttons, QPoint p);

// The distance to the copy: kQuickGap, or four grid steps with the grid on (gridStep > 0).
int QuickGap(int gridStep);

// The copy's box: the same size, `gap` canvas pixels beyond the shape's side in that direction,
// level with it.
QRect QuickPlace(const QRect& box, Side direction, int gap);

// Canvas pixels left free at the canvas's left or top edge before a copy that would have gone
// past it; as much as an elbow route's stub out of the copy's side needs.
constexpr int kQuickEdgeMargin = 20;
// No figure goes left of or above the canvas, where no picture shows it: how far the whole chart
// moves (right, down) for the copy's box to fit. Along an axis on which the copy starts at 0 or
// more nothing moves; otherwise the copy comes to kQuickEdgeMargin.
QPoint QuickRoom(const QRect& copy);

}  // namespace connectors
