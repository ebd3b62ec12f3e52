// Every change a save would keep marks the document modified and is one step of its history;
// undoing back to the saved state makes it unmodified again, exactly.
#include <QLineEdit>
#include <QUndoStack>

#include "HistoryFixture.h"
#include "TUpDownEdit.h"

namespace {

struct Diagram {
  TKDRectangle* box;
  TKDEllipse* ellipse;
  TKDLabel* label;
};

class ChangeHistory : public HistoryFixture {
 protected:
  Diagram Build() {
    Diagram d;
    d.box = Add<TKDRectangle>(doc, QRect(100, 100, 80, 50));
    d.ellipse = Add<TKDEllipse>(doc, QRect(300, 100, 80, 50));
    d.label = Add<TKDLabel>(doc, QRect(100, 300, 120, 40));
    d.label->SetCaption("Start here");
    EXPECT_TRUE(doc->SaveToFile(Output("history.kdl")));
    return d;
  }
};

struct Change {
  const char* name;
  const char* undoText;  // empty: not a change at all
};

class EveryChange : public ChangeHistory, public ::testing::WithParamInterface<Change> {
 protected:
  void Make(const std::string& name, const Diagram& d) {
    if (name == "Draw") {
      UseTool("btnRectangle");
      Drag({500, 400}, {560, 450});
    } else if (name == "Move") {
      UseTool("btnSelect");
      Drag(d.box->geometry().center(), d.box->geometry().center() + QPoint(30, 20));
    } else if (name == "Resize") {
      ClickFigure(d.box);
      DragBottomRightHandle(d.box, {25, 15});
    } else if (name == "Nudge") {
      ClickFigure(d.box);
      Key(Qt::Key_Right);
    } else if (name == "DeleteKey") {
      ClickFigure(d.box);
      Key(Qt::Key_Delete);
    } else if (name == "Cut") {
      BandAround({d.box, d.ellipse});
      main->btnCutClick();
    } else if (name == "Paste") {
      BandAround({d.box});
      main->btnCopyClick();
      main->btnPasteClick();
    } else if (name == "Restyle") {
      ClickFigure(d.box);
      main->btnDashPen->click();
    } else if (name == "Recaption") {
      ClickFigure(d.label);
      main->edtLabel->setFocus();
      QTest::keyClicks(main->edtLabel, "!");
    } else if (name == "Restack") {
      ClickFigure(d.box);
      doc->BringToFront1Click();
    } else if (name == "Select") {
      ClickFigure(d.box);
      BandAround({d.box, d.ellipse});
    } else if (name == "DragBackToStart") {
      UseTool("btnSelect");
      const QPoint c = d.box->geometry().center();
      Press(c);
      MoveTo(c + QPoint(40, 40));
      MoveTo(c);
      Release(c);
    } else if (name == "ExportAndPrint") {
      doc->ExportPicture(Output("history.bmp"));
      main->Printer()->setOutputFormat(QPrinter::PdfFormat);
      main->Printer()->setOutputFileName(Output("history.pdf"));
      main->btnPrnSetClick();
    } else if (name == "OpenAnotherFile") {
      TwinKedrinFile* other = main->OpenFile(Output("history.kdl"));
      ASSERT_NE(other, nullptr);
      EXPECT_FALSE(other->Modified());
      main->MdiArea->setActiveSubWindow(SubOf(doc));
    } else {
      FAIL() << "no such change " << name;
    }
  }
};

TEST_P(EveryChange, MarksModifiedAndUndoingItMakesTheDocumentSavedAgain) {
  const Diagram d = Build();
  ASSERT_FALSE(doc->Modified());
  const std::vector<uint8_t> saved = SaveBytes(doc);
  Make(GetParam().name, d);
  testsupport::Flush();
  const std::string undoText = GetParam().undoText;
  if (undoText.empty()) {
    EXPECT_FALSE(doc->Modified());
    EXPECT_FALSE(main->Undo1->isEnabled());
    EXPECT_EQ(SaveBytes(doc), saved);
    return;
  }
  EXPECT_TRUE(doc->Modified());
  const std::vector<uint8_t> changed = SaveBytes(doc);
  EXPECT_NE(changed, saved);
  ASSERT_TRUE(main->Undo1->isEnabled());
  EXPECT_EQ(main->Undo1->text().remove('&').toStdString(), undoText);
  EXPECT_EQ(doc->UndoStack()->count(), 1);

  main->Undo1->trigger();
  testsupport::Flush();
  EXPECT_FALSE(doc->Modified());
  EXPECT_EQ(SaveBytes(doc), saved);
  EXPECT_FALSE(main->Undo1->isEnabled());
  main->Redo1->trigger();
  testsupport::Flush();
  EXPECT_TRUE(doc->Modified());
  EXPECT_EQ(SaveBytes(doc), changed);
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryChange,
                         ::testing::Values(Change{"Draw", "Undo Draw Rectangle"}, Change{"Move", "Undo Move"},
                                           Change{"Resize", "Undo Resize"}, Change{"Nudge", "Undo Move"},
                                           Change{"DeleteKey", "Undo Delete"}, Change{"Cut", "Undo Cut 2 Figures"},
                                           Change{"Paste", "Undo Paste"},
                                           Change{"Restyle", "Undo Change Pen Style"},
                                           Change{"Recaption", "Undo Change Caption"},
                                           Change{"Restack", "Undo Bring to Front"},
                                           // Selecting, a drag back to where it began, export,
                                           // print and opening a file change nothing.
                                           Change{"Select", ""}, Change{"DragBackToStart", ""},
                                           Change{"ExportAndPrint", ""}, Change{"OpenAnotherFile", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ChangeHistory, ConsecutiveNudgesOfOneSelectionAreOneStep) {
  const Diagram d = Build();
  ClickFigure(d.box);
  for (int i = 0; i < 3; ++i) Key(Qt::Key_Right);
  Key(Qt::Key_Down, Qt::ControlModifier);
  EXPECT_EQ(doc->UndoStack()->count(), 1);
  EXPECT_EQ(d.box->geometry(), QRect(250, 101, 80, 50));  // steps of 50, then one pixel
  main->Undo1->trigger();
  EXPECT_EQ(d.box->geometry(), QRect(100, 100, 80, 50));
  // Nudged back where it started: no step is left, and nothing is modified.
  ClickFigure(d.box);
  Key(Qt::Key_Right);
  Key(Qt::Key_Left);
  EXPECT_FALSE(doc->Modified());
  EXPECT_EQ(doc->UndoStack()->count(), 0);
}

TEST_F(ChangeHistory, AMoveAndTheOppositeMoveAreTwoStepsButNoChange) {
  const Diagram d = Build();
  UseTool("btnSelect");
  const QPoint c = d.box->geometry().center();
  Drag(c, c + QPoint(60, 0));
  EXPECT_TRUE(doc->Modified());
  Drag(c + QPoint(60, 0), c);
  EXPECT_EQ(doc->UndoStack()->count(), 2);
  EXPECT_FALSE(doc->Modified()) << "the diagram is the saved one again";
  main->Undo1->trigger();
  EXPECT_TRUE(doc->Modified());
}

TEST_F(ChangeHistory, AfterUndoTheControlsShowTheSelectedFiguresStyle) {
  const Diagram d = Build();
  ClickFigure(d.box);
  main->btnDashPen->click();
  main->PenWidth->setValue(5);
  EXPECT_EQ(d.box->LineWidth(), 5);
  main->Undo1->trigger();
  main->Undo1->trigger();
  EXPECT_EQ(d.box->LineStyle(), psSolid);
  EXPECT_TRUE(main->btnSolidPen->isChecked());
  EXPECT_EQ(main->PenWidth->value(), 2);
  EXPECT_TRUE(d.box->HaveFocused());
}

TEST_F(ChangeHistory, FailedOrCancelledCommandsLeaveNoStep) {
  const Diagram d = Build();
  ClickFigure(d.box);
  main->btnPenColor->click();  // the colour dialog is cancelled
  main->btnFontSet->click();   // and so is the font dialog
  EXPECT_EQ(doc->UndoStack()->count(), 0);
  Key(Qt::Key_Right);
  main->saveAnswers = {QStringLiteral("/nonexistent-folder/x.kdl")};
  main->Saveas1Click();  // fails: reported, and the history is as it was
  EXPECT_EQ(errorsShown.size(), 1u);
  EXPECT_EQ(doc->UndoStack()->count(), 1);
  EXPECT_TRUE(doc->Modified());
}

TEST_F(ChangeHistory, TypingACaptionIsOneStepPerBurst) {
  const Diagram d = Build();
  ClickFigure(d.label);
  main->edtLabel->setFocus();
  QTest::keyClicks(main->edtLabel, "abc");
  EXPECT_EQ(doc->UndoStack()->count(), 1);
  EXPECT_EQ(d.label->Caption(), "Start hereabc");
  main->edtLabel->clearFocus();  // the burst ends
  main->edtLabel->setFocus();
  QTest::keyClicks(main->edtLabel, "d");
  EXPECT_EQ(doc->UndoStack()->count(), 2);
  main->Undo1->trigger();
  EXPECT_EQ(d.label->Caption(), "Start hereabc");
  main->Undo1->trigger();
  EXPECT_EQ(d.label->Caption(), "Start here");
}

TEST_F(ChangeHistory, AFigureBroughtBackByUndoIsTheSameFigureForEarlierSteps) {
  const Diagram d = Build();
  UseTool("btnSelect");
  Drag(d.box->geometry().center(), d.box->geometry().center() + QPoint(40, 0));  // step 1: move
  ClickFigure(d.box);
  Key(Qt::Key_Delete);  // step 2: delete
  ASSERT_EQ(doc->Figures().size(), 2u);
  main->Undo1->trigger();  // the box comes back, in its place at the bottom
  ASSERT_EQ(doc->Figures().size(), 3u);
  TCustomKDTool* back = doc->Figures().front();
  EXPECT_EQ(back->geometry(), QRect(140, 100, 80, 50));
  EXPECT_TRUE(back->HaveFocused());  // the undone step's figure is selected
  main->Undo1->trigger();  // the move still applies to it
  EXPECT_EQ(back->geometry(), QRect(100, 100, 80, 50));
  EXPECT_FALSE(doc->Modified());
  main->Redo1->trigger();
  main->Redo1->trigger();
  EXPECT_EQ(doc->Figures().size(), 2u);
  EXPECT_TRUE(doc->Modified());
}

TEST_F(ChangeHistory, TitleCarriesTheModifiedMarkButSaveUsesTheName) {
  const Diagram d = Build();
  const QString path = Output("history.kdl");
  EXPECT_EQ(testsupport::ShownTitle(SubOf(doc)), path);
  ClickFigure(d.box);
  Key(Qt::Key_Right);
  EXPECT_EQ(testsupport::ShownTitle(SubOf(doc)), path + "*");
  EXPECT_EQ(doc->Title(), path);
  main->btnSaveClick();
  EXPECT_EQ(testsupport::ShownTitle(SubOf(doc)), path);
  main->Undo1->trigger();  // away from the saved state again
  EXPECT_EQ(testsupport::ShownTitle(SubOf(doc)), path + "*");
  EXPECT_TRUE(doc->Modified());
}

TEST_F(ChangeHistory, EachDocumentHasItsOwnHistory) {
  const Diagram d = Build();
  ClickFigure(d.box);
  Key(Qt::Key_Delete);
  TwinKedrinFile* other = main->btnNewClick();
  EXPECT_EQ(main->CurrentDocument(), other);
  EXPECT_FALSE(main->Undo1->isEnabled());
  main->MdiArea->setActiveSubWindow(SubOf(doc));
  EXPECT_TRUE(main->Undo1->isEnabled());
  EXPECT_EQ(main->Undo1->text().remove('&'), "Undo Delete");
}

}  // namespace
