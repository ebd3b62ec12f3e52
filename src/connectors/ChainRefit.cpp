#include "ChainRefit.h"

#include <algorithm>
#include <cstdlib>

#include "ConnectorGeometry.h"
#include "RouteFigures.h"

namespace connectors {

ChainRefit RefitChain(const std::vector<Figure>& chain, const std::vector<QPoint>& route, int lineWidth, ArrowRates rates) {
  ChainRefit out{chain, {}, {}, rates};
  if (chain.empty() || Simplified(route).size() < 2) return out;
  std::vector<Figure> runs = SegmentsOf(route, lineWidth, rates);
  // A head longer than the last run gets the head a new arrow would: it shows whole.
  const Figure& last = runs.back();
  if (!HeadInside(HeadOf(last, StyleOf(rates, lineWidth), HeadAtEnd(last.heads)), last.box, lineWidth)) {
    const Ends ends = EndsOf(last);
    out.rates = HeadRates(lineWidth, (ends.end - ends.start).manhattanLength());
    runs = SegmentsOf(route, lineWidth, out.rates);
  }
  // A chain cut in two rather than made one arrow: it stays an elbow connector, routed again next time.
  if (runs.size() == 1 && chain.size() >= 2)
    if (std::vector<Figure> cut = SegmentsInto(route, 2, lineWidth, out.rates); !cut.empty()) runs = std::move(cut);
  const size_t lines = chain.size() - 1, newLines = runs.size() - 1, keep = std::min(lines, newLines);
  out.kept.clear();
  const auto put = [](Figure f, const Figure& run) {
    f.box = run.box;
    f.direction = run.direction;
    f.heads = run.heads;
    return f;
  };
  for (size_t i = 0; i < keep; ++i) out.kept.push_back(put(chain[i], runs[i]));
  for (size_t i = keep; i < newLines; ++i) out.added.push_back(runs[i]);
  for (size_t i = keep; i < lines; ++i) out.removed.push_back(chain[i].id);
  out.kept.push_back(put(chain.back(), runs.back()));
  return out;
}

}  // namespace connectors
