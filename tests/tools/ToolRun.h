#pragma once
// kdltool run as a user runs it: a separate process without a display.
#include <QProcess>
#include <QStringList>
#include <string>

struct ToolRun {
  int status = -1;
  std::string out, err;
};

inline ToolRun KdlTool(const QStringList& arguments, const QString& workingDirectory = QString()) {
  QProcess p;
  if (!workingDirectory.isEmpty()) p.setWorkingDirectory(workingDirectory);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));
  env.remove(QStringLiteral("DISPLAY"));
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(KEDRIN_BUILD_DIR "/src/tools/kdltool"), arguments);
  ToolRun r;
  if (!p.waitForFinished(60000)) return r;
  r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
  r.out = p.readAllStandardOutput().toStdString();
  r.err = p.readAllStandardError().toStdString();
  return r;
}
