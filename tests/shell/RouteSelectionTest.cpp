// An elbow route (lines ending in one arrow) is one thing: a press on any segment selects all of
// them as a group, which drags, deletes and undoes as one.
#include <QUndoStack>

#include "ChartFixture.h"

namespace {

class RouteSelection : public ChartFixture {
 protected:
  void SetUp() override {
    ChartFixture::SetUp();
    // From C's bottom corner (460, 310) down to (460, 380), then right to (600, 380).
    down2 = Add<TKDLine>(doc, {458, 310, 4, 70});
    down2->SetOrientation(adLeftToLeft);
    right = Add<TKDArrow>(doc, {460, 365, 140, 30});
    right->SetArrowDirection(adTopToTop);
    right->SetArrowPosition(apRight);
    testsupport::Flush();
  }
  std::vector<TCustomKDTool*> Selected() const {
    std::vector<TCustomKDTool*> s = doc->SelectedFigures();
    std::sort(s.begin(), s.end());
    return s;
  }
  std::vector<TCustomKDTool*> Route() const {
    std::vector<TCustomKDTool*> r{down2, right};
    std::sort(r.begin(), r.end());
    return r;
  }

  TKDLine* down2 = nullptr;
  TKDArrow* right = nullptr;
};

TEST_F(RouteSelection, APressOnAnySegmentSelectsTheWholeRoute) {
  for (const QPoint p : {QPoint(460, 345), QPoint(540, 380)}) {
    Click({700, 500});
    ClickWith(p, {});
    EXPECT_EQ(Selected(), Route()) << p.x() << "," << p.y();
  }
}

TEST_F(RouteSelection, AStraightArrowStaysASingleSelection) {
  ClickWith({300, 275}, {});
  EXPECT_EQ(doc->SelectedFigures(), std::vector<TCustomKDTool*>{across});
}

TEST_F(RouteSelection, WithTheSwitchOffOnlyTheSegmentIsSelected) {
  ConnectorOptions::Instance().SetKeepAttached(false);
  ClickWith({460, 345}, {});
  EXPECT_EQ(doc->SelectedFigures(), std::vector<TCustomKDTool*>{down2});
}

TEST_F(RouteSelection, TheRouteDragsAndDeletesAsOneStep) {
  const std::vector<uint8_t> before = SaveBytes(doc);
  const int steps = doc->UndoStack()->count();
  Drag({460, 345}, {480, 365});
  EXPECT_EQ(down2->BoundsRect(), QRect(478, 330, 4, 70));
  EXPECT_EQ(right->BoundsRect(), QRect(480, 385, 140, 30));
  EXPECT_EQ(doc->UndoStack()->count(), steps + 1);
  Key(Qt::Key_Delete);
  EXPECT_FALSE(Exists(down2));
  EXPECT_FALSE(Exists(right));
  EXPECT_EQ(doc->UndoStack()->count(), steps + 2);
  doc->Undo();
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
}

}  // namespace
