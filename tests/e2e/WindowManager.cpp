#include "WindowManager.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcessEnvironment>

#include "X11Command.h"

namespace {

// Focus follows activation and clicks, never the pointer (a test moves the pointer anywhere).
// No key bindings at all, and no mouse bindings but "a press in a window focuses and raises it".
// Every window undecorated and borderless: its client area is where it was put. One desktop.
constexpr char kConfig[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
  <focus><focusNew>yes</focusNew><followMouse>no</followMouse><focusLast>yes</focusLast></focus>
  <placement><policy>Smart</policy><center>yes</center></placement>
  <theme><name>Clearlooks</name><keepBorder>no</keepBorder><animateIconify>no</animateIconify></theme>
  <desktops><number>1</number></desktops>
  <margins><top>0</top><bottom>0</bottom><left>0</left><right>0</right></margins>
  <keyboard></keyboard>
  <mouse>
    <context name="Client">
      <mousebind button="Left" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
      <mousebind button="Middle" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
      <mousebind button="Right" action="Press"><action name="Focus"/><action name="Raise"/></mousebind>
    </context>
  </mouse>
  <applications>
    <application class="*"><decor>no</decor><focus>yes</focus></application>
  </applications>
</openbox_config>
)";

}  // namespace

WindowManager::WindowManager(const QString& display, const QString& logFile, int timeoutMs) {
  const QString rc = config_.filePath(QStringLiteral("rc.xml"));
  QFile file(rc);
  if (!config_.isValid() || !file.open(QIODevice::WriteOnly) || file.write(kConfig) < 0 || !file.flush()) {
    problem_ = QStringLiteral("the window manager's configuration %1 could not be written").arg(rc);
    return;
  }
  file.close();
  process_ = std::make_unique<QProcess>();
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("DISPLAY"), display);
  // Its own configuration folder: no user's menu or settings take part.
  env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
  process_->setProcessEnvironment(env);
  process_->setProcessChannelMode(QProcess::MergedChannels);
  process_->setStandardOutputFile(logFile);
  process_->start(QStringLiteral("openbox"),
                  {QStringLiteral("--sm-disable"), QStringLiteral("--config-file"), rc});
  if (!process_->waitForStarted(5000)) {
    problem_ = QStringLiteral("openbox could not be started (%1); scripts/install-deps.sh installs it")
                   .arg(process_->errorString());
    return;
  }
  // Openbox announces its desktops on the root window once it has taken the screen over, after
  // it redirects every new window to itself: from then on it manages whatever appears.
  QElapsedTimer timer;
  timer.start();
  while (timer.elapsed() < timeoutMs) {
    bool up = false;
    RunOnDisplay(display, QStringLiteral("xdotool"), {QStringLiteral("get_num_desktops")}, &up, 2000);
    if (up) return;
    if (process_->waitForFinished(50)) {
      problem_ = QStringLiteral("openbox ended at its start with status %1; its log is %2")
                     .arg(process_->exitCode())
                     .arg(logFile);
      return;
    }
  }
  problem_ = QStringLiteral("openbox did not take display %1 over within %2 ms; its log is %3")
                 .arg(display)
                 .arg(timeoutMs)
                 .arg(logFile);
}

WindowManager::~WindowManager() {
  if (!process_ || process_->state() == QProcess::NotRunning) return;
  process_->terminate();
  if (!process_->waitForFinished(5000)) {
    process_->kill();
    process_->waitForFinished(2000);
  }
}
