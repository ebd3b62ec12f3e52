#pragma once
#include <QTextEdit>
#include <memory>

#include "FontDesc.h"

// The text field laid over a figure while its text is typed: the figure's font at the canvas's
// zoom, lines centred and broken at words as the canvas draws them. Enter ends the typing
// (Committed), Shift+Enter starts a new line, Escape gives up (Cancelled), and the focus going
// elsewhere in the window ends it as Enter does. Misspelled words are underlined, and the context
// menu offers their suggestions.
class SpellHighlighter;
class QMenu;

class TInPlaceEditor : public QTextEdit {
  Q_OBJECT
 public:
  explicit TInPlaceEditor(QWidget* canvas);

  // The font as the canvas draws it, scaled to the zoom.
  void SetCanvasFont(const TFontDesc& font, double zoom);
  // How the lines lie across the field (centred unless told otherwise).
  void SetAlignment(Qt::Alignment alignment);
  // The typed text, its lines separated by "\n".
  QString Text() const;
  // The height the text takes in the field, in widget pixels.
  int ContentHeight() const;
  // Nothing more is reported once Committed or Cancelled was.
  bool Finished() const { return finished_; }
  SpellHighlighter* Spelling() const { return spelling_; }
  // The context menu at the point (widget pixels): the field's own, with the spelling of the
  // word there first.
  std::unique_ptr<QMenu> ContextMenuAt(const QPoint& pos);

 signals:
  void Committed();
  void Cancelled();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void Finish(bool commit);
  bool finished_ = false;
  SpellHighlighter* spelling_ = nullptr;
};
