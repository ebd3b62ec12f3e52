#include "DocumentCharts.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <memory>
#include <unordered_set>

#include "ChartMessages.h"
#include "Diagram.h"
#include "DiagramChanges.h"
#include "DocumentHistory.h"
#include "DragSnapping.h"
#include "Errors.h"
#include "Focus.h"
#include "LayoutMessages.h"
#include "LayoutPlan.h"
#include "PasteRerouting.h"
#include "SharedSizes.h"
#include "TScrollBox.h"
#include "TwinKedrinFile.h"
#include "ZoomMapping.h"

namespace flowchart {

namespace {

WarningReporter& Reporter() {
  static WarningReporter reporter;
  return reporter;
}

// A layout's notes: its own in the user's language, Graphviz's under its name.
QStringList Notes(const std::vector<std::string>& lines) {
  QStringList out;
  for (const std::string& line : lines)
    out << KnownLayoutMessage(line).value_or(QStringLiteral("Graphviz: ") + QString::fromStdString(line));
  return out;
}

std::optional<layoutproc::Limits> LimitsOf(const ChartWork& work) {
  if (const layoutproc::Limits* limits = work.SizeLimits()) return *limits;
  return std::nullopt;
}

// A chart too large for the limits is refused before its texts are measured and its connectors
// planned, which take longer than the layout itself for the largest.
bool Refuse(const graph::Graph& graph, const std::optional<layoutproc::Limits>& limits, DrawnChart& chart) {
  if (limits) chart.error = layoutproc::Refusal(graph, *limits);
  return !chart.error.empty();
}

// A layout that was refused or stopped says so as it is ("The layout stopped: ..."); Graphviz's
// own reason follows what could not be done.
QString LayoutFailure(const QString& failed, const std::string& error, graph::LayoutStop stop) {
  QString reason = LayoutMessageText(error);
  if (stop == graph::LayoutStop::None) return failed + QStringLiteral(": ") + reason;
  if (!reason.isEmpty()) reason[0] = reason[0].toUpper();
  return reason;
}

}  // namespace

std::optional<Outcome> AutoLayout(TwinKedrinFile& document, graph::Direction direction, ConnectorForm form,
                                  ChartWork& work) {
  Outcome outcome;
  // A frame's drag records its own step when it ends; a change under it would be lost.
  if (document.DragInProgress()) return outcome;
  Diagram& diagram = document.FigureSet();
  const std::vector<TCustomKDTool*> selected = document.SelectedFigures();
  // The diagram as values, for the work's thread: its items and its connectors' pens.
  auto items = std::make_shared<const std::vector<semantics::Item>>(ItemsOfDiagram(diagram));
  LayoutRequest request;
  request.direction = direction;
  request.form = form;
  request.selected = diagram.IdsOf(selected);
  request.penOf = PensOfDiagram(diagram, *items);
  auto plan = std::make_shared<LayoutPlan>();
  if (!work.Run(QCoreApplication::translate("flowchart", "Laying out the diagram..."), [items, request, plan] { *plan = PlanLayoutSharingSizes(*items, request); }))
    return std::nullopt;
  if (!plan->ok()) throw EKedrinError(LayoutFailure(QCoreApplication::translate("flowchart", "Auto Layout failed"), plan->error, work.LastStop()));
  outcome.warnings = Notes(plan->warnings);
  const std::vector<uint64_t> kept = request.selected;
  outcome.figures = ApplyLayout(diagram, document.History(), *plan, QCoreApplication::translate("flowchart", "Auto Layout"));
  // The selection stays what it was, less the connector segments drawn anew.
  if (!selected.empty()) {
    const std::unordered_set<uint64_t> gone(plan->removed.begin(), plan->removed.end());
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

Pasted PasteChart(TwinKedrinFile& document, const QString& text, QPoint at, ConnectorForm form, ChartWork& work,
                  Outcome* outcome) {
  const std::string utf8 = text.toStdString();
  const std::optional<TextFormat> format = SniffChart(utf8);
  if (!format) return Pasted::NotAChart;
  ChartOptions options;
  options.form = form;
  options.font = document.CurFont;
  options.origin = at;
  struct Drawn {
    graph::ParseResult read;
    DrawnChart chart;
    bool refused = false;
  };
  auto drawn = std::make_shared<Drawn>();
  if (!work.Run(QCoreApplication::translate("flowchart", "Drawing the pasted flowchart..."), [utf8, format, options, limits = LimitsOf(work), drawn] {
        drawn->read = ParseChart(utf8, *format);
        if (!drawn->read.ok()) return;
        drawn->refused = Refuse(*drawn->read.graph, limits, drawn->chart);
        if (!drawn->refused) drawn->chart = DrawChart(*drawn->read.graph, options);
      }))
    return Pasted::Cancelled;
  const graph::ParseResult& read = drawn->read;
  if (!read.ok())
    throw EKedrinError(QCoreApplication::translate("flowchart", "Cannot paste the %1 flowchart: %2")
                           .arg(TextFormatName(*format),
                                ChartMessageText(read.error.value_or(graph::Message{}))));
  DrawnChart& chart = drawn->chart;
  if (!chart.ok())
    throw EKedrinError(LayoutFailure(QCoreApplication::translate("flowchart", "Cannot lay out the flowchart"), chart.error,
                                     drawn->refused ? graph::LayoutStop::Refused : work.LastStop()));
  if (chart.figures.empty()) return Pasted::Done;
  PlaceChartAt(chart.figures, at);
  // The selection ends first, as a paste of figures ends it.
  focus::SetFocus(document.Surface());
  Outcome done;
  for (const graph::Message& w : read.warnings) done.warnings << ChartMessageText(w);
  done.warnings << Notes(chart.warnings);
  done.figures = AddFigures(document.FigureSet(), document.History(), chart.figures, document.CurFont,
                            QCoreApplication::translate("flowchart", "Paste Flowchart"), [&document](std::vector<TCustomKDTool*>& added) {
                               SnapPastedToGrid(added);
                               // Routed around what the diagram holds already, too.
                               pasterouting::RouteAgain(document, added);
                             });
  document.FigureSet().Select(done.figures);
  document.RevealFigures(done.figures);
  if (outcome) *outcome = std::move(done);
  return Pasted::Done;
}

DrawnChart DrawForImport(const graph::Graph& graph, ConnectorForm form) {
  ChartOptions options;
  options.form = form;
  options.origin = kChartMargin;
  DrawnChart chart = DrawChart(graph, options);
  PlaceChartAt(chart.figures, kChartMargin);
  return chart;
}

std::optional<ImportedChart> ImportChartFile(const QString& fileName, TextFormat format, ConnectorForm form, ChartWork& work) {
  auto imported = std::make_shared<ImportedChart>();
  const QString name = QFileInfo(fileName).fileName();
  if (!work.Run(QCoreApplication::translate("flowchart", "Importing %1...").arg(name), [fileName, format, form, limits = LimitsOf(work), imported] {
        ChartFile file = ReadChartFile(fileName, format);
        imported->warnings = std::move(file.warnings);
        if (!Refuse(file.graph, limits, imported->chart)) imported->chart = DrawForImport(file.graph, form);
      }))
    return std::nullopt;
  const DrawnChart& chart = imported->chart;
  if (!chart.ok())
    throw EKedrinError(QCoreApplication::translate("flowchart", "Cannot import %1: %2").arg(QDir::toNativeSeparators(fileName), LayoutMessageText(chart.error)));
  imported->warnings << Notes(chart.warnings);
  return std::move(*imported);
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
  QMessageBox box(QMessageBox::Warning, title, QCoreApplication::translate("flowchart", "Some of the flowchart could not be drawn as written:"), QMessageBox::Ok,
                  parent);
  box.setInformativeText(warnings.mid(0, 12).join(QLatin1Char('\n')) +
                         (warnings.size() > 12 ? QCoreApplication::translate("flowchart", "\n... and %1 more").arg(warnings.size() - 12) : QString()));
  box.exec();
}

void SetWarningReporter(WarningReporter reporter) { Reporter() = std::move(reporter); }

}  // namespace flowchart
