#include <QLineEdit>
#include <QScrollBar>

#include "CanvasFixture.h"
#include "TUpDownEdit.h"

namespace {

using CanvasDrawingTest = CanvasFixture;

struct LineRow {
  const char* name;
  QPoint from, to;
  TArrowDirection orientation;
  QRect bounds;
};

class LineDirections : public CanvasFixture, public ::testing::WithParamInterface<LineRow> {};

TEST_P(LineDirections, OrientationFollowsTheDrag) {
  UseTool("btnLine");
  Drag(GetParam().from, GetParam().to);
  auto* line = LastFigure<TKDLine>();
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(line->Orientation(), GetParam().orientation);
  EXPECT_EQ(line->geometry(), GetParam().bounds);
  EXPECT_TRUE(doc->Modified());
  EXPECT_TRUE(Find("btnLine")->isChecked());  // the tool stays chosen
}

INSTANTIATE_TEST_SUITE_P(
    Table, LineDirections,
    ::testing::Values(LineRow{"DownRight", {100, 100}, {160, 140}, adTopToBottom, QRect(100, 100, 60, 40)},
                      LineRow{"UpRight", {100, 140}, {160, 100}, adBottomToTop, QRect(100, 100, 60, 40)},
                      LineRow{"DownLeft", {160, 100}, {100, 140}, adBottomToTop, QRect(100, 100, 60, 40)},
                      LineRow{"UpLeft", {160, 140}, {100, 100}, adTopToBottom, QRect(100, 100, 60, 40)},
                      LineRow{"Vertical", {100, 100}, {100, 180}, adLeftToLeft, QRect(99, 100, 4, 80)},
                      LineRow{"Horizontal", {10, 50}, {110, 50}, adTopToTop, QRect(10, 49, 100, 4)},
                      LineRow{"Click", {200, 200}, {200, 200}, adTopToBottom, QRect(200, 200, 4, 4)}),
    [](const ::testing::TestParamInfo<LineRow>& i) { return std::string(i.param.name); });

struct ArrowRow {
  const char* name;
  QPoint from, to;
  TArrowPosition position;
  TArrowDirection direction;
  QRect bounds;
};

class ArrowDirections : public CanvasFixture, public ::testing::WithParamInterface<ArrowRow> {};

TEST_P(ArrowDirections, HeadAtTheReleasePoint) {
  UseTool("btnArrow");
  Drag(GetParam().from, GetParam().to);
  auto* arrow = LastFigure<TKDArrow>();
  ASSERT_NE(arrow, nullptr);
  EXPECT_EQ(arrow->ArrowPosition(), GetParam().position);
  EXPECT_EQ(arrow->ArrowDirection(), GetParam().direction);
  EXPECT_EQ(arrow->geometry(), GetParam().bounds);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ArrowDirections,
    ::testing::Values(
        ArrowRow{"DownRight", {100, 100}, {180, 160}, apRight, adTopToBottom, QRect(100, 100, 80, 60)},
        ArrowRow{"UpRight", {100, 160}, {180, 100}, apRight, adBottomToTop, QRect(100, 100, 80, 60)},
        ArrowRow{"DownLeft", {180, 100}, {100, 160}, apLeft, adBottomToTop, QRect(100, 100, 80, 60)},
        ArrowRow{"UpLeft", {180, 160}, {100, 100}, apLeft, adTopToBottom, QRect(100, 100, 80, 60)},
        ArrowRow{"Down", {100, 20}, {100, 120}, apRight, adLeftToLeft, QRect(85, 20, 30, 100)},
        ArrowRow{"Up", {100, 120}, {100, 20}, apLeft, adLeftToLeft, QRect(85, 20, 30, 100)},
        ArrowRow{"Right", {100, 200}, {220, 200}, apRight, adTopToTop, QRect(100, 185, 120, 30)},
        ArrowRow{"Left", {220, 200}, {100, 200}, apLeft, adTopToTop, QRect(100, 185, 120, 30)},
        ArrowRow{"Click", {300, 300}, {300, 300}, apRight, adTopToBottom, QRect(300, 300, 30, 30)},
        ArrowRow{"ShortDiagonal", {300, 300}, {310, 305}, apRight, adTopToBottom, QRect(300, 300, 30, 30)}),
    [](const ::testing::TestParamInfo<ArrowRow>& i) { return std::string(i.param.name); });

struct ClosedTool {
  const char* button;
  const char* className;
};

class ClosedTools : public CanvasFixture, public ::testing::WithParamInterface<ClosedTool> {};

TEST_P(ClosedTools, DragInEitherDirectionGivesTheSameBoxInTheDrawingStyle) {
  doc->CurPenColor = clRed;
  doc->CurBrushColor = clYellow;
  doc->CurPenStyle = psDash;
  doc->CurBrushStyle = bsCross;
  doc->CurLineWidth = 3;
  doc->CurFont.name = "DejaVu Serif";
  UseTool(GetParam().button);
  Drag({200, 150}, {100, 50});
  TCustomKDTool* f = LastFigure();
  ASSERT_NE(f, nullptr);
  EXPECT_STREQ(f->ClassName(), GetParam().className);
  EXPECT_EQ(f->geometry(), QRect(100, 50, 100, 100));
  EXPECT_EQ(f->LineColor(), clRed);
  EXPECT_EQ(f->FillColor(), clYellow);
  EXPECT_EQ(f->LineStyle(), psDash);
  EXPECT_EQ(f->FillStyle(), bsCross);
  EXPECT_EQ(f->LineWidth(), 3);
  EXPECT_EQ(f->Font().name, "DejaVu Serif");
  EXPECT_EQ(f->Caption(), "KDLabel");  // an empty caption box leaves the figure's own
  EXPECT_EQ(f->DocumentWindow(), doc);
  EXPECT_TRUE(doc->Modified());
  // A click without movement places a figure of the default size with its corner at the click
  // (an empty one could never be seen, selected or deleted); a drag of one pixel gives exactly
  // the dragged box.
  Click({400, 300});
  EXPECT_EQ(LastFigure()->geometry(), QRect(400, 300, 50, 50));
  Drag({300, 200}, {301, 201});
  EXPECT_EQ(LastFigure()->geometry(), QRect(300, 200, 1, 1));
  EXPECT_EQ(doc->Figures().size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Tools, ClosedTools,
                         ::testing::Values(ClosedTool{"btnBegin", "TKDBegin"}, ClosedTool{"btnEnd", "TKDEnd"},
                                           ClosedTool{"btnProcess", "TKDProcess"},
                                           ClosedTool{"btnEllipse", "TKDEllipse"},
                                           ClosedTool{"btnRectangle", "TKDRectangle"},
                                           ClosedTool{"btnDiamond", "TKDDiamond"},
                                           ClosedTool{"btnLabel", "TKDLabel"}),
                         [](const ::testing::TestParamInfo<ClosedTool>& i) {
                           return std::string(i.param.className);
                         });

TEST_F(CanvasDrawingTest, WideCurrentPenStillGivesAFourPixelHighHorizontalLine) {
  doc->CurLineWidth = 10;
  UseTool("btnLine");
  Drag({10, 50}, {110, 50});
  auto* line = LastFigure<TKDLine>();
  EXPECT_EQ(line->geometry(), QRect(10, 49, 100, 4));
  EXPECT_EQ(line->LineWidth(), 10);
}

TEST_F(CanvasDrawingTest, RightAndMiddleDragsDrawLikeTheLeft) {
  UseTool("btnRectangle");
  Drag({50, 50}, {90, 80}, Qt::RightButton);
  Drag({150, 50}, {190, 80}, Qt::MiddleButton);
  auto figures = doc->Figures();
  ASSERT_EQ(figures.size(), 2u);
  EXPECT_EQ(figures[0]->geometry(), QRect(50, 50, 40, 30));
  EXPECT_EQ(figures[1]->geometry(), QRect(150, 50, 40, 30));
}

TEST_F(CanvasDrawingTest, RubberBandSelectsFiguresWhollyInsideEdgesIncluded) {
  auto* a = Add(doc, QRect(100, 100, 50, 40));
  auto* b = Add(doc, QRect(200, 100, 50, 40));
  auto* c = Add(doc, QRect(300, 100, 50, 40));
  UseTool("btnSelect");
  // The band from (100, 95) to (250, 140) touches a's left edge, b's right edge and the
  // bottoms of both; c is outside. (The press must land on empty canvas.)
  Drag({100, 95}, {250, 140});
  EXPECT_TRUE(a->HaveFocused());
  EXPECT_TRUE(b->HaveFocused());
  EXPECT_FALSE(c->HaveFocused());
  auto groups = SurfaceChildren<TSizerList>();
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(groups[0]->MemberCount(), 2u);
  EXPECT_EQ(groups[0]->geometry(), QRect(96, 96, 158, 48));
  // One pixel short on the right: b sticks out and is left out.
  Drag({95, 95}, {249, 145});
  EXPECT_TRUE(a->HaveFocused());
  EXPECT_FALSE(b->HaveFocused());
}

TEST_F(CanvasDrawingTest, AnEmptyBandEndsThePreviousSelection) {
  auto* a = Add(doc, QRect(100, 100, 50, 40));
  UseTool("btnSelect");
  Drag({90, 90}, {160, 150});
  EXPECT_TRUE(a->HaveFocused());
  Drag({400, 400}, {450, 450});
  EXPECT_FALSE(a->HaveFocused());
  EXPECT_TRUE(SurfaceChildren<TSizer>().empty());
  EXPECT_TRUE(SurfaceChildren<TSizerList>().empty());
}

TEST_F(CanvasDrawingTest, FigureDrawnWhileAnotherIsSelectedGetsTheDrawingStyle) {
  auto* selected = Add(doc, QRect(100, 100, 50, 40));
  selected->SetLineColor(clRed);
  selected->SetLineWidth(7);
  Click({120, 120});  // selects it: its style becomes the current one
  EXPECT_EQ(doc->CurLineWidth, 7);
  UseTool("btnEllipse");
  Drag({300, 300}, {360, 340});
  TCustomKDTool* drawn = LastFigure();
  EXPECT_EQ(drawn->LineColor(), clBlack);
  EXPECT_EQ(drawn->LineWidth(), 2);
  EXPECT_FALSE(selected->HaveFocused());
}

TEST_F(CanvasDrawingTest, BandLeavesThePictureExactlyAsItWas) {
  UseTool("btnRectangle");
  Click({5, 5});  // creates the canvas picture
  const QImage before = doc->imgKedrin->Picture().copy();
  // The band first: a later press at (50, 60) would fall within reach of the line drawn from there.
  for (const char* tool : {"btnSelect", "btnRectangle", "btnLine"}) {
    UseTool(tool);
    Press({50, 60});
    MoveTo({120, 90});
    MoveTo({200, 30});
    EXPECT_NE(doc->imgKedrin->Picture(), before) << tool << ": the band is drawn while dragging";
    MoveTo({30, 200});
    Release({30, 200});
    EXPECT_EQ(doc->imgKedrin->Picture(), before) << tool;
  }
}

TEST_F(CanvasDrawingTest, PictureIsCreatedWhiteAtTheImageSizeOnTheFirstPress) {
  EXPECT_FALSE(doc->imgKedrin->HasPicture());
  UseTool("btnSelect");
  Click({10, 10});
  ASSERT_TRUE(doc->imgKedrin->HasPicture());
  const QImage& picture = doc->imgKedrin->Picture();
  EXPECT_EQ(picture.size(), doc->imgKedrin->size());
  EXPECT_EQ(picture.pixel(3, 3), qRgb(255, 255, 255));
  QSize first = picture.size();
  SubOf(doc)->resize(1000, 800);
  testsupport::Flush();
  EXPECT_EQ(doc->imgKedrin->Picture().size(), first);  // kept at its size
}

TEST_F(CanvasDrawingTest, PictureCoversTheVisibleCanvasEvenWhenAFigureLiesFarAway) {
  Add(doc, QRect(30000, 30000, 40, 40));  // e.g. from a damaged file
  testsupport::Flush();
  EXPECT_GE(doc->Surface()->width(), 30040);
  UseTool("btnSelect");
  Click({10, 10});
  EXPECT_EQ(doc->imgKedrin->Picture().size(), doc->scbKedrin->viewport()->size());
}

TEST_F(CanvasDrawingTest, DrawingOnAScrolledCanvasPlacesTheFigureUnderThePointer) {
  Add(doc, QRect(1500, 1200, 40, 40));  // makes the canvas scroll
  testsupport::Flush();
  doc->scbKedrin->horizontalScrollBar()->setValue(300);
  doc->scbKedrin->verticalScrollBar()->setValue(200);
  testsupport::Flush();
  UseTool("btnRectangle");
  Drag({400, 300}, {460, 340});
  TCustomKDTool* f = LastFigure();
  EXPECT_EQ(f->geometry(), QRect(400, 300, 60, 40));
  // The figure lies under the pointer: a press there selects it.
  UseTool("btnSelect");
  Click({430, 320});
  EXPECT_TRUE(f->HaveFocused());
  // The rubber band on the scrolled canvas selects by canvas coordinates too.
  Drag({390, 290}, {470, 350});
  EXPECT_TRUE(f->HaveFocused());
  EXPECT_EQ(SurfaceChildren<TSizerList>().size(), 1u);
}

TEST_F(CanvasDrawingTest, CanvasGrowsWithItsFigures) {
  QSize before = doc->Surface()->size();
  Add(doc, QRect(before.width() + 100, 50, 40, 40));
  EXPECT_GE(doc->Surface()->width(), before.width() + 140);
}

// With Keep Connectors and Labels Attached off, the caption and arrow controls act on the
// selection only: a new label keeps "KDLabel", a new arrow the rates 10 and 2.
TEST_F(CanvasDrawingTest, NewLabelsAndArrowsKeepTheirOwnCaptionAndRates) {
  main->edtLabel->setText(QStringLiteral("Start"));
  UseTool("btnRectangle");
  Drag({100, 100}, {160, 140});
  EXPECT_EQ(LastFigure()->Caption(), "KDLabel") << "only a label shows a caption";
  UseTool("btnLabel");
  Drag({200, 100}, {300, 140});
  EXPECT_EQ(LastFigure()->Caption(), "KDLabel");
  main->UDArrowThicknessRate->setValue(4);
  UseTool("btnArrow");
  Drag({100, 200}, {200, 260});
  auto* arrow = LastFigure<TKDArrow>();
  ASSERT_NE(arrow, nullptr);
  EXPECT_EQ(arrow->ArrowThicknessRate(), 10);
  EXPECT_EQ(arrow->ArrowHeadLengthRate(), 2);
}

}  // namespace
