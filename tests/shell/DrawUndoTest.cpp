// A figure drawn with a tool of the palette is undone under the name the palette gives it.
#include <QUndoStack>

#include "CanvasFixture.h"

namespace {

struct DrawnKind {
  const char* button;
  const char* undo;
};
void PrintTo(const DrawnKind& k, std::ostream* os) { *os << k.button; }

class DrawUndo : public CanvasFixture, public testing::WithParamInterface<DrawnKind> {};

TEST_P(DrawUndo, NamesTheFigureAsThePaletteDoes) {
  UseTool(GetParam().button);
  Drag({300, 200}, {380, 260});
  ASSERT_EQ(doc->Figures().size(), 1u);
  EXPECT_EQ(doc->UndoStack()->undoText().toStdString(), GetParam().undo);
}

INSTANTIATE_TEST_SUITE_P(Kinds, DrawUndo,
                         testing::Values(DrawnKind{"btnBegin", "Draw Start Mark"}, DrawnKind{"btnEnd", "Draw End Mark"},
                                         DrawnKind{"btnProcess", "Draw Process"}, DrawnKind{"btnDiamond", "Draw Decision"},
                                         DrawnKind{"btnEllipse", "Draw Ellipse"}, DrawnKind{"btnRectangle", "Draw Rectangle"},
                                         DrawnKind{"btnLabel", "Draw Text Label"}, DrawnKind{"btnLine", "Draw Line"},
                                         DrawnKind{"btnArrow", "Draw Arrow"}),
                         [](const auto& info) { return std::string(info.param.button); });

}  // namespace
