#pragma once
#include <QPoint>
#include <QRect>
#include <ostream>

#include "GuideIndex.h"

// Readable failure messages for the Qt value types and guide lines.
inline void PrintTo(const QPoint& p, std::ostream* os) { *os << "(" << p.x() << ", " << p.y() << ")"; }
inline void PrintTo(const QRect& r, std::ostream* os) {
  *os << "(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}
namespace arrange {
inline void PrintTo(const GuideLine& g, std::ostream* os) {
  *os << (g.axis == GuideLine::Axis::Vertical ? "x = " : "y = ") << g.position << " from " << g.from << " to "
      << g.to;
}
}  // namespace arrange
