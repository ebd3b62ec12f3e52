// Flowcharts drawn from their text: each node as its figure with its text on it, each edge a
// connector with its label; read back, the drawing is the graph it was drawn from (both forms of
// connector), in its direction, and so is its Mermaid and its DOT text.
#include <gtest/gtest.h>

#include "ChartDrawing.h"
#include "ChartSupport.h"
#include "Containers.h"
#include "Dot.h"
#include "FigureGraph.h"
#include "Layout.h"
#include "ItemGrid.h"
#include "Mermaid.h"
#include "ShapeText.h"
#include "TextPlacement.h"

#include <map>

namespace {

using flowchart::ConnectorForm;
using flowchart::DrawChart;
using semantics::ItemKind;

struct RoundTrip {
  const char* name;
  const char* text;
};
void PrintTo(const RoundTrip& c, std::ostream* os) { *os << c.name; }

class DrawnChartReadsBack : public testing::TestWithParam<std::tuple<RoundTrip, ConnectorForm>> {};

const RoundTrip kCharts[] = {
    {"ShapesChainsLabelsAndAStepBack",
     "flowchart TD\n A([Start]) --> B[Step] --> C{Ok?}\n C -->|yes| D([End])\n C -- no --> B\n"},
    {"LineDashedThickAndACycle", "flowchart LR\n A[[Rect]] --- B((Circle))\n B -.-> C[Box]\n C ==> A\n"},
    {"FanInBottomToTop", "graph BT\n A & B & C --> D\n D --> E\n"},
    {"LoopRightToLeft", "flowchart RL\n A --> A\n A -->|on| B\n"},
    {"FiveChildren", "flowchart TD\n A --> B & C & D & E & F\n"},
    {"TwoEdgesOneWay", "flowchart TD\n A -->|one| B\n A -->|two| B\n"},
    {"TwoEdgesBothWays", "flowchart LR\n A --> B\n B --> A\n"},
    {"FillsAndLongTexts",
     "flowchart TD\n A[\"A first line<br>and a second\"] --> B{Is the stock enough for the whole order?}\n"
     " style A fill:#f96\n style B fill:#ffd27f\n"},
    // Three subgraphs, one nested, a labelled link inside one, links into and out of them.
    {"Subgraphs",
     "flowchart TD\n S([Start]) --> A\n subgraph order [Take the order]\n A[Check] -->|ok| B[Pack]\n"
     " subgraph inner [Pay]\n C[Charge]\n end\n end\n subgraph ship [Ship it]\n D[Send]\n end\n"
     " B --> inner\n inner --> ship\n D --> E([Done])\n"},
    {"SubgraphsAcross", "flowchart LR\n subgraph a [One]\n x --> y\n end\n subgraph b [Two]\n z\n end\n y --> z\n a --> b\n"},
    // A row of steps in its own direction between links into and out of it.
    {"SubgraphInItsOwnDirection",
     "flowchart TB\n A --> S\n subgraph S [Checks]\n direction LR\n s1 --> s2 --> s3\n end\n S --> B\n"},
};

TEST_P(DrawnChartReadsBack, AsTheSameGraph) {
  const auto& [chart, form] = GetParam();
  const graph::ParseResult read = graph::ReadMermaid(chart.text);
  ASSERT_TRUE(read.ok());
  flowchart::ChartOptions options;
  options.form = form;
  const flowchart::DrawnChart drawn = DrawChart(*read.graph, options);
  ASSERT_TRUE(drawn.ok()) << drawn.error;
  const graph::Graph back = flowchart::GraphOfItems(charttest::ItemsOf(drawn.figures));
  EXPECT_EQ(charttest::Shape(back), charttest::Shape(*read.graph));
  // Written out again, as Mermaid and as DOT, and read: still the same graph.
  const graph::ParseResult mermaid = graph::ReadMermaid(graph::WriteMermaid(back));
  ASSERT_TRUE(mermaid.ok());
  EXPECT_EQ(charttest::Shape(*mermaid.graph), charttest::Shape(*read.graph));
  const graph::ParseResult dot = graph::ReadDot(graph::WriteDot(back));
  ASSERT_TRUE(dot.ok());
  EXPECT_EQ(charttest::Shape(*dot.graph), charttest::Shape(*read.graph));
}

INSTANTIATE_TEST_SUITE_P(Charts, DrawnChartReadsBack,
                         testing::Combine(testing::ValuesIn(kCharts),
                                          testing::Values(ConnectorForm::Elbow, ConnectorForm::Straight)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) == ConnectorForm::Elbow ? "Elbow" : "Straight");
                         });

// Each subgraph drawn as a container, as the meaning module finds them: its title inside its top
// edge, enclosing exactly its own steps and the containers nested in it; written out, three
// subgraphs holding the same steps.
TEST(DrawChart, SubgraphsAsContainersAndBack) {
  const graph::ParseResult read = graph::ReadMermaid(kCharts[8].text);
  ASSERT_TRUE(read.ok());
  const flowchart::DrawnChart drawn = DrawChart(*read.graph, {});
  ASSERT_TRUE(drawn.ok()) << drawn.error;
  const std::vector<semantics::Item> items = charttest::ItemsOf(drawn.figures);
  const semantics::ItemGrid grid(items);
  // The titles as the graph reads them (a labelled link inside a container hides its title from
  // FindContainers, whose title is the topmost label on the frame).
  std::map<uint64_t, std::string> titleOf;
  for (const graph::Cluster& c : flowchart::GraphOfItems(items).clusters) titleOf[c.figure] = c.title;
  std::map<std::string, std::vector<std::string>> found;  // title -> what it encloses
  for (const semantics::Container& c : semantics::FindContainers(items, grid.AsQuery())) {
    const std::string title = titleOf[c.frame->id];
    const auto label = std::find_if(items.begin(), items.end(), [&](const semantics::Item& i) {
      return i.kind == ItemKind::Label && i.caption == title && c.frame->box.contains(i.box) &&
             i.box.top() - c.frame->box.top() <= semantics::kTitleBand;
    });
    EXPECT_NE(label, items.end()) << title;
    std::vector<std::string>& members = found[title];
    for (const semantics::Item* m : c.members) {
      const semantics::Item* text = semantics::ShapeText(*m, grid.AsQuery());
      members.push_back(text ? text->caption : "?");
    }
  }
  const std::map<std::string, std::vector<std::string>> expected{
      {"Take the order", {"Pay", "Check", "Pack"}}, {"Pay", {"Charge"}}, {"Ship it", {"Send"}}};
  EXPECT_EQ(found, expected);
  const std::string written = graph::WriteMermaid(flowchart::GraphOfItems(items));
  const graph::ParseResult again = graph::ReadMermaid(written);
  ASSERT_TRUE(again.ok()) << written;
  EXPECT_EQ(graphtest::Summary(*again.graph).substr(graphtest::Summary(*again.graph).find("||")),
            "|| subgraph_1(Take the order): Check Pack; subgraph_2(Pay) in subgraph_1: Charge; subgraph_3(Ship it): Send")
      << written;
}

// Mermaid's style: fill, stroke and width onto the figure; dashes onto its pen.
TEST(DrawChart, NodesAsTheirFiguresWithTheirStyles) {
  const graph::ParseResult read = graph::ReadMermaid(
      "flowchart TD\n a([Go]) --> b[Box] --> c{Q} --> d((E)) --> e[[R]] --> f([Stop])\n"
      " style b fill:#ff0000,stroke:#0000ff,stroke-width:3px,stroke-dasharray: 5 5\n");
  ASSERT_TRUE(read.ok());
  const flowchart::DrawnChart drawn = DrawChart(*read.graph, {});
  ASSERT_TRUE(drawn.ok());
  std::vector<ItemKind> shapes;
  const flowchart::FigurePlan* box = nullptr;
  for (const flowchart::FigurePlan& p : drawn.figures) {
    if (!semantics::IsShape(p.kind)) continue;
    shapes.push_back(p.kind);
    if (p.kind == ItemKind::Process) box = &p;
  }
  EXPECT_EQ(shapes, (std::vector<ItemKind>{ItemKind::Start, ItemKind::Process, ItemKind::Decision, ItemKind::Ellipse,
                                           ItemKind::Rectangle, ItemKind::End}));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->fillColor, RGB(0xFF, 0, 0));
  EXPECT_EQ(box->lineColor, RGB(0, 0, 0xFF));
  EXPECT_EQ(box->lineWidth, 3);
  EXPECT_EQ(box->pen, psDash);
  EXPECT_EQ(box->caption, "Box");
}

// Every figure at or right of and below the origin; the layout's box of the chart begins there.
TEST(DrawChart, FromTheOrigin) {
  const graph::ParseResult read = graph::ReadMermaid("flowchart LR\n A -->|a label| B --> C\n");
  flowchart::ChartOptions options;
  options.origin = QPoint(300, 200);
  const flowchart::DrawnChart drawn = DrawChart(*read.graph, options);
  QRect all;
  for (const flowchart::FigurePlan& p : drawn.figures) all |= p.box;
  EXPECT_GE(all.left(), 300);
  EXPECT_GE(all.top(), 200);
  EXPECT_LE(all.left(), 302);
  EXPECT_LE(all.top(), 230);
}

TEST(DrawChart, GraphvizsReasonAndNoFigures) {
  graph::Graph g;
  g.nodes.resize(1);
  g.nodes[0].width = 200000;  // beyond what the layout takes
  g.nodes[0].height = 50;
  const flowchart::DrawnChart drawn = DrawChart(g, {});
  EXPECT_FALSE(drawn.ok());
  EXPECT_NE(drawn.error.find("200000"), std::string::npos) << drawn.error;
  EXPECT_TRUE(drawn.figures.empty());
}

// A node grows from its default size until its text area holds the text.
TEST(NodeSize, TheDefaultOrLargeEnoughForTheText) {
  const TFontDesc font;
  EXPECT_EQ(flowchart::NodeSize(graph::Shape::Process, "Go", font), graph::DefaultNodeSize(graph::Shape::Process));
  EXPECT_EQ(flowchart::NodeSize(graph::Shape::Decision, "", font), graph::DefaultNodeSize(graph::Shape::Decision));
  for (graph::Shape shape : {graph::Shape::Process, graph::Shape::Decision, graph::Shape::Ellipse, graph::Shape::Start,
                             graph::Shape::End, graph::Shape::Rectangle}) {
    const std::string text = "Check every line of the order against the stock list and the price list";
    const QSize size = flowchart::NodeSize(shape, text, font);
    const QSize least = graph::DefaultNodeSize(shape);
    EXPECT_GE(size.width(), least.width());
    EXPECT_GE(size.height(), least.height());
    const QRect area = flowchart::TextArea(flowchart::KindOfShape(shape), QRect(QPoint(0, 0), size));
    EXPECT_LE(flowchart::TextExtent(text, font, area.width()).height(), area.height()) << static_cast<int>(shape);
  }
}

}  // namespace
