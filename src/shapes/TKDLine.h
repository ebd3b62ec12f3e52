#pragma once
#include <array>

#include "CustomKDTool.h"

// A straight line across its box along one of four courses, clickable only on a thin band along
// the segment.
//
// The record has no entry for the course, so it travels in the integer Tag that every figure
// record may carry and nothing else uses: 1 + the direction value for every course but the
// falling one, which keeps Tag 0 and so is written exactly as it always was. A reader that knows
// nothing of this reads a plain integer and draws the line falling, as it always did.
class TKDLine final : public TCustomKDTool {
  Q_OBJECT
 public:
  explicit TKDLine(QWidget* owner = nullptr) : TCustomKDTool(owner) {}
  const char* ClassName() const override { return "TKDLine"; }

  TArrowDirection Orientation() const { return orientation_; }
  void SetOrientation(TArrowDirection value);

  int32_t Tag() const override;
  void SetTag(int32_t v) override;
  // The Tag that carries a course, or 0 for the falling one.
  static int32_t CourseTag(TArrowDirection orientation);
  const std::array<QPoint, 4>& BandPoints() const { return band_; }

  void DrawTo(Canvas& canvas, int x, int y) const override;
  // Pressed within a few screen pixels of its course, not only on its thin band.
  double CourseDistance(QPointF canvasPoint) const override;

 protected:
  void ApplyOutline() override;
  OutlineKeyType OutlineKey() const override { return {Width(), Height(), orientation_}; }

 private:
  TArrowDirection orientation_ = adTopToBottom;
  std::array<QPoint, 4> band_{};
};
