#include "FrameFixture.h"

#include "Messages.h"

namespace {

using SizerTest = FrameFixture;

TEST_F(SizerTest, PressAndDragSelectsMovesAndSelectsOnRelease) {
  auto* f = Add(QRect(100, 100, 60, 40));
  std::vector<std::string> events;
  f->OnSeleComp = [&](TCustomKDTool*) { events.push_back("sele"); };
  Press(QPoint(120, 120));
  auto frames = ChildrenOf<TSizer>();
  ASSERT_EQ(frames.size(), 1u);
  TSizer* frame = frames[0];
  EXPECT_EQ(frame->geometry(), QRect(98, 98, 64, 44));
  EXPECT_TRUE(f->HaveFocused());
  EXPECT_TRUE(frame->hasFocus());
  EXPECT_EQ(f->SelectionFrame(), frame);
  EXPECT_TRUE(events.empty());
  MoveMouse(QPoint(150, 140));
  EXPECT_EQ(f->geometry(), QRect(130, 120, 60, 40));
  MoveMouse(QPoint(170, 160));
  ReleaseMouse(QPoint(170, 160));
  EXPECT_EQ(f->geometry(), QRect(150, 140, 60, 40));
  EXPECT_EQ(frame->geometry(), QRect(148, 138, 64, 44));
  EXPECT_EQ(events, std::vector<std::string>{"sele"});
  EXPECT_EQ(f->Count(WM_SELECOMP), 1);
}

TEST_F(SizerTest, SelectingAnotherFigureEndsThePreviousFrameFirst) {
  auto* a = Add(QRect(50, 50, 40, 40));
  auto* b = Add(QRect(300, 50, 40, 40));
  std::vector<std::string> events;
  a->OnExit = [&](TCustomKDTool*) { events.push_back("exit A"); };
  b->OnSeleComp = [&](TCustomKDTool*) { events.push_back("sele B"); };
  Press(QPoint(60, 60));
  ReleaseMouse(QPoint(60, 60));
  Press(QPoint(310, 60));
  ReleaseMouse(QPoint(310, 60));
  testsupport::Flush();
  EXPECT_EQ(events, (std::vector<std::string>{"exit A", "sele B"}));
  EXPECT_FALSE(a->HaveFocused());
  EXPECT_TRUE(b->HaveFocused());
  auto frames = ChildrenOf<TSizer>();
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0]->Target(), b);
}

TEST_F(SizerTest, PressOnTheBodyDragsTheSameFrameAgain) {
  auto* f = Add(QRect(100, 100, 60, 40));
  Press(QPoint(110, 110));
  ReleaseMouse(QPoint(110, 110));
  TSizer* frame = ChildrenOf<TSizer>().at(0);
  Drag(QPoint(130, 120), QPoint(140, 150));
  ASSERT_EQ(ChildrenOf<TSizer>().size(), 1u);
  EXPECT_EQ(ChildrenOf<TSizer>()[0], frame);
  EXPECT_EQ(f->geometry(), QRect(110, 130, 60, 40));
  EXPECT_EQ(f->Count(WM_SELECOMP), 2);
}

TEST_F(SizerTest, PressOutsideTheOutlineReachesWhatLiesBeneath) {
  auto* below = Add(QRect(100, 100, 100, 100));
  auto* circle = Add<TKDBegin>(QRect(100, 100, 100, 100));
  // The corner of the circle's box lies outside its outline: the rectangle beneath is pressed.
  Press(QPoint(103, 103));
  ReleaseMouse(QPoint(103, 103));
  auto frames = ChildrenOf<TSizer>();
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0]->Target(), below);
  EXPECT_FALSE(circle->HaveFocused());
}

struct HandleCase {
  const char* name;
  QPoint grab;   // inside the handle, relative to the frame
  QPoint delta;
  QRect expected;  // figure afterwards
};

class SizerHandles : public FrameFixture, public ::testing::WithParamInterface<HandleCase> {};

TEST_P(SizerHandles, ResizingKeepsTheFigureTwoPixelsInsideTheFrame) {
  auto* f = Add(QRect(200, 200, 100, 60));
  Press(QPoint(250, 230));
  ReleaseMouse(QPoint(250, 230));
  TSizer* frame = ChildrenOf<TSizer>().at(0);
  QPoint start = frame->pos() + GetParam().grab;
  Press(start);
  MoveMouse(start + GetParam().delta / 2);
  MoveMouse(start + GetParam().delta);
  ReleaseMouse(start + GetParam().delta);
  EXPECT_EQ(f->geometry(), GetParam().expected);
  EXPECT_EQ(frame->geometry(), f->geometry().adjusted(-2, -2, 2, 2));
  EXPECT_EQ(frame->HandleRects()[4], (geom::Box{frame->width() - 5, frame->height() - 5,
                                                frame->width(), frame->height()}));
  EXPECT_GE(f->Count(WM_COMPCHANGE, 1), 1);
}

INSTANTIATE_TEST_SUITE_P(
    EightHandles, SizerHandles,
    ::testing::Values(HandleCase{"TopLeft", {2, 2}, {-10, -20}, QRect(190, 180, 110, 80)},
                      HandleCase{"Top", {52, 2}, {15, -20}, QRect(200, 180, 100, 80)},
                      HandleCase{"TopRight", {101, 2}, {10, 10}, QRect(200, 210, 110, 50)},
                      HandleCase{"Right", {101, 31}, {25, 40}, QRect(200, 200, 125, 60)},
                      HandleCase{"BottomRight", {101, 61}, {-30, 12}, QRect(200, 200, 70, 72)},
                      HandleCase{"Bottom", {52, 61}, {8, 9}, QRect(200, 200, 100, 69)},
                      HandleCase{"BottomLeft", {2, 61}, {-5, -6}, QRect(195, 200, 105, 54)},
                      HandleCase{"Left", {2, 31}, {20, 3}, QRect(220, 200, 80, 60)}),
    [](const ::testing::TestParamInfo<HandleCase>& i) { return std::string(i.param.name); });

struct KeyCase {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers mods;
  QPoint move;
};

class SizerKeys : public FrameFixture, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(SizerKeys, ArrowKeysMoveByTheStepOrOnePixelOrNotAtAll) {
  auto* f = Add(QRect(300, 300, 30, 20));
  f->SetDefaultWidth(50);
  f->SetDefaultHeight(40);
  Press(QPoint(310, 310));
  ReleaseMouse(QPoint(310, 310));
  f->log.clear();
  Key(GetParam().key, GetParam().mods);
  EXPECT_EQ(f->pos(), QPoint(300, 300) + GetParam().move);
  // Every key, the modifier keys included, brings the figure in line and tells it (code 2)
  // before the key is forwarded to it.
  const uint64_t vk = GetParam().key == Qt::Key_A ? 'A' : VK_LEFT + (GetParam().key - Qt::Key_Left);
  int keysSeen = 0;
  bool changedBefore = false;
  for (const auto& e : f->log) {
    if (e.msg == WM_COMPCHANGE && e.w == 2) changedBefore = true;
    if (e.msg == WM_KEYDOWN) {
      EXPECT_TRUE(changedBefore);
      changedBefore = false;
      if (e.w == vk) ++keysSeen;
    }
  }
  EXPECT_EQ(keysSeen, 1);
  EXPECT_EQ(f->Count(WM_COMPCHANGE, 2), f->Count(WM_KEYDOWN));
  EXPECT_TRUE(f->HaveFocused());
}

INSTANTIATE_TEST_SUITE_P(
    Modifiers, SizerKeys,
    ::testing::Values(KeyCase{"Left", Qt::Key_Left, {}, {-50, 0}},
                      KeyCase{"Right", Qt::Key_Right, {}, {50, 0}},
                      KeyCase{"Up", Qt::Key_Up, {}, {0, -40}},
                      KeyCase{"Down", Qt::Key_Down, {}, {0, 40}},
                      KeyCase{"CtrlLeft", Qt::Key_Left, Qt::ControlModifier, {-1, 0}},
                      KeyCase{"CtrlDown", Qt::Key_Down, Qt::ControlModifier, {0, 1}},
                      KeyCase{"ShiftLeft", Qt::Key_Left, Qt::ShiftModifier, {0, 0}},
                      KeyCase{"CtrlShiftLeft", Qt::Key_Left, Qt::ControlModifier | Qt::ShiftModifier, {0, 0}},
                      KeyCase{"AltRight", Qt::Key_Right, Qt::AltModifier, {0, 0}},
                      KeyCase{"CtrlAltUp", Qt::Key_Up, Qt::ControlModifier | Qt::AltModifier, {0, 0}},
                      KeyCase{"LetterA", Qt::Key_A, {}, {0, 0}}),
    [](const ::testing::TestParamInfo<KeyCase>& i) { return std::string(i.param.name); });

class SizerDelete : public FrameFixture, public ::testing::WithParamInterface<Qt::KeyboardModifiers> {};

TEST_P(SizerDelete, DeleteWithAnyModifierDeletesFigureAndFrame) {
  auto* f = Add(QRect(100, 100, 40, 40));
  QPointer<RecordingFigure> alive(f);
  bool deleted = false;
  f->OnDeleteComp = [&](TCustomKDTool*) { deleted = true; };
  Press(QPoint(110, 110));
  ReleaseMouse(QPoint(110, 110));
  Key(Qt::Key_Delete, GetParam());
  EXPECT_TRUE(deleted);
  // Gone from the canvas at once, freed later.
  EXPECT_TRUE(ChildrenOf<TSizer>().empty());
  EXPECT_TRUE(ChildrenOf<RecordingFigure>().empty());
  testsupport::Flush();
  EXPECT_TRUE(alive.isNull());
}

INSTANTIATE_TEST_SUITE_P(Modifiers, SizerDelete,
                         ::testing::Values(Qt::NoModifier, Qt::ShiftModifier, Qt::ControlModifier,
                                           Qt::AltModifier));

TEST(HandleLayout, HigherNumberedHandleWinsOnSmallFrames) {
  auto rects = handles::LayoutHandles(8, 40);
  EXPECT_EQ(handles::HitTest(rects, {2, 1}), HTTOP);
  EXPECT_EQ(handles::HitTest(rects, {4, 1}), HTTOPRIGHT);
  EXPECT_EQ(handles::HitTest(rects, {6, 20}), HTRIGHT);
  EXPECT_EQ(handles::HitTest(rects, {4, 30}), 0);
}

TEST(HandleLayout, FiftyByThirtyFigure) {
  auto r = handles::LayoutHandles(54, 34);
  EXPECT_EQ(r[1], (geom::Box{24, 0, 29, 5}));
  EXPECT_EQ(r[3], (geom::Box{49, 14, 54, 19}));
  EXPECT_EQ(r[5], (geom::Box{24, 29, 29, 34}));
  EXPECT_EQ(r[7], (geom::Box{0, 14, 5, 19}));
}

TEST_F(SizerTest, HandlesShowTheSizingCursors) {
  Add(QRect(100, 100, 100, 60));
  Press(QPoint(150, 130));
  ReleaseMouse(QPoint(150, 130));
  TSizer* frame = ChildrenOf<TSizer>().at(0);
  MoveMouse(frame->pos() + QPoint(2, 2));
  EXPECT_EQ(frame->cursor().shape(), Qt::SizeFDiagCursor);
  MoveMouse(frame->pos() + QPoint(52, 2));
  EXPECT_EQ(frame->cursor().shape(), Qt::SizeVerCursor);
  MoveMouse(frame->pos() + QPoint(2, 31));
  EXPECT_EQ(frame->cursor().shape(), Qt::SizeHorCursor);
  MoveMouse(frame->pos() + QPoint(101, 2));
  EXPECT_EQ(frame->cursor().shape(), Qt::SizeBDiagCursor);
}

TEST_F(SizerTest, RightPressOnTheBodyIsForwardedWithTheFramesCoordinates) {
  auto* f = Add(QRect(100, 100, 100, 60));
  std::vector<QPoint> menus;
  f->OnMouseDown = [&](TCustomControl*, TMouseButton b, TShiftState, int x, int y) {
    if (b == mbRight) menus.emplace_back(x, y);
  };
  Press(QPoint(150, 130));
  ReleaseMouse(QPoint(150, 130));
  TSizer* frame = ChildrenOf<TSizer>().at(0);
  Press(QPoint(150, 130), Qt::RightButton);
  ReleaseMouse(QPoint(150, 130), Qt::RightButton);
  ASSERT_EQ(menus.size(), 1u);
  EXPECT_EQ(menus[0], QPoint(150, 130) - frame->pos());
  // On a handle, a right press is not forwarded.
  Press(frame->pos() + QPoint(2, 2), Qt::RightButton);
  ReleaseMouse(frame->pos() + QPoint(2, 2), Qt::RightButton);
  EXPECT_EQ(menus.size(), 1u);
  EXPECT_EQ(ChildrenOf<TSizer>().size(), 1u);
}

TEST_F(SizerTest, DragIntoAnotherFigureNotifiesItThroughTheCornerPoint) {
  auto* moving = Add(QRect(100, 100, 40, 40));
  auto* other = Add(QRect(300, 300, 50, 50));
  int changes = 0;
  other->OnCompChange = [&](TCustomKDTool*) { ++changes; };
  Press(QPoint(110, 110));
  // The frame is 44 x 44 at (98, 98); the point one pixel beyond its bottom-right corner,
  // (142 + d, 142 + d) after a drag by d, enters the other figure at d = 158.
  MoveMouse(QPoint(110 + 157, 110 + 157));
  EXPECT_EQ(changes, 0);
  MoveMouse(QPoint(110 + 158, 110 + 158));
  EXPECT_EQ(changes, 1);
  ReleaseMouse(QPoint(110 + 158, 110 + 158));
  EXPECT_EQ(other->Count(WM_COMPCHANGE, 3), 1);
  EXPECT_EQ(moving->Count(WM_COMPCHANGE, 3), 0);
}

TEST_F(SizerTest, FocusLossEndsASingleFrameButNotAMember) {
  auto* a = Add(QRect(50, 50, 40, 40));
  auto* b = Add(QRect(200, 50, 40, 40));
  Press(QPoint(60, 60));
  ReleaseMouse(QPoint(60, 60));
  focus::SetFocus(canvas_);
  EXPECT_TRUE(ChildrenOf<TSizer>().empty());
  EXPECT_FALSE(a->HaveFocused());
  auto* member = new TSizer(canvas_, b, 30, 30, ssMultiSelect);
  EXPECT_TRUE(b->HaveFocused());
  SendMessage(member, TKM_FOCUSLOST);
  EXPECT_EQ(ChildrenOf<TSizer>().size(), 1u);
  EXPECT_TRUE(b->HaveFocused());
  SendMessage(member, WM_EXITCOMP);
  EXPECT_FALSE(b->HaveFocused());
  EXPECT_EQ(ChildrenOf<TSizer>().size(), 1u);
}

TEST_F(SizerTest, FrameDrawsGreenHandlesAndShowsTheFigureThrough) {
  auto* f = Add<TKDRectangle>(QRect(100, 100, 60, 40));
  f->SetFillColor(clBlue);
  Press(QPoint(130, 120));
  ReleaseMouse(QPoint(130, 120));
  TSizer* frame = ChildrenOf<TSizer>().at(0);
  QImage shot = window_->grab().toImage();
  EXPECT_EQ(shot.pixelColor(frame->x() + 2, frame->y() + 2), QColor(0, 255, 0));
  EXPECT_EQ(shot.pixelColor(130, 120), QColor(0, 0, 255));
  frame->SetSelectStatus(ssMultiSelect);
  shot = window_->grab().toImage();
  EXPECT_EQ(shot.pixelColor(frame->x() + 2, frame->y() + 2), QColor(192, 192, 192));
}

}  // namespace
