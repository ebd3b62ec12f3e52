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

// A label 30 x 14 beside the start of a slanted arrow from (100, 100) to (300, 200): above it,
// its corner nearest the run 6 pixels off it, 4 along; slid further along where that place is
// taken or another run passes through it.
struct SlantCase {
  const char* name;
  std::vector<std::pair<QPoint, QPoint>> otherRuns;
  std::vector<QRect> blocked;
  QRect expected;
};
void PrintTo(const SlantCase& c, std::ostream* os) { *os << c.name; }
class SlantLabel : public testing::TestWithParam<SlantCase> {};

TEST_P(SlantLabel, BesideTheStart) {
  flowchart::FigurePlan arrow;
  arrow.kind = ItemKind::Arrow;
  arrow.box = QRect(100, 100, 200, 100);
  arrow.direction = adTopToBottom;
  arrow.heads = apRight;
  std::vector<std::pair<QPoint, QPoint>> runs = {{{100, 100}, {300, 200}}};
  runs.insert(runs.end(), GetParam().otherRuns.begin(), GetParam().otherRuns.end());
  EXPECT_EQ(flowchart::PlaceBranchLabel({arrow}, {30, 14}, runs, {}, GetParam().blocked), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SlantLabel,
    testing::Values(SlantCase{"Free", {}, {}, {106, 82, 30, 14}},
                    // Covers the places 4, 12 and 20 along; 28 along is clear of it.
                    SlantCase{"PastAnotherLabel", {}, {{100, 70, 40, 20}}, {128, 93, 30, 14}},
                    // A steep run through the places 4 to 20 along, far from their corners; 28
                    // along lies nearer it than its own run; 40 along does not.
                    SlantCase{"PastASteepRun", {{{115, 40}, {125, 140}}}, {}, {138, 99, 30, 14}}),
    [](const testing::TestParamInfo<SlantCase>& info) { return std::string(info.param.name); });

// A pool (0, 0, 600 x 300) of two lanes, each titled at its top left: the route from X in the
// first lane down to Y below it in the second keeps out of the second title, which lies across
// the straight way; the one from X to Z beside it, past W between them, goes below W rather than
// along the pool's top edge above it (the shorter way). No run lies along an edge of pool or lane
// nearer than 8 pixels.
TEST(ChartRoutes, LaneTitlesKeptClear) {
  const QRect pool(0, 0, 600, 300), lanes[] = {{0, 0, 600, 150}, {0, 150, 600, 150}};
  const QRect titles[] = {{6, 6, 80, 20}, {6, 156, 80, 20}}, x(20, 40, 100, 50), y(20, 220, 100, 50);
  const QRect z(400, 40, 100, 50), w(200, 10, 100, 135);
  const std::pair<ItemKind, QRect> figures[] = {{ItemKind::Rectangle, pool},      {ItemKind::Rectangle, lanes[0]},
                                                {ItemKind::Rectangle, lanes[1]},  {ItemKind::Label, titles[0]},
                                                {ItemKind::Label, titles[1]},     {ItemKind::Rectangle, x},
                                                {ItemKind::Rectangle, y},         {ItemKind::Rectangle, z},
                                                {ItemKind::Rectangle, w}};
  std::vector<semantics::Item> items;
  for (const auto& [kind, box] : figures) {
    semantics::Item i;
    i.id = items.size() + 1;
    i.kind = kind;
    i.box = box;
    i.stacking = static_cast<int>(items.size());
    if (kind == ItemKind::Label) i.caption = "Lane";
    items.push_back(i);
  }
  flowchart::ConnectorRequest down, across;
  down.from = across.from = End(6, x);
  down.to = End(7, y);
  across.to = End(8, z);
  const std::vector<flowchart::PlannedConnector> out = flowchart::RouteChartConnectors(items, {down, across}, {});
  ASSERT_EQ(out.size(), 2u);
  for (const flowchart::PlannedConnector& c : out) ASSERT_FALSE(c.segments.empty());
  std::vector<flowchart::FigurePlan> segments = out[0].segments;
  segments.insert(segments.end(), out[1].segments.begin(), out[1].segments.end());
  for (const flowchart::FigurePlan& s : segments) {
    const connectors::Ends e = connectors::EndsOf(s.box, s.direction);
    const QRect run = QRect(e.start, e.end).normalized();
    for (const QRect& t : titles) EXPECT_FALSE(run.intersects(t)) << "through a title";
  }
}

}  // namespace
