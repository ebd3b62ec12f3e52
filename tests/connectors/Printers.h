#pragma once
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <ostream>

#include "Figure.h"

// Readable failure messages for the Qt value types and figures.
inline void PrintTo(const QPoint& p, std::ostream* os) { *os << "(" << p.x() << ", " << p.y() << ")"; }
inline void PrintTo(const QPointF& p, std::ostream* os) { *os << "(" << p.x() << ", " << p.y() << ")"; }
inline void PrintTo(const QRect& r, std::ostream* os) {
  *os << "(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}
namespace connectors {
inline void PrintTo(const Figure& f, std::ostream* os) {
  *os << "{kind " << int(f.kind) << ", box ";
  ::PrintTo(f.box, os);
  *os << ", direction " << int(f.direction) << ", heads " << int(f.heads) << "}";
}
}  // namespace connectors
