#include <gtest/gtest.h>

#include <QPainter>
#include <QWidget>
#include <functional>
#include <memory>

#include "ControlCanvas.h"
#include "KDTools.h"
#include "TestSupport.h"

namespace {

struct FigureCase {
  const char* name;
  std::function<TCustomKDTool*()> make;
  QSize size;
  QPoint inside;        // a point of the box inside the outline
  QPoint outsideInBox;  // a point of the box outside the outline (none for whole-box figures)
};

std::vector<FigureCase> Cases() {
  return {
      {"Label", [] { return new TKDLabel; }, {90, 40}, {5, 35}, {-1, -1}},
      {"Begin", [] { return new TKDBegin; }, {100, 40}, {50, 20}, {2, 2}},
      {"End", [] { return new TKDEnd; }, {50, 50}, {25, 25}, {1, 48}},
      {"Process", [] { return new TKDProcess; }, {120, 60}, {60, 30}, {1, 1}},
      {"Ellipse", [] { return new TKDEllipse; }, {80, 50}, {40, 25}, {2, 2}},
      {"Rectangle", [] { return new TKDRectangle; }, {70, 40}, {1, 1}, {-1, -1}},
      {"Diamond", [] { return new TKDDiamond; }, {81, 41}, {40, 20}, {5, 5}},
      {"Line", [] { return new TKDLine; }, {60, 20}, {30, 10}, {50, 2}},
      {"Arrow", [] { return new TKDArrow; }, {100, 60}, {50, 30}, {10, 50}},
  };
}

class FigurePixels : public ::testing::TestWithParam<FigureCase> {
 protected:
  void SetUp() override {
    host_ = std::make_unique<TControlCanvas>();
    host_->resize(300, 200);
    QPalette pal = host_->palette();
    pal.setColor(QPalette::Window, Qt::white);
    host_->setPalette(pal);
    figure_ = GetParam().make();
    figure_->ApplyBounds(20, 30, GetParam().size.width(), GetParam().size.height());
    figure_->SetParentControl(host_.get());
    figure_->SetCaption("Two words");
    figure_->SetLineColor(clNavy);
    figure_->SetFillColor(RGB(250, 200, 100));
    figure_->SetFillStyle(bsSolid);
    host_->show();
    testsupport::Flush();
  }
  std::unique_ptr<TControlCanvas> host_;
  TCustomKDTool* figure_ = nullptr;
};

// The canvas shows each figure exactly as a picture draws it, outline or not: every pixel of the
// canvas, also where the pen or a head reaches beyond the box.
TEST_P(FigurePixels, TheCanvasShowsWhatDrawToDrawsEverywhere) {
  QImage painted = host_->grab().toImage().convertToFormat(QImage::Format_RGB32);
  QImage drawn(host_->size(), QImage::Format_RGB32);
  drawn.fill(Qt::white);
  {
    QPainter p(&drawn);
    Canvas c(&p);
    figure_->DrawTo(c, figure_->Left(), figure_->Top());
  }
  int different = 0, inked = 0;
  for (int y = 0; y < drawn.height(); ++y)
    for (int x = 0; x < drawn.width(); ++x) {
      different += painted.pixel(x, y) != drawn.pixel(x, y);
      inked += drawn.pixel(x, y) != qRgb(255, 255, 255);
    }
  EXPECT_GT(inked, 0);
  EXPECT_EQ(different, 0);
}

TEST_P(FigurePixels, PressesReachTheFigureOnlyInsideItsOutline) {
  QPoint origin = figure_->pos();
  EXPECT_EQ(host_->ControlAt(origin + GetParam().inside), figure_);
  if (GetParam().outsideInBox.x() >= 0) {
    EXPECT_EQ(host_->ControlAt(origin + GetParam().outsideInBox), nullptr);
  }
}

INSTANTIATE_TEST_SUITE_P(Nine, FigurePixels, ::testing::ValuesIn(Cases()),
                         [](const ::testing::TestParamInfo<FigureCase>& i) { return std::string(i.param.name); });

TEST(FigureOutline, ResizingBeforeTheWindowExistsChangesOnlyTheBounds) {
  TKDEllipse e;
  e.ApplyBounds(0, 0, 40, 40);
  EXPECT_TRUE(e.mask().isEmpty());
  TControlCanvas host;
  e.SetParentControl(&host);
  EXPECT_EQ(e.mask().boundingRect(), QRect(-1, -1, 43, 43).intersected(QRect(-1, -1, 43, 43)));
  e.SetParentControl(nullptr);
}

TEST(FigureOutline, LineOrientationRebuildsTheBandOnlyOnChange) {
  TControlCanvas host;
  TKDLine line;
  line.ApplyBounds(0, 0, 60, 4);
  line.SetParentControl(&host);
  line.SetOrientation(adTopToTop);
  std::array<QPoint, 4> band = {QPoint(0, 1), QPoint(60, 1), QPoint(60, 3), QPoint(0, 3)};
  EXPECT_EQ(line.BandPoints(), band);
  EXPECT_TRUE(line.mask().contains(QPoint(30, 2)));
  EXPECT_FALSE(line.mask().contains(QPoint(30, 0)));
  line.SetParentControl(nullptr);
}

TEST(ArrowSetters, IgnoreRulesDifferPerProperty) {
  TControlCanvas host;
  TKDArrow a;
  a.ApplyBounds(0, 0, 100, 60);
  a.SetParentControl(&host);
  a.SetArrowThicknessRate(0);
  EXPECT_EQ(a.ArrowThicknessRate(), 10);
  a.SetArrowHeadLengthRate(0);
  EXPECT_EQ(a.ArrowHeadLengthRate(), 2);
  auto before = a.OutlinePoints();
  a.SetArrowThicknessRate(3);
  EXPECT_NE(a.OutlinePoints(), before);
  a.SetArrowPosition(apBoth);
  a.SetArrowDirection(adBottomToTop);
  // Rising, heads at both ends: start head corners (12, 56) and (9, 51), base (11, 53); end head
  // corners (88, 4) and (91, 9), base (89, 7); then the rising widening.
  const std::array<QPoint, 11> outline = {QPoint(12, 57), QPoint(0, 60), QPoint(9, 50), QPoint(12, 53),
                                          QPoint(89, 8),  QPoint(87, 3), QPoint(100, 0), QPoint(91, 10),
                                          QPoint(88, 6),  QPoint(11, 52), QPoint(13, 57)};
  EXPECT_EQ(a.OutlinePoints(), outline);
  a.SetParentControl(nullptr);
}

TEST(ArrowDrawing, LineWidthZeroStillDrawsTheShaftAndOtherFigures) {
  QImage img(200, 100, QImage::Format_RGB32);
  img.fill(Qt::white);
  TKDArrow a;
  a.ApplyBounds(0, 0, 100, 60);
  a.SetLineWidth(0);
  TKDRectangle r;
  r.ApplyBounds(0, 0, 30, 30);
  {
    QPainter p(&img);
    Canvas c(&p);
    a.DrawTo(c, 0, 0);
    r.DrawTo(c, 150, 10);
  }
  EXPECT_NE(img.pixel(50, 30), qRgb(255, 255, 255));   // the shaft
  EXPECT_NE(img.pixel(150, 20), qRgb(255, 255, 255));  // the next figure
}

}  // namespace
