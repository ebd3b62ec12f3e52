// The grid as the canvas shows it: dots on the grid lines at every zoom, thinned when they would
// crowd, and never in a picture of the diagram.
#include "GridOptions.h"
#include "MainWindowFixture.h"
#include "DragSnapping.h"

namespace {

const QRgb kDot = qRgb(150, 150, 150);

class GridLookTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    main->resize(1000, 800);
    doc = main->btnNewClick();
    testsupport::Flush();
    GridOptions::Instance().SetGridSize(10);
    GridOptions::Instance().SetShowGrid(true);
  }
  void TearDown() override {
    GridOptions::Instance().SetShowGrid(false);
    GridOptions::Instance().SetSnapToGrid(false);
    MainWindowFixture::TearDown();
  }
  // The canvas's own pixel (its widget pixels), children included.
  QRgb Pixel(QPoint p) {
    const QImage shot = testsupport::Grab(doc->Surface());
    return shot.pixel(p);
  }
  TwinKedrinFile* doc = nullptr;
};

struct Look {
  double zoom;
  QPoint dot, gap;  // widget pixels with and without a dot
};

class GridAtZoom : public GridLookTest, public ::testing::WithParamInterface<Look> {};

TEST_P(GridAtZoom, DotsLieOnGridLinesOnly) {
  const Look& look = GetParam();
  doc->Surface()->SetZoom(look.zoom);
  testsupport::Flush();
  EXPECT_EQ(Pixel(look.dot), kDot);
  EXPECT_NE(Pixel(look.gap), kDot);
  GridOptions::Instance().SetShowGrid(false);
  testsupport::Flush();
  EXPECT_NE(Pixel(look.dot), kDot);
}

INSTANTIATE_TEST_SUITE_P(
    Zooms, GridAtZoom,
    ::testing::Values(
        // 100 %: canvas (100, 50) is a grid point, (105, 50) is not.
        Look{1.0, {100, 50}, {105, 50}},
        // 200 %: canvas (30, 20) at widget (60, 40); canvas 35 (widget 70) is not on the grid.
        Look{2.0, {60, 40}, {70, 40}},
        // 50 %: canvas 10 apart are 5 screen pixels apart, all drawn: canvas (10, 20) at (5, 10).
        Look{0.5, {5, 10}, {7, 10}},
        // 25 %: lines 2.5 screen pixels apart would crowd; every second one is drawn. Canvas
        // (20, 20) at (5, 5) is; canvas (10, 20), at (2, 5), is not.
        Look{0.25, {5, 5}, {2, 5}}));

TEST_F(GridLookTest, PicturesOfTheDiagramHaveNoGrid) {
  auto* f = new TKDRectangle(doc);
  f->ApplyBounds(200, 200, 50, 50);
  f->SetParentControl(doc->Surface());
  const QImage picture = doc->Picture();
  ASSERT_GT(picture.width(), 100);
  ASSERT_GT(picture.height(), 100);
  EXPECT_NE(picture.pixel(100, 50), kDot);
  EXPECT_NE(picture.pixel(10, 10), kDot);
}

TEST_F(GridLookTest, PastedFiguresGoTogetherToTheNearestGridPoint) {
  GridOptions::Instance().SetSnapToGrid(true);
  auto* a = new TKDRectangle(doc);
  a->ApplyBounds(113, 96, 50, 40);
  auto* b = new TKDRectangle(doc);
  b->ApplyBounds(201, 150, 30, 30);
  // Box corner (113, 96): the nearest grid point is (110, 100).
  SnapPastedToGrid({a, b});
  EXPECT_EQ(a->BoundsRect(), QRect(110, 100, 50, 40));
  EXPECT_EQ(b->BoundsRect(), QRect(198, 154, 30, 30));
  // Off: where they were pasted.
  GridOptions::Instance().SetSnapToGrid(false);
  a->ApplyBounds(113, 96, 50, 40);
  SnapPastedToGrid({a});
  EXPECT_EQ(a->BoundsRect(), QRect(113, 96, 50, 40));
  delete a;
  delete b;
}

}  // namespace
