// The flowchart commands on a real main window: File > Import opens a chart as a new document (or
// nothing, with the file's line and column); Edit > Paste of a chart's text adds it as one step;
// Arrange > Auto Layout lays the diagram out as one step that undoes byte for byte, and a layout
// that cannot be made is a message that changes nothing. Layouts run in the layout program: one
// that dies, is refused or is cancelled in its progress dialog leaves the document as it was.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QUndoStack>

#include "ChartSupport.h"
#include "Diagram.h"
#include "DiagramChanges.h"
#include "DocumentCharts.h"
#include "FakeLayoutProgram.h"
#include "FigureGraph.h"
#include "GraphFeatures.h"
#include "HistoryFixture.h"
#include "LayoutClient.h"

namespace {

class GraphFeaturesTest : public HistoryFixture {
 protected:
  void SetUp() override {
    HistoryFixture::SetUp();
    graphfeatures::SetCurrentForm(flowchart::ConnectorForm::Elbow);
    graphfeatures::SetImportDialog([this](QWidget*, flowchart::TextFormat format, const QString& folder) {
      formatsAsked.push_back(format);
      foldersAsked.push_back(folder);
      return importAnswer;
    });
    flowchart::SetWarningReporter([this](const QString&, const QStringList& w) { warnings += w; });
  }
  void TearDown() override {
    graphfeatures::SetImportDialog(nullptr);
    flowchart::SetWarningReporter(nullptr);
    layoutproc::SetProgram({});
    QSettings().remove(QStringLiteral("layout/maxShapes"));
    HistoryFixture::TearDown();
  }
  QString WriteChart(const char* name, const char* text) {
    const QString path = dir.filePath(QLatin1String(name));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    return path;
  }
  void Trigger(const char* action) {
    QAction* a = Find<QAction>(action);
    ASSERT_NE(a, nullptr);
    a->trigger();
  }
  std::string GraphOf(TwinKedrinFile* d) const {
    return charttest::Shape(flowchart::GraphOfItems(flowchart::ItemsOfDiagram(d->FigureSet())));
  }
  void Paste(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
    main->btnPasteClick();
  }

  QTemporaryDir dir;
  QString importAnswer;
  std::vector<flowchart::TextFormat> formatsAsked;
  QStringList foldersAsked;
  QStringList warnings;
};

TEST_F(GraphFeaturesTest, TheMenusHoldTheCommandsWithTheirKeys) {
  QMenu* file = Find<QMenu>("File1");
  const QList<QAction*> items = file->actions();
  const qsizetype open = items.indexOf(main->Open1), import = items.indexOf(Find<QMenu>("Import1")->menuAction());
  EXPECT_EQ(import, open + 1);
  EXPECT_EQ(Find<QAction>("AutoLayoutTopToBottom1")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_L));
  EXPECT_EQ(Find<QAction>("AutoLayoutLeftToRight1")->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_H));
  EXPECT_TRUE(Find<QAction>("ElbowConnectors1")->isChecked());
  Trigger("StraightConnectors1");
  EXPECT_EQ(graphfeatures::CurrentForm(), flowchart::ConnectorForm::Straight);
  emit Find<QMenu>("Arrange1")->aboutToShow();
  EXPECT_TRUE(Find<QAction>("StraightConnectors1")->isChecked());
  EXPECT_TRUE(Find<QAction>("AutoLayoutTopToBottom1")->isEnabled());
}

TEST_F(GraphFeaturesTest, ImportOpensTheChartInANewDocument) {
  importAnswer = WriteChart("chart.mmd", "flowchart LR\n A([Go]) -->|yes| B{Ok?}\n B --> C([Stop])\n");
  const size_t before = main->Documents().size();
  Trigger("ImportMermaid1");
  ASSERT_EQ(formatsAsked, std::vector<flowchart::TextFormat>{flowchart::TextFormat::Mermaid});
  ASSERT_EQ(main->Documents().size(), before + 1);
  TwinKedrinFile* imported = main->Documents().back();
  EXPECT_EQ(GraphOf(imported), "LR; start:Go, decision:Ok?, end:Stop | 0->1 |yes|, 1->2");
  EXPECT_EQ(imported->Title(), QStringLiteral("Noname.kdl"));
  EXPECT_TRUE(imported->Modified());
  EXPECT_FALSE(imported->UndoStack()->canUndo());
  EXPECT_TRUE(errorsShown.empty());
}

TEST_F(GraphFeaturesTest, ImportOfDotAndWhatWasLeftOutIsShown) {
  importAnswer = WriteChart("g.gv", "digraph { rankdir=LR; a [shape=diamond label=\"Ask\"]; a -> b [style=dashed]; c [shape=egg] }");
  Trigger("ImportDot1");
  ASSERT_EQ(formatsAsked, std::vector<flowchart::TextFormat>{flowchart::TextFormat::Dot});
  EXPECT_EQ(GraphOf(main->Documents().back()), "LR; decision:Ask, ellipse:b, process:c | 0->1 dashed");
  ASSERT_EQ(warnings.size(), 1);
  EXPECT_TRUE(warnings.front().startsWith(QDir::toNativeSeparators(importAnswer) + ": ")) << warnings.front().toStdString();
}

TEST_F(GraphFeaturesTest, ASyntaxErrorNamesLineAndColumnAndOpensNothing) {
  importAnswer = WriteChart("bad.mmd", "flowchart TD\n  A[unclosed --> B\n");
  const size_t before = main->Documents().size();
  Trigger("ImportMermaid1");
  EXPECT_EQ(main->Documents().size(), before);
  ASSERT_EQ(errorsShown.size(), 1u);
  EXPECT_NE(errorsShown[0].find("bad.mmd: line 2, column 4: "), std::string::npos) << errorsShown[0];
  importAnswer.clear();  // cancelled
  Trigger("ImportMermaid1");
  EXPECT_EQ(main->Documents().size(), before);
  EXPECT_EQ(errorsShown.size(), 1u);
}

TEST_F(GraphFeaturesTest, PastedChartTextIsOneStepAndSelected) {
  Add<TKDRectangle>(doc, QRect(10, 10, 40, 40));
  const std::vector<uint8_t> before = SaveBytes(doc);
  Paste(QStringLiteral("graph TD\n  A --> B -->|no| C\n"));
  EXPECT_TRUE(errorsShown.empty());
  EXPECT_EQ(doc->UndoStack()->undoText(), QStringLiteral("Paste Flowchart"));
  EXPECT_EQ(doc->UndoStack()->count(), 1);
  EXPECT_EQ(GraphOf(doc), "TB; rectangle: fill=#000000, process:A, process:B, process:C | 1->2, 2->3 |no|");
  EXPECT_EQ(doc->SelectedFigures().size(), doc->Figures().size() - 1);
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
}

TEST_F(GraphFeaturesTest, OtherTextPastesNothingAndABrokenChartIsAMessage) {
  const std::vector<uint8_t> before = SaveBytes(doc);
  Paste(QStringLiteral("just some words"));
  EXPECT_TRUE(errorsShown.empty());
  Paste(QStringLiteral("flowchart LR\nA -->"));
  ASSERT_EQ(errorsShown.size(), 1u);
  EXPECT_EQ(errorsShown[0], "Cannot paste the Mermaid flowchart: line 2, column 6: expected a node after the link, found the end of the text");
  EXPECT_EQ(SaveBytes(doc), before);
  EXPECT_FALSE(doc->UndoStack()->canUndo());
}

TEST_F(GraphFeaturesTest, AutoLayoutIsOneStepThatUndoesByteForByte) {
  Paste(QStringLiteral("flowchart TD\n A[One] --> B{Two?}\n B -->|yes| C[Three]\n B -->|no| A\n"));
  doc->FigureSet().Select({});
  const std::vector<uint8_t> before = SaveBytes(doc);
  Trigger("AutoLayoutLeftToRight1");
  EXPECT_TRUE(errorsShown.empty());
  EXPECT_EQ(doc->UndoStack()->undoText(), QStringLiteral("Auto Layout"));
  EXPECT_EQ(doc->UndoStack()->count(), 2);
  EXPECT_EQ(GraphOf(doc), "LR; process:One, decision:Two?, process:Three | 0->1, 1->2 |yes|, 1->0 |no|");
  const std::vector<uint8_t> after = SaveBytes(doc);
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
  doc->Redo();
  EXPECT_EQ(SaveBytes(doc), after);
}

TEST_F(GraphFeaturesTest, AStraightLayoutDrawsOneArrowPerConnector) {
  Paste(QStringLiteral("flowchart LR\n A --> B --> C\n A --> C\n"));
  Trigger("StraightConnectors1");
  Trigger("AutoLayoutTopToBottom1");
  size_t segments = 0;
  for (TCustomKDTool* f : doc->Figures()) segments += qobject_cast<TKDArrow*>(f) || qobject_cast<TKDLine*>(f);
  EXPECT_EQ(segments, 3u);
  EXPECT_EQ(GraphOf(doc), "TB; process:A, process:B, process:C | 0->1, 1->2, 0->2");
}

// Nothing to lay out (labels only): the reason is shown and nothing changes.
TEST_F(GraphFeaturesTest, ALayoutThatCannotBeMadeIsAMessageAndChangesNothing) {
  Add<TKDLabel>(doc, QRect(10, 10, 100, 20));
  const std::vector<uint8_t> before = SaveBytes(doc);
  Trigger("AutoLayoutTopToBottom1");
  ASSERT_EQ(errorsShown.size(), 1u);
  EXPECT_EQ(errorsShown[0], "Auto Layout failed: the diagram has no shapes to lay out");
  EXPECT_EQ(SaveBytes(doc), before);
  EXPECT_FALSE(doc->UndoStack()->canUndo());
}

// Every figure's box together.
QRect DrawnBox(TwinKedrinFile* d) {
  QRect box;
  for (TCustomKDTool* f : d->Figures()) box |= f->BoundsRect();
  return box;
}

// A self-loop goes around its shape's corner, above the shape: the chart is placed by all it
// draws, so nothing lies above or left of where it belongs.
TEST_F(GraphFeaturesTest, ASelfLoopNeverReachesAboveTheChartsPlace) {
  // Paste: the whole drawing from the paste point.
  flowchart::WorkHere here;
  ASSERT_EQ(flowchart::PasteChart(*doc, QStringLiteral("graph TD\n  A-->A\n"), QPoint(300, 200), flowchart::ConnectorForm::Elbow,
                                  here),
            flowchart::Pasted::Done);
  EXPECT_EQ(DrawnBox(doc).topLeft(), QPoint(300, 200));
  // Auto Layout of a shape at the canvas's corner: its loop goes around a corner that keeps it
  // inside the canvas (below right), so the chart stays at the corner.
  TKDProcess* shape = nullptr;
  for (TCustomKDTool* f : doc->Figures())
    if (auto* p = qobject_cast<TKDProcess*>(f)) shape = p;
  ASSERT_NE(shape, nullptr);
  const QPoint corner = shape->BoundsRect().topLeft();
  for (TCustomKDTool* f : doc->Figures()) f->ApplyBounds(f->Left() - corner.x(), f->Top() - corner.y(), f->Width(), f->Height());
  doc->FigureSet().Select({});
  Trigger("AutoLayoutTopToBottom1");
  ASSERT_TRUE(errorsShown.empty()) << errorsShown[0];
  EXPECT_EQ(GraphOf(doc), "TB; process:A | 0->0");
  EXPECT_EQ(DrawnBox(doc).topLeft(), QPoint(0, 0));
  // Import: the whole drawing from the margin.
  importAnswer = WriteChart("loop.mmd", "graph TD\n  A-->A\n");
  Trigger("ImportMermaid1");
  ASSERT_TRUE(errorsShown.empty()) << errorsShown[0];
  TwinKedrinFile* imported = main->Documents().back();
  EXPECT_EQ(GraphOf(imported), "TB; process:A | 0->0");
  EXPECT_EQ(DrawnBox(imported).topLeft(), QPoint(20, 20));
}

TEST(ImportFolder, TheDiagramsFolderThenTheLastOneThenHome) {
  QTemporaryDir diagrams, last;
  const QString home = QStringLiteral("/home/someone");
  const QString saved = diagrams.filePath(QStringLiteral("chart.kdl"));
  struct Case {
    QString title, lastFolder, expected;
  } cases[] = {
      {saved, last.path(), diagrams.path()},
      {QStringLiteral("Noname.kdl"), last.path(), last.path()},
      {QStringLiteral("Noname.kdl"), QString(), home},
      {QStringLiteral("Noname.kdl"), last.filePath(QStringLiteral("gone")), home},
      {QStringLiteral("/no/such/folder/chart.kdl"), last.path(), last.path()},
      {QString(), QString(), home},
  };
  for (const Case& c : cases)
    EXPECT_EQ(graphfeatures::ImportFolder(c.title, c.lastFolder, home), c.expected) << c.title.toStdString();
}

TEST_F(GraphFeaturesTest, TheImportDialogOpensBesideTheDiagramThenWhereTheLastImportWas) {
  QTemporaryDir beside, before;
  QSettings().setValue(QStringLiteral("import/folder"), before.path());
  doc->SetTitle(beside.filePath(QStringLiteral("saved.kdl")));
  importAnswer = WriteChart("a.mmd", "graph TD\n A --> B\n");
  Trigger("ImportMermaid1");
  // The imported chart's new document has no file: the folder of the import before.
  Trigger("ImportMermaid1");
  EXPECT_EQ(foldersAsked.join(QLatin1Char('|')).toStdString(), (beside.path() + QLatin1Char('|') + dir.path()).toStdString());
}

enum class Command { Paste, AutoLayout, Import };

struct StopCase {
  const char* name;
  Command command;
  const char* program;  // FakeLayoutProgram's script, or null for the real program
  int maxShapes;        // the setting, 0 for none
  bool cancel;          // the user presses Cancel in the progress dialog
  const char* message;  // the error shown, "" for none
};
void PrintTo(const StopCase& c, std::ostream* os) { *os << c.name; }

class GraphFeaturesStop : public GraphFeaturesTest, public testing::WithParamInterface<StopCase> {
 protected:
  // Presses Cancel in the progress dialog once it shows; true when it did.
  void CancelWhenShown() {
    auto* poll = new QTimer(main);
    QObject::connect(poll, &QTimer::timeout, poll, [this, poll] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QProgressDialog*>(w);
        if (!dialog || !dialog->isVisible()) continue;
        dialogSeen = dialog->labelText();
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
          if (b->text() == QStringLiteral("Cancel")) b->click();
        poll->deleteLater();
        return;
      }
    });
    poll->start(50);
  }
  QString dialogSeen;
};

TEST_P(GraphFeaturesStop, LeavesTheDocumentAsItWasAndSaysWhy) {
  const StopCase& c = GetParam();
  const QString chart = QStringLiteral("graph TD\n  A --> B --> C\n");
  if (c.command == Command::AutoLayout) {
    Paste(chart);
    ASSERT_TRUE(errorsShown.empty()) << errorsShown[0];
  }
  QTemporaryDir programs;
  if (c.program) layoutproc::SetProgram(charttest::FakeLayoutProgram(programs, c.program));
  if (c.maxShapes) QSettings().setValue(QStringLiteral("layout/maxShapes"), c.maxShapes);
  if (c.cancel) CancelWhenShown();
  const std::vector<uint8_t> before = SaveBytes(doc);
  const int steps = doc->UndoStack()->count();
  const bool modified = doc->Modified();
  const size_t documents = main->Documents().size();
  switch (c.command) {
    case Command::Paste: Paste(chart); break;
    case Command::AutoLayout: Trigger("AutoLayoutTopToBottom1"); break;
    case Command::Import:
      importAnswer = WriteChart("chart.mmd", "graph TD\n  A --> B --> C\n");
      Trigger("ImportMermaid1");
      break;
  }
  std::string expected = c.message;
  if (c.command == Command::Import && !expected.empty()) {
    expected[0] = static_cast<char>(std::tolower(expected[0]));
    expected = "Cannot import " + QDir::toNativeSeparators(importAnswer).toStdString() + ": " + expected;
  }
  EXPECT_EQ(errorsShown, expected.empty() ? std::vector<std::string>{} : std::vector<std::string>{expected});
  if (c.cancel) {
    EXPECT_FALSE(dialogSeen.isEmpty()) << "no progress dialog was shown";
  }
  EXPECT_EQ(SaveBytes(doc), before);
  EXPECT_EQ(doc->UndoStack()->count(), steps);
  EXPECT_EQ(doc->Modified(), modified);
  EXPECT_EQ(main->Documents().size(), documents);
}

INSTANTIATE_TEST_SUITE_P(
    Stops, GraphFeaturesStop,
    testing::Values(
        StopCase{"PasteKilled", Command::Paste, "head -c 10 > /dev/null; kill -KILL $$", 0, false,
                 "The layout stopped: the layout program crashed (Killed) on a chart of 3 shapes and 2 connectors"},
        StopCase{"AutoLayoutKilled", Command::AutoLayout, "head -c 10 > /dev/null; kill -KILL $$", 0, false,
                 "The layout stopped: the layout program crashed (Killed) on a chart of 3 shapes and 2 connectors"},
        StopCase{"ImportKilled", Command::Import, "head -c 10 > /dev/null; kill -KILL $$", 0, false,
                 "The layout stopped: the layout program crashed (Killed) on a chart of 3 shapes and 2 connectors"},
        StopCase{"PasteRefused", Command::Paste, nullptr, 2, false,
                 "The chart is too large for automatic layout: 3 shapes, above the limit of 2 (setting layout/maxShapes)"},
        StopCase{"AutoLayoutRefused", Command::AutoLayout, nullptr, 2, false,
                 "The chart is too large for automatic layout: 3 shapes, above the limit of 2 (setting layout/maxShapes)"},
        StopCase{"ImportRefused", Command::Import, nullptr, 2, false,
                 "The chart is too large for automatic layout: 3 shapes, above the limit of 2 (setting layout/maxShapes)"},
        StopCase{"PasteCancelled", Command::Paste, "cat > /dev/null; exec sleep 30", 0, true, ""},
        StopCase{"AutoLayoutCancelled", Command::AutoLayout, "cat > /dev/null; exec sleep 30", 0, true, ""},
        StopCase{"ImportCancelled", Command::Import, "cat > /dev/null; exec sleep 30", 0, true, ""}),
    [](const testing::TestParamInfo<StopCase>& info) { return std::string(info.param.name); });

}  // namespace
