#pragma once
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "ChartDrawing.h"
#include "ChartText.h"
#include "ChartWork.h"
#include "ConnectorPlanner.h"
#include "Graph.h"

class TCustomKDTool;
class QWidget;
class TwinKedrinFile;

// The flowchart commands on a document window: Auto Layout, pasting a chart's text, and filling
// a new document with an imported chart. Their long part (reading, layout, planning) runs
// through a ChartWork before the document changes; a cancel leaves the document as it was.
// Failures throw EKedrinError with the text to show: a layout that was refused or stopped says so
// first ("The layout stopped: ...").
namespace flowchart {

struct Outcome {
  std::vector<TCustomKDTool*> figures;  // laid out or added
  QStringList warnings;                 // what was left out, and Graphviz's notes
};

// Arrange > Auto Layout: the selected shapes when two or more are selected, otherwise the whole
// diagram, the shapes of each kind grown to one size (PlanLayoutSharingSizes); one step of the
// document's history, "Auto Layout". Throws Graphviz's reason when the
// graph cannot be laid out (nothing changes then); does nothing during a drag. Nothing when the
// user cancelled.
std::optional<Outcome> AutoLayout(TwinKedrinFile& document, graph::Direction direction, ConnectorForm form,
                                  ChartWork& work);

// Paste of text: a Mermaid or DOT flowchart is laid out in its own direction with the top-left
// corner of all it draws at `at` (snapped to the grid when Snap to Grid is on), in the document's
// font, as one step, "Paste Flowchart"; its figures become the selection and are brought into
// view. NotAChart, changing nothing, for a text that does not start as a flowchart does; throws
// the reader's error (line and column) for one that does but cannot be read.
enum class Pasted : uint8_t { NotAChart, Done, Cancelled };
Pasted PasteChart(TwinKedrinFile& document, const QString& text, QPoint at, ConnectorForm form, ChartWork& work,
                  Outcome* outcome = nullptr);

// Where a paste of text puts the chart: the canvas point under the mouse pointer when it is over
// the visible canvas, otherwise a little inside the visible area's top-left corner.
QPoint PastePoint(const TwinKedrinFile& document);

// Where an imported chart starts: the top-left corner of all it draws.
constexpr QPoint kChartMargin{20, 20};

// A chart drawn for a new document (File > Import), in the font new documents draw in, all it
// draws starting at the margin. A chart that cannot be laid out has the reason in `error`.
DrawnChart DrawForImport(const graph::Graph& graph, ConnectorForm form);

// File > Import: the file read and drawn for a new document (DrawForImport), with what the
// reader left out. Throws the reason naming the file; nothing when the user cancelled.
struct ImportedChart {
  DrawnChart chart;
  QStringList warnings;
};
std::optional<ImportedChart> ImportChartFile(const QString& fileName, TextFormat format, ConnectorForm form, ChartWork& work);
// The chart's figures into a document on top of what it holds, the document modified but with
// nothing to undo, as after opening a file.
std::vector<TCustomKDTool*> FillDocument(TwinKedrinFile& document, const DrawnChart& chart);

// Shows the warnings of an import or paste in one box (tests replace the box).
void ShowWarnings(QWidget* parent, const QString& title, const QStringList& warnings);
using WarningReporter = std::function<void(const QString& title, const QStringList& warnings)>;
void SetWarningReporter(WarningReporter reporter);

}  // namespace flowchart
