#include "RecoveryEntry.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace recoveryentry {

namespace {
const QString kTitle = QStringLiteral("title");
const QString kFilePath = QStringLiteral("filePath");
const QString kSavedAt = QStringLiteral("savedAt");
const QString kFigures = QStringLiteral("figures");

std::optional<RecoveryEntry> Fail(QString* error, const QString& text) {
  if (error) *error = text;
  return std::nullopt;
}
}  // namespace

QByteArray Encode(const RecoveryEntry& entry) {
  QJsonObject o;
  o.insert(kTitle, entry.title);
  o.insert(kFilePath, entry.filePath);
  o.insert(kSavedAt, entry.savedAt.toUTC().toString(Qt::ISODateWithMs));
  o.insert(kFigures, entry.figures);
  return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<RecoveryEntry> Decode(const QByteArray& json, QString* error) {
  QJsonParseError parse;
  const QJsonDocument doc = QJsonDocument::fromJson(json, &parse);
  if (parse.error != QJsonParseError::NoError) return Fail(error, parse.errorString());
  if (!doc.isObject()) return Fail(error, QStringLiteral("not an object"));
  const QJsonObject o = doc.object();
  const QJsonValue title = o.value(kTitle), path = o.value(kFilePath), at = o.value(kSavedAt),
                   figures = o.value(kFigures);
  if (!title.isString() || title.toString().isEmpty()) return Fail(error, QStringLiteral("no title"));
  if (!path.isString()) return Fail(error, QStringLiteral("no file path"));
  RecoveryEntry entry;
  entry.title = title.toString();
  entry.filePath = path.toString();
  entry.savedAt = QDateTime::fromString(at.toString(), Qt::ISODateWithMs);
  if (!at.isString() || !entry.savedAt.isValid()) return Fail(error, QStringLiteral("no time"));
  entry.savedAt = entry.savedAt.toUTC();
  // toInt(-1) also refuses fractions and numbers beyond an int.
  entry.figures = figures.toInt(-1);
  if (entry.figures < 0 || figures.toDouble() != entry.figures) return Fail(error, QStringLiteral("no figure count"));
  return entry;
}

}  // namespace recoveryentry
