#pragma once
#include "CustomKDTool.h"

class TwinKedrinFile;

// With a drawing tool chosen (and View > Keep Connectors and Labels Attached on), a left press on
// a figure draws as a press on the empty canvas would, so that text and arrows can be drawn onto
// boxes; with the select tool a press on a shape's text goes to the shape, and any other figure
// takes the press as always. The document's tools register it with the canvas, where the figures
// find it.
class FigurePressRouter : public TFigurePressSink {
 public:
  explicit FigurePressRouter(TwinKedrinFile& document) : document_(document) {}

  // A left press at (x, y) in the figure's own canvas pixels, on the figure or on the body of its
  // selection frame. True: the canvas took it, and the pointer belongs to the canvas until the
  // button is released. On the frame, with the select tool, the frame moves the figure.
  bool FigurePressed(TCustomKDTool& figure, int x, int y, bool onFrame) override;

 private:
  // A press on a shape's text label, handed to the shape; false for any other figure.
  bool PressOnText(TCustomKDTool& figure, int x, int y);
  // A press on a segment of a connector made of several: the whole connector is selected as a
  // group and the press drags it; false for a figure that is not such a segment.
  bool PressOnRoute(TCustomKDTool& figure, int x, int y);
  TwinKedrinFile& document_;
};
