#pragma once
#include "CustomKDTool.h"

// A decision diamond through the midpoints of the box's edges.
class TKDDiamond final : public TCustomKDTool {
  Q_OBJECT
 public:
  explicit TKDDiamond(QWidget* owner = nullptr) : TCustomKDTool(owner) {}
  const char* ClassName() const override { return "TKDDiamond"; }
  void DrawTo(Canvas& canvas, int x, int y) const override;

 protected:
  void ApplyOutline() override;
};
