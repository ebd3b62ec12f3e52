// The reader's reasons as the editor shows them: each part asked for by its English where a
// translation is loaded, the file's names as written, and exactly the reader's words where none is.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "Bracketing.h"

#include "StreamMessages.h"

namespace {

TEST(StreamMessages, AskedForByTheirEnglishTheInnerReasonToo) {
  const struct {
    const char* english;
    const char* shown;
  } cases[] = {
      {"Invalid stream format", "[Invalid stream format]"},
      {"Error reading Form1.KDProcess1: Class TFoo%1 not found", "[Error reading Form1.KDProcess1: [Class TFoo%1 not found]]"},
      {"Error reading A.B: Error reading C.D: Invalid property value", "[Error reading A.B: [Error reading C.D: [Invalid property value]]]"},
      {"''1x'' is not a valid component name", "[''1x'' is not a valid component name]"},
      {"Invalid stream format at byte 12", "Invalid stream format at byte 12"},
  };
  testsupport::Bracketing bracketing("StreamMessages");
  ASSERT_TRUE(QCoreApplication::installTranslator(&bracketing));
  for (const auto& c : cases) EXPECT_EQ(messages::StreamMessageText(c.english).toStdString(), c.shown) << c.english;
  QCoreApplication::removeTranslator(&bracketing);
  for (const auto& c : cases) EXPECT_EQ(messages::StreamMessageText(c.english).toStdString(), c.english);
}

}  // namespace
