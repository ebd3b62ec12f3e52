#include <gtest/gtest.h>

#include <QPageSize>
#include <QPainter>
#include <QPrinter>

#include "DiagramPicture.h"
#include "Errors.h"
#include "FigureSamples.h"
#include "KDTools.h"
#include "PrintFit.h"

namespace {

const QRgb kWhite = qRgb(255, 255, 255);

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const EKedrinError& e) {
    return e.what();
  }
  return "no error";
}

TEST(PictureExtent, GrowsToTheRightAndBottomEdgeOfTheFarthestFigure) {
  TKDRectangle right, low, behind;
  right.ApplyBounds(700, 10, 58, 20);   // reaches x = 758
  low.ApplyBounds(10, 460, 20, 56);     // reaches y = 516
  behind.ApplyBounds(-40, -30, 20, 20); // left of and above the corner: no growth
  const std::vector<const TCustomKDTool*> all{&right, &low, &behind};
  EXPECT_EQ(PictureExtent(QSize(684, 449), all), QSize(758, 516));
  EXPECT_EQ(PictureExtent(QSize(684, 449), {}), QSize(684, 449));
  EXPECT_EQ(PictureExtent(QSize(800, 600), all), QSize(800, 600));
}

TEST(PictureExtent, CanvasPictureGrowsAndKeepsItsPixelsWithTheFigureWhole) {
  QImage canvas(300, 200, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  canvas.setPixel(5, 5, qRgb(0, 255, 0));
  canvas.setPixel(299, 10, qRgb(0, 0, 255));
  TKDRectangle box;
  box.ApplyBounds(250, 150, 200, 200);
  box.SetFillColor(clRed);
  const std::vector<const TCustomKDTool*> figures{&box};
  const QImage p = BuildDiagramPicture(&canvas, QSize(684, 449), figures);
  ASSERT_EQ(p.size(), QSize(450, 350));
  EXPECT_EQ(p.pixel(5, 5), qRgb(0, 255, 0));
  EXPECT_EQ(p.pixel(299, 10), qRgb(0, 0, 255));
  EXPECT_EQ(p.pixel(400, 10), kWhite) << "beyond the canvas picture, away from figures";
  EXPECT_EQ(p.pixel(300, 300), qRgb(255, 0, 0)) << "the figure's far part is there";
  EXPECT_EQ(p.pixel(449, 349), qRgb(0, 0, 0)) << "its far corner, border included";
  EXPECT_EQ(canvas.size(), QSize(300, 200));
}

TEST(PictureExtent, GrowthBeyondTheSizeLimitsIsRefusedWithTheToolsMessage) {
  TKDRectangle far;
  far.ApplyBounds(70000, 0, 10, 10);
  std::vector<const TCustomKDTool*> figures{&far};
  EXPECT_EQ(ErrorOf([&] { BuildDiagramPicture(nullptr, QSize(684, 449), figures); }),
            "A picture of 70010 x 449 pixels is too large");
  far.ApplyBounds(12000, 12000, 10, 10);  // each side fits, the pixel count does not
  EXPECT_EQ(ErrorOf([&] { BuildDiagramPicture(nullptr, QSize(684, 449), figures); }),
            "A picture of 12010 x 12010 pixels is too large");
  EXPECT_EQ(PictureSizeProblem(65500, 2049).toStdString(), "");
  EXPECT_EQ(PictureSizeProblem(65501, 10).toStdString(), "A picture of 65501 x 10 pixels is too large");
  EXPECT_EQ(PictureSizeProblem(0, 10).toStdString(), "A picture of 0 x 10 pixels is too large");
}

// Figures over the borders between bands, with hatches, thick pens and captions that wrap far
// below their boxes: the banded picture is the one-pass picture, pixel for pixel.
TEST(RenderPicture, BandsGiveTheOnePassPixels) {
  auto figures = NineStyledFigures();
  for (size_t i = 0; i < figures.size(); ++i)
    figures[i]->ApplyBounds(15 + 70 * static_cast<int>(i), 200 + 37 * static_cast<int>(i), 60, 70);
  figures[6]->SetCaption("one two three four five six seven eight nine ten eleven twelve");
  figures[6]->ApplyBounds(10, 230, 30, 10);  // the caption runs on through the next band
  figures[2]->ApplyBounds(300, 500, 200, 30);
  figures[2]->SetLineWidth(9);
  const std::vector<const TCustomKDTool*> raw = Raw(figures);

  QImage expected(700, 800, QImage::Format_RGB32);
  expected.fill(Qt::white);
  {
    QPainter painter(&expected);
    DrawFigures(painter, raw);
  }
  PictureRequest request;
  request.size = expected.size();
  const QImage banded = RenderPicture(request, raw);
  ASSERT_EQ(banded.format(), QImage::Format_RGB32);
  EXPECT_EQ(banded, expected);
  // Guards the comparison itself: the caption does reach the next band.
  bool textBelow = false;
  for (int x = 0; x < 60 && !textBelow; ++x)
    for (int y = 260; y < 300; ++y) textBelow |= expected.pixel(x, y) != kWhite;
  EXPECT_TRUE(textBelow);
}

TEST(RenderPicture, OriginScaleAndTransparentBackground) {
  TKDRectangle box;
  box.ApplyBounds(100, 50, 40, 20);
  box.SetFillColor(clRed);
  const std::vector<const TCustomKDTool*> figures{&box};

  PictureRequest part;
  part.size = QSize(40, 20);
  part.origin = QPoint(100, 50);
  const QImage p = RenderPicture(part, figures);
  EXPECT_EQ(p.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(p.pixel(39, 19), qRgb(0, 0, 0));
  EXPECT_EQ(p.pixel(20, 10), qRgb(255, 0, 0));

  PictureRequest doubled = part;
  doubled.size = QSize(80, 40);
  doubled.scale = 2.0;
  const QImage d = RenderPicture(doubled, figures);
  for (QPoint border : {QPoint(0, 0), QPoint(1, 1), QPoint(79, 38), QPoint(78, 20)})
    EXPECT_EQ(d.pixel(border), qRgb(0, 0, 0)) << border.x() << "," << border.y();
  EXPECT_EQ(d.pixel(2, 2), qRgb(255, 0, 0)) << "a one-pixel border is two pixels wide at 200 %";

  PictureRequest clear = part;
  clear.size = QSize(60, 30);
  clear.background = Qt::transparent;
  const QImage t = RenderPicture(clear, figures);
  EXPECT_TRUE(t.hasAlphaChannel());
  EXPECT_EQ(qAlpha(t.pixel(50, 25)), 0);
  EXPECT_EQ(t.pixel(20, 10), qRgb(255, 0, 0));
}

}  // namespace

namespace {

// The page Print draws, and its preview too: the picture from the corner, fitted to the page.
TEST(PrintPage, PictureIsFittedFromThePagesCorner) {
  QPrinter printer;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setResolution(72);
  printer.setPageSize(QPageSize(QSizeF(100, 100), QPageSize::Point, QString(), QPageSize::ExactMatch));
  printer.setPageMargins(QMarginsF(0, 0, 0, 0));
  ASSERT_EQ(printer.pageLayout().paintRectPixels(72).size(), QSize(100, 100));
  QImage picture(50, 20, QImage::Format_RGB32);
  picture.fill(Qt::red);
  QImage page(100, 100, QImage::Format_RGB32);
  page.fill(Qt::white);
  {
    QPainter painter(&page);
    DrawPictureOnPage(painter, printer, picture);
  }
  // A wide picture is enlarged to the right edge: 100 x 40.
  EXPECT_EQ(page.pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(page.pixel(99, 39), qRgb(255, 0, 0));
  EXPECT_EQ(page.pixel(99, 40), kWhite);
  EXPECT_EQ(page.pixel(0, 99), kWhite);
}

}  // namespace
