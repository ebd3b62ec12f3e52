#pragma once
#include <QSpinBox>

class QLineEdit;

// An edit box with its bound up-down control, 0 to 100 in steps of 1, no wrapping: the spin
// box is the up-down control, its edit box the edit. The arrow keys do not step it.
class TUpDownEdit : public QSpinBox {
  Q_OBJECT
 public:
  TUpDownEdit(const QString& upDownName, const QString& editName, QWidget* parent = nullptr);
  QLineEdit* Edit() const { return lineEdit(); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
