#pragma once
#include <QPoint>
#include <vector>

#include "ArrowHeads.h"
#include "Figure.h"

// An elbow connector's figures put onto a new route as it is routed again after an edit: the
// figures it has keep their places in the course (its lines the first runs, its arrow the last),
// runs beyond them become new lines, lines beyond the runs go.
namespace connectors {

struct ChainRefit {
  std::vector<Figure> kept;       // the chain's figures that stay, reshaped, in course order; the arrow last
  std::vector<Figure> added;      // new lines (no id), in course order, between the kept lines and the arrow
  std::vector<FigureId> removed;  // the chain's lines the route no longer needs
  ArrowRates rates;               // the arrow's: its own, or those a new one gets where its head would not show whole
};

// `chain`: lines then one arrow, source first. A route of one run is cut in two at its middle
// (SegmentsInto), so that the chain stays a line and an arrow. A route of fewer than two points
// leaves the chain as it is (nothing added, nothing removed).
ChainRefit RefitChain(const std::vector<Figure>& chain, const std::vector<QPoint>& route, int lineWidth, ArrowRates rates);

}  // namespace connectors
