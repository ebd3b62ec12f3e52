// Drawing, outline, reach and hit testing of figure values against the figure classes' own, for
// every kind over a table of sizes, pens, brushes, arrow settings and courses (hostile ones
// among them), on plain, smooth and scaled canvases.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <functional>
#include <memory>
#include <sstream>

#include "ControlCanvas.h"
#include "DrawFigure.h"
#include "FigureOutline.h"
#include "FigureReach.h"
#include "KDTools.h"

using figures::Figure;
using figures::FigureKind;

namespace {

TCustomKDTool* NewObject(FigureKind kind) {
  switch (kind) {
    case FigureKind::Begin: return new TKDBegin;
    case FigureKind::End: return new TKDEnd;
    case FigureKind::Process: return new TKDProcess;
    case FigureKind::Ellipse: return new TKDEllipse;
    case FigureKind::Rectangle: return new TKDRectangle;
    case FigureKind::Diamond: return new TKDDiamond;
    case FigureKind::Label: return new TKDLabel;
    case FigureKind::Line: return new TKDLine;
    case FigureKind::Arrow: return new TKDArrow;
  }
  return nullptr;
}

// The figure object of the value, made as the editor makes one and given the value's settings.
TCustomKDTool* ObjectOf(const Figure& v) {
  TCustomKDTool* f = NewObject(v.kind);
  f->ApplyBounds(v.box.x(), v.box.y(), v.box.width(), v.box.height());
  f->SetLineColor(v.style.lineColor);
  f->SetLineStyle(v.style.lineStyle);
  f->SetLineWidth(v.style.lineWidth);
  f->SetFillColor(v.style.fillColor);
  f->SetFillStyle(v.style.fillStyle);
  f->SetFont(v.style.font);
  f->SetCaption(v.style.caption);
  if (auto* line = qobject_cast<TKDLine*>(f)) line->SetOrientation(v.direction);
  if (auto* arrow = qobject_cast<TKDArrow*>(f)) {
    arrow->SetArrowPosition(v.arrow.position);
    arrow->SetArrowDirection(v.direction);
    arrow->SetArrowThicknessRate(v.arrow.thicknessRate);
    arrow->SetArrowHeadLengthRate(v.arrow.headLengthRate);
  }
  return f;
}

struct StyleCase {
  std::string name;
  std::function<void(Figure&)> set;
};

std::vector<StyleCase> StyleCases() {
  std::vector<StyleCase> cases = {
      {"Plain", [](Figure&) {}},
      {"Square", [](Figure& f) { f.box.setSize({50, 50}); }},
      {"Tall", [](Figure& f) { f.box.setSize({40, 100}); }},
      {"OddSizes", [](Figure& f) { f.box.setSize({81, 41}); }},
      {"ZeroSize", [](Figure& f) { f.box.setSize({0, 0}); }},
      {"OnePixel", [](Figure& f) { f.box.setSize({1, 1}); }},
      {"Tiny", [](Figure& f) { f.box.setSize({3, 2}); }},
      {"ThinVertical", [](Figure& f) { f.box.setSize({2, 60}); }},
      {"ThinHorizontal", [](Figure& f) { f.box.setSize({120, 3}); }},
      {"HugeBox", [](Figure& f) { f.box.setSize({32768, 2000}); }},
      {"WiderThanTheLimit", [](Figure& f) { f.box.setSize({50000, 1500}); }},
      {"PenWidth0", [](Figure& f) { f.style.lineWidth = 0; }},
      {"PenWidth1", [](Figure& f) { f.style.lineWidth = 1; }},
      {"PenWidth5", [](Figure& f) { f.style.lineWidth = 5; }},
      {"PenWidth13", [](Figure& f) { f.style.lineWidth = 13; }},
      {"PenWidthHuge", [](Figure& f) { f.style.lineWidth = 100000; }},
      {"PenWidthNegative", [](Figure& f) { f.style.lineWidth = -7; }},
      {"Dash", [](Figure& f) { f.style.lineStyle = psDash; f.style.lineWidth = 1; }},
      {"Dot", [](Figure& f) { f.style.lineStyle = psDot; f.style.lineWidth = 1; }},
      {"DashDotWide", [](Figure& f) { f.style.lineStyle = psDashDot; f.style.lineWidth = 3; }},
      {"DashDotDot", [](Figure& f) { f.style.lineStyle = psDashDotDot; f.style.lineWidth = 1; }},
      {"ClearPen", [](Figure& f) { f.style.lineStyle = psClear; }},
      {"InsideFrame", [](Figure& f) { f.style.lineStyle = psInsideFrame; f.style.lineWidth = 4; }},
      {"ClearBrush", [](Figure& f) { f.style.fillStyle = bsClear; }},
      {"Horizontal", [](Figure& f) { f.style.fillStyle = bsHorizontal; }},
      {"DiagCross", [](Figure& f) { f.style.fillStyle = bsDiagCross; }},
      {"FDiagonal", [](Figure& f) { f.style.fillStyle = bsFDiagonal; }},
      {"SystemColours", [](Figure& f) { f.style.lineColor = clWindowText; f.style.fillColor = clBtnFace; }},
      {"Lines", [](Figure& f) { f.style.caption = "First line\nsecond"; }},
      {"LongWord", [](Figure& f) { f.style.caption = "Incomprehensibilities"; }},
      {"NoCaption", [](Figure& f) { f.style.caption.clear(); }},
      {"BoldLargeFont", [](Figure& f) { f.style.font.style = fsBold | fsItalic; f.style.font.height = -20; }},
      {"TextOnClearBrush", [](Figure& f) { f.style.fillStyle = bsClear; f.style.font.color = clRed; }},
      {"HeadsSmall", [](Figure& f) { f.arrow.thicknessRate = 1; f.arrow.headLengthRate = 1; }},
      {"RatesHuge", [](Figure& f) { f.arrow.thicknessRate = 65535; f.arrow.headLengthRate = 65535; }},
      {"HugeRatesWidePen",
       [](Figure& f) {
         f.arrow = {apBoth, 65535, 65535};
         f.style.lineWidth = 1000;
       }},
      {"LongHeads", [](Figure& f) { f.arrow.thicknessRate = 10; f.arrow.headLengthRate = 65535; }},
      {"HeadsOnAZeroBox",
       [](Figure& f) {
         f.box.setSize({0, 0});
         f.arrow.position = apBoth;
       }},
      {"HeadsWithoutWidth", [](Figure& f) { f.arrow.position = apBoth; f.style.lineWidth = 0; }},
  };
  // Every course with every head placement (lines take the course alone).
  const char* directions[] = {"TopToTop", "TopToBottom", "BottomToTop", "BottomToBottom", "LeftToLeft",
                              "RightToRight"};
  const char* positions[] = {"Left", "Right", "Both"};
  for (int d = 0; d < 6; ++d)
    for (int p = 0; p < 3; ++p) {
      cases.push_back({std::string(directions[d]) + positions[p], [d, p](Figure& f) {
                         f.direction = static_cast<TArrowDirection>(d);
                         f.arrow.position = static_cast<TArrowPosition>(p);
                         f.arrow.thicknessRate = 3;
                       }});
    }
  return cases;
}

Figure ValueOf(FigureKind kind, const StyleCase& c) {
  Figure f = figures::NewFigure(kind, QRect(30, 20, 100, 60));
  f.style.lineColor = clNavy;
  f.style.fillColor = RGB(250, 200, 100);
  f.style.caption = "Two words";
  f.style.font.color = clMaroon;
  c.set(f);
  return f;
}

enum class Mode { Pixels, Smooth, Scaled };

QImage Draw(Mode mode, const std::function<void(Canvas&)>& draw) {
  QImage image(260, 220, QImage::Format_RGB32);
  image.fill(qRgb(192, 192, 192));
  QPainter painter(&image);
  if (mode == Mode::Smooth) painter.setRenderHint(QPainter::Antialiasing);
  if (mode == Mode::Scaled) painter.scale(1.5, 1.5);
  Canvas canvas(&painter);
  draw(canvas);
  return image;
}

// Each style case of the kind: the value, and the figure object of it on a canvas, as the editor
// shows it (its outline is built then).
class RenderGate : public ::testing::TestWithParam<FigureKind> {
 protected:
  void ForEachCase(const std::function<void(const Figure&, TCustomKDTool&, const TControlCanvas&)>& check) {
    for (const StyleCase& c : StyleCases()) {
      SCOPED_TRACE(c.name);
      TControlCanvas host;
      const Figure value = ValueOf(GetParam(), c);
      TCustomKDTool* object = ObjectOf(value);
      object->SetParentControl(&host);
      check(value, *object, host);
    }
  }
};

TEST_P(RenderGate, DrawsThePixelsOfTheFigureObject) {
  ForEachCase([](const Figure& value, TCustomKDTool& object, const TControlCanvas&) {
    for (Mode mode : {Mode::Pixels, Mode::Smooth, Mode::Scaled}) {
      const QPoint at(40, 50);
      const QImage made = Draw(mode, [&](Canvas& c) { render::DrawFigure(c, value, at); });
      const QImage old = Draw(mode, [&](Canvas& c) { object.DrawTo(c, at.x(), at.y()); });
      EXPECT_TRUE(made == old) << "mode " << static_cast<int>(mode);
    }
  });
}

TEST_P(RenderGate, OutlineReachAndHitsAreTheFigureObjects) {
  int hits = 0;  // over all cases: some presses reach the figure
  ForEachCase([&](const Figure& value, TCustomKDTool& object, const TControlCanvas& host) {
    const std::optional<regions::Outline> outline = render::FigureOutline(value);
    ASSERT_EQ(outline.has_value(), object.Outline() != nullptr);
    if (outline) {
      for (double zoom : {1.0, 1.5}) EXPECT_EQ(regions::Build(*outline, zoom), regions::Build(*object.Outline(), zoom));
    }
    EXPECT_EQ(render::FigureReach(value), object.PaintReach());
    // Presses over the box and a little around it, 15 by 15 of them.
    const QRect around = value.box.adjusted(-3, -3, 3, 3);
    for (int i = 0; i < 15; ++i)
      for (int j = 0; j < 15; ++j) {
        const QPoint p(around.left() + around.width() * i / 14, around.top() + around.height() * j / 14);
        const bool hit = render::FigureHit(value, p);
        hits += hit;
        EXPECT_EQ(hit, host.ControlAt(p) == &object) << p.x() << "," << p.y();
      }
  });
  EXPECT_GT(hits, 200);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, RenderGate, ::testing::ValuesIn(figures::kAllKinds),
                         [](const ::testing::TestParamInfo<FigureKind>& i) {
                           return std::string(figures::ClassNameOf(i.param) + 3);
                         });

}  // namespace
