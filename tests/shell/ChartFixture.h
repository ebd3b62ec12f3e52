#pragma once
#include <QUndoStack>

#include "ConnectorOptions.h"
#include "HistoryFixture.h"
#include "TextEditSession.h"

// A small flowchart on a document, with View > Keep Connectors and Labels Attached on:
//   A (process box) with its text "Submit", an arrow down to B (rectangle) with its text "Check",
//   the arrow's label "yes", an arrow from B right to C (a diamond without text), and a label
//   "note" of nobody far away.
class ChartFixture : public HistoryFixture {
 public:
  // Table rows drive the fixture through these.
  using CanvasFixture::doc;
  using HistoryFixture::Key;
  using MainWindowFixture::main;

 protected:
  void SetUp() override {
    HistoryFixture::SetUp();
    ConnectorOptions::Instance().SetKeepAttached(true);
    A = Add<TKDProcess>(doc, {100, 100, 120, 50});
    textA = Text({110, 115, 100, 20}, "Submit");
    B = Add<TKDRectangle>(doc, {100, 250, 120, 50});
    textB = Text({110, 265, 100, 20}, "Check");
    down = Add<TKDArrow>(doc, {145, 150, 30, 100});  // (160, 150) to (160, 250)
    down->SetArrowDirection(adLeftToLeft);
    down->SetArrowPosition(apRight);
    yes = Text({166, 194, 24, 14}, "yes");
    C = Add<TKDDiamond>(doc, {400, 240, 120, 70});
    across = Add<TKDArrow>(doc, {220, 260, 180, 30});  // (220, 275) to (400, 275)
    across->SetArrowDirection(adTopToTop);
    across->SetArrowPosition(apRight);
    note = Text({600, 100, 60, 20}, "note");
    testsupport::Flush();
  }
  void TearDown() override {
    ConnectorOptions::Instance().SetKeepAttached(false);
    HistoryFixture::TearDown();
  }

  TKDLabel* Text(const QRect& r, const char* caption) {
    auto* l = Add<TKDLabel>(doc, r);
    l->SetCaption(caption);
    return l;
  }
  // A press and release with keys held, as a user's.
  void ClickWith(QPoint p, Qt::KeyboardModifiers mods) {
    QTest::mousePress(main->windowHandle(), Qt::LeftButton, mods, InWindow(p));
    QTest::mouseRelease(main->windowHandle(), Qt::LeftButton, mods, InWindow(p));
  }
  void DoubleClick(QPoint p) { QTest::mouseDClick(main->windowHandle(), Qt::LeftButton, {}, InWindow(p)); }
  TextEditSession& Typing() const { return doc->TextEditing(); }
  QString LastStep() const { return doc->UndoStack()->text(doc->UndoStack()->index() - 1); }
  bool Exists(const TCustomKDTool* f) const {
    const std::vector<TCustomKDTool*> all = doc->Figures();
    return std::find(all.begin(), all.end(), f) != all.end();
  }

  TKDProcess* A = nullptr;
  TKDRectangle* B = nullptr;
  TKDDiamond* C = nullptr;
  TKDArrow* down = nullptr;
  TKDArrow* across = nullptr;
  TKDLabel *textA = nullptr, *textB = nullptr, *yes = nullptr, *note = nullptr;
};
