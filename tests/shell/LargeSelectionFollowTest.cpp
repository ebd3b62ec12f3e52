// A connector's label follows its connector the same way whether a few figures move or many (a
// large selection takes a quicker search that must find the same followers).
#include "ChartFixture.h"

namespace {

struct FollowCase {
  const char* name;
  bool arrowMoves;  // the arrow between A and B is selected too
};

class LargeSelectionFollow : public ChartFixture, public testing::WithParamInterface<FollowCase> {
 protected:
  // The label's box after a nudge down of A (and the arrow), with `padding` more figures far away
  // in the selection.
  QRect LabelAfterNudge(int padding) {
    std::vector<TCustomKDTool*> selection{A};
    if (GetParam().arrowMoves) selection.push_back(down);
    std::vector<TCustomKDTool*> extra;
    for (int i = 0; i < padding; ++i)
      extra.push_back(Add<TKDRectangle>(doc, {2000 + (i % 50) * 30, 2000 + (i / 50) * 30, 20, 20}));
    selection.insert(selection.end(), extra.begin(), extra.end());
    testsupport::Flush();
    doc->SelectGroup(selection);
    testsupport::Flush();
    Key(Qt::Key_Down);
    const QRect box = yes->BoundsRect();
    doc->Undo();
    return box;
  }
};

TEST_P(LargeSelectionFollow, ManyMovingFiguresGiveTheSameLabelPlace) {
  const QRect start = yes->BoundsRect();
  const QRect few = LabelAfterNudge(0);
  EXPECT_EQ(yes->BoundsRect(), start);
  EXPECT_EQ(few != start, !GetParam().arrowMoves) << "the label follows only an arrow that stays";
  EXPECT_EQ(LabelAfterNudge(2500), few);
}

INSTANTIATE_TEST_SUITE_P(Cases, LargeSelectionFollow,
                         testing::Values(FollowCase{"ArrowStays", false}, FollowCase{"ArrowMoves", true}),
                         [](const testing::TestParamInfo<FollowCase>& i) { return std::string(i.param.name); });

}  // namespace
