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
  std::vector<std::vector<int>> out(g.nodes.size());
  std::vector<int> links(g.nodes.size(), 0);
  for (const graph::Edge& e : g.edges) {
    out[static_cast<size_t>(e.from)].push_back(e.to);
    ++links[static_cast<size_t>(e.from)], ++links[static_cast<size_t>(e.to)];
  }
  auto reaches = [&](int from, int to) {
    std::vector<bool> seen(g.nodes.size(), false);
    std::vector<int> todo{from};
    while (!todo.empty()) {
      const int v = todo.back();
      todo.pop_back();
      if (v == to) return true;
      if (seen[static_cast<size_t>(v)]) continue;
      seen[static_cast<size_t>(v)] = true;
      for (int w : out[static_cast<size_t>(v)]) todo.push_back(w);
    }
    return false;
  };
  for (const graph::Edge& e : g.edges)
    if (e.from != e.to && g.nodes[static_cast<size_t>(e.to)].shape == graph::Shape::Decision &&
        links[static_cast<size_t>(e.to)] >= 4 && reaches(e.to, e.from))
      ++m.loopsIntoFullDecisions;
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
