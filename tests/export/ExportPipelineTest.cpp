#include <gtest/gtest.h>

#include <QFile>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <regex>

#include "DiagramFile.h"
#include "DiagramPicture.h"
#include "Errors.h"
#include "ExportPicture.h"
#include "PictureClipboard.h"
#include "FigureSamples.h"
#include "TestSupport.h"

namespace {

using namespace exporting;

std::string RunProgram(const QString& program, const QStringList& arguments, int* status = nullptr) {
  QProcess p;
  p.start(program, arguments);
  if (!p.waitForFinished(60000)) return "did not finish";
  if (status) *status = p.exitCode();
  return p.readAllStandardOutput().toStdString() + p.readAllStandardError().toStdString();
}

// The nine classes, each styled apart, in a diagram file as well as in memory.
class ExportPipeline : public ::testing::Test {
 protected:
  void SetUp() override {
    figures_ = NineStyledFigures();
    all_ = Raw(figures_);
    std::vector<const Persistent*> records(all_.begin(), all_.end());
    diagramfile::Write(Path("nine.kdl"), records);
  }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QString Export(ExportOptions o, const QString& name, std::span<const TCustomKDTool* const> selected = {}) {
    WriteExport(PlanExport(all_, selected, o), o.format, Path(name));
    return Path(name);
  }
  QTemporaryDir dir_;
  std::vector<std::unique_ptr<TCustomKDTool>> figures_;
  std::vector<const TCustomKDTool*> all_;
};

// The nine figures lie within (20, 30) to (558, 366).
const QRect kNineBox(20, 30, 538, 336);

TEST_F(ExportPipeline, RasterFormatsAreKdltoolsPicturesOfTheSameFile) {
  // The whole diagram is cropped to its figures, as kdltool crops when told to.
  const QImage editors = BuildDiagramPicture(nullptr, QSize(684, 449), all_).copy(kNineBox);
  for (Format format : {Format::Png, Format::Bmp, Format::Jpeg}) {
    const QString ext = ExtensionOf(format);
    const QString ours = Export({.format = format}, "dialog" + ext);
    int status = -1;
    const std::string output =
        RunProgram(KDLTOOL_BIN, {"export", "--crop", "--margin", "0", Path("nine.kdl"), Path("tool" + ext)}, &status);
    ASSERT_EQ(status, 0) << output;
    const QImage mine(ours), tools(Path("tool" + ext));
    ASSERT_EQ(mine.size(), kNineBox.size()) << ext.toStdString();
    EXPECT_EQ(mine.convertToFormat(QImage::Format_RGB32), tools.convertToFormat(QImage::Format_RGB32)) << ext.toStdString();
    if (format != Format::Jpeg) {
      EXPECT_EQ(mine.convertToFormat(QImage::Format_RGB32), editors) << ext.toStdString();
    }
  }
  EXPECT_EQ(testsupport::ReadFile(Path("dialog.jpg")), testsupport::ReadFile(Path("tool.jpg")));
}

// Pixels of `a` that no pixel of `b` within one pixel comes close to.
double FarPixels(const QImage& a, const QImage& b) {
  int far = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      bool near = false;
      for (int dy = -1; dy <= 1 && !near; ++dy)
        for (int dx = -1; dx <= 1 && !near; ++dx) {
          if (!b.valid(x + dx, y + dy)) continue;
          const QRgb p = a.pixel(x, y), q = b.pixel(x + dx, y + dy);
          near = std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) < 120;
        }
      far += !near;
    }
  return static_cast<double>(far) / (a.width() * a.height());
}

TEST_F(ExportPipeline, SvgIsPathsAndTextThatRenderTheSamePixels) {
  const QString svg = Export({.format = Format::Svg}, "d.svg");
  QFile file(svg);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  EXPECT_TRUE(text.contains(">Two<") && text.contains(">words<")) << "captions are searchable text";
  EXPECT_TRUE(text.contains("<text"));
  EXPECT_LT(text.count("<path") + text.count("<polyline") + text.count("<rect"), 200) << "no lines of single pixels";

  QSvgRenderer renderer(svg);
  ASSERT_TRUE(renderer.isValid());
  const QImage pixels = RenderPlan(PlanExport(all_, {}, {}));
  QImage drawn(pixels.size(), QImage::Format_RGB32);
  drawn.fill(Qt::white);
  {
    QPainter painter(&drawn);
    renderer.render(&painter);
  }
  drawn.save(testsupport::OutputPath("export-svg-rendered.png"));
  pixels.save(testsupport::OutputPath("export-svg-raster.png"));
  // Smoothed edges and unhinted glyphs move a few pixels: under half a percent here.
  EXPECT_LT(FarPixels(pixels, drawn), 0.008);
  EXPECT_LT(FarPixels(drawn, pixels), 0.008);
}

TEST_F(ExportPipeline, PdfIsOnePageOfThePicturesSizeWithItsText) {
  const QString pdf = Export({.format = Format::Pdf, .scalePercent = 50}, "d.pdf");
  const std::string info = RunProgram("pdfinfo", {pdf});
  EXPECT_TRUE(std::regex_search(info, std::regex("Pages: +1\n"))) << info;
  EXPECT_TRUE(std::regex_search(info, std::regex("Page size: +269 x 168 pts"))) << info;
  const std::string text = RunProgram("pdftotext", {pdf, "-"});
  EXPECT_EQ(text, "Two\nwords\n\n\f") << "the caption, line by line";
}

TEST_F(ExportPipeline, SelectionIsTheSelectedFiguresBoundingBox) {
  // Figures 2 (140, 100, 52 x 44) and 5 (320, 205, 55 x 50).
  const std::vector<const TCustomKDTool*> selected = {all_[5], all_[2]};
  EXPECT_EQ(ExportArea(all_, selected, Scope::Selection), QRect(140, 100, 235, 155));
  const PicturePlan plan = PlanExport(all_, selected, {.scope = Scope::Selection});
  EXPECT_EQ(plan.origin, QPoint(140, 100));
  EXPECT_EQ(plan.size, QSize(235, 155));
  ASSERT_EQ(plan.figures.size(), 2u);
  EXPECT_EQ(plan.figures[0], all_[2]) << "in stacking order";
  const QImage png(Export({.format = Format::Png, .scope = Scope::Selection}, "sel.png", selected));
  EXPECT_EQ(png.size(), QSize(235, 155));
  // The two figures alone, drawn where they stand, cut out at their box.
  PictureRequest alone;
  alone.size = QSize(684, 449);
  const QImage expected = RenderPicture(alone, plan.figures).copy(QRect(140, 100, 235, 155));
  EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32), expected);
  try {
    PlanExport(all_, {}, {.scope = Scope::Selection});
    FAIL() << "exported an empty selection";
  } catch (const EKedrinError& e) {
    EXPECT_STREQ(e.what(), "There is no selected figure to export");
  }
}

TEST_F(ExportPipeline, ScaleSizesThePicture) {
  struct Case {
    int percent;
    QSize size;
  };
  // 538 x 336 times the scale, rounded up.
  for (Case c : {Case{25, QSize(135, 84)}, Case{50, QSize(269, 168)}, Case{150, QSize(807, 504)},
                 Case{400, QSize(2152, 1344)}}) {
    EXPECT_EQ(PlanExport(all_, {}, {.scalePercent = c.percent}).size, c.size) << c.percent;
    EXPECT_EQ(QImage(Export({.format = Format::Bmp, .scalePercent = c.percent}, "s.bmp")).size(), c.size);
  }
  for (int percent : {24, 401}) {
    try {
      PlanExport(all_, {}, {.scalePercent = percent});
      FAIL() << percent;
    } catch (const EKedrinError& e) {
      EXPECT_STREQ(e.what(), "The scale must be from 25 % to 400 %");
    }
  }
}

// The area grows by the margin on every side and the figures keep their places within it, in
// every format; at 200 % the margin doubles with everything else.
TEST_F(ExportPipeline, MarginSurroundsTheAreaInEveryFormat) {
  const std::vector<const TCustomKDTool*> selected = {all_[5], all_[2]};  // (140, 100) 235 x 155
  struct Case {
    Scope scope;
    int margin, percent;
    QPoint origin;
    QSize size;
  };
  for (const Case& c : {Case{Scope::WholeDiagram, 10, 100, {10, 20}, {558, 356}},
                        Case{Scope::WholeDiagram, 10, 200, {10, 20}, {1116, 712}},
                        Case{Scope::Selection, 7, 100, {133, 93}, {249, 169}},
                        Case{Scope::Selection, 0, 100, {140, 100}, {235, 155}}}) {
    SCOPED_TRACE(c.margin);
    const ExportOptions o{.scope = c.scope, .scalePercent = c.percent, .margin = c.margin};
    const PicturePlan plan = PlanExport(all_, selected, o);
    EXPECT_EQ(plan.origin, c.origin);
    EXPECT_EQ(plan.size, c.size);
    for (Format format : {Format::Png, Format::Bmp, Format::Jpeg})
      EXPECT_EQ(QImage(Export({.format = format, .scope = c.scope, .scalePercent = c.percent, .margin = c.margin},
                              "m" + ExtensionOf(format), selected))
                    .size(),
                c.size);
    EXPECT_EQ(QSvgRenderer(Export({.format = Format::Svg, .scope = c.scope, .scalePercent = c.percent, .margin = c.margin}, "m.svg", selected)).viewBox().size(),
              c.size);
    const std::string info = RunProgram("pdfinfo", {Export({.format = Format::Pdf, .scope = c.scope, .scalePercent = c.percent, .margin = c.margin}, "m.pdf", selected)});
    EXPECT_NE(info.find(QStringLiteral("Page size:       %1 x %2 pts").arg(c.size.width()).arg(c.size.height()).toStdString()), std::string::npos) << info;
  }
  // Figure 0's fill at (45, 50) on the canvas lies 10 pixels further in from the box's corner.
  const QImage png(Export({.format = Format::Png, .margin = 10}, "fill.png"));
  EXPECT_EQ(png.pixel(35, 30), qRgb(250, 200, 100));
  EXPECT_EQ(png.pixel(2, 2), qRgb(255, 255, 255));
  try {
    PlanExport(all_, {}, {.margin = -1});
    FAIL() << "a negative margin";
  } catch (const EKedrinError& e) {
    EXPECT_STREQ(e.what(), "The margin must be 0 or more");
  }
}

TEST_F(ExportPipeline, TransparentBackgroundOnlyForPng) {
  const QImage png(Export({.format = Format::Png, .transparent = true}, "t.png"));
  ASSERT_TRUE(png.hasAlphaChannel());
  // The top right and bottom left corners of the figures' box hold no figure.
  EXPECT_EQ(qAlpha(png.pixel(537, 0)), 0);
  EXPECT_EQ(qAlpha(png.pixel(0, 335)), 0);
  // Figure 0's fill, well inside it, at (45, 50) on the canvas.
  EXPECT_EQ(png.pixel(25, 20), qRgb(250, 200, 100));
  const QImage bmp(Export({.format = Format::Bmp, .transparent = true}, "t.bmp"));
  EXPECT_EQ(bmp.pixel(537, 0), qRgb(255, 255, 255));
}

TEST_F(ExportPipeline, PictureForTheClipboardIsTheSelectionOrTheWhole) {
  const std::vector<const TCustomKDTool*> selected = {all_[2]};  // 52 x 44
  for (const auto& [chosen, size] : {std::pair{std::vector<const TCustomKDTool*>{}, kNineBox.size()},
                                     std::pair{selected, QSize(52, 44)}}) {
    std::unique_ptr<QMimeData> data(PictureMimeData(all_, chosen));
    QImage png;
    ASSERT_TRUE(png.loadFromData(data->data("image/png"), "png"));
    EXPECT_EQ(png.size(), size);
    QSvgRenderer svg(data->data("image/svg+xml"));
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(QPoint(0, 0), size));
    EXPECT_EQ(qvariant_cast<QImage>(data->imageData()).size(), size);
  }
}

// Export takes figures only; drawing them changes none of their stored properties.
TEST_F(ExportPipeline, ExportLeavesTheFiguresAsTheyWere) {
  const auto before = Records(all_);
  for (Format format : kAllFormats) Export({.format = format, .scalePercent = 200}, "x" + ExtensionOf(format));
  EXPECT_EQ(Records(all_), before);
}

}  // namespace
