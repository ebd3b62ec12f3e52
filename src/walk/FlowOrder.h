#pragma once
#include <optional>
#include <vector>

#include "Chart.h"

// The order the keyboard walks a chart's shapes and connectors.
namespace walk {

// The chart's direction: the side most connectors leave their shapes by (of equal counts:
// bottom, right, top, left). Bottom for a chart without connectors.
Side MainSide(const Chart& chart);

// The connectors leaving the shape (indices into the links), branch by branch: first those
// leaving by the side ahead (`ahead`, the way the flow came in), then those leaving by the two
// sides across it in reading order (left before right, top before bottom), then those going
// back; on one side by their place along it (left to right, top to bottom), then in link order.
std::vector<int> Branches(const Chart& chart, int shape, Side ahead);

// The order Tab walks the shapes (indices into the shapes): from the start marks, then from the
// shapes no connector comes into, each set in reading order of the boxes, depth first along the
// connectors in branch order (ahead being the side the connector came into the shape through,
// and the chart's direction at the first shape); every shape once, so a loop is followed round
// once. Shapes not reached then follow in reading order, each walking on the same way from there
// (a loop no start reaches is still walked along its connectors).
std::vector<int> FlowOrder(const Chart& chart);

// The shape after (Tab) or before (Shift+Tab) `current` in the order, round the end; with no
// current shape (or one not in the order) the first, or going back the last. None when empty.
std::optional<int> StepInFlow(const std::vector<int>& order, std::optional<int> current, bool backward);

// The shape joined to `shape` in that direction (Alt+arrow): of the connectors whose end at the
// shape lies on that side, the one to the nearest shape (by the boxes' centres); without one,
// the nearest shape joined by any connector whose centre lies beyond the shape's centre that way.
// None when there is none.
std::optional<int> ShapeToward(const Chart& chart, int shape, Side side);

// The connectors of a shape, going in or out (indices into the links), clockwise round it from
// its top left corner by their ends on it; a connector from the shape to itself once.
std::vector<int> ConnectorsOf(const Chart& chart, int shape);

// The first of the shape's connectors (in ConnectorsOf's order) whose end at the shape lies on
// that side (Alt+Shift+arrow), or none.
std::optional<int> ConnectorToward(const Chart& chart, int shape, Side side);

}  // namespace walk
