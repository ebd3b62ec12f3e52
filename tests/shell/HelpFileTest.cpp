// The compiled help file and the formats the viewer reads out of it.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "HelpChm.h"
#include "HelpWindow.h"
#include "TestSupport.h"

namespace {

const QString kHelpFile = QStringLiteral(KEDRIN_BUILD_DIR "/help/kedrin.chm");
const QString kHelpSources = QStringLiteral(KEDRIN_TEST_DATA "/../../resources/help");

help::ChmApi RealApi() {
  void* library = dlopen("libchm.so.1", RTLD_NOW | RTLD_LOCAL);
  return library ? help::ResolveChmApi(library) : help::ChmApi{};
}

QStringList ProjectFiles() {
  QFile project(kHelpSources + QStringLiteral("/kedrin.hhp"));
  if (!project.open(QIODevice::ReadOnly)) return {};
  QStringList files;
  bool inFiles = false;
  for (const QByteArray& raw : project.readAll().split('\n')) {
    QString line = QString::fromUtf8(raw).trimmed();
    if (line.startsWith(u'[')) inFiles = line == QStringLiteral("[FILES]");
    else if (inFiles && !line.isEmpty()) files << line;
  }
  return files;
}

TEST(HelpFile, EveryFileOfTheProjectReadsBackUnchanged) {
  help::ChmApi api = RealApi();
  ASSERT_TRUE(api.Complete());
  help::ChmArchive archive(api, kHelpFile);
  ASSERT_TRUE(archive.IsOpen()) << kHelpFile.toStdString();

  QStringList files = ProjectFiles();
  ASSERT_GE(files.size(), 9);
  ASSERT_TRUE(files.contains(QStringLiteral("aboutus.htm")));
  for (const QString& name : files) {
    SCOPED_TRACE(name.toStdString());
    QFile source(kHelpSources + u'/' + name);
    ASSERT_TRUE(source.open(QIODevice::ReadOnly));
    std::optional<QByteArray> stored = archive.Read(u'/' + name);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(*stored, source.readAll());
  }
  EXPECT_FALSE(archive.Read(QStringLiteral("/nope.htm")).has_value());
  EXPECT_FALSE(archive.Read(QStringLiteral("/images/")).has_value()) << "a folder is not a page";
}

TEST(HelpFile, RecordsTitleFirstPageAndContents) {
  help::ChmArchive archive(RealApi(), kHelpFile);
  help::ChmSystemInfo system = archive.System();
  EXPECT_EQ(system.title, QStringLiteral("Kedrin Tools Demo Help"));
  EXPECT_EQ(system.defaultTopic, QStringLiteral("aboutus.htm"));
  EXPECT_EQ(system.contentsFile, QStringLiteral("kedrin.hhc"));
}

TEST(HelpFile, EveryLinkOfEveryPageLeadsToAFileOfTheHelpFile) {
  help::ChmArchive archive(RealApi(), kHelpFile);
  ASSERT_TRUE(archive.IsOpen());
  static const QRegularExpression reference(QStringLiteral("(?:href|src)=\"([^\"#]+)[^\"]*\""));
  for (const QString& name : ProjectFiles()) {
    if (!name.endsWith(QStringLiteral(".htm"))) continue;
    QString page = QString::fromUtf8(*archive.Read(u'/' + name));
    for (const QRegularExpressionMatch& m : reference.globalMatch(page)) {
      QString target = m.captured(1);
      if (target.startsWith(QStringLiteral("mailto:")) || target.startsWith(QStringLiteral("http:"))) continue;
      EXPECT_TRUE(archive.Read(u'/' + target).has_value()) << name.toStdString() << " -> " << target.toStdString();
    }
  }
}

TEST(HelpFile, ACutOffFileReadsNoPageAsWhole) {
  QFile whole(kHelpFile);
  ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
  const QByteArray bytes = whole.readAll();
  ASSERT_GT(bytes.size(), 20000);
  QTemporaryDir dir;
  // The last bytes of the compressed pages gone; most of them gone; the directory cut short.
  for (qsizetype kept : {bytes.size() - 1, qsizetype(20000), qsizetype(3000)}) {
    SCOPED_TRACE(kept);
    const QString path = dir.filePath(QStringLiteral("cut-%1.chm").arg(kept));
    QFile cut(path);
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(bytes.left(kept));
    cut.close();
    help::ChmArchive archive(RealApi(), path);
    ASSERT_TRUE(archive.IsOpen());
    for (const char* page : {"/aboutus.htm", "/figures.htm", "/keys.htm"}) {
      const help::ChmObject got = archive.Fetch(QString::fromLatin1(page));
      EXPECT_EQ(got.status, help::ChmRead::Damaged) << page;
      EXPECT_TRUE(got.data.isEmpty()) << page;
      EXPECT_FALSE(archive.Read(QString::fromLatin1(page)).has_value()) << page;
    }
  }
  help::ChmArchive intact(RealApi(), kHelpFile);
  EXPECT_EQ(intact.Fetch(QStringLiteral("/aboutus.htm")).status, help::ChmRead::Whole);
  EXPECT_EQ(intact.Fetch(QStringLiteral("/nope.htm")).status, help::ChmRead::Missing);
}

QByteArray Header(quint32 version, quint64 directoryOffset, quint64 directoryLength, quint64 content, int size) {
  QByteArray h(size, '\0');
  h.replace(0, 4, "ITSF");
  auto put = [&h](int at, quint64 v, int bytes) {
    for (int i = 0; i < bytes; ++i) h[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  put(4, version, 4);
  put(0x48, directoryOffset, 8);
  put(0x50, directoryLength, 8);
  if (size >= 0x60) put(0x58, content, 8);
  return h;
}

TEST(HelpFile, HeaderTellsWhereTheDirectoryAndTheContentLie) {
  // Our own file's header: directory at 0x78, 0x1054 long; content from 0x10CC.
  std::optional<help::ChmLayout> v3 = help::ParseChmHeader(Header(3, 0x78, 0x1054, 0x10CC, 0x60));
  ASSERT_TRUE(v3.has_value());
  EXPECT_EQ(v3->directoryEnd, 0x10CCu);
  EXPECT_EQ(v3->contentStart, 0x10CCu);
  // Version 2 has no content offset: the content follows the directory.
  std::optional<help::ChmLayout> v2 = help::ParseChmHeader(Header(2, 0x58, 0x1000, 0, 0x58));
  ASSERT_TRUE(v2.has_value());
  EXPECT_EQ(v2->contentStart, 0x1058u);
  EXPECT_FALSE(help::ParseChmHeader(Header(3, 0x78, 0x1054, 0x10CC, 0x58)).has_value()) << "version 3 cut short";
  QByteArray other = Header(3, 0x78, 0x1054, 0x10CC, 0x60);
  other[0] = 'X';
  EXPECT_FALSE(help::ParseChmHeader(other).has_value()) << "not a help file";
  EXPECT_FALSE(help::ParseChmHeader(Header(3, ~0ull, 2, 0, 0x60)).has_value()) << "an end past 64 bits";
}

TEST(HelpFile, MissingFileDoesNotOpen) {
  help::ChmArchive archive(RealApi(), QStringLiteral("/nonexistent/kedrin.chm"));
  EXPECT_FALSE(archive.IsOpen());
  EXPECT_FALSE(archive.Read(QStringLiteral("/aboutus.htm")).has_value());
  EXPECT_EQ(archive.System().title, QString());
}

QByteArray Record(quint16 code, const QByteArray& data) {
  QByteArray r;
  r.append(static_cast<char>(code & 0xFF)).append(static_cast<char>(code >> 8));
  r.append(static_cast<char>(data.size() & 0xFF)).append(static_cast<char>(data.size() >> 8));
  return r + data;
}

TEST(HelpFile, SystemRecordsThatEndEarlyAreIgnored) {
  QByteArray version("\x03\0\0\0", 4);
  QByteArray whole = version + Record(9, QByteArray("compiler\0", 9)) + Record(3, QByteArray("Title\0", 6)) +
                     Record(2, QByteArray("first.htm\0", 10)) + Record(0, QByteArray("toc.hhc\0", 8));
  help::ChmSystemInfo info = help::ParseChmSystem(whole);
  EXPECT_EQ(info.title, QStringLiteral("Title"));
  EXPECT_EQ(info.defaultTopic, QStringLiteral("first.htm"));
  EXPECT_EQ(info.contentsFile, QStringLiteral("toc.hhc"));

  // The last record claims more bytes than there are.
  QByteArray cut = version + Record(3, QByteArray("Title\0", 6)) + Record(0, QByteArray("toc.hhc\0", 8)).left(7);
  info = help::ParseChmSystem(cut);
  EXPECT_EQ(info.title, QStringLiteral("Title"));
  EXPECT_EQ(info.contentsFile, QString());
  EXPECT_EQ(help::ParseChmSystem(QByteArray("\x03\0", 2)).title, QString());
}

TEST(HelpContents, EntriesKeepTheirNesting) {
  const QString sitemap = QStringLiteral(
      "<OBJECT type=\"text/site properties\"><param name=\"Window Styles\" value=\"0x800025\"></OBJECT>"
      "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"A &amp; B\">"
      "<param name=\"Local\" value=\"a.htm\"></OBJECT>"
      "<ul><li><object type=\"text/sitemap\"><PARAM NAME=\"name\" VALUE=\"Child\"><param name=\"Local\" value=\"c.htm\"></object>"
      "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Grandchild\"></OBJECT></UL>"
      "</ul><LI><OBJECT type=\"text/sitemap\"><param name=\"Local\" value=\"nameless.htm\"></OBJECT>"
      "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Last\"><param name=\"Local\" value=\"z.htm\"></OBJECT></UL>");
  QList<help::ContentsEntry> expected = {
      {QStringLiteral("A & B"), QStringLiteral("a.htm"), 0},
      {QStringLiteral("Child"), QStringLiteral("c.htm"), 1},
      {QStringLiteral("Grandchild"), QString(), 2},
      {QStringLiteral("Last"), QStringLiteral("z.htm"), 0},
  };
  EXPECT_EQ(help::ParseContents(sitemap), expected);
}

}  // namespace
