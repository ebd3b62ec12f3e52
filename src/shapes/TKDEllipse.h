#pragma once
#include "CustomKDTool.h"

// An ellipse filling its box.
class TKDEllipse final : public TCustomKDTool {
  Q_OBJECT
 public:
  explicit TKDEllipse(QWidget* owner = nullptr) : TCustomKDTool(owner) {}
  const char* ClassName() const override { return "TKDEllipse"; }
  void DrawTo(Canvas& canvas, int x, int y) const override;

 protected:
  void ApplyOutline() override;
};
