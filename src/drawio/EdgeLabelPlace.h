#pragma once
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <optional>
#include <vector>

#include "MxModel.h"

// Where draw.io puts an edge's label: at a point along the route (its geometry's x, from -1 at
// the source to 1 at the target, 0 in the middle of its length), moved by the label's offset.
namespace drawio {

QPointF PointAlong(const std::vector<QPoint>& route, double x);

// The label's box of `size` about its place; none where the geometry moves it by no offset (then
// the label goes beside the middle run, as the editor places it).
std::optional<QRect> PlacedLabel(const std::vector<QPoint>& route, const CellGeometry& g, QSize size);

}  // namespace drawio
