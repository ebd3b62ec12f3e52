#pragma once
#include <QPoint>
#include <vector>

#include "ArrowHeads.h"
#include "Figure.h"

// A connector's course as figures: line figures along a route and one arrow figure at its end,
// each with exactly the route's points as its ends (EndsOf).
namespace connectors {

// One straight run from a to b as a line or arrow figure: a horizontal or vertical course `cross`
// thick across, centred on the run (its middle row or column, Top + Height / 2, is the run's),
// otherwise the diagonal spanning the two points. An arrow gets its head at b.
Figure RunFigure(FigureKind kind, QPoint a, QPoint b, int cross);

// The route's runs, first to last: line figures for all but the last, an arrow figure for the
// last, its head on the route's last point. Repeated points and points in the middle of a
// straight stretch are left out; a route of one point gives one arrow of no length. The lines
// are 4 pixels thick across (more for wide pens), the arrow as thick as its head needs.
std::vector<Figure> SegmentsOf(const std::vector<QPoint>& route, int lineWidth, ArrowRates rates);
// The same with the head new arrows get for the last run's length (HeadRates).
std::vector<Figure> SegmentsOf(const std::vector<QPoint>& route, int lineWidth);

// The route's runs as exactly `count` figures, as SegmentsOf lays them, where the route has fewer
// runs: the longest run (the first of equal ones) is cut in two at its middle, rounded towards
// its start, until there are enough. A chain of that many segments thus follows a route that
// needs fewer, square and joined, rather than torn. None when the route has more runs than
// `count`, or when no run is long enough to cut (2 pixels).
std::vector<Figure> SegmentsInto(const std::vector<QPoint>& route, size_t count, int lineWidth, ArrowRates rates);

// The route without repeated points and without points in the middle of a straight stretch.
std::vector<QPoint> Simplified(const std::vector<QPoint>& route);

}  // namespace connectors
