// A crash and the recovery after it, as a user meets them: the editor on a virtual display,
// edited, given time for its autosave, killed with SIGKILL and started again; the recovery
// dialog's Recover brings the diagram back and Save writes every figure.
//
// Built only with -DKEDRIN_RECOVERY_E2E=ON: it needs the editor to wire its documents to the
// autosave and to offer recovery at start.
#ifdef KEDRIN_RECOVERY_E2E
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <map>

#include "X11Session.h"

namespace {

const QRgb kCanvas = qRgb(255, 255, 225);
constexpr int kPaletteX = 16;
int ToolY(int index) { return 121 + 24 * index; }
enum Tool { Select, Begin, End, Process, Ellipse, Rectangle, Arrow, Diamond, Label, Line };

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
  void SetUp() override {
    ASSERT_TRUE(home_.isValid());
    // The editor's settings and recovery folder in a home of this test's own.
    qputenv("XDG_DATA_HOME", home_.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home_.filePath(QStringLiteral("config")).toLocal8Bit());
    ASSERT_TRUE(x_.DisplayUp()) << "no virtual display (Xvfb)";
    diagram_ = home_.filePath(QStringLiteral("order-flow.kdl"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(KEDRIN_TEST_DATA "/order-flow.kdl"), diagram_));
  }
  void TearDown() override {
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_CONFIG_HOME");
  }

  // The canvas origin on screen: the top-left canvas-coloured pixel below the tool bars.
  QPoint CanvasOrigin() {
    const QImage shot = x_.Screenshot();
    for (int y = 100; y < 700 && y < shot.height(); ++y)
      for (int x = 30; x + 30 < shot.width(); ++x)
        if (shot.pixel(x, y) == kCanvas && shot.pixel(x + 29, y) == kCanvas) return QPoint(x, y);
    return QPoint(-1, -1);
  }
  void Draw(Tool tool, QPoint from, QPoint to) {
    x_.Click(kPaletteX, ToolY(tool));
    const QPoint a = origin_ + from, b = origin_ + to;
    x_.Drag(a.x(), a.y(), b.x(), b.y());
  }
  // The index entries of every copy on disk: title → figures.
  std::map<QString, int> Copies() {
    std::map<QString, int> copies;
    QDirIterator it(home_.filePath(QStringLiteral("data")), {QStringLiteral("*.json")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
      QFile f(it.next());
      if (!f.open(QIODevice::ReadOnly)) continue;
      const QJsonObject o = QJsonDocument::fromJson(f.readAll()).object();
      copies[o.value(QStringLiteral("title")).toString()] = o.value(QStringLiteral("figures")).toInt();
    }
    return copies;
  }
  // kill -9 of the editor, found through its main window.
  bool KillEditor() {
    const QString window = x_.WaitForWindow(QStringLiteral("^Kedrin Tools Demo$"), 3000);
    bool ok = false;
    const qint64 pid = x_.Xdo({QStringLiteral("getwindowpid"), window}, &ok).toLongLong();
    if (!ok || pid <= 0 || ::kill(static_cast<pid_t>(pid), SIGKILL) != 0) return false;
    return X11Session::WaitFor([&] { return !x_.EditorRunning(); }, 5000);
  }
  // Starts the editor again and presses Recover in its recovery dialog.
  bool RestartAndRecover() {
    if (!x_.StartEditor()) return false;
    const QString dialog = x_.WaitForWindow(QStringLiteral("^Recover Diagrams$"), 10000);
    if (dialog.isEmpty()) return false;
    x_.FocusWindow(dialog);
    x_.Key(QStringLiteral("Return"));  // Recover is the default button
    return x_.WindowGone(QStringLiteral("^Recover Diagrams$"), 5000);
  }
  bool SaveCurrent() {
    x_.FocusMainWindow();
    x_.Key(QStringLiteral("alt+f"));
    x_.Key(QStringLiteral("s"));
    QThread::msleep(500);
    return true;
  }
  bool AnswerSaveAs(const QString& path) {
    const QString dialog = x_.WaitForWindow(QStringLiteral("^Save As$"), 5000);
    if (dialog.isEmpty()) return false;
    x_.FocusWindow(dialog);
    x_.Key(QStringLiteral("ctrl+a"));
    x_.Type(path);
    x_.Key(QStringLiteral("Return"));
    return x_.WindowGone(QStringLiteral("^Save As$"), 5000);
  }

  QTemporaryDir home_;
  X11Session x_;
  QString diagram_;
  QPoint origin_;
};

TEST_F(RecoveryScenario, KilledAfterTwoFiguresRecoversAllFifteen) {
  ASSERT_TRUE(x_.StartEditor({diagram_}));
  ASSERT_TRUE(X11Session::WaitFor([&] { return (origin_ = CanvasOrigin()).x() >= 0; }, 8000));
  Draw(Process, {600, 380}, {720, 430});
  Draw(Ellipse, {600, 460}, {720, 520});
  ASSERT_TRUE(X11Session::WaitFor([&] { return Copies()[diagram_] == 15; }, 15000));
  ASSERT_TRUE(KillEditor());
  EXPECT_EQ(FiguresIn(diagram_), 13);  // never saved

  ASSERT_TRUE(RestartAndRecover());
  ASSERT_TRUE(SaveCurrent());
  EXPECT_TRUE(X11Session::WaitFor([&] { return FiguresIn(diagram_) == 15; }, 8000));
  EXPECT_TRUE(X11Session::WaitFor([&] { return Copies().empty(); }, 8000));  // saved: its copy is gone
}

TEST_F(RecoveryScenario, KilledWithTwoDocumentsOneNeverSavedRecoversBoth) {
  ASSERT_TRUE(x_.StartEditor({diagram_}));
  ASSERT_TRUE(X11Session::WaitFor([&] { return (origin_ = CanvasOrigin()).x() >= 0; }, 8000));
  Draw(Process, {600, 380}, {720, 430});
  Draw(Ellipse, {600, 460}, {720, 520});
  x_.Key(QStringLiteral("alt+f"));
  x_.Key(QStringLiteral("n"));
  QThread::msleep(500);
  ASSERT_TRUE(X11Session::WaitFor([&] { return (origin_ = CanvasOrigin()).x() >= 0; }, 8000));
  Draw(Rectangle, {40, 40}, {160, 100});
  ASSERT_TRUE(X11Session::WaitFor(
      [&] { return Copies() == std::map<QString, int>{{diagram_, 15}, {QStringLiteral("Noname.kdl"), 1}}; },
      15000));
  ASSERT_TRUE(KillEditor());

  ASSERT_TRUE(RestartAndRecover());
  // Save each recovered document: the one never saved asks for a name.
  const QString named = home_.filePath(QStringLiteral("named.kdl"));
  for (int document = 0; document < 2; ++document) {
    ASSERT_TRUE(SaveCurrent());
    if (!x_.WaitForWindow(QStringLiteral("^Save As$"), 1500).isEmpty()) {
      ASSERT_TRUE(AnswerSaveAs(named));
    }
    x_.Key(QStringLiteral("ctrl+Tab"));  // the other document
  }
  EXPECT_TRUE(X11Session::WaitFor([&] { return FiguresIn(diagram_) == 15; }, 8000));
  EXPECT_TRUE(X11Session::WaitFor([&] { return FiguresIn(named) == 1; }, 8000));
}

}  // namespace
#endif  // KEDRIN_RECOVERY_E2E
