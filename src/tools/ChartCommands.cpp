#include "ChartCommands.h"

#include <QDir>

#include "ChartDrawing.h"
#include "ChartText.h"
#include "CustomKDTool.h"
#include "DocumentCharts.h"
#include "Errors.h"
#include "Layout.h"
#include "LayoutClient.h"

namespace chartcommands {

DrawnFile DrawFile(const QString& fileName, flowchart::ConnectorForm form) {
  const std::optional<flowchart::TextFormat> format = flowchart::TextFormatOfName(fileName);
  if (!format)
    throw EKedrinError(QStringLiteral("Cannot import %1: the name must end in .mmd (Mermaid), .gv (Graphviz DOT) or .drawio (draw.io)")
                           .arg(QDir::toNativeSeparators(fileName)));
  const flowchart::ChartFile chart = flowchart::ReadChartFile(fileName, *format);
  // The layout in the layout program too: a chart that crashes Graphviz or runs away is a message
  // and status 1, and kdltool's own memory stays its pictures'.
  const layoutproc::Limits limits;
  layoutproc::ChildLayout child(limits);
  const graph::LayoutScope scope(child.Engine());
  flowchart::DrawnChart drawn;
  drawn.error = layoutproc::Refusal(chart.graph, limits);
  if (drawn.ok()) drawn = flowchart::DrawForImport(chart.graph, form);
  if (!drawn.ok())
    throw EKedrinError(QStringLiteral("Cannot lay out %1: %2")
                           .arg(QDir::toNativeSeparators(fileName), QString::fromStdString(drawn.error)));
  DrawnFile out;
  out.warnings = chart.warnings;
  for (const std::string& w : drawn.warnings)
    out.warnings << QStringLiteral("%1: Graphviz: %2").arg(QDir::toNativeSeparators(fileName), QString::fromStdString(w));
  out.figures.reserve(drawn.figures.size());
  for (const flowchart::FigurePlan& plan : drawn.figures) out.figures.push_back(flowchart::MakeFigure(plan, TFontDesc{}));
  return out;
}

}  // namespace chartcommands
