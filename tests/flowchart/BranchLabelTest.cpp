// A connector's label sits beside the start of its route, where a reader looks for a branch's
// "yes" or "no": 6 pixels off the first run (10 where that is taken), above a level run and right
// of an upright one, else on the other side, slid along past what is in the way; and it reads back
// as that connector's label.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>

#include "ChartDrawing.h"
#include "ChartRoutes.h"
#include "ChartSupport.h"
#include "ChartText.h"
#include "ConnectorGeometry.h"
#include "ConnectorLabel.h"
#include "ConnectorPlanner.h"
#include "DiagramGraph.h"
#include "ItemGrid.h"

namespace {

using Runs = std::vector<std::pair<QPoint, QPoint>>;

struct PlaceCase {
  const char* name;
  std::vector<QPoint> route;
  Runs others;
  std::vector<QRect> blocked;
  QRect expected;
  std::vector<QPointF> middles;  // of other connectors
};
void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }
class BranchLabelPlace : public testing::TestWithParam<PlaceCase> {};

const std::vector<QPoint> kDown = {{150, 50}, {150, 120}, {300, 120}, {300, 200}};

// A label 20 x 13. Down from (150, 50): right of the run, 6 off and 4 along: (156, 54).
INSTANTIATE_TEST_SUITE_P(
    Places, BranchLabelPlace,
    testing::Values(PlaceCase{"RightOfADownwardStart", kDown, {}, {}, {156, 54, 20, 13}, {}},
                    // Left from (100, 100): above, its right edge 4 along: 100 - 4 - 20 = 76.
                    PlaceCase{"AboveALevelStartGoingLeft", {{100, 100}, {40, 100}, {40, 200}}, {}, {}, {76, 81, 20, 13}, {}},
                    // Another route at x 182 is 6 from (156, 54) (as near as its own: it would be
                    // that one's label) and 2 from (160, 54): the left side, 150 - 6 - 20.
                    PlaceCase{"OtherSideWhenAnotherRouteIsAsNear", kDown, {{{182, 0}, {182, 200}}}, {}, {124, 54, 20, 13}, {}},
                    // A box over y 38 to 66 (with its 2 pixels of room): slid 20 along, to y 70.
                    PlaceCase{"SlidPastABox", kDown, {}, {{156, 40, 40, 25}}, {156, 70, 20, 13}, {}},
                    // Another connector's middle at (190, 60) is within reach (14 across) of the
                    // places right of the run until one 28 along: 14 across, 18 below it.
                    PlaceCase{"SlidPastAnotherMiddle", kDown, {}, {}, {156, 78, 20, 13}, {{190, 60}}},
                    // Down right from (0, 0): above, its lower left corner 6 off the run and 4 along.
                    PlaceCase{"AboveASlantedRun", {{0, 0}, {100, 80}}, {}, {}, {7, -15, 20, 13}, {}},
                    // Another connector along the same run: none.
                    PlaceCase{"NoneOnAnotherConnector", kDown, {{{150, 50}, {150, 120}}}, {}, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(BranchLabelPlace, BesideTheFirstRun) {
  const PlaceCase& c = GetParam();
  const std::vector<flowchart::FigurePlan> segments = flowchart::RouteSegments(c.route, {}, true);
  Runs runs = c.others;
  for (size_t i = 0; i + 1 < c.route.size(); ++i) runs.emplace_back(c.route[i], c.route[i + 1]);
  EXPECT_EQ(flowchart::PlaceBranchLabel(segments, {20, 13}, runs, c.middles, c.blocked), c.expected);
}

// Two decisions, each with a "Yes" going on and a "No" going aside, drawn from Mermaid text:
// every label lies 4 to 12 pixels from its route's first run, "Yes" on one side of it and "No" on
// one side at both decisions, and the drawing reads back as the chart with each label on its link.
TEST(BranchLabels, BesideTheirStartAlikeAtEveryDecisionAndReadBack) {
  const char* text =
      "flowchart TD\n A([Start]) --> B{Valid?}\n B -->|Yes| C[Take the order]\n B -->|No| D[Reject]\n"
      " C --> E{In stock?}\n E -->|Yes| F[Ship]\n E -->|No| G[Order more]\n F --> H([End])\n G --> H\n D --> H\n";
  const graph::ParseResult read = flowchart::ParseChart(text, flowchart::TextFormat::Mermaid);
  ASSERT_TRUE(read.ok());
  const flowchart::DrawnChart chart = flowchart::DrawChart(*read.graph, {});
  ASSERT_TRUE(chart.ok()) << chart.error;
  ASSERT_TRUE(chart.warnings.empty()) << chart.warnings.front();
  const std::vector<semantics::Item> items = charttest::ItemsOf(chart.figures);
  const semantics::ItemGrid grid(items);
  const graph::Graph g = semantics::FindGraph(items, grid.AsQuery());
  std::set<std::tuple<std::string, std::string, std::string>> links;
  std::map<std::string, std::set<std::string>> sides;  // per label: above, below, left or right of its first run
  for (const graph::Edge& e : g.edges) {
    links.emplace(g.nodes[static_cast<size_t>(e.from)].text, g.nodes[static_cast<size_t>(e.to)].text, e.label);
    if (e.label.empty()) continue;
    const semantics::Item& label = items[e.figures.back() - 1];
    const std::optional<semantics::Connector> c = semantics::ConnectorOf(items[e.figures.front() - 1], grid.AsQuery());
    ASSERT_TRUE(c);
    const connectors::Ends first = connectors::EndsOf(c->segments.front()->box, c->segments.front()->direction);
    const QPoint a = c->start, b = (first.start - a).manhattanLength() < (first.end - a).manhattanLength() ? first.end : first.start;
    const double d = semantics::SegmentToBox(a, b, label.box);
    EXPECT_GE(d, 4) << e.label;
    EXPECT_LE(d, 12) << e.label;
    if (a.y() == b.y()) sides[e.label].insert(label.box.center().y() < a.y() ? "above" : "below");
    else sides[e.label].insert(label.box.center().x() > a.x() ? "right" : "left");
  }
  const std::set<std::tuple<std::string, std::string, std::string>> expected = {
      {"Start", "Valid?", ""},          {"Valid?", "Take the order", "Yes"}, {"Valid?", "Reject", "No"},
      {"Take the order", "In stock?", ""}, {"In stock?", "Ship", "Yes"},      {"In stock?", "Order more", "No"},
      {"Ship", "End", ""},              {"Order more", "End", ""},           {"Reject", "End", ""}};
  EXPECT_EQ(links, expected);
  EXPECT_EQ(sides["Yes"].size(), 1u);
  EXPECT_EQ(sides["No"].size(), 1u);
}

// A decision inside a subgraph whose branches leave it: every connector is routed square (no
// slanted run through the border, where a bend 2 pixels inside a corner read as ending on the
// container) and no label lies across the container's outline.
TEST(BranchLabels, ClearOfTheBorderOfTheSubgraphTheyLeave) {
  const char* text = "flowchart TD\n subgraph Shop\n A[Order] --> B{Paid?}\n end\n B -->|yes| C[Ship]\n"
                     " B -->|no| D[Remind]\n D --> B\n";
  const graph::ParseResult read = flowchart::ParseChart(text, flowchart::TextFormat::Mermaid);
  ASSERT_TRUE(read.ok());
  const flowchart::DrawnChart chart = flowchart::DrawChart(*read.graph, {});
  ASSERT_TRUE(chart.ok()) << chart.error;
  QRect shop;
  for (const flowchart::FigurePlan& f : chart.figures)
    if (f.kind == semantics::ItemKind::Rectangle) shop = f.box;
  ASSERT_FALSE(shop.isEmpty());
  for (const flowchart::FigurePlan& f : chart.figures) {
    if (f.kind == semantics::ItemKind::Arrow || f.kind == semantics::ItemKind::Line) {
      EXPECT_TRUE(f.direction != adTopToBottom && f.direction != adBottomToTop) << "slanted at " << f.box.x() << "," << f.box.y();
    }
    if (f.kind == semantics::ItemKind::Label) {
      EXPECT_FALSE(shop.intersects(f.box) && !shop.contains(f.box)) << f.caption;
    }
  }
}

}  // namespace
