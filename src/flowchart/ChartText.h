#pragma once
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <string_view>

#include "Graph.h"
#include "ParseResult.h"

// Flowcharts as text files: Mermaid (.mmd) and Graphviz DOT (.gv), read and written whole.
namespace flowchart {

enum class TextFormat : uint8_t { Mermaid, Dot };

// By the name's extension in any letter case: .mmd and .mermaid, .gv and .dot.
std::optional<TextFormat> TextFormatOfName(const QString& fileName);
// "Mermaid", "DOT".
QString TextFormatName(TextFormat format);

// The format of a text that starts (after blanks and Mermaid comments) with a flowchart:
// "flowchart" or "graph" and a direction or the end of the line is Mermaid; "digraph", "strict",
// or "graph" with a brace on its line, DOT.
std::optional<TextFormat> SniffChart(std::string_view text);

graph::ParseResult ParseChart(std::string_view text, TextFormat format);

struct ChartFile {
  graph::Graph graph;
  QStringList warnings;  // each "NAME: line 3: what was left out"
};

// Reads the file (a regular file only, as diagrams are read) in the format. Throws EKedrinError
// naming the file: "Cannot import NAME: line 3, column 7: reason" for a text that is no flowchart,
// and the reader's messages for a file that cannot be read.
ChartFile ReadChartFile(const QString& fileName, TextFormat format);

// The graph as text in the format, written whole or not at all (wholefile::Write's errors).
void WriteChartFile(const QString& fileName, const graph::Graph& graph, TextFormat format);

}  // namespace flowchart
