#pragma once
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "ConnectorPlanner.h"

class TCustomKDTool;

// kdltool's flowchart commands: a Mermaid or DOT file drawn as a diagram's figures.
namespace chartcommands {

struct DrawnFile {
  std::vector<std::unique_ptr<TCustomKDTool>> figures;  // bottom first
  QStringList warnings;  // "NAME: line 3: what was left out", and Graphviz's own notes
};

// Reads the file (its format by its name: .mmd or .mermaid, .gv or .dot), lays the chart out in
// its own direction and makes its figures. Throws EKedrinError naming the file, and the line and
// column of a syntax error.
DrawnFile DrawFile(const QString& fileName, flowchart::ConnectorForm form);

}  // namespace chartcommands
