#pragma once
#include <array>

#include "CustomKDTool.h"

// A straight line across its box along one of four courses, clickable only on a thin band along
// the segment. The course is not stored in records: a line read back runs from the top-left to
// the bottom-right corner.
class TKDLine final : public TCustomKDTool {
  Q_OBJECT
 public:
  explicit TKDLine(QWidget* owner = nullptr) : TCustomKDTool(owner) {}
  const char* ClassName() const override { return "TKDLine"; }

  TArrowDirection Orientation() const { return orientation_; }
  void SetOrientation(TArrowDirection value);
  const std::array<QPoint, 4>& BandPoints() const { return band_; }

  void DrawTo(Canvas& canvas, int x, int y) const override;

 protected:
  void Paint(Canvas& canvas) override;
  void ApplyOutline() override;
  OutlineKeyType OutlineKey() const override { return {Width(), Height(), orientation_}; }

 private:
  TArrowDirection orientation_ = adTopToBottom;
  std::array<QPoint, 4> band_{};
};
