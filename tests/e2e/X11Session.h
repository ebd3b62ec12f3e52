#pragma once
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

// A virtual display with the editor running on it, driven like a user: the pointer and keyboard
// through xdotool, the clipboard through xclip, screenshots through ImageMagick's import. Every
// command has a deadline, so a hung editor fails the step instead of the run.
class X11Session {
 public:
  X11Session();
  ~X11Session();
  X11Session(const X11Session&) = delete;
  X11Session& operator=(const X11Session&) = delete;

  bool DisplayUp() const { return displayUp_; }
  QString Display() const { return display_; }

  // Starts the editor (with arguments) and waits for its main window; the window is put at the
  // top-left corner at a fixed size and given the keyboard focus.
  bool StartEditor(const QStringList& arguments = {});
  // The same with another build of the editor (an unpacked package).
  bool StartEditorProgram(const QString& program, const QStringList& arguments);
  bool EditorRunning() const;
  void StopEditor();
  // kill -9, as a crash or a power cut ends it: true once the process is gone.
  bool KillEditor();
  // A variable of the editor's environment from the next start on. Unless set here, every
  // session gives the editor data and settings folders of its own (XDG_DATA_HOME,
  // XDG_CONFIG_HOME), so that no run meets another's recovery copies or options.
  void SetEditorEnvironment(const QString& name, const QString& value);
  QString EditorOutput();
  // The editor's threads' stacks (through gdb, when it is installed), for a step that hangs.
  QString EditorStacks();

  // xdotool with the arguments; empty on failure or timeout (ok tells which).
  QString Xdo(const QStringList& arguments, bool* ok = nullptr, int timeoutMs = 10000);
  // Window id of the first window whose name matches the pattern, waiting up to timeoutMs.
  QString WaitForWindow(const QString& namePattern, int timeoutMs = 10000);
  bool WindowGone(const QString& namePattern, int timeoutMs = 10000);
  void FocusMainWindow();
  void FocusWindow(const QString& id);

  void Click(int x, int y, int button = 1);
  void Drag(int x1, int y1, int x2, int y2, int button = 1);
  void Key(const QString& keys);
  void Type(const QString& text);

  // The whole screen. One that cannot be taken fails the running test and comes back empty.
  QImage Screenshot();
  // Saves a screenshot under the output folder; returns its path.
  QString SaveScreenshot(const QString& name);
  QString Clipboard(const QStringList& xclipArguments, bool* ok = nullptr);

  // Polls the condition until it holds or the deadline passes.
  static bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000);
  static QString OutputFolder();

 private:
  QString Run(const QString& program, const QStringList& arguments, bool* ok, int timeoutMs,
              QByteArray* raw = nullptr);

  QString display_;
  bool displayUp_ = false;
  std::unique_ptr<QProcess> server_;
  std::unique_ptr<QProcess> editor_;
  QTemporaryDir editorHome_;
  QProcessEnvironment editorEnvironment_;
  QString mainWindow_;
  QString editorLog_;
};
