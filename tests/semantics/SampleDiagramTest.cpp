// The two sample diagrams read through the editor's reader, with every answer worked out by hand
// from `kdltool dump` and the exported pictures. Ids are record numbers.
#include <gtest/gtest.h>

#include <map>

#include "Connector.h"
#include "ConnectorLabel.h"
#include "DiagramGraph.h"
#include "SampleItems.h"
#include "SemanticsTestSupport.h"
#include "ShapeText.h"

namespace {

using namespace semantics;
using semtest::IdOf;

struct Sample {
  std::vector<Item> items;
  std::unique_ptr<ItemGrid> grid;
  ItemQuery query;
  const Item& operator[](uint64_t id) const { return items.at(id - 1); }
};

const Sample& Load(const char* name) {
  static std::map<std::string, Sample> loaded;
  auto [it, fresh] = loaded.try_emplace(name);
  if (fresh) {
    const QString path = std::string(name) == "order-flow"
                             ? QStringLiteral(KEDRIN_TEST_DATA "/order-flow.kdl")
                             : QStringLiteral(KEDRIN_SEMANTICS_DATA "/support-ticket.kdl");
    it->second.items = semtest::ReadItems(path);
    it->second.grid = std::make_unique<ItemGrid>(it->second.items);
    it->second.query = it->second.grid->AsQuery();
  }
  return it->second;
}

std::string CaseName(const char* sample, uint64_t figure) {
  std::string name = std::string(sample) + "_" + std::to_string(figure);
  for (char& c : name)
    if (c == '-') c = '_';
  return name;
}

// Every closed figure and the label that is its text (0: none).
struct TextCase {
  const char* sample;
  uint64_t shape, text;
};

class SampleText : public testing::TestWithParam<TextCase> {};

TEST_P(SampleText, ShapeAndItsText) {
  const Sample& s = Load(GetParam().sample);
  const Item& shape = s[GetParam().shape];
  EXPECT_EQ(IdOf(ShapeText(shape, s.query)), GetParam().text);
  if (GetParam().text) {
    EXPECT_EQ(IdOf(ShapeOfText(s[GetParam().text], s.query)), GetParam().shape);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Samples, SampleText,
    testing::Values(TextCase{"order-flow", 1, 0}, TextCase{"order-flow", 3, 0}, TextCase{"order-flow", 5, 0},
                    TextCase{"order-flow", 7, 0}, TextCase{"order-flow", 9, 10}, TextCase{"order-flow", 12, 0},
                    TextCase{"support-ticket", 1, 2}, TextCase{"support-ticket", 4, 0},
                    TextCase{"support-ticket", 5, 16}, TextCase{"support-ticket", 6, 17},
                    TextCase{"support-ticket", 7, 18}, TextCase{"support-ticket", 8, 19},
                    TextCase{"support-ticket", 9, 20}, TextCase{"support-ticket", 10, 21},
                    TextCase{"support-ticket", 11, 22}, TextCase{"support-ticket", 12, 23},
                    TextCase{"support-ticket", 13, 24}, TextCase{"support-ticket", 14, 25},
                    TextCase{"support-ticket", 15, 0}),
    [](const testing::TestParamInfo<TextCase>& i) { return CaseName(i.param.sample, i.param.shape); });

// Titles and the yes/no labels are nobody's text.
TEST(SampleText, FreeLabelsBelongToNoShape) {
  for (uint64_t id : {13}) EXPECT_EQ(ShapeOfText(Load("order-flow")[id], Load("order-flow").query), nullptr);
  const Sample& s = Load("support-ticket");
  for (uint64_t id : {3, 45, 46, 47, 48, 49, 50}) EXPECT_EQ(ShapeOfText(s[id], s.query), nullptr) << id;
}

// Every line and arrow: its connector's segments, the shapes its ends attach to (after the head
// is put at the end), whether it has a head, and its label.
struct ConnectorCase {
  const char* sample;
  uint64_t segment;
  uint64_t from, to;
  bool directed;
  uint64_t label;
  std::vector<uint64_t> chain = {};  // the connector's segments, tail first; none: the segment alone
};

class SampleConnector : public testing::TestWithParam<ConnectorCase> {};

TEST_P(SampleConnector, EndsAndLabel) {
  const ConnectorCase& k = GetParam();
  const Sample& s = Load(k.sample);
  const std::optional<Connector> c = ConnectorOf(s[k.segment], s.query);
  ASSERT_TRUE(c);
  // The samples' lines are read falling, so their elbow routes miss each joint by a pixel or
  // two: they join all the same.
  std::vector<uint64_t> ids;
  for (const Item* segment : c->segments) ids.push_back(segment->id);
  EXPECT_EQ(ids, k.chain.empty() ? std::vector<uint64_t>{k.segment} : k.chain);
  EXPECT_EQ(IdOf(c->startShape), k.from);
  EXPECT_EQ(IdOf(c->endShape), k.to);
  EXPECT_EQ(c->headAtEnd, k.directed);
  EXPECT_FALSE(c->headAtStart);
  EXPECT_EQ(IdOf(ConnectorLabel(*c, s.query)), k.label);
}

INSTANTIATE_TEST_SUITE_P(
    Samples, SampleConnector,
    testing::Values(
        ConnectorCase{"order-flow", 2, 1, 3, true, 0}, ConnectorCase{"order-flow", 4, 3, 5, true, 0},
        ConnectorCase{"order-flow", 6, 5, 7, true, 0}, ConnectorCase{"order-flow", 8, 5, 9, true, 0},
        // 2.3 pixels short of the end mark's circle.
        ConnectorCase{"order-flow", 11, 9, 12, false, 0},
        // Exactly 4 pixels below the start mark's circle.
        ConnectorCase{"support-ticket", 26, 4, 5, true, 0}, ConnectorCase{"support-ticket", 27, 5, 6, true, 0},
        ConnectorCase{"support-ticket", 28, 6, 12, true, 0}, ConnectorCase{"support-ticket", 29, 12, 7, true, 46},
        ConnectorCase{"support-ticket", 30, 7, 13, true, 0}, ConnectorCase{"support-ticket", 31, 13, 8, true, 48},
        ConnectorCase{"support-ticket", 32, 8, 14, true, 0}, ConnectorCase{"support-ticket", 33, 14, 9, true, 50},
        ConnectorCase{"support-ticket", 34, 9, 10, true, 0}, ConnectorCase{"support-ticket", 35, 10, 15, true, 0},
        ConnectorCase{"support-ticket", 36, 12, 11, true, 45},
        // apLeft: the head is on the escalation box.
        ConnectorCase{"support-ticket", 37, 13, 1, true, 47},
        // The dashed loops back to "Investigate issue" and the route from "Send known fix".
        // The "no" 5 pixels above the start of the loop from "Confirmed?" is its label.
        ConnectorCase{"support-ticket", 38, 1, 7, true, 0, {40, 38}},
        ConnectorCase{"support-ticket", 39, 14, 7, true, 49, {42, 41, 39}},
        ConnectorCase{"support-ticket", 40, 1, 7, true, 0, {40, 38}},
        ConnectorCase{"support-ticket", 41, 14, 7, true, 49, {42, 41, 39}},
        ConnectorCase{"support-ticket", 42, 14, 7, true, 49, {42, 41, 39}},
        ConnectorCase{"support-ticket", 43, 11, 14, true, 0, {44, 43}},
        ConnectorCase{"support-ticket", 44, 11, 14, true, 0, {44, 43}}),
    [](const testing::TestParamInfo<ConnectorCase>& i) { return CaseName(i.param.sample, i.param.segment); });

// The label reach lies between the farthest yes/no label (12 pixels beside the decisions' lower
// arrows) and the nearest box text (29 pixels below the middle of the arrow into its box).
TEST(SampleConnector, ReachFindsEveryYesOrNoAndNoBoxText) {
  const Sample& s = Load("support-ticket");
  double farthestLabel = 0, nearestText = 1e9;
  for (uint64_t arrow = 26; arrow <= 37; ++arrow) {
    const QPointF middle = LabelPoint(*ConnectorOf(s[arrow], s.query));
    for (uint64_t text = 16; text <= 25; ++text) nearestText = std::min(nearestText, DistanceToBox(middle, s[text].box));
    const Item* label = ConnectorLabel(*ConnectorOf(s[arrow], s.query), s.query);
    if (label) farthestLabel = std::max(farthestLabel, DistanceToBox(middle, label->box));
  }
  EXPECT_EQ(farthestLabel, 12);
  EXPECT_EQ(nearestText, 29);
  EXPECT_GE(kLabelReach, farthestLabel);
  EXPECT_LT(kLabelReach, nearestText);
}

const graph::Edge* EdgeBetween(const graph::Graph& g, const std::string& from, const std::string& to) {
  for (const graph::Edge& e : g.edges)
    if (g.nodes[e.from].text == from && g.nodes[e.to].text == to) return &e;
  return nullptr;
}

TEST(SampleGraph, OrderFlow) {
  const Sample& s = Load("order-flow");
  const graph::Graph g = FindGraph(s.items, s.query);
  ASSERT_EQ(g.nodes.size(), 6u);
  using graph::Shape;
  const struct {
    uint64_t figure;
    Shape shape;
    graph::Rgb fill;
    const char* text;
  } nodes[] = {{1, Shape::Start, 0x00FF00, ""},      {3, Shape::Process, 0xFFFFFF, ""},
               {5, Shape::Decision, 0xFFFF00, ""},   {7, Shape::Rectangle, 0xFFFFFF, ""},
               {9, Shape::Ellipse, 0xA6CAF0, "Ship order"}, {12, Shape::End, 0xFF0000, ""}};
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(g.nodes[i].figure, nodes[i].figure);
    EXPECT_EQ(g.nodes[i].shape, nodes[i].shape) << i;
    EXPECT_EQ(g.nodes[i].fill, nodes[i].fill) << i;
    EXPECT_EQ(g.nodes[i].text, nodes[i].text);
  }
  EXPECT_EQ(g.nodes[4].width, 140);
  EXPECT_EQ(g.nodes[4].height, 50);
  // Node indices: 0 start, 1 process, 2 decision, 3 back-order rectangle, 4 ellipse, 5 end.
  const std::vector<std::tuple<int, int, bool, uint64_t>> edges = {
      {0, 1, true, 2}, {1, 2, true, 4}, {2, 3, true, 6}, {2, 4, true, 8}, {4, 5, false, 11}};
  ASSERT_EQ(g.edges.size(), edges.size());
  for (size_t i = 0; i < edges.size(); ++i) {
    const auto& [from, to, directed, figure] = edges[i];
    EXPECT_EQ(g.edges[i].from, from);
    EXPECT_EQ(g.edges[i].to, to);
    EXPECT_EQ(g.edges[i].directed, directed);
    EXPECT_EQ(g.edges[i].figures, std::vector<uint64_t>{figure});
    EXPECT_EQ(g.edges[i].style, graph::LineStyle::Solid);
  }
}

TEST(SampleGraph, SupportTicket) {
  const Sample& s = Load("support-ticket");
  const graph::Graph g = FindGraph(s.items, s.query);
  EXPECT_EQ(g.nodes.size(), 13u);
  // Twelve straight arrows and the three hand-drawn elbow routes.
  ASSERT_EQ(g.edges.size(), 15u);
  const struct {
    const char *from, *to, *label;
    std::vector<uint64_t> figures;
  } named[] = {{"Investigate issue", "Fixed at L1?", "", {30}},
               {"Known issue?", "Investigate issue", "no", {29, 46}},
               {"Known issue?", "Send known fix", "yes", {36, 45}},
               {"Fixed at L1?", "Escalate to L2", "no", {37, 47}},
               {"Fixed at L1?", "Apply fix, reply", "yes", {31, 48}},
               {"Confirmed?", "Close ticket", "yes", {33, 50}},
               {"Close ticket", "Send survey", "", {34}},
               {"Escalate to L2", "Investigate issue", "", {40, 38}},
               {"Confirmed?", "Investigate issue", "no", {42, 41, 39, 49}},
               {"Send known fix", "Confirmed?", "", {44, 43}}};
  for (const auto& n : named) {
    const graph::Edge* e = EdgeBetween(g, n.from, n.to);
    ASSERT_TRUE(e) << n.from << " -> " << n.to;
    EXPECT_TRUE(e->directed);
    EXPECT_EQ(e->label, n.label);
    EXPECT_EQ(e->figures, n.figures);
  }
  // The marks have no text: the start mark's one edge leaves it, the end mark's one enters it.
  EXPECT_EQ(g.nodes[1].shape, graph::Shape::Start);
  EXPECT_EQ(g.nodes[12].shape, graph::Shape::End);
  EXPECT_EQ(g.nodes[0].text, "Escalate to L2");
  EXPECT_EQ(g.edges.front().from, 1);
  EXPECT_EQ(g.nodes[g.edges.front().to].text, "Receive ticket");
  EXPECT_EQ(g.nodes[g.edges[9].from].text, "Send survey");
  EXPECT_EQ(g.edges[9].to, 12);
  // The decisions' orange (TColor 8377087 is red FF, green D2, blue 7F).
  EXPECT_EQ(g.nodes[9].fill, graph::Rgb{0xFFD27F});
  // "Escalate to L2" is reached only by the "no" of "Fixed at L1?"; only its loop leaves it.
  int leaving = 0;
  for (const graph::Edge& e : g.edges) leaving += e.from == 0;
  EXPECT_EQ(leaving, 1);
}

}  // namespace
