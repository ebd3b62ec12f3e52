#include "Containers.h"

#include <algorithm>
#include <cstdlib>
#include <map>

#include "Outline.h"
#include "ShapeText.h"

namespace semantics {

namespace {
int64_t Area(const QRect& r) { return int64_t{r.width()} * r.height(); }

// Of two enclosing frames, the inner: the smaller, the upper on a tie.
bool Inner(const Item* a, const Item* b) {
  const int64_t aa = Area(a->box), ab = Area(b->box);
  return aa != ab ? aa < ab : a->stacking > b->stacking;
}

// The innermost of the candidate frames that encloses the item.
const Item* Innermost(const Item& item, const std::vector<const Item*>& frames) {
  const Item* best = nullptr;
  for (const Item* f : frames)
    if (f != &item && f->id != item.id && Encloses(*f, item) && (!best || Inner(f, best))) best = f;
  return best;
}
}  // namespace

// A connector's label lower in the box, drawn later, does not hide the title.
const Item* TitleOf(const Item& frame, const ItemQuery& query) {
  std::vector<const Item*> near;
  query(QRect(frame.box.left(), frame.box.top(), frame.box.width(), std::min(frame.box.height(), kTitleBand + 1)), near);
  const Item* best = nullptr;
  for (const Item* l : near) {
    if (l->kind != ItemKind::Label || l->box.top() - frame.box.top() > kTitleBand || (best && l->stacking < best->stacking))
      continue;
    const Item* under = ShapeUnder(*l, query);
    if (under && under->id == frame.id) best = l;
  }
  return best;
}

bool EnclosesAny(const Item& frame, const ItemQuery& query) {
  if (frame.kind != ItemKind::Rectangle) return false;
  std::vector<const Item*> near;
  query(frame.box, near);
  return std::any_of(near.begin(), near.end(), [&](const Item* s) { return Encloses(frame, *s); });
}

bool Encloses(const Item& frame, const Item& shape) {
  return frame.kind == ItemKind::Rectangle && IsShape(shape.kind) && shape.stacking > frame.stacking &&
         connectors::BoxInside(shape.box, frame.box) && shape.box != frame.box;
}

std::vector<Container> FindContainers(std::span<const Item> items, const ItemQuery& query) {
  std::vector<const Item*> near;
  // A rectangle is a container when a shape lies in it; each enclosed shape remembers the
  // innermost container around it.
  std::vector<const Item*> containing;
  std::map<uint64_t, const Item*> innermost;  // shape id -> frame
  for (const Item& f : items) {
    if (f.kind != ItemKind::Rectangle) continue;
    near.clear();
    query(f.box, near);
    bool any = false;
    for (const Item* s : near) {
      if (!Encloses(f, *s)) continue;
      any = true;
      const Item*& best = innermost[s->id];
      if (!best || Inner(&f, best)) best = &f;
    }
    if (any) containing.push_back(&f);
  }
  std::map<uint64_t, std::vector<const Item*>> membersOf;
  for (const Item& i : items) {
    const auto found = innermost.find(i.id);
    if (found != innermost.end()) membersOf[found->second->id].push_back(&i);
  }
  std::vector<Container> out;
  out.reserve(containing.size());
  for (const Item* f : containing) {
    Container c;
    c.frame = f;
    c.title = TitleOf(*f, query);
    const auto parent = innermost.find(f->id);
    c.parent = parent != innermost.end() ? parent->second : nullptr;
    c.members = std::move(membersOf[f->id]);
    out.push_back(std::move(c));
  }
  return out;
}

const Item* ContainerOf(const Item& item, const std::vector<Container>& containers) {
  std::vector<const Item*> frames;
  frames.reserve(containers.size());
  for (const Container& c : containers) frames.push_back(c.frame);
  return Innermost(item, frames);
}

namespace {
bool Near(int a, int b) { return std::abs(a - b) <= kLaneSlack; }

// Lanes of one pool, found in one direction: chains of touching frames of one extent.
void Chains(const std::vector<const Container*>& free, bool rows, std::vector<Pool>& pools,
            std::vector<bool>& used) {
  auto start = [&](const Item* f) { return rows ? f->box.top() : f->box.left(); };
  auto end = [&](const Item* f) { return rows ? f->box.top() + f->box.height() : f->box.left() + f->box.width(); };
  auto sameExtent = [&](const Item* a, const Item* b) {
    return rows ? Near(a->box.left(), b->box.left()) && Near(a->box.width(), b->box.width())
                : Near(a->box.top(), b->box.top()) && Near(a->box.height(), b->box.height());
  };
  std::vector<size_t> order(free.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return start(free[a]->frame) < start(free[b]->frame); });
  for (size_t oi = 0; oi < order.size(); ++oi) {
    const size_t first = order[oi];
    if (used[first]) continue;
    std::vector<size_t> chain{first};
    for (bool grew = true; grew;) {
      grew = false;
      const Container* last = free[chain.back()];
      for (size_t oj = oi + 1; oj < order.size(); ++oj) {
        const size_t j = order[oj];
        const Container* next = free[j];
        if (used[j] || std::find(chain.begin(), chain.end(), j) != chain.end()) continue;
        if (next->parent != last->parent || !sameExtent(last->frame, next->frame) ||
            !Near(end(last->frame), start(next->frame)))
          continue;
        chain.push_back(j);
        grew = true;
        break;
      }
    }
    if (chain.size() < 2) continue;
    Pool pool;
    pool.rows = rows;
    for (size_t j : chain) {
      used[j] = true;
      pool.lanes.push_back(free[j]->frame);
    }
    pools.push_back(std::move(pool));
  }
}
}  // namespace

std::vector<Pool> FindPools(const std::vector<Container>& containers) {
  std::vector<const Container*> all;
  all.reserve(containers.size());
  for (const Container& c : containers) all.push_back(&c);
  std::vector<bool> used(all.size(), false);
  std::vector<Pool> pools;
  Chains(all, true, pools, used);
  Chains(all, false, pools, used);
  return pools;
}

}  // namespace semantics
