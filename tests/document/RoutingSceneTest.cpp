// A new connector's route keeps off the runs of the connectors already there, on the model alone.
// P (400, 200, 100 x 40) is joined from O (200, 400, 100 x 40) by a chain along y = 420 and up
// x = 450 into P's bottom; a connector from P to S would run down that same stretch if nothing
// told it the chain was there.
#include <gtest/gtest.h>

#include <QLineF>
#include <memory>

#include "ConnectorFollowing.h"
#include "ConnectorGeometry.h"
#include "Outline.h"
#include "Diagram.h"
#include "ElbowRoute.h"
#include "KDTools.h"
#include "RoutingScene.h"
#include "TestSupport.h"

namespace {

struct SceneCase {
  const char* name;
  QRect s;      // the new connector's target
  QRect taken;  // the chain's stretch no new run may share: the arrow up into P
};
void PrintTo(const SceneCase& c, std::ostream* os) { *os << c.name; }

// Whether a run of the route lies along the stretch, sharing more than a point with it.
bool RunsAlong(const std::vector<QPoint>& route, const QRect& stretch) {
  for (size_t i = 0; i + 1 < route.size(); ++i) {
    const QRect run = QRect(route[i], route[i + 1]).normalized();
    const QRect common = run.intersected(stretch);
    if (!common.isEmpty() && (common.width() > 1 || common.height() > 1)) return true;
  }
  return false;
}

bool OnOutline(const TCustomKDTool& shape, QPoint p) {
  const QPointF near = connectors::NearestOnOutline(connectors::FigureKind::RoundedBox, shape.BoundsRect(), p);
  return QLineF(near, p).length() <= 1.5;
}

class RoutingSceneTest : public testing::TestWithParam<SceneCase> {
 protected:
  void SetUp() override { RegisterFigureClasses(); }
  void TearDown() override { testsupport::Flush(); }
  template <typename T>
  T* Add(const QRect& box) {
    auto f = std::make_unique<T>();
    f->ApplyBounds(box.x(), box.y(), box.width(), box.height());
    return static_cast<T*>(diagram.Add(std::move(f)));
  }
  Diagram diagram;
};

TEST_P(RoutingSceneTest, ANewRouteKeepsOffTheChainsThere) {
  Add<TKDProcess>({200, 400, 100, 40});
  auto* p = Add<TKDProcess>({400, 200, 100, 40});
  auto* s = Add<TKDProcess>(GetParam().s);
  auto* line = Add<TKDLine>({300, 419, 150, 2});
  line->SetOrientation(adTopToTop);
  auto* arrow = Add<TKDArrow>({436, 240, 28, 180});
  arrow->SetArrowDirection(adLeftToLeft);
  arrow->SetArrowPosition(apLeft);
  // Drawn as the simple route would draw it, the new connector runs down the chain's stretch.
  const connectors::ElbowRoute simple = connectors::RouteElbow(DescribeFigure(*p, 1), DescribeFigure(*s, 2), QueryOf(diagram), {});
  ASSERT_TRUE(RunsAlong(simple.points, GetParam().taken)) << "the case does not tempt the route";

  const std::optional<std::vector<QPoint>> route = RouteBetween(diagram, p, s, std::nullopt, std::nullopt, simple.points);
  ASSERT_TRUE(route);
  EXPECT_FALSE(RunsAlong(*route, GetParam().taken));
  EXPECT_TRUE(OnOutline(*p, route->front())) << route->front().x() << "," << route->front().y();
  EXPECT_TRUE(OnOutline(*s, route->back())) << route->back().x() << "," << route->back().y();
}

const SceneCase kScenes[] = {
    {"BelowLeft", {300, 500, 100, 40}, {449, 240, 2, 180}},
    {"StraightBelow", {400, 500, 100, 40}, {449, 240, 2, 180}},
};
INSTANTIATE_TEST_SUITE_P(Scenes, RoutingSceneTest, testing::ValuesIn(kScenes),
                         [](const auto& info) { return std::string(info.param.name); });

// A route's joints where the figures drawn from it would read back: a joint within a shape's
// attaching reach (4) ends the connector there instead. C (600, 100, 100 x 40) is a shape, K
// (50, 300, 400 x 300) a container around D (100, 350, 100 x 40).
TEST_F(RoutingSceneTest, JointsReadBackOnlyClearOfOutlines) {
  Add<TKDProcess>({600, 100, 100, 40});
  Add<TKDRectangle>({50, 300, 400, 300});
  Add<TKDProcess>({100, 350, 100, 40});
  const RoutingScene scene(diagram, {0, 0, 800, 700});
  const struct {
    QPoint joint;
    bool readsBack;
  } joints[] = {
      {{650, 142}, false},  // 2 below C's bottom
      {{650, 144}, false},  // 4 below the outline at y = 140 (Top + Height)
      {{650, 145}, true},
      {{300, 500}, true},   // deep inside the container
      {{300, 302}, false},  // 2 inside its top edge
  };
  for (const auto& j : joints)
    EXPECT_EQ(scene.ReadsBack({{0, 0}, j.joint, {800, 700}}), j.readsBack) << j.joint.x() << "," << j.joint.y();
}

}  // namespace
