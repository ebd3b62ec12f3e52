// The history of a diagram with no window: every kind of step is done, undone and redone on the
// model alone, and gives back the diagram's records byte for byte.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>
#include <vector>

#include "BoundsCommand.h"
#include "ByteStream.h"
#include "Diagram.h"
#include "DocumentHistory.h"
#include "KDTools.h"
#include "RestackCommand.h"
#include "RestyleCommand.h"
#include "TestSupport.h"
#include "Writer.h"

namespace {

using Records = std::vector<std::vector<uint8_t>>;

class HistoryOnModel : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterFigureClasses();
    a = Add<TKDProcess>(QRect(10, 10, 80, 40));
    b = Add<TKDRectangle>(QRect(200, 10, 60, 60));
    c = Add<TKDLabel>(QRect(20, 20, 50, 20));
    history.MarkSaved();
  }
  void TearDown() override {
    EXPECT_TRUE(QApplication::allWidgets().isEmpty()) << "the model made a widget";
    testsupport::Flush();
  }
  template <typename T>
  T* Add(const QRect& box) {
    auto f = std::make_unique<T>();
    f->ApplyBounds(box.x(), box.y(), box.width(), box.height());
    return static_cast<T*>(diagram.Add(std::move(f)));
  }
  // What a save writes, less the selection flags (an undone step selects what it touched).
  Records Save() const {
    Records r;
    for (const TCustomKDTool* f : diagram.Figures()) {
      MemoryStream stream;
      {
        TWriter writer(stream);
        writer.LeaveOut({"HaveFocused"});
        writer.WriteShape(*f);
        writer.FlushBuffer();
      }
      r.push_back(stream.TakeData());
    }
    return r;
  }
  // Undoes the last step and redoes it: the records before, then after; before is the saved
  // state unless said otherwise.
  void ExpectUndoRedo(const Records& before, const Records& after, bool beforeIsSaved = true) {
    ASSERT_TRUE(history.Stack().canUndo());
    history.Undo();
    EXPECT_EQ(Save(), before);
    EXPECT_EQ(history.DiffersFromSaved(), !beforeIsSaved);
    history.Redo();
    EXPECT_EQ(Save(), after);
    EXPECT_TRUE(history.DiffersFromSaved());
  }

  Diagram diagram;
  DocumentHistory history{diagram};
  TCustomKDTool* a = nullptr;
  TCustomKDTool* b = nullptr;
  TCustomKDTool* c = nullptr;
};

TEST_F(HistoryOnModel, AMoveIsOneStep) {
  const Records before = Save();
  history.Begin(TEditKind::Move, {a, b});
  a->ApplyBounds(40, 50, 80, 40);
  b->ApplyBounds(230, 50, 60, 60);
  history.End();
  EXPECT_EQ(history.Stack().count(), 1);
  EXPECT_EQ(history.Stack().undoText(), QStringLiteral("Move 2 Figures"));
  ExpectUndoRedo(before, Save());
  // The undone move selects what it moved, as a window would show it.
  EXPECT_TRUE(a->HaveFocused() && b->HaveFocused());
}

TEST_F(HistoryOnModel, AMoveBackToWhereItStartedIsNoChange) {
  history.Begin(TEditKind::Move, {a});
  a->ApplyBounds(40, 50, 80, 40);
  history.End();
  history.Begin(TEditKind::Move, {a});
  a->ApplyBounds(10, 10, 80, 40);
  history.End();
  EXPECT_EQ(history.Stack().count(), 2);
  EXPECT_FALSE(history.DiffersFromSaved());
}

// Consecutive nudges of a and b (at 10,10 and 200,10): one step, held as one distance while every
// figure moved by the same one, as boxes once one did not (a figure held at the canvas's edge).
TEST_F(HistoryOnModel, NudgesMergeWhetherHeldAsADistanceOrAsBoxes) {
  struct Nudge {
    QPoint a, b;
  };
  struct Case {
    const char* name;
    std::vector<Nudge> nudges;
    int steps;
    bool asDistance;
    QPoint aEnd, bEnd;
  };
  const Case cases[] = {
      {"two to the right", {{{30, 0}, {30, 0}}, {{30, 0}, {30, 0}}}, 1, true, {70, 10}, {260, 10}},
      {"there and back", {{{30, 0}, {30, 0}}, {{-30, 0}, {-30, 0}}}, 0, true, {10, 10}, {200, 10}},
      {"a distance, then boxes", {{{30, 0}, {30, 0}}, {{0, 30}, {0, 20}}}, 1, false, {40, 40}, {230, 30}},
      {"boxes, then a distance", {{{0, 30}, {0, 20}}, {{30, 0}, {30, 0}}}, 1, false, {40, 40}, {230, 30}},
      {"boxes, a distance, back by boxes", {{{0, 30}, {0, 20}}, {{10, 0}, {10, 0}}, {{-10, -30}, {-10, -20}}}, 0,
       false, {10, 10}, {200, 10}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.name);
    history.Stack().clear();
    a->ApplyBounds(10, 10, 80, 40);
    b->ApplyBounds(200, 10, 60, 60);
    history.MarkSaved();
    for (const Nudge& n : k.nudges) {
      history.Begin(TEditKind::Nudge, {a, b});
      a->ApplyBounds(a->Left() + n.a.x(), a->Top() + n.a.y(), 80, 40);
      b->ApplyBounds(b->Left() + n.b.x(), b->Top() + n.b.y(), 60, 60);
      history.End();
    }
    EXPECT_EQ(history.Stack().count(), k.steps);
    EXPECT_EQ(a->BoundsRect(), QRect(k.aEnd, QSize(80, 40)));
    EXPECT_EQ(b->BoundsRect(), QRect(k.bEnd, QSize(60, 60)));
    EXPECT_EQ(history.DiffersFromSaved(), k.steps != 0);
    if (k.steps != 1) continue;
    const auto* step = dynamic_cast<const BoundsCommand*>(history.Stack().command(0));
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->Moved().size(), k.asDistance ? 2u : 0u);
    history.Undo();
    EXPECT_EQ(a->BoundsRect(), QRect(10, 10, 80, 40));
    EXPECT_EQ(b->BoundsRect(), QRect(200, 10, 60, 60));
    EXPECT_FALSE(history.DiffersFromSaved());
    history.Redo();
    EXPECT_EQ(a->BoundsRect(), QRect(k.aEnd, QSize(80, 40)));
    EXPECT_EQ(b->BoundsRect(), QRect(k.bEnd, QSize(60, 60)));
  }
}

TEST_F(HistoryOnModel, AddingAndDeletingAreStepsThatKeepPlaceAndIdentity) {
  const Records before = Save();
  auto* d = Add<TKDDiamond>(QRect(300, 300, 40, 40));
  history.RecordAdded({d}, QStringLiteral("Draw Diamond"));
  const Records added = Save();
  ExpectUndoRedo(before, added);

  const uint64_t id = diagram.IdOf(b);
  history.Begin(TEditKind::Delete, {b});
  diagram.Remove(std::vector<uint64_t>{id});
  history.End();
  EXPECT_EQ(history.Stack().undoText(), QStringLiteral("Delete"));
  const Records deleted = Save();
  history.Undo();
  EXPECT_EQ(Save(), added);
  EXPECT_TRUE(history.DiffersFromSaved());
  ASSERT_NE(diagram.Find(id), nullptr) << "the same figure comes back";
  EXPECT_EQ(diagram.StackIndexOf(diagram.Find(id)), 1);
  history.Redo();
  EXPECT_EQ(Save(), deleted);
}

TEST_F(HistoryOnModel, RestackAndRestyleAreSteps) {
  const Records before = Save();
  history.Push(new RestackCommand(diagram, {{diagram.IdOf(a), 0}}, {{diagram.IdOf(a), 2}},
                                  QStringLiteral("Bring to Front")));
  diagram.Restack({{diagram.IdOf(a), 2}});
  // A step pushed after it is done does nothing more on its first redo.
  EXPECT_EQ(diagram.Figures().back(), a);
  const Records restacked = Save();
  ExpectUndoRedo(before, restacked);

  const TFigureStyle was = TFigureStyle::Of(*c);
  c->SetFillColor(clYellow);
  c->SetCaption("Check");
  history.Push(new RestyleCommand(diagram, TStyleItem::All, {{diagram.IdOf(c), was, TFigureStyle::Of(*c)}}, 0));
  ExpectUndoRedo(restacked, Save(), false);
}

TEST_F(HistoryOnModel, AttachedArrowsFollowInTheSameStepWhenKeptAttached) {
  auto* arrow = Add<TKDArrow>(QRect(90, 15, 110, 30));  // from a's right side to b's left side
  static_cast<TKDArrow*>(arrow)->SetArrowDirection(adTopToTop);
  history.MarkSaved();
  const Records before = Save();
  history.SetKeepAttached(true);
  history.Begin(TEditKind::Move, {b});
  b->ApplyBounds(200, 60, 60, 60);
  history.FollowStep();
  history.End();
  EXPECT_NE(arrow->BoundsRect(), QRect(90, 15, 110, 30)) << "the arrow's end followed the box";
  ExpectUndoRedo(before, Save());
}

}  // namespace
