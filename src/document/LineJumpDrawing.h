#pragma once
#include <QColor>
#include <QRect>
#include <span>
#include <vector>

#include "LineJumps.h"

class QImage;
class QPainter;
class TCustomKDTool;

// View > Line Jumps, one choice for the whole program (the menu item keeps it in the settings):
// whether the canvas and every picture draw the hops.
bool LineJumpsShown();
void SetLineJumpsShown(bool on);

// The straight runs of the lines and arrows among the figures, numbered by their place in the
// list and stacked in its order. An arrow's run stops short of its heads, so that no hop lands
// on a head.
std::vector<render::JumpRun> JumpRunsOf(std::span<const TCustomKDTool* const> figures);

// Draws the hops among the figures (bottom first) through the painter's transformation, in
// canvas pixels: each hop's straight piece painted over in the background (and the underlay
// picture, laid at the canvas corner, where it has pixels), then its arc in the hopping figure's
// pen colour, width and style. With an area, only the hops whose crossing lies in it.
void DrawLineJumps(QPainter& painter, std::span<const TCustomKDTool* const> figures, const QColor& background,
                   const QImage* underlay = nullptr, const QRect& area = {});
