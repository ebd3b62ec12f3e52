#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

#include "HistoryFixture.h"
#include "TSizer.h"
#include "ZoomActions.h"
#include "ZoomView.h"

namespace {

// The same gestures at every zoom, the pointer at the scaled places: the figures end where the
// gestures at 100 % put them. Canvas coordinates are chosen so that their scaled places are whole
// pixels at 25 % and 250 %.
class ZoomGestures : public HistoryFixture, public ::testing::WithParamInterface<int> {
 protected:
  double Zoom() const { return zoom_; }
  QPoint Scaled(QPoint canvas) const {
    return QPoint(static_cast<int>(std::lround(canvas.x() * Zoom())), static_cast<int>(std::lround(canvas.y() * Zoom())));
  }
  QPoint InWindowW(QPoint widget) const { return doc->Surface()->mapTo(main, widget); }
  void DragW(QPoint from, QPoint to) {
    QTest::mousePress(main->windowHandle(), Qt::LeftButton, {}, InWindowW(from));
    QTest::mouseMove(main->windowHandle(), InWindowW(from + (to - from) / 3));
    QTest::mouseMove(main->windowHandle(), InWindowW(to));
    QTest::mouseRelease(main->windowHandle(), Qt::LeftButton, {}, InWindowW(to));
  }
  void DragC(QPoint from, QPoint to) { DragW(Scaled(from), Scaled(to)); }
  void ClickC(QPoint p) {
    QTest::mousePress(main->windowHandle(), Qt::LeftButton, {}, InWindowW(Scaled(p)));
    QTest::mouseRelease(main->windowHandle(), Qt::LeftButton, {}, InWindowW(Scaled(p)));
  }
  // Draws, selects, moves, resizes, nudges and drags a group on the current document at the
  // zoom, checking each step's canvas geometry; gives what a save would write.
  std::vector<uint8_t> Gestures(double zoom);
  double zoom_ = 1.0;

  TSizer* SingleFrame() const {
    auto frames = SurfaceChildren<TSizer>();
    return frames.size() == 1 ? frames.front() : nullptr;
  }
};

std::vector<uint8_t> ZoomGestures::Gestures(double zoom) {
  zoom_ = zoom;
  doc->Surface()->SetZoom(zoom);
  testsupport::Flush();

  UseTool("btnRectangle");
  DragC({40, 40}, {140, 100});
  TCustomKDTool* box = LastFigure();
  if (!box) return {};
  EXPECT_EQ(box->BoundsRect(), QRect(40, 40, 100, 60));
  // Drawn from the far corner: a press on the box would take hold of the box.
  UseTool("btnEllipse");
  DragC({200, 160}, {100, 60});
  TCustomKDTool* ellipse = LastFigure();
  EXPECT_EQ(ellipse->BoundsRect(), QRect(100, 60, 100, 100));
  EXPECT_EQ(ellipse->geometry(), QRect(Scaled({100, 60}), Scaled({200, 160})).adjusted(0, 0, -1, -1));

  // The ellipse's box corner lies outside the ellipse: the press reaches the box beneath.
  UseTool("btnSelect");
  ClickC({180, 140});
  EXPECT_EQ(doc->SelectedFigures(), std::vector<TCustomKDTool*>{ellipse});
  ClickC({300, 220});
  ClickC({104, 64});
  EXPECT_EQ(doc->SelectedFigures(), std::vector<TCustomKDTool*>{box});

  DragC({60, 80}, {100, 120});
  EXPECT_EQ(box->BoundsRect(), QRect(80, 80, 100, 60));

  // The handles keep their screen size: the bottom-right one is 3 screen pixels in from the
  // frame's corner at every zoom.
  TSizer* frame = SingleFrame();
  if (!frame) return {};
  const QPoint handle = frame->geometry().bottomRight() - QPoint(2, 2);
  DragW(handle, handle + Scaled({40, 20}));
  EXPECT_EQ(box->BoundsRect(), QRect(80, 80, 140, 80));

  // Ctrl+arrow steps one canvas pixel at any zoom.
  for (int i = 0; i < 3; ++i) Key(Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(box->BoundsRect(), QRect(83, 80, 140, 80));

  DragC({20, 20}, {240, 200});
  EXPECT_EQ(doc->SelectedFigures().size(), 2u);
  DragC({88, 120}, {108, 100});
  EXPECT_EQ(box->BoundsRect(), QRect(103, 60, 140, 80));
  EXPECT_EQ(ellipse->BoundsRect(), QRect(120, 40, 100, 100));
  EXPECT_EQ(ellipse->geometry().topLeft(), Scaled({120, 40}));

  return SaveBytes(doc);
}

TEST_P(ZoomGestures, GiveTheCanvasGeometryAndTheFileOfTheSameGesturesAtActualSize) {
  const std::vector<uint8_t> zoomed = Gestures(GetParam() / 100.0);
  ASSERT_FALSE(zoomed.empty());
  doc = main->btnNewClick();
  SubOf(doc)->resize(900, 700);
  testsupport::Flush();
  EXPECT_EQ(zoomed, Gestures(1.0));
}

INSTANTIATE_TEST_SUITE_P(Zooms, ZoomGestures, ::testing::Values(25, 100, 250),
                         [](const ::testing::TestParamInfo<int>& i) { return std::to_string(i.param) + "Percent"; });

struct WheelRow {
  const char* name;
  int startPercent;
  int wheel;  // eighths of a degree; 120 is one notch
  int endPercent;
};

class WheelZoom : public CanvasFixture, public ::testing::WithParamInterface<WheelRow> {};

TEST_P(WheelZoom, KeepsTheCanvasPointUnderThePointer) {
  Add(doc, QRect(2000, 1500, 40, 40));
  auto* box = doc->scbKedrin;
  zoomview::ZoomKeepingCentre(*box, GetParam().startPercent);
  box->horizontalScrollBar()->setValue(1500);
  box->verticalScrollBar()->setValue(1000);
  const QPoint pointer(400, 300);
  const QPointF before = zoomview::CanvasPointAt(*box, pointer);

  QWheelEvent wheel(QPointF(pointer), QPointF(box->viewport()->mapToGlobal(pointer)), QPoint(),
                    QPoint(0, GetParam().wheel), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(box->viewport(), &wheel);

  EXPECT_EQ(zoomview::PercentOf(*box), GetParam().endPercent);
  const QPointF after = zoomview::CanvasPointAt(*box, pointer);
  const double zoom = GetParam().endPercent / 100.0;
  EXPECT_LE(std::abs(after.x() - before.x()) * zoom, 1.0);
  EXPECT_LE(std::abs(after.y() - before.y()) * zoom, 1.0);
}

INSTANTIATE_TEST_SUITE_P(Table, WheelZoom,
                         ::testing::Values(WheelRow{"OneNotchIn", 100, 120, 125},
                                           WheelRow{"OneNotchOut", 200, -120, 150},
                                           WheelRow{"TwoNotchesIn", 100, 240, 150},
                                           WheelRow{"ThreeNotchesOut", 300, -360, 125},
                                           WheelRow{"HalfANotchDoesNothing", 150, 60, 150}),
                         [](const ::testing::TestParamInfo<WheelRow>& i) { return std::string(i.param.name); });

TEST_F(CanvasFixture, AWheelWithoutCtrlScrollsAndKeepsTheZoom) {
  Add(doc, QRect(2000, 1500, 40, 40));
  auto* box = doc->scbKedrin;
  QWheelEvent wheel(QPointF(100, 100), QPointF(box->viewport()->mapToGlobal(QPoint(100, 100))), QPoint(),
                    QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(box->viewport(), &wheel);
  EXPECT_EQ(zoomview::PercentOf(*box), 100);
  EXPECT_GT(box->verticalScrollBar()->value(), 0);
}

}  // namespace

namespace {

TEST(ZoomBox, ReadsAPercentWithOrWithoutTheSign) {
  EXPECT_EQ(ZoomActions::ParsePercent(QStringLiteral("150")), 150);
  EXPECT_EQ(ZoomActions::ParsePercent(QStringLiteral("150%")), 150);
  EXPECT_EQ(ZoomActions::ParsePercent(QStringLiteral(" 75 % ")), 75);
  EXPECT_EQ(ZoomActions::ParsePercent(QStringLiteral("")), 0);
  EXPECT_EQ(ZoomActions::ParsePercent(QStringLiteral("%")), 0);
  EXPECT_EQ(ZoomActions::ParsePercent(QStringLiteral("0")), 0);
}

}  // namespace

namespace {

class ZoomPicture : public CanvasFixture, public ::testing::WithParamInterface<int> {};

// The picture exports and printouts are made of, taken at a zoom, is the one taken at 100 %.
TEST_P(ZoomPicture, DoesNotDependOnTheZoom) {
  Add(doc, QRect(40, 30, 120, 80));
  Add<TKDEllipse>(doc, QRect(1500, 60, 100, 50));
  testsupport::Flush();
  const QImage actual = doc->Picture();
  doc->Surface()->SetZoom(GetParam() / 100.0);
  testsupport::Flush();
  const QImage zoomed = doc->Picture();
  EXPECT_EQ(zoomed.size(), actual.size());
  EXPECT_TRUE(zoomed == actual);
}

INSTANTIATE_TEST_SUITE_P(Zooms, ZoomPicture, ::testing::Values(25, 250),
                         [](const ::testing::TestParamInfo<int>& i) { return std::to_string(i.param) + "Percent"; });

}  // namespace
