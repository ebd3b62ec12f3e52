#include "TwinKedrinFile.h"

#include <QAction>
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenu>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "Errors.h"
#include "FileNames.h"
#include "Focus.h"
#include "KDTools.h"
#include "Questions.h"
#include "TImage.h"
#include "TScrollBox.h"

namespace {

// Arrows hold their rates as 16-bit values.
uint16_t ToRate(int32_t value) {
  return static_cast<uint16_t>(std::clamp<int32_t>(value, 0, std::numeric_limits<uint16_t>::max()));
}

// With nothing selected the current style is the drawing style, and the saved copy is kept
// equal to it: a deselection that was not preceded by a selection of its own (the members of a
// rubber band) then restores the drawing style instead of a stale or zero one.
void KeepDrawingStyle(TwinKedrinFile& d) {
  d.SavedPenColor = d.CurPenColor;
  d.SavedBrushColor = d.CurBrushColor;
  d.SavedPenStyle = d.CurPenStyle;
  d.SavedBrushStyle = d.CurBrushStyle;
  d.SavedLineWidth = d.CurLineWidth;
  d.SavedArrowPosition = d.CurArrowPosition;
  d.SavedArrowDirection = d.CurArrowDirection;
  d.SavedArrowThicknessRate = d.CurArrowThicknessRate;
  d.SavedArrowHeadLengthRate = d.CurArrowHeadLengthRate;
  d.SavedFont = d.CurFont;
  d.SavedCaption = d.CurCaption;
}

}  // namespace

TwinKedrinFile::TwinKedrinFile(TMainWindowLink* mainWindow, QWidget* parent)
    : QWidget(parent), mainWindow_(mainWindow) {
  setObjectName(QStringLiteral("winKedrinFile"));
  resize(688, 453);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  scbKedrin = new TScrollBox(this);
  scbKedrin->setObjectName(QStringLiteral("scbKedrin"));
  scbKedrin->SetColor(clInfoBk);
  scbKedrin->resize(688, 453);
  layout->addWidget(scbKedrin);

  imgKedrin = new TImage(scbKedrin->Surface());
  imgKedrin->setObjectName(QStringLiteral("imgKedrin"));
  imgKedrin->PictureSizeSource = [this] { return scbKedrin->viewport()->size(); };
  imgKedrin->OnMouseDown = [this](TCustomControl*, TMouseButton button, TShiftState shift, int x, int y) {
    imgKedrinMouseDown(button, shift, x, y);
  };
  imgKedrin->OnMouseMove = [this](TShiftState shift, int x, int y) { imgKedrinMouseMove(shift, x, y); };
  imgKedrin->OnMouseUp = [this](TCustomControl*, TMouseButton button, TShiftState shift, int x, int y) {
    imgKedrinMouseUp(button, shift, x, y);
  };

  mnuRButton = new QMenu(this);
  mnuRButton->setObjectName(QStringLiteral("mnuRButton"));
  BringToFront1 = mnuRButton->addAction(QStringLiteral("BringToFront"));
  BringToFront1->setObjectName(QStringLiteral("BringToFront1"));
  SendToBack1 = mnuRButton->addAction(QStringLiteral("SendToBack"));
  SendToBack1->setObjectName(QStringLiteral("SendToBack1"));
  connect(BringToFront1, &QAction::triggered, this, [this] { BringToFront1Click(); });
  connect(SendToBack1, &QAction::triggered, this, [this] { SendToBack1Click(); });

  focus::MarkForm(this);
  FormCreate();
}

TwinKedrinFile::~TwinKedrinFile() {
  // The figures outlive this object's fields by a moment (QWidget frees children later); a focus
  // change while they go must not reach the handlers bound to this window.
  for (TCustomKDTool* figure : Figures()) figure->ClearEvents();
}

TCanvasSurface* TwinKedrinFile::Surface() const { return scbKedrin->Surface(); }

QString TwinKedrinFile::Title() const { return windowTitle(); }

void TwinKedrinFile::SetTitle(const QString& title) { setWindowTitle(title); }

std::vector<TCustomKDTool*> TwinKedrinFile::Figures() const {
  std::vector<TCustomKDTool*> figures;
  const QObjectList& children = Surface()->children();
  figures.reserve(static_cast<size_t>(children.size()));
  for (QObject* child : children)
    if (auto* figure = qobject_cast<TCustomKDTool*>(child)) figures.push_back(figure);
  return figures;
}

void TwinKedrinFile::FormCreate() {
  Modified = false;
  CurPenColor = clBlack;
  CurBrushColor = clWhite;
  CurPenStyle = psSolid;
  CurBrushStyle = bsSolid;
  CurLineWidth = 2;
  CurArrowPosition = apLeft;
  CurArrowDirection = adTopToTop;
  CurArrowThicknessRate = 0;
  CurArrowHeadLengthRate = 0;
  CurFont = TFontDesc();
  CurCaption.clear();
  KeepDrawingStyle(*this);
}

void TwinKedrinFile::FormActivate() {
  if (!mainWindow_) return;
  mainWindow_->SetCurrentDocument(this);
  if (!KeyHookInstalled()) InstallKeyHook(mainWindow_);
}

bool TwinKedrinFile::FormCloseQuery() {
  if (!Modified) return true;
  switch (questions::AskYesNoCancel(this, QStringLiteral("File has been changed, save or not?"))) {
    case questions::TAnswer::No: return true;
    case questions::TAnswer::Cancel: return false;
    case questions::TAnswer::Yes: break;
  }
  // Yes closes only once the diagram is safely in a diagram file: a never-saved document or one
  // named after an exported picture is asked for a name first, and a cancelled or failed save
  // keeps the window open.
  const QString title = Title();
  if (title == filenames::kUntitled || filenames::Extension(title) != filenames::kDiagramExt) {
    if (!mainWindow_ || !mainWindow_->SaveAs(this)) return false;
  } else if (!errors::RunCommand(this, [&] { SaveToFile(title); })) {
    return false;
  }
  return !Modified;
}

void TwinKedrinFile::FormClose() {
  RemoveKeyHook();
  if (mainWindow_ && mainWindow_->CurrentDocument() == this) mainWindow_->SetCurrentDocument(nullptr);
}

void TwinKedrinFile::closeEvent(QCloseEvent* event) {
  if (!FormCloseQuery()) {
    event->ignore();
    return;
  }
  FormClose();
  event->accept();
}

bool TwinKedrinFile::event(QEvent* event) {
  switch (event->type()) {
    case QEvent::ParentChange:
      // Inside the main window's multiple-document area the window's frame is the subwindow;
      // its activation is this document's activation.
      if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
          sub && !sub->property("kedrinDocumentFrame").toBool()) {
        sub->setProperty("kedrinDocumentFrame", true);
        connect(sub, &QMdiSubWindow::windowStateChanged, this,
                [this](Qt::WindowStates before, Qt::WindowStates now) {
                  if ((now & Qt::WindowActive) && !(before & Qt::WindowActive)) FormActivate();
                });
      }
      break;
    case QEvent::WindowActivate:
      if (isWindow()) FormActivate();
      break;
    default:
      break;
  }
  return QWidget::event(event);
}

void TwinKedrinFile::WireFigure(TCustomKDTool* figure) {
  if (!figure) return;
  figure->OnSeleComp = [this](TCustomKDTool* sender) { ToolSeleComp(sender); };
  figure->OnExit = [this](TCustomKDTool* sender) { ToolExit(sender); };
  figure->OnMouseDown = [this, figure](TCustomControl*, TMouseButton button, TShiftState shift, int x, int y) {
    ToolMouseDown(figure, button, shift, x, y);
  };
}

void TwinKedrinFile::ToolSeleComp(TCustomKDTool* figure) {
  SavedPenColor = CurPenColor;
  SavedBrushColor = CurBrushColor;
  SavedPenStyle = CurPenStyle;
  SavedBrushStyle = CurBrushStyle;
  SavedLineWidth = CurLineWidth;
  SavedFont = CurFont;
  SavedCaption = CurCaption;

  CurPenColor = figure->LineColor();
  CurBrushColor = figure->FillColor();
  CurPenStyle = figure->LineStyle();
  CurBrushStyle = figure->FillStyle();
  CurLineWidth = figure->LineWidth();
  CurFont = figure->Font();
  CurCaption = figure->Caption();

  if (auto* arrow = qobject_cast<TKDArrow*>(figure)) {
    SavedArrowPosition = CurArrowPosition;
    SavedArrowDirection = CurArrowDirection;
    SavedArrowThicknessRate = CurArrowThicknessRate;
    SavedArrowHeadLengthRate = CurArrowHeadLengthRate;
    CurArrowPosition = arrow->ArrowPosition();
    CurArrowDirection = arrow->ArrowDirection();
    CurArrowThicknessRate = arrow->ArrowThicknessRate();
    CurArrowHeadLengthRate = arrow->ArrowHeadLengthRate();
  }
  ShowStyleInMainWindow();
}

void TwinKedrinFile::ToolExit(TCustomKDTool* figure) {
  CurPenColor = SavedPenColor;
  CurBrushColor = SavedBrushColor;
  CurPenStyle = SavedPenStyle;
  CurBrushStyle = SavedBrushStyle;
  CurLineWidth = SavedLineWidth;
  CurFont = SavedFont;
  CurCaption = SavedCaption;
  if (qobject_cast<TKDArrow*>(figure)) {
    CurArrowPosition = SavedArrowPosition;
    CurArrowDirection = SavedArrowDirection;
    CurArrowThicknessRate = SavedArrowThicknessRate;
    CurArrowHeadLengthRate = SavedArrowHeadLengthRate;
  }
}

void TwinKedrinFile::ToolMouseDown(TCustomKDTool* figure, TMouseButton button, TShiftState, int x, int y) {
  if (button != mbRight || !figure) return;
  // Mapped through the figure itself, the point stays under the pointer on a scrolled canvas.
  mnuRButton->popup(figure->mapToGlobal(QPoint(x, y)));
}

void TwinKedrinFile::ShowStyleInMainWindow() {
  if (!mainWindow_) return;
  mainWindow_->PushBrushButton(CurBrushStyle);
  mainWindow_->PushPenButton(CurPenStyle);
  mainWindow_->SetPenWidthPosition(CurLineWidth);
  mainWindow_->SetArrowThicknessRatePosition(CurArrowThicknessRate);
  mainWindow_->SetArrowHeadLengthRatePosition(CurArrowHeadLengthRate);
  mainWindow_->CheckArrowPosition(CurArrowPosition);
  mainWindow_->CheckArrowDirection(CurArrowDirection);
  mainWindow_->SetCaptionText(QString::fromStdString(CurCaption));
}

void TwinKedrinFile::GiveDrawingStyle(TCustomKDTool* figure) const {
  figure->SetLineColor(CurPenColor);
  figure->SetFillColor(CurBrushColor);
  figure->SetLineStyle(CurPenStyle);
  figure->SetFillStyle(CurBrushStyle);
  figure->SetLineWidth(CurLineWidth);
  figure->SetFont(CurFont);
}

void TwinKedrinFile::ApplyStyleToSelection() {
  bool anySelected = false;
  for (TCustomKDTool* figure : Figures()) {
    if (!figure->HaveFocused()) continue;
    anySelected = true;
    GiveDrawingStyle(figure);
    figure->SetCaption(CurCaption);
    figure->Redraw();
    if (auto* arrow = qobject_cast<TKDArrow*>(figure)) {
      arrow->SetArrowPosition(CurArrowPosition);
      arrow->SetArrowDirection(CurArrowDirection);
      arrow->SetArrowThicknessRate(ToRate(CurArrowThicknessRate));
      arrow->SetArrowHeadLengthRate(ToRate(CurArrowHeadLengthRate));
    }
  }
  if (!anySelected) KeepDrawingStyle(*this);
}

void TwinKedrinFile::BringToFront1Click() {
  for (TCustomKDTool* figure : Figures())
    if (figure->HaveFocused()) figure->raise();
}

void TwinKedrinFile::SendToBack1Click() {
  for (TCustomKDTool* figure : Figures())
    if (figure->HaveFocused()) figure->lower();
  imgKedrin->lower();
}
