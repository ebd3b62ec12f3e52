// kdltool's command line as GNU tools have it, its cropped and scaled-down pictures, and the
// escaping of text from a file in everything it prints.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include "Errors.h"
#include "TestSupport.h"
#include "ToolRun.h"

namespace {

// The sample's thirteen figures lie within (20, 20) to (620, 470); its canvas is 684 x 449.
const QSize kSampleExtent(684, 470);
const QSize kSampleBox(600, 450);

// A narrow chart: two boxes one above the other.
constexpr const char* kChart = "flowchart TD\n  A[Start here] --> B[Then this]\n";

class KdlToolLine : public ::testing::Test {
 protected:
  void SetUp() override {
    QFile chart(Path("chart.mmd"));
    ASSERT_TRUE(chart.open(QIODevice::WriteOnly));
    chart.write(kChart);
  }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  // DIR in an argument stands for the test's folder, SAMPLE for the sample diagram.
  QStringList Expand(const QStringList& args) const {
    QStringList out;
    for (QString a : args) out << a.replace("DIR", dir_.path()).replace("SAMPLE", testsupport::DataPath("order-flow.kdl"));
    return out;
  }
  void WriteBytes(const QString& name, const QByteArray& bytes) const {
    QFile f(Path(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QTemporaryDir dir_;
};

struct LineCase {
  const char* name;
  QStringList args;  // run in the test's folder
  int status;
  std::string err;       // the start of the standard error ("" for none)
  const char* picture;   // written, with this size
  QSize size;
};

TEST_F(KdlToolLine, OptionsStandAnywhereAndDoubleDashEndsThem) {
  const LineCase cases[] = {
      {"before the files", {"export", "--scale", "2", "SAMPLE", "a.png"}, 0, "", "a.png", {1368, 940}},
      {"between them, joined by =", {"export", "SAMPLE", "--scale=2", "b.png"}, 0, "", "b.png", {1368, 940}},
      {"after them", {"export", "SAMPLE", "c.bmp", "--margin", "5"}, 0, "", "c.bmp", {694, 480}},
      {"a negative value is a value", {"export", "--margin", "-1", "SAMPLE", "d.png"}, 1,
       "The margin must be 0 or more", nullptr, {}},
      {"a file name after --", {"export", "--margin", "10", "SAMPLE", "--", "-e.png"}, 0, "", "-e.png", {704, 490}},
      {"-- makes an option's name a file", {"check", "--", "--smooth"}, 1,
       "Cannot open file --smooth: No such file or directory", nullptr, {}},
      {"render with its options first", {"render", "--smooth", "--straight", "chart.mmd", "f.png"}, 0, "", "f.png", {}},
      {"an option the command has no use for", {"check", "--smooth", "SAMPLE"}, 2,
       "kdltool: --smooth is no option of check", nullptr, {}},
      {"crop is for pictures", {"export", "--crop", "SAMPLE", "g.mmd"}, 2, "kdltool: --width, --height", nullptr, {}},
      {"unknown option", {"export", "--bogus", "SAMPLE", "h.png"}, 2, "kdltool: unknown option --bogus", nullptr, {}},
      {"missing value", {"export", "SAMPLE", "h.png", "--width"}, 2, "kdltool: missing value after '--width'", nullptr, {}},
      {"too few files", {"export", "--smooth", "SAMPLE"}, 2, "kdltool: export takes two file names, not 1", nullptr, {}},
      {"unknown command", {"frobnicate", "SAMPLE"}, 2, "kdltool: unknown command frobnicate", nullptr, {}},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ToolRun r = KdlTool(Expand(c.args), dir_.path());
    EXPECT_EQ(r.status, c.status) << r.err;
    EXPECT_EQ(r.err.substr(0, c.err.size()), c.err) << r.err;
    if (c.status == 2) {
      EXPECT_NE(r.err.find("\nusage: kdltool"), std::string::npos) << r.err;
    }
    if (!c.picture) continue;
    const QImage picture(Path(c.picture));
    ASSERT_FALSE(picture.isNull());
    if (!c.size.isEmpty()) {
      EXPECT_EQ(picture.size(), c.size);
    }
  }
}

TEST_F(KdlToolLine, HelpTellsTheNewOptions) {
  const ToolRun r = KdlTool({"--help"});
  ASSERT_EQ(r.status, 0);
  for (const char* line : {"\n      --crop ", "\"--\" ends the options", "is scaled down as a whole"})
    EXPECT_NE(r.out.find(line), std::string::npos) << line;
  EXPECT_EQ(KdlTool({"render", "x.mmd", "y.png", "--help"}).out, r.out) << "--help anywhere";
}

// A lime disc around (320, 50) on the canvas: the sample's start mark.
bool StartMarkAt(const QImage& picture, QPoint at) {
  const QRgb p = picture.pixel(at);
  return qRed(p) < 40 && qGreen(p) > 215 && qBlue(p) < 40;
}

struct CropCase {
  const char* name;
  QStringList args;
  QSize size;
  QPoint startMark;  // where the canvas point (320, 50) lands
};

// export keeps the canvas from its corner unless told to crop; render always crops. Cropped, the
// margin is the Export dialog's 10 unless one is given.
TEST_F(KdlToolLine, ExportCropsWhenToldAndRenderAlways) {
  const CropCase cases[] = {
      {"export as always", {"export", "SAMPLE", "DIR/plain.png"}, kSampleExtent, {320, 50}},
      {"cropped", {"export", "--crop", "SAMPLE", "DIR/crop.png"}, kSampleBox + QSize(20, 20), {310, 40}},
      {"cropped, no margin", {"export", "--crop", "--margin", "0", "SAMPLE", "DIR/bare.png"}, kSampleBox, {300, 30}},
      {"cropped at twice the size", {"export", "--crop", "--scale", "2", "SAMPLE", "DIR/big.bmp"},
       (kSampleBox + QSize(20, 20)) * 2, {620, 80}},
  };
  for (const CropCase& c : cases) {
    SCOPED_TRACE(c.name);
    const QStringList args = Expand(c.args);
    const ToolRun r = KdlTool(args);
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage picture(args.last());
    EXPECT_EQ(picture.size(), c.size);
    EXPECT_TRUE(StartMarkAt(picture, c.startMark));
  }

  // render is import followed by a cropped export, to the pixel.
  ASSERT_EQ(KdlTool({"render", Path("chart.mmd"), Path("chart.png")}).status, 0);
  ASSERT_EQ(KdlTool({"import", Path("chart.mmd"), Path("chart.kdl")}).status, 0);
  ASSERT_EQ(KdlTool({"export", "--crop", Path("chart.kdl"), Path("again.png")}).status, 0);
  const QImage rendered(Path("chart.png")), again(Path("again.png"));
  EXPECT_EQ(rendered.convertToFormat(QImage::Format_RGB32), again.convertToFormat(QImage::Format_RGB32));
  EXPECT_LT(rendered.width(), 400) << "no blank canvas beside a narrow chart";
  EXPECT_EQ(rendered.pixel(5, 5), qRgb(255, 255, 255)) << "the margin";
}

// The limits: 65500 pixels on a side, 2^27 pixels in all.
constexpr double kMaxPixels = 134217728.0;

// Too large a picture is scaled down as a whole until it fits, and the tool says so.
TEST_F(KdlToolLine, TooLargeAPictureIsScaledDownToFit) {
  struct FitCase {
    const char* name;
    QStringList args;
    QSize size;  // width 0: bounded by the pixel limit; height 0: not known beforehand
    std::string warning;
  };
  // 70000 x 235 (the sample at half size, widened): 65500 / 70000 = 0.9357, 235 x 0.9357 = 219.9.
  // 41040 x 28200 (the sample at 60 times): 2^27 / (41040 x 28200) = 0.11597, its root 0.3405.
  const FitCase cases[] = {
      {"too wide", {"export", "--scale", "0.5", "--width", "70000", "SAMPLE", "DIR/wide.png"}, {65500, 220},
       "warning: DIR/wide.png: a picture of 70000 x 235 pixels is too large; scaled down by 0.936 to 65500 x 220 pixels\n"},
      {"too many pixels", {"export", "--scale", "60", "SAMPLE", "DIR/huge.svg"}, {0, 0},
       "warning: DIR/huge.svg: a picture of 41040 x 28200 pixels is too large; scaled down by 0.341 to "},
      {"render too", {"render", "--width", "70000", "DIR/chart.mmd", "DIR/chart.svg"}, {65500, 0},
       "warning: DIR/chart.svg: a picture of 70000 x "},
  };
  for (const FitCase& c : cases) {
    SCOPED_TRACE(c.name);
    const QStringList args = Expand(c.args);
    const ToolRun r = KdlTool(args);
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string warning = Expand({QString::fromStdString(c.warning)})[0].toStdString();
    EXPECT_EQ(r.err.substr(0, warning.size()), warning) << r.err;
    const QString out = args.last();
    const QSize size = out.endsWith(".svg") ? QSvgRenderer(out).viewBox().size() : QImage(out).size();
    if (c.size.width()) {
      EXPECT_EQ(size.width(), c.size.width());
      if (c.size.height()) {
        EXPECT_EQ(size.height(), c.size.height());
      }
      continue;
    }
    EXPECT_LE(double(size.width()) * size.height(), kMaxPixels);
    // The largest that fits, within two pixels a side, in the shape asked for.
    EXPECT_GT((size.width() + 2.0) * (size.height() + 2.0), kMaxPixels);
    EXPECT_NEAR(double(size.width()) / size.height(), 41040.0 / 28200.0, 0.001);
  }
}

// Bytes of a record with the given class name and one integer property of the given name.
QByteArray Record(const QByteArray& className, const QByteArray& property) {
  QByteArray r("TPF0");
  r += char(className.size()) + className + char(0);
  r += char(property.size()) + property + "\x02\x05";
  r += QByteArray(2, '\0');
  return r;
}

struct EscapeCase {
  const char* name;
  QStringList args;
  int status;
  std::string out, err;  // DIR stands for the test's folder
};

// Control characters from a file never reach the terminal: every message and the dump show them
// as #n.
TEST_F(KdlToolLine, ControlCharactersFromAFileAreEscaped) {
  WriteBytes("title.kdl", Record("\x1b]2;owned\x07", "Left"));
  WriteBytes("property.kdl", Record("TKDBegin", "Col\x1bour"));
  WriteBytes("names.kdl", Record("TKD\x07X", "A\x1b").replace("\x02\x05", "\x07\x02v\x9b"));
  WriteBytes("chart\x1b[2J.mmd", "flowchart LR\n  A --> B\n  click A \"https://example.org\"\n");
  const EscapeCase cases[] = {
      {"class name", {"check", "DIR/title.kdl"}, 1, "", "Class #27]2;owned#7 not found\n"},
      {"property name", {"check", "DIR/property.kdl"}, 1, "",
       "Error reading TKDBegin.Col#27our: Property Col#27our does not exist\n"},
      {"dump", {"dump", "DIR/names.kdl"}, 0, "#1 TKD#7X A#27 = v#155\n", ""},
      {"file name", {"check", "DIR/no\x1b]0;x\x07.kdl"}, 1, "",
       "Cannot open file DIR/no#27]0;x#7.kdl: No such file or directory\n"},
      {"chart warning", {"import", "DIR/chart\x1b[2J.mmd", "DIR/chart.kdl"}, 0, "", "warning: DIR/chart#27[2J.mmd: line 3: "},
      {"usage", {"export", "--\x1b[5m"}, 2, "", "kdltool: unknown option --#27[5m\n"},
  };
  for (const EscapeCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ToolRun r = KdlTool(Expand(c.args));
    EXPECT_EQ(r.status, c.status);
    EXPECT_EQ(r.out, Expand({QString::fromStdString(c.out)})[0].toStdString());
    const std::string err = Expand({QString::fromStdString(c.err)})[0].toStdString();
    EXPECT_EQ(r.err.substr(0, err.size()), err) << r.err;
    for (const std::string& s : {r.out, r.err})
      for (char ch : s) EXPECT_TRUE(ch == '\n' || static_cast<unsigned char>(ch) >= 0x20) << int(ch);
  }
}

// One rule for every message and for the dump's quoted texts.
TEST(PrintableText, ControlCharactersAndStrayBytesBecomeTheirCodes) {
  struct Case {
    std::string text, printable, quoted;
  };
  const Case cases[] = {
      {"Class TKDBegin", "Class TKDBegin", "'Class TKDBegin'"},
      {"\x1b]2;x\x07", "#27]2;x#7", "#27']2;x'#7"},
      {"a\tb\nc\r", "a#9b#10c#13", "'a'#9'b'#10'c'#13"},
      {"del\x7f", "del#127", "'del'#127"},
      {"c1 \xc2\x9b", "c1 #155", "'c1 '#155"},               // U+009B, the one-byte CSI
      {"bad \xff\xc3", "bad #255#195", "'bad '#255#195"},     // not UTF-8
      {"\xe8\xae\xa2\xe5\x8d\x95 \xe2\x9c\x85", "\xe8\xae\xa2\xe5\x8d\x95 \xe2\x9c\x85",
       "'\xe8\xae\xa2\xe5\x8d\x95 \xe2\x9c\x85'"},          // Chinese and an emoji stay
      {"it's", "it's", "'it''s'"},
      {"", "", "''"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(errors::Printable(c.text), c.printable) << c.printable;
    EXPECT_EQ(errors::Quoted(c.text), c.quoted) << c.quoted;
  }
  // The editor's error box shows the same, but keeps the tabs and line breaks that lay it out.
  QString shown;
  errors::SetReporter([&](const QString& m) { shown = m; });
  errors::RunCommand(nullptr, [] { throw EKedrinError(std::string("Class \x1b]2;x\x07\xff not found\r\n\tnext")); });
  EXPECT_EQ(shown.toStdString(), "Class #27]2;x#7#255 not found\r\n\tnext");
  errors::ShowError(nullptr, QStringLiteral("a\tb\nc\x1b\x7f"));
  errors::SetReporter(nullptr);
  EXPECT_EQ(shown.toStdString(), "a\tb\nc#27#127");
}

}  // namespace
