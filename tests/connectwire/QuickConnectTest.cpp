// Quick connect: with one shape selected, four small arrows beside it; a click on one adds a copy
// of the shape one gap (40 pixels) away on that side, joined by a connector, selected, as one step.
#include "ConnectorTool.h"
#include "ConnectWireFixture.h"
#include "Diagram.h"
#include "InPlaceEditor.h"
#include "QuickConnectButtons.h"
#include "TextEditSession.h"
#include "TScrollBox.h"

namespace {

// A (300, 200, 120, 60); side midpoints top (360, 200), right (420, 230), bottom (360, 260),
// left (300, 230).
constexpr QRect kA(300, 200, 120, 60);

struct QuickCase {
  const char* name;
  connectors::Side side;
  QRect copy;
  QPoint from, to;  // the connector's one straight run
};
void PrintTo(const QuickCase& c, std::ostream* os) { *os << c.name; }

class QuickConnectClick : public ConnectWireFixture, public testing::WithParamInterface<QuickCase> {
 protected:
  void SetUp() override {
    ConnectWireFixture::SetUp();
    InstallConnectorTool(*main);
  }
};

const QuickCase kQuick[] = {
    {"Right", connectors::Side::Right, {460, 200, 120, 60}, {420, 230}, {460, 230}},
    {"Bottom", connectors::Side::Bottom, {300, 300, 120, 60}, {360, 260}, {360, 300}},
    {"Left", connectors::Side::Left, {140, 200, 120, 60}, {300, 230}, {260, 230}},
    {"Top", connectors::Side::Top, {300, 100, 120, 60}, {360, 200}, {360, 160}},
};

TEST_P(QuickConnectClick, AddsConnectedCopy) {
  const QuickCase& c = GetParam();
  auto* a = Add<TKDProcess>(doc, kA);
  a->SetLineWidth(3);
  a->SetCaption("Check");
  const std::vector<uint8_t> saved = SaveBytes(doc);
  const int steps = doc->History().Stack().count();
  ClickFigure(a);
  testsupport::Flush();
  QWidget* button = QuickConnectButtons::Install(*doc)->Button(c.side);
  ASSERT_TRUE(button->isVisible());
  // Beside the shape, outside it.
  EXPECT_FALSE(button->geometry().intersects(a->geometry()));
  QTest::mouseClick(button, Qt::LeftButton);
  testsupport::Flush();
  // The copy's text editor is open: the next step's text is typed at once.
  ASSERT_TRUE(doc->TextEditing().IsOpen());
  QTest::keyClicks(doc->TextEditing().Editor(), QStringLiteral("Pay"));
  QTest::keyClick(doc->TextEditing().Editor(), Qt::Key_Return);
  testsupport::Flush();

  const auto figures = doc->Figures();
  ASSERT_EQ(figures.size(), 4u);
  auto* text = qobject_cast<TKDLabel*>(figures[3]);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->Caption(), "Pay");
  EXPECT_TRUE(c.copy.contains(text->BoundsRect()));
  auto* copy = qobject_cast<TKDProcess*>(figures[1]);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->BoundsRect(), c.copy);
  EXPECT_EQ(copy->LineWidth(), 3);
  EXPECT_TRUE(copy->Caption().empty());
  auto* arrow = qobject_cast<TKDArrow*>(figures[2]);
  ASSERT_NE(arrow, nullptr);
  EXPECT_EQ(Head(*arrow).tip, c.to);
  const connectors::Ends e = EndsOf(*arrow);
  EXPECT_TRUE((e.start == c.from && e.end == c.to) || (e.start == c.to && e.end == c.from));
  EXPECT_EQ(doc->FigureSet().Selected(), std::vector<TCustomKDTool*>{copy});

  ASSERT_EQ(doc->History().Stack().count(), steps + 2);
  EXPECT_EQ(doc->History().Stack().text(steps), QStringLiteral("Quick Connect"));
  EXPECT_EQ(doc->History().Stack().text(steps + 1), QStringLiteral("Type Text"));
  doc->History().Undo();
  doc->History().Undo();
  testsupport::Flush();
  EXPECT_EQ(SaveBytes(doc), saved);
}

INSTANTIATE_TEST_SUITE_P(Sides, QuickConnectClick, testing::ValuesIn(kQuick),
                         [](const auto& info) { return std::string(info.param.name); });

struct DragCase {
  const char* name;
  QPoint drop;
  size_t added;             // figures the drop adds
  QRect copy;               // the new shape's box; empty: none
  std::vector<QPoint> run;  // the connector's only run, source first
  const char* step;
};
void PrintTo(const DragCase& c, std::ostream* os) { *os << c.name; }
class QuickDrag : public ConnectWireFixture, public testing::WithParamInterface<DragCase> {};

// B (600, 200, 120, 60) stands level with A, its left midpoint (600, 230).
const DragCase kDrags[] = {
    // Into B: a straight arrow from A's right side to B's left side, no new shape.
    {"OntoShape", {660, 235}, 1, {}, {{420, 230}, {600, 230}}, "Draw Connector"},
    // Empty canvas below A: the copy centred on (360, 430) is (300, 400, 120, 60), straight
    // below, entered at its top midpoint.
    {"EmptyCanvasBelowA", {360, 430}, 2, {300, 400, 120, 60}, {{360, 260}, {360, 400}}, "Quick Connect"},
};

TEST_P(QuickDrag, DropsConnector) {
  const DragCase& c = GetParam();
  InstallConnectorTool(*main);
  auto* a = Add<TKDProcess>(doc, kA);
  Add<TKDProcess>(doc, QRect(600, 200, 120, 60));
  const std::vector<uint8_t> saved = SaveBytes(doc);
  ClickFigure(a);
  testsupport::Flush();
  QuickConnectButtons* quick = QuickConnectButtons::Install(*doc);
  // Drags from the bottom arrow for a drop below A, else from the right one.
  QWidget* button = quick->Button(c.drop.y() > 300 ? connectors::Side::Bottom : connectors::Side::Right);
  ASSERT_TRUE(button->isVisible());
  const QPoint onButton = button->rect().center();
  const QPoint dropAt = button->mapFrom(doc->Surface(), c.drop);
  QTest::mousePress(button, Qt::LeftButton, {}, onButton);
  QTest::mouseMove(button, (onButton + dropAt) / 2);
  QTest::mouseMove(button, dropAt);
  QTest::mouseRelease(button, Qt::LeftButton, {}, dropAt);
  testsupport::Flush();
  const auto figures = doc->Figures();
  ASSERT_EQ(figures.size(), 2 + c.added);
  if (!c.copy.isEmpty()) {
    EXPECT_EQ(figures[2]->BoundsRect(), c.copy);
  }
  auto* arrow = qobject_cast<TKDArrow*>(figures.back());
  ASSERT_NE(arrow, nullptr);
  EXPECT_EQ(Head(*arrow).tip, c.run.back());
  const connectors::Ends e = EndsOf(*arrow);
  EXPECT_TRUE((e.start == c.run.front() && e.end == c.run.back()) || (e.end == c.run.front() && e.start == c.run.back()));
  EXPECT_EQ(doc->History().Stack().text(doc->History().Stack().count() - 1), QString::fromLatin1(c.step));
  doc->History().Undo();
  testsupport::Flush();
  EXPECT_EQ(SaveBytes(doc), saved);
}

INSTANTIATE_TEST_SUITE_P(Drops, QuickDrag, testing::ValuesIn(kDrags),
                         [](const auto& info) { return std::string(info.param.name); });

// Only one closed shape selected shows the arrows.
TEST_F(ConnectWireFixture, QuickArrowsOnlyForOneShape) {
  InstallConnectorTool(*main);
  auto* a = Add<TKDRectangle>(doc, kA);
  auto* b = Add<TKDRectangle>(doc, QRect(600, 200, 120, 60));
  QuickConnectButtons* quick = QuickConnectButtons::Install(*doc);
  ClickFigure(a);
  testsupport::Flush();
  EXPECT_TRUE(quick->Button(connectors::Side::Right)->isVisible());
  BandAround({a, b});
  testsupport::Flush();
  EXPECT_FALSE(quick->Button(connectors::Side::Right)->isVisible());
  Click({100, 500});  // empty canvas
  testsupport::Flush();
  EXPECT_FALSE(quick->Button(connectors::Side::Right)->isVisible());
}

// The arrows stay beside the shape as the view zooms: kA's right edge at x 420, its middle at y 230.
TEST_F(ConnectWireFixture, QuickArrowsFollowTheZoom) {
  InstallConnectorTool(*main);
  auto* a = Add<TKDRectangle>(doc, kA);
  QuickConnectButtons* quick = QuickConnectButtons::Install(*doc);
  ClickFigure(a);
  testsupport::Flush();
  for (const double zoom : {2.0, 0.5}) {
    doc->Surface()->SetZoom(zoom);
    testsupport::Flush();
    const QRect right = quick->Button(connectors::Side::Right)->geometry();
    EXPECT_GE(right.left(), 420 * zoom) << zoom;
    EXPECT_LT(right.left(), 420 * zoom + 40) << zoom;
    EXPECT_NEAR(right.center().y(), 230 * zoom, 1) << zoom;
  }
}

// With the switch off the arrows are neither shown nor pressed: a press just beside the selected
// shape, where the right arrow would be, ends the selection and adds nothing. Turning the switch on
// shows them again.
TEST_F(ConnectWireFixture, QuickArrowsOnlyWithTheSwitchOn) {
  InstallConnectorTool(*main);
  auto* a = Add<TKDRectangle>(doc, kA);
  QuickConnectButtons* quick = QuickConnectButtons::Install(*doc);
  QWidget* right = quick->Button(connectors::Side::Right);
  for (const bool on : {false, true}) {
    ConnectorOptions::Instance().SetKeepAttached(on);
    ClickFigure(a);
    testsupport::Flush();
    ASSERT_TRUE(a->HaveFocused()) << on;
    EXPECT_EQ(right->isVisible(), on);
    // Where the right arrow shows: (426, 224) 13 x 13, beside A's frame (298, 198) to (422, 262).
    Click({432, 230});
    testsupport::Flush();
    EXPECT_EQ(doc->Figures().size(), on ? 3u : 1u) << on;
    EXPECT_EQ(a->HaveFocused(), false) << on;
    if (on) doc->TextEditing().Cancel();
  }
}

// A copy that would start left of or above the canvas: the chart moves as a whole (every figure,
// by the same amount) so that the copy starts 20 pixels from the edge, in the same one step.
struct EdgeCase {
  const char* name;
  connectors::Side side;
  QPoint moved;  // by how much every figure already there moves
  QRect copy;
};
void PrintTo(const EdgeCase& c, std::ostream* os) { *os << c.name; }
class QuickAtTheEdge : public ConnectWireFixture, public testing::WithParamInterface<EdgeCase> {};

// A (20, 30) 120 x 60: a copy on the left would start at 20 - 160 = -140, one above at 30 - 100 =
// -70; one on the right fits.
const EdgeCase kEdges[] = {
    {"Left", connectors::Side::Left, {160, 0}, {20, 30, 120, 60}},
    {"Top", connectors::Side::Top, {0, 90}, {20, 20, 120, 60}},
    {"RightFits", connectors::Side::Right, {0, 0}, {180, 30, 120, 60}},
};

TEST_P(QuickAtTheEdge, NothingLeftOfOrAboveTheCanvas) {
  const EdgeCase& c = GetParam();
  InstallConnectorTool(*main);
  const QRect boxA(20, 30, 120, 60), boxOther(500, 400, 80, 40);
  auto* a = Add<TKDProcess>(doc, boxA);
  auto* other = Add<TKDEllipse>(doc, boxOther);
  const std::vector<uint8_t> saved = SaveBytes(doc);
  const int steps = doc->History().Stack().count();
  ClickFigure(a);
  testsupport::Flush();
  QTest::mouseClick(QuickConnectButtons::Install(*doc)->Button(c.side), Qt::LeftButton);
  testsupport::Flush();
  doc->TextEditing().Cancel();
  testsupport::Flush();
  EXPECT_EQ(a->BoundsRect(), boxA.translated(c.moved));
  EXPECT_EQ(other->BoundsRect(), boxOther.translated(c.moved));
  const auto figures = doc->Figures();
  ASSERT_EQ(figures.size(), 4u);
  EXPECT_EQ(figures[2]->BoundsRect(), c.copy);
  for (TCustomKDTool* f : figures) {
    EXPECT_GE(f->Left(), 0) << f->ClassName();
    EXPECT_GE(f->Top(), 0) << f->ClassName();
  }
  ASSERT_EQ(doc->History().Stack().count(), steps + 1);
  EXPECT_EQ(doc->History().Stack().text(steps), QStringLiteral("Quick Connect"));
  doc->History().Undo();
  testsupport::Flush();
  EXPECT_EQ(SaveBytes(doc), saved);
}

INSTANTIATE_TEST_SUITE_P(Sides, QuickAtTheEdge, testing::ValuesIn(kEdges),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
