// The program (pKedrin): one main window; files named on the command line are opened into
// documents of their own. Modified documents are autosaved; a start after a run that did not
// end normally offers its copies.
#include <QApplication>
#include <QFileInfo>

#include "AutosaveLink.h"
#include "AutosaveManager.h"
#include "CommandLine.h"
#include "Focus.h"
#include "KDTools.h"
#include "KeyHook.h"
#include "Translations.h"
#include "TwinMain.h"

int main(int argc, char** argv) {
  if (const auto status = commandline::AnswerInfoRequest(argc, argv)) return *status;
  QApplication app(argc, argv);
  // Where settings and recovery copies live: before anything reads either.
  QCoreApplication::setOrganizationName(QStringLiteral("Kedrin"));
  QCoreApplication::setApplicationName(QStringLiteral("kedrin"));
  // The user's language where the editor has a translation for it; English otherwise.
  translations::Install(QLocale::system());
  focus::Install();
  keyhook::InstallKeyStateWatcher();
  RegisterFigureClasses();

  AutosaveManager autosave;
  TwinMain main;
  winMain = &main;
  AutosaveLink autosaveLink(main, autosave);
  main.show();
  const QStringList arguments = app.arguments();
  for (qsizetype i = 1; i < arguments.size(); ++i) main.OpenFile(QFileInfo(arguments[i]).absoluteFilePath());
  autosaveLink.OfferRecovery();
  const int result = app.exec();
  // A normal end: this run's copies go. Killed, the run never gets here and its copies stay.
  autosave.Shutdown();
  winMain = nullptr;
  return result;
}
