// The session's windows, the keyboard focus, and the pointer and keys that need it.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QMap>
#include <QThread>

#include "X11Session.h"

QString X11Session::WaitForWindow(const QString& pattern, int timeoutMs) {
  QString id;
  // Only a shown window: one that is named but not yet mapped cannot take the focus.
  WaitFor(
      [&] {
        bool ok = false;
        QString out = Xdo({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), pattern},
                          &ok, 2000);
        if (ok && !out.isEmpty()) id = out.split(QLatin1Char('\n')).first().trimmed();
        return !id.isEmpty();
      },
      timeoutMs);
  return id;
}

bool X11Session::WindowGone(const QString& pattern, int timeoutMs) {
  return WaitFor(
      [&] {
        bool ok = false;
        QString out = Xdo({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), pattern},
                          &ok, 2000);
        return !ok || out.isEmpty();
      },
      timeoutMs);
}

QStringList X11Session::ShownWindows() {
  bool ok = false;
  const QString out =
      Xdo({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), QStringLiteral(".")}, &ok,
          2000);
  return ok ? out.split(QLatin1Char('\n'), Qt::SkipEmptyParts) : QStringList();
}

QRect X11Session::WindowGeometry(const QString& id) {
  bool ok = false;
  const QString out = Xdo({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id}, &ok, 2000);
  if (!ok) return QRect();
  // WINDOW=…, X=…, Y=…, WIDTH=…, HEIGHT=…, SCREEN=…, one to a line.
  QMap<QString, int> values;
  for (const QString& line : out.split(QLatin1Char('\n')))
    values[line.section(QLatin1Char('='), 0, 0).trimmed()] = line.section(QLatin1Char('='), 1).toInt();
  return QRect(values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")),
               values.value(QStringLiteral("WIDTH")), values.value(QStringLiteral("HEIGHT")));
}

QString X11Session::FocusedWindow() {
  bool ok = false;
  const QString id = Xdo({QStringLiteral("getwindowfocus")}, &ok, 2000);
  return ok ? id : QString();
}

QString X11Session::Describe(const QString& id) {
  if (id.isEmpty()) return QStringLiteral("no window");
  return QStringLiteral("window %1 \"%2\"").arg(id, Xdo({QStringLiteral("getwindowname"), id}, nullptr, 2000));
}

bool X11Session::TakeFocus(const QString& id, bool anyEditorWindow) {
  const QString editorPid = editor_ ? QString::number(editor_->processId()) : QString();
  auto focused = [&] {
    const QString now = FocusedWindow();
    if (now == id) return true;
    return anyEditorWindow && !now.isEmpty() && !editorPid.isEmpty() &&
           Xdo({QStringLiteral("getwindowpid"), now}, nullptr, 2000) == editorPid;
  };
  if (focused()) return true;
  // Asked through the window manager, as a taskbar asks; asked again now and then, since a
  // window manager may turn a request down while the window is still being managed.
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < 10000) {
    Xdo({QStringLiteral("windowactivate"), id}, nullptr, 3000);
    if (WaitFor(focused, 1000)) return true;
  }
  ADD_FAILURE() << Describe(id).toStdString() << " never got the keyboard focus on display "
                << display_.toStdString() << "; it is on " << Describe(FocusedWindow()).toStdString();
  return false;
}

bool X11Session::FocusWindow(const QString& id) {
  target_ = id;
  return TakeFocus(id, false);
}

bool X11Session::FocusMainWindow() { return FocusWindow(mainWindow_); }

bool X11Session::EnsureFocus() {
  if (mainWindow_.isEmpty()) {
    ADD_FAILURE() << "no editor window to send input to";
    return false;
  }
  const QString wanted = target_.isEmpty() ? mainWindow_ : target_;
  if (FocusedWindow() == wanted) return true;
  if (wanted != mainWindow_ && !ShownWindows().contains(wanted)) {
    // The dialog it was meant for has closed: input goes to the main window again.
    target_.clear();
    return TakeFocus(mainWindow_, false);
  }
  return TakeFocus(wanted, false);
}

// The pauses after input are no waits for a condition: the editor handles part of some input
// through events it posts itself, which nothing outside it can see, and a drag's steps need
// time between them to be steps at all.
void X11Session::Click(int x, int y, int button) {
  if (!EnsureFocus()) return;
  Xdo({QStringLiteral("mousemove"), QString::number(x), QString::number(y), QStringLiteral("click"),
       QString::number(button)});
  QThread::msleep(150);
}

void X11Session::Drag(int x1, int y1, int x2, int y2, int button) {
  if (!Press(x1, y1, button)) return;
  QThread::msleep(60);
  MoveTo((x1 + x2) / 2, (y1 + y2) / 2);
  QThread::msleep(60);
  MoveTo(x2, y2);
  QThread::msleep(60);
  Release(button);
  QThread::msleep(200);
}

bool X11Session::Press(int x, int y, int button) {
  if (!EnsureFocus()) return false;
  Xdo({QStringLiteral("mousemove"), QString::number(x), QString::number(y), QStringLiteral("mousedown"),
       QString::number(button)});
  return true;
}

void X11Session::MoveTo(int x, int y) { Xdo({QStringLiteral("mousemove"), QString::number(x), QString::number(y)}); }

void X11Session::Release(int button) { Xdo({QStringLiteral("mouseup"), QString::number(button)}); }

void X11Session::Key(const QString& keys) {
  if (!EnsureFocus()) return;
  Xdo({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40"), keys});
  QThread::msleep(200);
}

void X11Session::Type(const QString& text) {
  if (!EnsureFocus()) return;
  Xdo({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), text});
  QThread::msleep(150);
}
