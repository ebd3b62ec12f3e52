// With View > Keep Connectors and Labels Attached on, an arrow drawn from or to a point within
// 8 pixels of a box's outline starts or ends exactly on the nearest side midpoint or corner, the
// outline is traced while the pointer is in reach, and Alt draws where the pointer is.
#include "ConnectorOptions.h"
#include "HistoryFixture.h"
#include "OutlineHighlight.h"

namespace {

// The box (200, 200, 100, 60): left side midpoint (200, 230).
constexpr QRect kBox(200, 200, 100, 60);

struct DrawCase {
  const char* name;
  QPoint from, to;
  Qt::KeyboardModifiers modifiers;
  QRect arrow;  // a horizontal arrow: 30 high, centred on its course
  TArrowPosition head;
};
void PrintTo(const DrawCase& c, std::ostream* os) { *os << c.name; }

class DrawSnap : public HistoryFixture, public testing::WithParamInterface<DrawCase> {
 protected:
  void SetUp() override {
    HistoryFixture::SetUp();
    ConnectorOptions::Instance().SetKeepAttached(true);
    box = Add<TKDRectangle>(doc, kBox);
    UseTool("btnArrow");
  }
  void TearDown() override {
    ConnectorOptions::Instance().SetKeepAttached(false);
    HistoryFixture::TearDown();
  }
  void DragWith(QPoint from, QPoint to, Qt::KeyboardModifiers m) {
    QTest::mousePress(main->windowHandle(), Qt::LeftButton, m, InWindow(from));
    QTest::mouseMove(main->windowHandle(), InWindow((from + to) / 2));
    QTest::mouseMove(main->windowHandle(), InWindow(to));
    QTest::mouseRelease(main->windowHandle(), Qt::LeftButton, m, InWindow(to));
  }
  TKDRectangle* box = nullptr;
};

const DrawCase kDraws[] = {
    // 5 px left of the midpoint: the arrow starts on it; its head at the release, on the left.
    {"PressNearTheSide", {195, 230}, {100, 230}, {}, {100, 215, 100, 30}, apLeft},
    // Released 4 px off and 2 px below the midpoint: the head lands on it.
    {"ReleaseNearTheSide", {100, 230}, {196, 232}, {}, {100, 215, 100, 30}, apRight},
    // Nearer the top left corner than the midpoints.
    {"PressNearACorner", {194, 197}, {100, 200}, {}, {100, 185, 100, 30}, apLeft},
    {"AltDrawsWhereThePointerIs", {195, 230}, {100, 230}, Qt::AltModifier, {100, 215, 95, 30}, apLeft},
    {"TooFarToSnap", {191, 230}, {100, 230}, {}, {100, 215, 91, 30}, apLeft},
};

TEST_P(DrawSnap, ArrowEndLandsOnTheOutline) {
  const DrawCase& c = GetParam();
  DragWith(c.from, c.to, c.modifiers);
  auto* arrow = LastFigure<TKDArrow>();
  ASSERT_NE(arrow, nullptr);
  EXPECT_EQ(arrow->BoundsRect(), c.arrow);
  EXPECT_EQ(arrow->ArrowDirection(), adTopToTop);
  EXPECT_EQ(arrow->ArrowPosition(), c.head);
}

INSTANTIATE_TEST_SUITE_P(Box, DrawSnap, testing::ValuesIn(kDraws),
                         [](const testing::TestParamInfo<DrawCase>& i) { return std::string(i.param.name); });

TEST_F(DrawSnap, OutlineIsTracedOnlyWhileInReach) {
  OutlineHighlight* highlight = OutlineHighlight::Of(doc->Surface());
  Press({195, 230});
  EXPECT_EQ(highlight->Shown(), box);
  MoveTo({150, 230});
  EXPECT_EQ(highlight->Shown(), nullptr);
  MoveTo({296, 262});
  EXPECT_EQ(highlight->Shown(), box);
  Release({296, 262});
  EXPECT_EQ(highlight->Shown(), nullptr);
}

}  // namespace
