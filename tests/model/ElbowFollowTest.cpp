// An elbow chain of three segments from box A (100, 100, 100 x 50) to box B (400, 300, 100 x 50),
// A's right middle (200, 125) over (300, 125) and (300, 325) into B's left middle (400, 325),
// following B as it moves, on the model alone. Where the new route needs fewer runs than the
// chain has segments, the runs are cut (the longest in half, the first of equal ones) so that
// the chain stays square and joined; routes worked out by hand.
#include <gtest/gtest.h>

#include <memory>

#include "ConnectorFollowing.h"
#include "ConnectorGeometry.h"
#include "Diagram.h"
#include "KDTools.h"
#include "TestSupport.h"

namespace {

using Run = std::pair<QPoint, QPoint>;

struct MoveCase {
  const char* name;
  QPoint bTo;
  std::vector<Run> runs;  // the chain's segments after the move, source first
};
void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

class ElbowFollow : public testing::TestWithParam<MoveCase> {
 protected:
  void SetUp() override { RegisterFigureClasses(); }
  void TearDown() override { testsupport::Flush(); }
  template <typename T>
  T* Add(const QRect& box) {
    auto f = std::make_unique<T>();
    f->ApplyBounds(box.x(), box.y(), box.width(), box.height());
    return static_cast<T*>(diagram.Add(std::move(f)));
  }
  Diagram diagram;
};

TEST_P(ElbowFollow, ChainStaysSquare) {
  Add<TKDRectangle>({100, 100, 100, 50});
  auto* b = Add<TKDRectangle>({400, 300, 100, 50});
  auto* first = Add<TKDLine>({200, 123, 100, 4});
  first->SetOrientation(adTopToTop);
  auto* second = Add<TKDLine>({298, 125, 4, 200});
  second->SetOrientation(adLeftToLeft);
  auto* arrow = Add<TKDArrow>({300, 310, 100, 30});
  arrow->SetArrowDirection(adTopToTop);
  arrow->SetArrowPosition(apRight);
  const std::unique_ptr<ConnectorFollowing> following = ConnectorFollowing::Find(diagram, {b});
  ASSERT_TRUE(following);
  b->ApplyBounds(GetParam().bTo.x(), GetParam().bTo.y(), 100, 50);
  following->Step();
  const TCustomKDTool* chain[] = {first, second, arrow};
  for (size_t i = 0; i < 3; ++i) {
    const FollowerShape s = ShapeOf(*chain[i]);
    const connectors::Ends e = connectors::EndsOf(s.box, s.direction);
    EXPECT_EQ(e.start, GetParam().runs[i].first) << i;
    EXPECT_EQ(e.end, GetParam().runs[i].second) << i;
  }
  EXPECT_TRUE(connectors::HeadAtEnd(arrow->ArrowPosition()));
}

// Ends as a course gives them: the left end, the top end of a vertical run, first.
INSTANTIATE_TEST_SUITE_P(
    Table, ElbowFollow,
    testing::Values(
        // Up beside A: one straight run, cut into 100 + 100 and the first half again.
        MoveCase{"StraightAcross", {400, 100}, {{{200, 125}, {250, 125}}, {{250, 125}, {300, 125}}, {{300, 125}, {400, 125}}}},
        // Down and right by 40: still three runs, the middle one halfway across the gap.
        MoveCase{"ZStillZ", {440, 340}, {{{200, 125}, {320, 125}}, {{320, 125}, {320, 365}}, {{320, 365}, {440, 365}}}}),
    [](const testing::TestParamInfo<MoveCase>& i) { return std::string(i.param.name); });

}  // namespace
