#include <gtest/gtest.h>

#include <QPainter>
#include <QPicture>
#include <functional>
#include <optional>

#include "Canvas.h"

namespace {

QImage Draw(QSize size, std::optional<bool> pathMode, const std::function<void(QPainter&)>& transform,
            const std::function<void(Canvas&)>& draw) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  transform(painter);
  Canvas canvas(&painter);
  if (pathMode) canvas.SetPathMode(*pathMode);
  draw(canvas);
  return image;
}

void Identity(QPainter&) {}

struct ModeCase {
  const char* name;
  std::function<void(QPainter&)> transform;
  bool pathMode;
};

TEST(CanvasPathMode, ChosenFromTheDeviceAndTheTransformation) {
  const ModeCase cases[] = {
      {"identity", Identity, false},
      {"whole-pixel shift", [](QPainter& p) { p.translate(3, -40); }, false},
      {"part-pixel shift", [](QPainter& p) { p.translate(0.5, 0); }, true},
      {"scaled", [](QPainter& p) { p.scale(2, 2); }, true},
      {"rotated", [](QPainter& p) { p.rotate(90); }, true},
  };
  for (const ModeCase& c : cases) {
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    c.transform(painter);
    EXPECT_EQ(Canvas(&painter).PathMode(), c.pathMode) << c.name;
  }
  QPicture recording;  // a device that records drawing commands, as vector files do
  QPainter painter(&recording);
  EXPECT_TRUE(Canvas(&painter).PathMode());
}

struct SameCase {
  const char* name;
  std::function<void(Canvas&)> draw;
};

// On whole pixels, the paths cover the pixels the pixel drawing sets. (Dashed outlines of shapes
// are not among them: Qt's one-pixel dashes end a pixel later than its stroked ones.)
TEST(CanvasPathMode, AxisAlignedDrawingCoversTheSamePixels) {
  const SameCase cases[] = {
      {"horizontal", [](Canvas& c) { c.MoveTo(3, 5); c.LineTo(40, 5); }},
      {"leftwards", [](Canvas& c) { c.MoveTo(40, 7); c.LineTo(3, 7); }},
      {"vertical", [](Canvas& c) { c.MoveTo(9, 2); c.LineTo(9, 30); }},
      {"dashed, pattern carried over", [](Canvas& c) {
         c.Pen.Style = psDash;
         c.MoveTo(0, 4);
         c.LineTo(20, 4);
         c.LineTo(60, 4);
       }},
      {"dotted with gaps in the brush colour", [](Canvas& c) {
         c.Pen.Style = psDot;
         c.Brush.Color = clRed;
         c.MoveTo(2, 9);
         c.LineTo(50, 9);
       }},
      {"rectangle", [](Canvas& c) { c.Brush.Color = clBlue; c.Rectangle(4, 6, 44, 26); }},
      {"thick line", [](Canvas& c) { c.Pen.Width = 4; c.MoveTo(5, 10); c.LineTo(45, 10); }},
  };
  for (const SameCase& c : cases) {
    const QImage pixels = Draw(QSize(64, 40), false, Identity, c.draw);
    const QImage paths = Draw(QSize(64, 40), true, Identity, c.draw);
    EXPECT_EQ(paths, pixels) << c.name;
    EXPECT_NE(pixels, Draw(QSize(64, 40), false, Identity, [](Canvas&) {})) << c.name << " drew nothing";
  }
}

// Under a scaled painter a thin line scales with the drawing instead of staying one pixel.
TEST(CanvasPathMode, ScaledThinLineIsThickAndLeavesOutItsEnd) {
  const QImage image = Draw(QSize(40, 20), std::nullopt, [](QPainter& p) { p.scale(3, 3); }, [](Canvas& c) {
    c.MoveTo(2, 2);
    c.LineTo(10, 2);
  });
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 40; ++x) {
      const bool inside = x >= 6 && x < 30 && y >= 6 && y < 9;
      ASSERT_EQ(image.pixel(x, y), inside ? qRgb(0, 0, 0) : qRgb(255, 255, 255)) << x << "," << y;
    }
}

}  // namespace
