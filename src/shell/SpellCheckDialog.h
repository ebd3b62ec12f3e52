#pragma once
#include <QDialog>
#include <memory>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTextEdit;
class SpellCheckRun;
class TwinKedrinFile;

// The Check Spelling dialog over a walk of one document: the word in its text, the suggestions,
// and Change, Change All, Ignore, Add to Dictionary and Next.
class SpellCheckDialog : public QDialog {
  Q_OBJECT
 public:
  SpellCheckDialog(TwinKedrinFile& document, QWidget* parent = nullptr);
  ~SpellCheckDialog() override;

  SpellCheckRun& Run() { return *run_; }
  QPushButton* ChangeButton() const { return change_; }
  QPushButton* ChangeAllButton() const { return changeAll_; }
  QPushButton* IgnoreButton() const { return ignore_; }
  QPushButton* AddButton() const { return add_; }
  QPushButton* NextButton() const { return next_; }
  QLineEdit* ChangeTo() const { return changeTo_; }

 private:
  // Shows the run's current word, or that the check is complete.
  void ShowCurrent();

  std::unique_ptr<SpellCheckRun> run_;
  QLabel* status_ = nullptr;
  QTextEdit* context_ = nullptr;
  QLineEdit* changeTo_ = nullptr;
  QListWidget* suggestions_ = nullptr;
  QPushButton *change_ = nullptr, *changeAll_ = nullptr, *ignore_ = nullptr, *add_ = nullptr, *next_ = nullptr;
};
