#pragma once
#include <QByteArray>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

class WindowManager;

// A virtual display with a window manager and the editor running on it, driven like a user: the
// pointer and keyboard through xdotool, the clipboard through xclip, screenshots through
// ImageMagick's import. Every command has a deadline, so a hung editor fails the step instead of
// the run. Before every key and click the window meant for it is given the keyboard focus and
// the X server is asked until it reports that window focused: input never races a window's
// start or a dialog's end.
class X11Session {
 public:
  X11Session();
  ~X11Session();
  X11Session(const X11Session&) = delete;
  X11Session& operator=(const X11Session&) = delete;

  // Xvfb and the window manager both run; Problem() says what is missing otherwise.
  bool DisplayUp() const { return displayUp_; }
  QString Problem() const { return problem_; }
  QString Display() const { return display_; }

  // Starts the editor (with arguments) and waits until its main window is shown, lies at the
  // top-left corner at a fixed size and one of the editor's windows has the keyboard focus (the
  // main window, or a dialog it shows at its start).
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
  // Window id of the first shown (mapped) window whose name matches the pattern, waiting up to
  // timeoutMs; empty if none was shown by then.
  QString WaitForWindow(const QString& namePattern, int timeoutMs = 10000);
  // Whether no window matching the pattern is shown any more, waiting up to timeoutMs.
  bool WindowGone(const QString& namePattern, int timeoutMs = 10000);
  // Makes the window the one keys and clicks go to, asks the window manager to activate it and
  // waits until the X server reports it focused. A failure is reported to the running test.
  bool FocusWindow(const QString& id);
  bool FocusMainWindow();
  // The window that has the keyboard focus now (empty when none of the clients has it).
  QString FocusedWindow();

  void Click(int x, int y, int button = 1);
  void Drag(int x1, int y1, int x2, int y2, int button = 1);
  // A drag in parts, for one that holds the button down while something happens.
  bool Press(int x, int y, int button = 1);
  void MoveTo(int x, int y);
  void Release(int button = 1);
  void Key(const QString& keys);
  void Type(const QString& text);

  // The whole screen. One that cannot be taken fails the running test and comes back empty.
  QImage Screenshot();
  // Saves a screenshot under the output folder; returns its path.
  QString SaveScreenshot(const QString& name);
  QString Clipboard(const QStringList& xclipArguments, bool* ok = nullptr);
  // The types the clipboard's owner offers (empty when nobody owns it).
  QStringList ClipboardTypes();
  // Waits until the clipboard offers every one of the types: the editor owns it only once it
  // has handled the key that copied.
  bool WaitForClipboardTypes(const QStringList& types, int timeoutMs = 8000);
  // Puts the bytes on the clipboard under the type as another program does (xclip) and waits
  // until the display hands exactly them out: xclip's own process ends before the copy it
  // leaves behind has taken the clipboard over.
  bool OfferClipboard(const QString& type, const QByteArray& data, int timeoutMs = 8000);

  // Polls the condition until it holds or the deadline passes.
  static bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 5000);
  static QString OutputFolder();

 private:
  QString Run(const QString& program, const QStringList& arguments, bool* ok, int timeoutMs,
              QByteArray* raw = nullptr);
  QRect WindowGeometry(const QString& id);
  QStringList ShownWindows();
  // Focuses the window keys and clicks are meant for; false (and a test failure) if it cannot.
  bool EnsureFocus();
  bool TakeFocus(const QString& id, bool anyEditorWindow);
  QString Describe(const QString& id);

  QString display_;
  bool displayUp_ = false;
  QString problem_;
  std::unique_ptr<QProcess> server_;
  std::unique_ptr<WindowManager> windowManager_;
  std::unique_ptr<QProcess> editor_;
  QTemporaryDir editorHome_;
  QProcessEnvironment editorEnvironment_;
  QString mainWindow_;
  // The window the next key or click is meant for; the main window when empty.
  QString target_;
  QString editorLog_;
};
