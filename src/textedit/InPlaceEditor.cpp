#include "InPlaceEditor.h"

#include <QAbstractTextDocumentLayout>
#include <QContextMenuEvent>
#include <QMenu>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <cmath>

#include "Focus.h"
#include "QtConvert.h"
#include "SpellHighlighter.h"

TInPlaceEditor::TInPlaceEditor(QWidget* canvas) : QTextEdit(canvas) {
  setObjectName(QStringLiteral("edtFigureText"));
  setAcceptRichText(false);
  setLineWrapMode(QTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WordWrap);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  document()->setDocumentMargin(0);
  QTextOption option = document()->defaultTextOption();
  option.setAlignment(Qt::AlignHCenter);
  option.setWrapMode(QTextOption::WordWrap);
  document()->setDefaultTextOption(option);
  // A form of its own: the document's selection stays while the field has the focus, and ends
  // only as the user's next press on the canvas decides.
  focus::MarkForm(this);
  spelling_ = new SpellHighlighter(this);
}

void TInPlaceEditor::SetCanvasFont(const TFontDesc& font, double zoom) {
  QFont f = ToQFont(font);
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(f.pixelSize() * zoom))));
  setFont(f);
  document()->setDefaultFont(f);
  QPalette p = palette();
  p.setColor(QPalette::Text, ToQColor(font.color));
  setPalette(p);
}

void TInPlaceEditor::SetAlignment(Qt::Alignment alignment) {
  QTextOption option = document()->defaultTextOption();
  option.setAlignment(alignment);
  document()->setDefaultTextOption(option);
}

QString TInPlaceEditor::Text() const { return toPlainText(); }

int TInPlaceEditor::ContentHeight() const {
  return static_cast<int>(std::ceil(document()->documentLayout()->documentSize().height()));
}

bool TInPlaceEditor::event(QEvent* event) {
  // Keys that type are the field's, before any menu's shortcut: Delete, Enter, plain letters.
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    // F1 (help), F2 (edit text) and F7 (check spelling) stay the menus'.
    if (mods == Qt::NoModifier && key->key() != Qt::Key_F1 && key->key() != Qt::Key_F2 && key->key() != Qt::Key_F7) {
      event->accept();
      return true;
    }
  }
  return QTextEdit::event(event);
}

void TInPlaceEditor::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (event->modifiers() & Qt::ShiftModifier) {
        textCursor().insertBlock();
      } else {
        Finish(true);
      }
      return;
    case Qt::Key_Escape:
      Finish(false);
      return;
    default:
      QTextEdit::keyPressEvent(event);
  }
}

void TInPlaceEditor::mousePressEvent(QMouseEvent* event) {
  QTextEdit::mousePressEvent(event);
  // A press on the field is the field's, whatever the button: passed on, a right press would
  // reach the figure under the field, take the focus from it (ending the typing) and open the
  // figure's menu instead of the field's.
  event->accept();
}

void TInPlaceEditor::focusOutEvent(QFocusEvent* event) {
  QTextEdit::focusOutEvent(event);
  // A menu or another window taking the focus for a moment is no click elsewhere.
  if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason) return;
  Finish(true);
}

std::unique_ptr<QMenu> TInPlaceEditor::ContextMenuAt(const QPoint& pos) {
  std::unique_ptr<QMenu> menu(createStandardContextMenu(pos));
  spelling_->AddSpellingActions(menu.get(), cursorForPosition(pos));
  return menu;
}

void TInPlaceEditor::contextMenuEvent(QContextMenuEvent* event) {
  const std::unique_ptr<QMenu> menu = ContextMenuAt(event->pos());
  menu->exec(event->globalPos());
}

void TInPlaceEditor::Finish(bool commit) {
  if (finished_) return;
  finished_ = true;
  if (commit) emit Committed();
  else emit Cancelled();
}
