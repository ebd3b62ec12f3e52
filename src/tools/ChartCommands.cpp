#include "ChartCommands.h"

#include <QDir>

#include "ChartDrawing.h"
#include "ChartText.h"
#include "CustomKDTool.h"
#include "Errors.h"

namespace chartcommands {

DrawnFile DrawFile(const QString& fileName, flowchart::ConnectorForm form) {
  const std::optional<flowchart::TextFormat> format = flowchart::TextFormatOfName(fileName);
  if (!format)
    throw EKedrinError(QStringLiteral("Cannot import %1: the name must end in .mmd (Mermaid) or .gv (Graphviz DOT)")
                           .arg(QDir::toNativeSeparators(fileName)));
  const flowchart::ChartFile chart = flowchart::ReadChartFile(fileName, *format);
  flowchart::ChartOptions options;
  options.form = form;
  const flowchart::DrawnChart drawn = flowchart::DrawChart(chart.graph, options);
  if (!drawn.ok())
    throw EKedrinError(QStringLiteral("Cannot lay out %1: %2")
                           .arg(QDir::toNativeSeparators(fileName), QString::fromStdString(drawn.error)));
  DrawnFile out;
  out.warnings = chart.warnings;
  for (const std::string& w : drawn.warnings)
    out.warnings << QStringLiteral("%1: Graphviz: %2").arg(QDir::toNativeSeparators(fileName), QString::fromStdString(w));
  out.figures.reserve(drawn.figures.size());
  for (const flowchart::FigurePlan& plan : drawn.figures) out.figures.push_back(flowchart::MakeFigure(plan, options.font));
  return out;
}

}  // namespace chartcommands
