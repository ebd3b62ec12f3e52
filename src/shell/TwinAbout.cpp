#include "TwinAbout.h"

TwinAbout* winAbout = nullptr;

TwinAbout::TwinAbout(QWidget* owner) : QDialog(owner) {}

void ShowAboutBox(QWidget* owner) {
  winAbout = new TwinAbout(owner);
  winAbout->exec();
  delete winAbout;
  winAbout = nullptr;
}
