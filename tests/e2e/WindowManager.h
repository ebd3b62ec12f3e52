#pragma once
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <memory>

// A light window manager (openbox) on a test display, as every user's desktop runs one: it
// gives a new window the keyboard focus and activates a window when asked to. Without one,
// nothing focuses the editor's windows and a key typed as a window appears goes nowhere.
// Windows are neither decorated nor framed, so a window moved to (0, 0) has its client area
// there and the scenarios' fixed places stay valid; openbox binds no keys, so every key
// reaches the editor.
class WindowManager {
 public:
  // Starts it on the display and waits until it manages the screen (or the deadline passes).
  WindowManager(const QString& display, const QString& logFile, int timeoutMs = 30000);
  ~WindowManager();
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;

  bool Running() const { return problem_.isEmpty(); }
  // Why it is not running; empty while it runs.
  QString Problem() const { return problem_; }

 private:
  std::unique_ptr<QProcess> process_;
  QTemporaryDir config_;
  QString problem_;
};
