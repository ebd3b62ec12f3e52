#pragma once
#include <QWidget>
#include <vector>

#include "GuideIndex.h"

// The thin lines of the smart guides, shown over everything on a canvas while a drag snaps to
// other figures. It covers the canvas, lets every press through and is never part of the
// diagram; one per canvas, made on first use and hidden between drags.
class GuideOverlay : public QWidget {
  Q_OBJECT
 public:
  // Hidden over the canvas; the canvas makes its own (TCanvasSurface::Guides).
  explicit GuideOverlay(QWidget* surface);
  // The canvas's overlay; none for a widget that is no document's canvas.
  static GuideOverlay* Of(QWidget* surface);

  // Lines in canvas pixels; none hides the overlay.
  void Show(const std::vector<arrange::GuideLine>& lines);
  const std::vector<arrange::GuideLine>& Lines() const { return lines_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // A line's area in widget pixels.
  QRect WidgetRect(const arrange::GuideLine& line) const;

  std::vector<arrange::GuideLine> lines_;
};
