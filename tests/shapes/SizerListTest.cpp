#include "FrameFixture.h"

#include "Messages.h"

namespace {

class SizerListTest : public FrameFixture {
 protected:
  // A rubber-band selection as the document makes it.
  TSizerList* Group(const std::vector<RecordingFigure*>& figures) {
    auto* list = new TSizerList(window_, 30, 30);
    list->SetMembers(std::vector<TCustomKDTool*>(figures.begin(), figures.end()));
    return list;
  }
  std::vector<RecordingFigure*> TwoFigures() {
    return {Add(QRect(10, 10, 50, 30)), Add(QRect(100, 60, 50, 50))};
  }
};

// The members' frames are no controls of their own: the group draws their silver handles, 2 pixels
// around each figure, under its own green ones.
TEST_F(SizerListTest, FrameEnclosesTheMembersTwoPixelsWiderAndDrawsTheirHandles) {
  auto figs = TwoFigures();
  TSizerList* list = Group(figs);
  EXPECT_TRUE(ChildrenOf<TSizer>().empty());
  EXPECT_EQ(list->MemberCount(), 2u);
  EXPECT_EQ(list->geometry(), QRect(6, 6, 148, 108));
  EXPECT_TRUE(list->hasFocus());
  EXPECT_EQ(canvas_->Controls().back(), list);
  for (auto* f : figs) EXPECT_TRUE(f->HaveFocused());
  const QImage shot = window_->grab().toImage();
  const QColor silver(192, 192, 192), lime(0, 255, 0);
  struct Pixel {
    QPoint at;
    QColor color;
  } pixels[] = {
      {{59, 39}, silver},   // the bottom-right handle of the first member's frame (8, 8, 54, 34)
      {{100, 60}, silver},  // the top-left handle of the second's (98, 58, 54, 54)
      {{8, 8}, lime},       // the group's own top-left handle
  };
  for (const Pixel& p : pixels) EXPECT_EQ(shot.pixelColor(p.at), p.color) << p.at.x() << "," << p.at.y();
  EXPECT_NE(shot.pixelColor(80, 40), silver);
}

// Qt announces no move when the group's window comes into being, so there is nothing to swallow:
// the first move and the first size the user makes reach the members, each in a single step.
TEST_F(SizerListTest, TheFirstMoveAndTheFirstSizeOfANewGroupAreNotLost) {
  auto figs = TwoFigures();
  Group(figs);
  Key(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(figs[0]->pos(), QPoint(11, 10));
  EXPECT_EQ(figs[1]->pos(), QPoint(101, 60));

  auto* third = Add(QRect(300, 300, 40, 20));
  TSizerList* list = Group({third});
  const QPoint handle = list->pos() + QPoint(list->width() - 2, list->height() / 2);
  Press(handle);
  MoveMouse(handle + QPoint(15, 0));
  ReleaseMouse(handle + QPoint(15, 0));
  EXPECT_EQ(third->geometry(), QRect(300, 300, 55, 20));
}

TEST_F(SizerListTest, MembersKeepTheirPlacesWhenTheGroupIsDragged) {
  auto figs = TwoFigures();
  TSizerList* list = Group(figs);
  // Press on the body between the two figures.
  Drag(QPoint(80, 40), QPoint(110, 45));
  EXPECT_EQ(list->geometry(), QRect(36, 11, 148, 108));
  EXPECT_EQ(figs[0]->geometry(), QRect(40, 15, 50, 30));
  EXPECT_EQ(figs[1]->geometry(), QRect(130, 65, 50, 50));
  EXPECT_EQ(list->LastLeft, 36);
}

TEST_F(SizerListTest, RightHandleDragWidensEveryMemberAndMovesNone) {
  auto figs = TwoFigures();
  TSizerList* list = Group(figs);
  QPoint handle = list->pos() + QPoint(list->width() - 2, list->height() / 2);
  Drag(handle, handle + QPoint(20, 0));
  EXPECT_EQ(list->width(), 168);
  EXPECT_EQ(figs[0]->geometry(), QRect(10, 10, 70, 30));
  EXPECT_EQ(figs[1]->geometry(), QRect(100, 60, 70, 50));
}

TEST_F(SizerListTest, ShrinkingBelowAMembersSizeGivesItTheStepSize) {
  auto* narrow = Add(QRect(10, 10, 20, 40));
  auto* wide = Add(QRect(100, 10, 200, 40));
  TSizerList* list = Group({narrow, wide});
  QPoint handle = list->pos() + QPoint(list->width() - 2, list->height() - 2);
  Drag(handle, handle + QPoint(-30, -5));
  // The narrow member's frame would be 24 - 30 wide: it becomes 30 x 30 (figure 26 x 26), its
  // height replaced too; the other shrinks by the same amount as the group.
  EXPECT_EQ(narrow->geometry(), QRect(10, 10, 26, 26));
  EXPECT_EQ(wide->geometry(), QRect(100, 10, 170, 35));
  EXPECT_EQ(list->LastWidth, list->width());
}

TEST_F(SizerListTest, ShiftArrowMovesNothingPlainArrowsMoveByTheStepCtrlByAPixel) {
  auto figs = TwoFigures();
  TSizerList* list = Group(figs);
  Key(Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(list->geometry(), QRect(6, 6, 148, 108));
  EXPECT_EQ(figs[0]->pos(), QPoint(10, 10));
  Key(Qt::Key_Left);
  EXPECT_EQ(figs[0]->pos(), QPoint(-20, 10));
  EXPECT_EQ(figs[1]->pos(), QPoint(70, 60));
  Key(Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(figs[0]->pos(), QPoint(-20, 11));
  EXPECT_EQ(list->LastTop, list->y());
}

TEST_F(SizerListTest, DeleteRemovesEveryFigureAndEveryFrame) {
  auto figs = TwoFigures();
  Add(QRect(400, 400, 10, 10));  // not in the group
  Group(figs);
  Key(Qt::Key_Delete);
  EXPECT_TRUE(ChildrenOf<TSizer>().empty());
  EXPECT_TRUE(ChildrenOf<TSizerList>().empty());
  EXPECT_EQ(ChildrenOf<RecordingFigure>().size(), 1u);
}

TEST_F(SizerListTest, FocusLossDeselectsEveryFigureAndRemovesEveryFrame) {
  auto figs = TwoFigures();
  int exits = 0;
  for (auto* f : figs) f->OnExit = [&](TCustomKDTool*) { ++exits; };
  Group(figs);
  Press(QPoint(600, 600));  // blank canvas
  focus::SetFocus(canvas_);
  EXPECT_EQ(exits, 2);
  for (auto* f : figs) EXPECT_FALSE(f->HaveFocused());
  EXPECT_TRUE(ChildrenOf<TSizer>().empty());
  EXPECT_TRUE(ChildrenOf<TSizerList>().empty());
}

TEST_F(SizerListTest, PressOnAFigureOutsideTheGroupMovesTheSelectionThere) {
  auto figs = TwoFigures();
  auto* outside = Add(QRect(400, 400, 40, 40));
  Group(figs);
  Press(QPoint(410, 410));
  ReleaseMouse(QPoint(410, 410));
  for (auto* f : figs) EXPECT_FALSE(f->HaveFocused());
  EXPECT_TRUE(outside->HaveFocused());
  auto frames = ChildrenOf<TSizer>();
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0]->SelectStatus(), ssSingleSelect);
}

// One context menu for the whole selection, opened by the member under the pointer (the last one
// beside every member), at the pointer: the point it is given is the press in its own pixels.
TEST_F(SizerListTest, RightPressOpensOneMenuAtThePointer) {
  struct Case {
    QPoint press;
    int member;  // which member hears it
    QPoint local;
  } cases[] = {{{80, 40}, 1, {-20, -20}}, {{20, 15}, 0, {10, 5}}, {{120, 100}, 1, {20, 40}}};
  for (const Case& c : cases) {
    auto figs = TwoFigures();
    std::vector<std::pair<int, QPoint>> menus;
    for (int i = 0; i < 2; ++i)
      figs[i]->OnMouseDown = [&menus, i](TCustomControl*, TMouseButton b, TShiftState, int x, int y) {
        if (b == mbRight) menus.push_back({i, QPoint(x, y)});
      };
    Group(figs);
    Press(c.press, Qt::RightButton);
    ReleaseMouse(c.press, Qt::RightButton);
    ASSERT_EQ(menus.size(), 1u) << c.press.x();
    EXPECT_EQ(menus[0].first, c.member) << c.press.x();
    EXPECT_EQ(menus[0].second, c.local) << c.press.x();
    EXPECT_EQ(ChildrenOf<TSizerList>().size(), 1u);
    for (auto* f : figs) f->OnMouseDown = nullptr;
    focus::SetFocus(canvas_);
    for (auto* f : figs) f->Release();
    testsupport::Flush();
  }
}

TEST_F(SizerListTest, PositionsAndSizesBeyondSixteenBitsPassUnchanged) {
  auto* far = Add(QRect(40000, 50000, 30, 30));
  TSizerList* list = Group({far});
  SendMessage(list, WM_MOVE, 0, MakeLParam(70000, 80000));
  EXPECT_EQ(far->pos(), QPoint(70004, 80004));
}

}  // namespace
