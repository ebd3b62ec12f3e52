#include "DiagramItems.h"

#include "Diagram.h"
#include "KDTools.h"

namespace {
// One virtual call rather than a chain of casts: this runs for every figure a query meets.
semantics::ItemKind KindOf(const TCustomKDTool& f) {
  using semantics::ItemKind;
  const char* name = f.ClassName();  // "TKD..." of the nine classes
  switch (name[3]) {
    case 'B': return ItemKind::Start;
    case 'E': return name[4] == 'n' ? ItemKind::End : ItemKind::Ellipse;
    case 'P': return ItemKind::Process;
    case 'D': return ItemKind::Decision;
    case 'L': return name[4] == 'a' ? ItemKind::Label : ItemKind::Line;
    case 'A': return ItemKind::Arrow;
    default: return ItemKind::Rectangle;
  }
}
}  // namespace

semantics::Item DescribeItem(const TCustomKDTool& figure, int stacking) {
  semantics::Item item;
  item.id = figure.FigureId;
  item.kind = KindOf(figure);
  item.box = figure.BoundsRect();
  if (auto* line = qobject_cast<const TKDLine*>(&figure)) item.direction = line->Orientation();
  if (auto* arrow = qobject_cast<const TKDArrow*>(&figure)) {
    item.direction = arrow->ArrowDirection();
    item.heads = arrow->ArrowPosition();
  }
  item.stacking = stacking;
  item.caption = figure.Caption();
  item.pen = figure.LineStyle();
  item.penWidth = figure.LineWidth();
  item.brush = figure.FillStyle();
  item.fill = figure.FillColor();
  return item;
}

DiagramItems::DiagramItems(const Diagram& diagram) : diagram_(diagram) {}

const semantics::Item& DiagramItems::Of(const TCustomKDTool* figure) {
  auto it = items_.find(figure->FigureId);
  if (it == items_.end()) it = items_.emplace(figure->FigureId, DescribeItem(*figure, diagram_.StackIndexOf(figure))).first;
  return it->second;
}

semantics::ItemQuery DiagramItems::Query() {
  return [this](const QRect& area, std::vector<const semantics::Item*>& out) {
    std::vector<TCustomKDTool*> hits;
    diagram_.FiguresIn(area, hits);
    for (TCustomKDTool* f : hits)
      if (!f->isHidden()) out.push_back(&Of(f));
  };
}

TCustomKDTool* DiagramItems::FigureOf(const semantics::Item& item) const { return diagram_.Find(item.id); }

std::vector<semantics::Item> DiagramItems::All() const {
  std::vector<semantics::Item> all;
  const std::vector<TCustomKDTool*> figures = diagram_.Figures();
  all.reserve(figures.size());
  for (size_t i = 0; i < figures.size(); ++i) all.push_back(DescribeItem(*figures[i], static_cast<int>(i)));
  return all;
}
