#pragma once
#include <span>
#include <vector>

#include "Item.h"

// Figures that act as one: what a press selects, and what Delete, Cut, Copy and Duplicate take
// along with the selection. Every answer is in stacking order, bottom first, each figure once.
namespace semantics {

// The figures of the unit the figure heads: a shape with its text (ShapeText); a connector's
// segment with the connector's label (ConnectorLabel); any other figure alone. The head comes
// first. This is the one place that says what a unit holds.
std::vector<const Item*> UnitOf(const Item& head, const ItemQuery& query);

// The figure that stands for the unit the figure belongs to: a shape's text stands for its shape;
// every other figure for itself.
const Item& HeadOf(const Item& figure, const ItemQuery& query);

// The heads of the figures' units, each once (a shape and its text make one), in stacking order.
std::vector<const Item*> HeadsOf(std::span<const Item* const> figures, const ItemQuery& query);

// The figures, less the segments of every connector that has a segment not among them: what a
// rubber band takes is a connector whole or nothing of it. In the figures' order.
std::vector<const Item*> WithoutPartConnectors(std::span<const Item* const> figures, const ItemQuery& query);

// What Copy, Cut and Duplicate take: the heads' units, and every connector whose two ends attach
// to shapes among the heads, with its label.
std::vector<const Item*> CarriedWith(std::span<const Item* const> heads, const ItemQuery& query);

// What Delete takes: the heads' units, and every connector with an end attached to a shape among
// the heads, with its label.
std::vector<const Item*> RemovedWith(std::span<const Item* const> heads, const ItemQuery& query);

}  // namespace semantics
