#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <array>
#include <csignal>
#include <sys/resource.h>
#include <functional>
#include <optional>

#include "DiagramPicture.h"
#include "DiagramPrinter.h"
#include "DocumentTestSupport.h"
#include "Errors.h"
#include "FileNames.h"
#include "KDTools.h"
#include "PictureFiles.h"
#include "PrintFit.h"
#include "TestSupport.h"

namespace {

std::vector<const TCustomKDTool*> Raw(std::initializer_list<const TCustomKDTool*> list) { return list; }

// A solid red box with a one-pixel black border at (100, 50), 80 x 60.
void MakeRedBox(TKDRectangle& box) {
  box.ApplyBounds(100, 50, 80, 60);
  box.SetLineWidth(1);
  box.SetFillColor(clRed);
}

bool Near(QRgb a, QRgb b, int tolerance) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

TEST(DiagramPicture, WithoutCanvasPictureIsWhiteAtTheCanvasSize) {
  QImage p = BuildDiagramPicture(nullptr, QSize(684, 449), {});
  ASSERT_EQ(p.size(), QSize(684, 449));
  for (QPoint pt : {QPoint(0, 0), QPoint(683, 448), QPoint(300, 200)}) EXPECT_EQ(p.pixel(pt), qRgb(255, 255, 255));
}

TEST(DiagramPicture, FiguresAreDrawnAtTheirPositionsInFigureOrder) {
  TKDRectangle below, above;
  MakeRedBox(below);
  above.ApplyBounds(150, 80, 60, 60);
  above.SetFillColor(clBlue);
  QImage p = BuildDiagramPicture(nullptr, QSize(684, 449), Raw({&below, &above}));
  EXPECT_EQ(p.pixel(120, 70), qRgb(255, 0, 0));
  EXPECT_EQ(p.pixel(100, 50), qRgb(0, 0, 0)) << "border at the figure's corner";
  EXPECT_EQ(p.pixel(99, 49), qRgb(255, 255, 255));
  EXPECT_EQ(p.pixel(170, 100), qRgb(0, 0, 255)) << "the later figure lies above";
}

TEST(DiagramPicture, StartsFromACopyOfTheCanvasPictureAndGrowsToHoldEveryFigure) {
  QImage canvas(300, 200, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  canvas.setPixel(5, 5, qRgb(0, 255, 0));
  TKDRectangle box;
  box.ApplyBounds(250, 150, 200, 200);
  box.SetFillColor(clRed);
  QImage p = BuildDiagramPicture(&canvas, QSize(684, 449), Raw({&box}));
  // The canvas picture's size, not the canvas control's, grown to the figure's right and bottom.
  EXPECT_EQ(p.size(), QSize(450, 350));
  EXPECT_EQ(p.pixel(5, 5), qRgb(0, 255, 0));
  EXPECT_EQ(p.pixel(299, 199), qRgb(255, 0, 0));
  EXPECT_EQ(p.pixel(400, 300), qRgb(255, 0, 0)) << "the part beyond the canvas picture is drawn too";
  EXPECT_EQ(p.pixel(310, 100), qRgb(255, 255, 255)) << "new room is white";
  EXPECT_EQ(canvas.pixel(299, 199), qRgb(255, 255, 255)) << "the canvas picture itself is untouched";
}

TEST(DiagramPicture, CanvasTooLargeForMemoryIsReportedNotDrawn) {
  try {
    // Rows longer than Qt allows: refused before anything is allocated, also under sanitizers.
    BuildDiagramPicture(nullptr, QSize(600'000'000, 10), {});
    FAIL() << "no error";
  } catch (const EKedrinError& e) {
    EXPECT_STREQ(e.what(), "Not enough memory for a picture of 600000000 x 10 pixels");
  }
}

class PictureFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    MakeRedBox(box_);
    picture_ = BuildDiagramPicture(nullptr, QSize(684, 449), Raw({&box_}));
  }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QTemporaryDir dir_;
  TKDRectangle box_;
  QImage picture_;
};

TEST_F(PictureFiles, BitmapDecodesToTheSamePixels) {
  picturefiles::WriteBmp(picture_, Path("d.bmp"));
  std::vector<uint8_t> bytes = testsupport::ReadFile(Path("d.bmp"));
  ASSERT_GT(bytes.size(), 54u);
  EXPECT_EQ(bytes[0], 'B');
  EXPECT_EQ(bytes[1], 'M');
  QImage back(Path("d.bmp"), "bmp");
  ASSERT_EQ(back.size(), QSize(684, 449));
  EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture_);
}

// The JPEG's segments, from the start-of-image marker to the start of the scan.
struct Segment {
  uint8_t marker;
  std::vector<uint8_t> body;
};
std::vector<Segment> Segments(const std::vector<uint8_t>& jpeg) {
  std::vector<Segment> out;
  size_t i = 2;
  while (i + 4 <= jpeg.size() && jpeg[i] == 0xFF) {
    const uint8_t marker = jpeg[i + 1];
    const size_t len = size_t{jpeg[i + 2]} << 8 | jpeg[i + 3];
    out.push_back({marker, std::vector<uint8_t>(jpeg.begin() + static_cast<ptrdiff_t>(i + 4),
                                                jpeg.begin() + static_cast<ptrdiff_t>(i + 2 + len))});
    if (marker == 0xDA) break;
    i += 2 + len;
  }
  return out;
}

// The example tables of the JPEG standard (natural order), which libjpeg scales by quality.
constexpr std::array<int, 64> kLuminance = {
    16, 11, 10, 16, 24,  40,  51,  61,  12, 12, 14, 19, 26,  58,  60,  55,
    14, 13, 16, 24, 40,  57,  69,  56,  14, 17, 22, 29, 51,  87,  80,  62,
    18, 22, 37, 56, 68,  109, 103, 77,  24, 35, 55, 64, 81,  104, 113, 92,
    49, 64, 78, 87, 103, 121, 120, 101, 72, 92, 95, 98, 112, 100, 103, 99};
constexpr std::array<int, 64> kChrominance = {
    17, 18, 24, 47, 99, 99, 99, 99, 18, 21, 26, 66, 99, 99, 99, 99, 24, 26, 56, 99, 99, 99,
    99, 99, 47, 66, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99,
    99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99, 99};
constexpr std::array<int, 64> kZigZag = {
    0,  1,  8,  16, 9,  2,  3,  10, 17, 24, 32, 25, 18, 11, 4,  5,  12, 19, 26, 33, 40, 48,
    41, 34, 27, 20, 13, 6,  7,  14, 21, 28, 35, 42, 49, 56, 57, 50, 43, 36, 29, 22, 15, 23,
    30, 37, 44, 51, 58, 59, 52, 45, 38, 31, 39, 46, 53, 60, 61, 54, 47, 55, 62, 63};

std::vector<uint8_t> Quality90InFileOrder(const std::array<int, 64>& natural) {
  std::vector<uint8_t> out;
  for (int k = 0; k < 64; ++k) out.push_back(static_cast<uint8_t>(std::clamp((natural[kZigZag[k]] * 20 + 50) / 100, 1, 255)));
  return out;
}

TEST_F(PictureFiles, JpegIsBaselineColourWithQuality90Tables) {
  picturefiles::WriteJpeg(picture_, Path("d.jpg"));
  std::vector<uint8_t> jpeg = testsupport::ReadFile(Path("d.jpg"));
  ASSERT_GT(jpeg.size(), 4u);
  EXPECT_EQ(jpeg[0], 0xFF);
  EXPECT_EQ(jpeg[1], 0xD8);

  std::map<int, std::vector<uint8_t>> tables;
  int sof0 = 0, otherSof = 0;
  for (const Segment& s : Segments(jpeg)) {
    if (s.marker == 0xDB) {
      for (size_t i = 0; i + 65 <= s.body.size(); i += 65) {
        ASSERT_EQ(s.body[i] >> 4, 0) << "8-bit tables";
        tables[s.body[i] & 15] = std::vector<uint8_t>(s.body.begin() + static_cast<ptrdiff_t>(i + 1),
                                                      s.body.begin() + static_cast<ptrdiff_t>(i + 65));
      }
    } else if (s.marker == 0xC0) {
      ++sof0;
      ASSERT_GE(s.body.size(), 6u);
      EXPECT_EQ(s.body[0], 8);
      EXPECT_EQ(s.body[1] << 8 | s.body[2], 449);
      EXPECT_EQ(s.body[3] << 8 | s.body[4], 684);
      EXPECT_EQ(s.body[5], 3) << "three components";
    } else if (s.marker >= 0xC1 && s.marker <= 0xCF && s.marker != 0xC4 && s.marker != 0xC8 && s.marker != 0xCC) {
      ++otherSof;
    }
  }
  EXPECT_EQ(sof0, 1) << "baseline";
  EXPECT_EQ(otherSof, 0) << "not progressive, not extended";
  EXPECT_EQ(tables[0], Quality90InFileOrder(kLuminance));
  EXPECT_EQ(tables[1], Quality90InFileOrder(kChrominance));

  QImage back = QImage::fromData(QByteArray(reinterpret_cast<const char*>(jpeg.data()), static_cast<qsizetype>(jpeg.size())), "JPG");
  ASSERT_EQ(back.size(), QSize(684, 449));
  EXPECT_TRUE(Near(back.pixel(140, 80), qRgb(255, 0, 0), 12)) << std::hex << back.pixel(140, 80);
  EXPECT_TRUE(Near(back.pixel(400, 300), qRgb(255, 255, 255), 4));
}

TEST_F(PictureFiles, JpegOntoADeviceThatRefusesDataFailsCleanly) {
  QByteArray storage;
  QBuffer readOnly(&storage);
  ASSERT_TRUE(readOnly.open(QIODevice::ReadOnly));
  EXPECT_FALSE(picturefiles::EncodeJpeg(picture_, readOnly));
  // Nothing of the failed encoder lingers: the next picture encodes normally.
  QBuffer ok;
  ASSERT_TRUE(ok.open(QIODevice::WriteOnly));
  EXPECT_TRUE(picturefiles::EncodeJpeg(picture_, ok));
  EXPECT_GT(ok.size(), 100);
}

TEST_F(PictureFiles, UnwritablePlaceIsReportedForBothFormats) {
  QFile plain(Path("plain"));
  ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
  plain.close();
  for (const QString& name : {QStringLiteral("plain/x.bmp"), QStringLiteral("plain/x.jpg")}) {
    try {
      if (name.endsWith(".bmp")) picturefiles::WriteBmp(picture_, Path(name));
      else picturefiles::WriteJpeg(picture_, Path(name));
      ADD_FAILURE() << "no error for " << name.toStdString();
    } catch (const EKedrinError& e) {
      EXPECT_EQ(std::string(e.what()), ("Cannot create file " + Path(name)).toStdString());
    }
  }
}

struct ExtCase {
  const char* name;
  const char* ext;
};
class Extension : public ::testing::TestWithParam<ExtCase> {};
TEST_P(Extension, IsTheLastDottedPartOfTheLastPathComponent) {
  EXPECT_EQ(filenames::Extension(QString::fromUtf8(GetParam().name)), QString::fromUtf8(GetParam().ext));
}
INSTANTIATE_TEST_SUITE_P(Names, Extension,
                         ::testing::Values(ExtCase{"/a/b/flow.kdl", ".kdl"}, ExtCase{"flow.KDL", ".KDL"},
                                           ExtCase{"flow.tar.jpg", ".jpg"}, ExtCase{"/a.b/flow", ""},
                                           ExtCase{"flow.", "."}, ExtCase{"/x/.kdl", ".kdl"},
                                           ExtCase{"", ""}, ExtCase{"Noname.kdl", ".kdl"}));

class PrintingMain : public FakeMain {
 public:
  QPrinter* Printer() override { return &printer; }
  DiagramPrinter printer{QPrinter::HighResolution};
};

// The bounding box of the pixels the predicate picks.
QRect Where(const QImage& img, const std::function<bool(QRgb)>& pick) {
  QRect r;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (pick(img.pixel(x, y))) r = r.united(QRect(x, y, 1, 1));
  return r;
}

void ExpectNear(const QRect& got, const QRect& want) {
  EXPECT_LE(std::abs(got.left() - want.left()), 1) << got.left() << " vs " << want.left();
  EXPECT_LE(std::abs(got.top() - want.top()), 1) << got.top() << " vs " << want.top();
  EXPECT_LE(std::abs(got.right() - want.right()), 1) << got.right() << " vs " << want.right();
  EXPECT_LE(std::abs(got.bottom() - want.bottom()), 1) << got.bottom() << " vs " << want.bottom();
}

// A 200 x 100 canvas printed on a 440 x 340 point page with 20-point margins at 72 dots per inch:
// the printable area is 400 x 300, so the picture is enlarged to the width, twice its size, and
// lies at (20, 20) to (420, 220). The page read back by poppler at 72 dots per inch shows a red
// box from canvas (20, 10) to (60, 40) at page (60, 40) to (140, 100), and a blue disc from
// (120, 50) to (180, 90) at page (260, 120) to (380, 200).
TEST(DocumentPrint, FiguresLandWhereTheOnePageFitPutsThem) {
  QTemporaryDir dir;
  PrintingMain main;
  main.printer.setOutputFormat(QPrinter::PdfFormat);
  main.printer.setOutputFileName(dir.filePath("out.pdf"));
  main.printer.setResolution(72);
  main.printer.setPageLayout(QPageLayout(QPageSize(QSizeF(440, 340), QPageSize::Point, QString(), QPageSize::ExactMatch),
                                         QPageLayout::Portrait, QMarginsF(20, 20, 20, 20), QPageLayout::Point));
  auto* doc = new TwinKedrinFile(&main);
  doc->imgKedrin->PictureSizeSource = [] { return QSize(200, 100); };
  doc->imgKedrin->Picture();
  doc->SetModified(true);
  auto place = [&](TCustomKDTool* f, QRect r, TColor colour) {
    f->ApplyBounds(r.x(), r.y(), r.width(), r.height());
    f->SetLineColor(colour);
    f->SetFillColor(colour);
    f->SetLineWidth(1);
    f->SetParentControl(doc->Surface());
  };
  place(new TKDRectangle(doc), QRect(20, 10, 40, 30), clRed);
  place(new TKDEllipse(doc), QRect(120, 50, 60, 40), clBlue);
  doc->PrintDocument();
  EXPECT_TRUE(doc->Modified()) << "printing changes nothing";
  EXPECT_FALSE(main.printer.printerState() == QPrinter::Active) << "the job has ended";
  delete doc;

  QProcess info;
  info.start("pdfinfo", {dir.filePath("out.pdf")});
  ASSERT_TRUE(info.waitForFinished(30000));
  const QString facts = QString::fromUtf8(info.readAllStandardOutput());
  EXPECT_TRUE(facts.contains(QRegularExpression("Pages: +1\\n"))) << facts.toStdString();
  QProcess raster;
  raster.start("pdftoppm", {"-r", "72", "-png", "-singlefile", dir.filePath("out.pdf"), dir.filePath("page")});
  ASSERT_TRUE(raster.waitForFinished(30000));
  ASSERT_EQ(raster.exitCode(), 0) << raster.readAllStandardError().toStdString();
  const QImage page(dir.filePath("page.png"));
  ASSERT_EQ(page.size(), QSize(440, 340));
  ExpectNear(Where(page, [](QRgb p) { return qRed(p) > 160 && qGreen(p) < 90 && qBlue(p) < 90; }), QRect(60, 40, 80, 60));
  ExpectNear(Where(page, [](QRgb p) { return qBlue(p) > 160 && qRed(p) < 90 && qGreen(p) < 90; }), QRect(260, 120, 120, 80));
  // Nothing else is drawn: every pixel that is not white belongs to one of the two.
  ExpectNear(Where(page, [](QRgb p) { return qRed(p) < 200 || qGreen(p) < 200 || qBlue(p) < 200; }), QRect(60, 40, 320, 160));
}

// What poppler makes of a printed PDF file: pdfinfo's facts and the page at 72 dots per inch.
struct PopplerPage {
  QString facts;
  QImage page;
};
PopplerPage ReadBack(const QString& pdf) {
  PopplerPage out;
  QProcess info;
  info.start("pdfinfo", {pdf});
  if (!info.waitForFinished(30000)) return out;
  out.facts = QString::fromUtf8(info.readAllStandardOutput());
  QProcess raster;
  raster.start("pdftoppm", {"-r", "72", "-png", "-singlefile", pdf, pdf + "-page"});
  if (raster.waitForFinished(30000) && raster.exitCode() == 0) out.page = QImage(pdf + "-page.png");
  return out;
}

// Two 20 x 20 boxes in the corners of a 684 x 449 canvas, red at the top left and blue at the
// bottom right, so that the printed picture's extent shows on the page.
TwinKedrinFile* CornerBoxes(PrintingMain& main) {
  auto* doc = new TwinKedrinFile(&main);
  doc->imgKedrin->PictureSizeSource = [] { return QSize(684, 449); };
  doc->imgKedrin->Picture();
  for (auto [r, colour] : {std::pair{QRect(0, 0, 20, 20), clRed}, std::pair{QRect(664, 429, 20, 20), clBlue}}) {
    auto* f = new TKDRectangle(doc);
    f->ApplyBounds(r.x(), r.y(), r.width(), r.height());
    f->SetLineColor(colour);
    f->SetFillColor(colour);
    f->SetLineWidth(1);
    f->SetParentControl(doc->Surface());
  }
  return doc;
}

void UseA4(QPrinter& printer, const QString& file) {
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(file);
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(36, 36, 36, 36),
                                    QPageLayout::Point));
}

// A4 is 595.276 x 841.89 points. Turned, with 36-point margins, the printable area is 769.89 x
// 523.28; the 684 x 449 picture is 1.523 times as wide as high, wider than that area's 1.471,
// so it fills the width: from 36 to 805.9, and from 36 down to 36 + 449 x 769.89 / 684 = 541.4.
TEST(DocumentPrint, AWideDiagramIsPrintedLandscapeAcrossThePage) {
  QTemporaryDir dir;
  PrintingMain main;
  UseA4(main.printer, dir.filePath("wide.pdf"));
  TwinKedrinFile* doc = CornerBoxes(main);
  doc->PrintDocument();
  delete doc;
  const PopplerPage got = ReadBack(dir.filePath("wide.pdf"));
  const QRegularExpressionMatch size = QRegularExpression("Page size: +([\\d.]+) x ([\\d.]+)").match(got.facts);
  ASSERT_TRUE(size.hasMatch()) << got.facts.toStdString();
  EXPECT_NEAR(size.captured(1).toDouble(), 841.89, 0.5) << "landscape";
  EXPECT_NEAR(size.captured(2).toDouble(), 595.28, 0.5);
  ASSERT_EQ(got.page.size(), QSize(842, 595));
  const QRect red = Where(got.page, [](QRgb p) { return qRed(p) > 160 && qGreen(p) < 90 && qBlue(p) < 90; });
  const QRect blue = Where(got.page, [](QRgb p) { return qBlue(p) > 160 && qRed(p) < 90 && qGreen(p) < 90; });
  EXPECT_NEAR(red.left(), 36, 1);
  EXPECT_NEAR(red.top(), 36, 1);
  EXPECT_NEAR(blue.right() + 1, 806, 1.5) << "the picture reaches the right margin";
  EXPECT_NEAR(blue.bottom() + 1, 541.4, 1.5);
}

TEST(DiagramPrinter, TurnsForEachDiagramUntilTheUserTurnsIt) {
  const QSize wide(684, 449), tall(449, 684), square(500, 500);
  DiagramPrinter printer;
  auto turnedFor = [&](QSize picture) {
    TurnPageForPicture(printer, picture);
    return printer.pageLayout().orientation();
  };
  EXPECT_EQ(turnedFor(wide), QPageLayout::Landscape);
  EXPECT_EQ(turnedFor(square), QPageLayout::Landscape) << "a square picture leaves the page";
  EXPECT_EQ(turnedFor(tall), QPageLayout::Portrait);
  EXPECT_FALSE(printer.OrientationChosen());
  // The user turns the page in Print Setup: their choice stands for every diagram.
  printer.setPageOrientation(QPageLayout::Landscape);
  EXPECT_TRUE(printer.OrientationChosen());
  EXPECT_EQ(turnedFor(tall), QPageLayout::Landscape);
  // Turned back to the way printing left it, the page follows the diagrams again.
  printer.setPageOrientation(QPageLayout::Portrait);
  EXPECT_EQ(turnedFor(wide), QPageLayout::Landscape);
  printer.setPageOrientation(QPageLayout::Portrait);
  EXPECT_EQ(turnedFor(wide), QPageLayout::Portrait) << "portrait chosen for a wide diagram";

  QPrinter plain;
  TurnPageForPicture(plain, wide);
  EXPECT_EQ(plain.pageLayout().orientation(), QPageLayout::Portrait) << "another printer is left as set up";
}

// Keeps files this process writes below a size for as long as it lives, as a full disk would.
struct FileSizeLimit {
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &old);
    previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = old;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
  }
  rlimit old{};
  void (*previous)(int) = nullptr;
};

TEST(DocumentPrint, APdfFileThatCannotBeWrittenWholeKeepsTheOldOneAndSaysWhy) {
  struct Case {
    const char* name;
    const char* file;
    rlim_t limit;  // 0: none
    const char* reason;
  };
  const Case cases[] = {
      {"disk full", "old.pdf", 600, "File too large"},
      {"no such folder", "missing/new.pdf", 0, "No such file or directory"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QTemporaryDir dir;
    const QString file = dir.filePath(c.file);
    {
      QFile old(file);
      if (old.open(QIODevice::WriteOnly)) old.write("old");
    }
    PrintingMain main;
    UseA4(main.printer, file);
    TwinKedrinFile* doc = CornerBoxes(main);
    std::string message;
    {
      std::optional<FileSizeLimit> full;
      if (c.limit) full.emplace(c.limit);
      try {
        doc->PrintDocument();
      } catch (const EKedrinError& e) {
        message = e.what();
      }
    }
    delete doc;
    EXPECT_EQ(message, "Cannot write file " + file.toStdString() + ": " + c.reason);
    if (c.limit) {
      EXPECT_EQ(testsupport::ReadFile(file), std::vector<uint8_t>({'o', 'l', 'd'}));
    } else {
      EXPECT_FALSE(QFile::exists(file));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), c.limit ? QStringList{"old.pdf"} : QStringList{})
        << "no temporary file left behind";
  }
  // Without the limit the same page is written whole.
  QTemporaryDir dir;
  PrintingMain main;
  UseA4(main.printer, dir.filePath("whole.pdf"));
  TwinKedrinFile* doc = CornerBoxes(main);
  doc->PrintDocument();
  delete doc;
  EXPECT_GT(QFileInfo(dir.filePath("whole.pdf")).size(), 600);
  EXPECT_TRUE(ReadBack(dir.filePath("whole.pdf")).facts.contains(QRegularExpression("Pages: +1\\n")));
}

TEST(PageTurning, FollowsThePicturesShape) {
  struct Case {
    QSize picture;
    QSizeF page;
    bool turns;
  };
  const Case cases[] = {
      {{684, 449}, {595.3, 841.9}, true},   // wide on portrait
      {{684, 449}, {841.9, 595.3}, false},  // wide on landscape
      {{449, 684}, {841.9, 595.3}, true},   // tall on landscape
      {{449, 684}, {595.3, 841.9}, false},  // tall on portrait
      {{500, 500}, {595.3, 841.9}, false},  // square picture
      {{684, 449}, {600, 600}, false},      // square page
      {{0, 0}, {595.3, 841.9}, false},      // no picture
      {{684, 449}, {0, 0}, false},          // no page
  };
  for (const Case& c : cases)
    EXPECT_EQ(PageWantsTurning(c.picture, c.page), c.turns)
        << c.picture.width() << "x" << c.picture.height() << " on " << c.page.width() << "x" << c.page.height();
}

struct FitCase {
  QSize picture, page, printed;
};
class PrintFit : public ::testing::TestWithParam<FitCase> {};
TEST_P(PrintFit, KeepsTheAspectAndTouchesTheLimitingEdge) {
  EXPECT_EQ(FitPictureToPage(GetParam().picture, GetParam().page), GetParam().printed);
}
INSTANTIATE_TEST_SUITE_P(
    Pages, PrintFit,
    ::testing::Values(FitCase{{684, 449}, {4800, 6600}, {4800, 3150}},  // enlarged to the width
                      FitCase{{684, 449}, {600, 800}, {600, 393}},      // reduced to the width
                      FitCase{{684, 449}, {4800, 3000}, {4570, 3000}},  // enlarged, then to the height
                      FitCase{{449, 684}, {4800, 6600}, {4332, 6600}},  // tall: enlarged to the height
                      FitCase{{500, 500}, {500, 500}, {500, 500}},      // exactly the page
                      FitCase{{0, 0}, {4800, 6600}, {0, 0}},            // empty picture: nothing
                      FitCase{{684, 449}, {0, 0}, {0, 0}}));            // no page: nothing

}  // namespace
