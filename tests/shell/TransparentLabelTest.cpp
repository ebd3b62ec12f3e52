// A text label on screen is transparent like its picture: the outline of a box under it stays in
// view, also when the label is painted again from its kept picture.
#include <QImage>

#include "CanvasFixture.h"

namespace {

class TransparentLabel : public CanvasFixture {};

TEST_F(TransparentLabel, BoxOutlineShowsThroughAnEmptyLabel) {
  Add<TKDRectangle>(doc, QRect(100, 100, 200, 100))->SetFillColor(clWhite);
  // Across the box's left side (x = 100), with no text.
  Add<TKDLabel>(doc, QRect(80, 130, 60, 30));
  testsupport::Flush();
  for (int paint = 0; paint < 3; ++paint) {
    const QImage shot = doc->Surface()->grab().toImage();
    // The box's black outline at x = 100, and its white inside next to it, under the label.
    EXPECT_EQ(QColor(shot.pixel(100, 145)), QColor(Qt::black)) << "paint " << paint;
    EXPECT_EQ(QColor(shot.pixel(110, 145)), QColor(Qt::white)) << "paint " << paint;
  }
}

}  // namespace
