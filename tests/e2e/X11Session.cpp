#include "X11Session.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryFile>
#include <QThread>
#include <csignal>

#include "WindowManager.h"
#include "X11Command.h"

namespace {
constexpr int kMainWidth = 1200;
constexpr int kMainHeight = 950;
constexpr int kScreenWidth = 1280;
constexpr int kScreenHeight = 1024;
}  // namespace

QString X11Session::OutputFolder() {
  QDir dir(QStringLiteral(KEDRIN_E2E_OUT));
  dir.mkpath(QStringLiteral("."));
  return dir.absolutePath();
}

bool X11Session::WaitFor(const std::function<bool()>& condition, int timeoutMs) {
  QElapsedTimer timer;
  timer.start();
  do {
    if (condition()) return true;
    QThread::msleep(50);
  } while (timer.elapsed() < timeoutMs);
  return condition();
}

X11Session::X11Session() {
  // Xvfb picks a free display itself and reports its number once it accepts clients, so runs
  // side by side never race for one.
  server_ = std::make_unique<QProcess>();
  server_->setStandardErrorFile(QProcess::nullDevice());
  server_->start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                          QStringLiteral("0"),
                                          QStringLiteral("%1x%2x24").arg(kScreenWidth).arg(kScreenHeight),
                                          QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                                          // Without it the server resets whenever its last client
                                          // leaves, and a client arriving meanwhile (the editor,
                                          // right after a readiness check) is turned away.
                                          QStringLiteral("-noreset")});
  problem_ = QStringLiteral("no virtual display: Xvfb did not start");
  if (!server_->waitForStarted(5000)) return;
  QByteArray number;
  WaitFor(
      [&] {
        server_->waitForReadyRead(100);
        number += server_->readAllStandardOutput();
        return number.contains('\n');
      },
      15000);
  bool ok = false;
  int n = number.trimmed().toInt(&ok);
  if (!ok) return;
  display_ = QStringLiteral(":%1").arg(n);
  problem_ = QStringLiteral("no virtual display: Xvfb on %1 accepts no clients").arg(display_);
  const bool serverUp = WaitFor(
      [this] {
        bool up = false;
        Run(QStringLiteral("xdotool"), {QStringLiteral("getdisplaygeometry")}, &up, 2000);
        return up;
      },
      10000);
  if (!serverUp) return;
  windowManager_ = std::make_unique<WindowManager>(
      display_, QDir(OutputFolder()).filePath(QStringLiteral("openbox-%1.log").arg(n)));
  problem_ = windowManager_->Problem();
  displayUp_ = windowManager_->Running();
}

X11Session::~X11Session() {
  StopEditor();
  windowManager_.reset();
  if (server_) {
    server_->terminate();
    if (!server_->waitForFinished(5000)) {
      server_->kill();
      server_->waitForFinished(2000);
    }
  }
  // The next session may be given the same display number: it must not meet this server's
  // socket on its way out.
  if (!display_.isEmpty()) {
    const QString socket = QStringLiteral("/tmp/.X11-unix/X%1").arg(display_.mid(1));
    WaitFor([&] { return !QFile::exists(socket); }, 5000);
  }
}

QString X11Session::Run(const QString& program, const QStringList& arguments, bool* ok, int timeoutMs,
                        QByteArray* raw) {
  return RunOnDisplay(display_, program, arguments, ok, timeoutMs, raw);
}

QString X11Session::Xdo(const QStringList& arguments, bool* ok, int timeoutMs) {
  return Run(QStringLiteral("xdotool"), arguments, ok, timeoutMs);
}

bool X11Session::StartEditor(const QStringList& arguments) {
  return StartEditorProgram(QStringLiteral(KEDRIN_BIN), arguments);
}

bool X11Session::StartEditorProgram(const QString& program, const QStringList& arguments) {
  editor_ = std::make_unique<QProcess>();
  mainWindow_.clear();  // a restart waits for the new run's window
  target_.clear();
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("DISPLAY"), display_);
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), OutputFolder());
  env.insert(QStringLiteral("XDG_DATA_HOME"), editorHome_.filePath(QStringLiteral("data")));
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), editorHome_.filePath(QStringLiteral("config")));
  env.insert(editorEnvironment_);
  editor_->setProcessEnvironment(env);
  editorLog_ = QDir(OutputFolder()).filePath(QStringLiteral("editor-%1.log").arg(display_.mid(1)));
  editor_->setProcessChannelMode(QProcess::MergedChannels);
  editor_->setStandardOutputFile(editorLog_);
  // A display that has only just come up may turn the first client away; one more try then.
  // The deadline is generous: a first start on a fresh machine builds the font caches.
  for (int attempt = 0; attempt < 2 && mainWindow_.isEmpty(); ++attempt) {
    editor_->start(program, arguments);
    if (!editor_->waitForStarted(5000)) return false;
    mainWindow_ = WaitForWindow(QStringLiteral("^Kedrin Tools Demo$"), 30000);
    if (mainWindow_.isEmpty() && EditorRunning()) return false;
  }
  if (mainWindow_.isEmpty()) return false;
  // The window manager placed it where it found room: the scenarios' places assume the corner.
  const QRect wanted(0, 0, kMainWidth, kMainHeight);
  QElapsedTimer timer;
  timer.start();
  QRect seen;
  while ((seen = WindowGeometry(mainWindow_)) != wanted && timer.elapsed() < 10000) {
    Xdo({QStringLiteral("windowmove"), mainWindow_, QStringLiteral("0"), QStringLiteral("0")});
    Xdo({QStringLiteral("windowsize"), mainWindow_, QString::number(kMainWidth), QString::number(kMainHeight)});
    WaitFor([&] { return WindowGeometry(mainWindow_) == wanted; }, 1000);
  }
  if (seen != wanted) {
    ADD_FAILURE() << "the main window stays at " << seen.x() << ", " << seen.y() << " (" << seen.width() << " x "
                  << seen.height() << ") instead of the top-left corner at " << kMainWidth << " x " << kMainHeight;
    return false;
  }
  // A dialog the editor shows as it starts (recovery) is modal: the focus goes to it then.
  return TakeFocus(mainWindow_, true);
}

bool X11Session::EditorRunning() const {
  if (!editor_) return false;
  // Without an event loop the process state is only brought up to date by waiting on it.
  if (editor_->state() == QProcess::Running) editor_->waitForFinished(0);
  return editor_->state() == QProcess::Running;
}

void X11Session::StopEditor() {
  if (!editor_) return;
  if (editor_->state() != QProcess::NotRunning) {
    editor_->terminate();
    if (!editor_->waitForFinished(3000)) {
      editor_->kill();
      editor_->waitForFinished(2000);
    }
  }
}

bool X11Session::KillEditor() {
  if (!EditorRunning()) return false;
  ::kill(static_cast<pid_t>(editor_->processId()), SIGKILL);
  return editor_->waitForFinished(5000) && editor_->exitStatus() == QProcess::CrashExit;
}

void X11Session::SetEditorEnvironment(const QString& name, const QString& value) {
  editorEnvironment_.insert(name, value);
}

QString X11Session::EditorOutput() {
  QFile log(editorLog_);
  return log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString();
}

QString X11Session::EditorStacks() {
  if (!EditorRunning()) return QString();
  bool ok = false;
  return Run(QStringLiteral("gdb"),
             {QStringLiteral("-p"), QString::number(editor_->processId()), QStringLiteral("-batch"),
              QStringLiteral("-ex"), QStringLiteral("thread apply all bt 25")},
             &ok, 30000);
}

QImage X11Session::Screenshot() {
  // A picture that cannot be taken fails the test: an empty one reads as black everywhere and
  // would pass every check for a dark pixel. One more try first, for a display that was busy.
  QString why;
  for (int attempt = 0; attempt < 2; ++attempt) {
    QByteArray png;
    bool ok = false;
    Run(QStringLiteral("import"), {QStringLiteral("-window"), QStringLiteral("root"), QStringLiteral("png:-")}, &ok,
        15000, &png);
    const QImage shot = QImage::fromData(png, "PNG").convertToFormat(QImage::Format_RGB32);
    if (ok && shot.size() == QSize(kScreenWidth, kScreenHeight)) return shot;
    why = ok ? QStringLiteral("a picture of %1 x %2").arg(shot.width()).arg(shot.height())
             : QStringLiteral("import failed");
  }
  ADD_FAILURE() << "no screenshot of display " << display_.toStdString() << " could be taken: " << why.toStdString();
  return QImage();
}

QString X11Session::SaveScreenshot(const QString& name) {
  QString path = QDir(OutputFolder()).filePath(name + QStringLiteral(".png"));
  if (!Screenshot().save(path)) ADD_FAILURE() << "screenshot not saved to " << path.toStdString();
  return path;
}

QString X11Session::Clipboard(const QStringList& xclipArguments, bool* ok) {
  return Run(QStringLiteral("xclip"), xclipArguments, ok, 5000);
}

QStringList X11Session::ClipboardTypes() {
  bool ok = false;
  const QString out = Clipboard({QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"),
                                 QStringLiteral("TARGETS"), QStringLiteral("-o")},
                                &ok);
  return ok ? out.split(QLatin1Char('\n'), Qt::SkipEmptyParts) : QStringList();
}

bool X11Session::WaitForClipboardTypes(const QStringList& types, int timeoutMs) {
  return WaitFor(
      [&] {
        const QStringList offered = ClipboardTypes();
        for (const QString& type : types)
          if (!offered.contains(type)) return false;
        return true;
      },
      timeoutMs);
}

bool X11Session::OfferClipboard(const QString& type, const QByteArray& data, int timeoutMs) {
  QTemporaryFile file;
  if (!file.open() || file.write(data) != data.size() || !file.flush()) return false;
  file.close();
  const QStringList selection = {QStringLiteral("-selection"), QStringLiteral("clipboard"), QStringLiteral("-t"), type};
  bool ok = false;
  Clipboard(selection + QStringList{QStringLiteral("-i"), file.fileName()}, &ok);
  if (!ok) return false;
  return WaitFor(
      [&] {
        QByteArray held;
        bool read = false;
        Run(QStringLiteral("xclip"), selection + QStringList{QStringLiteral("-o")}, &read, 5000, &held);
        return read && held == data;
      },
      timeoutMs);
}
