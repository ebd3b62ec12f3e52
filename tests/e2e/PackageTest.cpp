// The Debian package: built with cpack from this build, unpacked into a fresh folder (no
// installation), and the editor started from there with a diagram named on its command line.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>

#include "PackageSupport.h"
#include "X11Session.h"

namespace {

bool Near(QRgb a, QRgb b, int tolerance = 8) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

const QRgb kCanvas = qRgb(255, 255, 225);  // the canvas colour (clInfoBk)
const QRgb kLime = qRgb(0, 255, 0);

// The canvas origin on screen: the first run of canvas colour below the main window's tool bars
// (the session puts the main window at the top-left corner of the screen).
QPoint CanvasOrigin(const QImage& shot) {
  for (int y = 100; y < 700 && y < shot.height(); ++y)
    for (int x = 30; x + 30 < shot.width(); ++x) {
      bool run = true;
      for (int k = 0; k < 30 && run; ++k) run = Near(shot.pixel(x + k, y), kCanvas, 2);
      if (run) return QPoint(x, y);
    }
  return QPoint(-1, -1);
}

// The sample's start mark (its first record, TKDBegin): Left 290, Top 20, Width 60, Height 60,
// brush clLime, so a lime disc of radius 30 around canvas point (320, 50). Points well inside
// the disc are lime; the corners of its box lie outside the disc, where the canvas shows.
struct Probe {
  int x, y;
  QRgb colour;
};
const Probe kStartMark[] = {
    {320, 50, kLime}, {302, 50, kLime}, {338, 50, kLime}, {320, 32, kLime}, {320, 68, kLime},
    {308, 38, kLime}, {332, 62, kLime}, {293, 23, kCanvas}, {347, 23, kCanvas}, {293, 77, kCanvas},
    {347, 77, kCanvas}, {280, 50, kCanvas},
};

// Empty when the start mark shows where it belongs; otherwise what is wrong.
std::string StartMarkProblems(const QImage& shot) {
  const QPoint origin = CanvasOrigin(shot);
  if (origin.x() < 0) return "no canvas on screen";
  std::string problems;
  for (const Probe& p : kStartMark) {
    const QPoint at = origin + QPoint(p.x, p.y);
    const QRgb seen = shot.pixel(at);
    if (!Near(seen, p.colour))
      problems += "canvas (" + std::to_string(p.x) + ", " + std::to_string(p.y) + ") at screen (" +
                  std::to_string(at.x()) + ", " + std::to_string(at.y()) + ") is " +
                  QColor(seen).name().toStdString() + "; ";
  }
  return problems;
}

TEST(DebianPackage, UnpackedIntoAFreshFolderItStartsAndOpensADiagram) {
  QString log;
  QTemporaryDir packages;
  const QString deb = packagetest::BuildPackage(packages.path(), &log);
  ASSERT_FALSE(deb.isEmpty()) << log.toStdString();

  const QString depends = packagetest::Run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Depends")}).output;
  EXPECT_TRUE(depends.contains(QStringLiteral("libchm1"))) << depends.toStdString();
  EXPECT_TRUE(depends.contains(QStringLiteral("qt6-qpa-plugins"))) << depends.toStdString();

  QTemporaryDir root;
  ASSERT_TRUE(packagetest::Unpack(deb, root.path(), &log)) << log.toStdString();
  const QDir usr(root.filePath(QStringLiteral("usr")));
  for (const char* file :
       {"bin/kedrin", "bin/kdltool", "share/kedrin/kedrin.chm", "share/applications/kedrin.desktop",
        "share/mime/packages/kedrin.xml", "share/icons/hicolor/scalable/apps/kedrin.svg",
        "share/metainfo/com.example.kedrin.metainfo.xml", "share/man/man1/kedrin.1.gz",
        "share/man/man1/kdltool.1.gz", "share/doc/kedrin/copyright", "share/doc/kedrin/changelog.gz"})
    EXPECT_TRUE(QFile::exists(usr.filePath(QLatin1String(file)))) << file;

  X11Session x;
  ASSERT_TRUE(x.DisplayUp()) << x.Problem().toStdString();
  ASSERT_TRUE(x.StartEditorProgram(usr.filePath(QStringLiteral("bin/kedrin")),
                                   {QStringLiteral(KEDRIN_TEST_DATA "/order-flow.kdl")}))
      << x.EditorOutput().toStdString();
  std::string problems;
  X11Session::WaitFor([&] { return (problems = StartMarkProblems(x.Screenshot())).empty(); }, 10000);
  const QString shot = x.SaveScreenshot(QStringLiteral("package-started"));
  EXPECT_EQ(problems, "") << "the sample's start mark is not where it belongs; see " << shot.toStdString();
}

}  // namespace
