// Selection as desktop editors make it (View > Keep Connectors and Labels Attached on): Shift+click
// and Ctrl+click add a figure or take it out, Shift+band adds what it encloses, Escape clears; the
// result is what the commands and controls act on.
#include "ArrangeSelection.h"
#include "ChartFixture.h"

namespace {

enum Fig { kA, kTextA, kB, kDown, kYes, kC, kNote };

class Clicks : public ChartFixture {
 protected:
  TCustomKDTool* Of(Fig f) const {
    switch (f) {
      case kA: return A;
      case kTextA: return textA;
      case kB: return B;
      case kDown: return down;
      case kYes: return yes;
      case kC: return C;
      case kNote: return note;
    }
    return nullptr;
  }
  // Where a click reaches the figure (the arrow: on its shaft).
  QPoint PointOf(Fig f) const { return f == kDown ? QPoint(160, 220) : Of(f)->geometry().center(); }
  // The group frame's members, or the single frame's figure.
  std::vector<TCustomKDTool*> Selection() const { return doc->SelectedFigures(); }
  bool GroupFrame() const { return doc->GroupSelected(); }
};

struct ClickCase {
  const char* name;
  std::vector<Fig> before;  // selected first, by plain click (one) or as a group
  Qt::KeyboardModifiers held;
  Fig clicked;
  std::vector<Fig> after;
  bool group;  // several figures: the group frame holds them
};
void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }

class ClickTable : public Clicks, public testing::WithParamInterface<ClickCase> {};

TEST_P(ClickTable, AddsOrTakesOut) {
  const ClickCase& c = GetParam();
  std::vector<TCustomKDTool*> before;
  for (Fig f : c.before) before.push_back(Of(f));
  if (before.size() == 1) ClickFigure(before.front());
  else if (!before.empty()) doc->SelectGroup(before);
  ClickWith(PointOf(c.clicked), c.held);
  std::vector<TCustomKDTool*> after;
  for (Fig f : c.after) after.push_back(Of(f));
  EXPECT_EQ(Selection(), after);
  EXPECT_EQ(GroupFrame(), c.group);
  EXPECT_EQ(doc->UndoStack()->count(), 0) << "a click that selects moves nothing";
}

const Qt::KeyboardModifiers kShift = Qt::ShiftModifier, kCtrl = Qt::ControlModifier;
INSTANTIATE_TEST_SUITE_P(
    Table, ClickTable,
    testing::Values(ClickCase{"ShiftOnNothingSelected", {}, kShift, kA, {kA}, false},
                    ClickCase{"ShiftAddsASecond", {kA}, kShift, kC, {kA, kC}, true},
                    ClickCase{"CtrlAddsASecond", {kA}, kCtrl, kB, {kA, kB}, true},
                    ClickCase{"ShiftAddsAThird", {kA, kC}, kShift, kB, {kA, kB, kC}, true},
                    // The arrow lies inside the group's frame: the click still reaches it.
                    ClickCase{"AddsWhatLiesInsideTheGroup", {kA, kB}, kShift, kDown, {kA, kB, kDown}, true},
                    ClickCase{"CtrlTakesOutOneOfThree", {kA, kB, kC}, kCtrl, kB, {kA, kC}, true},
                    ClickCase{"OneLeftIsSelectedAlone", {kA, kC}, kShift, kC, {kA}, false},
                    ClickCase{"TheLastTakenOut", {kA}, kCtrl, kA, {}, false},
                    // A shape's text stands for its shape.
                    ClickCase{"TheTextTakesOutItsShape", {kA, kC}, kShift, kTextA, {kC}, false},
                    ClickCase{"TheTextAddsItsShape", {kC}, kShift, kTextA, {kA, kC}, true},
                    ClickCase{"ALabelIsAFigureOfItsOwn", {kA}, kShift, kYes, {kA, kYes}, true}),
    [](const testing::TestParamInfo<ClickCase>& i) { return std::string(i.param.name); });

TEST_F(Clicks, ShiftBandAddsWhatItEncloses) {
  ClickFigure(A);
  QTest::mousePress(main->windowHandle(), Qt::LeftButton, Qt::ShiftModifier, InWindow({380, 220}));
  MoveTo({450, 280});
  MoveTo({560, 330});
  QTest::mouseRelease(main->windowHandle(), Qt::LeftButton, Qt::ShiftModifier, InWindow({560, 330}));
  EXPECT_EQ(Selection(), (std::vector<TCustomKDTool*>{A, C}));
  EXPECT_TRUE(GroupFrame());
  // Without Shift the band selects only what it encloses, and a shape's text goes with its shape.
  Drag({90, 90}, {240, 160});
  EXPECT_EQ(Selection(), (std::vector<TCustomKDTool*>{A}));
}

TEST_F(Clicks, EscapeClears) {
  ClickFigure(A);
  ClickWith(PointOf(kC), Qt::ShiftModifier);
  ASSERT_EQ(Selection().size(), 2u);
  Key(Qt::Key_Escape);
  EXPECT_TRUE(Selection().empty());
}

TEST_F(Clicks, SelectAllLeavesTheTextsToTheirShapes) {
  main->SelectAll1Click();
  EXPECT_EQ(Selection(), (std::vector<TCustomKDTool*>{A, B, down, yes, C, across, note}));
}

TEST_F(Clicks, TheResultIsWhatCommandsActOn) {
  ClickFigure(A);
  ClickWith(PointOf(kC), Qt::ShiftModifier);
  ClickWith(PointOf(kB), Qt::ShiftModifier);
  ASSERT_TRUE(ArrangeSelection(*doc, ArrangeCommand::AlignLeft));
  EXPECT_EQ(C->Left(), 100);
  main->colorAnswer = clYellow;
  main->BrushColorClick();
  EXPECT_EQ(C->FillColor(), clYellow);
  EXPECT_EQ(A->FillColor(), clYellow);
  EXPECT_NE(down->FillColor(), clYellow) << "the arrow between was not caught";
}

TEST_F(Clicks, WithTheSwitchOffAShiftClickReplaces) {
  ConnectorOptions::Instance().SetKeepAttached(false);
  ClickFigure(A);
  ClickWith(PointOf(kC), Qt::ShiftModifier);
  EXPECT_EQ(Selection(), (std::vector<TCustomKDTool*>{C}));
  EXPECT_FALSE(GroupFrame());
}

}  // namespace
