// What the canvas shows is the picture: at 100 % pixel for pixel, at any other zoom the same
// drawing at that scale, for every figure class and course, selected or not.
#include "DocumentTestSupport.h"

#include <QPainter>

#include "Diagram.h"
#include "DiagramPicture.h"
#include "KDTools.h"
#include "ZoomMapping.h"

namespace {

struct ZoomCase {
  const char* name;
  double zoom;
};

class ScreenPicture : public DocumentFixture, public ::testing::WithParamInterface<ZoomCase> {
 protected:
  void SetUp() override {
    DocumentFixture::SetUp();
    doc->resize(900, 700);
    // A white canvas, as the picture's background is.
    doc->scbKedrin->SetColor(clWhite);
  }

  // One of each class, the courses of lines and arrows, and the hard cases: a shallow slanted
  // arrow (10 degrees off the horizontal), heads reaching past the box, thick and styled pens,
  // hatched brushes and a caption longer than its label.
  void DrawEveryClass() {
    Add<TKDBegin>(QRect(20, 20, 50, 50));
    Add<TKDEnd>(QRect(90, 20, 50, 50))->SetFillColor(clRed);
    auto* process = Add<TKDProcess>(QRect(160, 20, 120, 50));
    process->SetFillStyle(bsDiagCross);
    process->SetFillColor(clBlue);
    Add<TKDEllipse>(QRect(300, 20, 90, 50))->SetLineWidth(5);
    auto* rectangle = Add<TKDRectangle>(QRect(410, 20, 80, 50));
    rectangle->SetLineStyle(psDash);
    rectangle->SetLineWidth(1);
    rectangle->SetFillStyle(bsHorizontal);
    auto* diamond = Add<TKDDiamond>(QRect(510, 15, 90, 60));
    diamond->SetFillColor(RGB(250, 200, 100));
    auto* label = Add<TKDLabel>(QRect(620, 20, 60, 20));
    label->SetCaption("A caption far too long for its box");
    label->SetFillStyle(bsClear);
    const TArrowDirection courses[] = {adTopToTop, adLeftToLeft, adTopToBottom, adBottomToTop};
    for (int i = 0; i < 4; ++i) {
      auto* line = Add<TKDLine>(QRect(20 + 150 * i, 120, 120, 60));
      line->SetOrientation(courses[i]);
      line->SetLineWidth(i + 1);
      auto* arrow = Add<TKDArrow>(QRect(20 + 150 * i, 220, 120, 60));
      arrow->SetArrowDirection(courses[i]);
      arrow->SetArrowPosition(i % 2 ? apBoth : apRight);
    }
    // Slanted 10 degrees: 200 across, 35 down, its head as wide as the box is high.
    auto* shallow = Add<TKDArrow>(QRect(40, 330, 200, 35));
    shallow->SetArrowDirection(adTopToBottom);
    auto* rising = Add<TKDArrow>(QRect(300, 330, 200, 35));
    rising->SetArrowDirection(adBottomToTop);
    rising->SetArrowPosition(apLeft);
    rising->SetLineWidth(1);
  }

  QImage Screen() {
    testsupport::Flush();
    return doc->Surface()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  QImage Picture(QSize size, double zoom) {
    PictureRequest request;
    request.size = size;
    request.scale = zoom;
    const std::vector<TCustomKDTool*> figures = doc->Figures();
    const std::vector<const TCustomKDTool*> all(figures.begin(), figures.end());
    return RenderPicture(request, all).convertToFormat(QImage::Format_RGB32);
  }

  static int Differing(const QImage& a, const QImage& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
      for (int x = 0; x < a.width(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
  }
};

TEST_P(ScreenPicture, TheCanvasShowsThePictureAtItsZoom) {
  DrawEveryClass();
  doc->Surface()->SetZoom(GetParam().zoom);
  const QImage screen = Screen();
  const QImage picture = Picture(screen.size(), GetParam().zoom);
  const int different = Differing(screen, picture);
  if (different) {
    screen.save(testsupport::OutputPath(QStringLiteral("screen-%1.png").arg(GetParam().name)));
    picture.save(testsupport::OutputPath(QStringLiteral("picture-%1.png").arg(GetParam().name)));
  }
  EXPECT_EQ(different, 0);
}

TEST_P(ScreenPicture, ASelectionsFramesAreTheOnlyDifference) {
  DrawEveryClass();
  doc->Surface()->SetZoom(GetParam().zoom);
  doc->SelectAll();
  const QImage screen = Screen();
  const QImage picture = Picture(screen.size(), GetParam().zoom);
  // Outside the frames' handles the screen is the picture.
  QImage handles(screen.size(), QImage::Format_Grayscale8);
  handles.fill(Qt::black);
  {
    QPainter p(&handles);
    const auto mask = [&](const QRect& frame) {
      for (const geom::Box& h : handles::LayoutHandles(frame.width(), frame.height()))
        p.fillRect(QRect(QPoint(h.left, h.top), QPoint(h.right, h.bottom)).translated(frame.topLeft()), Qt::white);
    };
    for (TCustomControl* c : doc->Surface()->Overlay().Ordered()) {
      if (auto* frame = dynamic_cast<TFrameControl*>(c)) mask(frame->geometry());
      // A group draws its members' frames, 2 pixels around each figure.
      if (auto* group = dynamic_cast<TSizerList*>(c))
        for (TCustomKDTool* f : group->Members())
          mask(zoommap::ToWidget(f->BoundsRect().adjusted(-2, -2, 2, 2), GetParam().zoom, 2));
    }
  }
  int outside = 0, different = 0;
  for (int y = 0; y < screen.height(); ++y)
    for (int x = 0; x < screen.width(); ++x) {
      if (qGray(handles.pixel(x, y)) != 0) continue;
      ++outside;
      different += screen.pixel(x, y) != picture.pixel(x, y);
    }
  EXPECT_GT(outside, 0);
  EXPECT_EQ(different, 0);
}

INSTANTIATE_TEST_SUITE_P(Zooms, ScreenPicture,
                         ::testing::Values(ZoomCase{"25", 0.25}, ZoomCase{"100", 1.0}, ZoomCase{"250", 2.5}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// What the screen holds after edits, painted piece by piece as the canvas asks, is what a full
// repaint shows: no edit leaves pixels of what was there before.
class ScreenAfterEdits : public DocumentFixture {
 protected:
  void SetUp() override {
    DocumentFixture::SetUp();
    doc->resize(700, 500);
    doc->scbKedrin->SetColor(clWhite);
    testsupport::Flush();
  }
  // The pixels the window's screen holds, where the canvas is.
  QImage Held() {
    testsupport::Flush();
    QWidget* window = doc->window();
    const QPoint at = doc->Surface()->mapTo(window, QPoint(0, 0));
    const QSize size = doc->Surface()->visibleRegion().boundingRect().size();
    return window->screen()->grabWindow(window->winId(), at.x(), at.y(), size.width(), size.height()).toImage().convertToFormat(QImage::Format_RGB32);
  }
  QImage Full() {
    const QSize size = doc->Surface()->visibleRegion().boundingRect().size();
    return doc->Surface()->grab(QRect(QPoint(0, 0), size)).toImage().convertToFormat(QImage::Format_RGB32);
  }
  void ExpectFresh(const char* step) {
    const QImage held = Held(), full = Full();
    ASSERT_EQ(held.size(), full.size()) << step;
    EXPECT_EQ(held, full) << step;
  }
};

TEST_F(ScreenAfterEdits, NothingOfTheOldDrawingStays) {
  auto* arrow = Add<TKDArrow>(QRect(40, 40, 200, 35));
  auto* label = Add<TKDLabel>(QRect(300, 40, 60, 20));
  label->SetCaption("Words that run below their box");
  auto* box = Add<TKDRectangle>(QRect(60, 200, 120, 60));
  ExpectFresh("drawn");
  arrow->SetArrowDirection(adBottomToTop);
  ExpectFresh("arrow turned");
  arrow->SetArrowPosition(apBoth);
  arrow->SetArrowThicknessRate(20);
  ExpectFresh("arrow with wider heads");
  arrow->SetArrowThicknessRate(3);
  ExpectFresh("arrow with narrower heads");
  label->SetCaption("Short");
  ExpectFresh("shorter caption");
  box->SetLineWidth(12);
  ExpectFresh("wide pen");
  box->SetLineWidth(1);
  ExpectFresh("thin pen");
  box->ApplyBounds(400, 250, 60, 30);
  ExpectFresh("moved and smaller");
  Select(box);
  ExpectFresh("selected");
  doc->FigureSet().Select({});
  ExpectFresh("deselected");
  doc->FigureSet().Remove(std::vector<uint64_t>{doc->FigureSet().IdOf(label)});
  ExpectFresh("deleted");
}

}  // namespace
