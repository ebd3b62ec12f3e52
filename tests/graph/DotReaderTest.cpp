#include <gtest/gtest.h>

#include "Dot.h"
#include "GraphSummary.h"

using graphtest::Outcome;

namespace {

struct DotCase {
  const char* name;
  const char* text;
  const char* expected;
  size_t warnings = 0;
};
void PrintTo(const DotCase& c, std::ostream* os) { *os << c.name; }

class DotReadTest : public testing::TestWithParam<DotCase> {};

TEST_P(DotReadTest, ReadsTheGraph) {
  const DotCase& c = GetParam();
  const graph::ParseResult r = graph::ReadDot(c.text);
  EXPECT_EQ(Outcome(r), c.expected);
  EXPECT_EQ(r.warnings.size(), c.warnings);
}

INSTANTIATE_TEST_SUITE_P(
    Dot, DotReadTest,
    testing::Values(
        DotCase{"Directed", "digraph { a -> b }", "TB; a:ellipse:a, b:ellipse:b | a->b"},
        DotCase{"Undirected", "graph { a -- b; b -- c }", "TB; a:ellipse:a, b:ellipse:b, c:ellipse:c | a--b, b--c"},
        DotCase{"Strict", "strict digraph { a -> b; a -> b }", "TB; a:ellipse:a, b:ellipse:b | a->b"},
        DotCase{"EdgesInTheOrderWritten", "digraph { b -> c; a -> b; b -> a }",
                "TB; b:ellipse:b, c:ellipse:c, a:ellipse:a | b->c, a->b, b->a"},
        DotCase{"Shapes",
                "digraph { a [shape=box]; b [shape=rect]; c [shape=ellipse]; d [shape=circle]; e [shape=doublecircle];"
                " f [shape=diamond]; g [shape=box, style=rounded]; h [shape=box, style=\"rounded,filled\"]; a -> g; h -> a }",
                "TB; a:process:a, b:rectangle:b, c:ellipse:c, d:ellipse:d, e:ellipse:e, f:decision:f, g:end:g, "
                "h:start:h fill=#d3d3d3 | a->g, h->a"},
        DotCase{"OtherShapes", "digraph { a [shape=hexagon]; b [shape=point]; c [shape=hexagon] }",
                "TB; a:process:a, b:process:b, c:process:c |", 2},
        DotCase{"Labels",
                "digraph { a [label=\"Line 1\\nLine 2\"]; b [label=\"left\\lright\\r\"]; c [label=\"node \\N\"];"
                " d [label=\"say \\\"hi\\\" \\\\ ok\"]; a -> b [label=\"from \\T to \\H\"] }",
                "TB; a:ellipse:Line 1\\nLine 2, b:ellipse:left\\nright, c:ellipse:node c, d:ellipse:say \"hi\" \\ ok | "
                "a->b |from a to b|"},
        DotCase{"LabelDeclaredElsewhere", "digraph { a [label=\"x\"]; b; c [label=\"\"] }",
                "TB; a:ellipse:x, b:ellipse:b, c:ellipse: |"},
        DotCase{"HtmlLabel", "digraph { a [label=<one<br/>two &amp; <b>three</b>>] }", "TB; a:ellipse:one\\ntwo & three |"},
        DotCase{"RecordLabel", "digraph { s [shape=record, label=\"<f0> left|<f1> mid\\|dle|{<f2> right}\"] }",
                "TB; s:process:left\\nmid|dle\\nright |", 2},
        DotCase{"Colours",
                "digraph { a [color=red, style=filled, fillcolor=\"#00ff00\"]; b [style=filled]; c [style=filled, color=blue];"
                " d [fillcolor=yellow]; e [color=lightgoldenrod1]; f [color=\"0.000 1.000 1.000\"] }",
                "TB; a:ellipse:a fill=#00ff00 stroke=#ff0000, b:ellipse:b fill=#d3d3d3, c:ellipse:c fill=#0000ff "
                "stroke=#0000ff, d:ellipse:d, e:ellipse:e stroke=#ffec8b, f:ellipse:f stroke=#ff0000 |"},
        DotCase{"NodeStyles", "digraph { a [style=\"dashed,bold\"]; b [penwidth=3]; c [style=\"setlinewidth(4)\"] }",
                "TB; a:ellipse:a width=2 dashed, b:ellipse:b width=3, c:ellipse:c width=4 |"},
        DotCase{"EdgeStyles",
                "digraph { a -> b [style=dashed]; a -> c [style=bold]; a -> d [color=\"red:blue\"]; a -> e [style=dotted] }",
                "TB; a:ellipse:a, b:ellipse:b, c:ellipse:c, d:ellipse:d, e:ellipse:e | "
                "a->b dashed, a->c thick, a->d colour=#ff0000, a->e dashed"},
        DotCase{"Dir", "digraph { a -> b [dir=none]; a -> c [dir=back] }", "TB; a:ellipse:a, b:ellipse:b, c:ellipse:c | a--b, c->a"},
        DotCase{"DirInUndirected", "graph { a -- b [dir=forward] }", "TB; a:ellipse:a, b:ellipse:b | a->b"},
        DotCase{"RankdirLR", "digraph { rankdir=LR; a }", "LR; a:ellipse:a |"},
        DotCase{"RankdirBT", "digraph { rankdir=BT; a }", "BT; a:ellipse:a |"},
        DotCase{"RankdirRL", "digraph { rankdir=RL; a }", "RL; a:ellipse:a |"},
        DotCase{"Latin1", "digraph { charset=latin1; a [label=\"caf\xE9\"] }", "TB; a:ellipse:caf\xC3\xA9 |"},
        DotCase{"Cluster", "digraph { subgraph cluster_x { a -> b } c }", "TB; a:ellipse:a, b:ellipse:b, c:ellipse:c | a->b || x(): a b", 0},
        DotCase{"NestedClusters",
                "digraph { subgraph cluster_o { label=\"Outer\"; a; subgraph cluster_i { label=\"In\\nner\"; b } } c }",
                "TB; a:ellipse:a, b:ellipse:b, c:ellipse:c | || o(Outer): a; i(In\\nner) in o: b", 0},
        DotCase{"PlainSubgraphsOnlyGroup", "digraph { subgraph s { a } subgraph cluster_k { subgraph t { b } } }",
                "TB; a:ellipse:a, b:ellipse:b | || k(): b", 0},
        // lhead and ltail end an edge at a cluster that holds its node; others are no ends.
        DotCase{"CompoundEdges",
                "digraph { compound=true; subgraph cluster_x { a } b -> a [lhead=cluster_x]; a -> b [ltail=cluster_y]; "
                "b -> a [ltail=cluster_x] }",
                "TB; a:ellipse:a, b:ellipse:b | b->[x], a->b, b->a || x(): a", 0},
        DotCase{"NodeDefaults", "digraph { node [shape=diamond, style=filled, fillcolor=\"#123456\"]; a -> b }",
                "TB; a:decision:a fill=#123456, b:decision:b fill=#123456 | a->b"}),
    [](const testing::TestParamInfo<DotCase>& info) { return std::string(info.param.name); });

TEST(DotReadTest, SizesInInchesBecomePixels) {
  const graph::ParseResult r = graph::ReadDot("digraph { a [width=2, height=0.5]; b [width=\"1.375\", height=0.4]; c }");
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.graph->nodes[0].width, 144);
  EXPECT_EQ(r.graph->nodes[0].height, 36);
  EXPECT_EQ(r.graph->nodes[1].width, 99);
  EXPECT_EQ(r.graph->nodes[1].height, 29);  // 28.8 points, to the nearest pixel
  EXPECT_EQ(r.graph->nodes[2].width, 0);
}

struct DotErrorCase {
  const char* name;
  const char* text;
  int line;
  const char* starts;  // Graphviz's own words
};
void PrintTo(const DotErrorCase& c, std::ostream* os) { *os << c.name; }

class DotErrorTest : public testing::TestWithParam<DotErrorCase> {};

TEST_P(DotErrorTest, GraphvizMessageWithItsLine) {
  const DotErrorCase& c = GetParam();
  const graph::ParseResult r = graph::ReadDot(c.text);
  ASSERT_FALSE(r.ok());
  ASSERT_TRUE(r.error.has_value());
  EXPECT_EQ(r.error->line, c.line);
  EXPECT_EQ(r.error->text.rfind(c.starts, 0), 0u) << r.error->text;
}

INSTANTIATE_TEST_SUITE_P(
    Errors, DotErrorTest,
    testing::Values(DotErrorCase{"MissingHead", "digraph G {\n a -> b;\n c -> ;\n}\n", 3, "syntax error in line 3 near ';'"},
                    DotErrorCase{"UnclosedQuote", "\n\ndigraph {\n a -> b\n x [label=\"open]\n }", 5,
                                 "syntax error in line 5 scanning a quoted string"},
                    DotErrorCase{"UnclosedBrace", "graph { a -- b", 1, "syntax error in line 1"},
                    DotErrorCase{"NotDot", "flowchart LR\nA --> B", 1, "syntax error in line 1 near 'flowchart'"},
                    DotErrorCase{"Empty", "", 0, "the text holds no DOT graph"}),
    [](const testing::TestParamInfo<DotErrorCase>& info) { return std::string(info.param.name); });

// Graphviz's parser keeps state between reads: an error must not leak into the next one.
TEST(DotErrorTest, ReadingAfterAnErrorStartsAfresh) {
  EXPECT_FALSE(graph::ReadDot("digraph {\n\n\n a -> ;\n}").ok());
  const graph::ParseResult good = graph::ReadDot("digraph { a -> b }");
  EXPECT_EQ(Outcome(good), "TB; a:ellipse:a, b:ellipse:b | a->b");
  const graph::ParseResult bad = graph::ReadDot("digraph {\n a -> ;\n}");
  ASSERT_TRUE(bad.error.has_value());
  EXPECT_EQ(bad.error->line, 2);
}

}  // namespace

namespace {

// DOT's texts as Graphviz shows them.
INSTANTIATE_TEST_SUITE_P(
    GraphvizTexts, DotReadTest,
    testing::Values(
        DotCase{"EscapesInNames", "digraph { \"\\<base\\>\"; a [label=\"\\N says \\\"hi\\\"\"] }",
                "TB; \\<base\\>:ellipse:<base>, a:ellipse:a says \"hi\" |"},
        DotCase{"BreaksEachWay", "digraph { a [label=\"left\\lcentre\\nright\\r\"] }", "TB; a:ellipse:left\\ncentre\\nright |"},
        DotCase{"EntitiesInPlainLabels", "digraph { a [label=\"a &lt; b &amp;&amp; c &#9829;\"] }", "TB; a:ellipse:a < b && c \xE2\x99\xA5 |"},
        DotCase{"HtmlRowsAreLines", "digraph { t [label=<<table><tr><td>a</td><td>b</td></tr><tr><td>c &gt; d</td></tr></table>>] }",
                "TB; t:ellipse:a b\\nc > d |"},
        DotCase{"HtmlBreaksAndBlanks", "digraph { a [label=<one<br/><br/>two   three>] }", "TB; a:ellipse:one\\n\\ntwo three |"},
        DotCase{"HtmlBoldAsAWhole", "digraph { a [label=<<b><i>both</i></b>>]; b [label=<<b>part</b> of it>] }",
                "TB; a:ellipse:both bold italic, b:ellipse:part of it |"},
        DotCase{"RecordPortsWarned", "digraph { s [shape=record, label=\"<p1> one|<p2> two\"]; r [shape=record, label=\"a|b\"] }",
                "TB; s:process:one\\ntwo, r:process:a\\nb |", 2},
        DotCase{"RecordEscapes", "digraph { s [shape=record, label=\"\\{x\\}|a\\|b|\\<y\\>\"] }", "TB; s:process:{x}\\na|b\\n<y> |", 1},
        DotCase{"EdgeKeysAndWidths", "digraph { a -> b [key=e1, penwidth=3]; a -> b [penwidth=5] }",
                "TB; a:ellipse:a, b:ellipse:b | a->b width=3 id=e1, a->b thick width=5"},
        DotCase{"BothHeads", "digraph { a -> b [dir=both]; c -> d [dir=back] }",
                "TB; a:ellipse:a, b:ellipse:b, c:ellipse:c, d:ellipse:d | a<->b, d->c"},
        DotCase{"AnonymousGraphName", "digraph { a [label=\"[\\G]\"] }", "TB; a:ellipse:[] |"},
        // Graphviz numbers these from a count kept over all reads.
        DotCase{"NamesGraphvizNumbers", "digraph { <%x> -> <%y>; <%x> -> b }",
                "TB; %1:ellipse:%1, %2:ellipse:%2, b:ellipse:b | %1->%2, %1->b"},
        DotCase{"NamedGraph", "digraph G1 { b [label=\"\\G:\\N\"] }", "TB; b:ellipse:G1:b |"},
        DotCase{"SeveralGraphs", "digraph{a->b} digraph{c->d} graph{e--f}", "TB; a:ellipse:a, b:ellipse:b | a->b", 1}),
    [](const testing::TestParamInfo<DotCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    NothingToDraw, DotErrorTest,
    testing::Values(DotErrorCase{"EmptyGraph", "digraph {}", 0, "the graph holds no node to draw"},
                    DotErrorCase{"NamedEmpty", "digraph G { rankdir=LR }", 0, "the graph 'G' holds no node to draw"},
                    DotErrorCase{"SubgraphsOnly", "digraph { subgraph s { } }", 0, "the graph holds no node to draw"}),
    [](const testing::TestParamInfo<DotErrorCase>& info) { return std::string(info.param.name); });

// Graphviz's parser keeps the rest of a text after its first graph, and the state a failed read
// stopped in: neither is ever read again.
TEST(DotParserState, EachReadReadsOnlyItsOwnText) {
  const graph::ParseResult two = graph::ReadDot("digraph{a->b} digraph{secret1->secret2}");
  EXPECT_EQ(Outcome(two), "TB; a:ellipse:a, b:ellipse:b | a->b");
  ASSERT_EQ(two.warnings.size(), 1u);
  EXPECT_EQ(two.warnings[0].text, "the text holds 2 graphs: only the first is read");
  EXPECT_EQ(Outcome(graph::ReadDot("digraph{x->y}")), "TB; x:ellipse:x, y:ellipse:y | x->y");
  // Junk after a graph is warned of, and gone with the rest.
  const graph::ParseResult junk = graph::ReadDot("digraph { a -> b; }}}");
  EXPECT_EQ(Outcome(junk), "TB; a:ellipse:a, b:ellipse:b | a->b");
  EXPECT_EQ(junk.warnings.size(), 1u);
  for (const char* broken : {"digraph { a -> ", "digraph { a [label=\"open", "digraph { /* comment", "digraph { a -> b; }}}"}) {
    SCOPED_TRACE(broken);
    const graph::ParseResult first = graph::ReadDot(broken);
    EXPECT_NE(first.ok(), std::string_view(broken).find("}}}") == std::string_view::npos);
    const graph::ParseResult next = graph::ReadDot("digraph{x->y}");
    EXPECT_EQ(Outcome(next), "TB; x:ellipse:x, y:ellipse:y | x->y");
    EXPECT_TRUE(next.warnings.empty());
  }
}

// Subgraphs nested deeper than Graphviz's parser goes: its "memory exhausted" is an error, not a
// graph of nothing.
TEST(DotParserState, AnErrorFailsTheReadWhateverComesBack) {
  std::string text = "digraph{";
  for (int i = 0; i < 3400; ++i) text += "subgraph{";
  text += "a";
  for (int i = 0; i < 3400; ++i) text += "}";
  text += "}";
  const graph::ParseResult r = graph::ReadDot(text);
  EXPECT_FALSE(r.ok());
  ASSERT_TRUE(r.error.has_value());
  EXPECT_NE(r.error->text.find("memory exhausted"), std::string::npos) << r.error->text;
}

TEST(DotParserState, LongTextsAreCutAndMessagesShort) {
  const std::string longId(30000, 'x');
  const graph::ParseResult r = graph::ReadDot("digraph {\n a -> b\n " + longId + " [label=\"" + longId + "\"]\n}");
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.graph->nodes[2].id.size(), 10000u);
  EXPECT_EQ(r.graph->nodes[2].text.size(), 10000u);
  ASSERT_EQ(r.warnings.size(), 2u);
  for (const graph::Message& w : r.warnings) {
    EXPECT_EQ(w.line, 3);
    EXPECT_LT(w.text.size(), 300u);
  }
  const graph::ParseResult bad = graph::ReadDot("digraph { a -> ; " + longId + " }");
  ASSERT_TRUE(bad.error.has_value());
  EXPECT_LT(bad.error->text.size(), 400u);
}

}  // namespace
