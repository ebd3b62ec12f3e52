// The diagram alone, without any window: figures join and leave, are restacked, selected and
// found by place, and every change is told to the observers.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>
#include <vector>

#include "Diagram.h"
#include "KDTools.h"
#include "TestSupport.h"

namespace {

struct Recorder : DiagramObserver {
  std::vector<DiagramChange> changes;
  void DiagramChanged(const DiagramChange& change) override { changes.push_back(change); }
  int Count(DiagramChange::Kind kind) const {
    int n = 0;
    for (const DiagramChange& c : changes) n += c.kind == kind;
    return n;
  }
};

class DiagramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterFigureClasses();
    diagram.AddObserver(&recorder);
  }
  void TearDown() override {
    // No widget was made for any of it.
    EXPECT_TRUE(QApplication::allWidgets().isEmpty());
    testsupport::Flush();
  }
  template <typename T = TKDRectangle>
  T* Add(const QRect& box) {
    auto f = std::make_unique<T>();
    f->ApplyBounds(box.x(), box.y(), box.width(), box.height());
    return static_cast<T*>(diagram.Add(std::move(f)));
  }
  std::vector<TCustomKDTool*> In(const QRect& area) const {
    std::vector<TCustomKDTool*> out;
    diagram.FiguresIn(area, out);
    return out;
  }

  Diagram diagram;
  Recorder recorder;
};

using Figures = std::vector<TCustomKDTool*>;

TEST_F(DiagramTest, FiguresJoinOnTopWithIdentitiesOfTheirOwn) {
  auto* a = Add(QRect(0, 0, 10, 10));
  auto* b = Add<TKDEllipse>(QRect(5, 5, 10, 10));
  EXPECT_EQ(diagram.Figures(), (Figures{a, b}));
  EXPECT_EQ(diagram.StackIndexOf(b), 1);
  EXPECT_NE(diagram.IdOf(a), diagram.IdOf(b));
  EXPECT_EQ(diagram.Find(diagram.IdOf(b)), b);
  EXPECT_EQ(recorder.Count(DiagramChange::Kind::Added), 2);
}

TEST_F(DiagramTest, RemovedFiguresAreGoneButComeBackUnderTheirIdentityAndPlace) {
  auto* a = Add(QRect(0, 0, 10, 10));
  auto* b = Add(QRect(20, 0, 10, 10));
  auto* c = Add(QRect(40, 0, 10, 10));
  b->SetFillColor(clRed);
  const uint64_t id = diagram.IdOf(b);
  const std::vector<Diagram::Placed> saved = diagram.Snapshot({b});
  ASSERT_EQ(saved.size(), 1u);
  EXPECT_EQ(saved[0].index, 1);
  diagram.Remove(std::vector<uint64_t>{id});
  EXPECT_EQ(diagram.Find(id), nullptr);
  EXPECT_EQ(diagram.Figures(), (Figures{a, c}));
  EXPECT_TRUE(In(QRect(20, 0, 10, 10)).empty());
  EXPECT_EQ(recorder.Count(DiagramChange::Kind::Removed), 1);

  const Figures back = diagram.Recreate(saved);
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(diagram.Find(id), back[0]);
  EXPECT_EQ(diagram.Figures(), (Figures{a, back[0], c}));
  EXPECT_EQ(back[0]->FillColor(), clRed);
  EXPECT_EQ(Diagram::RecordOf(*back[0]), saved[0].record);
}

TEST_F(DiagramTest, RestackPutsEachFigureAtItsPlace) {
  auto* a = Add(QRect(0, 0, 10, 10));
  auto* b = Add(QRect(0, 0, 10, 10));
  auto* c = Add(QRect(0, 0, 10, 10));
  auto* d = Add(QRect(0, 0, 10, 10));
  diagram.Restack({{diagram.IdOf(d), 0}, {diagram.IdOf(a), 2}});
  EXPECT_EQ(diagram.Figures(), (Figures{d, b, a, c}));
  EXPECT_EQ(recorder.Count(DiagramChange::Kind::Restacked), 1);
  // Queries answer bottom first, in the new order.
  EXPECT_EQ(In(QRect(5, 5, 1, 1)), (Figures{d, b, a, c}));
  // A restack that changes nothing is no change.
  diagram.Restack({{diagram.IdOf(d), 0}});
  EXPECT_EQ(recorder.Count(DiagramChange::Kind::Restacked), 1);
}

TEST_F(DiagramTest, TheIndexFollowsMovesAndSizes) {
  auto* a = Add(QRect(0, 0, 50, 50));
  auto* b = Add(QRect(1000, 1000, 20, 20));
  EXPECT_EQ(In(QRect(10, 10, 1, 1)), (Figures{a}));
  a->ApplyBounds(3000, -400, 50, 50);
  EXPECT_TRUE(In(QRect(10, 10, 1, 1)).empty());
  EXPECT_EQ(In(QRect(3049, -351, 1, 1)), (Figures{a}));
  EXPECT_TRUE(In(QRect(3050, -351, 1, 1)).empty()) << "the right edge is not part of the box";
  // Within the cells it is filed under.
  b->ApplyBounds(1001, 1001, 20, 20);
  EXPECT_TRUE(In(QRect(1000, 1000, 1, 1)).empty());
  EXPECT_EQ(In(QRect(1020, 1020, 1, 1)), (Figures{b}));
  b->ApplyBounds(1001, 1001, 2000, 2000);
  EXPECT_EQ(In(QRect(2900, 2900, 5, 5)), (Figures{b}));
  int moved = 0;
  for (const DiagramChange& c : recorder.changes)
    if (c.kind == DiagramChange::Kind::Moved && c.figure == a) {
      ++moved;
      EXPECT_EQ(c.before, QRect(0, 0, 50, 50));
    }
  EXPECT_EQ(moved, 1);
}

// A group moved, sized or put back by Undo: every box in one pass, the index once, one notice
// naming no figure with the area the figures covered before.
TEST_F(DiagramTest, ManyFiguresMoveInOnePassWithOneNotice) {
  struct Case {
    const char* what;
    QPoint delta;                 // Translate, unless null
    std::vector<QRect> bounds;    // SetBounds otherwise
    std::vector<QRect> expected;  // a, b afterwards (c never moves)
  } cases[] = {
      {"translate", {30, -5}, {}, {QRect(30, -5, 50, 50), QRect(1030, 995, 20, 20)}},
      {"set bounds, sized", {}, {QRect(300, 300, 10, 10), QRect(1000, 1000, 80, 60)},
       {QRect(300, 300, 10, 10), QRect(1000, 1000, 80, 60)}},
      {"translate to the limit", {2000000, 0}, {}, {QRect(1 << 20, 0, 50, 50), QRect(1 << 20, 1000, 20, 20)}},
  };
  for (const Case& k : cases) {
    auto* a = Add(QRect(0, 0, 50, 50));
    auto* b = Add(QRect(1000, 1000, 20, 20));
    auto* c = Add(QRect(500, 500, 10, 10));
    recorder.changes.clear();
    const std::vector<uint64_t> ids{diagram.IdOf(a), diagram.IdOf(b)};
    if (!k.delta.isNull()) {
      diagram.Translate(ids, k.delta);
    } else {
      diagram.SetBounds({{ids[0], k.bounds[0]}, {ids[1], k.bounds[1]}});
    }
    EXPECT_EQ(a->BoundsRect(), k.expected[0]) << k.what;
    EXPECT_EQ(b->BoundsRect(), k.expected[1]) << k.what;
    EXPECT_EQ(c->BoundsRect(), QRect(500, 500, 10, 10)) << k.what;
    ASSERT_EQ(recorder.changes.size(), 1u) << k.what;
    EXPECT_EQ(recorder.changes[0].kind, DiagramChange::Kind::Moved) << k.what;
    EXPECT_EQ(recorder.changes[0].figure, nullptr) << k.what;
    EXPECT_EQ(recorder.changes[0].before, QRect(0, 0, 1020, 1020)) << k.what;
    // The index follows: found where they are, not where they were.
    EXPECT_EQ(In(k.expected[0].adjusted(1, 1, -1, -1)), (Figures{a})) << k.what;
    EXPECT_TRUE(In(QRect(1, 1, 1, 1)).empty() || k.expected[0].contains(1, 1)) << k.what;
    EXPECT_EQ(In(QRect(k.expected[1].topLeft(), QSize(1, 1))), (Figures{b})) << k.what;
    diagram.Remove(std::vector<uint64_t>{ids[0], ids[1], diagram.IdOf(c)});
    testsupport::Flush();
  }
  // Nothing to change: no notice.
  auto* d = Add(QRect(0, 0, 5, 5));
  recorder.changes.clear();
  diagram.Translate({diagram.IdOf(d)}, QPoint());
  diagram.SetBounds({{diagram.IdOf(d), QRect(0, 0, 5, 5)}});
  EXPECT_TRUE(recorder.changes.empty());
  // One figure changed: the notice names it, as its own move would.
  diagram.SetBounds({{diagram.IdOf(d), QRect(0, 0, 5, 5)}, {diagram.IdOf(d), QRect(7, 0, 5, 5)}});
  ASSERT_EQ(recorder.changes.size(), 1u);
  EXPECT_EQ(recorder.changes[0].figure, d);
}

// A group selected or ended at once: the flags, the count and one notice.
TEST_F(DiagramTest, ManyFiguresAreSelectedAndDeselectedWithOneNotice) {
  Figures figures;
  for (int i = 0; i < 5; ++i) figures.push_back(Add(QRect(i * 20, 0, 10, 10)));
  figures[2]->SetHaveFocused(true);
  for (bool selected : {true, false}) {
    recorder.changes.clear();
    TCustomKDTool::SetHaveFocusedOfMany(figures, selected);
    EXPECT_EQ(diagram.SelectedCount(), selected ? 5u : 0u);
    for (TCustomKDTool* f : figures) EXPECT_EQ(f->HaveFocused(), selected);
    ASSERT_EQ(recorder.changes.size(), 1u);
    EXPECT_EQ(recorder.changes[0].kind, DiagramChange::Kind::Selection);
    EXPECT_EQ(recorder.changes[0].figure, nullptr);
  }
}

TEST_F(DiagramTest, SelectionIsTheFlagsAndIsToldWithoutAWindow) {
  auto* a = Add(QRect(0, 0, 10, 10));
  auto* b = Add(QRect(20, 0, 10, 10));
  auto* c = Add(QRect(40, 0, 10, 10));
  diagram.Select({c, a});
  EXPECT_EQ(diagram.Selected(), (Figures{a, c}));
  EXPECT_EQ(diagram.SelectedCount(), 2u);
  EXPECT_TRUE(a->HaveFocused());
  EXPECT_FALSE(b->HaveFocused());
  diagram.Select({b});
  EXPECT_EQ(diagram.Selected(), (Figures{b}));
  EXPECT_EQ(recorder.Count(DiagramChange::Kind::Selection), 5);
  // A selected figure that leaves takes its selection along.
  diagram.Remove(std::vector<uint64_t>{diagram.IdOf(b)});
  EXPECT_EQ(diagram.SelectedCount(), 0u);
}

TEST_F(DiagramTest, AdoptedFiguresAreNeverSelectedAndArePreparedByTheOwner) {
  std::vector<TCustomKDTool*> prepared;
  diagram.SetAdoptHook([&](TCustomKDTool* f) { prepared.push_back(f); });
  auto* f = new TKDProcess;
  f->SetHaveFocused(true);  // as a record may say
  diagram.Adopt(f);
  EXPECT_FALSE(f->HaveFocused());
  EXPECT_EQ(prepared, (Figures{f}));
  EXPECT_EQ(diagram.SelectedCount(), 0u);
}

TEST_F(DiagramTest, StyleChangesAreToldButRepaintsAreNot) {
  auto* a = Add(QRect(0, 0, 10, 10));
  recorder.changes.clear();
  a->Invalidate();
  EXPECT_EQ(recorder.Count(DiagramChange::Kind::Restyled), 0);
  a->SetLineWidth(5);
  a->SetLineWidth(5);  // no change
  EXPECT_EQ(recorder.Count(DiagramChange::Kind::Restyled), 1);
  // The drawing now reaches further out: a paint of the area beside the box finds the figure.
  EXPECT_GE(diagram.PaintOverflow(), 5);
}

}  // namespace
