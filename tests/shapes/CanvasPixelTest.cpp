#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>

#include "Canvas.h"

namespace {

QImage Draw(int w, int h, const std::function<void(Canvas&)>& draw) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  Canvas canvas(&painter);
  draw(canvas);
  return image;
}

bool IsWhite(const QImage& img, int x, int y) { return img.pixel(x, y) == qRgb(255, 255, 255); }

// Columns and rows that hold any non-white pixel.
QRect Extent(const QImage& img) {
  QRect r;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (!IsWhite(img, x, y)) r = r.united(QRect(x, y, 1, 1));
  return r;
}

struct ShapeCase {
  const char* name;
  std::function<void(Canvas&)> draw;
  QRect extent;
};

class ShapeExtents : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ShapeExtents, RightAndBottomEdgesAreNotPartOfTheShape) {
  QImage img = Draw(80, 80, GetParam().draw);
  EXPECT_EQ(Extent(img), GetParam().extent);
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, ShapeExtents,
    ::testing::Values(
        ShapeCase{"Ellipse", [](Canvas& c) { c.Ellipse(0, 0, 50, 50); }, QRect(0, 0, 50, 50)},
        ShapeCase{"EllipseOffset", [](Canvas& c) { c.Ellipse(10, 20, 30, 60); }, QRect(10, 20, 20, 40)},
        ShapeCase{"Rectangle", [](Canvas& c) { c.Rectangle(5, 6, 45, 26); }, QRect(5, 6, 40, 20)},
        ShapeCase{"RoundRect", [](Canvas& c) { c.RoundRect(0, 0, 60, 30, 30, 15); }, QRect(0, 0, 60, 30)},
        ShapeCase{"Polygon",
                  [](Canvas& c) {
                    QPoint p[] = {{20, 0}, {40, 20}, {20, 40}, {0, 20}, {20, 0}};
                    c.Polygon(p, 5);
                  },
                  QRect(0, 0, 41, 41)},
        ShapeCase{"LineLeavesOutItsEnd", [](Canvas& c) { c.MoveTo(0, 5); c.LineTo(30, 5); }, QRect(0, 5, 30, 1)},
        ShapeCase{"VerticalLine", [](Canvas& c) { c.MoveTo(7, 0); c.LineTo(7, 12); }, QRect(7, 0, 1, 12)},
        ShapeCase{"ClearPenAndBrushDrawNothing",
                  [](Canvas& c) {
                    c.Pen.Style = psClear;
                    c.Brush.Style = bsClear;
                    c.Ellipse(0, 0, 40, 40);
                    c.MoveTo(0, 0);
                    c.LineTo(40, 40);
                  },
                  QRect()}),
    [](const ::testing::TestParamInfo<ShapeCase>& i) { return std::string(i.param.name); });

TEST(CanvasPixels, ClearBrushLeavesTheInsideAndSolidFillsIt) {
  QImage hollow = Draw(60, 60, [](Canvas& c) {
    c.Brush.Style = bsClear;
    c.Rectangle(0, 0, 50, 50);
  });
  EXPECT_TRUE(IsWhite(hollow, 25, 25));
  EXPECT_FALSE(IsWhite(hollow, 0, 25));
  QImage filled = Draw(60, 60, [](Canvas& c) {
    c.Brush.Color = clRed;
    c.Rectangle(0, 0, 50, 50);
  });
  EXPECT_EQ(filled.pixel(25, 25), qRgb(255, 0, 0));
  EXPECT_EQ(filled.pixel(0, 25), qRgb(0, 0, 0));
}

TEST(CanvasPixels, WidePenIsWide) {
  QImage img = Draw(60, 60, [](Canvas& c) {
    c.Pen.Width = 5;
    c.MoveTo(10, 30);
    c.LineTo(50, 30);
  });
  int rows = 0;
  for (int y = 0; y < 60; ++y) rows += !IsWhite(img, 30, y);
  EXPECT_GE(rows, 5);
  EXPECT_LE(rows, 6);
}

TEST(CanvasPixels, ExclusiveOrBandDrawnTwiceRestoresThePicture) {
  QImage picture(200, 150, QImage::Format_RGB32);
  picture.fill(Qt::white);
  {
    QPainter p(&picture);
    p.fillRect(40, 40, 60, 30, QColor(10, 200, 90));
  }
  const QImage before = picture.copy();
  auto band = [&](QPoint s, QPoint e) {
    QPainter painter(&picture);
    Canvas c(&painter);
    c.Pen.Mode = pmXor;
    c.Pen.Color = clWhite;
    c.Pen.Style = psDot;
    c.Brush.Color = clBlack;
    c.MoveTo(s.x(), s.y());
    c.LineTo(e.x(), s.y());
    c.LineTo(e.x(), e.y());
    c.LineTo(s.x(), e.y());
    c.LineTo(s.x(), s.y());
  };
  band({20, 20}, {150, 120});
  EXPECT_NE(picture, before);
  EXPECT_EQ(picture.pixel(20, 20), qRgb(0, 0, 0));  // white inverted
  band({20, 20}, {150, 120});
  EXPECT_EQ(picture, before);
  band({150, 120}, {20, 20});
  band({150, 120}, {20, 20});
  EXPECT_EQ(picture, before);
}

TEST(CanvasText, CentredLinesBrokenAtWordsFromTheTop) {
  QImage img = Draw(200, 100, [](Canvas& c) {
    c.Font.name = "DejaVu Sans";
    c.Font.height = -12;
    c.Font.color = clBlack;
    c.Brush.Style = bsClear;
    c.DrawText("alpha beta gamma delta", 0, 0, 60, 100, DT_CENTER | DT_WORDBREAK);
  });
  QRect ext = Extent(img);
  ASSERT_FALSE(ext.isEmpty());
  EXPECT_LT(ext.top(), 6);          // starts at the top edge
  EXPECT_GT(ext.height(), 30);      // several lines
  EXPECT_LT(ext.right(), 80);       // broken near the box width
  QImage one = Draw(200, 40, [](Canvas& c) {
    c.Font.name = "DejaVu Sans";
    c.Font.height = -12;
    c.Brush.Style = bsClear;
    c.DrawText("ab", 0, 0, 200, 40, DT_CENTER | DT_WORDBREAK);
  });
  QRect e = Extent(one);
  EXPECT_NEAR(e.center().x(), 100, 3);
}

TEST(CanvasText, SolidBrushPaintsTheCellsBehindTheGlyphs) {
  auto draw = [](TBrushStyle style) {
    return Draw(200, 40, [&](Canvas& c) {
      c.Font.name = "DejaVu Sans";
      c.Font.height = -12;
      c.Brush.Color = clYellow;
      c.Brush.Style = style;
      c.DrawText("Hello", 0, 0, 200, 40, DT_CENTER | DT_WORDBREAK);
    });
  };
  QImage opaque = draw(bsSolid), transparent = draw(bsHorizontal);
  int yellow = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 200; ++x) {
      yellow += opaque.pixel(x, y) == qRgb(255, 255, 0);
      EXPECT_NE(transparent.pixel(x, y), qRgb(255, 255, 0));
    }
  EXPECT_GT(yellow, 50);
  EXPECT_TRUE(Extent(Draw(50, 50, [](Canvas& c) { c.DrawText("", 0, 0, 50, 50, DT_CENTER); })).isEmpty());
}

TEST(CanvasText, SystemColourOfTheDefaultFontIsBlack) {
  QImage img = Draw(100, 30, [](Canvas& c) {
    c.Brush.Style = bsClear;
    c.DrawText("W", 0, 0, 100, 30, DT_CENTER);
  });
  bool black = false;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 100; ++x) black |= img.pixel(x, y) == qRgb(0, 0, 0);
  EXPECT_TRUE(black);
}

}  // namespace
