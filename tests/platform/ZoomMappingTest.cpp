#include <gtest/gtest.h>

#include "ZoomMapping.h"

namespace {

struct StepRow {
  int from, in, out;
};

class ZoomSteps : public ::testing::TestWithParam<StepRow> {};

TEST_P(ZoomSteps, GoToTheNextStepAndStopAtTheLimits) {
  EXPECT_EQ(zoommap::StepIn(GetParam().from), GetParam().in);
  EXPECT_EQ(zoommap::StepOut(GetParam().from), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Table, ZoomSteps,
                         ::testing::Values(StepRow{100, 125, 75}, StepRow{110, 125, 100}, StepRow{33, 50, 25},
                                           StepRow{10, 25, 10}, StepRow{12, 25, 10}, StepRow{800, 800, 600},
                                           StepRow{5, 10, 10}, StepRow{900, 800, 800}));

TEST(ZoomMapping, ClampsToTenAndEightHundred) {
  EXPECT_EQ(zoommap::ClampPercent(3), 10);
  EXPECT_EQ(zoommap::ClampPercent(250), 250);
  EXPECT_EQ(zoommap::ClampPercent(5000), 800);
}

struct RectRow {
  const char* name;
  QRect canvas;
  double zoom;
  int margin;
  QRect widget;
};

class ZoomRects : public ::testing::TestWithParam<RectRow> {};

TEST_P(ZoomRects, ScaleTheBoxAndKeepTheMarginsScreenSize) {
  EXPECT_EQ(zoommap::ToWidget(GetParam().canvas, GetParam().zoom, GetParam().margin), GetParam().widget);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ZoomRects,
    ::testing::Values(RectRow{"ActualSizeIsTheIdentity", QRect(-7, 3, 11, 5), 1.0, 2, QRect(-7, 3, 11, 5)},
                      RectRow{"Half", QRect(20, 20, 180, 60), 0.5, 0, QRect(10, 10, 90, 30)},
                      RectRow{"HalfWithAFrameMargin", QRect(18, 18, 184, 64), 0.5, 2, QRect(8, 8, 94, 34)},
                      RectRow{"TwoAndAHalfWithAFrameMargin", QRect(18, 18, 184, 64), 2.5, 2, QRect(48, 48, 454, 154)},
                      RectRow{"OddEdgesRoundDown", QRect(3, 5, 3, 3), 0.5, 0, QRect(1, 2, 2, 2)},
                      RectRow{"NegativeEdgesRoundDown", QRect(-3, -1, 2, 2), 0.5, 0, QRect(-2, -1, 1, 1)}),
    [](const ::testing::TestParamInfo<RectRow>& i) { return std::string(i.param.name); });

TEST(ZoomMapping, TheCanvasPixelUnderAPointIsRoundedDown) {
  EXPECT_EQ(zoommap::ToCanvas(QPointF(5.9, 3.0), 1.0), QPoint(5, 3));
  EXPECT_EQ(zoommap::ToCanvas(QPointF(7, 7), 2.5), QPoint(2, 2));
  EXPECT_EQ(zoommap::ToCanvas(QPointF(7.5, 5), 2.5), QPoint(3, 2));
  EXPECT_EQ(zoommap::ToCanvas(QPointF(-1, 0), 0.5), QPoint(-2, 0));
  EXPECT_EQ(zoommap::ToCanvas(QPointF(3, 1), 0.25), QPoint(12, 4));
  EXPECT_EQ(zoommap::ToWidget(10, 0.33), 3);
}

struct FitRow {
  const char* name;
  QSize content, view;
  bool fitHeight;
  int percent;
};

class ZoomFits : public ::testing::TestWithParam<FitRow> {};

TEST_P(ZoomFits, TakeTheLargestZoomThatFits) {
  EXPECT_EQ(zoommap::FitPercent(GetParam().content, GetParam().view, GetParam().fitHeight), GetParam().percent);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ZoomFits,
    ::testing::Values(FitRow{"WidthDecides", {1000, 500}, {500, 500}, true, 50},
                      FitRow{"HeightDecides", {100, 1000}, {800, 500}, true, 50},
                      FitRow{"WidthOnly", {100, 1000}, {800, 500}, false, 800},
                      FitRow{"RoundsDown", {300, 300}, {400, 400}, true, 133},
                      FitRow{"TinyContentStopsAtTheLargest", {10, 10}, {1000, 1000}, true, 800},
                      FitRow{"HugeContentStopsAtTheSmallest", {100000, 10}, {500, 500}, true, 10},
                      FitRow{"NothingToFitIsActualSize", {0, 0}, {500, 500}, true, 100}),
    [](const ::testing::TestParamInfo<FitRow>& i) { return std::string(i.param.name); });

}  // namespace
