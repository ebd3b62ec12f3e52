#include "AutosaveSchedule.h"

#include <algorithm>

void AutosaveSchedule::Changed(int64_t now) {
  if (!dirtySince_) dirtySince_ = now;
}

void AutosaveSchedule::Taken(int64_t now) {
  lastTaken_ = now;
  inFlightSince_ = dirtySince_;
  dirtySince_.reset();
  notBefore_.reset();
}

void AutosaveSchedule::Failed() {
  if (!inFlightSince_) return;
  dirtySince_ = dirtySince_ ? std::min(*dirtySince_, *inFlightSince_) : *inFlightSince_;
  inFlightSince_.reset();
}

void AutosaveSchedule::PostponeUntil(int64_t until) { notBefore_ = until; }

void AutosaveSchedule::Clear() {
  dirtySince_.reset();
  inFlightSince_.reset();
  notBefore_.reset();
}

std::optional<int64_t> AutosaveSchedule::Due() const {
  if (!dirtySince_) return std::nullopt;
  int64_t due = *dirtySince_ + delay_;
  if (lastTaken_) due = std::max(due, *lastTaken_ + delay_);
  if (notBefore_) due = std::max(due, *notBefore_);
  return due;
}
