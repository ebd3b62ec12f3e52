#include "RecoverySession.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QUuid>

RecoverySession::RecoverySession(QString root)
    : root_(std::move(root)), id_(QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

RecoverySession::~RecoverySession() = default;

QString RecoverySession::Open() {
  if (open_) return {};
  if (!QDir().mkpath(root_)) return QCoreApplication::translate("RecoverySession", "cannot create the folder %1").arg(root_);
  if (!lock_) lock_ = std::make_unique<QLockFile>(LockPath(root_, id_));
  if (!lock_->tryLock(0)) {
    return lock_->error() == QLockFile::PermissionError
               ? QCoreApplication::translate("RecoverySession", "no permission to write in %1").arg(root_)
               : QCoreApplication::translate("RecoverySession", "cannot create the lock file %1").arg(LockPath(root_, id_));
  }
  if (!QDir().mkpath(Folder())) {
    lock_->unlock();
    return QCoreApplication::translate("RecoverySession", "cannot create the folder %1").arg(Folder());
  }
  open_ = true;
  return {};
}

void RecoverySession::End() {
  if (!open_) return;
  QDir(Folder()).removeRecursively();
  lock_->unlock();
  open_ = false;
}

QString RecoverySession::Folder() const { return root_ + QLatin1Char('/') + id_; }

QString RecoverySession::LockPath(const QString& root, const QString& sessionId) {
  return root + QLatin1Char('/') + sessionId + kLockSuffix;
}

QString RecoverySession::RecordsPath(const QString& folder, const QString& documentId) {
  return folder + QLatin1Char('/') + documentId + kRecordsSuffix;
}

QString RecoverySession::EntryPath(const QString& folder, const QString& documentId) {
  return folder + QLatin1Char('/') + documentId + kEntrySuffix;
}
