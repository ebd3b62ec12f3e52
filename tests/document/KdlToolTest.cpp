// kdltool run as a user runs it: a separate process without a display.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <cstring>

#include "DiagramFile.h"
#include "DiagramPicture.h"
#include "FigureSamples.h"
#include "TestSupport.h"

namespace {

struct ToolRun {
  int status = -1;
  std::string out, err;
};

ToolRun KdlTool(const QStringList& arguments) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));  // the tool must manage without a display
  env.remove(QStringLiteral("DISPLAY"));
  env.remove(QStringLiteral("WAYLAND_DISPLAY"));
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(KEDRIN_BUILD_DIR "/src/tools/kdltool"), arguments);
  ToolRun r;
  if (!p.waitForFinished(60000)) return r;
  r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
  r.out = p.readAllStandardOutput().toStdString();
  r.err = p.readAllStandardError().toStdString();
  return r;
}

class KdlToolProcess : public ::testing::Test {
 protected:
  void SetUp() override {
    figures_ = NineStyledFigures();
    std::vector<const Persistent*> records;
    for (const auto& f : figures_) records.push_back(f.get());
    diagramfile::Write(Path("nine.kdl"), records);
  }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QString Sample() const { return testsupport::DataPath("order-flow.kdl"); }
  QTemporaryDir dir_;
  std::vector<std::unique_ptr<TCustomKDTool>> figures_;
};

TEST_F(KdlToolProcess, CheckCountsFiguresOrPrintsTheEditorsMessage) {
  ToolRun ok = KdlTool({"check", Sample()});
  EXPECT_EQ(ok.status, 0) << ok.err;
  EXPECT_EQ(ok.out, "13 figures\n");

  std::vector<uint8_t> bytes = testsupport::ReadFile(Path("nine.kdl"));
  bytes.resize(bytes.size() - 3);
  QFile cut(Path("cut.kdl"));
  ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
  cut.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
  cut.close();
  ToolRun bad = KdlTool({"check", Path("cut.kdl")});
  EXPECT_EQ(bad.status, 1);
  EXPECT_EQ(bad.out, "");
  EXPECT_EQ(bad.err, "Error reading TKDLine.Font.Style: Stream read error\n");

  ToolRun missing = KdlTool({"check", Path("none.kdl")});
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.err, ("Cannot open file " + Path("none.kdl") + "\n").toStdString());
}

TEST_F(KdlToolProcess, DumpShowsEveryEntryOfEveryRecord) {
  ToolRun r = KdlTool({"dump", Path("nine.kdl")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("#6 TKDArrow ArrowPosition = apBoth\n"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("#6 TKDArrow ArrowDirection = adLeftToLeft\n"), std::string::npos);
  EXPECT_NE(r.out.find("#7 TKDLabel Caption = 'Two words'\n"), std::string::npos);
  EXPECT_NE(r.out.find("#5 TKDRectangle HaveFocused = True\n"), std::string::npos);
  EXPECT_NE(r.out.find("#4 TKDEllipse Font.Charset = GB2312_CHARSET\n"), std::string::npos);
  EXPECT_NE(r.out.find("#9 TKDLine Left = 500\n"), std::string::npos);
  // Nineteen base entries per figure (no Tag, Hint, help or Index), four more for the arrow.
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 9 * 19 + 4);
}

TEST_F(KdlToolProcess, DumpShowsValueKindsFiguresNeverWriteAndSurvivesDeepNesting) {
  std::string record = std::string("TPF0\x08TKDBegin\x00", 14);
  auto entry = [&](const char* name, const std::string& value) {
    record += static_cast<char>(std::strlen(name));
    record += name;
    record += value;
  };
  entry("A", std::string("\x0F\x00\x00\xC0\x3F", 5));                  // single 1.5
  entry("B", std::string("\x10\x39\x30\x00\x00\x00\x00\x00\x00", 9));  // currency 1.2345
  entry("C", std::string("\x13\xFE\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 9));  // int64 -2
  entry("D", std::string("\x0A\x03\x00\x00\x00\x01\x02\x03", 8));      // bytes
  entry("E", std::string("\x01\x02\x05\x06\x01x\x00", 7));              // list
  entry("F", std::string("\x0B\x06" "fsBold\x00", 9));                    // set
  entry("G", std::string("\x06\x03" "a'b", 5));                            // quoted text
  entry("H", std::string("\x0E\x01\x00\x00", 4));                        // collection
  entry("I", std::string(1000, '\x01') + std::string(1000, '\x00'));       // nested lists
  record += std::string("\x00\x00", 2);
  QFile f(Path("kinds.kdl"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(record.data(), static_cast<qint64>(record.size()));
  f.close();

  ToolRun r = KdlTool({"dump", Path("kinds.kdl")});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string p = "#1 TKDBegin ";
  EXPECT_EQ(r.out, p + "A = 1.5\n" + p + "B = 1.2345\n" + p + "C = -2\n" + p + "D = {010203}\n" + p +
                       "E = (5, 'x')\n" + p + "F = [fsBold]\n" + p + "G = 'a''b'\n" + p + "H = <item()>\n" +
                       p + "I = " + std::string(16, '(') + "(...)" + std::string(16, ')') + "\n");
}

TEST_F(KdlToolProcess, RewriteGivesTheSameBytesAndNeverOverwritesItsInput) {
  ToolRun r = KdlTool({"rewrite", Sample(), Path("copy.kdl")});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(testsupport::ReadFile(Path("copy.kdl")), testsupport::ReadFile(Sample()));

  const std::vector<uint8_t> before = testsupport::ReadFile(Path("nine.kdl"));
  ToolRun same = KdlTool({"rewrite", Path("nine.kdl"), Path("./nine.kdl")});
  EXPECT_EQ(same.status, 1);
  EXPECT_NE(same.err.find("is the input file"), std::string::npos) << same.err;
  ToolRun picture = KdlTool({"export", Path("nine.kdl"), Path("nine.kdl")});
  EXPECT_NE(picture.status, 0);
  EXPECT_EQ(testsupport::ReadFile(Path("nine.kdl")), before);
}

TEST_F(KdlToolProcess, ExportAtScaleOneIsTheEditorsPicture) {
  // One figure reaches beyond the default canvas: the picture grows to hold it.
  figures_[8]->ApplyBounds(700, 460, 58, 56);
  std::vector<const Persistent*> records;
  for (const auto& f : figures_) records.push_back(f.get());
  diagramfile::Write(Path("far.kdl"), records);
  ToolRun r = KdlTool({"export", Path("far.kdl"), Path("nine.bmp")});
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<const TCustomKDTool*> raw = Raw(figures_);
  const QSize extent(758, 516);
  QImage expected = BuildDiagramPicture(nullptr, extent, raw);
  QImage bmp(Path("nine.bmp"), "bmp");
  ASSERT_EQ(bmp.size(), extent);
  EXPECT_EQ(bmp.convertToFormat(QImage::Format_RGB32), expected);

  ToolRun png = KdlTool({"export", Path("far.kdl"), testsupport::OutputPath("kdltool-nine.png")});
  EXPECT_EQ(png.status, 0) << png.err;
  EXPECT_EQ(QImage(testsupport::OutputPath("kdltool-nine.png")).convertToFormat(QImage::Format_RGB32), expected);
}

struct FormatCase {
  const char* name;
  QStringList options;
  QSize size;  // of the decoded picture; empty for vector formats
  const char* magic;
};

class KdlToolExport : public KdlToolProcess, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(KdlToolExport, WritesTheFormatAtTheAskedSize) {
  const FormatCase& c = GetParam();
  QStringList args{"export", Sample(), Path(c.name)};
  args += c.options;
  ToolRun r = KdlTool(args);
  ASSERT_EQ(r.status, 0) << r.err;
  std::vector<uint8_t> bytes = testsupport::ReadFile(Path(c.name));
  ASSERT_GT(bytes.size(), 16u);
  const std::string head(bytes.begin(), bytes.begin() + 16);
  EXPECT_NE(head.find(c.magic), std::string::npos) << head;
  if (!c.size.isEmpty()) {
    QImage picture(Path(c.name));
    EXPECT_EQ(picture.size(), c.size);
    // The sample's start mark: a lime circle around (320, 50) at scale 1.
    const double s = c.size.width() / 684.0;
    EXPECT_EQ(picture.pixel(static_cast<int>(320 * s), static_cast<int>(50 * s)) & 0xFFFFFF, 0x00FF00u);
  }
  QFile::copy(Path(c.name), testsupport::OutputPath(QStringLiteral("kdltool-%1").arg(c.name)));
}

INSTANTIATE_TEST_SUITE_P(
    Formats, KdlToolExport,
    ::testing::Values(FormatCase{"a.png", {}, {684, 470}, "PNG"},
                      FormatCase{"b.bmp", {}, {684, 470}, "BM"},
                      FormatCase{"c.png", {"--scale", "2"}, {1368, 940}, "PNG"},
                      FormatCase{"d.png", {"--width", "500", "--height", "300"}, {}, "PNG"},
                      FormatCase{"e.svg", {}, {}, "<?xml"},
                      FormatCase{"f.pdf", {}, {}, "%PDF"},
                      FormatCase{"g.PNG", {"--scale", "0.5"}, {342, 235}, "PNG"}),
    [](const auto& info) { return std::string(1, info.param.name[0]); });

struct BadUse {
  const char* name;
  QStringList args;
  int status;
  const char* message;
};
class KdlToolMisuse : public KdlToolProcess, public ::testing::WithParamInterface<BadUse> {};
TEST_P(KdlToolMisuse, FailsWithAMessage) {
  QStringList args;
  for (const QString& a : GetParam().args) args << QString(a).replace("DIR", dir_.path());
  ToolRun r = KdlTool(args);
  EXPECT_EQ(r.status, GetParam().status);
  EXPECT_NE(r.err.find(GetParam().message), std::string::npos) << r.err;
}
INSTANTIATE_TEST_SUITE_P(
    Cases, KdlToolMisuse,
    ::testing::Values(BadUse{"NoCommand", {}, 2, "usage: kdltool"},
                      BadUse{"UnknownFormat", {"export", "DIR/nine.kdl", "DIR/x.gif"}, 1, "must end in"},
                      BadUse{"HugeScale", {"export", "DIR/nine.kdl", "DIR/x.png", "--scale", "60"}, 1, "too large"},
                      BadUse{"BadNumber", {"export", "DIR/nine.kdl", "DIR/x.png", "--width", "wide"}, 2, "not a number"},
                      BadUse{"RewriteToPicture", {"rewrite", "DIR/nine.kdl", "DIR/x.jpg"}, 2, "must end in .kdl"},
                      BadUse{"UnwritableOutput", {"export", "DIR/nine.kdl", "DIR/nine.kdl/x.jpg"}, 1, "Cannot create file"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
