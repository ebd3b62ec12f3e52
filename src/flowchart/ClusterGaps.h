#pragma once
#include <QRect>
#include <vector>

#include "Graph.h"

// Room between sibling containers after a layout: Graphviz keeps the nodes of neighbouring
// clusters apart, but a wide title's room lets their boxes meet, and two boxes that meet read as
// the lanes of a pool.
namespace flowchart {

constexpr int kMinSiblingGap = 20;

// Puts `d` pixels of space into a layout at coordinate `at` of the axis (y when `vertical`): boxes
// beginning there or beyond move on, nodes by their centre; a cluster across it grows.
void PutSpace(bool vertical, int at, int d, std::vector<QRect>& nodes, std::vector<QRect>& clusters);

// Takes back the room from `from` up to `to` (exclusive) of the axis, or the part of it after the
// last box reaching into it: what begins at `to` or beyond moves back by as much, the clusters
// marked `across` (those around the room) shrink. Nothing is taken where a box reaches past `to`
// from within. The room taken, in pixels.
int TakeSpace(bool vertical, int from, int to, const std::vector<bool>& across, std::vector<QRect>& nodes,
              std::vector<QRect>& clusters);

// Widens the layout wherever two clusters of one parent lie closer than kMinSiblingGap: space is
// put in along the axis on which they stand apart, at the far one's near edge. Whatever begins
// beyond that edge moves on; a cluster around both grows. Containment and order are kept, and no
// two boxes come to overlap.
void SpreadSiblings(const graph::Graph& g, std::vector<QRect>& nodes, std::vector<QRect>& clusters);

}  // namespace flowchart
