// The selection keeps the keyboard focus through the presses and keys that are not meant to end
// it: a right or middle press on another figure (its context menu acts on the selection) and Tab.
#include <QApplication>
#include <QMenu>

#include "ConnectorOptions.h"
#include "HistoryFixture.h"

namespace {

class SelectionFocus : public HistoryFixture, public ::testing::WithParamInterface<Qt::MouseButton> {
 protected:
  void SetUp() override {
    HistoryFixture::SetUp();
    a = Add<TKDRectangle>(doc, QRect(100, 100, 60, 40));
    b = Add<TKDEllipse>(doc, QRect(200, 100, 60, 40));
    c = Add<TKDProcess>(doc, QRect(100, 250, 80, 40));  // the topmost figure, outside the selection
  }
  TCustomKDTool *a, *b, *c;
};

TEST_P(SelectionFocus, OtherButtonOnAnotherFigureKeepsAGroupAndItsMenuActsOnIt) {
  BandAround({a, b});
  ASSERT_TRUE(doc->GroupSelected());
  Press(c->geometry().center(), GetParam());
  Release(c->geometry().center(), GetParam());
  testsupport::Flush();
  EXPECT_TRUE(a->HaveFocused());
  EXPECT_TRUE(b->HaveFocused());
  EXPECT_FALSE(c->HaveFocused());
  EXPECT_TRUE(doc->GroupSelected());
  doc->mnuRButton->hide();
  doc->BringToFront1->trigger();
  EXPECT_EQ(doc->Figures(), (std::vector<TCustomKDTool*>{c, a, b}));
  // The handles stay above the figures they mark.
  for (TSizerList* group : SurfaceChildren<TSizerList>()) {
    EXPECT_GT(StackPlace(group), StackPlace(a));
    EXPECT_GT(StackPlace(group), StackPlace(b));
  }
  doc->SendToBack1->trigger();
  EXPECT_EQ(doc->Figures(), (std::vector<TCustomKDTool*>{b, a, c}));
}

TEST_P(SelectionFocus, OtherButtonOnAnotherFigureKeepsASingleSelection) {
  ClickFigure(a);
  ASSERT_TRUE(a->HaveFocused());
  Press(c->geometry().center(), GetParam());
  Release(c->geometry().center(), GetParam());
  testsupport::Flush();
  EXPECT_TRUE(a->HaveFocused());
  EXPECT_EQ(SurfaceChildren<TSizer>().size(), 1u);
  // It still takes the keys.
  doc->mnuRButton->hide();
  Key(Qt::Key_Right);
  EXPECT_EQ(a->geometry(), QRect(150, 100, 60, 40));
}

INSTANTIATE_TEST_SUITE_P(Buttons, SelectionFocus, ::testing::Values(Qt::RightButton, Qt::MiddleButton),
                         [](const auto& info) { return info.param == Qt::RightButton ? "Right" : "Middle"; });

// With View > Keep Connectors and Labels Attached on, Tab walks the shapes instead.
class TabKeepsSelection : public SelectionFocus {
 protected:
  void SetUp() override {
    SelectionFocus::SetUp();
    kept_ = ConnectorOptions::Instance().KeepAttached();
    ConnectorOptions::Instance().SetKeepAttached(false);
  }
  void TearDown() override {
    ConnectorOptions::Instance().SetKeepAttached(kept_);
    SelectionFocus::TearDown();
  }
  bool kept_ = true;
};

TEST_F(TabKeepsSelection, TabAndShiftTabLeaveTheFocusOnASingleFrame) {
  ClickFigure(a);
  TCustomControl* frame = FocusedFrame();
  ASSERT_NE(dynamic_cast<TSizer*>(frame), nullptr);
  Key(Qt::Key_Tab);
  Key(Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(FocusedFrame(), frame);
  EXPECT_TRUE(frame->hasFocus());
  EXPECT_TRUE(a->HaveFocused());
  Key(Qt::Key_Down);
  EXPECT_EQ(a->geometry(), QRect(100, 150, 60, 40));
}

TEST_F(TabKeepsSelection, TabLeavesTheFocusOnAGroup) {
  BandAround({a, b});
  Key(Qt::Key_Tab);
  EXPECT_NE(dynamic_cast<TSizerList*>(FocusedFrame()), nullptr);
  Key(Qt::Key_Right);  // the group step is 30
  EXPECT_EQ(a->geometry(), QRect(130, 100, 60, 40));
  EXPECT_EQ(b->geometry(), QRect(230, 100, 60, 40));
}

}  // namespace
