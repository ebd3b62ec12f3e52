#pragma once
#include <QString>
#include <functional>

#include "ChartText.h"
#include "ConnectorPlanner.h"
#include "LayoutClient.h"

class QWidget;
class TwinKedrinFile;
class TwinMain;

// The main window's part of the graph features: their menu items, tool bars and docks, added once
// the window's own menus are built. File > Import > Mermaid Flowchart..., Graphviz DOT... and
// draw.io Diagram...;
// Arrange > Auto Layout > Top to Bottom, Left to Right, and the connectors they draw (elbow or
// straight, kept between runs as "layout/connectors").
void InstallGraphFeatures(TwinMain& main);

namespace graphfeatures {

// The connectors Auto Layout, imports and pastes of text draw.
flowchart::ConnectorForm CurrentForm();
void SetCurrentForm(flowchart::ConnectorForm form);

// The limits every layout of the editor runs under, from the settings "layout/maxShapes",
// "layout/maxConnectors", "layout/timeLimit" (seconds) and "layout/memoryLimit" (MB); a value
// missing or below 1 is the default.
layoutproc::Limits LayoutLimits();

// The folder File > Import's dialog opens in: the current diagram's folder when it has a file,
// otherwise the last folder a chart was imported from, otherwise `home` (never the working
// directory the editor was started in). `documentTitle` is the diagram's title, its file's path
// once it has one.
QString ImportFolder(const QString& documentTitle, const QString& lastFolder, const QString& home);

// File > Import's file dialog, opened in `folder`; tests answer it. An empty name is a cancel.
using ImportDialog = std::function<QString(QWidget* parent, flowchart::TextFormat format, const QString& folder)>;
void SetImportDialog(ImportDialog dialog);

// The chart in the file, drawn in a new document (nothing opens when it cannot be read, its
// layout is stopped or the user cancels it; the error names the file, and the line and column of
// a syntax error). What was left out is shown.
TwinKedrinFile* ImportChart(TwinMain& main, const QString& fileName, flowchart::TextFormat format);

// File > Import > draw.io Diagram...'s file dialog, opened in `folder`; tests answer it.
using DrawioDialog = std::function<QString(QWidget* parent, const QString& folder)>;
void SetDrawioDialog(DrawioDialog dialog);

// The first page of the draw.io file drawn in a new document, untitled and modified (nothing
// opens when the file cannot be read; the error names the file). What was drawn otherwise or
// left out, and the pages not read, are shown in one box, each line naming the file.
TwinKedrinFile* ImportDrawio(TwinMain& main, const QString& fileName);

// Edit > Paste with a flowchart's text on the clipboard: the chart at the paste point, as one
// step. False for any other text; throws the reader's error for a flowchart that cannot be read.
// A paste the user cancels changes nothing and is true, as the text was a chart.
bool PasteChartText(TwinKedrinFile& document, const QString& text);

}  // namespace graphfeatures
