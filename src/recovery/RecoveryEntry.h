#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <optional>

// The small index entry written beside a document's recovery copy: enough to list the copy at
// the next start without reading it, and to reopen it titled as it was.
struct RecoveryEntry {
  QString title;     // as the document showed it: "Noname.kdl" or its file path
  QString filePath;  // where Save writes it; empty for a document never saved
  QDateTime savedAt;  // when the copy was taken (UTC)
  int figures = 0;

  friend bool operator==(const RecoveryEntry&, const RecoveryEntry&) = default;
};

namespace recoveryentry {

// A compact JSON object: {"title":…,"filePath":…,"savedAt":"2024-05-01T10:00:00.000Z","figures":15}.
QByteArray Encode(const RecoveryEntry& entry);
// The entry, or empty with the reason in *error when the text is not such an object.
std::optional<RecoveryEntry> Decode(const QByteArray& json, QString* error = nullptr);

}  // namespace recoveryentry
