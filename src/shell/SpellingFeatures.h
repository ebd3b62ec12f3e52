#pragma once
#include <QObject>
#include <QPointer>
#include <functional>

#include "SpellCheckDialog.h"

class QAction;
class TwinMain;

// Spell checking in the main window: Tools ▸ Check Spelling... (F7) over the current document
// and Tools ▸ Spelling Preferences...; the Tools menu is made, before Window, when there is none.
class SpellingCommands : public QObject {
  Q_OBJECT
 public:
  explicit SpellingCommands(TwinMain& main);

  QAction* CheckSpellingAction() const { return check_; }
  QAction* PreferencesAction() const { return preferences_; }
  // Opens the dialog over the current document, or says that no dictionary of the language is
  // installed.
  void CheckSpelling();
  SpellCheckDialog* Dialog() const { return dialog_; }
  // How a message reaches the user (tests take it).
  std::function<void(const QString&)> tell;

 private:
  TwinMain& main_;
  QAction* check_ = nullptr;
  QAction* preferences_ = nullptr;
  QPointer<SpellCheckDialog> dialog_;
};

void InstallSpellingFeatures(TwinMain& main);
