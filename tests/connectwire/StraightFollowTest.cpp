// A straight arrow attached to two boxes at both ends, while one box is dragged or resized: it
// stays horizontal while the boxes overlap up and down (its ends sliding along the facing sides),
// otherwise runs diagonally between the facing side midpoints; its head always ends on the
// target and points into it, whole; one undo gives back the saved bytes.
#include "ConnectWireFixture.h"

namespace {

// Box A (100, 200, 120, 60): right side x = 220, rows 200..260. Box B starts 180 pixels to the
// right at the same height; the arrow runs from A's right midpoint (220, 230) to B's left (400, 230).
constexpr QRect kA(100, 200, 120, 60), kB(400, 200, 120, 60);

struct FollowCase {
  const char* name;
  bool resize;      // by the bottom-right handle, else a move of the body
  QPoint by;
  QPoint tail, tip;  // the arrow's ends afterwards, worked out from the two boxes
};
void PrintTo(const FollowCase& c, std::ostream* os) { *os << c.name; }

class StraightFollow : public ConnectWireFixture, public testing::WithParamInterface<FollowCase> {
 protected:
  void SetUp() override {
    ConnectWireFixture::SetUp();
    a = Add<TKDRectangle>(doc, kA);
    b = Add<TKDRectangle>(doc, kB);
    UseTool("btnArrow");
    // Ends a pixel or two off the sides snap onto their midpoints.
    Drag({222, 231}, {398, 229});
    arrow = LastFigure<TKDArrow>();
  }
  TKDRectangle *a = nullptr, *b = nullptr;
  TKDArrow* arrow = nullptr;
};

// Overlap rows of A [200, 260] and B moved: the middle row, rounded down. No overlap (B 60 up
// or down: it touches A's rows only at one edge) gives a diagonal between A's right midpoint
// and B's left midpoint.
const FollowCase kFollow[] = {
    {"Up7", false, {0, -7}, {220, 226}, {400, 226}},      // rows 200..253
    {"Up17", false, {0, -17}, {220, 221}, {400, 221}},    // rows 200..243
    {"Up60", false, {0, -60}, {220, 230}, {400, 170}},    // diagonal
    {"Down7", false, {0, 7}, {220, 233}, {400, 233}},     // rows 207..260
    {"Down17", false, {0, 17}, {220, 238}, {400, 238}},   // rows 217..260
    {"Down60", false, {0, 60}, {220, 230}, {400, 290}},   // diagonal
    {"Left7", false, {-7, 0}, {220, 230}, {393, 230}},
    {"Left17", false, {-17, 0}, {220, 230}, {383, 230}},
    {"Left60", false, {-60, 0}, {220, 230}, {340, 230}},
    {"Right7", false, {7, 0}, {220, 230}, {407, 230}},
    {"Right17", false, {17, 0}, {220, 230}, {417, 230}},
    {"Right60", false, {60, 0}, {220, 230}, {460, 230}},
    {"LeftUp17", false, {-17, -17}, {220, 221}, {383, 221}},
    // B (400, 200, 120, 43): rows 200..243.
    {"ShorterBy17", true, {0, -17}, {220, 221}, {400, 221}},
    // B (400, 200, 120, 120): rows 200..320 hold all of A's, so the arrow stays where it was.
    {"TallerBy60", true, {0, 60}, {220, 230}, {400, 230}},
    // B (400, 200, 150, 20): rows 200..220.
    {"FlatterBy40", true, {30, -40}, {220, 210}, {400, 210}},
};

TEST_P(StraightFollow, KeepsArrowRight) {
  const FollowCase& c = GetParam();
  ASSERT_NE(arrow, nullptr);
  ASSERT_EQ(EndsOf(*arrow).start, QPoint(220, 230));
  ASSERT_EQ(EndsOf(*arrow).end, QPoint(400, 230));
  const std::vector<uint8_t> saved = SaveBytes(doc);
  const int steps = doc->History().Stack().count();

  ClickFigure(b);
  if (c.resize) DragBottomRightHandle(b, c.by);
  else Drag(kB.center(), kB.center() + c.by);
  testsupport::Flush();
  ASSERT_EQ(b->BoundsRect(), c.resize ? kB.adjusted(0, 0, c.by.x(), c.by.y()) : kB.translated(c.by));

  const connectors::Ends ends = EndsOf(*arrow);
  EXPECT_EQ(ends.start, c.tail);
  EXPECT_EQ(ends.end, c.tip);
  EXPECT_EQ(arrow->ArrowPosition(), apRight);
  const geom::ArrowHead head = Head(*arrow);
  EXPECT_EQ(head.tip, c.tip);
  // Whole within what the arrow draws, and along the shaft towards the target.
  EXPECT_TRUE(connectors::HeadInside(head, arrow->BoundsRect(), arrow->LineWidth()));
  const QPoint along = c.tip - c.tail, into = head.tip - head.base;
  EXPECT_GT(along.x() * into.x() + along.y() * into.y(), 0);

  EXPECT_EQ(doc->History().Stack().count(), steps + 1);
  doc->History().Undo();
  testsupport::Flush();
  EXPECT_EQ(SaveBytes(doc), saved);
}

INSTANTIATE_TEST_SUITE_P(Drag, StraightFollow, testing::ValuesIn(kFollow),
                         [](const auto& info) { return std::string(info.param.name); });

// A line between the boxes is laid the same way: B 17 up leaves rows 200..243 shared.
TEST_F(ConnectWireFixture, LineStaysHorizontal) {
  Add<TKDRectangle>(doc, kA);
  TKDRectangle* b = Add<TKDRectangle>(doc, kB);
  UseTool("btnLine");
  Drag({222, 231}, {398, 229});
  auto* line = LastFigure<TKDLine>();
  ASSERT_NE(line, nullptr);
  const std::vector<uint8_t> saved = SaveBytes(doc);
  ClickFigure(b);
  Drag(kB.center(), kB.center() + QPoint(0, -17));
  const connectors::Ends ends = connectors::EndsOf(line->BoundsRect(), line->Orientation());
  EXPECT_EQ(ends.start, QPoint(220, 221));
  EXPECT_EQ(ends.end, QPoint(400, 221));
  doc->History().Undo();
  EXPECT_EQ(SaveBytes(doc), saved);
}

// With the option off nothing follows: the arrow stays as drawn.
TEST_F(ConnectWireFixture, OffArrowStays) {
  TKDRectangle* a = Add<TKDRectangle>(doc, kA);
  TKDRectangle* b = Add<TKDRectangle>(doc, kB);
  (void)a;
  UseTool("btnArrow");
  Drag({222, 231}, {398, 229});
  auto* arrow = LastFigure<TKDArrow>();
  ASSERT_NE(arrow, nullptr);
  const QRect drawn = arrow->BoundsRect();
  ConnectorOptions::Instance().SetKeepAttached(false);
  ClickFigure(b);
  Drag(kB.center(), kB.center() + QPoint(0, -17));
  EXPECT_EQ(arrow->BoundsRect(), drawn);
}

}  // namespace
