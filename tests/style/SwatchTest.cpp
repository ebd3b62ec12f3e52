// The Colours tool bar: a click gives the selection (or the drawing style) its fill colour, a
// Shift+click or a right click its line colour, each one undo step that undoes byte for byte; a
// group changes only that colour; "no fill" clears the brush.
#include "StyleFixture.h"

namespace {

class Swatches : public StyleFixture {
 protected:
  void SetUp() override {
    StyleFixture::SetUp();
    box = Add<TKDProcess>(doc, QRect(40, 40, 120, 60));
    box->SetFillColor(clWhite);
    box->SetCaption("kept");
    diamond = Add<TKDDiamond>(doc, QRect(200, 40, 120, 80));
    diamond->SetFillColor(clWhite);
    diamond->SetLineColor(clBlack);
    diamond->SetFillStyle(bsCross);
  }
  TKDProcess* box = nullptr;
  TKDDiamond* diamond = nullptr;
};

struct ClickCase {
  const char* name;
  Qt::MouseButton button;
  Qt::KeyboardModifiers modifiers;
  bool line;  // else fill
};
void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.name; }

const ClickCase kClicks[] = {
    {"Click", Qt::LeftButton, {}, false},
    {"ShiftClick", Qt::LeftButton, Qt::ShiftModifier, true},
    {"RightClick", Qt::RightButton, {}, true},
};

class SwatchClick : public Swatches, public testing::WithParamInterface<ClickCase> {
 protected:
  void ClickRed() { QTest::mouseClick(Swatch("swatchRed"), GetParam().button, GetParam().modifiers); }
};

// Red is RGB(255, 0, 0): 0x0000FF as the format stores it.
TEST_P(SwatchClick, OneFigureTakesTheColourInOneStepUndoneByteForByte) {
  SelectFigures({box});
  const std::vector<uint8_t> before = SaveBytes(doc);
  const int steps = Steps();
  ClickRed();
  EXPECT_EQ(GetParam().line ? box->LineColor() : box->FillColor(), 0x0000FF);
  EXPECT_EQ(GetParam().line ? box->FillColor() : box->LineColor(), GetParam().line ? clWhite : clBlack);
  EXPECT_EQ(box->Caption(), "kept");
  EXPECT_EQ(diamond->FillColor(), clWhite);
  EXPECT_EQ(Steps(), steps + 1);
  EXPECT_EQ(TopStep(), GetParam().line ? "Change Pen Colour" : "Change Brush Colour");
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
}

TEST_P(SwatchClick, AGroupChangesOnlyThatColour) {
  box->SetFillStyle(bsSolid);
  SelectFigures({box, diamond});
  ASSERT_TRUE(doc->GroupSelected());
  const std::vector<uint8_t> before = SaveBytes(doc);
  ClickRed();
  for (TCustomKDTool* f : {static_cast<TCustomKDTool*>(box), static_cast<TCustomKDTool*>(diamond)}) {
    EXPECT_EQ(GetParam().line ? f->LineColor() : f->FillColor(), 0x0000FF) << f->ClassName();
    EXPECT_EQ(f->LineWidth(), 2) << f->ClassName();
  }
  // Each keeps its own brush style and caption.
  EXPECT_EQ(box->FillStyle(), bsSolid);
  EXPECT_EQ(diamond->FillStyle(), bsCross);
  EXPECT_EQ(box->Caption(), "kept");
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
}

TEST_P(SwatchClick, WithNothingSelectedTheNextFigureDrawnHasTheColour) {
  SelectFigures({});
  ClickRed();
  UseTool("btnRectangle");
  Drag({400, 300}, {480, 360});
  TCustomKDTool* drawn = LastFigure();
  ASSERT_NE(drawn, static_cast<TCustomKDTool*>(diamond));
  EXPECT_EQ(GetParam().line ? drawn->LineColor() : drawn->FillColor(), 0x0000FF);
}

INSTANTIATE_TEST_SUITE_P(Mouse, SwatchClick, testing::ValuesIn(kClicks),
                         [](const testing::TestParamInfo<ClickCase>& i) { return std::string(i.param.name); });

TEST_F(Swatches, NoFillClearsTheBrushAndAColourFillsItAgain) {
  SelectFigures({box});
  QTest::mouseClick(Find<QToolButton>("swatchNoFill"), Qt::LeftButton);
  EXPECT_EQ(box->FillStyle(), bsClear);
  EXPECT_EQ(TopStep(), "Change Brush Style");
  QTest::mouseClick(Swatch("swatchYellow"), Qt::LeftButton);
  EXPECT_EQ(box->FillStyle(), bsSolid);
  EXPECT_EQ(box->FillColor(), 0x00FFFF);
}

TEST_F(Swatches, UsedColoursLeadTheRecentRow) {
  ColourBar* bar = features->Colours();
  SelectFigures({box});
  QTest::mouseClick(Swatch("swatchRed"), Qt::LeftButton);
  QTest::mouseClick(Swatch("swatchBlue"), Qt::LeftButton, Qt::ShiftModifier);
  ASSERT_GE(bar->RecentColours().size(), 2u);
  EXPECT_EQ(bar->RecentColours()[0], RGB(0, 112, 192));
  EXPECT_EQ(bar->RecentColours()[1], 0x0000FF);
  // The first recent swatch is the blue one and works like any other.
  SwatchButton* recent = Swatch("swatchRecent0");
  testsupport::Flush();
  EXPECT_TRUE(recent->isVisibleTo(bar));
  EXPECT_FALSE(Swatch("swatchRecent2")->isVisibleTo(bar));
  QTest::mouseClick(recent, Qt::LeftButton);
  EXPECT_EQ(box->FillColor(), RGB(0, 112, 192));
}

TEST_F(Swatches, MoreOpensTheColourDialogPresetToTheFill) {
  SelectFigures({box});
  main->colorAnswer = RGB(10, 20, 30);
  QTest::mouseClick(Find<QToolButton>("btnMoreColours"), Qt::LeftButton);
  ASSERT_EQ(main->colorsOffered.size(), 1u);
  EXPECT_EQ(main->colorsOffered[0], clWhite);
  EXPECT_EQ(box->FillColor(), RGB(10, 20, 30));
  EXPECT_EQ(features->Colours()->RecentColours().front(), RGB(10, 20, 30));
}

struct TintCase {
  const char* swatch;
  int r, g, b;
};
void PrintTo(const TintCase& c, std::ostream* os) { *os << c.swatch; }

class LightTint : public Swatches, public testing::WithParamInterface<TintCase> {};

// The pastel fills of office palettes, one click each, in a row of their own under the strong
// colours.
TEST_P(LightTint, FillsInOneClickFromTheRowUnderTheStrongColours) {
  SwatchButton* tint = Swatch(GetParam().swatch);
  ASSERT_NE(tint, nullptr);
  SelectFigures({box});
  const int steps = Steps();
  QTest::mouseClick(tint, Qt::LeftButton);
  EXPECT_EQ(box->FillColor(), RGB(GetParam().r, GetParam().g, GetParam().b));
  EXPECT_EQ(Steps(), steps + 1);
  const QWidget* bar = features->Colours();
  const int tintRow = tint->mapTo(bar, QPoint()).y();
  EXPECT_GE(tintRow, Swatch("swatchRed")->mapTo(bar, QPoint()).y() + Swatch("swatchRed")->height());
  EXPECT_EQ(tintRow, Swatch("swatchLightOrange")->mapTo(bar, QPoint()).y());
}

const TintCase kTints[] = {
    {"swatchLightOrange", 251, 229, 214}, {"swatchLightYellow", 255, 242, 204}, {"swatchLightGreen", 226, 240, 217},
    {"swatchLightBlue", 222, 235, 247},   {"swatchLightRed", 255, 230, 230},    {"swatchLightGrey", 237, 237, 237},
    {"swatchLightPurple", 229, 224, 236}, {"swatchLightTeal", 218, 238, 243},
};
INSTANTIATE_TEST_SUITE_P(Row, LightTint, testing::ValuesIn(kTints),
                         [](const testing::TestParamInfo<TintCase>& i) { return std::string(i.param.swatch + 6); });

TEST_F(Swatches, WithoutADocumentASwatchDoesNothing) {
  delete SubOf(doc);
  doc = nullptr;
  testsupport::Flush();
  QTest::mouseClick(Swatch("swatchRed"), Qt::LeftButton);
  EXPECT_TRUE(features->Colours()->RecentColours().empty());
}

}  // namespace
