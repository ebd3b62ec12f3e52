#include "Questions.h"

#include <QMessageBox>

namespace questions {

namespace {
Asker& TheAsker() {
  static Asker asker;
  return asker;
}
}  // namespace

void SetAsker(Asker asker) { TheAsker() = std::move(asker); }

TAnswer AskYesNoCancel(QWidget* parent, const QString& text) {
  if (TheAsker()) return TheAsker()(parent, text);
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("KedrinTool Demo"), text,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Yes: return TAnswer::Yes;
    case QMessageBox::No: return TAnswer::No;
    default: return TAnswer::Cancel;
  }
}

}  // namespace questions
