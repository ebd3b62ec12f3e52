#pragma once
#include <cstdint>
#include <optional>

// When one document's next recovery copy is due, on a millisecond clock. A copy is due `delay`
// after the first edit that no copy holds yet, and never sooner than `delay` after the previous
// copy was taken: a burst of edits costs one copy, steady work one copy per delay, and the copy
// on disk never trails the document by more than the delay plus the write. Pure logic; the
// manager drives it with a timer.
class AutosaveSchedule {
 public:
  explicit AutosaveSchedule(int64_t delayMs) : delay_(delayMs) {}

  void SetDelay(int64_t delayMs) { delay_ = delayMs; }
  // An edit at `now`.
  void Changed(int64_t now);
  // A copy holding every edit up to `now` was taken and handed to the writer.
  void Taken(int64_t now);
  // The copy taken last could not be written: the edits it held are pending again.
  void Failed();
  // No copy before `until` (a mouse drag is in progress).
  void PostponeUntil(int64_t until);
  // Nothing is pending any more (the document was saved or went back to its saved state).
  void Clear();

  // When the next copy is due; empty while every edit is in a copy.
  std::optional<int64_t> Due() const;

 private:
  int64_t delay_;
  std::optional<int64_t> dirtySince_;  // the first edit not in any copy
  std::optional<int64_t> lastTaken_;
  std::optional<int64_t> inFlightSince_;  // dirtySince_ of the copy last taken
  std::optional<int64_t> notBefore_;
};
