#pragma once
#include "CustomKDTool.h"

// A text label: the caption, centred line by line from the top edge, broken at words; clickable over its whole box.
class TKDLabel final : public TCustomKDTool {
  Q_OBJECT
 public:
  explicit TKDLabel(QWidget* owner = nullptr) : TCustomKDTool(owner) {}
  const char* ClassName() const override { return "TKDLabel"; }
  void DrawTo(Canvas& canvas, int x, int y) const override;

 protected:
  void Paint(Canvas& canvas) override;
};
