#include "ShapeText.h"

#include <algorithm>

#include "Outline.h"

namespace semantics {

const Item* ShapeUnder(const Item& label, const ItemQuery& query) {
  if (label.kind != ItemKind::Label) return nullptr;
  std::vector<const Item*> near;
  query(label.box, near);
  const Item* best = nullptr;
  for (const Item* f : near) {
    if (!IsShape(f->kind) || f->stacking >= label.stacking || !connectors::BoxInside(label.box, f->box)) continue;
    if (!best || f->stacking > best->stacking) best = f;
  }
  return best;
}

const Item* ShapeText(const Item& shape, const ItemQuery& query) {
  if (!IsShape(shape.kind)) return nullptr;
  std::vector<const Item*> near;
  query(shape.box, near);
  std::vector<const Item*> labels;
  for (const Item* f : near)
    if (f->kind == ItemKind::Label && f->stacking > shape.stacking && connectors::BoxInside(f->box, shape.box))
      labels.push_back(f);
  // Topmost first: the first that lies on this shape rather than on a shape above it wins.
  std::sort(labels.begin(), labels.end(), [](const Item* a, const Item* b) { return a->stacking > b->stacking; });
  for (const Item* l : labels) {
    const Item* under = ShapeUnder(*l, query);
    if (under && under->id == shape.id) return l;
  }
  return nullptr;
}

const Item* ShapeOfText(const Item& label, const ItemQuery& query) {
  const Item* shape = ShapeUnder(label, query);
  if (!shape) return nullptr;
  const Item* text = ShapeText(*shape, query);
  return text && text->id == label.id ? shape : nullptr;
}

}  // namespace semantics
