// The editor over a figure's text on a canvas of its own (no main window): where it opens at each
// zoom, what its keys do, and what the typed text becomes, each as one step that undoes byte for
// byte.
#include <gtest/gtest.h>

#include <QTest>
#include <QUndoStack>
#include <memory>

#include "ControlCanvas.h"
#include "Diagram.h"
#include "DocumentHistory.h"
#include "Focus.h"
#include "InPlaceEditor.h"
#include "KDTools.h"
#include "TestSupport.h"
#include "TextEditSession.h"

namespace {

TFontDesc Mono() {
  TFontDesc f;
  f.name = "DejaVu Sans Mono";
  f.height = -11;
  f.color = clBlack;
  return f;
}

class Session : public testing::Test {
 protected:
  void SetUp() override {
    focus::Install();
    RegisterFigureClasses();
    window = std::make_unique<QWidget>();
    focus::MarkForm(window.get());
    window->resize(900, 700);
    canvas = new TControlCanvas(window.get());
    canvas->resize(900, 700);
    diagram = std::make_unique<Diagram>();
    canvas->SetContent(diagram.get());
    history = std::make_unique<DocumentHistory>(*diagram);
    session = std::make_unique<TextEditSession>(*canvas, *diagram, *history, nullptr);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  void TearDown() override {
    session.reset();
    history.reset();
    canvas->SetContent(nullptr);
    diagram.reset();
    window.reset();
    testsupport::Flush();
  }

  template <typename T>
  T* Add(const QRect& r, const std::string& caption = {}) {
    auto* f = new T();
    f->ApplyBounds(r.x(), r.y(), r.width(), r.height());
    f->SetFont(Mono());
    if (!caption.empty()) f->SetCaption(caption);
    f->SetParentControl(canvas);
    return f;
  }
  TInPlaceEditor* Editor() const { return session->Editor(); }
  void Type(const QString& text) { QTest::keyClicks(Editor(), text); }
  void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) { QTest::keyClick(Editor(), key, mods); }
  // The topmost label of the diagram.
  TKDLabel* TopLabel() const {
    const std::vector<TCustomKDTool*> all = diagram->Figures();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
      if (auto* l = qobject_cast<TKDLabel*>(*it)) return l;
    return nullptr;
  }
  // The records a save would write, with nothing selected (an undo selects what it changed).
  std::vector<std::vector<uint8_t>> Records() const {
    std::vector<std::vector<uint8_t>> records;
    for (TCustomKDTool* f : diagram->Figures()) {
      const bool selected = f->HaveFocused();
      f->SetHaveFocused(false);
      records.push_back(Diagram::RecordOf(*f));
      f->SetHaveFocused(selected);
    }
    return records;
  }
  QString LastStep() const { return history->Stack().text(history->Stack().index() - 1); }

  std::unique_ptr<QWidget> window;
  TControlCanvas* canvas = nullptr;
  std::unique_ptr<Diagram> diagram;
  std::unique_ptr<DocumentHistory> history;
  std::unique_ptr<TextEditSession> session;
};

// The label each closed figure's text gets, the same at every zoom (canvas pixels), worked out by
// hand in TextAreaTest's inner boxes with the font's 6.62-pixel characters and 13-pixel lines.
struct ClassCase {
  const char* name;
  TCustomKDTool* (*make)(Session&, const QRect&);
  QRect box;
  const char* text;
  QRect label;
};
struct ZoomedClass {
  ClassCase shape;
  double zoom;
};
void PrintTo(const ZoomedClass& c, std::ostream* os) { *os << c.shape.name << " at " << c.zoom; }

class ShapeTexts : public Session, public testing::WithParamInterface<ZoomedClass> {
 public:
  template <typename T>
  static TCustomKDTool* Make(Session& s, const QRect& r) {
    return static_cast<ShapeTexts&>(s).Add<T>(r);
  }
};

TEST_P(ShapeTexts, CentredAndBrokenToTheInnerWidth) {
  const ClassCase& c = GetParam().shape;
  canvas->SetCanvasZoom(GetParam().zoom);
  TCustomKDTool* shape = c.make(*this, c.box);
  ASSERT_TRUE(session->Open(shape));
  ASSERT_TRUE(Editor());
  EXPECT_TRUE(Editor()->isVisible());
  EXPECT_EQ(Editor()->font().pixelSize(), std::lround(11 * GetParam().zoom));
  Type(QString::fromUtf8(c.text));
  Key(Qt::Key_Return);
  EXPECT_FALSE(session->IsOpen());
  TKDLabel* label = TopLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Caption(), c.text);
  EXPECT_EQ(label->BoundsRect(), c.label);
  EXPECT_EQ(label->FillStyle(), bsClear);  // the shape's fill shows through
  EXPECT_EQ(label->Font(), Mono());
  EXPECT_EQ(LastStep(), QStringLiteral("Type Text"));
}

const ClassCase kClasses[] = {
    {"Rectangle", &ShapeTexts::Make<TKDRectangle>, {100, 100, 120, 60}, "abc abc abc", {104, 123, 112, 13}},
    {"Process", &ShapeTexts::Make<TKDProcess>, {100, 100, 160, 60}, "abcdefghij abcdefghij", {116, 117, 128, 26}},
    {"Ellipse", &ShapeTexts::Make<TKDEllipse>, {100, 100, 120, 80}, "abc abc abc", {120, 133, 80, 13}},
    {"Start", &ShapeTexts::Make<TKDBegin>, {100, 100, 60, 60}, "abc", {112, 123, 36, 13}},
    {"End", &ShapeTexts::Make<TKDEnd>, {100, 100, 60, 60}, "abc abc", {114, 117, 32, 26}},
    {"Decision", &ShapeTexts::Make<TKDDiamond>, {100, 100, 160, 100}, "abcdefghij abcdefghij", {142, 137, 76, 26}},
    // Three lines (39) in a box 30 high: from its top to its bottom, the last line below it.
    {"TallerThanItsBox", &ShapeTexts::Make<TKDRectangle>, {100, 100, 60, 30}, "abc abc abc abc abc", {104, 100, 52, 30}},
};

std::vector<ZoomedClass> AtThreeZooms() {
  std::vector<ZoomedClass> all;
  for (double zoom : {0.25, 1.0, 2.5})
    for (const ClassCase& c : kClasses) all.push_back({c, zoom});
  return all;
}

INSTANTIATE_TEST_SUITE_P(Classes, ShapeTexts, testing::ValuesIn(AtThreeZooms()),
                         [](const testing::TestParamInfo<ZoomedClass>& i) {
                           return std::string(i.param.shape.name) + "At" + std::to_string(std::lround(i.param.zoom * 100));
                         });

// Where the editor lies on screen: over the inner box at the zoom (a pixel of frame around it),
// as high as its text and centred on the box. Rectangle's inner box (104, 104)-(216, 156),
// diamond's (142, 127)-(218, 173), each scaled and rounded down.
struct PlaceCase {
  const char* name;
  bool diamond;
  double zoom;
  int left, right, top, bottom;  // the inner box on screen
};
void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }

class EditorPlace : public Session, public testing::WithParamInterface<PlaceCase> {};

TEST_P(EditorPlace, OverTheInnerBoxAtTheZoom) {
  const PlaceCase& c = GetParam();
  canvas->SetCanvasZoom(c.zoom);
  TCustomKDTool* shape = c.diamond ? static_cast<TCustomKDTool*>(Add<TKDDiamond>({100, 100, 160, 100}))
                                   : Add<TKDRectangle>({100, 100, 120, 60});
  ASSERT_TRUE(session->Open(shape));
  const QRect g = Editor()->geometry();
  EXPECT_EQ(g.left(), c.left - 1);
  EXPECT_EQ(g.width(), c.right - c.left + 2);
  EXPECT_LE(std::abs(2 * g.top() + g.height() - (c.top + c.bottom)), 2) << "not centred";
}

INSTANTIATE_TEST_SUITE_P(Table, EditorPlace,
                         testing::Values(PlaceCase{"RectangleAt25", false, 0.25, 26, 54, 26, 39},
                                         PlaceCase{"RectangleAt100", false, 1.0, 104, 216, 104, 156},
                                         PlaceCase{"RectangleAt250", false, 2.5, 260, 540, 260, 390},
                                         PlaceCase{"DecisionAt25", true, 0.25, 35, 54, 31, 43},
                                         PlaceCase{"DecisionAt100", true, 1.0, 142, 218, 127, 173},
                                         PlaceCase{"DecisionAt250", true, 2.5, 355, 545, 317, 432}),
                         [](const testing::TestParamInfo<PlaceCase>& i) { return std::string(i.param.name); });

TEST_F(Session, AZoomWhileTypingMovesTheEditor) {
  TCustomKDTool* box = Add<TKDRectangle>({100, 100, 120, 60});
  ASSERT_TRUE(session->Open(box));
  canvas->SetCanvasZoom(2.5);
  EXPECT_EQ(Editor()->geometry().left(), 259);
  EXPECT_EQ(Editor()->font().pixelSize(), 28);
}

TEST_F(Session, ShiftEnterStartsALineEnterEnds) {
  TCustomKDTool* box = Add<TKDRectangle>({100, 100, 120, 60});
  ASSERT_TRUE(session->Open(box));
  Type(QStringLiteral("ab"));
  Key(Qt::Key_Return, Qt::ShiftModifier);
  Type(QStringLiteral("cd"));
  EXPECT_TRUE(session->IsOpen());
  Key(Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_FALSE(session->IsOpen());
  ASSERT_NE(TopLabel(), nullptr);
  EXPECT_EQ(TopLabel()->Caption(), "ab\r\ncd");
  // Two lines, 26 high, centred in the inner box (104, 104, 112 x 52).
  EXPECT_EQ(TopLabel()->BoundsRect(), QRect(104, 117, 112, 26));
  EXPECT_EQ(history->Stack().count(), 1);
}

TEST_F(Session, EscapeLeavesEverythingAsItWas) {
  TCustomKDTool* box = Add<TKDRectangle>({100, 100, 120, 60});
  Add<TKDLabel>({110, 110, 90, 20}, "old");
  const auto before = Records();
  ASSERT_TRUE(session->Open(box));
  EXPECT_EQ(Editor()->textCursor().selectedText(), QStringLiteral("old"));
  Type(QStringLiteral("new"));
  Key(Qt::Key_Escape);
  EXPECT_FALSE(session->IsOpen());
  EXPECT_EQ(Records(), before);
  EXPECT_EQ(history->Stack().count(), 0);
}

TEST_F(Session, AClickElsewhereCommits) {
  TCustomKDTool* box = Add<TKDRectangle>({100, 100, 120, 60});
  ASSERT_TRUE(session->Open(box));
  Type(QStringLiteral("abc"));
  focus::SetFocus(canvas);
  EXPECT_FALSE(session->IsOpen());
  ASSERT_NE(TopLabel(), nullptr);
  EXPECT_EQ(TopLabel()->Caption(), "abc");
}

TEST_F(Session, AKeyTypedToStartReplacesTheText) {
  TCustomKDTool* box = Add<TKDRectangle>({100, 100, 120, 60});
  Add<TKDLabel>({110, 110, 90, 20}, "old");
  ASSERT_TRUE(session->Open(box, QStringLiteral("N")));
  EXPECT_EQ(Editor()->Text(), QStringLiteral("N"));
}

TEST_F(Session, TypedAgainEmptiedAndEachUndoneByteForByte) {
  TCustomKDTool* box = Add<TKDProcess>({100, 100, 160, 60});
  const auto empty = Records();
  ASSERT_TRUE(session->Open(box));
  Type(QStringLiteral("abc"));
  Key(Qt::Key_Return);
  const auto typed = Records();
  ASSERT_EQ(typed.size(), 2u);

  // Typed again: the same label, laid out anew.
  ASSERT_TRUE(session->Open(box));
  EXPECT_EQ(Editor()->Text(), QStringLiteral("abc"));
  Type(QStringLiteral("abcdefghij abcdefghij"));
  Key(Qt::Key_Return);
  EXPECT_EQ(LastStep(), QStringLiteral("Edit Text"));
  EXPECT_EQ(TopLabel()->BoundsRect(), QRect(116, 117, 128, 26));
  const auto edited = Records();

  // Emptied: the label goes.
  ASSERT_TRUE(session->Open(box));
  Key(Qt::Key_Delete);
  Key(Qt::Key_Return);
  EXPECT_EQ(LastStep(), QStringLiteral("Delete Text"));
  EXPECT_EQ(Records(), empty);

  history->Undo();
  EXPECT_EQ(Records(), edited);
  history->Undo();
  EXPECT_EQ(Records(), typed);
  history->Undo();
  EXPECT_EQ(Records(), empty);
  history->Redo();
  history->Redo();
  history->Redo();
  EXPECT_EQ(Records(), empty);
  EXPECT_EQ(history->Stack().count(), 3);
}

TEST_F(Session, AnUnchangedTextMakesNoStep) {
  TCustomKDTool* box = Add<TKDRectangle>({100, 100, 120, 60});
  ASSERT_TRUE(session->Open(box));
  Type(QStringLiteral("abc"));
  Key(Qt::Key_Return);
  ASSERT_TRUE(session->Open(box));
  Key(Qt::Key_Return);
  EXPECT_EQ(history->Stack().count(), 1);
  // Nothing typed into a shape without text makes nothing either.
  TCustomKDTool* other = Add<TKDRectangle>({400, 100, 120, 60});
  ASSERT_TRUE(session->Open(other));
  Key(Qt::Key_Return);
  EXPECT_EQ(history->Stack().count(), 1);
}

TEST_F(Session, AShapesOldLabelIsLaidOutAndLetsTheFillThrough) {
  TCustomKDTool* box = Add<TKDRectangle>({100, 100, 120, 60});
  TCustomKDTool* old = Add<TKDLabel>({110, 105, 60, 20}, "old");
  ASSERT_EQ(old->FillStyle(), bsSolid);
  ASSERT_TRUE(session->Open(old));  // typing into the text edits the shape's text
  Type(QStringLiteral("abc"));
  Key(Qt::Key_Return);
  EXPECT_EQ(diagram->FigureCount(), 2u);
  EXPECT_EQ(old->BoundsRect(), QRect(104, 123, 112, 13));
  EXPECT_EQ(old->FillStyle(), bsClear);
  history->Undo();
  EXPECT_EQ(old->BoundsRect(), QRect(110, 105, 60, 20));
  EXPECT_EQ(old->FillStyle(), bsSolid);
  EXPECT_EQ(old->Caption(), "old");
  (void)box;
}

TEST_F(Session, ALabelOfNobodyGrowsDownward) {
  TCustomKDTool* label = Add<TKDLabel>({300, 300, 30, 13}, "x");
  ASSERT_TRUE(session->Open(label));
  Type(QStringLiteral("abc abc abc"));  // one word a line in 30 pixels
  Key(Qt::Key_Return);
  EXPECT_EQ(label->BoundsRect(), QRect(300, 300, 30, 39));
  EXPECT_EQ(label->FillStyle(), bsSolid);  // its own brush
  // Shorter again, it keeps the box it has.
  ASSERT_TRUE(session->Open(label));
  Type(QStringLiteral("a"));
  Key(Qt::Key_Return);
  EXPECT_EQ(label->BoundsRect(), QRect(300, 300, 30, 39));
}

TEST_F(Session, AConnectorsLabelGoesBesideItsMiddle) {
  Add<TKDProcess>({100, 0, 100, 50});
  Add<TKDRectangle>({100, 150, 100, 50});
  // An arrow down the middle from (150, 50) to (150, 150), drawn as the editor draws them.
  auto* arrow = Add<TKDArrow>({135, 50, 30, 100});
  arrow->SetArrowDirection(adLeftToLeft);
  arrow->SetArrowPosition(apRight);
  ASSERT_TRUE(session->Open(arrow));
  Type(QStringLiteral("yes"));
  Key(Qt::Key_Return);
  TKDLabel* label = TopLabel();
  ASSERT_NE(label, nullptr);
  // "yes" is 19.9 pixels wide: (150 + 6, 100 - 13 / 2).
  EXPECT_EQ(label->BoundsRect(), QRect(156, 94, 20, 13));
  EXPECT_EQ(label->FillStyle(), bsClear);
  // The label now is the arrow's: typing into the arrow edits it, and the label grows downward.
  ASSERT_TRUE(session->Open(arrow));
  EXPECT_EQ(Editor()->Text(), QStringLiteral("yes"));
  Type(QStringLiteral("no"));
  Key(Qt::Key_Return);
  EXPECT_EQ(label->Caption(), "no");
  EXPECT_EQ(diagram->FigureCount(), 4u);
}

TEST_F(Session, ALineOfNoConnectorTakesNoText) {
  auto* a = Add<TKDLine>({0, 0, 100, 4});
  a->SetOrientation(adTopToTop);
  auto* b = Add<TKDLine>({98, 2, 4, 100});
  b->SetOrientation(adLeftToLeft);
  EXPECT_FALSE(session->Open(a));
  EXPECT_FALSE(session->IsOpen());
}

TEST_F(Session, TheFigureGoneWhileTypingChangesNothing) {
  TCustomKDTool* box = Add<TKDRectangle>({100, 100, 120, 60});
  ASSERT_TRUE(session->Open(box));
  Type(QStringLiteral("abc"));
  diagram->Remove({diagram->IdOf(box)});
  Key(Qt::Key_Return);
  EXPECT_EQ(diagram->FigureCount(), 0u);
  EXPECT_EQ(history->Stack().count(), 0);
}

// A mark's text wraps inside its circle and the mark grows about its centre (180, 130) until the
// text fits, in the step of the text. "Refund approved" breaks into "Refund" and "approved" (53
// pixels) in an inner box 54 wide: a start mark's circle of radius 41 (box 86 high), an end mark's
// inner ring of 41 (92 high); "abc" (20 pixels) fits the start mark's inner box 36 as it is.
struct MarkCase {
  const char* name;
  bool end;
  const char* text;
  QRect mark, label;
  int editorWidth;  // the inner box the editor shows while typing
};
void PrintTo(const MarkCase& c, std::ostream* os) { *os << c.name; }

class MarkText : public Session, public testing::WithParamInterface<MarkCase> {};

TEST_P(MarkText, GrowsTheMarkAboutItsCentreInTheTextsStep) {
  const MarkCase& c = GetParam();
  TCustomKDTool* mark = c.end ? static_cast<TCustomKDTool*>(Add<TKDEnd>({100, 100, 160, 60}))
                              : Add<TKDBegin>({100, 100, 160, 60});
  const auto before = Records();
  ASSERT_TRUE(session->Open(mark));
  Type(QString::fromUtf8(c.text));
  EXPECT_EQ(Editor()->width(), c.editorWidth + 2 * Editor()->frameWidth());
  Key(Qt::Key_Return);
  EXPECT_EQ(mark->BoundsRect(), c.mark);
  ASSERT_NE(TopLabel(), nullptr);
  EXPECT_EQ(TopLabel()->BoundsRect(), c.label);
  EXPECT_EQ(history->Stack().count(), 1);
  EXPECT_EQ(LastStep(), QStringLiteral("Type Text"));
  const auto typed = Records();
  history->Undo();
  EXPECT_EQ(Records(), before);
  history->Redo();
  EXPECT_EQ(Records(), typed);
}

INSTANTIATE_TEST_SUITE_P(
    Marks, MarkText,
    testing::Values(MarkCase{"Start", false, "Refund approved", {100, 87, 160, 86}, {153, 117, 54, 26}, 54},
                    MarkCase{"End", true, "Refund approved", {100, 84, 160, 92}, {153, 117, 54, 26}, 54},
                    MarkCase{"FitsAlready", false, "abc", {100, 100, 160, 60}, {162, 123, 36, 13}, 36}),
    [](const testing::TestParamInfo<MarkCase>& i) { return std::string(i.param.name); });

// A container's title is typed at its top-left inside the title band, not centred in the box.
// Frames at (100, 100) or below it, 300 wide: the title's room is 288 from x = 106; a typed line
// of 13 begins (24 - 13) / 2 + 2 = 7 below the frame's top, as wide as its text (6.62 a
// character, rounded up) and 4 more. An untitled rectangle holding nothing keeps a centred text,
// (192 - 13) / 2 = 89 below its inner box's top.
struct TitleCase {
  const char* name;
  bool member;        // a step inside the frame (at 150, 160)
  const char* title;  // its title label's text at (106, 104, 60, 20) (the frame's top-left); none when empty
  bool secondLane;    // a second empty lane below, typed into in its turn
  bool onTitle;       // typed into through the title label rather than the frame
  bool justMade;      // opened as a new container's title (OpenTitle)
  QRect area;         // where the editor opens
  QRect label;        // the label holding "Sales" afterwards
  const char* step;
};
void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.name; }
class ContainerTitles : public Session, public testing::WithParamInterface<TitleCase> {};

TEST_P(ContainerTitles, AreTypedAtTheTopLeftOfTheFrame) {
  const TitleCase& c = GetParam();
  TCustomKDTool* frame = Add<TKDRectangle>({100, 100, 300, 200});
  if (c.secondLane) frame = Add<TKDRectangle>({100, 300, 300, 200});
  const int top = frame->BoundsRect().top();
  if (c.member) Add<TKDProcess>({150, 160, 100, 50});
  TKDLabel* title = *c.title ? Add<TKDLabel>({106, top + 4, 60, 20}, c.title) : nullptr;
  const int steps = history->Stack().count();
  ASSERT_TRUE(c.justMade ? session->OpenTitle(frame) : session->Open(c.onTitle ? static_cast<TCustomKDTool*>(title) : frame));
  EXPECT_EQ(session->Area(), c.area);
  Type(QStringLiteral("Sales"));
  Key(Qt::Key_Return);
  TKDLabel* typed = TopLabel();
  ASSERT_TRUE(typed);
  if (title) {
    EXPECT_EQ(typed, title);
  }
  EXPECT_EQ(typed->Caption(), "Sales");
  EXPECT_EQ(typed->BoundsRect(), c.label);
  EXPECT_EQ(history->Stack().count(), steps + 1);
  EXPECT_EQ(LastStep(), QString::fromLatin1(c.step));
}

INSTANTIATE_TEST_SUITE_P(
    Frames, ContainerTitles,
    testing::Values(
        TitleCase{"Titled", true, "Old", false, false, false, {106, 104, 288, 20}, {106, 107, 38, 13}, "Edit Text"},
        TitleCase{"ThroughItsTitle", true, "Old", false, true, false, {106, 104, 288, 20}, {106, 107, 38, 13}, "Edit Text"},
        TitleCase{"Untitled", true, "", false, false, false, {106, 107, 288, 13}, {106, 107, 38, 13}, "Type Text"},
        TitleCase{"UntitledEmptyLaneOfAPool", false, "", true, false, false, {106, 307, 288, 13}, {106, 307, 38, 13}, "Type Text"},
        TitleCase{"JustMadeAroundNothing", false, "", false, false, true, {106, 107, 288, 13}, {106, 107, 38, 13}, "Type Text"},
        // 300 x 200 holding nothing: the shape's text, centred on its inner box (104, 104)-(396, 296).
        TitleCase{"PlainRectangle", false, "", false, false, false, {104, 104, 292, 192}, {104, 193, 292, 13}, "Type Text"}),
    [](const testing::TestParamInfo<TitleCase>& i) { return std::string(i.param.name); });

TEST_F(Session, AnEmptyTitleLeavesTheContainerUntitled) {
  TCustomKDTool* frame = Add<TKDRectangle>({100, 100, 300, 200});
  ASSERT_TRUE(session->OpenTitle(frame));
  Key(Qt::Key_Escape);
  ASSERT_TRUE(session->OpenTitle(frame));
  Key(Qt::Key_Return);
  EXPECT_EQ(TopLabel(), nullptr);
  EXPECT_EQ(history->Stack().count(), 0);
}

}  // namespace
