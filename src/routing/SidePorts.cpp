#include "SidePorts.h"

#include <algorithm>
#include <cmath>

#include "ShapeGeometry.h"

namespace routing {

namespace {

int Nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace

SideSpan PortSpan(FigureKind kind, const QRect& box, Side side) {
  const bool vertical = connectors::IsHorizontal(side);  // Left and Right run up and down
  const int lo = vertical ? box.y() : box.x(), size = vertical ? box.height() : box.width();
  const connectors::SidePoint mid = connectors::AttachPoint(kind, box, side);
  const int centre = vertical ? mid.point.y() : mid.point.x();
  switch (kind) {
    case FigureKind::Diamond: return {centre, centre};
    case FigureKind::RoundedBox: {
      const geom::RoundBox rb = geom::ProcessShape(box.width(), box.height());
      const int corner = (vertical ? rb.cornerHeight : rb.cornerWidth) / 2;
      return {lo + std::min(corner, size / 2), lo + size - std::min(corner, size / 2)};
    }
    case FigureKind::Circle:
    case FigureKind::Ellipse: {
      const auto [a, b] = connectors::OutlineExtent(kind, box, vertical);
      const int quarter = (b - a) / 4;
      return {centre - quarter, centre + quarter};
    }
    default: break;
  }
  return {lo, lo + size};
}

Port PortAt(FigureKind kind, const QRect& box, Side side, int along) {
  const SideSpan span = PortSpan(kind, box, side);
  along = std::clamp(along, span.lo, span.hi);
  const bool vertical = connectors::IsHorizontal(side);
  const connectors::SidePoint mid = connectors::AttachPoint(kind, box, side);
  if ((vertical ? mid.point.y() : mid.point.x()) == along) return {mid.point, side};
  if (kind == FigureKind::Circle || kind == FigureKind::Ellipse) {
    // The outline where the row (column) through `along` crosses it, on this side.
    const auto [first, second] = connectors::OutlineSpanAt(kind, box, vertical, along);
    const bool far = side == Side::Right || side == Side::Bottom;
    const int across = Nearest(far ? second : first);
    return {vertical ? QPoint(across, along) : QPoint(along, across), side};
  }
  // Boxes and the straight parts of a process box's sides lie on the box's edges.
  const int across = vertical ? mid.point.x() : mid.point.y();
  return {vertical ? QPoint(across, along) : QPoint(along, across), side};
}

std::vector<Port> SpreadPorts(FigureKind kind, const QRect& box, Side side, int n) {
  std::vector<Port> ports;
  if (n <= 0) return ports;
  if (n == 1) return {{connectors::AttachPoint(kind, box, side).point, side}};
  const SideSpan span = PortSpan(kind, box, side);
  ports.reserve(static_cast<size_t>(n));
  for (int k = 0; k < n; ++k)
    ports.push_back(PortAt(kind, box, side, span.lo + Nearest(double(span.hi - span.lo) * (k + 1) / (n + 1))));
  return ports;
}

std::vector<int> PlaceAlong(const std::vector<int>& wanted, const std::vector<bool>& aims, int spacing, int lo, int hi) {
  const int n = static_cast<int>(wanted.size());
  if (n == 0) return {};
  if (n > 1 && hi - lo < (n - 1) * spacing) spacing = std::max(0, (hi - lo) / (n - 1));
  // Pool adjacent violators: blocks of ends that share one value of place - k * spacing.
  struct Block {
    double sum, weight;
    int count;
  };
  std::vector<Block> blocks;
  for (int k = 0; k < n; ++k) {
    const double w = aims[static_cast<size_t>(k)] ? 1000.0 : 1.0;
    blocks.push_back({w * (wanted[static_cast<size_t>(k)] - double(k) * spacing), w, 1});
    while (blocks.size() > 1 && blocks[blocks.size() - 2].sum / blocks[blocks.size() - 2].weight >
                                    blocks.back().sum / blocks.back().weight) {
      Block b = blocks.back();
      blocks.pop_back();
      blocks.back().sum += b.sum;
      blocks.back().weight += b.weight;
      blocks.back().count += b.count;
    }
  }
  std::vector<int> places;
  places.reserve(static_cast<size_t>(n));
  const double top = std::max<double>(lo, hi - double(n - 1) * spacing);
  for (const Block& b : blocks) {
    const double v = std::clamp(b.sum / b.weight, double(lo), top);
    for (int i = 0; i < b.count; ++i) {
      const int k = static_cast<int>(places.size());
      places.push_back(Nearest(v + double(k) * spacing));
    }
  }
  return places;
}

}  // namespace routing
