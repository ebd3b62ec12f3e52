#pragma once
#include <QPoint>
#include <QRect>
#include <functional>
#include <vector>

#include "Attachments.h"

// Where attached ends and labels go when the figures they belong to move or change size. Every
// step is computed from the geometry at the start of the drag, so steps never add up rounding.
namespace connectors {

// An end attached to a figure whose box changes from `from` to `to`. On a move it moves with the
// box. On a resize it keeps its fraction of the box's width and height (rounded to the nearer
// pixel, halves down, so a side midpoint stays the midpoint); an end lying outside the box keeps
// its distance from the box instead of scaling it, so it stays in reach. A box that had no width
// (height) keeps the end's offset from its middle.
QPoint FollowPoint(QPoint p, const QRect& from, const QRect& to);

// An attached label's box: moved with the figure; on a resize, its size stays and its centre
// keeps its fraction of the figure's box.
QRect FollowLabel(const QRect& label, const QRect& from, const QRect& to);

// The followers' new geometry, in the order of the attachments.
struct Followers {
  std::vector<Figure> connectors;
  std::vector<Figure> labels;
};

// A drag moving every moving figure by delta: attached ends move by delta and their connectors
// are rebuilt; a connector with both ends attached moves whole.
Followers FollowMove(const Attachments& attachments, QPoint delta);

// Any change of the moving figures' boxes (resizes, group resizes): boxNow gives the current box
// of an anchor's figure. A connector whose two ends move alike moves whole.
Followers Follow(const Attachments& attachments, const std::function<QRect(FigureId)>& boxNow);

}  // namespace connectors
