#include "SampleItems.h"

#include <cstring>
#include <stdexcept>

#include "DiagramFile.h"
#include "KDTools.h"

namespace semtest {

namespace {

semantics::ItemKind KindOf(const TCustomKDTool& f) {
  using semantics::ItemKind;
  const struct {
    const char* name;
    ItemKind kind;
  } kClasses[] = {{"TKDBegin", ItemKind::Start},         {"TKDEnd", ItemKind::End},
                  {"TKDProcess", ItemKind::Process},     {"TKDDiamond", ItemKind::Decision},
                  {"TKDEllipse", ItemKind::Ellipse},     {"TKDRectangle", ItemKind::Rectangle},
                  {"TKDLabel", ItemKind::Label},         {"TKDLine", ItemKind::Line},
                  {"TKDArrow", ItemKind::Arrow}};
  for (const auto& c : kClasses)
    if (std::strcmp(f.ClassName(), c.name) == 0) return c.kind;
  throw std::runtime_error(std::string("unknown figure class ") + f.ClassName());
}

}  // namespace

semantics::Item DescribeItem(const TCustomKDTool& figure, int number) {
  semantics::Item item;
  item.id = static_cast<uint64_t>(number);
  item.kind = KindOf(figure);
  item.box = figure.BoundsRect();
  if (auto* line = qobject_cast<const TKDLine*>(&figure)) item.direction = line->Orientation();
  if (auto* arrow = qobject_cast<const TKDArrow*>(&figure)) {
    item.direction = arrow->ArrowDirection();
    item.heads = arrow->ArrowPosition();
  }
  item.stacking = number;
  item.caption = figure.Caption();
  item.pen = figure.LineStyle();
  item.penWidth = figure.LineWidth();
  item.brush = figure.FillStyle();
  item.fill = figure.FillColor();
  return item;
}

std::vector<semantics::Item> ReadItems(const QString& path) {
  std::vector<semantics::Item> items;
  diagramfile::Read(path, [&](std::unique_ptr<TCustomKDTool> f) {
    items.push_back(DescribeItem(*f, static_cast<int>(items.size()) + 1));
  });
  return items;
}

}  // namespace semtest
