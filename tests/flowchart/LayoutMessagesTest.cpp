// Auto Layout's reasons as the editor shows them: the English kdltool prints where no translation
// is loaded; each part asked for by its English, and counts written the user's way, where one is.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include "Bracketing.h"

#include "LayoutMessages.h"

namespace {

TEST(LayoutMessages, AskedForByTheirEnglishWithCountsInTheUsersWay) {
  const struct {
    const char* english;
    const char* shown;  // "" when no pattern knows it
  } cases[] = {
      {"the diagram has no shapes to lay out", "[the diagram has no shapes to lay out]"},
      // The longer of two patterns that start alike wins; the setting's name stays.
      {"the chart is too large for automatic layout: 1,200 shapes, above the limit of 1,000 (setting layout/maxShapes)",
       "[the chart is too large for automatic layout: [1.200 shapes], above the limit of 1.000 (setting layout/maxShapes)]"},
      {"the layout stopped: the layout program crashed (Segmentation fault) on a chart of 1 shape and 2,500 connectors",
       "[the layout stopped: the layout program crashed (Segmentation fault) on a chart of [1 shape] and [2.500 connectors]]"},
      // A path's "%2" is not filled in its turn.
      {"the layout program /opt/k%2/kedrin-layout cannot be run: No such file",
       "[the layout program /opt/k%2/kedrin-layout cannot be run: No such file]"},
      // The user's labels stay as written, numbers too.
      {"the link from 'A' to 'B' (\"1,000\") is drawn, but its figures read back otherwise",
       "[the link from 'A' to 'B' (\"1,000\") is drawn, but its figures read back otherwise]"},
      // Graphviz's own words.
      {"syntax error in line 1 near 'x'", ""},
      {"the layout stopped", ""},
  };
  testsupport::Bracketing bracketing("LayoutMessages");
  ASSERT_TRUE(QCoreApplication::installTranslator(&bracketing));
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  for (const auto& c : cases)
    EXPECT_EQ(flowchart::KnownLayoutMessage(c.english).value_or(QString()).toStdString(), c.shown) << c.english;
  QLocale::setDefault(QLocale::c());
  QCoreApplication::removeTranslator(&bracketing);
  // Without a translation, each is the English as it came.
  for (const auto& c : cases) EXPECT_EQ(flowchart::LayoutMessageText(c.english).toStdString(), c.english);
}

}  // namespace
