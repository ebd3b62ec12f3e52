#include "SpellingFeatures.h"

#include <QAction>
#include <QCoreApplication>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include "SpellCheckDialog.h"
#include "SpellService.h"
#include "SpellingPreferencesDialog.h"
#include "TextEditSession.h"
#include "TwinKedrinFile.h"
#include "TwinMain.h"

using spelling::SpellService;

namespace {

QMenu* ToolsMenu(TwinMain& main) {
  if (auto* tools = main.MainMenu1->findChild<QMenu*>(QStringLiteral("Tools1"))) return tools;
  auto* tools = new QMenu(QCoreApplication::translate("TwinMain", "&Tools"), main.MainMenu1);
  tools->setObjectName(QStringLiteral("Tools1"));
  main.MainMenu1->insertMenu(main.Window1->menuAction(), tools);
  return tools;
}

}  // namespace

SpellingCommands::SpellingCommands(TwinMain& main) : QObject(&main), main_(main) {
  setObjectName(QStringLiteral("SpellingCommands"));
  tell = [this](const QString& text) { QMessageBox::information(&main_, tr("Check Spelling"), text); };
  QMenu* tools = ToolsMenu(main);
  check_ = tools->addAction(tr("Check &Spelling..."));
  check_->setObjectName(QStringLiteral("CheckSpelling1"));
  check_->setShortcut(QKeySequence(Qt::Key_F7));
  preferences_ = tools->addAction(tr("Spelling &Preferences..."));
  preferences_->setObjectName(QStringLiteral("SpellingPreferences1"));
  connect(check_, &QAction::triggered, this, &SpellingCommands::CheckSpelling);
  connect(preferences_, &QAction::triggered, this, [this] { SpellingPreferencesDialog::Edit(&main_); });
}

void SpellingCommands::CheckSpelling() {
  TwinKedrinFile* document = main_.CurrentDocument();
  if (!document) return;
  SpellService& service = SpellService::Instance();
  if (!service.Checker()) {
    tell(tr("No spelling dictionary is installed for %1.").arg(spelling::LanguageTitle(service.WantedLanguage())));
    return;
  }
  // What is being typed counts: the editor's text goes to the diagram first.
  if (document->TextEditing().IsOpen()) document->TextEditing().Commit();
  delete dialog_.data();
  dialog_ = new SpellCheckDialog(*document, &main_);
  dialog_->setAttribute(Qt::WA_DeleteOnClose);
  dialog_->show();
}

void InstallSpellingFeatures(TwinMain& main) { new SpellingCommands(main); }
