// kdltool with draw.io files and versions of a diagram, run as a user runs it: import and export
// of .drawio, diff's statuses (0 same, 1 different, 2 trouble) and its picture, text for git.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <string>

#include "ToolRun.h"

namespace {

QString Data(const char* name) { return QStringLiteral(KEDRIN_TEST_DATA "/drawio/") + QLatin1StringView(name); }

TEST(DrawioTool, CommandTable) {
  QTemporaryDir dir;
  const auto path = [&](const char* name) { return dir.filePath(QLatin1StringView(name)); };
  {
    QFile bad(path("empty.drawio"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("<mxfile></mxfile>");
  }
  struct Row {
    QStringList arguments;
    int status;
    const char* out;  // a part of the standard output ("" for none expected at all)
    const char* err;  // a part of the standard error
    const char* written = nullptr;  // a file that must exist afterwards
    const char* notWritten = nullptr;
  };
  const Row rows[] = {
      // Two pages: the first is drawn, the other named.
      {{"import", Data("flowchart.drawio"), path("a.kdl")}, 0, "", "This file has 2 pages; only \"Flow\" was imported", "a.kdl"},
      // A name that says nothing: known by its content.
      {{"import", Data("bare.xml"), path("bare.kdl")}, 0, "", "", "bare.kdl"},
      {{"import", path("empty.drawio"), path("none.kdl")}, 1, "", "Cannot import", nullptr, "none.kdl"},
      {{"check", path("a.kdl")}, 0, "13 figures", ""},
      {{"export", path("a.kdl"), path("a.drawio")}, 0, "", "", "a.drawio"},
      {{"import", path("a.drawio"), path("b.kdl")}, 0, "", "", "b.kdl"},
      // Exported and read again: the same diagram.
      {{"diff", path("a.kdl"), path("b.kdl")}, 0, "", ""},
      {{"diff", path("a.kdl"), path("bare.kdl")}, 1, "removed process \"Do it\"", ""},
      {{"diff", path("a.kdl"), path("bare.kdl"), path("changes.png")}, 1, "added   rectangle \"A\"", "", "changes.png"},
      {{"diff", path("a.kdl"), path("missing.kdl")}, 2, "", "Cannot open file"},
      {{"diff", path("a.kdl"), path("b.kdl"), path("changes.mmd")}, 2, "", "diff draws pictures", nullptr, "changes.mmd"},
      {{"diff", path("a.kdl")}, 2, "", "diff takes two file names or three, not 1"},
      {{"text", path("a.kdl")}, 0, "flowchart TD\n    s([\" \"])\n    p[Do it]\n", ""},
      {{"render", Data("compressed.drawio"), path("compressed.png")}, 0, "", "", "compressed.png"},
  };
  for (const Row& r : rows) {
    const ToolRun run = KdlTool(r.arguments);
    const std::string what = r.arguments.join(' ').toStdString();
    EXPECT_EQ(run.status, r.status) << what << "\n" << run.err;
    if (*r.out) {
      EXPECT_NE(run.out.find(r.out), std::string::npos) << what << "\n" << run.out;
    } else {
      EXPECT_EQ(run.out, "") << what;
    }
    if (*r.err) {
      EXPECT_NE(run.err.find(r.err), std::string::npos) << what << "\n" << run.err;
    }
    if (r.written) {
      EXPECT_TRUE(QFile::exists(path(r.written))) << what;
    }
    if (r.notWritten) {
      EXPECT_FALSE(QFile::exists(path(r.notWritten))) << what;
    }
  }
  // The picture: the newer diagram with its marks, in the diff's colours.
  const QImage picture(path("changes.png"));
  ASSERT_FALSE(picture.isNull());
  bool green = false, red = false;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb p = picture.pixel(x, y);
      green |= p == qRgb(0x00, 0xA0, 0x00);
      red |= p == qRgb(0xE0, 0x00, 0x00);
    }
  EXPECT_TRUE(green);
  EXPECT_TRUE(red);
}

}  // namespace
