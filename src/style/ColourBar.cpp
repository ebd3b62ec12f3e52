#include "ColourBar.h"

#include <QApplication>
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
  for (const style::NamedColour& c : style::StandardColours()) {
    auto* swatch = new SwatchButton(this);
    swatch->setObjectName(ObjectNameOf(c.name));
    swatch->SetColour(c.colour, tr(c.name));
    connect(swatch, &SwatchButton::Chosen, this, &ColourBar::ColourChosen);
    addWidget(swatch);
  }
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
