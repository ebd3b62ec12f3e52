#include "Questions.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace questions {

namespace {
Asker& TheAsker() {
  static Asker asker;
  return asker;
}

const char* const kTitle = QT_TRANSLATE_NOOP("TwinKedrinFile", "KedrinTool Demo");
}  // namespace

void SetAsker(Asker asker) { TheAsker() = std::move(asker); }

TAnswer AskYesNoCancel(QWidget* parent, const QString& text) {
  if (TheAsker()) return TheAsker()(parent, text);
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("TwinKedrinFile", kTitle), text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes: return TAnswer::Yes;
    case QMessageBox::No: return TAnswer::No;
    default: return TAnswer::Cancel;
  }
}

TOverwriteAnswer AskOverwriteChanged(QWidget* parent, const QString& text) {
  if (TheAsker()) {
    switch (TheAsker()(parent, text)) {
      case TAnswer::Yes: return TOverwriteAnswer::Overwrite;
      case TAnswer::No: return TOverwriteAnswer::SaveAs;
      case TAnswer::Cancel: return TOverwriteAnswer::Cancel;
    }
  }
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("TwinKedrinFile", kTitle), text, QMessageBox::NoButton, parent);
  QPushButton* overwrite = box.addButton(QCoreApplication::translate("TwinKedrinFile", "Overwrite"), QMessageBox::DestructiveRole);
  QPushButton* saveAs = box.addButton(QCoreApplication::translate("TwinKedrinFile", "Save As..."), QMessageBox::AcceptRole);
  QPushButton* cancel = box.addButton(QMessageBox::Cancel);
  box.setDefaultButton(saveAs);
  box.setEscapeButton(cancel);
  box.exec();
  if (box.clickedButton() == overwrite) return TOverwriteAnswer::Overwrite;
  if (box.clickedButton() == saveAs) return TOverwriteAnswer::SaveAs;
  return TOverwriteAnswer::Cancel;
}

}  // namespace questions
