#pragma once
#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <vector>

class AutosaveManager;
class AutosaveSource;
class QAction;
class TwinKedrinFile;
class TwinMain;

// Puts the main window's documents under the autosave: every document window the main window
// adds is registered with the manager, and its edits, saves and closing are passed on. The link
// also shows the manager's warnings in the status bar, adds Edit ▸ Preferences... for the
// autosave options, and at start brings back the documents of a run that did not end normally.
//
// The manager must outlive the link; the main window may go first or last.
class AutosaveLink : public QObject {
  Q_OBJECT
 public:
  AutosaveLink(TwinMain& main, AutosaveManager& manager);
  ~AutosaveLink() override;

  // Once the main window shows: lists the copies left by runs that did not end normally and
  // opens each one the user recovers as a modified document titled as it was. Returns them.
  std::vector<TwinKedrinFile*> OfferRecovery();

  // Edit ▸ Preferences...
  QAction* PreferencesAction() const { return preferences_; }
  // What the manager knows the document as (null for a document the link never saw).
  AutosaveSource* SourceOf(const TwinKedrinFile* document) const;

 private:
  class DocumentSource;

  void Add(TwinKedrinFile* document);
  void ShowWarning(const QString& text);
  void ClearWarning();

  TwinMain& main_;
  AutosaveManager& manager_;
  QAction* preferences_ = nullptr;
  std::map<const QObject*, std::unique_ptr<DocumentSource>> sources_;
  // While a recovered copy is being opened: the id its document takes over.
  QString recoveredId_;
  QString warning_;  // the status bar text shown last
};
