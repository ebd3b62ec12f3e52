// Reading a drawing back: a connector reads as its edge only when the meaning module finds
// exactly those segments between exactly those shapes, the right way round, with the label.
#include <gtest/gtest.h>

#include "ChartSupport.h"
#include "ConnectorPlanner.h"
#include "ReadBack.h"

namespace {

using flowchart::ExpectedEdge;
using flowchart::FigurePlan;
using semantics::ItemKind;

FigurePlan Box(QRect box) {
  FigurePlan p;
  p.kind = ItemKind::Rectangle;
  p.box = box;
  return p;
}

FigurePlan Label(QRect box, std::string text) {
  FigurePlan p;
  p.kind = ItemKind::Label;
  p.box = box;
  p.caption = std::move(text);
  return p;
}

// Ids: 1 A (0, 0, 100, 50), 2 B (0, 150, 100, 50), 3 C (300, 150, 100, 50), then the segments.
std::vector<FigurePlan> Shapes() { return {Box({0, 0, 100, 50}), Box({0, 150, 100, 50}), Box({300, 150, 100, 50})}; }

void Append(std::vector<FigurePlan>& plans, const std::vector<FigurePlan>& more) {
  plans.insert(plans.end(), more.begin(), more.end());
}

TEST(ReadBack, AStraightArrowReadsOnlyTheWayItPoints) {
  std::vector<FigurePlan> plans = Shapes();
  Append(plans, flowchart::RouteSegments({{50, 50}, {50, 150}}, {}, true));  // id 4, head at B
  const auto items = charttest::ItemsOf(plans);
  EXPECT_TRUE(flowchart::EdgesNotReadBack(items, {ExpectedEdge{1, 2, true, {4}, {}}}).empty());
  EXPECT_EQ(flowchart::EdgesNotReadBack(items, {ExpectedEdge{2, 1, true, {4}, {}}}), std::vector<size_t>{0});
  EXPECT_EQ(flowchart::EdgesNotReadBack(items, {ExpectedEdge{1, 3, true, {4}, {}}}), std::vector<size_t>{0});
}

TEST(ReadBack, ALineReadsEitherWayButNotAsAnArrow) {
  std::vector<FigurePlan> plans = Shapes();
  Append(plans, flowchart::RouteSegments({{50, 50}, {50, 150}}, {}, false));
  const auto items = charttest::ItemsOf(plans);
  EXPECT_TRUE(flowchart::EdgesNotReadBack(items, {ExpectedEdge{2, 1, false, {4}, {}}}).empty());
  EXPECT_EQ(flowchart::EdgesNotReadBack(items, {ExpectedEdge{1, 2, true, {4}, {}}}), std::vector<size_t>{0});
}

// Two routes out of A's bottom share their first run: its end is a branch, and neither reads.
TEST(ReadBack, RoutesSharingARunReadAsNeither) {
  std::vector<FigurePlan> plans = Shapes();
  Append(plans, flowchart::RouteSegments({{50, 50}, {50, 100}, {20, 100}, {20, 150}}, {}, true));  // 4, 5, 6
  Append(plans, flowchart::RouteSegments({{50, 50}, {50, 100}, {350, 100}, {350, 150}}, {}, true));  // 7, 8, 9
  const auto items = charttest::ItemsOf(plans);
  EXPECT_EQ(flowchart::EdgesNotReadBack(items, {ExpectedEdge{1, 2, true, {4, 5, 6}, {}},
                                                ExpectedEdge{1, 3, true, {7, 8, 9}, {}}}),
            (std::vector<size_t>{0, 1}));
  // Apart, from A's bottom and from its right side, both read.
  std::vector<FigurePlan> apart = Shapes();
  Append(apart, flowchart::RouteSegments({{50, 50}, {50, 100}, {20, 100}, {20, 150}}, {}, true));
  Append(apart, flowchart::RouteSegments({{100, 25}, {350, 25}, {350, 150}}, {}, true));  // 7, 8
  EXPECT_TRUE(flowchart::EdgesNotReadBack(charttest::ItemsOf(apart), {ExpectedEdge{1, 2, true, {4, 5, 6}, {}},
                                                                      ExpectedEdge{1, 3, true, {7, 8}, {}}})
                  .empty());
}

// The label beside the middle reads; the same label 30 pixels off is nobody's.
TEST(ReadBack, TheLabelMustBeTheConnectors) {
  for (const auto& [offset, reads] : {std::pair{0, true}, std::pair{30, false}}) {
    std::vector<FigurePlan> plans = Shapes();
    Append(plans, flowchart::RouteSegments({{50, 50}, {50, 150}}, {}, true));
    plans.push_back(Label(QRect(54 + offset, 93, 30, 14), "yes"));
    const auto missing = flowchart::EdgesNotReadBack(charttest::ItemsOf(plans), {ExpectedEdge{1, 2, true, {4}, "yes"}});
    EXPECT_EQ(missing.empty(), reads) << offset;
  }
}

}  // namespace
