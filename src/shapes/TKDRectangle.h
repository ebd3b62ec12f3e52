#pragma once
#include "CustomKDTool.h"

// A rectangle; clickable over its whole box.
class TKDRectangle final : public TCustomKDTool {
  Q_OBJECT
 public:
  explicit TKDRectangle(QWidget* owner = nullptr) : TCustomKDTool(owner) {}
  const char* ClassName() const override { return "TKDRectangle"; }
  void DrawTo(Canvas& canvas, int x, int y) const override;

};
