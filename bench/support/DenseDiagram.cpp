#include "DenseDiagram.h"

#include "BenchSupport.h"

std::vector<std::unique_ptr<TCustomKDTool>> MakeDenseFigures(int n, int columns, int cellWidth, int cellHeight) {
  std::vector<std::unique_ptr<TCustomKDTool>> figures;
  figures.reserve(static_cast<size_t>(n));
  const int w = cellWidth - 6, h = cellHeight - 6;
  for (int i = 0; i < n; ++i) {
    const int x = cellWidth * (i % columns), y = cellHeight * (i / columns);
    std::unique_ptr<TCustomKDTool> f = MakeFigure(i);
    f->SetFillColor(clWhite);
    f->SetLineColor(clBlack);
    if (i % 9 == 5) f->ApplyBounds(x, y + h / 4, w, h / 2);          // arrow
    else if (i % 9 == 8) f->ApplyBounds(x, y + h / 2, w, 2);         // line
    else f->ApplyBounds(x, y, w, h);
    figures.push_back(std::move(f));
  }
  return figures;
}
