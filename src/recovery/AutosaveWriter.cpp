#include "AutosaveWriter.h"

#include <QCoreApplication>
#include <QFile>
#include <QSemaphore>
#include <QThread>
#include <exception>

#include "RecoverySession.h"
#include "WholeFile.h"

namespace {

// Replaces the file with the bytes, or says why it could not; a copy that cannot be written
// whole leaves the previous one as it was.
QString SaveWhole(const QString& path, const QByteArray& bytes) {
  try {
    wholefile::Write(
        path, [&](QIODevice& file) { return file.write(bytes) == bytes.size(); },
        {.links = wholefile::Links::Refuse});
  } catch (const std::exception& e) {
    return QString::fromUtf8(e.what());
  }
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
