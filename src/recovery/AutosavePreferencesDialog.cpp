#include "AutosavePreferencesDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>
#include <QVBoxLayout>

#include "AutosaveManager.h"

AutosavePreferencesDialog::AutosavePreferencesDialog(const AutosaveSettings& settings, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(tr("Preferences"));
  enabled_ = new QCheckBox(tr("&Keep recovery copies of diagrams with unsaved changes"));
  enabled_->setChecked(settings.enabled);
  delay_ = new QSpinBox;
  delay_->setRange(AutosaveSettings::kMinDelaySeconds, AutosaveSettings::kMaxDelaySeconds);
  delay_->setSuffix(tr(" s"));
  delay_->setValue(settings.delaySeconds);
  delay_->setEnabled(settings.enabled);
  connect(enabled_, &QCheckBox::toggled, delay_, &QWidget::setEnabled);

  auto* form = new QFormLayout;
  form->addRow(enabled_);
  form->addRow(tr("&Copy a change after:"), delay_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

AutosaveSettings AutosavePreferencesDialog::Settings() const {
  AutosaveSettings s;
  s.enabled = enabled_->isChecked();
  s.delaySeconds = delay_->value();
  return s;
}

bool AutosavePreferencesDialog::Edit(QWidget* parent, AutosaveManager& manager) {
  AutosavePreferencesDialog dialog(manager.Settings(), parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  const AutosaveSettings settings = dialog.Settings();
  settings.Save();
  manager.ApplySettings(settings);
  return true;
}
