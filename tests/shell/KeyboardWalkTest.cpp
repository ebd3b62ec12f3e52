// Walking a chart from the keyboard on the canvas: Tab in flow order, Alt+arrow to the shape
// joined that way, Alt+Shift+arrow through a shape's connectors, Enter to type a text.
#include "ConnectorOptions.h"
#include "Diagram.h"
#include "HistoryFixture.h"
#include "TextEditSession.h"

namespace {

// Straight arrows only, each leaving by the middle of a side:
//
//   Begin
//     |
//   Order <------- Call
//     |             ^
//   Paid? --------> Remind
//     |
//   Ship
//    | |
//  Pack Post
//
// Reading order would put Remind before Ship; the flow takes the branch ahead (down) first.
class KeyboardWalk : public HistoryFixture {
 protected:
  void SetUp() override {
    HistoryFixture::SetUp();
    keptAttached_ = ConnectorOptions::Instance().KeepAttached();
    ConnectorOptions::Instance().SetKeepAttached(true);
    // Made in neither flow nor reading order.
    call = Shape<TKDProcess>({260, 100, 80, 40}, "Call");
    remind = Shape<TKDProcess>({260, 200, 80, 60}, "Remind");
    post = Shape<TKDProcess>({160, 420, 60, 40}, "Post");
    pack = Shape<TKDProcess>({80, 420, 60, 40}, "Pack");
    ship = Shape<TKDProcess>({100, 320, 80, 40}, "Ship");
    paid = Shape<TKDDiamond>({100, 200, 80, 60}, "Paid?");
    order = Shape<TKDProcess>({100, 100, 80, 40}, "Order");
    begin = Shape<TKDBegin>({100, 0, 80, 40}, "Begin");
    Down({140, 40}, 100);
    Down({140, 140}, 200);
    yes = Down({140, 260}, 320);
    toPack = Down({110, 360}, 420);
    toPost = Down({170, 360}, 420);
    no = Across({180, 230}, 260);
    Up({300, 200}, 140);
    loop = Across({260, 120}, 180);
    testsupport::Flush();
    doc->Surface()->setFocus();
  }
  void TearDown() override {
    ConnectorOptions::Instance().SetKeepAttached(keptAttached_);
    HistoryFixture::TearDown();
  }
  template <typename T>
  T* Shape(QRect box, const char* text) {
    T* s = Add<T>(doc, box);
    const QPoint c = box.center();
    Add<TKDLabel>(doc, QRect(c.x() - 20, c.y() - 8, 40, 16))->SetCaption(text);
    return s;
  }
  // An arrow from `from` straight down (or up) to y, or across to x, its head at that end.
  TKDArrow* Vertical(QPoint from, int y) {
    auto* a = Add<TKDArrow>(doc, {from.x() - 15, std::min(from.y(), y), 30, std::abs(y - from.y())});
    a->SetArrowDirection(adLeftToLeft);
    a->SetArrowPosition(y > from.y() ? apRight : apLeft);
    return a;
  }
  TKDArrow* Down(QPoint from, int y) { return Vertical(from, y); }
  TKDArrow* Up(QPoint from, int y) { return Vertical(from, y); }
  TKDArrow* Across(QPoint from, int x) {
    auto* a = Add<TKDArrow>(doc, {std::min(from.x(), x), from.y() - 15, std::abs(x - from.x()), 30});
    a->SetArrowDirection(adTopToTop);
    a->SetArrowPosition(x > from.x() ? apRight : apLeft);
    return a;
  }
  std::vector<TCustomKDTool*> Selected() const { return doc->FigureSet().Selected(); }
  void SelectOnly(TCustomKDTool* f) {
    doc->FigureSet().Select({f});
    testsupport::Flush();
  }

  TCustomKDTool *begin, *order, *paid, *ship, *pack, *post, *remind, *call;
  TKDArrow *yes, *no, *toPack, *toPost, *loop;
  bool keptAttached_ = true;
};

TEST_F(KeyboardWalk, TabWalksTheFlowOnceRoundAndShiftTabBack) {
  const std::vector<TCustomKDTool*> flow = {begin, order, paid, ship, pack, post, remind, call, begin};
  for (size_t i = 0; i < flow.size(); ++i) {
    Key(Qt::Key_Tab);
    EXPECT_EQ(Selected(), std::vector<TCustomKDTool*>{flow[i]}) << "Tab " << i + 1;
    EXPECT_TRUE(doc->Surface()->hasFocus()) << "Tab " << i + 1;
  }
  for (TCustomKDTool* back : {call, remind}) {
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Selected(), std::vector<TCustomKDTool*>{back});
  }
}

struct AltCase {
  const char* name;
  int from;  // index into the shapes below
  Qt::Key key;
  int to;
};

class AltArrows : public KeyboardWalk, public ::testing::WithParamInterface<AltCase> {};

TEST_P(AltArrows, GoToTheShapeJoinedThatWay) {
  const std::vector<TCustomKDTool*> shapes = {begin, order, paid, ship, pack, post, remind, call};
  const AltCase& c = GetParam();
  SelectOnly(shapes[size_t(c.from)]);
  const QPoint before = shapes[size_t(c.from)]->BoundsRect().topLeft();
  Key(c.key, Qt::AltModifier);
  EXPECT_EQ(Selected(), std::vector<TCustomKDTool*>{shapes[size_t(c.to)]});
  // Alt+arrow never nudges.
  EXPECT_EQ(shapes[size_t(c.from)]->BoundsRect().topLeft(), before);
}

enum { kBegin, kOrder, kPaid, kShip, kPack, kPost, kRemind, kCall };
INSTANTIATE_TEST_SUITE_P(Table, AltArrows,
                         ::testing::Values(AltCase{"PaidDown", kPaid, Qt::Key_Down, kShip},
                                           AltCase{"PaidRight", kPaid, Qt::Key_Right, kRemind},
                                           AltCase{"PaidUp", kPaid, Qt::Key_Up, kOrder},
                                           AltCase{"PaidLeftIsNowhere", kPaid, Qt::Key_Left, kPaid},
                                           AltCase{"OrderRightAgainstTheLoop", kOrder, Qt::Key_Right, kCall},
                                           AltCase{"ShipDownToTheNearer", kShip, Qt::Key_Down, kPack},
                                           AltCase{"RemindUp", kRemind, Qt::Key_Up, kCall},
                                           AltCase{"CallLeft", kCall, Qt::Key_Left, kOrder}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KeyboardWalk, AltShiftArrowCyclesTheConnectorsLeavingThatWay) {
  // Clockwise round the shape: along its bottom from right to left.
  SelectOnly(ship);
  for (TCustomKDTool* expected : {static_cast<TCustomKDTool*>(toPost), static_cast<TCustomKDTool*>(toPack),
                                  static_cast<TCustomKDTool*>(toPost)}) {
    Key(Qt::Key_Down, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(Selected(), std::vector<TCustomKDTool*>{expected});
  }
  // From a connector, Alt+arrow goes on from the shape it was reached from.
  Key(Qt::Key_Up, Qt::AltModifier);
  EXPECT_EQ(Selected(), std::vector<TCustomKDTool*>{paid});
  Key(Qt::Key_Right, Qt::AltModifier | Qt::ShiftModifier);
  EXPECT_EQ(Selected(), std::vector<TCustomKDTool*>{no});
  SelectOnly(call);
  Key(Qt::Key_Left, Qt::AltModifier | Qt::ShiftModifier);
  EXPECT_EQ(Selected(), std::vector<TCustomKDTool*>{loop});
}

TEST_F(KeyboardWalk, WithTheSwitchOffTabAndAltArrowsDoWhatTheyAlwaysDid) {
  ConnectorOptions::Instance().SetKeepAttached(false);
  SelectOnly(paid);
  Key(Qt::Key_Tab);
  Key(Qt::Key_Down, Qt::AltModifier);
  Key(Qt::Key_Down, Qt::AltModifier | Qt::ShiftModifier);
  EXPECT_EQ(Selected(), std::vector<TCustomKDTool*>{paid});
}

TEST_F(KeyboardWalk, EnterTypesTheTextOfTheShapeOrConnectorReached) {
  Key(Qt::Key_Tab);
  Key(Qt::Key_Tab);
  Key(Qt::Key_Tab);
  ASSERT_EQ(Selected(), std::vector<TCustomKDTool*>{paid});
  Key(Qt::Key_Return);
  ASSERT_TRUE(doc->TextEditing().IsOpen());
  EXPECT_TRUE(paid->BoundsRect().contains(doc->TextEditing().Area()));
  doc->TextEditing().Cancel();
  doc->Surface()->setFocus();
  Key(Qt::Key_Down, Qt::AltModifier | Qt::ShiftModifier);
  ASSERT_EQ(Selected(), std::vector<TCustomKDTool*>{yes});
  Key(Qt::Key_Return);
  ASSERT_TRUE(doc->TextEditing().IsOpen());
  // Beside the connector's middle, not on a shape.
  EXPECT_FALSE(paid->BoundsRect().intersects(doc->TextEditing().Area()));
  EXPECT_FALSE(ship->BoundsRect().intersects(doc->TextEditing().Area()));
}

}  // namespace
