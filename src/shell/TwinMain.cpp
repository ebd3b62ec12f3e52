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
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "Errors.h"
#include "Focus.h"
#include "Icons.h"
#include "QtConvert.h"
#include "TFontChooser.h"
#include "TUpDownEdit.h"
#include "TwinAbout.h"
#include "TwinKedrinFile.h"
#include "utChms.h"

TwinMain* winMain = nullptr;

namespace {

const QString kNoname = QStringLiteral("Noname.kdl");

QToolButton* MakeButton(QWidget* parent, const char* name, const char* hint, const char* icon,
                        bool checkable = false) {
  auto* b = new QToolButton(parent);
  b->setObjectName(QLatin1String(name));
  b->setToolTip(QLatin1String(hint));
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
  QAction* a = menu->addAction(QLatin1String(caption));
  a->setObjectName(QLatin1String(name));
  return a;
}

}  // namespace

TwinMain::TwinMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("winMain"));
  setWindowTitle(QStringLiteral("Kedrin Tools Demo"));
  setWindowIcon(icons::Load(QStringLiteral("app")));
  dlgFontFont.name = "新宋体-18030";
  dlgFontFont.charset = GB2312_CHARSET;
  dlgFontFont.color = clWindowText;
  dlgFontFont.height = -11;
  resize(652, 492);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));

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
  if (!winMain) winMain = this;
  FormCreate();
}

TwinMain::~TwinMain() {
  // The documents go first, while this window is still whole for them to talk to.
  for (QMdiSubWindow* sub : MdiArea->subWindowList()) delete sub;
  if (winMain == this) winMain = nullptr;
}

void TwinMain::CreateMenus() {
  MainMenu1 = menuBar();
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));

  File1 = MainMenu1->addMenu(QStringLiteral("&File"));
  File1->setObjectName(QStringLiteral("File1"));
  New1 = MakeItem(File1, "New1", "&New");
  Open1 = MakeItem(File1, "Open1", "&Open");
  Save1 = MakeItem(File1, "Save1", "&Save");
  Saveas1 = MakeItem(File1, "Saveas1", "Save &as...");
  File1->addSeparator()->setObjectName(QStringLiteral("N1"));
  Exit1 = MakeItem(File1, "Exit1", "E&xit");

  Edit1 = MainMenu1->addMenu(QStringLiteral("&Edit"));
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Cut1 = MakeItem(Edit1, "Cut1", "Cu&t");
  Copy1 = MakeItem(Edit1, "Copy1", "&Copy");
  Paste1 = MakeItem(Edit1, "Paste1", "&Paste");

  Print1 = MainMenu1->addMenu(QStringLiteral("&Print"));
  Print1->setObjectName(QStringLiteral("Print1"));
  Print2 = MakeItem(Print1, "Print2", "&Print");
  PrintSetup1 = MakeItem(Print1, "PrintSetup1", "Print &Setup...");

  About1 = MainMenu1->addMenu(QStringLiteral("&Help"));
  About1->setObjectName(QStringLiteral("About1"));
  Help1 = MakeItem(About1, "Help1", "&Help Topic");
  About2 = MakeItem(About1, "About2", "&About...");

  connect(New1, &QAction::triggered, this, [this] { btnNewClick(); });
  connect(Open1, &QAction::triggered, this, [this] { btnOpenClick(); });
  connect(Save1, &QAction::triggered, this, [this] { btnSaveClick(); });
  connect(Saveas1, &QAction::triggered, this, [this] { Saveas1Click(); });
  connect(Exit1, &QAction::triggered, this, [this] { btnExitClick(); });
  connect(Cut1, &QAction::triggered, this, [this] { btnCutClick(); });
  connect(Copy1, &QAction::triggered, this, [this] { btnCopyClick(); });
  connect(Paste1, &QAction::triggered, this, [this] { btnPasteClick(); });
  connect(Print2, &QAction::triggered, this, [this] { btnPrnSetClick(); });
  connect(PrintSetup1, &QAction::triggered, this, [this] { btnPrintClick(); });
  connect(Help1, &QAction::triggered, this, [this] { btnHelpClick(); });
  connect(About2, &QAction::triggered, this, [this] { About2Click(); });
}

void TwinMain::CreateToolBar1() {
  ToolBar1 = new QToolBar(this);
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  ToolBar1->setMovable(false);
  ToolBar1->setFloatable(false);
  ToolBar1->setIconSize(QSize(16, 16));
  addToolBar(Qt::TopToolBarArea, ToolBar1);

  btnNew = MakeButton(ToolBar1, "btnNew", "New File", "new");
  btnOpen = MakeButton(ToolBar1, "btnOpen", "Open File", "open");
  btnSave = MakeButton(ToolBar1, "btnSave", "Save Current File", "save");
  btnCut = MakeButton(ToolBar1, "btnCut", "Cut", "cut");
  btnCopy = MakeButton(ToolBar1, "btnCopy", "Copy", "copy");
  btnPaste = MakeButton(ToolBar1, "btnPaste", "Paste", "paste");
  btnPrnSet = MakeButton(ToolBar1, "btnPrnSet", "Print Current File", "print");
  btnPrint = MakeButton(ToolBar1, "btnPrint", "Printer Setup", "printer-setup");
  btnHelp = MakeButton(ToolBar1, "btnHelp", "Help", "help");
  btnExit = MakeButton(ToolBar1, "btnExit", "Exit", "exit");

  ToolBar1->addWidget(btnNew);
  ToolBar1->addWidget(btnOpen);
  ToolBar1->addWidget(btnSave);
  ToolBar1->addWidget(MakeSeparator(ToolBar1, "ToolButton4"));
  ToolBar1->addWidget(btnCut);
  ToolBar1->addWidget(btnCopy);
  ToolBar1->addWidget(btnPaste);
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

  btnSelect = MakeButton(ToolBar2, "btnSelect", "Single Select & Multi Select", "tool-select", true);
  btnBegin = MakeButton(ToolBar2, "btnBegin", "Begin", "tool-begin", true);
  btnEnd = MakeButton(ToolBar2, "btnEnd", "End", "tool-end", true);
  btnProcess = MakeButton(ToolBar2, "btnProcess", "Process", "tool-process", true);
  btnEllipse = MakeButton(ToolBar2, "btnEllipse", "Ellipse", "tool-ellipse", true);
  btnRectangle = MakeButton(ToolBar2, "btnRectangle", "Rectangle", "tool-rectangle", true);
  btnArrow = MakeButton(ToolBar2, "btnArrow", "AnyAngle Arrow", "tool-arrow", true);
  btnDiamond = MakeButton(ToolBar2, "btnDiamond", "Diamond", "tool-diamond", true);
  btnLabel = MakeButton(ToolBar2, "btnLabel", "Text", "tool-label", true);
  btnLine = MakeButton(ToolBar2, "btnLine", "Line", "tool-line", true);
  toolButtons_ = {btnSelect, btnBegin, btnEnd, btnProcess, btnEllipse,
                  btnRectangle, btnArrow, btnDiamond, btnLabel, btnLine};

  toolGroup_ = new QButtonGroup(this);
  toolGroup_->setExclusive(true);
  for (QToolButton* b : toolButtons_) {
    toolGroup_->addButton(b);
    ToolBar2->addWidget(b);
  }
}

void TwinMain::CreateArrowMenus() {
  mnuArrowPosition = new QMenu(this);
  mnuArrowPosition->setObjectName(QStringLiteral("mnuArrowPosition"));
  auto* positions = new QActionGroup(mnuArrowPosition);
  Left1 = MakeItem(mnuArrowPosition, "Left1", "Left");
  Right1 = MakeItem(mnuArrowPosition, "Right1", "Right");
  Both1 = MakeItem(mnuArrowPosition, "Both1", "Both");
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
  TopToTop1 = MakeItem(mnuArrowDirection, "TopToTop1", "TopToTop");
  TopToBottom1 = MakeItem(mnuArrowDirection, "TopToBottom1", "TopToBottom");
  BottomToTop1 = MakeItem(mnuArrowDirection, "BottomToTop1", "BottomToTop");
  BottomToBottom1 = MakeItem(mnuArrowDirection, "BottomToBottom1", "BottomToBottom");
  LeftToLeft1 = MakeItem(mnuArrowDirection, "LeftToLeft1", "LeftToLeft");
  RightToRight1 = MakeItem(mnuArrowDirection, "RightToRight1", "RightToRight");
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

  btnSolidPen = MakeButton(rows, "btnSolidPen", "Solid Pen", "pen-solid", true);
  btnDashPen = MakeButton(rows, "btnDashPen", "Dash Pen", "pen-dash", true);
  btnDotPen = MakeButton(rows, "btnDotPen", "Dot Pen", "pen-dot", true);
  btnDashDotPen = MakeButton(rows, "btnDashDotPen", "Dash Dot Pen", "pen-dashdot", true);
  btnDashDotDotPen = MakeButton(rows, "btnDashDotDotPen", "Dash Dot Dot Pen", "pen-dashdotdot", true);
  btnClearPen = MakeButton(rows, "btnClearPen", "Clear Pen", "pen-clear", true);
  btnPenColor = MakeButton(rows, "btnPenColor", "Pen Color", "pen-color");
  PenWidth = new TUpDownEdit(QStringLiteral("PenWidth"), QStringLiteral("PenSize"), rows);
  PenSize = PenWidth->Edit();
  PenWidth->setToolTip(QStringLiteral("LineWidth"));
  PenSize->setToolTip(QStringLiteral("LineWidth"));
  btnSolidBrush = MakeButton(rows, "btnSolidBrush", "Solid Brush", "brush-solid", true);
  btnHorizontalBrush = MakeButton(rows, "btnHorizontalBrush", "Horizontal Brush", "brush-horizontal", true);
  btnVerticalBrush = MakeButton(rows, "btnVerticalBrush", "Vertical Brush", "brush-vertical", true);
  btnFDiagonalBrush = MakeButton(rows, "btnFDiagonalBrush", "FDiagonal Brush", "brush-fdiagonal", true);
  btnBDiagonalBrush = MakeButton(rows, "btnBDiagonalBrush", "BDiagonal Brush", "brush-bdiagonal", true);
  btnCrossBrush = MakeButton(rows, "btnCrossBrush", "Cross Brush", "brush-cross", true);
  btnDiagCrossBrush = MakeButton(rows, "btnDiagCrossBrush", "DiagCross Brush", "brush-diagcross", true);
  btnBrushColor = MakeButton(rows, "btnBrushColor", "Brush Color", "brush-color");

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
  UDArrowThicknessRate->setToolTip(QStringLiteral("ArrowThicknessRate"));
  edtArrowThicknessRate->setToolTip(QStringLiteral("ArrowThicknessRate"));
  UDArrowHeadLengthRate =
      new TUpDownEdit(QStringLiteral("UDArrowHeadLengthRate"), QStringLiteral("edtArrowHeadLengthRate"), rows);
  edtArrowHeadLengthRate = UDArrowHeadLengthRate->Edit();
  UDArrowHeadLengthRate->setToolTip(QStringLiteral("ArrowHeadLengthRate"));
  edtArrowHeadLengthRate->setToolTip(QStringLiteral("ArrowHeadLengthRate"));
  btnArrowPosion = MakeButton(rows, "btnArrowPosion", "Set Arrow Posion", "arrow-position");
  btnArrowPosion->setMenu(mnuArrowPosition);
  btnArrowPosion->setPopupMode(QToolButton::InstantPopup);
  btnArrowDirection = MakeButton(rows, "btnArrowDirection", "Set Arrow Direction", "arrow-direction");
  btnArrowDirection->setMenu(mnuArrowDirection);
  btnArrowDirection->setPopupMode(QToolButton::InstantPopup);
  edtLabel = new QLineEdit(rows);
  edtLabel->setObjectName(QStringLiteral("edtLabel"));
  edtLabel->setToolTip(QStringLiteral("Set Caption"));
  edtLabel->setFixedWidth(68);
  btnFontSet = MakeButton(rows, "btnFontSet", "Set Caption Font", "font");

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
  connect(btnFontSet, &QToolButton::clicked, this, [this] { btnFontSetClick(); });
}

void TwinMain::CreateStatusBar() {
  StatusBar1 = statusBar();
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setSizeGripEnabled(true);
  for (int i = 0; i < 2; ++i) {
    auto* panel = new QLabel(StatusBar1);
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    panel->setFixedWidth(50);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusBar1->addWidget(panel);
  }
}

void TwinMain::FormCreate() {
  btnSolidPen->setChecked(true);
  btnSolidBrush->setChecked(true);
  btnSelect->setChecked(true);
}

// Tool palette and style controls as the documents read and write them.

TTool TwinMain::CurrentTool() const {
  static constexpr TTool kTools[] = {TTool::Select, TTool::Begin,     TTool::End,   TTool::Process,
                                     TTool::Ellipse, TTool::Rectangle, TTool::Arrow, TTool::Diamond,
                                     TTool::Label,   TTool::Line};
  for (size_t i = 0; i < toolButtons_.size(); ++i)
    if (toolButtons_[i]->isChecked()) return kTools[i];
  return TTool::Select;
}

void TwinMain::PushPenButton(TPenStyle style) {
  QToolButton* const buttons[] = {btnSolidPen, btnDashPen, btnDotPen, btnDashDotPen, btnDashDotDotPen, btnClearPen};
  if (style < std::size(buttons)) buttons[style]->setChecked(true);
}

void TwinMain::PushBrushButton(TBrushStyle style) {
  QToolButton* const buttons[] = {btnSolidBrush, nullptr, btnHorizontalBrush, btnVerticalBrush,
                                  btnFDiagonalBrush, btnBDiagonalBrush, btnCrossBrush, btnDiagCrossBrush};
  if (style < std::size(buttons) && buttons[style]) buttons[style]->setChecked(true);
}

void TwinMain::SetPenWidthPosition(int position) {
  QScopedValueRollback guard(showingStyle_, true);
  PenWidth->setValue(position);
}

void TwinMain::SetArrowThicknessRatePosition(int position) {
  QScopedValueRollback guard(showingStyle_, true);
  UDArrowThicknessRate->setValue(position);
}

void TwinMain::SetArrowHeadLengthRatePosition(int position) {
  QScopedValueRollback guard(showingStyle_, true);
  UDArrowHeadLengthRate->setValue(position);
}

void TwinMain::CheckArrowPosition(TArrowPosition position) {
  QAction* const items[] = {Left1, Right1, Both1};
  if (position < std::size(items)) tickedPosition_ = items[position];
  ShowTick(mnuArrowPosition, tickedPosition_);
}

void TwinMain::CheckArrowDirection(TArrowDirection direction) {
  QAction* const items[] = {TopToTop1, TopToBottom1, BottomToTop1, BottomToBottom1, LeftToLeft1, RightToRight1};
  if (direction < std::size(items)) tickedDirection_ = items[direction];
  ShowTick(mnuArrowDirection, tickedDirection_);
}

void TwinMain::SetCaptionText(const QString& text) {
  QScopedValueRollback guard(showingStyle_, true);
  edtLabel->setText(text);
}

void TwinMain::ShowTick(QMenu* menu, QAction* ticked) {
  for (QAction* item : menu->actions()) item->setChecked(item == ticked);
}

// Documents.

std::vector<TwinKedrinFile*> TwinMain::Documents() const {
  std::vector<TwinKedrinFile*> documents;
  for (QMdiSubWindow* sub : MdiArea->subWindowList(QMdiArea::CreationOrder))
    if (auto* doc = qobject_cast<TwinKedrinFile*>(sub->widget())) documents.push_back(doc);
  return documents;
}

TwinKedrinFile* TwinMain::btnNewClick() {
  auto* doc = new TwinKedrinFile(this);
  QMdiSubWindow* sub = MdiArea->addSubWindow(doc);
  sub->setWindowIcon(icons::Load(QStringLiteral("document")));
  SetCurrentDocument(doc);
  doc->SetTitle(kNoname);
  sub->resize(696, 480);
  // Cascaded below and right of the previous one so that every title stays in sight.
  const int step = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub) + 4;
  const int slot = static_cast<int>((MdiArea->subWindowList().size() - 1) % 8);
  sub->move(slot * step, slot * step);
  sub->show();
  return doc;
}

TwinKedrinFile* TwinMain::OpenFile(const QString& fileName) {
  TwinKedrinFile* doc = btnNewClick();
  QPointer<TwinKedrinFile> guard(doc);
  errors::RunCommand(this, [&] { doc->LoadFromFile(fileName); });
  return guard;
}

void TwinMain::btnOpenClick() {
  TwinKedrinFile* doc = btnNewClick();
  QPointer<TwinKedrinFile> guard(doc);
  const QString name = ExecuteOpenDialog();
  if (name.isEmpty() || !guard) return;
  errors::RunCommand(this, [&] { doc->LoadFromFile(name); });
}

void TwinMain::btnSaveClick() {
  TwinKedrinFile* doc = CurrentDocument();
  if (!doc) return;
  errors::RunCommand(this, [doc] { doc->SaveToFile(doc->Title()); });
}

void TwinMain::Saveas1Click() {
  if (TwinKedrinFile* doc = CurrentDocument()) SaveAs(doc);
}

bool TwinMain::SaveAs(TwinKedrinFile* target) {
  if (!target) return false;
  QPointer<TwinKedrinFile> guard(target);
  const QString name = ExecuteSaveAsDialog();
  if (name.isEmpty() || !guard) return false;
  bool saved = true;
  if (!errors::RunCommand(this, [&] { saved = target->SaveToFile(name); })) return false;
  // A name that is itself "Noname.kdl" went through Save As once more, which named the window.
  if (name == kNoname) return saved;
  target->SetTitle(name);
  return true;
}

void TwinMain::btnExitClick() { close(); }

void TwinMain::closeEvent(QCloseEvent* event) {
  const std::vector<TwinKedrinFile*> documents = Documents();
  for (TwinKedrinFile* doc : documents) {
    if (!doc->FormCloseQuery()) {
      event->ignore();
      return;
    }
  }
  // Every document agreed: they close without being asked again.
  for (TwinKedrinFile* doc : documents) doc->FormClose();
  for (QMdiSubWindow* sub : MdiArea->subWindowList()) delete sub;
  event->accept();
}

void TwinMain::btnCutClick() {
  if (TwinKedrinFile* doc = CurrentDocument()) errors::RunCommand(this, [doc] { doc->CutSelection(); });
}

void TwinMain::btnCopyClick() {
  if (TwinKedrinFile* doc = CurrentDocument()) errors::RunCommand(this, [doc] { doc->CopySelection(); });
}

void TwinMain::btnPasteClick() {
  if (TwinKedrinFile* doc = CurrentDocument()) errors::RunCommand(this, [doc] { doc->PasteCopies(); });
}

void TwinMain::btnPrnSetClick() {
  if (TwinKedrinFile* doc = CurrentDocument()) errors::RunCommand(this, [doc] { doc->PrintDocument(); });
}

void TwinMain::btnPrintClick() { ExecutePrinterSetupDialog(); }

void TwinMain::btnHelpClick() {
  errors::RunCommand(this, [this] { utChms::HtmlHelp(this, QStringLiteral("kedrin.chm::/aboutus.htm"), 0, 0); });
}

void TwinMain::About2Click() { ShowAboutBox(this); }

// Style controls.

void TwinMain::btnSolidPenClick(QObject* sender) {
  TwinKedrinFile* doc = CurrentDocument();
  if (!doc) return;
  const std::pair<QObject*, TPenStyle> buttons[] = {{btnSolidPen, psSolid},     {btnDashPen, psDash},
                                                    {btnDotPen, psDot},         {btnDashDotPen, psDashDot},
                                                    {btnDashDotDotPen, psDashDotDot}, {btnClearPen, psClear}};
  for (auto [button, style] : buttons) {
    if (sender == button) {
      doc->CurPenStyle = style;
      break;
    }
  }
  doc->ApplyStyleToSelection();
}

void TwinMain::btnSolidBrushClick(QObject* sender) {
  TwinKedrinFile* doc = CurrentDocument();
  if (!doc) return;
  const std::pair<QObject*, TBrushStyle> buttons[] = {
      {btnSolidBrush, bsSolid},         {btnHorizontalBrush, bsHorizontal}, {btnVerticalBrush, bsVertical},
      {btnFDiagonalBrush, bsFDiagonal}, {btnBDiagonalBrush, bsBDiagonal},   {btnCrossBrush, bsCross},
      {btnDiagCrossBrush, bsDiagCross}};
  for (auto [button, style] : buttons) {
    if (sender == button) {
      doc->CurBrushStyle = style;
      break;
    }
  }
  doc->ApplyStyleToSelection();
}

void TwinMain::ChooseColor(TColor TwinKedrinFile::*field) {
  QPointer<TwinKedrinFile> doc = CurrentDocument();
  if (!doc) return;
  TColor color = (*doc).*field;
  const bool chosen = ExecuteColorDialog(color);
  if (!doc) return;  // the document may have closed while the dialog ran
  if (chosen) (*doc).*field = color;
  doc->ApplyStyleToSelection();
}

void TwinMain::PenColorClick() { ChooseColor(&TwinKedrinFile::CurPenColor); }

void TwinMain::BrushColorClick() { ChooseColor(&TwinKedrinFile::CurBrushColor); }

void TwinMain::PenSizeChange() {
  TwinKedrinFile* doc = CurrentDocument();
  if (!doc || showingStyle_) return;
  doc->CurLineWidth = PenWidth->value();
  doc->ApplyStyleToSelection();
}

void TwinMain::edtArrowThicknessRateChange() {
  TwinKedrinFile* doc = CurrentDocument();
  if (!doc || showingStyle_) return;
  doc->CurArrowThicknessRate = UDArrowThicknessRate->value();
  doc->ApplyStyleToSelection();
}

void TwinMain::edtArrowHeadLengthRateChange() {
  TwinKedrinFile* doc = CurrentDocument();
  if (!doc || showingStyle_) return;
  doc->CurArrowHeadLengthRate = UDArrowHeadLengthRate->value();
  doc->ApplyStyleToSelection();
}

void TwinMain::ArrowPositionClick(QAction* item, TArrowPosition position) {
  // Qt has already toggled the item; the tick is ours to set, and only with a document.
  if (TwinKedrinFile* doc = CurrentDocument()) {
    doc->CurArrowPosition = position;
    doc->ApplyStyleToSelection();
    tickedPosition_ = item;
  }
  ShowTick(mnuArrowPosition, tickedPosition_);
}

void TwinMain::ArrowDirectionClick(QAction* item, TArrowDirection direction) {
  if (TwinKedrinFile* doc = CurrentDocument()) {
    doc->CurArrowDirection = direction;
    doc->ApplyStyleToSelection();
    tickedDirection_ = item;
  }
  ShowTick(mnuArrowDirection, tickedDirection_);
}

void TwinMain::btnFontSetClick() {
  QPointer<TwinKedrinFile> doc = CurrentDocument();
  if (!doc) return;
  TFontDesc font = dlgFontFont;
  const bool chosen = ExecuteFontDialog(font);
  if (chosen) dlgFontFont = font;
  if (!doc) return;
  if (chosen) doc->CurFont = font;
  doc->ApplyStyleToSelection();
}

void TwinMain::edtLabelChange() {
  TwinKedrinFile* doc = CurrentDocument();
  if (!doc || showingStyle_) return;
  doc->CurCaption = edtLabel->text().toStdString();
  doc->ApplyStyleToSelection();
}

// Dialogs.

std::unique_ptr<QFileDialog> TwinMain::MakeOpenDialog(QWidget* parent) {
  auto dialog = std::make_unique<QFileDialog>(parent);
  dialog->setObjectName(QStringLiteral("dlgOpen"));
  dialog->setAcceptMode(QFileDialog::AcceptOpen);
  dialog->setFileMode(QFileDialog::ExistingFile);
  dialog->setNameFilters({QStringLiteral("KedrinFile(*.kdl)")});
  dialog->setDefaultSuffix(QStringLiteral("kdl"));
  return dialog;
}

std::unique_ptr<QFileDialog> TwinMain::MakeSaveAsDialog(QWidget* parent) {
  auto dialog = std::make_unique<QFileDialog>(parent);
  dialog->setObjectName(QStringLiteral("dlgSaveAs"));
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setFileMode(QFileDialog::AnyFile);
  dialog->setNameFilters({QStringLiteral("KedrinFile(*.kdl)"), QStringLiteral("Bitmap File(*.bmp)"),
                          QStringLiteral("Jpeg File(*.jpg)")});
  dialog->selectNameFilter(QStringLiteral("KedrinFile(*.kdl)"));
  dialog->setDefaultSuffix(QStringLiteral("kdl"));
  // Replacing an existing file is asked first.
  dialog->setOption(QFileDialog::DontConfirmOverwrite, false);
  return dialog;
}

QString TwinMain::ExecuteOpenDialog() {
  auto dialog = MakeOpenDialog(this);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
  return QFileInfo(dialog->selectedFiles().first()).absoluteFilePath();
}

QString TwinMain::ExecuteSaveAsDialog() {
  auto dialog = MakeSaveAsDialog(this);
  if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty()) return {};
  return QFileInfo(dialog->selectedFiles().first()).absoluteFilePath();
}

bool TwinMain::ExecuteColorDialog(TColor& color) {
  QColorDialog dialog(ToQColor(color), this);
  dialog.setObjectName(QStringLiteral("dlgColor"));
  if (dialog.exec() != QDialog::Accepted) return false;
  color = FromQColor(dialog.currentColor());
  return true;
}

bool TwinMain::ExecuteFontDialog(TFontDesc& font) {
  TFontChooser dialog(this);
  dialog.SetFont(font);
  if (dialog.exec() != QDialog::Accepted) return false;
  font = dialog.Font();
  return true;
}

void TwinMain::ExecutePrinterSetupDialog() {
  QPrintDialog dialog(&printer_, this);
  dialog.setObjectName(QStringLiteral("dlgPrnSetup"));
  dialog.setWindowTitle(QStringLiteral("Print Setup"));
  dialog.exec();
}
