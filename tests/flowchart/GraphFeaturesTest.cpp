// The flowchart commands on a real main window: File > Import opens a chart as a new document (or
// nothing, with the file's line and column); Edit > Paste of a chart's text adds it as one step;
// Arrange > Auto Layout lays the diagram out as one step that undoes byte for byte, and a layout
// that cannot be made is a message that changes nothing.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QUndoStack>

#include "ChartSupport.h"
#include "Diagram.h"
#include "DiagramChanges.h"
#include "DocumentCharts.h"
#include "FigureGraph.h"
#include "GraphFeatures.h"
#include "HistoryFixture.h"

namespace {

class GraphFeaturesTest : public HistoryFixture {
 protected:
  void SetUp() override {
    HistoryFixture::SetUp();
    graphfeatures::SetCurrentForm(flowchart::ConnectorForm::Elbow);
    graphfeatures::SetImportDialog([this](QWidget*, flowchart::TextFormat format) {
      formatsAsked.push_back(format);
      return importAnswer;
    });
    flowchart::SetWarningReporter([this](const QString&, const QStringList& w) { warnings += w; });
  }
  void TearDown() override {
    graphfeatures::SetImportDialog(nullptr);
    flowchart::SetWarningReporter(nullptr);
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

}  // namespace
