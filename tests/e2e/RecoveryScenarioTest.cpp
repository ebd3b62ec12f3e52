// A crash and the recovery after it, as a user meets them: the editor on a virtual display,
// edited, given time for its autosave, killed with SIGKILL and started again; the recovery
// dialog's Recover brings the diagrams back and Save writes every figure. Both runs share one
// data folder of the test's own, where the recovery copies live.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <map>

#include "ScenarioSupport.h"
#include "X11Session.h"

namespace {

const QRgb kGreen = qRgb(0, 255, 0);

// Canvas places left free by the sample diagram, and what is drawn there.
const QRect kProcessBox(40, 150, 140, 50);
const QRect kEllipseBox(480, 60, 140, 70);
const QPoint kSampleStartMark(320, 50);  // the centre of its green disc
const QRect kRectangleBox(40, 40, 120, 60);

// "N figures" from kdltool check, or -1.
int FiguresIn(const QString& path) {
  QProcess p;
  p.start(QStringLiteral(KDLTOOL_BIN), {QStringLiteral("check"), path});
  if (!p.waitForFinished(10000) || p.exitCode() != 0) return -1;
  const QString out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
  bool ok = false;
  const int n = out.section(QLatin1Char(' '), 0, 0).toInt(&ok);
  return ok ? n : -1;
}

class RecoveryScenario : public ::testing::Test {
 protected:
  using Copies = std::map<QString, int>;

  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    ASSERT_TRUE(x_.DisplayUp()) << x_.Problem().toStdString();
    x_.SetEditorEnvironment(QStringLiteral("XDG_DATA_HOME"), home_.filePath(QStringLiteral("data")));
    x_.SetEditorEnvironment(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath(QStringLiteral("config")));
    diagram_ = home_.filePath(QStringLiteral("order-flow.kdl"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KEDRIN_TEST_DATA "/order-flow.kdl"), diagram_));
    ASSERT_TRUE(QFile::setPermissions(diagram_, QFile::ReadOwner | QFile::WriteOwner));
  }
  void TearDown() override {
    if (HasFailure()) {
      const QString shot = x_.SaveScreenshot(QStringLiteral("failed-recovery"));
      ADD_FAILURE() << "screenshot " << shot.toStdString() << "; editor says: " << x_.EditorOutput().toStdString();
    }
  }

  QString RecoveryRoot() const { return home_.filePath(QStringLiteral("data/Kedrin/kedrin/recovery")); }

  // The top-left canvas-coloured pixel below the tool bars: the first document's canvas.
  QPoint CanvasOrigin() {
    const QImage shot = x_.Screenshot();
    for (int y = 100; y < 700 && y < shot.height(); ++y)
      for (int x = 30; x + 30 < shot.width(); ++x)
        if (shot.pixel(x, y) == kCanvas && shot.pixel(x + 29, y) == kCanvas) return QPoint(x, y);
    return QPoint(-1, -1);
  }
  void Draw(Tool tool, QPoint origin, const QRect& box) {
    x_.Click(kPaletteX, ToolY(tool));
    const QPoint a = origin + box.topLeft(), b = origin + box.topLeft() + QPoint(box.width(), box.height());
    x_.Drag(a.x(), a.y(), b.x(), b.y());
  }
  bool FilledAt(QPoint origin, const QRect& box) {
    return Near(x_.Screenshot().pixel(origin + box.center()), kWhite);
  }
  // The index entries of every copy on disk: title → figures.
  Copies OnDisk() const {
    Copies copies;
    QDirIterator it(RecoveryRoot(), {QStringLiteral("*.json")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
      QFile f(it.next());
      if (!f.open(QIODevice::ReadOnly)) continue;
      const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
      copies[o.value(QStringLiteral("title")).toString()] = o.value(QStringLiteral("figures")).toInt();
    }
    return copies;
  }
  // Starts the editor again and presses Recover in its recovery dialog (every row is selected).
  void RestartAndRecover(const char* screenshot) {
    ASSERT_TRUE(x_.StartEditor());
    const QString dialog = x_.WaitForWindow(QStringLiteral("^Recover Diagrams$"), 15000);
    ASSERT_FALSE(dialog.isEmpty()) << "no recovery dialog";
    x_.SaveScreenshot(QLatin1String(screenshot));
    ASSERT_TRUE(x_.FocusWindow(dialog));
    x_.Key(QStringLiteral("alt+r"));
    ASSERT_TRUE(x_.WindowGone(QStringLiteral("^Recover Diagrams$"), 5000));
  }
  // File ▸ Save on the active document, which has a file of its own: no name is asked (the
  // caller waits for the file).
  void Save() {
    x_.FocusMainWindow();
    x_.Key(QStringLiteral("alt+f"));
    x_.Key(QStringLiteral("s"));
  }
  // File ▸ Save on the active document, never saved: the name is given in the dialog it asks.
  void SaveNamed(const QString& name) {
    Save();
    const QString dialog = x_.WaitForWindow(QStringLiteral("^Save As$"), 15000);
    ASSERT_FALSE(dialog.isEmpty()) << "Save asked no name";
    ASSERT_TRUE(x_.FocusWindow(dialog));
    x_.Key(QStringLiteral("ctrl+a"));
    x_.Type(name);
    x_.Key(QStringLiteral("Return"));
    ASSERT_TRUE(x_.WindowGone(QStringLiteral("^Save As$"), 5000));
  }
  // File ▸ Exit with every document saved: the editor ends normally.
  void Exit() {
    x_.FocusMainWindow();
    x_.Key(QStringLiteral("alt+f"));
    x_.Key(QStringLiteral("x"));
    ASSERT_TRUE(X11Session::WaitFor([&] { return !x_.EditorRunning(); }, 15000)) << "the editor did not end";
  }
  // Whatever this test's runs left under the recovery folder.
  QString LeftInRecoveryRoot() const {
    return QDir(RecoveryRoot()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).join(u' ');
  }

  QTemporaryDir home_;
  X11Session x_;
  QString diagram_;
};

TEST_F(RecoveryScenario, KilledAfterTwoFiguresRecoversAllFifteen) {
  ASSERT_TRUE(x_.StartEditor({diagram_}));
  QPoint origin;
  ASSERT_TRUE(X11Session::WaitFor([&] { return (origin = CanvasOrigin()).x() >= 0; }, 8000));
  Draw(Process, origin, kProcessBox);
  Draw(Ellipse, origin, kEllipseBox);
  // The copy holds both figures a few seconds after the last one.
  ASSERT_TRUE(X11Session::WaitFor([&] { return OnDisk() == Copies{{diagram_, 15}}; }, 15000));
  ASSERT_TRUE(x_.KillEditor());
  EXPECT_EQ(FiguresIn(diagram_), 13);  // never saved
  EXPECT_EQ(OnDisk(), (Copies{{diagram_, 15}}));

  RestartAndRecover("recovery-dialog-one");
  ASSERT_TRUE(X11Session::WaitFor([&] { return (origin = CanvasOrigin()).x() >= 0; }, 8000));
  EXPECT_TRUE(X11Session::WaitFor([&] { return FilledAt(origin, kProcessBox) && FilledAt(origin, kEllipseBox); }, 5000))
      << "the figures drawn before the crash are not shown";
  EXPECT_TRUE(Near(x_.Screenshot().pixel(origin + kSampleStartMark), kGreen));
  x_.SaveScreenshot(QStringLiteral("recovered-one"));

  Save();
  EXPECT_TRUE(X11Session::WaitFor([&] { return FiguresIn(diagram_) == 15; }, 8000));
  EXPECT_TRUE(X11Session::WaitFor([&] { return OnDisk().empty(); }, 8000)) << "the saved document's copy stays";
  Exit();
  EXPECT_EQ(LeftInRecoveryRoot().toStdString(), "") << "left after a normal end";
}

TEST_F(RecoveryScenario, KilledWithTwoDocumentsOneNeverSavedRecoversBoth) {
  ASSERT_TRUE(x_.StartEditor({diagram_}));
  QPoint first;
  ASSERT_TRUE(X11Session::WaitFor([&] { return (first = CanvasOrigin()).x() >= 0; }, 8000));
  Draw(Process, first, kProcessBox);
  Draw(Ellipse, first, kEllipseBox);
  x_.Key(QStringLiteral("alt+f"));
  x_.Key(QStringLiteral("n"));
  QPoint second;
  ASSERT_TRUE(X11Session::WaitFor([&] { return (second = CascadedCanvasOrigin(x_.Screenshot(), first)).x() >= 0; }, 8000));
  Draw(Rectangle, second, kRectangleBox);
  ASSERT_TRUE(X11Session::WaitFor(
      [&] { return OnDisk() == Copies{{diagram_, 15}, {QStringLiteral("Noname.kdl"), 1}}; }, 20000))
      << OnDisk().size() << " copies";
  ASSERT_TRUE(x_.KillEditor());

  RestartAndRecover("recovery-dialog-two");
  ASSERT_TRUE(X11Session::WaitFor([&] { return (first = CanvasOrigin()).x() >= 0; }, 8000));
  x_.SaveScreenshot(QStringLiteral("recovered-two"));
  // Both documents come back, cascaded; the last one opened is active. Save it, then bring the
  // first window forward by its title bar (always in sight above the other) and save that one.
  const QString named = home_.filePath(QStringLiteral("named.kdl"));
  SaveNamed(named);
  ASSERT_TRUE(X11Session::WaitFor([&] { return FiguresIn(named) == 1; }, 8000));
  x_.Click(first.x() + 300, first.y() - 14);
  Save();
  EXPECT_TRUE(X11Session::WaitFor([&] { return FiguresIn(diagram_) == 15; }, 8000));
  EXPECT_TRUE(X11Session::WaitFor([&] { return FiguresIn(named) == 1; }, 8000));
  EXPECT_TRUE(X11Session::WaitFor([&] { return OnDisk().empty(); }, 8000)) << OnDisk().size() << " copies stay";
  Exit();
  EXPECT_EQ(LeftInRecoveryRoot().toStdString(), "") << "left after a normal end";
}

}  // namespace
