// Snap to Grid and Smart Guides as the user meets them: drawing, dragging, resizing and arrow
// keys put the figures' edges on the grid (or on another figure's edge) while the option is on,
// and exactly where the pointer says while it is off.
#include <QAction>

#include "GridActions.h"
#include "GridOptions.h"
#include "GuideOverlay.h"
#include "HistoryFixture.h"

namespace {

class GridSnapTest : public HistoryFixture {
 protected:
  void SetUp() override {
    HistoryFixture::SetUp();
    SetOptions(false, false);
  }
  void TearDown() override {
    SetOptions(false, false);
    HistoryFixture::TearDown();
  }
  static void SetOptions(bool snap, bool guides) {
    GridOptions& o = GridOptions::Instance();
    o.SetShowGrid(false);
    o.SetGridSize(10);
    o.SetSnapToGrid(snap);
    o.SetSmartGuides(guides);
  }
  void MoveWith(QPoint p, Qt::KeyboardModifiers modifiers) {
    QTest::mouseEvent(QTest::MouseMove, main->windowHandle(), Qt::NoButton, modifiers, InWindow(p));
  }
};

struct Action {
  const char* name;
  QRect snapped, free;  // the figure afterwards, with the grid on and off
};

// Grid 10. The figure starts at (103, 104, 50 x 40) unless the action draws it.
const Action kActions[] = {
    // Dragged from (103, 97) to (158, 164): both corners go to the nearest lines.
    {"Draw", {100, 100, 60, 60}, {103, 97, 55, 67}},
    // By (24, 13): the corner would come to (127, 117); (130, 120) is the nearest grid point.
    {"Move", {130, 120, 50, 40}, {127, 117, 50, 40}},
    // The bottom-right handle by (17, 8): the right edge to 170, the bottom to 150; the left and
    // top edges stay where they are, off the grid.
    {"Resize", {103, 104, 67, 46}, {103, 104, 67, 48}},
    // Right, Down, Left: to the next line each way; then Ctrl+Right one pixel.
    {"Nudge", {101, 110, 50, 40}, {104, 154, 50, 40}},
};

void PrintTo(const Action& a, std::ostream* os) { *os << a.name; }

class EverySnappedAction : public GridSnapTest, public ::testing::WithParamInterface<std::tuple<Action, bool>> {};

TEST_P(EverySnappedAction, PutsTheFigureOnTheGridOnlyWhenSnapIsOn) {
  const auto& [action, snap] = GetParam();
  SetOptions(snap, false);
  const std::string name = action.name;
  TCustomKDTool* f = nullptr;
  if (name == "Draw") {
    UseTool("btnRectangle");
    Drag({103, 97}, {158, 164});
    f = LastFigure();
  } else {
    f = Add<TKDRectangle>(doc, QRect(103, 104, 50, 40));
    if (name == "Move") {
      UseTool("btnSelect");
      const QPoint c = f->geometry().center();
      Drag(c, c + QPoint(24, 13));
    } else if (name == "Resize") {
      ClickFigure(f);
      DragBottomRightHandle(f, {17, 8});
    } else if (name == "Nudge") {
      ClickFigure(f);
      Key(Qt::Key_Right);
      Key(Qt::Key_Down);
      Key(Qt::Key_Left);
      Key(Qt::Key_Right, Qt::ControlModifier);
    }
  }
  testsupport::Flush();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->BoundsRect(), snap ? action.snapped : action.free);
}

INSTANTIATE_TEST_SUITE_P(GridSnap, EverySnappedAction, ::testing::Combine(::testing::ValuesIn(kActions), ::testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + (std::get<1>(info.param) ? "On" : "Off");
                         });

TEST_F(GridSnapTest, ResizingNeverSnapsAnEdgeOntoTheOppositeOne) {
  SetOptions(true, false);
  TCustomKDTool* f = Add<TKDRectangle>(doc, QRect(100, 100, 50, 40));
  ClickFigure(f);
  // The bottom-right handle dragged far past the top-left corner: the edges stop one grid
  // line beyond the fixed ones.
  DragBottomRightHandle(f, {-80, -70});
  EXPECT_EQ(f->BoundsRect(), QRect(100, 100, 10, 10));
}

TEST_F(GridSnapTest, DrawingAtTwoHundredPercentSnapsTheCanvasPoint) {
  SetOptions(true, false);
  doc->Surface()->SetZoom(2.0);
  testsupport::Flush();
  UseTool("btnRectangle");
  // Widget pixels (207, 193) and (317, 329) are canvas pixels (103, 96) and (158, 164).
  Drag({207, 193}, {317, 329});
  ASSERT_NE(LastFigure(), nullptr);
  EXPECT_EQ(LastFigure()->BoundsRect(), QRect(100, 100, 60, 60));
}

TEST_F(GridSnapTest, AGroupMovesSoThatItsBoundingBoxCornerIsOnTheGrid) {
  SetOptions(true, false);
  TCustomKDTool* a = Add<TKDRectangle>(doc, QRect(103, 104, 50, 40));
  TCustomKDTool* b = Add<TKDEllipse>(doc, QRect(200, 151, 30, 30));
  BandAround({a, b});
  const QPoint c = a->geometry().center();
  Drag(c, c + QPoint(24, 13));
  // The box's corner from (103, 104) to (130, 120): both move by (27, 16).
  EXPECT_EQ(a->BoundsRect(), QRect(130, 120, 50, 40));
  EXPECT_EQ(b->BoundsRect(), QRect(227, 167, 30, 30));
}

TEST_F(GridSnapTest, AGroupResizedByItsHandlePutsTheBoxEdgeOnTheGrid) {
  SetOptions(true, false);
  TCustomKDTool* a = Add<TKDRectangle>(doc, QRect(103, 104, 50, 40));
  TCustomKDTool* b = Add<TKDEllipse>(doc, QRect(200, 151, 30, 30));
  BandAround({a, b});
  // The group's frame lies 4 pixels around the box (103, 104) to (230, 181).
  const QRect frame = QRect(103, 104, 127, 77).adjusted(-4, -4, 4, 4);
  const QPoint handle = frame.topLeft() + QPoint(frame.width() - 3, frame.height() - 3);
  Drag(handle, handle + QPoint(17, 8));
  // The box's right edge from 247 to 250 and its bottom from 189 to 190: every member grows by
  // (20, 9).
  EXPECT_EQ(a->BoundsRect(), QRect(103, 104, 70, 49));
  EXPECT_EQ(b->BoundsRect(), QRect(200, 151, 50, 39));
}

TEST_F(GridSnapTest, AltSuspendsSnappingWhileItIsHeld) {
  SetOptions(true, false);
  TCustomKDTool* f = Add<TKDRectangle>(doc, QRect(103, 104, 50, 40));
  UseTool("btnSelect");
  const QPoint c = f->geometry().center();
  Press(c);
  MoveWith(c + QPoint(24, 13), Qt::AltModifier);
  EXPECT_EQ(f->BoundsRect(), QRect(127, 117, 50, 40));
  // Let go of Alt (a move to the very same place reaches nobody).
  MoveWith(c + QPoint(24, 14), Qt::NoModifier);
  EXPECT_EQ(f->BoundsRect(), QRect(130, 120, 50, 40));
  Release(c + QPoint(24, 14));
}

TEST_F(GridSnapTest, SmartGuideSnapsTheMoveToAnotherFiguresEdgeAndShowsTheLine) {
  SetOptions(false, true);
  Add<TKDRectangle>(doc, QRect(300, 100, 80, 50));
  TCustomKDTool* moving = Add<TKDRectangle>(doc, QRect(100, 300, 60, 40));
  UseTool("btnSelect");
  const QPoint c = moving->geometry().center();
  Press(c);
  MoveTo(c + QPoint(100, -3));
  // Left edge at 303: 3 pixels from the other's left edge (its centre would be 7 from 340).
  MoveTo(c + QPoint(203, -3));
  EXPECT_EQ(moving->BoundsRect(), QRect(300, 297, 60, 40));
  GuideOverlay* overlay = GuideOverlay::Of(doc->Surface());
  EXPECT_TRUE(overlay->isVisible());
  const std::vector<arrange::GuideLine> lines{{arrange::GuideLine::Axis::Vertical, 300, 100, 337}};
  EXPECT_EQ(overlay->Lines(), lines);
  Release(c + QPoint(203, -3));
  EXPECT_EQ(moving->BoundsRect(), QRect(300, 297, 60, 40));
  EXPECT_FALSE(overlay->isVisible());
  EXPECT_TRUE(overlay->Lines().empty());
}

TEST_F(GridSnapTest, GuidesSnapWithinFiveScreenPixelsAtTheCanvasZoom) {
  SetOptions(false, true);
  doc->Surface()->SetZoom(2.0);
  Add<TKDRectangle>(doc, QRect(150, 50, 80, 40));
  TCustomKDTool* moving = Add<TKDRectangle>(doc, QRect(50, 150, 60, 40));
  testsupport::Flush();
  UseTool("btnSelect");
  // Widget pixels: the moving figure's centre (159, 339) is canvas (79, 169).
  Press({159, 339});
  // Canvas delta (103, -3): left edge at 153, 3 canvas pixels (6 screen pixels) from 150; its
  // centre 183 and right 213 are farther from 190 and 230.
  MoveTo({365, 333});
  EXPECT_EQ(moving->BoundsRect(), QRect(153, 147, 60, 40));
  // Canvas delta (102, -3): 2 canvas pixels, 4 screen pixels, snap.
  MoveTo({363, 333});
  EXPECT_EQ(moving->BoundsRect(), QRect(150, 147, 60, 40));
  Release({363, 333});
}

TEST_F(GridSnapTest, ViewMenuItemsShowAndChangeTheOptions) {
  QAction* snap = main->findChild<QAction*>(QStringLiteral("SnapToGrid1"));
  QAction* show = main->findChild<QAction*>(QStringLiteral("ShowGrid1"));
  ASSERT_NE(snap, nullptr);
  ASSERT_NE(show, nullptr);
  EXPECT_FALSE(snap->isChecked());
  snap->trigger();
  EXPECT_TRUE(GridOptions::Instance().SnapToGrid());
  show->trigger();
  EXPECT_TRUE(GridOptions::Instance().ShowGrid());
  GridActions* actions = main->findChild<GridActions*>();
  ASSERT_NE(actions, nullptr);
  actions->AskGridSize = [](QWidget*, int current) -> std::optional<int> { return current == 10 ? 25 : 0; };
  main->findChild<QAction*>(QStringLiteral("GridSize1"))->trigger();
  EXPECT_EQ(GridOptions::Instance().GridSize(), 25);
  EXPECT_EQ(main->findChild<QAction*>(QStringLiteral("GridSize1"))->text().remove('&'), QStringLiteral("Grid Size (25)..."));
  // Remembered: a fresh read of the settings gives the same.
  GridOptions::Instance().Load();
  EXPECT_TRUE(GridOptions::Instance().SnapToGrid());
  EXPECT_TRUE(GridOptions::Instance().ShowGrid());
  EXPECT_EQ(GridOptions::Instance().GridSize(), 25);
}

}  // namespace
