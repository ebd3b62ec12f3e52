#pragma once
#include <QString>
#include <functional>

#include "ChartText.h"
#include "ConnectorPlanner.h"

class QWidget;
class TwinKedrinFile;
class TwinMain;

// The main window's part of the graph features: their menu items, tool bars and docks, added once
// the window's own menus are built. File > Import > Mermaid Flowchart... and Graphviz DOT...;
// Arrange > Auto Layout > Top to Bottom, Left to Right, and the connectors they draw (elbow or
// straight, kept between runs as "layout/connectors").
void InstallGraphFeatures(TwinMain& main);

namespace graphfeatures {

// The connectors Auto Layout, imports and pastes of text draw.
flowchart::ConnectorForm CurrentForm();
void SetCurrentForm(flowchart::ConnectorForm form);

// File > Import's file dialog; tests answer it. An empty name is a cancel.
using ImportDialog = std::function<QString(QWidget* parent, flowchart::TextFormat format)>;
void SetImportDialog(ImportDialog dialog);

// The chart in the file, drawn in a new document (nothing opens when it cannot be read; the error
// names the file, and the line and column of a syntax error). What was left out is shown.
TwinKedrinFile* ImportChart(TwinMain& main, const QString& fileName, flowchart::TextFormat format);

// Edit > Paste with a flowchart's text on the clipboard: the chart at the paste point, as one
// step. False for any other text; throws the reader's error for a flowchart that cannot be read.
bool PasteChartText(TwinKedrinFile& document, const QString& text);

}  // namespace graphfeatures
