#pragma once
#include "BandTool.h"
#include "MainWindowLink.h"

// The select tool: the band selects every figure it wholly encloses, as a group.
class SelectTool : public BandTool {
 public:
  using BandTool::BandTool;

 protected:
  bool SnapsToGrid() const override { return false; }
  bool GrowsCanvas() const override { return false; }
  void Finish(QPoint start, QPoint end, TShiftState shift) override;
};

// A tool that draws one closed figure of its kind (start and end mark, process, ellipse,
// rectangle, decision, text label) in the dragged box.
class ShapeTool : public BandTool {
 public:
  ShapeTool(TwinKedrinFile& document, TTool kind) : BandTool(document), kind_(kind) {}

 protected:
  void Finish(QPoint start, QPoint end, TShiftState shift) override;

 private:
  TTool kind_;
};

// The line and the arrow tool: a line band, whose ends go onto a shape's outline in reach while
// View > Keep Connectors and Labels Attached is on.
class StrokeTool : public BandTool {
 public:
  StrokeTool(TwinKedrinFile& document, TTool kind) : BandTool(document), kind_(kind) {}

 protected:
  bool LineBand() const override { return true; }
  bool SnapEnd(TShiftState shift, QPoint& point) override;
  void Finish(QPoint start, QPoint end, TShiftState shift) override;

 private:
  TTool kind_;
};

// The Connector tool: from the shape pressed on to the shape released on, an elbow route (a
// straight arrow where no two shapes are joined). It joins shapes whatever the option says, and
// traces the shape it would join.
class ConnectTool : public BandTool {
 public:
  using BandTool::BandTool;

 protected:
  bool LineBand() const override { return true; }
  bool SnapEnd(TShiftState shift, QPoint& point) override;
  void Finish(QPoint start, QPoint end, TShiftState shift) override;
};
