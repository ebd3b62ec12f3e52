#pragma once
#include <QPoint>
#include <QRect>
#include <memory>
#include <vector>

#include "KDTools.h"
#include "MainWindowLink.h"

// A main window for documents under measurement: it answers with a fixed tool and ignores the
// style controls.
class QuietMainWindow : public TMainWindowLink {
 public:
  explicit QuietMainWindow(TTool tool = TTool::Select) : tool_(tool) {}
  TwinKedrinFile* CurrentDocument() const override { return current_; }
  void SetCurrentDocument(TwinKedrinFile* d) override { current_ = d; }
  TTool CurrentTool() const override { return tool_; }
  void PushPenButton(TPenStyle) override {}
  void PushBrushButton(TBrushStyle) override {}
  void SetPenWidthPosition(int) override {}
  void SetArrowThicknessRatePosition(int) override {}
  void SetArrowHeadLengthRatePosition(int) override {}
  void CheckArrowPosition(TArrowPosition) override {}
  void CheckArrowDirection(TArrowDirection) override {}
  void SetCaptionText(const QString&) override {}
  bool SaveAs(TwinKedrinFile*) override { return false; }
  QPrinter* Printer() override { return nullptr; }

 private:
  TTool tool_;
  TwinKedrinFile* current_ = nullptr;
};

// The i-th figure of a mixed diagram: the nine classes in turn.
std::unique_ptr<TCustomKDTool> MakeFigure(int i);

// Where a drag's step-th step puts the dragged figures, from where they started: the steps wander
// about within 18 pixels and never come to no move, so that every step changes what follows.
QPoint DragDelta(int step);
// The figures at their boxes when the drag started, moved by delta.
void PlaceMoved(const std::vector<TCustomKDTool*>& figures, const std::vector<QRect>& start, QPoint delta);
