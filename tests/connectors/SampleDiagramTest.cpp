// The order-flow sample's thirteen figures as plain records: moving its Back-order box or its
// decision keeps every arrow that touched them touching, and leaves the other ends where they were.
#include <gtest/gtest.h>

#include "AttachmentFinder.h"
#include "ConnectorGeometry.h"
#include "Follow.h"
#include "Printers.h"

using namespace connectors;

namespace {

FigureId Id(intptr_t n) { return reinterpret_cast<FigureId>(n); }

// Stacking order as in the file; lines read from a file run falling.
const std::vector<Figure> kSample = {
    {Id(1), FigureKind::Circle, {290, 20, 60, 60}, adTopToBottom, apRight, 1},
    {Id(2), FigureKind::Arrow, {305, 80, 30, 40}, adLeftToLeft, apRight, 2},
    {Id(3), FigureKind::RoundedBox, {250, 120, 140, 50}, adTopToBottom, apRight, 3},
    {Id(4), FigureKind::Arrow, {305, 170, 30, 40}, adLeftToLeft, apRight, 4},
    {Id(5), FigureKind::Diamond, {240, 210, 160, 80}, adTopToBottom, apRight, 5},
    {Id(6), FigureKind::Arrow, {400, 235, 80, 30}, adTopToTop, apRight, 6},
    {Id(7), FigureKind::Box, {480, 225, 140, 50}, adTopToBottom, apRight, 7},  // Back-order
    {Id(8), FigureKind::Arrow, {305, 290, 30, 40}, adLeftToLeft, apRight, 8},
    {Id(9), FigureKind::Ellipse, {250, 330, 140, 50}, adTopToBottom, apRight, 9},
    {Id(10), FigureKind::Label, {260, 345, 120, 20}, adTopToBottom, apRight, 10},
    {Id(11), FigureKind::Line, {320, 380, 4, 30}, adTopToBottom, apRight, 11},
    {Id(12), FigureKind::Circle, {290, 410, 60, 60}, adTopToBottom, apRight, 12},
    {Id(13), FigureKind::Label, {20, 20, 180, 60}, adTopToBottom, apRight, 13},
};

const FigureQuery kQuery = [](const QRect& area, std::vector<Figure>& out) {
  for (const Figure& f : kSample)
    if (f.box.intersects(area)) out.push_back(f);
};

struct Case {
  const char* name;
  intptr_t moved;
  QPoint delta;
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class SampleMoveTest : public testing::TestWithParam<Case> {};

TEST_P(SampleMoveTest, ArrowsThatTouchedStillTouch) {
  const Figure& moved = kSample[GetParam().moved - 1];
  const QPoint delta = GetParam().delta;
  const Attachments found = FindAttachments({moved}, kQuery);
  // Back-order: arrow 6's head. The decision: arrow 4's head, arrows 6 and 8 from it.
  const std::vector<intptr_t> expected = moved.id == Id(7) ? std::vector<intptr_t>{6} : std::vector<intptr_t>{4, 6, 8};
  ASSERT_EQ(found.connectors.size(), expected.size());
  const QRect movedBox = moved.box.translated(delta);
  const Followers after = FollowMove(found, delta);
  for (size_t i = 0; i < found.connectors.size(); ++i) {
    const ConnectorLink& link = found.connectors[i];
    EXPECT_EQ(link.connector.id, Id(expected[i]));
    const Ends before = EndsOf(link.connector), now = EndsOf(after.connectors[i]);
    const QPoint followed = (link.start ? before.start : before.end) + delta;
    const QPoint stayed = link.start ? before.end : before.start;
    // The ends are exactly where they should be, in either order.
    EXPECT_TRUE((now == Ends{followed, stayed}) || (now == Ends{stayed, followed})) << "arrow " << expected[i];
    EXPECT_TRUE(IsAttached(moved.kind, movedBox, followed));
    // The head stays on the end that had it (each of these arrows has one head, at its end).
    EXPECT_EQ(HeadAtEnd(after.connectors[i].heads) ? now.end : now.start, link.end ? followed : stayed);
  }
  EXPECT_TRUE(found.labels.empty());
}

INSTANTIATE_TEST_SUITE_P(
    FourWays, SampleMoveTest,
    testing::Values(Case{"BackOrderLeft", 7, {-60, 0}}, Case{"BackOrderFarLeft", 7, {-150, 0}},
                    Case{"BackOrderRight", 7, {40, 0}}, Case{"BackOrderUp", 7, {0, -50}},
                    Case{"BackOrderDown", 7, {0, 70}}, Case{"DiamondLeft", 5, {-30, 0}},
                    Case{"DiamondRight", 5, {30, 0}}, Case{"DiamondUp", 5, {0, -20}},
                    Case{"DiamondDown", 5, {0, 25}}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(SampleDiagram, TheEllipseTakesItsLabelAndItsConnectorEnds) {
  const Attachments found = FindAttachments({kSample[8]}, kQuery);
  ASSERT_EQ(found.labels.size(), 1u);
  EXPECT_EQ(found.labels[0].label.id, Id(10));
  // Arrow 8's head on the ellipse's top (320, 330). The line starts on its bottom (320, 380);
  // the line's end (324, 410) is 2.3 pixels from the end mark's circle and stays.
  ASSERT_EQ(found.connectors.size(), 2u);
  EXPECT_EQ(found.connectors[0].connector.id, Id(8));
  EXPECT_FALSE(found.connectors[0].start);
  EXPECT_TRUE(found.connectors[0].end);
  EXPECT_EQ(found.connectors[1].connector.id, Id(11));
  EXPECT_TRUE(found.connectors[1].start);
  EXPECT_FALSE(found.connectors[1].end);
  const Attachments endMark = FindAttachments({kSample[11]}, kQuery);
  ASSERT_EQ(endMark.connectors.size(), 1u);
  EXPECT_TRUE(endMark.connectors[0].end);
}

}  // namespace
