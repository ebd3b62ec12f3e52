#include "GridNudge.h"

#include "GridSnap.h"

namespace arrange {

namespace {
int AxisStep(int v, int step, int grid) {
  if (step == 0 || grid <= 0) return step;
  // The first line after v, or the last line before it.
  if (step > 0) return GridLineAtOrAfter(v + 1, grid) - v;
  return -GridLineAtOrAfter(1 - v, grid) - v;
}
}  // namespace

QPoint GridNudge(QPoint corner, QPoint step, int grid) {
  return {AxisStep(corner.x(), step.x(), grid), AxisStep(corner.y(), step.y(), grid)};
}

}  // namespace arrange
