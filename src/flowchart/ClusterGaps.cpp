#include "ClusterGaps.h"

#include <algorithm>

namespace flowchart {

void PutSpace(bool vertical, int at, int d, std::vector<QRect>& nodes, std::vector<QRect>& clusters) {
  const auto lo = [&](const QRect& r) { return vertical ? r.top() : r.left(); };
  const auto hi = [&](const QRect& r) { return vertical ? r.bottom() : r.right(); };
  const QPoint shift = vertical ? QPoint(0, d) : QPoint(d, 0);
  for (QRect& n : nodes)
    if (!n.isEmpty() && (vertical ? n.center().y() : n.center().x()) >= at) n.translate(shift);
  for (QRect& c : clusters) {
    if (c.isEmpty()) continue;
    if (lo(c) >= at) c.translate(shift);
    else if (hi(c) >= at) (vertical ? c.setBottom(c.bottom() + d) : c.setRight(c.right() + d));
  }
}

int TakeSpace(bool vertical, int from, int to, const std::vector<bool>& across, std::vector<QRect>& nodes,
              std::vector<QRect>& clusters) {
  const auto lo = [&](const QRect& r) { return vertical ? r.top() : r.left(); };
  const auto hi = [&](const QRect& r) { return vertical ? r.bottom() : r.right(); };
  // The room starts after whatever reaches into it; a box reaching on past it blocks it all.
  int start = from;
  const auto reach = [&](const QRect& r) {
    if (!r.isEmpty() && lo(r) < to && hi(r) >= start) start = std::max(start, hi(r) + 1);
  };
  for (const QRect& n : nodes) reach(n);
  for (size_t c = 0; c < clusters.size(); ++c)
    if (c >= across.size() || !across[c]) reach(clusters[c]);
  if (start >= to) return 0;
  const int d = to - start;
  const QPoint shift = vertical ? QPoint(0, -d) : QPoint(-d, 0);
  for (QRect& n : nodes)
    if (!n.isEmpty() && lo(n) >= to) n.translate(shift);
  for (size_t c = 0; c < clusters.size(); ++c) {
    QRect& r = clusters[c];
    if (r.isEmpty()) continue;
    if (lo(r) >= to) r.translate(shift);
    else if (hi(r) >= to) (vertical ? r.setBottom(r.bottom() - d) : r.setRight(r.right() - d));
  }
  return d;
}

void SpreadSiblings(const graph::Graph& g, std::vector<QRect>& nodes, std::vector<QRect>& clusters) {
  const size_t k = std::min(g.clusters.size(), clusters.size());
  // Each widening can only open other gaps, never close one: a pass over every pair suffices,
  // taken in order along each axis.
  for (size_t a = 0; a < k; ++a)
    for (size_t b = 0; b < k; ++b) {
      if (a == b || g.clusters[a].parent != g.clusters[b].parent) continue;
      const QRect& p = clusters[a];
      const QRect& q = clusters[b];
      if (p.isEmpty() || q.isEmpty()) continue;
      const int dx = q.left() - p.right() - 1, dy = q.top() - p.bottom() - 1;
      // q lies beyond p along x (or y) and not before it along the other.
      const int gx = q.left() > p.right() ? dx : -1;
      const int gy = q.top() > p.bottom() ? dy : -1;
      const int otherX = std::max(p.left() - q.right(), q.left() - p.right()) - 1;
      const int otherY = std::max(p.top() - q.bottom(), q.top() - p.bottom()) - 1;
      if (gx >= 0 && gx < kMinSiblingGap && otherY < kMinSiblingGap && gx >= otherY)
        PutSpace(false, q.left(), kMinSiblingGap - gx, nodes, clusters);
      else if (gy >= 0 && gy < kMinSiblingGap && otherX < kMinSiblingGap)
        PutSpace(true, q.top(), kMinSiblingGap - gy, nodes, clusters);
    }
}

}  // namespace flowchart
