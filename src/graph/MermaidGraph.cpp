// The graph of what Mermaid keeps: the figures the diagram draws each node and link as.
#include <algorithm>
#include <set>

#include "LargeArrays.h"
#include "MermaidChart.h"
#include "MermaidShapes.h"

// Only Qt's translation tools read the mark: the names in words go to the editor's translation.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace graph::mermaid {
namespace {

std::string Q(std::string_view s) { return "'" + Excerpt(s) + "'"; }

std::string WithArticle(std::string_view name) {
  const bool vowel = !name.empty() && std::string_view("aeiou").find(name.front()) != std::string_view::npos;
  return std::string(vowel ? "an " : "a ") + std::string(name);
}

// With its article, as one word of a message the editor translates whole.
const char* FigureName(Shape s) {
  switch (s) {
    case Shape::Process: return QT_TRANSLATE_NOOP("ChartMessageWords", "a process box");
    case Shape::Start: return QT_TRANSLATE_NOOP("ChartMessageWords", "a start mark");
    case Shape::End: return QT_TRANSLATE_NOOP("ChartMessageWords", "an end mark");
    case Shape::Decision: return QT_TRANSLATE_NOOP("ChartMessageWords", "a decision");
    case Shape::Ellipse: return QT_TRANSLATE_NOOP("ChartMessageWords", "an ellipse");
    case Shape::Rectangle: return QT_TRANSLATE_NOOP("ChartMessageWords", "a rectangle");
  }
  return QT_TRANSLATE_NOOP("ChartMessageWords", "a process box");
}

}  // namespace

Graph Chart::finish() {
  Graph graph;
  graph.direction = direction_;
  // A subgraph's id used in a link names the subgraph, not a node: those links join its cluster.
  std::vector<int> nodeOf(vertices_.size(), -1);
  for (const Subgraph& sub : subgraphList_) {
    Cluster cluster;
    cluster.id = sub.id;
    cluster.title = sub.title;
    if (CutText(cluster.title)) warn(sub.at, {MessageCode::SubgraphTitleCut, {Q(sub.id)}});
    cluster.parent = sub.parent;
    cluster.direction = sub.direction;
    graph.clusters.push_back(std::move(cluster));
  }
  std::vector<ShapeChoice> shapes(vertices_.size());
  ReserveLarge(graph.nodes, vertices_.size());
  ReserveLarge(graph.edges, edges_.size());
  for (size_t i = 0; i < vertices_.size(); ++i) {
    const Vertex& v = vertices_[i];
    if (!subgraphs_.empty() && subgraphs_.count(std::string(v.id)) && v.type.empty() && !v.text) continue;
    static const Extras kNone;
    const Extras& extras = v.extras ? *v.extras : kNone;
    nodeOf[i] = static_cast<int>(graph.nodes.size());
    Node node;
    node.id = std::string(v.id);
    if (CutText(node.id)) warn(v.at, {MessageCode::IdCut, {Q(v.id)}});
    if (v.text) {
      ShownText shown = ShowText(v.text->text, v.text->kind);
      node.text = std::move(shown.text);
      node.font = shown.font;
      for (const std::string& icon : shown.icons) warn(v.at, {MessageCode::IconLeftOut, {Q(icon), Q(v.id)}});
      if (shown.markersDropped) warn(v.at, {MessageCode::MarkersShownPlain, {Q(v.id)}});
    } else {
      node.text = std::string(v.id);
    }
    if (CutText(node.text)) warn(v.at, {MessageCode::TextCut, {Q(v.id)}});
    shapes[i] = v.type.empty() ? ShapeChoice{} : ShapeNamed(v.type).value_or(ShapeChoice{});
    node.shape = shapes[i].shape;
    if (shapes[i].name)
      warn(v.typeAt, {MessageCode::ShapeDrawnAs, {Q(v.id), WithArticle(shapes[i].name), FigureName(node.shape)}});
    if (!extras.borders.empty()) warn(v.typeAt, {MessageCode::BordersAllRound, {Q(extras.borders), Q(v.id)}});
    if (!extras.icon.empty()) warn(v.typeAt, {MessageCode::IconLeftOut, {Q(extras.icon), Q(v.id)}});
    if (extras.image) warn(v.typeAt, {MessageCode::ImageLeftOut, {Q(v.id)}});
    if (v.subgraph >= 0) graph.clusters[static_cast<size_t>(v.subgraph)].nodes.push_back(nodeOf[i]);
    graph.nodes.push_back(std::move(node));
  }
  // The cluster a vertex names, or -1.
  const auto clusterNamed = [&](size_t vertex) {
    const auto found = subgraphs_.find(std::string(vertices_[vertex].id));
    return found == subgraphs_.end() ? -1 : found->second;
  };

  std::set<std::pair<size_t, std::string>> said;  // one warning of a kind per statement
  auto once = [&](size_t at, Said what) {
    if (said.emplace(static_cast<size_t>(source_.lineOf(at)), what.English()).second) warn(at, std::move(what));
  };
  for (const Edge& e : edges_) {
    const LinkKind& kind = e.link.kind;
    if (kind.stroke == LinkKind::Stroke::Invisible) {
      once(e.at, {MessageCode::InvisibleLinkSkipped});
      continue;
    }
    if (e.from == std::string_view::npos || e.to == std::string_view::npos) {
      once(e.at, {MessageCode::LinkToLinkIdSkipped, {Q(e.missing)}});
      continue;
    }
    graph::Edge edge;
    edge.from = nodeOf[e.from];
    edge.to = nodeOf[e.to];
    if (edge.from < 0) {
      edge.fromCluster = clusterNamed(e.from);
      edge.from = NodeWithin(graph, edge.fromCluster);
    }
    if (edge.to < 0) {
      edge.toCluster = clusterNamed(e.to);
      edge.to = NodeWithin(graph, edge.toCluster);
    }
    if (edge.from < 0 || edge.to < 0) {
      once(e.at, {MessageCode::LinkToEmptySubgraphSkipped, {std::to_string(source_.lineOf(e.at))}});
      continue;
    }
    edge.id = std::string(e.link.id);
    if (e.link.text) {
      ShownText shown = ShowText(e.link.text->text, e.link.text->kind);
      edge.label = std::move(shown.text);
      edge.labelFont = shown.font;
      for (const std::string& icon : shown.icons) once(e.at, {MessageCode::LinkIconLeftOut, {Q(icon)}});
      if (shown.markersDropped) once(e.at, {MessageCode::LinkMarkersShownPlain});
      if (CutText(edge.label)) once(e.at, {MessageCode::LinkTextCut});
    }
    edge.directed = kind.end != LinkKind::Mark::None;
    edge.bothHeads = edge.directed && kind.bothEnds;
    edge.style = kind.stroke == LinkKind::Stroke::Dotted ? LineStyle::Dashed
                 : kind.stroke == LinkKind::Stroke::Thick ? LineStyle::Thick
                                                          : LineStyle::Solid;
    if (kind.end == LinkKind::Mark::Circle || kind.end == LinkKind::Mark::Cross)
      once(e.at, {MessageCode::CircleCrossEnds});
    if (kind.startMarkIgnored) once(e.at, {MessageCode::StartMarkLeftOut});
    if (kind.stroke == LinkKind::Stroke::Invalid)
      once(e.at, {MessageCode::LinkHalvesDiffer});
    Styles styles;
    if (e.extras)
      for (const std::string& name : e.extras->classes)
        if (const auto def = classes_.find(name); def != classes_.end()) styles.insert(styles.end(), def->second.begin(), def->second.end());
    styles.insert(styles.end(), defaultLinkStyles_.begin(), defaultLinkStyles_.end());
    if (e.extras && e.extras->ownStyles) styles.insert(styles.end(), e.extras->styles.begin(), e.extras->styles.end());
    if (!styles.empty()) applyEdgeStyles(edge, styles);
    NormaliseWidth(edge);
    graph.edges.push_back(std::move(edge));
  }

  std::vector<int> incoming(graph.nodes.size(), 0), outgoing(graph.nodes.size(), 0);
  for (const graph::Edge& edge : graph.edges) {
    if (edge.fromCluster < 0) ++outgoing[static_cast<size_t>(edge.from)];
    if (edge.toCluster < 0) ++incoming[static_cast<size_t>(edge.to)];
  }
  for (size_t i = 0; i < vertices_.size(); ++i) {
    if (nodeOf[i] < 0) continue;
    const Vertex& v = vertices_[i];
    Node& node = graph.nodes[static_cast<size_t>(nodeOf[i])];
    static const std::vector<std::string> kNoClasses;
    const std::vector<std::string>& classes = v.extras ? v.extras->classes : kNoClasses;
    const auto hasClass = [&](std::string_view name) { return std::find(classes.begin(), classes.end(), name) != classes.end(); };
    if (shapes[i].rounded) {
      // The classes "start" and "end" say which mark a rounded node is where its links do not.
      const int in = incoming[static_cast<size_t>(nodeOf[i])], out = outgoing[static_cast<size_t>(nodeOf[i])];
      node.shape = hasClass("start") ? Shape::Start : hasClass("stop") || hasClass("end") ? Shape::End
                   : in == 0         ? Shape::Start : out == 0 ? Shape::End : Shape::Process;
    }
    if (classes_.empty() && !v.extras) continue;
    Styles styles;
    if (const auto def = classes_.find("default"); def != classes_.end()) styles = def->second;
    for (const std::string& name : classes)
      if (const auto def = classes_.find(name); def != classes_.end()) styles.insert(styles.end(), def->second.begin(), def->second.end());
    if (v.extras) styles.insert(styles.end(), v.extras->styles.begin(), v.extras->styles.end());
    applyNodeStyles(node, styles);
  }
  std::stable_sort(warnings_.begin(), warnings_.end(), [](const Message& a, const Message& b) { return a.line < b.line; });
  return graph;
}

}  // namespace graph::mermaid
