#include <QAction>
#include <QDir>
#include <QMenu>
#include <QFile>

#include "Diagram.h"
#include "DocumentTestSupport.h"
#include "TImage.h"
#include "TScrollBox.h"

namespace {

using questions::TAnswer;
using DocumentWindowTest = DocumentFixture;

TEST_F(DocumentWindowTest, FormHasItsCanvasMenuAndStartingStyle) {
  EXPECT_EQ(doc->scbKedrin->Color(), clInfoBk);
  EXPECT_EQ(doc->imgKedrin->parentWidget(), doc->Surface());
  EXPECT_EQ(doc->imgKedrin->size(), doc->Surface()->size());
  ASSERT_EQ(doc->mnuRButton->actions().size(), 2);
  EXPECT_EQ(doc->mnuRButton->actions()[0]->text(), "BringToFront");
  EXPECT_EQ(doc->mnuRButton->actions()[1]->text(), "SendToBack");
  EXPECT_FALSE(doc->Modified());
  EXPECT_EQ(doc->CurBrushColor, clWhite);
  EXPECT_EQ(doc->CurLineWidth, 2);
  EXPECT_TRUE(doc->Figures().empty());
}

TEST_F(DocumentWindowTest, ActivationAndClosingMaintainTheCurrentDocument) {
  doc->FormActivate();
  EXPECT_EQ(main.current, doc);
  TwinKedrinFile other(&main);
  doc->FormClose();
  EXPECT_EQ(main.current, nullptr);
  other.FormActivate();
  doc->FormClose();  // another document's closing leaves the current one alone
  EXPECT_EQ(main.current, &other);
}

struct CloseCase {
  const char* name;
  bool modified;
  TAnswer answer;
  const char* title;      // "<dir>" stands for a writable folder
  const char* saveAsTo;   // the Save As choice; empty: cancelled
  bool mayClose;
  int saveAsCalls;
  bool errorShown;
};

class CloseQueryTest : public DocumentFixture, public ::testing::WithParamInterface<CloseCase> {
 protected:
  QString Resolve(const char* s) {
    QString dir = testsupport::OutputPath(QStringLiteral("close-query"));
    QDir().mkpath(dir);
    return QString::fromUtf8(s).replace(QStringLiteral("<dir>"), dir);
  }
};

TEST_P(CloseQueryTest, AnswersDecideWhetherTheWindowCloses) {
  const CloseCase& c = GetParam();
  Add(QRect(10, 10, 40, 40));
  doc->SetModified(c.modified);
  answer = c.answer;
  const QString title = Resolve(c.title);
  QFile::remove(title);
  doc->SetTitle(title);
  main.saveAsName = Resolve(c.saveAsTo);
  if (!main.saveAsName.isEmpty()) QFile::remove(main.saveAsName);

  EXPECT_EQ(doc->FormCloseQuery(), c.mayClose);
  EXPECT_EQ(questionsAsked.size(), c.modified ? 1u : 0u);
  if (c.modified) {
    // The question as it always was, then the document's file on a line of its own.
    EXPECT_EQ(questionsAsked[0], "File has been changed, save or not?\n" + title.toStdString());
  }
  EXPECT_EQ(main.saveAsCalls, c.saveAsCalls);
  EXPECT_EQ(!errorsShown.empty(), c.errorShown);
  // Yes never closes without the diagram written to a diagram file.
  if (c.mayClose && c.answer == TAnswer::Yes) {
    EXPECT_FALSE(doc->Modified());
    EXPECT_TRUE(QFile::exists(doc->Title()));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CloseQueryTest,
    ::testing::Values(
        CloseCase{"unmodified", false, TAnswer::Cancel, "Noname.kdl", "", true, 0, false},
        CloseCase{"no", true, TAnswer::No, "Noname.kdl", "", true, 0, false},
        CloseCase{"cancel", true, TAnswer::Cancel, "<dir>/a.kdl", "", false, 0, false},
        CloseCase{"yesNamed", true, TAnswer::Yes, "<dir>/b.kdl", "", true, 0, false},
        CloseCase{"yesNonameSaveAs", true, TAnswer::Yes, "Noname.kdl", "<dir>/c.kdl", true, 1, false},
        CloseCase{"yesNonameCancelled", true, TAnswer::Yes, "Noname.kdl", "", false, 1, false},
        CloseCase{"yesPictureTitleAsksForName", true, TAnswer::Yes, "<dir>/d.bmp", "<dir>/d.kdl", true, 1, false},
        CloseCase{"yesSaveAsPictureKeepsOpen", true, TAnswer::Yes, "Noname.kdl", "<dir>/e.bmp", false, 1, false},
        CloseCase{"yesFailedSave", true, TAnswer::Yes, "/nonexistent-folder/f.kdl", "", false, 0, true}),
    [](const auto& info) { return std::string(info.param.name); });

// A document closed while its frame is being dragged: the drag's edit ends with the window,
// after its history is gone, and nothing is recorded or reached.
TEST_F(DocumentWindowTest, ClosedDuringADrag) {
  TCustomKDTool* f = Add({50, 50, 100, 60});
  Select(f);
  QTest::mousePress(doc->windowHandle(), Qt::LeftButton, {}, doc->Surface()->mapTo(doc, QPoint(100, 80)));
  ASSERT_TRUE(doc->DragInProgress());
  delete doc;
  doc = nullptr;
  testsupport::Flush();
}

// The group frame that is there when a step is undone or redone, over exactly its members,
// stays and is laid over them again; a selection of other figures gets a frame of its own.
TEST_F(DocumentWindowTest, ReselectionKeepsTheGroupFrameOfTheSameFigures) {
  TCustomKDTool* a = Add({50, 50, 100, 60});
  TCustomKDTool* b = Add({300, 50, 100, 60});
  TCustomKDTool* c = Add({50, 300, 100, 60});
  const auto group = [&]() -> TSizerList* {
    for (TCustomControl* f : doc->Surface()->Overlay().Ordered())
      if (auto* g = dynamic_cast<TSizerList*>(f); g && !g->Releasing()) return g;
    return nullptr;
  };
  doc->FigureSet().Select({a, b});
  TSizerList* first = group();
  ASSERT_NE(first, nullptr);
  const struct {
    std::vector<TCustomKDTool*> figures;
    bool same;
  } rows[] = {{{b, a}, true}, {{a, b, a}, true}, {{a, b, c}, false}, {{a, c}, false}};
  for (const auto& row : rows) {
    doc->FigureSet().Select({a, b});
    TSizerList* before = group();
    doc->FigureSet().Select(row.figures);
    EXPECT_EQ(group() == before, row.same) << row.figures.size();
  }
}

TEST_F(DocumentWindowTest, CancelledCloseKeepsTheWindow) {
  doc->SetModified(true);
  answer = TAnswer::Cancel;
  EXPECT_FALSE(doc->close());
  EXPECT_TRUE(doc->isVisible());
}

}  // namespace
