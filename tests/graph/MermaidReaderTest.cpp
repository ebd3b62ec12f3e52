#include <gtest/gtest.h>

#include "GraphSummary.h"
#include "Mermaid.h"

using graphtest::Outcome;

namespace {

struct ReadCase {
  const char* name;
  const char* text;
  const char* expected;          // the summary of the graph read
  std::vector<int> warningLines;  // one per warning, in order
};
void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class MermaidReadTest : public testing::TestWithParam<ReadCase> {};

TEST_P(MermaidReadTest, ReadsTheGraph) {
  const ReadCase& c = GetParam();
  const graph::ParseResult r = graph::ReadMermaid(c.text);
  EXPECT_EQ(Outcome(r), c.expected);
  std::vector<int> lines;
  for (const graph::Message& w : r.warnings) lines.push_back(w.line);
  EXPECT_EQ(lines, c.warningLines);
}

std::string Name(const testing::TestParamInfo<ReadCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(
    Headers, MermaidReadTest,
    testing::Values(ReadCase{"TD", "flowchart TD\nA-->B", "TB; A:process:A, B:process:B | A->B", {}},
                    ReadCase{"TB", "flowchart TB\nA", "TB; A:process:A |", {}},
                    ReadCase{"BT", "flowchart BT\nA", "BT; A:process:A |", {}},
                    ReadCase{"LR", "graph LR\nA", "LR; A:process:A |", {}},
                    ReadCase{"RL", "graph RL\nA", "RL; A:process:A |", {}},
                    ReadCase{"NoDirection", "flowchart\nA", "TB; A:process:A |", {}},
                    ReadCase{"Semicolons", "graph TD;A-->B;B-->C;", "TB; A:process:A, B:process:B, C:process:C | A->B, B->C", {}},
                    ReadCase{"CommentsAndBlankLines", "%% first\n\nflowchart LR\n  %% A --> X\nA --> B %% after\n",
                             "LR; A:process:A, B:process:B | A->B", {}},
                    ReadCase{"CarriageReturns", "flowchart LR\r\nA --> B\r\n", "LR; A:process:A, B:process:B | A->B", {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    Shapes, MermaidReadTest,
    testing::Values(
        ReadCase{"EveryShape", "flowchart LR\nA[box] --> B((circle)) --> C{decide} --> D[[sub]] --> E(round) --> F([stadium])",
                 "LR; A:process:box, B:ellipse:circle, C:decision:decide, D:rectangle:sub, E:process:round, "
                 "F:end:stadium | A->B, B->C, C->D, D->E, E->F",
                 {}},
        // Rounded nodes: start without incoming links, end without outgoing ones, a box between.
        ReadCase{"RoundedByLinks", "flowchart TD\nS(Begin) --> P([Middle]) --> E([Done])\nL(Alone)\nR(Loop) --> R",
                 "TB; S:start:Begin, P:process:Middle, E:end:Done, L:start:Alone, R:process:Loop | S->P, P->E, R->R", {}},
        ReadCase{"ClassesNameTheMark", "flowchart TD\nA([a]):::end --> B([b]):::start",
                 "TB; A:end:a, B:start:b | A->B", {}},
        ReadCase{"NoShapeShowsTheId", "flowchart LR\nid1", "LR; id1:process:id1 |", {}},
        ReadCase{"MentionedAgainKeepsShape", "flowchart LR\nA{Ask} --> B\nB --> A\nA --> C",
                 "LR; A:decision:Ask, B:process:B, C:process:C | A->B, B->A, A->C", {}},
        ReadCase{"LastTextCounts", "flowchart LR\nA[first]\nA[second]", "LR; A:process:second |", {}},
        ReadCase{"IdsWithDashes", "flowchart LR\ndev-ops --> B", "LR; dev-ops:process:dev-ops, B:process:B | dev-ops->B", {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    Texts, MermaidReadTest,
    testing::Values(
        ReadCase{"Quoted", "flowchart LR\nA[\"text with (brackets)\"] --> B[\"say #quot;hi#quot; #35;1\"]",
                 "LR; A:process:text with (brackets), B:process:say \"hi\" #1 | A->B", {}},
        ReadCase{"LineBreaks", "flowchart LR\nA[one<br>two<br/>three<br />four]", "LR; A:process:one\\ntwo\\nthree\\nfour |", {}},
        ReadCase{"OtherTagsDropped", "flowchart LR\nB[AAA<span>BBB</span>]", "LR; B:process:AAABBB |", {}},
        ReadCase{"Markdown", "flowchart LR\nA[\"`Line1\n    Line 2`\"] --> B", "LR; A:process:Line1\\nLine 2, B:process:B | A->B", {}},
        ReadCase{"Unicode", "flowchart LR\nid[\"This \xE2\x9D\xA4 Unicode\"]", "LR; id:process:This \xE2\x9D\xA4 Unicode |", {}},
        ReadCase{"DecimalEntity", "flowchart LR\nB[\"A dec char:#9829;\"]", "LR; B:process:A dec char:\xE2\x99\xA5 |", {}},
        ReadCase{"Trimmed", "flowchart LR\nA[  padded  ]", "LR; A:process:padded |", {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    Links, MermaidReadTest,
    testing::Values(
        ReadCase{"Kinds", "flowchart LR\nA --> B\nA --- C\nA -.-> D\nA ==> E\nA -.- F\nA === G",
                 "LR; A:process:A, B:process:B, C:process:C, D:process:D, E:process:E, F:process:F, G:process:G | "
                 "A->B, A--C, A->D dashed, A->E thick, A--F dashed, A--G thick",
                 {}},
        ReadCase{"Longer", "flowchart LR\nA ---> B\nA ==== C\nA -..-> D\nA----E",
                 "LR; A:process:A, B:process:B, C:process:C, D:process:D, E:process:E | A->B, A--C thick, A->D dashed, A--E", {}},
        ReadCase{"Chain", "flowchart LR\nA --> B --> C", "LR; A:process:A, B:process:B, C:process:C | A->B, B->C", {}},
        ReadCase{"Ampersands", "flowchart TB\nA & B--> C & D",
                 "TB; A:process:A, B:process:B, C:process:C, D:process:D | A->C, A->D, B->C, B->D", {}},
        ReadCase{"AmpersandsInAChain", "flowchart LR\na --> b & c--> d",
                 "LR; a:process:a, b:process:b, c:process:c, d:process:d | a->b, a->c, b->d, c->d", {}},
        ReadCase{"Labels",
                 "flowchart LR\nA -->|yes| B\nA -- no --> C\nA -. maybe .-> D\nA == sure ==> E\nA---|plain|F\nA-- text ---G",
                 "LR; A:process:A, B:process:B, C:process:C, D:process:D, E:process:E, F:process:F, G:process:G | "
                 "A->B |yes|, A->C |no|, A->D |maybe| dashed, A->E |sure| thick, A--F |plain|, A--G |text|",
                 {}},
        ReadCase{"LabelledChain", "flowchart LR\nA -- text --> B -- text2 --> C",
                 "LR; A:process:A, B:process:B, C:process:C | A->B |text|, B->C |text2|", {}},
        ReadCase{"QuotedLabels", "flowchart LR\nA -->|\"a|b\"| B\nA -- \"x --> y\" --> C\nA --> |spaced| D",
                 "LR; A:process:A, B:process:B, C:process:C, D:process:D | A->B |a|b|, A->C |x --> y|, A->D |spaced|", {}},
        ReadCase{"NoSpaces", "flowchart LR\nA-->B-.->C==>D", "LR; A:process:A, B:process:B, C:process:C, D:process:D | A->B, B->C dashed, C->D thick", {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    Styles, MermaidReadTest,
    testing::Values(
        ReadCase{"Style", "flowchart LR\nA --> B\nstyle A fill:#f9f,stroke:#333,stroke-width:4px\nstyle B fill:red,stroke-dasharray: 5 5",
                 "LR; A:process:A fill=#ff99ff stroke=#333333 width=4, B:process:B fill=#ff0000 dashed | A->B", {}},
        ReadCase{"ClassDefAndClass", "flowchart LR\nA:::hot --> B\nC\nclassDef hot fill:#f96\nclassDef cold,frozen stroke:#00f,stroke-width:2\nclass B,C cold",
                 "LR; A:process:A fill=#ff9966, B:process:B stroke=#0000ff, C:process:C stroke=#0000ff | A->B", {}},
        ReadCase{"DefaultClass", "flowchart LR\nA:::x --> B\nclassDef default fill:#eee\nclassDef x fill:#000",
                 "LR; A:process:A fill=#000000, B:process:B fill=#eeeeee | A->B", {}},
        ReadCase{"StyleOverridesClass", "flowchart LR\nA:::c\nclassDef c fill:#111,stroke:#abc\nstyle A fill:#222",
                 "LR; A:process:A fill=#222222 stroke=#aabbcc |", {}},
        ReadCase{"RgbAndNames", "flowchart LR\nA\nstyle A fill:rgb(1, 2, 3),stroke:navy", "LR; A:process:A fill=#010203 stroke=#000080 |", {}},
        ReadCase{"LinkStyle", "flowchart LR\nA --> B --> C\nlinkStyle 1 stroke:#f00,stroke-width:4px",
                 "LR; A:process:A, B:process:B, C:process:C | A->B, B->C thick colour=#ff0000", {}},
        ReadCase{"LinkStyleDefault", "flowchart LR\nA --> B\nlinkStyle default stroke:blue",
                 "LR; A:process:A, B:process:B | A->B colour=#0000ff", {}}),
    Name);

// Subgraphs are clusters: a node belongs to the first subgraph it is named in, innermost first.
INSTANTIATE_TEST_SUITE_P(
    Subgraphs, MermaidReadTest,
    testing::Values(
        ReadCase{"NamedOutsideFirst", "flowchart TB\nc1-->a2\nsubgraph one\na1-->a2\nend",
                 "TB; c1:process:c1, a2:process:a2, a1:process:a1 | c1->a2, a1->a2 || one(one): a2 a1", {}},
        ReadCase{"LinksToSubgraphs", "flowchart TB\nsubgraph one [Title]\na1-->a2\nend\nx --> one\nx --> a1",
                 "TB; a1:process:a1, a2:process:a2, x:process:x | a1->a2, x->[one], x->a1 || one(Title): a1 a2", {}},
        ReadCase{"SubgraphToSubgraph", "flowchart LR\nsubgraph a\nx\nend\nsubgraph b\ny\nend\na --> b",
                 "LR; x:process:x, y:process:y | [a]->[b] || a(a): x; b(b): y", {}},
        ReadCase{"Direction", "flowchart LR\nsubgraph s\ndirection TB\nA\nend", "LR; A:process:A | || s(s) TB: A", {}},
        ReadCase{"Nested", "flowchart TB\nsubgraph outer [Outer]\nA\nsubgraph inner [Inner]\nB\nend\nC\nend\nD",
                 "TB; A:process:A, B:process:B, C:process:C, D:process:D | || outer(Outer): A C; inner(Inner) in outer: B", {}},
        ReadCase{"TitleWithoutId", "flowchart TB\nsubgraph My title\nA\nend", "TB; A:process:A | || (My title): A", {}},
        ReadCase{"QuotedTitle", "flowchart TB\nsubgraph s1[\"Quoted title\"]\nA\nend", "TB; A:process:A | || s1(Quoted title): A", {}},
        ReadCase{"FirstSubgraphKeepsNode", "flowchart LR\nsubgraph a\nx\nend\nsubgraph b\nx --> y\nend",
                 "LR; x:process:x, y:process:y | x->y || a(a): x; b(b): y", {}},
        // Mermaid reads "end" only as the whole word in lower case.
        ReadCase{"EndInNames", "flowchart LR\nsubgraph s\nA --> End --> ending\nend",
                 "LR; A:process:A, End:process:End, ending:process:ending | A->End, End->ending || s(s): A End ending", {}},
        ReadCase{"NotClosed", "flowchart LR\nA\nsubgraph one\nB-->C", "LR; A:process:A, B:process:B, C:process:C | B->C || one(one): B C", {3}},
        ReadCase{"LinkToEmptySubgraph", "flowchart LR\nsubgraph e\nend\nA --> e", "LR; A:process:A | || e(e):", {4}}),
    Name);

// What the diagram cannot hold is skipped with one warning naming its line.
INSTANTIATE_TEST_SUITE_P(
    Skipped, MermaidReadTest,
    testing::Values(
        ReadCase{"Click", "flowchart LR\nA-->B\nclick A callback \"Tooltip\"", "LR; A:process:A, B:process:B | A->B", {3}},
        ReadCase{"OtherShapes", "flowchart LR\nA[(db)] --> B{{hex}}\nC>flag] --> D[/in/]",
                 "LR; A:process:db, B:process:hex, C:process:flag, D:process:in | A->B, C->D", {2, 2, 3, 3}},
        ReadCase{"DoubleCircle", "flowchart TD\nid1(((circle)))", "TB; id1:ellipse:circle |", {2}},
        ReadCase{"InvisibleLink", "flowchart LR\nA ~~~ B", "LR; A:process:A, B:process:B |", {2}},
        ReadCase{"CircleAndCrossEnds", "flowchart LR\nA --o B\nB --x C", "LR; A:process:A, B:process:B, C:process:C | A->B, B->C", {2, 3}},
        ReadCase{"BothEnds", "flowchart LR\nA <--> B", "LR; A:process:A, B:process:B | A<->B", {}},
        ReadCase{"FrontMatter", "---\ntitle: Node\n---\nflowchart LR\n    id", "LR; id:process:id |", {1}},
        // Mermaid makes the node a style names.
        ReadCase{"StyleOfNoNode", "flowchart LR\nA\nstyle Q fill:#fff", "LR; A:process:A, Q:process:Q fill=#ffffff |", {}},
        // Mermaid drops a start mark without an end mark: an open link.
        ReadCase{"StartMarkOnly", "flowchart LR\nA <--- B", "LR; A:process:A, B:process:B | A--B", {2}},
        ReadCase{"BadColour", "flowchart LR\nA\nstyle A fill:notacolour,stroke:#123", "LR; A:process:A stroke=#112233 |", {3}},
        ReadCase{"LinkStyleBeyondTheLinks", "flowchart LR\nA --> B\nlinkStyle 4 stroke:#f00", "LR; A:process:A, B:process:B | A->B", {3}}),
    Name);

}  // namespace
