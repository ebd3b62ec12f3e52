#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "DiagramFile.h"
#include "Errors.h"
#include "FigureSamples.h"
#include "StreamError.h"
#include "TestSupport.h"

namespace {

using Figures = std::vector<std::unique_ptr<TCustomKDTool>>;

std::vector<const Persistent*> AsRecords(const Figures& figures) {
  std::vector<const Persistent*> out;
  for (const auto& f : figures) out.push_back(f.get());
  return out;
}

void WriteBytes(const QString& path, const std::vector<uint8_t>& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

struct ReadResult {
  Figures figures;
  int afterRecordCalls = 0;
  std::string error;  // empty when reading succeeded
};

ReadResult ReadAll(const QString& path) {
  ReadResult r;
  try {
    diagramfile::Read(
        path, [&](std::unique_ptr<TCustomKDTool> f) { r.figures.push_back(std::move(f)); },
        [&](int64_t, int64_t) { ++r.afterRecordCalls; });
  } catch (const std::exception& e) {
    r.error = e.what();
  }
  return r;
}

// A record whose writing fails partway: the error comes after some of its bytes are out.
bool g_failWrite = true;
class FailingRecord final : public Persistent {
 public:
  std::span<const PropertyInfo> Properties() const override {
    static const PropertyInfo props[] = {
        {.name = "Left", .kind = PropKind::Integer, .stored = StoredRule::Always,
         .getOrdinal = [](const Persistent&) -> int64_t {
           if (g_failWrite) throw EStreamError("Stream write error");
           return 1;
         }},
    };
    return props;
  }
  const char* ClassName() const override { return "TKDProcess"; }
};

class DiagramFile : public ::testing::Test {
 protected:
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QStringList Entries() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::NoDotAndDotDot); }
  QTemporaryDir dir_;
};

TEST_F(DiagramFile, NineClassesReadBackInOrderWithEveryStoredProperty) {
  Figures saved = NineStyledFigures();
  diagramfile::Write(Path("all.kdl"), AsRecords(saved));

  ReadResult r = ReadAll(Path("all.kdl"));
  ASSERT_EQ(r.error, "");
  ASSERT_EQ(r.figures.size(), saved.size());
  EXPECT_EQ(r.afterRecordCalls, 9);
  for (size_t i = 0; i < saved.size(); ++i) {
    EXPECT_STREQ(r.figures[i]->ClassName(), saved[i]->ClassName());
    // Equal records mean equal stored properties, the font's and the arrow's included.
    EXPECT_EQ(RecordBytes(*r.figures[i]), RecordBytes(*saved[i])) << saved[i]->ClassName();
  }
  EXPECT_NE(dynamic_cast<TKDLine*>(r.figures[8].get()), nullptr);
  EXPECT_TRUE(r.figures[4]->HaveFocused());
  EXPECT_EQ(r.figures[6]->Caption(), "Two words");
  EXPECT_EQ(r.figures[3]->Font().charset, GB2312_CHARSET);
}

TEST_F(DiagramFile, FileIsTheRecordsBackToBackAndNothingElse) {
  Figures saved = NineStyledFigures();
  diagramfile::Write(Path("all.kdl"), AsRecords(saved));
  std::vector<uint8_t> expected;
  for (const auto& f : saved) {
    std::vector<uint8_t> r = RecordBytes(*f);
    expected.insert(expected.end(), r.begin(), r.end());
  }
  EXPECT_EQ(testsupport::ReadFile(Path("all.kdl")), expected);
}

TEST_F(DiagramFile, NoFiguresGiveAnEmptyFileThatReadsAsNoRecords) {
  diagramfile::Write(Path("empty.kdl"), {});
  EXPECT_TRUE(QFile::exists(Path("empty.kdl")));
  EXPECT_EQ(QFileInfo(Path("empty.kdl")).size(), 0);
  ReadResult r = ReadAll(Path("empty.kdl"));
  EXPECT_EQ(r.error, "");
  EXPECT_TRUE(r.figures.empty());
  EXPECT_EQ(r.afterRecordCalls, 0);
}

TEST_F(DiagramFile, SampleFromAnotherEncoderReadsThirteenFigures) {
  ReadResult r = ReadAll(testsupport::DataPath("order-flow.kdl"));
  EXPECT_EQ(r.error, "");
  EXPECT_EQ(r.figures.size(), 13u);
}

// Where a file is cut decides which figures survive and what the reader says.
struct Damage {
  const char* name;
  size_t keep;        // bytes of the third record kept from its start (0: all of it)
  size_t dropFromEnd; // bytes of the third record cut from its end
  size_t garbage;     // bytes that are not a record appended after it
  const char* message;
};

class DamagedFile : public DiagramFile, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedFile, KeepsTheFiguresBeforeTheBadRecordAndReportsIt) {
  Figures saved = NineStyledFigures();
  saved.resize(3);
  std::vector<uint8_t> bytes;
  for (size_t i = 0; i < 2; ++i) {
    std::vector<uint8_t> r = RecordBytes(*saved[i]);
    bytes.insert(bytes.end(), r.begin(), r.end());
  }
  std::vector<uint8_t> third = RecordBytes(*saved[2]);
  const Damage& d = GetParam();
  const size_t kept = (d.keep ? d.keep : third.size()) - d.dropFromEnd;
  bytes.insert(bytes.end(), third.begin(), third.begin() + static_cast<ptrdiff_t>(kept));
  bytes.insert(bytes.end(), d.garbage, 'x');
  WriteBytes(Path("damaged.kdl"), bytes);

  ReadResult r = ReadAll(Path("damaged.kdl"));
  EXPECT_EQ(r.error, d.message);
  const size_t intact = kept == third.size() ? 3 : 2;
  ASSERT_EQ(r.figures.size(), intact);
  for (size_t i = 0; i < intact; ++i) EXPECT_EQ(RecordBytes(*r.figures[i]), RecordBytes(*saved[i]));
  // The failing record counts as read, as the title update after it needs.
  EXPECT_EQ(r.afterRecordCalls, static_cast<int>(intact) + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cuts, DamagedFile,
    ::testing::Values(Damage{"InSignature", 2, 0, 0, "Stream read error"},
                      Damage{"InClassName", 7, 0, 0, "Stream read error"},
                      Damage{"InLeftValue", 22, 0, 0, "Error reading TKDProcess.Left: Stream read error"},
                      Damage{"BeforeEndMarkers", 0, 2, 0, "Stream read error"},
                      Damage{"LastByteMissing", 0, 1, 0, "Stream read error"},
                      Damage{"GarbageAfterLastRecord", 0, 0, 5, "Invalid stream format"},
                      Damage{"OneStrayByteAfterLastRecord", 0, 0, 1, "Invalid stream format"},
                      Damage{"ThreeStrayBytesAfterLastRecord", 0, 0, 3, "Invalid stream format"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DiagramFile, MissingFileCannotBeOpened) {
  ReadResult r = ReadAll(Path("none.kdl"));
  EXPECT_EQ(r.error, ("Cannot open file " + Path("none.kdl") + ": No such file or directory").toStdString());
}

TEST_F(DiagramFile, UnwritableFolderReportsAndLeavesNothing) {
  // A folder that is really a file: even root cannot create anything inside it.
  WriteBytes(Path("plain"), {1, 2, 3});
  const QString target = Path("plain/d.kdl");
  Figures saved = NineStyledFigures();
  try {
    diagramfile::Write(target, AsRecords(saved));
    FAIL() << "no error";
  } catch (const EKedrinError& e) {
    EXPECT_EQ(std::string(e.what()), ("Cannot create file " + target).toStdString());
  }
  EXPECT_EQ(testsupport::ReadFile(Path("plain")), (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(DiagramFile, WriteFailingMidwayLeavesThePreviousFileWhole) {
  const std::vector<uint8_t> previous = {'T', 'P', 'F', '0', 9, 9, 9};
  WriteBytes(Path("d.kdl"), previous);
  Figures good = NineStyledFigures();
  FailingRecord bad;
  std::vector<const Persistent*> records = AsRecords(good);
  records.insert(records.begin() + 4, &bad);
  g_failWrite = true;
  EXPECT_THROW(diagramfile::Write(Path("d.kdl"), records), EStreamError);
  EXPECT_EQ(testsupport::ReadFile(Path("d.kdl")), previous);
  EXPECT_EQ(Entries(), QStringList{"d.kdl"}) << "no temporary file stays behind";
}

TEST_F(DiagramFile, FileThatCannotBePutInPlaceReportsAndLeavesTheTargetAlone) {
  // A folder of the target's name: the new file is written but cannot replace it.
  ASSERT_TRUE(QDir(dir_.path()).mkdir("taken.kdl"));
  Figures saved = NineStyledFigures();
  EXPECT_THROW(diagramfile::Write(Path("taken.kdl"), AsRecords(saved)), EKedrinError);
  EXPECT_TRUE(QFileInfo(Path("taken.kdl")).isDir());
  EXPECT_TRUE(Entries().isEmpty());
}

TEST(DiagramRecords, StreamPositionAfterEachRecordIsItsEnd) {
  Figures saved = NineStyledFigures();
  MemoryStream stream;
  std::vector<int64_t> ends;
  {
    TWriter writer(stream);
    for (const auto& f : saved) {
      writer.WriteShape(*f);
      writer.FlushBuffer();
      ends.push_back(stream.Position());
    }
  }
  stream.Seek(0);
  std::vector<int64_t> seen;
  Figures read;
  int n = diagramfile::ReadRecords(
      stream, [&](std::unique_ptr<TCustomKDTool> f) { read.push_back(std::move(f)); },
      [&](int64_t position, int64_t size) {
        seen.push_back(position);
        EXPECT_EQ(size, stream.Size());
      });
  EXPECT_EQ(n, 9);
  EXPECT_EQ(seen, ends);
}

}  // namespace
