#pragma once
#include <QPoint>

#include "CanvasTool.h"

class TwinKedrinFile;

// A tool whose gesture is a drag on the empty canvas with a band following the pointer: a dotted
// rectangle, or for tools that draw a line a dotted line from the press point, drawn in
// exclusive-or onto the canvas picture so that drawing it again erases it without a repaint. The
// drag state is this tool's; what the release makes is the tool's own (Finish).
class BandTool : public CanvasTool {
 public:
  explicit BandTool(TwinKedrinFile& document) : document_(document) {}

  void Press(TShiftState shift, QPoint point) override;
  void Move(TShiftState shift, QPoint point) override;
  void Release(TShiftState shift, QPoint point) override;
  void Cancel() override;
  bool Key(int key) override;
  bool Active() const override { return dragging_; }

  // Where the drag began and where its band ends now.
  QPoint Start() const { return start_; }
  QPoint Last() const { return last_; }

 protected:
  // The band is a line from the press point rather than a rectangle.
  virtual bool LineBand() const { return false; }
  // A figure being drawn snaps to the grid (Snap to Grid on, Alt not held); a band that selects
  // does not.
  virtual bool SnapsToGrid() const { return true; }
  // The canvas grows while the band reaches past its edge (a figure will be there).
  virtual bool GrowsCanvas() const { return true; }
  // Puts the point onto what the drawn end joins, tracing it; false when it joins nothing (the
  // grid then has its say). By default nothing is joined and any trace goes.
  virtual bool SnapEnd(TShiftState shift, QPoint& point);
  // The release: one step of the history from the press to the release point.
  virtual void Finish(QPoint start, QPoint end, TShiftState shift) = 0;

  TwinKedrinFile& document_;

 private:
  void Snap(TShiftState shift, QPoint& point);
  void SetBandPen();
  void DrawBand(QPoint end);

  QPoint start_;
  QPoint last_;
  bool dragging_ = false;
};
