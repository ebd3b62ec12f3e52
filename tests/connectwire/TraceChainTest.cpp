// Elbow connectors found from geometry alone: lines and one arrow meeting end to end between two
// closed shapes, over plain figure records.
#include <gtest/gtest.h>

#include "ElbowChains.h"
#include "RouteFigures.h"

namespace {

using namespace connectors;

// Box A (100, 200, 120, 60), box B (400, 400, 120, 60); ids are small numbers.
FigureId Id(int n) { return reinterpret_cast<FigureId>(static_cast<uintptr_t>(n)); }
const Figure kA{Id(1), FigureKind::Box, {100, 200, 120, 60}};
const Figure kB{Id(2), FigureKind::Box, {400, 400, 120, 60}};

Figure Run(int id, FigureKind kind, QPoint a, QPoint b) {
  Figure f = RunFigure(kind, a, b, kind == FigureKind::Arrow ? 30 : 4);
  f.id = Id(id);
  return f;
}

FigureQuery Over(const std::vector<Figure>& figures) {
  return [figures](const QRect& area, std::vector<Figure>& out) {
    for (const Figure& f : figures)
      if (f.box.adjusted(0, 0, 1, 1).intersects(area)) out.push_back(f);
  };
}

struct ChainCase {
  const char* name;
  std::vector<Figure> connectors;  // the first is where the search starts, at its end on A or B
  QPoint attached;
  std::vector<int> chain;  // ids, source first; empty: no chain
  int source = 0, target = 0;
};
void PrintTo(const ChainCase& c, std::ostream* os) { *os << c.name; }

class TraceChainTest : public testing::TestWithParam<ChainCase> {};

const QPoint kFromA(220, 230), kBend(460, 230), kIntoB(460, 400);
// Box C above the bend, box D right of it.
const Figure kC{Id(3), FigureKind::Box, {400, 100, 120, 60}};
const Figure kD{Id(4), FigureKind::Box, {600, 200, 120, 60}};
const QPoint kIntoC(460, 160), kIntoD(600, 230);

const ChainCase kChains[] = {
    {"LineThenArrow", {Run(10, FigureKind::Line, kFromA, kBend), Run(11, FigureKind::Arrow, kBend, kIntoB)}, kFromA, {10, 11}, 1, 2},
    // Found from the arrow's end: given from A all the same.
    {"FromTheArrow", {Run(11, FigureKind::Arrow, kBend, kIntoB), Run(10, FigureKind::Line, kFromA, kBend)}, kIntoB, {10, 11}, 1, 2},
    {"ThreeRuns",
     {Run(10, FigureKind::Line, kFromA, {300, 230}), Run(11, FigureKind::Line, {300, 230}, {300, 430}),
      Run(12, FigureKind::Arrow, {300, 430}, {400, 430})},
     kFromA, {10, 11, 12}, 1, 2},
    // The arrow heads away from B: no connector into either.
    {"HeadAtTheBend", {Run(10, FigureKind::Line, kFromA, kBend), Run(11, FigureKind::Arrow, kIntoB, kBend)}, kFromA, {}},
    {"LinesOnly", {Run(10, FigureKind::Line, kFromA, kBend), Run(11, FigureKind::Line, kBend, kIntoB)}, kFromA, {}},
    {"LooseEnd", {Run(10, FigureKind::Line, kFromA, kBend), Run(11, FigureKind::Arrow, kBend, {460, 350})}, kFromA, {}},
    // Of the two ways on, only the arrow reaches a shape.
    {"Fork",
     {Run(10, FigureKind::Line, kFromA, kBend), Run(12, FigureKind::Line, kBend, {600, 230}), Run(11, FigureKind::Arrow, kBend, kIntoB)},
     kFromA, {10, 11}, 1, 2},
    // Both ways on turn into a shape: which one the line leads into cannot be told.
    {"ForkAmbiguous",
     {Run(10, FigureKind::Line, kFromA, kBend), Run(11, FigureKind::Arrow, kBend, kIntoB), kC,
      Run(12, FigureKind::Arrow, kBend, kIntoC)},
     kFromA, {}},
    // A -> D across and C -> B down, crossing where both have a joint: each keeps its course.
    {"CrossingAtJoints",
     {Run(10, FigureKind::Line, kFromA, kBend), Run(11, FigureKind::Arrow, kBend, kIntoD), kC, kD,
      Run(12, FigureKind::Line, kIntoC, kBend), Run(13, FigureKind::Arrow, kBend, kIntoB)},
     kFromA, {10, 11}, 1, 4},
    // A line from C ending at the joint of A -> D: the route is whole, the line leads nowhere.
    {"RunPastAnEndRoute",
     {Run(10, FigureKind::Line, kFromA, kBend), Run(11, FigureKind::Arrow, kBend, kIntoD), kC, kD,
      Run(12, FigureKind::Line, kIntoC, kBend)},
     kFromA, {10, 11}, 1, 4},
    {"RunPastAnEndStub",
     {Run(12, FigureKind::Line, kIntoC, kBend), Run(10, FigureKind::Line, kFromA, kBend), kC, kD,
      Run(11, FigureKind::Arrow, kBend, kIntoD)},
     kIntoC, {}},
    // Ends drawn by hand 2 pixels apart meet; 4 pixels apart they do not.
    {"NearlyMeet", {Run(10, FigureKind::Line, kFromA, kBend), Run(11, FigureKind::Arrow, {462, 232}, kIntoB)}, kFromA, {10, 11}, 1, 2},
    {"Gap", {Run(10, FigureKind::Line, kFromA, kBend), Run(11, FigureKind::Arrow, {464, 230}, kIntoB)}, kFromA, {}},
    // A straight arrow from A to B with another arrow into the same point of B is no chain.
    {"TwoArrowsIntoOnePoint",
     {Run(10, FigureKind::Arrow, {460, 300}, kIntoB), Run(11, FigureKind::Arrow, {600, 400}, kIntoB)}, {460, 300}, {}},
    // Runs drawn askew by hand join as well.
    {"Askew", {Run(10, FigureKind::Line, kFromA, {300, 300}), Run(11, FigureKind::Arrow, {300, 300}, kIntoB)}, kFromA, {10, 11}, 1, 2},
};

TEST_P(TraceChainTest, Finds) {
  const ChainCase& c = GetParam();
  std::vector<Figure> all = {kA, kB};
  all.insert(all.end(), c.connectors.begin(), c.connectors.end());
  const std::optional<ElbowChain> chain = TraceChain(c.connectors.front(), c.attached, Over(all));
  if (c.chain.empty()) {
    EXPECT_FALSE(chain.has_value());
    return;
  }
  ASSERT_TRUE(chain.has_value());
  std::vector<int> ids;
  for (const Figure& f : chain->segments) ids.push_back(static_cast<int>(reinterpret_cast<uintptr_t>(f.id)));
  EXPECT_EQ(ids, c.chain);
  EXPECT_EQ(chain->source.id, Id(c.source));
  EXPECT_EQ(chain->target.id, Id(c.target));
}

INSTANTIATE_TEST_SUITE_P(Geometry, TraceChainTest, testing::ValuesIn(kChains),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NearestSideTest, PicksTheSideOfThePoint) {
  // Midpoints: top (160, 200), right (220, 230), bottom (160, 260), left (100, 230).
  EXPECT_EQ(NearestSide(kA, {160, 198}), Side::Top);
  EXPECT_EQ(NearestSide(kA, {221, 240}), Side::Right);
  EXPECT_EQ(NearestSide(kA, {150, 262}), Side::Bottom);
  EXPECT_EQ(NearestSide(kA, {100, 215}), Side::Left);
}

}  // namespace
