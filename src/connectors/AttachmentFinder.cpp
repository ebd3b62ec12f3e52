#include "AttachmentFinder.h"

#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "ConnectorGeometry.h"

namespace connectors {

namespace {

// The figure the end at p belongs to among the mover and the figures near it, or none.
const Figure* OwnerOfEnd(QPointF p, const Figure& mover, const std::vector<Figure>& near, double reach) {
  auto attached = [&](const Figure& f) { return IsClosed(f.kind) && IsAttached(f.kind, f.box, p, reach); };
  auto others = [&](auto&& visit) {
    visit(mover);
    for (const Figure& f : near)
      if (f.id != mover.id) visit(f);
  };
  const Figure* only = nullptr;
  int count = 0;
  others([&](const Figure& f) {
    if (attached(f) && count++ == 0) only = &f;
  });
  if (count <= 1) return only;
  // Several: on or near an outline before deep inside (farther than reach from it), then topmost.
  const Figure* best = nullptr;
  bool bestDeep = false;
  others([&](const Figure& f) {
    if (!attached(f)) return;
    const bool deep = Contains(f.kind, f.box, p) && DistanceToOutline(f.kind, f.box, p) > reach;
    if (!best || (!deep && bestDeep) || (deep == bestDeep && f.stacking > best->stacking)) {
      best = &f;
      bestDeep = deep;
    }
  });
  return best;
}

// The topmost closed figure below the label that holds its box wholly.
const Figure* OwnerOfLabel(const Figure& label, const Figure& mover, const std::vector<Figure>& near) {
  const Figure* best = nullptr;
  auto offer = [&](const Figure& f) {
    if (!IsClosed(f.kind) || f.stacking >= label.stacking || !BoxInside(label.box, f.box)) return;
    if (!best || f.stacking > best->stacking) best = &f;
  };
  offer(mover);
  for (const Figure& f : near) offer(f);
  return best;
}

}  // namespace

Attachments FindAttachments(const std::vector<Figure>& moving, const FigureQuery& query, double reach) {
  std::unordered_set<FigureId> movingIds;
  movingIds.reserve(moving.size() * 2);
  for (const Figure& f : moving) movingIds.insert(f.id);

  // Connector pending by id, and for each end whether it has been decided (an end near two moving
  // figures is seen twice and decided once).
  struct Slot {
    ConnectorLink link;
    bool startSeen = false, endSeen = false;
  };
  std::vector<Slot> pending;
  std::unordered_map<FigureId, size_t> slotOf;
  std::unordered_set<FigureId> labelsSeen;
  Attachments out;

  // Every figure that can share an end or a label with the mover lies within twice the reach of
  // its box (an attached end is within reach of both figures).
  const int margin = static_cast<int>(std::ceil(2 * reach)) + 2;
  std::vector<Figure> near;
  for (const Figure& mover : moving) {
    if (!IsClosed(mover.kind)) continue;
    near.clear();
    query(mover.box.adjusted(-margin, -margin, margin, margin), near);
    for (const Figure& f : near) {
      if (movingIds.count(f.id)) continue;
      if (IsConnector(f.kind)) {
        const Ends ends = EndsOf(f);
        for (int k = 0; k < 2; ++k) {
          const QPoint p = k == 0 ? ends.start : ends.end;
          if (!IsAttached(mover.kind, mover.box, p, reach)) continue;
          auto [it, added] = slotOf.try_emplace(f.id, pending.size());
          if (added) pending.push_back({ConnectorLink{f, {}, {}}});
          Slot& slot = pending[it->second];
          bool& seen = k == 0 ? slot.startSeen : slot.endSeen;
          if (seen) continue;
          seen = true;
          const Figure* owner = OwnerOfEnd(p, mover, near, reach);
          if (owner && movingIds.count(owner->id))
            (k == 0 ? slot.link.start : slot.link.end) = Anchor{owner->id, owner->box};
        }
      } else if (f.kind == FigureKind::Label) {
        if (f.stacking <= mover.stacking || !BoxInside(f.box, mover.box)) continue;
        if (!labelsSeen.insert(f.id).second) continue;
        const Figure* owner = OwnerOfLabel(f, mover, near);
        if (owner && movingIds.count(owner->id)) out.labels.push_back({f, Anchor{owner->id, owner->box}});
      }
    }
  }
  for (Slot& s : pending)
    if (s.link.start || s.link.end) out.connectors.push_back(std::move(s.link));
  return out;
}

}  // namespace connectors
