#pragma once
// What the end-to-end scenarios share: the saved diagram as kdltool dumps it, and colours.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <functional>
#include <QRgb>
#include <QString>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "X11Session.h"

// What the saved diagram holds: per figure, its class and property entries.
struct Figure {
  std::string cls;
  std::map<std::string, std::string> props;
  int Int(const std::string& name) const {
    auto it = props.find(name);
    return it == props.end() ? 0 : std::stoi(it->second);
  }
  std::string Get(const std::string& name) const {
    auto it = props.find(name);
    return it == props.end() ? std::string() : it->second;
  }
};

inline std::vector<Figure> Dump(const QString& path) {
  QProcess p;
  p.start(QStringLiteral(KDLTOOL_BIN), {QStringLiteral("dump"), path});
  if (!p.waitForFinished(10000) || p.exitCode() != 0) return {};
  std::vector<Figure> figures;
  for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
    // "#3 TKDArrow ArrowPosition = apRight"
    QString s = QString::fromUtf8(line);
    if (!s.startsWith(QLatin1Char('#'))) continue;
    int sp1 = s.indexOf(QLatin1Char(' ')), sp2 = s.indexOf(QLatin1Char(' '), sp1 + 1);
    int eq = s.indexOf(QStringLiteral(" = "));
    if (sp1 < 0 || sp2 < 0 || eq < 0) continue;
    size_t index = s.mid(1, sp1 - 1).toUInt();
    if (index == 0) continue;
    if (figures.size() < index) figures.resize(index);
    figures[index - 1].cls = s.mid(sp1 + 1, sp2 - sp1 - 1).toStdString();
    figures[index - 1].props[s.mid(sp2 + 1, eq - sp2 - 1).toStdString()] = s.mid(eq + 3).toStdString();
  }
  return figures;
}

inline bool Near(QRgb a, QRgb b, int tolerance = 8) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

constexpr QRgb kCanvas = qRgb(255, 255, 225);  // the canvas colour (clInfoBk)
constexpr QRgb kWhite = qRgb(255, 255, 255);

// Places of the main window's controls, with the window at the top-left corner of the screen.
constexpr int kPaletteX = 16;
inline int ToolY(int index) { return 121 + 24 * index; }
enum Tool { Select, Begin, End, Process, Ellipse, Rectangle, Arrow, Diamond, Label, Line };
inline const QPoint kDashPen(40, 65);
inline const QPoint kHorizontalBrush(268, 65);
inline const QPoint kPenSize(190, 65);
inline const QPoint kCaptionBox(182, 90);

// The canvas of a document window cascaded over the one whose canvas starts at `previous`: the
// windows step down and right by the same amount, so the diagonal from the one canvas corner
// crosses the other window's frame and meets its canvas corner. (-1, -1) while there is none.
inline QPoint CascadedCanvasOrigin(const QImage& shot, QPoint previous) {
  if (shot.isNull()) return QPoint(-1, -1);
  int k = 1;
  while (k < 100 && shot.pixel(previous + QPoint(k, k)) == kCanvas) ++k;
  while (k < 100 && shot.pixel(previous + QPoint(k, k)) != kCanvas) ++k;
  return k < 100 ? previous + QPoint(k, k) : QPoint(-1, -1);
}

// A colour expected at a canvas place on screen.
struct Probe {
  QPoint at;
  QRgb colour;
  int tolerance;
  const char* what;
};

class ScenarioFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    out_ = X11Session::OutputFolder();
    ASSERT_TRUE(x_.DisplayUp()) << x_.Problem().toStdString();
  }

  static int FailedParts() {
    const ::testing::TestResult* r = ::testing::UnitTest::GetInstance()->current_test_info()->result();
    int failed = 0;
    for (int i = 0; i < r->total_part_count(); ++i) failed += r->GetTestPartResult(i).failed();
    return failed;
  }

  // A named step: on failure its screenshot stays in the output folder.
  void Step(const char* name, const std::function<void()>& body) {
    SCOPED_TRACE(name);
    const int failedBefore = FailedParts();
    body();
    if (FailedParts() > failedBefore) {
      std::string shot = x_.SaveScreenshot(QStringLiteral("failed-%1").arg(QLatin1String(name))).toStdString();
      ADD_FAILURE() << "step '" << name << "' failed on display " << x_.Display().toStdString()
                    << "; screenshot " << shot << "\nwindows: " << x_.Xdo({QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral(".")}).toStdString()
                    << "\neditor running: " << x_.EditorRunning() << ", says: " << x_.EditorOutput().toStdString();
    }
  }

  QString Out(const QString& name) const { return QDir(out_).filePath(name); }

  // The canvas origin on screen: the first run of canvas colour below the tool bars.
  QPoint FindCanvasOrigin() {
    QImage shot = x_.Screenshot();
    for (int y = 100; y < 700 && y < shot.height(); ++y)
      for (int x = 30; x + 30 < shot.width(); ++x) {
        bool run = true;
        for (int k = 0; k < 30 && run; ++k) run = Near(shot.pixel(x + k, y), kCanvas, 2);
        if (run) return QPoint(x, y);
      }
    return QPoint(-1, -1);
  }
  // Ctrl+N, and waits until the new document's canvas shows cascaded over the current one.
  bool NewDocument() {
    const QPoint previous = origin_;
    x_.Key(QStringLiteral("ctrl+n"));
    return X11Session::WaitFor([&] { return (origin_ = CascadedCanvasOrigin(x_.Screenshot(), previous)).x() >= 0; },
                               8000);
  }
  // The screen once the condition holds of it (a repaint after a change, or the window under a
  // closed dialog drawn again), or the last one taken when the deadline passes.
  QImage ScreenWhen(const std::function<bool(const QImage&)>& condition, int timeoutMs = 5000) {
    QImage shot;
    X11Session::WaitFor([&] { return !(shot = x_.Screenshot()).isNull() && condition(shot); }, timeoutMs);
    return shot;
  }
  // Waits until every probe shows its colour, then checks each of them.
  void ExpectOnScreen(std::initializer_list<Probe> probes) {
    auto matches = [&](const QImage& shot, const Probe& p) {
      return Near(shot.pixel(C(p.at.x(), p.at.y())), p.colour, p.tolerance);
    };
    const QImage shot = ScreenWhen([&](const QImage& s) {
      for (const Probe& p : probes)
        if (!matches(s, p)) return false;
      return true;
    });
    if (shot.isNull()) return;
    for (const Probe& p : probes)
      EXPECT_TRUE(matches(shot, p)) << p.what << " at canvas (" << p.at.x() << ", " << p.at.y() << ") is "
                                    << std::hex << shot.pixel(C(p.at.x(), p.at.y())) << std::dec;
  }
  QPoint C(int x, int y) const { return origin_ + QPoint(x, y); }
  void UseTool(Tool t) { x_.Click(kPaletteX, ToolY(t)); }
  void DrawWith(Tool t, QPoint from, QPoint to) {
    UseTool(t);
    x_.Drag(C(from.x(), from.y()).x(), C(from.x(), from.y()).y(), C(to.x(), to.y()).x(), C(to.x(), to.y()).y());
  }
  void ClickCanvas(int x, int y) { x_.Click(C(x, y).x(), C(x, y).y()); }
  QRgb ScreenAt(const QImage& shot, int x, int y) const { return shot.pixel(C(x, y)); }

  // The file dialogs are Qt's own: the name field has the focus.
  bool AnswerFileDialog(const QString& title, const QString& path) {
    // A file dialog's first showing on a fresh machine waits for icons and fonts: a long deadline.
    QString dialog = x_.WaitForWindow(QStringLiteral("^%1$").arg(title), 15000);
    if (dialog.isEmpty()) {
      ADD_FAILURE() << "no " << title.toStdString() << " dialog";
      return false;
    }
    if (!x_.FocusWindow(dialog)) return false;
    x_.Key(QStringLiteral("ctrl+a"));
    x_.Type(path);
    x_.Key(QStringLiteral("Return"));
    bool gone = x_.WindowGone(QStringLiteral("^%1$").arg(title), 8000);
    x_.FocusMainWindow();
    return gone;
  }
  bool SaveAs(const QString& path) {
    QFile::remove(path);
    x_.FocusMainWindow();
    x_.Key(QStringLiteral("alt+f"));
    x_.Key(QStringLiteral("a"));
    return AnswerFileDialog(QStringLiteral("Save As"), path) &&
           X11Session::WaitFor([&] { return QFileInfo(path).size() > 0; }, 8000);
  }
  // Save under the current title, which is the path; waits until the file is written again. It is
  // removed first, so that its coming back shows the write (the editor replaces a file whole,
  // never part of it) whatever the file system's time steps.
  bool Save(const QString& path) {
    if (QFile::exists(path) && !QFile::remove(path)) {
      ADD_FAILURE() << path.toStdString() << " could not be removed before saving";
      return false;
    }
    x_.FocusMainWindow();
    x_.Key(QStringLiteral("alt+f"));
    x_.Key(QStringLiteral("s"));
    return X11Session::WaitFor([&] { return QFile::exists(path); }, 8000);
  }
  const Figure* FindFigure(const std::vector<Figure>& figures, const std::string& cls, int nth = 0) {
    for (const Figure& f : figures)
      if (f.cls == cls && nth-- == 0) return &f;
    return nullptr;
  }

  X11Session x_;
  QString out_;
  QPoint origin_;
};
