#include "DiagramTexts.h"

#include <algorithm>

#include "ReadingOrder.h"

namespace find {

std::vector<DiagramText> DiagramTexts(std::span<const semantics::Item> items) {
  std::vector<const semantics::Item*> labels;
  for (const semantics::Item& i : items)
    if (i.kind == semantics::ItemKind::Label && !i.caption.empty()) labels.push_back(&i);
  std::stable_sort(labels.begin(), labels.end(), [](const semantics::Item* a, const semantics::Item* b) {
    return a->stacking < b->stacking;
  });
  std::vector<QRect> boxes;
  boxes.reserve(labels.size());
  for (const semantics::Item* l : labels) boxes.push_back(l->box);
  std::vector<DiagramText> texts;
  texts.reserve(labels.size());
  for (size_t i : ReadingOrder(boxes))
    texts.push_back({labels[i]->id, QString::fromStdString(labels[i]->caption)});
  return texts;
}

qsizetype TextIndexOf(std::span<const DiagramText> texts, uint64_t figure) {
  for (size_t i = 0; i < texts.size(); ++i)
    if (texts[i].figure == figure) return static_cast<qsizetype>(i);
  return -1;
}

}  // namespace find
