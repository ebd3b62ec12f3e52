#include "ColourBar.h"

#include <QApplication>
#include <QGridLayout>
#include <QSettings>
#include <QToolButton>

#include "QtConvert.h"
#include "SwatchButton.h"

namespace {
const QString kRecentKey = QStringLiteral("style/recentColours");

QString ObjectNameOf(const char* colourName) {
  QString name = QString::fromLatin1(colourName);
  name.remove(QChar(' '));
  return QStringLiteral("swatch") + name;
}
}  // namespace

ColourBar::ColourBar(QWidget* parent) : QToolBar(tr("Colours"), parent) {
  setObjectName(QStringLiteral("ToolBarColours"));
  toggleViewAction()->setObjectName(QStringLiteral("Colours1"));
  toggleViewAction()->setText(tr("&Colours"));
  setIconSize(QSize(16, 16));

  auto* noFill = new QToolButton(this);
  noFill->setObjectName(QStringLiteral("swatchNoFill"));
  noFill->setIcon(SwatchIcon(nullptr));
  noFill->setToolTip(tr("No fill"));
  noFill->setAutoRaise(true);
  noFill->setFocusPolicy(Qt::NoFocus);
  connect(noFill, &QToolButton::clicked, this, &ColourBar::NoFillChosen);
  addWidget(noFill);
  auto* palette = new QWidget(this);
  palette->setObjectName(QStringLiteral("swatchPalette"));
  palette_ = new QGridLayout(palette);
  palette_->setContentsMargins(0, 0, 0, 0);
  palette_->setSpacing(0);
  for (auto [colours, row] : {std::pair{&style::StandardColours(), &strong_}, std::pair{&style::LightColours(), &light_}}) {
    for (const style::NamedColour& c : *colours) {
      auto* swatch = new SwatchButton(palette);
      swatch->setObjectName(ObjectNameOf(c.name));
      // Two rows in about the height of a tool bar's one.
      swatch->setIconSize(QSize(12, 12));
      swatch->SetColour(c.colour, tr(c.name));
      connect(swatch, &SwatchButton::Chosen, this, &ColourBar::ColourChosen);
      row->push_back(swatch);
    }
  }
  LayOutPalette(orientation());
  connect(this, &QToolBar::orientationChanged, this, &ColourBar::LayOutPalette);
  addWidget(palette);
  addSeparator();
  for (size_t i = 0; i < kRecentCount; ++i) {
    auto* swatch = new SwatchButton(this);
    swatch->setObjectName(QStringLiteral("swatchRecent%1").arg(i));
    connect(swatch, &SwatchButton::Chosen, this, &ColourBar::ColourChosen);
    recentButtons_.push_back(swatch);
    // A tool bar shows and hides the actions of its widgets, not the widgets.
    recentActions_.push_back(addWidget(swatch));
  }
  auto* more = new QToolButton(this);
  more->setObjectName(QStringLiteral("btnMoreColours"));
  more->setText(tr("More..."));
  more->setToolTip(tr("Another fill colour; Shift+click: another line colour"));
  more->setAutoRaise(true);
  more->setFocusPolicy(Qt::NoFocus);
  connect(more, &QToolButton::clicked, this,
          [this] { emit MoreChosen(QApplication::keyboardModifiers() & Qt::ShiftModifier); });
  addWidget(more);

  std::vector<TColor> kept;
  for (const QVariant& v : QSettings().value(kRecentKey).toList()) kept.push_back(static_cast<TColor>(v.toInt()));
  recent_.Assign(kept);
  ShowRecent();
}

void ColourBar::LayOutPalette(Qt::Orientation orientation) {
  for (int line = 0; line < 2; ++line) {
    const std::vector<SwatchButton*>& swatches = line == 0 ? strong_ : light_;
    for (size_t i = 0; i < swatches.size(); ++i) {
      const int along = static_cast<int>(i);
      palette_->removeWidget(swatches[i]);
      if (orientation == Qt::Horizontal) palette_->addWidget(swatches[i], line, along);
      else palette_->addWidget(swatches[i], along, line);
    }
  }
}

void ColourBar::UseColour(TColor colour) {
  recent_.Use(colour);
  QVariantList kept;
  for (TColor c : recent_.Colours()) kept.append(static_cast<int>(c));
  QSettings().setValue(kRecentKey, kept);
  ShowRecent();
}

void ColourBar::ShowRecent() {
  const std::vector<TColor>& colours = recent_.Colours();
  for (size_t i = 0; i < recentButtons_.size(); ++i) {
    if (i < colours.size()) recentButtons_[i]->SetColour(colours[i], ToQColor(colours[i]).name());
    recentActions_[i]->setVisible(i < colours.size());
  }
}
