#include "KeyHook.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <map>

#include "KeyState.h"

namespace keyhook {

namespace {
class Filter : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    QEvent::Type t = event->type();
    // A key event reaches the top-level window once and then travels through widgets; seen at
    // the window, each press counts once.
    if ((t == QEvent::KeyPress || t == QEvent::KeyRelease) && watched->isWindowType()) {
      auto* key = static_cast<QKeyEvent*>(event);
      keystate::NoteKeyEvent(*key);
      if (t == QEvent::KeyPress) {
        // Copy: a hook may remove itself or others while running.
        std::map<HHOOK, HookProc> hooks = hooks_;
        for (auto& [handle, proc] : hooks)
          if (hooks_.count(handle)) proc(*key);
      }
    }
    return false;
  }
  std::map<HHOOK, HookProc> hooks_;
  HHOOK next_ = 1;
};

Filter& TheFilter() {
  static Filter* filter = [] {
    auto* f = new Filter;
    QCoreApplication::instance()->installEventFilter(f);
    return f;
  }();
  return *filter;
}
}  // namespace

void InstallKeyStateWatcher() { TheFilter(); }

HHOOK SetWindowsHookEx(HookProc proc) {
  Filter& f = TheFilter();
  HHOOK h = f.next_++;
  f.hooks_[h] = std::move(proc);
  return h;
}

bool UnhookWindowsHookEx(HHOOK hook) { return TheFilter().hooks_.erase(hook) > 0; }

bool IsInstalled(HHOOK hook) { return TheFilter().hooks_.count(hook) > 0; }

}  // namespace keyhook
