#pragma once
#include <QDialog>

#include "FontDesc.h"

class QFontDialog;
class QToolButton;

// The font dialog: face, style, size, underline and strike-out from Qt's font chooser, plus the
// font colour, which Qt's chooser does not offer. Only scalable fonts that exist are listed.
class TFontChooser : public QDialog {
  Q_OBJECT
 public:
  explicit TFontChooser(QWidget* parent = nullptr);

  void SetFont(const TFontDesc& font);
  // The chosen font; the character set and pitch are kept from SetFont.
  TFontDesc Font() const;

 private:
  void ChooseColor();
  void ShowColor();

  QFontDialog* fonts_;
  QToolButton* colorButton_;
  TFontDesc font_;
};
