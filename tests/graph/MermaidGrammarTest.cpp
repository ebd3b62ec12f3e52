// Mermaid 11 as its users write it: every form its grammar takes that the diagram can draw,
// input to graph, expectations worked out by hand from Mermaid's grammar and documentation.
#include <gtest/gtest.h>

#include "GraphSummary.h"
#include "Mermaid.h"

using graphtest::Outcome;

namespace {

struct Case {
  const char* name;
  const char* text;
  const char* expected;          // the summary of the graph read, or "error: ..."
  std::vector<int> warningLines;  // one per warning, in order
};
void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class Mermaid11 : public testing::TestWithParam<Case> {};

TEST_P(Mermaid11, ReadsAsMermaidDoes) {
  const Case& c = GetParam();
  const graph::ParseResult r = graph::ReadMermaid(c.text);
  EXPECT_EQ(Outcome(r), c.expected);
  std::vector<int> lines;
  for (const graph::Message& w : r.warnings) lines.push_back(w.line);
  EXPECT_EQ(lines, c.warningLines);
}

std::string Name(const testing::TestParamInfo<Case>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(
    EdgeIdsAndData, Mermaid11,
    testing::Values(
        Case{"Id", "flowchart LR\nA e1@--> B", "LR; A:process:A, B:process:B | A->B id=e1", {}},
        Case{"Animated", "flowchart LR\nA e1@==> B\ne1@{ animate: true }", "LR; A:process:A, B:process:B | A->B thick id=e1", {3}},
        Case{"OnlyTheFirstOfAGroup", "flowchart LR\nA e1@--> B & C", "LR; A:process:A, B:process:B, C:process:C | A->B id=e1, A->C", {}},
        Case{"WithText", "flowchart LR\nA e1@-- go --> B\ne1@{ curve: linear }", "LR; A:process:A, B:process:B | A->B |go| id=e1", {3}},
        Case{"Classed", "flowchart LR\nA e1@--> B\nclassDef hot stroke:#f00\nclass e1 hot",
             "LR; A:process:A, B:process:B | A->B colour=#ff0000 id=e1", {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    IdsWithPunctuation, Mermaid11,
    testing::Values(
        Case{"Dots", "flowchart LR\nP1.5 --> index.js", "LR; P1.5:process:P1.5, index.js:process:index.js | P1.5->index.js", {}},
        Case{"KeywordInside", "flowchart LR\na.end.node --> b-c", "LR; a.end.node:process:a.end.node, b-c:process:b-c | a.end.node->b-c", {}},
        Case{"ColonAndHash", "flowchart LR\nnode: --> #", "LR; node::process:node:, #:process:# | node:->#", {}},
        Case{"LeadingDash", "flowchart LR\n-node --> 1.2", "LR; -node:process:-node, 1.2:process:1.2 | -node->1.2", {}},
        Case{"AmpersandWithoutBlanks", "flowchart LR\nA&B --> C", "LR; A&B:process:A&B, C:process:C | A&B->C", {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    DirectionShorthands, Mermaid11,
    testing::Values(Case{"Right", "graph >\nA", "LR; A:process:A |", {}}, Case{"Left", "graph <\nA", "RL; A:process:A |", {}},
                    Case{"Up", "graph ^\nA", "BT; A:process:A |", {}}, Case{"Down", "graph v\nA", "TB; A:process:A |", {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    NodeData, Mermaid11,
    testing::Values(
        Case{"ShapeAndLabel", "flowchart LR\nD@{ shape: rounded, label: \"DD\" }", "LR; D:start:DD |", {}},
        Case{"BraceInQuotes", "flowchart LR\nA@{ label: \"a } b\" }", "LR; A:process:a } b |", {}},
        Case{"AfterABracket", "flowchart LR\nA[\"x\"]@{ shape: diamond }", "LR; A:decision:x |", {}},
        Case{"NearestFigure", "flowchart LR\nA@{ shape: cyl, label: \"DB\" } --> B", "LR; A:process:DB, B:process:B | A->B", {2}},
        Case{"OverLines", "flowchart LR\nA@{\n  shape: diamond\n  label: \"Multi\n   line\"\n}", "LR; A:decision:Multi\\nline |", {}},
        Case{"StartAndStop", "flowchart LR\nA@{ shape: sm-circ } --> B@{ shape: fr-circ }", "LR; A:start:A, B:end:B | A->B", {}},
        Case{"NoSuchShape", "flowchart LR\nA@{ shape: blob }", "error: line 2, column 2: no such shape: 'blob'", {}},
        Case{"CapitalShape", "flowchart LR\nA@{ shape: Rect }",
             "error: line 2, column 2: no such shape: 'Rect' (shape names are lower case, without '_')", {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    Accessibility, Mermaid11,
    testing::Values(Case{"Colon", "flowchart LR\naccTitle: Big title\naccDescr: Some words\nA", "LR; A:process:A |", {2, 3}},
                    Case{"Block", "flowchart LR\naccDescr {\n  many\n  lines\n}\nA", "LR; A:process:A |", {3}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    ClassBeforeLink, Mermaid11,
    testing::Values(Case{"NoBlanks", "flowchart LR\nA:::c-->B\nclassDef c fill:#f00", "LR; A:process:A fill=#ff0000, B:process:B | A->B", {}},
                    Case{"InAChain", "flowchart LR\nA:::c --> B:::d --> C\nclassDef d stroke:#00f",
                         "LR; A:process:A, B:process:B stroke=#0000ff, C:process:C | A->B, B->C", {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    DottedWithoutDash, Mermaid11,
    testing::Values(Case{"Arrow", "flowchart LR\nA .-> B", "LR; A:process:A, B:process:B | A->B dashed", {}},
                    Case{"BothEnds", "flowchart LR\nA <.-> B", "LR; A:process:A, B:process:B | A<->B dashed", {}},
                    Case{"Open", "flowchart LR\nA .- B", "LR; A:process:A, B:process:B | A--B dashed", {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    ContinuedStatement, Mermaid11,
    testing::Values(Case{"LinkOnTheNextLine", "flowchart LR\na[x]\n--> b[y]", "LR; a:process:x, b:process:y | a->b", {}},
                    Case{"ChainOverLines", "flowchart LR\nA --> B\n  --> C", "LR; A:process:A, B:process:B, C:process:C | A->B, B->C", {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    Brackets, Mermaid11,
    testing::Values(Case{"Ellipse", "flowchart LR\nA(-text-)", "LR; A:ellipse:text |", {}},
                    Case{"Borders", "flowchart LR\nA[|borders:lt|text]", "LR; A:process:text |", {2}},
                    Case{"TextOverLines", "flowchart LR\nA[one\ntwo]", "LR; A:process:one\\ntwo |", {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    StyleMakesItsNode, Mermaid11,
    testing::Values(Case{"New", "flowchart LR\nA\nstyle C fill:#f00", "LR; A:process:A, C:process:C fill=#ff0000 |", {}},
                    Case{"BeforeItsLink", "flowchart LR\nstyle B fill:#f00\nA --> B", "LR; B:process:B fill=#ff0000, A:process:A | A->B", {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    LongLinksWithText, Mermaid11,
    testing::Values(Case{"Dotted", "flowchart LR\nA -. Label ..-> B", "LR; A:process:A, B:process:B | A->B |Label| dashed", {}},
                    Case{"Thick", "flowchart LR\nA == Label ===> B", "LR; A:process:A, B:process:B | A->B |Label| thick", {}},
                    Case{"Solid", "flowchart LR\nA -- Label ----- B", "LR; A:process:A, B:process:B | A--B |Label|", {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    Markdown, Mermaid11,
    testing::Values(Case{"WhollyBold", "flowchart LR\nA[\"`**bold**`\"]", "LR; A:process:bold bold |", {}},
                    Case{"WhollyItalic", "flowchart LR\nA[\"`*it*`\"]", "LR; A:process:it italic |", {}},
                    Case{"BoldAndItalic", "flowchart LR\nA[\"`***both***`\"]", "LR; A:process:both bold italic |", {}},
                    Case{"PartsShownPlain", "flowchart LR\nA[\"`a **b** _c_ snake_case`\"]", "LR; A:process:a b c snake_case |", {2}},
                    Case{"LinkText", "flowchart LR\nA -- \"`**yes**`\" --> B", "LR; A:process:A, B:process:B | A->B |yes| bold", {}},
                    Case{"EmptyLinesJoin", "flowchart LR\nA[\"`line1\n\n  line2`\"]", "LR; A:process:line1\\nline2 |", {}},
                    Case{"PlainStarsStay", "flowchart LR\nA[\"**not markdown**\"]", "LR; A:process:**not markdown** |", {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    Icons, Mermaid11,
    testing::Values(Case{"BeforeText", "flowchart LR\nB[\"fa:fa-twitter for peace\"]", "LR; B:process:for peace |", {2}},
                    Case{"Alone", "flowchart LR\nC(fab:fa-github) --> D", "LR; C:start:, D:process:D | C->D", {2}},
                    Case{"InAText", "flowchart LR\nE(A fa:fa-camera-retro perhaps?)", "LR; E:start:A perhaps? |", {2}},
                    Case{"NodeData", "flowchart LR\nA@{ icon: \"fa:user\", form: \"square\" }", "LR; A:process: |", {2}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    BreaksAndEntities, Mermaid11,
    testing::Values(
        Case{"Codes", "flowchart LR\nA[\"a<br>b #quot;c#quot; #9829; &amp; #35;\"]", "LR; A:process:a\\nb \"c\" \xE2\x99\xA5 & # |", {}},
        Case{"BreakVariants", "flowchart LR\nA[a<br/>b<BR />c]", "LR; A:process:a\\nb\\nc |", {}},
        Case{"WrittenBreak", "flowchart LR\nA[\"x\\ny\"]", "LR; A:process:x\\ny |", {}},
        Case{"NamedAndHex", "flowchart LR\nA[\"#hearts; &#x2665; &lt;b&gt;\"]", "LR; A:process:\xE2\x99\xA5 \xE2\x99\xA5 <b> |", {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    LinkStyles, Mermaid11,
    testing::Values(Case{"WidthAndColour", "flowchart LR\nA --> B --> C\nlinkStyle 0 stroke:#f00,stroke-width:3px\nlinkStyle 1 stroke-dasharray:3",
                         "LR; A:process:A, B:process:B, C:process:C | A->B colour=#ff0000 width=3, B->C dashed", {}},
                    Case{"WideIsThick", "flowchart LR\nA --> B\nlinkStyle default stroke-width:6px",
                         "LR; A:process:A, B:process:B | A->B thick width=6", {}},
                    Case{"Several", "flowchart LR\nA --> B --> C\nlinkStyle 0,1 stroke:blue",
                         "LR; A:process:A, B:process:B, C:process:C | A->B colour=#0000ff, B->C colour=#0000ff", {}},
                    Case{"Interpolate", "flowchart LR\nA --> B\nlinkStyle 0 interpolate basis stroke:#0f0",
                         "LR; A:process:A, B:process:B | A->B colour=#00ff00", {3}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    Classes, Mermaid11,
    testing::Values(
        Case{"OnEveryNodeOfAGroup", "flowchart LR\nA:::foo & B:::bar --> C:::foobar\nclassDef foo stroke:#f00\nclassDef bar stroke:#0f0\nclassDef foobar stroke:#00f",
             "LR; A:process:A stroke=#ff0000, B:process:B stroke=#00ff00, C:process:C stroke=#0000ff | A->C, B->C", {}},
        Case{"AfterAShape", "flowchart LR\nA[x]:::hot --> B\nclassDef hot fill:#f96", "LR; A:process:x fill=#ff9966, B:process:B | A->B", {}},
        Case{"ClassStatementNamesOnlyNodesMadeBefore", "flowchart LR\nclass A hot\nA --> B\nclass B hot\nclassDef hot fill:#f96",
             "LR; A:process:A, B:process:B fill=#ff9966 | A->B", {}},
        Case{"DefaultUnderTheOwn", "flowchart LR\nA:::x --> B\nclassDef default fill:#eee\nclassDef x stroke:#000",
             "LR; A:process:A fill=#eeeeee stroke=#000000, B:process:B fill=#eeeeee | A->B", {}},
        Case{"FontFromStyle", "flowchart LR\nA\nstyle A font-weight:bold,font-style:italic", "LR; A:process:A bold italic |", {}}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    TwoLinksBetweenTwoNodes, Mermaid11,
    testing::Values(Case{"SameWay", "flowchart LR\nA -->|yes| B\nA -->|no| B", "LR; A:process:A, B:process:B | A->B |yes|, A->B |no|", {}},
                    Case{"BothWays", "flowchart LR\nA -->|go| B -->|back| A", "LR; A:process:A, B:process:B | A->B |go|, B->A |back|", {}}),
    Name);

// Each shape of Mermaid 11 drawn as the nearest figure; a warning where the figure is not it.
struct ShapeCase {
  const char* name;
  const char* figure;
  bool warned;
};
class ShapeNames : public testing::TestWithParam<ShapeCase> {};

TEST_P(ShapeNames, DrawnAsTheNearestFigure) {
  const ShapeCase& c = GetParam();
  const graph::ParseResult r = graph::ReadMermaid(std::string("flowchart LR\nA@{ shape: ") + c.name + ", label: \"t\" } --> B");
  ASSERT_TRUE(r.ok()) << graph::Describe(*r.error);
  EXPECT_EQ(graphtest::ShapeName(r.graph->nodes[0].shape), std::string(c.figure));
  EXPECT_EQ(r.warnings.size(), c.warned ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Mermaid11, ShapeNames,
    testing::Values(ShapeCase{"rect", "process", false}, ShapeCase{"proc", "process", false}, ShapeCase{"rounded", "start", false},
                    ShapeCase{"stadium", "start", false}, ShapeCase{"pill", "start", false}, ShapeCase{"subproc", "rectangle", false},
                    ShapeCase{"fr-rect", "rectangle", false}, ShapeCase{"circle", "ellipse", false}, ShapeCase{"diam", "decision", false},
                    ShapeCase{"question", "decision", false}, ShapeCase{"sm-circ", "start", false}, ShapeCase{"stop", "end", false},
                    ShapeCase{"cyl", "process", true}, ShapeCase{"hex", "process", true}, ShapeCase{"lean-r", "process", true},
                    ShapeCase{"trap-t", "process", true}, ShapeCase{"dbl-circ", "ellipse", true}, ShapeCase{"doc", "process", true},
                    ShapeCase{"f-circ", "ellipse", true}, ShapeCase{"fork", "rectangle", true}, ShapeCase{"text", "process", true},
                    ShapeCase{"bolt", "process", true}, ShapeCase{"odd", "process", true}, ShapeCase{"flag", "process", true}),
    [](const testing::TestParamInfo<ShapeCase>& info) {
      std::string name;
      for (char c : std::string(info.param.name)) name += c == '-' ? '_' : c;
      return name;
    });

// Texts and ids beyond 10,000 characters are cut with a warning naming their line; no message
// quotes more than a few hundred characters of what was written.
TEST(Mermaid11Limits, LongTextsAreCutAndMessagesShort) {
  const std::string longText(20000, 'x');
  const graph::ParseResult r = graph::ReadMermaid("flowchart LR\nA --> B\nC[" + longText + "]\n" + longText + " --> A");
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.graph->nodes[2].text.size(), 10000u);
  EXPECT_EQ(r.graph->nodes[3].id.size(), 10000u);
  std::vector<int> lines;
  for (const graph::Message& w : r.warnings) {
    lines.push_back(w.line);
    EXPECT_LT(w.text.size(), 300u);
  }
  EXPECT_EQ(lines, (std::vector<int>{3, 4, 4}));  // C's text; the long node's id and its text
  const graph::ParseResult bad = graph::ReadMermaid("flowchart LR\nA --> B " + longText);
  ASSERT_TRUE(bad.error.has_value());
  EXPECT_LT(bad.error->text.size(), 300u);
}

}  // namespace
