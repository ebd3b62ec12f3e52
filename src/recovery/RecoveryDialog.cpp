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
  for (size_t i = 0; i < documents.size(); ++i) {
    auto* item = new QTreeWidgetItem(list_);
    item->setData(kTitle, kIndexRole, static_cast<qulonglong>(i));
    item->setTextAlignment(kFigures, Qt::AlignRight | Qt::AlignVCenter);
    recoverable_.push_back(false);
    ShowRow(item, documents[i]);
    item->setSelected(true);
  }
  note_ = new QLabel(tr("A damaged copy cannot be recovered: discard it, or keep it for later."));
  note_->setWordWrap(true);
  ShowProblems();
  for (int c = kTitle; c < kProblem; ++c) list_->resizeColumnToContents(c);

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

void RecoveryDialog::ShowRow(QTreeWidgetItem* item, const RecoverableDocument& d) {
  item->setText(kTitle, d.entry.title);
  item->setToolTip(kTitle, d.entry.title);
  item->setText(kTime, d.entry.savedAt.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
  // A copy without its index entry is counted only once it is read.
  item->setText(kFigures, d.entry.figures < 0 ? tr("?") : QString::number(d.entry.figures));
  item->setText(kProblem, d.problem);
  item->setToolTip(kProblem, d.problem);  // long messages are cut short in the list
  recoverable_[item->data(kTitle, kIndexRole).toULongLong()] = d.Recoverable();
}

void RecoveryDialog::ShowProblems() {
  bool anyProblem = false;
  for (int i = 0; i < list_->topLevelItemCount(); ++i)
    anyProblem = anyProblem || !list_->topLevelItem(i)->text(kProblem).isEmpty();
  list_->setColumnHidden(kProblem, !anyProblem);
  // The spare width goes to the reader's messages when there are any, else to the titles.
  list_->header()->setStretchLastSection(anyProblem);
  list_->header()->setSectionResizeMode(kTitle, anyProblem ? QHeaderView::Interactive : QHeaderView::Stretch);
  note_->setVisible(anyProblem);
}

void RecoveryDialog::Decide(RecoveryChoice choice) {
  std::vector<QTreeWidgetItem*> rows;
  bool damaged = false;
  for (QTreeWidgetItem* item : list_->selectedItems()) {
    const size_t index = item->data(kTitle, kIndexRole).toULongLong();
    // Read now, as it is recovered: a copy that does not read whole stays, with the reason.
    if (choice == RecoveryChoice::Recover && recoverable_[index] && checkCopy_) {
      ShowRow(item, checkCopy_(index));
      damaged = damaged || !recoverable_[index];
    }
    if (choice != RecoveryChoice::Recover || recoverable_[index]) rows.push_back(item);
  }
  if (damaged) ShowProblems();
  if (rows.empty()) {
    UpdateButtons();
    return;
  }
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
