// The Arrange menu on a mixed selection: every command moves or sizes exactly the selected
// figures, their frames follow, and one undo puts back every byte a save would write.
#include <QAction>
#include <QMenu>
#include <QUndoStack>

#include "Diagram.h"
#include "HistoryFixture.h"

namespace {

struct Expected {
  const char* item;  // the menu item's object name
  const char* undoText;
  // Rectangle, ellipse, diamond, arrow afterwards.
  QRect a, b, c, d;
};

// The selection: a rectangle (100, 100, 80, 50), an ellipse (250, 160, 61, 41), a diamond
// (150, 300, 100, 70) and an arrow (400, 220, 50, 31). Bounding box: left 100, right 450, top 100,
// bottom 370; centre 100 + 350 / 2 = 275, middle 100 + 270 / 2 = 235.
const Expected kCommands[] = {
    {"AlignLeft1", "Undo Align Left", {100, 100, 80, 50}, {100, 160, 61, 41}, {100, 300, 100, 70}, {100, 220, 50, 31}},
    // 275 - 80/2, 275 - 61/2 (30), 275 - 100/2, 275 - 50/2.
    {"AlignCentre1", "Undo Align Centre", {235, 100, 80, 50}, {245, 160, 61, 41}, {225, 300, 100, 70}, {250, 220, 50, 31}},
    {"AlignRight1", "Undo Align Right", {370, 100, 80, 50}, {389, 160, 61, 41}, {350, 300, 100, 70}, {400, 220, 50, 31}},
    {"AlignTop1", "Undo Align Top", {100, 100, 80, 50}, {250, 100, 61, 41}, {150, 100, 100, 70}, {400, 100, 50, 31}},
    // 235 - 50/2, 235 - 41/2 (20), 235 - 70/2, 235 - 31/2 (15).
    {"AlignMiddle1", "Undo Align Middle", {100, 210, 80, 50}, {250, 215, 61, 41}, {150, 200, 100, 70}, {400, 220, 50, 31}},
    {"AlignBottom1", "Undo Align Bottom", {100, 320, 80, 50}, {250, 329, 61, 41}, {150, 300, 100, 70}, {400, 339, 50, 31}},
    // Left to right: rectangle, diamond, ellipse, arrow. Free space 450 - 100 - 291 = 59 in three
    // gaps: 20, 20, 19.
    {"DistributeHorizontally1", "Undo Distribute Horizontally", {100, 100, 80, 50}, {320, 160, 61, 41},
     {200, 300, 100, 70}, {400, 220, 50, 31}},
    // Top to bottom: rectangle, ellipse, arrow, diamond. Free space 370 - 100 - 192 = 78: gaps of 26.
    {"DistributeVertically1", "Undo Distribute Vertically", {100, 100, 80, 50}, {250, 176, 61, 41},
     {150, 300, 100, 70}, {400, 243, 50, 31}},
    {"MakeSameWidth1", "Undo Make Same Width", {100, 100, 100, 50}, {250, 160, 100, 41}, {150, 300, 100, 70},
     {400, 220, 100, 31}},
    {"MakeSameHeight1", "Undo Make Same Height", {100, 100, 80, 70}, {250, 160, 61, 70}, {150, 300, 100, 70},
     {400, 220, 50, 70}},
    {"MakeSameSize1", "Undo Make Same Size", {100, 100, 100, 70}, {250, 160, 100, 70}, {150, 300, 100, 70},
     {400, 220, 100, 70}},
};

void PrintTo(const Expected& e, std::ostream* os) { *os << e.item; }

class ArrangeMenuTest : public HistoryFixture {
 protected:
  void Build() {
    a = Add<TKDRectangle>(doc, QRect(100, 100, 80, 50));
    b = Add<TKDEllipse>(doc, QRect(250, 160, 61, 41));
    c = Add<TKDDiamond>(doc, QRect(150, 300, 100, 70));
    d = Add<TKDArrow>(doc, QRect(400, 220, 50, 31));
    outside = Add<TKDProcess>(doc, QRect(600, 500, 40, 40));
    ASSERT_TRUE(doc->SaveToFile(Output("arrange.kdl")));
  }
  QAction* Item(const char* name) { return Find<QAction>(name); }
  // The state the menu shows when it opens.
  void OpenMenu() { emit Find<QMenu>("Arrange1")->aboutToShow(); }
  std::vector<QRect> Bounds() const {
    return {a->BoundsRect(), b->BoundsRect(), c->BoundsRect(), d->BoundsRect(), outside->BoundsRect()};
  }

  TKDRectangle* a = nullptr;
  TKDEllipse* b = nullptr;
  TKDDiamond* c = nullptr;
  TKDArrow* d = nullptr;
  TKDProcess* outside = nullptr;
};

class EveryArrangeCommand : public ArrangeMenuTest, public ::testing::WithParamInterface<Expected> {};

TEST_P(EveryArrangeCommand, MovesTheSelectionAsOneStepThatUndoesByteForByte) {
  const Expected& e = GetParam();
  Build();
  const std::vector<uint8_t> saved = SaveBytes(doc);
  doc->FigureSet().Select({a, b, c, d});
  OpenMenu();
  ASSERT_TRUE(Item(e.item)->isEnabled());

  Item(e.item)->trigger();
  testsupport::Flush();
  const std::vector<QRect> arranged{e.a, e.b, e.c, e.d, QRect(600, 500, 40, 40)};
  EXPECT_EQ(Bounds(), arranged);
  // The group's frame lies over the figures where they are now, 4 pixels out (its members'
  // frames are drawn 2 pixels around each figure where it is).
  auto groups = SurfaceChildren<TSizerList>();
  ASSERT_EQ(groups.size(), 1u);
  ASSERT_EQ(groups[0]->MemberCount(), 4u);
  QRect box;
  for (const QRect& r : {e.a, e.b, e.c, e.d}) box = box.united(r);
  EXPECT_EQ(groups[0]->BoundsRect(), box.adjusted(-4, -4, 4, 4));
  EXPECT_TRUE(doc->Modified());
  EXPECT_EQ(doc->UndoStack()->count(), 1);
  EXPECT_EQ(main->Undo1->text().remove('&').toStdString(), e.undoText);

  main->Undo1->trigger();
  testsupport::Flush();
  EXPECT_EQ(SaveBytes(doc), saved);
  EXPECT_FALSE(doc->Modified());
  main->Redo1->trigger();
  testsupport::Flush();
  EXPECT_EQ(Bounds(), arranged);
}

INSTANTIATE_TEST_SUITE_P(ArrangeMenu, EveryArrangeCommand, ::testing::ValuesIn(kCommands),
                         [](const auto& info) { return std::string(info.param.item); });

TEST_F(ArrangeMenuTest, ItemsNeedTwoFiguresAndDistributeThree) {
  Build();
  const char* pairs[] = {"AlignLeft1", "AlignCentre1", "AlignRight1", "AlignTop1", "AlignMiddle1", "AlignBottom1",
                         "MakeSameWidth1", "MakeSameHeight1", "MakeSameSize1"};
  const char* triples[] = {"DistributeHorizontally1", "DistributeVertically1"};
  struct Case {
    std::vector<TCustomKDTool*> selection;
    bool pairsEnabled, triplesEnabled;
  };
  const Case cases[] = {{{}, false, false}, {{a}, false, false}, {{a, b}, true, false}, {{a, b, c}, true, true}};
  for (const Case& k : cases) {
    doc->FigureSet().Select(k.selection);
    OpenMenu();
    for (const char* name : pairs) EXPECT_EQ(Item(name)->isEnabled(), k.pairsEnabled) << name << k.selection.size();
    for (const char* name : triples) EXPECT_EQ(Item(name)->isEnabled(), k.triplesEnabled) << name << k.selection.size();
  }
  // A figure alone: the command does nothing even when it is reached with the item enabled.
  doc->FigureSet().Select({a, b});
  OpenMenu();
  doc->FigureSet().Select({a});
  Item("AlignRight1")->trigger();
  EXPECT_EQ(doc->UndoStack()->count(), 0);
  EXPECT_EQ(a->BoundsRect(), QRect(100, 100, 80, 50));
}

TEST_F(ArrangeMenuTest, FiguresAlreadyInPlaceMakeNoStep) {
  Build();
  doc->FigureSet().Select({a, b, c, d});
  OpenMenu();
  Item("AlignLeft1")->trigger();
  OpenMenu();
  Item("AlignLeft1")->trigger();
  EXPECT_EQ(doc->UndoStack()->count(), 1);
}

TEST_F(ArrangeMenuTest, ChecksAgainWhenAnotherDocumentBecomesCurrent) {
  Build();
  doc->FigureSet().Select({a, b});
  OpenMenu();
  ASSERT_TRUE(Item("AlignLeft1")->isEnabled());
  TwinKedrinFile* other = main->btnNewClick();
  testsupport::Flush();
  ASSERT_EQ(main->CurrentDocument(), other);
  // Nothing is selected in the new document, and the menu has not been opened since.
  EXPECT_FALSE(Item("AlignLeft1")->isEnabled());
}

}  // namespace
