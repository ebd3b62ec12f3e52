// The Debian package: built with cpack from this build, unpacked into a fresh folder (no
// installation), and the editor started from there with a diagram named on its command line.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "X11Session.h"

namespace {

bool RunTool(const QString& program, const QStringList& args, const QString& dir, QString* output) {
  QProcess p;
  p.setWorkingDirectory(dir);
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(program, args);
  bool ok = p.waitForStarted(5000) && p.waitForFinished(180000) && p.exitCode() == 0;
  if (output) *output = QString::fromUtf8(p.readAll());
  return ok;
}

TEST(DebianPackage, UnpackedIntoAFreshFolderItStartsAndOpensADiagram) {
  QString out;
  const QString build = QStringLiteral(KEDRIN_BUILD_DIR);
  QTemporaryDir packages;
  ASSERT_TRUE(RunTool(QStringLiteral("cpack"),
                  {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), packages.path()}, build, &out))
      << out.toStdString();
  QStringList debs = QDir(packages.path()).entryList({QStringLiteral("kedrin_*.deb")});
  ASSERT_EQ(debs.size(), 1) << out.toStdString();
  const QString deb = QDir(packages.path()).filePath(debs.first());

  ASSERT_TRUE(RunTool(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), deb, QStringLiteral("Depends")}, build, &out));
  EXPECT_TRUE(out.contains(QStringLiteral("libchm1"))) << out.toStdString();
  EXPECT_TRUE(out.contains(QStringLiteral("qt6-qpa-plugins"))) << out.toStdString();

  QTemporaryDir root;
  ASSERT_TRUE(RunTool(QStringLiteral("dpkg"), {QStringLiteral("-x"), deb, root.path()}, build, &out)) << out.toStdString();
  const QDir usr(root.filePath(QStringLiteral("usr")));
  for (const char* file : {"bin/kedrin", "bin/kdltool", "share/kedrin/kedrin.chm", "share/applications/kedrin.desktop",
                           "share/mime/packages/kedrin.xml", "share/icons/hicolor/scalable/apps/kedrin.svg"})
    EXPECT_TRUE(QFile::exists(usr.filePath(QLatin1String(file)))) << file;

  X11Session x;
  ASSERT_TRUE(x.DisplayUp());
  ASSERT_TRUE(x.StartEditorProgram(usr.filePath(QStringLiteral("bin/kedrin")),
                                   {QStringLiteral(KEDRIN_TEST_DATA "/order-flow.kdl")}));
  // The sample's start mark, a green disc, shows on the canvas.
  bool green = X11Session::WaitFor(
      [&] {
        QImage shot = x.Screenshot();
        for (int y = 100; y < 600 && y < shot.height(); y += 2)
          for (int xx = 30; xx < 800 && xx < shot.width(); xx += 2)
            if (shot.pixel(xx, y) == qRgb(0, 255, 0)) return true;
        return false;
      },
      10000);
  QString shot = x.SaveScreenshot(QStringLiteral("package-started"));
  EXPECT_TRUE(green) << "no diagram on screen; see " << shot.toStdString();
}

}  // namespace
