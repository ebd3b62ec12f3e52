#include "PropertyValues.h"

namespace style {

namespace {
// The shared value goes when a figure disagrees with it.
template <typename T>
void Keep(std::optional<T>& shared, const T& value) {
  if (shared && !(*shared == value)) shared.reset();
}
}  // namespace

PanelValues SharedValues(const std::vector<FigureProperties>& figures) {
  PanelValues v;
  v.count = figures.size();
  if (figures.empty()) return v;
  const FigureProperties& first = figures.front();
  v.x = first.box.x();
  v.y = first.box.y();
  v.width = first.box.width();
  v.height = first.box.height();
  v.fontName = first.font.name;
  v.fontSize = first.font.Size();
  v.fill = first.fill;
  v.line = first.line;
  v.lineStyle = first.lineStyle;
  v.lineWidth = first.lineWidth;
  for (const FigureProperties& f : figures) {
    Keep(v.x, f.box.x());
    Keep(v.y, f.box.y());
    Keep(v.width, f.box.width());
    Keep(v.height, f.box.height());
    Keep(v.fontName, f.font.name);
    Keep(v.fontSize, static_cast<int>(f.font.Size()));
    Keep(v.fill, f.fill);
    Keep(v.line, f.line);
    Keep(v.lineStyle, f.lineStyle);
    Keep(v.lineWidth, static_cast<int>(f.lineWidth));
    // Text and arrow values are shared among the figures they apply to.
    if (f.hasText) {
      if (!v.textApplies) v.text = f.text;
      v.textApplies = true;
      Keep(v.text, f.text);
    }
    if (f.arrow) {
      if (!v.arrows) {
        v.heads = f.heads;
        v.direction = f.direction;
      }
      v.arrows = true;
      Keep(v.heads, f.heads);
      Keep(v.direction, f.direction);
    }
  }
  return v;
}

}  // namespace style
