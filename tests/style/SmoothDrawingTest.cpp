// Smooth drawing: a drawing surface made on a painter that asks for antialiasing draws
// outlines, lines, heads and text antialiased; one made on any other painter draws exactly as
// before. On screen View > Smooth Drawing asks for it (kept in the settings, on for a new user);
// the screen then agrees with a picture drawn smooth, and presses still go where the outlines are.
#include <QAction>
#include <QMenu>
#include <QPainter>

#include "Canvas.h"
#include "ControlCanvas.h"
#include "DiagramPicture.h"
#include "ExpenseChart.h"
#include "StyleFixture.h"

namespace {

// Colours in the picture other than the two it was drawn with: what antialiasing blends.
int BlendedPixels(const QImage& image, QRgb ink, QRgb paper) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y) | 0xFF000000u;
      n += p != (ink | 0xFF000000u) && p != (paper | 0xFF000000u);
    }
  return n;
}

struct DrawCase {
  const char* name;
  std::function<void(Canvas&)> draw;
};
void PrintTo(const DrawCase& c, std::ostream* os) { *os << c.name; }

const DrawCase kDrawings[] = {
    {"ThinDiagonal", [](Canvas& c) { c.MoveTo(2, 3); c.LineTo(60, 41); }},
    {"DashedDiagonal", [](Canvas& c) { c.Pen.Style = psDash; c.MoveTo(2, 60); c.LineTo(60, 2); }},
    {"WideDiagonal", [](Canvas& c) { c.Pen.Width = 3; c.MoveTo(5, 5); c.LineTo(55, 30); }},
    {"EllipseOutline", [](Canvas& c) { c.Brush.Style = bsClear; c.Ellipse(4, 4, 58, 50); }},
    {"DiamondOutline", [](Canvas& c) {
       c.Brush.Style = bsClear;
       c.Polygon({QPoint(32, 2), QPoint(62, 30), QPoint(32, 58), QPoint(2, 30)});
     }},
    {"Text", [](Canvas& c) {
       c.Brush.Style = bsClear;
       c.Font.name = "DejaVu Sans";
       c.Font.height = -14;
       c.Font.color = clBlack;
       c.DrawText(QStringLiteral("Over 500?"), 0, 10, 64, 40, DT_CENTER);
     }},
};

class SmoothCanvas : public testing::TestWithParam<DrawCase> {
 protected:
  QImage Draw(bool smooth) {
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    Canvas canvas(&painter);
    EXPECT_EQ(canvas.Smooth(), smooth);
    EXPECT_EQ(canvas.PathMode(), smooth);
    canvas.Pen.Color = clBlack;
    GetParam().draw(canvas);
    return image;
  }
};

TEST_P(SmoothCanvas, BlendsEdgesOnlyWhenThePainterAsksForIt) {
  EXPECT_EQ(BlendedPixels(Draw(false), qRgb(0, 0, 0), qRgb(255, 255, 255)), 0);
  EXPECT_GT(BlendedPixels(Draw(true), qRgb(0, 0, 0), qRgb(255, 255, 255)), 10);
}

INSTANTIATE_TEST_SUITE_P(Shapes, SmoothCanvas, testing::ValuesIn(kDrawings),
                         [](const testing::TestParamInfo<DrawCase>& i) { return std::string(i.param.name); });

// Whole-pixel horizontal and vertical outlines stay crisp: smooth drawing does not blur a box.
TEST(SmoothCanvasEdges, ABoxStaysSharp) {
  QImage image(40, 40, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  Canvas canvas(&painter);
  canvas.Brush.Style = bsClear;
  canvas.Rectangle(5, 5, 30, 25);
  painter.end();
  EXPECT_EQ(BlendedPixels(image, qRgb(0, 0, 0), qRgb(255, 255, 255)), 0);
  // Columns 5 and 29, rows 5 and 24, as the exact drawing lays them down.
  EXPECT_EQ(image.pixel(5, 15), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(29, 15), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(30, 15), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(15, 24), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(15, 25), qRgb(255, 255, 255));
}

class SmoothScreen : public StyleFixture {
 protected:
  void SetUp() override {
    StyleFixture::SetUp();
    chart = BuildExpenseChart([this](auto kind, QRect r) -> TCustomKDTool* {
      TCustomKDTool* f = Add<typename decltype(kind)::type>(doc, r);
      doc->GiveDrawingStyle(f);  // as if drawn
      return f;
    });
    testsupport::Flush();
  }
  void TearDown() override {
    features->SmoothDrawing()->setChecked(false);
    StyleFixture::TearDown();
  }
  // The canvas as shown, and the same part drawn as a picture on the canvas's colour.
  QImage Screen() {
    testsupport::Flush();
    return doc->Surface()->grab(QRect(0, 0, 720, 540)).toImage().convertToFormat(QImage::Format_RGB32);
  }
  QImage Picture(bool smooth, QColor background) {
    QImage picture(720, 540, QImage::Format_RGB32);
    picture.fill(background);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing, smooth);
    const std::vector<TCustomKDTool*> figures = doc->Figures();
    DrawFigures(painter, std::vector<const TCustomKDTool*>(figures.begin(), figures.end()));
    return picture;
  }
  // Pixels whose colours differ by more than the tolerance in a channel.
  static int Differing(const QImage& a, const QImage& b, int tolerance) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x) {
        const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
        n += std::abs(qRed(p) - qRed(q)) > tolerance || std::abs(qGreen(p) - qGreen(q)) > tolerance ||
             std::abs(qBlue(p) - qBlue(q)) > tolerance;
      }
    return n;
  }

  ExpenseChart chart;
};

TEST_F(SmoothScreen, TheScreenAgreesWithASmoothPicture) {
  // The chart stays behind for people to look at (and colour) in the editor.
  ASSERT_TRUE(doc->SaveToFile(testsupport::OutputPath(QStringLiteral("expense-claim.kdl"))));
  QTest::mouseClick(Swatch("swatchLightYellow"), Qt::LeftButton);  // the drawing style: no change
  doc->FigureSet().Select({chart.decision, chart.receipts});
  testsupport::Flush();
  QTest::mouseClick(Swatch("swatchYellow"), Qt::LeftButton);
  doc->FigureSet().Select({});
  features->SmoothDrawing()->setChecked(true);
  const QImage screen = Screen();
  const QColor background = screen.pixel(700, 530);
  const QImage smooth = Picture(true, background), exact = Picture(false, background);
  // Both differ from the exact drawing along every slanted edge and glyph...
  const int slanted = Differing(exact, smooth, 16);
  ASSERT_GT(slanted, 500);
  EXPECT_GT(Differing(screen, exact, 16), slanted / 2);
  // ...and agree with each other but for a few pixels of rounding.
  EXPECT_LT(Differing(screen, smooth, 48), slanted / 20);
  screen.save(testsupport::OutputPath(QStringLiteral("smooth-screen.png")));
  smooth.save(testsupport::OutputPath(QStringLiteral("smooth-picture.png")));
}

TEST_F(SmoothScreen, SwitchedOffTheScreenIsTheExactPicture) {
  features->SmoothDrawing()->setChecked(true);
  Screen();
  features->SmoothDrawing()->setChecked(false);
  const QImage screen = Screen();
  EXPECT_EQ(Differing(screen, Picture(false, screen.pixel(700, 530)), 0), 0);
}

TEST_F(SmoothScreen, SmoothAtEveryZoom) {
  features->SmoothDrawing()->setChecked(true);
  doc->Surface()->SetZoom(2.5);
  testsupport::Flush();
  // The decision diamond's upper left side (300, 255 to 380, 210), 2.5 times as large, on the
  // canvas colour: blends along it.
  const QImage side = doc->Surface()->grab(QRect(760, 530, 180, 100)).toImage();
  EXPECT_GT(BlendedPixels(side, qRgb(0, 0, 0), side.pixel(5, 5)), 50);
}

TEST_F(SmoothScreen, TheSwitchIsKeptAndRepaintsTheCanvas) {
  QAction* smooth = features->SmoothDrawing();
  EXPECT_EQ(main->View1->actions().contains(smooth), true);
  EXPECT_TRUE(smooth->isCheckable());
  smooth->setChecked(true);
  EXPECT_TRUE(TControlCanvas::SmoothDrawing());
  EXPECT_EQ(QSettings().value(QStringLiteral("view/smoothDrawing")).toBool(), true);
  smooth->setChecked(false);
  EXPECT_FALSE(TControlCanvas::SmoothDrawing());
  EXPECT_EQ(QSettings().value(QStringLiteral("view/smoothDrawing")).toBool(), false);
}

TEST_F(SmoothScreen, OnForANewUser) {
  QSettings().remove(QStringLiteral("view/smoothDrawing"));
  {
    TestMain fresh;
    auto* features = fresh.findChild<StyleFeatures*>(QStringLiteral("StyleFeatures"));
    ASSERT_NE(features, nullptr);
    EXPECT_TRUE(features->SmoothDrawing()->isChecked());
    EXPECT_TRUE(TControlCanvas::SmoothDrawing());
  }
  QSettings().setValue(QStringLiteral("view/smoothDrawing"), false);
  TControlCanvas::SetSmoothDrawing(false);
}

// A press just inside an outline's box but outside the outline reaches the canvas; one on the
// outline's inside reaches the figure: smooth or not.
TEST_F(SmoothScreen, PressesGoWhereTheOutlineIs) {
  for (bool on : {false, true}) {
    features->SmoothDrawing()->setChecked(on);
    SelectFigures({});
    // The decision diamond (300, 210, 160, 90): its top-left corner region is outside.
    Click({303, 213});
    EXPECT_FALSE(chart.decision->HaveFocused()) << "smooth " << on;
    Click({315, 255});
    EXPECT_TRUE(chart.decision->HaveFocused()) << "smooth " << on;
  }
}

}  // namespace
