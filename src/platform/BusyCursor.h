#pragma once
#include <QGuiApplication>
#include <cstddef>

// The wait cursor for as long as a piece of work that holds the event loop lasts, when it is big
// enough to be felt (a step over thousands of figures); nothing for small ones.
class BusyCursor {
 public:
  static constexpr size_t kFelt = 5000;

  explicit BusyCursor(size_t items) : on_(items >= kFelt && qGuiApp) {
    if (!on_) return;
    // The platform sends the change at once (no event is handled here: the work may not be
    // interrupted).
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  }
  ~BusyCursor() {
    if (on_) QGuiApplication::restoreOverrideCursor();
  }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  bool on_;
};
