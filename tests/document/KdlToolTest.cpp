// kdltool run as a user runs it: a separate process without a display.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <csignal>
#include <cstring>
#include <functional>

#include "DiagramFile.h"
#include "DiagramPicture.h"
#include "FigureSamples.h"
#include "TestSupport.h"

namespace {

struct ToolRun {
  int status = -1;
  std::string out, err;
};

// `setUp` may change the process's environment and channels before it starts.
ToolRun KdlTool(const QStringList& arguments,
                const std::function<void(QProcess&, QProcessEnvironment&)>& setUp = {}) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.remove(QStringLiteral("QT_QPA_PLATFORM"));  // the tool must manage without a display
  env.remove(QStringLiteral("DISPLAY"));
  env.remove(QStringLiteral("WAYLAND_DISPLAY"));
  if (setUp) setUp(p, env);
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
  EXPECT_EQ(missing.err, ("Cannot open file " + Path("none.kdl") + ": No such file or directory\n").toStdString());
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

// Over a thousand figures piled up in stacking order, more than one read-ahead window of file: the
// picture is the editor's picture of the figures that were written, every one in its place.
TEST_F(KdlToolProcess, ExportOfAThousandFiguresIsTheEditorsPicture) {
  std::vector<std::unique_ptr<TCustomKDTool>> all;
  for (int k = 0; k < 140; ++k) {
    for (auto& f : NineStyledFigures()) {
      f->ApplyBounds(f->Left() + 7 * (k % 20), f->Top() + 5 * (k / 20), f->Width(), f->Height());
      all.push_back(std::move(f));
    }
  }
  std::vector<const Persistent*> records;
  for (const auto& f : all) records.push_back(f.get());
  diagramfile::Write(Path("pile.kdl"), records);
  ASSERT_GT(QFileInfo(Path("pile.kdl")).size(), 256 << 10);

  ToolRun check = KdlTool({"check", Path("pile.kdl")});
  EXPECT_EQ(check.out, "1260 figures\n") << check.err;
  ToolRun r = KdlTool({"export", Path("pile.kdl"), Path("pile.png")});
  ASSERT_EQ(r.status, 0) << r.err;
  // The first set ends at x = 558 and y = 366, the last one 133 pixels further right and 30
  // further down: the picture grows to 691 pixels wide and keeps the default canvas's 449 rows.
  const QImage expected = BuildDiagramPicture(nullptr, QSize(684, 449), Raw(all));
  const QImage png = QImage(Path("pile.png")).convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(png.size(), QSize(691, 449));
  EXPECT_EQ(png, expected);
}

// Where the sample's start mark (a lime disc around (320, 50)) lands at a scale, with a margin
// of canvas pixels before it.
bool StartMarkAt(const QImage& picture, double scale, int margin = 0) {
  const QRgb p = picture.pixel(static_cast<int>((320 + margin) * scale), static_cast<int>((50 + margin) * scale));
  return qRed(p) < 40 && qGreen(p) > 215 && qBlue(p) < 40;  // JPEG is near enough
}

ToolRun Poppler(const QString& program, const QStringList& arguments) {
  QProcess p;
  p.start(program, arguments);
  ToolRun r;
  if (!p.waitForFinished(60000)) return r;
  r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
  r.out = QString::fromUtf8(p.readAllStandardOutput()).toStdString();
  r.err = p.readAllStandardError().toStdString();
  return r;
}

struct SizeCase {
  const char* name;
  QStringList options;
  QSize size;
  double scale;  // of the drawing; --width and --height only cut or pad the picture
  int margin = 0;
};

class KdlToolPictureSize : public KdlToolProcess, public ::testing::WithParamInterface<SizeCase> {};

// The sample reaches 684 x 470: the canvas is 684 x 449 and its lowest figure ends at 470.
TEST_P(KdlToolPictureSize, IsExactlyWhatTheOptionsAskFor) {
  const SizeCase& c = GetParam();
  ToolRun r = KdlTool(QStringList{"export", Sample(), Path(c.name)} + c.options);
  ASSERT_EQ(r.status, 0) << r.err;
  const QImage picture(Path(c.name));
  EXPECT_EQ(picture.size(), c.size);
  EXPECT_TRUE(StartMarkAt(picture, c.scale, c.margin));
  if (c.margin) {
    EXPECT_EQ(picture.pixel(c.margin - 1, c.margin - 1) | 0xFF000000, 0xFFFFFFFF) << "the margin is white";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Options, KdlToolPictureSize,
    ::testing::Values(SizeCase{"plain.png", {}, {684, 470}, 1}, SizeCase{"plain.bmp", {}, {684, 470}, 1},
                      SizeCase{"plain.jpg", {}, {684, 470}, 1},
                      SizeCase{"double.png", {"--scale", "2"}, {1368, 940}, 2},
                      SizeCase{"half.PNG", {"--scale", "0.5"}, {342, 235}, 0.5},
                      SizeCase{"wide.png", {"--width", "900"}, {900, 470}, 1},
                      SizeCase{"low.bmp", {"--height", "300"}, {684, 300}, 1},
                      SizeCase{"both.png", {"--width", "500", "--height", "300"}, {500, 300}, 1},
                      SizeCase{"scaledWidth.png", {"--scale", "2", "--width", "1000"}, {1000, 940}, 2},
                      SizeCase{"margin.png", {"--margin", "10"}, {704, 490}, 1, 10},
                      SizeCase{"margin.jpg", {"--margin", "5"}, {694, 480}, 1, 5},
                      SizeCase{"marginDoubled.bmp", {"--scale", "2", "--margin", "10"}, {1408, 980}, 2, 10},
                      SizeCase{"noMargin.png", {"--margin", "0"}, {684, 470}, 1}),
    [](const auto& info) { return QString(info.param.name).replace('.', '_').toStdString(); });

// With a margin the picture is the one without it, moved in by the margin and framed in white.
TEST_F(KdlToolProcess, MarginFramesTheSamePicture) {
  for (const char* scale : {"1", "2"}) {
    SCOPED_TRACE(scale);
    ASSERT_EQ(KdlTool({"export", Sample(), Path("plain.png"), "--scale", scale}).status, 0);
    ASSERT_EQ(KdlTool({"export", Sample(), Path("framed.png"), "--scale", scale, "--margin", "10"}).status, 0);
    const QImage plain = QImage(Path("plain.png")).convertToFormat(QImage::Format_RGB32);
    const QImage framed = QImage(Path("framed.png")).convertToFormat(QImage::Format_RGB32);
    const int m = 10 * QString(scale).toInt();
    ASSERT_EQ(framed.size(), plain.size() + QSize(2 * m, 2 * m));
    EXPECT_EQ(framed.copy(QRect(QPoint(m, m), plain.size())), plain);
    QImage white(framed.size(), QImage::Format_RGB32);
    white.fill(Qt::white);
    QImage frame = framed;
    {
      QPainter p(&frame);
      p.fillRect(QRect(QPoint(m, m), plain.size()), Qt::white);
    }
    EXPECT_EQ(frame, white) << "nothing but white around it";
  }
}

// The SVG drawn back by Qt's SVG renderer shows what the PNG shows, apart from its anti-aliased
// edges; its view box is the picture.
TEST_F(KdlToolProcess, SvgRendersAsThePngWithinAntiAliasing) {
  for (const char* scale : {"1", "2"}) {
    SCOPED_TRACE(scale);
    ASSERT_EQ(KdlTool({"export", Sample(), Path("s.png"), "--scale", scale}).status, 0);
    ToolRun r = KdlTool({"export", Sample(), Path("s.svg"), "--scale", scale});
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage png = QImage(Path("s.png")).convertToFormat(QImage::Format_RGB32);
    const std::vector<uint8_t> bytes = testsupport::ReadFile(Path("s.svg"));
    const std::string svg(bytes.begin(), bytes.end());
    EXPECT_NE(svg.find(scale[0] == '1' ? "viewBox=\"0 0 684 470\"" : "viewBox=\"0 0 1368 940\""), std::string::npos);
    QImageReader reader(Path("s.svg"), "svg");
    reader.setScaledSize(png.size());
    QImage drawn(png.size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    {
      QPainter p(&drawn);
      p.drawImage(0, 0, reader.read());
    }
    // An anti-aliased pixel blends the colours around it: each channel of the drawn pixel must lie
    // within what the PNG holds within one pixel of it (and a little slack for the blending).
    int wrong = 0;
    QImage diff = png.copy();
    for (int y = 0; y < png.height(); ++y)
      for (int x = 0; x < png.width(); ++x) {
        int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
        for (int dy = -1; dy <= 1; ++dy)
          for (int dx = -1; dx <= 1; ++dx) {
            if (!png.valid(x + dx, y + dy)) continue;
            const QRgb p = png.pixel(x + dx, y + dy);
            const int c[3] = {qRed(p), qGreen(p), qBlue(p)};
            for (int i = 0; i < 3; ++i) lo[i] = std::min(lo[i], c[i]), hi[i] = std::max(hi[i], c[i]);
          }
        const QRgb d = drawn.pixel(x, y);
        const int c[3] = {qRed(d), qGreen(d), qBlue(d)};
        bool blend = true;
        for (int i = 0; i < 3; ++i) blend &= c[i] >= lo[i] - 24 && c[i] <= hi[i] + 24;
        wrong += !blend;
        if (!blend) diff.setPixel(x, y, qRgb(255, 0, 255));
      }
    // Glyphs are shaped a little differently (a few dozen pixels); a figure drawn wrongly or not
    // at all changes hundreds.
    EXPECT_LT(wrong, png.width() * png.height() / 2000) << "pixels unlike the PNG's";
    if (HasFailure()) diff.save(testsupport::OutputPath(QStringLiteral("svg-unlike-png-%1.png").arg(scale)));
    EXPECT_TRUE(StartMarkAt(drawn, scale[0] == '1' ? 1 : 2));
  }
}

// One page the size of the picture in points, the captions as text, the drawing where the PNG
// has it.
TEST_F(KdlToolProcess, PdfIsOnePageOfThePictureWithItsCaptionsAsText) {
  ToolRun r = KdlTool({"export", Sample(), Path("s.pdf"), "--scale", "2"});
  ASSERT_EQ(r.status, 0) << r.err;
  ToolRun info = Poppler("pdfinfo", {Path("s.pdf")});
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("Pages:           1\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("Page size:       1368 x 940 pts"), std::string::npos) << info.out;
  ToolRun text = Poppler("pdftotext", {Path("s.pdf"), "-"});
  ASSERT_EQ(text.status, 0) << text.err;
  EXPECT_NE(text.out.find("Ship order"), std::string::npos) << text.out;
  EXPECT_NE(text.out.find("\xE8\xAE\xA2\xE5\x8D\x95\xE6\xB5\x81\xE7\xA8\x8B"), std::string::npos) << text.out;
  ToolRun raster = Poppler("pdftoppm", {"-r", "72", "-png", "-singlefile", Path("s.pdf"), Path("page")});
  ASSERT_EQ(raster.status, 0) << raster.err;
  const QImage page(Path("page.png"));
  EXPECT_EQ(page.size(), QSize(1368, 940));
  EXPECT_TRUE(StartMarkAt(page, 2));
}

// The user's choice of platform stands: one that does not exist stops Qt, naming it.
TEST_F(KdlToolProcess, UsesThePlatformTheEnvironmentNames) {
  ToolRun r = KdlTool({"check", Sample()}, [](QProcess&, QProcessEnvironment& env) {
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("nosuchplatform"));
  });
  EXPECT_NE(r.status, 0);
  EXPECT_NE(r.err.find("\"nosuchplatform\""), std::string::npos) << r.err;
  EXPECT_EQ(r.out, "");
}

// Output that cannot be written is a failure, not a silent success.
TEST_F(KdlToolProcess, AnUnwritableStandardOutputFailsTheCommand) {
  ToolRun r = KdlTool({"check", Sample()}, [](QProcess& p, QProcessEnvironment&) {
    p.setStandardOutputFile(QStringLiteral("/dev/full"));
  });
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "kdltool: cannot write the standard output\n");
}

// A reader that went away is a failed write too: status 1, not death by SIGPIPE (141).
TEST_F(KdlToolProcess, AClosedPipeOnTheStandardOutputFailsTheCommand) {
  int channel[2];
  ASSERT_EQ(::pipe(channel), 0);
  ::close(channel[0]);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, channel[1], STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const QByteArray tool = QByteArrayLiteral(KEDRIN_BUILD_DIR "/src/tools/kdltool"), file = QFile::encodeName(Sample());
  char* argv[] = {const_cast<char*>(tool.constData()), const_cast<char*>("dump"), const_cast<char*>(file.constData()), nullptr};
  char platform[] = "QT_QPA_PLATFORM=offscreen";
  char* envp[] = {platform, nullptr};
  pid_t pid = 0;
  ASSERT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv, envp), 0);
  posix_spawn_file_actions_destroy(&actions);
  ::close(channel[1]);
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 1);
}

// The output on a disk that fills up: status 1 with the file and the reason, the old file kept.
TEST_F(KdlToolProcess, AFullDiskFailsTheCommandAndKeepsTheOldOutput) {
  for (const char* out : {"copy.kdl", "x.png", "x.svg", "x.bmp", "x.pdf"}) {
    SCOPED_TRACE(out);
    const QString target = Path(out);
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the old file");
    old.close();
    const QString command = QString(out).endsWith(".kdl") ? "rewrite" : "export";
    ToolRun r = KdlTool({command, Sample(), target}, [](QProcess& p, QProcessEnvironment&) {
      // No file of the tool can grow beyond 1000 bytes, as on a disk with 1000 bytes left.
      p.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
      });
    });
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Cannot write file " + target.toStdString() + ": File too large\n");
    const std::vector<uint8_t> kept = testsupport::ReadFile(target);
    EXPECT_EQ(std::string(kept.begin(), kept.end()), "the old file");
  }
}

TEST_F(KdlToolProcess, APipeIsRefusedWithoutWaitingForAWriter) {
  ASSERT_EQ(::mkfifo(QFile::encodeName(Path("pipe.kdl")).constData(), 0644), 0);
  for (const char* command : {"check", "dump"}) {
    ToolRun r = KdlTool({command, Path("pipe.kdl")});
    EXPECT_EQ(r.status, 1) << command;
    EXPECT_EQ(r.err, ("Cannot open file " + Path("pipe.kdl") + ": it is a pipe, not a regular file\n").toStdString());
  }
}

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
                      // Drawn smaller, with a warning, rather than refused.
                      BadUse{"HugeScale", {"export", "DIR/nine.kdl", "DIR/x.svg", "--scale", "60"}, 0, "too large; scaled down"},
                      BadUse{"BadNumber", {"export", "DIR/nine.kdl", "DIR/x.png", "--width", "wide"}, 2, "not a number"},
                      BadUse{"ZeroWidth", {"export", "DIR/nine.kdl", "DIR/x.png", "--width", "0"}, 1, "must be positive"},
                      BadUse{"ZeroHeight", {"export", "DIR/nine.kdl", "DIR/x.png", "--height", "0"}, 1, "must be positive"},
                      BadUse{"NegativeWidth", {"export", "DIR/nine.kdl", "DIR/x.png", "--width", "-5"}, 1, "must be positive"},
                      BadUse{"NegativeMargin", {"export", "DIR/nine.kdl", "DIR/x.png", "--margin", "-1"}, 1, "margin must be 0 or more"},
                      BadUse{"EndlessDevice", {"dump", "/dev/zero"}, 1, "/dev/zero: it is a device, not a regular file"},
                      BadUse{"Folder", {"check", "DIR"}, 1, ": it is a folder, not a regular file"},
                      BadUse{"RewriteToPicture", {"rewrite", "DIR/nine.kdl", "DIR/x.jpg"}, 2, "must end in .kdl"},
                      BadUse{"UnwritableOutput", {"export", "DIR/nine.kdl", "DIR/nine.kdl/x.jpg"}, 1, "Cannot create file"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
