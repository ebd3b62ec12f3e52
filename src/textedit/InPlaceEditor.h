#pragma once
#include <QTextEdit>

#include "FontDesc.h"

// The text field laid over a figure while its text is typed: the figure's font at the canvas's
// zoom, lines centred and broken at words as the canvas draws them. Enter ends the typing
// (Committed), Shift+Enter starts a new line, Escape gives up (Cancelled), and the focus going
// elsewhere in the window ends it as Enter does.
class TInPlaceEditor : public QTextEdit {
  Q_OBJECT
 public:
  explicit TInPlaceEditor(QWidget* canvas);

  // The font as the canvas draws it, scaled to the zoom.
  void SetCanvasFont(const TFontDesc& font, double zoom);
  // The typed text, its lines separated by "\n".
  QString Text() const;
  // The height the text takes in the field, in widget pixels.
  int ContentHeight() const;
  // Nothing more is reported once Committed or Cancelled was.
  bool Finished() const { return finished_; }

 signals:
  void Committed();
  void Cancelled();

 protected:
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void Finish(bool commit);
  bool finished_ = false;
};
