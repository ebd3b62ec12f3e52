// draw.io cells read and mapped: styles to figure kinds, values to captions, and hand-written
// files (one per feature) to the figures and the graph they draw.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <map>
#include <set>
#include <tuple>

#include "CellKind.h"
#include "CellText.h"
#include "DiagramGraph.h"
#include "DrawioImport.h"
#include "DrawioPages.h"
#include "DrawioWriter.h"
#include "ItemGrid.h"
#include "Connector.h"
#include "Containers.h"
#include "ChartDrawing.h"
#include "Outline.h"

using figures::FigureKind;
using semantics::ItemKind;

namespace {

TEST(DrawioStyle, KindTable) {
  struct Row {
    const char* style;
    drawio::CellRole role;
    ItemKind kind;
    bool exact;
  };
  using R = drawio::CellRole;
  const Row rows[] = {
      {"whiteSpace=wrap;html=1;", R::Shape, ItemKind::Rectangle, true},
      {"rounded=1;whiteSpace=wrap;", R::Shape, ItemKind::Process, true},
      {"rounded=0;", R::Shape, ItemKind::Rectangle, true},
      {"rhombus;whiteSpace=wrap;", R::Shape, ItemKind::Decision, true},
      {"shape=mxgraph.flowchart.decision;", R::Shape, ItemKind::Decision, true},
      {"ellipse;whiteSpace=wrap;", R::Shape, ItemKind::Ellipse, true},
      {"ellipse;aspect=fixed;", R::Mark, ItemKind::Start, true},
      {"shape=mxgraph.flowchart.start_1;", R::Mark, ItemKind::Start, true},
      {"strokeWidth=2;shape=mxgraph.flowchart.terminator;", R::Mark, ItemKind::Start, true},
      {"doubleEllipse;", R::Shape, ItemKind::End, true},
      {"text;html=1;align=center;", R::Text, ItemKind::Label, true},
      {"swimlane;startSize=30;horizontal=0;", R::Container, ItemKind::Rectangle, true},
      {"rounded=0;container=1;", R::Container, ItemKind::Rectangle, true},
      {"group", R::Group, ItemKind::Rectangle, true},
      {"shape=mxgraph.flowchart.process;rounded=1;", R::Shape, ItemKind::Process, true},
      {"ellipse;shape=cloud;", R::Shape, ItemKind::Ellipse, false},
      {"shape=mxgraph.basic.donut;", R::Shape, ItemKind::Ellipse, false},
      {"shape=cylinder3;rounded=1;", R::Shape, ItemKind::Rectangle, false},
  };
  for (const Row& r : rows) {
    const drawio::CellKind k = drawio::KindOfStyle(drawio::ParseStyle(r.style));
    EXPECT_EQ(k.role, r.role) << r.style;
    EXPECT_EQ(k.kind, r.kind) << r.style;
    EXPECT_EQ(k.exact, r.exact) << r.style;
  }
  struct Colour {
    const char* text;
    std::optional<TColor> colour;
  };
  const Colour colours[] = {{"#dae8fc", 0xfce8da}, {"#FF0000", 0x0000ff}, {"#0a1", 0x11aa00},
                            {"none", std::nullopt}, {"default", std::nullopt}, {"#12345g", std::nullopt}};
  for (const Colour& c : colours) EXPECT_EQ(drawio::ColourOfStyle(c.text), c.colour) << c.text;
}

TEST(DrawioText, ValueTable) {
  struct Row {
    const char* value;
    bool html;
    const char* caption;
  };
  const Row rows[] = {
      {"plain", false, "plain"},
      {"two\nlines\n", false, "two\r\nlines"},
      {"a<br>b", false, "a<br>b"},
      {"a<br>b", true, "a\r\nb"},
      {"<div>one</div><div>two</div>", true, "one\r\ntwo"},
      {"<p>x</p><p>y</p>", true, "x\r\ny"},
      {"Tom &amp; Jerry&nbsp;&lt;3 &#233;", true, "Tom & Jerry <3 \xc3\xa9"},
      {"<b>bold</b> <font color=\"red\">red</font>", true, "bold red"},
      {"a &amp; b\nc", true, "a & b\r\nc"},
  };
  for (const Row& r : rows) EXPECT_EQ(drawio::CaptionOfValue(QString::fromUtf8(r.value), r.html), r.caption) << r.value;

  // Compressed pages: base64 of raw deflate of URL-encoded text; damaged ones are refused.
  EXPECT_EQ(drawio::DecodeCompressed("y0jNyckHAA=="), QByteArray("hello"));  // raw deflate of "hello"
  EXPECT_EQ(drawio::DecodeCompressed("UzV2dgQA"), QByteArray("<A"));         // of "%3CA"
  EXPECT_FALSE(drawio::DecodeCompressed("y0jNyck="));                          // ends early
  EXPECT_FALSE(drawio::DecodeCompressed("not base64!"));
}

QByteArray DataFile(const char* name) {
  QFile f(QStringLiteral(KEDRIN_TEST_DATA "/drawio/") + QLatin1StringView(name));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << name;
  return f.readAll();
}

// "from->to" (node texts, "" for none) with " [label]", " dashed" and " undirected" as drawn.
std::vector<std::string> EdgesOf(const std::vector<figures::Figure>& figures) {
  const std::vector<semantics::Item> items = drawio::ItemsOf(figures);
  const semantics::ItemGrid grid(items);
  const graph::Graph g = semantics::FindGraph(items, grid.AsQuery());
  std::vector<std::string> out;
  for (const graph::Edge& e : g.edges) {
    std::string s = g.nodes[static_cast<size_t>(e.from)].text + "->" + g.nodes[static_cast<size_t>(e.to)].text;
    if (!e.label.empty()) s += " [" + e.label + "]";
    if (e.style == graph::LineStyle::Dashed) s += " dashed";
    if (!e.directed) s += " undirected";
    out.push_back(s);
  }
  return out;
}

TEST(DrawioFiles, ImportTable) {
  using K = FigureKind;
  struct Row {
    const char* file;
    std::map<K, int> kinds;
    std::vector<std::string> edges;
    size_t warnings;
  };
  const std::map<K, int> flow = {{K::Begin, 1}, {K::Process, 1}, {K::Diamond, 1}, {K::End, 1},
                                 {K::Label, 3}, {K::Line, 3},    {K::Arrow, 3}};
  const std::vector<std::string> flowEdges = {"->Do it", "Do it->OK? dashed", "OK?-> [yes]"};
  const Row rows[] = {
      {"flowchart.drawio", flow, flowEdges, 1},
      {"compressed.drawio", flow, flowEdges, 0},
      {"lanes.drawio", {{K::Rectangle, 2}, {K::Ellipse, 2}, {K::Label, 7}, {K::Arrow, 1}}, {"Order & pay->Ship\r\nit [ships]"}, 1},
      {"elbow.drawio", {{K::Rectangle, 3}, {K::Label, 3}, {K::Line, 4}, {K::Arrow, 2}}, {"D->E", "Top->E"}, 0},
      {"bare.xml", {{K::Rectangle, 3}, {K::Label, 3}, {K::Line, 2}, {K::Arrow, 1}}, {"A->B undirected", "A->C"}, 0},
      // A vertex without geometry shows nothing in draw.io: left out, with a warning.
      {"sizeless.drawio", {{K::Rectangle, 2}, {K::Label, 2}, {K::Arrow, 1}}, {"A->B"}, 1},
  };
  for (const Row& r : rows) {
    const drawio::Imported in = drawio::ImportDrawio(DataFile(r.file));
    ASSERT_TRUE(in.ok()) << r.file << ": " << in.error;
    std::map<K, int> kinds;
    for (const figures::Figure& f : in.figures) ++kinds[f.kind];
    EXPECT_EQ(kinds, r.kinds) << r.file;
    EXPECT_EQ(EdgesOf(in.figures), r.edges) << r.file;
    EXPECT_EQ(in.warnings.size(), r.warnings) << r.file;
  }
  // The looks that travel: fill and outline colours, a dashed red pen, the text's size and bold.
  const drawio::Imported flowIn = drawio::ImportDrawio(DataFile("flowchart.drawio"));
  ASSERT_GE(flowIn.figures.size(), 8u);
  const figures::Figure& box = flowIn.figures[1];
  const figures::Figure& text = flowIn.figures[2];
  EXPECT_EQ(std::make_tuple(box.kind, box.style.fillColor, box.style.lineColor), std::make_tuple(K::Process, 0xfce8da, 0xbf8e6c));
  EXPECT_EQ(std::make_tuple(text.style.caption, text.style.font.height, text.style.font.style, text.style.fillStyle),
            std::make_tuple(std::string("Do it"), -14, uint8_t{fsBold}, bsClear));
  const figures::Figure& dashed = flowIn.figures[7];  // after 4 shapes, 2 texts and the first arrow
  EXPECT_EQ(std::make_tuple(dashed.kind, dashed.style.lineColor, dashed.style.lineStyle), std::make_tuple(K::Arrow, 0x0000ff, psDash));
  // An elbow connector's one point places its middle run only: across at y = 200 (elbow=vertical),
  // not out to the point's x = 500; the other's runs down at x = 140.
  int right = 0;
  for (const figures::Figure& f : drawio::ImportDrawio(DataFile("elbow.drawio")).figures)
    if (f.kind == K::Line || f.kind == K::Arrow) right = std::max(right, f.box.x() + f.box.width());
  EXPECT_LT(right, 300);
  // Cells whose parents go round in a loop, placed in fractions of each other: placed once each.
  const drawio::Imported loop = drawio::ImportDrawio(QByteArray(
      "<mxGraphModel><root><mxCell id=\"0\"/><mxCell id=\"1\" parent=\"0\"/>"
      "<mxCell id=\"a\" value=\"A\" vertex=\"1\" parent=\"b\"><mxGeometry x=\"0.5\" width=\"10\" height=\"10\" relative=\"1\" as=\"geometry\"/></mxCell>"
      "<mxCell id=\"b\" value=\"B\" vertex=\"1\" parent=\"a\"><mxGeometry x=\"0.5\" width=\"10\" height=\"10\" relative=\"1\" as=\"geometry\"/></mxCell>"
      "</root></mxGraphModel>"));
  EXPECT_EQ(loop.figures.size(), 4u);
  // Files that hold no page: nothing read, and the reason said.
  const std::pair<const char*, const char*> bad[] = {
      {"<html><body/></html>", "not a draw.io file"},
      {"<mxfile></mxfile>", "no page"},
      {"<mxfile><diagram>%%%</diagram></mxfile>", "cannot be decoded"},
      {"<mxfile><diagram><mxGraphModel><root>", "XML error"},
      {" \n", "empty"},
  };
  for (const auto& [text, reason] : bad) {
    const drawio::Imported in = drawio::ImportDrawio(QByteArray(text));
    EXPECT_NE(in.error.find(reason), std::string::npos) << text << ": " << in.error;
    EXPECT_TRUE(in.figures.empty()) << text;
  }
}

// What a round trip keeps: every closed figure with its box and colours, every text where it
// was, every connector with its ends and label.
struct Drawn {
  std::map<FigureKind, int> kinds;
  std::vector<std::tuple<FigureKind, QRect, TColor, TColor, TPenStyle, TBrushStyle>> shapes;
  std::multiset<std::tuple<std::string, int, int, int, int>> texts;
  std::multiset<std::string> captions;
  std::vector<std::string> edges;
  std::multiset<std::tuple<FigureKind, TColor, TPenStyle>> segments;  // connectors' colours and pens
};

Drawn DrawnOf(const std::vector<figures::Figure>& figures) {
  Drawn d;
  for (const figures::Figure& f : figures) {
    ++d.kinds[f.kind];
    if (f.kind == FigureKind::Label) {
      d.texts.emplace(f.style.caption, f.box.x(), f.box.y(), f.box.width(), f.box.height());
      d.captions.insert(f.style.caption);
    }
    else if (f.kind != FigureKind::Line && f.kind != FigureKind::Arrow)
      d.shapes.emplace_back(f.kind, f.box, f.style.fillColor, f.style.lineColor, f.style.lineStyle, f.style.fillStyle);
    else
      d.segments.emplace(f.kind, f.style.lineColor, f.style.lineStyle);
  }
  d.edges = EdgesOf(figures);
  return d;
}

TEST(DrawioFiles, RoundTrip) {
  QStringList files = QDir(QStringLiteral(KEDRIN_TEST_DATA "/drawio")).entryList(QDir::Files);
  // Three of draw.io's templates too.
  files << QStringLiteral("jgraph/basic_flowchart.xml") << QStringLiteral("jgraph/flowchart_2.xml")
        << QStringLiteral("jgraph/cross_functional_flowchart_1.xml");
  ASSERT_GE(files.size(), 6);
  for (const QString& file : files) {
    const drawio::Imported first = drawio::ImportDrawio(DataFile(file.toUtf8().constData()));
    ASSERT_TRUE(first.ok()) << file.toStdString();
    for (const bool html : {false, true}) {
      drawio::WriteOptions options;
      options.html = html;
      const QByteArray written = drawio::WriteDrawio(first.figures, options);
      const drawio::Imported again = drawio::ImportDrawio(written);
      ASSERT_TRUE(again.ok()) << file.toStdString() << ": " << again.error;
      const Drawn got = DrawnOf(again.figures), want = DrawnOf(first.figures);
      const std::string where = file.toStdString() + (html ? " as HTML" : " as text");
      EXPECT_EQ(got.kinds, want.kinds) << where;
      EXPECT_TRUE(got.shapes == want.shapes) << where;
      EXPECT_EQ(got.texts, want.texts) << where;
      EXPECT_EQ(got.edges, want.edges) << where;
      EXPECT_EQ(got.segments, want.segments) << where;
    }
  }
}

// draw.io's cross-functional template: a pool ("Route Handling") of three vertical lanes, whose
// titles run down their left edges there. Each comes in as a container titled by the rule the
// editor reads, with the label in the band along its top, and goes out and back so; its 21 texts
// (4 titles, 11 shapes' texts, 6 edge labels: counted in its XML) all come back.
TEST(DrawioFiles, VerticalLanesComeTitled) {
  const auto titles = [](const std::vector<figures::Figure>& figures) {
    const std::vector<semantics::Item> items = drawio::ItemsOf(figures);
    const semantics::ItemGrid grid(items);
    std::multiset<std::string> out;
    for (const semantics::Container& c : semantics::FindContainers(items, grid.AsQuery()))
      out.insert(c.title ? c.title->caption : "(untitled)");
    return out;
  };
  const std::multiset<std::string> lanes{"Driver", "Navigation", "Passengers", "Route Handling"};
  const drawio::Imported in = drawio::ImportDrawio(DataFile("jgraph/cross_functional_flowchart_1.xml"));
  ASSERT_TRUE(in.ok()) << in.error;
  EXPECT_EQ(titles(in.figures), lanes);
  EXPECT_EQ(DrawnOf(in.figures).texts.size(), 21u);
  const drawio::Imported back = drawio::ImportDrawio(drawio::WriteDrawio(in.figures));
  ASSERT_TRUE(back.ok()) << back.error;
  EXPECT_EQ(titles(back.figures), lanes);
  EXPECT_EQ(DrawnOf(back.figures).texts, DrawnOf(in.figures).texts);
}

// A container handed to the writer comes back as a lane: its rectangle, and its title inside the
// header along its top (a vertical lane's in its top left corner, within the title band), its
// members still on it.
TEST(DrawioFiles, ContainersWritten) {
  const drawio::Imported lanes = drawio::ImportDrawio(DataFile("lanes.drawio"));
  ASSERT_TRUE(lanes.ok());
  // The swimlane (40, 40, 300 x 200) first; its title, the one label "Sales", comes last.
  const auto titleOf = [](const drawio::Imported& in) {
    return std::find_if(in.figures.begin(), in.figures.end(),
                        [](const figures::Figure& f) { return f.kind == FigureKind::Label && f.style.caption == "Sales"; });
  };
  const figures::Figure& lane = lanes.figures[0];
  ASSERT_TRUE(titleOf(lanes) != lanes.figures.end());
  for (const bool vertical : {false, true}) {
    drawio::WriteOptions options;
    options.containers = {{lane.id, lane.box, "Sales", vertical}};
    const drawio::Imported again = drawio::ImportDrawio(drawio::WriteDrawio(lanes.figures, options));
    ASSERT_TRUE(again.ok());
    // A vertical lane's title moves to its top left corner.
    if (vertical) EXPECT_EQ(DrawnOf(again.figures).captions, DrawnOf(lanes.figures).captions);
    else EXPECT_EQ(DrawnOf(again.figures).texts, DrawnOf(lanes.figures).texts);
    EXPECT_EQ(DrawnOf(again.figures).edges, DrawnOf(lanes.figures).edges) << vertical;
    ASSERT_GE(again.figures.size(), 2u);
    EXPECT_EQ(again.figures[0].box, QRect(40, 40, 300, 200)) << vertical;
    ASSERT_TRUE(titleOf(again) != again.figures.end());
    const QRect title = titleOf(again)->box;  // the header is 23 pixels deep; the band 30
    EXPECT_TRUE(vertical ? title.left() >= 40 && title.left() < 63 && title.top() >= 40 && title.bottom() <= 70
                         : title.top() >= 40 && title.bottom() < 63)
        << vertical << " " << title.x() << "," << title.y() << " " << title.width() << "x" << title.height();
  }
}

// Containers found on the diagram are written as swimlanes holding their members as children
// (placed relative to them, as draw.io places children), nested ones inside their parents, and
// come back where they were.
TEST(DrawioFiles, FoundContainersHoldTheirMembers) {
  auto figure = [](uint64_t id, FigureKind kind, QRect box, const char* caption = "") {
    figures::Figure f = figures::NewFigure(kind, box);
    f.id = id;
    f.style.caption = caption;
    return f;
  };
  const std::vector<figures::Figure> chart = {
      figure(1, FigureKind::Rectangle, {100, 100, 400, 300}), figure(2, FigureKind::Label, {110, 104, 80, 20}, "Sales"),
      figure(3, FigureKind::Rectangle, {120, 150, 200, 200}), figure(4, FigureKind::Label, {130, 154, 80, 20}, "Desk"),
      figure(5, FigureKind::Process, {150, 200, 100, 50}),    figure(6, FigureKind::Process, {360, 200, 100, 50})};
  const QByteArray xml = drawio::WriteDrawio(chart);
  // The inner box is the outer one's child, 20 and 50 from its corner; the step in it is its child.
  EXPECT_TRUE(xml.contains(R"(value="Desk" style="rounded=0;whiteSpace=wrap;html=0;container=1;)")) << xml.constData();
  EXPECT_TRUE(xml.contains(R"(parent="f1">)") && xml.contains(R"(<mxGeometry x="20" y="50" width="200" height="200")"))
      << xml.constData();
  EXPECT_TRUE(xml.contains(R"(<mxGeometry x="30" y="50" width="100" height="50")")) << xml.constData();
  const drawio::Imported back = drawio::ImportDrawio(xml);
  ASSERT_TRUE(back.ok()) << back.error;
  std::multiset<std::pair<int, int>> corners, want;
  for (const figures::Figure& f : back.figures)
    if (f.kind != FigureKind::Label) corners.insert({f.box.x(), f.box.y()});
  for (const figures::Figure& f : chart)
    if (f.kind != FigureKind::Label) want.insert({f.box.x(), f.box.y()});
  EXPECT_EQ(corners, want);
  EXPECT_EQ(DrawnOf(back.figures).captions, (std::multiset<std::string>{"Desk", "Sales"}));
}

// Containers and the lanes of pools written and read again keep what they are and how they look:
// a plain container stays one (not a lane), each pool keeps its orientation and its lanes' order,
// and every frame its box, fill, pen and title with the title's size and its place at the left.
TEST(DrawioFiles, ContainersKeepWhatTheyAreTable) {
  struct Frame {
    QRect box;
    const char* title;
    TColor fill, pen;
    TBrushStyle brush;
    TPenStyle style;
    int fontHeight;
  };
  const Frame frames[] = {
      {{20, 20, 300, 160}, "Box", 0xCCFFCC, 0x0000FF, bsSolid, psDash, -14},      // a plain container
      {{20, 240, 400, 100}, "North", 0xFFE0E0, 0x800000, bsSolid, psSolid, -11},  // a pool of rows
      {{20, 340, 400, 100}, "South", 0xE0FFE0, 0x008000, bsSolid, psSolid, -12},
      {{500, 20, 150, 300}, "Left", 0xE0E0E0, 0x404040, bsClear, psSolid, -11},   // a pool of columns
      {{650, 20, 150, 300}, "Right", 0xF0F0F0, 0x202020, bsSolid, psDot, -16},
  };
  std::vector<figures::Figure> chart;
  auto add = [&](FigureKind kind, QRect box) -> figures::Figure& {
    chart.push_back(figures::NewFigure(kind, box));
    chart.back().id = chart.size();
    return chart.back();
  };
  for (const Frame& f : frames) {
    figures::Figure& r = add(FigureKind::Rectangle, f.box);
    r.style.fillColor = f.fill;
    r.style.fillStyle = f.brush;
    r.style.lineColor = f.pen;
    r.style.lineStyle = f.style;
    figures::Figure& t = add(FigureKind::Label, QRect(f.box.topLeft() + QPoint(8, 4), QSize(60, 20)));
    t.style.caption = f.title;
    t.style.fillStyle = bsClear;
    t.style.font.height = f.fontHeight;
    add(FigureKind::Process, QRect(f.box.topLeft() + QPoint(20, 50), QSize(100, 40)));
  }
  // "title box fill pen style font role": role is "container", or "rows N"/"columns N" for the
  // Nth lane of a pool.
  const auto summary = [](const std::vector<figures::Figure>& figs) {
    const std::vector<semantics::Item> items = drawio::ItemsOf(figs);
    const semantics::ItemGrid grid(items);
    const std::vector<semantics::Container> found = semantics::FindContainers(items, grid.AsQuery());
    std::map<uint64_t, std::string> role;
    for (const semantics::Pool& p : semantics::FindPools(found))
      for (size_t l = 0; l < p.lanes.size(); ++l) role[p.lanes[l]->id] = (p.rows ? "rows " : "columns ") + std::to_string(l + 1);
    std::vector<std::string> out;
    for (const semantics::Container& c : found) {
      const figures::Figure& f = figs[c.frame->id - 1];
      const figures::Figure* t = c.title ? &figs[c.title->id - 1] : nullptr;
      const QRect& b = f.box;
      out.push_back(QStringLiteral("%1 %2,%3 %4x%5 %6 %7 %8 %9 %10 %11")
                        .arg(t ? QString::fromStdString(t->style.caption) : QStringLiteral("?"))
                        .arg(b.x()).arg(b.y()).arg(b.width()).arg(b.height())
                        .arg(f.style.fillStyle == bsClear ? QStringLiteral("none") : QString::number(f.style.fillColor, 16))
                        .arg(QString::number(f.style.lineColor, 16))
                        .arg(f.style.lineStyle == psSolid ? QStringLiteral("solid") : QStringLiteral("dashed"))
                        .arg(t ? t->style.font.height : 0)
                        .arg(QString::fromStdString(role.count(c.frame->id) ? role[c.frame->id] : "container"))
                        .arg(t && t->box.center().x() < b.center().x() ? QStringLiteral("left") : QStringLiteral("centred"))
                        .toStdString());
    }
    std::sort(out.begin(), out.end());
    return out;
  };
  const std::vector<std::string> want{
      "Box 20,20 300x160 ccffcc ff dashed -14 container left", "Left 500,20 150x300 none 404040 solid -11 columns 1 left",
      "North 20,240 400x100 ffe0e0 800000 solid -11 rows 1 left", "Right 650,20 150x300 f0f0f0 202020 dashed -16 columns 2 left",
      "South 20,340 400x100 e0ffe0 8000 solid -12 rows 2 left"};
  ASSERT_EQ(summary(chart), want);
  for (const bool html : {false, true}) {
    drawio::WriteOptions options;
    options.html = html;
    const drawio::Imported back = drawio::ImportDrawio(drawio::WriteDrawio(chart, options));
    ASSERT_TRUE(back.ok()) << back.error;
    EXPECT_EQ(summary(back.figures), want) << html;
  }
}

// draw.io's own templates (tests/data/drawio/jgraph/ORIGIN): closed figures and texts counted from
// their XML by hand, each edge between two shapes a connector read back between them.
TEST(DrawioFiles, TemplatesTable) {
  using K = FigureKind;
  struct Row {
    const char* file;
    std::map<K, int> kinds;  // closed figures and labels
    size_t edges;
    size_t warnings;
  };
  const Row rows[] = {
      {"jgraph/basic_flowchart.xml", {{K::Process, 4}, {K::Diamond, 2}, {K::Label, 10}}, 5, 0},
      {"jgraph/flowchart_2.xml", {{K::Begin, 1}, {K::End, 1}, {K::Diamond, 5}, {K::Rectangle, 13}, {K::Label, 30}}, 24, 13},
      {"jgraph/cross_functional_flowchart_1.xml", {{K::Rectangle, 11}, {K::Process, 1}, {K::Diamond, 3}, {K::Label, 21}}, 13, 3},
  };
  for (const Row& r : rows) {
    const drawio::Imported in = drawio::ImportDrawio(DataFile(r.file));
    ASSERT_TRUE(in.ok()) << r.file << ": " << in.error;
    std::map<K, int> kinds;
    for (const figures::Figure& f : in.figures)
      if (f.kind != K::Line && f.kind != K::Arrow) ++kinds[f.kind];
    EXPECT_EQ(kinds, r.kinds) << r.file;
    EXPECT_EQ(EdgesOf(in.figures).size(), r.edges) << r.file;
    EXPECT_EQ(in.warnings.size(), r.warnings) << r.file;
  }
}

}  // namespace

namespace {

// Every connector drawn from a file, hand-written or draw.io's own, ends on the outline of each
// shape it joins (not inside it, not short of it), so that the editor's connector rules keep it
// attached when the shape moves.
TEST(DrawioFiles, EndsOnOutlines) {
  QStringList files = QDir(QStringLiteral(KEDRIN_TEST_DATA "/drawio")).entryList(QDir::Files);
  for (const char* t : {"jgraph/basic_flowchart.xml", "jgraph/flowchart_2.xml", "jgraph/cross_functional_flowchart_1.xml"})
    files << QLatin1StringView(t);
  for (const QString& file : files) {
    const drawio::Imported in = drawio::ImportDrawio(DataFile(file.toUtf8().constData()));
    ASSERT_TRUE(in.ok()) << file.toStdString();
    const std::vector<semantics::Item> items = drawio::ItemsOf(in.figures);
    const semantics::ItemGrid grid(items);
    int ends = 0;
    for (const semantics::Item& item : items) {
      if (!semantics::IsSegment(item.kind)) continue;
      const std::optional<semantics::Connector> c = semantics::ConnectorOf(item, grid.AsQuery());
      if (!c || c->segments.front() != &item) continue;
      for (const auto& [shape, end] : {std::pair{c->startShape, c->start}, std::pair{c->endShape, c->end}}) {
        if (!shape) continue;
        ++ends;
        const connectors::Figure f = flowchart::RoutingFigure(*shape);
        EXPECT_LE(connectors::DistanceToOutline(f.kind, f.box, end), 1.5)
            << file.toStdString() << ": connector of figure " << item.id << " ends at " << end.x() << "," << end.y();
      }
    }
    EXPECT_GT(ends, 0) << file.toStdString();
  }
}

}  // namespace
