#pragma once
#include "CustomKDTool.h"

// A process step: a box with strongly rounded corners (the corner ellipse is half the box).
class TKDProcess final : public TCustomKDTool {
  Q_OBJECT
 public:
  explicit TKDProcess(QWidget* owner = nullptr) : TCustomKDTool(owner) {}
  const char* ClassName() const override { return "TKDProcess"; }
  void DrawTo(Canvas& canvas, int x, int y) const override;

 protected:
  void ApplyOutline() override;
};
