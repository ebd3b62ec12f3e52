// A link to a container (Mermaid's "A --> subgraphId") routed like any other connector: from
// box A (500, 300, 100 x 50) to container C (0, 0, 300 x 200) around its step X (50, 50): every run
// level or upright, from A's outline to C's border, never into X.
#include <gtest/gtest.h>

#include "ChartRoutes.h"
#include "ConnectorGeometry.h"
#include "Outline.h"

namespace {

using semantics::ItemKind;

connectors::Figure End(uint64_t id, const QRect& box) {
  return {reinterpret_cast<connectors::FigureId>(static_cast<uintptr_t>(id)), connectors::FigureKind::Box, box};
}

TEST(ChartRoutes, LinkToAContainerEndsOnItsBorder) {
  const QRect c(0, 0, 300, 200), x(50, 50, 100, 50), a(500, 300, 100, 50);
  std::vector<semantics::Item> items(3);
  const QRect boxes[] = {c, x, a};
  for (size_t i = 0; i < 3; ++i) {
    items[i].id = i + 1;
    items[i].kind = ItemKind::Rectangle;
    items[i].box = boxes[i];
    items[i].stacking = static_cast<int>(i);
  }
  flowchart::ConnectorRequest r;
  r.from = End(3, a);
  r.to = End(1, c);
  const std::vector<flowchart::PlannedConnector> out = flowchart::RouteChartConnectors(items, {r}, {});
  ASSERT_EQ(out.size(), 1u);
  ASSERT_FALSE(out[0].segments.empty());
  for (const flowchart::FigurePlan& s : out[0].segments) {
    const connectors::Ends e = connectors::EndsOf(s.box, s.direction);
    EXPECT_TRUE(e.start.x() == e.end.x() || e.start.y() == e.end.y()) << "a slanted run";
    EXPECT_FALSE(QRect(e.start, e.end).normalized().intersects(x));
  }
  const connectors::Ends last = connectors::EndsOf(out[0].segments.back().box, out[0].segments.back().direction);
  const QPoint head = connectors::HeadAtEnd(out[0].segments.back().heads) ? last.end : last.start;
  EXPECT_LE(connectors::DistanceToOutline(connectors::FigureKind::Box, c, head), 1.0);
}

}  // namespace
