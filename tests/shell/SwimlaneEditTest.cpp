// Swimlanes in the editor (View > Keep Connectors and Labels Attached on): Insert > Swimlanes...
// makes a pool of touching lanes; the lane commands, a lane outgrown by a step and a lane resized
// lay the pool again with what its lanes hold, each one undo step.
#include <QAction>
#include <QUndoStack>

#include "ContainerFixture.h"
#include "ContainerScan.h"
#include "Diagram.h"

namespace {

class Swimlanes : public ContainerFixture {
 public:
  void InsertPool(int count, bool rows) {
    SetSwimlaneAsker([count, rows](QWidget*) { return std::optional<SwimlaneChoice>(SwimlaneChoice{count, rows}); });
    Trigger("InsertSwimlanes1");
  }
  std::vector<TCustomKDTool*> Lanes() const {
    std::vector<TCustomKDTool*> out;
    for (TCustomKDTool* f : doc->Figures())
      if (qobject_cast<TKDRectangle*>(f)) out.push_back(f);
    std::sort(out.begin(), out.end(), [](auto* a, auto* b) { return a->Top() + a->Left() < b->Top() + b->Left(); });
    return out;
  }
  std::vector<semantics::Pool> Pools() const {
    ContainerScan scan(doc->FigureSet());
    return scan.Pools();
  }
  TCustomKDTool* LaneOf(TCustomKDTool* f) const {
    ContainerScan scan(doc->FigureSet());
    const semantics::Item* c = semantics::ContainerOf(*scan.Find(f->FigureId), scan.Containers());
    return c ? doc->FigureSet().Find(c->id) : nullptr;
  }
  TCustomKDTool* TitleOf(TCustomKDTool* lane) const {
    ContainerScan scan(doc->FigureSet());
    const semantics::Item* t = scan.TitleOf(*scan.Find(lane->FigureId));
    return t ? doc->FigureSet().Find(t->id) : nullptr;
  }
};

struct PoolCase {
  int count;
  bool rows;
  QSize lane;
};
class NewPools : public Swimlanes, public testing::WithParamInterface<PoolCase> {};

TEST_P(NewPools, AreTouchingTitledLanesOfOneLength) {
  const PoolCase c = GetParam();
  InsertPool(c.count, c.rows);
  EXPECT_EQ(doc->UndoStack()->count(), 1);
  const std::vector<TCustomKDTool*> lanes = Lanes();
  ASSERT_EQ(lanes.size(), size_t(c.count));
  for (size_t i = 0; i < lanes.size(); ++i) {
    EXPECT_EQ(lanes[i]->BoundsRect().size(), c.lane);
    ASSERT_TRUE(TitleOf(lanes[i]));
    EXPECT_EQ(TitleOf(lanes[i])->Caption(), "Lane " + std::to_string(i + 1));
    EXPECT_EQ(TitleOf(lanes[i])->BoundsRect().topLeft(), lanes[i]->BoundsRect().topLeft() + QPoint(6, 4));
    if (i > 0) {
      EXPECT_EQ(lanes[i]->BoundsRect().topLeft(),
                lanes[i - 1]->BoundsRect().topLeft() + (c.rows ? QPoint(0, 150) : QPoint(150, 0)));
    }
  }
  const std::vector<semantics::Pool> pools = Pools();
  ASSERT_EQ(pools.size(), 1u);
  EXPECT_EQ(pools[0].lanes.size(), size_t(c.count));
  EXPECT_EQ(pools[0].rows, c.rows);
}

INSTANTIATE_TEST_SUITE_P(Insert, NewPools,
                         testing::Values(PoolCase{3, true, {640, 150}}, PoolCase{2, false, {150, 640}},
                                         PoolCase{12, true, {640, 150}}));

// Three rows; a step S in the first lane and T in the second.
class LaneEdits : public Swimlanes {
 public:
  // Table rows drive the fixture through these.
  using CanvasFixture::Click;
  using CanvasFixture::Drag;
  using CanvasFixture::doc;
  using HistoryFixture::DragBottomRightHandle;
  using HistoryFixture::Key;

 protected:
  void SetUp() override {
    Swimlanes::SetUp();
    InsertPool(3, true);
    L = Lanes();
    top = L[0]->Top();
    left = L[0]->Left();
    S = Add<TKDProcess>(doc, {left + 40, top + 50, 100, 40});
    T = Add<TKDProcess>(doc, {left + 240, top + 200, 100, 40});
    testsupport::Flush();
  }
 public:
  QPoint At(int x, int y) const { return {left + x, top + y}; }
  std::vector<int> Tops() const {
    std::vector<int> out;
    for (TCustomKDTool* l : L) out.push_back(Exists(l) ? l->Top() - top : -1);
    return out;
  }
  bool Exists(const TCustomKDTool* f) const {
    const std::vector<TCustomKDTool*> all = doc->Figures();
    return std::find(all.begin(), all.end(), f) != all.end();
  }
  std::vector<TCustomKDTool*> L;
  int top = 0, left = 0;
  TKDProcess *S = nullptr, *T = nullptr;
};

struct LaneCase {
  const char* name;
  void (*edit)(LaneEdits&);
  std::vector<int> tops;  // of lanes 1 to 3 from the pool's top; -1 gone
  QPoint s, t;            // S's and T's top-left from the pool's
  int lanes;              // rectangles after
};
void PrintTo(const LaneCase& c, std::ostream* os) { *os << c.name; }
class LaneCommands : public LaneEdits, public testing::WithParamInterface<LaneCase> {};

TEST_P(LaneCommands, LayThePoolAgainInOneStep) {
  Click(At(600, 460));  // below the pool: nothing selected
  const std::vector<uint8_t> before = SaveBytes(doc);
  const int steps = doc->UndoStack()->count();
  GetParam().edit(*this);
  EXPECT_EQ(Tops(), GetParam().tops);
  if (Exists(S)) {
    EXPECT_EQ(S->BoundsRect().topLeft(), At(GetParam().s.x(), GetParam().s.y()));
  }
  EXPECT_EQ(T->BoundsRect().topLeft(), At(GetParam().t.x(), GetParam().t.y()));
  EXPECT_EQ(int(Lanes().size()), GetParam().lanes);
  for (TCustomKDTool* l : Lanes()) EXPECT_EQ(l->Width(), Lanes().front()->Width());
  EXPECT_EQ(doc->UndoStack()->count(), steps + 1);
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
}

INSTANTIATE_TEST_SUITE_P(
    Pools, LaneCommands,
    testing::Values(
        LaneCase{"StepDraggedToTheNextLane", [](LaneEdits& t) { t.Drag(t.At(90, 70), t.At(90, 220)); },
                 {0, 150, 300}, {40, 200}, {240, 200}, 3},
        // S to (40, 120)-(139, 159): 10 beyond the first lane; with its margin the lane ends at 176.
        LaneCase{"StepDroppedPartlyBeyond", [](LaneEdits& t) { t.Drag(t.At(90, 70), t.At(90, 140)); },
                 {0, 176, 326}, {40, 120}, {240, 226}, 3},
        LaneCase{"MoveLaneDown",
                 [](LaneEdits& t) {
                   t.doc->FigureSet().Select({t.S});
                   t.Trigger("MoveLaneDown1");
                 },
                 {150, 0, 300}, {40, 200}, {240, 50}, 3},
        LaneCase{"MoveLaneUp",
                 [](LaneEdits& t) {
                   t.doc->FigureSet().Select({t.T});
                   t.Trigger("MoveLaneUp1");
                 },
                 {150, 0, 300}, {40, 200}, {240, 50}, 3},
        LaneCase{"AddLane",
                 [](LaneEdits& t) {
                   t.doc->FigureSet().Select({t.S});
                   t.Trigger("AddLane1");
                 },
                 {0, 150, 300}, {40, 50}, {240, 200}, 4},
        LaneCase{"RemoveLane",
                 [](LaneEdits& t) {
                   t.doc->FigureSet().Select({t.S});
                   t.Trigger("RemoveLane1");
                 },
                 {-1, 0, 150}, {0, 0}, {240, 50}, 2},
        LaneCase{"LaneMadeLonger",
                 [](LaneEdits& t) {
                   t.Click(t.TitleOf(t.L[2])->geometry().center());
                   t.DragBottomRightHandle(t.L[2], {60, 0});
                 },
                 {0, 150, 300}, {40, 50}, {240, 200}, 3}),
    [](const testing::TestParamInfo<LaneCase>& i) { return std::string(i.param.name); });

TEST_F(LaneEdits, TheLanesTakeTheLongerLength) {
  Click(TitleOf(L[2])->geometry().center());
  DragBottomRightHandle(L[2], {60, 0});
  for (TCustomKDTool* l : L) EXPECT_EQ(l->BoundsRect(), QRect(left, l->Top(), 700, 150));
}

}  // namespace
