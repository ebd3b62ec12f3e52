// Where containers and lanes go, boxes worked out by hand.
#include <gtest/gtest.h>

#include <functional>

#include "ContainerGeometry.h"
#include "LaneGeometry.h"

namespace {

using namespace containers;
using Lanes = std::vector<QRect>;

struct BoxCase {
  const char* name;
  QRect got;
  QRect want;
};

TEST(ContainerGeometry, NewBoxesTitlesAndResizeLimits) {
  const BoxCase cases[] = {
      // 16 on every side, 24 more above for the title.
      {"around the units", Around({100, 100, 200, 50}), {84, 60, 232, 106}},
      {"empty, centred", EmptyAt({500, 400}), {380, 320, 240, 160}},
      {"title at the top-left", TitleBox({84, 60, 232, 106}, {80, 20}), {90, 64, 80, 20}},
      {"title no wider than the inside", TitleBox({0, 0, 50, 100}, {80, 20}), {6, 4, 38, 20}},
      // Members (50, 50)-(149, 79) with their margin reach (34, 34)-(165, 95).
      {"shrunk past a member: stops at it", ResizeLimit({0, 0, 100, 100}, {50, 50, 100, 30}), {0, 0, 166, 100}},
      {"moved off the members: grows back", ResizeLimit({200, 200, 50, 50}, {50, 50, 100, 30}), {34, 34, 216, 216}},
      {"holding them: as dragged", ResizeLimit({0, 0, 300, 300}, {50, 50, 100, 30}), {0, 0, 300, 300}},
      {"no members: as dragged", ResizeLimit({0, 0, 10, 10}, {}), {0, 0, 10, 10}},
  };
  for (const BoxCase& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
}

semantics::Item Rect(uint64_t id, QRect box, int stacking) {
  semantics::Item i;
  i.id = id;
  i.box = box;
  i.stacking = stacking;
  return i;
}

// An empty container goes to the free place nearest the point, on the grid, 16 clear of every
// figure. A 100 x 100 shape at (450, 350) reaches (550, 450) with its edges: below it the
// container's top must be past 450 + 16, so 470 on a grid of 10 (150 down, nearer than 150 up,
// found first, or 190 right); on a grid of 25 the corner (375, 325) goes 6 steps down to 475.
TEST(ContainerGeometry, AnEmptyContainerCoversNoFigure) {
  const std::vector<semantics::Item> none, shape{Rect(1, {450, 350, 100, 100}, 0)};
  const struct {
    const char* name;
    QPoint centre;
    const std::vector<semantics::Item>& figures;
    int grid;
    QRect want;
  } cases[] = {
      {"nothing drawn: centred, on the grid", {505, 403}, none, 10, {390, 320, 240, 160}},
      {"a shape at the centre: below it", {500, 400}, shape, 10, {380, 470, 240, 160}},
      {"a coarser grid", {500, 400}, shape, 25, {375, 475, 240, 160}},
      {"near the corner: never above or left of it", {50, 50}, none, 10, {0, 0, 240, 160}},
  };
  for (const auto& c : cases) EXPECT_EQ(EmptyNear(c.centre, c.figures, c.grid), c.want) << c.name;
}

TEST(ContainerGeometry, ADroppedShapeLiesInTheInnermostRectangleHoldingIt) {
  // Outer 1 holds inner 2 (nested); 3 is a process box lying beside them.
  std::vector<semantics::Item> items{Rect(1, {0, 0, 400, 300}, 0), Rect(2, {20, 40, 200, 150}, 1),
                                     Rect(3, {600, 0, 50, 50}, 2)};
  items[2].kind = semantics::ItemKind::Process;
  struct Case {
    const char* name;
    QRect box;
    int stacking;
    std::unordered_set<uint64_t> moving;
    uint64_t want;  // 0: none
  } cases[] = {
      {"in the nested one", {50, 60, 80, 40}, 5, {}, 2},
      {"beside it, in the outer", {250, 60, 80, 40}, 5, {}, 1},
      {"beneath the rectangle still in it", {50, 60, 80, 40}, -1, {}, 2},
      {"partly out: dragged out", {350, 250, 80, 80}, 5, {}, 0},
      {"not into what moves with it", {50, 60, 80, 40}, 5, {2}, 1},
      {"a box as large as a rectangle is not in it", {20, 40, 200, 150}, 5, {}, 1},
      {"not in a process box", {610, 10, 20, 20}, 5, {}, 0},
  };
  for (const Case& c : cases) {
    semantics::Item shape = Rect(99, c.box, c.stacking);
    shape.kind = semantics::ItemKind::Process;
    const semantics::Item* got = DropInto(items, shape, c.moving);
    EXPECT_EQ(got ? got->id : 0, c.want) << c.name;
  }
}

struct LaneCase {
  const char* name;
  bool rows;
  Lanes lanes;
  std::function<Lanes(const Lanes&, bool)> edit;
  Lanes want;
};
void PrintTo(const LaneCase& c, std::ostream* os) { *os << c.name; }

const Lanes kRows{{0, 0, 600, 100}, {0, 100, 600, 150}, {0, 250, 600, 100}};
const Lanes kColumns{{0, 0, 100, 600}, {100, 0, 150, 600}};

class LaneEdits : public testing::TestWithParam<LaneCase> {};

TEST_P(LaneEdits, GiveEveryLanesNewBox) {
  const LaneCase& c = GetParam();
  EXPECT_EQ(c.edit(c.lanes, c.rows), c.want);
}

INSTANTIATE_TEST_SUITE_P(
    Pools, LaneEdits,
    testing::Values(
        LaneCase{"NewRows", true, {}, [](const Lanes&, bool r) { return NewPool({500, 400}, 3, r); },
                 {{180, 175, 640, 150}, {180, 325, 640, 150}, {180, 475, 640, 150}}},
        LaneCase{"NewColumns", false, {}, [](const Lanes&, bool r) { return NewPool({500, 400}, 2, r); },
                 {{350, 80, 150, 640}, {500, 80, 150, 640}}},
        LaneCase{"NewAtLeastTwo", true, {}, [](const Lanes&, bool r) { return NewPool({320, 150}, 1, r); },
                 {{0, 0, 640, 150}, {0, 150, 640, 150}}},
        LaneCase{"AddRow", true, kRows, [](const Lanes& l, bool r) { return WithLaneAdded(l, r); },
                 {{0, 0, 600, 100}, {0, 100, 600, 150}, {0, 250, 600, 100}, {0, 350, 600, 100}}},
        LaneCase{"AddColumn", false, kColumns, [](const Lanes& l, bool r) { return WithLaneAdded(l, r); },
                 {{0, 0, 100, 600}, {100, 0, 150, 600}, {250, 0, 150, 600}}},
        LaneCase{"RemoveMiddle", true, kRows, [](const Lanes& l, bool r) { return WithLaneRemoved(l, 1, r); },
                 {{0, 0, 600, 100}, {0, 100, 600, 100}}},
        LaneCase{"RemoveFirstColumn", false, kColumns, [](const Lanes& l, bool r) { return WithLaneRemoved(l, 0, r); },
                 {{0, 0, 150, 600}}},
        LaneCase{"LastUp", true, kRows, [](const Lanes& l, bool r) { return Reordered(l, 2, 1, r); },
                 {{0, 0, 600, 100}, {0, 200, 600, 150}, {0, 100, 600, 100}}},
        LaneCase{"FirstToTheEnd", true, kRows, [](const Lanes& l, bool r) { return Reordered(l, 0, 2, r); },
                 {{0, 250, 600, 100}, {0, 0, 600, 150}, {0, 150, 600, 100}}},
        LaneCase{"ColumnRight", false, kColumns, [](const Lanes& l, bool r) { return Reordered(l, 0, 1, r); },
                 {{150, 0, 100, 600}, {0, 0, 150, 600}}},
        LaneCase{"LongerAndBroader", true, kRows,
                 [](const Lanes& l, bool r) { return Resized(l, 1, {0, 100, 700, 200}, r); },
                 {{0, 0, 700, 100}, {0, 100, 700, 200}, {0, 300, 700, 100}}},
        LaneCase{"NearEdgeOut", true, kRows,
                 [](const Lanes& l, bool r) { return Resized(l, 1, {-50, 80, 600, 170}, r); },
                 {{-50, -20, 600, 100}, {-50, 80, 600, 170}, {-50, 250, 600, 100}}},
        // The step reaches (649, 339): with its margin (665, 355).
        LaneCase{"FitPastTheEnd", true, kRows,
                 [](const Lanes& l, bool r) { return Fitted(l, 2, {500, 300, 150, 40}, r); },
                 {{0, 0, 666, 100}, {0, 100, 666, 150}, {0, 250, 666, 106}}},
        LaneCase{"FitPushesTheNext", true, kRows,
                 [](const Lanes& l, bool r) { return Fitted(l, 0, {100, 80, 100, 40}, r); },
                 {{0, 0, 600, 136}, {0, 136, 600, 150}, {0, 286, 600, 100}}},
        LaneCase{"FitHeldAlready", true, kRows,
                 [](const Lanes& l, bool r) { return Fitted(l, 1, {100, 120, 100, 40}, r); }, kRows},
        LaneCase{"FitColumn", false, kColumns,
                 [](const Lanes& l, bool r) { return Fitted(l, 1, {200, 100, 80, 40}, r); },
                 {{0, 0, 100, 600}, {100, 0, 196, 600}}}),
    [](const testing::TestParamInfo<LaneCase>& i) { return std::string(i.param.name); });

TEST(LaneGeometry, WhichLaneAndHowFarItsStepsMove) {
  EXPECT_EQ(LaneAt(kRows, {100, 180, 60, 40}), 1);
  EXPECT_EQ(LaneAt(kRows, {100, 320, 60, 40}), 2);  // partly beyond, centre inside
  EXPECT_EQ(LaneAt(kRows, {700, 180, 60, 40}), -1);
  EXPECT_EQ(ContentShift({0, 100, 600, 150}, {0, 200, 600, 150}, true), QPoint(0, 100));
  EXPECT_EQ(ContentShift({0, 100, 600, 150}, {-50, 100, 700, 150}, true), QPoint(0, 0));
  EXPECT_EQ(ContentShift({0, 100, 600, 150}, {0, 80, 600, 170}, true), QPoint(0, 0));
  EXPECT_EQ(ContentShift({100, 0, 150, 600}, {300, 0, 150, 600}, false), QPoint(200, 0));
}

}  // namespace
