// View > Properties: every field shows the selection's value and a typed value changes every
// selected figure in one undo step, at any zoom, with what is attached following a move or a
// resize. The order-flow sample (see the connector tests): the diamond (240, 210, 160, 80), arrows
// A (305, 170, 30, 40), B (400, 235, 80, 30) and C (305, 290, 30, 40), Back-order
// (480, 225, 140, 50), and a label "urgent" (500, 230, 60, 16) on Back-order.
#include <QComboBox>
#include <QLineEdit>

#include <QLabel>

#include "QtConvert.h"
#include "StyleFixture.h"
#include "TSizer.h"

namespace {

constexpr QRect kDiamond(240, 210, 160, 80), kBackOrder(480, 225, 140, 50);
constexpr QRect kArrowA(305, 170, 30, 40), kArrowB(400, 235, 80, 30), kArrowC(305, 290, 30, 40);
constexpr QRect kLabel(500, 230, 60, 16);

class Properties : public StyleFixture {
 protected:
  void SetUp() override {
    StyleFixture::SetUp();
    delete SubOf(doc);
    doc = main->OpenFile(QStringLiteral(KEDRIN_TEST_DATA "/order-flow.kdl"));
    ASSERT_NE(doc, nullptr);
    SubOf(doc)->resize(900, 700);
    label = Add<TKDLabel>(doc, kLabel);
    label->SetCaption("urgent");
    panel = features->Properties();
    panel->show();
    testsupport::Flush();
    ASSERT_EQ(panel->Document(), doc);
  }

  template <typename T = TCustomKDTool>
  T* At(const QRect& box) const {
    for (TCustomKDTool* f : doc->Figures())
      if (f->BoundsRect() == box) return dynamic_cast<T*>(f);
    ADD_FAILURE() << "no figure at " << box.x() << "," << box.y();
    return nullptr;
  }

 public:
  QLineEdit* Field(const char* name) const { return Find<QLineEdit>(name); }
  QComboBox* Choice(const char* name) const { return Find<QComboBox>(name); }
  // Types over the field's text and presses Enter.
  void Type(const char* name, const QString& text) {
    QLineEdit* field = Field(name);
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
    testsupport::Flush();
  }
  void Choose(const char* name, int index) {
    QComboBox* box = Choice(name);
    box->setCurrentIndex(index);
    emit box->activated(index);
    testsupport::Flush();
  }
  QString Shown(const char* name) const { return Field(name)->text(); }

 protected:
  TKDLabel* label = nullptr;
  PropertiesPanel* panel = nullptr;
};

struct Placed {
  QRect box;
  TArrowDirection direction;
  TArrowPosition heads;
};

struct BoxCase {
  const char* name;
  double zoom;
  const char* field;
  bool diamond;  // else Back-order
  int value;
  QRect moved;
  Placed a, b, c;
  QRect label;
};
void PrintTo(const BoxCase& c, std::ostream* os) { *os << c.name; }

class BoxField : public Properties, public testing::WithParamInterface<BoxCase> {};

// The diamond 30 to the right (X 270), 20 down (Y 230) as the connector tests drag it; Back-order
// wider and taller: the label keeps its centre's fraction of the box (530 of 480..620 to 555 of
// 480..690; 238 of 225..275 to 251 of 225..325). The arrows join two shapes each and are laid anew
// between them, level or upright, meeting the diamond at a tip wherever the other shape spans the
// tip's row or column: A and C down the tips' column 350 (C to the ellipse's edge at 332 there), B
// along the right tip's row, 270 for the lowered diamond, or 250 still for the taller box.
const Placed kA{kArrowA, adLeftToLeft, apRight}, kB{kArrowB, adTopToTop, apRight}, kC{kArrowC, adLeftToLeft, apRight};
const Placed kRightA{{335, 170, 30, 40}, adLeftToLeft, apRight}, kRightB{{430, 235, 50, 30}, adTopToTop, apRight},
    kRightC{{335, 290, 30, 42}, adLeftToLeft, apRight};
const Placed kDownA{{305, 170, 30, 60}, adLeftToLeft, apRight}, kDownB{{400, 255, 80, 30}, adTopToTop, apRight},
    kDownC{{305, 310, 30, 20}, adLeftToLeft, apRight};
const Placed kTallB = kB;
const BoxCase kBoxes[] = {
    {"X", 1.0, "edtPropX", true, 270, kDiamond.translated(30, 0), kRightA, kRightB, kRightC, kLabel},
    {"XAt250", 2.5, "edtPropX", true, 270, kDiamond.translated(30, 0), kRightA, kRightB, kRightC, kLabel},
    {"Y", 1.0, "edtPropY", true, 230, kDiamond.translated(0, 20), kDownA, kDownB, kDownC, kLabel},
    {"YAt250", 2.5, "edtPropY", true, 230, kDiamond.translated(0, 20), kDownA, kDownB, kDownC, kLabel},
    {"Width", 1.0, "edtPropWidth", false, 210, {480, 225, 210, 50}, kA, kB, kC, {525, 230, 60, 16}},
    {"WidthAt250", 2.5, "edtPropWidth", false, 210, {480, 225, 210, 50}, kA, kB, kC, {525, 230, 60, 16}},
    {"Height", 1.0, "edtPropHeight", false, 100, {480, 225, 140, 100}, kA, kTallB, kC, {500, 243, 60, 16}},
    {"HeightAt250", 2.5, "edtPropHeight", false, 100, {480, 225, 140, 100}, kA, kTallB, kC, {500, 243, 60, 16}},
};

void ExpectArrow(const char* name, TKDArrow* a, const Placed& p) {
  ASSERT_NE(a, nullptr) << name;
  EXPECT_EQ(a->BoundsRect(), p.box) << name;
  EXPECT_EQ(a->ArrowDirection(), p.direction) << name;
  EXPECT_EQ(a->ArrowPosition(), p.heads) << name;
}

TEST_P(BoxField, ATypedValueMovesOrSizesWithItsFollowersInOneStep) {
  const BoxCase& c = GetParam();
  ConnectorOptions::Instance().SetKeepAttached(true);
  doc->Surface()->SetZoom(c.zoom);
  TKDArrow* a = At<TKDArrow>(kArrowA);
  TKDArrow* b = At<TKDArrow>(kArrowB);
  TKDArrow* arrowC = At<TKDArrow>(kArrowC);
  TCustomKDTool* target = At(c.diamond ? kDiamond : kBackOrder);
  SelectFigures({target});
  const std::vector<uint8_t> before = SaveBytes(doc);
  const int steps = Steps();
  Type(c.field, QString::number(c.value));
  EXPECT_EQ(target->BoundsRect(), c.moved);
  ExpectArrow("A", a, c.a);
  ExpectArrow("B", b, c.b);
  ExpectArrow("C", arrowC, c.c);
  EXPECT_EQ(label->BoundsRect(), c.label);
  EXPECT_EQ(Steps(), steps + 1);
  EXPECT_EQ(TopStep(), c.field == std::string("edtPropX") || c.field == std::string("edtPropY") ? "Set Position"
                                                                                              : "Set Size");
  // The figure stays selected, its frame on it, and the panel shows the new value.
  EXPECT_TRUE(target->HaveFocused());
  const std::vector<TSizer*> frames = SurfaceChildren<TSizer>();
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0]->BoundsRect(), c.moved.adjusted(-2, -2, 2, 2));
  EXPECT_EQ(Shown(c.field), QString::number(c.value));
  // On screen at the zoom: the figure's widget box follows its canvas box.
  EXPECT_EQ(target->x(), static_cast<int>(c.moved.x() * c.zoom));
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
}

INSTANTIATE_TEST_SUITE_P(Fields, BoxField, testing::ValuesIn(kBoxes),
                         [](const testing::TestParamInfo<BoxCase>& i) { return std::string(i.param.name); });

struct RefusedCase {
  const char* name;
  const char* field;
  const char* typed;
  const char* problem;  // none: taken
  QRect box;            // Back-order's box afterwards
};
void PrintTo(const RefusedCase& c, std::ostream* os) { *os << c.name; }

class NumberRange : public Properties, public testing::WithParamInterface<RefusedCase> {};

// Back-order (480, 225, 140, 50): a place keeps the box on the canvas, within 1,048,576 pixels; a
// size is 1 to 32,768 pixels; a font 1 to 1000 points; a line 0 to 100 pixels.
TEST_P(NumberRange, AValueTheFiguresCannotTakeIsRefusedAndTheOldOneShown) {
  const RefusedCase& c = GetParam();
  TCustomKDTool* backOrder = At(kBackOrder);
  SelectFigures({backOrder});
  const QString shown = Shown(c.field);
  const std::vector<uint8_t> before = SaveBytes(doc);
  const int steps = Steps();
  Type(c.field, QString::fromLatin1(c.typed));
  EXPECT_EQ(backOrder->BoundsRect(), c.box);
  EXPECT_EQ(Shown(c.field), c.problem ? shown : QString::fromLatin1(c.typed));
  EXPECT_EQ(Steps(), c.problem ? steps : steps + 1);
  if (c.problem) {
    EXPECT_EQ(SaveBytes(doc), before);
  }
  auto* problem = Find<QLabel>("lblPropProblem");
  ASSERT_NE(problem, nullptr);
  EXPECT_EQ(problem->isVisibleTo(panel), c.problem != nullptr);
  EXPECT_EQ(problem->text(), QString::fromLatin1(c.problem ? c.problem : ""));
}

const RefusedCase kRefused[] = {
    {"NegativeX", "edtPropX", "-500", "X must be a whole number from 0 to 1048436: \"-500\" was not applied.",
     kBackOrder},
    {"XAtTheEdge", "edtPropX", "0", nullptr, {0, 225, 140, 50}},
    {"YPastTheLastCoordinate", "edtPropY", "1048527",
     "Y must be a whole number from 0 to 1048526: \"1048527\" was not applied.", kBackOrder},
    {"WidthZero", "edtPropWidth", "0", "Width must be a whole number from 1 to 32768: \"0\" was not applied.",
     kBackOrder},
    {"WidthOne", "edtPropWidth", "1", nullptr, {480, 225, 1, 50}},
    {"WidthBeyond32Bits", "edtPropWidth", "2147483648",
     "Width must be a whole number from 1 to 32768: \"2147483648\" was not applied.", kBackOrder},
    {"HeightBeyond64Bits", "edtPropHeight", "99999999999999999999",
     "Height must be a whole number from 1 to 32768: \"9999999999999999\" was not applied.", kBackOrder},
    {"FontSizeZero", "edtPropFontSize", "0",
     "Font size must be a whole number from 1 to 1000: \"0\" was not applied.", kBackOrder},
    {"LineWidthAbove100", "edtPropLineWidth", "150",
     "Line width must be a whole number from 0 to 100: \"150\" was not applied.", kBackOrder},
    {"JustASign", "edtPropX", "-", "X must be a whole number from 0 to 1048436: \"-\" was not applied.", kBackOrder},
};
INSTANTIATE_TEST_SUITE_P(Fields, NumberRange, testing::ValuesIn(kRefused),
                         [](const testing::TestParamInfo<RefusedCase>& i) { return std::string(i.param.name); });

TEST_F(Properties, ShowsTheSelectedFiguresValues) {
  TCustomKDTool* backOrder = At(kBackOrder);
  SelectFigures({backOrder});
  EXPECT_EQ(Shown("edtPropX"), "480");
  EXPECT_EQ(Shown("edtPropY"), "225");
  EXPECT_EQ(Shown("edtPropWidth"), "140");
  EXPECT_EQ(Shown("edtPropHeight"), "50");
  // A shape's text is its label's.
  EXPECT_EQ(Shown("edtPropText"), "urgent");
  EXPECT_EQ(Choice("cmbPropFont")->currentText(), QString::fromStdString(label->Font().name));
  EXPECT_EQ(Shown("edtPropFill"), ToQColor(backOrder->FillColor()).name());
  EXPECT_EQ(Choice("cmbPropLineStyle")->currentIndex(), static_cast<int>(backOrder->LineStyle()));
  EXPECT_EQ(Shown("edtPropLineWidth"), QString::number(backOrder->LineWidth()));
  EXPECT_FALSE(Choice("cmbPropArrowHeads")->isEnabled());
  SelectFigures({});
  EXPECT_EQ(Shown("edtPropX"), "");
  EXPECT_FALSE(Field("edtPropX")->isEnabled());
}

TEST_F(Properties, AGroupShowsSharedValuesAndEmptyFieldsWhereTheyDiffer) {
  TKDArrow* a = At<TKDArrow>(kArrowA);
  TKDArrow* c = At<TKDArrow>(kArrowC);
  c->SetArrowPosition(apBoth);
  SelectFigures({a, c});
  ASSERT_TRUE(doc->GroupSelected());
  EXPECT_EQ(Shown("edtPropX"), "305");
  EXPECT_EQ(Shown("edtPropY"), "");
  EXPECT_EQ(Shown("edtPropWidth"), "30");
  EXPECT_EQ(Shown("edtPropHeight"), "40");
  EXPECT_EQ(Choice("cmbPropArrowHeads")->currentIndex(), -1);
  EXPECT_EQ(Choice("cmbPropArrowDirection")->currentIndex(), static_cast<int>(adLeftToLeft));
  // A value typed into the empty field goes to every member, as one step.
  const int steps = Steps();
  Type("edtPropY", "100");
  EXPECT_EQ(a->BoundsRect(), QRect(305, 100, 30, 40));
  EXPECT_EQ(c->BoundsRect(), QRect(305, 100, 30, 40));
  EXPECT_EQ(Steps(), steps + 1);
  EXPECT_EQ(Shown("edtPropY"), "100");
  Choose("cmbPropArrowHeads", 1);
  EXPECT_EQ(a->ArrowPosition(), apRight);
  EXPECT_EQ(c->ArrowPosition(), apRight);
  EXPECT_EQ(Choice("cmbPropArrowHeads")->currentIndex(), 1);
}

struct StyleCase {
  const char* name;
  std::function<void(Properties&)> type;
  std::function<bool(TCustomKDTool* diamond, TKDArrow* b)> done;
  const char* step;
};
void PrintTo(const StyleCase& c, std::ostream* os) { *os << c.name; }

class StyleField : public Properties, public testing::WithParamInterface<StyleCase> {};

// Every style field, on a group of the diamond and arrow B: each member takes the value.
const StyleCase kStyles[] = {
    {"Fill", [](Properties& p) { p.Type("edtPropFill", "#ff0000"); },
     [](TCustomKDTool* d, TKDArrow* b) { return d->FillColor() == 0x0000FF && b->FillColor() == 0x0000FF; },
     "Change Brush Colour"},
    {"Line", [](Properties& p) { p.Type("edtPropLine", "blue"); },
     [](TCustomKDTool* d, TKDArrow* b) { return d->LineColor() == 0xFF0000 && b->LineColor() == 0xFF0000; },
     "Change Pen Colour"},
    {"LineStyle", [](Properties& p) { p.Choose("cmbPropLineStyle", 2); },
     [](TCustomKDTool* d, TKDArrow* b) { return d->LineStyle() == psDot && b->LineStyle() == psDot; },
     "Change Pen Style"},
    {"LineWidth", [](Properties& p) { p.Type("edtPropLineWidth", "5"); },
     [](TCustomKDTool* d, TKDArrow* b) { return d->LineWidth() == 5 && b->LineWidth() == 5; }, "Change Line Width"},
    {"Font", [](Properties& p) {
       QComboBox* box = p.Choice("cmbPropFont");
       box->setEditText("Chosen Face");
       emit box->activated(-1);
       testsupport::Flush();
     },
     [](TCustomKDTool* d, TKDArrow* b) { return d->Font().name == "Chosen Face" && b->Font().name == "Chosen Face"; },
     "Change Font"},
    // 14 points are 18.67 pixels at 96 per inch: height -19.
    {"FontSize", [](Properties& p) { p.Type("edtPropFontSize", "14"); },
     [](TCustomKDTool* d, TKDArrow* b) { return d->Font().height == -19 && b->Font().height == -19; },
     "Change Font Size"},
    {"ArrowHeads", [](Properties& p) { p.Choose("cmbPropArrowHeads", 2); },
     [](TCustomKDTool*, TKDArrow* b) { return b->ArrowPosition() == apBoth; },
     "Change Arrow Position"},
    {"ArrowDirection", [](Properties& p) { p.Choose("cmbPropArrowDirection", 1); },
     [](TCustomKDTool*, TKDArrow* b) { return b->ArrowDirection() == adTopToBottom; }, "Change Arrow Direction"},
};

TEST_P(StyleField, AValueGoesToEveryMemberInOneStepUndoneByteForByte) {
  for (double zoom : {1.0, 2.5}) {
    doc->Surface()->SetZoom(zoom);
    TCustomKDTool* diamond = At(kDiamond);
    TKDArrow* b = At<TKDArrow>(kArrowB);
    SelectFigures({diamond, b});
    const std::vector<uint8_t> before = SaveBytes(doc);
    const int steps = Steps();
    GetParam().type(*this);
    EXPECT_TRUE(GetParam().done(diamond, b)) << "at " << zoom;
    EXPECT_EQ(Steps(), steps + 1) << "at " << zoom;
    EXPECT_EQ(TopStep(), GetParam().step);
    doc->Undo();
    EXPECT_EQ(SaveBytes(doc), before) << "at " << zoom;
  }
}

INSTANTIATE_TEST_SUITE_P(Fields, StyleField, testing::ValuesIn(kStyles),
                         [](const testing::TestParamInfo<StyleCase>& i) { return std::string(i.param.name); });

TEST_F(Properties, TheTextOfAShapeIsItsLabelsCaption) {
  TCustomKDTool* backOrder = At(kBackOrder);
  SelectFigures({backOrder});
  const std::vector<uint8_t> before = SaveBytes(doc);
  Type("edtPropText", "rush");
  EXPECT_EQ(label->Caption(), "rush");
  EXPECT_EQ(backOrder->Caption(), "Back-order");
  EXPECT_EQ(TopStep(), "Edit Text");
  EXPECT_TRUE(backOrder->HaveFocused());
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
  // A label's own caption, and the font of a shape's text.
  SelectFigures({label});
  Type("edtPropText", "late");
  EXPECT_EQ(label->Caption(), "late");
  SelectFigures({backOrder});
  Type("edtPropFontSize", "20");
  EXPECT_EQ(label->Font().height, -27);  // 20 points: 26.67 pixels
  EXPECT_NE(backOrder->Font().height, -27);
}

// A group's text goes to each shape's label and each label, as one step.
TEST_F(Properties, AGroupsTextIsOneStep) {
  auto* note = Add<TKDLabel>(doc, QRect(40, 40, 80, 20));
  note->SetCaption("note");
  TCustomKDTool* backOrder = At(kBackOrder);
  SelectFigures({backOrder, note, At(kDiamond)});
  EXPECT_EQ(Shown("edtPropText"), "");
  const std::vector<uint8_t> before = SaveBytes(doc);
  const int steps = Steps();
  Type("edtPropText", "same");
  EXPECT_EQ(label->Caption(), "same");
  EXPECT_EQ(note->Caption(), "same");
  EXPECT_EQ(Steps(), steps + 1);
  EXPECT_EQ(TopStep(), "Change Text");
  doc->Undo();
  EXPECT_EQ(SaveBytes(doc), before);
}

TEST_F(Properties, FollowsTheCurrentDocumentAndLetsAClosedOneGo) {
  TwinKedrinFile* second = main->btnNewClick();
  testsupport::Flush();
  EXPECT_EQ(panel->Document(), second);
  auto* f = Add<TKDEllipse>(second, QRect(5, 6, 70, 80));
  second->FigureSet().Select({f});
  testsupport::Flush();
  EXPECT_EQ(Shown("edtPropWidth"), "70");
  delete SubOf(second);
  testsupport::Flush();
  EXPECT_NE(panel->Document(), second);
}

// A selection of many sends a notice for each figure; the panel shows the result once the event
// loop comes round.
TEST_F(Properties, ShowsASelectionOnceTheEventLoopComesRound) {
  SelectFigures({});
  doc->FigureSet().Select({At(kDiamond), At(kBackOrder)});
  EXPECT_EQ(panel->Shown().count, 0u);
  testsupport::Flush();
  EXPECT_EQ(panel->Shown().count, 2u);
  EXPECT_EQ(Shown("edtPropY"), "");
}

}  // namespace
