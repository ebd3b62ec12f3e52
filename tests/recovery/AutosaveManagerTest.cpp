#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "AutosaveManager.h"
#include "RecoveryEntry.h"
#include "RecoveryTestSupport.h"

namespace {

class AutosaveManagerTest : public ::testing::Test {
 protected:
  void SetUp() override { Start(); }

  void Start(AutosaveSettings settings = {}) {
    manager = std::make_unique<AutosaveManager>(settings, root);
    manager->SetClock(clock.Function());
    QObject::connect(manager.get(), &AutosaveManager::Warning,
                     [this](const QString& text) { warnings.push_back(text); });
    QObject::connect(manager.get(), &AutosaveManager::WarningOver, [this] { ++warningsOver; });
    manager->Register(&source);
  }
  // The timer's work at `t`, and the writer's.
  void At(int64_t t) {
    clock.now = t;
    manager->RunDueWrites();
    manager->WaitForWriter();
  }
  void ChangeAt(int64_t t) {
    clock.now = t;
    manager->Changed(&source);
  }
  QString Copy() const { return manager->CopyPath(&source); }
  QString Entry() const { return Copy().chopped(4) + QStringLiteral(".json"); }

  QTemporaryDir dir;
  QString root = dir.filePath(QStringLiteral("recovery"));
  FakeClock clock;
  FakeSource source;
  std::unique_ptr<AutosaveManager> manager;
  QStringList warnings;
  int warningsOver = 0;
};

TEST_F(AutosaveManagerTest, ABurstOfEditsIsCopiedOnceADelayAfterItsFirstEdit) {
  source.title = source.filePath = QStringLiteral("/home/ann/order.kdl");
  ChangeAt(0);
  ChangeAt(1000);
  ChangeAt(2000);
  At(4999);
  EXPECT_FALSE(QFile::exists(Copy()));
  EXPECT_EQ(source.serialised, 0);

  At(5000);
  EXPECT_EQ(source.serialised, 1);
  EXPECT_EQ(FileBytes(Copy()), QByteArray("records of the diagram"));
  const std::optional<RecoveryEntry> entry = recoveryentry::Decode(FileBytes(Entry()));
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->title, QStringLiteral("/home/ann/order.kdl"));
  EXPECT_EQ(entry->filePath, QStringLiteral("/home/ann/order.kdl"));
  EXPECT_EQ(entry->figures, 3);
  EXPECT_LE(qAbs(entry->savedAt.secsTo(QDateTime::currentDateTimeUtc())), 60);

  At(30000);
  EXPECT_EQ(source.serialised, 1);
  EXPECT_TRUE(warnings.isEmpty());
}

TEST_F(AutosaveManagerTest, NoCopyIsTakenWhileAMouseDragIsInProgress) {
  ChangeAt(0);
  source.dragging = true;
  At(5000);
  At(5250);
  EXPECT_EQ(source.serialised, 0);
  EXPECT_FALSE(QFile::exists(Copy()));

  source.dragging = false;
  At(5400);  // the next try comes a quarter of a second after the last
  EXPECT_EQ(source.serialised, 0);
  At(5500);
  EXPECT_EQ(source.serialised, 1);
  EXPECT_TRUE(QFile::exists(Copy()));
}

TEST_F(AutosaveManagerTest, ADocumentBackAtItsSavedStateLosesItsCopy) {
  ChangeAt(0);
  At(5000);
  ASSERT_TRUE(QFile::exists(Copy()));
  source.modified = false;  // undone to the saved state
  ChangeAt(6000);
  At(11000);
  EXPECT_FALSE(QFile::exists(Copy()));
  EXPECT_FALSE(QFile::exists(Entry()));
  EXPECT_EQ(source.serialised, 1);
}

struct Ending {
  const char* name;
  std::function<void(AutosaveManager&, AutosaveSource&)> act;
  bool folderGoes;
};
void PrintTo(const Ending& c, std::ostream* os) { *os << c.name; }
class CopyGoes : public AutosaveManagerTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(CopyGoes, WhenTheDocumentIsDoneWith) {
  ChangeAt(0);
  At(5000);
  const QString copy = Copy(), entry = Entry(), folder = manager->SessionFolder();
  ASSERT_TRUE(QFile::exists(copy));
  ASSERT_TRUE(QFile::exists(entry));

  GetParam().act(*manager, source);
  manager->WaitForWriter();
  EXPECT_FALSE(QFile::exists(copy));
  EXPECT_FALSE(QFile::exists(entry));
  EXPECT_EQ(QFileInfo::exists(folder), !GetParam().folderGoes);
  EXPECT_EQ(QFileInfo::exists(folder + QStringLiteral(".lock")), !GetParam().folderGoes);
  At(60000);  // nothing comes back
  EXPECT_FALSE(QFile::exists(copy));
}

INSTANTIATE_TEST_SUITE_P(
    AutosaveManager, CopyGoes,
    ::testing::Values(Ending{"Saved", [](AutosaveManager& m, AutosaveSource& s) { m.Saved(&s); }, false},
                      Ending{"ClosedWithoutSaving", [](AutosaveManager& m, AutosaveSource& s) { m.Closed(&s); }, false},
                      Ending{"NormalExit", [](AutosaveManager& m, AutosaveSource&) { m.Shutdown(); }, true}),
    [](const ::testing::TestParamInfo<Ending>& info) { return std::string(info.param.name); });

TEST_F(AutosaveManagerTest, ASaveWhileTheCopyIsBeingWrittenStillRemovesIt) {
  ChangeAt(0);
  clock.now = 5000;
  manager->RunDueWrites();  // handed to the writer, not waited for
  manager->Saved(&source);
  manager->WaitForWriter();
  EXPECT_EQ(source.serialised, 1);
  EXPECT_FALSE(QFile::exists(Copy()));
  EXPECT_FALSE(QFile::exists(Entry()));
}

TEST_F(AutosaveManagerTest, AnUnwritableRecoveryFolderWarnsOnceAndEditingGoesOn) {
  // A file where the folder should be: no user, root included, can write below it.
  manager.reset();
  PutFile(dir.filePath(QStringLiteral("blocked")), "x");
  root = dir.filePath(QStringLiteral("blocked/recovery"));
  Start();

  ChangeAt(0);
  At(5000);
  ChangeAt(6000);
  At(10000);
  At(15000);
  ASSERT_EQ(warnings.size(), 1);
  EXPECT_TRUE(warnings[0].contains(root)) << warnings[0].toStdString();
  EXPECT_EQ(source.serialised, 0);
  EXPECT_EQ(warningsOver, 0);

  // Tried again at every delay: once the folder can be made, the copy is written.
  QFile::remove(dir.filePath(QStringLiteral("blocked")));
  At(20000);
  EXPECT_EQ(source.serialised, 1);
  EXPECT_TRUE(QFile::exists(Copy()));
  EXPECT_EQ(warnings.size(), 1);
  EXPECT_EQ(warningsOver, 1);
  ChangeAt(21000);
  At(26000);
  EXPECT_EQ(warningsOver, 1);  // said once
}

TEST_F(AutosaveManagerTest, AFailedWriteWarnsOnceUntilACopyIsWrittenAgain) {
  const QString folder = manager->SessionFolder();
  ASSERT_TRUE(QDir(folder).removeRecursively());
  PutFile(folder, "in the way");

  ChangeAt(0);
  At(5000);
  At(10000);
  ASSERT_EQ(warnings.size(), 1);
  EXPECT_TRUE(warnings[0].contains(folder)) << warnings[0].toStdString();
  EXPECT_EQ(source.serialised, 2);

  ASSERT_TRUE(QFile::remove(folder));
  ASSERT_TRUE(QDir().mkpath(folder));
  At(15000);
  EXPECT_TRUE(QFile::exists(Copy()));

  ASSERT_TRUE(QDir(folder).removeRecursively());
  PutFile(folder, "in the way again");
  ChangeAt(16000);
  At(21000);
  EXPECT_EQ(warnings.size(), 2);
}

TEST_F(AutosaveManagerTest, SwitchedOffNothingIsCopiedAndExistingCopiesGo) {
  ChangeAt(0);
  At(5000);
  ASSERT_TRUE(QFile::exists(Copy()));

  manager->ApplySettings({.enabled = false, .delaySeconds = 5});
  manager->WaitForWriter();
  EXPECT_FALSE(QFile::exists(Copy()));
  ChangeAt(6000);
  At(20000);
  EXPECT_EQ(source.serialised, 1);

  // Switched on again, the modified document is protected a delay later.
  clock.now = 21000;
  manager->ApplySettings({.enabled = true, .delaySeconds = 2});
  At(22999);
  EXPECT_EQ(source.serialised, 1);
  At(23000);
  EXPECT_EQ(source.serialised, 2);
  EXPECT_TRUE(QFile::exists(Copy()));
}

TEST_F(AutosaveManagerTest, ADocumentDestroyedWithoutClosingIsForgotten) {
  auto gone = std::make_unique<FakeSource>();
  manager->Register(gone.get());
  clock.now = 0;
  manager->Changed(gone.get());
  const AutosaveSource* key = gone.get();
  gone.reset();
  EXPECT_EQ(manager->CopyPath(key), QString());
  At(5000);  // would call the destroyed source
}

}  // namespace
