// What the main window keeps between runs and shows in its status bar.
#include <QFile>
#include <QLabel>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>

#include "HistoryFixture.h"
#include "RecentFiles.h"
#include "StatusPanels.h"
#include "WindowPlacement.h"

namespace {

TEST(StatusTexts, PointerAndSelection) {
  EXPECT_EQ(StatusPanels::PointerText({120, -4}), "120, -4");
  EXPECT_EQ(StatusPanels::SelectionText({}), "");
  EXPECT_EQ(StatusPanels::SelectionText({QRect(10, 20, 80, 50)}), "80 × 50 at 10, 20");
  EXPECT_EQ(StatusPanels::SelectionText({QRect(10, 20, 80, 50), QRect(200, 5, 30, 30)}), "2 figures, 220 × 65 at 10, 5");
}

using Remembered = HistoryFixture;

TEST_F(Remembered, StatusBarFollowsThePointerAndTheSelection) {
  auto* a = Add<TKDRectangle>(doc, QRect(100, 100, 80, 50));
  auto* b = Add<TKDEllipse>(doc, QRect(300, 200, 40, 40));
  auto panels = main->StatusBar1->findChildren<QLabel*>();
  ASSERT_EQ(panels.size(), 2);
  QLabel* pointer = main->findChild<QLabel*>(QStringLiteral("StatusPanel0"));
  QLabel* selection = main->findChild<QLabel*>(QStringLiteral("StatusPanel1"));
  MoveTo({250, 60});
  EXPECT_EQ(pointer->text(), "250, 60");
  ClickFigure(a);
  testsupport::Flush();
  EXPECT_EQ(selection->text(), "80 × 50 at 100, 100");
  BandAround({a, b});
  testsupport::Flush();
  EXPECT_EQ(selection->text(), "2 figures, 240 × 140 at 100, 100");
  Key(Qt::Key_Escape);
  testsupport::Flush();
  EXPECT_EQ(selection->text(), "");
}

TEST_F(Remembered, RecentFilesListsSavedAndOpenedDiagramsAndDropsMissingOnes) {
  const QString first = Output("recent-1.kdl"), second = Output("recent-2.kdl");
  Add<TKDRectangle>(doc, QRect(10, 10, 40, 40));
  ASSERT_TRUE(doc->SaveToFile(first));
  ASSERT_TRUE(doc->SaveToFile(second));
  EXPECT_EQ(main->RecentFileList()->Files(), (QStringList{second, first}));
  // Choosing one that is gone removes it, with a message naming it.
  QFile::remove(first);
  std::vector<QString> reported;
  main->RecentFileList()->report = [&](const QString& m) { reported.push_back(m); };
  emit main->RecentFiles1->aboutToShow();
  QAction* item = main->findChild<QAction*>(QStringLiteral("RecentFile2"));
  ASSERT_NE(item, nullptr);
  item->trigger();
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_TRUE(reported[0].contains(QStringLiteral("recent-1.kdl")));
  EXPECT_EQ(main->RecentFileList()->Files(), QStringList{second});
  // At most ten, newest first, kept in the settings for the next run.
  for (int i = 0; i < 12; ++i) main->RecentFileList()->Add(Output(QStringLiteral("r%1.kdl").arg(i)));
  const QStringList kept = QSettings().value(QStringLiteral("recentFiles")).toStringList();
  ASSERT_EQ(kept.size(), 10);
  EXPECT_EQ(kept.front(), Output("r11.kdl"));
}

TEST_F(Remembered, RecentFilesShowTheNewestTenOfAnOverfullSetting) {
  QStringList stored;
  for (int i = 0; i < 3003; ++i) stored << QStringLiteral("/diagrams/d%1.kdl").arg(i);
  stored.insert(1, QStringLiteral("/diagrams/d0.kdl"));  // a repeat
  stored.insert(2, QString());                           // and a blank
  QSettings().setValue(QStringLiteral("recentFiles"), stored);
  QStringList newest;
  for (int i = 0; i < 10; ++i) newest << QStringLiteral("/diagrams/d%1.kdl").arg(i);
  EXPECT_EQ(main->RecentFileList()->Files(), newest);
  emit main->RecentFiles1->aboutToShow();
  EXPECT_EQ(main->RecentFiles1->actions().size(), 10);
  EXPECT_EQ(main->findChild<QAction*>(QStringLiteral("RecentFile11")), nullptr);
  QSettings().remove(QStringLiteral("recentFiles"));
}

struct PlaceCase {
  const char* name;
  QRect frame;
  QList<QRect> screens;
  bool usable;
};
void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }
class RestoredPlace : public ::testing::TestWithParam<PlaceCase> {};
TEST_P(RestoredPlace, IsKeptOnlyWhenLargeEnoughAndWithinReach) {
  EXPECT_EQ(placement::RestoredFrameUsable(GetParam().frame, GetParam().screens), GetParam().usable);
}
const QRect kScreen(0, 0, 1920, 1080);
const QRect kRightScreen(1920, 0, 1280, 1024);
INSTANTIATE_TEST_SUITE_P(
    Frames, RestoredPlace,
    ::testing::Values(PlaceCase{"onTheScreen", {100, 100, 1000, 760}, {kScreen}, true},
                      PlaceCase{"tooSmall", {100, 100, 460, 201}, {kScreen}, false},
                      PlaceCase{"justLargeEnough", {0, 0, 480, 360}, {kScreen}, true},
                      PlaceCase{"oneNarrower", {0, 0, 479, 360}, {kScreen}, false},
                      PlaceCase{"offEveryScreen", {5000, 5000, 1000, 760}, {kScreen, kRightScreen}, false},
                      PlaceCase{"onTheSecondScreen", {2000, 100, 1000, 760}, {kScreen, kRightScreen}, true},
                      // 100 pixels of it on the screen still can be dragged back; 99 cannot.
                      PlaceCase{"edgeInReach", {1820, 100, 1000, 760}, {kScreen}, true},
                      PlaceCase{"edgeOutOfReach", {1821, 100, 1000, 760}, {kScreen}, false},
                      PlaceCase{"titleAboveTheScreen", {100, -30, 1000, 760}, {kScreen}, false},
                      PlaceCase{"noScreens", {100, 100, 1000, 760}, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Remembered, AnUnusableRememberedPlaceGivesTheFirstRunsWindow) {
  // What a garbage setting restores to: a window the size of nothing, far off the screen.
  QWidget garbage;
  garbage.setGeometry(30000, 30000, 10, 10);
  QSettings().setValue(QStringLiteral("mainWindow/geometry"), garbage.saveGeometry());
  TestMain next;
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_GE(next.width(), std::min(652, screen.width()));
  EXPECT_GE(next.height(), std::min(492, screen.height()));
  EXPECT_TRUE(screen.contains(next.frameGeometry())) << "centred on the screen";
  QSettings().remove(QStringLiteral("mainWindow"));
}

TEST_F(Remembered, TheWindowsPlaceAndSizeComeBackInTheNextRun) {
  main->setGeometry(40, 30, 1000, 760);
  main->btnExit->click();  // Exit remembers the window
  testsupport::Flush();
  TestMain next;
  EXPECT_EQ(next.size(), QSize(1000, 760));
  QSettings().remove(QStringLiteral("mainWindow"));
}

}  // namespace
