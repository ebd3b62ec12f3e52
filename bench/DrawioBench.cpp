// Importing a draw.io file of 1,000 shapes: 40 rows of 25 cells, each a rounded box with its
// text, alternating with decisions; a straight arrow to the right neighbour and every fifth cell
// an elbow route with a label down to the cell below. Parse alone, and parse plus mapping.
#include <benchmark/benchmark.h>

#include <QString>

#include "DrawioImport.h"
#include "DrawioPages.h"

namespace {

constexpr int kColumns = 25, kRows = 40;

QByteArray LargeFile() {
  QString x = QStringLiteral("<mxfile><diagram name=\"Big\"><mxGraphModel><root><mxCell id=\"0\"/>"
                             "<mxCell id=\"1\" parent=\"0\"/>");
  auto id = [](int r, int c) { return QStringLiteral("v%1_%2").arg(r).arg(c); };
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kColumns; ++c) {
      const bool decision = (r + c) % 2 == 1;
      x += QStringLiteral("<mxCell id=\"%1\" value=\"Step &lt;b&gt;%2&lt;/b&gt;\" style=\"%3html=1;fillColor=#dae8fc;\" "
                          "vertex=\"1\" parent=\"1\"><mxGeometry x=\"%4\" y=\"%5\" width=\"120\" height=\"60\" "
                          "as=\"geometry\"/></mxCell>")
               .arg(id(r, c))
               .arg(r * kColumns + c)
               .arg(decision ? QStringLiteral("rhombus;") : QStringLiteral("rounded=1;"))
               .arg(c * 200)
               .arg(r * 160);
    }
  int e = 0;
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kColumns; ++c) {
      if (c + 1 < kColumns)
        x += QStringLiteral("<mxCell id=\"e%1\" edge=\"1\" parent=\"1\" source=\"%2\" target=\"%3\" "
                            "style=\"endArrow=classic;\"><mxGeometry relative=\"1\" as=\"geometry\"/></mxCell>")
                 .arg(e++)
                 .arg(id(r, c), id(r, c + 1));
      if (r + 1 < kRows && c % 5 == 0)
        x += QStringLiteral("<mxCell id=\"e%1\" value=\"yes\" edge=\"1\" parent=\"1\" source=\"%2\" target=\"%3\" "
                            "style=\"edgeStyle=orthogonalEdgeStyle;\"><mxGeometry relative=\"1\" as=\"geometry\">"
                            "<Array as=\"points\"><mxPoint x=\"%4\" y=\"%5\"/></Array></mxGeometry></mxCell>")
                 .arg(e++)
                 .arg(id(r, c), id(r + 1, c))
                 .arg(c * 200 + 60)
                 .arg(r * 160 + 110);
    }
  x += QStringLiteral("</root></mxGraphModel></diagram></mxfile>");
  return x.toUtf8();
}

void BM_DrawioParse1000(benchmark::State& state) {
  const QByteArray file = LargeFile();
  for (auto _ : state) {
    const drawio::FirstPage page = drawio::ReadFirstPage(file);
    if (page.model.cells.size() < 1000) state.SkipWithError("cells missing");
    benchmark::DoNotOptimize(page.model.cells.data());
  }
}
BENCHMARK(BM_DrawioParse1000)->Unit(benchmark::kMillisecond);

void BM_DrawioImport1000(benchmark::State& state) {
  const QByteArray file = LargeFile();
  for (auto _ : state) {
    const drawio::Imported in = drawio::ImportDrawio(file);
    if (!in.ok() || in.figures.size() < 3000) state.SkipWithError("figures missing");
    benchmark::DoNotOptimize(in.figures.data());
  }
}
BENCHMARK(BM_DrawioImport1000)->Unit(benchmark::kMillisecond);

}  // namespace
