#pragma once
#include <QSize>
#include <span>
#include <vector>

#include "Item.h"
#include "LayoutPlan.h"

// One size per kind of shape in a laid-out chart, so that a chart reads as a drawing rather than
// as boxes cut to their words: process boxes and rectangles share a height (their widths follow
// their texts, which break at words beyond a comfortable width, so that a short text does not
// float in a box as wide as the longest), decisions share one size and ellipses one size (their
// text areas depend on both sides), start and end marks one diameter.
namespace flowchart {

// The sizes the shapes get: per shape its kind and the size it has or needs; each gets the
// largest of its kind as above (a mark a square box as wide as the largest circle, a circle being
// as wide as its box's short side).
std::vector<QSize> SharedSizes(std::span<const semantics::ItemKind> kinds, std::span<const QSize> sizes);

// The chosen shapes of the items (ids) at the sizes their kinds share, each grown about its
// centre: an end of a connector on its outline lies on or inside it still, and its text stays
// inside. Only the shapes whose box changes are listed, in the items' order.
std::vector<FigureMove> GrowToSharedSizes(std::span<const semantics::Item> items, std::span<const uint64_t> shapes);

// Auto Layout with shared sizes: the shapes PlanLayout lays out are first grown to the sizes of
// their kinds (GrowToSharedSizes), then laid out at those sizes; the plan's moves give them their
// new boxes. When growing would change what the diagram means (a grown shape taking in a label or
// a connector's end it did not hold), the shapes keep their sizes.
LayoutPlan PlanLayoutSharingSizes(std::span<const semantics::Item> items, const LayoutRequest& request);

}  // namespace flowchart
