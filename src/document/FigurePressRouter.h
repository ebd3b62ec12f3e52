#pragma once
#include <QObject>

class TCustomKDTool;
class TwinKedrinFile;

// With a drawing tool chosen (and View > Keep Connectors and Labels Attached on), a left press on
// a figure draws as a press on the empty canvas would, so that text and arrows can be drawn onto
// boxes; with the select tool a press on a shape's text goes to the shape, and any other figure
// takes the press as always. The figures find it through their document's "figurePressRouter"
// property.
class FigurePressRouter : public QObject {
  Q_OBJECT
 public:
  // Made once for the document, owned by it.
  static void Install(TwinKedrinFile& document);

  // A left press at (x, y) in the figure's own canvas pixels. True: the canvas took it, and the
  // pointer belongs to the canvas until the button is released.
  Q_INVOKABLE bool FigurePressed(QObject* figure, int x, int y);
  // The same press on the body of the figure's selection frame: with a drawing tool chosen it
  // draws as a press on the figure would; with the select tool the frame moves the figure.
  Q_INVOKABLE bool FramePressed(QObject* figure, int x, int y);

 private:
  explicit FigurePressRouter(TwinKedrinFile& document);
  // A press on a shape's text label, handed to the shape; false for any other figure.
  bool PressOnText(TCustomKDTool& figure, int x, int y);
  // A press on a segment of a connector made of several: the whole connector is selected as a
  // group and the press drags it; false for a figure that is not such a segment.
  bool PressOnRoute(TCustomKDTool& figure, int x, int y);
  TwinKedrinFile& document_;
};
