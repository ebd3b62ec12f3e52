#pragma once
#include <QDialog>
#include <functional>
#include <vector>

#include "RecoveryOffer.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Lists the copies found at start (title, time, figures, and why one cannot be recovered) and
// lets the user recover, discard or keep for later the selected ones; every row is selected at
// first, so one press settles them all. A copy is read only when the user recovers it: one that
// does not read whole stays in the list with the reader's message. Decided rows leave the list,
// and the dialog closes when none is left. Whatever is undecided when it closes is kept for
// later.
class RecoveryDialog : public QDialog {
  Q_OBJECT
 public:
  explicit RecoveryDialog(const std::vector<RecoverableDocument>& documents, QWidget* parent = nullptr);

  // One choice per document, in the order given.
  const std::vector<RecoveryChoice>& Choices() const { return choices_; }

  // Asked before copies are deleted for good (a question box unless tests answer it).
  using ConfirmDiscard = std::function<bool(QWidget* parent, int count)>;
  void SetConfirmDiscard(ConfirmDiscard confirm) { confirmDiscard_ = std::move(confirm); }

  // Reads the copy at that place of the documents given before it is recovered (see
  // RecoveryOffer::Check); without it every copy listed as recoverable is taken as it is.
  using CheckCopy = std::function<RecoverableDocument(size_t index)>;
  void SetCheckCopy(CheckCopy check) { checkCopy_ = std::move(check); }

  QTreeWidget* List() const { return list_; }
  QPushButton* RecoverButton() const { return recover_; }
  QPushButton* DiscardButton() const { return discard_; }
  QPushButton* LaterButton() const { return later_; }

 private:
  void Decide(RecoveryChoice choice);
  void UpdateButtons();
  void ShowRow(QTreeWidgetItem* item, const RecoverableDocument& document);
  // The problem column and the note about damaged copies show while any is listed.
  void ShowProblems();

  std::vector<bool> recoverable_;
  std::vector<RecoveryChoice> choices_;
  ConfirmDiscard confirmDiscard_;
  CheckCopy checkCopy_;
  QTreeWidget* list_;
  QLabel* note_;
  QPushButton* recover_;
  QPushButton* discard_;
  QPushButton* later_;
};
