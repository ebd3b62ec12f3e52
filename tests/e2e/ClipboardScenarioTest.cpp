// The system clipboard between documents and programs, and a rubber band that scrolls: the editor
// on a virtual display, the clipboard read and written by xclip.

#include "ScenarioSupport.h"

namespace {

using ClipboardScenario = ScenarioFixture;

// A rectangle record: only the box is given, every other property keeps its stored default.
QByteArray RectangleRecord(int left, int top, int width, int height) {
  QByteArray r("TPF0");
  r += char(12);
  r += "TKDRectangle";
  r += char(0);
  auto entry = [&](const char* name, int value) {
    r += char(qstrlen(name));
    r += name;
    r += char(4);  // TagInt32
    for (int i = 0; i < 4; ++i) r += char((value >> (8 * i)) & 0xFF);
  };
  entry("Left", left);
  entry("Top", top);
  entry("Width", width);
  entry("Height", height);
  r += char(0);
  r += char(0);
  return r;
}

const QString kFigureType = QStringLiteral("application/x-kedrin-figure");
const QStringList kCopiedTypes = {kFigureType, QStringLiteral("image/png"), QStringLiteral("image/svg+xml")};

int CountSelected(const std::vector<Figure>& figures) {
  int n = 0;
  for (const Figure& f : figures) n += f.Get("HaveFocused") == "True";
  return n;
}

TEST_F(ClipboardScenario, CopyInOneDiagramPasteInAnotherAndFromOtherPrograms) {
  Step("start, draw two figures and copy them", [&] {
    ASSERT_TRUE(x_.StartEditor());
    x_.Key(QStringLiteral("ctrl+n"));
    ASSERT_TRUE(X11Session::WaitFor([&] { return (origin_ = FindCanvasOrigin()).x() >= 0; }, 8000));
    DrawWith(Process, {40, 40}, {160, 90});
    DrawWith(Ellipse, {200, 40}, {300, 100});
    UseTool(Select);
    x_.Drag(C(20, 20).x(), C(20, 20).y(), C(320, 120).x(), C(320, 120).y());
    x_.Key(QStringLiteral("ctrl+c"));
    EXPECT_TRUE(x_.WaitForClipboardTypes(kCopiedTypes)) << "the clipboard offers only "
                                                        << x_.ClipboardTypes().join(u' ').toStdString();
  });
  ASSERT_FALSE(HasFailure());

  Step("paste into a second diagram", [&] {
    ASSERT_TRUE(NewDocument());
    x_.Key(QStringLiteral("ctrl+v"));
    ASSERT_TRUE(SaveAs(Out(QStringLiteral("clipboard-second.kdl"))));
    const auto figures = Dump(Out(QStringLiteral("clipboard-second.kdl")));
    ASSERT_EQ(figures.size(), 2u);
    EXPECT_EQ(figures[0].cls, "TKDProcess");
    EXPECT_EQ(figures[0].Int("Left"), 50);  // 10 pixels right of and below the original
    EXPECT_EQ(figures[0].Int("Top"), 50);
    EXPECT_EQ(figures[1].cls, "TKDEllipse");
  });

  Step("records another program put on the clipboard paste too", [&] {
    ASSERT_TRUE(x_.OfferClipboard(
        kFigureType, RectangleRecord(100, 100, 60, 40) + RectangleRecord(200, 100, 60, 40) + RectangleRecord(300, 100, 60, 40)));
    x_.FocusMainWindow();
    ASSERT_TRUE(NewDocument());
    x_.Key(QStringLiteral("ctrl+v"));
    ASSERT_TRUE(SaveAs(Out(QStringLiteral("clipboard-third.kdl"))));
    const auto figures = Dump(Out(QStringLiteral("clipboard-third.kdl")));
    ASSERT_EQ(figures.size(), 3u);
    EXPECT_EQ(figures[2].Int("Left"), 310);
    EXPECT_EQ(CountSelected(figures), 3) << "the pasted figures are the selection";
  });

  Step("garbage under our type shows the reader's message and pastes nothing", [&] {
    ASSERT_TRUE(x_.OfferClipboard(kFigureType, QByteArray("TPF0\x05TJunk\x00\x00\x00", 12)));
    x_.FocusMainWindow();
    x_.Key(QStringLiteral("ctrl+v"));
    const QString box = x_.WaitForWindow(QStringLiteral("^Error$"), 8000);
    ASSERT_FALSE(box.isEmpty()) << "no error box";
    x_.SaveScreenshot(QStringLiteral("clipboard-garbage"));
    ASSERT_TRUE(x_.FocusWindow(box));
    x_.Key(QStringLiteral("Return"));
    ASSERT_TRUE(x_.WindowGone(QStringLiteral("^Error$"), 8000));
    ASSERT_TRUE(Save(Out(QStringLiteral("clipboard-third.kdl"))));
    EXPECT_EQ(Dump(Out(QStringLiteral("clipboard-third.kdl"))).size(), 3u);
  });
}

// Two figures 12,000 pixels apart are more picture than the clipboard takes: the records go all
// the same, beside a smaller picture, and replace what the clipboard held.
TEST_F(ClipboardScenario, ALargeSelectionIsCopiedWithItsRecordsAndPastesInAnotherDocument) {
  const QString far = Out(QStringLiteral("twelve-thousand-apart.kdl"));
  {
    QFile f(far);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(RectangleRecord(20, 20, 60, 40) + RectangleRecord(12020, 12020, 60, 40));
  }
  Step("open, select both and copy over an older clipboard", [&] {
    ASSERT_TRUE(x_.OfferClipboard(kFigureType, RectangleRecord(100, 100, 30, 30)));
    ASSERT_TRUE(x_.StartEditor({far}));
    ASSERT_TRUE(X11Session::WaitFor([&] { return (origin_ = FindCanvasOrigin()).x() >= 0; }, 15000));
    x_.FocusMainWindow();
    x_.Key(QStringLiteral("ctrl+a"));
    x_.Key(QStringLiteral("ctrl+c"));
    EXPECT_TRUE(x_.WaitForClipboardTypes(kCopiedTypes))
        << "the clipboard offers only " << x_.ClipboardTypes().join(u' ').toStdString();
    EXPECT_TRUE(x_.WaitForWindow(QStringLiteral("^Error$"), 1500).isEmpty()) << "an error box";
    x_.SaveScreenshot(QStringLiteral("large-copy"));
  });
  ASSERT_FALSE(HasFailure());
  Step("paste into a second diagram", [&] {
    ASSERT_TRUE(NewDocument());
    x_.Key(QStringLiteral("ctrl+v"));
    x_.SaveScreenshot(QStringLiteral("large-paste"));
    ASSERT_TRUE(SaveAs(Out(QStringLiteral("twelve-thousand-pasted.kdl"))));
    const auto figures = Dump(Out(QStringLiteral("twelve-thousand-pasted.kdl")));
    ASSERT_EQ(figures.size(), 2u) << "not the older clipboard's one figure";
    EXPECT_EQ(figures[0].Int("Left"), 30);
    EXPECT_EQ(figures[1].Int("Left"), 12030);
    EXPECT_EQ(figures[1].Int("Top"), 12030);
  });
}

TEST_F(ClipboardScenario, RubberBandPastTheBottomOfALargeDiagramScrollsAndSelectsWhatWasOutOfSight) {
  // 2,000 small boxes, 20 to a row: far more than the window shows.
  const QString big = Out(QStringLiteral("two-thousand.kdl"));
  {
    QFile f(big);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    for (int i = 0; i < 2000; ++i) f.write(RectangleRecord(20 + 30 * (i % 20), 20 + 30 * (i / 20), 20, 20));
  }
  Step("open and band past the bottom edge", [&] {
    ASSERT_TRUE(x_.StartEditor({big}));
    ASSERT_TRUE(X11Session::WaitFor([&] { return (origin_ = FindCanvasOrigin()).x() >= 0; }, 15000));
    UseTool(Select);
    // The document's vertical scroll bar, right of its canvas (in line with the close button):
    // with the canvas at its top, the thumb is at the top and the groove shows below it.
    const int barX = origin_.x() + 675;
    const QImage top = x_.Screenshot();
    ASSERT_FALSE(top.isNull());
    const QRgb groove = top.pixel(barX, origin_.y() + 200);
    int grooveEnd = origin_.y() + 200;
    while (grooveEnd + 1 < top.height() && top.pixel(barX, grooveEnd + 1) == groove) ++grooveEnd;
    ASSERT_GT(grooveEnd - origin_.y(), 300) << "no scroll bar groove at x " << barX;
    // Press on the empty canvas left of the boxes, drag below the window's status bar and hold
    // until the canvas has scrolled to its end: the thumb then covers the groove's last pixel.
    const QPoint start = C(5, 5);
    ASSERT_TRUE(x_.Press(start.x(), start.y()));
    x_.MoveTo(start.x() + 300, start.y() + 200);
    x_.MoveTo(start.x() + 640, 940);
    EXPECT_TRUE(X11Session::WaitFor([&] { return x_.Screenshot().pixel(barX, grooveEnd) != groove; }, 15000))
        << "the canvas did not scroll to its end";
    x_.Release();
    x_.SaveScreenshot(QStringLiteral("band-scrolled"));
    ASSERT_TRUE(SaveAs(Out(QStringLiteral("two-thousand-selected.kdl"))));
    const auto figures = Dump(Out(QStringLiteral("two-thousand-selected.kdl")));
    ASSERT_EQ(figures.size(), 2000u);
    int deepest = 0;
    for (const Figure& f : figures)
      if (f.Get("HaveFocused") == "True") deepest = std::max(deepest, f.Int("Top"));
    // The window shows the canvas down to about 480 pixels: the band went well beyond.
    EXPECT_GT(deepest, 700) << "selected " << CountSelected(figures);
    EXPECT_GT(CountSelected(figures), 400);
  });
}

}  // namespace
