#include <gtest/gtest.h>

#include <QPolygon>

#include "Limits.h"
#include "Regions.h"

namespace {

TEST(PolygonRegion, OrdinaryOutlineIsQtsWindingRegion) {
  const std::vector<QPoint> diamond = {{40, 0}, {80, 20}, {40, 40}, {0, 20}};
  QRegion region = regions::CreatePolygonRgn(diamond);
  EXPECT_EQ(region, QRegion(QPolygon(diamond.begin(), diamond.end()), Qt::WindingFill));
  EXPECT_TRUE(region.contains(QPoint(40, 20)));
}

// Arrow heads from damaged files reach millions of pixels: the region stays within what any
// control can show, keeps the part inside the control, and costs no more than a control's height.
TEST(PolygonRegion, HugePolygonIsClippedToTheControlSquare) {
  const int far = 40'000'000;
  struct Case {
    std::vector<QPoint> points;
    std::vector<QPoint> inside;
  };
  const Case cases[] = {
      {{{0, 0}, {far, 10}, {0, 20}}, {{100, 10}, {30000, 10}}},                          // a spike
      {{{-far, -far}, {far, -far}, {0, far}}, {{0, 0}, {20000, 0}, {-500, 30000}}},       // a cover
      {{{10, 10}, {20, 10}, {20, far}, {15, far + 7}, {10, far}}, {{15, 20}, {12, 32000}}},  // a bar
  };
  for (const Case& c : cases) {
    QRegion region = regions::CreatePolygonRgn(c.points);
    const QRect bounds = region.boundingRect();
    EXPECT_GE(bounds.left(), -1024);
    EXPECT_GE(bounds.top(), -1024);
    EXPECT_FALSE(region.isEmpty());
    EXPECT_LE(bounds.right(), limits::kMaxExtent + 1024);
    EXPECT_LE(bounds.bottom(), limits::kMaxExtent + 1024);
    for (QPoint p : c.inside) EXPECT_TRUE(region.contains(p)) << p.x() << "," << p.y();
  }
}

TEST(PolygonRegion, OutlineOfASmallControlIsClippedNearItsBox) {
  const int far = 40'000'000;
  QRegion region = regions::CreatePolygonRgn({{0, 0}, {far, 50}, {0, 100}}, QRect(0, 0, 300, 100));
  EXPECT_LE(region.boundingRect().right(), 300 + 1024);
  EXPECT_TRUE(region.contains(QPoint(299, 50)));
}

TEST(PolygonRegion, PolygonEntirelyBeyondTheSquareIsEmpty) {
  const int far = 10'000'000;
  EXPECT_TRUE(regions::CreatePolygonRgn({{far, far}, {far + 5, far}, {far, far + 5}}).isEmpty());
}

}  // namespace
