#pragma once
#include "CustomKDTool.h"

// The end mark: a circle with a second outline 3 pixels inside it.
class TKDEnd final : public TCustomKDTool {
  Q_OBJECT
 public:
  explicit TKDEnd(QWidget* owner = nullptr) : TCustomKDTool(owner) {}
  const char* ClassName() const override { return "TKDEnd"; }
  void DrawTo(Canvas& canvas, int x, int y) const override;

 protected:
  void ApplyOutline() override;
};
