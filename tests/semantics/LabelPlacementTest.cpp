#include <gtest/gtest.h>

#include "ConnectorLabel.h"
#include "LabelPlacement.h"
#include "SemanticsTestSupport.h"

namespace {

using namespace semtest;
using semantics::ConnectorLabel;
using semantics::ConnectorLabelBox;
using semantics::ConnectorOf;

// Box A above box B, an arrow down from A's bottom (150, 50) to B's top (150, 150): its middle is
// (150, 100).
const Item kA = Shape(ItemKind::Process, {100, 0, 100, 50});
const Item kB = Shape(ItemKind::Rectangle, {100, 150, 100, 50});

struct PlaceCase {
  const char* name;
  std::vector<Item> items;  // the connector's segment is item 1
  QSize size;
  QRect box;
};
void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }

class NewLabels : public testing::TestWithParam<PlaceCase> {};

TEST_P(NewLabels, BesideTheMiddleAndFoundThere) {
  const PlaceCase& c = GetParam();
  std::vector<Item> items = c.items;
  const Scene s0(items);
  const QRect box = ConnectorLabelBox(*ConnectorOf(s0[1], s0.query), c.size);
  EXPECT_EQ(box, c.box);
  // A label put there is the connector's label.
  items.push_back(Text(box, "yes"));
  const Scene s(items);
  EXPECT_EQ(IdOf(ConnectorLabel(*ConnectorOf(s[1], s.query), s.query)), items.size());
}

// Right of an upright middle, its middle level with the label point: (150 + 6, 100 - 13 / 2).
// Above a level one, centred across it: (140 - 19 / 2, 60 - 6 - 13). Of an elbow route the longer
// middle segment counts: the level one (100, 150)-(300, 150), middle (200, 150).
INSTANTIATE_TEST_SUITE_P(
    Table, NewLabels,
    testing::Values(PlaceCase{"Upright", {Arrow({150, 50}, {150, 150}), kA, kB}, {19, 13}, {156, 94, 19, 13}},
                    PlaceCase{"Level", {Arrow({100, 60}, {180, 60})}, {19, 13}, {131, 41, 19, 13}},
                    PlaceCase{"TwoLinesHigh", {Arrow({150, 50}, {150, 150}), kA, kB}, {40, 26}, {156, 87, 40, 26}},
                    PlaceCase{"Elbow", {Line({100, 100}, {100, 150}), Line({100, 150}, {300, 150}), Arrow({300, 150}, {300, 180})},
                              {20, 13}, {190, 131, 20, 13}}),
    [](const testing::TestParamInfo<PlaceCase>& i) { return std::string(i.param.name); });

// Scenes of A (1), B (2), the arrow (3) and its label (4), and a box C (5) apart.
const QRect kPlaced(156, 94, 19, 13);
const Item kArrow = Arrow({150, 50}, {150, 150});

struct FollowCase {
  const char* name;
  QRect label;
  std::vector<uint64_t> moving;
  bool follows;
  bool placed;
};
void PrintTo(const FollowCase& c, std::ostream* os) { *os << c.name; }

class Followers : public testing::TestWithParam<FollowCase> {};

TEST_P(Followers, OfConnectorsOnMovingShapes) {
  const FollowCase& c = GetParam();
  const Scene s({kA, kB, kArrow, Text(c.label, "yes"), Shape(ItemKind::Rectangle, {400, 0, 50, 50})});
  std::vector<const Item*> moving;
  for (uint64_t id : c.moving) moving.push_back(&s[id]);
  const std::vector<semantics::LabelFollower> found = semantics::LabelsFollowing(moving, s.query);
  if (!c.follows) {
    EXPECT_TRUE(found.empty());
    return;
  }
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].label, 4u);
  EXPECT_EQ(found[0].segments, std::vector<uint64_t>{3});
  EXPECT_EQ(found[0].point, QPointF(150, 100));
  EXPECT_EQ(found[0].placed, c.placed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Followers,
    testing::Values(FollowCase{"ShapeAtTheStart", kPlaced, {1}, true, true},
                    FollowCase{"ShapeAtTheEnd", kPlaced, {2}, true, true},
                    FollowCase{"BothShapesOnce", kPlaced, {1, 2}, true, true},
                    FollowCase{"LaidByHand", {160, 95, 30, 14}, {1}, true, false},
                    FollowCase{"TheConnectorMovesItself", kPlaced, {1, 3}, false, false},
                    FollowCase{"TheLabelMovesItself", kPlaced, {1, 4}, false, false},
                    FollowCase{"AnotherShape", kPlaced, {5}, false, false},
                    FollowCase{"TheConnectorAlone", kPlaced, {3}, false, false}),
    [](const testing::TestParamInfo<FollowCase>& i) { return std::string(i.param.name); });

TEST(Followers, PlacedLabelsArePlacedAgainOthersMoveWithTheMiddle) {
  // A moved 20 up: the arrow now runs from (150, 30) to (150, 150), its middle (150, 90).
  const Scene now({Arrow({150, 30}, {150, 150})});
  semantics::Connector c = *ConnectorOf(now[1], now.query);
  const semantics::LabelFollower placed{4, {1}, QPointF(150, 100), true};
  EXPECT_EQ(semantics::FollowConnectorLabel(kPlaced, placed, c), QRect(156, 84, 19, 13));
  const semantics::LabelFollower byHand{4, {1}, QPointF(150, 100), false};
  EXPECT_EQ(semantics::FollowConnectorLabel(QRect(160, 95, 30, 14), byHand, c), QRect(160, 85, 30, 14));
  // Turned level, a placed label goes above it: the arrow (100, 60)-(180, 60) of NewLabels.
  const Scene level({Arrow({100, 60}, {180, 60})});
  EXPECT_EQ(semantics::FollowConnectorLabel(kPlaced, placed, *ConnectorOf(level[1], level.query)),
            QRect(131, 41, 19, 13));
}

// A branch from A (100, 0, 100 x 50) down 30, across and down into B (250, 150, 100 x 50): its
// middle is the run across. B moves 100 right and 50 down: the route then runs down 50, across
// and down 100. A label beside the first run stays there; one beside the last run moves as B's
// top does.
struct BranchCase {
  const char* name;
  QRect label, expected;
};
void PrintTo(const BranchCase& c, std::ostream* os) { *os << c.name; }
class BranchFollowers : public testing::TestWithParam<BranchCase> {};

TEST_P(BranchFollowers, StayBesideTheirEnd) {
  const Item b = Shape(ItemKind::Rectangle, {250, 150, 100, 50});
  const Scene s({kA, b, Line({150, 50}, {150, 80}), Line({150, 80}, {300, 80}), Arrow({300, 80}, {300, 150}),
                 Text(GetParam().label, "no")});
  const Item* moving[] = {&s[2]};
  const std::vector<semantics::LabelFollower> found = semantics::LabelsFollowing(moving, s.query);
  ASSERT_EQ(found.size(), 1u);
  const Scene now({Line({150, 50}, {150, 100}), Line({150, 100}, {400, 100}), Arrow({400, 100}, {400, 200})});
  const semantics::Connector c = *ConnectorOf(now[1], now.query);
  EXPECT_EQ(semantics::FollowConnectorLabel(GetParam().label, found[0], c), GetParam().expected);
  // As a drag step has it: the segments alone, no ends.
  semantics::Connector bare;
  bare.segments = c.segments;
  EXPECT_EQ(semantics::FollowConnectorLabel(GetParam().label, found[0], bare), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BranchFollowers,
    testing::Values(BranchCase{"BesideTheStart", {156, 54, 20, 13}, {156, 54, 20, 13}},
                    BranchCase{"BesideTheEnd", {306, 120, 20, 13}, {406, 170, 20, 13}}),
    [](const testing::TestParamInfo<BranchCase>& i) { return std::string(i.param.name); });

}  // namespace
