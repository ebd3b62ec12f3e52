#include "ChartDrawing.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <span>

#include "ChartRoutes.h"
#include "ClusterDirections.h"
#include "FigureGraph.h"
#include "FlowLayout.h"
#include "ItemGrid.h"
#include "ParseResult.h"
#include "ReadBack.h"
#include "Outline.h"
#include "StraightConnector.h"
#include "TextPlacement.h"

namespace flowchart {

namespace {

// Text wider than this breaks at words instead of widening the shape further.
constexpr int kComfortableWidth = 180;
// A container's title lies this far inside its left edge and half as far below its top.
constexpr int kTitleInset = 8;

uint8_t FontStyleOf(const graph::TextStyle& font) {
  return static_cast<uint8_t>((font.bold ? fsBold : 0) | (font.italic ? fsItalic : 0));
}

// Places for a label that reads back as another's, or as no connector's: beside the middle of
// its connector's middle run, above, below, right and left, then the same a little further off,
// and last over the middle itself, where no other connector's middle can be nearer.
constexpr int kLabelPlaces = 9;

QRect LabelPlace(const PlannedConnector& c, int place) {
  const auto [a, b] = MiddleRun(c.segments);
  const QPoint mid((a.x() + b.x()) / 2, (a.y() + b.y()) / 2);
  const QSize size = c.label->box.size();
  const int gap = place < 4 ? 3 : 12, w = size.width(), h = size.height();
  if (place == 8) return QRect(mid.x() - w / 2, mid.y() - h / 2, w, h);
  switch (place % 4) {
    case 0: return QRect(mid.x() - w / 2, mid.y() - gap - h, w, h);
    case 1: return QRect(mid.x() - w / 2, mid.y() + gap, w, h);
    case 2: return QRect(mid.x() + gap, mid.y() - h / 2, w, h);
    default: return QRect(mid.x() - gap - w, mid.y() - h / 2, w, h);
  }
}

// A straight connector beside the one between the shapes' outlines, by a quarter of the smaller
// shape's width across it, its ends brought back onto the outlines: it lies on no other straight
// connector between the two.
PlannedConnector StraightAside(const ConnectorRequest& r) {
  const connectors::StraightEnds ends = connectors::StraightBetween(r.from, r.to);
  const QPoint d = ends.to - ends.from;
  const double length = std::max(1.0, std::hypot(double(d.x()), double(d.y())));
  const bool across = std::abs(d.x()) < std::abs(d.y());  // mostly vertical: aside is across x
  const int room = across ? std::min(r.from.box.width(), r.to.box.width()) : std::min(r.from.box.height(), r.to.box.height());
  const double shift = std::max(6, room / 4);
  const QPointF aside(-d.y() / length * shift, d.x() / length * shift);
  const QPoint a = connectors::NearestOnOutline(r.from.kind, r.from.box, QPointF(ends.from) + aside).toPoint();
  const QPoint b = connectors::NearestOnOutline(r.to.kind, r.to.box, QPointF(ends.to) + aside).toPoint();
  PlannedConnector c;
  c.segments = RouteSegments({a, b}, r.pen, r.directed);
  if (!r.label.empty()) {
    FigurePlan label;
    label.kind = semantics::ItemKind::Label;
    // On the far side from the connector it stands beside, so that it is nearer its own.
    const QPointF unit = aside / shift;
    const QSize size = r.labelSize;
    const double reach = 4 + std::abs(unit.x()) * size.width() / 2.0 + std::abs(unit.y()) * size.height() / 2.0;
    const QPointF centre = (QPointF(a) + QPointF(b)) / 2 + unit * reach;
    label.box = QRect(static_cast<int>(std::lround(centre.x() - size.width() / 2.0)),
                      static_cast<int>(std::lround(centre.y() - size.height() / 2.0)), size.width(), size.height());
    label.brush = bsClear;
    label.lineWidth = 1;
    label.caption = r.label;
    c.label = label;
  }
  return c;
}

std::string NodeName(const graph::Node& n) { return "'" + graph::Excerpt(n.id.empty() ? n.text : n.id) + "'"; }

std::string Unreadable(const graph::Graph& g, const graph::Edge& e) {
  return "the link from " + NodeName(g.nodes[static_cast<size_t>(e.from)]) + " to " + NodeName(g.nodes[static_cast<size_t>(e.to)]) +
         (e.label.empty() ? std::string() : " (\"" + graph::Excerpt(e.label) + "\")") +
         " is drawn, but its figures read back otherwise";
}

TFontDesc Styled(TFontDesc font, const graph::TextStyle& style) {
  font.style |= FontStyleOf(style);
  return font;
}

// The box size whose text area (TextArea) is at least w x h.
QSize BoxForArea(graph::Shape shape, int w, int h) {
  switch (shape) {
    case graph::Shape::Decision: return {2 * w + 4, 2 * h + 4};
    case graph::Shape::Ellipse: return {w * 10 / 7 + 4, h * 10 / 7 + 4};
    case graph::Shape::Start:
    case graph::Shape::End: {
      // A square whose circle holds the text's square.
      const int side = static_cast<int>(std::max(w, h) / 1.41) * 2 + 4 + (shape == graph::Shape::End ? 6 : 0) + 4;
      return {side, side};
    }
    case graph::Shape::Process: return {w + 26, h + 8};
    case graph::Shape::Rectangle: break;
  }
  return {w + 14, h + 8};
}

}  // namespace

QSize NodeSize(graph::Shape shape, const std::string& text, const TFontDesc& font) {
  QSize size = graph::DefaultNodeSize(shape);
  if (text.empty()) return size;
  // The text as wide as it likes up to the comfortable width, then as tall as it needs.
  const QSize one = TextExtent(text, font, kComfortableWidth);
  const QSize needed = BoxForArea(shape, one.width() + 2, one.height());
  size = size.expandedTo(needed);
  // The text area of the grown box may break the text again: grow until it fits.
  for (int round = 0; round < 8; ++round) {
    const QRect area = TextArea(KindOfShape(shape), QRect(QPoint(0, 0), size));
    if (TextExtent(text, font, area.width()).height() <= area.height()) break;
    size += shape == graph::Shape::Start || shape == graph::Shape::End ? QSize(10, 10) : QSize(0, 10);
  }
  return size;
}

connectors::Figure RoutingFigure(const semantics::Item& shape) {
  connectors::Figure f;
  f.id = reinterpret_cast<connectors::FigureId>(static_cast<uintptr_t>(shape.id));
  f.kind = semantics::FigureKindOf(shape.kind);
  f.box = shape.box;
  f.stacking = shape.stacking;
  return f;
}

connectors::FigureQuery ShapeQuery(std::span<const semantics::Item> items) {
  auto shapes = std::make_shared<std::vector<semantics::Item>>();
  for (const semantics::Item& i : items)
    if (semantics::IsShape(i.kind)) shapes->push_back(i);
  auto grid = std::make_shared<semantics::ItemGrid>(*shapes);
  return [shapes, grid](const QRect& area, std::vector<connectors::Figure>& out) {
    std::vector<const semantics::Item*> found;
    grid->Query(area, found);
    for (const semantics::Item* i : found) out.push_back(RoutingFigure(*i));
  };
}

namespace {

DrawnChart Draw(const graph::Graph& input, const ChartOptions& options, bool ownDirections) {
  DrawnChart chart;
  graph::Graph g = input;
  std::vector<bool> computed(g.nodes.size(), false);
  for (size_t i = 0; i < g.nodes.size(); ++i) {
    graph::Node& n = g.nodes[i];
    if (n.width > 0 && n.height > 0) continue;
    const QSize size = NodeSize(n.shape, n.text, Styled(options.font, n.font));
    computed[i] = n.width <= 0 && n.height <= 0;
    if (n.width <= 0) n.width = size.width();
    if (n.height <= 0) n.height = size.height();
  }
  ShareSizes(g, computed);
  // Each cluster keeps room for its title inside its top edge.
  std::vector<QSize> titleSize(g.clusters.size());
  for (size_t c = 0; c < g.clusters.size(); ++c) {
    graph::Cluster& cluster = g.clusters[c];
    if (cluster.title.empty()) continue;
    titleSize[c] = TextExtent(cluster.title, options.font, 2 * kComfortableWidth) + QSize(2, 0);
    cluster.titleWidth = titleSize[c].width() + 2 * kTitleInset;
    cluster.titleHeight = titleSize[c].height() + kTitleInset;
  }
  graph::LayoutOptions layoutOptions;
  layoutOptions.origin = options.origin;
  FlowLayout laid = LayOutByFlow(g, g.direction, layoutOptions);
  const graph::LayoutResult& layout = laid.layout;
  chart.warnings = layout.warnings;
  if (!layout.ok()) {
    chart.error = layout.error;
    return chart;
  }
  graph::Graph ways = g;
  if (!ownDirections)
    for (graph::Cluster& c : ways.clusters) c.direction.reset();
  if (std::string failed = KeepClusters(ways, laid.layout.nodes, laid.layout.clusters); !failed.empty()) {
    chart.error = std::move(failed);
    return chart;
  }

  // Containers first, outer ones below inner ones, each with its title inside its top edge; then
  // each shape with its text above it. Ids for reading the drawing back are places + 1.
  std::vector<FigurePlan> figures;
  std::vector<uint64_t> clusterId(g.clusters.size());
  for (size_t c = 0; c < g.clusters.size() && c < layout.clusters.size(); ++c) {
    FigurePlan frame;
    frame.kind = semantics::ItemKind::Rectangle;
    frame.box = layout.clusters[c];
    frame.index = g.clusters[c].id;
    frame.caption = g.clusters[c].title;
    figures.push_back(frame);
    clusterId[c] = figures.size();
    if (g.clusters[c].title.empty()) continue;
    FigurePlan title;
    title.kind = semantics::ItemKind::Label;
    title.box = QRect(frame.box.topLeft() + QPoint(kTitleInset, kTitleInset / 2), titleSize[c]);
    title.brush = bsClear;
    title.lineWidth = 1;
    title.caption = g.clusters[c].title;
    figures.push_back(title);
  }
  std::vector<uint64_t> shapeId(g.nodes.size());
  for (size_t i = 0; i < g.nodes.size(); ++i) {
    const graph::Node& n = g.nodes[i];
    FigurePlan shape;
    shape.kind = KindOfShape(n.shape);
    shape.box = layout.nodes[i];
    if (n.fill) shape.fillColor = ColourOf(*n.fill);
    if (n.stroke) shape.lineColor = ColourOf(*n.stroke);
    if (n.strokeWidth > 0) shape.lineWidth = n.strokeWidth;
    if (n.dashed) shape.pen = psDash;
    shape.caption = n.text;
    shape.index = n.id;  // the node's id, written again on export
    figures.push_back(shape);
    shapeId[i] = figures.size();
    if (n.text.empty()) continue;
    FigurePlan text;
    text.kind = semantics::ItemKind::Label;
    text.box = PlaceShapeText(shape.kind, shape.box, n.text, Styled(options.font, n.font));
    text.brush = bsClear;  // the shape's fill shows through
    text.lineWidth = 1;
    text.caption = n.text;
    text.fontStyle = FontStyleOf(n.font);
    figures.push_back(text);
  }
  std::vector<semantics::Item> items;
  for (size_t i = 0; i < figures.size(); ++i) items.push_back(ItemOf(figures[i], i + 1, static_cast<int>(i)));
  const std::vector<semantics::Item> placed = items;
  // The figure an edge's end is drawn to: its cluster's container, or its node's shape.
  auto figureIdOf = [&](int node, int cluster) {
    if (cluster >= 0 && static_cast<size_t>(cluster) < clusterId.size() && clusterId[static_cast<size_t>(cluster)])
      return clusterId[static_cast<size_t>(cluster)];
    return shapeId[static_cast<size_t>(node)];
  };

  ConnectorPlanner planner(g.direction, options.form, ShapeQuery(placed));
  std::vector<ConnectorRequest> requests;
  for (const graph::Edge& e : g.edges) {
    ConnectorRequest r;
    r.from = RoutingFigure(placed[figureIdOf(e.from, e.fromCluster) - 1]);
    r.to = RoutingFigure(placed[figureIdOf(e.to, e.toCluster) - 1]);
    r.directed = e.directed;
    r.pen = PenOf(e);
    if (e.width > 0) r.pen.width = e.width;
    r.label = e.label;
    if (!e.label.empty()) r.labelSize = ConnectorLabelSize(e.label, Styled(options.font, e.labelFont));
    requests.push_back(std::move(r));
  }
  std::vector<PlannedConnector> planned;
  std::vector<SideHint> hints;
  if (options.form == ConnectorForm::Elbow) {
    hints = ChainSides(g, laid, g.direction);
    TurnChainSides(ways, hints);
    planned = RouteChartConnectors(placed, requests, hints);
  } else {
    planned = planner.PlanAll(requests);
  }
  // A link with heads at both ends is one straight arrow with both: a route has one arrow only.
  const auto heads = [&](size_t k) {
    if (!g.edges[k].directed || !g.edges[k].bothHeads) return;
    PlannedConnector& c = planned[k];
    if (c.segments.size() != 1 || c.segments[0].kind != semantics::ItemKind::Arrow) c = ConnectorPlanner::Straight(requests[k]);
    c.segments[0].heads = apBoth;
  };
  for (size_t k = 0; k < planned.size(); ++k) heads(k);

  // Read the drawing back; a connector that says something else is drawn otherwise, then its
  // label is tried in other places beside its middle; one that still does not is named. An elbow
  // connector is first routed again off the containers' outlines, where a bend beside one read as
  // the connector's end.
  const int offContainers = options.form == ConnectorForm::Elbow ? 1 : 0;
  for (int step = 0;; ++step) {
    items = placed;
    std::vector<ExpectedEdge> expected;
    for (size_t k = 0; k < planned.size(); ++k) {
      ExpectedEdge x;
      x.from = figureIdOf(g.edges[k].from, g.edges[k].fromCluster);
      x.to = figureIdOf(g.edges[k].to, g.edges[k].toCluster);
      x.directed = g.edges[k].directed;
      x.label = g.edges[k].label;
      for (const FigurePlan& s : planned[k].segments) {
        x.segments.push_back(items.size() + 1);
        items.push_back(ItemOf(s, items.size() + 1, static_cast<int>(items.size())));
      }
      if (planned[k].label) items.push_back(ItemOf(*planned[k].label, items.size() + 1, static_cast<int>(items.size())));
      expected.push_back(std::move(x));
    }
    const std::vector<size_t> wrong = EdgesNotReadBack(items, expected);
    if (wrong.empty()) break;
    if (step < offContainers) {
      // Drawn straight as it would be next, level or upright between two shapes that are no
      // diamonds (which it would meet on a slanted edge) it is as good as a route.
      const auto square = [](const PlannedConnector& c, const ConnectorRequest& r) {
        const bool slanted = c.segments.size() != 1 || c.segments[0].direction == adTopToBottom ||
                             c.segments[0].direction == adBottomToTop;
        return !slanted && r.from.kind != connectors::FigureKind::Diamond && r.to.kind != connectors::FigureKind::Diamond;
      };
      const std::vector<PlannedConnector> off = RouteChartConnectors(placed, requests, hints, true);
      for (size_t k : wrong) {
        if (g.edges[k].from == g.edges[k].to) continue;
        PlannedConnector straight = planner.Otherwise(requests[k]);
        planned[k] = square(straight, requests[k]) || off[k].segments.empty() ? std::move(straight) : off[k];
        heads(k);
      }
      continue;
    }
    const int round = step - offContainers;
    if (round == 0) {
      // A loop stays a loop: only its label may move.
      for (size_t k : wrong)
        if (g.edges[k].from != g.edges[k].to) planned[k] = planner.Otherwise(requests[k]), heads(k);
      continue;
    }
    if (round == 1) {
      // Straight arrows between the same two shapes lie on each other: the one read wrong goes aside.
      for (size_t k : wrong)
        if (g.edges[k].from != g.edges[k].to) planned[k] = StraightAside(requests[k]), heads(k);
      continue;
    }
    if (round <= 1 + kLabelPlaces) {
      for (size_t k : wrong)
        if (planned[k].label) planned[k].label->box = LabelPlace(planned[k], round - 2);
      continue;
    }
    for (size_t k : wrong) chart.warnings.push_back(Unreadable(g, g.edges[k]));
    break;
  }
  for (size_t k = 0; k < planned.size(); ++k) {
    PlannedConnector& c = planned[k];
    for (FigurePlan& s : c.segments) {
      s.index = g.edges[k].id;  // the link's id, on each of its segments
      figures.push_back(std::move(s));
    }
    if (c.label) {
      c.label->fontStyle = FontStyleOf(g.edges[k].labelFont);
      figures.push_back(std::move(*c.label));
    }
  }
  chart.figures = std::move(figures);
  return chart;
}

}  // namespace

DrawnChart DrawChart(const graph::Graph& graph, const ChartOptions& options) {
  DrawnChart chart = Draw(graph, options, true);
  const bool directed = std::any_of(graph.edges.begin(), graph.edges.end(), [](const graph::Edge& e) { return e.directed; });
  const auto own = [&](size_t k) { return RunsItsOwnWay(graph, k); };
  bool anyOwn = false;
  for (size_t k = 0; k < graph.clusters.size(); ++k) anyOwn |= own(k);
  if (!chart.ok() || !directed || !anyOwn) return chart;
  // The diagram holds no direction per container: where the links of subgraphs laid out their
  // own way outweigh the chart's when it is read back, the chart is drawn in its one direction.
  std::vector<semantics::Item> items;
  for (size_t i = 0; i < chart.figures.size(); ++i) items.push_back(ItemOf(chart.figures[i], i + 1, static_cast<int>(i)));
  if (GraphOfItems(items).direction == graph.direction) return chart;
  return Draw(graph, options, false);
}

}  // namespace flowchart
