#pragma once
#include <QByteArray>
#include <QObject>
#include <QString>

#include "RecoveryEntry.h"

class QThread;

// Writes and removes recovery copies on a thread of its own, strictly in the order asked, so a
// copy is never written back after its removal. Each copy replaces the previous one atomically
// (QSaveFile): the records first, then the index entry, so an entry never describes records that
// are not on disk yet. Reports come back on the thread that owns the writer.
class AutosaveWriter : public QObject {
  Q_OBJECT
 public:
  explicit AutosaveWriter(QObject* parent = nullptr);
  // Finishes every job asked for, then stops the thread.
  ~AutosaveWriter() override;

  void Write(const QString& folder, const QString& documentId, const QByteArray& records,
             const RecoveryEntry& entry);
  void Remove(const QString& folder, const QString& documentId);
  // Blocks until every job asked for so far is done, then delivers their reports.
  void Wait();

 signals:
  // A copy was written (error empty) or could not be (error says where and why).
  void Written(const QString& documentId, const QString& error);

 private:
  QThread* thread_;
  QObject* worker_;  // lives on thread_: jobs are queued calls in its context
};
