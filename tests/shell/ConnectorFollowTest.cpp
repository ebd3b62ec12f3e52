// Lines, arrows and labels attached to a figure follow it when it is dragged through the window,
// as one undo step, while View > Keep Connectors and Labels Attached is on; with it off they stay.
// The order-flow sample: a decision diamond at (240, 210, 160, 80) with arrow A (305, 170, 30, 40)
// coming down onto its top vertex, arrow B (400, 235, 80, 30) from its right vertex to the left
// side of the Back-order box (480, 225, 140, 50), and arrow C (305, 290, 30, 40) leaving its
// bottom vertex. The tests add a label inside Back-order.
#include <QUndoStack>

#include "ArrangeSelection.h"
#include "Diagram.h"
#include "ConnectorOptions.h"
#include "HistoryFixture.h"

namespace {

struct Shape {
  QRect box;
  TArrowDirection direction;
  TArrowPosition heads;
};

constexpr QRect kDiamond(240, 210, 160, 80), kBackOrder(480, 225, 140, 50);
constexpr QRect kArrowA(305, 170, 30, 40), kArrowB(400, 235, 80, 30), kArrowC(305, 290, 30, 40);
constexpr QRect kLabel(500, 230, 60, 16);

class ConnectorFollow : public HistoryFixture {
 protected:
  void SetUp() override {
    HistoryFixture::SetUp();
    ConnectorOptions::Instance().SetKeepAttached(true);
    doc = main->OpenFile(QStringLiteral(KEDRIN_TEST_DATA "/order-flow.kdl"));
    ASSERT_NE(doc, nullptr);
    SubOf(doc)->resize(900, 700);
    testsupport::Flush();
    label = Add<TKDLabel>(doc, kLabel);
    label->SetCaption("urgent");
    UseTool("btnSelect");
  }
  void TearDown() override {
    ConnectorOptions::Instance().SetKeepAttached(false);
    HistoryFixture::TearDown();
  }

  template <typename T = TCustomKDTool>
  T* At(const QRect& box) const {
    for (TCustomKDTool* f : doc->Figures())
      if (f->BoundsRect() == box) return dynamic_cast<T*>(f);
    ADD_FAILURE() << "no figure at " << box.x() << "," << box.y();
    return nullptr;
  }
  static void ExpectArrow(const char* name, TKDArrow* a, const Shape& s) {
    ASSERT_NE(a, nullptr) << name;
    EXPECT_EQ(a->BoundsRect(), s.box) << name;
    EXPECT_EQ(a->ArrowDirection(), s.direction) << name;
    EXPECT_EQ(a->ArrowPosition(), s.heads) << name;
  }

  TKDLabel* label = nullptr;
};

struct MoveCase {
  const char* name;
  bool diamond;  // else Back-order
  QPoint by;
  Shape a, b, c;  // arrows after the move
};
void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

class ConnectorMove : public ConnectorFollow, public testing::WithParamInterface<MoveCase> {};

// Every arrow joins two shapes (A comes from "Receive order" at (250, 120, 140, 50), C goes to the
// ellipse at (250, 330, 140, 50)), so each is laid anew between them, level or upright, and into
// the diamond at a tip: along the tip's row or column wherever the other shape reaches it. Back-order
// 20 up or down still spans the right tip's row 250, so B stays. The diamond 30 left: A and C run
// down column 290, its tips' column, from y 170 to its top at 210, and from its bottom at 290 to
// the ellipse at 355 - 25 * sqrt(1 - (30 / 70)^2) = 332.4, rounded to 332. The diamond 20 up or
// down moves its right tip to row 230 or 270, which Back-order (rows 225..275) spans.
const MoveCase kMoves[] = {
    {"BackOrderLeft", false, {-30, 0}, {kArrowA, adLeftToLeft, apRight}, {{400, 235, 50, 30}, adTopToTop, apRight}, {kArrowC, adLeftToLeft, apRight}},
    {"BackOrderRight", false, {40, 0}, {kArrowA, adLeftToLeft, apRight}, {{400, 235, 120, 30}, adTopToTop, apRight}, {kArrowC, adLeftToLeft, apRight}},
    {"BackOrderUp", false, {0, -20}, {kArrowA, adLeftToLeft, apRight}, {kArrowB, adTopToTop, apRight}, {kArrowC, adLeftToLeft, apRight}},
    {"BackOrderDown", false, {0, 20}, {kArrowA, adLeftToLeft, apRight}, {kArrowB, adTopToTop, apRight}, {kArrowC, adLeftToLeft, apRight}},
    {"DiamondLeft", true, {-30, 0}, {{275, 170, 30, 40}, adLeftToLeft, apRight}, {{370, 235, 110, 30}, adTopToTop, apRight}, {{275, 290, 30, 42}, adLeftToLeft, apRight}},
    {"DiamondRight", true, {30, 0}, {{335, 170, 30, 40}, adLeftToLeft, apRight}, {{430, 235, 50, 30}, adTopToTop, apRight}, {{335, 290, 30, 42}, adLeftToLeft, apRight}},
    {"DiamondUp", true, {0, -20}, {{305, 170, 30, 20}, adLeftToLeft, apRight}, {{400, 215, 80, 30}, adTopToTop, apRight}, {{305, 270, 30, 60}, adLeftToLeft, apRight}},
    {"DiamondDown", true, {0, 20}, {{305, 170, 30, 60}, adLeftToLeft, apRight}, {{400, 255, 80, 30}, adTopToTop, apRight}, {{305, 310, 30, 20}, adLeftToLeft, apRight}},
};

TEST_P(ConnectorMove, AttachedArrowsAndTheLabelFollowAsOneStep) {
  const MoveCase& m = GetParam();
  TKDArrow* a = At<TKDArrow>(kArrowA);
  TKDArrow* b = At<TKDArrow>(kArrowB);
  TKDArrow* c = At<TKDArrow>(kArrowC);
  TCustomKDTool* moved = At(m.diamond ? kDiamond : kBackOrder);
  ASSERT_TRUE(a && b && c && moved);
  const std::vector<uint8_t> before = SaveBytes(doc);
  const int steps = doc->UndoStack()->count();
  // A press away from the label and the arrows.
  const QPoint grip = m.diamond ? QPoint(320, 250) : QPoint(600, 262);
  Drag(grip, grip + m.by);
  EXPECT_EQ(moved->BoundsRect(), (m.diamond ? kDiamond : kBackOrder).translated(m.by));
  ExpectArrow("A", a, m.a);
  ExpectArrow("B", b, m.b);
  ExpectArrow("C", c, m.c);
  EXPECT_EQ(label->BoundsRect(), m.diamond ? kLabel : kLabel.translated(m.by));
  EXPECT_EQ(doc->UndoStack()->count(), steps + 1);
  EXPECT_TRUE(doc->isWindowModified());
  const std::vector<uint8_t> after = SaveBytes(doc);
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
  doc->Redo();
  EXPECT_EQ(SaveBytes(doc), after);
}

INSTANTIATE_TEST_SUITE_P(Sample, ConnectorMove, testing::ValuesIn(kMoves),
                         [](const testing::TestParamInfo<MoveCase>& i) { return std::string(i.param.name); });

TEST_F(ConnectorFollow, WithTheSwitchOffNothingFollows) {
  ConnectorOptions::Instance().SetKeepAttached(false);
  Drag({600, 262}, {570, 242});
  EXPECT_NE(At(kBackOrder.translated(-30, -20)), nullptr);
  EXPECT_NE(At<TKDArrow>(kArrowB), nullptr);
  EXPECT_EQ(label->BoundsRect(), kLabel);
}

// On a resize the label's centre keeps its fraction of the box: 140 x 50 to 210 x 100 puts it from
// (530, 238) to (555, 251). The box still spans the diamond's right tip's row 250, so arrow B stays.
TEST_F(ConnectorFollow, ResizeKeepsRelativePlaces) {
  TKDArrow* b = At<TKDArrow>(kArrowB);
  TCustomKDTool* box = At(kBackOrder);
  ASSERT_TRUE(b && box);
  const std::vector<uint8_t> before = SaveBytes(doc);
  ClickFigure(box);
  DragBottomRightHandle(box, {70, 50});
  EXPECT_EQ(box->BoundsRect(), QRect(480, 225, 210, 100));
  ExpectArrow("B", b, {kArrowB, adTopToTop, apRight});
  EXPECT_EQ(label->BoundsRect(), QRect(525, 243, 60, 16));
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
}

// Align Top raises Back-order 15 pixels to the diamond's top: the label goes with it, in the same
// undo step as the command; the box (rows 210..260) still spans the right tip's row, so B stays.
TEST_F(ConnectorFollow, ArrangeCommandsCarryWhatIsAttached) {
  TCustomKDTool* diamond = At(kDiamond);
  TCustomKDTool* backOrder = At(kBackOrder);
  TKDArrow* b = At<TKDArrow>(kArrowB);
  ASSERT_TRUE(diamond && backOrder && b);
  doc->FigureSet().Select({diamond, backOrder});
  testsupport::Flush();
  const std::vector<uint8_t> before = SaveBytes(doc);
  const int steps = doc->UndoStack()->count();

  ASSERT_TRUE(ArrangeSelection(*doc, ArrangeCommand::AlignTop));
  EXPECT_EQ(backOrder->BoundsRect(), QRect(480, 210, 140, 50));
  ExpectArrow("B", b, {kArrowB, adTopToTop, apRight});
  EXPECT_EQ(label->BoundsRect(), QRect(500, 215, 60, 16));
  EXPECT_EQ(doc->UndoStack()->count(), steps + 1);
  EXPECT_EQ(doc->UndoStack()->undoText(), QStringLiteral("Align Top"));

  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);

  ConnectorOptions::Instance().SetKeepAttached(false);
  doc->FigureSet().Select({diamond, backOrder});
  testsupport::Flush();
  ASSERT_EQ(doc->SelectedFigures().size(), 2u);
  ASSERT_TRUE(ArrangeSelection(*doc, ArrangeCommand::AlignTop));
  EXPECT_EQ(b->BoundsRect(), kArrowB);
  EXPECT_EQ(label->BoundsRect(), kLabel);
}

// An arrow key moves Back-order by its step of 50: the label goes with it; the box (rows 175..225)
// no longer spans the right tip's row 250, so arrow B rises from the tip (400, 250) to the middle
// of the box's left side (480, 200), not along row 217 into the diamond's slanted edge.
TEST_F(ConnectorFollow, ArrowKeyNudgesCarryWhatIsAttached) {
  TCustomKDTool* backOrder = At(kBackOrder);
  TKDArrow* b = At<TKDArrow>(kArrowB);
  ASSERT_TRUE(backOrder && b);
  const std::vector<uint8_t> before = SaveBytes(doc);
  ClickFigure(backOrder);
  Key(Qt::Key_Up);
  EXPECT_EQ(backOrder->BoundsRect(), QRect(480, 175, 140, 50));
  ExpectArrow("B", b, {{400, 200, 80, 50}, adBottomToTop, apRight});
  EXPECT_EQ(label->BoundsRect(), QRect(500, 180, 60, 16));
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
}

}  // namespace
