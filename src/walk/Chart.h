#pragma once
#include <QPoint>
#include <QRect>
#include <QString>
#include <cstdint>
#include <span>
#include <vector>

#include "Item.h"

// The flowchart as keyboard walking and screen readers see it: the diagram graph's shapes with
// their boxes, and its connectors with the points where they leave and reach their shapes.
namespace walk {

// A side of a shape's box, and the direction out of the box through it.
enum class Side : uint8_t { Top, Right, Bottom, Left };
Side Opposite(Side side);
// The side of the box a point lies nearest to, measured against the box's half width and half
// height (so a point on a wide box's corner counts to the shorter side's end); of two equal,
// the top or bottom.
Side SideOf(const QRect& box, QPoint p);

struct Shape {
  uint64_t figure = 0;
  semantics::ItemKind kind = semantics::ItemKind::Process;
  QRect box;
  QString text;  // lines separated by '\n'; empty without text
};

// A connector from `from` to `to` (the end with the head; a line from its start), indices into
// the chart's shapes.
struct Link {
  int from = 0, to = 0;
  QPoint fromPoint, toPoint;  // the connector's ends
  QString label;
  std::vector<uint64_t> figures;  // segments in route order, then the label
};

struct Chart {
  std::vector<Shape> shapes;  // in item order
  std::vector<Link> links;    // in the graph's edge order
};

// The chart of the diagram (FindGraph, each edge's route for its ends). The query answers with
// pointers into `items`.
Chart ChartOf(std::span<const semantics::Item> items, const semantics::ItemQuery& query);

}  // namespace walk
