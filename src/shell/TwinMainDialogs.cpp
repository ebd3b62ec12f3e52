// The dialogs the commands run, one place each so that tests can answer them.
#include "TwinMain.h"

#include <QCoreApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QSettings>

#include "QtConvert.h"
#include "TFontChooser.h"
#include "TwinKedrinFile.h"

// Dialogs.

std::unique_ptr<QFileDialog> TwinMain::MakeOpenDialog(QWidget* parent) {
  auto dialog = std::make_unique<QFileDialog>(parent);
  dialog->setObjectName(QStringLiteral("dlgOpen"));
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setNameFilters({QCoreApplication::translate("TwinMain", "KedrinFile(*.kdl)")});
  dialog->setDefaultSuffix(QStringLiteral("kdl"));
  return dialog;
}

std::unique_ptr<QFileDialog> TwinMain::MakeSaveAsDialog(QWidget* parent) {
  auto dialog = std::make_unique<QFileDialog>(parent);
  dialog->setObjectName(QStringLiteral("dlgSaveAs"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setNameFilters({QCoreApplication::translate("TwinMain", "KedrinFile(*.kdl)"), QCoreApplication::translate("TwinMain", "Bitmap File(*.bmp)"),
                          QCoreApplication::translate("TwinMain", "Jpeg File(*.jpg)")});
  dialog->selectNameFilter(QCoreApplication::translate("TwinMain", "KedrinFile(*.kdl)"));
  dialog->setDefaultSuffix(QStringLiteral("kdl"));
  // A name typed without an extension takes the one of the type chosen.
  QFileDialog* d = dialog.get();
  QObject::connect(d, &QFileDialog::filterSelected, d, [d](const QString& filter) {
    const qsizetype star = filter.indexOf(QStringLiteral("*."));
    if (star >= 0) d->setDefaultSuffix(filter.mid(star + 2).chopped(1));
  });
  // Replacing an existing file is asked first.
  dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
  return dialog;
}

namespace {
// The folder the file dialogs open in: where the last one was left, kept between runs.
const QString kFolderKey = QStringLiteral("dialogs/folder");

QString RunInLastFolder(QFileDialog& dialog, const QString& preferred = {}) {
  QSettings settings;
  const QString folder = preferred.isEmpty() ? settings.value(kFolderKey).toString() : preferred;
  if (!folder.isEmpty() && QFileInfo(folder).isDir()) dialog.setDirectory(folder);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  const QFileInfo chosen(dialog.selectedFiles().first());
  settings.setValue(kFolderKey, chosen.absolutePath());
  return chosen.absoluteFilePath();
}
}  // namespace

QString TwinMain::ExecuteOpenDialog() {
  auto dialog = MakeOpenDialog(this);
  return RunInLastFolder(*dialog);
}

QString TwinMain::ExecuteSaveAsDialog() {
  auto dialog = MakeSaveAsDialog(this);
  // A document that has a file is saved beside it unless the user goes elsewhere.
  QString beside;
  if (TwinKedrinFile* doc = CurrentDocument(); doc && doc->Title() != QStringLiteral("Noname.kdl"))
    beside = QFileInfo(doc->Title()).absolutePath();
  return RunInLastFolder(*dialog, beside);
}

bool TwinMain::ExecuteColorDialog(TColor& color) {
  QColorDialog dialog(ToQColor(color), this);
  dialog.setObjectName(QStringLiteral("dlgColor"));
  if (dialog.exec() != QDialog::Accepted) return false;
  color = FromQColor(dialog.currentColor());
  return true;
}

bool TwinMain::ExecuteFontDialog(TFontDesc& font) {
  TFontChooser dialog(this);
  dialog.SetFont(font);
  if (dialog.exec() != QDialog::Accepted) return false;
  font = dialog.Font();
  return true;
}

std::unique_ptr<QFileDialog> TwinMain::MakePrintToPdfDialog(QWidget* parent, const QString& previous) {
  auto dialog = std::make_unique<QFileDialog>(parent, QCoreApplication::translate("TwinMain", "Print to PDF File"));
  dialog->setObjectName(QStringLiteral("dlgPrintToPdf"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setNameFilters({QCoreApplication::translate("TwinMain", "PDF File(*.pdf)")});
  dialog->setDefaultSuffix(QStringLiteral("pdf"));
  // Printing again offers the file printed to before; replacing it is asked first.
  dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
  if (!previous.isEmpty()) dialog->selectFile(previous);
  return dialog;
}

QString TwinMain::ExecutePrintToPdfDialog() {
  auto dialog = MakePrintToPdfDialog(this, pdfOfferedByPrint_);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
  return QFileInfo(dialog->selectedFiles().first()).absoluteFilePath();
}

bool TwinMain::PrinterInstalled() const { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

void TwinMain::ExecutePrinterSetupDialog() {
  QPrintDialog dialog(&printer_, this);
  dialog.setObjectName(QStringLiteral("dlgPrnSetup"));
  dialog.setWindowTitle(QCoreApplication::translate("TwinMain", "Print Setup"));
  dialog.exec();
}
