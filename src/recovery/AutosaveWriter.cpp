#include "AutosaveWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QSemaphore>
#include <QThread>

#include "RecoverySession.h"

namespace {

// Replaces the file with the bytes, or says why it could not.
QString SaveWhole(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return path + QStringLiteral(": ") + file.errorString();
  if (file.write(bytes) != bytes.size()) {
    const QString error = path + QStringLiteral(": ") + file.errorString();
    file.cancelWriting();
    return error;
  }
  if (!file.commit()) return path + QStringLiteral(": ") + file.errorString();
  return {};
}

}  // namespace

AutosaveWriter::AutosaveWriter(QObject* parent)
    : QObject(parent), thread_(new QThread(this)), worker_(new QObject) {
  thread_->setObjectName(QStringLiteral("autosave writer"));
  worker_->moveToThread(thread_);
  connect(thread_, &QThread::finished, worker_, &QObject::deleteLater);
  thread_->start(QThread::LowPriority);
}

AutosaveWriter::~AutosaveWriter() {
  Wait();
  thread_->quit();
  thread_->wait();
}

void AutosaveWriter::Write(const QString& folder, const QString& documentId, const QByteArray& records,
                           const RecoveryEntry& entry) {
  QMetaObject::invokeMethod(worker_, [this, folder, documentId, records, entry] {
    QString error = SaveWhole(RecoverySession::RecordsPath(folder, documentId), records);
    if (error.isEmpty())
      error = SaveWhole(RecoverySession::EntryPath(folder, documentId), recoveryentry::Encode(entry));
    QMetaObject::invokeMethod(this, [this, documentId, error] { emit Written(documentId, error); },
                              Qt::QueuedConnection);
  }, Qt::QueuedConnection);
}

void AutosaveWriter::Remove(const QString& folder, const QString& documentId) {
  QMetaObject::invokeMethod(worker_, [folder, documentId] {
    // Records first: an entry left alone by a crash is never listed, records alone would be.
    QFile::remove(RecoverySession::RecordsPath(folder, documentId));
    QFile::remove(RecoverySession::EntryPath(folder, documentId));
  }, Qt::QueuedConnection);
}

void AutosaveWriter::Wait() {
  QSemaphore done;
  QMetaObject::invokeMethod(worker_, [&done] { done.release(); }, Qt::QueuedConnection);
  done.acquire();
  QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}
