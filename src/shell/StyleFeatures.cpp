#include "StyleFeatures.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QSettings>
#include <QStatusBar>

#include "ColourBar.h"
#include "ControlCanvas.h"
#include "Diagram.h"
#include "Icons.h"
#include "PropertiesPanel.h"
#include "StyleEdits.h"
#include "TwinMain.h"

namespace {
const QString kSmoothKey = QStringLiteral("view/smoothDrawing");
}

void InstallStyleFeatures(TwinMain& main) { new StyleFeatures(main); }

StyleFeatures::StyleFeatures(TwinMain& main) : QObject(&main), main_(main) {
  setObjectName(QStringLiteral("StyleFeatures"));
  colours_ = new ColourBar(&main);
  colours_->toggleViewAction()->setIcon(icons::Load(QStringLiteral("colours")));
  // Along the bottom, as drawing programs keep their colour bar: the controls above stay where
  // users know them.
  main.addToolBar(Qt::BottomToolBarArea, colours_);
  connect(colours_, &ColourBar::ColourChosen, this, &StyleFeatures::ChooseSwatch);
  connect(colours_, &ColourBar::NoFillChosen, this, [this] {
    if (TwinKedrinFile* doc = main_.CurrentDocument()) style::ApplyNoFill(*doc);
  });
  connect(colours_, &ColourBar::MoreChosen, this, [this](bool line) {
    TwinKedrinFile* doc = main_.CurrentDocument();
    if (!doc) return;
    const TColor before = line ? doc->CurPenColor : doc->CurBrushColor;
    if (line) main_.PenColorClick();
    else main_.BrushColorClick();
    if (main_.CurrentDocument() != doc) return;
    const TColor after = line ? doc->CurPenColor : doc->CurBrushColor;
    if (after != before) colours_->UseColour(after);
  });

  properties_ = new PropertiesPanel(&main);
  properties_->toggleViewAction()->setIcon(icons::Load(QStringLiteral("properties")));
  main.addDockWidget(Qt::RightDockWidgetArea, properties_);
  properties_->hide();
  properties_->chooseColour = [this](bool line) {
    if (line) main_.PenColorClick();
    else main_.BrushColorClick();
  };
  // The panel shows the selection of whichever document is current.
  connect(main.MdiArea, &QMdiArea::subWindowActivated, this, &StyleFeatures::FollowCurrentDocument,
          Qt::QueuedConnection);
  connect(&main, &TwinMain::DocumentAdded, this, &StyleFeatures::FollowCurrentDocument, Qt::QueuedConnection);

  AddEditItems();
  AddViewItems();
}

void StyleFeatures::AddEditItems() {
  copyStyle_ = new QAction(icons::Load(QStringLiteral("copy-style")), tr("Copy St&yle"), this);
  copyStyle_->setObjectName(QStringLiteral("CopyStyle1"));
  copyStyle_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  copyStyle_->setStatusTip(tr("Take the style of the selected figure"));
  pasteStyle_ = new QAction(icons::Load(QStringLiteral("paste-style")), tr("Paste Style"), this);
  pasteStyle_->setObjectName(QStringLiteral("PasteStyle1"));
  pasteStyle_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
  pasteStyle_->setStatusTip(tr("Give the copied style to the selected figures"));
  connect(copyStyle_, &QAction::triggered, this, &StyleFeatures::CopyStyle);
  connect(pasteStyle_, &QAction::triggered, this, &StyleFeatures::PasteStyle);
  // After Copy as Picture, with the other clipboard commands.
  const QList<QAction*> items = main_.Edit1->actions();
  const qsizetype at = items.indexOf(main_.CopyAsPicture1);
  QAction* before = at >= 0 && at + 1 < items.size() ? items[at + 1] : nullptr;
  main_.Edit1->insertActions(before, {copyStyle_, pasteStyle_});
  // The menu tells whether there is something to copy or paste; the keys always work (and say
  // in the status bar when there is nothing to do), except that until a style is copied
  // Ctrl+Shift+V stays what it always was: a paste of figures.
  pasteStyle_->setEnabled(false);
  connect(main_.Edit1, &QMenu::aboutToShow, this, [this] {
    TwinKedrinFile* doc = main_.CurrentDocument();
    const size_t selected = doc ? doc->FigureSet().SelectedCount() : 0;
    copyStyle_->setEnabled(selected == 1);
    pasteStyle_->setEnabled(copied_ && selected > 0);
  });
  connect(main_.Edit1, &QMenu::aboutToHide, this, [this] {
    copyStyle_->setEnabled(true);
    pasteStyle_->setEnabled(copied_.has_value());
  });
}

void StyleFeatures::AddViewItems() {
  QMenu* view = main_.View1;
  view->addSeparator();
  view->addAction(colours_->toggleViewAction());
  view->addAction(properties_->toggleViewAction());
  smooth_ = view->addAction(icons::Load(QStringLiteral("smooth-drawing")), tr("S&mooth Drawing"));
  smooth_->setObjectName(QStringLiteral("SmoothDrawing1"));
  smooth_->setCheckable(true);
  smooth_->setStatusTip(tr("Draw outlines, lines and text antialiased"));
  smooth_->setChecked(QSettings().value(kSmoothKey, true).toBool());
  TControlCanvas::SetSmoothDrawing(smooth_->isChecked());
  connect(smooth_, &QAction::toggled, this, [](bool on) {
    QSettings().setValue(kSmoothKey, on);
    TControlCanvas::SetSmoothDrawing(on);
  });
}

void StyleFeatures::FollowCurrentDocument() { properties_->SetDocument(main_.CurrentDocument()); }

void StyleFeatures::ChooseSwatch(TColor colour, bool line) {
  TwinKedrinFile* doc = main_.CurrentDocument();
  if (!doc) return;
  if (line) style::ApplyLineColour(*doc, colour);
  else style::ApplyFillColour(*doc, colour);
  colours_->UseColour(colour);
}

void StyleFeatures::CopyStyle() {
  TwinKedrinFile* doc = main_.CurrentDocument();
  if (!doc) return;
  if (std::optional<style::CopiedStyle> taken = style::CopyStyle(*doc)) {
    copied_ = taken;
    pasteStyle_->setEnabled(true);
    main_.statusBar()->showMessage(tr("Style copied"), 3000);
  } else {
    main_.statusBar()->showMessage(tr("Select one figure to copy its style"), 3000);
  }
}

void StyleFeatures::PasteStyle() {
  TwinKedrinFile* doc = main_.CurrentDocument();
  if (!doc) return;
  if (!copied_) {
    main_.statusBar()->showMessage(tr("Copy a figure's style first (Edit > Copy Style)"), 3000);
    return;
  }
  style::PasteStyle(*doc, *copied_);
}
