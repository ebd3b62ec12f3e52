// The support-ticket sample with connectors kept attached: each shape that an arrow enters is
// dragged about by 7 and 17 pixels, and 60 to either side, and resized by its handle; every arrow head that touched a shape before still ends
// on it, whole, pointing into it, the screen shows it as the exported picture does at 100 % and
// 250 %, and one undo gives back the saved bytes.
#include <cmath>

#include "ConnectWireFixture.h"
#include "ConnectorFollowing.h"
#include "DiagramPicture.h"
#include "Outline.h"

namespace {

struct Entered {
  TKDArrow* arrow;
  connectors::Figure target;
};

struct SampleCase {
  QPoint by;
  bool resize;  // by the bottom-right handle, else a move
};

class SampleFollow : public ConnectWireFixture, public testing::WithParamInterface<SampleCase> {
 protected:
  void SetUp() override {
    ConnectWireFixture::SetUp();
    doc = main->OpenFile(QStringLiteral(KEDRIN_SEMANTICS_DATA "/support-ticket.kdl"));
    ASSERT_NE(doc, nullptr);
    SubOf(doc)->resize(900, 700);
    testsupport::Flush();
  }
  // A point inside the shape that no figure above it covers (its text label lies over its middle).
  QPoint Grip(const TCustomKDTool& shape) const {
    const connectors::Figure s = DescribeFigure(shape, 0);
    const auto figures = doc->Figures();
    const auto self = std::find(figures.begin(), figures.end(), &shape);
    const QRect b = s.box;
    for (int y : {b.center().y(), b.bottom() - 5, b.top() + 5})
      for (int x = b.left() + 4; x < b.right() - 4; x += 3) {
        const QPoint p(x, y);
        if (!connectors::Contains(s.kind, b, p) || connectors::DistanceToOutline(s.kind, b, p) < 3) continue;
        const bool covered = std::any_of(self + 1, figures.end(),
                                         [&](const TCustomKDTool* f) { return f->BoundsRect().adjusted(-3, -3, 3, 3).contains(p); });
        if (!covered) return p;
      }
    ADD_FAILURE() << "no free point on the box at " << b.x() << "," << b.y();
    return b.center();
  }
  // Differing pixels between the screen and the exported picture in the box (canvas pixels) at the
  // zoom; the selection is ended first, since frames are drawn on screen only.
  int ScreenDiffers(const QRect& around, double zoom) {
    doc->scbKedrin->SetColor(clWhite);  // the picture's background
    doc->FigureSet().Select({});
    doc->Surface()->SetZoom(zoom);
    testsupport::Flush();
    // Even corners and sizes land on whole pixels at 250 %.
    const QRect box(around.x() & ~1, around.y() & ~1, (around.width() + 3) & ~1, (around.height() + 3) & ~1);
    const QRect shown(qRound(box.x() * zoom), qRound(box.y() * zoom), qRound(box.width() * zoom), qRound(box.height() * zoom));
    const QImage screen = doc->Surface()->grab(shown).toImage().convertToFormat(QImage::Format_RGB32);
    PictureRequest request;
    request.size = shown.size();
    request.origin = box.topLeft();
    request.scale = zoom;
    const std::vector<TCustomKDTool*> figures = doc->Figures();
    const std::vector<const TCustomKDTool*> all(figures.begin(), figures.end());
    const QImage picture = RenderPicture(request, all).convertToFormat(QImage::Format_RGB32);
    doc->Surface()->SetZoom(1.0);
    testsupport::Flush();
    if (screen.size() != picture.size()) return -1;
    int n = 0;
    for (int y = 0; y < screen.height(); ++y)
      for (int x = 0; x < screen.width(); ++x) n += screen.pixel(x, y) != picture.pixel(x, y);
    return n;
  }
  // Each arrow whose head lies on a closed shape, with that shape.
  std::vector<Entered> ArrowsIntoShapes() const {
    std::vector<Entered> out;
    const connectors::FigureQuery query = QueryOf(doc->FigureSet());
    for (TCustomKDTool* f : doc->Figures()) {
      auto* a = qobject_cast<TKDArrow*>(f);
      if (!a || a->ArrowPosition() == apBoth) continue;
      const geom::ArrowHead head = Head(*a);
      std::vector<connectors::Figure> near;
      query(QRect(head.tip - QPoint(5, 5), QSize(11, 11)), near);
      for (const connectors::Figure& s : near)
        if (connectors::IsClosed(s.kind) && connectors::IsAttached(s.kind, s.box, head.tip)) {
          out.push_back({a, s});
          break;
        }
    }
    return out;
  }
};

TEST_P(SampleFollow, HeadsStayOnTheirShapes) {
  const QPoint by = GetParam().by;
  const bool resize = GetParam().resize;
  const std::vector<Entered> entered = ArrowsIntoShapes();
  ASSERT_GT(entered.size(), 10u);
  std::vector<connectors::FigureId> targets;
  for (const Entered& e : entered)
    if (std::find(targets.begin(), targets.end(), e.target.id) == targets.end()) targets.push_back(e.target.id);
  for (connectors::FigureId id : targets) {
    auto* shape = const_cast<TCustomKDTool*>(static_cast<const TCustomKDTool*>(id));
    const std::vector<uint8_t> saved = SaveBytes(doc);
    const QRect start = shape->BoundsRect();
    const QPoint grip = Grip(*shape);
    doc->scbKedrin->Reveal(start.united(start.translated(by)).adjusted(-10, -10, 10, 10));
    testsupport::Flush();
    UseTool("btnSelect");
    // The last shape's undo leaves it and the labels that followed it selected; their frame may
    // reach over this grip.
    doc->FigureSet().Select({});
    Click(grip);
    if (resize) DragBottomRightHandle(shape, by);
    else Drag(grip, grip + by);
    testsupport::Flush();
    ASSERT_EQ(shape->BoundsRect(), resize ? start.adjusted(0, 0, by.x(), by.y()) : start.translated(by))
        << "box at " << start.x() << "," << start.y();
    for (const Entered& e : entered) {
      const TCustomKDTool& target = *static_cast<const TCustomKDTool*>(e.target.id);
      const connectors::Figure now = DescribeFigure(target, 0);
      const geom::ArrowHead head = Head(*e.arrow);
      const QPointF dir = QPointF(head.tip - head.base);
      const double length = std::hypot(dir.x(), dir.y());
      ASSERT_GT(length, 0);
      const QPointF inward = QPointF(head.tip) + dir * (3 / length);
      const QRect box = e.arrow->BoundsRect();
      const std::string where = "moving box at " + std::to_string(start.x()) + "," + std::to_string(start.y()) +
                                ": arrow at " + std::to_string(box.x()) + "," + std::to_string(box.y());
      EXPECT_TRUE(connectors::IsAttached(now.kind, now.box, head.tip)) << where;
      EXPECT_TRUE(connectors::Contains(now.kind, now.box, inward)) << where << " points away";
      EXPECT_TRUE(connectors::HeadInside(head, box, e.arrow->LineWidth())) << where << " head cut";
    }
    // The screen shows the heads as the picture draws them, at 100 % and at 250 %.
    QRect around = shape->BoundsRect();
    for (const Entered& e : entered)
      if (e.target.id == id) around = around.united(e.arrow->BoundsRect());
    for (double zoom : {1.0, 2.5})
      EXPECT_EQ(ScreenDiffers(around.adjusted(-6, -6, 6, 6), zoom), 0)
          << "moving box at " << start.x() << "," << start.y() << " at " << zoom * 100 << " %";
    doc->History().Undo();
    testsupport::Flush();
    ASSERT_EQ(SaveBytes(doc), saved);
  }
}

INSTANTIATE_TEST_SUITE_P(Moves, SampleFollow,
                         // The sample's rows lie 80 pixels apart: 60 up or down puts shapes onto each other.
                         testing::Values(SampleCase{{60, 0}, false}, SampleCase{{-60, 0}, false}, SampleCase{{17, 0}, false},
                                         SampleCase{{-17, 0}, false}, SampleCase{{0, 17}, false}, SampleCase{{0, -17}, false},
                                         SampleCase{{7, 0}, false}, SampleCase{{-7, 0}, false}, SampleCase{{0, 7}, false},
                                         SampleCase{{0, -7}, false}, SampleCase{{40, 0}, true}, SampleCase{{-30, 0}, true},
                                         SampleCase{{0, 17}, true}, SampleCase{{0, -9}, true}),
                         [](const auto& info) {
                           const QPoint p = info.param.by;
                           return std::string(info.param.resize ? "Resize" : "Move") +
                                  (p.x() ? (p.x() > 0 ? "Right" : "Left") : (p.y() > 0 ? "Down" : "Up")) +
                                  std::to_string(std::abs(p.x() + p.y()));
                         });

}  // namespace
