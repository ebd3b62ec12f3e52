// The main window's documents under the autosave: edits made with the mouse reach the recovery
// folder after the delay (on the manager's clock, moved by hand), saves and closing remove the
// copies, the preferences switch the autosave off, warnings reach the status bar, and copies
// left by a dead run come back as modified documents titled as they were.
#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <memory>

#include "AutosaveLink.h"
#include "AutosaveManager.h"
#include "AutosavePreferencesDialog.h"
#include "CanvasFixture.h"
#include "DiagramFile.h"
#include "RecordBytes.h"
#include "RecoveryDialog.h"
#include "RecoveryEntry.h"
#include "RecoverySession.h"

namespace {

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Put(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  file.write(bytes);
}

int FiguresIn(const QString& path) { return recordbytes::Read(Bytes(path)).figures; }

// The boxes of the figures a file holds, bottom first.
std::vector<QRect> BoxesIn(const QString& path) {
  std::vector<QRect> boxes;
  try {
    diagramfile::Read(path, [&](std::unique_ptr<TCustomKDTool> f) { boxes.push_back(f->BoundsRect()); });
  } catch (const std::exception&) {
  }
  return boxes;
}

// Runs the modal dialog of type T that the next step opens, through `answer`.
template <typename T>
void AnswerNextDialog(std::function<void(T&)> answer) {
  QTimer::singleShot(0, [answer] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr) << "no dialog";
    answer(*dialog);
  });
}

class AutosaveLinkTest : public CanvasFixture {
 protected:
  void SetUp() override {
    // The preferences go to QSettings: into a folder of the test's own.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsHome_.path());
    QCoreApplication::setOrganizationName(QStringLiteral("KedrinTest"));
    CanvasFixture::SetUp();  // one document, "Noname.kdl", before the link exists
    Link();
  }
  void TearDown() override {
    link.reset();
    if (manager) manager->Shutdown();
    CanvasFixture::TearDown();
    manager.reset();
    QCoreApplication::setOrganizationName(QString());
  }

  void Link(const QString& under = {}) {
    manager = std::make_unique<AutosaveManager>(AutosaveSettings{}, under.isEmpty() ? root : under);
    manager->SetClock([this] { return now; });
    link = std::make_unique<AutosaveLink>(*main, *manager);
  }
  // The timer's work at `t`, with the writer's done.
  void At(int64_t t) {
    now = t;
    manager->RunDueWrites();
    manager->WaitForWriter();
  }
  void DrawAt(int64_t t, QPoint from, QPoint to, const char* tool = "btnRectangle") {
    now = t;
    UseTool(tool);
    Drag(from, to);
  }
  QString CopyOf(TwinKedrinFile* d) const { return manager->CopyPath(link->SourceOf(d)); }
  static QString EntryOf(const QString& copy) { return copy.chopped(4) + RecoverySession::kEntrySuffix; }
  std::optional<RecoveryEntry> Entry(TwinKedrinFile* d) const {
    return recoveryentry::Decode(Bytes(EntryOf(CopyOf(d))));
  }
  QString Sample() {
    const QString path = dir.filePath(QStringLiteral("order-flow.kdl"));
    QFile::remove(path);
    EXPECT_TRUE(QFile::copy(testsupport::DataPath(QStringLiteral("order-flow.kdl")), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
  }

  QTemporaryDir dir;
  QString root = dir.filePath(QStringLiteral("recovery"));
  int64_t now = 0;
  std::unique_ptr<AutosaveManager> manager;
  std::unique_ptr<AutosaveLink> link;

 private:
  static inline QTemporaryDir settingsHome_;
};

TEST_F(AutosaveLinkTest, AnEditIsCopiedADelayAfterItWasMade) {
  DrawAt(1000, {40, 40}, {160, 100});
  ASSERT_EQ(doc->Figures().size(), 1u);
  At(5999);
  EXPECT_FALSE(QFile::exists(CopyOf(doc)));

  At(6000);
  EXPECT_EQ(FiguresIn(CopyOf(doc)), 1);
  const std::optional<RecoveryEntry> entry = Entry(doc);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->title, QStringLiteral("Noname.kdl"));
  EXPECT_EQ(entry->filePath, QString());
  EXPECT_EQ(entry->figures, 1);

  // An undo is an edit too: the copy follows it.
  now = 7000;
  doc->Undo();
  DrawAt(7500, {200, 40}, {260, 100});
  DrawAt(8000, {300, 40}, {360, 100});
  At(12000);
  EXPECT_EQ(FiguresIn(CopyOf(doc)), 2);
}

TEST_F(AutosaveLinkTest, WhatCouldBeReadOfADamagedFileIsCopiedWithoutAnEdit) {
  const QString path = Sample();
  QFile::resize(path, 1500);  // four whole records
  now = 1000;
  TwinKedrinFile* opened = main->OpenFile(path);
  ASSERT_NE(opened, nullptr);
  ASSERT_TRUE(opened->Modified());
  At(6000);
  EXPECT_EQ(FiguresIn(CopyOf(opened)), 4);
}

// A copy is put off while the mouse is down: drawing on the canvas, or moving a figure.
struct Gesture {
  const char* name;
  void (*start)(AutosaveLinkTest&, TwinKedrinFile*);
  std::vector<QRect> copied;  // what the copy holds once the mouse is released at (300, 250)
};
void PrintTo(const Gesture& g, std::ostream* os) { *os << g.name; }
class NoCopyDuring : public AutosaveLinkTest, public ::testing::WithParamInterface<Gesture> {
 public:
  using AutosaveLinkTest::MoveTo;
  using AutosaveLinkTest::Press;
  using AutosaveLinkTest::Release;
  using AutosaveLinkTest::UseTool;
};

TEST_P(NoCopyDuring, AMouseDrag) {
  DrawAt(0, {40, 40}, {160, 100});
  now = 4000;
  GetParam().start(*this, doc);
  ASSERT_TRUE(doc->DragInProgress());
  At(5000);
  At(5300);
  EXPECT_FALSE(QFile::exists(CopyOf(doc)));

  now = 5400;
  Release({300, 250});
  ASSERT_FALSE(doc->DragInProgress());
  At(5700);
  EXPECT_EQ(BoxesIn(CopyOf(doc)), GetParam().copied);
}

INSTANTIATE_TEST_SUITE_P(
    AutosaveLink, NoCopyDuring,
    ::testing::Values(Gesture{"DrawingAFigure",
                              [](AutosaveLinkTest& t, TwinKedrinFile*) {
                                auto& g = static_cast<NoCopyDuring&>(t);
                                g.UseTool("btnEllipse");
                                g.Press({200, 200});
                                g.MoveTo({250, 230});
                              },
                              {QRect(40, 40, 120, 60), QRect(200, 200, 100, 50)}},
                      Gesture{"MovingAFigure",
                              [](AutosaveLinkTest& t, TwinKedrinFile*) {
                                auto& g = static_cast<NoCopyDuring&>(t);
                                g.UseTool("btnSelect");
                                g.Press({100, 70});
                                g.MoveTo({200, 150});
                                g.MoveTo({300, 250});
                              },
                              {QRect(240, 220, 120, 60)}}),
    [](const ::testing::TestParamInfo<Gesture>& info) { return std::string(info.param.name); });

// The index entry names the file Save would write, and only that.
struct Named {
  const char* name;
  // Gives the document its title; returns it.
  QString (*name_it)(AutosaveLinkTest&, TwinKedrinFile*&);
  bool hasFile;
  int figures;  // with one drawn
};
void PrintTo(const Named& n, std::ostream* os) { *os << n.name; }
class IndexEntry : public AutosaveLinkTest, public ::testing::WithParamInterface<Named> {
 public:
  using AutosaveLinkTest::Sample;
  using AutosaveLinkTest::dir;
};

TEST_P(IndexEntry, NamesTheFileSaveWrites) {
  const QString title = GetParam().name_it(*this, doc);
  ASSERT_EQ(doc->Title(), title);
  DrawAt(1000, {40, 150}, {100, 200});  // a place the sample leaves free
  At(6000);
  const std::optional<RecoveryEntry> entry = Entry(doc);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->title, title);
  EXPECT_EQ(entry->filePath, GetParam().hasFile ? title : QString());
  EXPECT_EQ(entry->figures, GetParam().figures);
  EXPECT_EQ(FiguresIn(CopyOf(doc)), GetParam().figures);
}

INSTANTIATE_TEST_SUITE_P(
    AutosaveLink, IndexEntry,
    ::testing::Values(
        Named{"NeverSaved", [](AutosaveLinkTest&, TwinKedrinFile*&) { return QStringLiteral("Noname.kdl"); }, false, 1},
        Named{"OpenedFromItsFile",
              [](AutosaveLinkTest& t, TwinKedrinFile*& d) {
                const QString path = static_cast<IndexEntry&>(t).Sample();
                d = winMain->OpenFile(path);  // a window added after the link
                return path;
              },
              true, 14},
        Named{"NamedAfterAnExportedPicture",
              [](AutosaveLinkTest& t, TwinKedrinFile*& d) {
                const QString path = static_cast<IndexEntry&>(t).dir.filePath(QStringLiteral("picture.bmp"));
                d->SaveToFile(path);
                d->SetTitle(path);
                return path;
              },
              false, 1},
        Named{"WhatCouldBeReadOfADamagedFile",
              [](AutosaveLinkTest& t, TwinKedrinFile*& d) {
                const QString path = static_cast<IndexEntry&>(t).Sample();
                QFile::resize(path, 1500);  // ends inside the fifth record, the diamond
                d = winMain->OpenFile(path);
                return path;
              },
              false, 5}),
    [](const ::testing::TestParamInfo<Named>& info) { return std::string(info.param.name); });

// Saving and closing remove the copy.
struct Ending {
  const char* name;
  using Answers = std::deque<questions::TAnswer>;
  void (*act)(TestMain&, TwinKedrinFile*, Answers&, const QString& saveTo);
  bool saved;
};
void PrintTo(const Ending& e, std::ostream* os) { *os << e.name; }
class CopyGoes : public AutosaveLinkTest, public ::testing::WithParamInterface<Ending> {};

TEST_P(CopyGoes, WhenTheDocumentIsDoneWith) {
  DrawAt(0, {40, 40}, {160, 100});
  At(5000);
  const QString copy = CopyOf(doc);
  ASSERT_TRUE(QFile::exists(copy));
  ASSERT_TRUE(QFile::exists(EntryOf(copy)));

  const QString saveTo = dir.filePath(QStringLiteral("kept.kdl"));
  GetParam().act(*main, doc, answers, saveTo);
  testsupport::Flush();
  manager->WaitForWriter();
  EXPECT_FALSE(QFile::exists(copy));
  EXPECT_FALSE(QFile::exists(EntryOf(copy)));
  EXPECT_EQ(QFile::exists(saveTo), GetParam().saved);
  At(60000);  // nothing comes back
  EXPECT_FALSE(QFile::exists(copy));
}

INSTANTIATE_TEST_SUITE_P(
    AutosaveLink, CopyGoes,
    ::testing::Values(
        Ending{"Saved",
               [](TestMain& m, TwinKedrinFile*, Ending::Answers&, const QString& to) {
                 m.saveAnswers.push_back(to);
                 m.btnSaveClick();
               },
               true},
        Ending{"ClosedWithoutSaving",
               [](TestMain&, TwinKedrinFile* d, Ending::Answers& answers, const QString&) {
                 answers.push_back(questions::TAnswer::No);
                 qobject_cast<QMdiSubWindow*>(d->parentWidget())->close();
               },
               false},
        Ending{"ClosedAfterSaving",
               [](TestMain& m, TwinKedrinFile* d, Ending::Answers& answers, const QString& to) {
                 answers.push_back(questions::TAnswer::Yes);
                 m.saveAnswers.push_back(to);
                 qobject_cast<QMdiSubWindow*>(d->parentWidget())->close();
               },
               true},
        Ending{"ProgramExit",
               [](TestMain& m, TwinKedrinFile*, Ending::Answers& answers, const QString&) {
                 answers.push_back(questions::TAnswer::No);
                 m.close();
               },
               false}),
    [](const ::testing::TestParamInfo<Ending>& info) { return std::string(info.param.name); });

TEST_F(AutosaveLinkTest, PreferencesSwitchTheAutosaveOffAndKeepTheChoice) {
  const QList<QAction*> items = main->Edit1->actions();
  ASSERT_FALSE(items.isEmpty());
  EXPECT_EQ(items.back(), link->PreferencesAction());
  EXPECT_EQ(items.back()->text(), QStringLiteral("Pr&eferences..."));

  DrawAt(0, {40, 40}, {160, 100});
  At(5000);
  const QString copy = CopyOf(doc);
  ASSERT_TRUE(QFile::exists(copy));

  AnswerNextDialog<AutosavePreferencesDialog>([](AutosavePreferencesDialog& d) {
    EXPECT_TRUE(d.EnabledBox()->isChecked());
    d.EnabledBox()->setChecked(false);
    d.accept();
  });
  link->PreferencesAction()->trigger();
  manager->WaitForWriter();
  EXPECT_FALSE(manager->Settings().enabled);
  EXPECT_FALSE(QFile::exists(copy));
  EXPECT_EQ(QSettings().value(QStringLiteral("autosave/enabled")), QVariant(false));
  DrawAt(6000, {200, 40}, {260, 100});
  At(30000);
  EXPECT_FALSE(QFile::exists(copy));

  // Switched on again with a delay of 2 s: the modified document is copied 2 s later.
  now = 31000;
  AnswerNextDialog<AutosavePreferencesDialog>([](AutosavePreferencesDialog& d) {
    d.EnabledBox()->setChecked(true);
    d.DelayBox()->setValue(2);
    d.accept();
  });
  link->PreferencesAction()->trigger();
  EXPECT_EQ(QSettings().value(QStringLiteral("autosave/delaySeconds")).toInt(), 2);
  At(32999);
  EXPECT_FALSE(QFile::exists(copy));
  At(33000);
  EXPECT_EQ(FiguresIn(copy), 2);
  QSettings().remove(QStringLiteral("autosave"));
}

TEST_F(AutosaveLinkTest, AWarningShowsInTheStatusBarUntilCopiesAreWrittenAgain) {
  // A file where the recovery folder should be.
  link.reset();
  manager.reset();
  Put(dir.filePath(QStringLiteral("blocked")), "x");
  Link(dir.filePath(QStringLiteral("blocked/recovery")));

  DrawAt(0, {40, 40}, {160, 100});
  At(5000);
  EXPECT_TRUE(main->StatusBar1->currentMessage().contains(QStringLiteral("blocked/recovery")))
      << main->StatusBar1->currentMessage().toStdString();
  EXPECT_EQ(doc->Figures().size(), 1u);  // editing goes on

  ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("blocked"))));
  At(10000);
  EXPECT_TRUE(QFile::exists(CopyOf(doc)));
  EXPECT_EQ(main->StatusBar1->currentMessage(), QString());
}

// Copies a dead run left: one of a diagram file, one never saved, and what could be read of a
// damaged file (a diagram title without a file to save to).
class Recovery : public AutosaveLinkTest {
 protected:
  void SetUp() override {
    AutosaveLinkTest::SetUp();
    diagram = Sample();
    const QString folder = root + QStringLiteral("/dead-run");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QByteArray sample = Bytes(diagram);
    const QDateTime at = QDateTime::currentDateTimeUtc();
    Leave(folder, QStringLiteral("a"), sample, {diagram, diagram, at, 13});
    Leave(folder, QStringLiteral("b"), OneFigure(), {QStringLiteral("Noname.kdl"), QString(), at.addSecs(1), 1});
    Leave(folder, QStringLiteral("c"), sample, {dir.filePath(QStringLiteral("remains.kdl")), QString(), at.addSecs(2), 13});
  }
  void Leave(const QString& folder, const QString& id, const QByteArray& records, const RecoveryEntry& entry) {
    Put(RecoverySession::RecordsPath(folder, id), records);
    Put(RecoverySession::EntryPath(folder, id), recoveryentry::Encode(entry));
  }
  // The sample's first record alone (a start mark).
  QByteArray OneFigure() {
    TwinKedrinFile scratch(main);
    scratch.LoadFromFile(diagram);
    const std::vector<TCustomKDTool*> figures = scratch.Figures();
    const std::vector<const Persistent*> first{figures.front()};
    return recordbytes::Serialise(first);
  }

  QString diagram;
};

TEST_F(Recovery, RecoverOpensEachCopyModifiedAndTitledAsItWas) {
  AnswerNextDialog<RecoveryDialog>([](RecoveryDialog& d) {
    EXPECT_EQ(d.List()->topLevelItemCount(), 3);
    d.RecoverButton()->click();
  });
  const std::vector<TwinKedrinFile*> opened = link->OfferRecovery();
  ASSERT_EQ(opened.size(), 3u);
  const QString titles[] = {diagram, QStringLiteral("Noname.kdl"), dir.filePath(QStringLiteral("remains.kdl"))};
  const size_t figures[] = {13, 1, 13};
  for (size_t i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(opened[i]->Title(), titles[i]);
    EXPECT_TRUE(opened[i]->Modified());
    EXPECT_EQ(opened[i]->Figures().size(), figures[i]);
    // The document took its copy over: it is in this run's folder, and goes with the document.
    EXPECT_TRUE(QFile::exists(CopyOf(opened[i])));
    EXPECT_TRUE(CopyOf(opened[i]).startsWith(manager->SessionFolder()));
  }
  EXPECT_FALSE(QFileInfo::exists(root + QStringLiteral("/dead-run")));

  // Save writes the diagram to its own file; the two others ask for a name.
  main->SetCurrentDocument(opened[0]);
  main->btnSaveClick();
  EXPECT_EQ(main->saveRuns, 0);
  EXPECT_EQ(FiguresIn(diagram), 13);
  EXPECT_FALSE(opened[0]->Modified());
  for (TwinKedrinFile* d : {opened[1], opened[2]}) {
    main->SetCurrentDocument(d);
    const int before = main->saveRuns;
    main->btnSaveClick();  // cancelled
    EXPECT_EQ(main->saveRuns, before + 1) << d->Title().toStdString();
    EXPECT_TRUE(d->Modified());
  }
  manager->WaitForWriter();
  EXPECT_FALSE(QFile::exists(CopyOf(opened[0])));
  EXPECT_TRUE(QFile::exists(CopyOf(opened[1])));
}

TEST_F(Recovery, LaterOpensNothingAndKeepsTheCopiesForTheNextStart) {
  AnswerNextDialog<RecoveryDialog>([](RecoveryDialog& d) { d.LaterButton()->click(); });
  EXPECT_TRUE(link->OfferRecovery().empty());
  EXPECT_EQ(main->Documents().size(), 1u);
  EXPECT_EQ(QDir(root + QStringLiteral("/dead-run")).entryList(QDir::Files).size(), 6);
}

}  // namespace
