#include "RecoveryDialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { kTitle, kTime, kFigures, kProblem };
constexpr int kIndexRole = Qt::UserRole;

bool AskDiscard(QWidget* parent, int count) {
  const QString text = count == 1
      ? QObject::tr("Discard the selected recovered diagram? Its unsaved changes are lost for good.")
      : QObject::tr("Discard the %1 selected recovered diagrams? Their unsaved changes are lost for good.").arg(count);
  return QMessageBox::question(parent, QObject::tr("Recover Diagrams"), text) == QMessageBox::Yes;
}

}  // namespace

RecoveryDialog::RecoveryDialog(const std::vector<RecoverableDocument>& documents, QWidget* parent)
    : QDialog(parent), choices_(documents.size(), RecoveryChoice::Later), confirmDiscard_(AskDiscard) {
  setWindowTitle(tr("Recover Diagrams"));
  auto* intro = new QLabel(tr("The editor did not end normally last time. These diagrams had unsaved "
                              "changes; choose what to do with them."));
  intro->setWordWrap(true);

  list_ = new QTreeWidget;
  list_->setHeaderLabels({tr("Diagram"), tr("Autosaved"), tr("Figures"), tr("Problem")});
  list_->setRootIsDecorated(false);
  list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  bool anyProblem = false;
  for (size_t i = 0; i < documents.size(); ++i) {
    const RecoverableDocument& d = documents[i];
    auto* item = new QTreeWidgetItem(list_);
    item->setText(kTitle, d.entry.title);
    item->setToolTip(kTitle, d.entry.title);
    item->setText(kTime, d.entry.savedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    item->setText(kFigures, QString::number(d.entry.figures));
    item->setTextAlignment(kFigures, Qt::AlignRight | Qt::AlignVCenter);
    item->setText(kProblem, d.problem);
    item->setToolTip(kProblem, d.problem);  // long messages are cut short in the list
    item->setData(kTitle, kIndexRole, static_cast<qulonglong>(i));
    item->setSelected(true);
    recoverable_.push_back(d.Recoverable());
    anyProblem = anyProblem || !d.Recoverable();
  }
  list_->setColumnHidden(kProblem, !anyProblem);
  // The spare width goes to the reader's messages when there are any, else to the titles.
  list_->header()->setStretchLastSection(anyProblem);
  if (!anyProblem) list_->header()->setSectionResizeMode(kTitle, QHeaderView::Stretch);
  for (int c = kTitle; c < kProblem; ++c) list_->resizeColumnToContents(c);

  note_ = new QLabel(tr("A damaged copy cannot be recovered: discard it, or keep it for later."));
  note_->setWordWrap(true);
  note_->setVisible(anyProblem);

  auto* buttons = new QDialogButtonBox;
  recover_ = buttons->addButton(tr("&Recover"), QDialogButtonBox::AcceptRole);
  discard_ = buttons->addButton(tr("&Discard"), QDialogButtonBox::DestructiveRole);
  later_ = buttons->addButton(tr("&Later"), QDialogButtonBox::RejectRole);
  recover_->setDefault(true);
  // The buttons settle rows; only an empty list or Later closes the dialog.
  connect(recover_, &QPushButton::clicked, this, [this] { Decide(RecoveryChoice::Recover); });
  connect(discard_, &QPushButton::clicked, this, [this] { Decide(RecoveryChoice::Discard); });
  connect(later_, &QPushButton::clicked, this, &QDialog::reject);
  connect(list_, &QTreeWidget::itemSelectionChanged, this, &RecoveryDialog::UpdateButtons);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(list_);
  layout->addWidget(note_);
  layout->addWidget(buttons);
  resize(640, 320);
  UpdateButtons();
}

void RecoveryDialog::Decide(RecoveryChoice choice) {
  std::vector<QTreeWidgetItem*> rows;
  for (QTreeWidgetItem* item : list_->selectedItems()) {
    const size_t index = item->data(kTitle, kIndexRole).toULongLong();
    if (choice != RecoveryChoice::Recover || recoverable_[index]) rows.push_back(item);
  }
  if (rows.empty()) return;
  if (choice == RecoveryChoice::Discard && !confirmDiscard_(this, static_cast<int>(rows.size()))) return;
  for (QTreeWidgetItem* item : rows) {
    choices_[item->data(kTitle, kIndexRole).toULongLong()] = choice;
    delete item;
  }
  if (list_->topLevelItemCount() == 0) accept();
  else UpdateButtons();
}

void RecoveryDialog::UpdateButtons() {
  bool anyRecoverable = false;
  const QList<QTreeWidgetItem*> selected = list_->selectedItems();
  for (QTreeWidgetItem* item : selected)
    anyRecoverable = anyRecoverable || recoverable_[item->data(kTitle, kIndexRole).toULongLong()];
  recover_->setEnabled(anyRecoverable);
  discard_->setEnabled(!selected.isEmpty());
}
