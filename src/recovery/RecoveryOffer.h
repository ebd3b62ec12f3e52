#pragma once
#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

#include "RecoveryEntry.h"

class QLockFile;

enum class RecoveryChoice { Recover, Discard, Later };

// One copy left by a run that did not end normally.
struct RecoverableDocument {
  QString id;
  // Title, file path, time and number of figures from the index entry ("Noname.kdl", the file's
  // time and kUnknownFigures when the entry is missing or unreadable); once the copy is read
  // (RecoveryOffer::Check), the number of figures read.
  RecoveryEntry entry;
  // Why the copy cannot be recovered, only discarded or kept: it is no regular file, it is too
  // large, or (once read) the reader's message for records that do not read whole.
  QString problem;

  static constexpr int kUnknownFigures = -1;
  bool Recoverable() const { return problem.isEmpty(); }
};

// A copy the user chose to recover, to be opened as a modified document titled as it was.
struct RecoveredDocument {
  QString id;        // give it back to AutosaveManager::Register with the new document
  QString title;     // "Noname.kdl" or the file path
  QString filePath;  // empty for a document never saved
  int figures = 0;      // as read from the copy
  QString recordsPath;  // the diagram's records, as a .kdl file holds them, in the live session's folder
};

// The copies of the runs that did not end normally, found at start. Each such run's lock is
// held from Find until this object goes, so that an editor started at the same time never
// offers the same copies, and no run's live copies are ever offered.
class RecoveryOffer {
 public:
  // Looks through the recovery root: every run folder whose lock no live process holds (the
  // run `ownSession` aside) is taken over; folders with nothing to offer are removed at once.
  static std::unique_ptr<RecoveryOffer> Find(const QString& root, const QString& ownSession);
  // Releases the locks still held: copies not settled stay for the next start.
  ~RecoveryOffer();
  RecoveryOffer(const RecoveryOffer&) = delete;
  RecoveryOffer& operator=(const RecoveryOffer&) = delete;

  // Oldest copy first. Listing them reads only their index entries: each copy is looked at (a
  // regular file, not too large) but not read.
  const std::vector<RecoverableDocument>& Documents() const { return documents_; }
  bool Empty() const { return documents_.empty(); }

  // Reads the copy at that place of Documents() through the reader, once, as opening it would,
  // without holding it in memory: it then lists the figures read, and the reader's message
  // when they do not read whole.
  const RecoverableDocument& Check(size_t index);

  // One choice per document, in the order of Documents(). Discarded copies are deleted, later
  // ones stay. A copy to recover is checked first (see Check): one that does not read whole
  // stays. Recovered copies move into `liveFolder` (the running session's folder) so they
  // stay protected until the recovered document is saved or closed; with no live folder they
  // stay where they are, and are offered again at the next start. Once settled, the offer is
  // empty and every lock it held is released.
  std::vector<RecoveredDocument> Settle(const std::vector<RecoveryChoice>& choices, const QString& liveFolder);

 private:
  struct Session {
    QString folder;
    std::unique_ptr<QLockFile> lock;
  };
  struct Found {
    size_t session;
    QString recordsPath;
    bool read = false;  // Check has read the records
  };
  RecoveryOffer() = default;

  std::vector<Session> sessions_;
  std::vector<RecoverableDocument> documents_;
  std::vector<Found> found_;  // beside documents_, one for one
};
