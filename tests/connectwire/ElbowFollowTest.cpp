// An elbow connector drawn with the Connector tool, while one of its boxes is dragged: routed
// anew between the two boxes by the sides it was drawn with, its segments' joints exactly
// coincident; where the new route needs another number of segments the segments follow as lone
// connectors do and stay joined; on release such a route gets as many segments as it needs. One
// undo gives back the saved bytes.
#include "ConnectorTool.h"
#include "ConnectWireFixture.h"

namespace {

// A (100, 200, 120, 60) and B (400, 400, 120, 60): the connector runs from A's right midpoint
// (220, 230) right to above B's top midpoint and down into it, (460, 230) to (460, 400).
constexpr QRect kA(100, 200, 120, 60), kB(400, 400, 120, 60);

struct ElbowCase {
  const char* name;
  bool moveA;  // else B
  QPoint by;
  std::vector<QPoint> route;  // empty: the segments only stay joined
};
void PrintTo(const ElbowCase& c, std::ostream* os) { *os << c.name; }

class ElbowFollow : public ConnectWireFixture, public testing::WithParamInterface<ElbowCase> {
 protected:
  void SetUp() override {
    ConnectWireFixture::SetUp();
    InstallConnectorTool(*main);
    a = Add<TKDRectangle>(doc, kA);
    b = Add<TKDRectangle>(doc, kB);
    UseTool("btnConnector");
    const size_t before = doc->Figures().size();
    Drag({222, 231}, {458, 398});
    const auto figures = doc->Figures();
    segments.assign(figures.begin() + static_cast<ptrdiff_t>(before), figures.end());
  }
  static connectors::Ends EndsOf(const TCustomKDTool* f) {
    if (auto* arrow = qobject_cast<const TKDArrow*>(f)) return connectors::EndsOf(arrow->BoundsRect(), arrow->ArrowDirection());
    return connectors::EndsOf(f->BoundsRect(), static_cast<const TKDLine*>(f)->Orientation());
  }
  // The connector's points, source first, each joint once, through every line and arrow of the
  // document (a route of more runs gains lines on release); empty when they do not all meet.
  std::vector<QPoint> Route() const {
    std::vector<connectors::Ends> ends;
    QPoint head;
    for (const TCustomKDTool* f : doc->Figures()) {
      if (f == a || f == b) continue;
      ends.push_back(EndsOf(f));
      if (auto* arrow = qobject_cast<const TKDArrow*>(f)) head = connectors::HeadAtEnd(arrow->ArrowPosition()) ? ends.back().end : ends.back().start;
    }
    std::vector<QPoint> points{head};
    while (!ends.empty()) {
      const auto next = std::find_if(ends.begin(), ends.end(), [&](const connectors::Ends& e) { return e.start == points.back() || e.end == points.back(); });
      if (next == ends.end()) return {};
      points.push_back(next->start == points.back() ? next->end : next->start);
      ends.erase(next);
    }
    std::reverse(points.begin(), points.end());
    return points;
  }
  TKDRectangle *a = nullptr, *b = nullptr;
  std::vector<TCustomKDTool*> segments;
};

const ElbowCase kElbows[] = {
    {"BRight40", false, {40, 0}, {{220, 230}, {500, 230}, {500, 400}}},
    {"BDown30", false, {0, 30}, {{220, 230}, {460, 230}, {460, 430}}},
    {"AUp17", true, {0, -17}, {{220, 213}, {460, 213}, {460, 400}}},
    {"ARight7", true, {7, 0}, {{227, 230}, {460, 230}, {460, 400}}},
    // B (200, 400): its top midpoint (260, 400) lies 40 right of A's right side.
    {"BLeft200", false, {-200, 0}, {{220, 230}, {260, 230}, {260, 400}}},
    // B (400, 170) beside A: entering its top takes three bends, so during the drag the segments
    // only follow; on release the route is laid anew with its own number of segments, joined.
    {"BUp230", false, {0, -230}, {}},
};

TEST_P(ElbowFollow, RoutedAgain) {
  const ElbowCase& c = GetParam();
  ASSERT_EQ(segments.size(), 2u);
  ASSERT_EQ(Route(), (std::vector<QPoint>{{220, 230}, {460, 230}, {460, 400}}));
  const std::vector<uint8_t> saved = SaveBytes(doc);
  const int steps = doc->History().Stack().count();
  TKDRectangle* moved = c.moveA ? a : b;
  const QRect start = moved->BoundsRect();
  ClickFigure(moved);
  Drag(start.center(), start.center() + c.by);
  testsupport::Flush();
  ASSERT_EQ(moved->BoundsRect(), start.translated(c.by));
  const std::vector<QPoint> route = Route();
  if (c.route.empty()) EXPECT_FALSE(route.empty()) << "the segments came apart";
  else EXPECT_EQ(route, c.route);
  EXPECT_EQ(doc->History().Stack().count(), steps + 1);
  doc->History().Undo();
  testsupport::Flush();
  EXPECT_EQ(SaveBytes(doc), saved);
}

INSTANTIATE_TEST_SUITE_P(Drag, ElbowFollow, testing::ValuesIn(kElbows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
