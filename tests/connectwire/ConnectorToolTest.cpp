// The Connector tool between two boxes: an elbow route of lines ending in one arrow whose head
// enters the second box, leaving and entering at right angles, its joints exactly coincident,
// drawn as one undo step; away from a second shape it draws a straight arrow.
#include <QToolBar>

#include "ConnectorTool.h"
#include "ConnectWireFixture.h"

namespace {

// Box A (100, 200, 120, 60): side midpoints top (160, 200), right (220, 230), bottom (160, 260).
constexpr QRect kA(100, 200, 120, 60);

struct RouteCase {
  const char* name;
  QRect b;
  QPoint press, release;       // on, in or near A and B
  std::vector<QPoint> route;  // worked out by hand: the shortest, a bend counting 40 pixels
  bool keepAttached = true;   // the tool joins shapes whatever the switch says
  bool textOnA = false;       // a text label (130, 215) 60 x 30 lies on A, under the press
  bool aSelected = false;     // A was selected before the Connector tool was chosen
};
void PrintTo(const RouteCase& c, std::ostream* os) { *os << c.name; }

class ConnectorToolFixture : public ConnectWireFixture {
 protected:
  void SetUp() override {
    ConnectWireFixture::SetUp();
    InstallConnectorTool(*main);
    UseTool("btnConnector");
  }
  // Every figure after the first n.
  std::vector<TCustomKDTool*> DrawnAfter(size_t n) const {
    const auto figures = doc->Figures();
    return {figures.begin() + static_cast<ptrdiff_t>(n), figures.end()};
  }
};
class ConnectorTool : public ConnectorToolFixture, public testing::WithParamInterface<RouteCase> {};

const RouteCase kRoutes[] = {
    // Side by side: one straight run, right side to left side.
    {"SideBySide", {400, 200, 120, 60}, {222, 231}, {398, 229}, {{220, 230}, {400, 230}}},
    // Straight below: bottom to top.
    {"Below", {100, 400, 120, 60}, {160, 262}, {161, 398}, {{160, 260}, {160, 400}}},
    // Below right, 180 across and 140 down between the boxes: right to B's top midpoint (460, 400)
    // with one bend, 240 + 170 + 40; bottom to left ties, and the wider gap across picks right.
    {"BelowRight", {400, 400, 120, 60}, {222, 231}, {458, 398}, {{220, 230}, {460, 230}, {460, 400}}},
    // The same placement from near A's bottom to near B's left: the tie goes to the sides chosen,
    // (160, 260) down to B's left midpoint's row 430, then right.
    {"BelowRightSidesChosen", {400, 400, 120, 60}, {160, 262}, {398, 431}, {{160, 260}, {160, 430}, {400, 430}}},
    // Above right, gaps 180 and 90: right to B's bottom midpoint (460, 110), 240 + 120 + 40.
    {"AboveRight", {400, 50, 120, 60}, {222, 231}, {458, 112}, {{220, 230}, {460, 230}, {460, 110}}},
    // Rows overlapping, B 40 lower: a step in the middle between the facing sides (x = 310),
    // 90 + 40 + 90 + two bends; entering B's top would run in only 10 pixels.
    {"StepDown", {400, 240, 120, 60}, {222, 231}, {398, 271}, {{220, 230}, {310, 230}, {310, 270}, {400, 270}}},
    // Pressed and released in the middles, far from the outlines: no side is asked for, and the
    // facing sides are taken.
    {"MiddleToMiddle", {400, 200, 120, 60}, {160, 230}, {460, 230}, {{220, 230}, {400, 230}}},
    {"MiddleToMiddleSwitchOff", {400, 200, 120, 60}, {160, 230}, {460, 230}, {{220, 230}, {400, 230}}, false},
    // Inside, near A's bottom (5 up) and B's left (5 in): the sides nearest, as BelowRightSidesChosen.
    {"InsideNearSides", {400, 400, 120, 60}, {160, 255}, {405, 431}, {{160, 260}, {160, 430}, {400, 430}}},
    {"InsideNearSidesSwitchOff", {400, 400, 120, 60}, {160, 255}, {405, 431}, {{160, 260}, {160, 430}, {400, 430}}, false},
    // On A's text: A is joined.
    {"FromItsText", {400, 200, 120, 60}, {150, 225}, {460, 230}, {{220, 230}, {400, 230}}, true, true},
    {"FromItsTextSwitchOff", {400, 200, 120, 60}, {150, 225}, {460, 230}, {{220, 230}, {400, 230}}, false, true},
    // Its selection frame over it: the press still joins A rather than moving it.
    {"FromTheSelectedShape", {400, 200, 120, 60}, {160, 230}, {460, 230}, {{220, 230}, {400, 230}}, true, false, true},
    {"FromTheSelectedShapeSwitchOff", {400, 200, 120, 60}, {160, 230}, {460, 230}, {{220, 230}, {400, 230}}, false, false, true},
};

TEST_P(ConnectorTool, DrawsRouteAsOneStep) {
  const RouteCase& c = GetParam();
  ConnectorOptions::Instance().SetKeepAttached(c.keepAttached);
  auto* a = Add<TKDRectangle>(doc, kA);
  if (c.textOnA) Add<TKDLabel>(doc, QRect(130, 215, 60, 30));
  Add<TKDRectangle>(doc, c.b);
  if (c.aSelected) ClickFigure(a);
  UseTool("btnConnector");
  const size_t before = doc->Figures().size();
  const std::vector<uint8_t> saved = SaveBytes(doc);
  const int steps = doc->History().Stack().count();

  Drag(c.press, c.release);
  EXPECT_EQ(a->BoundsRect(), kA);
  const std::vector<TCustomKDTool*> drawn = DrawnAfter(before);
  ASSERT_EQ(drawn.size(), c.route.size() - 1);
  for (size_t i = 0; i < drawn.size(); ++i) {
    const bool last = i + 1 == drawn.size();
    auto* arrow = qobject_cast<TKDArrow*>(drawn[i]);
    auto* line = qobject_cast<TKDLine*>(drawn[i]);
    ASSERT_TRUE(last ? arrow != nullptr : line != nullptr) << i;
    const connectors::Ends e = connectors::EndsOf(drawn[i]->BoundsRect(), arrow ? arrow->ArrowDirection() : line->Orientation());
    // A run from route[i] to route[i + 1], whichever end the course starts at.
    const bool forward = e.start == c.route[i];
    EXPECT_EQ(forward ? e.start : e.end, c.route[i]) << i;
    EXPECT_EQ(forward ? e.end : e.start, c.route[i + 1]) << i;
    if (arrow) {
      EXPECT_EQ(arrow->ArrowPosition(), forward ? apRight : apLeft);
      // 10 x 10 at the default line width 2.
      EXPECT_EQ(arrow->ArrowThicknessRate(), 5);
      EXPECT_EQ(arrow->ArrowHeadLengthRate(), 1);
      const geom::ArrowHead head = Head(*arrow);
      EXPECT_EQ(head.tip, c.route.back());
      EXPECT_TRUE(connectors::HeadInside(head, arrow->BoundsRect(), arrow->LineWidth()));
    }
  }
  ASSERT_EQ(doc->History().Stack().count(), steps + 1);
  EXPECT_EQ(doc->History().Stack().text(steps), QStringLiteral("Draw Connector"));
  doc->History().Undo();
  testsupport::Flush();
  EXPECT_EQ(doc->Figures().size(), before);
  EXPECT_EQ(SaveBytes(doc), saved);
}

INSTANTIATE_TEST_SUITE_P(Boxes, ConnectorTool, testing::ValuesIn(kRoutes),
                         [](const auto& info) { return std::string(info.param.name); });

struct StraightCase {
  const char* name;
  QPoint press, release;
};
void PrintTo(const StraightCase& c, std::ostream* os) { *os << c.name; }
class ConnectorToolStraight : public ConnectorToolFixture, public testing::WithParamInterface<StraightCase> {};

// Not from a shape, not onto a second one, or back onto the same: a straight arrow as the Arrow
// tool draws it, with its own step's name.
const StraightCase kStraight[] = {
    {"FromEmpty", {300, 500}, {222, 231}},
    {"ToEmpty", {222, 231}, {300, 500}},
    {"SameShape", {222, 231}, {160, 198}},
};

TEST_P(ConnectorToolStraight, DrawsArrow) {
  const StraightCase& c = GetParam();
  Add<TKDRectangle>(doc, kA);
  UseTool("btnConnector");
  const size_t before = doc->Figures().size();
  Drag(c.press, c.release);
  ASSERT_EQ(doc->Figures().size(), before + 1);
  auto* arrow = LastFigure<TKDArrow>();
  ASSERT_NE(arrow, nullptr);
  EXPECT_EQ(doc->History().Stack().text(doc->History().Stack().count() - 1), QStringLiteral("Draw Arrow"));
}

INSTANTIATE_TEST_SUITE_P(Boxes, ConnectorToolStraight, testing::ValuesIn(kStraight),
                         [](const auto& info) { return std::string(info.param.name); });

// A click, or a drag of a few pixels, draws nothing and records no step.
class ConnectorToolClick : public ConnectorToolFixture, public testing::WithParamInterface<StraightCase> {};
const StraightCase kClicks[] = {
    {"OnEmpty", {300, 500}, {300, 500}},
    {"OnTheShape", {160, 230}, {160, 230}},
    {"TinyDrag", {300, 500}, {303, 497}},
};

TEST_P(ConnectorToolClick, DrawsNothing) {
  Add<TKDRectangle>(doc, kA);
  UseTool("btnConnector");
  const size_t before = doc->Figures().size();
  const int steps = doc->History().Stack().count();
  Drag(GetParam().press, GetParam().release);
  EXPECT_EQ(doc->Figures().size(), before);
  EXPECT_EQ(doc->History().Stack().count(), steps);
}

INSTANTIATE_TEST_SUITE_P(Boxes, ConnectorToolClick, testing::ValuesIn(kClicks),
                         [](const auto& info) { return std::string(info.param.name); });

// The palette's Connector button comes last, so every other tool keeps its place, and is one of
// the exclusive tools.
TEST_F(ConnectWireFixture, ConnectorButtonJoinsPalette) {
  InstallConnectorTool(*main);
  InstallConnectorTool(*main);  // once per window
  const QList<QToolButton*> buttons = main->ToolBar2->findChildren<QToolButton*>(QStringLiteral("btnConnector"));
  ASSERT_EQ(buttons.size(), 1);
  QToolButton* b = buttons.front();
  EXPECT_EQ(b->toolTip(), QStringLiteral("Connector"));
  EXPECT_FALSE(b->icon().isNull());
  const QList<QAction*> actions = main->ToolBar2->actions();
  ASSERT_FALSE(actions.isEmpty());
  EXPECT_EQ(main->ToolBar2->widgetForAction(actions.back()), b);
  b->click();
  EXPECT_EQ(main->CurrentTool(), TTool::Connector);
  main->btnArrow->click();
  EXPECT_FALSE(b->isChecked());
  EXPECT_EQ(main->CurrentTool(), TTool::Arrow);
}

}  // namespace
