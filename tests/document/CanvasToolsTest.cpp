// Each document's tools keep their own gesture: a drag begun on one document's canvas is left as
// it was by a whole drag on another's, and its release draws or selects from its own press point.
#include "ConnectorOptions.h"
#include "DocumentTestSupport.h"

namespace {

struct Interleaved {
  const char* name;
  TTool toolA;  // chosen at the press on A
  TTool toolB;  // chosen for the drag on B
  QPoint pressA, pressB, releaseB, releaseA;
  QRect drawnA;  // the new figure, none for the select tool
  QRect drawnB;
};
void PrintTo(const Interleaved& c, std::ostream* os) { *os << c.name; }

class TwoDocuments : public DocumentFixture, public ::testing::WithParamInterface<Interleaved> {
 protected:
  void SetUp() override {
    DocumentFixture::SetUp();
    other = new TwinKedrinFile(&main);
    other->show();
  }
  void TearDown() override {
    delete other;
    DocumentFixture::TearDown();
  }
  TwinKedrinFile* other = nullptr;
};

TEST_P(TwoDocuments, AGestureOnOneLeavesTheOtherAlone) {
  const Interleaved& c = GetParam();
  TCustomKDTool* inBand = Add(QRect(30, 30, 20, 20));  // on A
  main.tool = c.toolA;
  doc->imgKedrinMouseDown(mbLeft, 0, c.pressA.x(), c.pressA.y());
  EXPECT_TRUE(doc->DragInProgress());
  EXPECT_FALSE(other->DragInProgress());
  main.tool = c.toolB;
  other->imgKedrinMouseDown(mbLeft, 0, c.pressB.x(), c.pressB.y());
  other->imgKedrinMouseMove(0, c.releaseB.x(), c.releaseB.y());
  other->imgKedrinMouseUp(mbLeft, 0, c.releaseB.x(), c.releaseB.y());
  EXPECT_TRUE(doc->DragInProgress());
  main.tool = TTool::Select;
  doc->imgKedrinMouseUp(mbLeft, 0, c.releaseA.x(), c.releaseA.y());
  EXPECT_FALSE(doc->DragInProgress());

  if (c.drawnB.isNull()) {
    EXPECT_TRUE(other->Figures().empty());
  } else {
    ASSERT_EQ(other->Figures().size(), 1u);
    EXPECT_EQ(other->Figures().back()->BoundsRect(), c.drawnB);
  }
  if (c.drawnA.isNull()) {
    EXPECT_EQ(doc->Figures().size(), 1u);
    EXPECT_TRUE(inBand->HaveFocused());
  } else {
    ASSERT_EQ(doc->Figures().size(), 2u);
    EXPECT_EQ(doc->Figures().back()->BoundsRect(), c.drawnA);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Drags, TwoDocuments,
    ::testing::Values(
        Interleaved{"RectangleThenRectangle", TTool::Rectangle, TTool::Rectangle, {10, 20}, {100, 100}, {150, 140},
                    {60, 50}, QRect(10, 20, 50, 30), QRect(100, 100, 50, 40)},
        // A's band from (20, 20) to (60, 60) encloses A's box.
        Interleaved{"BandThenLine", TTool::Select, TTool::Line, {20, 20}, {5, 5}, {45, 35}, {60, 60}, QRect(),
                    QRect(5, 5, 40, 30)},
        // The ellipse dragged up and to the left on A: its box from the release to the press.
        Interleaved{"EllipseThenBand", TTool::Ellipse, TTool::Select, {90, 80}, {0, 0}, {10, 10}, {40, 50},
                    QRect(40, 50, 50, 30), QRect()}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

struct PressOnBox {
  TTool tool;
  bool draws;  // the press draws a figure of the tool onto the box; else it selects the box
};
void PrintTo(const PressOnBox& c, std::ostream* os) { *os << static_cast<int>(c.tool); }

// Drawing onto figures is View > Keep Connectors and Labels Attached's.
class PressesOnFigures : public DocumentFixture, public ::testing::WithParamInterface<PressOnBox> {
 protected:
  void SetUp() override {
    DocumentFixture::SetUp();
    ConnectorOptions::Instance().SetKeepAttached(true);
  }
  void TearDown() override {
    ConnectorOptions::Instance().SetKeepAttached(keptAttached);
    DocumentFixture::TearDown();
  }
  const bool keptAttached = ConnectorOptions::Instance().KeepAttached();
};

// The canvas hands a press on a figure to the document's tools before the figure takes it.
TEST_P(PressesOnFigures, ADrawingToolDrawsOntoTheBox) {
  TCustomKDTool* box = Add(QRect(40, 40, 100, 60));
  main.tool = GetParam().tool;
  const QPoint at = doc->Surface()->mapTo(doc, QPoint(60, 70));
  QTest::mousePress(doc->windowHandle(), Qt::LeftButton, {}, at);
  QTest::mouseRelease(doc->windowHandle(), Qt::LeftButton, {}, at);
  if (!GetParam().draws) {
    EXPECT_EQ(doc->Figures().size(), 1u);
    EXPECT_TRUE(box->HaveFocused());
    return;
  }
  ASSERT_EQ(doc->Figures().size(), 2u);
  EXPECT_EQ(doc->Figures().back()->BoundsRect().topLeft(), QPoint(60, 70));
  EXPECT_FALSE(box->HaveFocused());
}

INSTANTIATE_TEST_SUITE_P(Tools, PressesOnFigures,
                         ::testing::Values(PressOnBox{TTool::Select, false}, PressOnBox{TTool::Label, true},
                                           PressOnBox{TTool::Ellipse, true}));

}  // namespace
