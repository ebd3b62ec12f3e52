#include "ChartMessages.h"

#include <QCoreApplication>

namespace flowchart {

namespace {

QString Reason(const graph::Message& message) {
  // Graphviz's own words, and messages made without a code, stay as they are.
  if (message.code == graph::MessageCode::Plain) return QString::fromStdString(message.text);
  const QString pattern = QCoreApplication::translate("ChartMessages", graph::PatternOf(message.code));
  QStringList w;
  for (const std::string& word : message.words) w << QString::fromStdString(word);
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
