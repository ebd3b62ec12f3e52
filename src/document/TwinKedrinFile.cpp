#include "TwinKedrinFile.h"

#include <QCoreApplication>
#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QDir>
#include <QMdiSubWindow>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QUndoStack>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "CanvasTools.h"
#include "Diagram.h"
#include "DocumentHistory.h"
#include "Errors.h"
#include "FigureGestures.h"
#include "FileNames.h"
#include "MoveSizeTracker.h"
#include "RestackCommand.h"
#include "RestyleCommand.h"
#include "SelectionUnits.h"
#include "TextEditSession.h"
#include "Focus.h"
#include "KDTools.h"
#include "LabelFollowing.h"
#include "Questions.h"
#include "TImage.h"
#include "TScrollBox.h"
#include "ZoomMapping.h"

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

// Whether the figures are the group's members, each member at least once and nothing else. The
// members know their places in the group, so an undo's reselection of 100,000 figures needs no
// sorting to tell.
bool HoldsExactly(const TSizerList& group, const std::vector<TCustomKDTool*>& figures) {
  std::vector<bool> seen;
  seen.reserve(group.MemberCount());
  size_t distinct = 0;
  for (const TCustomKDTool* f : figures) {
    if (f->GroupFrame() != &group || f->Releasing()) return false;
    const size_t slot = f->GroupSlot();
    if (slot >= seen.size()) seen.resize(slot + 1);
    if (!seen[slot]) {
      seen[slot] = true;
      ++distinct;
    }
  }
  if (distinct == group.MemberCount()) return true;
  // Some members were not named: only members on their way out may be missing.
  return distinct == group.Members().size();
}

// Every drag step of a selection frame reaches the history of the document it lies on.
void FollowDragStep(TCustomControl* control) {
  if (auto* document = dynamic_cast<TwinKedrinFile*>(TEditListener::Of(control))) document->FollowStep();
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
  // What the window shows at 100 %, whatever the zoom: pictures, exports and printouts do not
  // depend on it.
  imgKedrin->PictureSizeSource = [this] { return scbKedrin->ViewportAtActualSize(); };
  imgKedrin->OnMouseDown = [this](TCustomControl*, TMouseButton button, TShiftState shift, int x, int y) {
    imgKedrinMouseDown(button, shift, x, y);
  };
  imgKedrin->OnMouseMove = [this](TShiftState shift, int x, int y) { imgKedrinMouseMove(shift, x, y); };
  imgKedrin->OnMouseUp = [this](TCustomControl*, TMouseButton button, TShiftState shift, int x, int y) {
    imgKedrinMouseUp(button, shift, x, y);
  };

  mnuRButton = new QMenu(this);
  mnuRButton->setObjectName(QStringLiteral("mnuRButton"));
  BringToFront1 = mnuRButton->addAction(QCoreApplication::translate("TwinKedrinFile", "BringToFront"));
  BringToFront1->setObjectName(QStringLiteral("BringToFront1"));
  SendToBack1 = mnuRButton->addAction(QCoreApplication::translate("TwinKedrinFile", "SendToBack"));
  SendToBack1->setObjectName(QStringLiteral("SendToBack1"));
  connect(BringToFront1, &QAction::triggered, this, [this] { BringToFront1Click(); });
  connect(SendToBack1, &QAction::triggered, this, [this] { SendToBack1Click(); });

  diagram_ = std::make_unique<Diagram>();
  diagram_->SetAdoptHook([this](TCustomKDTool* figure) {
    figure->SetDocumentWindow(this);
    WireFigure(figure);
  });
  diagram_->SetSelectionPresenter([this](const std::vector<TCustomKDTool*>& figures) { PresentSelection(figures); });
  scbKedrin->Surface()->SetContent(diagram_.get());
  history_ = std::make_unique<DocumentHistory>(*diagram_);
  MoveSizeTracker::SetStepObserver(FollowDragStep);
  canvasTools_ = std::make_unique<CanvasTools>(*this);
  FigureGestures::Install(*this);
  textEditing_ = std::make_unique<TextEditSession>(*Surface(), *diagram_, *history_, [this](TCustomKDTool* figure) {
    figure->SetDocumentWindow(this);
    WireFigure(figure);
  });
  connect(&history_->Stack(), &QUndoStack::indexChanged, this, [this] {
    ShowModified();
    emit ContentChanged();
  });

  focus::MarkForm(this);
  FormCreate();
}

TwinKedrinFile::~TwinKedrinFile() {
  // A drag still going (the window closed under the pointer) ends here, as a release would end it,
  // while this object still hears its end: the frame that tells it goes only with the canvas,
  // after this object is gone.
  if (Surface()->MouseGrabber()) {
    const QPointF global = QCursor::pos();
    QMouseEvent release(QEvent::MouseButtonRelease, Surface()->mapFromGlobal(global), global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(Surface(), &release);
  }
  // The frames outlive this object's fields by a moment (QWidget frees children later); a focus
  // change while the figures go must not reach the handlers bound to this window.
  for (TCustomKDTool* figure : Figures()) figure->ClearEvents();
  // Escape must not reach a tool that goes with this object.
  Surface()->OnEscape = nullptr;
  textEditing_.reset();
  history_.reset();
  scbKedrin->Surface()->SetContent(nullptr);
  diagram_.reset();
}

TCanvasSurface* TwinKedrinFile::Surface() const { return scbKedrin->Surface(); }

void TwinKedrinFile::SetTitle(const QString& title) {
  title_ = title;
  // "[*]" marks where the window shows the modified state; one in the name itself is doubled.
  QString shown = title;
  shown.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
  setWindowTitle(shown + QStringLiteral("[*]"));
  setWindowModified(Modified());
}

bool TwinKedrinFile::Modified() const { return forcedModified_ || history_->DiffersFromSaved(); }

void TwinKedrinFile::SetModified(bool modified) {
  forcedModified_ = modified;
  if (!modified) history_->MarkSaved();
  ShowModified();
}

void TwinKedrinFile::SetReadIncompletely(bool value) { readIncompletely_ = value; }

void TwinKedrinFile::ShowModified() {
  const bool modified = Modified();
  setWindowModified(modified);
  emit ModifiedChanged(modified);
}

QUndoStack* TwinKedrinFile::UndoStack() const { return &history_->Stack(); }

void TwinKedrinFile::Undo() { history_->Undo(); }

void TwinKedrinFile::Redo() { history_->Redo(); }

std::vector<TCustomKDTool*> TwinKedrinFile::Figures() const { return diagram_->Figures(); }

void TwinKedrinFile::FormCreate() {
  forcedModified_ = false;
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
  // A text being typed is part of the diagram that may be saved.
  textEditing_->Commit();
  if (!Modified()) return true;
  // The question is about this document: it comes to the front first.
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    if (QMdiArea* area = sub->mdiArea(); area && area->activeSubWindow() != sub) area->setActiveSubWindow(sub);
    sub->raise();
  } else {
    raise();
    activateWindow();
  }
  // The first line as it always was; the second says which document is meant.
  const QString question =
      QCoreApplication::translate("TwinKedrinFile", "File has been changed, save or not?\n%1").arg(QDir::toNativeSeparators(Title()));
  switch (questions::AskYesNoCancel(this, question)) {
    case questions::TAnswer::No: return true;
    case questions::TAnswer::Cancel: return false;
    case questions::TAnswer::Yes: break;
  }
  // Yes closes only once the diagram is safely in a diagram file: a never-saved document or one
  // named after an exported picture is asked for a name first, and a cancelled or failed save
  // keeps the window open.
  const QString title = Title();
  if (title == filenames::kUntitled || filenames::KindOf(title) != filenames::SaveKind::Diagram ||
      readIncompletely_) {
    if (!mainWindow_ || !mainWindow_->SaveAs(this)) return false;
  } else if (!errors::RunCommand(this, [&] { SaveToFile(title); })) {
    return false;
  }
  return !Modified();
}

bool TwinKedrinFile::DragInProgress() const {
  return CanvasDragInProgress() || Surface()->MouseGrabber() || history_->EditOpen();
}

void TwinKedrinFile::FormClose() {
  emit Closed();
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
  if (qobject_cast<TKDArrow*>(figure)) {
    SavedArrowPosition = CurArrowPosition;
    SavedArrowDirection = CurArrowDirection;
    SavedArrowThicknessRate = CurArrowThicknessRate;
    SavedArrowHeadLengthRate = CurArrowHeadLengthRate;
  }
  ShowSelectedStyle(figure);
}

void TwinKedrinFile::ShowSelectedStyle(TCustomKDTool* figure) {
  CurPenColor = figure->LineColor();
  CurBrushColor = figure->FillColor();
  CurPenStyle = figure->LineStyle();
  CurBrushStyle = figure->FillStyle();
  CurLineWidth = figure->LineWidth();
  CurFont = figure->Font();
  CurCaption = figure->Caption();

  if (auto* arrow = qobject_cast<TKDArrow*>(figure)) {
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
  // The press point is in the figure's canvas pixels.
  mnuRButton->popup(figure->mapToGlobal(QPoint(zoommap::ToWidget(x, figure->Zoom()), zoommap::ToWidget(y, figure->Zoom()))));
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

void TwinKedrinFile::GiveStyleItem(TCustomKDTool* figure, TStyleItem item) const {
  auto* arrow = qobject_cast<TKDArrow*>(figure);
  switch (item) {
    case TStyleItem::PenStyle: figure->SetLineStyle(CurPenStyle); break;
    case TStyleItem::PenColor: figure->SetLineColor(CurPenColor); break;
    case TStyleItem::BrushStyle: figure->SetFillStyle(CurBrushStyle); break;
    case TStyleItem::BrushColor: figure->SetFillColor(CurBrushColor); break;
    case TStyleItem::LineWidth: figure->SetLineWidth(CurLineWidth); break;
    case TStyleItem::Font: figure->SetFont(CurFont); break;
    case TStyleItem::Caption: figure->SetCaption(CurCaption); break;
    case TStyleItem::ArrowPosition:
      if (arrow) arrow->SetArrowPosition(CurArrowPosition);
      break;
    case TStyleItem::ArrowDirection:
      if (arrow) arrow->SetArrowDirection(CurArrowDirection);
      break;
    case TStyleItem::ArrowThickness:
      if (arrow) arrow->SetArrowThicknessRate(ToRate(CurArrowThicknessRate));
      break;
    case TStyleItem::ArrowHeadLength:
      if (arrow) arrow->SetArrowHeadLengthRate(ToRate(CurArrowHeadLengthRate));
      break;
    case TStyleItem::All: break;
  }
}

void TwinKedrinFile::ApplyStyleToSelection(TStyleItem item) {
  std::vector<TCustomKDTool*> selected;
  for (TCustomKDTool* figure : Figures())
    if (figure->HaveFocused()) selected.push_back(figure);
  if (selected.empty()) {
    KeepDrawingStyle(*this);
    return;
  }
  // A group member keeps everything but the item the control edits: labels keep their captions
  // when the group's pen changes.
  const bool oneItem = item != TStyleItem::All && GroupSelected();
  // The font and the text colour of a shape are its text's: its text takes them along.
  std::vector<TCustomKDTool*> texts;
  if (item == TStyleItem::Font && selectionunits::On())
    for (TCustomKDTool* figure : selected)
      if (TCustomKDTool* text = selectionunits::TextOf(FigureSet(), figure)) texts.push_back(text);
  std::vector<TFigureStyle> before;
  before.reserve(selected.size() + texts.size());
  for (TCustomKDTool* figure : selected) before.push_back(TFigureStyle::Of(*figure));
  for (TCustomKDTool* text : texts) before.push_back(TFigureStyle::Of(*text));
  for (TCustomKDTool* figure : selected) {
    if (oneItem) {
      GiveStyleItem(figure, item);
      figure->Redraw();
      continue;
    }
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
  for (TCustomKDTool* text : texts) {
    text->SetFont(CurFont);
    text->Redraw();
  }
  selected.insert(selected.end(), texts.begin(), texts.end());
  std::vector<RestyleCommand::Change> changes;
  Diagram& set = FigureSet();
  for (size_t i = 0; i < selected.size(); ++i) {
    TFigureStyle after = TFigureStyle::Of(*selected[i]);
    if (!(after == before[i])) changes.push_back({set.IdOf(selected[i]), before[i], after});
  }
  if (!changes.empty())
    history_->Push(new RestyleCommand(set, item, std::move(changes), item == TStyleItem::Caption ? captionBurst_ : 0));
}

namespace {
// What Bring to Front and Send to Back move: the selected figures, and with units on their texts,
// which stay above their shapes.
std::vector<TCustomKDTool*> Restacked(TwinKedrinFile& d) {
  std::vector<TCustomKDTool*> selected = d.SelectedFigures();
  if (!selectionunits::On()) return selected;
  std::vector<TCustomKDTool*> with;
  for (TCustomKDTool* f : selected) {
    with.push_back(f);
    if (TCustomKDTool* text = selectionunits::TextOf(d.FigureSet(), f)) with.push_back(text);
  }
  std::sort(with.begin(), with.end(), [&](const TCustomKDTool* a, const TCustomKDTool* b) {
    return d.FigureSet().StackIndexOf(a) < d.FigureSet().StackIndexOf(b);
  });
  with.erase(std::unique(with.begin(), with.end()), with.end());
  return with;
}

// The figures' places in the stacking order, bottom first.
std::vector<Diagram::Move> PlacesOf(TwinKedrinFile& d, const std::vector<TCustomKDTool*>& figures) {
  std::vector<Diagram::Move> places;
  for (TCustomKDTool* f : figures) places.push_back({d.FigureSet().IdOf(f), d.FigureSet().StackIndexOf(f)});
  std::sort(places.begin(), places.end(), [](const Diagram::Move& x, const Diagram::Move& y) { return x.index < y.index; });
  return places;
}

void RecordRestack(TwinKedrinFile& d, const std::vector<TCustomKDTool*>& figures, std::vector<Diagram::Move> before,
                   const char* text) {
  std::vector<Diagram::Move> after = PlacesOf(d, figures);
  bool moved = false;
  for (size_t i = 0; i < before.size() && i < after.size(); ++i) moved = moved || before[i].index != after[i].index;
  if (!moved) return;
  d.History().Push(new RestackCommand(d.FigureSet(), std::move(before), std::move(after), QCoreApplication::translate("Undo", text)));
}
}  // namespace

void TwinKedrinFile::BringToFront1Click() {
  const std::vector<TCustomKDTool*> figures = Restacked(*this);
  std::vector<Diagram::Move> before = PlacesOf(*this, figures);
  for (TCustomKDTool* figure : figures) figure->raise();
  RecordRestack(*this, figures, std::move(before), QT_TRANSLATE_NOOP("Undo", "Bring to Front"));
}

void TwinKedrinFile::SendToBack1Click() {
  const std::vector<TCustomKDTool*> figures = Restacked(*this);
  std::vector<Diagram::Move> before = PlacesOf(*this, figures);
  // Lowered from the top down, units keep their order (a text stays on its shape); the figures
  // of a selection alone go to the bottom one after another, as they always have.
  if (selectionunits::On()) {
    for (auto it = figures.rbegin(); it != figures.rend(); ++it) (*it)->lower();
  } else {
    for (TCustomKDTool* figure : figures) figure->lower();
  }
  RecordRestack(*this, figures, std::move(before), QT_TRANSLATE_NOOP("Undo", "Send to Back"));
}

bool TwinKedrinFile::GroupSelected() const {
  // A group's frame lies over its members, the topmost frame.
  const std::vector<TCustomControl*>& frames = Surface()->Overlay().Ordered();
  for (auto it = frames.rbegin(); it != frames.rend(); ++it) {
    if (auto* group = dynamic_cast<TSizerList*>(*it); group && !group->Releasing()) return true;
    if (dynamic_cast<TSizer*>(*it) && static_cast<TSizer*>(*it)->SelectStatus() == ssMultiSelect) continue;
    if (dynamic_cast<TSizer*>(*it)) return false;
  }
  return false;
}

void TwinKedrinFile::PresentSelection(const std::vector<TCustomKDTool*>& given) {
  // A shape's text is never selected apart from its shape: the shape stands for both.
  // Most selections stand for themselves: they are taken as given, not copied.
  std::vector<TCustomKDTool*> heads;
  const bool own = !selectionunits::On() || selectionunits::AreTheirOwnHeads(*diagram_, given);
  if (!own) heads = selectionunits::Heads(*diagram_, given);
  const std::vector<TCustomKDTool*>& figures = own ? given : heads;
  TCanvasSurface* surface = Surface();
  // The selection in place, if it is exactly these figures, only needs its frames laid again.
  TSizerList* group = nullptr;
  TSizer* single = nullptr;
  for (TCustomControl* c : surface->Overlay().Ordered()) {
    if (c->Releasing()) continue;
    if (auto* g = dynamic_cast<TSizerList*>(c)) group = g;
    else if (auto* s = dynamic_cast<TSizer*>(c); s && s->SelectStatus() == ssSingleSelect) single = s;
  }
  if (group && figures.size() > 1 && HoldsExactly(*group, figures)) {
    group->FitToTargets();
    return;
  }
  if (single && !group && figures.size() == 1 && single->Target() == figures.front()) {
    single->FitToTarget();
    ShowSelectedStyle(figures.front());
    return;
  }
  focus::SetFocus(surface);
  if (figures.empty()) return;
  if (figures.size() == 1) {
    TCustomKDTool* f = figures.front();
    new TSizer(this, f, f->DefaultWidth(), f->DefaultHeight());
    SendMessage(f, WM_SELECOMP);
    return;
  }
  SelectGroup(figures);
}

TSizerList* TwinKedrinFile::SelectGroup(const std::vector<TCustomKDTool*>& figures) {
  if (figures.empty()) return nullptr;
  // The group frame marks its members itself and takes the focus.
  auto* group = new TSizerList(this, 30, 30);
  group->SetMembers(figures);
  return group;
}
