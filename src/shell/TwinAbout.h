#pragma once
#include <QDialog>

// The About box (unit utAbout): created for each showing and destroyed when it closes.
class TwinAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TwinAbout(QWidget* owner);
};

// The About box while it is shown, otherwise none.
extern TwinAbout* winAbout;

// Creates winAbout with the owner, shows it modally and destroys it when it closes.
void ShowAboutBox(QWidget* owner);
