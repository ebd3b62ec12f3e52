#include "DiagramChart.h"

#include "Diagram.h"
#include "DiagramItems.h"
#include "TextPlace.h"

namespace a11y {

namespace {
std::optional<int> Lookup(const std::unordered_map<uint64_t, int>& map, uint64_t figure) {
  const auto it = map.find(figure);
  if (it == map.end()) return std::nullopt;
  return it->second;
}
}  // namespace

std::optional<int> DiagramChart::ShapeOf(uint64_t figure) const { return Lookup(shapeOf, figure); }
std::optional<int> DiagramChart::LinkOf(uint64_t figure) const { return Lookup(linkOf, figure); }

DiagramChart ChartOfDiagram(const Diagram& diagram) {
  DiagramItems items(diagram);
  const semantics::ItemQuery query = items.Query();
  const std::vector<semantics::Item> all = items.All();
  DiagramChart out;
  out.chart = walk::ChartOf(all, query);
  for (size_t i = 0; i < out.chart.shapes.size(); ++i) out.shapeOf.emplace(out.chart.shapes[i].figure, int(i));
  for (size_t i = 0; i < out.chart.links.size(); ++i)
    for (uint64_t f : out.chart.links[i].figures) out.linkOf.emplace(f, int(i));
  // A shape's text stands for its shape.
  for (const semantics::Item& item : all) {
    if (item.kind != semantics::ItemKind::Label || out.linkOf.count(item.id)) continue;
    const semantics::TextPlace place = semantics::TextPlaceOf(item, query);
    if (place.kind != semantics::TextPlace::Kind::Shape || !place.shape) continue;
    if (const std::optional<int> shape = out.ShapeOf(place.shape->id)) out.shapeOf.emplace(item.id, *shape);
  }
  return out;
}

}  // namespace a11y
