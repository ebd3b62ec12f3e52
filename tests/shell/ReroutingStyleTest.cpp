// Arrange > Connector Style > Elbow on connectors of every kind between box A (100, 100, 100 x 50,
// or 50 lower where the case says) and B (400, 300, 100 x 50, a box or a diamond). Routes worked
// out by hand from the elbow rule (a bend counts as 40 pixels; on a tie the side facing across
// the larger gap): from A's right middle along to above B and down into B's top middle (a
// diamond's top vertex), 425 pixels and one bend (465), ties with A's bottom to B's left and wins
// as the gap across (200) is larger than the one down (150); the Z through the middle costs 480.
#include <QUndoStack>

#include "ConnectorGeometry.h"
#include "ConnectorOptions.h"
#include "ConnectorStyle.h"
#include "Diagram.h"
#include "HistoryFixture.h"

namespace {

struct Piece {
  QRect box;
  TArrowDirection direction;
  bool arrow;
};
using Segment = std::pair<QPoint, QPoint>;

struct ElbowCase {
  const char* name;
  bool diamond;
  int aTop;
  std::vector<Piece> connector;
  int bTop = 300;
  std::vector<Segment> expected = {};  // none: the connector is left as it is
};
void PrintTo(const ElbowCase& c, std::ostream* os) { *os << c.name; }

class ReroutingStyleTest : public HistoryFixture, public testing::WithParamInterface<ElbowCase> {
 protected:
  void SetUp() override {
    HistoryFixture::SetUp();
    ConnectorOptions::Instance().SetKeepAttached(true);
  }
  void TearDown() override {
    ConnectorOptions::Instance().SetKeepAttached(false);
    HistoryFixture::TearDown();
  }
};

Segment Sorted(QPoint a, QPoint b) {
  return (a.x() < b.x() || (a.x() == b.x() && a.y() < b.y())) ? Segment{a, b} : Segment{b, a};
}

TEST_P(ReroutingStyleTest, MadeElbowOnTheSides) {
  const ElbowCase& k = GetParam();
  TCustomKDTool* a = Add<TKDRectangle>(doc, {100, k.aTop, 100, 50});
  TCustomKDTool* b = k.diamond ? static_cast<TCustomKDTool*>(Add<TKDDiamond>(doc, {400, k.bTop, 100, 50}))
                               : Add<TKDRectangle>(doc, {400, k.bTop, 100, 50});
  std::vector<TCustomKDTool*> drawn;
  for (const Piece& r : k.connector) {
    if (r.arrow) {
      auto* arrow = Add<TKDArrow>(doc, r.box);
      arrow->SetArrowDirection(r.direction);
      arrow->SetArrowPosition(apRight);
      drawn.push_back(arrow);
    } else {
      auto* line = Add<TKDLine>(doc, r.box);
      line->SetOrientation(r.direction);
      drawn.push_back(line);
    }
  }
  testsupport::Flush();
  const std::vector<uint8_t> before = SaveBytes(doc);
  const int steps = doc->UndoStack()->count();
  doc->FigureSet().Select({drawn.back()});
  if (k.expected.empty()) {
    EXPECT_EQ(SetConnectorShape(*doc, ConnectorShape::Elbow), 0);
    EXPECT_EQ(SaveBytes(doc), before);
    return;
  }
  ASSERT_EQ(SetConnectorShape(*doc, ConnectorShape::Elbow), 1);
  EXPECT_EQ(doc->UndoStack()->count(), steps + 1);
  std::vector<Segment> segments;
  TCustomKDTool* last = nullptr;
  for (TCustomKDTool* f : doc->Figures()) {
    if (f == a || f == b) continue;
    auto* arrow = qobject_cast<TKDArrow*>(f);
    const connectors::Ends e =
        connectors::EndsOf(f->BoundsRect(), arrow ? arrow->ArrowDirection() : qobject_cast<TKDLine*>(f)->Orientation());
    segments.push_back(Sorted(e.start, e.end));
    last = f;
  }
  std::vector<Segment> expected;
  for (const Segment& s : k.expected) expected.push_back(Sorted(s.first, s.second));
  EXPECT_EQ(segments, expected);
  auto* head = qobject_cast<TKDArrow*>(last);
  ASSERT_NE(head, nullptr);
  const connectors::Ends e = connectors::EndsOf(head->BoundsRect(), head->ArrowDirection());
  EXPECT_EQ(connectors::HeadAtEnd(head->ArrowPosition()) ? e.end : e.start, k.expected.back().second);
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
}

const Piece kDiagonal{{200, 125, 200, 200}, adTopToBottom, true};  // (200, 125) to B's left middle (400, 325)
const Piece kDown{{435, 125, 30, 175}, adLeftToLeft, true};        // (450, 125) down to (450, 300)
const std::vector<Segment> kElbow = {{{200, 125}, {450, 125}}, {{450, 125}, {450, 300}}};

INSTANTIATE_TEST_SUITE_P(
    Table, ReroutingStyleTest,
    testing::Values(ElbowCase{"Diagonal", false, 100, {kDiagonal}, 300, kElbow},
                    ElbowCase{"IntoADiamondTip", true, 100, {kDiagonal}, 300, kElbow},
                    // A moved 50 down tore the elbow's first run into a slant up to the old bend.
                    ElbowCase{"TornChain", false, 150, {{{200, 125, 250, 50}, adBottomToTop, false}, kDown}, 300,
                              {{{200, 175}, {450, 175}}, {{450, 175}, {450, 300}}}},
                    ElbowCase{"AlreadyThatRoute", false, 100, {{{200, 123, 250, 4}, adTopToTop, false}, kDown}},
                    // Straight across to B beside A (400, 100): the elbow route is that straight run.
                    ElbowCase{"StraightAlready", false, 100, {{{200, 110, 200, 30}, adTopToTop, true}}, 100, {}}),
    [](const testing::TestParamInfo<ElbowCase>& i) { return std::string(i.param.name); });

}  // namespace
