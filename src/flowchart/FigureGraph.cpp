#include "FigureGraph.h"

#include <algorithm>
#include <array>
#include <unordered_map>

#include "Connector.h"
#include "CustomKDTool.h"
#include "DiagramGraph.h"
#include "DiagramItems.h"
#include "ItemGrid.h"
#include "ShapeText.h"

namespace flowchart {

std::vector<semantics::Item> ItemsOfFigures(std::span<const TCustomKDTool* const> figures) {
  std::vector<semantics::Item> items;
  items.reserve(figures.size());
  for (size_t i = 0; i < figures.size(); ++i) {
    items.push_back(DescribeItem(*figures[i], static_cast<int>(i)));
    items.back().id = i + 1;
  }
  return items;
}

graph::Graph GraphOfItems(std::span<const semantics::Item> items) {
  const semantics::ItemGrid grid(items);
  graph::Graph g = semantics::FindGraph(items, grid.AsQuery());
  // White is what every new shape is filled with: no colour of its own.
  for (graph::Node& n : g.nodes)
    if (n.fill == graph::Rgb{0xFFFFFF}) n.fill.reset();
  std::unordered_map<uint64_t, const semantics::Item*> byId;
  for (const semantics::Item& i : items) byId.emplace(i.id, &i);
  for (graph::Edge& e : g.edges) {
    // The arrow of a route carries its pen, as its style is read from it.
    const semantics::Item* styled = nullptr;
    for (uint64_t id : e.figures)
      if (const auto it = byId.find(id); it != byId.end() && semantics::IsSegment(it->second->kind))
        if (!styled || it->second->kind == semantics::ItemKind::Arrow) styled = it->second;
    if (styled) e.width = styled->penWidth;
    // One arrow with a head at each end: a link with heads at both.
    e.bothHeads = styled && styled->kind == semantics::ItemKind::Arrow && styled->heads == apBoth &&
                  std::count_if(e.figures.begin(), e.figures.end(), [&](uint64_t id) {
                    const auto it = byId.find(id);
                    return it != byId.end() && semantics::IsSegment(it->second->kind);
                  }) == 1;
    graph::NormaliseWidth(e);
  }
  std::unordered_map<uint64_t, QRect> box;
  for (const semantics::Item& i : items)
    if (semantics::IsShape(i.kind)) box.emplace(i.id, i.box);
  // Votes for TopToBottom, BottomToTop, LeftToRight, RightToLeft: where each head lies beyond its
  // tail's box (a child below and to the right votes for both).
  // An end on a container votes by the point where its connector meets the container: the graph
  // holds a node within it for that end, which may lie anywhere inside (as far across the flow as
  // along it), and the container's whole box reaches round much of the chart beside it. Leaving
  // such links out instead would leave a chart of linked subgraphs with no say at all.
  const semantics::ItemQuery query = grid.AsQuery();
  const auto endBox = [&](const graph::Edge& e, bool head) {
    if ((head ? e.toCluster : e.fromCluster) >= 0 && !e.figures.empty())
      if (const auto it = byId.find(e.figures.front()); it != byId.end())
        if (const std::optional<semantics::Connector> c = semantics::ConnectorOf(*it->second, query))
          return QRect(head ? c->end : c->start, QSize(1, 1));
    return box[g.nodes[static_cast<size_t>(head ? e.to : e.from)].figure];
  };
  std::array<int, 4> votes{};
  for (const graph::Edge& e : g.edges) {
    if (!e.directed) continue;
    const QRect t = endBox(e, false), h = endBox(e, true);
    votes[0] += h.top() > t.bottom();
    votes[1] += h.bottom() < t.top();
    votes[2] += h.left() > t.right();
    votes[3] += h.right() < t.left();
  }
  size_t best = 0;
  for (size_t k = 1; k < votes.size(); ++k)
    if (votes[k] > votes[best]) best = k;
  constexpr graph::Direction kDirections[] = {graph::Direction::TopToBottom, graph::Direction::BottomToTop,
                                              graph::Direction::LeftToRight, graph::Direction::RightToLeft};
  g.direction = kDirections[best];
  return g;
}

namespace {

// 0xRRGGBB of a colour (red in the low byte, system colours resolved); none for black, every new
// figure's pen.
std::optional<graph::Rgb> PenColour(TColor colour) {
  const uint32_t c = static_cast<uint32_t>(ColorToRGB(colour));
  const graph::Rgb rgb = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
  if (rgb == 0) return std::nullopt;
  return rgb;
}

bool Dashed(TPenStyle pen) { return pen == psDash || pen == psDot || pen == psDashDot || pen == psDashDotDot; }

}  // namespace

graph::Graph GraphOfFigures(std::span<const TCustomKDTool* const> figures) {
  const std::vector<semantics::Item> items = ItemsOfFigures(figures);
  graph::Graph g = GraphOfItems(items);
  const auto figureOf = [&](uint64_t id) { return id >= 1 && id <= figures.size() ? figures[id - 1] : nullptr; };
  const auto styleOf = [](const TCustomKDTool* f) {
    graph::TextStyle s;
    if (f) s = {(f->Font().style & fsBold) != 0, (f->Font().style & fsItalic) != 0};
    return s;
  };
  const semantics::ItemGrid grid(items);
  const semantics::ItemQuery query = grid.AsQuery();
  for (graph::Node& n : g.nodes) {
    if (const TCustomKDTool* shape = figureOf(n.figure)) {
      n.id = shape->Index();
      n.stroke = PenColour(shape->LineColor());
      n.strokeWidth = shape->LineWidth() == 2 ? 0 : shape->LineWidth();
      n.dashed = Dashed(shape->LineStyle());
    }
    if (n.figure >= 1 && n.figure <= items.size())
      if (const semantics::Item* text = semantics::ShapeText(items[n.figure - 1], query)) n.font = styleOf(figureOf(text->id));
  }
  for (graph::Cluster& c : g.clusters)
    if (const TCustomKDTool* frame = figureOf(c.figure)) c.id = frame->Index();
  for (graph::Edge& e : g.edges) {
    if (e.figures.empty()) continue;
    if (const TCustomKDTool* first = figureOf(e.figures.front())) e.id = first->Index();
    // The pen's colour is its arrow's, as its style is.
    for (uint64_t id : e.figures)
      if (const TCustomKDTool* f = figureOf(id); f && semantics::IsSegment(items[id - 1].kind) &&
                                                 (items[id - 1].kind == semantics::ItemKind::Arrow || id == e.figures.front()))
        e.colour = PenColour(f->LineColor());
    if (!e.label.empty()) e.labelFont = styleOf(figureOf(e.figures.back()));
  }
  return g;
}

}  // namespace flowchart
