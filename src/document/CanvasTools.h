#pragma once
#include <QPoint>
#include <memory>
#include <vector>

#include "Control.h"
#include "MainWindowLink.h"

class CanvasTool;
class FigurePressRouter;
class QuickConnectButtons;
class TwinKedrinFile;

// A document's tools, one object for each tool of the palette, and the gesture under way: a
// press goes to the tool the main window has chosen, and the moves, the release and Escape go to
// the tool that took the press, whatever is chosen meanwhile. It also routes the presses on the
// figures (FigurePressRouter, registered with the canvas) and holds the quick-connect arrows.
class CanvasTools {
 public:
  explicit CanvasTools(TwinKedrinFile& document);
  ~CanvasTools();

  // The document's object for the tool.
  CanvasTool& For(TTool tool);

  // Canvas pixels.
  void Press(TShiftState shift, QPoint point);
  void Move(TShiftState shift, QPoint point);
  void Release(TShiftState shift, QPoint point);
  // Between a press on the canvas and its release or cancel.
  bool GestureActive() const;

  // The quick-connect arrows of the document, once installed (QuickConnectButtons::Install).
  QuickConnectButtons* QuickConnect() const { return quickConnect_; }
  void SetQuickConnect(QuickConnectButtons* buttons) { quickConnect_ = buttons; }

 private:
  TwinKedrinFile& document_;
  // By TTool.
  std::vector<std::unique_ptr<CanvasTool>> tools_;
  CanvasTool* active_ = nullptr;
  std::unique_ptr<FigurePressRouter> pressRouter_;
  QuickConnectButtons* quickConnect_ = nullptr;  // a child of the document
};
