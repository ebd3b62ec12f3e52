// The recovery folder reads only regular files it wrote itself, never waits on one, and a full
// disk never spoils the copy it has.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <future>

#include "../document/FileFaults.h"
#include "AutosaveWriter.h"
#include "RecoveryOffer.h"
#include "RecoverySession.h"
#include "RecoveryTestSupport.h"
#include "TestSupport.h"

namespace {

const QByteArray kEntry =
    R"({"title":"/home/ann/a.kdl","filePath":"/home/ann/a.kdl","savedAt":"2024-05-01T10:00:00.000Z","figures":13})";

struct Stranger {
  const char* name;
  std::function<void(const QString& records, const QString& elsewhere)> make;
  const char* reason;
};

const Stranger kStrangers[] = {
    {"LinkToEndlessDevice", [](const QString& p, const QString&) { QFile::link(QStringLiteral("/dev/zero"), p); },
     "it is a symbolic link, not a regular file"},
    {"LinkToADiagram",
     [](const QString& p, const QString& elsewhere) {
       PutFile(elsewhere, FileBytes(testsupport::DataPath(QStringLiteral("order-flow.kdl"))));
       QFile::link(elsewhere, p);
     },
     "it is a symbolic link, not a regular file"},
    {"Pipe", [](const QString& p, const QString&) { ::mkfifo(QFile::encodeName(p).constData(), 0600); },
     "it is a pipe, not a regular file"},
};

class StrangeCopy : public ::testing::TestWithParam<Stranger> {};

// Listed with the reason, so that the user can discard it; never read, never waited for.
TEST_P(StrangeCopy, IsListedUnrecoverableAndDiscardedAlone) {
  QTemporaryDir dir;
  const QString root = dir.filePath("recovery"), folder = root + "/dead", elsewhere = dir.filePath("elsewhere.kdl");
  QDir().mkpath(folder);
  const QString records = RecoverySession::RecordsPath(folder, "a");
  PutFile(RecoverySession::EntryPath(folder, "a"), kEntry);
  GetParam().make(records, elsewhere);

  std::future<std::unique_ptr<RecoveryOffer>> found =
      std::async(std::launch::async, [&] { return RecoveryOffer::Find(root, "own"); });
  if (found.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
    ADD_FAILURE() << "still reading";
    ::close(::open(QFile::encodeName(records).constData(), O_WRONLY));  // a writer ends the wait
  }
  std::unique_ptr<RecoveryOffer> offer = found.get();
  ASSERT_EQ(offer->Documents().size(), 1u);
  const RecoverableDocument& d = offer->Documents()[0];
  EXPECT_FALSE(d.Recoverable());
  EXPECT_EQ(d.problem, "Cannot open file " + records + ": " + GetParam().reason);
  EXPECT_EQ(d.entry.title, "/home/ann/a.kdl");
  EXPECT_TRUE(offer->Settle({RecoveryChoice::Discard}, {}).empty());
  EXPECT_FALSE(QFileInfo(records).isSymLink() || QFileInfo::exists(records));
  EXPECT_EQ(QFileInfo::exists(elsewhere), GetParam().name == std::string("LinkToADiagram")) << "only the link went";
}

INSTANTIATE_TEST_SUITE_P(Copies, StrangeCopy, ::testing::ValuesIn(kStrangers),
                         [](const auto& info) { return std::string(info.param.name); });

struct LargeCopy {
  const char* name;
  int64_t bytes;   // a sparse file of this size: nothing but zeros, taking no room on disk
  const char* listed;  // the problem listed at start
  const char* read;    // the problem once the copy is read
};
void PrintTo(const LargeCopy& c, std::ostream* os) { *os << c.name; }

class LargeCopyListed : public ::testing::TestWithParam<LargeCopy> {};

// The list shows what the entry says and reads no copy: a 1,000 MB copy costs the start no
// memory (reading it whole took a gigabyte); one beyond the limit is refused before it is read.
// Recovered, a copy is read a record at a time: zeros fail at the first.
TEST_P(LargeCopyListed, FromItsEntryWithoutReadingTheCopy) {
  QTemporaryDir dir;
  const QString root = dir.filePath("recovery"), folder = root + "/dead";
  QDir().mkpath(folder);
  const QString records = RecoverySession::RecordsPath(folder, "a");
  PutFile(RecoverySession::EntryPath(folder, "a"), kEntry);
  PutFile(records, {});
  ASSERT_EQ(::truncate(QFile::encodeName(records).constData(), GetParam().bytes), 0);
  auto peakKilobytes = [] {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
  };
  auto named = [&](const char* text) {
    const QString t = QString::fromUtf8(text);
    return t.contains(QLatin1String("%1")) ? t.arg(records) : t;
  };
  const long before = peakKilobytes();
  std::unique_ptr<RecoveryOffer> offer = RecoveryOffer::Find(root, "own");
  ASSERT_EQ(offer->Documents().size(), 1u);
  const RecoverableDocument& d = offer->Documents()[0];
  EXPECT_EQ(d.entry.title, "/home/ann/a.kdl");
  EXPECT_EQ(d.entry.figures, 13);
  EXPECT_EQ(d.problem, named(GetParam().listed));
  EXPECT_EQ(offer->Check(0).problem, named(GetParam().read));
  EXPECT_LT(peakKilobytes() - before, 64 * 1024) << "the copy was held in memory";
  EXPECT_TRUE(offer->Settle({RecoveryChoice::Recover}, {}).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Copies, LargeCopyListed,
    ::testing::Values(LargeCopy{"ThousandMegabytes", int64_t{1000} << 20, "", "Invalid stream format"},
                      LargeCopy{"BeyondTheLimit", (int64_t{1} << 30) + 1,
                                "Cannot open file %1: it is larger than 1 GiB, more than a diagram can be",
                                "Cannot open file %1: it is larger than 1 GiB, more than a diagram can be"}),
    [](const auto& info) { return std::string(info.param.name); });

// A link among the run folders leads elsewhere: what lies there is no copy and is not removed.
TEST(RecoveryFolder, ALinkedRunFolderIsNeitherOfferedNorEmptied) {
  QTemporaryDir dir;
  const QString root = dir.filePath("recovery"), victim = dir.filePath("documents");
  QDir().mkpath(root);
  QDir().mkpath(victim);
  PutFile(RecoverySession::RecordsPath(victim, "a"), FileBytes(testsupport::DataPath(QStringLiteral("order-flow.kdl"))));
  ASSERT_TRUE(QFile::link(victim, root + "/dead"));
  std::unique_ptr<RecoveryOffer> offer = RecoveryOffer::Find(root, "own");
  EXPECT_TRUE(offer->Empty());
  offer->Settle({}, {});
  EXPECT_TRUE(QFileInfo::exists(RecoverySession::RecordsPath(victim, "a")));
}

// A copy that cannot be written whole leaves the one before it as it was, and says why.
TEST(RecoveryFolder, AFullDiskKeepsThePreviousCopy) {
  QTemporaryDir dir;
  const QString path = RecoverySession::RecordsPath(dir.path(), "doc");
  const RecoveryEntry entry{QStringLiteral("Noname.kdl"), {}, QDateTime::currentDateTimeUtc(), 0};
  AutosaveWriter writer;
  QStringList errors;
  QObject::connect(&writer, &AutosaveWriter::Written, [&](const QString&, const QString& e) { errors.push_back(e); });
  writer.Write(dir.path(), "doc", QByteArray(4303, 'a'), entry);
  writer.Wait();
  {
    FileSizeLimit full(4303);
    writer.Write(dir.path(), "doc", QByteArray(5000, 'b'), entry);
    writer.Wait();
  }
  EXPECT_EQ(FileBytes(path), QByteArray(4303, 'a'));
  EXPECT_EQ(errors, (QStringList{QString(), "Cannot write file " + path + ": File too large"}));
}

}  // namespace
