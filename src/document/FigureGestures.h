#pragma once
#include <QObject>
#include <QPoint>

class QKeyEvent;
class QMouseEvent;
class TControlCanvas;
class TCustomKDTool;
class TwinKedrinFile;

// What a document's canvas does with the presses and keys desktop editors give meaning to, while
// View > Keep Connectors and Labels Attached is on and the select tool is chosen: Shift+click and
// Ctrl+click add a figure to the selection or take it out, Shift+band adds what the band encloses,
// a double click types the text of what is under the pointer, and Enter or a printable key types
// the text of the one figure selected. Everything else goes on to the canvas as always.
class FigureGestures : public QObject {
  Q_OBJECT
 public:
  // Watches the document's canvas; owned by the document.
  static void Install(TwinKedrinFile& document);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  explicit FigureGestures(TwinKedrinFile& document);
  bool Active() const;
  bool Press(const QMouseEvent& event);
  bool DoubleClick(const QMouseEvent& event);
  bool Key(const QKeyEvent& event);

  TwinKedrinFile& document_;
  // The canvas watched, known apart from the document: events still come while the document's
  // window is being taken down, when it must no longer be asked.
  QObject* surface_ = nullptr;
};

// The figure a press at the point (widget pixels of the canvas) reaches, looking through the
// selection frames (TControlCanvas::ContentAt); none over the empty canvas.
TCustomKDTool* FigureAt(const TControlCanvas& canvas, QPoint widgetPoint);
