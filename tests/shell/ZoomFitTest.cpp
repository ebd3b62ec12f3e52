// View > Fit Diagram (Ctrl+9) and Fit Width: the zoom at which the figures' bounding box, with a
// small margin, fills the view (within 10 % and 800 %), scrolled so that the box's corner shows.
#include <QAction>

#include "CanvasFixture.h"
#include "ZoomView.h"

namespace {

struct FitCase {
  const char* name;
  std::vector<QRect> figures;
  bool widthOnly;
  bool byKey;  // Ctrl+9 rather than the menu
  int low, high;  // the zoom expected, in percent
};
void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

class ZoomFit : public CanvasFixture, public ::testing::WithParamInterface<FitCase> {};

// The view is about 880 x 650 pixels: a chart 1,300 pixels tall fits at about half size, one
// 3,000 pixels wide at under a third; 100,000 pixels tall would need 0.6 %: the limit of 10 %;
// a 20-pixel box fills the view only far beyond the limit of 800 %.
const FitCase kFits[] = {
    {"TallChart", {{40, 40, 200, 60}, {40, 1280, 200, 60}}, false, false, 30, 60},
    {"TallChartByKey", {{40, 40, 200, 60}, {40, 1280, 200, 60}}, false, true, 30, 60},
    {"TallChartWidth", {{40, 40, 200, 60}, {40, 1280, 200, 60}}, true, false, 300, 460},
    {"WideChartFarOut", {{500, 2000, 100, 60}, {3400, 2100, 100, 60}}, false, false, 20, 30},
    {"WideChartWidth", {{500, 2000, 100, 60}, {3400, 2100, 100, 60}}, true, false, 20, 30},
    {"HugeChart", {{0, 0, 50, 50}, {0, 99950, 50, 50}}, false, false, 10, 10},
    {"TinyBox", {{300, 200, 20, 20}}, false, false, 800, 800},
    {"NoFigures", {}, false, false, 100, 100},
};

TEST_P(ZoomFit, ShowsTheFiguresBoxAtTheLargestZoomThatHoldsIt) {
  const FitCase& c = GetParam();
  TScrollBox* box = doc->scbKedrin;
  QRect figures;
  for (const QRect& r : c.figures) {
    Add<TKDProcess>(doc, r);
    figures |= r;
  }
  testsupport::Flush();
  if (c.byKey) QTest::keyClick(main, Qt::Key_9, Qt::ControlModifier);
  else Find<QAction>(c.widthOnly ? "FitWidth1" : "FitDiagram1")->trigger();
  testsupport::Flush();
  const int percent = zoomview::PercentOf(*box);
  EXPECT_GE(percent, c.low);
  EXPECT_LE(percent, c.high);
  if (figures.isEmpty()) return;
  const QRect visible = zoomview::VisibleCanvas(*box);
  // The box's corner is in view; within the limits the whole box is (only its width for Fit Width).
  EXPECT_GE(figures.left(), visible.left());
  EXPECT_GE(figures.top(), visible.top());
  if (percent > 10) {
    EXPECT_LE(figures.right(), visible.right());
  }
  if (percent > 10 && !c.widthOnly) {
    EXPECT_LE(figures.bottom(), visible.bottom());
  }
}

INSTANTIATE_TEST_SUITE_P(Charts, ZoomFit, ::testing::ValuesIn(kFits),
                         [](const testing::TestParamInfo<FitCase>& i) { return std::string(i.param.name); });

}  // namespace
