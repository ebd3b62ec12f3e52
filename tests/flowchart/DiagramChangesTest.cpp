// Flowchart changes on a diagram with no window: Auto Layout and a chart's figures added are each
// one step of the history, named after the command; undone, they give back every record byte for
// byte, and redone, the laid-out diagram again.
#include <gtest/gtest.h>

#include <QApplication>

#include "ByteStream.h"
#include "ChartDrawing.h"
#include "ChartSupport.h"
#include "Diagram.h"
#include "DiagramChanges.h"
#include "DocumentHistory.h"
#include "FigureGraph.h"
#include "KDTools.h"
#include "LayoutPlan.h"
#include "Mermaid.h"
#include "TestSupport.h"
#include "Writer.h"

namespace {

using Records = std::vector<std::vector<uint8_t>>;

class DiagramChanges : public ::testing::Test {
 protected:
  void SetUp() override { RegisterFigureClasses(); }
  void TearDown() override { testsupport::Flush(); }
  Records Save() const {
    Records r;
    for (const TCustomKDTool* f : diagram.Figures()) {
      MemoryStream stream;
      {
        TWriter writer(stream);
        writer.LeaveOut({"HaveFocused"});
        writer.WriteShape(*f);
        writer.FlushBuffer();
      }
      r.push_back(stream.TakeData());
    }
    return r;
  }
  std::vector<TCustomKDTool*> AddChart(const char* mermaid, QPoint origin = {20, 20}) {
    const graph::ParseResult read = graph::ReadMermaid(mermaid);
    EXPECT_TRUE(read.ok());
    flowchart::ChartOptions options;
    options.origin = origin;
    const flowchart::DrawnChart chart = flowchart::DrawChart(*read.graph, options);
    return flowchart::AddFigures(diagram, history, chart.figures, TFontDesc{}, QStringLiteral("Paste Flowchart"));
  }

  Diagram diagram;
  DocumentHistory history{diagram};
};

TEST_F(DiagramChanges, AChartsFiguresAreOneStep) {
  const std::vector<TCustomKDTool*> added = AddChart("flowchart TD\n A --> B -->|yes| C\n", {300, 400});
  EXPECT_EQ(history.Stack().count(), 1);
  EXPECT_EQ(history.Stack().undoText(), QStringLiteral("Paste Flowchart"));
  EXPECT_EQ(diagram.FigureCount(), added.size());
  QRect all;
  for (const TCustomKDTool* f : added) all |= f->BoundsRect();
  EXPECT_GE(all.left(), 300);
  EXPECT_GE(all.top(), 400);
  const Records after = Save();
  history.Undo();
  EXPECT_EQ(diagram.FigureCount(), 0u);
  history.Redo();
  EXPECT_EQ(Save(), after);
}

TEST_F(DiagramChanges, AutoLayoutIsOneStepThatUndoesByteForByte) {
  AddChart("flowchart TD\n A[One] --> B{Two?}\n B -->|yes| C([Three])\n B -->|no| A\n A -.-> D((Four))\n");
  history.MarkSaved();
  const Records before = Save();
  flowchart::LayoutRequest request;
  request.direction = graph::Direction::LeftToRight;
  request.penOf = [this](const std::vector<uint64_t>& s) { return flowchart::PenInDiagram(diagram, s); };
  const flowchart::LayoutPlan plan = flowchart::PlanLayout(flowchart::ItemsOfDiagram(diagram), request);
  ASSERT_TRUE(plan.ok()) << plan.error;
  flowchart::ApplyLayout(diagram, history, plan, QStringLiteral("Auto Layout"));
  EXPECT_EQ(history.Stack().count(), 2);
  EXPECT_EQ(history.Stack().undoText(), QStringLiteral("Auto Layout"));
  EXPECT_TRUE(history.DiffersFromSaved());
  const Records after = Save();
  EXPECT_NE(after, before);
  EXPECT_EQ(charttest::Shape(flowchart::GraphOfItems(flowchart::ItemsOfDiagram(diagram))),
            "LR; process:One, decision:Two?, end:Three, ellipse:Four | 0->1, 1->2 |yes|, 1->0 |no|, 0->3 dashed");
  history.Undo();
  EXPECT_EQ(Save(), before);
  EXPECT_FALSE(history.DiffersFromSaved());
  history.Redo();
  EXPECT_EQ(Save(), after);
}

// The pen of a connector drawn anew is its arrow's: colour, style and width.
TEST_F(DiagramChanges, TheArrowsPenIsTheConnectors) {
  auto line = std::make_unique<TKDLine>();
  line->SetLineColor(clRed);
  auto arrow = std::make_unique<TKDArrow>();
  arrow->SetLineColor(clBlue);
  arrow->SetLineStyle(psDot);
  arrow->SetLineWidth(5);
  const uint64_t l = diagram.IdOf(diagram.Add(std::move(line))), a = diagram.IdOf(diagram.Add(std::move(arrow)));
  EXPECT_EQ(flowchart::PenInDiagram(diagram, {l, a}), (flowchart::ConnectorPen{clBlue, psDot, 5}));
  EXPECT_EQ(flowchart::PenInDiagram(diagram, {l}), (flowchart::ConnectorPen{clRed, psSolid, 2}));
}

}  // namespace
