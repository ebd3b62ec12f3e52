// A drag that reaches an edge of the visible canvas scrolls it; the rubber band, a figure drag
// and a drawing drag carry on into the part that scrolled into view.
#include <QScrollBar>

#include "HistoryFixture.h"

namespace {

class DragScroll : public HistoryFixture {
 protected:
  // A point in the window below the visible canvas (on the status bar).
  QPoint BelowTheCanvas(int x) const {
    QWidget* viewport = doc->scbKedrin->viewport();
    return viewport->mapTo(main, QPoint(x, viewport->height() + 30));
  }
  void HoldFor(int ms) { QTest::qWait(ms); }
};

TEST_F(DragScroll, RubberBandPastTheBottomScrollsAndSelectsFiguresOutOfSightAtTheStart) {
  std::vector<TCustomKDTool*> column;
  for (int i = 0; i < 30; ++i) column.push_back(Add<TKDRectangle>(doc, QRect(40, 20 + 60 * i, 40, 40)));
  testsupport::Flush();
  const int visibleHeight = doc->scbKedrin->viewport()->height();
  ASSERT_GT(column.back()->y(), visibleHeight) << "the last figures start out of sight";
  UseTool("btnSelect");
  Press({10, 10});
  MoveTo({100, 200});
  const QPoint below = BelowTheCanvas(100);
  QTest::mouseMove(main->windowHandle(), below);
  HoldFor(1500);
  EXPECT_GT(doc->scbKedrin->verticalScrollBar()->value(), 0);
  QTest::mouseRelease(main->windowHandle(), Qt::LeftButton, {}, below);
  int selected = 0;
  for (TCustomKDTool* f : column) selected += f->HaveFocused();
  EXPECT_GT(selected, visibleHeight / 60 + 1) << "figures below the first view were reached";
  EXPECT_TRUE(column.front()->HaveFocused());
}

TEST_F(DragScroll, AFigureDraggedPastTheBottomFollowsThePointerAndTheCanvasGrows) {
  auto* box = Add<TKDRectangle>(doc, QRect(100, 100, 60, 40));
  UseTool("btnSelect");
  const QPoint grip = box->geometry().center();
  Press(grip);
  MoveTo(grip + QPoint(0, 20));
  const QPoint below = BelowTheCanvas(grip.x());
  QTest::mouseMove(main->windowHandle(), below);
  HoldFor(800);
  QTest::mouseRelease(main->windowHandle(), Qt::LeftButton, {}, below);
  const int scrolled = doc->scbKedrin->verticalScrollBar()->value();
  EXPECT_GT(scrolled, 0);
  // The figure is still under the pointer, in the part of the canvas that scrolled into view.
  const QPoint pointerOnCanvas = doc->Surface()->mapFrom(main, below);
  EXPECT_EQ(box->geometry().center().y() - grip.y(), pointerOnCanvas.y() - grip.y());
  EXPECT_GT(box->y(), doc->scbKedrin->viewport()->height());
  EXPECT_GE(doc->Surface()->height(), box->y() + box->height()) << "the canvas grew to hold it";
}

}  // namespace
