#pragma once
#include <algorithm>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "FigurePlan.h"
#include "Item.h"
#include "LayoutPlan.h"

// Figures to lay out, and the items as they stand once a layout plan is carried out, for the
// tests of Auto Layout.
namespace charttest {

inline flowchart::FigurePlan Plan(semantics::ItemKind kind, QRect box, std::string caption = {}) {
  flowchart::FigurePlan p;
  p.kind = kind;
  p.box = box;
  p.caption = std::move(caption);
  return p;
}

// The items with the plan carried out: moved ones in their new boxes, removed ones gone, the new
// segments on top with ids (and stacking) after every id there.
inline std::vector<semantics::Item> Applied(std::vector<semantics::Item> items, const flowchart::LayoutPlan& plan) {
  std::unordered_map<uint64_t, QRect> to;
  for (const flowchart::FigureMove& m : plan.moves) to[m.id] = m.box;
  uint64_t next = 1;
  for (const semantics::Item& i : items) next = std::max(next, i.id + 1);
  std::vector<semantics::Item> out;
  for (semantics::Item& i : items) {
    if (std::find(plan.removed.begin(), plan.removed.end(), i.id) != plan.removed.end()) continue;
    if (const auto it = to.find(i.id); it != to.end()) i.box = it->second;
    out.push_back(std::move(i));
  }
  for (const flowchart::FigurePlan& p : plan.added) {
    out.push_back(flowchart::ItemOf(p, next, static_cast<int>(next)));
    ++next;
  }
  return out;
}

inline QRect BoxOf(const std::vector<semantics::Item>& items, uint64_t id) {
  for (const semantics::Item& i : items)
    if (i.id == id) return i.box;
  return {};
}

}  // namespace charttest
