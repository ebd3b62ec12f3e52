// Nothing the user does loses or silently changes their work: group restyles touch one item, files
// and pastes never bring selected figures, damaged files are not overwritten, the close question
// shows its document, printing goes where Print Setup said, and Save As keeps the chosen type.
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QTimer>
#include <QUndoStack>

#include "TUpDownEdit.h"

#include "HistoryFixture.h"

namespace {

using questions::TAnswer;

struct StyleControl {
  const char* name;
  void (*use)(TwinMain*);
  // Copies the item the control edits from one style to another: everything else must stay.
  void (*takeItem)(TFigureStyle& into, const TFigureStyle& from);
};

const StyleControl kStyleControls[] = {
    {"DashPen", [](TwinMain* m) { m->btnDashPen->click(); },
     [](TFigureStyle& i, const TFigureStyle& f) { i.lineStyle = f.lineStyle; }},
    {"CrossBrush", [](TwinMain* m) { m->btnCrossBrush->click(); },
     [](TFigureStyle& i, const TFigureStyle& f) { i.fillStyle = f.fillStyle; }},
    {"PenColor", [](TwinMain* m) { m->btnPenColor->click(); },
     [](TFigureStyle& i, const TFigureStyle& f) { i.lineColor = f.lineColor; }},
    {"BrushColor", [](TwinMain* m) { m->btnBrushColor->click(); },
     [](TFigureStyle& i, const TFigureStyle& f) { i.fillColor = f.fillColor; }},
    {"LineWidth", [](TwinMain* m) { m->PenWidth->setValue(7); },
     [](TFigureStyle& i, const TFigureStyle& f) { i.lineWidth = f.lineWidth; }},
    {"Font", [](TwinMain* m) { m->btnFontSet->click(); },
     [](TFigureStyle& i, const TFigureStyle& f) { i.font = f.font; }},
    {"Caption", [](TwinMain* m) { m->edtLabel->setText("Everyone"); },
     [](TFigureStyle& i, const TFigureStyle& f) { i.caption = f.caption; }},
    {"ArrowPosition", [](TwinMain* m) { m->Both1->trigger(); },
     [](TFigureStyle& i, const TFigureStyle& f) { i.arrowPosition = f.arrowPosition; }},
    {"ArrowDirection", [](TwinMain* m) { m->RightToRight1->trigger(); },
     [](TFigureStyle& i, const TFigureStyle& f) { i.arrowDirection = f.arrowDirection; }},
    {"ArrowThickness", [](TwinMain* m) { m->UDArrowThicknessRate->setValue(7); },
     [](TFigureStyle& i, const TFigureStyle& f) { i.thicknessRate = f.thicknessRate; }},
    {"ArrowHeadLength", [](TwinMain* m) { m->UDArrowHeadLengthRate->setValue(7); },
     [](TFigureStyle& i, const TFigureStyle& f) { i.headLengthRate = f.headLengthRate; }},
};

class GroupRestyle : public HistoryFixture, public ::testing::WithParamInterface<StyleControl> {};

TEST_P(GroupRestyle, ChangesOnlyTheItemOfTheControlInEveryMember) {
  auto* label = Add<TKDLabel>(doc, QRect(100, 100, 120, 40));
  label->SetCaption("Keep me");
  label->SetFont(TFontDesc{"DejaVu Serif", -14, fsItalic, clMaroon, 0, 0});
  auto* box = Add<TKDRectangle>(doc, QRect(260, 100, 60, 40));
  box->SetLineStyle(psDot);
  box->SetFillColor(0x00FFFF00);  // aqua
  auto* arrow = Add<TKDArrow>(doc, QRect(100, 200, 120, 40));
  arrow->SetArrowPosition(apLeft);
  BandAround({label, box, arrow});
  ASSERT_TRUE(doc->GroupSelected());
  main->colorAnswer = clRed;
  main->fontAnswer = TFontDesc{"Chosen Face", -20, fsBold, clBlue, 0, 0};
  std::vector<TFigureStyle> before;
  for (TCustomKDTool* f : doc->Figures()) before.push_back(TFigureStyle::Of(*f));

  GetParam().use(main);

  const std::vector<TCustomKDTool*> figures = doc->Figures();
  bool anyChanged = false;
  for (size_t i = 0; i < figures.size(); ++i) {
    const TFigureStyle after = TFigureStyle::Of(*figures[i]);
    TFigureStyle rest = after;
    GetParam().takeItem(rest, before[i]);
    EXPECT_EQ(rest, before[i]) << figures[i]->ClassName() << ": more than the one item changed";
    anyChanged = anyChanged || !(after == before[i]);
  }
  EXPECT_TRUE(anyChanged);
  EXPECT_EQ(label->Caption(), GetParam().name == std::string("Caption") ? "Everyone" : "Keep me");
  EXPECT_EQ(doc->UndoStack()->count(), 1);
}

INSTANTIATE_TEST_SUITE_P(EveryControl, GroupRestyle, ::testing::ValuesIn(kStyleControls),
                         [](const auto& info) { return std::string(info.param.name); });

using WorkKept = HistoryFixture;

TEST_F(WorkKept, FiguresReadOrPastedNeverComeSelected) {
  auto* box = Add<TKDRectangle>(doc, QRect(100, 100, 60, 40));
  box->SetHaveFocused(true);  // as a file written while it was selected says
  const QString path = Output("selected.kdl");
  ASSERT_TRUE(doc->SaveToFile(path));
  box->SetHaveFocused(false);
  EXPECT_NE(testsupport::ReadFile(path), SaveBytes(doc)) << "the file keeps the flag as written";

  TwinKedrinFile* opened = main->OpenFile(path);
  ASSERT_NE(opened, nullptr);
  TCustomKDTool* read = opened->Figures().front();
  EXPECT_FALSE(read->HaveFocused());
  main->btnDashPen->click();  // no selection: nothing changes
  EXPECT_EQ(read->LineStyle(), psSolid);
  main->btnCopyClick();
  main->btnPasteClick();
  EXPECT_EQ(opened->Figures().size(), 1u);

  // A figure copied while selected: the record says so, but the copy is selected only as the
  // paste selects it, with a frame of its own, while the original is no longer selected.
  main->MdiArea->setActiveSubWindow(SubOf(doc));
  ClickFigure(box);
  main->btnCopyClick();
  main->btnPasteClick();
  ASSERT_EQ(doc->Figures().size(), 2u);
  TCustomKDTool* copy = doc->Figures().back();
  EXPECT_FALSE(box->HaveFocused());
  ASSERT_TRUE(copy->HaveFocused());
  std::vector<TSizer*> frames = SurfaceChildren<TSizer>();
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0]->Target(), copy);
}

TEST_F(WorkKept, ADamagedFileNamedOnTheCommandLineLeavesNoWindowAndNamesTheFile) {
  const QString path = Output("garbage.kdl");
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("\x01\x02 not a diagram at all");
  f.close();
  const size_t before = main->Documents().size();
  EXPECT_EQ(main->OpenFile(path), nullptr);
  testsupport::Flush();
  EXPECT_EQ(main->Documents().size(), before);
  ASSERT_EQ(errorsShown.size(), 1u);
  EXPECT_NE(errorsShown[0].find(path.toStdString()), std::string::npos) << errorsShown[0];
  EXPECT_NE(errorsShown[0].find("Invalid stream format"), std::string::npos) << errorsShown[0];
}

TEST_F(WorkKept, SaveOnAPartlyReadFileAsksForANameInsteadOfOverwritingIt) {
  Add<TKDRectangle>(doc, QRect(100, 100, 60, 40));
  Add<TKDEllipse>(doc, QRect(200, 100, 60, 40));
  const QString path = Output("partly.kdl");
  ASSERT_TRUE(doc->SaveToFile(path));
  doc->SetTitle(QStringLiteral("Noname.kdl"));  // or Open would only show this window again
  std::vector<uint8_t> bytes = testsupport::ReadFile(path);
  bytes.resize(bytes.size() - 7);  // the second record is cut off
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  f.close();

  main->openAnswers = {path};
  main->btnOpenClick();
  TwinKedrinFile* opened = main->CurrentDocument();
  ASSERT_EQ(opened->Figures().size(), 1u);
  EXPECT_EQ(opened->Title(), path);
  EXPECT_TRUE(opened->Modified());
  main->saveAnswers = {QString()};  // the user cancels the name
  main->btnSaveClick();
  EXPECT_EQ(main->saveRuns, 1);
  EXPECT_EQ(testsupport::ReadFile(path), bytes) << "the damaged file is untouched";
  // Closing asks, and Yes also asks for a name.
  answers = {TAnswer::Yes};
  main->saveAnswers = {Output("partly-rescued.kdl")};
  EXPECT_TRUE(opened->FormCloseQuery());
  EXPECT_EQ(main->saveRuns, 2);
  EXPECT_EQ(testsupport::ReadFile(path), bytes);
  EXPECT_TRUE(QFile::exists(Output("partly-rescued.kdl")));
}

TEST_F(WorkKept, TheCloseQuestionAtExitComesWithItsDocumentInFront) {
  TwinKedrinFile* first = doc;
  TwinKedrinFile* second = main->btnNewClick();
  Add<TKDRectangle>(first, QRect(10, 10, 40, 40));
  first->SetModified(true);
  second->SetModified(true);
  main->MdiArea->setActiveSubWindow(SubOf(second));
  std::vector<std::pair<QMdiSubWindow*, QMdiSubWindow*>> asked;  // asked about, active then
  questions::SetAsker([&](QWidget* parent, const QString&) {
    asked.emplace_back(SubOf(static_cast<TwinKedrinFile*>(parent)), main->MdiArea->activeSubWindow());
    return TAnswer::No;
  });
  main->btnExit->click();
  testsupport::Flush();
  ASSERT_EQ(asked.size(), 2u);
  for (const auto& [about, active] : asked) EXPECT_EQ(about, active);
}

TEST_F(WorkKept, PrintGoesWherePrintSetupSaid) {
  Add<TKDRectangle>(doc, QRect(10, 10, 40, 40));
  const QString chosen = Output("setup-choice.pdf");
  QFile::remove(chosen);
  main->printerSetup = [&](QPrinter& p) {
    p.setOutputFormat(QPrinter::PdfFormat);
    p.setOutputFileName(chosen);
  };
  main->btnPrintClick();
  main->btnPrnSetClick();
  EXPECT_EQ(questionsAsked, 0);
  EXPECT_TRUE(QFile::exists(chosen));
  EXPECT_TRUE(errorsShown.empty());
}

TEST_F(WorkKept, WithoutAPrinterPrintOffersAPdfFile) {
  Add<TKDRectangle>(doc, QRect(10, 10, 40, 40));
  const QString pdf = Output("no-printer.pdf");
  QFile::remove(pdf);
  answers = {TAnswer::No};
  main->btnPrnSetClick();  // declined: nothing, and no error either
  EXPECT_EQ(questionsAsked, 1);
  EXPECT_EQ(main->pdfRuns, 0);
  answers = {TAnswer::Yes};
  main->pdfAnswers = {pdf};
  main->btnPrnSetClick();
  EXPECT_EQ(main->pdfRuns, 1);
  ASSERT_TRUE(QFile::exists(pdf));
  EXPECT_EQ(testsupport::ReadFile(pdf).size() > 4 ? std::string(reinterpret_cast<const char*>(testsupport::ReadFile(pdf).data()), 4) : "", "%PDF");
  EXPECT_TRUE(errorsShown.empty());
}

// The PDF file chosen for want of a printer is asked for again at the next Print (starting
// there), and the dialog asks before it replaces a file.
TEST_F(WorkKept, PrintingAgainAsksForThePdfFileAgain) {
  Add<TKDRectangle>(doc, QRect(10, 10, 40, 40));
  const QString first = Output("again-1.pdf"), second = Output("again-2.pdf");
  QFile::remove(first);
  QFile::remove(second);
  answers = {TAnswer::Yes};
  main->pdfAnswers = {first, second};
  main->btnPrnSetClick();
  main->btnPrnSetClick();
  EXPECT_EQ(main->pdfRuns, 2);
  EXPECT_EQ(questionsAsked, 1) << "the printer question once";
  EXPECT_TRUE(QFile::exists(first) && QFile::exists(second));

  auto dialog = TwinMain::MakePrintToPdfDialog(main, first);
  dialog->setOption(QFileDialog::DontUseNativeDialog, true);
  QString asked;
  bool stillOpen = false;
  QTimer::singleShot(0, [&] {
    QTimer::singleShot(0, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        asked = box->text();
        box->reject();  // no, do not replace it
      }
    });
    QMetaObject::invokeMethod(dialog.get(), "accept");  // the user takes the file offered
    stillOpen = dialog->isVisible();
    dialog->reject();
  });
  EXPECT_NE(dialog->exec(), QDialog::Accepted);
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(asked.contains(QStringLiteral("already exists"))) << asked.toStdString();
}

TEST_F(WorkKept, SaveAsGivesATypedNameTheExtensionOfTheChosenType) {
  auto dialog = TwinMain::MakeSaveAsDialog(main);
  dialog->setOption(QFileDialog::DontUseNativeDialog, true);
  dialog->setDirectory(testsupport::OutputPath(QString()));
  dialog->show();
  auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
  ASSERT_NE(types, nullptr);
  ASSERT_NE(name, nullptr);
  const struct {
    int type;
    const char* extension;
  } cases[] = {{1, ".bmp"}, {2, ".jpg"}, {0, ".kdl"}};
  for (const auto& c : cases) {
    types->setCurrentIndex(c.type);
    emit types->activated(c.type);  // as the user's choice in the list does
    emit types->textActivated(types->currentText());
    name->setText(QStringLiteral("test1"));
    QMetaObject::invokeMethod(dialog.get(), "accept");
    ASSERT_FALSE(dialog->selectedFiles().isEmpty());
    EXPECT_TRUE(dialog->selectedFiles().first().endsWith(QStringLiteral("/test1") + c.extension))
        << dialog->selectedFiles().first().toStdString();
    dialog->show();
  }
}

}  // namespace
