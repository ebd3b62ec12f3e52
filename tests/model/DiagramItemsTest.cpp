// The diagram's figures as the meaning module reads them: described once, found through the index.
#include <gtest/gtest.h>

#include <memory>

#include "Diagram.h"
#include "DiagramItems.h"
#include "KDTools.h"
#include "ShapeText.h"
#include "TestSupport.h"

namespace {

template <typename T>
T* Add(Diagram& d, const QRect& box) {
  auto f = std::make_unique<T>();
  f->ApplyBounds(box.x(), box.y(), box.width(), box.height());
  return static_cast<T*>(d.Add(std::move(f)));
}

TEST(DiagramItems, AShapesTextIsFoundThroughTheDiagram) {
  Diagram diagram;
  auto* box = Add<TKDProcess>(diagram, QRect(100, 100, 120, 60));
  auto* text = Add<TKDLabel>(diagram, QRect(110, 120, 100, 20));
  text->SetCaption("Check");
  Add<TKDLabel>(diagram, QRect(300, 120, 100, 20));  // on no shape
  auto* arrow = Add<TKDArrow>(diagram, QRect(10, 10, 60, 30));
  arrow->SetArrowPosition(apBoth);
  DiagramItems items(diagram);
  const semantics::Item& shape = items.Of(box);
  EXPECT_EQ(shape.kind, semantics::ItemKind::Process);
  EXPECT_EQ(shape.stacking, 0);
  const semantics::Item* found = semantics::ShapeText(shape, items.Query());
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(items.FigureOf(*found), text);
  EXPECT_EQ(found->caption, "Check");
  EXPECT_EQ(items.Of(arrow).heads, apBoth);
  EXPECT_EQ(&items.Of(box), &shape) << "an item is described once";
  EXPECT_EQ(items.All().size(), 4u);
  testsupport::Flush();
}

}  // namespace
