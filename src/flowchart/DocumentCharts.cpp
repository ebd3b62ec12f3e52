#include "DocumentCharts.h"

#include <QCursor>
#include <QMessageBox>
#include <unordered_set>

#include "Diagram.h"
#include "DiagramChanges.h"
#include "DocumentHistory.h"
#include "DragSnapping.h"
#include "Errors.h"
#include "Focus.h"
#include "LayoutPlan.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"
#include "ZoomMapping.h"

namespace flowchart {

namespace {

WarningReporter& Reporter() {
  static WarningReporter reporter;
  return reporter;
}

QStringList Texts(const std::vector<std::string>& lines, const QString& prefix) {
  QStringList out;
  for (const std::string& line : lines) out << prefix + QString::fromStdString(line);
  return out;
}

}  // namespace

Outcome AutoLayout(TwinKedrinFile& document, graph::Direction direction, ConnectorForm form) {
  Outcome outcome;
  // A frame's drag records its own step when it ends; a change under it would be lost.
  if (document.DragInProgress()) return outcome;
  Diagram& diagram = document.FigureSet();
  const std::vector<TCustomKDTool*> selected = document.SelectedFigures();
  LayoutRequest request;
  request.direction = direction;
  request.form = form;
  request.selected = diagram.IdsOf(selected);
  request.penOf = [&diagram](const std::vector<uint64_t>& segments) { return PenInDiagram(diagram, segments); };
  const LayoutPlan plan = PlanLayout(ItemsOfDiagram(diagram), request);
  if (!plan.ok()) throw EKedrinError(QStringLiteral("Auto Layout failed: %1").arg(QString::fromStdString(plan.error)));
  outcome.warnings = Texts(plan.warnings, QStringLiteral("Graphviz: "));
  const std::vector<uint64_t> kept = request.selected;
  outcome.figures = ApplyLayout(diagram, document.History(), plan, QStringLiteral("Auto Layout"));
  // The selection stays what it was, less the connector segments drawn anew.
  if (!selected.empty()) {
    const std::unordered_set<uint64_t> gone(plan.removed.begin(), plan.removed.end());
    std::vector<uint64_t> still;
    for (uint64_t id : kept)
      if (!gone.count(id)) still.push_back(id);
    diagram.Select(diagram.Find(still));
  }
  return outcome;
}

QPoint PastePoint(const TwinKedrinFile& document) {
  const TScrollBox* box = document.scbKedrin;
  const TCanvasSurface* surface = box->Surface();
  const QWidget* viewport = box->viewport();
  const QRect visible(surface->mapFrom(viewport, QPoint(0, 0)), viewport->size());
  const QPoint pointer = surface->mapFromGlobal(QCursor::pos());
  const double zoom = surface->Zoom();
  if (visible.contains(pointer) && viewport->underMouse()) return zoommap::ToCanvas(pointer, zoom);
  return zoommap::ToCanvas(visible.topLeft(), zoom) + QPoint(20, 20);
}

bool PasteChart(TwinKedrinFile& document, const QString& text, QPoint at, ConnectorForm form, Outcome* outcome) {
  const std::string utf8 = text.toStdString();
  const std::optional<TextFormat> format = SniffChart(utf8);
  if (!format) return false;
  const graph::ParseResult read = ParseChart(utf8, *format);
  if (!read.ok())
    throw EKedrinError(QStringLiteral("Cannot paste the %1 flowchart: %2")
                           .arg(TextFormatName(*format),
                                QString::fromStdString(graph::Describe(read.error.value_or(graph::Message{})))));
  ChartOptions options;
  options.form = form;
  options.font = document.CurFont;
  options.origin = at;
  const DrawnChart chart = DrawChart(*read.graph, options);
  if (!chart.ok())
    throw EKedrinError(QStringLiteral("Cannot lay out the flowchart: %1").arg(QString::fromStdString(chart.error)));
  if (chart.figures.empty()) return true;
  // The selection ends first, as a paste of figures ends it.
  focus::SetFocus(document.Surface());
  Outcome done;
  for (const graph::Message& w : read.warnings) done.warnings << QString::fromStdString(graph::Describe(w));
  done.warnings << Texts(chart.warnings, QStringLiteral("Graphviz: "));
  done.figures = AddFigures(document.FigureSet(), document.History(), chart.figures, document.CurFont,
                            QStringLiteral("Paste Flowchart"), [](const auto& added) { SnapPastedToGrid(added); });
  document.FigureSet().Select(done.figures);
  document.RevealFigures(done.figures);
  if (outcome) *outcome = std::move(done);
  return true;
}

DrawnChart DrawForImport(const graph::Graph& graph, ConnectorForm form) {
  ChartOptions options;
  options.form = form;
  DrawnChart chart = DrawChart(graph, options);
  if (!chart.ok())
    throw EKedrinError(QStringLiteral("Cannot lay out the flowchart: %1").arg(QString::fromStdString(chart.error)));
  return chart;
}

std::vector<TCustomKDTool*> FillDocument(TwinKedrinFile& document, const DrawnChart& chart) {
  std::vector<TCustomKDTool*> figures;
  Diagram& diagram = document.FigureSet();
  for (const FigurePlan& plan : chart.figures) {
    TCustomKDTool* f = MakeFigure(plan, TFontDesc{}).release();
    diagram.Adopt(f);
    figures.push_back(f);
  }
  document.SetModified(true);
  return figures;
}

void ShowWarnings(QWidget* parent, const QString& title, const QStringList& warnings) {
  if (warnings.isEmpty()) return;
  if (Reporter()) return Reporter()(title, warnings);
  QMessageBox box(QMessageBox::Warning, title, QStringLiteral("Some of the flowchart could not be drawn as written:"), QMessageBox::Ok,
                  parent);
  box.setInformativeText(warnings.mid(0, 12).join(QLatin1Char('\n')) +
                         (warnings.size() > 12 ? QStringLiteral("\n... and %1 more").arg(warnings.size() - 12) : QString()));
  box.exec();
}

void SetWarningReporter(WarningReporter reporter) { Reporter() = std::move(reporter); }

}  // namespace flowchart
