#pragma once
#include <QDialog>

#include "TextMatcher.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Edit > Find and Edit > Replace: a box that stays open beside the diagram, with the text to
// find, its options and, for Replace, the text to put in. It only asks; the find features act.
class FindDialog : public QDialog {
  Q_OBJECT
 public:
  explicit FindDialog(QWidget* parent);

  // Shows the box (with the replace row or without), its find text selected for typing over.
  void Open(bool replacing);
  bool Replacing() const;

  QString Pattern() const;
  QString Replacement() const;
  find::FindOptions Options() const;
  // A line under the fields: how the last command went.
  void ShowMessage(const QString& message);

 signals:
  void FindNext();
  void FindPrevious();
  void Replace();
  void ReplaceAll();

 private:
  QLineEdit* findEdit_;
  QLineEdit* replaceEdit_;
  QLabel* replaceLabel_;
  QCheckBox* matchCase_;
  QCheckBox* wholeWord_;
  QPushButton* next_;
  QPushButton* previous_;
  QPushButton* replace_;
  QPushButton* replaceAll_;
  QLabel* message_;
};
