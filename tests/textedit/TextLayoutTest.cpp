#include <gtest/gtest.h>

#include <QFontInfo>
#include <QImage>
#include <QPainter>

#include "Canvas.h"
#include "QtConvert.h"
#include "TextLayout.h"

namespace {

using textlayout::Measure;

// DejaVu Sans Mono at 11 pixels: every character 1233/2048 of the size wide, 6.62 pixels; lines 13
// high (ascent 10, descent 3).
TFontDesc Mono() {
  TFontDesc f;
  f.name = "DejaVu Sans Mono";
  f.height = -11;
  f.color = clBlack;
  return f;
}

TEST(TextLayout, TheFontIsThere) {
  ASSERT_EQ(QFontInfo(ToQFont(Mono())).family(), QStringLiteral("DejaVu Sans Mono")) << "fonts-dejavu-core missing";
}

struct MeasureCase {
  const char* name;
  const char* text;
  int width;
  int lines, lineWidth;
};
void PrintTo(const MeasureCase& c, std::ostream* os) { *os << c.name; }

class Measures : public testing::TestWithParam<MeasureCase> {};

TEST_P(Measures, AsTheCanvasBreaksLines) {
  const MeasureCase& c = GetParam();
  const textlayout::TextSize size = Measure(QString::fromUtf8(c.text), Mono(), c.width);
  EXPECT_EQ(size.lines, c.lines);
  EXPECT_EQ(size.width, c.lineWidth);
  EXPECT_EQ(size.height, 13 * c.lines);
}

// Widths: n characters are 6.62 n pixels, rounded up.
INSTANTIATE_TEST_SUITE_P(
    Table, Measures,
    testing::Values(MeasureCase{"OneLine", "abc abc abc", 80, 1, 73},    // 11 characters, 72.8
                    MeasureCase{"TwoLines", "abc abc abc", 50, 2, 47},   // "abc abc " fits in 50, 46.4
                    MeasureCase{"ThreeLines", "abc abc abc", 40, 3, 20},  // one word a line, 19.9
                    MeasureCase{"LongWordStaysWhole", "abcdefghijkl", 30, 1, 80},  // 79.5
                    MeasureCase{"LineBreaks", "ab\r\ncd\ne", 100, 3, 14},
                    MeasureCase{"EmptyLineCounts", "ab\r\n\r\ncd", 100, 3, 14},
                    MeasureCase{"Empty", "", 100, 0, 0}),
    [](const testing::TestParamInfo<MeasureCase>& i) { return std::string(i.param.name); });

// The lines measured are the lines drawn: the lowest ink of each text lies in its last line, the
// ink across no wider than the widest line, centred in the box.
TEST(TextLayout, MeasuresWhatTheCanvasDraws) {
  for (const auto& [text, width] : {std::pair{"abc abc abc", 40}, std::pair{"abc abc abc", 50}, std::pair{"Ag\r\nyp\r\nqj", 60}}) {
    const textlayout::TextSize size = Measure(QString::fromUtf8(text), Mono(), width);
    QImage picture(width, 100, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    Canvas canvas(&painter);
    canvas.Font = Mono();
    canvas.Brush.Style = bsClear;
    canvas.DrawText(QString::fromUtf8(text), 0, 0, width, 100, DT_CENTER | DT_WORDBREAK);
    painter.end();
    int lowest = -1, left = width, right = -1;
    for (int y = 0; y < picture.height(); ++y)
      for (int x = 0; x < width; ++x)
        if (picture.pixel(x, y) != qRgb(255, 255, 255)) {
          lowest = y;
          left = std::min(left, x);
          right = std::max(right, x);
        }
    EXPECT_GE(lowest, size.height - size.lineHeight) << text << " in " << width;
    EXPECT_LT(lowest, size.height) << text << " in " << width;
    EXPECT_GE(left, (width - size.width) / 2) << text << " in " << width;
    EXPECT_LT(right, (width - size.width) / 2 + size.width) << text << " in " << width;
  }
}

TEST(TextLayout, CaptionsAndEditorTexts) {
  EXPECT_EQ(textlayout::CaptionOf(QStringLiteral("ab\ncd")), "ab\r\ncd");
  EXPECT_EQ(textlayout::CaptionOf(QStringLiteral("ab\n\n")), "ab");
  EXPECT_EQ(textlayout::CaptionOf(QString::fromUtf16(u"ab\u2029cd")), "ab\r\ncd");
  EXPECT_EQ(textlayout::CaptionOf(QStringLiteral(" \n \n")), "");
  EXPECT_EQ(textlayout::CaptionOf(QStringLiteral("  a ")), "  a ");
  EXPECT_EQ(textlayout::CaptionOf(QString::fromUtf8("报销")), "报销");
  EXPECT_EQ(textlayout::EditorText("ab\r\ncd\ref\ngh"), QStringLiteral("ab\ncd\nef\ngh"));
}

}  // namespace
