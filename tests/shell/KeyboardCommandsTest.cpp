// The menu items that reach the palette and the style bars from the keyboard: each presses its
// button and shows the button's state; Bring to Front and Send to Back restack the selection.
#include <QMenu>
#include <QUndoStack>

#include "Diagram.h"
#include "DocumentHistory.h"
#include "HistoryFixture.h"

namespace {

struct Mirrored {
  const char* item;    // the menu item's object name
  const char* button;  // the button it presses
  const char* other;   // another button of its row
};
void PrintTo(const Mirrored& m, std::ostream* os) { *os << m.item; }

class MenuMirrors : public HistoryFixture, public ::testing::WithParamInterface<Mirrored> {};

TEST_P(MenuMirrors, TheItemPressesItsButtonAndFollowsIt) {
  auto* item = Find<QAction>(GetParam().item);
  auto* button = Find<QToolButton>(GetParam().button);
  auto* other = Find<QToolButton>(GetParam().other);
  ASSERT_TRUE(item && button && other);
  other->click();
  ASSERT_FALSE(button->isChecked());
  item->trigger();
  EXPECT_TRUE(button->isChecked());
  EXPECT_TRUE(item->isChecked());
  // And the other way: a click elsewhere on the bar unticks the item.
  other->click();
  EXPECT_FALSE(item->isChecked());
}

INSTANTIATE_TEST_SUITE_P(
    Items, MenuMirrors,
    ::testing::Values(Mirrored{"ToolProcess1", "btnProcess", "btnSelect"},
                      Mirrored{"ToolArrow1", "btnArrow", "btnLine"}, Mirrored{"ToolSelect1", "btnSelect", "btnBegin"},
                      Mirrored{"PenDash1", "btnDashPen", "btnSolidPen"},
                      Mirrored{"PenClear1", "btnClearPen", "btnDotPen"},
                      Mirrored{"BrushCross1", "btnCrossBrush", "btnSolidBrush"},
                      Mirrored{"BrushSolid1", "btnSolidBrush", "btnVerticalBrush"}),
    [](const auto& info) { return std::string(info.param.item); });

using Restacking = HistoryFixture;

TEST_F(Restacking, ArrangeItemsAndTheirKeysMoveTheSelectionToTheTopAndTheBottom) {
  auto* low = Add<TKDRectangle>(doc, QRect(100, 100, 60, 60));
  auto* high = Add<TKDProcess>(doc, QRect(140, 140, 60, 60));
  ClickFigure(low);
  QTest::keySequence(main->windowHandle(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_BracketRight));
  EXPECT_EQ(doc->FigureSet().StackIndexOf(low), 1);
  EXPECT_EQ(doc->FigureSet().StackIndexOf(high), 0);
  Find<QAction>("ArrangeSendToBack1")->trigger();
  EXPECT_EQ(doc->FigureSet().StackIndexOf(low), 0);
  EXPECT_TRUE(doc->History().Stack().canUndo());
}

}  // namespace
