#include "AttachmentFinder.h"

#include <algorithm>
#include <cmath>
#include <functional>

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
  // A sorted list: compact, so that the many lookups stay in the cache.
  std::vector<FigureId> movingIds;
  movingIds.reserve(moving.size());
  for (const Figure& f : moving) movingIds.push_back(f.id);
  std::sort(movingIds.begin(), movingIds.end());
  auto isMoving = [&](FigureId id) { return std::binary_search(movingIds.begin(), movingIds.end(), id); };

  // Every end found to follow, in the order found. An end near two moving figures is found twice
  // with the same owner (each query holds every figure near that end); duplicates go at the end.
  struct EndFound {
    size_t order;
    Figure connector;
    int end;  // 0 start, 1 end
    Anchor anchor;
  };
  std::vector<EndFound> ends;
  ends.reserve(moving.size());
  std::vector<LabelLink> labels;

  // Every figure that can share an end or a label with the mover lies within twice the reach of
  // its box (an attached end is within reach of both figures).
  const int margin = static_cast<int>(std::ceil(2 * reach)) + 2;
  std::vector<Figure> near;
  for (const Figure& mover : moving) {
    if (!IsClosed(mover.kind)) continue;
    near.clear();
    query(mover.box.adjusted(-margin, -margin, margin, margin), near);
    for (const Figure& f : near) {
      if (IsConnector(f.kind)) {
        const Ends e = EndsOf(f);
        for (int k = 0; k < 2; ++k) {
          const QPoint p = k == 0 ? e.start : e.end;
          if (!IsAttached(mover.kind, mover.box, p, reach) || isMoving(f.id)) continue;
          const Figure* owner = OwnerOfEnd(p, mover, near, reach);
          if (owner && isMoving(owner->id))
            ends.push_back({ends.size(), f, k, Anchor{owner->id, owner->box}});
        }
      } else if (f.kind == FigureKind::Label) {
        if (f.stacking <= mover.stacking || !BoxInside(f.box, mover.box) || isMoving(f.id)) continue;
        const Figure* owner = OwnerOfLabel(f, mover, near);
        if (owner && isMoving(owner->id)) labels.push_back({f, Anchor{owner->id, owner->box}});
      }
    }
  }

  // One link per connector, in the order its first end was found.
  std::stable_sort(ends.begin(), ends.end(), [](const EndFound& a, const EndFound& b) {
    return std::less<FigureId>()(a.connector.id, b.connector.id);
  });
  Attachments out;
  std::vector<std::pair<size_t, ConnectorLink>> links;
  for (size_t i = 0; i < ends.size(); ++i) {
    if (i == 0 || ends[i].connector.id != ends[i - 1].connector.id)
      links.push_back({ends[i].order, ConnectorLink{ends[i].connector, {}, {}}});
    (ends[i].end == 0 ? links.back().second.start : links.back().second.end) = ends[i].anchor;
  }
  std::sort(links.begin(), links.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  out.connectors.reserve(links.size());
  for (auto& [order, link] : links) out.connectors.push_back(std::move(link));

  // One link per label, in the order found.
  std::vector<size_t> order(labels.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return std::less<FigureId>()(labels[a].label.id, labels[b].label.id);
  });
  std::vector<size_t> firsts;
  for (size_t i = 0; i < order.size(); ++i)
    if (i == 0 || labels[order[i]].label.id != labels[order[i - 1]].label.id) firsts.push_back(order[i]);
  std::sort(firsts.begin(), firsts.end());
  out.labels.reserve(firsts.size());
  for (size_t i : firsts) out.labels.push_back(std::move(labels[i]));
  return out;
}

}  // namespace connectors
