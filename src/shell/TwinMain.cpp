#include "TwinMain.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QScopedValueRollback>
#include <QLayout>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QComboBox>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "ArrangeMenu.h"
#include "CanvasAccessible.h"
#include "ConnectorFeatures.h"
#include "ContainerFeatures.h"
#include "FindFeatures.h"
#include "GraphFeatures.h"
#include "KeyboardCommands.h"
#include "SpellingFeatures.h"
#include "StyleFeatures.h"
#include "TextFeatures.h"
#include "ToolChoice.h"
#include "WalkFeatures.h"
#include "Errors.h"
#include "Focus.h"
#include "ConnectorActions.h"
#include "GridActions.h"
#include "Icons.h"
#include "QtConvert.h"
#include "TFontChooser.h"
#include "TUpDownEdit.h"
#include "TwinAbout.h"
#include "TwinKedrinFile.h"
#include "RecentFiles.h"
#include "StatusPanels.h"
#include "UndoActions.h"
#include "WindowMenu.h"
#include "WindowPlacement.h"
#include "OverviewDock.h"
#include "ZoomActions.h"
#include "utChms.h"

TwinMain* winMain = nullptr;

namespace {

QToolButton* MakeButton(QWidget* parent, const char* name, const char* hint, const char* icon,
                        bool checkable = false) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QLatin1String(name));
  b->setToolTip(TwinMain::tr(hint));
  b->setIcon(icons::Load(QLatin1String(icon)));
  b->setIconSize(QSize(16, 16));
  b->setAutoRaise(true);
  b->setCheckable(checkable);
  b->setFocusPolicy(Qt::NoFocus);
  return b;
}

QFrame* MakeSeparator(QWidget* parent, const char* name) {
  auto* line = new QFrame(parent);
  line->setObjectName(QLatin1String(name));
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setFixedWidth(8);
  return line;
}

QAction* MakeItem(QMenu* menu, const char* name, const char* caption) {
  QAction* a = menu->addAction(TwinMain::tr(caption));
  a->setObjectName(QLatin1String(name));
  return a;
}

}  // namespace

TwinMain::TwinMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("winMain"));
  setWindowTitle(tr("Kedrin Tools Demo"));
  setWindowIcon(icons::Load(QStringLiteral("app")));
  dlgFontFont.name = "新宋体-18030";
  dlgFontFont.charset = GB2312_CHARSET;
  dlgFontFont.color = clWindowText;
  dlgFontFont.height = -11;
  resize(652, 492);

  MdiArea = new QMdiArea(this);
  MdiArea->setObjectName(QStringLiteral("MdiArea"));
  MdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  MdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(MdiArea);
  focus::MarkForm(this);

  CreateMenus();
  CreateToolBar1();
  addToolBarBreak(Qt::TopToolBarArea);
  CreateArrowMenus();
  CreateToolBar3();
  CreateToolBar2();
  CreateStatusBar();
  // Each feature adds its commands to the menus and tool bars built above.
  InstallTextFeatures(*this);
  InstallConnectorFeatures(*this);
  InstallGraphFeatures(*this);
  InstallContainerFeatures(*this);
  InstallStyleFeatures(*this);
  InstallKeyboardCommands(*this);
  InstallFindFeatures(*this);
  InstallWalkFeatures(*this);
  a11y::Install();
  InstallSpellingFeatures(*this);
  if (!winMain) winMain = this;
  FormCreate();
  PlaceWindow();
}

void TwinMain::PlaceWindow() {
  // Where the last run left it; otherwise large enough to show a whole first document window
  // (696 x 480 inside the document area), never larger than the screen, centred.
  QSettings settings;
  if (restoreGeometry(settings.value(QStringLiteral("mainWindow/geometry")).toByteArray())) {
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens.append(screen->availableGeometry());
    if (placement::RestoredFrameUsable(frameGeometry(), screens)) {
      restoreState(settings.value(QStringLiteral("mainWindow/state")).toByteArray());
      return;
    }
    // A place no one could work in is dropped, with whatever state came with it.
    setWindowState(Qt::WindowNoState);
  }
  ensurePolished();
  if (layout()) layout()->activate();
  const QSize around = size() - MdiArea->size() + QSize(2 * MdiArea->frameWidth(), 2 * MdiArea->frameWidth());
  QSize wanted = QSize(652, 492).expandedTo(QSize(696, 480) + around + QSize(4, 4));
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect available = screen->availableGeometry();
    wanted = wanted.boundedTo(available.size());
    resize(wanted);
    move(available.center() - QPoint(width() / 2, height() / 2));
  } else {
    resize(wanted);
  }
}

void TwinMain::RememberWindow() {
  QSettings settings;
  settings.setValue(QStringLiteral("mainWindow/geometry"), saveGeometry());
  settings.setValue(QStringLiteral("mainWindow/state"), saveState());
}

TwinMain::~TwinMain() {
  // The documents go first, while this window is still whole for them to talk to.
  for (QMdiSubWindow* sub : MdiArea->subWindowList()) delete sub;
  if (winMain == this) winMain = nullptr;
}

void TwinMain::CreateMenus() {
  MainMenu1 = menuBar();
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

  File1 = MainMenu1->addMenu(tr("&File"));
  File1->setObjectName(QStringLiteral("File1"));
  New1 = MakeItem(File1, "New1", QT_TR_NOOP("&New"));
  Open1 = MakeItem(File1, "Open1", QT_TR_NOOP("&Open"));
  RecentFiles1 = File1->addMenu(tr("&Recent Files"));
  RecentFiles1->setObjectName(QStringLiteral("RecentFiles1"));
  Save1 = MakeItem(File1, "Save1", QT_TR_NOOP("&Save"));
  Saveas1 = MakeItem(File1, "Saveas1", QT_TR_NOOP("Save &as..."));
  Export1 = MakeItem(File1, "Export1", QT_TR_NOOP("&Export..."));
  File1->addSeparator()->setObjectName(QStringLiteral("N1"));
  Exit1 = MakeItem(File1, "Exit1", QT_TR_NOOP("E&xit"));

  Edit1 = MainMenu1->addMenu(tr("&Edit"));
  Edit1->setObjectName(QStringLiteral("Edit1"));
  undoActions_ = new UndoActions(this);
  Undo1 = undoActions_->Undo();
  Redo1 = undoActions_->Redo();
  Edit1->addAction(Undo1);
  Edit1->addAction(Redo1);
  Edit1->addSeparator();
  Cut1 = MakeItem(Edit1, "Cut1", QT_TR_NOOP("Cu&t"));
  Copy1 = MakeItem(Edit1, "Copy1", QT_TR_NOOP("&Copy"));
  Paste1 = MakeItem(Edit1, "Paste1", QT_TR_NOOP("&Paste"));
  CopyAsPicture1 = MakeItem(Edit1, "CopyAsPicture1", QT_TR_NOOP("Copy as P&icture"));
  Edit1->addSeparator();
  SelectAll1 = MakeItem(Edit1, "SelectAll1", QT_TR_NOOP("Select &All"));

  View1 = MainMenu1->addMenu(tr("&View"));
  View1->setObjectName(QStringLiteral("View1"));
  zoomActions_ = new ZoomActions(this);
  zoomActions_->AddTo(View1);
  zoomActions_->ZoomIn()->setIcon(icons::Load(QStringLiteral("zoom-in")));
  zoomActions_->ZoomOut()->setIcon(icons::Load(QStringLiteral("zoom-out")));
  zoomActions_->ActualSize()->setIcon(icons::Load(QStringLiteral("zoom-actual")));
  zoomActions_->FitDiagram()->setIcon(icons::Load(QStringLiteral("zoom-fit")));
  connect(this, &TwinMain::DocumentAdded, zoomActions_, &ZoomActions::Watch);
  overviewDock_ = new OverviewDock(this);
  addDockWidget(Qt::RightDockWidgetArea, overviewDock_);
  overviewDock_->hide();
  overviewDock_->toggleViewAction()->setIcon(icons::Load(QStringLiteral("overview")));
  // Its own access key: Zoom Out has the O.
  overviewDock_->toggleViewAction()->setText(tr("O&verview"));
  View1->addSeparator();
  View1->addAction(overviewDock_->toggleViewAction());
  View1->addSeparator();
  AddGridActions(View1);
  AddConnectorActions(View1);

  // Insert: what is put into the current document as a whole (containers, lanes, figures).
  Insert1 = MainMenu1->addMenu(tr("&Insert"));
  Insert1->setObjectName(QStringLiteral("Insert1"));

  // Arrange: align, distribute and same size on the current document's selection.
  Arrange1 = MainMenu1->addMenu(tr("&Arrange"));
  Arrange1->setObjectName(QStringLiteral("Arrange1"));
  auto* arrange = new ArrangeMenu(Arrange1, [this] { return CurrentDocument(); }, this);
  connect(MdiArea, &QMdiArea::subWindowActivated, arrange, &ArrangeMenu::Refresh, Qt::QueuedConnection);

  Print1 = MainMenu1->addMenu(tr("&Print"));
  Print1->setObjectName(QStringLiteral("Print1"));
  Print2 = MakeItem(Print1, "Print2", QT_TR_NOOP("&Print"));
  PrintPreview1 = MakeItem(Print1, "PrintPreview1", QT_TR_NOOP("Print Pre&view..."));
  PrintSetup1 = MakeItem(Print1, "PrintSetup1", QT_TR_NOOP("Print &Setup..."));

  Window1 = MainMenu1->addMenu(tr("&Window"));
  Window1->setObjectName(QStringLiteral("Window1"));
  windowMenu_ = new WindowMenu(Window1, MdiArea);

  About1 = MainMenu1->addMenu(tr("&Help"));
  About1->setObjectName(QStringLiteral("About1"));
  Help1 = MakeItem(About1, "Help1", QT_TR_NOOP("&Help Topic"));
  About2 = MakeItem(About1, "About2", QT_TR_NOOP("&About..."));

  // The keys every desktop program has, shown in the menus.
  New1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  Open1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  Save1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  Saveas1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  Export1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
  Exit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
  Cut1->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
  Copy1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  Paste1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
  SelectAll1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
  Print2->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  Help1->setShortcut(QKeySequence(Qt::Key_F1));

  connect(New1, &QAction::triggered, this, [this] { btnNewClick(); });
  connect(Open1, &QAction::triggered, this, [this] { btnOpenClick(); });
  connect(Save1, &QAction::triggered, this, [this] { btnSaveClick(); });
  connect(Saveas1, &QAction::triggered, this, [this] { Saveas1Click(); });
  connect(Export1, &QAction::triggered, this, [this] { Export1Click(); });
  connect(Exit1, &QAction::triggered, this, [this] { btnExitClick(); });
  connect(Cut1, &QAction::triggered, this, [this] { btnCutClick(); });
  connect(Copy1, &QAction::triggered, this, [this] { btnCopyClick(); });
  connect(Paste1, &QAction::triggered, this, [this] { btnPasteClick(); });
  connect(CopyAsPicture1, &QAction::triggered, this, [this] { CopyAsPicture1Click(); });
  connect(SelectAll1, &QAction::triggered, this, [this] { SelectAll1Click(); });
  connect(Print2, &QAction::triggered, this, [this] { btnPrnSetClick(); });
  connect(PrintPreview1, &QAction::triggered, this, [this] { PrintPreview1Click(); });
  connect(PrintSetup1, &QAction::triggered, this, [this] { btnPrintClick(); });
  connect(Help1, &QAction::triggered, this, [this] { btnHelpClick(); });
  connect(About2, &QAction::triggered, this, [this] { About2Click(); });
  recentFiles_ = new RecentFiles(RecentFiles1, [this](const QString& file) { OpenFile(file); }, this);
}

void TwinMain::CreateToolBar1() {
  ToolBar1 = new QToolBar(this);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setMovable(false);
  ToolBar1->setFloatable(false);
  ToolBar1->setIconSize(QSize(16, 16));
  addToolBar(Qt::TopToolBarArea, ToolBar1);

  btnNew = MakeButton(ToolBar1, "btnNew", QT_TR_NOOP("New File"), "new");
  btnOpen = MakeButton(ToolBar1, "btnOpen", QT_TR_NOOP("Open File"), "open");
  btnSave = MakeButton(ToolBar1, "btnSave", QT_TR_NOOP("Save Current File"), "save");
  btnCut = MakeButton(ToolBar1, "btnCut", QT_TR_NOOP("Cut"), "cut");
  btnCopy = MakeButton(ToolBar1, "btnCopy", QT_TR_NOOP("Copy"), "copy");
  btnPaste = MakeButton(ToolBar1, "btnPaste", QT_TR_NOOP("Paste"), "paste");
  btnUndo = MakeButton(ToolBar1, "btnUndo", QT_TR_NOOP("Undo"), "undo");
  btnUndo->setDefaultAction(Undo1);
  btnRedo = MakeButton(ToolBar1, "btnRedo", QT_TR_NOOP("Redo"), "redo");
  btnRedo->setDefaultAction(Redo1);
  btnPrnSet = MakeButton(ToolBar1, "btnPrnSet", QT_TR_NOOP("Print Current File"), "print");
  btnPrint = MakeButton(ToolBar1, "btnPrint", QT_TR_NOOP("Printer Setup"), "printer-setup");
  btnHelp = MakeButton(ToolBar1, "btnHelp", QT_TR_NOOP("Help"), "help");
  btnExit = MakeButton(ToolBar1, "btnExit", QT_TR_NOOP("Exit"), "exit");

  ToolBar1->addWidget(btnNew);
  ToolBar1->addWidget(btnOpen);
  ToolBar1->addWidget(btnSave);
  ToolBar1->addWidget(MakeSeparator(ToolBar1, "ToolButton4"));
  ToolBar1->addWidget(btnCut);
  ToolBar1->addWidget(btnCopy);
  ToolBar1->addWidget(btnPaste);
  ToolBar1->addWidget(btnUndo);
  ToolBar1->addWidget(btnRedo);
  ToolBar1->addWidget(MakeSeparator(ToolBar1, "ToolButton7"));
  ToolBar1->addWidget(btnPrnSet);
  ToolBar1->addWidget(btnPrint);
  ToolBar1->addWidget(MakeSeparator(ToolBar1, "ToolButton3"));
  ToolBar1->addWidget(btnHelp);
  ToolBar1->addWidget(btnExit);

  connect(btnNew, &QToolButton::clicked, this, [this] { btnNewClick(); });
  connect(btnOpen, &QToolButton::clicked, this, [this] { btnOpenClick(); });
  connect(btnSave, &QToolButton::clicked, this, [this] { btnSaveClick(); });
  connect(btnCut, &QToolButton::clicked, this, [this] { btnCutClick(); });
  connect(btnCopy, &QToolButton::clicked, this, [this] { btnCopyClick(); });
  connect(btnPaste, &QToolButton::clicked, this, [this] { btnPasteClick(); });
  connect(btnPrnSet, &QToolButton::clicked, this, [this] { btnPrnSetClick(); });
  connect(btnPrint, &QToolButton::clicked, this, [this] { btnPrintClick(); });
  connect(btnHelp, &QToolButton::clicked, this, [this] { btnHelpClick(); });
  connect(btnExit, &QToolButton::clicked, this, [this] { btnExitClick(); });
}

void TwinMain::CreateToolBar2() {
  ToolBar2 = new QToolBar(this);
  ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
  ToolBar2->setMovable(false);
  ToolBar2->setFloatable(false);
  ToolBar2->setOrientation(Qt::Vertical);
  ToolBar2->setIconSize(QSize(16, 16));
  addToolBar(Qt::LeftToolBarArea, ToolBar2);

  btnSelect = MakeButton(ToolBar2, "btnSelect", QT_TR_NOOP("Single Select & Multi Select"), "tool-select", true);
  btnBegin = MakeButton(ToolBar2, "btnBegin", QT_TR_NOOP("Begin"), "tool-begin", true);
  btnEnd = MakeButton(ToolBar2, "btnEnd", QT_TR_NOOP("End"), "tool-end", true);
  btnProcess = MakeButton(ToolBar2, "btnProcess", QT_TR_NOOP("Process"), "tool-process", true);
  btnEllipse = MakeButton(ToolBar2, "btnEllipse", QT_TR_NOOP("Ellipse"), "tool-ellipse", true);
  btnRectangle = MakeButton(ToolBar2, "btnRectangle", QT_TR_NOOP("Rectangle"), "tool-rectangle", true);
  btnArrow = MakeButton(ToolBar2, "btnArrow", QT_TR_NOOP("AnyAngle Arrow"), "tool-arrow", true);
  btnDiamond = MakeButton(ToolBar2, "btnDiamond", QT_TR_NOOP("Diamond"), "tool-diamond", true);
  btnLabel = MakeButton(ToolBar2, "btnLabel", QT_TR_NOOP("Text"), "tool-label", true);
  btnLine = MakeButton(ToolBar2, "btnLine", QT_TR_NOOP("Line"), "tool-line", true);
  toolButtons_ = {btnSelect, btnBegin, btnEnd, btnProcess, btnEllipse,
                  btnRectangle, btnArrow, btnDiamond, btnLabel, btnLine};

  toolGroup_ = new QButtonGroup(this);
  toolGroup_->setExclusive(true);
  toolChoice_ = new ToolChoice(this);
  toolChoice_->Follow(*toolGroup_, [this](const QAbstractButton& b) { return ToolOfButton(b); });
  for (QToolButton* b : toolButtons_) {
    toolGroup_->addButton(b);
    ToolBar2->addWidget(b);
  }
}

void TwinMain::CreateArrowMenus() {
  mnuArrowPosition = new QMenu(this);
  mnuArrowPosition->setObjectName(QStringLiteral("mnuArrowPosition"));
  auto* positions = new QActionGroup(mnuArrowPosition);
  Left1 = MakeItem(mnuArrowPosition, "Left1", QT_TR_NOOP("Left"));
  Right1 = MakeItem(mnuArrowPosition, "Right1", QT_TR_NOOP("Right"));
  Both1 = MakeItem(mnuArrowPosition, "Both1", QT_TR_NOOP("Both"));
  const std::pair<QAction*, TArrowPosition> positionItems[] = {
      {Left1, apLeft}, {Right1, apRight}, {Both1, apBoth}};
  for (auto [item, value] : positionItems) {
    item->setCheckable(true);
    positions->addAction(item);
    connect(item, &QAction::triggered, this, [this, item = item, value = value] { ArrowPositionClick(item, value); });
  }

  mnuArrowDirection = new QMenu(this);
  mnuArrowDirection->setObjectName(QStringLiteral("mnuArrowDirection"));
  auto* directions = new QActionGroup(mnuArrowDirection);
  TopToTop1 = MakeItem(mnuArrowDirection, "TopToTop1", QT_TR_NOOP("TopToTop"));
  TopToBottom1 = MakeItem(mnuArrowDirection, "TopToBottom1", QT_TR_NOOP("TopToBottom"));
  BottomToTop1 = MakeItem(mnuArrowDirection, "BottomToTop1", QT_TR_NOOP("BottomToTop"));
  BottomToBottom1 = MakeItem(mnuArrowDirection, "BottomToBottom1", QT_TR_NOOP("BottomToBottom"));
  LeftToLeft1 = MakeItem(mnuArrowDirection, "LeftToLeft1", QT_TR_NOOP("LeftToLeft"));
  RightToRight1 = MakeItem(mnuArrowDirection, "RightToRight1", QT_TR_NOOP("RightToRight"));
  const std::pair<QAction*, TArrowDirection> directionItems[] = {
      {TopToTop1, adTopToTop},           {TopToBottom1, adTopToBottom}, {BottomToTop1, adBottomToTop},
      {BottomToBottom1, adBottomToBottom}, {LeftToLeft1, adLeftToLeft},   {RightToRight1, adRightToRight}};
  for (auto [item, value] : directionItems) {
    item->setCheckable(true);
    directions->addAction(item);
    connect(item, &QAction::triggered, this, [this, item = item, value = value] { ArrowDirectionClick(item, value); });
  }
}

void TwinMain::CreateToolBar3() {
  ToolBar3 = new QToolBar(this);
  ToolBar3->setObjectName(QStringLiteral("ToolBar3"));
  ToolBar3->setMovable(false);
  ToolBar3->setFloatable(false);
  addToolBar(Qt::TopToolBarArea, ToolBar3);

  // Two rows in one bar: the controls up to ToolButton1, then the rest.
  auto* rows = new QWidget(ToolBar3);
  rows->setObjectName(QStringLiteral("ToolBar3Rows"));
  auto* column = new QVBoxLayout(rows);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  auto* row1 = new QHBoxLayout;
  auto* row2 = new QHBoxLayout;
  row1->setSpacing(0);
  row2->setSpacing(0);
  column->addLayout(row1);
  column->addLayout(row2);

  btnSolidPen = MakeButton(rows, "btnSolidPen", QT_TR_NOOP("Solid Pen"), "pen-solid", true);
  btnDashPen = MakeButton(rows, "btnDashPen", QT_TR_NOOP("Dash Pen"), "pen-dash", true);
  btnDotPen = MakeButton(rows, "btnDotPen", QT_TR_NOOP("Dot Pen"), "pen-dot", true);
  btnDashDotPen = MakeButton(rows, "btnDashDotPen", QT_TR_NOOP("Dash Dot Pen"), "pen-dashdot", true);
  btnDashDotDotPen = MakeButton(rows, "btnDashDotDotPen", QT_TR_NOOP("Dash Dot Dot Pen"), "pen-dashdotdot", true);
  btnClearPen = MakeButton(rows, "btnClearPen", QT_TR_NOOP("Clear Pen"), "pen-clear", true);
  btnPenColor = MakeButton(rows, "btnPenColor", QT_TR_NOOP("Pen Color"), "pen-color");
  PenWidth = new TUpDownEdit(QStringLiteral("PenWidth"), QStringLiteral("PenSize"), rows);
  PenSize = PenWidth->Edit();
  PenWidth->setToolTip(tr("LineWidth"));
  PenSize->setToolTip(tr("LineWidth"));
  btnSolidBrush = MakeButton(rows, "btnSolidBrush", QT_TR_NOOP("Solid Brush"), "brush-solid", true);
  btnHorizontalBrush = MakeButton(rows, "btnHorizontalBrush", QT_TR_NOOP("Horizontal Brush"), "brush-horizontal", true);
  btnVerticalBrush = MakeButton(rows, "btnVerticalBrush", QT_TR_NOOP("Vertical Brush"), "brush-vertical", true);
  btnFDiagonalBrush = MakeButton(rows, "btnFDiagonalBrush", QT_TR_NOOP("FDiagonal Brush"), "brush-fdiagonal", true);
  btnBDiagonalBrush = MakeButton(rows, "btnBDiagonalBrush", QT_TR_NOOP("BDiagonal Brush"), "brush-bdiagonal", true);
  btnCrossBrush = MakeButton(rows, "btnCrossBrush", QT_TR_NOOP("Cross Brush"), "brush-cross", true);
  btnDiagCrossBrush = MakeButton(rows, "btnDiagCrossBrush", QT_TR_NOOP("DiagCross Brush"), "brush-diagcross", true);
  btnBrushColor = MakeButton(rows, "btnBrushColor", QT_TR_NOOP("Brush Color"), "brush-color");

  row1->addWidget(btnSolidPen);
  row1->addWidget(btnDashPen);
  row1->addWidget(btnDotPen);
  row1->addWidget(btnDashDotPen);
  row1->addWidget(btnDashDotDotPen);
  row1->addWidget(btnClearPen);
  row1->addWidget(btnPenColor);
  row1->addWidget(MakeSeparator(rows, "ToolButton12"));
  row1->addWidget(PenWidth);
  row1->addWidget(MakeSeparator(rows, "ToolButton13"));
  row1->addWidget(btnSolidBrush);
  row1->addWidget(btnHorizontalBrush);
  row1->addWidget(btnVerticalBrush);
  row1->addWidget(btnFDiagonalBrush);
  row1->addWidget(btnBDiagonalBrush);
  row1->addWidget(btnCrossBrush);
  row1->addWidget(btnDiagCrossBrush);
  row1->addWidget(btnBrushColor);
  // ToolButton1 ends the first row.
  auto* rowBreak = new QWidget(rows);
  rowBreak->setObjectName(QStringLiteral("ToolButton1"));
  rowBreak->setFixedSize(0, 0);
  row1->addWidget(rowBreak);
  row1->addStretch(1);

  UDArrowThicknessRate =
      new TUpDownEdit(QStringLiteral("UDArrowThicknessRate"), QStringLiteral("edtArrowThicknessRate"), rows);
  edtArrowThicknessRate = UDArrowThicknessRate->Edit();
  UDArrowThicknessRate->setToolTip(tr("ArrowThicknessRate"));
  edtArrowThicknessRate->setToolTip(tr("ArrowThicknessRate"));
  UDArrowHeadLengthRate =
      new TUpDownEdit(QStringLiteral("UDArrowHeadLengthRate"), QStringLiteral("edtArrowHeadLengthRate"), rows);
  edtArrowHeadLengthRate = UDArrowHeadLengthRate->Edit();
  UDArrowHeadLengthRate->setToolTip(tr("ArrowHeadLengthRate"));
  edtArrowHeadLengthRate->setToolTip(tr("ArrowHeadLengthRate"));
  btnArrowPosion = MakeButton(rows, "btnArrowPosion", QT_TR_NOOP("Set Arrow Posion"), "arrow-position");
  btnArrowPosion->setMenu(mnuArrowPosition);
  btnArrowPosion->setPopupMode(QToolButton::InstantPopup);
  btnArrowDirection = MakeButton(rows, "btnArrowDirection", QT_TR_NOOP("Set Arrow Direction"), "arrow-direction");
  btnArrowDirection->setMenu(mnuArrowDirection);
  btnArrowDirection->setPopupMode(QToolButton::InstantPopup);
  edtLabel = new QLineEdit(rows);
  edtLabel->setObjectName(QStringLiteral("edtLabel"));
  edtLabel->setToolTip(tr("Set Caption"));
  edtLabel->setFixedWidth(68);
  btnFontSet = MakeButton(rows, "btnFontSet", QT_TR_NOOP("Set Caption Font"), "font");

  row2->addWidget(UDArrowThicknessRate);
  row2->addWidget(UDArrowHeadLengthRate);
  row2->addWidget(btnArrowPosion);
  row2->addWidget(btnArrowDirection);
  row2->addWidget(MakeSeparator(rows, "ToolButton6"));
  row2->addWidget(edtLabel);
  row2->addWidget(btnFontSet);
  row2->addStretch(1);
  ToolBar3->addWidget(rows);

  penGroup_ = new QButtonGroup(this);
  for (QToolButton* b : {btnSolidPen, btnDashPen, btnDotPen, btnDashDotPen, btnDashDotDotPen, btnClearPen}) {
    penGroup_->addButton(b);
    connect(b, &QToolButton::clicked, this, [this, b] { btnSolidPenClick(b); });
  }
  brushGroup_ = new QButtonGroup(this);
  for (QToolButton* b : {btnSolidBrush, btnHorizontalBrush, btnVerticalBrush, btnFDiagonalBrush,
                         btnBDiagonalBrush, btnCrossBrush, btnDiagCrossBrush}) {
    brushGroup_->addButton(b);
    connect(b, &QToolButton::clicked, this, [this, b] { btnSolidBrushClick(b); });
  }
  connect(btnPenColor, &QToolButton::clicked, this, [this] { PenColorClick(); });
  connect(btnBrushColor, &QToolButton::clicked, this, [this] { BrushColorClick(); });
  connect(PenWidth, &QSpinBox::textChanged, this, [this] { PenSizeChange(); });
  connect(UDArrowThicknessRate, &QSpinBox::textChanged, this, [this] { edtArrowThicknessRateChange(); });
  connect(UDArrowHeadLengthRate, &QSpinBox::textChanged, this, [this] { edtArrowHeadLengthRateChange(); });
  connect(edtLabel, &QLineEdit::textChanged, this, [this] { edtLabelChange(); });
  // Typing into the caption box after it takes the focus is one editing burst: one step to undo.
  edtLabel->installEventFilter(this);
  connect(btnFontSet, &QToolButton::clicked, this, [this] { btnFontSetClick(); });
}

void TwinMain::CreateStatusBar() {
  StatusBar1 = statusBar();
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(true);
  QLabel* panels[2];
  for (int i = 0; i < 2; ++i) {
    auto* panel = new QLabel(StatusBar1);
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    panel->setMinimumWidth(i == 0 ? 90 : 220);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusBar1->addWidget(panel);
    panels[i] = panel;
  }
  statusPanels_ = new StatusPanels(panels[0], panels[1], [this] { return CurrentDocument(); }, this);
  StatusBar1->addPermanentWidget(zoomActions_->ZoomBox());
}

void TwinMain::FormCreate() {
  btnSolidPen->setChecked(true);
  btnSolidBrush->setChecked(true);
  btnSelect->setChecked(true);
}

bool TwinMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edtLabel && event->type() == QEvent::FocusIn)
    if (TwinKedrinFile* doc = CurrentDocument()) doc->StartCaptionBurst();
  return QMainWindow::eventFilter(watched, event);
}
