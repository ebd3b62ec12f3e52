#include "LineJumpDrawing.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <atomic>

#include "ConnectorGeometry.h"
#include "CustomKDTool.h"
#include "KDTools.h"
#include "QtConvert.h"

namespace {

std::atomic<bool> shown{false};

// About the length of a head drawn at the default rates: hops keep off it.
constexpr int kHeadRoom = 15;

QPoint Toward(QPoint from, QPoint to, int by) {
  const QPoint d = to - from;
  const int length = std::abs(d.x()) + std::abs(d.y());
  if (length == 0) return from;
  return from + d * std::min(by, length) / length;
}

Qt::PenStyle QtPenStyle(TPenStyle s) {
  switch (s) {
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    default: return Qt::SolidLine;
  }
}

}  // namespace

bool LineJumpsShown() { return shown.load(); }
void SetLineJumpsShown(bool on) { shown.store(on); }

std::vector<render::JumpRun> JumpRunsOf(std::span<const TCustomKDTool* const> figures) {
  std::vector<render::JumpRun> runs;
  for (size_t i = 0; i < figures.size(); ++i) {
    const TCustomKDTool& f = *figures[i];
    const auto* arrow = qobject_cast<const TKDArrow*>(&f);
    if (!arrow && !qobject_cast<const TKDLine*>(&f)) continue;
    const TArrowDirection direction = arrow ? arrow->ArrowDirection() : static_cast<const TKDLine&>(f).Orientation();
    connectors::Ends e = connectors::EndsOf(f.BoundsRect(), direction);
    if (arrow) {
      const connectors::Ends whole = e;
      if (connectors::HeadAtStart(arrow->ArrowPosition())) e.start = Toward(whole.start, whole.end, kHeadRoom);
      if (connectors::HeadAtEnd(arrow->ArrowPosition())) e.end = Toward(whole.end, whole.start, kHeadRoom);
    }
    const int n = static_cast<int>(i);
    runs.push_back({e.start, e.end, n, n});
  }
  return runs;
}

void DrawLineJumps(QPainter& painter, std::span<const TCustomKDTool* const> figures, const QColor& background,
                   const QImage* underlay, const QRect& area) {
  const std::vector<render::JumpRun> runs = JumpRunsOf(figures);
  const std::vector<render::Hop> hops = render::FindHops(runs);
  if (hops.empty()) return;
  painter.save();
  for (const render::Hop& hop : hops) {
    if (!area.isEmpty() && !area.contains(hop.at)) continue;
    const TCustomKDTool& over = *figures[static_cast<size_t>(hop.over)];
    if (over.LineStyle() == psClear) continue;
    const int width = std::max(1, over.LineWidth());
    const render::HopShape shape = render::ShapeOfHop(hop, width);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(shape.erase, background);
    if (underlay && !underlay->isNull()) painter.drawImage(shape.erase.topLeft(), *underlay, shape.erase);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    QPen pen(ToQColor(over.LineColor()), width, QtPenStyle(over.LineStyle()), Qt::FlatCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape.arc);
  }
  painter.restore();
}
