// How far a start or end mark grows about its centre for its text: the inner box of its circle
// (a start mark's radius half the smaller side less 2, an end mark's ring 3 further in; the inner
// box's half side that radius over the square root of two, rounded, less 2) must reach a size
// the text needs.
#include <gtest/gtest.h>

#include "TextArea.h"

namespace {

using semantics::ItemKind;

struct GrowthCase {
  const char* name;
  ItemKind kind;
  QRect box;
  int needed;   // the text needs an inner box this wide and high
  int maxSide;
  QRect grown;
};
void PrintTo(const GrowthCase& c, std::ostream* os) { *os << c.name; }

class MarkGrowth : public testing::TestWithParam<GrowthCase> {};

TEST_P(MarkGrowth, TheLeastGrowthAboutTheCentreThatHoldsTheText) {
  const GrowthCase& c = GetParam();
  int asked = 0;
  const QRect grown = semantics::MarkBoxForText(
      c.kind, c.box,
      [&](const QRect& inner) {
        ++asked;
        return inner.width() >= c.needed && inner.height() >= c.needed;
      },
      c.maxSide);
  EXPECT_EQ(grown, c.grown);
  EXPECT_LE(asked, 40) << "a search, not a walk";
}

// 160 x 60: radius 28, inner 36. Inner 60 needs a radius of 45: 94 high (17 more each side).
// Inner 200 needs a radius of 144: 292 square, which would reach above the canvas (-16): it
// grows downward from the edge instead. The end mark 60 x 60 (inner 32) needs a ring of 31 for
// 40: 72 square. 61 x 40 (inner 22) needs a radius of 24 for 30: 52 high; its width stays.
const GrowthCase kGrowths[] = {
    {"FitsAsItIs", ItemKind::Start, {100, 100, 160, 60}, 36, 32768, {100, 100, 160, 60}},
    {"TallerAboutItsCentre", ItemKind::Start, {100, 100, 160, 60}, 60, 32768, {100, 83, 160, 94}},
    {"SquareAwayFromTheTopEdge", ItemKind::Start, {100, 100, 160, 60}, 200, 32768, {34, 0, 292, 292}},
    {"EndMarksInnerRing", ItemKind::End, {200, 200, 60, 60}, 40, 32768, {194, 194, 72, 72}},
    {"OddWidthKeepsItsCentre", ItemKind::Start, {10, 10, 61, 40}, 30, 32768, {10, 4, 61, 52}},
    {"NoLargerThanTheLimit", ItemKind::Start, {100, 100, 160, 60}, 200, 100, {100, 80, 160, 100}},
    {"OtherShapesKeepTheirBox", ItemKind::Process, {100, 100, 160, 60}, 200, 32768, {100, 100, 160, 60}},
};
INSTANTIATE_TEST_SUITE_P(Table, MarkGrowth, testing::ValuesIn(kGrowths),
                         [](const testing::TestParamInfo<GrowthCase>& i) { return std::string(i.param.name); });

}  // namespace
