// Arrange > Connector Style: a selected straight arrow between two boxes drawn again as an elbow
// route, and back as one straight arrow, each one undo step that gives back the bytes.
#include <QUndoStack>

#include "ConnectWireFixture.h"
#include "ConnectorStyle.h"
#include "Diagram.h"

namespace {

// A (100, 100, 100 x 50) and B (400, 300, 100 x 50) lie farther apart across (200) than up and
// down (150): a straight connector runs from A's right middle (200, 125) to B's left middle
// (400, 325).
class ConnectorStyleTest : public ConnectWireFixture {
 protected:
  void SetUp() override {
    ConnectWireFixture::SetUp();
    a = Add<TKDRectangle>(doc, {100, 100, 100, 50});
    b = Add<TKDRectangle>(doc, {400, 300, 100, 50});
    arrow = Add<TKDArrow>(doc, {200, 125, 200, 200});
    arrow->SetArrowDirection(adTopToBottom);
    arrow->SetArrowPosition(apRight);
    arrow->SetLineColor(clRed);
    testsupport::Flush();
  }
  std::vector<TCustomKDTool*> Connector() const {
    std::vector<TCustomKDTool*> out;
    for (TCustomKDTool* f : doc->Figures())
      if (f != a && f != b) out.push_back(f);
    return out;
  }

  TKDRectangle *a = nullptr, *b = nullptr;
  TKDArrow* arrow = nullptr;
};

TEST_F(ConnectorStyleTest, AStraightArrowBecomesAnElbowAndBack) {
  const std::vector<uint8_t> before = SaveBytes(doc);
  const int steps = doc->UndoStack()->count();
  doc->FigureSet().Select({arrow});
  EXPECT_EQ(SetConnectorShape(*doc, ConnectorShape::Straight), 0) << "already straight";
  ASSERT_EQ(SetConnectorShape(*doc, ConnectorShape::Elbow), 1);
  EXPECT_EQ(doc->UndoStack()->count(), steps + 1);
  EXPECT_EQ(doc->UndoStack()->undoText(), QStringLiteral("Elbow Connectors"));
  const std::vector<TCustomKDTool*> route = Connector();
  ASSERT_GE(route.size(), 2u);
  // Every segment runs across or down, in the connector's red, and the last one is the arrow
  // whose head enters B.
  for (TCustomKDTool* f : route) {
    EXPECT_EQ(f->LineColor(), clRed);
    const connectors::Ends e = connectors::EndsOf(f->BoundsRect(), qobject_cast<TKDArrow*>(f)
                                                                           ? qobject_cast<TKDArrow*>(f)->ArrowDirection()
                                                                           : qobject_cast<TKDLine*>(f)->Orientation());
    EXPECT_TRUE(e.start.x() == e.end.x() || e.start.y() == e.end.y());
  }
  auto* last = qobject_cast<TKDArrow*>(route.back());
  ASSERT_NE(last, nullptr);
  const QPoint tip = Head(*last).tip;
  EXPECT_TRUE(tip.x() == 400 || tip.y() == 300) << tip.x() << "," << tip.y();
  EXPECT_EQ(doc->FigureSet().Selected().size(), route.size());

  ASSERT_EQ(SetConnectorShape(*doc, ConnectorShape::Straight), 1);
  const std::vector<TCustomKDTool*> straight = Connector();
  ASSERT_EQ(straight.size(), 1u);
  auto* again = qobject_cast<TKDArrow*>(straight.front());
  ASSERT_NE(again, nullptr);
  const connectors::Ends e = EndsOf(*again);
  EXPECT_EQ(e.start, QPoint(200, 125));
  EXPECT_EQ(e.end, QPoint(400, 325));
  EXPECT_EQ(Head(*again).tip, QPoint(400, 325));

  doc->Undo();
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
}

TEST_F(ConnectorStyleTest, FiguresThatAreNoConnectorsAreLeftAlone) {
  auto* line = Add<TKDLine>(doc, {600, 100, 100, 4});  // on no shape
  line->SetOrientation(adTopToTop);
  testsupport::Flush();
  const std::vector<uint8_t> before = SaveBytes(doc);
  const int steps = doc->UndoStack()->count();
  for (const std::vector<TCustomKDTool*>& selection : {std::vector<TCustomKDTool*>{a, b}, {line}}) {
    doc->FigureSet().Select(selection);
    EXPECT_EQ(SetConnectorShape(*doc, ConnectorShape::Elbow), 0);
    EXPECT_EQ(SetConnectorShape(*doc, ConnectorShape::Straight), 0);
  }
  EXPECT_EQ(doc->UndoStack()->count(), steps);
  EXPECT_EQ(SaveBytes(doc), before);
}

}  // namespace
