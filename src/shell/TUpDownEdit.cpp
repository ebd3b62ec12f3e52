#include "TUpDownEdit.h"

#include <QKeyEvent>
#include <QLineEdit>

TUpDownEdit::TUpDownEdit(const QString& upDownName, const QString& editName, QWidget* parent)
    : QSpinBox(parent) {
  setObjectName(upDownName);
  lineEdit()->setObjectName(editName);
  setRange(0, 100);
  setSingleStep(1);
  setWrapping(false);
  setValue(1);
  setFixedWidth(44);
}

void TUpDownEdit::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      event->ignore();
      return;
    default:
      QSpinBox::keyPressEvent(event);
  }
}
