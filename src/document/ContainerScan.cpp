#include "ContainerScan.h"

#include <algorithm>

#include "Diagram.h"
#include "DiagramItems.h"
#include "SelectionUnit.h"
#include "ShapeText.h"

ContainerScan::ContainerScan(const Diagram& diagram) : items_(DiagramItems(diagram).All()), grid_(items_) {
  byId_.reserve(items_.size());
  for (size_t i = 0; i < items_.size(); ++i) byId_.emplace(items_[i].id, i);
}

const semantics::Item* ContainerScan::Find(uint64_t id) const {
  const auto it = byId_.find(id);
  return it != byId_.end() ? &items_[it->second] : nullptr;
}

const std::vector<semantics::Container>& ContainerScan::Containers() {
  if (!found_) {
    found_ = true;
    containers_ = semantics::FindContainers(items_, Query());
    // A titled rectangle that holds nothing yet is a container too (a new lane, an empty
    // container): it has to be one for the lane commands and for a shape dropped into it.
    std::unordered_map<uint64_t, bool> known;
    for (const semantics::Container& c : containers_) known[c.frame->id] = true;
    std::vector<semantics::Container> empty;
    for (const semantics::Item& i : items_) {
      if (i.kind != semantics::ItemKind::Rectangle || known.count(i.id)) continue;
      // Its title at the top, not a text laid in the middle of a low box.
      const semantics::Item* title = TitleOf(i);
      if (title && title->box.center().y() < i.box.top() + i.box.height() / 3) empty.push_back({&i, title, nullptr, {}});
    }
    if (!empty.empty()) {
      for (semantics::Container& c : empty) c.parent = semantics::ContainerOf(*c.frame, containers_);
      containers_.insert(containers_.end(), empty.begin(), empty.end());
      std::sort(containers_.begin(), containers_.end(), [](const auto& a, const auto& b) {
        return a.frame->stacking < b.frame->stacking;
      });
    }
    pools_ = semantics::FindPools(containers_);
  }
  return containers_;
}

const std::vector<semantics::Pool>& ContainerScan::Pools() {
  Containers();
  return pools_;
}

const semantics::Pool* ContainerScan::PoolOf(uint64_t frame, size_t& index) {
  for (const semantics::Pool& p : Pools())
    for (size_t i = 0; i < p.lanes.size(); ++i)
      if (p.lanes[i]->id == frame) {
        index = i;
        return &p;
      }
  return nullptr;
}

const semantics::Item* ContainerScan::TitleOf(const semantics::Item& frame) const {
  if (frame.kind != semantics::ItemKind::Rectangle) return nullptr;
  const semantics::Item* text = semantics::ShapeText(frame, Query());
  return text && text->box.top() - frame.box.top() <= semantics::kTitleBand ? text : nullptr;
}

std::vector<const semantics::Item*> ContainerScan::Enclosed(const semantics::Item& frame) const {
  std::vector<const semantics::Item*> near, out;
  grid_.Query(frame.box, near);
  for (const semantics::Item* s : near)
    if (semantics::Encloses(frame, *s)) out.push_back(s);
  return out;
}

std::vector<const semantics::Item*> ContainerScan::Contents(const semantics::Item& frame) const {
  std::vector<const semantics::Item*> heads = Enclosed(frame);
  heads.insert(heads.begin(), &frame);
  std::sort(heads.begin(), heads.end(), [](auto* a, auto* b) { return a->stacking < b->stacking; });
  std::vector<const semantics::Item*> out = semantics::CarriedWith(heads, Query());
  out.erase(std::remove(out.begin(), out.end(), &frame), out.end());
  return out;
}
