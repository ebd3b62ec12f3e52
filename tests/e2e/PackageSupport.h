#pragma once
// What the package tests share: running a program to its end, building this build's Debian
// package with cpack and unpacking it into a folder (no installation).
#include <QDir>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace packagetest {

struct ToolRun {
  bool finished = false;  // started and ended by itself before the deadline
  int status = -1;
  QString output;  // standard output and error, merged
  QString err;     // standard error alone, when asked for separately
};

inline ToolRun Run(const QString& program, const QStringList& args, const QString& dir = {},
                   const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(), int timeoutMs = 180000,
                   bool separateErrors = false) {
  QProcess p;
  if (!dir.isEmpty()) p.setWorkingDirectory(dir);
  p.setProcessEnvironment(env);
  if (!separateErrors) p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(program, args);
  ToolRun r;
  r.finished = p.waitForStarted(5000) && p.waitForFinished(timeoutMs) && p.exitStatus() == QProcess::NormalExit;
  if (!r.finished) {
    p.kill();
    p.waitForFinished(2000);
  }
  r.status = r.finished ? p.exitCode() : -1;
  r.output = QString::fromUtf8(p.readAllStandardOutput());
  if (separateErrors) r.err = QString::fromUtf8(p.readAllStandardError());
  return r;
}

inline bool Have(const QString& program) { return !QStandardPaths::findExecutable(program).isEmpty(); }

// cpack's Debian package of this build, made in the folder; its path, or empty with cpack's
// output in log.
inline QString BuildPackage(const QString& folder, QString* log) {
  ToolRun r = Run(QStringLiteral("cpack"), {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), folder},
                  QStringLiteral(KEDRIN_BUILD_DIR));
  *log = r.output;
  const QStringList debs = QDir(folder).entryList({QStringLiteral("kedrin_*.deb")});
  if (r.status != 0 || debs.size() != 1) return QString();
  return QDir(folder).filePath(debs.first());
}

// The package's files under root, as dpkg would install them under /.
inline bool Unpack(const QString& deb, const QString& root, QString* log) {
  ToolRun r = Run(QStringLiteral("dpkg"), {QStringLiteral("-x"), deb, root});
  *log = r.output;
  return r.status == 0;
}

}  // namespace packagetest
