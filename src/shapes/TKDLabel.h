#pragma once
#include "CustomKDTool.h"

// A text label: the caption, centred line by line from the top edge, broken at words; clickable
// over its whole box.
class TKDLabel final : public TCustomKDTool {
  Q_OBJECT
 public:
  explicit TKDLabel(QWidget* owner = nullptr) : TCustomKDTool(owner) {}
  const char* ClassName() const override { return "TKDLabel"; }
  void DrawTo(Canvas& canvas, int x, int y) const override;

 protected:
  // Lines of text that do not fit reach below the box, words too long for a line beside it.
  QMargins ReachMargins() const override;
};
