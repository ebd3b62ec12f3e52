// The tool palette and the style controls: what the documents read from them and write into them,
// and the handlers that write one item of the current document's style and apply it.
#include "TwinMain.h"

#include <QAction>
#include <QButtonGroup>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QScopedValueRollback>
#include <QToolBar>
#include <QToolButton>

#include "ToolChoice.h"
#include "TUpDownEdit.h"
#include "TwinKedrinFile.h"

// Tool palette and style controls as the documents read and write them.

TTool TwinMain::CurrentTool() const { return toolChoice_->Current(); }

std::optional<TTool> TwinMain::ToolOfButton(const QAbstractButton& button) const {
  static constexpr TTool kTools[] = {TTool::Select, TTool::Begin,     TTool::End,   TTool::Process,
                                     TTool::Ellipse, TTool::Rectangle, TTool::Arrow, TTool::Diamond,
                                     TTool::Label,   TTool::Line};
  for (size_t i = 0; i < toolButtons_.size(); ++i)
    if (toolButtons_[i] == &button) return kTools[i];
  // The connector tool joins the palette after the window's own buttons (InstallConnectorTool).
  if (button.objectName() == QLatin1String("btnConnector")) return TTool::Connector;
  return std::nullopt;
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
  if (TwinKedrinFile* doc = CurrentDocument()) doc->StartCaptionBurst();
  edtLabel->setText(text);
}

void TwinMain::ShowTick(QMenu* menu, QAction* ticked) {
  for (QAction* item : menu->actions()) item->setChecked(item == ticked);
}

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
  doc->ApplyStyleToSelection(TStyleItem::PenStyle);
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
  doc->ApplyStyleToSelection(TStyleItem::BrushStyle);
}

void TwinMain::ChooseColor(TColor TwinKedrinFile::*field, TStyleItem item) {
  QPointer<TwinKedrinFile> doc = CurrentDocument();
  if (!doc) return;
  TColor color = (*doc).*field;
  const bool chosen = ExecuteColorDialog(color);
  if (!doc) return;  // the document may have closed while the dialog ran
  if (chosen) (*doc).*field = color;
  doc->ApplyStyleToSelection(item);
}

void TwinMain::PenColorClick() { ChooseColor(&TwinKedrinFile::CurPenColor, TStyleItem::PenColor); }

void TwinMain::BrushColorClick() { ChooseColor(&TwinKedrinFile::CurBrushColor, TStyleItem::BrushColor); }

void TwinMain::PenSizeChange() {
  TwinKedrinFile* doc = CurrentDocument();
  if (!doc || showingStyle_) return;
  doc->CurLineWidth = PenWidth->value();
  doc->ApplyStyleToSelection(TStyleItem::LineWidth);
}

void TwinMain::edtArrowThicknessRateChange() {
  TwinKedrinFile* doc = CurrentDocument();
  if (!doc || showingStyle_) return;
  doc->CurArrowThicknessRate = UDArrowThicknessRate->value();
  doc->ApplyStyleToSelection(TStyleItem::ArrowThickness);
}

void TwinMain::edtArrowHeadLengthRateChange() {
  TwinKedrinFile* doc = CurrentDocument();
  if (!doc || showingStyle_) return;
  doc->CurArrowHeadLengthRate = UDArrowHeadLengthRate->value();
  doc->ApplyStyleToSelection(TStyleItem::ArrowHeadLength);
}

void TwinMain::ArrowPositionClick(QAction* item, TArrowPosition position) {
  // Qt has already toggled the item; the tick is ours to set, and only with a document.
  if (TwinKedrinFile* doc = CurrentDocument()) {
    doc->CurArrowPosition = position;
    doc->ApplyStyleToSelection(TStyleItem::ArrowPosition);
    tickedPosition_ = item;
  }
  ShowTick(mnuArrowPosition, tickedPosition_);
}

void TwinMain::ArrowDirectionClick(QAction* item, TArrowDirection direction) {
  if (TwinKedrinFile* doc = CurrentDocument()) {
    doc->CurArrowDirection = direction;
    doc->ApplyStyleToSelection(TStyleItem::ArrowDirection);
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
  doc->ApplyStyleToSelection(TStyleItem::Font);
}

void TwinMain::edtLabelChange() {
  TwinKedrinFile* doc = CurrentDocument();
  if (!doc || showingStyle_) return;
  doc->CurCaption = edtLabel->text().toStdString();
  doc->ApplyStyleToSelection(TStyleItem::Caption);
}
