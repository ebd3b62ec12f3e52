#include <gtest/gtest.h>

#include <QApplication>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <csignal>
#include <map>
#include <memory>

#include "AutosaveManager.h"
#include "DiagramFile.h"
#include "DocumentSource.h"
#include "OfferRecovery.h"
#include "RecoveryDialog.h"
#include "RecoverySession.h"
#include "TestSupport.h"

namespace {

int FiguresIn(const QString& path) {
  return diagramfile::Read(path, [](std::unique_ptr<TCustomKDTool>) {});
}

// An editor run, in a process of its own, with two modified documents and their copies on disk.
class Holder {
 public:
  Holder(const QString& root, const QString& diagram) {
    process_.start(QStringLiteral(KEDRIN_SESSION_HOLDER), {root, diagram});
    while (!process_.canReadLine() && process_.waitForReadyRead(20000)) {
    }
    ready_ = process_.readLine().trimmed() == "ready";
  }
  ~Holder() {
    process_.kill();
    process_.waitForFinished();
  }
  bool Ready() const { return ready_; }
  // kill -9, and the dead process reaped as a shell would.
  bool Kill() {
    ::kill(static_cast<pid_t>(process_.processId()), SIGKILL);
    return process_.waitForFinished(10000) && process_.exitStatus() == QProcess::CrashExit;
  }

 private:
  QProcess process_;
  bool ready_ = false;
};

TEST(RecoveryAfterAKill, BothDocumentsComeBackWithEveryFigureAndSaveWhole) {
  RegisterFigureClasses();
  QTemporaryDir dir;
  const QString root = dir.filePath(QStringLiteral("recovery"));
  const QString diagram = dir.filePath(QStringLiteral("order-flow.kdl"));
  ASSERT_TRUE(QFile::copy(testsupport::DataPath(QStringLiteral("order-flow.kdl")), diagram));
  ASSERT_EQ(FiguresIn(diagram), 13);

  Holder holder(root, diagram);
  ASSERT_TRUE(holder.Ready());
  {
    // Another editor running beside it is offered nothing, even once the run's lock is older
    // than any age at which a lock counts as forgotten.
    AutosaveManager other(AutosaveSettings{}, root);
    EXPECT_TRUE(other.FindRecoverable()->Empty());
    for (const QString& lock : QDir(root).entryList({QStringLiteral("*.lock")}, QDir::Files)) {
      QFile file(root + QLatin1Char('/') + lock);
      ASSERT_TRUE(file.open(QIODevice::ReadWrite));
      ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTimeUtc().addDays(-1), QFileDevice::FileModificationTime));
    }
    EXPECT_TRUE(other.FindRecoverable()->Empty());
    other.Shutdown();
  }
  ASSERT_TRUE(holder.Kill());
  const QStringList locks = QDir(root).entryList({QStringLiteral("*.lock")}, QDir::Files);
  ASSERT_EQ(locks.size(), 1);  // the dead run's lock is still there

  AutosaveManager live(AutosaveSettings{}, root);
  std::unique_ptr<RecoveryOffer> offer = live.FindRecoverable();
  ASSERT_EQ(offer->Documents().size(), 2u);
  std::map<QString, int> listed;
  for (const RecoverableDocument& d : offer->Documents()) listed[d.entry.title] = d.entry.figures;
  EXPECT_EQ(listed, (std::map<QString, int>{{diagram, 15}, {QStringLiteral("Noname.kdl"), 1}}));
  offer.reset();

  // The user presses Recover in the dialog.
  QTimer::singleShot(0, [] {
    if (auto* dialog = qobject_cast<RecoveryDialog*>(QApplication::activeModalWidget()))
      dialog->RecoverButton()->click();
  });
  const std::vector<RecoveredDocument> recovered = recovery::OfferRecovery(nullptr, live);
  ASSERT_EQ(recovered.size(), 2u);
  EXPECT_FALSE(QFileInfo::exists(root + QLatin1Char('/') + locks[0]));

  SilentMain main;
  for (const RecoveredDocument& r : recovered) {
    TwinKedrinFile document(&main);
    document.LoadFromFile(r.recordsPath);
    document.SetTitle(r.title);
    document.SetModified(true);
    DocumentSource source(document);
    live.Register(&source, r.id);
    if (r.title == diagram) {
      EXPECT_EQ(document.Figures().size(), 15u);
      ASSERT_TRUE(document.SaveToFile(document.Title()));
      live.Saved(&source);
      EXPECT_EQ(FiguresIn(diagram), 15);
    } else {
      EXPECT_EQ(document.Figures().size(), 1u);
      EXPECT_EQ(r.filePath, QString());
      EXPECT_FALSE(document.SaveToFile(document.Title()));  // asks for a name
      EXPECT_EQ(main.saveAsAsked, 1);
      live.Closed(&source);
    }
  }
  live.Shutdown();
  EXPECT_EQ(QDir(root).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

}  // namespace
