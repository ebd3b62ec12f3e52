#pragma once
#include <QPointF>

namespace connectors {

// The point of the ellipse x²/a² + y²/b² = 1 (centred on the origin, a, b >= 0) nearest to p, for
// p inside or outside. The nearest point lies in p's quadrant; a zero semi-axis makes the ellipse
// a segment along the other axis.
QPointF NearestOnEllipse(double a, double b, QPointF p);

}  // namespace connectors
