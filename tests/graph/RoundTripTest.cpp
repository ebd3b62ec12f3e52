#include <gtest/gtest.h>

#include <random>

#include "Dot.h"
#include "GraphSummary.h"
#include "Mermaid.h"

using graph::Edge;
using graph::Graph;
using graph::LineStyle;
using graph::Node;
using graph::Shape;

namespace {

// What a text format carries: ids become the nodes' places (they may be generated), and Mermaid
// has no node sizes.
Graph Comparable(Graph g, bool sizes) {
  for (size_t i = 0; i < g.nodes.size(); ++i) {
    g.nodes[i].id = "n" + std::to_string(i);
    if (!sizes) g.nodes[i].width = g.nodes[i].height = 0;
  }
  return g;
}

void ExpectMermaidKeeps(const Graph& g) {
  const std::string text = graph::WriteMermaid(g);
  const graph::ParseResult r = graph::ReadMermaid(text);
  ASSERT_TRUE(r.ok()) << graph::Describe(*r.error) << "\n" << text;
  EXPECT_TRUE(r.warnings.empty()) << text;
  EXPECT_EQ(graphtest::Summary(Comparable(*r.graph, false)), graphtest::Summary(Comparable(g, false))) << text;
  EXPECT_EQ(Comparable(*r.graph, false), Comparable(g, false)) << text;
}

void ExpectDotKeeps(const Graph& g) {
  const std::string text = graph::WriteDot(g);
  const graph::ParseResult r = graph::ReadDot(text);
  ASSERT_TRUE(r.ok()) << graph::Describe(*r.error) << "\n" << text;
  EXPECT_TRUE(r.warnings.empty()) << text;
  EXPECT_EQ(graphtest::Summary(Comparable(*r.graph, true)), graphtest::Summary(Comparable(g, true))) << text;
  EXPECT_EQ(Comparable(*r.graph, true), Comparable(g, true)) << text;
}

Node MakeNode(std::string id, std::string text, Shape shape) {
  Node n;
  n.id = std::move(id);
  n.text = std::move(text);
  n.shape = shape;
  return n;
}

Edge MakeEdge(int from, int to, std::string label = {}, LineStyle style = LineStyle::Solid, bool directed = true) {
  Edge e;
  e.from = from;
  e.to = to;
  e.label = std::move(label);
  e.style = style;
  e.directed = directed;
  return e;
}

// Every shape, style and edge kind; the start and end marks sit where their edges alone would
// make them something else, so the written form has to say which they are.
Graph Everything() {
  Graph g;
  g.direction = graph::Direction::LeftToRight;
  g.nodes = {MakeNode("begin", "Begin", Shape::Start), MakeNode("work", "Work\nhard", Shape::Process),
             MakeNode("ask", "Ready?", Shape::Decision), MakeNode("sub", "Sub routine", Shape::Rectangle),
             MakeNode("oval", "Oval", Shape::Ellipse), MakeNode("done", "Done", Shape::End),
             MakeNode("again", "Start again", Shape::Start), MakeNode("lonely", "Lonely end", Shape::End),
             MakeNode("mid", "Middle end", Shape::End)};
  g.nodes[1].fill = 0xFF9966;
  g.nodes[1].stroke = 0x333333;
  g.nodes[1].strokeWidth = 4;
  g.nodes[2].dashed = true;
  g.nodes[3].width = 150;
  g.nodes[3].height = 61;
  g.edges = {MakeEdge(0, 1), MakeEdge(1, 2, "go"), MakeEdge(2, 3, "yes", LineStyle::Dashed),
             MakeEdge(2, 4, "no", LineStyle::Thick), MakeEdge(3, 5, {}, LineStyle::Solid, false),
             MakeEdge(4, 6), MakeEdge(6, 0, "loop", LineStyle::Dashed, false), MakeEdge(8, 1)};
  g.edges[1].colour = 0xFF0000;
  g.edges[1].bothHeads = true;
  g.edges[5].colour = 0x00AA00;
  return g;
}

// Three clusters, one nested, with links to and between them (each to the first node within the
// cluster, as a reader gives them); a node outside them all.
Graph Clustered() {
  Graph g;
  g.nodes = {MakeNode("a", "A", Shape::Process), MakeNode("b", "B", Shape::Decision), MakeNode("c", "C", Shape::Process),
             MakeNode("d", "D", Shape::Process), MakeNode("out", "Out", Shape::Process)};
  g.edges = {MakeEdge(0, 1), MakeEdge(1, 2, "yes"), MakeEdge(4, 0), MakeEdge(1, 3)};
  g.edges[2].toCluster = 0;
  g.edges[3].fromCluster = 1;
  g.edges[3].toCluster = 2;
  const auto cluster = [](std::string id, std::string title, int parent, std::vector<int> nodes) {
    graph::Cluster c;
    c.id = std::move(id);
    c.title = std::move(title);
    c.parent = parent;
    c.nodes = std::move(nodes);
    return c;
  };
  g.clusters = {cluster("first", "First step", -1, {0}), cluster("inner", "Inner\nbox", 0, {1, 2}),
                cluster("last", "last", -1, {3})};
  return g;
}

TEST(RoundTripTest, ClustersSurviveBothFormats) {
  Graph g = Clustered();
  ExpectDotKeeps(g);
  g.clusters[1].direction = graph::Direction::LeftToRight;
  ExpectMermaidKeeps(g);
}

TEST(RoundTripTest, MermaidKeepsEverything) { ExpectMermaidKeeps(Everything()); }
TEST(RoundTripTest, DotKeepsEverything) { ExpectDotKeeps(Everything()); }

TEST(RoundTripTest, UndirectedGraphsStayUndirected) {
  Graph g;
  g.nodes = {MakeNode("a", "a", Shape::Ellipse), MakeNode("b", "b", Shape::Ellipse)};
  g.edges = {MakeEdge(0, 1, "", LineStyle::Solid, false)};
  EXPECT_EQ(graph::WriteDot(g).rfind("graph {", 0), 0u);
  ExpectDotKeeps(g);
  ExpectMermaidKeeps(g);
}

TEST(RoundTripTest, IdsAreKeptWhereTheFormatAllowsAndNeverClash) {
  Graph g;
  g.nodes = {MakeNode("n1", "x", Shape::Process), MakeNode("", "y", Shape::Process), MakeNode("n1", "z", Shape::Process),
             MakeNode("end", "w", Shape::Process), MakeNode("has space", "v", Shape::Process)};
  g.edges = {MakeEdge(0, 1), MakeEdge(2, 3)};
  const graph::ParseResult m = graph::ReadMermaid(graph::WriteMermaid(g));
  ASSERT_TRUE(m.ok());
  std::vector<std::string> ids;
  for (const Node& n : m.graph->nodes) ids.push_back(n.id);
  // A node without an id Mermaid reads back gets one made from its own id or text.
  EXPECT_EQ(ids, (std::vector<std::string>{"n1", "y", "n1_2", "end_2", "has_space"}));
  const graph::ParseResult d = graph::ReadDot(graph::WriteDot(g));
  ASSERT_TRUE(d.ok());
  ids.clear();
  for (const Node& n : d.graph->nodes) ids.push_back(n.id);
  EXPECT_EQ(ids, (std::vector<std::string>{"n1", "y", "n1_2", "end", "has space"}));
}

// Texts with what either format treats specially: each as a node's text and as an edge's label.
class SpecialTextTest : public testing::TestWithParam<const char*> {};

TEST_P(SpecialTextTest, SurvivesBothFormats) {
  Graph g;
  g.nodes = {MakeNode("a", GetParam(), Shape::Process), MakeNode("b", "b", Shape::Decision)};
  g.edges = {MakeEdge(0, 1, GetParam())};
  if (g.edges[0].label.empty()) g.edges[0].label = "x";
  ExpectMermaidKeeps(g);
  ExpectDotKeeps(g);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SpecialTextTest,
    testing::Values("plain", "two words", "", " lead", "trail ", "  ", "a\nb", "a\n\nb", "\nstart", "end\n",
                    "quote \"x\"", "[brackets]", "(parens)", "{braces}", "((circle))", "a|b", "#35; hash", "#quot;",
                    "<br>", "<b>bold</b>", "%% not a comment", "a;b", "x --> y", "A-.->B", "==> thick", "~~~",
                    "back\\slash", "\\n literal", "\\N", "`tick`", "`whole`", "&amp;", "unicode \xE2\x9D\xA4 \xC3\xA9",
                    "end", "graph TD", "o", "x", "tab\there", ":::cls", "@{ shape: rect }", "style", "-- label --"));

// Random graphs of random texts and styles: what goes out comes back.
TEST(RoundTripTest, RandomGraphs) {
  std::mt19937 random(20240607);
  const std::vector<std::string> pieces{"a", "B c", "\"", "#", ";", "|", "<", ">", "[", "]", "(", ")", "{", "}",
                                        "\n", " ", "\\", "-->", "%%", "`", "&", "\xC3\xA9", "end", "o"};
  auto text = [&] {
    std::string s;
    for (int k = std::uniform_int_distribution<int>(0, 5)(random); k > 0; --k)
      s += pieces[std::uniform_int_distribution<size_t>(0, pieces.size() - 1)(random)];
    return s;
  };
  auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  for (int round = 0; round < 150; ++round) {
    Graph g;
    g.direction = static_cast<graph::Direction>(pick(4));
    const int nodes = pick(8);
    for (int i = 0; i < nodes; ++i) {
      Node n = MakeNode(pick(2) ? "" : text(), text(), static_cast<Shape>(pick(6)));
      if (pick(3) == 0) n.fill = static_cast<graph::Rgb>(random() & 0xFFFFFF);
      if (pick(3) == 0) n.stroke = static_cast<graph::Rgb>(random() & 0xFFFFFF);
      if (pick(3) == 0) n.strokeWidth = 1 + pick(6);
      if (n.strokeWidth == 2) n.strokeWidth = 0;  // the width every figure has: Mermaid reads 2px as none
      n.dashed = pick(4) == 0;
      if (pick(2)) n.width = 1 + pick(400), n.height = 1 + pick(300);
      g.nodes.push_back(n);
    }
    for (int k = nodes ? pick(12) : 0; k > 0; --k) {
      Edge e = MakeEdge(pick(nodes), pick(nodes), pick(2) ? text() : "", static_cast<LineStyle>(pick(3)), pick(4) != 0);
      if (pick(3) == 0) e.colour = static_cast<graph::Rgb>(random() & 0xFFFFFF);
      e.bothHeads = e.directed && pick(4) == 0;
      g.edges.push_back(e);
    }
    SCOPED_TRACE("round " + std::to_string(round));
    if (g.nodes.empty()) {
      // A chart without a node draws nothing: both readers say so.
      EXPECT_FALSE(graph::ReadMermaid(graph::WriteMermaid(g)).ok());
      EXPECT_FALSE(graph::ReadDot(graph::WriteDot(g)).ok());
      continue;
    }
    ExpectMermaidKeeps(g);
    ExpectDotKeeps(g);
    if (testing::Test::HasFailure()) return;
  }
}

// Mermaid written by someone else: reading what we write of it gives the same graph again, and
// writing that gives the same text.
TEST(RoundTripTest, MermaidToGraphToMermaid) {
  const char* source =
      "flowchart TD\n    A[Start] --> B{Is it?}\n    B -->|Yes| C[OK]\n    C --> D[Rethink]\n    D --> B\n"
      "    B ---->|No| E([End])\n    S((Circle)) -.-> A\n    style C fill:#f9f\n    linkStyle 2 stroke:red\n";
  const graph::ParseResult first = graph::ReadMermaid(source);
  ASSERT_TRUE(first.ok());
  const std::string written = graph::WriteMermaid(*first.graph);
  const graph::ParseResult second = graph::ReadMermaid(written);
  ASSERT_TRUE(second.ok()) << written;
  EXPECT_EQ(*second.graph, *first.graph) << written;
  EXPECT_EQ(graph::WriteMermaid(*second.graph), written);
  EXPECT_EQ(graphtest::Summary(*second.graph),
            "TB; A:process:Start, B:decision:Is it?, C:process:OK fill=#ff99ff, D:process:Rethink, E:end:End, "
            "S:ellipse:Circle | A->B, B->C |Yes|, C->D colour=#ff0000, D->B, B->E |No|, S->A dashed");
}

}  // namespace

namespace {

// Ids a format cannot read back are made from the node's own id or its text.
struct IdCase {
  const char* id;
  const char* text;
  const char* mermaid;
  const char* dot;
};

TEST(WrittenIdsTest, MadeFromIdsAndTextsUniqueAndReadBack) {
  const std::vector<IdCase> cases{
      {"A", "x", "A", "A"},
      {"", "Check stock", "Check_stock", "Check_stock"},
      {"", "Check stock", "Check_stock_2", "Check_stock_2"},
      {"", "Is it ok?", "Is_it_ok", "Is_it_ok"},
      {"", "", "n", "n"},
      {"", "!!", "n_2", "n_2"},
      {"end", "e", "end_2", "end"},
      {"has space", "y", "has_space", "has space"},
      {"index.js", "z", "index.js", "index.js"},
      {"A", "dup", "A_2", "A_2"},
      {"", "direction TB", "n_3", "direction_TB"},
      {"", "\xE5\xBC\x80\xE5\xA7\x8B", "\xE5\xBC\x80\xE5\xA7\x8B", "\xE5\xBC\x80\xE5\xA7\x8B"},
      {"q\"uote", "w", "q_uote", "q_uote"},
      {"2style", "v", "2style_2", "2style"},  // a number, then the keyword style
  };
  Graph g;
  for (const IdCase& c : cases) g.nodes.push_back(MakeNode(c.id, c.text, Shape::Process));
  const graph::ParseResult m = graph::ReadMermaid(graph::WriteMermaid(g));
  const graph::ParseResult d = graph::ReadDot(graph::WriteDot(g));
  ASSERT_TRUE(m.ok() && d.ok());
  for (size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(m.graph->nodes[i].id, cases[i].mermaid);
    EXPECT_EQ(d.graph->nodes[i].id, cases[i].dot);
  }
  // The same graph gives the same text.
  EXPECT_EQ(graph::WriteMermaid(g), graph::WriteMermaid(g));
}

}  // namespace
