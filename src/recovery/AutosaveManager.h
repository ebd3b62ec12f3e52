#pragma once
#include <QObject>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "AutosaveSchedule.h"
#include "AutosaveSettings.h"
#include "AutosaveWriter.h"
#include "RecoveryOffer.h"
#include "RecoverySession.h"

class AutosaveSource;

// Keeps a recovery copy of every modified document. Documents report their edits, saves and
// closes; the manager decides when a copy is due (see AutosaveSchedule), has the document
// serialise its records on the UI thread and hands the bytes to a writer thread. The copies live
// in this run's session folder under the recovery root; a normal end removes them, a crash
// leaves them for the next start, which offers them (FindRecoverable, Settle, OfferRecovery).
//
// All calls are made on the UI thread.
class AutosaveManager : public QObject {
  Q_OBJECT
 public:
  // Milliseconds on a clock that never goes back.
  using Clock = std::function<int64_t()>;

  // root: where every run keeps its session folder (DefaultRoot() in the editor). The session
  // is opened at once; when that fails the manager says so at the first copy and tries again
  // at every copy after it.
  explicit AutosaveManager(const AutosaveSettings& settings = AutosaveSettings::Load(),
                           const QString& root = DefaultRoot(), QObject* parent = nullptr);
  // Without Shutdown the copies stay: the run did not end normally.
  ~AutosaveManager() override;

  // "recovery" in the application's local data folder.
  static QString DefaultRoot();

  // A document to protect. recoveredId: the id of a RecoveredDocument the source was opened
  // from, whose copy the source then takes over.
  void Register(AutosaveSource* source, const QString& recoveredId = {});
  // Every edit of a registered document.
  void Changed(AutosaveSource* source);
  // The document was saved to its .kdl file: its copy goes.
  void Saved(AutosaveSource* source);
  // The document window closes (saved or not, after the user's answer): its copy goes and the
  // source is forgotten.
  void Closed(AutosaveSource* source);
  // The program ends normally: every copy of this run goes, with its folder and lock. The
  // manager does nothing more afterwards.
  void Shutdown();

  const AutosaveSettings& Settings() const { return settings_; }
  // Switching autosave off removes this run's copies; switching it on protects every modified
  // document again, a delay from now.
  void ApplySettings(const AutosaveSettings& settings);

  // The copies of runs that did not end normally (never this run's, never a live run's).
  std::unique_ptr<RecoveryOffer> FindRecoverable() const;
  // Settles the offer with one choice per document; recovered copies join this run.
  std::vector<RecoveredDocument> Settle(RecoveryOffer& offer, const std::vector<RecoveryChoice>& choices);

  const QString& Root() const { return session_.Root(); }
  QString SessionFolder() const { return session_.Folder(); }
  // Where the source's copy is written (whether or not it exists yet); empty for a stranger.
  QString CopyPath(const AutosaveSource* source) const;

  // Tests and benchmarks: a clock of their own, the timer's work on demand, and a way to wait
  // until the writer has done everything asked of it (with its reports delivered).
  void SetClock(Clock clock);
  void RunDueWrites();
  void WaitForWriter();

 signals:
  // Copies cannot be written: one text for the status bar, said once until a copy is written
  // again. Editing goes on.
  void Warning(const QString& text);
  // After a warning, a copy was written again: what it said no longer holds.
  void WarningOver();

 private:
  struct Tracked {
    QString id;
    AutosaveSchedule schedule;
    bool inFlight = false;  // a copy is with the writer
    bool hasCopy = false;   // a copy may be on disk
  };

  Tracked* Find(const AutosaveSource* source);
  void Take(AutosaveSource* source, Tracked& tracked, int64_t now);
  void RemoveCopy(Tracked& tracked);
  void OnWritten(const QString& documentId, const QString& error);
  void Warn(const QString& reason);
  void Rearm();
  void Forget(AutosaveSource* source);
  friend class AutosaveSource;

  AutosaveSettings settings_;
  RecoverySession session_;
  QString openError_;
  AutosaveWriter writer_;
  QTimer timer_;
  Clock clock_;
  std::map<const AutosaveSource*, Tracked> tracked_;
  bool warned_ = false;
  bool ended_ = false;
};
