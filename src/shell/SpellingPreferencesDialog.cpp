#include "SpellingPreferencesDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLocale>
#include <QVBoxLayout>

#include "SpellService.h"

using spelling::SpellService;

SpellingPreferencesDialog::SpellingPreferencesDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dlgSpellingPreferences"));
  setWindowTitle(tr("Spelling Preferences"));
  SpellService& service = SpellService::Instance();
  language_ = new QComboBox(this);
  language_->setObjectName(QStringLiteral("cmbSpellingLanguage"));
  language_->addItem(tr("System language"), QString());
  for (const spelling::Dictionary& d : service.Installed()) language_->addItem(spelling::LanguageTitle(d.name), d.name);
  language_->setCurrentIndex(std::max(0, language_->findData(service.ChosenLanguage())));
  asYouType_ = new QCheckBox(tr("Check spelling as you &type"), this);
  asYouType_->setObjectName(QStringLiteral("chkSpellAsYouType"));
  asYouType_->setChecked(service.AsYouType());

  auto* form = new QFormLayout;
  form->addRow(tr("Spelling &language:"), language_);
  form->addRow(asYouType_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

void SpellingPreferencesDialog::Apply() {
  SpellService& service = SpellService::Instance();
  service.SetChosenLanguage(language_->currentData().toString());
  service.SetAsYouType(asYouType_->isChecked());
}

void SpellingPreferencesDialog::Edit(QWidget* parent) {
  SpellingPreferencesDialog dialog(parent);
  if (dialog.exec() == QDialog::Accepted) dialog.Apply();
}
