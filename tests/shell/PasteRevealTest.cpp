// After a paste the pasted figures are in view, scrolled to as little as it takes.
#include "CanvasFixture.h"

#include <QScrollBar>

#include "Diagram.h"

namespace {

struct RevealCase {
  int now, view, from, to, expected;
};

class RevealScrolls : public ::testing::TestWithParam<RevealCase> {};

TEST_P(RevealScrolls, AsLittleAsItTakes) {
  const RevealCase& c = GetParam();
  EXPECT_EQ(RevealScroll(c.now, c.view, c.from, c.to), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, RevealScrolls,
                         ::testing::Values(RevealCase{100, 300, 150, 200, 100},   // in view: stays
                                           RevealCase{100, 300, 100, 400, 100},   // exactly in view
                                           RevealCase{100, 300, 350, 450, 150},   // past the end: its end shows
                                           RevealCase{100, 300, 20, 60, 20},      // before: its start shows
                                           RevealCase{100, 300, 80, 120, 80},     // half before
                                           RevealCase{100, 300, 200, 900, 200},   // too long: its start
                                           RevealCase{0, 300, 290, 310, 10}));    // a little past

class PasteReveal : public CanvasFixture {};

TEST_F(PasteReveal, PastedFiguresAreInViewOfANarrowWindow) {
  SubOf(doc)->resize(320, 300);
  Add(doc, QRect(700, 40, 80, 40));
  Add(doc, QRect(10, 10, 20, 20));
  testsupport::Flush();
  QScrollBar* across = doc->scbKedrin->horizontalScrollBar();
  across->setValue(0);
  doc->FigureSet().Select({doc->Figures()[0]});
  main->btnCopyClick();
  main->btnPasteClick();
  testsupport::Flush();
  TCustomKDTool* pasted = doc->Figures().back();
  ASSERT_EQ(pasted->BoundsRect(), QRect(710, 50, 80, 40));
  const QRect view(across->value(), doc->scbKedrin->verticalScrollBar()->value(),
                   doc->scbKedrin->viewport()->width(), doc->scbKedrin->viewport()->height());
  EXPECT_TRUE(view.contains(pasted->BoundsRect())) << "view " << view.x() << "," << view.width();
  // As little as it takes: the copy's right edge at the view's right edge.
  EXPECT_EQ(across->value(), 790 - view.width());
  // A paste that lands in view scrolls nothing (the copy lands where the first did).
  const int before = across->value();
  main->btnPasteClick();
  testsupport::Flush();
  EXPECT_EQ(across->value(), before);
}

}  // namespace
