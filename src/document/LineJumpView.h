#pragma once
#include <QObject>
#include <QRect>

#include "DiagramObserver.h"

class QPainter;
class TwinKedrinFile;

// The hops of View > Line Jumps on a document's canvas: drawn over the figures and beneath the
// frames while the program shows line jumps, repainted where a line or arrow moves or changes
// (a hop stands out of the boxes of both lines it sits between).
class LineJumpView : public QObject, public DiagramObserver {
  Q_OBJECT
 public:
  // The document's view, made on first call; it lives as long as the document.
  static LineJumpView* Install(TwinKedrinFile& document);
  ~LineJumpView() override;
  // Turns line jumps on or off for the whole program and repaints every document's canvas.
  static void Show(bool on);

  void DiagramChanged(const DiagramChange& change) override;

 private:
  explicit LineJumpView(TwinKedrinFile& document);
  void Paint(QPainter& painter, const QRect& exposed);

  TwinKedrinFile& document_;
};
