// Flowcharts nobody here wrote: the examples of Mermaid's documentation (tests/data/mermaid, with
// their origin and hand-made counts in its README) and the directed graphs Debian's graphviz-doc
// installs, counted by Graphviz's own gc.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <map>

#include "Dot.h"
#include "GraphSummary.h"
#include "GraphvizExamples.h"
#include "Mermaid.h"

namespace {

struct Counts {
  size_t nodes, links, leftOut, warnings;
};

// The README's table, counted by hand from each example.
const std::map<std::string, Counts>& MermaidCounts() {
  static const std::map<std::string, Counts> counts{
      {"01-node.mmd", {1, 0, 0, 1}},
      {"02-node-with-text.mmd", {1, 0, 0, 1}},
      {"03-unicode.mmd", {1, 0, 0, 0}},
      {"04-markdown.mmd", {2, 1, 0, 2}},
      {"05-direction.mmd", {2, 1, 0, 0}},
      {"06-stadium.mmd", {1, 0, 0, 0}},
      {"07-subroutine.mmd", {1, 0, 0, 0}},
      {"08-cylinder.mmd", {1, 0, 0, 1}},
      {"09-circle.mmd", {1, 0, 0, 0}},
      {"10-asymmetric.mmd", {1, 0, 0, 1}},
      {"11-rhombus.mmd", {1, 0, 0, 0}},
      {"12-hexagon.mmd", {1, 0, 0, 1}},
      {"13-trapezoid.mmd", {1, 0, 0, 1}},
      {"14-double-circle.mmd", {1, 0, 0, 1}},
      {"15-text-on-link.mmd", {2, 1, 0, 0}},
      {"16-text-on-link-bars.mmd", {2, 1, 0, 0}},
      {"17-dotted-link.mmd", {2, 1, 0, 0}},
      {"18-thick-link-with-text.mmd", {2, 1, 0, 0}},
      {"19-invisible-link.mmd", {2, 1, 1, 1}},
      {"20-chaining.mmd", {3, 2, 0, 0}},
      {"21-chaining-ampersand.mmd", {4, 4, 0, 0}},
      {"22-ampersand-both-sides.mmd", {4, 4, 0, 0}},
      {"23-circle-edge.mmd", {2, 1, 0, 1}},
      {"24-multi-directional.mmd", {4, 3, 0, 2}},
      {"25-minimum-length.mmd", {5, 5, 0, 0}},
      {"26-minimum-length-text.mmd", {5, 5, 0, 0}},
      {"27-quoted-text.mmd", {1, 0, 0, 0}},
      {"28-entity-codes.mmd", {2, 1, 0, 0}},
      {"29-subgraphs.mmd", {6, 4, 0, 0}},
      {"30-links-to-subgraphs.mmd", {6, 7, 0, 0}},
      {"31-direction-in-subgraphs.mmd", {6, 5, 0, 0}},
      {"32-markdown-strings.mmd", {4, 2, 0, 6}},
      {"33-interaction.mmd", {4, 3, 0, 4}},
      {"34-comments.mmd", {3, 2, 0, 0}},
      {"35-styling-a-node.mmd", {2, 1, 0, 0}},
      {"36-class-shorthand.mmd", {2, 1, 0, 0}},
      {"37-classes-on-links.mmd", {3, 2, 0, 0}},
      {"38-css-classes.mmd", {3, 2, 0, 0}},
      {"39-fontawesome.mmd", {4, 3, 0, 4}},
      {"40-spaces-without-semicolon.mmd", {5, 4, 0, 0}},
  };
  return counts;
}

std::string ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

const QString kMermaidDir = QStringLiteral(KEDRIN_TEST_DATA "/mermaid");

graph::ParseResult ReadExample(const char* name) { return graph::ReadMermaid(ReadFile(kMermaidDir + "/" + name)); }

TEST(MermaidDocumentationTest, EveryExampleImportsWithItsCounts) {
  const QStringList files = QDir(kMermaidDir).entryList({QStringLiteral("*.mmd")}, QDir::Files, QDir::Name);
  ASSERT_EQ(static_cast<size_t>(files.size()), MermaidCounts().size()) << "every example needs its counts";
  for (const QString& name : files) {
    SCOPED_TRACE(name.toStdString());
    const auto counts = MermaidCounts().find(name.toStdString());
    ASSERT_NE(counts, MermaidCounts().end());
    const graph::ParseResult r = graph::ReadMermaid(ReadFile(kMermaidDir + "/" + name));
    ASSERT_TRUE(r.ok()) << graph::Describe(*r.error);
    EXPECT_EQ(r.graph->nodes.size(), counts->second.nodes);
    EXPECT_EQ(r.graph->edges.size(), counts->second.links - counts->second.leftOut);
    EXPECT_EQ(r.warnings.size(), counts->second.warnings);
    for (const graph::Message& w : r.warnings) EXPECT_GT(w.line, 0) << w.text;
  }
}

// A few examples in full, as the page shows them.
TEST(MermaidDocumentationTest, ExamplesReadAsDrawn) {
  EXPECT_EQ(graphtest::Outcome(ReadExample("04-markdown.mmd")),
            "LR; markdown:process:This is Markdown, newLines:process:Line1\\nLine 2\\nLine 3 | markdown->newLines");
  EXPECT_EQ(graphtest::Outcome(ReadExample("25-minimum-length.mmd")),
            "TB; A:process:Start, B:decision:Is it?, C:process:OK, D:process:Rethink, E:process:End | "
            "A->B, B->C |Yes|, C->D, D->B, B->E |No|");
  EXPECT_EQ(graphtest::Outcome(ReadExample("28-entity-codes.mmd")),
            "LR; A:process:A double quote:\", B:process:A dec char:\xE2\x99\xA5 | A->B");
  EXPECT_EQ(graphtest::Outcome(ReadExample("35-styling-a-node.mmd")),
            "LR; id1:start:Start fill=#ff99ff stroke=#333333 width=4, id2:end:Stop fill=#bbbbff stroke=#ff6666 "
            "dashed | id1->id2");
  EXPECT_EQ(graphtest::Outcome(ReadExample("32-markdown-strings.mmd")),
            "LR; a:start:The cat\\nin the hat, b:process:The dog in the hog, c:start:The cat\\nin the hat, "
            "d:end:The dog in the hog | a->b |edge label|, c->d |Bold edge label| || One(One): a b; **Two**(Two): c d");
  EXPECT_EQ(graphtest::Outcome(ReadExample("30-links-to-subgraphs.mmd")),
            "TB; c1:process:c1, a2:process:a2, a1:process:a1, b1:process:b1, b2:process:b2, c2:process:c2 | "
            "c1->a2, a1->a2, b1->b2, c1->c2, [one]->[two], [three]->[two], [two]->c2 || "
            "one(one): a2 a1; two(two): b1 b2; three(three): c1 c2");
  EXPECT_EQ(graphtest::Outcome(ReadExample("31-direction-in-subgraphs.mmd")),
            "LR; i1:process:i1, f1:process:f1, i2:process:i2, f2:process:f2, A:process:A, B:process:B | "
            "i1->f1, i2->f2, A->[TOP], [TOP]->B, [B1]->[B2] || TOP(TOP) TB:; B1(B1) RL in TOP: i1 f1; "
            "B2(B2) BT in TOP: i2 f2");
}

// Text cut off anywhere (a half-saved file, a partial paste) reads or fails with a place, never
// crashes or hangs.
TEST(MermaidDocumentationTest, EveryPrefixReadsOrNamesItsError) {
  for (const QString& name : QDir(kMermaidDir).entryList({QStringLiteral("*.mmd")}, QDir::Files)) {
    const std::string text = ReadFile(kMermaidDir + "/" + name);
    for (size_t length = 0; length <= text.size(); ++length) {
      const graph::ParseResult r = graph::ReadMermaid(std::string_view(text).substr(0, length));
      if (r.ok()) continue;
      ASSERT_TRUE(r.error.has_value()) << name.toStdString() << " cut at " << length;
      EXPECT_GE(r.error->line, 1);
      EXPECT_GE(r.error->column, 1);
    }
  }
}

TEST(GraphvizExamplesTest, EveryDirectedGraphImportsWithGcsCounts) {
  const QString folder = graphvizexamples::Folder();
  const QStringList files = graphvizexamples::Files(folder);
  if (files.isEmpty()) GTEST_SKIP() << "no Graphviz examples in " << folder.toStdString() << " (package graphviz-doc)";
  const QString gc = graphvizexamples::Gc();
  if (gc.isEmpty()) GTEST_SKIP() << "Graphviz's gc is not installed (package graphviz)";
  size_t checked = 0;
  for (const QString& name : files) {
    SCOPED_TRACE(name.toStdString());
    const QByteArray text = graphvizexamples::Contents(folder + "/" + name);
    ASSERT_FALSE(text.isEmpty());
    const std::optional<std::pair<size_t, size_t>> expected = graphvizexamples::GcCounts(gc, text);
    ASSERT_TRUE(expected.has_value()) << "gc gave no counts";
    const graph::ParseResult r = graph::ReadDot(text.toStdString());
    ASSERT_TRUE(r.ok()) << graph::Describe(*r.error);
    EXPECT_EQ(r.graph->nodes.size(), expected->first);
    EXPECT_EQ(r.graph->edges.size(), expected->second);
    for (const graph::Message& w : r.warnings) EXPECT_FALSE(w.text.empty());
    ++checked;
  }
  EXPECT_EQ(checked, static_cast<size_t>(files.size()));
}

}  // namespace
