// Elbow connectors routed again when a move or resize of their shapes ends (View > Keep Connectors
// and Labels Attached on). Boxes A (100, 100, 100 x 50) and B, a chain from A to B, and box C in
// the way where the case has it. Courses worked out by hand from the router's rules (a bend costs
// 60 pixels of length; routes keep 10 pixels off the boxes): a connector whose straight course is
// blocked goes over or under the box in three runs; one that can turn once does.
#include <QAction>
#include <QUndoStack>
#include <climits>

#include "ConnectorFollowing.h"
#include "ConnectorFormSetting.h"
#include "ConnectorGeometry.h"
#include "ConnectorOptions.h"
#include "ContainerFeatures.h"
#include "Diagram.h"
#include "HistoryFixture.h"
#include "Outline.h"

namespace {

using Course = std::vector<QPoint>;

class ReroutingDrag : public HistoryFixture {
 protected:
  void SetUp() override {
    HistoryFixture::SetUp();
    ConnectorOptions::Instance().SetKeepAttached(true);
  }
  void TearDown() override {
    ConnectorOptions::Instance().SetKeepAttached(false);
    HistoryFixture::TearDown();
  }

 public:
  using CanvasFixture::Drag;
  using HistoryFixture::ClickFigure;
  using HistoryFixture::DragBottomRightHandle;
  // The chain through the points: lines and an arrow into the last.
  void DrawChain(const Course& points) {
    for (size_t i = 0; i + 1 < points.size(); ++i) {
      const QPoint a = points[i], b = points[i + 1];
      const bool level = a.y() == b.y();
      const QRect box = level ? QRect(std::min(a.x(), b.x()), a.y() - 2, std::abs(b.x() - a.x()), 4)
                              : QRect(a.x() - 2, std::min(a.y(), b.y()), 4, std::abs(b.y() - a.y()));
      if (i + 2 == points.size()) {
        auto* arrow = Add<TKDArrow>(doc, box.adjusted(0, level ? -13 : 0, 0, level ? 13 : 0).adjusted(level ? 0 : -13, 0, level ? 0 : 13, 0));
        arrow->SetArrowDirection(level ? adTopToTop : adLeftToLeft);
        arrow->SetArrowPosition(b.x() > a.x() || b.y() > a.y() ? apRight : apLeft);
      } else {
        auto* line = Add<TKDLine>(doc, box);
        line->SetOrientation(level ? adTopToTop : adLeftToLeft);
      }
    }
    testsupport::Flush();
  }
  // The lines and arrows as one course from its tail to the arrow's head, every joint exact;
  // empty when they make no such course.
  Course Joined(size_t* segments) const {
    std::vector<connectors::Ends> ends;
    Course course;
    for (TCustomKDTool* f : doc->Figures()) {
      auto* arrow = qobject_cast<TKDArrow*>(f);
      auto* line = qobject_cast<TKDLine*>(f);
      if (!arrow && !line) continue;
      const connectors::Ends e = connectors::EndsOf(f->BoundsRect(), arrow ? arrow->ArrowDirection() : line->Orientation());
      if (arrow) course = connectors::HeadAtEnd(arrow->ArrowPosition()) ? Course{e.end, e.start} : Course{e.start, e.end};
      else ends.push_back(e);
    }
    *segments = ends.size() + 1;
    if (course.empty()) return {};
    while (!ends.empty()) {
      auto next = std::find_if(ends.begin(), ends.end(), [&](const connectors::Ends& e) { return e.start == course.back() || e.end == course.back(); });
      if (next == ends.end()) return {};
      course.push_back(next->start == course.back() ? next->end : next->start);
      ends.erase(next);
    }
    std::reverse(course.begin(), course.end());
    return course;
  }
  TCustomKDTool *a = nullptr, *b = nullptr, *c = nullptr;
};

struct RerouteCase {
  const char* name;
  QRect b, c;    // no C: empty
  Course chain;  // from A to B
  void (*edit)(ReroutingDrag&);
  size_t segments;
  Course course = {};  // where the case knows it exactly
};
void PrintTo(const RerouteCase& k, std::ostream* os) { *os << k.name; }
class ReroutedOnRelease : public ReroutingDrag, public testing::WithParamInterface<RerouteCase> {};

void CheckCourse(const Course& course, const std::vector<const TCustomKDTool*>& ends, const std::vector<const TCustomKDTool*>& others) {
  ASSERT_GE(course.size(), 2u);
  for (size_t i = 0; i + 1 < course.size(); ++i) {
    const QPoint p = course[i], q = course[i + 1];
    EXPECT_TRUE((p.x() == q.x()) != (p.y() == q.y())) << "run " << i << " not square";
    const QRect run = QRect(p, q).normalized();
    for (const TCustomKDTool* o : others) EXPECT_FALSE(o->BoundsRect().adjusted(1, 1, -1, -1).intersects(run.adjusted(0, 0, 1, 1))) << "run " << i;
  }
  const connectors::Figure tail = DescribeFigure(*ends[0], 0), head = DescribeFigure(*ends[1], 0);
  EXPECT_LE(connectors::DistanceToOutline(tail.kind, tail.box, course.front()), 1.0);
  EXPECT_LE(connectors::DistanceToOutline(head.kind, head.box, course.back()), 1.0);
}

TEST_P(ReroutedOnRelease, AroundTheShapesInOneStep) {
  const RerouteCase& k = GetParam();
  a = Add<TKDRectangle>(doc, {100, 100, 100, 50});
  b = Add<TKDRectangle>(doc, k.b);
  if (!k.c.isEmpty()) c = Add<TKDRectangle>(doc, k.c);
  DrawChain(k.chain);
  Click({50, 600});
  const std::vector<uint8_t> before = SaveBytes(doc);
  const int steps = doc->UndoStack()->count();
  k.edit(*this);
  size_t segments = 0;
  const Course course = Joined(&segments);
  EXPECT_EQ(segments, k.segments);
  std::vector<const TCustomKDTool*> others;
  if (c) others.push_back(c);
  CheckCourse(course, {a, b}, others);
  if (!k.course.empty()) {
    EXPECT_EQ(course, k.course);
  }
  EXPECT_EQ(doc->UndoStack()->count(), steps + 1);
  Click({50, 600});
  const std::vector<uint8_t> after = SaveBytes(doc);
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
  doc->Redo();
  EXPECT_EQ(SaveBytes(doc), after);
}

// Drags B's body by the offset.
template <int dx, int dy>
void DragB(ReroutingDrag& t) {
  t.ClickFigure(t.b);
  const QPoint from = t.b->BoundsRect().center();
  t.Drag(from, from + QPoint(dx, dy));
}
template <int dx, int dy>
void DragC(ReroutingDrag& t) {
  t.ClickFigure(t.c);
  const QPoint from = t.c->BoundsRect().center();
  t.Drag(from, from + QPoint(dx, dy));
}
template <int dx, int dy>
void ResizeA(ReroutingDrag& t) {
  t.ClickFigure(t.a);
  t.DragBottomRightHandle(t.a, {dx, dy});
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReroutedOnRelease,
    testing::Values(
        // B from beside A to beyond C (450, 100): straight across is blocked, so over or under C.
        RerouteCase{"MovedPastAThirdShape", {250, 100, 100, 50}, {450, 100, 100, 50},
                    {{200, 125}, {225, 125}, {250, 125}}, DragB<400, 0>, 3,
                    {{150, 100}, {150, 90}, {700, 90}, {700, 100}}},
        // Over C to B (500, 100), B then 200 lower: out of A's bottom and into B's left, one bend.
        RerouteCase{"MovedDownFewerRuns", {500, 100, 100, 50}, {300, 100, 100, 50},
                    {{150, 100}, {150, 80}, {550, 80}, {550, 100}}, DragB<0, 200>, 2,
                    {{150, 150}, {150, 325}, {500, 325}}},
        // C (250, 250) dragged 150 up onto the chain straight across to B (450, 100): neither of
        // its shapes moved, but it is routed again, over C as the first row goes.
        RerouteCase{"AShapeDroppedOnIt", {450, 100, 100, 50}, {250, 250, 100, 50},
                    {{200, 125}, {325, 125}, {450, 125}}, DragC<0, -150>, 3,
                    {{150, 100}, {150, 90}, {500, 90}, {500, 100}}},
        // A made 100 taller beside B (300, 100): from A's right middle, 50 below B's left middle,
        // across and up into B's bottom (235 with its bend) rather than a jog into B's left (270).
        RerouteCase{"ResizedTurnsOnce", {300, 100, 100, 50}, {}, {{200, 125}, {250, 125}, {300, 125}}, ResizeA<0, 100>, 2,
                    {{200, 175}, {350, 175}, {350, 150}}}),
    [](const testing::TestParamInfo<RerouteCase>& i) { return std::string(i.param.name); });

// One level arrow from A (100, 100, 100 x 50) to B (300, 100, 200 x 50), B dragged 100 down: no
// row of B's is A's any more. In a chart of elbow connectors (the setting, and a chain of lines
// elsewhere) it is routed as one: out of A's bottom and into B's left middle, one bend (225 with
// the bend, against 275 out of A's right into B's top). Otherwise it follows as a straight
// arrow, slanted from A's right middle to B's left middle.
struct SquareCase {
  const char* name;
  bool elbowSetting, chainElsewhere;
  Course course;
};
void PrintTo(const SquareCase& k, std::ostream* os) { *os << k.name; }
class SquareArrow : public ReroutingDrag, public testing::WithParamInterface<SquareCase> {
 protected:
  void TearDown() override {
    connectorform::SetElbow(true);
    ReroutingDrag::TearDown();
  }
};

TEST_P(SquareArrow, TurnsOnlyInAChartOfElbows) {
  const SquareCase& k = GetParam();
  connectorform::SetElbow(k.elbowSetting);
  a = Add<TKDRectangle>(doc, {100, 100, 100, 50});
  b = Add<TKDRectangle>(doc, {300, 100, 200, 50});
  DrawChain({{200, 125}, {300, 125}});
  auto* arrow = LastFigure<TKDArrow>();
  std::vector<TCustomKDTool*> far;
  if (k.chainElsewhere) {
    far = {Add<TKDRectangle>(doc, {100, 500, 60, 40}), Add<TKDRectangle>(doc, {300, 560, 60, 40})};
    DrawChain({{160, 520}, {230, 520}, {230, 580}, {300, 580}});
  }
  const size_t figures = doc->Figures().size();
  Click({50, 700});
  DragB<0, 100>(*this);
  ASSERT_EQ(b->BoundsRect(), QRect(300, 200, 200, 50));
  // The added line, if any, then the arrow's head.
  Course course;
  for (TCustomKDTool* f : doc->Figures()) {
    if (f == arrow || !qobject_cast<TKDLine*>(f) || f->Top() >= 450) continue;
    const connectors::Ends e = connectors::EndsOf(f->BoundsRect(), static_cast<TKDLine*>(f)->Orientation());
    course.insert(course.end(), {e.start, e.end});
  }
  const connectors::Ends e = connectors::EndsOf(arrow->BoundsRect(), arrow->ArrowDirection());
  if (course.empty()) course.push_back(e.start);
  course.push_back(e.end);
  EXPECT_EQ(course, k.course);
  EXPECT_EQ(doc->Figures().size(), figures + k.course.size() - 2);
}

INSTANTIATE_TEST_SUITE_P(Table, SquareArrow,
                         testing::Values(SquareCase{"Elbows", true, true, {{150, 150}, {150, 225}, {300, 225}}},
                                         SquareCase{"StraightSetting", false, true, {{200, 125}, {300, 225}}},
                                         SquareCase{"NoElbowInTheDiagram", true, false, {{200, 125}, {300, 225}}}),
                         [](const testing::TestParamInfo<SquareCase>& i) { return std::string(i.param.name); });

// A pool of three rows; S (40, 50, 100 x 40) in the first lane, T (240, 200) in the second, the
// chain from S's right middle across and down into T's top. Move Lane Down swaps the lanes: S
// below T, so the old sides would need four runs; the new route turns once.
TEST_F(ReroutingDrag, MoveLaneDownRoutesTheConnectorBetweenLanes) {
  SetSwimlaneAsker([](QWidget*) { return std::optional<SwimlaneChoice>(SwimlaneChoice{3, true}); });
  main->findChild<QAction*>(QStringLiteral("InsertSwimlanes1"))->trigger();
  testsupport::Flush();
  QPoint at(INT_MAX, INT_MAX);
  for (TCustomKDTool* f : doc->Figures())
    if (qobject_cast<TKDRectangle*>(f)) at = QPoint(std::min(at.x(), f->Left()), std::min(at.y(), f->Top()));
  a = Add<TKDProcess>(doc, QRect(at + QPoint(40, 50), QSize(100, 40)));
  b = Add<TKDProcess>(doc, QRect(at + QPoint(240, 200), QSize(100, 40)));
  DrawChain({at + QPoint(140, 70), at + QPoint(290, 70), at + QPoint(290, 200)});
  const std::vector<uint8_t> before = SaveBytes(doc);
  doc->FigureSet().Select({a});
  main->findChild<QAction*>(QStringLiteral("MoveLaneDown1"))->trigger();
  testsupport::Flush();
  SetSwimlaneAsker(nullptr);
  ASSERT_EQ(a->BoundsRect().topLeft(), at + QPoint(40, 200));
  size_t segments = 0;
  const Course course = Joined(&segments);
  EXPECT_EQ(segments, 2u);
  CheckCourse(course, {a, b}, {});
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
}

}  // namespace
