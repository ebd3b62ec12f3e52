#pragma once
#include <array>

#include "CustomKDTool.h"
#include "ShapeGeometry.h"

// A straight arrow with a filled triangular head at its start, its end or both. The head's width
// is LineWidth x ArrowThicknessRate and its length that width x ArrowHeadLengthRate, so heads
// stay in proportion to the line. Clickable on the heads and a thin band along the shaft.
class TKDArrow final : public TCustomKDTool {
  Q_OBJECT
 public:
  explicit TKDArrow(QWidget* owner = nullptr);
  const char* ClassName() const override { return "TKDArrow"; }

  uint16_t ArrowThicknessRate() const { return thicknessRate_; }
  // 0 is ignored; any other value is taken (also an equal one) and the outline rebuilt.
  void SetArrowThicknessRate(uint16_t value);
  uint16_t ArrowHeadLengthRate() const { return headLengthRate_; }
  // 0 and the current value are ignored.
  void SetArrowHeadLengthRate(uint16_t value);
  TArrowPosition ArrowPosition() const { return position_; }
  void SetArrowPosition(TArrowPosition value);
  TArrowDirection ArrowDirection() const { return direction_; }
  void SetArrowDirection(TArrowDirection value);

  // The last head computation and outline.
  const geom::ArrowHead& LastHead() const { return head_; }
  const std::array<QPoint, 11>& OutlinePoints() const { return outline_; }

  geom::ArrowHead CalcArrowHead(QPoint s, QPoint e, QPoint t, bool back, int x0, int y0) const;
  void DrawArrow(Canvas& canvas, QPoint s, QPoint e, QPoint t, bool back, int x, int y) const;
  void DrawTo(Canvas& canvas, int x, int y) const override;
  // Pressed within a few screen pixels of its course, not only on its thin band.
  double CourseDistance(QPointF canvasPoint) const override;

  std::span<const PropertyInfo> Properties() const override;

 protected:
  void ApplyOutline() override;
  // The heads reach beyond the box where the shaft runs close to its edges.
  QMargins ReachMargins() const override;
  OutlineKeyType OutlineKey() const override {
    return {Width(), Height(), direction_, position_, thicknessRate_, headLengthRate_, LineWidth()};
  }

 private:
  geom::ArrowStyle Style() const;
  void DrawHeads(Canvas& canvas, int x, int y) const;

  uint16_t thicknessRate_ = 10;
  uint16_t headLengthRate_ = 2;
  TArrowPosition position_ = apRight;
  TArrowDirection direction_ = adTopToBottom;
  mutable geom::ArrowHead head_{};
  std::array<QPoint, 11> outline_{};
};
