// The Debian package as a packager and a software centre check it: lintian on the .deb,
// appstreamcli on its AppStream metadata and desktop-file-validate on its menu entry, each run
// when it is installed (scripts/install-deps.sh installs all three). Any error or warning fails.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QTemporaryDir>

#include "PackageSupport.h"

namespace {

struct Check {
  const char* name;
  const char* program;
  QStringList arguments;  // {deb} and {root} stand for the package and the folder it is unpacked in
  // A line of the program's output that fails the check.
  const char* finding;
};

const Check kChecks[] = {
    // lintian refuses to run as root without --allow-root; CI runs as root.
    {"lintian", "lintian", {"--allow-root", "--fail-on", "error,warning", "{deb}"}, "^[EW]: "},
    // --no-net: the metadata's web addresses are not fetched (tests stay on this machine).
    {"appstream metadata",
     "appstreamcli",
     {"validate", "--no-net", "{root}/usr/share/metainfo/com.example.kedrin.metainfo.xml"},
     "^[EW]: "},
    // The metadata with the desktop entry and icon it names, as a software centre reads them.
    {"appstream tree", "appstreamcli", {"validate-tree", "--no-net", "{root}"}, "^[EW]: "},
    // Its hints name real faults too: two main categories put the editor twice in a menu.
    {"desktop entry",
     "desktop-file-validate",
     {"{root}/usr/share/applications/kedrin.desktop"},
     ": (error|warning|hint): "},
};

TEST(DebianPackageChecks, LintianAppStreamAndDesktopEntryFindNothing) {
  QStringList missing;
  for (const Check& c : kChecks)
    if (!packagetest::Have(QLatin1String(c.program))) missing << QLatin1String(c.program);
  if (missing.size() == static_cast<qsizetype>(std::size(kChecks))) GTEST_SKIP() << "none of the checkers is installed";

  QString log;
  QTemporaryDir packages, root;
  const QString deb = packagetest::BuildPackage(packages.path(), &log);
  ASSERT_FALSE(deb.isEmpty()) << log.toStdString();
  ASSERT_TRUE(packagetest::Unpack(deb, root.path(), &log)) << log.toStdString();

  for (const Check& c : kChecks) {
    SCOPED_TRACE(c.name);
    if (missing.contains(QLatin1String(c.program))) continue;
    QStringList args;
    for (QString a : c.arguments)
      args << a.replace(QStringLiteral("{deb}"), deb).replace(QStringLiteral("{root}"), root.path());
    const packagetest::ToolRun r = packagetest::Run(QLatin1String(c.program), args);
    const QRegularExpression finding(QLatin1String(c.finding), QRegularExpression::MultilineOption);
    EXPECT_TRUE(r.finished) << r.output.toStdString();
    EXPECT_EQ(r.status, 0) << r.output.toStdString();
    EXPECT_FALSE(finding.match(r.output).hasMatch()) << r.output.toStdString();
  }
  if (!missing.isEmpty()) std::printf("not installed, not checked: %s\n", qPrintable(missing.join(QLatin1String(", "))));
}

}  // namespace
