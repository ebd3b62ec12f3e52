// Hundreds of random edits of every kind, as a user makes them, on single figures and groups:
// undoing them all gives back the bytes of the start, redoing them all the bytes of the end, and
// the document counts as modified exactly when a save would write something else than the last.
#include <QLineEdit>
#include <QUndoStack>
#include <map>
#include <random>

#include "HistoryFixture.h"
#include "TUpDownEdit.h"

namespace {

class HistoryRandom : public HistoryFixture {
 protected:
  std::mt19937 rng{20261208};

  int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
  // The part of the canvas in view, less room for a band, in the canvas widget's coordinates (a
  // drag at an edge scrolls it): a press beyond it would land on the tool bars.
  QRect InView() const {
    return QRect(QPoint(8, 8) - doc->Surface()->pos(), doc->scbKedrin->viewport()->size() - QSize(16, 16));
  }
  QPoint SomewhereOnCanvas() {
    const QPoint corner = InView().topLeft();
    const int x = Uniform(22, 552);
    return corner + QPoint(x, Uniform(22, 412));
  }
  // Figures a pointer can reach: wholly within the visible canvas, with room for a band.
  std::vector<TCustomKDTool*> Reachable() {
    const QRect visible = InView();
    std::vector<TCustomKDTool*> reachable;
    for (TCustomKDTool* f : doc->Figures())
      if (visible.contains(f->geometry())) reachable.push_back(f);
    return reachable;
  }
  TCustomKDTool* AnyFigure() {
    auto figures = Reachable();
    return figures.empty() ? nullptr : figures[static_cast<size_t>(Uniform(0, static_cast<int>(figures.size()) - 1))];
  }
  std::vector<TCustomKDTool*> SomeFigures() {
    std::vector<TCustomKDTool*> some;
    for (TCustomKDTool* f : Reachable())
      if (Uniform(0, 2) == 0) some.push_back(f);
    return some;
  }
  void Draw() {
    static const char* const tools[] = {"btnBegin", "btnEnd", "btnProcess", "btnEllipse", "btnRectangle",
                                        "btnArrow", "btnDiamond", "btnLabel", "btnLine"};
    UseTool(tools[Uniform(0, 8)]);
    const QPoint from = SomewhereOnCanvas();
    Drag(from, from + QPoint(Uniform(-80, 80), Uniform(-60, 60)));
  }
  void SelectOneOrSome() {
    if (Uniform(0, 1) == 0) {
      if (TCustomKDTool* f = AnyFigure()) ClickFigure(f);
    } else if (auto some = SomeFigures(); !some.empty()) {
      BandAround(some);
    }
  }
  // The selection's frame on top of everything: a group frame, else a single one.
  TCustomControl* SelectionFrame() {
    TCustomControl* frame = nullptr;
    for (TCustomControl* c : doc->Surface()->Overlay().Ordered()) {
      if (auto* g = dynamic_cast<TSizerList*>(c); g && !g->Releasing()) return g;
      if (auto* s = dynamic_cast<TSizer*>(c); s && !s->Releasing() && s->SelectStatus() == ssSingleSelect) frame = s;
    }
    return frame;
  }
  void DragSelection(bool handle) {
    SelectOneOrSome();
    TCustomControl* frame = SelectionFrame();
    if (!frame) return;
    const QRect r = frame->geometry();
    if (!InView().contains(r)) return;
    const QPoint from = handle ? r.topLeft() + QPoint(r.width() - 3, r.height() - 3)  // bottom-right handle
                               : r.topLeft() + QPoint(r.width() / 2, 2);             // the frame's body
    UseTool("btnSelect");
    Drag(from, from + QPoint(Uniform(-40, 40), Uniform(-30, 30)));
  }
  void Restyle() {
    SelectOneOrSome();
    switch (Uniform(0, 6)) {
      case 0: main->btnDashPen->click(); break;
      case 1: main->btnCrossBrush->click(); break;
      case 2: main->btnSolidPen->click(); break;
      case 3: main->PenWidth->setValue(Uniform(1, 6)); break;
      case 4: main->Both1->trigger(); break;
      case 5: main->UDArrowThicknessRate->setValue(Uniform(1, 12)); break;
      default:
        main->edtLabel->setFocus();
        QTest::keyClicks(main->edtLabel, QString(QChar('a' + Uniform(0, 25))));
        break;
    }
  }
  void Step(int kind) {
    switch (kind) {
      case 0: Draw(); break;
      case 1: DragSelection(false); break;
      case 2: DragSelection(true); break;
      case 3:
        SelectOneOrSome();
        Key(Uniform(0, 1) ? Qt::Key_Right : Qt::Key_Down, Uniform(0, 1) ? Qt::ControlModifier : Qt::NoModifier);
        break;
      case 4:
        SelectOneOrSome();
        Key(Qt::Key_Delete);
        break;
      case 5:
        SelectOneOrSome();
        main->btnCutClick();
        break;
      case 6:
        SelectOneOrSome();
        main->btnCopyClick();
        main->btnPasteClick();
        break;
      case 7: Restyle(); break;
      case 8:
        SelectOneOrSome();
        if (Uniform(0, 1)) doc->BringToFront1Click();
        else doc->SendToBack1Click();
        break;
      case 9: main->Undo1->trigger(); break;
      case 10: main->Redo1->trigger(); break;
      default:
        ASSERT_TRUE(doc->SaveToFile(Output("random.kdl")));
        lastSaved = SaveBytes(doc);
        break;
    }
  }

  std::vector<uint8_t> lastSaved;
  // The bytes of the state each index of the history stands for, as last seen there.
  std::map<int, std::vector<uint8_t>> atIndex;
};

TEST_F(HistoryRandom, UndoAllAndRedoAllGiveBackTheBytesAndModifiedNeverLies) {
  // The diagram to start from is opened, so its history is empty.
  for (int i = 0; i < 6; ++i) Draw();
  ASSERT_TRUE(doc->SaveToFile(Output("random-start.kdl")));
  doc->SetTitle(QStringLiteral("Noname.kdl"));  // or Open would only show this window again
  TwinKedrinFile* opened = main->OpenFile(Output("random-start.kdl"));
  ASSERT_NE(opened, nullptr);
  SubOf(doc)->close();
  testsupport::Flush();
  doc = opened;
  SubOf(doc)->showMaximized();
  testsupport::Flush();
  ASSERT_EQ(doc->UndoStack()->count(), 0);
  lastSaved = SaveBytes(doc);
  const std::vector<uint8_t> start = lastSaved;
  int kinds[12] = {};
  for (int step = 1; step <= 600; ++step) {
    const int kind = Uniform(0, 11);
    ++kinds[kind];
    Step(kind);
    testsupport::Flush();
    ASSERT_EQ(doc->Modified(), SaveBytes(doc) != lastSaved) << "step " << step << ", kind " << kind;
    atIndex[doc->UndoStack()->index()] = SaveBytes(doc);
    if (step % 40 != 0) continue;
    const std::vector<uint8_t> now = SaveBytes(doc);
    const int index = doc->UndoStack()->index();
    while (doc->UndoStack()->canUndo()) main->Undo1->trigger();
    ASSERT_EQ(SaveBytes(doc), start) << "undo all after step " << step;
    ASSERT_EQ(doc->Modified(), start != lastSaved);
    // Redone as far as the checkpoint (steps undone just before it stay undone)...
    while (doc->UndoStack()->index() < index) main->Redo1->trigger();
    ASSERT_EQ(SaveBytes(doc), now) << "redo all after step " << step;
    ASSERT_EQ(doc->Modified(), now != lastSaved);
    // ...and on to the end, which is the state the last step done gave.
    while (doc->UndoStack()->canRedo()) main->Redo1->trigger();
    ASSERT_EQ(SaveBytes(doc), atIndex[doc->UndoStack()->index()]) << "redo all after step " << step;
    while (doc->UndoStack()->index() > index) main->Undo1->trigger();
    ASSERT_EQ(SaveBytes(doc), now);
  }
  for (int kind = 0; kind < 12; ++kind) EXPECT_GT(kinds[kind], 10) << "kind " << kind << " hardly tried";
  EXPECT_GT(doc->UndoStack()->count(), 100);
}

}  // namespace
