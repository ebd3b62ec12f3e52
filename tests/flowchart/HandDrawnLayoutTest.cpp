// A 13-step refund chart (three decisions, a loop back) drawn by hand with the connector tool in
// scrambled places, as a user would before asking for Auto Layout: every connector is read, and
// the laid-out chart keeps the rules a chart drawn from text keeps.
#include <gtest/gtest.h>

#include <map>

#include "ChartSupport.h"
#include "Diagram.h"
#include "DiagramChanges.h"
#include "DiagramFile.h"
#include "FigurePlan.h"
#include "KDTools.h"
#include "LayoutPlan.h"
#include "LayoutQuality.h"
#include "TestSupport.h"

namespace {

TEST(HandDrawnLayout, AScrambledChartComesOutByTheRules) {
  RegisterFigureClasses();
  Diagram diagram;
  diagramfile::Read(testsupport::DataPath("refund-drawn-scrambled.kdl"),
                    [&](std::unique_ptr<TCustomKDTool> f) { diagram.Add(std::move(f)); });
  const std::vector<semantics::Item> items = flowchart::ItemsOfDiagram(diagram);
  ASSERT_EQ(quality::MeasureLayout(items).connectors, 15);
  const flowchart::LayoutPlan plan = flowchart::PlanLayout(items, flowchart::LayoutRequest{});
  ASSERT_TRUE(plan.ok()) << plan.error;
  std::map<uint64_t, QRect> box;
  for (const semantics::Item& i : items) box[i.id] = i.box;
  for (const flowchart::FigureMove& m : plan.moves) box[m.id] = m.box;
  std::vector<semantics::Item> after;
  for (const semantics::Item& i : items)
    if (std::find(plan.removed.begin(), plan.removed.end(), i.id) == plan.removed.end()) {
      semantics::Item moved = i;
      moved.box = box[i.id];
      after.push_back(moved);
    }
  for (const flowchart::FigurePlan& p : plan.added)
    after.push_back(flowchart::ItemOf(p, 1000 + after.size(), static_cast<int>(1000 + after.size())));
  const quality::LayoutQuality q = quality::MeasureLayout(after);
  EXPECT_EQ(q.connectors, 15);
  EXPECT_EQ(q.shortJogs + q.throughShapes + q.throughTexts, 0) << quality::ToText(q);
  testsupport::Flush();
}

}  // namespace
