#include "FrameFixture.h"

#include "Messages.h"

namespace {

class SizerListTest : public FrameFixture {
 protected:
  // A rubber-band selection as the document makes it.
  TSizerList* Group(const std::vector<RecordingFigure*>& figures) {
    std::vector<TSizer*> members;
    for (auto* f : figures) members.push_back(new TSizer(canvas_, f, 30, 30, ssMultiSelect));
    auto* list = new TSizerList(window_, 30, 30);
    list->SetSizerArray(members);
    return list;
  }
  std::vector<RecordingFigure*> TwoFigures() {
    return {Add(QRect(10, 10, 50, 30)), Add(QRect(100, 60, 50, 50))};
  }
};

TEST_F(SizerListTest, FrameEnclosesTheMembersTwoPixelsWider) {
  auto figs = TwoFigures();
  TSizerList* list = Group(figs);
  auto members = ChildrenOf<TSizer>();
  ASSERT_EQ(members.size(), 2u);
  EXPECT_EQ(members[0]->geometry(), QRect(8, 8, 54, 34));
  EXPECT_EQ(members[1]->geometry(), QRect(98, 58, 54, 54));
  EXPECT_EQ(list->geometry(), QRect(6, 6, 148, 108));
  EXPECT_TRUE(list->hasFocus());
  for (auto* m : members) EXPECT_EQ(m->SelectStatus(), ssMultiSelect);
  // The group lies above its members.
  EXPECT_EQ(canvas_->Controls().back(), list);
  for (auto* f : figs) EXPECT_TRUE(f->HaveFocused());
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

TEST_F(SizerListTest, ShiftArrowMovesNothingButEveryFigureIsToldAndGetsTheKey) {
  auto figs = TwoFigures();
  TSizerList* list = Group(figs);
  for (auto* f : figs) f->log.clear();
  Key(Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(list->geometry(), QRect(6, 6, 148, 108));
  for (auto* f : figs) {
    EXPECT_GE(f->Count(WM_COMPCHANGE, 2), 1);
    int arrows = 0;
    for (auto& e : f->log) arrows += e.msg == WM_KEYDOWN && e.w == VK_LEFT;
    EXPECT_EQ(arrows, 1);
  }
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

TEST_F(SizerListTest, RightPressIsForwardedToEveryMember) {
  auto figs = TwoFigures();
  int menus = 0;
  for (auto* f : figs)
    f->OnMouseDown = [&](TCustomControl*, TMouseButton b, TShiftState, int, int) { menus += b == mbRight; };
  Group(figs);
  Press(QPoint(80, 40), Qt::RightButton);
  ReleaseMouse(QPoint(80, 40), Qt::RightButton);
  EXPECT_EQ(menus, 2);
  EXPECT_EQ(ChildrenOf<TSizerList>().size(), 1u);
}

TEST_F(SizerListTest, PositionsAndSizesBeyondSixteenBitsPassUnchanged) {
  auto* far = Add(QRect(40000, 50000, 30, 30));
  TSizerList* list = Group({far});
  SendMessage(list, WM_MOVE, 0, MakeLParam(70000, 80000));
  EXPECT_EQ(far->pos(), QPoint(70004, 80004));
}

}  // namespace
