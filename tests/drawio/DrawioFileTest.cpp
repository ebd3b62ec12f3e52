// draw.io files on disk: which files are taken for draw.io, diagrams drawn here written and read
// back as the same figures, and failures that name the file and write nothing.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <functional>

#include "ConnectorGeometry.h"
#include "DiagramGraph.h"
#include "DrawioFile.h"
#include "DrawioImport.h"
#include "Errors.h"
#include "ItemGrid.h"

using figures::Figure;
using figures::FigureKind;

namespace {

TEST(DrawioFile, SniffTable) {
  const std::pair<const char*, bool> rows[] = {
      {"<mxfile host=\"app.diagrams.net\">", true},
      {"<mxGraphModel dx=\"1\">", true},
      {"\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- made by hand -->\n  <mxfile>", true},
      {"<mxfile/>", true},
      {"<mxfiles>", false},
      {"<html><mxfile>", false},
      {"flowchart TD\n A --> B", false},
      {"<?xml version=\"1.0\"?><svg>", false},
      {"<!-- never closed <mxfile>", false},
      {"", false},
  };
  for (const auto& [text, drawio] : rows) EXPECT_EQ(drawiofiles::LooksLikeDrawio(text), drawio) << text;
}

// Shapes drawn as the editor draws them, with a text inside each, and arrows between them.
struct Shape {
  FigureKind kind;
  QRect box;
  std::string text;
  TColor fill = clWhite, line = clBlack;
  TPenStyle pen = psSolid;
  std::string id;
};
struct Arrow {
  int from, to;
  TColor line = clBlack;
  TPenStyle pen = psSolid;
};

std::vector<Figure> Draw(const std::vector<Shape>& shapes, const std::vector<Arrow>& arrows) {
  std::vector<Figure> out;
  for (const Shape& s : shapes) {
    Figure f = figures::NewFigure(s.kind, s.box);
    f.style.fillColor = s.fill;
    f.style.lineColor = s.line;
    f.style.lineStyle = s.pen;
    f.legacy.index = s.id;
    out.push_back(f);
    Figure t = figures::NewFigure(FigureKind::Label, s.box.adjusted(10, 10, -10, -10));
    t.style.caption = s.text;
    t.style.fillStyle = bsClear;
    out.push_back(t);
  }
  for (const Arrow& a : arrows) {
    const QRect from = shapes[static_cast<size_t>(a.from)].box, to = shapes[static_cast<size_t>(a.to)].box;
    connectors::Figure laid;
    laid.kind = connectors::FigureKind::Arrow;
    laid = connectors::Rebuild(laid, QPoint(from.center().x(), from.bottom() + 1), QPoint(to.center().x(), to.top()));
    Figure f = figures::NewFigure(FigureKind::Arrow, laid.box);
    f.direction = laid.direction;
    f.arrow.position = laid.heads;
    f.style.lineColor = a.line;
    f.style.lineStyle = a.pen;
    out.push_back(f);
  }
  for (size_t i = 0; i < out.size(); ++i) out[i].id = i + 1;
  return out;
}

// What must come back: each shape's kind, box, colours, pen and id; each text; each connector
// with its ends, its pen and colour.
struct Meaning {
  std::vector<std::tuple<FigureKind, QRect, TColor, TColor, TPenStyle, std::string>> shapes;
  std::vector<std::string> texts;
  std::vector<std::tuple<std::string, std::string, TColor, TPenStyle>> connectors;
  bool operator==(const Meaning&) const = default;
};

Meaning MeaningOf(const std::vector<Figure>& figures) {
  Meaning m;
  const std::vector<semantics::Item> items = drawio::ItemsOf(figures);
  const semantics::ItemGrid grid(items);
  const graph::Graph g = semantics::FindGraph(items, grid.AsQuery());
  for (const Figure& f : figures) {
    if (f.kind == FigureKind::Label) m.texts.push_back(f.style.caption);
    else if (f.kind != FigureKind::Line && f.kind != FigureKind::Arrow)
      m.shapes.emplace_back(f.kind, f.box, f.style.fillColor, f.style.lineColor, f.style.lineStyle, f.legacy.index);
  }
  for (const graph::Edge& e : g.edges) {
    const Figure& arrow = figures[e.figures.front() - 1];
    m.connectors.emplace_back(g.nodes[static_cast<size_t>(e.from)].text, g.nodes[static_cast<size_t>(e.to)].text,
                              arrow.style.lineColor, arrow.style.lineStyle);
  }
  return m;
}

TEST(DrawioFile, DiagramComesBackTable) {
  using K = FigureKind;
  struct Row {
    const char* name;
    std::vector<Shape> shapes;
    std::vector<Arrow> arrows;
    Meaning want;  // worked out from the rows by hand
  };
  const Row rows[] = {
      {"every kind",
       {{K::Begin, QRect(40, 20, 40, 40), "", clWhite, clBlack, psSolid, ""},
        {K::Process, QRect(0, 100, 120, 60), "Take order", 0xfce8da, 0xbf8e6c, psSolid, ""},
        {K::Diamond, QRect(0, 200, 120, 80), "Paid?", clWhite, clBlack, psSolid, ""},
        {K::Ellipse, QRect(200, 200, 100, 60), "Wait", clWhite, clBlack, psSolid, ""},
        {K::Rectangle, QRect(200, 100, 100, 60), "Note", clWhite, clBlack, psDash, ""},
        {K::End, QRect(40, 320, 40, 40), "", clWhite, clBlack, psSolid, ""}},
       {},
       // Shapes without an id get their figure's: each shape is followed by its text.
       {{{K::Begin, QRect(40, 20, 40, 40), clWhite, clBlack, psSolid, "f1"},
         {K::Process, QRect(0, 100, 120, 60), 0xfce8da, 0xbf8e6c, psSolid, "f3"},
         {K::Diamond, QRect(0, 200, 120, 80), clWhite, clBlack, psSolid, "f5"},
         {K::Ellipse, QRect(200, 200, 100, 60), clWhite, clBlack, psSolid, "f7"},
         {K::Rectangle, QRect(200, 100, 100, 60), clWhite, clBlack, psDash, "f9"},
         {K::End, QRect(40, 320, 40, 40), clWhite, clBlack, psSolid, "f11"}},
        {"Take order", "Paid?", "Wait", "Note"},
        {}}},
      {"connectors keep their ends, colour and dashes; ids stay",
       {{K::Process, QRect(0, 0, 120, 60), "A", clWhite, clBlack, psSolid, "first"},
        {K::Process, QRect(0, 120, 120, 60), "B", clWhite, clBlack, psSolid, "second"},
        {K::Process, QRect(200, 240, 120, 60), "C", clWhite, clBlack, psSolid, ""}},
       {{0, 1, 0x0000ff, psSolid}, {1, 2, clBlack, psDash}},
       {{{K::Process, QRect(0, 0, 120, 60), clWhite, clBlack, psSolid, "first"},
         {K::Process, QRect(0, 120, 120, 60), clWhite, clBlack, psSolid, "second"},
         {K::Process, QRect(200, 240, 120, 60), clWhite, clBlack, psSolid, "f5"}},
        {"A", "B", "C"},
        {{"A", "B", 0x0000ff, psSolid}, {"B", "C", clBlack, psDash}}}},
  };
  QTemporaryDir dir;
  for (const Row& r : rows) {
    const QString file = dir.filePath(QStringLiteral("back.drawio"));
    drawiofiles::WriteDrawioFile(file, Draw(r.shapes, r.arrows));
    const drawiofiles::ReadDiagram back = drawiofiles::ReadDrawioFile(file);
    EXPECT_TRUE(back.warnings.isEmpty()) << r.name << ": " << back.warnings.join('\n').toStdString();
    const Meaning got = MeaningOf(back.figures);
    EXPECT_EQ(got.shapes, r.want.shapes) << r.name;
    EXPECT_EQ(got.texts, r.want.texts) << r.name;
    EXPECT_EQ(got.connectors, r.want.connectors) << r.name;
  }
}

// Failures name the file; a failed write leaves what was there, a failed read gives nothing.
TEST(DrawioFile, FailuresNameTheFile) {
  QTemporaryDir dir;
  const QString kept = dir.filePath(QStringLiteral("kept.drawio"));
  {
    QFile f(kept);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("<mxfile><diagram>%%%</diagram></mxfile>");
  }
  const std::pair<std::function<void()>, std::string> rows[] = {
      {[&] { drawiofiles::ReadDrawioFile(kept); }, "Cannot import " + kept.toStdString() + ": "},
      {[&] { drawiofiles::ReadDrawioFile(dir.filePath(QStringLiteral("none.drawio"))); }, "none.drawio"},
      {[&] { drawiofiles::WriteDrawioFile(dir.filePath(QStringLiteral("no/such/dir.drawio")), {}); }, "no/such/dir.drawio"},
      {[&] { drawiofiles::WriteDrawioFile(dir.path(), {}); }, dir.path().toStdString()},
  };
  for (const auto& [run, message] : rows) {
    try {
      run();
      ADD_FAILURE() << "no error for " << message;
    } catch (const EKedrinError& e) {
      EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
    }
  }
  QFile f(kept);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("<mxfile><diagram>%%%</diagram></mxfile>"));
}

}  // namespace
