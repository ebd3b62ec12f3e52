#pragma once
#include <QObject>

class TwinKedrinFile;

// With a drawing tool chosen (and View > Keep Connectors and Labels Attached on), a left press on
// a figure draws as a press on the empty canvas would, so that text and arrows can be drawn onto
// boxes; with the select tool the figure takes the press as always. The figures find it through
// their document's "figurePressRouter" property.
class FigurePressRouter : public QObject {
  Q_OBJECT
 public:
  // Made once for the document, owned by it.
  static void Install(TwinKedrinFile& document);

  // A left press at (x, y) in the figure's own canvas pixels. True: the canvas took it, and the
  // pointer belongs to the canvas until the button is released.
  Q_INVOKABLE bool FigurePressed(QObject* figure, int x, int y);

 private:
  explicit FigurePressRouter(TwinKedrinFile& document);
  TwinKedrinFile& document_;
};
