#include "TFontChooser.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "QtConvert.h"

TFontChooser::TFontChooser(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dlgFont"));
  setWindowTitle(tr("Font"));
  auto* layout = new QVBoxLayout(this);

  fonts_ = new QFontDialog(this);
  fonts_->setWindowFlags(Qt::Widget);
  fonts_->setSizeGripEnabled(false);
  fonts_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog | QFontDialog::ScalableFonts);
  layout->addWidget(fonts_);

  auto* colorRow = new QHBoxLayout;
  auto* colorLabel = new QLabel(tr("&Color:"), this);
  colorButton_ = new QToolButton(this);
  colorButton_->setObjectName(QStringLiteral("btnFontColor"));
  colorButton_->setIconSize(QSize(40, 14));
  colorLabel->setBuddy(colorButton_);
  colorRow->addWidget(colorLabel);
  colorRow->addWidget(colorButton_);
  colorRow->addStretch(1);
  layout->addLayout(colorRow);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(colorButton_, &QToolButton::clicked, this, [this] { ChooseColor(); });
  ShowColor();
}

void TFontChooser::SetFont(const TFontDesc& font) {
  font_ = font;
  QFont f = ToQFont(font);
  // The chooser works in points.
  f.setPointSize(std::max(1, font.Size()));
  fonts_->setCurrentFont(f);
  ShowColor();
}

TFontDesc TFontChooser::Font() const {
  QFont chosen = fonts_->currentFont();
  TFontDesc d = font_;
  d.name = chosen.family().toStdString();
  if (chosen.pointSize() > 0 && chosen.pointSize() != font_.Size()) d.SetSize(chosen.pointSize());
  d.style = static_cast<uint8_t>((chosen.bold() ? fsBold : 0) | (chosen.italic() ? fsItalic : 0) |
                                 (chosen.underline() ? fsUnderline : 0) | (chosen.strikeOut() ? fsStrikeOut : 0));
  return d;
}

void TFontChooser::ChooseColor() {
  QColor c = QColorDialog::getColor(ToQColor(font_.color), this, tr("Color"));
  if (!c.isValid()) return;
  font_.color = FromQColor(c);
  ShowColor();
}

void TFontChooser::ShowColor() {
  QPixmap swatch(colorButton_->iconSize());
  swatch.fill(ToQColor(font_.color));
  QPainter p(&swatch);
  p.setPen(Qt::black);
  p.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
  p.end();
  colorButton_->setIcon(QIcon(swatch));
}
