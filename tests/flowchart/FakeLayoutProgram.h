#pragma once
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// A stand-in for the layout program: a shell script that does what a test needs (dies, hangs,
// answers nonsense). An empty script names a program that does not exist.
namespace charttest {

inline QString FakeLayoutProgram(const QTemporaryDir& dir, const char* script) {
  const QString path = dir.filePath(QStringLiteral("kedrin-layout"));
  if (!*script) return dir.filePath(QStringLiteral("missing"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return {};
  file.write("#!/bin/sh\n");
  file.write(script);
  file.write("\n");
  file.close();
  file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  return path;
}

}  // namespace charttest
