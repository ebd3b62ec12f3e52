#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

#include "MainWindowFixture.h"

namespace {

using questions::TAnswer;
using MainWindowTest = MainWindowFixture;

struct Hinted {
  const char* name;
  const char* hint;
};

const Hinted kButtons[] = {
    {"btnNew", "New File"}, {"btnOpen", "Open File"}, {"btnSave", "Save Current File"}, {"btnCut", "Cut"},
    {"btnCopy", "Copy"}, {"btnPaste", "Paste"}, {"btnPrnSet", "Print Current File"}, {"btnPrint", "Printer Setup"},
    {"btnHelp", "Help"}, {"btnExit", "Exit"}, {"btnSelect", "Single Select & Multi Select"}, {"btnBegin", "Begin"},
    {"btnEnd", "End"}, {"btnProcess", "Process"}, {"btnEllipse", "Ellipse"}, {"btnRectangle", "Rectangle"},
    {"btnArrow", "AnyAngle Arrow"}, {"btnDiamond", "Diamond"}, {"btnLabel", "Text"}, {"btnLine", "Line"},
    {"btnSolidPen", "Solid Pen"}, {"btnDashPen", "Dash Pen"}, {"btnDotPen", "Dot Pen"},
    {"btnDashDotPen", "Dash Dot Pen"}, {"btnDashDotDotPen", "Dash Dot Dot Pen"}, {"btnClearPen", "Clear Pen"},
    {"btnPenColor", "Pen Color"}, {"btnSolidBrush", "Solid Brush"}, {"btnHorizontalBrush", "Horizontal Brush"},
    {"btnVerticalBrush", "Vertical Brush"}, {"btnFDiagonalBrush", "FDiagonal Brush"},
    {"btnBDiagonalBrush", "BDiagonal Brush"}, {"btnCrossBrush", "Cross Brush"},
    {"btnDiagCrossBrush", "DiagCross Brush"}, {"btnBrushColor", "Brush Color"},
    {"btnArrowPosion", "Set Arrow Posion"}, {"btnArrowDirection", "Set Arrow Direction"},
    {"btnFontSet", "Set Caption Font"}};

TEST_F(MainWindowTest, EveryButtonHasItsHintAndADrawnIcon) {
  for (const Hinted& b : kButtons) {
    QToolButton* button = Find(b.name);
    if (!button) continue;
    EXPECT_EQ(button->toolTip(), b.hint) << b.name;
    QImage icon = button->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    int inked = 0;
    for (int y = 0; y < icon.height(); ++y)
      for (int x = 0; x < icon.width(); ++x) inked += qAlpha(icon.pixel(x, y)) > 0;
    EXPECT_GT(inked, 12) << b.name << " shows no picture";
  }
  EXPECT_EQ(Find<QLineEdit>("PenSize")->toolTip(), "LineWidth");
  EXPECT_EQ(Find<QLineEdit>("edtArrowThicknessRate")->toolTip(), "ArrowThicknessRate");
  EXPECT_EQ(Find<QLineEdit>("edtArrowHeadLengthRate")->toolTip(), "ArrowHeadLengthRate");
  EXPECT_EQ(Find<QLineEdit>("edtLabel")->toolTip(), "Set Caption");
}

TEST_F(MainWindowTest, StartsWithNoDocumentSelectToolAndSolidStyles) {
  EXPECT_EQ(main->windowTitle(), "Kedrin Tools Demo");
  // Large enough for a whole document window (the old 652 x 492 cut it off).
  EXPECT_GE(main->width(), 652);
  EXPECT_GE(main->height(), 492);
  EXPECT_EQ(main->CurrentDocument(), nullptr);
  EXPECT_TRUE(main->btnSelect->isChecked());
  EXPECT_EQ(main->CurrentTool(), TTool::Select);
  EXPECT_TRUE(main->btnSolidPen->isChecked());
  EXPECT_TRUE(main->btnSolidBrush->isChecked());
  for (QMenu* menu : {main->mnuArrowPosition, main->mnuArrowDirection})
    for (QAction* a : menu->actions()) EXPECT_FALSE(a->isChecked()) << a->objectName().toStdString();
  EXPECT_EQ(main->PenSize->text(), "1");
  EXPECT_EQ(main->edtArrowThicknessRate->text(), "1");
  EXPECT_TRUE(main->edtLabel->text().isEmpty());
  auto panels = main->StatusBar1->findChildren<QLabel*>();
  ASSERT_EQ(panels.size(), 2);
  for (QLabel* p : panels) EXPECT_TRUE(p->text().isEmpty());
  main->btnLine->click();
  EXPECT_EQ(main->CurrentTool(), TTool::Line);
  EXPECT_FALSE(main->btnSelect->isChecked());
  TwinKedrinFile* doc = main->btnNewClick();
  EXPECT_TRUE(main->MdiArea->viewport()->rect().contains(SubOf(doc)->geometry())) << "the first document is seen whole";
  // The controls now show the new document's own style: width 2, rates 0 (an arrow's own).
  EXPECT_EQ(main->PenSize->text(), "2");
  EXPECT_EQ(main->edtArrowThicknessRate->text(), "0");
  EXPECT_TRUE(main->Left1->isChecked());
}

TEST_F(MainWindowTest, StyleBarBreaksIntoTwoRowsAfterToolButton1) {
  auto* rows = Find<QWidget>("ToolBar3Rows");
  ASSERT_TRUE(rows);
  auto* column = qobject_cast<QVBoxLayout*>(rows->layout());
  ASSERT_EQ(column->count(), 2);
  auto names = [](QLayout* row) {
    QStringList out;
    for (int i = 0; i < row->count(); ++i)
      if (QWidget* w = row->itemAt(i)->widget()) out << w->objectName();
    return out;
  };
  EXPECT_EQ(names(column->itemAt(0)->layout()),
            (QStringList{"btnSolidPen", "btnDashPen", "btnDotPen", "btnDashDotPen", "btnDashDotDotPen",
                         "btnClearPen", "btnPenColor", "ToolButton12", "PenWidth", "ToolButton13",
                         "btnSolidBrush", "btnHorizontalBrush", "btnVerticalBrush", "btnFDiagonalBrush",
                         "btnBDiagonalBrush", "btnCrossBrush", "btnDiagCrossBrush", "btnBrushColor", "ToolButton1"}));
  EXPECT_EQ(names(column->itemAt(1)->layout()),
            (QStringList{"UDArrowThicknessRate", "UDArrowHeadLengthRate", "btnArrowPosion", "btnArrowDirection",
                         "ToolButton6", "edtLabel", "btnFontSet"}));
}

TEST_F(MainWindowTest, FileDialogsOfferTheirFiltersAndAskBeforeOverwriting) {
  auto open = TwinMain::MakeOpenDialog(main);
  EXPECT_EQ(open->nameFilters(), QStringList{"KedrinFile(*.kdl)"});
  EXPECT_EQ(open->defaultSuffix(), "kdl");
  auto save = TwinMain::MakeSaveAsDialog(main);
  EXPECT_EQ(save->nameFilters(), (QStringList{"KedrinFile(*.kdl)", "Bitmap File(*.bmp)", "Jpeg File(*.jpg)"}));
  EXPECT_EQ(save->selectedNameFilter(), "KedrinFile(*.kdl)");
  EXPECT_EQ(save->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_FALSE(save->testOption(QFileDialog::DontConfirmOverwrite));
}

TEST_F(MainWindowTest, NewAndCancelledOpenEachLeaveANonameDocument) {
  TwinKedrinFile* first = main->btnNewClick();
  EXPECT_EQ(main->CurrentDocument(), first);
  main->btnOpen->click();
  EXPECT_EQ(main->openRuns, 1);
  ASSERT_EQ(main->Documents().size(), 2u);
  for (TwinKedrinFile* d : main->Documents()) EXPECT_EQ(d->Title(), "Noname.kdl");
  EXPECT_EQ(main->CurrentDocument(), main->Documents()[1]);
  EXPECT_EQ(testsupport::ShownTitle(SubOf(first)), "Noname.kdl");
}

TEST_F(MainWindowTest, OpenReadsTheChosenFileIntoANewDocument) {
  const QString path = Output("open.kdl");
  TwinKedrinFile* source = main->btnNewClick();
  Add(source, QRect(10, 10, 40, 30));
  Add<TKDEllipse>(source, QRect(80, 10, 40, 30));
  source->SaveToFile(path);
  source->SetTitle(QStringLiteral("Noname.kdl"));

  main->openAnswers = {path};
  main->btnOpenClick();
  TwinKedrinFile* opened = main->CurrentDocument();
  ASSERT_NE(opened, source);
  EXPECT_EQ(opened->Title(), path);
  EXPECT_EQ(opened->Figures().size(), 2u);
  EXPECT_FALSE(opened->Modified());

  // A file that is open already is shown again, not opened twice: from the command line and
  // from the dialog, whose new empty window goes again.
  main->MdiArea->setActiveSubWindow(SubOf(source));
  EXPECT_EQ(main->OpenFile(path), opened);
  EXPECT_EQ(main->CurrentDocument(), opened);
  main->openAnswers = {path};
  main->btnOpenClick();
  testsupport::Flush();
  EXPECT_EQ(main->CurrentDocument(), opened);
  EXPECT_EQ(main->Documents().size(), 2u);
  EXPECT_TRUE(errorsShown.empty());
}

TEST_F(MainWindowTest, CurrentDocumentFollowsActivationAndClosing) {
  TwinKedrinFile* a = main->btnNewClick();
  TwinKedrinFile* b = main->btnNewClick();
  EXPECT_EQ(main->CurrentDocument(), b);
  main->MdiArea->setActiveSubWindow(SubOf(a));
  EXPECT_EQ(main->CurrentDocument(), a);
  SubOf(a)->close();
  testsupport::Flush();
  EXPECT_EQ(main->CurrentDocument(), b);
  SubOf(b)->close();
  testsupport::Flush();
  EXPECT_EQ(main->CurrentDocument(), nullptr);
  EXPECT_TRUE(main->Documents().empty());
  // Commands that need a document now do nothing.
  main->btnSaveClick();
  main->Saveas1Click();
  main->btnPrnSetClick();
  EXPECT_EQ(main->saveRuns, 0);
  main->btnPrintClick();
  EXPECT_EQ(main->printerRuns, 1);
}

TEST_F(MainWindowTest, ClosingAModifiedDocumentAsksAndCancelKeepsIt) {
  TwinKedrinFile* doc = main->btnNewClick();
  doc->SetModified(true);
  answers = {TAnswer::Cancel, TAnswer::No};
  SubOf(doc)->close();
  testsupport::Flush();
  ASSERT_EQ(main->Documents().size(), 1u);
  SubOf(doc)->close();
  testsupport::Flush();
  EXPECT_TRUE(main->Documents().empty());
  EXPECT_EQ(questionsAsked, 2);
}

struct ExitCase {
  const char* name;
  std::vector<TAnswer> answers;
  int asked;
  bool closes;
};

class ExitTest : public MainWindowFixture, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitTest, AsksEveryModifiedDocumentAndOneRefusalKeepsAll) {
  for (int i = 0; i < 2; ++i) main->btnNewClick()->SetModified(true);
  answers.assign(GetParam().answers.begin(), GetParam().answers.end());
  main->btnExit->click();
  testsupport::Flush();
  EXPECT_EQ(questionsAsked, GetParam().asked);
  EXPECT_EQ(main->isVisible(), !GetParam().closes);
  EXPECT_EQ(main->Documents().size(), GetParam().closes ? 0u : 2u);
}

INSTANTIATE_TEST_SUITE_P(Answers, ExitTest,
                         ::testing::Values(ExitCase{"noToBoth", {TAnswer::No, TAnswer::No}, 2, true},
                                           ExitCase{"cancelSecond", {TAnswer::No, TAnswer::Cancel}, 2, false},
                                           ExitCase{"cancelFirst", {TAnswer::Cancel}, 1, false},
                                           // Yes on a never-saved document whose Save As is cancelled
                                           ExitCase{"yesWithoutName", {TAnswer::Yes}, 1, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainWindowTest, SaveAsNamesTheDocumentAndSaveFollowsTheName) {
  TwinKedrinFile* doc = main->btnNewClick();
  Add(doc, QRect(10, 10, 40, 30));
  doc->SetModified(true);
  main->btnSave->click();  // never saved: asks for a name, cancelled
  EXPECT_EQ(main->saveRuns, 1);
  EXPECT_EQ(doc->Title(), "Noname.kdl");

  const QString picture = Output("saveas.jpg");
  QFile::remove(picture);
  main->saveAnswers = {picture};
  main->Saveas1Click();
  EXPECT_EQ(doc->Title(), picture);
  EXPECT_TRUE(QFile::exists(picture));
  EXPECT_TRUE(doc->Modified());
  QFile::remove(picture);
  main->btnSaveClick();  // exports the picture again, without a dialog
  EXPECT_EQ(main->saveRuns, 2);
  EXPECT_TRUE(QFile::exists(picture));

  main->saveAnswers = {QStringLiteral("/nonexistent-folder/x.kdl")};
  main->Saveas1Click();
  EXPECT_EQ(doc->Title(), picture);
  EXPECT_EQ(errorsShown.size(), 1u);
}

}  // namespace
