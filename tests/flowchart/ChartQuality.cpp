#include "ChartQuality.h"

#include "ChartDrawing.h"
#include "CurveCrossings.h"
#include "DocumentCharts.h"
#include "Layout.h"

namespace chartquality {

Measured MeasureFile(const QString& path, flowchart::TextFormat format) {
  Measured m;
  graph::Graph g;
  try {
    g = flowchart::ReadChartFile(path, format).graph;
  } catch (const std::exception& e) {
    m.error = e.what();
    return m;
  }
  const flowchart::DrawnChart chart = flowchart::DrawForImport(g, flowchart::ConnectorForm::Elbow);
  if (!chart.ok()) {
    m.error = chart.error;
    return m;
  }
  std::vector<semantics::Item> items;
  for (size_t i = 0; i < chart.figures.size(); ++i)
    items.push_back(flowchart::ItemOf(chart.figures[i], i + 1, static_cast<int>(i)));
  m.quality = quality::MeasureLayout(items);
  // Graphviz's own drawing: the same nodes at the sizes the import gives them, its curves.
  for (graph::Node& n : g.nodes) {
    const QSize size = flowchart::NodeSize(n.shape, n.text, TFontDesc{});
    if (n.width <= 0) n.width = size.width();
    if (n.height <= 0) n.height = size.height();
  }
  const graph::LayoutResult dot = graph::LayoutInProcess(g, g.direction);
  std::vector<std::vector<QPoint>> curves;
  for (const graph::Route& r : dot.edges) curves.push_back(r.points);
  m.dotCrossings = quality::CurveCrossings(curves);
  return m;
}

}  // namespace chartquality
