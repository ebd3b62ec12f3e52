// Insert > Container with nothing selected, over a diagram whose figures lie in the middle of the
// view: the empty container covers none of them, so none becomes its member.
#include "ContainerFixture.h"
#include "ContainerScan.h"
#include "Diagram.h"
#include "TScrollBox.h"

namespace {

class ContainerInsert : public ContainerFixture {};

TEST_F(ContainerInsert, AnEmptyOneCoversNoFigureInTheView) {
  QWidget* view = doc->scbKedrin->viewport();
  const QPoint c = doc->Surface()->mapFrom(view, view->rect().center());
  // A shape on the view's centre, its text, and an arrow from it to the right.
  auto* shape = Add<TKDProcess>(doc, {c.x() - 60, c.y() - 25, 120, 50});
  Add<TKDLabel>(doc, {c.x() - 50, c.y() - 10, 100, 20})->SetCaption("Step");
  Add<TKDArrow>(doc, {c.x() + 60, c.y() - 5, 150, 10})->SetArrowDirection(adTopToTop);
  testsupport::Flush();
  const std::vector<TCustomKDTool*> before = doc->Figures();
  focus::SetFocus(doc->Surface());
  Trigger("InsertContainer1");
  const std::vector<TCustomKDTool*> after = doc->Figures();
  ASSERT_EQ(after.size(), before.size() + 1);
  TCustomKDTool* box = nullptr;
  for (TCustomKDTool* f : after)
    if (std::find(before.begin(), before.end(), f) == before.end()) box = f;
  ASSERT_TRUE(box);
  const QRect placed = box->BoundsRect();
  EXPECT_EQ(placed.size(), QSize(240, 160));
  EXPECT_EQ(placed.x() % 10, 0);
  EXPECT_EQ(placed.y() % 10, 0);
  for (TCustomKDTool* f : before) EXPECT_FALSE(placed.intersects(f->BoundsRect())) << f->BoundsRect().x();
  ContainerScan scan(doc->FigureSet());
  EXPECT_EQ(semantics::ContainerOf(*scan.Find(shape->FigureId), scan.Containers()), nullptr);
}

}  // namespace
