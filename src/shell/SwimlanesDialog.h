#pragma once
#include <QDialog>

class QComboBox;
class QSpinBox;

// Insert > Swimlanes...: how many lanes (2 to 12), and whether they lie as rows or as columns.
class SwimlanesDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SwimlanesDialog(QWidget* parent = nullptr);
  int Count() const;
  bool Rows() const;

 private:
  QSpinBox* count_;
  QComboBox* direction_;
};
