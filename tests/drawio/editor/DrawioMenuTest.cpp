// draw.io files in the editor: File > Import > draw.io Diagram... opens the file's first page as a
// new untitled, modified document with its warnings in one box, each naming the file, or nothing
// with an error naming it; File > Export's draw.io file opens again as the same diagram.
#include <QAction>
#include <QMenu>
#include <QTemporaryDir>
#include <QUndoStack>

#include "DiagramDiff.h"
#include "DocumentCharts.h"
#include "ExportFormat.h"
#include "ExportPicture.h"
#include "FigureValues.h"
#include "GraphFeatures.h"
#include "MainWindowFixture.h"

namespace {

class DrawioMenuTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    graphfeatures::SetDrawioDialog([this](QWidget*, const QString&) { return answer; });
    flowchart::SetWarningReporter([this](const QString& title, const QStringList& w) {
      ++boxes;
      EXPECT_EQ(title, QStringLiteral("Import"));
      warnings += w;
    });
  }
  void TearDown() override {
    graphfeatures::SetDrawioDialog(nullptr);
    flowchart::SetWarningReporter(nullptr);
    MainWindowFixture::TearDown();
  }
  static std::vector<figures::Figure> ValuesOf(const TwinKedrinFile* doc) {
    const std::vector<TCustomKDTool*> f = doc->Figures();
    return drawiofiles::ValuesOf(std::vector<const TCustomKDTool*>(f.begin(), f.end()));
  }

  QString answer;
  QStringList warnings;
  int boxes = 0;
};

TEST_F(DrawioMenuTest, ImportOpensTheFirstPageAndExportOpensAgainAsTheSame) {
  const QList<QAction*> items = Find<QMenu>("Import1")->actions();
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(items.back(), Find<QAction>("ImportDrawio1"));
  EXPECT_TRUE(exporting::Filters().contains(QStringLiteral("draw.io diagram (*.drawio)")));

  answer = QStringLiteral(KEDRIN_TEST_DATA "/drawio/flowchart.drawio");
  const size_t before = main->Documents().size();
  Find<QAction>("ImportDrawio1")->trigger();
  ASSERT_EQ(main->Documents().size(), before + 1);
  TwinKedrinFile* doc = main->Documents().back();
  EXPECT_EQ(doc->Figures().size(), 13u);  // 4 shapes, 3 texts, 3 connectors of 2 segments
  EXPECT_EQ(doc->Title(), QStringLiteral("Noname.kdl"));
  EXPECT_TRUE(doc->Modified());
  EXPECT_FALSE(doc->UndoStack()->canUndo());
  EXPECT_EQ(boxes, 1);
  EXPECT_EQ(warnings, (QStringList{QDir::toNativeSeparators(answer) + QLatin1Char(':'),
                                   QStringLiteral("This file has 2 pages; only \"Flow\" was imported")}));

  // Exported as File > Export writes it, and imported again.
  QTemporaryDir dir;
  exporting::PicturePlan plan;
  for (TCustomKDTool* f : doc->Figures()) plan.figures.push_back(f);
  answer = dir.filePath(QStringLiteral("again.drawio"));
  exporting::WriteExport(plan, exporting::Format::Drawio, answer);
  warnings.clear();
  Find<QAction>("ImportDrawio1")->trigger();
  ASSERT_EQ(main->Documents().size(), before + 2);
  EXPECT_TRUE(warnings.isEmpty());
  const diagramdiff::Comparison c = diagramdiff::Compare(ValuesOf(doc), ValuesOf(main->Documents().back()));
  for (const diagramdiff::Difference& d : c.differences) ADD_FAILURE() << d.line;
  EXPECT_EQ(main->Documents().back()->Figures().size(), 13u);

  // A file that holds no page opens nothing and says so, naming it.
  answer = QStringLiteral(KEDRIN_TEST_DATA "/drawio/jgraph/LICENSE");
  Find<QAction>("ImportDrawio1")->trigger();
  EXPECT_EQ(main->Documents().size(), before + 2);
  ASSERT_EQ(errorsShown.size(), 1u);
  EXPECT_NE(errorsShown.front().find("Cannot import " + QDir::toNativeSeparators(answer).toStdString()), std::string::npos)
      << errorsShown.front();
}

}  // namespace
