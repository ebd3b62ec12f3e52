#include "StreamMessages.h"

#include <QCoreApplication>

#include "EnglishPatterns.h"

namespace messages {

QString StreamMessageText(const std::string& english) {
  // The names are the file's (classes, components, properties): as written.
  static const EnglishPatterns patterns("StreamMessages", {
      {QT_TRANSLATE_NOOP("StreamMessages", "Invalid stream format")},
      {QT_TRANSLATE_NOOP("StreamMessages", "Stream read error")},
      {QT_TRANSLATE_NOOP("StreamMessages", "Stream write error")},
      {QT_TRANSLATE_NOOP("StreamMessages", "Invalid property value")},
      {QT_TRANSLATE_NOOP("StreamMessages", "Invalid property path")},
      {QT_TRANSLATE_NOOP("StreamMessages", "Class %1 not found"), Words::AsWritten},
      {QT_TRANSLATE_NOOP("StreamMessages", "''%1'' is not a valid component name"), Words::AsWritten},
      {QT_TRANSLATE_NOOP("StreamMessages", "Property %1 does not exist"), Words::AsWritten},
      {QT_TRANSLATE_NOOP("StreamMessages", "Error reading %1: %2"), Words::InnerLast},
  });
  const QString text = QString::fromStdString(english);
  return patterns.Translate(text).value_or(text);
}

}  // namespace messages
