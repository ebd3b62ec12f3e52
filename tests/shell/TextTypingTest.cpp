// Typing texts into figures as a user does: what opens the editor, what ends it, and the text it
// leaves on a shape, beside an arrow or in a label.
#include <QAction>
#include <QMenu>
#include <QSignalSpy>

#include "ChartFixture.h"
#include "InPlaceEditor.h"

namespace {

using TextTyping = ChartFixture;

enum class Opener { DoubleClick, F2, Enter, Typing };
struct OpenCase {
  const char* name;
  Opener opener;
  const char* shown;  // what the editor holds once open
};
void PrintTo(const OpenCase& c, std::ostream* os) { *os << c.name; }

class Opening : public ChartFixture, public testing::WithParamInterface<OpenCase> {};

TEST_P(Opening, OpensOverTheShapeWithItsText) {
  const QPoint centre = C->geometry().center();
  switch (GetParam().opener) {
    case Opener::DoubleClick: DoubleClick(centre); break;
    case Opener::F2: ClickFigure(C); Key(Qt::Key_F2); break;
    case Opener::Enter: ClickFigure(C); Key(Qt::Key_Return); break;
    case Opener::Typing: ClickFigure(C); QTest::keyClick(main->windowHandle(), 'Q'); break;
  }
  ASSERT_TRUE(Typing().IsOpen());
  EXPECT_EQ(Typing().Editor()->Text(), QString::fromUtf8(GetParam().shown));
  EXPECT_TRUE(Typing().Editor()->hasFocus());
  // Over the diamond's inner box (432, 259, 56 x 32): 120 / 4 + 2 and 70 / 4 + 2 in; a pixel of
  // frame around it.
  EXPECT_EQ(Typing().Editor()->geometry().left(), 431);
  EXPECT_EQ(Typing().Editor()->geometry().width(), 58);
  // The diamond stays selected while its text is typed.
  EXPECT_TRUE(C->HaveFocused());
  QTest::keyClicks(Typing().Editor(), QStringLiteral("ok"));
  QTest::keyClick(Typing().Editor(), Qt::Key_Return);
  EXPECT_FALSE(Typing().IsOpen());
  EXPECT_EQ(LastStep(), QStringLiteral("Type Text"));
  EXPECT_EQ(doc->Figures().back()->Caption(), std::string(GetParam().shown) + "ok");
  EXPECT_TRUE(C->HaveFocused());
}

INSTANTIATE_TEST_SUITE_P(Table, Opening,
                         testing::Values(OpenCase{"DoubleClick", Opener::DoubleClick, ""}, OpenCase{"F2", Opener::F2, ""},
                                         OpenCase{"Enter", Opener::Enter, ""}, OpenCase{"Typing", Opener::Typing, "Q"}),
                         [](const testing::TestParamInfo<OpenCase>& i) { return std::string(i.param.name); });

TEST_F(TextTyping, ADoubleClickOnAShapesTextEditsIt) {
  DoubleClick(textA->geometry().center());
  ASSERT_TRUE(Typing().IsOpen());
  EXPECT_EQ(Typing().Editor()->Text(), QStringLiteral("Submit"));
  EXPECT_TRUE(A->HaveFocused());
  EXPECT_FALSE(textA->HaveFocused());
  QTest::keyClicks(Typing().Editor(), QStringLiteral("Send"));
  QTest::keyClick(Typing().Editor(), Qt::Key_Escape);
  EXPECT_EQ(textA->Caption(), "Submit");
  EXPECT_EQ(doc->UndoStack()->count(), 0);
}

TEST_F(TextTyping, ADoubleClickOnAnArrowTypesItsLabel) {
  // The arrow B to C, from (220, 275) to (400, 275), has no label yet.
  DoubleClick({310, 275});
  ASSERT_TRUE(Typing().IsOpen());
  QTest::keyClicks(Typing().Editor(), QStringLiteral("no"));
  QTest::keyClick(Typing().Editor(), Qt::Key_Return);
  auto* label = qobject_cast<TKDLabel*>(doc->Figures().back());
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Caption(), "no");
  // Above the middle (310, 275), as wide as its text: the default font's "no" is 14 pixels.
  EXPECT_EQ(label->BoundsRect(), QRect(303, 256, 14, 13));
  // It follows the arrow when the arrow follows C: C 50 down puts its left tip at (400, 325), below
  // B's rows 250..300, so the arrow runs from the middle of B's side (220, 275) into that tip, not
  // level into C's slanted edge; its middle (310, 300), the label 19 above it as before.
  ClickFigure(C);
  Key(Qt::Key_Down);
  EXPECT_EQ(label->BoundsRect(), QRect(303, 281, 14, 13));
  EXPECT_EQ(LastStep(), QStringLiteral("Move"));
  doc->Undo();
  EXPECT_EQ(label->BoundsRect(), QRect(303, 256, 14, 13));
}

TEST_F(TextTyping, ADoubleClickOnAnElbowsSegmentTypesTheRoutesLabel) {
  // From C's bottom corner (460, 310) down to (460, 380), then right to (600, 380).
  auto* down2 = Add<TKDLine>(doc, {458, 310, 4, 70});
  down2->SetOrientation(adLeftToLeft);
  auto* right = Add<TKDArrow>(doc, {460, 365, 140, 30});
  right->SetArrowDirection(adTopToTop);
  right->SetArrowPosition(apRight);
  testsupport::Flush();
  DoubleClick({460, 345});
  ASSERT_TRUE(Typing().IsOpen());
  QTest::keyClicks(Typing().Editor(), QStringLiteral("no"));
  QTest::keyClick(Typing().Editor(), Qt::Key_Return);
  auto* label = qobject_cast<TKDLabel*>(doc->Figures().back());
  ASSERT_NE(label, nullptr);
  // The longer segment, 140 across, holds it: above its middle (530, 380), 14 wide, 13 high.
  EXPECT_EQ(label->BoundsRect(), QRect(523, 361, 14, 13));
  // The arrow's own segment finds the same label.
  DoubleClick({560, 380});
  ASSERT_TRUE(Typing().IsOpen());
  EXPECT_EQ(Typing().Editor()->Text(), QStringLiteral("no"));
  QTest::keyClick(Typing().Editor(), Qt::Key_Escape);
}

TEST_F(TextTyping, ADoubleClickOnALabelTypesIntoIt) {
  DoubleClick(yes->geometry().center());
  ASSERT_TRUE(Typing().IsOpen());
  EXPECT_EQ(Typing().Editor()->Text(), QStringLiteral("yes"));
  QTest::keyClicks(Typing().Editor(), QStringLiteral("approved and paid"));
  QTest::keyClick(Typing().Editor(), Qt::Key_Return);
  EXPECT_EQ(yes->Caption(), "approved and paid");
  // As wide as it was, grown downward to hold every line.
  EXPECT_EQ(yes->BoundsRect().topLeft(), QPoint(166, 194));
  EXPECT_EQ(yes->BoundsRect().width(), 24);
  EXPECT_GE(yes->BoundsRect().height(), 3 * 13);
  EXPECT_EQ(LastStep(), QStringLiteral("Edit Text"));
}

TEST_F(TextTyping, AClickElsewhereCommitsAndTheClickGoesOn) {
  DoubleClick(C->geometry().center());
  ASSERT_TRUE(Typing().IsOpen());
  QTest::keyClicks(Typing().Editor(), QStringLiteral("Paid?"));
  Click({700, 500});
  EXPECT_FALSE(Typing().IsOpen());
  EXPECT_EQ(doc->Figures().back()->Caption(), "Paid?");
  EXPECT_FALSE(C->HaveFocused()) << "the click on the empty canvas ends the selection";
}

TEST_F(TextTyping, ShiftEnterBreaksTheLine) {
  DoubleClick(C->geometry().center());
  ASSERT_TRUE(Typing().IsOpen());
  QTest::keyClicks(Typing().Editor(), QStringLiteral("Paid"));
  QTest::keyClick(Typing().Editor(), Qt::Key_Return, Qt::ShiftModifier);
  QTest::keyClicks(Typing().Editor(), QStringLiteral("in full?"));
  QTest::keyClick(Typing().Editor(), Qt::Key_Return);
  EXPECT_EQ(doc->Figures().back()->Caption(), "Paid\r\nin full?");
  // Two lines of 13 about the middle of the diamond's inner box (432, 259, 56 x 32).
  EXPECT_EQ(doc->Figures().back()->BoundsRect(), QRect(432, 262, 56, 26));
}

TEST_F(TextTyping, CtrlVWhileTypingPastesTextNotFigures) {
  ClickFigure(A);
  Key(Qt::Key_C, Qt::ControlModifier);
  const size_t figures = doc->Figures().size();
  DoubleClick(C->geometry().center());
  ASSERT_TRUE(Typing().IsOpen());
  QTest::keyClick(main->windowHandle(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(doc->Figures().size(), figures);
  EXPECT_TRUE(Typing().IsOpen());
}

// With the switch off, the presses and keys of the Parts do what they always did; Edit > Edit
// Text, a command of its own, still types.
struct OffCase {
  const char* name;
  Opener opener;
  bool opens;
};
void PrintTo(const OffCase& c, std::ostream* os) { *os << c.name; }
class SwitchedOff : public ChartFixture, public testing::WithParamInterface<OffCase> {};

TEST_P(SwitchedOff, OnlyTheMenuCommandTypes) {
  ConnectorOptions::Instance().SetKeepAttached(false);
  const QPoint centre = C->geometry().center();
  switch (GetParam().opener) {
    case Opener::DoubleClick: DoubleClick(centre); break;
    case Opener::F2: ClickFigure(C); Key(Qt::Key_F2); break;
    case Opener::Enter: ClickFigure(C); Key(Qt::Key_Return); break;
    case Opener::Typing: ClickFigure(C); QTest::keyClick(main->windowHandle(), 'Q'); break;
  }
  EXPECT_EQ(Typing().IsOpen(), GetParam().opens);
}

INSTANTIATE_TEST_SUITE_P(Table, SwitchedOff,
                         testing::Values(OffCase{"DoubleClick", Opener::DoubleClick, false}, OffCase{"F2", Opener::F2, true},
                                         OffCase{"Enter", Opener::Enter, false}, OffCase{"Typing", Opener::Typing, false}),
                         [](const testing::TestParamInfo<OffCase>& i) { return std::string(i.param.name); });

TEST_F(TextTyping, TheNewCommandsShowTheirKeys) {
  for (const auto& [name, key] : {std::pair{"Duplicate1", QKeySequence("Ctrl+D")}, std::pair{"EditText1", QKeySequence("F2")}}) {
    QAction* action = main->findChild<QAction*>(QLatin1String(name));
    ASSERT_NE(action, nullptr) << name;
    EXPECT_EQ(action->shortcut(), key);
    EXPECT_FALSE(action->icon().isNull()) << name;
    EXPECT_TRUE(main->Edit1->actions().contains(action)) << name;
    ClickFigure(A);
    action->disconnect(main);
    QSignalSpy spy(action, &QAction::triggered);
    QTest::keySequence(main->windowHandle(), key);
    EXPECT_EQ(spy.count(), 1) << name;
  }
}

}  // namespace
