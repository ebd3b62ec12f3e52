// Window > Cascade: documents keep a size to work in, each a title bar below the one before.
#include <QAction>
#include <QStyle>

#include "CascadeLayout.h"
#include "MainWindowFixture.h"
#include "WindowMenu.h"

namespace {

struct CascadeCase {
  const char* name;
  QSize area;
  std::vector<QSize> sizes;
  int step;
  std::vector<QRect> placed;
};

void PrintTo(const CascadeCase& c, std::ostream* os) { *os << c.name; }
class Cascade : public ::testing::TestWithParam<CascadeCase> {};

TEST_P(Cascade, KeepsUsefulSizesAndStepsByTheTitle) {
  const CascadeCase& c = GetParam();
  EXPECT_EQ(CascadeRects(c.area, c.sizes, c.step), c.placed);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, Cascade,
    ::testing::Values(
        // Windows Qt would shrink to their size hints grow to two thirds of 900 x 600.
        CascadeCase{"smallGrowToTwoThirds", {900, 600}, {{120, 95}, {120, 95}, {120, 95}}, 24,
                    {{0, 0, 600, 400}, {24, 24, 600, 400}, {48, 48, 600, 400}}},
        // A window already larger keeps its size; one too large to leave room for the two
        // steps is cut to 900 - 48 by 600 - 48.
        CascadeCase{"largerKeptOrCut", {900, 600}, {{800, 500}, {1200, 700}, {700, 450}}, 24,
                    {{0, 0, 800, 500}, {24, 24, 852, 552}, {48, 48, 700, 450}}},
        // New documents (696 x 480) in an area as large: every title stays in sight.
        CascadeCase{"asLargeAsTheArea", {696, 480}, {{696, 480}, {696, 480}, {696, 480}}, 20,
                    {{0, 0, 656, 440}, {20, 20, 656, 440}, {40, 40, 656, 440}}},
        // 200 x 200 windows in 300 x 300 with steps of 40: the fourth would end at 320.
        CascadeCase{"startsAgainWhenPastTheArea", {300, 300}, {{10, 10}, {10, 10}, {10, 10}, {10, 10}}, 40,
                    {{0, 0, 200, 200}, {40, 40, 200, 200}, {80, 80, 200, 200}, {0, 0, 200, 200}}},
        // Only one direction too short: 601 wide stays, 100 high grows to 400.
        CascadeCase{"eachDirectionOnItsOwn", {900, 600}, {{601, 100}}, 24, {{0, 0, 601, 400}}},
        CascadeCase{"noAreaKeepsSizes", {0, 0}, {{120, 95}, {120, 95}}, 24, {{0, 0, 120, 95}, {24, 24, 120, 95}}},
        CascadeCase{"noWindows", {900, 600}, {}, 24, {}}),
    [](const auto& info) { return std::string(info.param.name); });

using WindowMenuTest = MainWindowFixture;

TEST_F(WindowMenuTest, CascadeGivesEveryDocumentTwoThirdsOfTheAreaATitleApart) {
  main->resize(1000, 800);
  testsupport::Flush();
  std::vector<TwinKedrinFile*> docs;
  for (int i = 0; i < 3; ++i) docs.push_back(main->btnNewClick());
  // Small windows, as Qt's own cascade leaves them.
  for (TwinKedrinFile* d : docs) SubOf(d)->resize(130, 100);
  main->WindowMenu1()->Cascade->trigger();
  testsupport::Flush();

  const QSize area = main->MdiArea->viewport()->size();
  const int title = SubOf(docs[0])->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, SubOf(docs[0]));
  ASSERT_GT(title, 0);
  // Bottom window first: the newest is on top and furthest down.
  for (int i = 0; i < 3; ++i) {
    const QRect r = SubOf(docs[i])->geometry();
    SCOPED_TRACE(i);
    EXPECT_GE(r.width() * 3, area.width() * 2 - 2);
    EXPECT_GE(r.height() * 3, area.height() * 2 - 2);
    EXPECT_EQ(r.topLeft(), QPoint(i * title, i * title));
    EXPECT_TRUE(QRect(QPoint(0, 0), area).contains(r)) << "seen whole";
  }
  EXPECT_EQ(main->MdiArea->activeSubWindow(), SubOf(docs[2]));
  // Windows as large as the area are made smaller, so that each title shows below the last.
  for (TwinKedrinFile* d : docs) SubOf(d)->resize(area);
  main->WindowMenu1()->Cascade->trigger();
  testsupport::Flush();
  for (int i = 0; i < 3; ++i) {
    const QRect r = SubOf(docs[i])->geometry();
    SCOPED_TRACE(i);
    EXPECT_EQ(r, QRect(i * title, i * title, area.width() - 2 * title, area.height() - 2 * title));
  }
  // A maximised document is shown normal and cascaded with the rest.
  SubOf(docs[1])->showMaximized();
  main->WindowMenu1()->Cascade->trigger();
  testsupport::Flush();
  EXPECT_FALSE(SubOf(docs[1])->isMaximized());
  EXPECT_LT(SubOf(docs[1])->width(), area.width());
}

}  // namespace
