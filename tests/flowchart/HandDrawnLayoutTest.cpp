// A 13-step refund chart (three decisions, a loop back) drawn by hand with the connector tool in
// scrambled places, as a user would before asking for Auto Layout: every connector is read, and
// the laid-out chart keeps the rules a chart drawn from text keeps.
#include <gtest/gtest.h>

#include "ChartSupport.h"
#include "Diagram.h"
#include "DiagramChanges.h"
#include "DiagramFile.h"
#include "FigurePlan.h"
#include "KDTools.h"
#include "LayoutPlan.h"
#include "LayoutQuality.h"
#include "PlanSupport.h"
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
  const quality::LayoutQuality q = quality::MeasureLayout(charttest::Applied(items, plan));
  EXPECT_EQ(q.connectors, 15);
  EXPECT_EQ(q.shortJogs + q.throughShapes + q.throughTexts, 0) << quality::ToText(q);
  // Worked out from the chart: ten links straight along the two columns; one bend each for
  // "Receipt valid?" to "Ask for receipt", both ways into "Issue refund" and "Reject refund" to the
  // end, two for the loop back; nothing crosses.
  EXPECT_EQ(q.crossings, 0) << quality::ToText(q);
  EXPECT_EQ(q.bends, 6) << quality::ToText(q);
  testsupport::Flush();
}

}  // namespace
