// Saving never loses work: a full disk keeps the old file and the document's changes, a file
// changed by another program is not overwritten unasked, and what a save replaces keeps its
// mode, owner and kind.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <tuple>

#include "DocumentTestSupport.h"
#include "FileFaults.h"

namespace {

using questions::TAnswer;

QByteArray Bytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Put(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

class SaveSafety : public DocumentFixture {
 protected:
  void SetUp() override {
    DocumentFixture::SetUp();
    Add(QRect(10, 10, 40, 40));
    Add<TKDEllipse>(QRect(80, 10, 40, 40));
    path_ = dir_.filePath("flow.kdl");
    ASSERT_TRUE(doc->SaveToFile(path_));
    Add(QRect(150, 10, 40, 40));  // the change a save must not lose
    doc->SetModified(true);
    saved_ = Bytes(path_);
  }
  std::string SaveError(const QString& name) {
    try {
      doc->SaveToFile(name);
    } catch (const std::exception& e) {
      return e.what();
    }
    return {};
  }

  QTemporaryDir dir_;
  QString path_;
  QByteArray saved_;
};

TEST_F(SaveSafety, AFullDiskKeepsTheFileAndTheDocumentsChanges) {
  int saves = 0;
  QObject::connect(doc, &TwinKedrinFile::Saved, [&] { ++saves; });
  {
    FileSizeLimit full(static_cast<rlim_t>(saved_.size()));  // the old size fits, the new one not
    EXPECT_EQ(SaveError(path_), "Cannot write file " + path_.toStdString() + ": File too large");
  }
  EXPECT_EQ(Bytes(path_), saved_);
  EXPECT_TRUE(doc->Modified());
  EXPECT_EQ(saves, 0) << "the recovery copy goes only with a save that happened";
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"flow.kdl"});
}

struct Change {
  const char* name;
  std::function<void(const QString& path, const QByteArray& saved)> make;
  bool asked;
};

const Change kChanges[] = {
    {"OtherContent", [](const QString& p, const QByteArray&) { Put(p, "another diagram"); }, true},
    // Same size and the old time put back: only the content tells.
    {"SameSizeBackdated",
     [](const QString& p, const QByteArray& saved) {
       struct stat before {};
       ::stat(QFile::encodeName(p).constData(), &before);
       Put(p, QByteArray(saved.size(), 'x'));
       const timespec times[2] = {before.st_atim, before.st_mtim};
       ::utimensat(AT_FDCWD, QFile::encodeName(p).constData(), times, 0);
     },
     true},
    // Rewritten with the very bytes (a new file put in its place): nothing to lose.
    {"SameBytesPutBack",
     [](const QString& p, const QByteArray& saved) {
       Put(p + ".new", saved);
       QFile::remove(p);
       QFile::rename(p + ".new", p);
     },
     false},
    {"ModeOnly", [](const QString& p, const QByteArray&) { QFile::setPermissions(p, QFile::ReadOwner | QFile::WriteOwner); }, false},
    {"Deleted", [](const QString& p, const QByteArray&) { QFile::remove(p); }, false},
};

class ChangedOnDisk : public SaveSafety, public ::testing::WithParamInterface<Change> {};

TEST_P(ChangedOnDisk, IsOverwrittenOnlyWhenTheUserSaysSo) {
  GetParam().make(path_, saved_);
  const QByteArray theirs = Bytes(path_);
  answer = TAnswer::Cancel;
  EXPECT_EQ(doc->SaveToFile(path_), !GetParam().asked);
  ASSERT_EQ(questionsAsked.size(), GetParam().asked ? 1u : 0u);
  if (!GetParam().asked) return;
  EXPECT_NE(questionsAsked[0].find(path_.toStdString() + " has been changed by another program"), std::string::npos);
  EXPECT_EQ(Bytes(path_), theirs);
  EXPECT_TRUE(doc->Modified());

  // Save As saves elsewhere and leaves their file; Overwrite replaces it.
  answer = TAnswer::No;
  main.saveAsName = dir_.filePath("mine.kdl");
  EXPECT_TRUE(doc->SaveToFile(path_));
  EXPECT_EQ(main.saveAsCalls, 1);
  EXPECT_EQ(Bytes(path_), theirs);
  EXPECT_EQ(doc->Title(), main.saveAsName);
  doc->SetModified(true);
  answer = TAnswer::Yes;
  GetParam().make(main.saveAsName, Bytes(main.saveAsName));
  EXPECT_TRUE(doc->SaveToFile(main.saveAsName));
  EXPECT_FALSE(doc->Modified());
  EXPECT_EQ(questionsAsked.size(), 3u);
  EXPECT_NE(Bytes(main.saveAsName), theirs);
}

INSTANTIATE_TEST_SUITE_P(Changes, ChangedOnDisk, ::testing::ValuesIn(kChanges),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveSafety, TheSecondOfTwoWindowsOnOneFileAsks) {
  auto* other = new TwinKedrinFile(&main);
  ASSERT_TRUE(other->LoadFromFile(path_));
  ASSERT_TRUE(doc->SaveToFile(path_));
  other->SetModified(true);
  EXPECT_FALSE(other->SaveToFile(path_));
  EXPECT_EQ(questionsAsked.size(), 1u);
  EXPECT_TRUE(doc->SaveToFile(path_)) << "its own last save is no change";
  EXPECT_EQ(questionsAsked.size(), 1u);
  delete other;
}

struct Target {
  const char* name;
  std::function<void(const QString& path)> make;
  const char* error;  // empty: saved
};

const Target kTargets[] = {
    {"ReadOnly", [](const QString& p) { ::chmod(QFile::encodeName(p).constData(), 0444); }, "it is read-only"},
    // A device of the test's own (the null device's numbers): a save that went wrong would
    // replace this node, never the system's.
    {"LinkToADevice",
     [](const QString& p) {
       QFile::remove(p);
       const QString device = p + QStringLiteral(".dev");
       ASSERT_EQ(::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 3)), 0) << "needs root";
       QFile::link(device, p);
     },
     "it leads to a device, not a regular file"},
    {"Pipe",
     [](const QString& p) {
       QFile::remove(p);
       ::mkfifo(QFile::encodeName(p).constData(), 0644);
       // A reader, so that a save writing into the pipe would fail the test instead of waiting.
       static int reader = -1;
       if (reader >= 0) ::close(reader);
       reader = ::open(QFile::encodeName(p).constData(), O_RDONLY | O_NONBLOCK);
     },
     "it is a pipe, not a regular file"},
    {"Folder",
     [](const QString& p) {
       QFile::remove(p);
       QDir().mkdir(p);
     },
     "it is a folder, not a regular file"},
};

class SaveTarget : public SaveSafety, public ::testing::WithParamInterface<Target> {};

TEST_P(SaveTarget, ThatIsNoWritableFileIsLeftAlone) {
  GetParam().make(path_);
  // The name itself and what it leads to, before and after.
  auto state = [&] {
    struct stat name {}, target {};
    ::lstat(QFile::encodeName(path_).constData(), &name);
    ::stat(QFile::encodeName(path_).constData(), &target);
    return std::tuple(name.st_mode, name.st_ino, target.st_mode, target.st_ino, target.st_size);
  };
  const auto before = state();
  answer = TAnswer::Yes;  // "Overwrite" what is there now, when asked
  EXPECT_EQ(SaveError(path_), "Cannot create file " + path_.toStdString() + ": " + GetParam().error);
  EXPECT_EQ(state(), before);
  EXPECT_TRUE(doc->Modified());
}

INSTANTIATE_TEST_SUITE_P(Targets, SaveTarget, ::testing::ValuesIn(kTargets),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SaveSafety, AReplacedFileKeepsItsModeOwnerAndLinks) {
  const QByteArray file = QFile::encodeName(path_);
  ASSERT_EQ(::chmod(file.constData(), 0640), 0);
  if (::chown(file.constData(), ::getuid(), 1) != 0) GTEST_SKIP() << "cannot give the file to group 1";
  const QString link = dir_.filePath("link.kdl");
  ASSERT_TRUE(QFile::link(path_, link));

  ASSERT_TRUE(doc->SaveToFile(link));
  struct stat st {};
  ASSERT_EQ(::stat(file.constData(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(st.st_gid, 1u);
  EXPECT_TRUE(QFileInfo(link).isSymLink()) << "the link stays, its file is replaced";
  EXPECT_NE(Bytes(path_), saved_);
  EXPECT_EQ(Bytes(path_).count("TPF0"), 3);
}

}  // namespace
