#include <gtest/gtest.h>

#include "Mermaid.h"

namespace {

struct ErrorCase {
  const char* name;
  const char* text;
  const char* expected;  // Describe(error)
};
void PrintTo(const ErrorCase& c, std::ostream* os) { *os << c.name; }

class MermaidErrorTest : public testing::TestWithParam<ErrorCase> {};

// A syntax error names its line and column and opens nothing.
TEST_P(MermaidErrorTest, NamesLineAndColumn) {
  const ErrorCase& c = GetParam();
  const graph::ParseResult r = graph::ReadMermaid(c.text);
  EXPECT_FALSE(r.ok());
  EXPECT_FALSE(r.graph.has_value());
  EXPECT_TRUE(r.warnings.empty());
  ASSERT_TRUE(r.error.has_value());
  EXPECT_EQ(graph::Describe(*r.error), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Errors, MermaidErrorTest,
    testing::Values(
        ErrorCase{"Empty", "", "line 1, column 1: the text holds no flowchart: expected 'flowchart' or 'graph'"},
        ErrorCase{"OnlyComments", "%% nothing\n\n", "line 3, column 1: the text holds no flowchart: expected 'flowchart' or 'graph'"},
        ErrorCase{"OtherDiagram", "sequenceDiagram\nA->>B: hi",
                  "line 1, column 1: expected 'flowchart' or 'graph', found 'sequenceDiagram'"},
        ErrorCase{"UnknownDirection", "flowchart XY\nA", "line 1, column 11: unknown direction 'XY' (TB, TD, BT, LR, RL, >, <, ^ or v)"},
        ErrorCase{"UnclosedBracket", "flowchart LR\n  A[unclosed --> B", "line 2, column 4: '[' is not closed"},
        ErrorCase{"UnclosedRound", "flowchart LR\nA(open", "line 2, column 2: '(' is not closed"},
        ErrorCase{"UnclosedQuote", "flowchart LR\nA[\"open --> B", "line 2, column 3: '\"' is not closed"},
        ErrorCase{"QuoteThenNoBracket", "flowchart LR\nA[\"text\" B", "line 2, column 2: '[' is not closed"},
        ErrorCase{"NothingAfterLink", "flowchart LR\nA -->", "line 2, column 6: expected a node after the link, found the end of the text"},
        ErrorCase{"TwoNodes", "flowchart LR\nA --> B C",
                  "line 2, column 9: expected a link, '&' or the end of the statement, found 'C'"},
        ErrorCase{"TrailingWord", "flowchart LR\n    A[ok] --> B[x] garbage",
                  "line 2, column 20: expected a link, '&' or the end of the statement, found 'garbage'"},
        ErrorCase{"UnclosedBar", "flowchart LR\nA -->|yes B", "line 2, column 6: '|' is not closed"},
        ErrorCase{"NothingAfterAmpersand", "flowchart LR\nA & --> B", "line 2, column 5: expected a node after '&', found a link"},
        ErrorCase{"LabelWithoutEnd", "flowchart LR\nA -- yes B", "line 2, column 3: the link's text is not followed by '-->' or '---'"},
        ErrorCase{"DottedLabelWithoutEnd", "flowchart LR\nA -. yes B", "line 2, column 3: the link's text is not followed by '.->' or '.-'"},
        ErrorCase{"EndWithoutSubgraph", "flowchart LR\nA\nend", "line 3, column 1: 'end' without a subgraph"},
        ErrorCase{"StyleWithoutNode", "flowchart LR\nstyle", "line 2, column 6: expected a node id after 'style', found a line break"},
        ErrorCase{"ClassWithoutName", "flowchart LR\nclass A", "line 2, column 8: expected a class name after the node ids, found a line break"},
        ErrorCase{"EmptyInlineClass", "flowchart LR\nA::: --> B", "line 2, column 6: expected a class name after ':::', found a link"},
        ErrorCase{"LinkStyleNotANumber", "flowchart LR\nA-->B\nlinkStyle x stroke:#f00", "line 3, column 11: expected a link number or 'default' after 'linkStyle', found 'x'"},
        ErrorCase{"FrontMatterNotClosed", "---\ntitle: x\nflowchart LR", "line 1, column 1: the front matter is not closed with '---'"},
        // Columns count characters, not bytes; lines count the breaks inside quoted texts.
        ErrorCase{"ColumnInCharacters", "flowchart LR\nA[\xC3\xA9] -->", "line 2, column 9: expected a node after the link, found the end of the text"},
        ErrorCase{"LineAfterQuotedBreak", "flowchart LR\nA[\"one\ntwo\"] --> B C",
                  "line 3, column 13: expected a link, '&' or the end of the statement, found 'C'"}),
    [](const testing::TestParamInfo<ErrorCase>& info) { return std::string(info.param.name); });

// Nothing of a graph that stopped half-way is kept: warnings before the error go too.
TEST(MermaidErrorTest, ErrorDropsEarlierWarnings) {
  const graph::ParseResult r = graph::ReadMermaid("flowchart LR\nclick A cb\nA --> B C");
  EXPECT_FALSE(r.ok());
  EXPECT_TRUE(r.warnings.empty());
  EXPECT_EQ(r.error->line, 3);
}

}  // namespace
