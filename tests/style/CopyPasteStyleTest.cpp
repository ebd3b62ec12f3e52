// Edit > Copy Style and Paste Style: the style of one figure goes to the selection in one undo
// step; a shape's text takes the font; an arrow's look reaches arrows only; the captions stay.
#include <QAction>
#include <QMenu>

#include "StyleFixture.h"

namespace {

class StyleClipboardTest : public StyleFixture {
 protected:
  void SetUp() override {
    StyleFixture::SetUp();
    arrow = Add<TKDArrow>(doc, QRect(40, 200, 100, 40));
    arrow->SetLineColor(clRed);
    arrow->SetFillColor(clYellow);
    arrow->SetLineWidth(4);
    arrow->SetArrowPosition(apBoth);
    arrow->SetArrowThicknessRate(6);
    arrow->SetArrowHeadLengthRate(5);
    arrow->SetArrowDirection(adTopToTop);
    TFontDesc face;
    face.name = "Arrow Face";
    face.height = -20;
    arrow->SetFont(face);
    box = Add<TKDProcess>(doc, QRect(200, 40, 160, 80));
    text = Add<TKDLabel>(doc, QRect(220, 60, 100, 30));
    text->SetCaption("Approve");
    other = Add<TKDArrow>(doc, QRect(400, 200, 40, 100));
    other->SetArrowDirection(adLeftToLeft);
  }
  void CopyStyleOf(TCustomKDTool* f) {
    SelectFigures({f});
    features->CopyStyleAction()->trigger();
  }

  TKDArrow* arrow = nullptr;
  TKDProcess* box = nullptr;
  TKDLabel* text = nullptr;
  TKDArrow* other = nullptr;
};

TEST_F(StyleClipboardTest, AnArrowsStyleOnABoxLeavesOutTheArrowSettings) {
  CopyStyleOf(arrow);
  SelectFigures({box});
  const std::vector<uint8_t> before = SaveBytes(doc);
  const int steps = Steps();
  features->PasteStyleAction()->trigger();
  EXPECT_EQ(box->LineColor(), clRed);
  EXPECT_EQ(box->FillColor(), clYellow);
  EXPECT_EQ(box->LineWidth(), 4);
  // The font goes to the box's text, whose caption stays; the box's own font stays.
  EXPECT_EQ(text->Font().name, "Arrow Face");
  EXPECT_EQ(text->Font().height, -20);
  EXPECT_EQ(text->Caption(), "Approve");
  EXPECT_EQ(text->LineColor(), clBlack);
  EXPECT_NE(box->Font().name, "Arrow Face");
  EXPECT_EQ(Steps(), steps + 1);
  EXPECT_EQ(TopStep(), "Paste Style");
  // Undo, with another figure selected by then, brings back the selection the paste had.
  SelectFigures({other});
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
  EXPECT_TRUE(box->HaveFocused());
  EXPECT_FALSE(other->HaveFocused());
  EXPECT_FALSE(text->HaveFocused());
}

TEST_F(StyleClipboardTest, AnArrowTakesAnotherArrowsLookButKeepsItsCourse) {
  CopyStyleOf(arrow);
  SelectFigures({other});
  features->PasteStyleAction()->trigger();
  EXPECT_EQ(other->ArrowPosition(), apBoth);
  EXPECT_EQ(other->ArrowThicknessRate(), 6);
  EXPECT_EQ(other->ArrowHeadLengthRate(), 5);
  EXPECT_EQ(other->ArrowDirection(), adLeftToLeft);
  EXPECT_EQ(other->LineWidth(), 4);
  EXPECT_EQ(other->Font().name, "Arrow Face");
}

TEST_F(StyleClipboardTest, ABoxsStyleOnAGroupIsOneStepAndUndoesByteForByte) {
  box->SetLineColor(clBlue);
  box->SetFillColor(clLime);
  box->SetLineWidth(1);
  TFontDesc textFont;
  textFont.name = "Text Face";
  text->SetFont(textFont);
  CopyStyleOf(box);
  SelectFigures({arrow, other, text});
  ASSERT_TRUE(doc->GroupSelected());
  const std::vector<uint8_t> before = SaveBytes(doc);
  const int steps = Steps();
  features->PasteStyleAction()->trigger();
  for (TCustomKDTool* f : {static_cast<TCustomKDTool*>(arrow), static_cast<TCustomKDTool*>(other)}) {
    EXPECT_EQ(f->LineColor(), clBlue);
    EXPECT_EQ(f->FillColor(), clLime);
    EXPECT_EQ(f->LineWidth(), 1);
    // The box's font is its text's.
    EXPECT_EQ(f->Font().name, "Text Face");
  }
  EXPECT_EQ(arrow->ArrowPosition(), apBoth);
  EXPECT_EQ(arrow->ArrowThicknessRate(), 6);
  EXPECT_EQ(arrow->ArrowDirection(), adTopToTop);
  EXPECT_EQ(text->Caption(), "Approve");
  EXPECT_EQ(Steps(), steps + 1);
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
  doc->Redo();
  EXPECT_EQ(arrow->LineColor(), clBlue);
}

TEST_F(StyleClipboardTest, CopyNeedsExactlyOneFigure) {
  SelectFigures({arrow, box});
  features->CopyStyleAction()->trigger();
  EXPECT_FALSE(features->Copied().has_value());
  SelectFigures({});
  features->CopyStyleAction()->trigger();
  EXPECT_FALSE(features->Copied().has_value());
  // Nothing to paste: the selection stays as it is.
  SelectFigures({box});
  const std::vector<uint8_t> before = SaveBytes(doc);
  features->PasteStyleAction()->trigger();
  EXPECT_EQ(SaveBytes(doc), before);
}

TEST_F(StyleClipboardTest, TheMenuShowsTheKeysAndWhatCanBeDone) {
  EXPECT_EQ(features->CopyStyleAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
  EXPECT_EQ(features->PasteStyleAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
  EXPECT_TRUE(main->Edit1->actions().contains(features->CopyStyleAction()));
  SelectFigures({box});
  emit main->Edit1->aboutToShow();
  EXPECT_TRUE(features->CopyStyleAction()->isEnabled());
  EXPECT_FALSE(features->PasteStyleAction()->isEnabled());
  features->CopyStyleAction()->trigger();
  SelectFigures({arrow, other});
  emit main->Edit1->aboutToShow();
  EXPECT_FALSE(features->CopyStyleAction()->isEnabled());
  EXPECT_TRUE(features->PasteStyleAction()->isEnabled());
}

// Ctrl+Shift+V pastes figures, as it always did, until a style is copied; then it pastes the style.
TEST_F(StyleClipboardTest, CtrlShiftVPastesFiguresUntilAStyleIsCopied) {
  SelectFigures({box});
  Key(Qt::Key_C, Qt::ControlModifier);
  Key(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(doc->Figures().size(), 5u);
  CopyStyleOf(arrow);
  const size_t figures = doc->Figures().size();
  SelectFigures({other});
  const int steps = Steps();
  Key(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(doc->Figures().size(), figures);
  EXPECT_EQ(Steps(), steps + 1);
  EXPECT_EQ(TopStep(), "Paste Style");
  EXPECT_EQ(other->LineColor(), clRed);
}

// Across documents: the style stays copied.
TEST_F(StyleClipboardTest, PastesIntoAnotherDocument) {
  CopyStyleOf(arrow);
  TwinKedrinFile* second = main->btnNewClick();
  testsupport::Flush();
  auto* target = Add<TKDEllipse>(second, QRect(10, 10, 50, 50));
  second->FigureSet().Select({target});
  testsupport::Flush();
  features->PasteStyleAction()->trigger();
  EXPECT_EQ(target->LineColor(), clRed);
  EXPECT_EQ(target->Font().name, "Arrow Face");
  EXPECT_EQ(arrow->LineColor(), clRed);
}

}  // namespace
