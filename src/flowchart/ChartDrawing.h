#pragma once
#include <QPoint>
#include <QSize>
#include <span>
#include <string>
#include <vector>

#include "ConnectorPlanner.h"
#include "FigurePlan.h"
#include "FontDesc.h"
#include "Graph.h"
#include "Item.h"
#include "Layout.h"

// A flowchart read from text, drawn: laid out by Graphviz, each node as its closed figure with its
// text on it, each edge as a connector with its label.
namespace flowchart {

struct ChartOptions {
  ConnectorForm form = ConnectorForm::Elbow;
  TFontDesc font;  // the texts' font
  QPoint origin{20, 20};  // no figure lies above or left of it
};

struct DrawnChart {
  std::vector<FigurePlan> figures;  // bottom first: each shape with its text, then the connectors
  std::vector<std::string> warnings;
  std::string error;  // Graphviz's reason when the layout failed; no figures then
  bool ok() const { return error.empty(); }
};

// The size a node gets for its text where the graph gives none: the shape's default size, grown
// until its text area holds the text (broken at words beyond a comfortable width).
QSize NodeSize(graph::Shape shape, const std::string& text, const TFontDesc& font);

// Lays the graph out in its own direction by its flow (LayOutByFlow), nodes keeping the sizes the
// graph gives (those it leaves open measured for their texts, then shared per kind: ShareSizes),
// and plans its figures; elbow connectors are routed around the shapes (RouteChartConnectors). A node's fill, outline colour, outline width and dashes are its figure's; a connector
// that would not read back as its edge is drawn otherwise (ConnectorPlanner::Otherwise). Each
// cluster is a container: a rectangle beneath its members (outer ones first) around what
// Graphviz keeps of it, with its title as a label inside its top edge; links to a cluster end on
// its container. A subgraph with its own direction is laid out in it, and sibling containers
// stand apart (KeepClusters), unless its links would then read back in another direction than
// the chart's: the diagram holds one direction only.
DrawnChart DrawChart(const graph::Graph& graph, const ChartOptions& options);

// A spatial query over closed shapes, for routing: the ids are the items' ids.
connectors::FigureQuery ShapeQuery(std::span<const semantics::Item> items);
// The shape as the routing sees it.
connectors::Figure RoutingFigure(const semantics::Item& shape);

}  // namespace flowchart
