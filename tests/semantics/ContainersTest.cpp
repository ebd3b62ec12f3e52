#include <gtest/gtest.h>

#include "Containers.h"
#include "SemanticsTestSupport.h"

namespace {

using namespace semtest;

// What one container is expected to be: its frame, title, parent and members by id (0: none).
struct Expected {
  uint64_t frame, title, parent;
  std::vector<uint64_t> members;
};
struct ContainerCase {
  const char* name;
  std::vector<Item> items;
  std::vector<Expected> containers;
  std::vector<std::vector<uint64_t>> pools;  // lanes' frames in order; rows unless `columns`
  bool columns = false;
};
void PrintTo(const ContainerCase& c, std::ostream* os) { *os << c.name; }

Item Box(QRect r) { return Shape(ItemKind::Rectangle, r); }
Item Step(QRect r) { return Shape(ItemKind::Process, r); }

class ContainerRules : public testing::TestWithParam<ContainerCase> {};

TEST_P(ContainerRules, FramesTitlesMembersAndPools) {
  const Scene s(GetParam().items);
  const std::vector<semantics::Container> found = semantics::FindContainers(s.items, s.query);
  ASSERT_EQ(found.size(), GetParam().containers.size());
  for (size_t i = 0; i < found.size(); ++i) {
    const Expected& e = GetParam().containers[i];
    EXPECT_EQ(found[i].frame->id, e.frame);
    EXPECT_EQ(IdOf(found[i].title), e.title) << "container " << e.frame;
    EXPECT_EQ(IdOf(found[i].parent), e.parent) << "container " << e.frame;
    std::vector<uint64_t> members;
    for (const Item* m : found[i].members) members.push_back(m->id);
    EXPECT_EQ(members, e.members) << "container " << e.frame;
  }
  const std::vector<semantics::Pool> pools = semantics::FindPools(found);
  ASSERT_EQ(pools.size(), GetParam().pools.size());
  for (size_t i = 0; i < pools.size(); ++i) {
    EXPECT_EQ(pools[i].rows, !GetParam().columns);
    std::vector<uint64_t> lanes;
    for (const Item* l : pools[i].lanes) lanes.push_back(l->id);
    EXPECT_EQ(lanes, GetParam().pools[i]);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ContainerRules,
    testing::Values(
        ContainerCase{"TitledBoxAroundTwoSteps",
                      {Box({0, 0, 300, 200}), Text({10, 4, 120, 20}, "Sales"), Step({20, 50, 80, 40}),
                       Step({150, 50, 80, 40}), Text({25, 60, 70, 20}, "Order")},
                      {{1, 2, 0, {3, 4}}}, {}},
        ContainerCase{"TextLowInTheBoxIsNoTitle",
                      {Box({0, 0, 300, 200}), Step({20, 100, 80, 40}), Text({150, 31, 80, 20}, "low")},
                      {{1, 0, 0, {2}}}, {}},
        // A connector's label lower in the box, drawn after the title, leaves the title its own.
        ContainerCase{"ALaterLabelLowerDownKeepsTheTitle",
                      {Box({0, 0, 300, 200}), Text({10, 4, 120, 20}, "Sales"), Step({20, 100, 80, 40}),
                       Text({150, 120, 30, 20}, "yes")},
                      {{1, 2, 0, {3}}},
                      {}},
        ContainerCase{"TitleAtTheBandsEdge",
                      {Box({0, 0, 300, 200}), Step({20, 100, 80, 40}), Text({150, 30, 80, 20}, "edge")},
                      {{1, 3, 0, {2}}}, {}},
        // Beneath the rectangle's fill, or a pixel out: not enclosed.
        ContainerCase{"StepBelowTheBox", {Step({20, 50, 80, 40}), Box({0, 0, 300, 200})}, {}, {}},
        ContainerCase{"StepOnePixelOut", {Box({0, 0, 300, 200}), Step({230, 50, 71, 40})}, {}, {}},
        ContainerCase{"OnlyATitleIsEmpty", {Box({0, 0, 300, 200}), Text({10, 4, 120, 20}, "Empty")}, {}, {}},
        ContainerCase{"ProcessBoxesAreNoContainers", {Step({0, 0, 300, 200}), Step({20, 50, 80, 40})}, {}, {}},
        ContainerCase{"Nested",
                      {Box({0, 0, 400, 300}), Box({20, 40, 200, 150}), Step({40, 80, 80, 40}),
                       Step({260, 80, 80, 40})},
                      {{1, 0, 0, {2, 4}}, {2, 0, 1, {3}}}, {}},
        ContainerCase{"ThreeRowLanes",
                      {Box({0, 0, 600, 100}), Box({0, 100, 600, 100}), Box({0, 200, 600, 100}),
                       Step({100, 20, 80, 40}), Step({100, 120, 80, 40}), Step({300, 220, 80, 40})},
                      {{1, 0, 0, {4}}, {2, 0, 0, {5}}, {3, 0, 0, {6}}},
                      {{1, 2, 3}}},
        ContainerCase{"TwoColumnLanesDrawnRightFirst",
                      {Box({200, 0, 200, 400}), Box({0, 0, 200, 400}), Step({50, 50, 80, 40}),
                       Step({250, 50, 80, 40})},
                      {{1, 0, 0, {4}}, {2, 0, 0, {3}}},
                      {{2, 1}},
                      true},
        ContainerCase{"GapOrOtherLengthMakesNoPool",
                      {Box({0, 0, 600, 100}), Box({0, 105, 600, 100}), Box({0, 205, 500, 100}),
                       Step({100, 20, 80, 40}), Step({100, 120, 80, 40}), Step({100, 220, 80, 40})},
                      {{1, 0, 0, {4}}, {2, 0, 0, {5}}, {3, 0, 0, {6}}},
                      {}}));

}  // namespace
