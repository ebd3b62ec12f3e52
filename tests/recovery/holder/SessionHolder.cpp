// An editor run's autosave in a process of its own, for tests to kill outright. Two documents:
// the diagram named on the command line with two figures drawn on it, and a document never saved
// with one figure. Once both copies are on disk it prints "ready" and waits for its end.
//
//   recovery_session_holder ROOT DIAGRAM
#include <QApplication>
#include <QFile>
#include <QTimer>
#include <cstdio>

#include "AutosaveManager.h"
#include "DocumentSource.h"
#include "RecoverySession.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: recovery_session_holder ROOT DIAGRAM\n");
    return 2;
  }
  RegisterFigureClasses();
  SilentMain main;
  TwinKedrinFile opened(&main), fresh(&main);
  opened.LoadFromFile(QString::fromLocal8Bit(argv[2]));
  AddFigure<TKDProcess>(opened, QRect(400, 40, 120, 60));
  AddFigure<TKDArrow>(opened, QRect(460, 100, 20, 80));
  fresh.SetTitle(QStringLiteral("Noname.kdl"));
  AddFigure<TKDEllipse>(fresh, QRect(10, 10, 80, 50));

  AutosaveManager manager({.enabled = true, .delaySeconds = 1}, QString::fromLocal8Bit(argv[1]));
  DocumentSource a(opened), b(fresh);
  for (AutosaveSource* s : {static_cast<AutosaveSource*>(&a), static_cast<AutosaveSource*>(&b)}) {
    manager.Register(s);
    manager.Changed(s);
  }
  const QString entries[] = {manager.CopyPath(&a).chopped(4) + QStringLiteral(".json"),
                             manager.CopyPath(&b).chopped(4) + QStringLiteral(".json")};
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    if (!QFile::exists(entries[0]) || !QFile::exists(entries[1])) return;
    poll.stop();
    std::printf("ready\n");
    std::fflush(stdout);
  });
  poll.start(20);
  return app.exec();
}
