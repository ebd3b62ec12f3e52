#include <gtest/gtest.h>

#include "Connector.h"
#include "DiagramGraph.h"
#include "SemanticsTestSupport.h"

namespace {

using namespace semtest;
using semantics::Connector;
using semantics::ConnectorOf;
using semantics::ShapeAtEnd;

// Box A (0, 0, 100 x 50) is item 1 and box B (150, 200, 100 x 50) item 2; the case's items
// follow from 3.
const Item kA = Shape(ItemKind::Rectangle, {0, 0, 100, 50});
const Item kB = Shape(ItemKind::Rectangle, {150, 200, 100, 50});

struct Expected {
  std::vector<uint64_t> segments;  // empty: no connector
  QPoint start, end;
  uint64_t startShape = 0, endShape = 0;
  bool headAtEnd = true;
};

struct ChainCase {
  const char* name;
  std::vector<Item> items;
  uint64_t asked;
  Expected expected;
};
void PrintTo(const ChainCase& c, std::ostream* os) { *os << c.name; }

class Chains : public testing::TestWithParam<ChainCase> {};

TEST_P(Chains, WholeConnectorFromOneSegment) {
  std::vector<Item> items = {kA, kB};
  items.insert(items.end(), GetParam().items.begin(), GetParam().items.end());
  const Scene s(items);
  const Expected& x = GetParam().expected;
  const std::optional<Connector> c = ConnectorOf(s[GetParam().asked], s.query);
  if (x.segments.empty()) {
    EXPECT_FALSE(c);
    return;
  }
  ASSERT_TRUE(c);
  std::vector<uint64_t> ids;
  for (const Item* seg : c->segments) ids.push_back(seg->id);
  EXPECT_EQ(ids, x.segments);
  EXPECT_EQ(c->start, x.start);
  EXPECT_EQ(c->end, x.end);
  EXPECT_EQ(IdOf(c->startShape), x.startShape);
  EXPECT_EQ(IdOf(c->endShape), x.endShape);
  EXPECT_EQ(c->headAtEnd, x.headAtEnd);
  EXPECT_FALSE(c->headAtStart);
}

const Item kContainer = Shape(ItemKind::Rectangle, {-100, -100, 600, 600});
// Around the point (200, 125): D above (items 3), E left (4), C right (5).
const Item kD = Shape(ItemKind::Rectangle, {150, 0, 100, 50});
const Item kE = Shape(ItemKind::Rectangle, {0, 100, 100, 50});
const Item kC = Shape(ItemKind::Rectangle, {300, 100, 100, 50});
const std::vector<Item> kCrossing = {kD, kE, kC, Line({200, 50}, {200, 125}), Arrow({200, 125}, {200, 200}),
                                     Line({100, 125}, {200, 125}), Arrow({200, 125}, {300, 125})};
const std::vector<Item> kPastAnEnd = {kD, kE, kC, Line({200, 50}, {200, 125}), Line({100, 125}, {200, 125}),
                                      Arrow({200, 125}, {300, 125})};

INSTANTIATE_TEST_SUITE_P(
    Table, Chains,
    testing::Values(
        ChainCase{"TwoSegments", {Line({100, 25}, {200, 25}), Arrow({200, 25}, {200, 200})}, 3,
                  {{3, 4}, {100, 25}, {200, 200}, 1, 2}},
        ChainCase{"TwoSegmentsAskedAtTheArrow", {Line({100, 25}, {200, 25}), Arrow({200, 25}, {200, 200})}, 4,
                  {{3, 4}, {100, 25}, {200, 200}, 1, 2}},
        ChainCase{"ThreeSegments",
                  {Line({50, 50}, {50, 120}), Line({50, 120}, {200, 120}), Arrow({200, 120}, {200, 200})}, 4,
                  {{3, 4, 5}, {50, 50}, {200, 200}, 1, 2}},
        // Listed from the arrow back, the middle line's course running against the route.
        ChainCase{"FourSegments",
                  {Arrow({200, 120}, {200, 200}), Line({300, 120}, {200, 120}), Line({300, 25}, {300, 120}),
                   Line({100, 25}, {300, 25})},
                  5, {{6, 5, 4, 3}, {100, 25}, {200, 200}, 1, 2}},
        // The route runs from B to A: its head is on A.
        ChainCase{"HeadOnTheFirstShape", {Arrow({100, 25}, {200, 25}, apLeft), Line({200, 25}, {200, 200})}, 4,
                  {{4, 3}, {200, 200}, {100, 25}, 2, 1}},
        // Joints drawn by hand up to 3 pixels apart, across and along, still join; 4 apart do not.
        ChainCase{"GapOfOnePixelLine", {Line({100, 25}, {200, 25}), Arrow({201, 25}, {201, 200})}, 3,
                  {{3, 4}, {100, 25}, {201, 200}, 1, 2}},
        ChainCase{"GapOfOnePixelArrow", {Line({100, 25}, {200, 25}), Arrow({201, 25}, {201, 200})}, 4,
                  {{3, 4}, {100, 25}, {201, 200}, 1, 2}},
        ChainCase{"GapOfThreePixels", {Line({100, 25}, {200, 25}), Arrow({203, 28}, {203, 200})}, 4,
                  {{3, 4}, {100, 25}, {203, 200}, 1, 2}},
        ChainCase{"GapOfFourPixels", {Line({100, 25}, {200, 25}), Arrow({204, 25}, {204, 200})}, 3,
                  {{3}, {100, 25}, {200, 25}, 1, 0, false}},
        // Two routes whose arrows end at one tip of a diamond (400, -5, 100 x 60) stay two.
        ChainCase{"TwoChainsIntoOneTipFirst",
                  {Shape(ItemKind::Decision, {400, -5, 100, 60}), Line({100, 25}, {300, 25}), Arrow({300, 25}, {400, 25}),
                   Line({250, 225}, {400, 225}), Arrow({400, 225}, {400, 25}, apLeft)},
                  4, {{4, 5}, {100, 25}, {400, 25}, 1, 3}},
        ChainCase{"TwoChainsIntoOneTipSecond",
                  {Shape(ItemKind::Decision, {400, -5, 100, 60}), Line({100, 25}, {300, 25}), Arrow({300, 25}, {400, 25}),
                   Line({250, 225}, {400, 225}), Arrow({400, 225}, {400, 25}, apLeft)},
                  6, {{6, 7}, {250, 225}, {400, 25}, 2, 3}},
        // Of the two ways on from the arrow, only the one back to A makes a connector.
        ChainCase{"BranchingJoint",
                  {Line({100, 25}, {200, 25}), Arrow({200, 25}, {200, 200}), Line({200, 25}, {300, 25})}, 4,
                  {{3, 4}, {100, 25}, {200, 200}, 1, 2}},
        // Two routes crossing at (200, 125), each with a joint there: D -> B and E -> C.
        ChainCase{"CrossingAtJointsDown", kCrossing, 6, {{6, 7}, {200, 50}, {200, 200}, 3, 2}},
        ChainCase{"CrossingAtJointsAcross", kCrossing, 9, {{8, 9}, {100, 125}, {300, 125}, 4, 5}},
        // A route E -> C with its joint where a line from D ends: the route stays whole, the line
        // is no part of it.
        ChainCase{"RunPastAnEndRoute", kPastAnEnd, 8, {{7, 8}, {100, 125}, {300, 125}, 4, 5}},
        ChainCase{"RunPastAnEndStub", kPastAnEnd, 6, {{6}, {200, 50}, {200, 125}, 3, 0, false}},
        // Lines from E and C, arrows into B and D, all four meeting at one bend: either line may
        // go into either arrow, so none joins.
        ChainCase{"BendsSharedAmbiguous",
                  {kD, kE, kC, Line({100, 125}, {200, 125}), Arrow({200, 125}, {200, 200}),
                   Line({200, 125}, {300, 125}), Arrow({200, 125}, {200, 50}, apLeft)},
                  6, {{6}, {100, 125}, {200, 125}, 4, 0, false}},
        ChainCase{"TwoArrowsNeverJoin", {Arrow({100, 25}, {200, 25}, apLeft), Arrow({200, 25}, {200, 200})}, 3,
                  {{3}, {200, 25}, {100, 25}, 0, 1}},
        ChainCase{"HeadAtTheJoint", {Line({100, 25}, {200, 25}), Arrow({200, 25}, {200, 200}, apLeft)}, 4,
                  {{4}, {200, 200}, {200, 25}, 2, 0}},
        ChainCase{"LinesWithoutAnArrow", {Line({100, 25}, {200, 25}), Line({200, 25}, {200, 200})}, 3, {}},
        ChainCase{"ArrowsAtBothEnds",
                  {Arrow({100, 25}, {150, 25}, apLeft), Line({150, 25}, {200, 25}), Arrow({200, 25}, {200, 200})}, 4,
                  {}},
        // Two connectors that meet on B's left side stay two.
        ChainCase{"MeetingOnAnOutline", {Line({100, 225}, {150, 225}), Arrow({150, 225}, {150, 300})}, 3,
                  {{3}, {100, 225}, {150, 225}, 0, 2, false}},
        // Deep inside a container a joint is a joint; the ends are on A and B, not the container.
        ChainCase{"JointInsideAContainer", {kContainer, Line({100, 25}, {200, 25}), Arrow({200, 25}, {200, 200})}, 4,
                  {{4, 5}, {100, 25}, {200, 200}, 1, 2}},
        ChainCase{"ClosedLoop",
                  {Line({300, 300}, {400, 300}), Line({400, 300}, {400, 400}), Line({300, 400}, {400, 400}),
                   Line({300, 300}, {300, 400})},
                  4, {}},
        ChainCase{"EndFourPixelsShort", {Line({100, 25}, {200, 25}), Arrow({200, 25}, {200, 196})}, 4,
                  {{3, 4}, {100, 25}, {200, 196}, 1, 2}},
        ChainCase{"EndFivePixelsShort", {Line({100, 25}, {200, 25}), Arrow({200, 25}, {200, 195})}, 4,
                  {{3, 4}, {100, 25}, {200, 195}, 1, 0}},
        ChainCase{"NotASegment", {}, 1, {}}),
    [](const testing::TestParamInfo<ChainCase>& info) { return std::string(info.param.name); });

// An end at a point near a shape drawn as each closed class draws it.
struct EndCase {
  const char* name;
  ItemKind kind;
  QRect box;
  QPoint end;
  bool attached;
};
void PrintTo(const EndCase& c, std::ostream* os) { *os << c.name; }

class Ends : public testing::TestWithParam<EndCase> {};

TEST_P(Ends, AttachWithinFourPixelsOrInside) {
  const Scene s({Shape(GetParam().kind, GetParam().box)});
  EXPECT_EQ(IdOf(ShapeAtEnd(GetParam().end, s.query)), GetParam().attached ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Ends,
    testing::Values(EndCase{"BoxOutline", ItemKind::Rectangle, {100, 100, 100, 60}, {150, 100}, true},
                    EndCase{"BoxFourAbove", ItemKind::Rectangle, {100, 100, 100, 60}, {150, 96}, true},
                    EndCase{"BoxFiveAbove", ItemKind::Rectangle, {100, 100, 100, 60}, {150, 95}, false},
                    EndCase{"BoxFiveRight", ItemKind::Rectangle, {100, 100, 100, 60}, {205, 130}, false},
                    EndCase{"BoxInside", ItemKind::Rectangle, {100, 100, 100, 60}, {150, 130}, true},
                    EndCase{"DiamondVertexFourAbove", ItemKind::Decision, {100, 100, 100, 60}, {150, 96}, true},
                    EndCase{"DiamondVertexFiveAbove", ItemKind::Decision, {100, 100, 100, 60}, {150, 95}, false},
                    // The box's corner lies 30 pixels off the diamond.
                    EndCase{"DiamondBoxCorner", ItemKind::Decision, {100, 100, 100, 60}, {100, 100}, false},
                    // The mark's circle: radius 28 about (130, 130).
                    EndCase{"MarkFourAbove", ItemKind::Start, {100, 100, 60, 60}, {130, 98}, true},
                    EndCase{"MarkFiveAbove", ItemKind::End, {100, 100, 60, 60}, {130, 97}, false},
                    EndCase{"EllipseInside", ItemKind::Ellipse, {100, 100, 100, 60}, {150, 130}, true},
                    EndCase{"ProcessSide", ItemKind::Process, {100, 100, 100, 60}, {197, 130}, true}),
    [](const testing::TestParamInfo<EndCase>& info) { return std::string(info.param.name); });

// Several shapes: on or near an outline before deep inside, then the topmost.
TEST(Ends, OutlineBeforeDeepInsideThenTopmost) {
  const Item box = Shape(ItemKind::Process, {100, 100, 100, 60});
  const Item container = Shape(ItemKind::Rectangle, {0, 0, 500, 500});
  const Scene boxBelow({box, container});
  EXPECT_EQ(IdOf(ShapeAtEnd({150, 100}, boxBelow.query)), 1u);  // on the box, deep in the container
  EXPECT_EQ(IdOf(ShapeAtEnd({150, 130}, boxBelow.query)), 2u);  // deep in both: the topmost
  EXPECT_EQ(IdOf(ShapeAtEnd({2, 250}, boxBelow.query)), 2u);
  const Scene boxAbove({container, box});
  EXPECT_EQ(IdOf(ShapeAtEnd({150, 130}, boxAbove.query)), 2u);
  EXPECT_EQ(IdOf(ShapeAtEnd({150, 95}, boxAbove.query)), 1u);  // deep in the container only
  // A container drawn over the box: the end on the box's outline is still the box's.
  Item over = container, under = box;
  over.stacking = 2;
  under.stacking = 1;
  const Scene containerOver({over, under});
  EXPECT_EQ(IdOf(ShapeAtEnd({150, 100}, containerOver.query)), 2u);
  const Scene routed({over, under, Line({150, 40}, {150, 60}), Arrow({150, 60}, {150, 100})});
  EXPECT_EQ(IdOf(ConnectorOf(routed[3], routed.query)->endShape), 2u);
}

// An arrow or line from A (0, 0, 100 x 50) to B (200, 0, 100 x 50) as an edge.
struct HeadCase {
  const char* name;
  ItemKind kind;
  TArrowPosition heads;
  int from, to;
  bool directed, bothHeads;
};
void PrintTo(const HeadCase& c, std::ostream* os) { *os << c.name; }

class Direction : public testing::TestWithParam<HeadCase> {};

TEST_P(Direction, FromTheHeads) {
  const HeadCase& k = GetParam();
  const Scene s({Shape(ItemKind::Process, {0, 0, 100, 50}), Shape(ItemKind::Process, {200, 0, 100, 50}),
                 Segment(k.kind, {100, 25}, {200, 25}, k.heads)});
  const graph::Graph g = semantics::FindGraph(s.items, s.query);
  ASSERT_EQ(g.edges.size(), 1u);
  EXPECT_EQ(g.edges[0].from, k.from);
  EXPECT_EQ(g.edges[0].to, k.to);
  EXPECT_EQ(g.edges[0].directed, k.directed);
  const std::optional<Connector> c = ConnectorOf(s[3], s.query);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->headAtStart, k.bothHeads);
}

INSTANTIATE_TEST_SUITE_P(Table, Direction,
                         testing::Values(HeadCase{"ApLeft", ItemKind::Arrow, apLeft, 1, 0, true, false},
                                         HeadCase{"ApRight", ItemKind::Arrow, apRight, 0, 1, true, false},
                                         HeadCase{"ApBoth", ItemKind::Arrow, apBoth, 0, 1, true, true},
                                         HeadCase{"Line", ItemKind::Line, apRight, 0, 1, false, false}),
                         [](const testing::TestParamInfo<HeadCase>& info) { return std::string(info.param.name); });

}  // namespace
