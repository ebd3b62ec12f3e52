#pragma once
#include "CustomKDTool.h"

// The start mark: a circle centred in the box with a 2-pixel margin to the nearer edges.
class TKDBegin final : public TCustomKDTool {
  Q_OBJECT
 public:
  explicit TKDBegin(QWidget* owner = nullptr) : TCustomKDTool(owner) {}
  const char* ClassName() const override { return "TKDBegin"; }
  void DrawTo(Canvas& canvas, int x, int y) const override;

 protected:
  void ApplyOutline() override;
};
