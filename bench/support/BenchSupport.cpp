#include "BenchSupport.h"

std::unique_ptr<TCustomKDTool> MakeFigure(int i) {
  switch (i % 9) {
    case 0: return std::make_unique<TKDBegin>();
    case 1: return std::make_unique<TKDEnd>();
    case 2: return std::make_unique<TKDProcess>();
    case 3: return std::make_unique<TKDEllipse>();
    case 4: return std::make_unique<TKDRectangle>();
    case 5: return std::make_unique<TKDArrow>();
    case 6: return std::make_unique<TKDLabel>();
    case 7: return std::make_unique<TKDDiamond>();
    default: return std::make_unique<TKDLine>();
  }
}

QPoint DragDelta(int step) {
  const QPoint delta(step % 37 - 18, step % 23 - 11);
  return delta.isNull() ? QPoint(1, 1) : delta;
}

void PlaceMoved(const std::vector<TCustomKDTool*>& figures, const std::vector<QRect>& start, QPoint delta) {
  for (size_t i = 0; i < start.size(); ++i) {
    const QRect r = start[i].translated(delta);
    figures[i]->ApplyBounds(r.x(), r.y(), r.width(), r.height());
  }
}
