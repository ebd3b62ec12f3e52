// The standard keys: each shown in its menu, each acting once (never both the shortcut and the
// Ctrl+C/Ctrl+V watcher), and none taken from a text field that uses the key itself.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QMenu>
#include <QSignalSpy>
#include <QUndoStack>

#include "ComponentClipboard.h"
#include "HistoryFixture.h"
#include "WindowMenu.h"

namespace {

struct Binding {
  const char* action;  // the menu item's object name
  std::vector<QKeySequence> keys;
};

class Shortcuts : public HistoryFixture, public ::testing::WithParamInterface<Binding> {
 protected:
  QAction* Action(const char* name) {
    for (QAction* a : main->findChildren<QAction*>(QLatin1String(name))) return a;
    return nullptr;
  }
};

TEST_P(Shortcuts, AreShownInTheMenuAndEachKeyTriggersItOnce) {
  auto* a = Add<TKDRectangle>(doc, QRect(100, 100, 40, 40));
  ClickFigure(a);  // a selection frame holds the focus
  QAction* action = Action(GetParam().action);
  ASSERT_NE(action, nullptr) << GetParam().action;
  EXPECT_EQ(action->shortcuts(), QList<QKeySequence>(GetParam().keys.begin(), GetParam().keys.end()));
  for (const QKeySequence& key : GetParam().keys) {
    // Nothing should really run: the action is only counted.
    action->disconnect(main);
    action->setEnabled(true);  // Undo and Redo are off with no history
    QSignalSpy spy(action, &QAction::triggered);
    QTest::keySequence(main->windowHandle(), key);
    EXPECT_EQ(spy.count(), 1) << key.toString().toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Shortcuts,
    ::testing::Values(Binding{"New1", {QKeySequence("Ctrl+N")}}, Binding{"Open1", {QKeySequence("Ctrl+O")}},
                      Binding{"Save1", {QKeySequence("Ctrl+S")}}, Binding{"Saveas1", {QKeySequence("Ctrl+Shift+S")}},
                      Binding{"Export1", {QKeySequence("Ctrl+E")}}, Binding{"Print2", {QKeySequence("Ctrl+P")}},
                      Binding{"Exit1", {QKeySequence("Ctrl+Q")}},
                      Binding{"Cut1", {QKeySequence("Ctrl+X"), QKeySequence("Shift+Del")}},
                      Binding{"Copy1", {QKeySequence("Ctrl+C")}}, Binding{"Paste1", {QKeySequence("Ctrl+V")}},
                      Binding{"SelectAll1", {QKeySequence("Ctrl+A")}}, Binding{"Help1", {QKeySequence("F1")}},
                      Binding{"Undo1", {QKeySequence("Ctrl+Z")}},
                      Binding{"Redo1", {QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}},
                      Binding{"Close1", {QKeySequence("Ctrl+W"), QKeySequence("Ctrl+F4")}},
                      Binding{"Next1", {QKeySequence("Ctrl+Tab")}}, Binding{"Previous1", {QKeySequence("Ctrl+Shift+Tab")}}),
    [](const auto& info) { return std::string(info.param.action); });

using Keys = HistoryFixture;

TEST_F(Keys, CtrlVPastesOnceAndCtrlCCopiesOnce) {
  auto* a = Add<TKDRectangle>(doc, QRect(100, 100, 40, 40));
  ClickFigure(a);
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(a->CopyMark);
  EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(componentclipboard::kMimeType));
  Key(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(doc->Figures().size(), 2u) << "one copy, not one from the shortcut and one from the watcher";
  EXPECT_EQ(doc->UndoStack()->count(), 1);
  Key(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);  // the watcher's own key
  EXPECT_EQ(doc->Figures().size(), 3u);
}

TEST_F(Keys, CtrlCInTheCaptionBoxCopiesItsTextNotTheFigures) {
  auto* a = Add<TKDRectangle>(doc, QRect(100, 100, 40, 40));
  ClickFigure(a);
  main->edtLabel->setFocus();
  main->edtLabel->setText(QStringLiteral("caption text"));
  main->edtLabel->selectAll();
  QSignalSpy copies(main->Copy1, &QAction::triggered);
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(copies.count(), 0);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("caption text"));
  EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasFormat(componentclipboard::kMimeType));
  EXPECT_TRUE(a->CopyMark) << "the watcher still marks the selection";
}

TEST_F(Keys, WindowKeysCloseAndCycleTheDocuments) {
  TwinKedrinFile* first = doc;
  TwinKedrinFile* second = main->btnNewClick();
  TwinKedrinFile* third = main->btnNewClick();
  EXPECT_EQ(main->CurrentDocument(), third);
  main->WindowMenu1()->Next->trigger();
  EXPECT_EQ(main->CurrentDocument(), first);
  main->WindowMenu1()->Previous->trigger();
  EXPECT_EQ(main->CurrentDocument(), third);
  main->WindowMenu1()->Close->trigger();
  testsupport::Flush();
  EXPECT_EQ(main->Documents(), (std::vector<TwinKedrinFile*>{first, second}));
  // The list of documents, the active one ticked.
  emit main->Window1->aboutToShow();
  QAction* item2 = main->findChild<QAction*>(QStringLiteral("WindowItem2"));
  ASSERT_NE(item2, nullptr);
  EXPECT_TRUE(item2->text().contains(QStringLiteral("Noname.kdl")));
  EXPECT_EQ(item2->isChecked(), main->CurrentDocument() == second);
  main->findChild<QAction*>(QStringLiteral("WindowItem1"))->trigger();
  EXPECT_EQ(main->CurrentDocument(), first);
  main->WindowMenu1()->CloseAll->trigger();
  testsupport::Flush();
  EXPECT_TRUE(main->Documents().empty());
}

TEST_F(Keys, EscapeEndsTheSelection) {
  auto* a = Add<TKDRectangle>(doc, QRect(100, 100, 40, 40));
  auto* b = Add<TKDRectangle>(doc, QRect(200, 100, 40, 40));
  ClickFigure(a);
  Key(Qt::Key_Escape);
  EXPECT_FALSE(a->HaveFocused());
  BandAround({a, b});
  Key(Qt::Key_Escape);
  EXPECT_FALSE(a->HaveFocused());
  EXPECT_FALSE(doc->GroupSelected());
}

TEST_F(Keys, SelectAllIsTheBandAroundEverythingAndOneFigureAlone) {
  auto* a = Add<TKDRectangle>(doc, QRect(100, 100, 40, 40));
  main->SelectAll1->trigger();
  EXPECT_TRUE(a->HaveFocused());
  EXPECT_FALSE(doc->GroupSelected()) << "one figure is selected on its own";
  EXPECT_EQ(SurfaceChildren<TSizer>().size(), 1u);
  auto* b = Add<TKDEllipse>(doc, QRect(300, 200, 40, 40));
  auto* c = Add<TKDLine>(doc, QRect(150, 300, 60, 4));
  main->SelectAll1->trigger();
  std::vector<TSizerList*> groups = SurfaceChildren<TSizerList>();
  ASSERT_EQ(groups.size(), 1u);
  const QRect byMenu = groups[0]->geometry();
  std::vector<TCustomKDTool*> members = groups[0]->EditTargets();
  EXPECT_EQ(members, (std::vector<TCustomKDTool*>{a, b, c}));
  BandAround({a, b, c});
  groups = SurfaceChildren<TSizerList>();
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(groups[0]->geometry(), byMenu);
  EXPECT_EQ(groups[0]->EditTargets(), members);
}

}  // namespace
