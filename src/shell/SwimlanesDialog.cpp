#include "SwimlanesDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include "LaneGeometry.h"

SwimlanesDialog::SwimlanesDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Swimlanes"));
  setObjectName(QStringLiteral("SwimlanesDialog"));
  auto* form = new QFormLayout(this);
  count_ = new QSpinBox(this);
  count_->setObjectName(QStringLiteral("LaneCount"));
  count_->setRange(containers::kMinLanes, containers::kMaxLanes);
  count_->setValue(3);
  form->addRow(tr("&Number of lanes:"), count_);
  direction_ = new QComboBox(this);
  direction_->setObjectName(QStringLiteral("LaneDirection"));
  direction_->addItem(tr("Rows"));
  direction_->addItem(tr("Columns"));
  form->addRow(tr("&Lanes as:"), direction_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  form->addRow(buttons);
}

int SwimlanesDialog::Count() const { return count_->value(); }
bool SwimlanesDialog::Rows() const { return direction_->currentIndex() == 0; }
