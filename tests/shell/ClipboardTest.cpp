#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>

#include <QUndoStack>

#include "ByteStream.h"
#include "CanvasFixture.h"
#include "ComponentClipboard.h"
#include "StreamError.h"
#include "Writer.h"

namespace {

class Clip : public CanvasFixture {
 protected:
  void Band(QPoint from, QPoint to) {
    UseTool("btnSelect");
    Drag(from, to);
  }
};

TEST_F(Clip, CopyWithNothingSelectedThenPastePastesNothing) {
  Add(doc, QRect(100, 100, 40, 40));
  main->btnCopyClick();
  main->btnPasteClick();
  EXPECT_EQ(doc->Figures().size(), 1u);
}

TEST_F(Clip, GroupCopyPastedTwiceLandsTenPixelsOffAboveEverything) {
  auto* a = Add<TKDEllipse>(doc, QRect(100, 100, 40, 30));
  auto* b = Add<TKDArrow>(doc, QRect(200, 100, 60, 40));
  auto* top = Add(doc, QRect(400, 400, 20, 20));
  Band({90, 90}, {270, 150});
  main->btnCopyClick();
  EXPECT_TRUE(a->CopyMark);
  EXPECT_TRUE(b->CopyMark);
  EXPECT_FALSE(top->CopyMark);
  main->btnPasteClick();
  main->btnPasteClick();
  auto figures = doc->Figures();
  ASSERT_EQ(figures.size(), 7u);
  // Each paste appends one copy of each marked figure, in figure order, above all others.
  for (int paste = 0; paste < 2; ++paste) {
    TCustomKDTool* ca = figures[3 + 2 * paste];
    TCustomKDTool* cb = figures[4 + 2 * paste];
    EXPECT_STREQ(ca->ClassName(), "TKDEllipse");
    EXPECT_STREQ(cb->ClassName(), "TKDArrow");
    EXPECT_EQ(ca->geometry(), QRect(110, 110, 40, 30));
    EXPECT_EQ(cb->geometry(), QRect(210, 110, 60, 40));
    EXPECT_FALSE(ca->CopyMark);
    EXPECT_EQ(ca->DocumentWindow(), doc);
    EXPECT_TRUE(static_cast<bool>(ca->OnSeleComp));  // wired
  }
  EXPECT_TRUE(doc->Modified());  // pasted figures are a change
}

TEST_F(Clip, PasteInAnotherDocumentTakesTheFiguresFromTheClipboard) {
  auto* a = Add<TKDEllipse>(doc, QRect(100, 100, 40, 30));
  auto* b = Add<TKDArrow>(doc, QRect(200, 100, 60, 40));
  b->SetArrowPosition(apBoth);
  Band({90, 90}, {270, 150});
  main->btnCopyClick();
  TwinKedrinFile* other = main->btnNewClick();
  main->btnPasteClick();
  // The other document has no marks of its own: the copies come from the clipboard, 10 pixels
  // right of and below, selected as a group.
  ASSERT_EQ(other->Figures().size(), 2u);
  EXPECT_STREQ(other->Figures()[0]->ClassName(), "TKDEllipse");
  EXPECT_EQ(other->Figures()[0]->geometry(), a->geometry().translated(10, 10));
  EXPECT_EQ(other->Figures()[1]->geometry(), b->geometry().translated(10, 10));
  EXPECT_EQ(static_cast<TKDArrow*>(other->Figures()[1])->ArrowPosition(), apBoth);
  EXPECT_TRUE(other->GroupSelected());
  EXPECT_TRUE(other->Modified());
  EXPECT_EQ(doc->Figures().size(), 2u);
  // A document with marks of its own keeps pasting them.
  main->MdiArea->setActiveSubWindow(SubOf(doc));
  main->btnPasteClick();
  EXPECT_EQ(doc->Figures().size(), 4u);
}

TEST_F(Clip, CutThenPasteMovesTheFiguresEvenWithNoMarksLeft) {
  auto* a = Add(doc, QRect(100, 100, 40, 40));
  Add(doc, QRect(200, 100, 40, 40));
  const QRect first = a->geometry();
  Band({90, 90}, {250, 150});
  main->btnCopyClick();
  main->btnCutClick();
  EXPECT_TRUE(doc->Figures().empty());
  EXPECT_TRUE(SurfaceChildren<TSizer>().empty());
  EXPECT_TRUE(SurfaceChildren<TSizerList>().empty());
  main->btnPasteClick();
  ASSERT_EQ(doc->Figures().size(), 2u);
  EXPECT_EQ(doc->Figures()[0]->geometry(), first.translated(10, 10));
}

TEST_F(Clip, CutOfASingleSelectionDeletesItAndLeavesItsStyleAsTheDrawingStyle) {
  auto* f = Add(doc, QRect(100, 100, 40, 40));
  auto* other = Add(doc, QRect(300, 100, 40, 40));
  f->SetLineColor(clGreen);
  f->SetLineWidth(6);
  Click({110, 110});
  main->btnCutClick();
  auto figures = doc->Figures();
  ASSERT_EQ(figures.size(), 1u);
  EXPECT_EQ(figures[0], other);
  // No deselection came: the deleted figure's style stays current and the next figure has it.
  UseTool("btnRectangle");
  Drag({400, 300}, {440, 340});
  EXPECT_EQ(LastFigure()->LineColor(), clGreen);
  EXPECT_EQ(LastFigure()->LineWidth(), 6);
}

TEST_F(Clip, CutWithNothingSelectedDoesNothing) {
  Add(doc, QRect(100, 100, 40, 40));
  main->btnCutClick();
  EXPECT_EQ(doc->Figures().size(), 1u);
}

TEST_F(Clip, PastedFigureTakesTheMarkedFiguresPropertiesAtPasteTime) {
  auto* a = Add<TKDArrow>(doc, QRect(100, 100, 60, 40));
  Band({90, 90}, {170, 150});
  main->btnCopyClick();
  a->SetCaption("changed after copy");
  a->SetFillColor(clRed);
  a->SetArrowPosition(apBoth);
  main->btnPasteClick();
  auto* copy = dynamic_cast<TKDArrow*>(doc->Figures().back());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Caption(), "changed after copy");
  EXPECT_EQ(copy->FillColor(), clRed);
  EXPECT_EQ(copy->ArrowPosition(), apBoth);
}

TEST_F(Clip, CopyPutsTheRecordsAndPicturesOnTheClipboardAndPasteLeavesThemThere) {
  auto* f = Add<TKDProcess>(doc, QRect(100, 100, 80, 40));
  auto* g = Add<TKDEllipse>(doc, QRect(200, 100, 60, 40));
  Add<TKDRectangle>(doc, QRect(400, 300, 20, 20));  // not selected
  Band({90, 90}, {270, 150});
  main->btnCopyClick();
  testsupport::Flush();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  ASSERT_TRUE(data->hasFormat(componentclipboard::kMimeType));
  // The two selected figures' records, bottom first, as a file holds them (both selected).
  MemoryStream expected;
  {
    TWriter w(expected);
    w.WriteShape(*f);
    w.WriteShape(*g);
  }
  const QByteArray records = data->data(componentclipboard::kMimeType);
  EXPECT_EQ(std::vector<uint8_t>(records.begin(), records.end()), expected.Data());
  const QImage picture = QImage::fromData(data->data("image/png"), "PNG");
  EXPECT_EQ(picture.size(), QSize(160, 40)) << "the selection's bounds, not the whole diagram";
  EXPECT_TRUE(data->data("image/svg+xml").contains("<svg"));
  // Paste copies the marked figures and leaves the clipboard as Copy left it.
  main->btnPasteClick();
  testsupport::Flush();
  EXPECT_EQ(doc->Figures().size(), 5u);
  EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->data(componentclipboard::kMimeType), records);
}

TEST_F(Clip, BadDataUnderOurTypeFailsThePasteAndChangesNothing) {
  Add(doc, QRect(100, 100, 40, 40));
  const auto bad = {QByteArray("TPF0\x05TJunk\x00\x00\x00", 12), QByteArray("TPF0\x08TKDBegin", 13),
                    QByteArray("random bytes")};
  const char* messages[] = {"Class TJunk not found", "Stream read error", "Invalid stream format"};
  size_t i = 0;
  for (const QByteArray& bytes : bad) {
    auto* data = new QMimeData;
    data->setData(componentclipboard::kMimeType, bytes);
    QGuiApplication::clipboard()->setMimeData(data);
    errorsShown.clear();
    main->btnPasteClick();
    ASSERT_EQ(errorsShown.size(), 1u);
    EXPECT_EQ(errorsShown[0], messages[i++]);
    EXPECT_EQ(doc->Figures().size(), 1u);
    EXPECT_FALSE(doc->Modified());
  }
  // A good record after a bad one in the same data: still nothing.
  auto* mixed = new QMimeData;
  MemoryStream good;
  {
    TWriter w(good);
    w.WriteShape(*doc->Figures().front());
  }
  QByteArray both(reinterpret_cast<const char*>(good.Data().data()), static_cast<qsizetype>(good.Data().size()));
  both += "junk";
  mixed->setData(componentclipboard::kMimeType, both);
  QGuiApplication::clipboard()->setMimeData(mixed);
  main->btnPasteClick();
  EXPECT_EQ(doc->Figures().size(), 1u);
  EXPECT_EQ(doc->UndoStack()->count(), 0);
}

TEST_F(Clip, GarbageUnderOurFormatFailsThePasteWithTheReadersMessage) {
  auto* f = Add(doc, QRect(100, 100, 40, 40));
  auto* data = new QMimeData;
  data->setData(componentclipboard::kMimeType, QByteArray("TPF0\x05TJunk\x00\x00\x00", 12));
  QGuiApplication::clipboard()->setMimeData(data);
  try {
    f->PasteCopy();
    FAIL() << "no failure";
  } catch (const EStreamError& e) {
    EXPECT_STREQ(e.what(), "Class TJunk not found");
  }
  auto* truncated = new QMimeData;
  truncated->setData(componentclipboard::kMimeType, QByteArray("TPF0\x08TKDBegin", 13));
  QGuiApplication::clipboard()->setMimeData(truncated);
  EXPECT_THROW(f->PasteCopy(), EStreamError);
  EXPECT_EQ(doc->Figures().size(), 1u);
  // Nothing of ours on the clipboard: no figure, nothing moved.
  QGuiApplication::clipboard()->setText("plain text");
  EXPECT_EQ(f->PasteCopy(), nullptr);
  EXPECT_EQ(doc->Figures().size(), 1u);
}

TEST_F(Clip, CtrlCAndCtrlVCopyAndPasteWithEitherCtrlAndWithShift) {
  Add(doc, QRect(100, 100, 40, 40));
  Band({90, 90}, {150, 150});
  EXPECT_TRUE(TwinKedrinFile::KeyHookInstalled());
  QTest::keyClick(main->windowHandle(), Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(main->windowHandle(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(doc->Figures().size(), 2u);
  QTest::keyClick(main->windowHandle(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(doc->Figures().size(), 3u);
  QTest::keyClick(main->windowHandle(), Qt::Key_V);  // no Ctrl: nothing
  QTest::keyClick(main->windowHandle(), Qt::Key_V, Qt::AltModifier);
  EXPECT_EQ(doc->Figures().size(), 3u);
}

TEST_F(Clip, ShortcutsAlsoActWhileTheCaptionBoxHasTheFocusAndTheBoxStillGetsTheKeys) {
  Add(doc, QRect(100, 100, 40, 40));
  Band({90, 90}, {150, 150});
  QTest::keyClick(main->windowHandle(), Qt::Key_C, Qt::ControlModifier);
  auto* caption = Find<QLineEdit>("edtLabel");
  caption->setFocus();
  QGuiApplication::clipboard()->setText("abc");
  testsupport::Flush();
  QTest::keyClick(main->windowHandle(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(doc->Figures().size(), 2u);
}

TEST_F(Clip, TheShortcutWatcherGoesWhenADocumentClosesAndComesBackOnActivation) {
  TwinKedrinFile* second = main->btnNewClick();
  EXPECT_TRUE(TwinKedrinFile::KeyHookInstalled());
  SubOf(second)->close();
  testsupport::Flush();
  // The remaining document is activated again, which installs it anew.
  main->MdiArea->setActiveSubWindow(nullptr);
  main->MdiArea->setActiveSubWindow(SubOf(doc));
  testsupport::Flush();
  EXPECT_TRUE(TwinKedrinFile::KeyHookInstalled());
  Add(doc, QRect(100, 100, 40, 40));
  Band({90, 90}, {150, 150});
  QTest::keyClick(main->windowHandle(), Qt::Key_C, Qt::ControlModifier);
  QTest::keyClick(main->windowHandle(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(doc->Figures().size(), 2u);
}

}  // namespace
