#include "AutosaveManager.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>

#include "AutosaveSource.h"

namespace {

// How soon a copy postponed by a mouse drag is tried again.
constexpr int64_t kDragRetryMs = 250;

int64_t DelayMs(const AutosaveSettings& settings) { return int64_t{settings.delaySeconds} * 1000; }

AutosaveManager::Clock MonotonicClock() {
  auto timer = std::make_shared<QElapsedTimer>();
  timer->start();
  return [timer] { return timer->elapsed(); };
}

}  // namespace

AutosaveSource::~AutosaveSource() {
  if (manager_) manager_->Forget(this);
}

AutosaveManager::AutosaveManager(const AutosaveSettings& settings, const QString& root, QObject* parent)
    : QObject(parent), settings_(settings), session_(root), clock_(MonotonicClock()) {
  openError_ = session_.Open();
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &AutosaveManager::RunDueWrites);
  connect(&writer_, &AutosaveWriter::Written, this, &AutosaveManager::OnWritten);
}

AutosaveManager::~AutosaveManager() {
  for (auto& [source, tracked] : tracked_) const_cast<AutosaveSource*>(source)->manager_ = nullptr;
}

QString AutosaveManager::DefaultRoot() {
  return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/recovery");
}

void AutosaveManager::Register(AutosaveSource* source, const QString& recoveredId) {
  if (ended_ || !source || Find(source)) return;
  Tracked tracked{recoveredId.isEmpty() ? QUuid::createUuid().toString(QUuid::WithoutBraces) : recoveredId,
                  AutosaveSchedule(DelayMs(settings_))};
  tracked.hasCopy = !recoveredId.isEmpty();
  tracked_.emplace(source, std::move(tracked));
  source->manager_ = this;
}

void AutosaveManager::Changed(AutosaveSource* source) {
  Tracked* tracked = Find(source);
  if (!tracked || !settings_.enabled) return;
  tracked->schedule.Changed(clock_());
  Rearm();
}

void AutosaveManager::Saved(AutosaveSource* source) {
  Tracked* tracked = Find(source);
  if (!tracked) return;
  tracked->schedule.Clear();
  RemoveCopy(*tracked);
  Rearm();
}

void AutosaveManager::Closed(AutosaveSource* source) {
  Tracked* tracked = Find(source);
  if (!tracked) return;
  RemoveCopy(*tracked);
  Forget(source);
  source->manager_ = nullptr;
  Rearm();
}

void AutosaveManager::Forget(AutosaveSource* source) { tracked_.erase(source); }

void AutosaveManager::Shutdown() {
  if (ended_) return;
  ended_ = true;
  timer_.stop();
  for (auto& [source, tracked] : tracked_) const_cast<AutosaveSource*>(source)->manager_ = nullptr;
  tracked_.clear();
  writer_.Wait();
  session_.End();
}

void AutosaveManager::ApplySettings(const AutosaveSettings& settings) {
  const bool switchedOn = settings.enabled && !settings_.enabled;
  settings_ = settings;
  const int64_t now = clock_();
  for (auto& [source, tracked] : tracked_) {
    tracked.schedule.SetDelay(DelayMs(settings_));
    if (!settings_.enabled) {
      tracked.schedule.Clear();
      RemoveCopy(tracked);
    } else if (switchedOn && source->AutosaveModified()) {
      tracked.schedule.Changed(now);
    }
  }
  Rearm();
}

std::unique_ptr<RecoveryOffer> AutosaveManager::FindRecoverable() const {
  return RecoveryOffer::Find(session_.Root(), session_.Id());
}

std::vector<RecoveredDocument> AutosaveManager::Settle(RecoveryOffer& offer,
                                                       const std::vector<RecoveryChoice>& choices) {
  if (!session_.IsOpen()) openError_ = session_.Open();
  return offer.Settle(choices, session_.IsOpen() && !ended_ ? session_.Folder() : QString());
}

QString AutosaveManager::CopyPath(const AutosaveSource* source) const {
  auto it = tracked_.find(source);
  return it == tracked_.end() ? QString() : RecoverySession::RecordsPath(session_.Folder(), it->second.id);
}

void AutosaveManager::SetClock(Clock clock) {
  clock_ = std::move(clock);
  Rearm();
}

void AutosaveManager::RunDueWrites() {
  if (ended_ || !settings_.enabled) return;
  const int64_t now = clock_();
  for (auto& [constSource, tracked] : tracked_) {
    auto* source = const_cast<AutosaveSource*>(constSource);
    const std::optional<int64_t> due = tracked.schedule.Due();
    if (!due || *due > now || tracked.inFlight) continue;
    if (!source->AutosaveModified()) {
      tracked.schedule.Clear();
      RemoveCopy(tracked);
    } else if (source->AutosaveDragInProgress()) {
      tracked.schedule.PostponeUntil(now + kDragRetryMs);
    } else {
      Take(source, tracked, now);
    }
  }
  Rearm();
}

void AutosaveManager::WaitForWriter() { writer_.Wait(); }

AutosaveManager::Tracked* AutosaveManager::Find(const AutosaveSource* source) {
  auto it = tracked_.find(source);
  return it == tracked_.end() ? nullptr : &it->second;
}

void AutosaveManager::Take(AutosaveSource* source, Tracked& tracked, int64_t now) {
  tracked.schedule.Taken(now);
  if (!session_.IsOpen()) openError_ = session_.Open();
  if (!session_.IsOpen()) {
    tracked.schedule.Failed();  // tried again a delay from now
    Warn(openError_);
    return;
  }
  RecoveryEntry entry{source->AutosaveTitle(), source->AutosaveFilePath(), QDateTime::currentDateTimeUtc(), 0};
  const QByteArray records = source->AutosaveRecords(entry.figures);
  tracked.inFlight = true;
  tracked.hasCopy = true;
  writer_.Write(session_.Folder(), tracked.id, records, entry);
}

void AutosaveManager::RemoveCopy(Tracked& tracked) {
  if (!tracked.hasCopy || !session_.IsOpen()) return;
  tracked.hasCopy = false;
  writer_.Remove(session_.Folder(), tracked.id);
}

void AutosaveManager::OnWritten(const QString& documentId, const QString& error) {
  auto it = std::find_if(tracked_.begin(), tracked_.end(), [&](const auto& t) { return t.second.id == documentId; });
  if (!error.isEmpty()) {
    Warn(error);
  } else if (warned_) {
    warned_ = false;
    emit WarningOver();
  }
  if (it == tracked_.end()) return;  // closed meanwhile; its removal followed the write
  it->second.inFlight = false;
  if (!error.isEmpty()) it->second.schedule.Failed();
  Rearm();
}

void AutosaveManager::Warn(const QString& reason) {
  if (warned_) return;
  warned_ = true;
  emit Warning(tr("Recovery copies cannot be written (%1); unsaved work is not protected against a crash.")
                   .arg(reason));
}

void AutosaveManager::Rearm() {
  if (ended_ || !settings_.enabled) {
    timer_.stop();
    return;
  }
  std::optional<int64_t> next;
  for (const auto& [source, tracked] : tracked_) {
    const std::optional<int64_t> due = tracked.schedule.Due();
    if (due && !tracked.inFlight) next = next ? std::min(*next, *due) : *due;
  }
  if (!next) {
    timer_.stop();
    return;
  }
  const int64_t wait = std::max<int64_t>(0, *next - clock_());
  timer_.start(static_cast<int>(std::min<int64_t>(wait, 24 * 3600 * 1000)));
}
