// Text on shapes: a text label on screen is transparent like its picture (the outline of a box
// under it stays in view, also when the label is painted again from its kept picture), and with a
// drawing tool chosen a press on a figure draws instead of grabbing the figure.
#include <QImage>

#include "CanvasFixture.h"
#include "ConnectorOptions.h"

namespace {

class TransparentLabel : public CanvasFixture {};

struct PressCase {
  const char* name;
  bool keepAttached;
  bool draws;  // else the box is dragged
};
void PrintTo(const PressCase& c, std::ostream* os) { *os << c.name; }

class PressOnFigure : public CanvasFixture, public testing::WithParamInterface<PressCase> {
 protected:
  void TearDown() override {
    ConnectorOptions::Instance().SetKeepAttached(false);
    CanvasFixture::TearDown();
  }
};

TEST_P(PressOnFigure, TextToolDrawsALabelOnABox) {
  ConnectorOptions::Instance().SetKeepAttached(GetParam().keepAttached);
  auto* box = Add<TKDRectangle>(doc, QRect(100, 100, 200, 100));
  UseTool("btnLabel");
  Drag({130, 130}, {230, 160});
  if (GetParam().draws) {
    EXPECT_EQ(box->BoundsRect(), QRect(100, 100, 200, 100));
    auto* label = LastFigure<TKDLabel>();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->BoundsRect(), QRect(130, 130, 100, 30));
  } else {
    EXPECT_EQ(box->BoundsRect(), QRect(200, 130, 200, 100));
    EXPECT_EQ(doc->Figures().size(), 1u);
  }
}

const PressCase kPresses[] = {{"Attached", true, true}, {"SwitchedOff", false, false}};
INSTANTIATE_TEST_SUITE_P(Switch, PressOnFigure, testing::ValuesIn(kPresses),
                         [](const testing::TestParamInfo<PressCase>& i) { return std::string(i.param.name); });

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
