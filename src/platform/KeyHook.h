#pragma once
#include <QObject>
#include <functional>

class QKeyEvent;

// An application-wide key watcher standing in for a keyboard hook: it sees every key press of
// this program once, before the focused widget does, and passes every key on.
namespace keyhook {

using HookProc = std::function<void(const QKeyEvent&)>;
using HHOOK = quintptr;

// Returns a handle (never 0) for UnhookWindowsHookEx.
HHOOK SetWindowsHookEx(HookProc proc);
bool UnhookWindowsHookEx(HHOOK hook);
bool IsInstalled(HHOOK hook);

// Feeds the key state tracker; installed once with the application.
void InstallKeyStateWatcher();

}  // namespace keyhook
