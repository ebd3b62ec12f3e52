// Containers and swimlanes in the editor, with View > Keep Connectors and Labels Attached on: what
// Insert makes, what moves, resizes, drops and deletes take along, and the lane commands, each one
// undo step that gives the saved bytes back.
#include <QAction>
#include <QUndoStack>

#include "ContainerFixture.h"
#include "ContainerScan.h"
#include "Diagram.h"
#include "FigureStyle.h"
#include "InPlaceEditor.h"
#include "TextEditSession.h"

namespace {

// A (with its text "Submit") and B, joined by an arrow down; C beside them, joined to A by an
// arrow across.
class Containers : public ContainerFixture {
 public:
  // Table rows drive the fixture through these.
  using CanvasFixture::Click;
  using CanvasFixture::Drag;
  using CanvasFixture::doc;
  using HistoryFixture::DragBottomRightHandle;
  using HistoryFixture::Key;

 protected:
  void SetUp() override {
    ContainerFixture::SetUp();
    A = Add<TKDProcess>(doc, {100, 100, 120, 50});
    textA = Add<TKDLabel>(doc, {110, 115, 100, 20});
    textA->SetCaption("Submit");
    B = Add<TKDProcess>(doc, {100, 250, 120, 50});
    down = Add<TKDArrow>(doc, {145, 150, 30, 100});  // (160, 150) to (160, 250)
    down->SetArrowDirection(adLeftToLeft);
    C = Add<TKDProcess>(doc, {500, 100, 120, 50});
    across = Add<TKDArrow>(doc, {220, 110, 280, 30});  // (220, 125) to (500, 125)
    across->SetArrowDirection(adTopToTop);
    testsupport::Flush();
  }
 public:
  // Insert > Container around A and B, its title typed at once.
  TCustomKDTool* ContainerAroundAB() {
    doc->SelectGroup({A, B});
    Trigger("InsertContainer1");
    TypeTitle("Container");
    return Rectangles().back();
  }
  void TypeTitle(const QString& text) {
    TInPlaceEditor* editor = doc->TextEditing().Editor();
    ASSERT_TRUE(editor);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    testsupport::Flush();
  }
  std::vector<TCustomKDTool*> Rectangles() const {
    std::vector<TCustomKDTool*> out;
    for (TCustomKDTool* f : doc->Figures())
      if (qobject_cast<TKDRectangle*>(f)) out.push_back(f);
    return out;
  }
  TCustomKDTool* TitleOf(TCustomKDTool* frame) const {
    ContainerScan scan(doc->FigureSet());
    const semantics::Item* t = scan.TitleOf(*scan.Find(frame->FigureId));
    return t ? doc->FigureSet().Find(t->id) : nullptr;
  }
  TCustomKDTool* ContainerOf(TCustomKDTool* f) const {
    ContainerScan scan(doc->FigureSet());
    const semantics::Item* c = semantics::ContainerOf(*scan.Find(f->FigureId), scan.Containers());
    return c ? doc->FigureSet().Find(c->id) : nullptr;
  }
  int Steps() const { return doc->UndoStack()->count(); }
  bool Exists(const TCustomKDTool* f) const {
    const std::vector<TCustomKDTool*> all = doc->Figures();
    return std::find(all.begin(), all.end(), f) != all.end();
  }

  TKDProcess *A = nullptr, *B = nullptr, *C = nullptr;
  TKDLabel* textA = nullptr;
  TKDArrow *down = nullptr, *across = nullptr;
};

TEST_F(Containers, InsertPutsATitledRectangleAroundTheUnitsBeneathThem) {
  TCustomKDTool* box = ContainerAroundAB();
  // A, B and the arrow down cover (100, 100)-(219, 299): 16 around, 24 more above.
  EXPECT_EQ(box->BoundsRect(), QRect(84, 60, 152, 256));
  TCustomKDTool* title = TitleOf(box);
  ASSERT_TRUE(title);
  EXPECT_EQ(title->Caption(), "Container");
  // Typed in the document's font: one line 13 high, 7 below the top edge, its 54 pixels and 4.
  EXPECT_EQ(title->BoundsRect(), QRect(90, 67, 58, 13));
  EXPECT_EQ(doc->FigureSet().StackIndexOf(box), 0);
  EXPECT_EQ(ContainerOf(A), box);
  EXPECT_EQ(ContainerOf(C), nullptr);
  // The container, then its title.
  EXPECT_EQ(Steps(), 2);
  doc->Undo();
  EXPECT_FALSE(TitleOf(box));
  doc->Undo();
  EXPECT_TRUE(Rectangles().empty());
  // Nothing selected: an empty one of the default size.
  focus::SetFocus(doc->Surface());
  Trigger("InsertContainer1");
  ASSERT_EQ(Rectangles().size(), 1u);
  EXPECT_EQ(Rectangles().front()->BoundsRect().size(), QSize(240, 160));
}

struct EditCase {
  const char* name;
  void (*edit)(Containers&, TCustomKDTool* box, TCustomKDTool* title);
  void (*check)(Containers&, TCustomKDTool* box);
};
void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }
class ContainerEdits : public Containers, public testing::WithParamInterface<EditCase> {};

TEST_P(ContainerEdits, AreOneStepThatUndoesByteForByte) {
  TCustomKDTool* box = ContainerAroundAB();
  TCustomKDTool* title = TitleOf(box);
  Click({700, 500});
  const std::vector<uint8_t> before = SaveBytes(doc);
  const int steps = Steps();
  GetParam().edit(*this, box, title);
  GetParam().check(*this, box);
  EXPECT_EQ(Steps(), steps + 1);
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
}

INSTANTIATE_TEST_SUITE_P(
    Editor, ContainerEdits,
    testing::Values(
        EditCase{"DragByTheTitle",
                 [](Containers& t, TCustomKDTool*, TCustomKDTool* title) {
                   t.Drag(title->geometry().center(), title->geometry().center() + QPoint(50, 30));
                 },
                 [](Containers& t, TCustomKDTool* box) {
                   EXPECT_TRUE(box->HaveFocused());
                   EXPECT_EQ(box->BoundsRect(), QRect(134, 90, 152, 256));
                   EXPECT_EQ(t.A->BoundsRect(), QRect(150, 130, 120, 50));
                   EXPECT_EQ(t.textA->BoundsRect(), QRect(160, 145, 100, 20));
                   EXPECT_EQ(t.B->BoundsRect(), QRect(150, 280, 120, 50));
                   EXPECT_EQ(t.down->BoundsRect(), QRect(195, 180, 30, 100));
                   EXPECT_EQ(t.C->BoundsRect(), QRect(500, 100, 120, 50));
                   // The arrow to the outside shape follows A.
                   EXPECT_NE(t.across->BoundsRect(), QRect(220, 110, 280, 30));
                 }},
        EditCase{"ShrunkPastAMember",
                 [](Containers& t, TCustomKDTool* box, TCustomKDTool* title) {
                   t.Click(title->geometry().center());
                   t.DragBottomRightHandle(box, {-60, 20});
                 },
                 // Would end at x 175 inside A and B: stops at their right edge and margin.
                 [](Containers&, TCustomKDTool* box) { EXPECT_EQ(box->BoundsRect(), QRect(84, 60, 152, 276)); }},
        EditCase{"GrownFreely",
                 [](Containers& t, TCustomKDTool* box, TCustomKDTool* title) {
                   t.Click(title->geometry().center());
                   t.DragBottomRightHandle(box, {40, 40});
                 },
                 [](Containers&, TCustomKDTool* box) { EXPECT_EQ(box->BoundsRect(), QRect(84, 60, 192, 296)); }},
        EditCase{"DeleteTakesTheContents",
                 [](Containers& t, TCustomKDTool*, TCustomKDTool* title) {
                   t.Click(title->geometry().center());
                   t.Key(Qt::Key_Delete);
                 },
                 // The arrow across hangs on A: it goes too; C stays.
                 [](Containers& t, TCustomKDTool*) {
                   EXPECT_EQ(t.doc->Figures(), (std::vector<TCustomKDTool*>{t.C}));
                 }},
        EditCase{"RemoveContainerKeepsThem",
                 [](Containers& t, TCustomKDTool*, TCustomKDTool* title) {
                   t.Click(title->geometry().center());
                   t.Trigger("RemoveContainer1");
                 },
                 [](Containers& t, TCustomKDTool* box) {
                   EXPECT_FALSE(t.Exists(box));
                   EXPECT_EQ(t.doc->Figures(),
                             (std::vector<TCustomKDTool*>{t.A, t.textA, t.B, t.down, t.C, t.across}));
                   EXPECT_EQ(t.doc->UndoStack()->text(t.doc->UndoStack()->index() - 1), QStringLiteral("Remove Container"));
                 }},
        EditCase{"APressOnAMemberMovesOnlyIt",
                 [](Containers& t, TCustomKDTool*, TCustomKDTool*) { t.Drag({120, 270}, {130, 275}); },
                 [](Containers& t, TCustomKDTool* box) {
                   EXPECT_TRUE(t.B->HaveFocused());
                   EXPECT_EQ(box->BoundsRect(), QRect(84, 60, 152, 256));
                   EXPECT_EQ(t.A->BoundsRect(), QRect(100, 100, 120, 50));
                 }},
        EditCase{"FilledLikeAnyRectangle",
                 [](Containers& t, TCustomKDTool*, TCustomKDTool* title) {
                   t.Click(title->geometry().center());
                   t.doc->CurBrushColor = 0x00FFFF;
                   t.doc->ApplyStyleToSelection(TStyleItem::BrushColor);
                 },
                 [](Containers& t, TCustomKDTool* box) {
                   EXPECT_EQ(TFigureStyle::Of(*box).fillColor, TColor(0x00FFFF));
                   EXPECT_NE(TFigureStyle::Of(*t.A).fillColor, TColor(0x00FFFF));
                 }}),
    [](const testing::TestParamInfo<EditCase>& i) { return std::string(i.param.name); });

TEST_F(Containers, AShapeDroppedInsideJoinsAboveTheRectangleAndLeavesWhenDraggedOut) {
  TCustomKDTool* D = Add<TKDProcess>(doc, {700, 500, 60, 40});
  TCustomKDTool* box = ContainerAroundAB();  // above D in the stacking order
  box->ApplyBounds(84, 60, 152, 316);        // room below B: to (235, 375)
  TCustomKDTool* title = TitleOf(box);
  ASSERT_TRUE(title);
  Click({600, 420});
  const std::vector<uint8_t> before = SaveBytes(doc);
  const int steps = Steps();
  Drag({730, 520}, {170, 330});  // D to (140, 310)
  EXPECT_EQ(D->BoundsRect(), QRect(140, 310, 60, 40));
  EXPECT_EQ(ContainerOf(D), box);
  EXPECT_GT(doc->FigureSet().StackIndexOf(D), doc->FigureSet().StackIndexOf(box));
  EXPECT_EQ(Steps(), steps + 1);
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
  doc->Redo();
  // A member moves with the container; dragged out, it stays behind.
  Drag(title->geometry().center(), title->geometry().center() + QPoint(0, 10));
  EXPECT_EQ(D->BoundsRect().topLeft(), QPoint(140, 320));
  Click({600, 420});  // a press inside the selected container's frame would drag the container
  Drag({170, 340}, {410, 500});
  EXPECT_EQ(ContainerOf(D), nullptr);
  Drag(title->geometry().center(), title->geometry().center() + QPoint(0, -10));
  EXPECT_EQ(D->BoundsRect().topLeft(), QPoint(380, 480));
}

TEST_F(Containers, AContainerInsideAnotherMovesWithIt) {
  TCustomKDTool* inner = ContainerAroundAB();
  doc->FigureSet().Select({inner, C});
  Trigger("InsertContainer1");
  TypeTitle("Outer");
  ASSERT_EQ(Rectangles().size(), 2u);
  TCustomKDTool* outer = Rectangles().front();
  ASSERT_NE(outer, inner);
  EXPECT_EQ(ContainerOf(inner), outer);
  EXPECT_EQ(ContainerOf(A), inner);
  Click({600, 420});
  TCustomKDTool* title = TitleOf(outer);
  ASSERT_TRUE(title);
  Drag(title->geometry().center(), title->geometry().center() + QPoint(10, 10));
  EXPECT_EQ(inner->BoundsRect(), QRect(94, 70, 152, 256));
  EXPECT_EQ(A->BoundsRect(), QRect(110, 110, 120, 50));
  EXPECT_EQ(C->BoundsRect(), QRect(510, 110, 120, 50));
}

}  // namespace
