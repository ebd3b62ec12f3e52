#include "CanvasTools.h"

#include "DrawingTools.h"
#include "FigurePressRouter.h"
#include "TScrollBox.h"
#include "TImage.h"
#include "TwinKedrinFile.h"

CanvasTools::CanvasTools(TwinKedrinFile& document) : document_(document) {
  constexpr TTool kTools[] = {TTool::Select, TTool::Begin,   TTool::End,   TTool::Process,
                              TTool::Ellipse, TTool::Rectangle, TTool::Arrow, TTool::Diamond,
                              TTool::Label,  TTool::Line,    TTool::Connector};
  for (TTool tool : kTools) {
    std::unique_ptr<CanvasTool> made;
    switch (tool) {
      case TTool::Select: made = std::make_unique<SelectTool>(document); break;
      case TTool::Line:
      case TTool::Arrow: made = std::make_unique<StrokeTool>(document, tool); break;
      case TTool::Connector: made = std::make_unique<ConnectTool>(document); break;
      default: made = std::make_unique<ShapeTool>(document, tool); break;
    }
    const size_t at = static_cast<size_t>(tool);
    if (tools_.size() <= at) tools_.resize(at + 1);
    tools_[at] = std::move(made);
  }
  pressRouter_ = std::make_unique<FigurePressRouter>(document);
  document.Surface()->SetFigurePressSink(pressRouter_.get());
}

CanvasTools::~CanvasTools() { document_.Surface()->SetFigurePressSink(nullptr); }

CanvasTool& CanvasTools::For(TTool tool) { return *tools_.at(static_cast<size_t>(tool)); }

void CanvasTools::Press(TShiftState shift, QPoint point) {
  TMainWindowLink* main = document_.MainWindow();
  CanvasTool& tool = For(main ? main->CurrentTool() : TTool::Select);
  // A gesture of another tool still under way goes without a trace.
  if (active_ && active_ != &tool) active_->Cancel();
  active_ = &tool;
  tool.Press(shift, point);
}

void CanvasTools::Move(TShiftState shift, QPoint point) {
  if (active_) active_->Move(shift, point);
}

void CanvasTools::Release(TShiftState shift, QPoint point) {
  // The release of a drag that Escape put back.
  if (!GestureActive()) {
    document_.imgKedrin->releaseMouse();
    return;
  }
  active_->Release(shift, point);
}

bool CanvasTools::GestureActive() const { return active_ && active_->Active(); }
