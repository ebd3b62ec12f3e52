// The layout quality measure: one small drawing per counter, each count worked out by hand.
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <tuple>

#include "LayoutQuality.h"
#include "RouteFigures.h"

using namespace quality;
using semantics::Item;
using semantics::ItemKind;

namespace quality {
void PrintTo(const LayoutQuality& q, std::ostream* os) { *os << ToText(q); }
}  // namespace quality

namespace {

// A drawing as a user builds it: shapes, texts and connectors, ids and stacking in list order.
struct Drawing {
  std::vector<Item> items;
  Drawing& Shape(ItemKind kind, QRect box) {
    Item i;
    i.kind = kind;
    i.box = box;
    return Add(i);
  }
  Drawing& Text(QRect box) {
    Item i;
    i.kind = ItemKind::Label;
    i.box = box;
    i.caption = "text";
    return Add(i);
  }
  // Lines along the route and an arrow on its last run, as the editor draws a connector.
  Drawing& Connect(const std::vector<QPoint>& route) {
    for (const connectors::Figure& f : connectors::SegmentsOf(route, 1)) {
      Item i;
      i.kind = f.kind == connectors::FigureKind::Arrow ? ItemKind::Arrow : ItemKind::Line;
      i.box = f.box;
      i.direction = f.direction;
      i.heads = f.heads;
      Add(i);
    }
    return *this;
  }
  Drawing& Add(Item i) {
    i.id = items.size() + 1;
    i.stacking = static_cast<int>(i.id);
    items.push_back(i);
    return *this;
  }
};

// The counters in LayoutQuality's order: connectors, jogs, bends, most bends, crossings, runs
// through shapes and through texts, labels near lines and overlapping.
using Counts = std::array<int, 9>;

struct QualityCase {
  const char* name;
  Drawing drawing;
  Counts counts;
  std::vector<Spread> heights;
  Spread marks;
  std::string text;  // the report line, where the case checks it
  int slanted = 0;   // runs neither level nor upright
};
void PrintTo(const QualityCase& c, std::ostream* os) { *os << c.name; }

class LayoutQualityTest : public testing::TestWithParam<QualityCase> {};

TEST_P(LayoutQualityTest, CountsAsWorkedOut) {
  const QualityCase& c = GetParam();
  const LayoutQuality q = MeasureLayout(c.drawing.items);
  LayoutQuality expected;
  std::tie(expected.connectors, expected.shortJogs, expected.bends, expected.maxBends, expected.crossings,
           expected.throughShapes, expected.throughTexts, expected.labelsNearLines, expected.labelsOverlapping) =
      std::tuple_cat(c.counts);
  expected.slantedRuns = c.slanted;
  expected.heights = c.heights;
  expected.marks = c.marks;
  EXPECT_EQ(q, expected);
  if (!c.text.empty()) {
    EXPECT_EQ(ToText(q), c.text);
  }
}

Spread Heights(ItemKind kind, int count, int min, int max) { return {kind, count, min, max}; }
QRect R(int x, int y, int w, int h) { return QRect(x, y, w, h); }
const Spread kNoMarks{ItemKind::Start, 0, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    OneDrawingPerCounter, LayoutQualityTest,
    testing::Values(
        // Right 100, down 5, right 100: two bends and a 5-pixel jog between them.
        QualityCase{"Jog",
                    Drawing()
                        .Shape(ItemKind::Rectangle, R(0, 0, 100, 60))
                        .Shape(ItemKind::Rectangle, R(300, 5, 100, 60))
                        .Connect({{100, 30}, {200, 30}, {200, 35}, {300, 35}}),
                    {1, 1, 2, 2, 0, 0, 0, 0, 0}, {Heights(ItemKind::Rectangle, 2, 60, 60)}, kNoMarks, ""},
        // Two bends (right, down, right) and three (up, right, down, left): five, at most three.
        QualityCase{"Bends",
                    Drawing()
                        .Shape(ItemKind::Rectangle, R(0, 100, 100, 60))
                        .Shape(ItemKind::Rectangle, R(300, 300, 100, 60))
                        .Connect({{100, 130}, {200, 130}, {200, 330}, {300, 330}})
                        .Connect({{50, 100}, {50, 80}, {450, 80}, {450, 330}, {400, 330}}),
                    {2, 0, 5, 3, 0, 0, 0, 0, 0}, {Heights(ItemKind::Rectangle, 2, 60, 60)}, kNoMarks, ""},
        // A level and an upright connector cross at (180, 120); a third only touches the level
        // one with its end (100, 120), which is no crossing.
        QualityCase{"Crossings",
                    Drawing()
                        .Shape(ItemKind::Rectangle, R(0, 100, 60, 40))
                        .Shape(ItemKind::Rectangle, R(300, 100, 60, 40))
                        .Shape(ItemKind::Rectangle, R(150, 0, 60, 40))
                        .Shape(ItemKind::Rectangle, R(150, 200, 60, 40))
                        .Shape(ItemKind::Rectangle, R(80, 200, 40, 40))
                        .Connect({{60, 120}, {300, 120}})
                        .Connect({{180, 40}, {180, 200}})
                        .Connect({{100, 200}, {100, 120}}),
                    {3, 0, 0, 0, 1, 0, 0, 0, 0}, {Heights(ItemKind::Rectangle, 5, 40, 40)}, kNoMarks, ""},
        // The first connector runs through the process box between its ends; the box below is
        // beside it. The container holding the ends of both connectors counts for neither.
        QualityCase{"ThroughShapes",
                    Drawing()
                        .Shape(ItemKind::Rectangle, R(-20, 60, 500, 110))
                        .Shape(ItemKind::Rectangle, R(0, 100, 60, 40))
                        .Shape(ItemKind::Rectangle, R(400, 100, 60, 40))
                        .Shape(ItemKind::Process, R(200, 90, 60, 60))
                        .Shape(ItemKind::Rectangle, R(200, 200, 60, 40))
                        .Shape(ItemKind::Rectangle, R(100, 70, 40, 20))
                        .Shape(ItemKind::Rectangle, R(300, 70, 40, 20))
                        .Connect({{60, 120}, {400, 120}})
                        .Connect({{140, 80}, {300, 80}}),
                    {2, 0, 0, 0, 0, 1, 0, 0, 0},
                    {Heights(ItemKind::Process, 1, 60, 60), Heights(ItemKind::Rectangle, 5, 20, 40)}, kNoMarks, ""},
        // The arrow ends at the middle of its target, through the target's text; the other
        // shape's text is clear of it.
        QualityCase{"ThroughTexts",
                    Drawing()
                        .Shape(ItemKind::Rectangle, R(0, 100, 60, 40))
                        .Shape(ItemKind::Rectangle, R(300, 80, 100, 80))
                        .Text(R(310, 110, 80, 20))
                        .Shape(ItemKind::Rectangle, R(100, 200, 60, 40))
                        .Text(R(105, 210, 50, 20))
                        .Connect({{60, 120}, {350, 120}}),
                    {1, 0, 0, 0, 0, 0, 1, 0, 0}, {Heights(ItemKind::Rectangle, 3, 40, 80)}, kNoMarks, ""},
        // A label 2 pixels below its line sits on it, one 10 pixels above another is clear; two
        // labels apart from any line overlap each other.
        QualityCase{"Labels",
                    Drawing()
                        .Shape(ItemKind::Rectangle, R(0, 100, 60, 40))
                        .Shape(ItemKind::Rectangle, R(300, 100, 60, 40))
                        .Shape(ItemKind::Rectangle, R(0, 300, 60, 40))
                        .Shape(ItemKind::Rectangle, R(300, 300, 60, 40))
                        .Connect({{60, 120}, {300, 120}})
                        .Connect({{60, 320}, {300, 320}})
                        .Text(R(150, 122, 30, 14))
                        .Text(R(150, 296, 30, 14))
                        .Text(R(500, 0, 40, 14))
                        .Text(R(520, 5, 40, 14)),
                    {2, 0, 0, 0, 0, 0, 0, 1, 2}, {Heights(ItemKind::Rectangle, 4, 40, 40)}, kNoMarks, ""},
        // Process boxes 40 and 60 high, one decision; the marks' circles 2 inside their boxes:
        // 26 and 52 across.
        QualityCase{"SizeSpread",
                    Drawing()
                        .Shape(ItemKind::Process, R(0, 0, 100, 40))
                        .Shape(ItemKind::Process, R(200, 0, 100, 60))
                        .Shape(ItemKind::Decision, R(0, 100, 100, 80))
                        .Shape(ItemKind::Start, R(0, 300, 30, 30))
                        .Shape(ItemKind::End, R(100, 300, 56, 56)),
                    {0, 0, 0, 0, 0, 0, 0, 0, 0},
                    {Heights(ItemKind::Process, 2, 40, 60), Heights(ItemKind::Decision, 1, 80, 80)},
                    {ItemKind::Start, 2, 26, 52},
                    "connectors 0, bends 0 (most 0), slanted runs 0, jogs under 15 px 0, crossings 0, through shapes 0, through "
                    "texts 0, labels near lines 0, overlapping labels 0, labels off their start 0; heights Process 40-60 (1.50), Decision "
                    "80-80 (1.00); marks 26-52 (2.00)"},
        // One connector straight across from corner to corner, one right then down: one slanted
        // run, one bend.
        QualityCase{"Slanted",
                    Drawing()
                        .Shape(ItemKind::Rectangle, R(0, 0, 60, 40))
                        .Shape(ItemKind::Rectangle, R(200, 200, 60, 40))
                        .Shape(ItemKind::Rectangle, R(200, 0, 60, 40))
                        .Connect({{60, 40}, {200, 200}})
                        .Connect({{60, 20}, {120, 20}, {120, 60}, {230, 60}, {230, 40}}),
                    {2, 0, 3, 3, 0, 0, 0, 0, 0}, {Heights(ItemKind::Rectangle, 3, 40, 40)}, kNoMarks, "", 1},
        // A container around two boxes 40 and 60 high: only the boxes have heights.
        QualityCase{"ContainersHaveNoSize",
                    Drawing()
                        .Shape(ItemKind::Rectangle, R(0, 0, 300, 250))
                        .Shape(ItemKind::Process, R(50, 50, 100, 40))
                        .Shape(ItemKind::Process, R(50, 120, 100, 60)),
                    {0, 0, 0, 0, 0, 0, 0, 0, 0}, {Heights(ItemKind::Process, 2, 40, 60)}, kNoMarks, ""}));

// A connector right 100, down 200, right 100 with its label 6 pixels off one run: off its start
// unless beside the first run.
class LabelsOffTheirStart : public testing::TestWithParam<std::tuple<const char*, QRect, int>> {};

TEST_P(LabelsOffTheirStart, Counted) {
  Drawing d;
  d.Shape(ItemKind::Rectangle, R(0, 0, 100, 60)).Shape(ItemKind::Rectangle, R(300, 200, 100, 60));
  d.Connect({{100, 30}, {200, 30}, {200, 230}, {300, 230}}).Text(std::get<1>(GetParam()));
  EXPECT_EQ(MeasureLayout(d.items).labelsFarFromStart, std::get<2>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Runs, LabelsOffTheirStart,
                         testing::Values(std::tuple{"BesideTheFirst", R(110, 10, 30, 14), 0},
                                         std::tuple{"BesideTheMiddle", R(206, 120, 30, 14), 1},
                                         std::tuple{"BesideTheLast", R(250, 236, 30, 14), 1}),
                         [](const auto& info) { return std::string(std::get<0>(info.param)); });

}  // namespace
