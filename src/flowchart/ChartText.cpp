#include "ChartText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cctype>

#include "ChartMessages.h"
#include "Dot.h"
#include "Errors.h"
#include "Mermaid.h"
#include "RegularFile.h"
#include "WholeFile.h"

namespace flowchart {

namespace {

// Far more than any flowchart written by hand or by a program.
constexpr int64_t kMaxChartBytes = int64_t{64} << 20;

bool StartsWithWord(std::string_view text, std::string_view word) {
  if (!text.starts_with(word)) return false;
  if (text.size() == word.size()) return true;
  const char next = text[word.size()];
  return !(std::isalnum(static_cast<unsigned char>(next)) || next == '_');
}

QString Shown(const QString& fileName) { return QDir::toNativeSeparators(fileName); }

}  // namespace

std::optional<TextFormat> TextFormatOfName(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == QLatin1String("mmd") || suffix == QLatin1String("mermaid")) return TextFormat::Mermaid;
  if (suffix == QLatin1String("gv") || suffix == QLatin1String("dot")) return TextFormat::Dot;
  return std::nullopt;
}

QString TextFormatName(TextFormat format) {
  return format == TextFormat::Mermaid ? QStringLiteral("Mermaid") : QStringLiteral("DOT");
}

std::optional<TextFormat> SniffChart(std::string_view text) {
  for (;;) {
    const size_t start = text.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) return std::nullopt;
    text.remove_prefix(start);
    if (!text.starts_with("%%")) break;
    const size_t end = text.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    text.remove_prefix(end);
  }
  if (StartsWithWord(text, "flowchart")) return TextFormat::Mermaid;
  if (StartsWithWord(text, "digraph") || StartsWithWord(text, "strict")) return TextFormat::Dot;
  if (!StartsWithWord(text, "graph")) return std::nullopt;
  const std::string_view line = text.substr(0, text.find('\n'));
  return line.find('{') != std::string_view::npos ? TextFormat::Dot : TextFormat::Mermaid;
}

graph::ParseResult ParseChart(std::string_view text, TextFormat format) {
  return format == TextFormat::Mermaid ? graph::ReadMermaid(text) : graph::ReadDot(text);
}

ChartFile ReadChartFile(const QString& fileName, TextFormat format) {
  const QByteArray bytes = regularfile::ReadAll(fileName, regularfile::Links::Follow, kMaxChartBytes);
  const graph::ParseResult result = ParseChart(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())), format);
  if (!result.ok()) {
    const QString why = result.error ? ChartMessageText(*result.error) : QCoreApplication::translate("flowchart", "it holds no flowchart");
    throw EKedrinError(QCoreApplication::translate("flowchart", "Cannot import %1: %2").arg(Shown(fileName), why));
  }
  ChartFile chart{*result.graph, {}};
  for (const graph::Message& w : result.warnings)
    chart.warnings << QStringLiteral("%1: %2").arg(Shown(fileName), ChartMessageText(w));
  return chart;
}

void WriteChartFile(const QString& fileName, const graph::Graph& graph, TextFormat format) {
  const std::string text = format == TextFormat::Mermaid ? graph::WriteMermaid(graph) : graph::WriteDot(graph);
  wholefile::Write(fileName, [&](QIODevice& device) {
    return device.write(text.data(), static_cast<qint64>(text.size())) == static_cast<qint64>(text.size());
  });
}

}  // namespace flowchart
