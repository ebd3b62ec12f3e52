#pragma once
#include <QDialog>

class QCheckBox;
class QComboBox;

// Spelling preferences: the language (the system's, or one of the installed dictionaries) and
// whether words are checked as they are typed. OK keeps them in the settings.
class SpellingPreferencesDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SpellingPreferencesDialog(QWidget* parent = nullptr);

  QComboBox* Language() const { return language_; }
  QCheckBox* AsYouType() const { return asYouType_; }
  // The choices go to the spelling of every window.
  void Apply();
  // Runs the dialog; OK applies.
  static void Edit(QWidget* parent);

 private:
  QComboBox* language_ = nullptr;
  QCheckBox* asYouType_ = nullptr;
};
