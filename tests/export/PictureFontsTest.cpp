// The fonts of exported pictures: SVG and PDF name the family that is drawn (a stored face such as
// "MS Sans Serif" is on no Linux machine), with the generic family after it in SVG; the stored name
// stays; emoji are drawn from the colour emoji font.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

#include "ExportPicture.h"
#include "KDTools.h"
#include "SvgFonts.h"

namespace {

using namespace exporting;

std::unique_ptr<TCustomKDTool> Label(const std::string& caption, const std::string& face) {
  auto label = std::make_unique<TKDLabel>();
  label->ApplyBounds(10, 10, 200, 40);
  label->SetCaption(caption);
  TFontDesc font;
  font.name = face;
  font.height = -16;
  label->SetFont(font);
  return label;
}

std::string ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

std::string RunProgram(const QString& program, const QStringList& arguments) {
  QProcess p;
  p.start(program, arguments);
  return p.waitForFinished(60000) ? p.readAllStandardOutput().toStdString() : std::string();
}

TEST(PictureFonts, VectorFilesNameTheFamilyDrawn) {
  struct Case {
    const char* stored;
    const char* svg;  // the font-family attribute
    const char* pdf;  // the font pdffonts lists
  };
  // On Debian with the project's fonts, fontconfig draws a face it lacks in DejaVu Sans.
  const Case cases[] = {
      {"MS Sans Serif", "font-family=\"DejaVu Sans, sans-serif\"", "DejaVuSans "},
      {"DejaVu Sans Mono", "font-family=\"DejaVu Sans Mono, monospace\"", "DejaVuSansMono "},
      {"WenQuanYi Micro Hei", "font-family=\"WenQuanYi Micro Hei, sans-serif\"", "WenQuanYiMicroHei "},
  };
  QTemporaryDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stored);
    const std::unique_ptr<TCustomKDTool> label = Label("Hello", c.stored);
    const std::vector<const TCustomKDTool*> all{label.get()};
    const QString svg = dir.filePath("f.svg"), pdf = dir.filePath("f.pdf");
    WriteExport(PlanExport(all, {}, {.format = Format::Svg}), Format::Svg, svg);
    WriteExport(PlanExport(all, {}, {.format = Format::Pdf}), Format::Pdf, pdf);
    const std::string text = ReadAll(svg);
    EXPECT_NE(text.find(c.svg), std::string::npos) << text;
    EXPECT_EQ(text.find("MS Sans Serif"), std::string::npos);
    const std::string fonts = RunProgram("pdffonts", {pdf});
    EXPECT_NE(fonts.find(c.pdf), std::string::npos) << fonts;
    EXPECT_EQ(label->Font().name, c.stored) << "the stored name stays";
  }
}

TEST(SvgFonts, EveryFamilyGetsItsGenericFamily) {
  struct Case {
    const char* svg;
    const char* named;
  };
  const Case cases[] = {
      {"<g font-family=\"DejaVu Sans\" font-size=\"11\">", "<g font-family=\"DejaVu Sans, sans-serif\" font-size=\"11\">"},
      {"<g font-family=\"Mono\"/><g font-family=\"Hei\"/>",
       "<g font-family=\"Mono, monospace\"/><g font-family=\"Hei, sans-serif\"/>"},
      {"<g font-family=\"Font 2000\"/>", "<g font-family=\"'Font 2000', sans-serif\"/>"},  // not CSS unquoted
      {"<text>font-family</text>", "<text>font-family</text>"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(svgfonts::WithGenericFamilies(c.svg, [](const QString& f) { return f == "Mono"; }).toStdString(), c.named);
}

// Green pixels: the colour emoji U+2705 (a green box with a white tick). Without an emoji font
// the character is an empty box or nothing.
int GreenPixels(const QImage& picture) {
  int green = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x) {
      const QRgb p = picture.pixel(x, y);
      green += qGreen(p) > qRed(p) + 40 && qGreen(p) > qBlue(p) + 80;  // Noto's is #7CB342
    }
  return green;
}

TEST(PictureFonts, EmojiAreDrawnInColour) {
  for (const bool smooth : {false, true}) {
    const std::unique_ptr<TCustomKDTool> label = Label("Done \xE2\x9C\x85", "MS Sans Serif");
    const std::vector<const TCustomKDTool*> all{label.get()};
    const QImage picture = RenderPlan(PlanExport(all, {}, {.smooth = smooth}));
    EXPECT_GT(GreenPixels(picture), 40) << (smooth ? "smooth" : "exact");
  }
}

}  // namespace
