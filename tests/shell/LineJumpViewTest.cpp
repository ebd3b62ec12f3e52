// View > Line Jumps on a real document: a black horizontal line (100, 150)-(300, 150) and, drawn
// after it, a red vertical line (200, 50)-(200, 250). The red one hops: its arc bulges 5 pixels
// to the left of the crossing, and its straight piece there is painted over in white, the black
// line's pixel at the crossing with it.
#include <QAction>

#include "CanvasFixture.h"
#include "DiagramPicture.h"
#include "LineJumpView.h"
#include "TScrollBox.h"

namespace {

struct JumpCase {
  const char* name;
  bool picture;      // the exported picture; otherwise the canvas as shown
  double zoom;
  int lowerMovesBy;  // the black line moves down by this much before the look
};
void PrintTo(const JumpCase& c, std::ostream* os) { *os << c.name; }

class LineJumpViewTest : public CanvasFixture, public testing::WithParamInterface<JumpCase> {
 protected:
  void TearDown() override {
    LineJumpView::Show(false);
    CanvasFixture::TearDown();
  }
  // Whether a pixel within one of the canvas point has the colour.
  static bool Near(const QImage& image, QPoint p, double zoom, QColor colour) {
    const QPoint at(static_cast<int>(p.x() * zoom), static_cast<int>(p.y() * zoom));
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (image.pixelColor(at + QPoint(dx, dy)) == colour) return true;
    return false;
  }
  QImage Look(const JumpCase& k) {
    if (k.picture) return BuildDiagramPicture(nullptr, QSize(400, 300), doc->Figures());
    doc->Surface()->SetZoom(k.zoom);
    testsupport::Flush();
    return doc->Surface()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
};

TEST_P(LineJumpViewTest, UpperLineHopsOverTheLower) {
  const JumpCase& k = GetParam();
  auto* lower = Add<TKDLine>(doc, {100, 148, 200, 4});
  lower->SetOrientation(adTopToTop);
  auto* upper = Add<TKDLine>(doc, {198, 50, 4, 200});
  upper->SetOrientation(adLeftToLeft);
  upper->SetLineColor(clRed);
  testsupport::Flush();
  const int y = 150 + k.lowerMovesBy;
  const QPoint apex(195, y), crossing(200, y);
  const QImage plain = Look(k);
  EXPECT_FALSE(Near(plain, apex, k.zoom, Qt::red)) << "no hop while off";

  auto* item = main->findChild<QAction*>(QStringLiteral("LineJumps1"));
  ASSERT_NE(item, nullptr);
  EXPECT_FALSE(item->isChecked()) << "off by default";
  item->trigger();
  if (k.lowerMovesBy) {
    lower->ApplyBounds(100, 148 + k.lowerMovesBy, 200, 4);
    testsupport::Flush();
  }
  const QImage hopped = Look(k);
  EXPECT_TRUE(Near(hopped, apex, k.zoom, Qt::red));
  EXPECT_FALSE(Near(hopped, crossing, k.zoom, Qt::red));
  EXPECT_TRUE(Near(hopped, crossing + QPoint(8, 0), k.zoom, Qt::black)) << "the lower line beside the hop";
  if (k.lowerMovesBy) {
    EXPECT_FALSE(Near(hopped, {195, 150}, k.zoom, Qt::red)) << "no hop left where it was";
  }
  item->trigger();
}

INSTANTIATE_TEST_SUITE_P(Table, LineJumpViewTest,
                         testing::Values(JumpCase{"Picture", true, 1.0, 0}, JumpCase{"Canvas", false, 1.0, 0},
                                         JumpCase{"CanvasAt200", false, 2.0, 0},
                                         JumpCase{"LowerLineMoved", false, 1.0, 40}),
                         [](const testing::TestParamInfo<JumpCase>& i) { return std::string(i.param.name); });

}  // namespace
