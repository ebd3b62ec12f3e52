#include "ForkChoice.h"

#include <cstdint>

namespace connectors {

bool GoesStraightOn(QPoint away, QPoint otherAway) {
  const int64_t dot = int64_t{away.x()} * otherAway.x() + int64_t{away.y()} * otherAway.y();
  const int64_t cross = int64_t{away.x()} * otherAway.y() - int64_t{away.y()} * otherAway.x();
  // sin 6 degrees is about 1/10: |cross| <= |dot| / 10, with the runs pointing apart.
  return dot < 0 && cross * cross * 100 <= dot * dot;
}

int ChooseAtFork(QPoint arrivingAway, std::span<const ForkWay> ways) {
  int only = -1, straight = -1, count = 0, straightCount = 0;
  for (size_t i = 0; i < ways.size(); ++i) {
    if (!ways[i].makesConnector) continue;
    ++count;
    only = static_cast<int>(i);
    if (GoesStraightOn(arrivingAway, ways[i].away)) {
      ++straightCount;
      straight = static_cast<int>(i);
    }
  }
  if (count == 1) return only;
  return straightCount == 1 ? straight : -1;
}

}  // namespace connectors
