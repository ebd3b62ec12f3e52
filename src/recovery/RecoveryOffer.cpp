#include "RecoveryOffer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <algorithm>
#include <exception>
#include <numeric>

#include "FileNames.h"
#include "RecordBytes.h"
#include "RegularFile.h"
#include "RecoverySession.h"

namespace {

// An index entry is a line of JSON; anything longer is not one.
constexpr int64_t kMaxEntryBytes = 64 * 1024;

// The index entry of a copy, or what can be said without one.
RecoveryEntry EntryOf(const QString& folder, const QString& id) {
  try {
    const QByteArray json =
        regularfile::ReadAll(RecoverySession::EntryPath(folder, id), regularfile::Links::Refuse, kMaxEntryBytes);
    if (std::optional<RecoveryEntry> entry = recoveryentry::Decode(json)) return *entry;
  } catch (const std::exception&) {
    // missing, too long or not a file: the copy is listed without it
  }
  RecoveryEntry entry;
  entry.title = filenames::kUntitled;
  entry.savedAt = QFileInfo(RecoverySession::RecordsPath(folder, id)).lastModified().toUTC();
  entry.figures = RecoverableDocument::kUnknownFigures;
  return entry;
}

// Why a copy cannot be read, found without reading a byte of it: what bears a copy's name may be
// a link, a pipe, a device or a file far larger than any diagram (see regularfile::Open).
QString LookAt(const QString& path) {
  try {
    QFile file;
    regularfile::Open(file, path, QIODevice::ReadOnly, regularfile::Links::Refuse);
  } catch (const std::exception& e) {
    return QString::fromUtf8(e.what());
  }
  return {};
}

bool MoveCopy(const QString& fromFolder, const QString& toFolder, const QString& id) {
  if (!QFile::rename(RecoverySession::RecordsPath(fromFolder, id), RecoverySession::RecordsPath(toFolder, id)))
    return false;
  // Without its entry the copy would still be listed, only under "Noname.kdl".
  QFile::rename(RecoverySession::EntryPath(fromFolder, id), RecoverySession::EntryPath(toFolder, id));
  return true;
}

void DeleteCopy(const QString& folder, const QString& id) {
  QFile::remove(RecoverySession::RecordsPath(folder, id));
  QFile::remove(RecoverySession::EntryPath(folder, id));
}

}  // namespace

std::unique_ptr<RecoveryOffer> RecoveryOffer::Find(const QString& root, const QString& ownSession) {
  std::unique_ptr<RecoveryOffer> offer(new RecoveryOffer);
  const QDir dir(root);
  std::vector<RecoverableDocument> documents;
  std::vector<Found> found;
  // A link among the run folders is no run's folder: removing "its" copies would delete files
  // wherever it leads.
  for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks, QDir::Name)) {
    if (name == ownSession) continue;
    auto lock = std::make_unique<QLockFile>(RecoverySession::LockPath(root, name));
    if (!lock->tryLock(0)) continue;  // a live run (or one this user cannot take over)
    const QString folder = dir.filePath(name);
    const size_t session = offer->sessions_.size();
    // Whatever bears a copy's name is listed, links, pipes and devices too, so that the user
    // sees it and can discard it; only a regular file is ever read, and never waited for.
    const QStringList copies =
        QDir(folder).entryList({QLatin1Char('*') + RecoverySession::kRecordsSuffix},
                               QDir::Files | QDir::System | QDir::Hidden, QDir::Name);
    for (const QString& fileName : copies) {
      const QString id = fileName.chopped(RecoverySession::kRecordsSuffix.size());
      const QString path = RecoverySession::RecordsPath(folder, id);
      // Listed from its entry: a start waits for no copy, however large.
      documents.push_back({id, EntryOf(folder, id), LookAt(path)});
      found.push_back({session, path});
    }
    if (copies.isEmpty()) {
      QDir(folder).removeRecursively();
      continue;  // the lock goes with `lock`
    }
    offer->sessions_.push_back({folder, std::move(lock)});
  }
  // Lock files of runs that died before making their folder.
  for (const QString& name : dir.entryList({QLatin1Char('*') + RecoverySession::kLockSuffix}, QDir::Files)) {
    const QString session = name.chopped(RecoverySession::kLockSuffix.size());
    if (session == ownSession || dir.exists(session)) continue;
    QLockFile(dir.filePath(name)).tryLock(0);  // removed again as the lock goes
  }

  std::vector<size_t> order(documents.size());
  std::iota(order.begin(), order.end(), size_t{0});
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return documents[a].entry.savedAt < documents[b].entry.savedAt;
  });
  for (size_t i : order) {
    offer->documents_.push_back(std::move(documents[i]));
    offer->found_.push_back(std::move(found[i]));
  }
  return offer;
}

RecoveryOffer::~RecoveryOffer() = default;

const RecoverableDocument& RecoveryOffer::Check(size_t index) {
  RecoverableDocument& document = documents_.at(index);
  Found& found = found_.at(index);
  if (found.read || !document.Recoverable()) return document;
  found.read = true;
  const recordbytes::Check check = recordbytes::ReadFile(found.recordsPath);
  document.entry.figures = check.figures;
  document.problem = check.error;
  return document;
}

std::vector<RecoveredDocument> RecoveryOffer::Settle(const std::vector<RecoveryChoice>& choices,
                                                     const QString& liveFolder) {
  std::vector<RecoveredDocument> recovered;
  std::vector<bool> keep(sessions_.size(), false);
  for (size_t i = 0; i < documents_.size(); ++i) {
    const RecoveryChoice choice = i < choices.size() ? choices[i] : RecoveryChoice::Later;
    const RecoverableDocument& document = choice == RecoveryChoice::Recover ? Check(i) : documents_[i];
    Found& found = found_[i];
    const QString& folder = sessions_[found.session].folder;
    if (choice == RecoveryChoice::Recover && document.Recoverable()) {
      RecoveredDocument r{document.id, document.entry.title, document.entry.filePath, document.entry.figures,
                          found.recordsPath};
      if (!liveFolder.isEmpty() && MoveCopy(folder, liveFolder, document.id))
        r.recordsPath = RecoverySession::RecordsPath(liveFolder, document.id);
      else
        keep[found.session] = true;
      recovered.push_back(std::move(r));
    } else if (choice == RecoveryChoice::Discard) {
      DeleteCopy(folder, document.id);
    } else {
      keep[found.session] = true;
    }
  }
  for (size_t s = 0; s < sessions_.size(); ++s) {
    if (!keep[s]) QDir(sessions_[s].folder).removeRecursively();
  }
  documents_.clear();
  found_.clear();
  sessions_.clear();  // releases the locks
  return recovered;
}
