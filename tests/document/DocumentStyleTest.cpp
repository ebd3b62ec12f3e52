#include <QMenu>
#include <QScrollBar>

#include "DocumentTestSupport.h"

namespace {

using DocumentStyleTest = DocumentFixture;

struct Style {
  TColor pen, brush;
  TPenStyle penStyle;
  TBrushStyle brushStyle;
  int32_t width;
  std::string font, caption;
  bool operator==(const Style&) const = default;
};

Style Current(const TwinKedrinFile& d) {
  return {d.CurPenColor, d.CurBrushColor, d.CurPenStyle, d.CurBrushStyle, d.CurLineWidth, d.CurFont.name, d.CurCaption};
}

Style Of(const TCustomKDTool& f) {
  return {f.LineColor(), f.FillColor(), f.LineStyle(), f.FillStyle(), f.LineWidth(), f.Font().name, f.Caption()};
}

void Give(TCustomKDTool* f, const Style& s) {
  f->SetLineColor(s.pen);
  f->SetFillColor(s.brush);
  f->SetLineStyle(s.penStyle);
  f->SetFillStyle(s.brushStyle);
  f->SetLineWidth(s.width);
  TFontDesc font;
  font.name = s.font;
  f->SetFont(font);
  f->SetCaption(s.caption);
}

const Style kA{clRed, clBlue, psDash, bsCross, 5, "A face", "A"};
const Style kB{clGreen, clYellow, psDot, bsVertical, 7, "B face", "B"};
const Style kStart{clBlack, clWhite, psSolid, bsSolid, 2, TFontDesc().name, ""};

TEST_F(DocumentStyleTest, FiguresAreTheSurfaceChildrenLessImageAndFramesInStackingOrder) {
  auto* a = Add(QRect(10, 10, 40, 40));
  auto* b = Add<TKDEllipse>(QRect(100, 10, 40, 40));
  new TSizer(doc, a, 50, 50);
  auto* c = Add<TKDLine>(QRect(200, 10, 40, 40));
  EXPECT_EQ(doc->Figures(), (std::vector<TCustomKDTool*>{a, b, c}));
}

TEST_F(DocumentStyleTest, SwitchingSelectionKeepsTheDrawingStyleInTheSavedCopy) {
  auto* a = Add(QRect(10, 10, 40, 40));
  auto* b = Add(QRect(100, 10, 40, 40));
  Give(a, kA);
  Give(b, kB);
  Select(a);
  EXPECT_EQ(Current(*doc), kA);
  Deselect(a);
  Select(b);
  EXPECT_EQ(Current(*doc), kB);
  Deselect(b);
  EXPECT_EQ(Current(*doc), kStart);
}

TEST_F(DocumentStyleTest, RepeatedSelectionMakesTheFigureStyleTheDrawingStyle) {
  auto* a = Add(QRect(10, 10, 40, 40));
  Give(a, kA);
  Select(a);
  Select(a);
  Deselect(a);
  EXPECT_EQ(Current(*doc), kA);
}

TEST_F(DocumentStyleTest, ArrowSettingsAreSavedAndLoadedOnlyForArrows) {
  auto* box = Add(QRect(10, 10, 40, 40));
  auto* arrow = Add<TKDArrow>(QRect(100, 10, 40, 40));
  arrow->SetArrowPosition(apBoth);
  arrow->SetArrowDirection(adRightToRight);
  arrow->SetArrowThicknessRate(30);
  arrow->SetArrowHeadLengthRate(4);
  doc->CurArrowPosition = apRight;
  doc->CurArrowThicknessRate = 9;

  Select(box);
  EXPECT_EQ(doc->CurArrowPosition, apRight);
  EXPECT_EQ(doc->SavedArrowThicknessRate, 0);
  Deselect(box);

  Select(arrow);
  EXPECT_EQ(doc->CurArrowPosition, apBoth);
  EXPECT_EQ(doc->CurArrowDirection, adRightToRight);
  EXPECT_EQ(doc->CurArrowThicknessRate, 30);
  EXPECT_EQ(doc->CurArrowHeadLengthRate, 4);
  Deselect(arrow);
  EXPECT_EQ(doc->CurArrowPosition, apRight);
  EXPECT_EQ(doc->CurArrowThicknessRate, 9);
}

TEST_F(DocumentStyleTest, SelectionShowsTheStyleInTheMainWindowInOrder) {
  auto* a = Add(QRect(10, 10, 40, 40));
  Give(a, kA);
  Select(a);
  EXPECT_EQ(main.calls, (std::vector<std::string>{"brush 6", "pen 1", "width 5", "thickness 0", "head 0",
                                                  "position 0", "direction 0", "caption A"}));
}

// Members of a rubber band are deselected without having been selected one by one; the
// drawing style must survive that, on a fresh document and after a style control changed it.
TEST_F(DocumentStyleTest, RubberBandMembersLeaveTheDrawingStyleAsItWas) {
  auto* a = Add(QRect(10, 10, 40, 40));
  auto* b = Add(QRect(100, 10, 40, 40));
  Give(a, kA);
  for (TCustomKDTool* f : {a, b}) f->SetHaveFocused(true);
  for (TCustomKDTool* f : {a, b}) Deselect(f);
  EXPECT_EQ(Current(*doc), kStart);

  doc->CurPenStyle = psDash;
  doc->ApplyStyleToSelection();  // nothing selected: the drawing style changed
  for (TCustomKDTool* f : {a, b}) f->SetHaveFocused(true);
  for (TCustomKDTool* f : {a, b}) Deselect(f);
  EXPECT_EQ(doc->CurPenStyle, psDash);
}

TEST_F(DocumentStyleTest, ApplyGivesEverySelectedFigureTheWholeStyleAndArrowsTheirSettings) {
  auto* box = Add(QRect(10, 10, 40, 40));
  auto* arrow = Add<TKDArrow>(QRect(100, 10, 40, 40));
  auto* other = Add(QRect(200, 10, 40, 40));
  Give(other, kB);
  box->SetHaveFocused(true);
  arrow->SetHaveFocused(true);
  doc->CurPenColor = kA.pen;
  doc->CurBrushColor = kA.brush;
  doc->CurPenStyle = kA.penStyle;
  doc->CurBrushStyle = kA.brushStyle;
  doc->CurLineWidth = kA.width;
  doc->CurFont.name = kA.font;
  doc->CurCaption = kA.caption;
  doc->CurArrowPosition = apBoth;
  doc->CurArrowDirection = adLeftToLeft;
  doc->CurArrowThicknessRate = 0;  // a rate of 0 leaves the arrow's own
  doc->CurArrowHeadLengthRate = 6;
  doc->ApplyStyleToSelection();

  EXPECT_EQ(Of(*box), kA);
  EXPECT_EQ(Of(*arrow), kA);
  EXPECT_EQ(Of(*other), kB);
  EXPECT_EQ(arrow->ArrowPosition(), apBoth);
  EXPECT_EQ(arrow->ArrowDirection(), adLeftToLeft);
  EXPECT_EQ(arrow->ArrowThicknessRate(), 10);
  EXPECT_EQ(arrow->ArrowHeadLengthRate(), 6);
  // A restyle is a change a save would write.
  EXPECT_TRUE(doc->Modified());
}

struct StackingCase {
  const char* name;
  bool toFront;
  std::vector<int> expected;  // indices of figures 0..3 after the command, bottom first
};

class StackingTest : public DocumentFixture, public ::testing::WithParamInterface<StackingCase> {};

TEST_P(StackingTest, SelectedFiguresMoveTogether) {
  std::vector<TCustomKDTool*> f;
  for (int i = 0; i < 4; ++i) f.push_back(Add(QRect(10 + 60 * i, 10, 40, 40)));
  f[1]->SetHaveFocused(true);
  f[2]->SetHaveFocused(true);
  if (GetParam().toFront) doc->BringToFront1Click();
  else doc->SendToBack1Click();
  std::vector<TCustomKDTool*> expected;
  for (int i : GetParam().expected) expected.push_back(f[static_cast<size_t>(i)]);
  EXPECT_EQ(doc->Figures(), expected);
  EXPECT_EQ(doc->Surface()->Controls().front(), doc->imgKedrin);
  // The stacking order is what a file keeps.
  EXPECT_TRUE(doc->Modified());
}

INSTANTIATE_TEST_SUITE_P(Commands, StackingTest,
                         ::testing::Values(StackingCase{"front", true, {0, 3, 1, 2}},
                                           StackingCase{"back", false, {2, 1, 0, 3}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DocumentStyleTest, BringToFrontKeepsTheFrameAboveItsFigure) {
  auto* a = Add(QRect(10, 10, 40, 40));
  auto* b = Add(QRect(20, 20, 40, 40));
  auto* frame = new TSizer(doc, a, 50, 50);
  doc->BringToFront1Click();
  const std::vector<TCustomControl*> all = doc->Surface()->Controls();
  auto place = [&](const TCustomControl* c) { return std::find(all.begin(), all.end(), c) - all.begin(); };
  EXPECT_GT(place(a), place(b));
  // The handles stay where they can be grabbed.
  EXPECT_GT(place(frame), place(a));
}

TEST_F(DocumentStyleTest, RightPressOpensTheMenuAtThePointOnAScrolledCanvas) {
  doc->resize(400, 300);
  Add(QRect(1500, 1500, 40, 40));  // makes the canvas scroll
  auto* f = Add(QRect(150, 60, 80, 60));
  testsupport::Flush();
  doc->scbKedrin->horizontalScrollBar()->setValue(100);
  testsupport::Flush();
  const QPoint inFigure(7, 9);
  const QPoint at = doc->Surface()->mapTo(doc, f->pos() + inFigure);
  QTest::mousePress(doc->windowHandle(), Qt::RightButton, {}, at);
  ASSERT_TRUE(doc->mnuRButton->isVisible());
  EXPECT_EQ(doc->mnuRButton->pos(), f->mapToGlobal(inFigure));
  EXPECT_FALSE(f->HaveFocused());
  doc->mnuRButton->hide();
  // The button goes up again: a press of a later test must not find it held.
  QTest::mouseRelease(doc->windowHandle(), Qt::RightButton, {}, at);
}

}  // namespace
