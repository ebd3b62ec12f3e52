#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "CustomKDTool.h"
#include "DiagramFile.h"
#include "RecordBytes.h"
#include "RecoveryTestSupport.h"
#include "TestSupport.h"

namespace {

QByteArray Sample() { return FileBytes(testsupport::DataPath(QStringLiteral("order-flow.kdl"))); }

// Where the n-th record (from 0) begins: each starts with its signature.
qsizetype RecordStart(const QByteArray& bytes, int n) {
  qsizetype at = -1;
  for (int i = 0; i <= n; ++i) at = bytes.indexOf("TPF0", at + 1);
  return at;
}

TEST(RecordBytes, SerialisesFiguresAsTheFileHoldsThem) {
  std::vector<std::unique_ptr<TCustomKDTool>> figures;
  diagramfile::Read(testsupport::DataPath(QStringLiteral("order-flow.kdl")),
                    [&](std::unique_ptr<TCustomKDTool> f) { figures.push_back(std::move(f)); });
  ASSERT_EQ(figures.size(), 13u);
  std::vector<const Persistent*> records;
  for (const auto& f : figures) records.push_back(f.get());

  EXPECT_EQ(recordbytes::Serialise(records), Sample());
}

TEST(RecordBytes, NoFiguresAreNoBytes) { EXPECT_EQ(recordbytes::Serialise({}), QByteArray()); }

struct Damage {
  const char* name;
  QByteArray (*make)(const QByteArray& sample);
  int figures;
  const char* error;
};
void PrintTo(const Damage& c, std::ostream* os) { *os << c.name; }
class ReadCase : public ::testing::TestWithParam<Damage> {};

TEST_P(ReadCase, CountsFiguresAndReportsTheReadersMessage) {
  const recordbytes::Check check = recordbytes::Read(GetParam().make(Sample()));
  EXPECT_EQ(check.figures, GetParam().figures);
  EXPECT_EQ(check.error.toStdString(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    RecordBytes, ReadCase,
    ::testing::Values(
        Damage{"Whole", [](const QByteArray& s) { return s; }, 13, ""},
        Damage{"Empty", [](const QByteArray&) { return QByteArray(); }, 0, ""},
        Damage{"CutInsideTheThirdRecord",
               // signature, class name and empty object name take 16 bytes: the first
               // property's name is cut
               [](const QByteArray& s) { return s.left(RecordStart(s, 2) + 20); }, 2,
               "Error reading TKDProcess.: Stream read error"},
        Damage{"NotRecordsAtAll", [](const QByteArray&) { return QByteArray("not a diagram at all"); }, 0,
               "Invalid stream format"},
        Damage{"GarbageAfterTwelveRecords",
               [](const QByteArray& s) { return s.left(RecordStart(s, 12)) + QByteArray(40, 'x'); }, 12,
               "Invalid stream format"}),
    [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

}  // namespace
