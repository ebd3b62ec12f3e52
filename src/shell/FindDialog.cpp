#include "FindDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FindDialog"));
  setModal(false);
  findEdit_ = new QLineEdit(this);
  findEdit_->setObjectName(QStringLiteral("FindText"));
  replaceEdit_ = new QLineEdit(this);
  replaceEdit_->setObjectName(QStringLiteral("ReplaceText"));
  matchCase_ = new QCheckBox(tr("Match &case"), this);
  matchCase_->setObjectName(QStringLiteral("MatchCase"));
  wholeWord_ = new QCheckBox(tr("&Whole word"), this);
  wholeWord_->setObjectName(QStringLiteral("WholeWord"));
  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("FindMessage"));

  auto* fields = new QFormLayout;
  auto* findLabel = new QLabel(tr("Fi&nd:"), this);
  findLabel->setBuddy(findEdit_);
  replaceLabel_ = new QLabel(tr("Re&place with:"), this);
  replaceLabel_->setBuddy(replaceEdit_);
  fields->addRow(findLabel, findEdit_);
  fields->addRow(replaceLabel_, replaceEdit_);
  fields->addRow(matchCase_);
  fields->addRow(wholeWord_);

  auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
  const auto button = [&](const char* name, const QString& caption) {
    QPushButton* b = buttons->addButton(caption, QDialogButtonBox::ActionRole);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
  };
  next_ = button("FindNextButton", tr("Find &Next"));
  next_->setDefault(true);
  previous_ = button("FindPreviousButton", tr("Find Pre&vious"));
  replace_ = button("ReplaceButton", tr("&Replace"));
  replaceAll_ = button("ReplaceAllButton", tr("Replace &All"));
  buttons->addButton(QDialogButtonBox::Close);

  auto* row = new QHBoxLayout;
  row->addLayout(fields, 1);
  row->addWidget(buttons);
  auto* column = new QVBoxLayout(this);
  column->addLayout(row);
  column->addWidget(message_);

  connect(next_, &QPushButton::clicked, this, &FindDialog::FindNext);
  connect(previous_, &QPushButton::clicked, this, &FindDialog::FindPrevious);
  connect(replace_, &QPushButton::clicked, this, &FindDialog::Replace);
  connect(replaceAll_, &QPushButton::clicked, this, &FindDialog::ReplaceAll);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::hide);
  // A message belongs to the search it reported on.
  connect(findEdit_, &QLineEdit::textChanged, message_, &QLabel::clear);
}

void FindDialog::Open(bool replacing) {
  setWindowTitle(replacing ? tr("Replace") : tr("Find"));
  for (QWidget* w : {static_cast<QWidget*>(replaceLabel_), static_cast<QWidget*>(replaceEdit_),
                     static_cast<QWidget*>(replace_), static_cast<QWidget*>(replaceAll_)})
    w->setVisible(replacing);
  adjustSize();
  show();
  raise();
  activateWindow();
  findEdit_->setFocus(Qt::ShortcutFocusReason);
  findEdit_->selectAll();
}

bool FindDialog::Replacing() const { return replaceEdit_->isVisibleTo(this); }
QString FindDialog::Pattern() const { return findEdit_->text(); }
QString FindDialog::Replacement() const { return replaceEdit_->text(); }
find::FindOptions FindDialog::Options() const { return {matchCase_->isChecked(), wholeWord_->isChecked()}; }
void FindDialog::ShowMessage(const QString& message) { message_->setText(message); }
