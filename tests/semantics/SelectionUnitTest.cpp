#include <gtest/gtest.h>

#include "ConnectorLabel.h"
#include "SelectionUnit.h"
#include "SemanticsTestSupport.h"
#include "TextPlace.h"

namespace {

using namespace semtest;
using semantics::TextPlace;

// A (1) with its text (2) above B (3) with its text (4); an arrow (5) from A down to B with its
// label "yes" (6); C (7), a diamond without text, and an arrow (8) from B to it; a label (9)
// that is nobody's and an arrow (10) on no shape, far away.
const Scene& Chart() {
  static const Scene s({
      Shape(ItemKind::Process, {0, 0, 100, 50}),
      Text({10, 18, 80, 14}, "A"),
      Shape(ItemKind::Rectangle, {0, 100, 100, 50}),
      Text({10, 118, 80, 14}, "B"),
      Arrow({50, 50}, {50, 100}),
      Text({56, 69, 19, 13}, "yes"),
      Shape(ItemKind::Decision, {200, 100, 100, 50}),
      Arrow({100, 125}, {200, 125}),
      Text({400, 400, 50, 14}, "note"),
      Arrow({400, 0}, {500, 0}),
  });
  return s;
}

std::vector<uint64_t> Ids(const std::vector<const Item*>& items) {
  std::vector<uint64_t> ids;
  for (const Item* i : items) ids.push_back(i->id);
  return ids;
}

std::vector<const Item*> ItemsOf(const std::vector<uint64_t>& ids) {
  std::vector<const Item*> items;
  for (uint64_t id : ids) items.push_back(&Chart()[id]);
  return items;
}

struct UnitCase {
  const char* name;
  std::vector<uint64_t> heads;
  std::vector<uint64_t> carried;  // Copy, Cut, Duplicate
  std::vector<uint64_t> removed;  // Delete
};
void PrintTo(const UnitCase& c, std::ostream* os) { *os << c.name; }

class Units : public testing::TestWithParam<UnitCase> {};

TEST_P(Units, CarriedAndRemoved) {
  const std::vector<const Item*> heads = ItemsOf(GetParam().heads);
  EXPECT_EQ(Ids(semantics::CarriedWith(heads, Chart().query)), GetParam().carried);
  EXPECT_EQ(Ids(semantics::RemovedWith(heads, Chart().query)), GetParam().removed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Units,
    testing::Values(UnitCase{"ShapeWithItsText", {1}, {1, 2}, {1, 2, 5, 6}},
                    UnitCase{"TwoShapesAndTheArrowBetween", {1, 3}, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6, 8}},
                    UnitCase{"ShapeBetweenTwoArrows", {3}, {3, 4}, {3, 4, 5, 6, 8}},
                    UnitCase{"ShapeWithoutText", {3, 7}, {3, 4, 7, 8}, {3, 4, 5, 6, 7, 8}},
                    UnitCase{"ArrowWithItsLabel", {5}, {5, 6}, {5, 6}},
                    UnitCase{"LabelOnItsOwn", {9}, {9}, {9}},
                    UnitCase{"ArrowOnNoShape", {10}, {10}, {10}},
                    UnitCase{"Nothing", {}, {}, {}}),
    [](const testing::TestParamInfo<UnitCase>& i) { return std::string(i.param.name); });

TEST(Units, AShapesTextStandsForItsShape) {
  const Scene& s = Chart();
  EXPECT_EQ(semantics::HeadOf(s[2], s.query).id, 1u);
  EXPECT_EQ(semantics::HeadOf(s[6], s.query).id, 6u);  // a connector's label is selected alone
  EXPECT_EQ(semantics::HeadOf(s[9], s.query).id, 9u);
  EXPECT_EQ(semantics::HeadOf(s[5], s.query).id, 5u);
  // Each once, bottom first, whatever the order asked in.
  EXPECT_EQ(Ids(semantics::HeadsOf(ItemsOf({4, 2, 1, 9}), s.query)), (std::vector<uint64_t>{1, 3, 9}));
  EXPECT_EQ(Ids(semantics::UnitOf(s[1], s.query)), (std::vector<uint64_t>{1, 2}));
  EXPECT_EQ(Ids(semantics::UnitOf(s[7], s.query)), (std::vector<uint64_t>{7}));
  EXPECT_EQ(Ids(semantics::UnitOf(s[5], s.query)), (std::vector<uint64_t>{5, 6}));
  EXPECT_EQ(Ids(semantics::UnitOf(s[8], s.query)), (std::vector<uint64_t>{8}));
}

struct PlaceCase {
  const char* name;
  uint64_t figure;
  TextPlace::Kind kind;
  uint64_t shape;
  uint64_t label;
  uint64_t segment;  // of the connector, if any
};
void PrintTo(const PlaceCase& c, std::ostream* os) { *os << c.name; }

class Places : public testing::TestWithParam<PlaceCase> {};

TEST_P(Places, WhoseTextIsTyped) {
  const Scene& s = Chart();
  const TextPlace p = semantics::TextPlaceOf(s[GetParam().figure], s.query);
  EXPECT_EQ(p.kind, GetParam().kind);
  EXPECT_EQ(IdOf(p.shape), GetParam().shape);
  EXPECT_EQ(IdOf(p.label), GetParam().label);
  ASSERT_EQ(p.connector.has_value(), GetParam().segment != 0);
  if (p.connector) {
    EXPECT_EQ(p.connector->segments.front()->id, GetParam().segment);
  }
}

using K = TextPlace::Kind;
INSTANTIATE_TEST_SUITE_P(Table, Places,
                         testing::Values(PlaceCase{"Shape", 1, K::Shape, 1, 2, 0},
                                         PlaceCase{"ShapesText", 2, K::Shape, 1, 2, 0},
                                         PlaceCase{"ShapeWithoutText", 7, K::Shape, 7, 0, 0},
                                         PlaceCase{"Arrow", 5, K::Connector, 0, 6, 5},
                                         PlaceCase{"ArrowsLabel", 6, K::Connector, 0, 6, 5},
                                         PlaceCase{"ArrowWithoutLabel", 8, K::Connector, 0, 0, 8},
                                         PlaceCase{"LooseArrow", 10, K::Connector, 0, 0, 10},
                                         PlaceCase{"FreeLabel", 9, K::Label, 0, 9, 0}),
                         [](const testing::TestParamInfo<PlaceCase>& i) { return std::string(i.param.name); });

TEST(Places, ASecondLabelBesideAnArrowIsItsOwn) {
  // The arrow's label is the nearer one (6 away); the other (14 away) is nobody's.
  const Scene s({Arrow({50, 50}, {50, 100}), Text({56, 69, 19, 13}, "yes"), Text({36, 69, 0, 13}, "maybe")});
  EXPECT_EQ(semantics::TextPlaceOf(s[3], s.query).kind, K::Label);
  EXPECT_FALSE(semantics::ConnectorOfLabel(s[3], s.query));
  EXPECT_EQ(semantics::TextPlaceOf(s[2], s.query).kind, K::Connector);
}

TEST(Places, ALineOfNoConnectorTakesNoText) {
  // Two lines joined without an arrow make no connector.
  const Scene s({Line({0, 0}, {100, 0}), Line({100, 0}, {100, 100})});
  EXPECT_EQ(semantics::TextPlaceOf(s[1], s.query).kind, K::None);
}

// A band's catch keeps a connector whole or drops all of it. A (1) and B (2); an elbow route from
// A's right side: lines (3) and (4), then the arrow (5) into B's left side; a lone arrow (6) and a
// free label (7).
struct CatchCase {
  const char* name;
  std::vector<uint64_t> caught;
  std::vector<uint64_t> kept;
};
void PrintTo(const CatchCase& c, std::ostream* os) { *os << c.name; }

class BandCatch : public testing::TestWithParam<CatchCase> {};

TEST_P(BandCatch, ConnectorsWholeOrNotAtAll) {
  static const Scene s({
      Shape(ItemKind::Rectangle, {0, 0, 100, 50}),
      Shape(ItemKind::Rectangle, {300, 200, 100, 50}),
      Line({100, 25}, {200, 25}),
      Line({200, 25}, {200, 225}),
      Arrow({200, 225}, {300, 225}),
      Arrow({500, 0}, {600, 0}),
      Text({500, 300, 50, 14}, "note"),
  });
  std::vector<const Item*> caught;
  for (uint64_t id : GetParam().caught) caught.push_back(&s[id]);
  EXPECT_EQ(Ids(semantics::WithoutPartConnectors(caught, s.query)), GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BandCatch,
    testing::Values(CatchCase{"OneSegmentOfARoute", {3}, {}}, CatchCase{"TwoOfItsThree", {1, 3, 4}, {1}},
                    CatchCase{"TheArrowAlone", {2, 5}, {2}}, CatchCase{"TheWholeRoute", {3, 4, 5}, {3, 4, 5}},
                    CatchCase{"RouteAndShapes", {1, 2, 3, 4, 5, 7}, {1, 2, 3, 4, 5, 7}},
                    CatchCase{"ALoneArrowIsWhole", {4, 6, 7}, {6, 7}}),
    [](const testing::TestParamInfo<CatchCase>& i) { return std::string(i.param.name); });

}  // namespace
