#include "SpellCheckDialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>
#include <QVBoxLayout>

#include "SpellCheckRun.h"

SpellCheckDialog::SpellCheckDialog(TwinKedrinFile& document, QWidget* parent)
    : QDialog(parent), run_(std::make_unique<SpellCheckRun>(document)) {
  setObjectName(QStringLiteral("dlgSpelling"));
  setWindowTitle(tr("Check Spelling"));
  status_ = new QLabel(this);
  context_ = new QTextEdit(this);
  context_->setReadOnly(true);
  context_->setAcceptRichText(false);
  context_->setMaximumHeight(90);
  changeTo_ = new QLineEdit(this);
  changeTo_->setObjectName(QStringLiteral("edtChangeTo"));
  suggestions_ = new QListWidget(this);
  suggestions_->setObjectName(QStringLiteral("lstSuggestions"));
  auto* changeToLabel = new QLabel(tr("C&hange to:"), this);
  changeToLabel->setBuddy(changeTo_);
  auto* suggestionsLabel = new QLabel(tr("&Suggestions:"), this);
  suggestionsLabel->setBuddy(suggestions_);

  change_ = new QPushButton(tr("&Change"), this);
  changeAll_ = new QPushButton(tr("Change A&ll"), this);
  ignore_ = new QPushButton(tr("&Ignore"), this);
  add_ = new QPushButton(tr("&Add to Dictionary"), this);
  next_ = new QPushButton(tr("&Next"), this);
  auto* close = new QPushButton(tr("Close"), this);
  change_->setDefault(true);

  auto* buttons = new QVBoxLayout;
  for (QPushButton* b : {change_, changeAll_, ignore_, add_, next_}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* grid = new QGridLayout(this);
  grid->addWidget(status_, 0, 0);
  grid->addWidget(context_, 1, 0);
  grid->addWidget(changeToLabel, 2, 0);
  grid->addWidget(changeTo_, 3, 0);
  grid->addWidget(suggestionsLabel, 4, 0);
  grid->addWidget(suggestions_, 5, 0);
  grid->addLayout(buttons, 0, 1, 6, 1);

  connect(suggestions_, &QListWidget::currentTextChanged, changeTo_, &QLineEdit::setText);
  connect(suggestions_, &QListWidget::itemDoubleClicked, change_, &QPushButton::click);
  connect(change_, &QPushButton::clicked, this, [this] {
    run_->Change(changeTo_->text());
    ShowCurrent();
  });
  connect(changeAll_, &QPushButton::clicked, this, [this] {
    run_->ChangeAll(changeTo_->text());
    ShowCurrent();
  });
  connect(ignore_, &QPushButton::clicked, this, [this] {
    run_->Ignore();
    ShowCurrent();
  });
  connect(add_, &QPushButton::clicked, this, [this] {
    QString error;
    if (!run_->AddToDictionary(&error) && !error.isEmpty()) QMessageBox::warning(this, windowTitle(), error);
    ShowCurrent();
  });
  connect(next_, &QPushButton::clicked, this, [this] {
    run_->Next();
    ShowCurrent();
  });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  ShowCurrent();
}

SpellCheckDialog::~SpellCheckDialog() = default;

void SpellCheckDialog::ShowCurrent() {
  const auto& current = run_->Current();
  for (QPushButton* b : {change_, changeAll_, ignore_, add_, next_}) b->setEnabled(current.has_value());
  suggestions_->clear();
  context_->clear();
  changeTo_->clear();
  if (!current) {
    status_->setText(tr("The spelling check is complete."));
    return;
  }
  status_->setText(tr("Not in the dictionary: \"%1\"").arg(current->word));
  context_->setPlainText(run_->Context());
  // The word marked in its text, as a selection would show it.
  QTextCursor word(context_->document());
  word.setPosition(static_cast<int>(current->range.start));
  word.setPosition(static_cast<int>(current->range.start + current->range.length), QTextCursor::KeepAnchor);
  QTextCharFormat marked;
  marked.setUnderlineStyle(QTextCharFormat::SpellCheckUnderline);
  marked.setUnderlineColor(Qt::red);
  marked.setFontWeight(QFont::Bold);
  word.mergeCharFormat(marked);
  const QStringList suggestions = run_->Suggestions();
  suggestions_->addItems(suggestions);
  if (!suggestions.isEmpty()) suggestions_->setCurrentRow(0);
  else changeTo_->setText(current->word);
}
