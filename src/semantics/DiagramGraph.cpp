#include "DiagramGraph.h"

#include <unordered_map>

#include "Connector.h"
#include "ConnectorLabel.h"
#include "Containers.h"
#include "ShapeText.h"

namespace semantics {

namespace {

std::optional<graph::Rgb> FillOf(const Item& shape) {
  if (shape.brush != bsSolid || shape.fill == clNone || shape.fill == clDefault) return std::nullopt;
  // TColor holds red in its low byte; Rgb is 0xRRGGBB.
  const uint32_t c = static_cast<uint32_t>(ColorToRGB(shape.fill));
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

graph::LineStyle StyleOf(const Connector& c) {
  const Item* styled = c.segments.back();  // the arrow of a route, whose head is at the end
  for (const Item* s : c.segments)
    if (s->kind == ItemKind::Arrow) styled = s;
  switch (styled->pen) {
    case psDash:
    case psDot:
    case psDashDot:
    case psDashDotDot: return graph::LineStyle::Dashed;
    default: break;
  }
  return styled->penWidth >= 4 ? graph::LineStyle::Thick : graph::LineStyle::Solid;
}

}  // namespace

graph::Shape NodeShapeOf(ItemKind kind) {
  switch (kind) {
    case ItemKind::Start: return graph::Shape::Start;
    case ItemKind::End: return graph::Shape::End;
    case ItemKind::Decision: return graph::Shape::Decision;
    case ItemKind::Ellipse: return graph::Shape::Ellipse;
    case ItemKind::Rectangle: return graph::Shape::Rectangle;
    default: break;
  }
  return graph::Shape::Process;
}

graph::Graph FindGraph(std::span<const Item> items, const ItemQuery& query) {
  graph::Graph g;
  // Containers are clusters, not nodes; parents come before what they enclose in item order.
  const std::vector<Container> containers = FindContainers(items, query);
  std::unordered_map<uint64_t, int> clusterOf;  // frame id -> cluster
  for (const Container& c : containers) clusterOf.emplace(c.frame->id, static_cast<int>(clusterOf.size()));
  std::unordered_map<uint64_t, int> nodeOf;
  for (const Item& f : items) {
    if (!IsShape(f.kind) || clusterOf.count(f.id)) continue;
    nodeOf.emplace(f.id, static_cast<int>(g.nodes.size()));
    graph::Node n;
    n.shape = NodeShapeOf(f.kind);
    n.fill = FillOf(f);
    n.width = std::abs(f.box.width());
    n.height = std::abs(f.box.height());
    n.figure = f.id;
    g.nodes.push_back(std::move(n));
  }

  for (const Container& c : containers) {
    graph::Cluster cluster;
    cluster.figure = c.frame->id;
    if (c.parent)
      if (const auto p = clusterOf.find(c.parent->id); p != clusterOf.end()) cluster.parent = p->second;
    for (const Item* m : c.members)
      if (const auto n = nodeOf.find(m->id); n != nodeOf.end()) cluster.nodes.push_back(n->second);
    g.clusters.push_back(std::move(cluster));
  }

  // Texts: each label lies on at most one shape, whose text is the topmost label on it. A
  // container's is its title: the topmost label on it that begins within the title band, so that
  // a connector's label lying in the container stays the connector's.
  std::unordered_map<uint64_t, const Item*> textOf;  // shape id -> label
  for (const Item& f : items) {
    if (f.kind != ItemKind::Label) continue;
    const Item* shape = ShapeUnder(f, query);
    if (!shape) continue;
    if (clusterOf.count(shape->id) && f.box.top() - shape->box.top() > kTitleBand) continue;
    const Item*& text = textOf[shape->id];
    if (!text || f.stacking > text->stacking) text = &f;
  }
  std::unordered_map<uint64_t, bool> isText;
  for (const auto& [shape, label] : textOf) {
    isText[label->id] = true;
    if (auto it = nodeOf.find(shape); it != nodeOf.end()) g.nodes[it->second].text = label->caption;
    if (auto it = clusterOf.find(shape); it != clusterOf.end()) g.clusters[it->second].title = label->caption;
  }

  // Connectors, each found once from its first segment.
  std::vector<Connector> found;
  std::unordered_map<uint64_t, int> connectorOf;  // segment id -> index in found; -1: none
  for (const Item& f : items) {
    if (!IsSegment(f.kind) || connectorOf.count(f.id)) continue;
    std::optional<Connector> c = ConnectorOf(f, query);
    if (!c) {
      connectorOf[f.id] = -1;
      continue;
    }
    for (const Item* s : c->segments) connectorOf[s->id] = static_cast<int>(found.size());
    found.push_back(std::move(*c));
  }

  // Labels: each free label goes to the nearest connector, each connector keeps its nearest label.
  std::vector<const Item*> labelOf(found.size(), nullptr);
  std::vector<LabelNearness> labelD(found.size());
  std::vector<const Item*> near;
  constexpr int pad = static_cast<int>(kLabelReach) + 1;
  for (const Item& f : items) {
    if (f.kind != ItemKind::Label || isText.count(f.id)) continue;
    near.clear();
    query(f.box.adjusted(-pad, -pad, pad, pad), near);
    int best = -1;
    LabelNearness bestD;
    for (const Item* s : near) {
      auto it = IsSegment(s->kind) ? connectorOf.find(s->id) : connectorOf.end();
      if (it == connectorOf.end() || it->second < 0 || it->second == best) continue;
      const Connector& c = found[it->second];
      const std::optional<LabelNearness> d = NearnessOf(c, f.box);
      const Item* bestMiddle = best < 0 ? nullptr : &MiddleSegment(found[best]);
      if (d && NearerConnector(*d, MiddleSegment(c), bestD, bestMiddle)) {
        best = it->second;
        bestD = *d;
      }
    }
    if (best < 0) continue;
    const Item*& label = labelOf[best];
    if (!label || bestD < labelD[best] || (bestD == labelD[best] && f.stacking > label->stacking)) {
      label = &f;
      labelD[best] = bestD;
    }
  }

  for (size_t i = 0; i < found.size(); ++i) {
    const Connector& c = found[i];
    if (!c.startShape || !c.endShape) continue;
    graph::Edge e;
    // An end on a container is the cluster's: the edge runs from or to a node within it.
    const auto end = [&](const Item* shape, int& node, int& cluster) {
      if (const auto n = nodeOf.find(shape->id); n != nodeOf.end()) return node = n->second, true;
      const auto k = clusterOf.find(shape->id);
      if (k == clusterOf.end()) return false;  // a query's item from elsewhere
      cluster = k->second;
      node = graph::NodeWithin(g, cluster);
      return node >= 0;
    };
    if (!end(c.startShape, e.from, e.fromCluster) || !end(c.endShape, e.to, e.toCluster)) continue;
    e.directed = c.headAtEnd;
    e.style = StyleOf(c);
    for (const Item* s : c.segments) e.figures.push_back(s->id);
    if (labelOf[i]) {
      e.label = labelOf[i]->caption;
      e.figures.push_back(labelOf[i]->id);
    }
    g.edges.push_back(std::move(e));
  }
  return g;
}

}  // namespace semantics
