#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <map>
#include <memory>

#include "AutosaveManager.h"
#include "RecoverySession.h"
#include "RecoveryTestSupport.h"
#include "TestSupport.h"

namespace {

QByteArray Sample() { return FileBytes(testsupport::DataPath(QStringLiteral("order-flow.kdl"))); }

// The first n records of the sample diagram.
QByteArray FirstRecords(int n) {
  const QByteArray sample = Sample();
  qsizetype at = -1;
  for (int i = 0; i <= n; ++i) at = sample.indexOf("TPF0", at + 1);
  return at < 0 ? sample : sample.left(at);
}

class RecoveryOfferTest : public ::testing::Test {
 protected:
  std::unique_ptr<AutosaveManager> Run() {
    auto manager = std::make_unique<AutosaveManager>(AutosaveSettings{}, root);
    manager->SetClock(clock.Function());
    return manager;
  }
  // Each source's copy written by the manager, as five seconds of editing would.
  void Copy(AutosaveManager& manager, std::initializer_list<FakeSource*> sources) {
    for (FakeSource* s : sources) {
      manager.Register(s);
      manager.Changed(s);
    }
    clock.now += 5000;
    manager.RunDueWrites();
    manager.WaitForWriter();
  }
  // A run's folder made by hand: copies named by id, each with the entry text given (none when
  // empty); no lock file, as a run whose lock is gone.
  QString HandMadeRun(const QString& session, const std::vector<std::tuple<QString, QByteArray, QByteArray>>& copies) {
    const QString folder = root + QLatin1Char('/') + session;
    QDir().mkpath(folder);
    for (const auto& [id, records, entry] : copies) {
      PutFile(RecoverySession::RecordsPath(folder, id), records);
      if (!entry.isEmpty()) PutFile(RecoverySession::EntryPath(folder, id), entry);
    }
    return folder;
  }
  static std::vector<QString> Titles(const RecoveryOffer& offer) {
    std::vector<QString> titles;
    for (const RecoverableDocument& d : offer.Documents()) titles.push_back(d.entry.title);
    return titles;
  }

  QTemporaryDir dir;
  QString root = dir.filePath(QStringLiteral("recovery"));
  FakeClock clock;
};

// QLockFile takes a lock older than its stale time for stale even when its process lives; the
// lock holder's own flock keeps such a lock from being taken over.
TEST_F(RecoveryOfferTest, ALiveRunRunningForHoursIsNeverOffered) {
  auto first = Run(), second = Run();
  FakeSource a;
  a.records = Sample();
  Copy(*first, {&a});
  QFile lock(first->SessionFolder() + QStringLiteral(".lock"));
  ASSERT_TRUE(lock.open(QIODevice::ReadWrite));
  ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3 * 3600), QFileDevice::FileModificationTime));
  lock.close();

  // The same lock, written by hand and so held by nobody, is taken over.
  HandMadeRun(QStringLiteral("unheld"), {{QStringLiteral("b"), FirstRecords(2), {}}});
  ASSERT_TRUE(QFile::copy(lock.fileName(), root + QStringLiteral("/unheld.lock")));
  QFile copied(root + QStringLiteral("/unheld.lock"));
  ASSERT_TRUE(copied.open(QIODevice::ReadWrite));
  ASSERT_TRUE(copied.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3 * 3600), QFileDevice::FileModificationTime));
  copied.close();

  std::unique_ptr<RecoveryOffer> offer = second->FindRecoverable();
  ASSERT_EQ(offer->Documents().size(), 1u);
  EXPECT_EQ(offer->Documents()[0].id, QStringLiteral("b"));
  EXPECT_TRUE(QFile::exists(lock.fileName()));
  EXPECT_TRUE(QFile::exists(first->CopyPath(&a)));
}

TEST_F(RecoveryOfferTest, ADeadRunIsOfferedAndItsRecoveredCopiesMoveIntoTheLiveRun) {
  FakeSource saved, unsaved;
  saved.title = saved.filePath = QStringLiteral("/home/ann/order-flow.kdl");
  saved.records = Sample();
  saved.figures = 99;  // the count listed is the entry's, the count recovered the count read
  unsaved.records = FirstRecords(4);
  auto dead = Run();
  Copy(*dead, {&saved, &unsaved});
  const QString deadFolder = dead->SessionFolder();
  dead.reset();  // ends without Shutdown

  auto live = Run();
  std::unique_ptr<RecoveryOffer> offer = live->FindRecoverable();
  ASSERT_EQ(offer->Documents().size(), 2u);
  std::map<QString, std::pair<QString, int>> listed;  // title: file path, figures
  for (const RecoverableDocument& d : offer->Documents()) {
    EXPECT_TRUE(d.Recoverable()) << d.problem.toStdString();
    listed[d.entry.title] = {d.entry.filePath, d.entry.figures};
  }
  EXPECT_EQ(listed, (std::map<QString, std::pair<QString, int>>{
                        {"/home/ann/order-flow.kdl", {"/home/ann/order-flow.kdl", 99}}, {"Noname.kdl", {"", 3}}}));

  const std::vector<RecoveredDocument> recovered =
      live->Settle(*offer, {RecoveryChoice::Recover, RecoveryChoice::Recover});
  ASSERT_EQ(recovered.size(), 2u);
  for (const RecoveredDocument& r : recovered) {
    EXPECT_EQ(FileBytes(r.recordsPath), r.title == QStringLiteral("Noname.kdl") ? FirstRecords(4) : Sample());
    EXPECT_EQ(r.figures, r.title == QStringLiteral("Noname.kdl") ? 4 : 13);
    EXPECT_EQ(QFileInfo(r.recordsPath).path(), live->SessionFolder());
  }
  EXPECT_FALSE(QFileInfo::exists(deadFolder));
  EXPECT_FALSE(QFileInfo::exists(deadFolder + QStringLiteral(".lock")));
  EXPECT_TRUE(offer->Empty());

  // A document opened from a copy protects itself with it, until it is closed.
  FakeSource reopened;
  live->Register(&reopened, recovered[0].id);
  EXPECT_EQ(live->CopyPath(&reopened), recovered[0].recordsPath);
  EXPECT_TRUE(live->FindRecoverable()->Empty());
  live->Closed(&reopened);
  live->WaitForWriter();
  EXPECT_FALSE(QFile::exists(recovered[0].recordsPath));
}

TEST_F(RecoveryOfferTest, ADamagedCopyIsListedWithTheReadersMessageAndCanBeDiscarded) {
  const QString folder = HandMadeRun(QStringLiteral("dead"), {
      {QStringLiteral("cut"), Sample().left(Sample().size() - 3),
       R"({"title":"/home/ann/cut.kdl","filePath":"/home/ann/cut.kdl","savedAt":"2024-05-01T10:00:00.000Z","figures":13})"}});
  auto live = Run();
  std::unique_ptr<RecoveryOffer> offer = live->FindRecoverable();
  ASSERT_EQ(offer->Documents().size(), 1u);
  // Listed from its entry; read only when checked.
  EXPECT_TRUE(offer->Documents()[0].Recoverable());
  EXPECT_EQ(offer->Documents()[0].entry.figures, 13);
  const RecoverableDocument& d = offer->Check(0);
  EXPECT_FALSE(d.Recoverable());
  // The last figure's font style set has lost its end.
  EXPECT_EQ(d.problem.toStdString(), "Error reading TKDLabel.Font.Style: Stream read error");
  EXPECT_EQ(d.entry.figures, 12);
  EXPECT_EQ(d.entry.title, QStringLiteral("/home/ann/cut.kdl"));

  // Recover cannot take it, checked or not: it stays for the next start.
  EXPECT_TRUE(live->Settle(*offer, {RecoveryChoice::Recover}).empty());
  EXPECT_TRUE(live->Settle(*live->FindRecoverable(), {RecoveryChoice::Recover}).empty());
  EXPECT_TRUE(QFile::exists(RecoverySession::RecordsPath(folder, QStringLiteral("cut"))));

  offer = live->FindRecoverable();
  ASSERT_EQ(offer->Documents().size(), 1u);
  EXPECT_TRUE(live->Settle(*offer, {RecoveryChoice::Discard}).empty());
  EXPECT_FALSE(QFileInfo::exists(folder));
  EXPECT_TRUE(live->FindRecoverable()->Empty());
}

TEST_F(RecoveryOfferTest, OldestFirstAndACopyWithoutItsEntryIsANonameDiagram) {
  HandMadeRun(QStringLiteral("dead"), {
      {QStringLiteral("new"), FirstRecords(1),
       R"({"title":"/b.kdl","filePath":"/b.kdl","savedAt":"2024-05-02T10:00:00.000Z","figures":1})"},
      {QStringLiteral("old"), FirstRecords(2),
       R"({"title":"/a.kdl","filePath":"/a.kdl","savedAt":"2024-05-01T10:00:00.000Z","figures":2})"},
      {QStringLiteral("lost"), FirstRecords(3), R"({"title":)"}});
  const QString lost = RecoverySession::RecordsPath(root + QStringLiteral("/dead"), QStringLiteral("lost"));
  QFile file(lost);
  ASSERT_TRUE(file.open(QIODevice::ReadWrite));
  const QDateTime time(QDate(2024, 5, 3), QTime(9, 30), Qt::UTC);
  ASSERT_TRUE(file.setFileTime(time, QFileDevice::FileModificationTime));
  file.close();

  auto live = Run();
  std::unique_ptr<RecoveryOffer> offer = live->FindRecoverable();
  EXPECT_EQ(Titles(*offer), (std::vector<QString>{"/a.kdl", "/b.kdl", "Noname.kdl"}));
  ASSERT_EQ(offer->Documents().size(), 3u);
  EXPECT_EQ(offer->Documents()[2].entry.savedAt, time);
  EXPECT_EQ(offer->Documents()[2].entry.filePath, QString());
  // Its figures are not known until it is read.
  EXPECT_EQ(offer->Documents()[2].entry.figures, RecoverableDocument::kUnknownFigures);
  EXPECT_EQ(offer->Check(2).entry.figures, 3);
}

TEST_F(RecoveryOfferTest, LaterKeepsTheCopiesForTheNextStart) {
  const QString folder = HandMadeRun(QStringLiteral("dead"), {
      {QStringLiteral("a"), FirstRecords(2), {}}, {QStringLiteral("b"), FirstRecords(3), {}}});
  auto live = Run();
  std::unique_ptr<RecoveryOffer> offer = live->FindRecoverable();
  ASSERT_EQ(offer->Documents().size(), 2u);
  EXPECT_TRUE(live->Settle(*offer, {RecoveryChoice::Later, RecoveryChoice::Later}).empty());
  EXPECT_TRUE(QFileInfo::exists(folder));
  EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral(".lock")));

  offer = live->FindRecoverable();
  ASSERT_EQ(offer->Documents().size(), 2u);
  // One recovered, one discarded: nothing is left of the dead run.
  EXPECT_EQ(live->Settle(*offer, {RecoveryChoice::Recover, RecoveryChoice::Discard}).size(), 1u);
  EXPECT_FALSE(QFileInfo::exists(folder));
}

TEST_F(RecoveryOfferTest, AnEditorStartedAtTheSameTimeDoesNotOfferTheSameCopies) {
  HandMadeRun(QStringLiteral("dead"), {{QStringLiteral("a"), FirstRecords(2), {}}});
  auto first = Run(), second = Run();
  std::unique_ptr<RecoveryOffer> offer = first->FindRecoverable();
  ASSERT_EQ(offer->Documents().size(), 1u);
  EXPECT_TRUE(second->FindRecoverable()->Empty());

  offer.reset();  // the first editor's user closed the dialog: later
  EXPECT_EQ(second->FindRecoverable()->Documents().size(), 1u);
}

TEST_F(RecoveryOfferTest, WithoutALiveFolderARecoveredCopyStaysForTheNextStart) {
  const QString folder = HandMadeRun(QStringLiteral("dead"), {{QStringLiteral("a"), FirstRecords(2), {}}});
  std::unique_ptr<RecoveryOffer> offer = RecoveryOffer::Find(root, QStringLiteral("own"));
  const std::vector<RecoveredDocument> recovered = offer->Settle({RecoveryChoice::Recover}, QString());
  ASSERT_EQ(recovered.size(), 1u);
  EXPECT_EQ(recovered[0].recordsPath, RecoverySession::RecordsPath(folder, QStringLiteral("a")));
  EXPECT_EQ(recovered[0].figures, 2);
  EXPECT_EQ(FileBytes(recovered[0].recordsPath), FirstRecords(2));
  EXPECT_EQ(RecoveryOffer::Find(root, QStringLiteral("own"))->Documents().size(), 1u);
}

TEST_F(RecoveryOfferTest, LeftoversWithNothingToOfferAreCleanedUp) {
  const QString empty = HandMadeRun(QStringLiteral("empty"), {});
  PutFile(empty + QStringLiteral("/stray.json"), "{}");
  PutFile(root + QStringLiteral("/nofolder.lock"), "999999999\nkedrin\n\n");
  auto live = Run();
  EXPECT_TRUE(live->FindRecoverable()->Empty());
  EXPECT_FALSE(QFileInfo::exists(empty));
  EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("/nofolder.lock")));
  EXPECT_TRUE(QFileInfo::exists(live->SessionFolder()));
  EXPECT_TRUE(QFileInfo::exists(live->SessionFolder() + QStringLiteral(".lock")));
}

}  // namespace
