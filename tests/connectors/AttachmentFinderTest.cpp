#include <gtest/gtest.h>

#include <algorithm>

#include "AttachmentFinder.h"
#include "Printers.h"

using namespace connectors;

namespace {

FigureId Id(intptr_t n) { return reinterpret_cast<FigureId>(n); }

// A diagram as a list in stacking order (the index is the stacking), queried by box overlap.
struct Diagram {
  std::vector<Figure> figures;
  int queries = 0;

  FigureId Add(FigureKind kind, QRect box, TArrowDirection d = adTopToBottom, TArrowPosition heads = apRight) {
    const int n = static_cast<int>(figures.size());
    figures.push_back(Figure{Id(n + 1), kind, box, d, heads, n});
    return figures.back().id;
  }
  const Figure& Get(FigureId id) const { return figures[reinterpret_cast<intptr_t>(id) - 1]; }
  std::vector<Figure> Of(std::initializer_list<FigureId> ids) const {
    std::vector<Figure> out;
    for (FigureId id : ids) out.push_back(Get(id));
    return out;
  }
  FigureQuery Query() {
    return [this](const QRect& area, std::vector<Figure>& out) {
      ++queries;
      for (const Figure& f : figures)
        if (f.box.intersects(area)) out.push_back(f);
    };
  }
};

const ConnectorLink* LinkOf(const Attachments& a, FigureId id) {
  for (const ConnectorLink& l : a.connectors)
    if (l.connector.id == id) return &l;
  return nullptr;
}
const LabelLink* LabelOf(const Attachments& a, FigureId id) {
  for (const LabelLink& l : a.labels)
    if (l.label.id == id) return &l;
  return nullptr;
}

TEST(FindAttachments, EndsOnInsideOrNearTheOutlineAndLabelsInsideAndAbove) {
  Diagram d;
  const FigureId below = d.Add(FigureKind::Label, {120, 110, 40, 20});
  const FigureId a = d.Add(FigureKind::Box, {100, 100, 80, 40});
  const FigureId fromRight = d.Add(FigureKind::Arrow, {180, 105, 120, 30}, adTopToTop);  // (180, 120)-(300, 120)
  const FigureId near4 = d.Add(FigureKind::Arrow, {20, 105, 76, 30}, adTopToTop);        // ends at (96, 120)
  const FigureId near5 = d.Add(FigureKind::Line, {20, 118, 75, 4}, adTopToTop);          // ends at (95, 120)
  const FigureId inside = d.Add(FigureKind::Line, {140, 0, 4, 120}, adLeftToLeft);        // ends at (142, 120)
  const FigureId rising = d.Add(FigureKind::Line, {176, 0, 100, 104}, adBottomToTop);     // starts at (176, 104)
  const FigureId label = d.Add(FigureKind::Label, {120, 110, 40, 20});
  const FigureId sticksOut = d.Add(FigureKind::Label, {170, 110, 20, 20});
  const FigureId edgeToEdge = d.Add(FigureKind::Label, {100, 100, 80, 40});

  const Attachments found = FindAttachments(d.Of({a}), d.Query());
  const Anchor onA{a, {100, 100, 80, 40}};
  ASSERT_TRUE(LinkOf(found, fromRight));
  EXPECT_EQ(LinkOf(found, fromRight)->start, onA);
  EXPECT_FALSE(LinkOf(found, fromRight)->end);
  ASSERT_TRUE(LinkOf(found, near4));
  EXPECT_EQ(LinkOf(found, near4)->end, onA);
  EXPECT_FALSE(LinkOf(found, near4)->start);
  EXPECT_FALSE(LinkOf(found, near5));
  ASSERT_TRUE(LinkOf(found, inside));
  EXPECT_EQ(LinkOf(found, inside)->end, onA);
  ASSERT_TRUE(LinkOf(found, rising));
  EXPECT_EQ(LinkOf(found, rising)->start, onA);
  EXPECT_EQ(found.connectors.size(), 4u);
  EXPECT_TRUE(LabelOf(found, label));
  EXPECT_TRUE(LabelOf(found, edgeToEdge));
  EXPECT_FALSE(LabelOf(found, sticksOut));
  EXPECT_FALSE(LabelOf(found, below));
  EXPECT_EQ(found.labels.size(), 2u);
  // Every follower is described as it was found.
  EXPECT_EQ(LinkOf(found, fromRight)->connector, d.Get(fromRight));
}

TEST(FindAttachments, OneQueryPerMovingClosedFigureAndMovingFollowersAreLeftOut) {
  Diagram d;
  const FigureId a = d.Add(FigureKind::Ellipse, {0, 0, 100, 50});
  const FigureId b = d.Add(FigureKind::Diamond, {300, 0, 80, 40});
  const FigureId between = d.Add(FigureKind::Arrow, {100, 5, 200, 30}, adTopToTop);  // (100, 20)-(300, 20)
  const FigureId movingLine = d.Add(FigureKind::Line, {50, 23, 300, 4}, adTopToTop);
  const FigureId label = d.Add(FigureKind::Label, {30, 10, 40, 20});
  const FigureId movingLabel = d.Add(FigureKind::Label, {35, 15, 20, 10});

  const Attachments found = FindAttachments(d.Of({a, movingLine, b, movingLabel}), d.Query());
  EXPECT_EQ(d.queries, 2);
  ASSERT_EQ(found.connectors.size(), 1u);
  EXPECT_EQ(found.connectors[0].connector.id, between);
  // (100, 20) lies about a pixel outside the ellipse; (300, 20) is the diamond's left vertex.
  EXPECT_EQ(found.connectors[0].start.figure, a);
  EXPECT_EQ(found.connectors[0].end.figure, b);
  ASSERT_EQ(found.labels.size(), 1u);
  EXPECT_EQ(found.labels[0].label.id, label);
}

TEST(FindAttachments, AContainerMovedAloneLeavesWhatBelongsToTheFiguresOnIt) {
  Diagram d;
  const FigureId container = d.Add(FigureKind::Box, {0, 0, 1000, 1000});
  const FigureId box = d.Add(FigureKind::RoundedBox, {100, 100, 80, 40});
  // From the box's right side (180, 120) out of the container to (1100, 120).
  const FigureId onBox = d.Add(FigureKind::Arrow, {180, 105, 920, 30}, adTopToTop);
  const FigureId loose = d.Add(FigureKind::Line, {500, 500, 100, 100});                // deep inside the container
  const FigureId labelOnBox = d.Add(FigureKind::Label, {120, 110, 40, 20});
  const FigureId labelOnContainer = d.Add(FigureKind::Label, {600, 100, 40, 20});

  const Attachments alone = FindAttachments(d.Of({container}), d.Query());
  EXPECT_FALSE(LinkOf(alone, onBox));
  ASSERT_TRUE(LinkOf(alone, loose));
  EXPECT_EQ(LinkOf(alone, loose)->start.figure, container);
  EXPECT_EQ(LinkOf(alone, loose)->end.figure, container);
  EXPECT_FALSE(LabelOf(alone, labelOnBox));
  EXPECT_TRUE(LabelOf(alone, labelOnContainer));

  // Moving the box alone takes its own.
  const Attachments boxAlone = FindAttachments(d.Of({box}), d.Query());
  ASSERT_TRUE(LinkOf(boxAlone, onBox));
  EXPECT_EQ(LinkOf(boxAlone, onBox)->start.figure, box);
  EXPECT_TRUE(LabelOf(boxAlone, labelOnBox));
  EXPECT_FALSE(LinkOf(boxAlone, loose));

  // Both moving: each follows its own figure, found once though inside both.
  const Attachments both = FindAttachments(d.Of({container, box}), d.Query());
  EXPECT_EQ(both.connectors.size(), 2u);
  EXPECT_EQ(both.labels.size(), 2u);
  ASSERT_TRUE(LinkOf(both, onBox));
  EXPECT_EQ(LinkOf(both, onBox)->start.figure, box);
  ASSERT_TRUE(LabelOf(both, labelOnBox));
  EXPECT_EQ(LabelOf(both, labelOnBox)->anchor.figure, box);
}

TEST(FindAttachments, AnEndOnTwoOutlinesBelongsToTheTopmost) {
  Diagram d;
  const FigureId left = d.Add(FigureKind::Box, {0, 0, 50, 50});
  const FigureId right = d.Add(FigureKind::Circle, {52, 0, 50, 50});  // circle of radius 23 around (77, 25)
  const FigureId arrow = d.Add(FigureKind::Arrow, {52, 10, 100, 30}, adTopToTop);  // from (52, 25)
  const Attachments found = FindAttachments(d.Of({left, right}), d.Query());
  ASSERT_EQ(found.connectors.size(), 1u);
  EXPECT_EQ(found.connectors[0].start, (Anchor{right, {52, 0, 50, 50}}));
  // Only the lower one moving: the end belongs to the circle above, which stays.
  EXPECT_TRUE(FindAttachments(d.Of({left}), d.Query()).empty());
  (void)arrow;
}

}  // namespace
