#include "ChartMessages.h"

#include <QCoreApplication>

namespace flowchart {

namespace {

QString Reason(const graph::Message& message) {
  // Graphviz's own words, and messages made without a code, stay as they are.
  if (message.code == graph::MessageCode::Plain) return QString::fromStdString(message.text);
  const QString pattern = QCoreApplication::translate("ChartMessages", graph::PatternOf(message.code));
  // The words the reader names things by (a token, a figure) have translations of their own; the
  // user's texts come quoted, so none is taken for one. Mermaid's own shape name keeps no English
  // article in another language: 'cylinder', not "a cylinder".
  const bool shapeName = message.code == graph::MessageCode::ShapeDrawnAs && pattern != QLatin1String(graph::PatternOf(message.code));
  QStringList w;
  for (const std::string& word : message.words) {
    if (shapeName && w.size() == 1) {
      const std::string_view name = std::string_view(word).substr(word.starts_with("an ") ? 3 : word.starts_with("a ") ? 2 : 0);
      w << QLatin1Char('\'') + QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) + QLatin1Char('\'');
    } else {
      w << QCoreApplication::translate("ChartMessageWords", word.c_str());
    }
  }
  // In one pass, so that a quoted "%2" in a user's text is not replaced in its turn.
  switch (w.size()) {
    case 0: return pattern;
    case 1: return pattern.arg(w[0]);
    case 2: return pattern.arg(w[0], w[1]);
    default: return pattern.arg(w[0], w[1], w[2]);
  }
}

}  // namespace

QString ChartMessageText(const graph::Message& message) {
  const QString reason = Reason(message);
  if (message.line <= 0) return reason;
  if (message.column <= 0) return QCoreApplication::translate("ChartMessages", "line %1: %2").arg(message.line).arg(reason);
  return QCoreApplication::translate("ChartMessages", "line %1, column %2: %3").arg(message.line).arg(message.column).arg(reason);
}

}  // namespace flowchart
