#pragma once
#include <QPoint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "Item.h"
#include "Outline.h"

// Connectors: a straight line or arrow, or an elbow route of lines ending in one arrow.
namespace semantics {

// Segments join where exactly two segment ends meet (connectors::JointsMeet: within 3 pixels
// across and along, as hand-drawn routes do), unless the point is on or
// within reach of a shape's outline (two connectors that meet on a box's side are two), two
// arrows meet there, or an arrow head sits there (a route's one arrow points out of the route).
// Where more ends than two meet, an end goes on through the one that makes its chain a
// connector between two shapes, preferring the one straight on (ChooseAtFork in ForkChoice.h);
// otherwise none joins there.
struct Connector {
  // In route order from `start` to `end`; with a single head, it is at `end`.
  std::vector<const Item*> segments;
  QPoint start, end;
  bool headAtStart = false, headAtEnd = false;  // both: a two-headed arrow; neither: a line
  // The shape each end attaches to (on or within reach of its outline, or inside it), or none.
  const Item* startShape = nullptr;
  const Item* endShape = nullptr;
};

// The whole connector the segment is part of; none when the segment is not a line or arrow or
// its joined segments make no connector: a closed loop, two or more arrows, or two or more lines
// without an arrow.
std::optional<Connector> ConnectorOf(const Item& segment, const ItemQuery& query);

// The shape an end at p attaches to: inside a shape, on its outline or within reach of it. Of
// several, those whose outline it is on or near come before those that hold it deep inside,
// then the topmost: an end on a box inside a large container attaches to the box.
const Item* ShapeAtEnd(QPoint p, const ItemQuery& query, double reach = connectors::kAttachReach);

// Every connector with a segment within reach of one of the shapes (the figures among them that
// are no shapes are passed over), each once, in the order the shapes find them.
void ForEachConnectorNear(std::span<const Item* const> shapes, const ItemQuery& query,
                          const std::function<void(const Connector&)>& visit);

}  // namespace semantics
