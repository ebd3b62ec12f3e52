#include "LaneLayout.h"

#include <algorithm>
#include <map>

#include "FlowRanking.h"

namespace flowchart {

std::vector<int> FlowRanks(const graph::Graph& g) {
  const FlowOrder order = OrderByFlow(g);
  const int n = static_cast<int>(g.nodes.size());
  std::vector<int> rank(g.nodes.size(), 0);
  // Longest paths over the links forward along the flow, relaxed in flow order until nothing
  // changes: without back links the links make no cycle, so at most n rounds are needed.
  for (int round = 0; round < n; ++round) {
    bool changed = false;
    for (int k : order.edges) {
      const graph::Edge& e = g.edges[static_cast<size_t>(k)];
      if (order.back[static_cast<size_t>(k)] || e.from == e.to || e.from < 0 || e.to < 0 || e.from >= n || e.to >= n) continue;
      if (rank[static_cast<size_t>(e.to)] < rank[static_cast<size_t>(e.from)] + 1) {
        rank[static_cast<size_t>(e.to)] = rank[static_cast<size_t>(e.from)] + 1;
        changed = true;
      }
    }
    if (!changed) break;
  }
  return rank;
}

LanePlacement PlaceInLanes(const graph::Graph& g, const std::vector<int>& laneOf, const std::vector<int>& headers, bool rows,
                           QPoint origin, const LaneSpacing& spacing, const std::vector<int>& titleWidths) {
  LanePlacement out;
  const size_t lanes = headers.size();
  out.nodes.resize(g.nodes.size());
  out.lanes.resize(lanes);
  const std::vector<int> rank = FlowRanks(g);
  const FlowOrder order = OrderByFlow(g);
  // along: the extent along the flow; across: across it.
  const auto along = [&](size_t i) { return rows ? g.nodes[i].width : g.nodes[i].height; };
  const auto across = [&](size_t i) { return rows ? g.nodes[i].height : g.nodes[i].width; };
  const auto inLane = [&](size_t i) { return i < laneOf.size() && laneOf[i] >= 0 && static_cast<size_t>(laneOf[i]) < lanes; };

  // Ranks that hold a step in a lane, each as long as its longest step.
  std::map<int, int> rankLength;
  for (size_t i = 0; i < g.nodes.size(); ++i)
    if (inLane(i)) rankLength[rank[i]] = std::max(rankLength[rank[i]], along(i));
  // Columns lay the flow below the tallest title, rows beside the inset.
  int start = spacing.inset;
  if (!rows)
    for (int h : headers) start = std::max(start, h + spacing.inset);
  std::map<int, int> rankStart;
  int length = start;
  for (const auto& [r, l] : rankLength) {
    rankStart[r] = length;
    length += l + spacing.rank;
  }
  length = std::max(length - spacing.rank + spacing.inset, start + spacing.inset);
  const auto titleWidth = [&](size_t l) { return l < titleWidths.size() ? titleWidths[l] : 0; };
  if (rows)
    for (size_t l = 0; l < lanes; ++l) length = std::max(length, titleWidth(l));

  // Within each lane, the steps of a rank stack in flow order in slots as deep as the lane's
  // deepest step.
  std::vector<int> slotDepth(lanes, 0), slotCount(lanes, 0), slotOf(g.nodes.size(), 0);
  std::map<std::pair<int, int>, int> taken;  // (lane, rank) -> slots used
  for (int i : order.nodes) {
    const size_t n = static_cast<size_t>(i);
    if (!inLane(n)) continue;
    const size_t lane = static_cast<size_t>(laneOf[n]);
    slotOf[n] = taken[{laneOf[n], rank[n]}]++;
    slotCount[lane] = std::max(slotCount[lane], slotOf[n] + 1);
    slotDepth[lane] = std::max(slotDepth[lane], across(n));
  }
  // Rows put the steps below the title; columns across the whole lane.
  std::vector<int> depth(lanes), first(lanes);
  for (size_t l = 0; l < lanes; ++l) {
    first[l] = rows ? std::max(spacing.inset, headers[l] + spacing.inset / 2) : spacing.inset;
    const int content = slotCount[l] * slotDepth[l] + std::max(0, slotCount[l] - 1) * spacing.node;
    depth[l] = std::max(first[l] + content + spacing.inset, headers[l] + spacing.inset);
    if (!rows) depth[l] = std::max(depth[l], titleWidth(l));
  }
  int at = rows ? origin.y() : origin.x();
  for (size_t l = 0; l < lanes; ++l) {
    out.lanes[l] = rows ? QRect(origin.x(), at, length, depth[l]) : QRect(at, origin.y(), depth[l], length);
    at += depth[l];
  }
  for (size_t n = 0; n < g.nodes.size(); ++n) {
    if (!inLane(n)) continue;
    const size_t l = static_cast<size_t>(laneOf[n]);
    const int a = rankStart[rank[n]] + (rankLength[rank[n]] - along(n)) / 2;
    const int c = first[l] + slotOf[n] * (slotDepth[l] + spacing.node) + (slotDepth[l] - across(n)) / 2;
    const QRect lane = out.lanes[l];
    out.nodes[n] = rows ? QRect(lane.left() + a, lane.top() + c, g.nodes[n].width, g.nodes[n].height)
                        : QRect(lane.left() + c, lane.top() + a, g.nodes[n].width, g.nodes[n].height);
  }
  return out;
}

}  // namespace flowchart
