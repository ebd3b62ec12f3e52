// The programs' --help and --version, and the manual pages the build makes from them for the
// package: both answer without a display, and each page tells every command, option, exit status
// and example that --help tells.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "PackageSupport.h"

namespace {

struct Program {
  const char* name;
  const char* binary;
  // Every command and option, listed by hand from what the program accepts.
  std::vector<const char*> words;
};

void PrintTo(const Program& p, std::ostream* os) { *os << p.name; }

const Program kPrograms[] = {
    {"kedrin", KEDRIN_BIN, {"-h, --help", "--version"}},
    {"kdltool",
     KDLTOOL_BIN,
     {"check FILE", "dump FILE", "rewrite IN OUT", "export IN OUT", "import CHART OUT", "render CHART OUT", "help",
      "--crop", "--width W", "--height H", "--scale S", "--margin M", "--smooth", "--straight", "-h, --help",
      "--version"}},
};

// The word starts an indented line: an entry of a list of commands or options, not a mention.
bool Lists(const QString& text, const char* word) {
  return QRegularExpression(QStringLiteral("(^|\\n) +%1( |\\n)").arg(QRegularExpression::escape(QLatin1String(word))))
      .match(text)
      .hasMatch();
}

// No display of any kind: --help and --version must not need one.
QProcessEnvironment WithoutDisplay() {
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QLatin1String(name));
  return env;
}

// The version the package is built for, from the first line of its changelog.
QString PackageVersion() {
  QFile changelog(QStringLiteral(KEDRIN_BUILD_DIR "/packaging/changelog"));
  if (!changelog.open(QIODevice::ReadOnly)) return QString();
  const QRegularExpressionMatch m =
      QRegularExpression(QStringLiteral("^kedrin \\((\\S+)\\) ")).match(QString::fromUtf8(changelog.readLine()));
  return m.captured(1);
}

class ProgramManual : public ::testing::TestWithParam<Program> {
 protected:
  packagetest::ToolRun Own(const char* option) {
    return packagetest::Run(QLatin1String(GetParam().binary), {QLatin1String(option)}, {}, WithoutDisplay(), 30000,
                            true);
  }
};

TEST_P(ProgramManual, HelpAndVersionAnswerWithoutADisplay) {
  const Program& p = GetParam();
  const packagetest::ToolRun help = Own("--help");
  ASSERT_EQ(help.status, 0) << help.output.toStdString() << help.err.toStdString();
  EXPECT_TRUE(help.output.startsWith(QStringLiteral("Usage: %1 ").arg(QLatin1String(p.name)))) << help.output.toStdString();
  for (const char* heading : {"\nOptions:\n", "\nExit status:\n", "\nExamples:\n"})
    EXPECT_TRUE(help.output.contains(QLatin1String(heading))) << heading;
  for (const char* word : p.words) EXPECT_TRUE(Lists(help.output, word)) << word;

  const packagetest::ToolRun version = Own("--version");
  ASSERT_EQ(version.status, 0) << version.output.toStdString() << version.err.toStdString();
  const QString expected = QStringLiteral("%1 (Kedrin Tools Demo) %2\n").arg(QLatin1String(p.name), PackageVersion());
  EXPECT_TRUE(version.output.startsWith(expected)) << version.output.toStdString() << " vs " << expected.toStdString();
}

TEST_P(ProgramManual, ManualPageTellsWhatHelpTells) {
  if (!packagetest::Have(QStringLiteral("man"))) GTEST_SKIP() << "man is not installed";
  const Program& p = GetParam();
  const QString page = QStringLiteral(KEDRIN_BUILD_DIR "/packaging/%1.1.gz").arg(QLatin1String(p.name));
  ASSERT_TRUE(QFile::exists(page)) << page.toStdString();
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));  // plain ASCII dashes
  env.insert(QStringLiteral("MANWIDTH"), QStringLiteral("200"));  // no line breaks inside an option
  const packagetest::ToolRun man =
      packagetest::Run(QStringLiteral("man"), {QStringLiteral("--warnings"), QStringLiteral("-l"), page}, {}, env,
                       30000, true);
  ASSERT_EQ(man.status, 0) << man.err.toStdString();
  EXPECT_EQ(man.err, QString()) << "groff's warnings";
  for (const char* section : {"\nNAME\n", "\nSYNOPSIS\n", "\nDESCRIPTION\n", "\nOPTIONS\n", "Exit status:\n",
                              "\nEXAMPLES\n", "\nSEE ALSO\n"})
    EXPECT_TRUE(man.output.contains(QLatin1String(section))) << section << man.output.toStdString();
  for (const char* word : p.words) EXPECT_TRUE(Lists(man.output, word)) << word;
  EXPECT_TRUE(man.output.contains(QStringLiteral("Kedrin Tools Demo %1").arg(PackageVersion())));
}

INSTANTIATE_TEST_SUITE_P(Programs, ProgramManual, ::testing::ValuesIn(kPrograms),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
