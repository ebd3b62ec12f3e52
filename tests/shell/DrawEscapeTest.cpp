// Escape during a drag on the canvas puts it back: no figure, no selection, no step, no band.
#include "CanvasFixture.h"

#include <QUndoStack>

namespace {

struct EscapeCase {
  const char* tool;
};

class DrawEscape : public CanvasFixture, public ::testing::WithParamInterface<EscapeCase> {};

TEST_P(DrawEscape, LeavesNothingBehind) {
  Add(doc, QRect(200, 150, 40, 30));  // inside the band: a select drag would take it
  testsupport::Flush();
  UseTool(GetParam().tool);
  const QImage before = doc->imgKedrin->Picture().copy();
  const size_t figures = doc->Figures().size();
  const int steps = doc->UndoStack()->count();
  Press(QPoint(100, 100));
  MoveTo(QPoint(180, 140));
  MoveTo(QPoint(300, 260));
  QTest::keyClick(main->windowHandle(), Qt::Key_Escape);
  EXPECT_EQ(doc->imgKedrin->Picture(), before) << "the band is gone at once";
  MoveTo(QPoint(320, 280));
  Release(QPoint(320, 280));
  testsupport::Flush();
  EXPECT_EQ(doc->Figures().size(), figures);
  EXPECT_EQ(doc->UndoStack()->count(), steps);
  EXPECT_EQ(doc->imgKedrin->Picture(), before);
  for (TCustomKDTool* f : doc->Figures()) EXPECT_FALSE(f->HaveFocused());
  // The next drag works as ever.
  Drag(QPoint(400, 100), QPoint(460, 140));
  if (std::string(GetParam().tool) != "btnSelect") {
    EXPECT_EQ(doc->Figures().size(), figures + 1);
  }
}

INSTANTIATE_TEST_SUITE_P(Tools, DrawEscape,
                         ::testing::Values(EscapeCase{"btnProcess"}, EscapeCase{"btnArrow"}, EscapeCase{"btnLine"},
                                           EscapeCase{"btnSelect"}),
                         [](const auto& info) { return std::string(info.param.tool); });

}  // namespace
