#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>

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

TEST_F(Clip, PasteInAnotherDocumentPastesThatDocumentsOwnMarks) {
  Add(doc, QRect(100, 100, 40, 40));
  Band({90, 90}, {150, 150});
  main->btnCopyClick();
  TwinKedrinFile* other = main->btnNewClick();
  main->btnPasteClick();
  EXPECT_TRUE(other->Figures().empty());
  EXPECT_EQ(doc->Figures().size(), 1u);
}

TEST_F(Clip, CopyThenCutThenPastePastesNothing) {
  Add(doc, QRect(100, 100, 40, 40));
  Add(doc, QRect(200, 100, 40, 40));
  Band({90, 90}, {250, 150});
  main->btnCopyClick();
  main->btnCutClick();
  EXPECT_TRUE(doc->Figures().empty());
  EXPECT_TRUE(SurfaceChildren<TSizer>().empty());
  EXPECT_TRUE(SurfaceChildren<TSizerList>().empty());
  main->btnPasteClick();
  EXPECT_TRUE(doc->Figures().empty());
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

TEST_F(Clip, ClipboardHoldsTheRecordAsAFileWouldAndAPicture) {
  auto* f = Add<TKDProcess>(doc, QRect(100, 100, 80, 40));
  Band({90, 90}, {190, 150});
  main->btnCopyClick();
  main->btnPasteClick();
  testsupport::Flush();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  ASSERT_TRUE(data->hasFormat(componentclipboard::kMimeType));
  MemoryStream expected;
  {
    TWriter w(expected);
    w.WriteShape(*f);
  }
  QByteArray record = data->data(componentclipboard::kMimeType);
  EXPECT_EQ(std::vector<uint8_t>(record.begin(), record.end()), expected.Data());
  EXPECT_TRUE(data->hasFormat("image/png"));
  QImage picture = QImage::fromData(data->data("image/png"), "PNG");
  EXPECT_FALSE(picture.isNull());
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
