// Subgraphs of a chart read from text, drawn as Auto Layout lays them out: each in its own
// direction, sibling containers apart, so that they read back as containers and never as a pool.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "ChartDrawing.h"
#include "ChartSupport.h"
#include "Containers.h"
#include "FigureGraph.h"
#include "ItemGrid.h"
#include "Mermaid.h"
#include "ShapeText.h"

namespace {

struct SubgraphCase {
  const char* name;
  const char* text;
  // Per container title, its steps' texts in the order they stand along its row ("A B C") or
  // down its column ("A/B/C").
  std::map<std::string, std::string> lines;
};
void PrintTo(const SubgraphCase& c, std::ostream* os) { *os << c.name; }
class ImportedSubgraphs : public testing::TestWithParam<SubgraphCase> {};

// The steps as they stand: "A B" when all share one top and run rightward, "A/B" when all share
// one left edge and run downward, else "?".
std::string Line(std::vector<std::pair<QRect, std::string>> steps) {
  if (steps.size() == 1) return steps[0].second;
  std::sort(steps.begin(), steps.end(), [](const auto& a, const auto& b) {
    return std::pair(a.first.left(), a.first.top()) < std::pair(b.first.left(), b.first.top());
  });
  const bool row = std::all_of(steps.begin(), steps.end(), [&](const auto& s) { return s.first.center().y() == steps[0].first.center().y(); });
  const bool column = std::all_of(steps.begin(), steps.end(), [&](const auto& s) { return s.first.center().x() == steps[0].first.center().x(); });
  if (row == column) return "?";
  if (column)
    std::sort(steps.begin(), steps.end(), [](const auto& a, const auto& b) { return a.first.top() < b.first.top(); });
  std::string out;
  for (const auto& [box, text] : steps) out += (out.empty() ? "" : row ? " " : "/") + text;
  return out;
}

TEST_P(ImportedSubgraphs, InTheirOwnDirectionsApartAndReadBackAsContainers) {
  const graph::ParseResult read = graph::ReadMermaid(GetParam().text);
  ASSERT_TRUE(read.ok());
  const flowchart::DrawnChart drawn = flowchart::DrawChart(*read.graph, {});
  ASSERT_TRUE(drawn.ok()) << drawn.error;
  const std::vector<semantics::Item> items = charttest::ItemsOf(drawn.figures);
  const semantics::ItemGrid grid(items);
  const std::vector<semantics::Container> containers = semantics::FindContainers(items, grid.AsQuery());
  EXPECT_TRUE(semantics::FindPools(containers).empty());
  std::map<std::string, std::string> lines;
  for (const semantics::Container& c : containers) {
    std::vector<std::pair<QRect, std::string>> steps;
    for (const semantics::Item* m : c.members) steps.emplace_back(m->box, semantics::ShapeText(*m, grid.AsQuery())->caption);
    lines[c.title ? c.title->caption : "?"] = Line(steps);
    for (const semantics::Container& d : containers) {
      if (&c == &d) continue;
      const QRect a = c.frame->box, b = d.frame->box;
      const int gap = std::max(std::max(b.left() - a.right(), a.left() - b.right()), std::max(b.top() - a.bottom(), a.top() - b.bottom())) - 1;
      EXPECT_GE(gap, 20) << c.title->caption << " and " << d.title->caption;
    }
  }
  EXPECT_EQ(lines, GetParam().lines);
  // Read back: the same subgraphs, none turned into a lane.
  EXPECT_EQ(flowchart::GraphOfItems(items).clusters.size(), read.graph->clusters.size());
}

INSTANTIATE_TEST_SUITE_P(
    Charts, ImportedSubgraphs,
    testing::Values(
        SubgraphCase{"OneRunsLeftToRight",
                     "flowchart TB\n S --> a\n subgraph a [One]\n direction LR\n A --> B\n end\n subgraph b [Two]\n D --> E --> F --> G\n end\n"
                     " a --> b\n",
                     {{"One", "A B"}, {"Two", "D/E/F/G"}}},
        // The diagram holds one direction: where the subgraph's links would outweigh the chart's
        // when read back, the chart is drawn in its own.
        SubgraphCase{"OutweighingFollowsTheChart",
                     "flowchart TB\n subgraph a [One]\n direction LR\n A --> B --> C --> G\n end\n subgraph b [Two]\n D --> E\n end\n a --> b\n",
                     {{"One", "A/B/C/G"}, {"Two", "D/E"}}},
        // As in Mermaid, a subgraph whose node links outside it follows the chart.
        SubgraphCase{"LinkedOutsideFollowsTheChart",
                     "flowchart TB\n subgraph a [One]\n direction LR\n A --> B --> C\n end\n subgraph b [Two]\n D --> E\n end\n C --> D\n",
                     {{"One", "A/B/C"}, {"Two", "D/E"}}},
        SubgraphCase{"BothAsTheChart", "flowchart TB\n subgraph a [One]\n A --> B --> C\n end\n subgraph b [Two]\n D --> E\n end\n C --> D\n",
                     {{"One", "A/B/C"}, {"Two", "D/E"}}},
        // Side by side, unlinked, titles wider than their steps: their title room meets.
        SubgraphCase{"WideTitlesSideBySide",
                     "flowchart TB\n subgraph a [The first of two wide titles]\n A\n end\n"
                     " subgraph b [The second of two wide titles]\n B\n end\n",
                     {{"The first of two wide titles", "A"}, {"The second of two wide titles", "B"}}}),
    [](const testing::TestParamInfo<SubgraphCase>& i) { return std::string(i.param.name); });

}  // namespace
