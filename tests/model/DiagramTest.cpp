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
