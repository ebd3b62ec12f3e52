#include "GuideOverlay.h"

#include <QPainter>
#include <QPaintEvent>

#include "Control.h"
#include "TScrollBox.h"
#include "ZoomMapping.h"

GuideOverlay::GuideOverlay(QWidget* surface) : QWidget(nullptr) {
  setObjectName(QStringLiteral("guideOverlay"));
  // Marked before it joins the canvas, so that the canvas sizes it with itself and never counts
  // it as a figure's neighbour.
  setProperty("fillsParent", true);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  hide();
  setParent(surface);
}

GuideOverlay* GuideOverlay::Of(QWidget* surface) {
  auto* canvas = qobject_cast<TCanvasSurface*>(surface);
  return canvas ? canvas->Guides() : nullptr;
}

QRect GuideOverlay::WidgetRect(const arrange::GuideLine& line) const {
  const double zoom = CanvasZoomOf(parentWidget());
  const int at = zoommap::ToWidget(line.position, zoom);
  const int from = zoommap::ToWidget(line.from, zoom), to = zoommap::ToWidget(line.to, zoom);
  return line.axis == arrange::GuideLine::Axis::Vertical ? QRect(at, from, 1, to - from + 1)
                                                          : QRect(from, at, to - from + 1, 1);
}

void GuideOverlay::Show(const std::vector<arrange::GuideLine>& lines) {
  if (lines == lines_ && isVisible() == !lines.empty()) return;
  for (const arrange::GuideLine& line : lines_) update(WidgetRect(line));
  lines_ = lines;
  if (lines_.empty()) {
    hide();
    return;
  }
  if (!isVisible()) {
    // Above the frames made since the last drag.
    raise();
    show();
  }
  for (const arrange::GuideLine& line : lines_) update(WidgetRect(line));
}

void GuideOverlay::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (const arrange::GuideLine& line : lines_) p.fillRect(WidgetRect(line), QColor(255, 0, 255));
}
