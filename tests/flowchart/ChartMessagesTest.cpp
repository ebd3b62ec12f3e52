// The warnings and errors of Mermaid and DOT texts as the editor shows them: the English kdltool
// prints where no translation is loaded, and what a translation says where one is.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTranslator>

#include "Bracketing.h"

#include "ChartMessages.h"
#include "Dot.h"
#include "Mermaid.h"

namespace {

struct MessageCase {
  const char* name;
  bool dot;
  const char* text;
  bool warning;  // the first warning, else the error
  const char* english;
};
void PrintTo(const MessageCase& c, std::ostream* os) { *os << c.name; }

const MessageCase kMessages[] = {
    {"EndWithoutSubgraph", false, "flowchart TD\nA-->B\nend\n", false, "line 3, column 1: 'end' without a subgraph"},
    {"ClickSkipped", false, "flowchart TD\nA-->B\nclick A call x()\n", true, "line 3: 'click' is skipped"},
    {"LinkStyleBeyond", false, "flowchart TD\nA-->B\nlinkStyle 3 stroke:red\n", true,
     "line 3: linkStyle names link 3, but there are only 1"},
    // The user's own "%2" stays as written: the words go in in one pass.
    {"UserTextWithMarks", false, "flowchart TD\nA-->B\nstyle A fill:%2\n", true, "line 3: the colour '%2' is not understood"},
    {"DotGraphsAfterTheFirst", true, "digraph { a }\ndigraph { b }\n", true, "the text holds 2 graphs: only the first is read"},
    {"DotNamedGraphEmpty", true, "graph G { }\n", false, "the graph 'G' holds no node to draw"},
};

graph::Message MessageOf(const MessageCase& c) {
  const graph::ParseResult read = c.dot ? graph::ReadDot(c.text) : graph::ReadMermaid(c.text);
  if (c.warning) return read.warnings.empty() ? graph::Message{0, 0, "(no warning)"} : read.warnings.front();
  return read.error.value_or(graph::Message{0, 0, "(no error)"});
}

class ChartMessageEnglish : public testing::TestWithParam<MessageCase> {};

TEST_P(ChartMessageEnglish, IsWhatKdltoolPrints) {
  const graph::Message message = MessageOf(GetParam());
  EXPECT_EQ(graph::Describe(message), GetParam().english);
  EXPECT_EQ(flowchart::ChartMessageText(message).toStdString(), GetParam().english);
}
INSTANTIATE_TEST_SUITE_P(Messages, ChartMessageEnglish, testing::ValuesIn(kMessages),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartMessageTranslated, PatternAndPlaceAreAskedForByTheirEnglish) {
  testsupport::Bracketing bracketing("ChartMessages");
  ASSERT_TRUE(QCoreApplication::installTranslator(&bracketing));
  const QString column = flowchart::ChartMessageText(MessageOf(kMessages[0]));
  const QString line = flowchart::ChartMessageText(MessageOf(kMessages[2]));
  QCoreApplication::removeTranslator(&bracketing);
  EXPECT_EQ(column.toStdString(), "[line 3, column 1: ['end' without a subgraph]]");
  EXPECT_EQ(line.toStdString(), "[line 3: [linkStyle names link 3, but there are only 1]]");
}

// Gives the reader's words and one pattern in its own marks, as a language other than English
// would; like a translation file it knows no quoted user text.
class Marking : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char*, int) const override {
    const QLatin1String c(context);
    if (c == QLatin1String("ChartMessageWords") && source[0] != '\'') return QLatin1Char('<') + QString::fromUtf8(source) + QLatin1Char('>');
    if (c == QLatin1String("ChartMessages") && QLatin1String(source) == QLatin1String("%1 is %2, drawn as %3"))
      return QStringLiteral("%1: %2 -> %3");
    return {};
  }
  bool isEmpty() const override { return false; }
};

TEST(ChartMessageTranslated, TheReadersWordsToo) {
  const struct {
    const char* text;
    bool warning;
    const char* shown;
  } cases[] = {
      {"flowchart TD\nA-->\n", false, "line 3, column 1: expected a node after the link, found <the end of the text>"},
      // Mermaid's shape name loses its English article.
      {"flowchart TD\nA@{ shape: cyl }\n", true, "line 2: 'A': 'cylinder' -> <a process box>"},
  };
  Marking marking;
  ASSERT_TRUE(QCoreApplication::installTranslator(&marking));
  for (const auto& c : cases) {
    const graph::ParseResult read = graph::ReadMermaid(c.text);
    const graph::Message m = c.warning ? read.warnings.at(0) : read.error.value();
    EXPECT_EQ(flowchart::ChartMessageText(m).toStdString(), c.shown) << c.text;
  }
  QCoreApplication::removeTranslator(&marking);
}

}  // namespace
