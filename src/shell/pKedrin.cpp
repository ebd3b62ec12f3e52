// The program (pKedrin): one main window; files named on the command line are opened into
// documents of their own.
#include <QApplication>
#include <QFileInfo>

#include "CommandLine.h"
#include "Focus.h"
#include "KDTools.h"
#include "KeyHook.h"
#include "TwinMain.h"

int main(int argc, char** argv) {
  if (const auto status = commandline::AnswerInfoRequest(argc, argv)) return *status;
  QApplication app(argc, argv);
  focus::Install();
  keyhook::InstallKeyStateWatcher();
  RegisterFigureClasses();

  TwinMain main;
  winMain = &main;
  main.show();
  const QStringList arguments = app.arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i) main.OpenFile(QFileInfo(arguments[i]).absoluteFilePath());
  const int result = app.exec();
  winMain = nullptr;
  return result;
}
