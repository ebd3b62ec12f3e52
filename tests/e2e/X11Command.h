#pragma once
// One X client program (xdotool, xclip, import, ...) run to its end on a display, with a deadline,
// so that a hung client fails the step instead of the run.
#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// The program's standard output, trimmed; ok tells whether it started and ended with status 0
// before the deadline, raw gets the output untouched.
inline QString RunOnDisplay(const QString& display, const QString& program, const QStringList& arguments,
                            bool* ok = nullptr, int timeoutMs = 10000, QByteArray* raw = nullptr) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("DISPLAY"), display);
  p.setProcessEnvironment(env);
  p.start(program, arguments);
  const bool finished = p.waitForStarted(3000) && p.waitForFinished(timeoutMs);
  if (!finished) {
    p.kill();
    p.waitForFinished(1000);
  }
  const bool good = finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
  if (ok) *ok = good;
  const QByteArray out = p.readAllStandardOutput();
  if (raw) *raw = out;
  return QString::fromUtf8(out).trimmed();
}
