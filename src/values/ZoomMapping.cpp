#include "ZoomMapping.h"

#include <algorithm>
#include <cmath>

namespace zoommap {

int ClampPercent(int percent) { return std::clamp(percent, kMinPercent, kMaxPercent); }

int StepIn(int percent) {
  for (int step : kSteps)
    if (step > percent) return step;
  return kMaxPercent;
}

int StepOut(int percent) {
  for (auto it = kSteps.rbegin(); it != kSteps.rend(); ++it)
    if (*it < percent) return *it;
  return kMinPercent;
}

int ToWidget(int canvas, double zoom) {
  if (zoom == 1.0) return canvas;
  return static_cast<int>(std::floor(canvas * zoom));
}

QRect ToWidget(const QRect& canvas, double zoom, int margin) {
  if (zoom == 1.0) return canvas;
  const int left = canvas.x() + margin, top = canvas.y() + margin;
  const int right = canvas.x() + canvas.width() - margin, bottom = canvas.y() + canvas.height() - margin;
  const int x0 = ToWidget(left, zoom), y0 = ToWidget(top, zoom);
  const int x1 = ToWidget(right, zoom), y1 = ToWidget(bottom, zoom);
  return QRect(x0 - margin, y0 - margin, x1 - x0 + 2 * margin, y1 - y0 + 2 * margin);
}

QPoint ToCanvas(QPointF widget, double zoom) {
  if (zoom == 1.0) return QPoint(static_cast<int>(std::floor(widget.x())), static_cast<int>(std::floor(widget.y())));
  return QPoint(static_cast<int>(std::floor(widget.x() / zoom)), static_cast<int>(std::floor(widget.y() / zoom)));
}

int FitPercent(QSize content, QSize view, bool fitHeight) {
  if (content.width() <= 0 || content.height() <= 0) return 100;
  double z = static_cast<double>(view.width()) / content.width();
  if (fitHeight) z = std::min(z, static_cast<double>(view.height()) / content.height());
  return ClampPercent(static_cast<int>(std::floor(z * 100)));
}

}  // namespace zoommap
