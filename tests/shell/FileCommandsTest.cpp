// The file commands as the user meets them: a long open can be cancelled without leaving half a
// diagram, any name Save As is given saves something or says why, and a changed file sends the
// save elsewhere when the user says so.
#include <QFile>
#include <QProgressDialog>
#include <QTimer>

#include "DiagramFile.h"
#include "../document/FigureSamples.h"
#include "MainWindowFixture.h"
#include "RecentFiles.h"

namespace {

using questions::TAnswer;

class FileCommands : public MainWindowFixture {
 protected:
  void TearDown() override {
    TwinKedrinFile::readProgressDelayMs = 500;
    MainWindowFixture::TearDown();
  }
  // A diagram large enough for its reading to show its progress.
  QString LargeDiagram() {
    std::vector<std::unique_ptr<TCustomKDTool>> figures;
    for (int i = 0; i < 300; ++i)
      for (auto& f : NineStyledFigures()) figures.push_back(std::move(f));
    const QString path = Output("large.kdl");
    const std::vector<const TCustomKDTool*> raw = Raw(figures);
    diagramfile::Write(path, std::vector<const Persistent*>(raw.begin(), raw.end()));
    return path;
  }
  static QByteArray Bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

TEST_F(FileCommands, EscapeAtTheProgressStopsTheOpenAndLeavesNoHalfDiagram) {
  const QString path = LargeDiagram();
  TwinKedrinFile::readProgressDelayMs = 0;
  const size_t before = main->Documents().size();
  int escapes = 0;
  QTimer escape;
  QObject::connect(&escape, &QTimer::timeout, [&] {
    if (auto* progress = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget())) {
      QTest::keyClick(progress, Qt::Key_Escape);
      ++escapes;
    }
  });
  escape.start(0);
  EXPECT_EQ(main->OpenFile(path), nullptr);
  main->openAnswers = {path};
  main->btnOpenClick();
  testsupport::Flush();
  EXPECT_EQ(escapes, 2);
  EXPECT_EQ(main->Documents().size(), before);
  EXPECT_TRUE(errorsShown.empty());
  EXPECT_FALSE(main->RecentFileList()->Files().contains(path));
}

TEST_F(FileCommands, SaveAsSavesADiagramUnderAnyNameButAPicturesAndSaveRepeatsIt) {
  TwinKedrinFile* doc = main->btnNewClick();
  Add(doc, QRect(10, 10, 40, 40));
  for (const char* name : {"flow-v1.2", "upper.KDL"}) {
    const QString path = Output(name);
    QFile::remove(path);
    main->saveAnswers = {path};
    main->Saveas1Click();
    EXPECT_EQ(doc->Title(), path);
    EXPECT_EQ(Bytes(path).count("TPF0"), 1) << name;
    Add(doc, QRect(100, 10, 40, 40));
    doc->SetModified(true);
    main->btnSaveClick();
    EXPECT_EQ(Bytes(path).count("TPF0"), 2) << "Save writes the diagram again";
    EXPECT_FALSE(doc->Modified());
    for (TCustomKDTool* f : doc->Figures()) f->deleteLater();
    testsupport::Flush();
    Add(doc, QRect(10, 10, 40, 40));
  }
  const QString png = Output("picture.png");
  QFile::remove(png);
  main->saveAnswers = {png};
  main->Saveas1Click();
  ASSERT_EQ(errorsShown.size(), 1u);
  EXPECT_NE(errorsShown[0].find(png.toStdString()), std::string::npos) << errorsShown[0];
  EXPECT_FALSE(QFile::exists(png));
  EXPECT_EQ(doc->Title(), Output("upper.KDL"));
}

TEST_F(FileCommands, SaveAsAtTheChangedFileQuestionNamesTheWindowAfterTheNewFile) {
  TwinKedrinFile* doc = main->btnNewClick();
  Add(doc, QRect(10, 10, 40, 40));
  const QString theirs = Output("theirs.kdl"), mine = Output("mine.kdl"), mineToo = Output("mine-too.kdl");
  auto changeTheirs = [&](const QByteArray& bytes) {
    QFile other(theirs);
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write(bytes);
  };
  // Save, answered Save As..., then the other name.
  main->saveAnswers = {theirs};
  main->Saveas1Click();
  changeTheirs("written by another program");
  doc->SetModified(true);
  answers = {TAnswer::No};
  main->saveAnswers = {mine};
  main->btnSaveClick();
  EXPECT_EQ(Bytes(theirs), "written by another program");
  EXPECT_EQ(Bytes(mine).count("TPF0"), 1);
  EXPECT_EQ(doc->Title(), mine);
  EXPECT_FALSE(doc->Modified());

  // Save As onto the changed file, answered the same way.
  main->saveAnswers = {theirs};
  main->Saveas1Click();
  changeTheirs("written again");
  answers = {TAnswer::No};
  main->saveAnswers = {theirs, mineToo};
  main->Saveas1Click();
  EXPECT_EQ(Bytes(theirs), "written again");
  EXPECT_EQ(Bytes(mineToo).count("TPF0"), 1);
  EXPECT_EQ(doc->Title(), mineToo) << "not the name of the file left alone";
  EXPECT_EQ(questionsAsked, 2);
}

}  // namespace
