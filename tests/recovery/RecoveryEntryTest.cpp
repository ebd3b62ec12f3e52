#include <gtest/gtest.h>

#include "RecoveryEntry.h"

namespace {

RecoveryEntry Sample() {
  return {QStringLiteral("/home/ann/流程图.kdl"), QStringLiteral("/home/ann/流程图.kdl"),
          QDateTime(QDate(2024, 5, 1), QTime(10, 0, 0, 250), Qt::UTC), 15};
}

TEST(RecoveryEntry, EncodesAsOneCompactObject) {
  EXPECT_EQ(recoveryentry::Encode(Sample()),
            QByteArray("{\"figures\":15,\"filePath\":\"/home/ann/流程图.kdl\","
                       "\"savedAt\":\"2024-05-01T10:00:00.250Z\",\"title\":\"/home/ann/流程图.kdl\"}"));
}

TEST(RecoveryEntry, ReadsBackWhatItWrites) {
  const std::optional<RecoveryEntry> entry = recoveryentry::Decode(recoveryentry::Encode(Sample()));
  ASSERT_TRUE(entry);
  EXPECT_EQ(*entry, Sample());
}

TEST(RecoveryEntry, ReadsANeverSavedDocumentAndALocalTime) {
  const std::optional<RecoveryEntry> entry = recoveryentry::Decode(
      R"({"title":"Noname.kdl","filePath":"","savedAt":"2024-05-01T12:00:00.000+02:00","figures":0})");
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->title, QStringLiteral("Noname.kdl"));
  EXPECT_EQ(entry->filePath, QString());
  EXPECT_EQ(entry->savedAt, QDateTime(QDate(2024, 5, 1), QTime(10, 0), Qt::UTC));
  EXPECT_EQ(entry->figures, 0);
}

struct Bad {
  const char* json;
  const char* error;
};
void PrintTo(const Bad& c, std::ostream* os) { *os << c.json; }
class DamagedEntry : public ::testing::TestWithParam<Bad> {};

TEST_P(DamagedEntry, IsRefusedWithItsReason) {
  QString error;
  EXPECT_FALSE(recoveryentry::Decode(GetParam().json, &error));
  EXPECT_EQ(error.toStdString(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    RecoveryEntry, DamagedEntry,
    ::testing::Values(
        Bad{R"({"title":"a.kdl","filePath":"a.kdl","savedAt":"2024-05-01T10:00:00Z","figu)", "unterminated string"},
        Bad{R"({"filePath":"a.kdl","savedAt":"2024-05-01T10:00:00Z","figures":1})", "no title"},
        Bad{R"({"title":"a.kdl","filePath":7,"savedAt":"2024-05-01T10:00:00Z","figures":1})", "no file path"},
        Bad{R"({"title":"a.kdl","filePath":"a.kdl","savedAt":"yesterday","figures":1})", "no time"},
        Bad{R"({"title":"a.kdl","filePath":"a.kdl","savedAt":"2024-05-01T10:00:00Z","figures":-1})", "no figure count"},
        Bad{R"({"title":"a.kdl","filePath":"a.kdl","savedAt":"2024-05-01T10:00:00Z","figures":1.5})", "no figure count"},
        Bad{R"({"title":"a.kdl","filePath":"a.kdl","savedAt":"2024-05-01T10:00:00Z","figures":1e12})", "no figure count"}));

}  // namespace
