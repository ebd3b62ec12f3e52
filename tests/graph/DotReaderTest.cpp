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
        DotCase{"Cluster", "digraph { subgraph cluster_x { a -> b } c }", "TB; a:ellipse:a, b:ellipse:b, c:ellipse:c | a->b", 1},
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
