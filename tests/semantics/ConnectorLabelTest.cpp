#include <gtest/gtest.h>

#include "ConnectorLabel.h"
#include "DiagramGraph.h"
#include "SemanticsTestSupport.h"

namespace {

using namespace semtest;
using semantics::ConnectorLabel;
using semantics::ConnectorOf;

const Item kA = Shape(ItemKind::Rectangle, {0, 0, 100, 50});
const Item kB = Shape(ItemKind::Rectangle, {150, 200, 100, 50});

// A (1) and B (2), a route of segments from 3, the label last.
struct LabelCase {
  const char* name;
  std::vector<Item> route;
  QRect label;
  bool found;
};
void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.name; }

// Middle segment (50, 120)-(200, 120), its middle (125, 120).
const std::vector<Item> kThree = {Line({50, 50}, {50, 120}), Line({50, 120}, {200, 120}), Arrow({200, 120}, {200, 200})};
// Of two, the longer: the arrow (200, 25)-(200, 200), its middle (200, 112.5).
const std::vector<Item> kTwo = {Line({100, 25}, {200, 25}), Arrow({200, 25}, {200, 200})};

class Labels : public testing::TestWithParam<LabelCase> {};

TEST_P(Labels, NearAnyOfItsSegments) {
  std::vector<Item> items = {kA, kB};
  items.insert(items.end(), GetParam().route.begin(), GetParam().route.end());
  items.push_back(Text(GetParam().label, "yes"));
  const Scene s(items);
  const uint64_t label = items.size();
  for (uint64_t segment = 3; segment < label; ++segment) {
    const std::optional<semantics::Connector> c = ConnectorOf(s[segment], s.query);
    ASSERT_TRUE(c);
    EXPECT_EQ(IdOf(ConnectorLabel(*c, s.query)), GetParam().found ? label : 0) << "asked at " << segment;
  }
  const graph::Graph g = semantics::FindGraph(s.items, s.query);
  ASSERT_EQ(g.edges.size(), 1u);
  EXPECT_EQ(g.edges[0].label, GetParam().found ? "yes" : "");
  std::vector<uint64_t> figures;
  for (uint64_t id = 3; id < label; ++id) figures.push_back(id);
  if (GetParam().found) figures.push_back(label);
  EXPECT_EQ(g.edges[0].figures, figures);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Labels,
    testing::Values(LabelCase{"FourAbove", kThree, {110, 100, 30, 16}, true},
                    LabelCase{"TwentyAbove", kThree, {110, 84, 30, 16}, true},
                    LabelCase{"TwentyOneAbove", kThree, {110, 83, 30, 16}, false},
                    LabelCase{"OverTheMiddle", kThree, {115, 110, 20, 20}, true},
                    // A branch's label beside its start or its end belongs to it too.
                    LabelCase{"BesideTheLastSegment", kThree, {210, 150, 30, 16}, true},
                    LabelCase{"BesideTheFirstSegment", kThree, {60, 75, 30, 16}, true},
                    LabelCase{"TwentyOneLeftOfTheFirstSegment", kThree, {-1, 75, 30, 16}, false},
                    LabelCase{"BesideTheLongerOfTwo", kTwo, {210, 105, 30, 16}, true},
                    LabelCase{"BesideTheShorterOfTwo", kTwo, {140, 30, 20, 16}, true}),
    [](const testing::TestParamInfo<LabelCase>& info) { return std::string(info.param.name); });

// A box's text 5 pixels above a short arrow's middle stays the box's.
TEST(Labels, AShapesTextIsNoConnectorLabel) {
  const Scene s({kA, Text({10, 25, 80, 20}, "Box"), Shape(ItemKind::Rectangle, {0, 70, 100, 50}),
                 Arrow({50, 50}, {50, 70})});
  const graph::Graph g = semantics::FindGraph(s.items, s.query);
  ASSERT_EQ(g.edges.size(), 1u);
  EXPECT_EQ(g.edges[0].label, "");
  EXPECT_EQ(g.nodes[0].text, "Box");
  EXPECT_EQ(ConnectorLabel(*ConnectorOf(s[4], s.query), s.query), nullptr);
}

// Two arrows from box T (50, -50, 150 x 50) down to box U (50, 100, 150 x 50), at x 100 and 140;
// their middles are (100, 50) and (140, 50). A label goes to the nearer, at equal distance to the
// upper one, and each arrow keeps only its nearest label.
struct SharedCase {
  const char* name;
  std::vector<QRect> labels;        // items 5, 6, ...
  uint64_t first, second;           // the arrows' labels
};
void PrintTo(const SharedCase& c, std::ostream* os) { *os << c.name; }

class SharedLabels : public testing::TestWithParam<SharedCase> {};

TEST_P(SharedLabels, EachLabelOnceToTheNearest) {
  std::vector<Item> items = {Shape(ItemKind::Process, {50, -50, 150, 50}), Shape(ItemKind::Process, {50, 100, 150, 50}),
                             Arrow({100, 0}, {100, 100}), Arrow({140, 0}, {140, 100})};
  for (const QRect& r : GetParam().labels) items.push_back(Text(r, std::to_string(items.size() + 1)));
  const Scene s(items);
  EXPECT_EQ(IdOf(ConnectorLabel(*ConnectorOf(s[3], s.query), s.query)), GetParam().first);
  EXPECT_EQ(IdOf(ConnectorLabel(*ConnectorOf(s[4], s.query), s.query)), GetParam().second);
  const graph::Graph g = semantics::FindGraph(s.items, s.query);
  ASSERT_EQ(g.edges.size(), 2u);
  EXPECT_EQ(g.edges[0].label, GetParam().first ? std::to_string(GetParam().first) : "");
  EXPECT_EQ(g.edges[1].label, GetParam().second ? std::to_string(GetParam().second) : "");
}

INSTANTIATE_TEST_SUITE_P(
    Table, SharedLabels,
    testing::Values(SharedCase{"NearerTheFirst", {{110, 42, 10, 16}}, 5, 0},
                    SharedCase{"EquallyNearGoesToTheUpper", {{115, 42, 10, 16}}, 0, 5},
                    SharedCase{"OnePerArrow", {{104, 42, 10, 16}, {126, 42, 10, 16}}, 5, 6},
                    SharedCase{"NearestOfTwoForOneArrow", {{108, 42, 10, 16}, {103, 42, 10, 16}}, 6, 0},
                    SharedCase{"NearestOfTwoListedFirst", {{103, 42, 10, 16}, {108, 42, 10, 16}}, 5, 0}),
    [](const testing::TestParamInfo<SharedCase>& info) { return std::string(info.param.name); });

}  // namespace
