#pragma once
#include <QString>
#include <memory>

class QLockFile;

// The recovery folder of one editor run. Under the recovery root, the run owns the lock file
// `<id>.lock` for as long as it lives and keeps its copies in the folder `<id>/`, two files per
// document: `<document>.kdl` (the records) and `<document>.json` (its index entry). The lock is
// taken before the folder exists and released after it is gone, so another run never mistakes a
// live folder for a dead one; a run killed outright leaves a lock that QLockFile recognises as
// stale (its process is gone), which is how the next start finds the copies to offer.
class RecoverySession {
 public:
  explicit RecoverySession(QString root);
  // Releases the lock and keeps the copies: a run that did not end normally.
  ~RecoverySession();
  RecoverySession(const RecoverySession&) = delete;
  RecoverySession& operator=(const RecoverySession&) = delete;

  // Takes the lock and makes the folder. Returns why that failed, empty once the session is open.
  QString Open();
  bool IsOpen() const { return open_; }
  // A normal end: deletes the folder with every copy in it, then releases the lock.
  void End();

  const QString& Root() const { return root_; }
  const QString& Id() const { return id_; }
  QString Folder() const;

  static QString LockPath(const QString& root, const QString& sessionId);
  static QString RecordsPath(const QString& folder, const QString& documentId);
  static QString EntryPath(const QString& folder, const QString& documentId);
  static inline const QString kRecordsSuffix = QStringLiteral(".kdl");
  static inline const QString kEntrySuffix = QStringLiteral(".json");
  static inline const QString kLockSuffix = QStringLiteral(".lock");

 private:
  QString root_;
  QString id_;
  std::unique_ptr<QLockFile> lock_;
  bool open_ = false;
};
