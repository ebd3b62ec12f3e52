// The editor as a user meets it: started on a virtual display and driven only through pointer and
// key events and the real clipboard; every step is checked against the saved diagram (through
// kdltool) and against the screen.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <map>

#include "ScenarioSupport.h"
#include "X11Session.h"

namespace {


const QRgb kBlack = qRgb(0, 0, 0);

using EditorScenario = ScenarioFixture;

TEST_F(EditorScenario, DrawSelectRestyleCopySaveReopenExport) {
  const QString diagram = Out(QStringLiteral("scenario.kdl"));

  Step("start and new document", [&] {
    ASSERT_TRUE(x_.StartEditor());
    x_.Key(QStringLiteral("alt+f"));
    x_.Key(QStringLiteral("n"));
    ASSERT_TRUE(X11Session::WaitFor([&] { return (origin_ = FindCanvasOrigin()).x() >= 0; }, 8000));
  });
  ASSERT_FALSE(HasFailure());

  Step("draw with every tool", [&] {
    DrawWith(Begin, {60, 20}, {120, 70});
    DrawWith(Process, {40, 100}, {180, 150});
    DrawWith(Diamond, {40, 190}, {180, 270});
    DrawWith(Ellipse, {260, 190}, {380, 260});
    DrawWith(Rectangle, {260, 100}, {380, 150});
    DrawWith(End, {70, 320}, {120, 370});
    DrawWith(Arrow, {110, 70}, {110, 100});
    DrawWith(Line, {180, 230}, {260, 230});
    DrawWith(Label, {420, 20}, {560, 60});
    DrawWith(Arrow, {430, 100}, {530, 180});
    ASSERT_TRUE(SaveAs(diagram));
    auto figures = Dump(diagram);
    ASSERT_EQ(figures.size(), 10u);
    const char* classes[] = {"TKDBegin", "TKDProcess", "TKDDiamond", "TKDEllipse", "TKDRectangle",
                             "TKDEnd",   "TKDArrow",   "TKDLine",    "TKDLabel",   "TKDArrow"};
    for (size_t i = 0; i < 10; ++i) EXPECT_EQ(figures[i].cls, classes[i]) << i;
    EXPECT_EQ(figures[4].Int("Left"), 260);
    EXPECT_EQ(figures[4].Int("Top"), 100);
    EXPECT_EQ(figures[4].Int("Width"), 120);
    EXPECT_EQ(figures[4].Int("Height"), 50);
    EXPECT_EQ(figures[6].Int("Left"), 95);  // a straight arrow is centred on the dragged line
    EXPECT_EQ(figures[6].Get("ArrowDirection"), "adLeftToLeft");
    EXPECT_EQ(figures[7].Int("Top"), 229);
    EXPECT_EQ(figures[7].Int("Height"), 4);
    EXPECT_EQ(figures[9].Get("ArrowPosition"), "apRight");
    ExpectOnScreen({{{260, 125}, kBlack, 60, "the rectangle's left edge"},
                    {{320, 125}, kWhite, 8, "the rectangle's white inside"},
                    {{320, 225}, kWhite, 8, "the ellipse's inside"},
                    {{600, 300}, kCanvas, 8, "the empty canvas"}});
  });

  Step("select, drag, resize from a corner, nudge", [&] {
    UseTool(Select);
    x_.Drag(C(320, 125).x(), C(320, 125).y(), C(360, 155).x(), C(360, 155).y());
    // Bottom-right handle of the frame around the moved rectangle (300, 130, 120 x 50).
    QPoint handle = C(300 + 120 - 1, 130 + 50 - 1);
    x_.Drag(handle.x(), handle.y(), handle.x() + 30, handle.y() + 20);
    x_.Key(QStringLiteral("Right"));
    x_.Key(QStringLiteral("ctrl+Down"));
    ASSERT_TRUE(Save(diagram));
    auto figures = Dump(diagram);
    ASSERT_EQ(figures.size(), 10u);
    EXPECT_EQ(figures[4].Int("Left"), 350);  // moved 40, nudged by its step of 50
    EXPECT_EQ(figures[4].Int("Top"), 131);
    EXPECT_EQ(figures[4].Int("Width"), 150);
    EXPECT_EQ(figures[4].Int("Height"), 70);
    ExpectOnScreen({{{270, 105}, kCanvas, 8, "where the rectangle was"},
                    {{420, 165}, kWhite, 8, "where the rectangle is"}});
  });

  Step("rubber-band a group and move it", [&] {
    x_.Drag(C(20, 10).x(), C(20, 10).y(), C(200, 160).x(), C(200, 160).y());
    x_.Drag(C(150, 40).x(), C(150, 40).y(), C(150 + 200, 40 + 250).x(), C(150 + 200, 40 + 250).y());
    ASSERT_TRUE(Save(diagram));
    auto figures = Dump(diagram);
    ASSERT_EQ(figures.size(), 10u);
    EXPECT_EQ(figures[0].Int("Left"), 260);  // begin
    EXPECT_EQ(figures[0].Int("Top"), 270);
    EXPECT_EQ(figures[1].Int("Left"), 240);  // process
    EXPECT_EQ(figures[6].Int("Left"), 295);  // arrow
    EXPECT_EQ(figures[2].Int("Left"), 40);   // the diamond stayed
  });

  Step("restyle the group with pen, brush, width and caption", [&] {
    x_.Click(kDashPen.x(), kDashPen.y());
    x_.Click(kHorizontalBrush.x(), kHorizontalBrush.y());
    x_.Click(kPenSize.x(), kPenSize.y());
    x_.Key(QStringLiteral("ctrl+a"));
    x_.Type(QStringLiteral("4"));
    x_.Click(kCaptionBox.x(), kCaptionBox.y());
    x_.Key(QStringLiteral("ctrl+a"));
    x_.Type(QStringLiteral("Go"));
    ASSERT_TRUE(Save(diagram));
    auto figures = Dump(diagram);
    ASSERT_EQ(figures.size(), 10u);
    for (int i : {0, 1, 6}) {
      EXPECT_EQ(figures[i].Get("LineStyle"), "psDash") << i;
      EXPECT_EQ(figures[i].Get("FillStyle"), "bsHorizontal") << i;
      EXPECT_EQ(figures[i].Int("LineWidth"), 4) << i;
      EXPECT_EQ(figures[i].Get("Caption"), "'Go'") << i;
    }
    EXPECT_EQ(figures[4].Get("LineStyle"), "psSolid");  // not in the group
    // The process box shows horizontal hatch lines in the (white) brush colour over the canvas.
    int hatch = 0, canvas = 0;
    ScreenWhen([&](const QImage& shot) {
      hatch = canvas = 0;
      for (int y = 360; y < 390; ++y) {
        QRgb p = ScreenAt(shot, 310, y);
        hatch += Near(p, kWhite, 2);
        canvas += Near(p, kCanvas, 2);
      }
      return hatch > 1 && canvas > hatch;
    });
    EXPECT_GT(hatch, 1);
    EXPECT_GT(canvas, hatch);
  });

  Step("copy and paste with Ctrl+C and Ctrl+V", [&] {
    // Back from the caption box (where Ctrl+C would copy its text) to the group, by a click on
    // one of its figures: the group frame takes the focus and the selection stays.
    auto before = Dump(diagram);
    const Figure* begin = FindFigure(before, "TKDBegin");
    ASSERT_NE(begin, nullptr);
    ClickCanvas(begin->Int("Left") + begin->Int("Width") / 2, begin->Int("Top") + begin->Int("Height") / 2);
    x_.Key(QStringLiteral("ctrl+c"));
    x_.Key(QStringLiteral("ctrl+v"));
    EXPECT_TRUE(x_.WaitForClipboardTypes({QStringLiteral("application/x-kedrin-figure"), QStringLiteral("image/png"),
                                          QStringLiteral("image/svg+xml")}))
        << "the clipboard offers only " << x_.ClipboardTypes().join(u' ').toStdString();
    ASSERT_TRUE(SaveAs(Out(QStringLiteral("scenario-final.kdl"))));
    auto figures = Dump(Out(QStringLiteral("scenario-final.kdl")));
    ASSERT_EQ(figures.size(), 13u);
    EXPECT_EQ(figures[10].cls, "TKDBegin");
    EXPECT_EQ(figures[10].Int("Left"), 270);
    EXPECT_EQ(figures[10].Int("Top"), 280);
  });

  Step("close, open again and save the same bytes", [&] {
    const QString final = Out(QStringLiteral("scenario-final.kdl"));
    QFile f(final);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray saved = f.readAll();
    f.close();
    // The close button of the document's window, at the right end of its title bar.
    x_.Click(origin_.x() + 675, origin_.y() - 14);
    ASSERT_TRUE(X11Session::WaitFor([&] { return FindCanvasOrigin().x() < 0; }, 5000)) << "document still open";
    x_.Key(QStringLiteral("alt+f"));
    x_.Key(QStringLiteral("o"));
    ASSERT_TRUE(AnswerFileDialog(QStringLiteral("Open"), final));
    ASSERT_TRUE(X11Session::WaitFor([&] { return (origin_ = FindCanvasOrigin()).x() >= 0; }, 8000));
    QFile::remove(final);
    x_.Key(QStringLiteral("alt+f"));
    x_.Key(QStringLiteral("s"));
    ASSERT_TRUE(X11Session::WaitFor([&] { return QFileInfo(final).size() > 0; }, 8000));
    QFile again(final);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    // Figures read from a file are never selected, so the ones saved while selected come back
    // with HaveFocused False; every other byte is the same.
    QByteArray unselected = saved;
    unselected.replace(QByteArray("\x0BHaveFocused\x09", 13), QByteArray("\x0BHaveFocused\x08", 13));
    EXPECT_NE(unselected, saved) << "the figures were selected when saved";
    EXPECT_EQ(again.readAll(), unselected);
    ExpectOnScreen({{{420, 165}, kWhite, 8, "the rectangle, back in its place"}});
  });

  Step("delete a figure, undo it and save: the file is as it was", [&] {
    const QString final = Out(QStringLiteral("scenario-final.kdl"));
    QFile f(final);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray before = f.readAll();
    f.close();
    const auto figures = Dump(final);
    const Figure* diamond = FindFigure(figures, "TKDDiamond");
    ASSERT_NE(diamond, nullptr);
    const QPoint centre(diamond->Int("Left") + diamond->Int("Width") / 2, diamond->Int("Top") + diamond->Int("Height") / 2);
    UseTool(Select);
    ClickCanvas(centre.x(), centre.y());
    x_.Key(QStringLiteral("Delete"));
    ASSERT_TRUE(Save(final));
    // The line attached to the diamond goes with it.
    EXPECT_EQ(Dump(final).size(), figures.size() - 2);
    x_.Key(QStringLiteral("ctrl+z"));
    ClickCanvas(600, 400);  // nothing selected, as when it was saved
    ASSERT_TRUE(Save(final));
    QFile again(final);
    ASSERT_TRUE(again.open(QIODevice::ReadOnly));
    EXPECT_EQ(again.readAll(), before);
  });

  Step("export a bitmap and a JPEG", [&] {
    for (const char* name : {"scenario.bmp", "scenario.jpg"}) {
      ASSERT_TRUE(SaveAs(Out(QLatin1String(name)))) << name;
      QImage picture(Out(QLatin1String(name)));
      ASSERT_FALSE(picture.isNull()) << name;
      EXPECT_GE(picture.width(), 600) << name;
      EXPECT_TRUE(Near(picture.pixel(420, 165), kWhite, 20)) << name;  // inside the rectangle
      EXPECT_TRUE(Near(picture.pixel(350, 165), kBlack, 80)) << name;  // its left edge
      EXPECT_TRUE(Near(picture.pixel(600, 420), kWhite, 20)) << name;  // the picture is white
    }
  });

  Step("exit", [&] {
    x_.FocusMainWindow();
    x_.Key(QStringLiteral("alt+f"));
    x_.Key(QStringLiteral("x"));
    // Owning the clipboard, Qt offers it to a clipboard manager on the way out and waits a few
    // seconds for one that a bare display does not have.
    EXPECT_TRUE(X11Session::WaitFor([&] { return !x_.EditorRunning(); }, 20000)) << x_.EditorStacks().toStdString();
  });
}

TEST_F(EditorScenario, DiagramNamedOnTheCommandLineIsOpened) {
  Step("open from the command line", [&] {
    ASSERT_TRUE(x_.StartEditor({QStringLiteral(KEDRIN_TEST_DATA "/order-flow.kdl")}));
    ASSERT_TRUE(X11Session::WaitFor([&] { return (origin_ = FindCanvasOrigin()).x() >= 0; }, 8000));
    // The start mark of the sample is a green disc at (290, 20), 60 x 60.
    ExpectOnScreen({{{320, 50}, qRgb(0, 255, 0), 8, "the sample's start mark"}});
    x_.SaveScreenshot(QStringLiteral("command-line-open"));
  });
}

}  // namespace
