// Figures repaint by copying their last picture while nothing they are drawn from has changed:
// the copy must show the same pixels as drawing, and every change of what is drawn must show.
#include <gtest/gtest.h>

#include <QWidget>
#include <functional>
#include <memory>

#include "KDTools.h"
#include "RepaintBatch.h"
#include "TestSupport.h"

namespace {

struct KindCase {
  const char* name;
  std::function<TCustomKDTool*()> make;
};

std::vector<KindCase> Kinds() {
  return {
      {"Label", [] { return new TKDLabel; }},     {"Begin", [] { return new TKDBegin; }},
      {"End", [] { return new TKDEnd; }},         {"Process", [] { return new TKDProcess; }},
      {"Ellipse", [] { return new TKDEllipse; }}, {"Rectangle", [] { return new TKDRectangle; }},
      {"Diamond", [] { return new TKDDiamond; }}, {"Line", [] { return new TKDLine; }},
      {"Arrow", [] { return new TKDArrow; }},
  };
}

// A canvas-coloured host, as the canvas is, with figures on it. Not shown: the figures paint only
// when grabbed, so the tests know which paint is which.
struct Host {
  Host() {
    widget.resize(260, 160);
    widget.setProperty("canvasColor", QColor(255, 255, 225));
  }
  TCustomKDTool* Add(const KindCase& kind, QPoint at) {
    TCustomKDTool* f = kind.make();
    f->ApplyBounds(at.x(), at.y(), 70, 44);
    f->SetCaption("Two words");
    f->SetLineColor(clNavy);
    f->SetFillColor(RGB(250, 200, 100));
    f->SetFillStyle(bsDiagCross);  // a hatch: its pattern must not shift with the figure
    f->SetParentControl(&widget);
    testsupport::Flush();
    return f;
  }
  // The host's pixels in the figure's box.
  QImage At(const TCustomKDTool* f) {
    return widget.grab(f->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
  }
  QWidget widget;
};

class KeptPicture : public ::testing::TestWithParam<KindCase> {};

TEST_P(KeptPicture, CopiedPictureOfAMovedFigureMatchesItsDrawing) {
  Host host;
  TCustomKDTool* f = host.Add(GetParam(), {10, 12});
  const QImage drawn = host.At(f);
  ASSERT_EQ(host.At(f), drawn);  // the second paint like the first keeps the picture
  const qint64 kept = repaint::KeptBytes();
  f->ApplyBounds(123, 57, 70, 44);
  testsupport::Flush();
  EXPECT_EQ(host.At(f), drawn);
  EXPECT_EQ(repaint::KeptBytes(), kept) << "the move must keep the picture";
  EXPECT_GT(kept, 0);
}

// Each change of what a figure is drawn from, made after its picture was kept; the figure must
// then look like a new one made with the change.
struct Change {
  const char* name;
  std::function<void(TCustomKDTool*)> apply;
};

std::vector<Change> Changes() {
  return {
      {"FillColor", [](TCustomKDTool* f) { f->SetFillColor(clLime); }},
      {"FillStyle", [](TCustomKDTool* f) { f->SetFillStyle(bsSolid); }},
      {"LineColor", [](TCustomKDTool* f) { f->SetLineColor(clRed); }},
      {"LineWidth",
       [](TCustomKDTool* f) {
         // An arrow's outline follows its line width when it is next placed.
         f->SetLineWidth(5);
         f->ApplyBounds(f->Left(), f->Top(), f->Width(), f->Height());
       }},
      {"LineStyle", [](TCustomKDTool* f) { f->SetLineStyle(psDot); }},
      {"Caption", [](TCustomKDTool* f) { f->SetCaption("Other"); }},
      {"FontHeight",
       [](TCustomKDTool* f) {
         TFontDesc font = f->Font();
         font.height = -16;
         f->SetFont(font);
       }},
      {"FontColor",
       [](TCustomKDTool* f) {
         TFontDesc font = f->Font();
         font.color = clRed;
         f->SetFont(font);
       }},
      {"Size", [](TCustomKDTool* f) { f->ApplyBounds(f->Left(), f->Top(), 50, 60); }},
      {"CanvasColor", [](TCustomKDTool* f) { f->parentWidget()->setProperty("canvasColor", QColor(Qt::cyan)); }},
      {"ArrowDirection",
       [](TCustomKDTool* f) {
         if (auto* a = dynamic_cast<TKDArrow*>(f)) a->SetArrowDirection(adBottomToTop);
         if (auto* l = dynamic_cast<TKDLine*>(f)) l->SetOrientation(adBottomToTop);
       }},
      {"ArrowHeads",
       [](TCustomKDTool* f) {
         if (auto* a = dynamic_cast<TKDArrow*>(f)) a->SetArrowPosition(apBoth);
       }},
  };
}

TEST_P(KeptPicture, EveryChangeOfTheDrawingShows) {
  for (const Change& change : Changes()) {
    SCOPED_TRACE(change.name);
    Host host;
    TCustomKDTool* f = host.Add(GetParam(), {10, 12});
    host.At(f);
    host.At(f);
    change.apply(f);
    testsupport::Flush();
    const QImage shown = host.At(f);
    // The same figure made anew with the change, beside it: never painted before.
    TCustomKDTool* fresh = host.Add(GetParam(), {10 + 120, 12});
    change.apply(fresh);
    fresh->ApplyBounds(f->Left() + 120, f->Top(), f->Width(), f->Height());
    testsupport::Flush();
    EXPECT_EQ(shown, host.At(fresh));
  }
}

INSTANTIATE_TEST_SUITE_P(Figures, KeptPicture, ::testing::ValuesIn(Kinds()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
