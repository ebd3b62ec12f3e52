// Pixels of every figure class drawn into a picture, against values worked out by hand from each
// figure's box: the runs of pen, fill and canvas along a row or column, and single pixels where a
// shape must reach (rings, tips, corners) or must leave the canvas showing (rounded corners).
// Nothing here asks the geometry or drawing code what to expect.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <functional>
#include <memory>
#include <sstream>

#include "ControlCanvas.h"
#include "KDTools.h"

namespace {

const QRgb kCanvas = qRgb(192, 192, 192);
const QRgb kPen = qRgb(0, 0, 128);      // clNavy
const QRgb kFill = qRgb(250, 200, 100);
const QRgb kText = qRgb(128, 0, 0);     // clMaroon
// The figure's box lies here in the picture; not a multiple of the 8-pixel hatch.
const QPoint kAt(7, 5);

QImage DrawFigure(const TCustomKDTool& f) {
  QImage img(f.Width() + 2 * kAt.x() + 4, f.Height() + 2 * kAt.y() + 4, QImage::Format_RGB32);
  img.fill(kCanvas);
  QPainter painter(&img);
  Canvas canvas(&painter);
  f.DrawTo(canvas, kAt.x(), kAt.y());
  return img;
}

// p pen, f fill, t text, . canvas, ? anything else; (x, y) in the figure's coordinates.
char Kind(const QImage& img, int x, int y) {
  const QRgb p = img.pixel(kAt + QPoint(x, y));
  return p == kPen ? 'p' : p == kFill ? 'f' : p == kText ? 't' : p == kCanvas ? '.' : '?';
}

// "p1 f34 p1": kinds with the length of each run.
std::string Runs(const std::string& kinds) {
  std::ostringstream out;
  for (size_t i = 0; i < kinds.size();) {
    size_t j = i;
    while (j < kinds.size() && kinds[j] == kinds[i]) ++j;
    out << (i ? " " : "") << kinds[i] << j - i;
    i = j;
  }
  return out.str();
}

// A row or column from two pixels before the box to two pixels after its far edge.
std::string Row(const QImage& img, int y, int w) {
  std::string k;
  for (int x = -2; x < w + 2; ++x) k += Kind(img, x, y);
  return Runs(k);
}
std::string Column(const QImage& img, int x, int h) {
  std::string k;
  for (int y = -2; y < h + 2; ++y) k += Kind(img, x, y);
  return Runs(k);
}

template <typename T>
TCustomKDTool* Styled(T* f, int w, int h, int lineWidth = 1) {
  f->ApplyBounds(300, 200, w, h);  // DrawTo places it; the position must not matter
  f->SetLineColor(clNavy);
  f->SetFillColor(RGB(250, 200, 100));
  f->SetLineWidth(lineWidth);
  return f;
}
TKDLine* Line(TArrowDirection course) {
  auto* l = new TKDLine;
  l->SetOrientation(course);
  return l;
}

struct Scan {
  bool row;  // else a column
  int at;
  const char* runs;
};

struct ShapeCase {
  const char* name;
  std::function<TCustomKDTool*()> make;
  std::vector<Scan> scans;
  std::vector<QPoint> pen, canvas, fill;
};

// The four corners' mirror images of points near the top-left corner of a w x h box.
std::vector<QPoint> Corners(std::initializer_list<QPoint> nearTopLeft, int w, int h) {
  std::vector<QPoint> out;
  for (QPoint p : nearTopLeft)
    for (QPoint q : {p, QPoint(w - 1 - p.x(), p.y()), QPoint(p.x(), h - 1 - p.y()),
                     QPoint(w - 1 - p.x(), h - 1 - p.y())})
      out.push_back(q);
  return out;
}

std::vector<ShapeCase> ShapeCases() {
  return {
      // Circle (32, 2, 68, 38): pen on columns 32 and 67, rows 2 and 37.
      {"BeginWide", [] { return Styled(new TKDBegin, 100, 40); },
       {{true, 20, ".34 p1 f34 p1 .34"}, {false, 50, ".4 p1 f34 p1 .4"}}, {}, {}, {}},
      // Circle (2, 32, 38, 68).
      {"BeginTall", [] { return Styled(new TKDBegin, 40, 100); },
       {{true, 50, ".4 p1 f34 p1 .4"}, {false, 20, ".34 p1 f34 p1 .34"}}, {}, {}, {}},
      // Outer circle (2, 2, 48, 48), inner (5, 5, 45, 45): rings on 2, 5, 44 and 47.
      {"End", [] { return Styled(new TKDEnd, 50, 50); },
       {{true, 25, ".4 p1 f2 p1 f38 p1 f2 p1 .4"}, {false, 25, ".4 p1 f2 p1 f38 p1 f2 p1 .4"}}, {}, {}, {}},
      // RoundRect(0, 0, 120, 60, 60, 30): corner ellipses 30 x 15 pixels in radius, so the
      // straight edges run from 30 to 89 across and from 15 to 44 down. The corner curve centred
      // on (30, 15) meets row 0 near x = 22 and column 0 near y = 12; (k, k) up to k = 5, row 0
      // up to x = 14 and column 0 down to y = 7 lie outside it, clear of its pen.
      {"Process", [] { return Styled(new TKDProcess, 120, 60); },
       {{true, 30, ".2 p1 f118 p1 .2"}, {false, 60, ".2 p1 f58 p1 .2"}},
       Corners({{30, 0}, {45, 0}, {0, 15}, {0, 25}}, 120, 60),
       Corners({{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {8, 0}, {14, 0}, {0, 4}, {0, 7}}, 120, 60),
       Corners({{12, 6}, {4, 12}}, 120, 60)},
      // Ellipse(0, 0, 80, 50).
      {"Ellipse", [] { return Styled(new TKDEllipse, 80, 50); },
       {{true, 25, ".2 p1 f78 p1 .2"}, {false, 40, ".2 p1 f48 p1 .2"}}, {},
       Corners({{0, 0}, {3, 3}}, 80, 50), {}},
      // Rectangle(0, 0, 70, 40): the right and bottom edges are columns 69 and row 39.
      {"Rectangle", [] { return Styled(new TKDRectangle, 70, 40); },
       {{true, 20, ".2 p1 f68 p1 .2"}, {false, 35, ".2 p1 f38 p1 .2"}}, Corners({{0, 0}}, 70, 40),
       {{70, 20}, {35, 40}}, {{1, 1}, {68, 38}}},
      // Polygon (40, 0), (81, 20), (40, 41), (0, 20): every vertex is drawn, nothing beyond.
      {"Diamond", [] { return Styled(new TKDDiamond, 81, 41); },
       {{false, 40, ".2 p1 f40 p1 .1"}},
       {{40, 0}, {81, 20}, {40, 41}, {0, 20}},
       {{40, -1}, {82, 20}, {40, 42}, {-1, 20}, {20, 2}, {60, 2}, {20, 38}, {60, 38}, {2, 2}, {78, 38}},
       {{40, 20}, {5, 20}, {76, 20}}},
      // The line's end pixel is left out.
      {"LineAcross", [] { return Styled(Line(adTopToTop), 60, 4); },
       {{true, 2, ".2 p60 .2"}, {true, 1, ".64"}, {true, 3, ".64"}}, {}, {}, {}},
      {"LineDown", [] { return Styled(Line(adRightToRight), 4, 60); },
       {{false, 2, ".2 p60 .2"}, {false, 1, ".64"}, {false, 3, ".64"}}, {}, {}, {}},
      {"LineFalling", [] { return Styled(Line(adTopToBottom), 60, 20); }, {},
       {{0, 0}, {15, 5}, {30, 10}, {45, 15}}, {{60, 20}, {0, 19}, {59, 0}, {30, 5}}, {}},
      {"LineRising", [] { return Styled(Line(adBottomToTop), 60, 20); }, {},
       {{0, 20}, {15, 15}, {30, 10}, {45, 5}}, {{60, 0}, {0, 0}, {59, 19}, {30, 15}}, {}},
  };
}

class ShapePixels : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(ShapePixels, MatchTheBoxWorkedOutByHand) {
  std::unique_ptr<TCustomKDTool> figure(GetParam().make());
  const QImage img = DrawFigure(*figure);
  for (const Scan& s : GetParam().scans) {
    if (s.row) EXPECT_EQ(Row(img, s.at, figure->Width()), s.runs) << "row " << s.at;
    else EXPECT_EQ(Column(img, s.at, figure->Height()), s.runs) << "column " << s.at;
  }
  for (QPoint p : GetParam().pen) EXPECT_EQ(Kind(img, p.x(), p.y()), 'p') << p.x() << "," << p.y();
  for (QPoint p : GetParam().canvas) EXPECT_EQ(Kind(img, p.x(), p.y()), '.') << p.x() << "," << p.y();
  for (QPoint p : GetParam().fill) EXPECT_EQ(Kind(img, p.x(), p.y()), 'f') << p.x() << "," << p.y();
}

INSTANTIATE_TEST_SUITE_P(Figures, ShapePixels, ::testing::ValuesIn(ShapeCases()),
                         [](const ::testing::TestParamInfo<ShapeCase>& i) { return std::string(i.param.name); });

// Arrows with their own line width of 2. Heads worked out from the head formulas: Tw = rate x
// width, Lh = 2 Tw, R = sqrt(Tw^2 / 4 + Lh^2), corners at R from the tip, phi = atan(1/4) off the
// shaft. In the mask: a point on the shaft band and one beside it.
struct ArrowCase {
  const char* name;
  TArrowDirection direction;
  TArrowPosition position;
  int w, h;
  std::vector<QPoint> pen;   // tips, corners, shaft
  std::vector<QPoint> fill;  // inside a head, clear of its outline and of the shaft
  std::vector<QPoint> canvas;
  QPoint onBand, besideBand;
};

std::vector<ArrowCase> ArrowCases() {
  return {
      // Head at (100, 60), corners (71, 31) and (61, 48).
      {"Falling", adTopToBottom, apRight, 100, 60, {{100, 60}, {71, 31}, {61, 48}, {30, 18}, {1, 1}},
       {{77, 46}, {80, 48}}, {{80, 10}, {10, 50}, {0, 59}, {99, 0}}, {50, 30}, {50, 20}},
      // Dragged up to the right: head at (100, 0), corners (61, 12) and (71, 29).
      {"RisingHeadAtEnd", adBottomToTop, apRight, 100, 60, {{100, 0}, {61, 12}, {71, 29}, {50, 30}, {25, 45}},
       {{77, 14}, {80, 12}}, {{10, 10}, {90, 50}, {0, 0}, {99, 59}}, {25, 45}, {25, 30}},
      // Dragged down to the left: head at (0, 60), corners (39, 48) and (29, 31).
      {"RisingHeadAtStart", adBottomToTop, apLeft, 100, 60, {{0, 60}, {39, 48}, {29, 31}, {50, 30}, {75, 15}},
       {{23, 46}, {20, 48}}, {{10, 10}, {90, 50}, {0, 0}, {99, 59}}, {75, 15}, {75, 30}},
      // Across the middle (y = 15), heads at both ends: corners (40, 25), (40, 5), (60, 5), (60, 25).
      {"AcrossBothEnds", adTopToTop, apBoth, 100, 30, {{0, 15}, {40, 25}, {40, 5}, {100, 15}, {60, 5}, {60, 25}, {50, 15}},
       {{30, 19}, {30, 11}, {70, 19}, {70, 11}}, {{50, 5}, {50, 25}, {5, 5}, {95, 25}}, {50, 15}, {50, 10}},
      // Down the middle (x = 15), head at the top: corners (5, 40) and (25, 40).
      {"DownHeadAtTop", adRightToRight, apLeft, 30, 100, {{15, 0}, {5, 40}, {25, 40}, {15, 70}},
       {{19, 30}, {11, 30}}, {{5, 70}, {25, 70}, {5, 5}, {25, 99}}, {15, 70}, {20, 70}},
  };
}

class ArrowPixels : public ::testing::TestWithParam<ArrowCase> {};

TEST_P(ArrowPixels, HeadsAndShaftWhereTheFormulasPutThem) {
  const ArrowCase& c = GetParam();
  TControlCanvas host;
  auto* arrow = new TKDArrow(&host);
  arrow->SetArrowThicknessRate(10);
  arrow->SetArrowDirection(c.direction);
  arrow->SetArrowPosition(c.position);
  Styled(arrow, c.w, c.h, 2);
  arrow->SetParentControl(&host);
  const QImage img = DrawFigure(*arrow);
  for (QPoint p : c.pen) EXPECT_EQ(Kind(img, p.x(), p.y()), 'p') << p.x() << "," << p.y();
  for (QPoint p : c.fill) EXPECT_EQ(Kind(img, p.x(), p.y()), 'f') << p.x() << "," << p.y();
  for (QPoint p : c.canvas) EXPECT_EQ(Kind(img, p.x(), p.y()), '.') << p.x() << "," << p.y();
  EXPECT_TRUE(arrow->mask().contains(c.onBand));
  EXPECT_FALSE(arrow->mask().contains(c.besideBand));
  for (const QPoint& p : c.fill) EXPECT_TRUE(arrow->mask().contains(p)) << "head outside the outline";
}

INSTANTIATE_TEST_SUITE_P(FourCourses, ArrowPixels, ::testing::ValuesIn(ArrowCases()),
                         [](const ::testing::TestParamInfo<ArrowCase>& i) { return std::string(i.param.name); });

// "Two words" in DejaVu Sans of 12 pixels in a 40-pixel box: too narrow for both words, so two
// lines, each centred, the first at the top edge; the cells behind the glyphs are 14 pixels high
// and as wide as the words (23 and 36 pixels).
TEST(LabelPixels, CellsBehindCentredLinesFromTheTopAndNothingElse) {
  for (TBrushStyle style : {bsSolid, bsClear}) {
    TKDLabel label;
    Styled(&label, 40, 40);
    label.SetFillStyle(style);
    label.SetCaption("Two words");
    TFontDesc font;
    font.name = "DejaVu Sans";
    font.height = -12;
    font.color = clMaroon;
    label.SetFont(font);
    const QImage img = DrawFigure(label);
    const QRect cells[] = {QRect(8, 0, 23, 14), QRect(2, 14, 36, 14)};
    int text[2] = {0, 0};
    for (int y = -2; y < 42; ++y)
      for (int x = -2; x < 42; ++x) {
        const char k = Kind(img, x, y);
        int cell = cells[0].contains(x, y) ? 0 : cells[1].contains(x, y) ? 1 : -1;
        if (cell < 0) {
          EXPECT_EQ(k, '.') << x << "," << y << " outside the cells, brush " << int(style);
          continue;
        }
        text[cell] += k == 't';
        if (style == bsSolid) EXPECT_TRUE(k == 'f' || k == 't') << x << "," << y;
        else EXPECT_TRUE(k == '.' || k == 't') << x << "," << y;
      }
    EXPECT_GT(text[0], 20);
    EXPECT_GT(text[1], 30);
    // The cells' left and right columns carry fill with a solid brush.
    if (style == bsSolid) {
      EXPECT_EQ(Kind(img, 8, 1), 'f');
      EXPECT_EQ(Kind(img, 30, 1), 'f');
      EXPECT_EQ(Kind(img, 2, 27), 'f');
      EXPECT_EQ(Kind(img, 37, 27), 'f');
    }
  }
}

// Dashed lines at the two widths. A one-pixel pen uses the platform's dash lengths (18 on 6 off;
// 3 on 3 off; 9, 6, 3, 6; 9, 3, 3, 3, 3, 3), leaves out the end pixel and, with a solid brush,
// paints the gaps in the brush colour. A wider pen dashes in multiples of its width (4 on 2 off;
// 1 on 2 off; 4, 2, 1, 2; 4, 2, 1, 2, 1, 2) with round caps adding half the width at both ends
// of every dash, and leaves the gaps alone. Each line ends inside a gap of the wide pattern.
struct DashCase {
  const char* name;
  TPenStyle style;
  int width, length;
  TBrushStyle brush;
  const char* runs;  // row 2 from x = -2 to length + 1
};

TEST(DashPixels, LinesOfEveryStyleAtWidthsOneAndTwo) {
  const DashCase cases[] = {
      {"dash1", psDash, 1, 58, bsSolid, ".2 p18 f6 p18 f6 p10 .2"},
      {"dash1Clear", psDash, 1, 58, bsClear, ".2 p18 .6 p18 .6 p10 .2"},
      {"dot1", psDot, 1, 64, bsSolid, ".2 p3 f3 p3 f3 p3 f3 p3 f3 p3 f3 p3 f3 p3 f3 p3 f3 p3 f3 p3 f3 p3 f1 .2"},
      {"dashDot1", psDashDot, 1, 52, bsSolid, ".2 p9 f6 p3 f6 p9 f6 p3 f6 p4 .2"},
      {"dashDotDot1", psDashDotDot, 1, 46, bsSolid, ".2 p9 f3 p3 f3 p3 f3 p9 f3 p3 f3 p3 f1 .2"},
      {"dash2", psDash, 2, 58, bsSolid, ".1 p10 .2 p10 .2 p10 .2 p10 .2 p10 .3"},
      {"dot2", psDot, 2, 64, bsSolid, ".1 p4 .2 p4 .2 p4 .2 p4 .2 p4 .2 p4 .2 p4 .2 p4 .2 p4 .2 p4 .2 p4 .3"},
      {"dashDot2", psDashDot, 2, 52, bsSolid, ".1 p10 .2 p4 .2 p10 .2 p4 .2 p10 .2 p4 .3"},
      {"dashDotDot2", psDashDotDot, 2, 46, bsSolid, ".1 p10 .2 p4 .2 p4 .2 p10 .2 p4 .2 p4 .3"},
  };
  for (const DashCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::unique_ptr<TCustomKDTool> line(Styled(Line(adTopToTop), c.length, 4, c.width));
    line->SetLineStyle(c.style);
    line->SetFillStyle(c.brush);
    const QImage img = DrawFigure(*line);
    EXPECT_EQ(Row(img, 2, c.length), c.runs);
    // A wide pen covers the row above as well; a thin one nothing else.
    const std::string blank = "." + std::to_string(c.length + 4);
    EXPECT_EQ(Row(img, 1, c.length), c.width == 2 ? c.runs : blank);
    EXPECT_EQ(Row(img, 3, c.length), blank);
  }
}

// Hatches are 8 x 8 tiles laid from the picture's origin: their lines in the brush colour, their
// gaps showing what lay beneath. Rows of each tile, picture rows 0 to 7, columns 0 to 7.
struct HatchCase {
  const char* name;
  TBrushStyle style;
  int width;
  std::array<const char*, 8> tile;
};

TEST(HatchPixels, EveryHatchIsItsTileAtWidthsOneAndTwo) {
  const HatchCase cases[] = {
      {"horizontal", bsHorizontal, 1, {"........", "........", "........", "ffffffff", "........", "........", "........", "........"}},
      {"vertical", bsVertical, 2, {"....f...", "....f...", "....f...", "....f...", "....f...", "....f...", "....f...", "....f..."}},
      {"fdiagonal", bsFDiagonal, 1, {"f.......", ".f......", "..f.....", "...f....", "....f...", ".....f..", "......f.", ".......f"}},
      {"bdiagonal", bsBDiagonal, 2, {".......f", "......f.", ".....f..", "....f...", "...f....", "..f.....", ".f......", "f......."}},
      {"cross", bsCross, 1, {"....f...", "....f...", "....f...", "ffffffff", "....f...", "....f...", "....f...", "....f..."}},
      {"diagcross", bsDiagCross, 2, {"f......f", ".f....f.", "..f..f..", "...ff...", "...ff...", "..f..f..", ".f....f.", "f......f"}},
  };
  for (const HatchCase& c : cases) {
    SCOPED_TRACE(c.name);
    TKDRectangle box;
    Styled(&box, 66, 40, c.width);
    box.SetFillStyle(c.style);
    const QImage img = DrawFigure(box);
    // The outline stays solid; a 2-pixel pen straddles it and reaches one pixel further left.
    EXPECT_EQ(Row(img, 0, 66), c.width == 1 ? ".2 p66 .2" : ".1 p67 .2");
    // Inside, clear of the outline: picture pixel (px, py) follows tile row py % 8, column px % 8.
    for (int y = 3; y < 37; ++y)
      for (int x = 3; x < 63; ++x) {
        const int px = x + kAt.x(), py = y + kAt.y();
        ASSERT_EQ(Kind(img, x, y), c.tile[py % 8][px % 8] == 'f' ? 'f' : '.') << "figure pixel " << x << "," << y;
      }
  }
}

}  // namespace
