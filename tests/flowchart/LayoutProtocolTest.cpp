// What the editor and the layout program say to each other: every request and answer reads back
// as it was written, whatever bytes its strings hold, and a text that is not one (cut short by a
// dying program, say) is refused with a reason, never half read.
#include <gtest/gtest.h>

#include "LayoutProtocol.h"

namespace {

using graph::Direction;
using graph::Shape;

graph::Node N(Shape shape, int w, int h) {
  graph::Node n;
  n.shape = shape;
  n.width = w;
  n.height = h;
  return n;
}

graph::Edge E(int from, int to, std::string label = {}, bool directed = true) {
  graph::Edge e;
  e.from = from;
  e.to = to;
  e.label = std::move(label);
  e.directed = directed;
  return e;
}

struct RequestCase {
  const char* name;
  layoutproc::Request request;
};
void PrintTo(const RequestCase& c, std::ostream* os) { *os << c.name; }

layoutproc::Request Req(std::vector<graph::Node> nodes, std::vector<graph::Edge> edges, Direction d = Direction::TopToBottom,
                        QPoint origin = {0, 0}, int nodeSpacing = 36, int rankSpacing = 54, std::string engine = "dot") {
  layoutproc::Request r;
  r.graph.nodes = std::move(nodes);
  r.graph.edges = std::move(edges);
  r.graph.direction = d;
  r.direction = d;
  r.options.origin = origin;
  r.options.nodeSpacing = nodeSpacing;
  r.options.rankSpacing = rankSpacing;
  r.options.engine = std::move(engine);
  return r;
}

class RequestRoundTrip : public testing::TestWithParam<RequestCase> {};

TEST_P(RequestRoundTrip, ReadsBackAsWritten) {
  const layoutproc::Request& sent = GetParam().request;
  std::string error;
  const std::optional<layoutproc::Request> got = layoutproc::DecodeRequest(layoutproc::EncodeRequest(sent), &error);
  ASSERT_TRUE(got.has_value()) << error;
  EXPECT_EQ(got->graph, sent.graph);
  EXPECT_EQ(got->direction, sent.direction);
  EXPECT_EQ(got->options.origin, sent.options.origin);
  EXPECT_EQ(got->options.nodeSpacing, sent.options.nodeSpacing);
  EXPECT_EQ(got->options.rankSpacing, sent.options.rankSpacing);
  EXPECT_EQ(got->options.engine, sent.options.engine);
}

INSTANTIATE_TEST_SUITE_P(
    Requests, RequestRoundTrip,
    testing::Values(RequestCase{"Empty", Req({}, {})},
                    RequestCase{"EveryShapeAndDirection",
                                Req({N(Shape::Process, 120, 60), N(Shape::Start, 0, 0), N(Shape::End, 1, 2),
                                     N(Shape::Decision, 140, 80), N(Shape::Ellipse, 99999, 7), N(Shape::Rectangle, 61, 301)},
                                    {E(0, 1), E(1, 2, "", false), E(5, 5)}, Direction::RightToLeft, {-40, 25}, 2, 100000,
                                    "neato")},
                    // Labels hold any byte: blanks, line breaks, colons, digits, NUL, UTF-8.
                    RequestCase{"LabelsOfAnyBytes",
                                Req({N(Shape::Process, 10, 10), N(Shape::Decision, 20, 20)},
                                    {E(0, 1, "yes"), E(1, 0, "two words\nand a line"), E(0, 1, "12:34 5:"),
                                     E(1, 1, std::string("nul\0inside", 10)), E(0, 0, "\xE5\x90\x8C\xE6\x84\x8F \xF0\x9F\x98\x80")},
                                    Direction::LeftToRight)},
                    RequestCase{"Clusters",
                                [] {
                                  layoutproc::Request r = Req({N(Shape::Process, 10, 10), N(Shape::Decision, 20, 20)}, {E(0, 1)});
                                  r.graph.clusters.resize(3);
                                  r.graph.clusters[0].nodes = {1, 0};
                                  r.graph.clusters[0].titleWidth = 80;
                                  r.graph.clusters[0].titleHeight = 24;
                                  r.graph.clusters[1].parent = 0;
                                  r.graph.clusters[2].parent = 1;
                                  r.graph.clusters[2].nodes = {1};
                                  return r;
                                }()},
                    RequestCase{"SizesAndEndsOutOfRangeTravelAsThey", Req({N(Shape::Process, -5, 200000)}, {E(0, 7), E(-1, 0)},
                                                                           Direction::BottomToTop, {0, 0}, 0, -3, "")}),
    [](const testing::TestParamInfo<RequestCase>& info) { return std::string(info.param.name); });

// Only what the layout uses goes: ids, texts, colours and figures stay behind.
TEST(LayoutRequest, CarriesOnlyWhatTheLayoutUses) {
  graph::Graph g;
  g.direction = Direction::LeftToRight;
  graph::Node n = N(Shape::Decision, 140, 80);
  n.id = "ask";
  n.text = "Ask?";
  n.fill = 0xFF0000;
  n.figure = 42;
  g.nodes = {n, N(Shape::End, 0, 0)};
  graph::Edge e = E(0, 1, "no", false);
  e.colour = 0x00FF00;
  e.style = graph::LineStyle::Dashed;
  e.figures = {7, 8};
  g.edges = {e};
  graph::Cluster c;
  c.id = "lane";
  c.title = "Lane";
  c.direction = Direction::TopToBottom;
  c.figure = 9;
  c.nodes = {1};
  c.titleWidth = 50;
  c.titleHeight = 20;
  g.clusters = {c, c};
  g.clusters[1].parent = 0;
  const graph::Graph part = layoutproc::LayoutPart(g);
  ASSERT_EQ(part.clusters.size(), 2u);
  for (size_t k = 0; k < 2; ++k) {
    graph::Cluster kept;
    kept.parent = static_cast<int>(k) - 1;
    kept.nodes = {1};
    kept.titleWidth = 50;
    kept.titleHeight = 20;
    EXPECT_EQ(part.clusters[k], kept);
  }
  ASSERT_EQ(part.nodes.size(), 2u);
  EXPECT_EQ(part.nodes[0], N(Shape::Decision, 140, 80));
  ASSERT_EQ(part.edges.size(), 1u);
  EXPECT_EQ(part.edges[0], E(0, 1, "no", false));
  EXPECT_EQ(part.direction, Direction::LeftToRight);
}

graph::LayoutResult Answer() {
  graph::LayoutResult r;
  r.nodes = {QRect(20, 20, 120, 60), QRect(-7, 300, 1, 1)};
  graph::Route curved;
  curved.points = {{80, 80}, {80, 120}, {90, 150}, {100, 200}};
  curved.headTip = QPoint(100, 210);
  curved.label = QPoint(-3, 140);
  graph::Route undirected;
  undirected.points = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}};
  undirected.tailTip = QPoint(0, -1);
  r.edges = {curved, undirected, graph::Route{}};
  r.bounds = QRect(-7, 20, 300, 400);
  r.clusters = {QRect(0, 10, 200, 100), QRect(-5, -6, 0, 7)};
  r.warnings = {"Warning one", "two\nlines: 3"};
  return r;
}

graph::LayoutResult Failed(graph::LayoutStop stop, std::string error) {
  graph::LayoutResult r;
  r.stop = stop;
  r.error = std::move(error);
  return r;
}

struct AnswerCase {
  const char* name;
  graph::LayoutResult answer;
};
void PrintTo(const AnswerCase& c, std::ostream* os) { *os << c.name; }

class AnswerRoundTrip : public testing::TestWithParam<AnswerCase> {};

TEST_P(AnswerRoundTrip, ReadsBackAsWritten) {
  const graph::LayoutResult& sent = GetParam().answer;
  std::string error;
  const std::optional<graph::LayoutResult> got = layoutproc::DecodeAnswer(layoutproc::EncodeAnswer(sent), &error);
  ASSERT_TRUE(got.has_value()) << error;
  EXPECT_EQ(got->nodes, sent.nodes);
  EXPECT_EQ(got->clusters, sent.clusters);
  ASSERT_EQ(got->edges.size(), sent.edges.size());
  for (size_t k = 0; k < sent.edges.size(); ++k) {
    EXPECT_EQ(got->edges[k].points, sent.edges[k].points) << k;
    EXPECT_EQ(got->edges[k].tailTip, sent.edges[k].tailTip) << k;
    EXPECT_EQ(got->edges[k].headTip, sent.edges[k].headTip) << k;
    EXPECT_EQ(got->edges[k].label, sent.edges[k].label) << k;
  }
  EXPECT_EQ(got->bounds, sent.bounds);
  EXPECT_EQ(got->warnings, sent.warnings);
  EXPECT_EQ(got->error, sent.error);
  EXPECT_EQ(got->stop, sent.stop);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, AnswerRoundTrip,
    testing::Values(AnswerCase{"Nothing", graph::LayoutResult{}}, AnswerCase{"BoxesRoutesTipsLabelsWarnings", Answer()},
                    AnswerCase{"GraphvizsReason", Failed(graph::LayoutStop::None, "syntax error in line 1 near 'x'")},
                    AnswerCase{"AStop", Failed(graph::LayoutStop::Unavailable, "the request: the text ends early at byte 0")}),
    [](const testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

struct BrokenCase {
  const char* name;
  std::string text;
  const char* reason;  // how the reason starts
};
void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.name; }

class BrokenAnswer : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenAnswer, IsRefusedWithItsReason) {
  std::string error;
  EXPECT_FALSE(layoutproc::DecodeAnswer(GetParam().text, &error).has_value());
  EXPECT_EQ(error.rfind(GetParam().reason, 0), 0u) << error;
}

const std::string kWhole = layoutproc::EncodeAnswer(Answer());

INSTANTIATE_TEST_SUITE_P(
    Answers, BrokenAnswer,
    testing::Values(BrokenCase{"NothingAtAll", "", "the text ends early"},
                    BrokenCase{"CutShort", kWhole.substr(0, kWhole.size() / 2), "the text ends early"},
                    BrokenCase{"CutInAString", kWhole.substr(0, kWhole.find("Warning one") + 3), "a string longer than the text"},
                    BrokenCase{"NotAnAnswer", "KLAYOUT 1\nD 0\n", "expected 'KLAYOUT-ANSWER'"},
                    BrokenCase{"ACountTheTextCannotHold", "KLAYOUT-ANSWER 1\nB 0 0 0 0\nN 2000000000\n0 0 0 0\n",
                               "a count larger than the text"},
                    BrokenCase{"ANumberTooLarge", "KLAYOUT-ANSWER 1\nB 0 0 99999999999 0\n", "a number out of range"},
                    BrokenCase{"AWordForANumber", "KLAYOUT-ANSWER 1\nB 0 x 0 0\n", "a number was expected"},
                    BrokenCase{"TextAfterTheEnd", kWhole + "more", "more text after the end"}),
    [](const testing::TestParamInfo<BrokenCase>& info) { return std::string(info.param.name); });

TEST(BrokenRequest, IsRefusedWithItsReason) {
  const std::string whole = layoutproc::EncodeRequest(Req({N(Shape::Process, 1, 1)}, {E(0, 0, "x")}));
  std::string error;
  EXPECT_FALSE(layoutproc::DecodeRequest(whole.substr(0, whole.size() - 5), &error).has_value());
  EXPECT_EQ(error.rfind("the text ends early", 0), 0u) << error;
  EXPECT_FALSE(layoutproc::DecodeRequest("KLAYOUT 1\nD 9\n", &error).has_value());
  EXPECT_EQ(error.rfind("a number out of range", 0), 0u) << error;
}

}  // namespace
