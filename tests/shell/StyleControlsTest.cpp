#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>

#include "MainWindowFixture.h"
#include "TFontChooser.h"
#include "TUpDownEdit.h"

namespace {

using StyleControlsTest = MainWindowFixture;

// Every style control, as the user works it.
struct Control {
  const char* name;
  std::function<void(TwinMain*)> use;
};

const Control kControls[] = {
    {"btnDotPen", [](TwinMain* m) { m->btnDotPen->click(); }},
    {"btnCrossBrush", [](TwinMain* m) { m->btnCrossBrush->click(); }},
    {"btnPenColor", [](TwinMain* m) { m->btnPenColor->click(); }},
    {"btnBrushColor", [](TwinMain* m) { m->btnBrushColor->click(); }},
    {"PenWidth", [](TwinMain* m) { m->PenWidth->setValue(7); }},
    {"UDArrowThicknessRate", [](TwinMain* m) { m->UDArrowThicknessRate->setValue(7); }},
    {"UDArrowHeadLengthRate", [](TwinMain* m) { m->UDArrowHeadLengthRate->setValue(7); }},
    {"Both1", [](TwinMain* m) { m->Both1->trigger(); }},
    {"RightToRight1", [](TwinMain* m) { m->RightToRight1->trigger(); }},
    {"btnFontSet", [](TwinMain* m) { m->btnFontSet->click(); }},
    {"edtLabel", [](TwinMain* m) { m->edtLabel->setText("x"); }},
};

TEST_F(StyleControlsTest, WithoutADocumentNoControlDoesAnything) {
  main->colorAnswer = clRed;
  for (const Control& c : kControls) c.use(main);
  EXPECT_TRUE(main->colorsOffered.empty());
  EXPECT_TRUE(main->fontsOffered.empty());
  for (QMenu* menu : {main->mnuArrowPosition, main->mnuArrowDirection})
    for (QAction* a : menu->actions()) EXPECT_FALSE(a->isChecked()) << a->objectName().toStdString();
  EXPECT_TRUE(main->btnDotPen->isChecked());  // the buttons still go down
  EXPECT_TRUE(main->btnCrossBrush->isChecked());
}

// Each control writes its field into the current document and restyles both selected figures
// with the whole current style.
TEST_F(StyleControlsTest, EachControlRestylesTheWholeSelection) {
  TwinKedrinFile* doc = main->btnNewClick();
  auto* box = Add(doc, QRect(10, 10, 40, 40));
  auto* arrow = Add<TKDArrow>(doc, QRect(100, 10, 40, 40));
  auto* unselected = Add(doc, QRect(200, 10, 40, 40));
  box->SetCaption("old");
  box->SetHaveFocused(true);
  arrow->SetHaveFocused(true);
  main->colorAnswer = clRed;
  main->fontAnswer = TFontDesc{"Chosen Face", -20, fsBold, clBlue, 0, 0};
  for (const Control& c : kControls) c.use(main);

  for (TCustomKDTool* f : {static_cast<TCustomKDTool*>(box), static_cast<TCustomKDTool*>(arrow)}) {
    EXPECT_EQ(f->LineStyle(), psDot);
    EXPECT_EQ(f->FillStyle(), bsCross);
    EXPECT_EQ(f->LineColor(), clRed);
    EXPECT_EQ(f->FillColor(), clRed);
    EXPECT_EQ(f->LineWidth(), 7);
    EXPECT_EQ(f->Font().name, "Chosen Face");
    EXPECT_EQ(f->Caption(), "x");
  }
  EXPECT_EQ(arrow->ArrowPosition(), apBoth);
  EXPECT_EQ(arrow->ArrowDirection(), adRightToRight);
  EXPECT_EQ(arrow->ArrowThicknessRate(), 7);
  EXPECT_EQ(arrow->ArrowHeadLengthRate(), 7);
  EXPECT_EQ(unselected->LineStyle(), psSolid);
  EXPECT_TRUE(main->Both1->isChecked());
  EXPECT_FALSE(main->Left1->isChecked());
  EXPECT_TRUE(main->RightToRight1->isChecked());
  EXPECT_TRUE(doc->Modified());
}

TEST_F(StyleControlsTest, CancelledColourDialogStillAppliesAndIsPresetFromTheDocument) {
  TwinKedrinFile* doc = main->btnNewClick();
  auto* f = Add(doc, QRect(10, 10, 40, 40));
  f->SetHaveFocused(true);
  doc->CurPenColor = clGreen;
  doc->CurCaption = "applied";
  main->btnPenColor->click();
  main->btnBrushColor->click();
  EXPECT_EQ(main->colorsOffered, (std::vector<TColor>{clGreen, clWhite}));
  EXPECT_EQ(f->LineColor(), clGreen);
  EXPECT_EQ(f->Caption(), "applied");
}

TEST_F(StyleControlsTest, TypedCaptionAndOversizedWidthAreAppliedAsTyped) {
  TwinKedrinFile* doc = main->btnNewClick();
  auto* f = Add(doc, QRect(10, 10, 40, 40));
  f->SetHaveFocused(true);
  std::vector<std::string> seen;
  main->edtLabel->setFocus();
  QObject::connect(main->edtLabel, &QLineEdit::textChanged, [&] { seen.push_back(f->Caption()); });
  QTest::keyClicks(main->edtLabel, "12");
  EXPECT_EQ(seen, (std::vector<std::string>{"1", "12"}));

  main->PenSize->selectAll();
  QTest::keyClicks(main->PenSize, "150");
  EXPECT_LE(doc->CurLineWidth, 100);
  EXPECT_LE(f->LineWidth(), 100);
  EXPECT_EQ(f->LineWidth(), main->PenWidth->value());
}

TEST_F(StyleControlsTest, FontDialogStartsWithItsOwnFontAndRemembersTheLastChoice) {
  TwinKedrinFile* first = main->btnNewClick();
  const TFontDesc one{"Face One", -12, 0, clBlack, 0, 0};
  const TFontDesc two{"Face Two", -14, fsItalic, clRed, 0, 0};
  main->fontAnswer = one;
  main->btnFontSet->click();
  TwinKedrinFile* second = main->btnNewClick();
  main->fontAnswer = two;
  main->btnFontSet->click();
  main->fontAnswer.reset();
  main->btnFontSet->click();

  ASSERT_EQ(main->fontsOffered.size(), 3u);
  EXPECT_EQ(main->fontsOffered[0].name, "新宋体-18030");
  EXPECT_EQ(main->fontsOffered[0].charset, GB2312_CHARSET);
  EXPECT_EQ(main->fontsOffered[0].height, -11);
  EXPECT_EQ(main->fontsOffered[0].color, clWindowText);
  EXPECT_EQ(main->fontsOffered[2], two);
  EXPECT_EQ(first->CurFont, one);
  EXPECT_EQ(second->CurFont, two);
}

struct ButtonCase {
  const char* name;
  TPenStyle pen;
  TBrushStyle brush;
  const char* penButton;    // nullptr: the pen buttons stay as they were
  const char* brushButton;  // likewise
};

class ShownStyleTest : public MainWindowFixture, public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(ShownStyleTest, SelectingAFigurePushesItsPenAndBrushButtons) {
  const ButtonCase& c = GetParam();
  TwinKedrinFile* doc = main->btnNewClick();
  auto* f = Add(doc, QRect(10, 10, 40, 40));
  f->SetLineStyle(c.pen);
  f->SetFillStyle(c.brush);
  main->btnDashDotPen->setChecked(true);
  main->btnVerticalBrush->setChecked(true);
  SendMessage(f, WM_SELECOMP);
  EXPECT_TRUE(Find(c.penButton ? c.penButton : "btnDashDotPen")->isChecked());
  EXPECT_TRUE(Find(c.brushButton ? c.brushButton : "btnVerticalBrush")->isChecked());
}

INSTANTIATE_TEST_SUITE_P(
    Styles, ShownStyleTest,
    ::testing::Values(ButtonCase{"solid", psSolid, bsSolid, "btnSolidPen", "btnSolidBrush"},
                      ButtonCase{"dash", psDash, bsClear, "btnDashPen", nullptr},
                      ButtonCase{"dot", psDot, bsHorizontal, "btnDotPen", "btnHorizontalBrush"},
                      ButtonCase{"dashDot", psDashDot, bsVertical, "btnDashDotPen", "btnVerticalBrush"},
                      ButtonCase{"dashDotDot", psDashDotDot, bsFDiagonal, "btnDashDotDotPen", "btnFDiagonalBrush"},
                      ButtonCase{"clear", psClear, bsBDiagonal, "btnClearPen", "btnBDiagonalBrush"},
                      ButtonCase{"insideFrame", psInsideFrame, bsCross, nullptr, "btnCrossBrush"},
                      ButtonCase{"diagCross", psSolid, bsDiagCross, "btnSolidPen", "btnDiagCrossBrush"}),
    [](const auto& info) { return std::string(info.param.name); });

// The controls hold 0 to 100 and a caption box; showing a figure whose values lie beyond them
// must not write the clipped values back into the figure.
TEST_F(StyleControlsTest, ShowingASelectedFigureNeverChangesIt) {
  TwinKedrinFile* doc = main->btnNewClick();
  auto* box = Add(doc, QRect(10, 10, 60, 60));
  box->SetLineWidth(200);
  box->SetCaption("shown");
  SendMessage(box, WM_SELECOMP);
  EXPECT_EQ(main->PenWidth->value(), 100);
  EXPECT_EQ(main->edtLabel->text(), "shown");
  EXPECT_EQ(box->LineWidth(), 200);
  EXPECT_EQ(doc->CurLineWidth, 200);
  // A non-arrow shows the arrow settings current at that moment.
  EXPECT_TRUE(main->Left1->isChecked());
  EXPECT_TRUE(main->TopToTop1->isChecked());
  EXPECT_EQ(main->UDArrowThicknessRate->value(), 0);
  SendMessage(box, TKM_FOCUSLOST);

  auto* arrow = Add<TKDArrow>(doc, QRect(100, 10, 60, 60));
  arrow->SetLineWidth(1);
  arrow->SetArrowThicknessRate(150);
  arrow->SetArrowHeadLengthRate(3);
  arrow->SetArrowPosition(apBoth);
  SendMessage(arrow, WM_SELECOMP);
  EXPECT_EQ(main->UDArrowThicknessRate->value(), 100);
  EXPECT_EQ(main->UDArrowHeadLengthRate->value(), 3);
  EXPECT_TRUE(main->Both1->isChecked());
  EXPECT_TRUE(main->TopToBottom1->isChecked());
  EXPECT_EQ(arrow->ArrowThicknessRate(), 150);
  EXPECT_EQ(doc->CurArrowThicknessRate, 150);
}

}  // namespace

namespace {

// The font dialog hands back what it was given when the user changes nothing: the exact height,
// the colour (a system colour stays one) and the character set.
TEST(FontChooserTest, UnchangedChoiceKeepsTheFontAsGiven) {
  TFontChooser chooser;
  const TFontDesc given{"DejaVu Sans", -16, fsItalic | fsUnderline, clWindowText, GB2312_CHARSET, 0};
  chooser.SetFont(given);
  EXPECT_EQ(chooser.Font(), given);
}

}  // namespace
